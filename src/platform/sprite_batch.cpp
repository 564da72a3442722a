// Batched quad drawing with one small shader.
#include "platform/sprite_batch.h"

#include <cstdio>
#include <string>

#include "platform/gl_loader.h"

namespace platform::detail {
namespace {

const char* kVertexShader = R"(#version 330 core
layout(location = 0) in vec2 aPos;
layout(location = 1) in vec2 aUV;
layout(location = 2) in vec4 aColor;
layout(location = 3) in vec4 aSolid;
uniform vec4 uXform;  // units to clip space: scale x, scale y, offset x, offset y
out vec2 vUV;
out vec4 vColor;
out float vSolid;
void main() {
    gl_Position = vec4(aPos * uXform.xy + uXform.zw, 0.0, 1.0);
    vUV = aUV;
    vColor = aColor;
    vSolid = aSolid.x;
}
)";

const char* kFragmentShader = R"(#version 330 core
in vec2 vUV;
in vec4 vColor;
in float vSolid;
uniform sampler2D uTex;
out vec4 fragColor;
void main() {
    vec4 texel = mix(texture(uTex, vUV), vec4(1.0), vSolid);
    fragColor = texel * vColor;
}
)";

unsigned compile(unsigned type, const char* source) {
    unsigned shader = gl::CreateShader(type);
    gl::ShaderSource(shader, 1, &source, nullptr);
    gl::CompileShader(shader);
    GLint ok = 0;
    gl::GetShaderiv(shader, GL_COMPILE_STATUS, &ok);
    if (!ok) {
        char log[1024] = {0};
        gl::GetShaderInfoLog(shader, sizeof(log) - 1, nullptr, log);
        std::fprintf(stderr, "shader compile failed: %s\n", log);
        gl::DeleteShader(shader);
        return 0;
    }
    return shader;
}

void applyBlend(Blend blend) {
    switch (blend) {
        case Blend::ALPHA:
            gl::Enable(GL_BLEND);
            gl::BlendFunc(GL_ONE, GL_ONE_MINUS_SRC_ALPHA);
            break;
        case Blend::LIGHT:
            gl::Enable(GL_BLEND);
            gl::BlendFunc(GL_ONE, GL_ONE);
            break;
        case Blend::SOLID:
            gl::Disable(GL_BLEND);
            break;
    }
}

void applyClip(const ClipRect& clip) {
    if (clip.on) {
        gl::Enable(GL_SCISSOR_TEST);
        gl::Scissor(clip.x, clip.y, clip.w, clip.h);
    } else {
        gl::Disable(GL_SCISSOR_TEST);
    }
}

}  // namespace

bool SpriteBatch::start() {
    unsigned vs = compile(GL_VERTEX_SHADER, kVertexShader);
    unsigned fs = compile(GL_FRAGMENT_SHADER, kFragmentShader);
    if (!vs || !fs) {
        if (vs) gl::DeleteShader(vs);
        if (fs) gl::DeleteShader(fs);
        return false;
    }
    program_ = gl::CreateProgram();
    gl::AttachShader(program_, vs);
    gl::AttachShader(program_, fs);
    gl::LinkProgram(program_);
    gl::DeleteShader(vs);
    gl::DeleteShader(fs);
    GLint ok = 0;
    gl::GetProgramiv(program_, GL_LINK_STATUS, &ok);
    if (!ok) {
        char log[1024] = {0};
        gl::GetProgramInfoLog(program_, sizeof(log) - 1, nullptr, log);
        std::fprintf(stderr, "shader link failed: %s\n", log);
        gl::DeleteProgram(program_);
        program_ = 0;
        return false;
    }
    gl::UseProgram(program_);
    gl::Uniform1i(gl::GetUniformLocation(program_, "uTex"), 0);
    xformLoc_ = gl::GetUniformLocation(program_, "uXform");

    for (unsigned* sampler : {&linearSampler_, &nearestSampler_}) {
        GLint filter = sampler == &linearSampler_ ? GL_LINEAR : GL_NEAREST;
        gl::GenSamplers(1, sampler);
        gl::SamplerParameteri(*sampler, GL_TEXTURE_MIN_FILTER, filter);
        gl::SamplerParameteri(*sampler, GL_TEXTURE_MAG_FILTER, filter);
        gl::SamplerParameteri(*sampler, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
        gl::SamplerParameteri(*sampler, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    }

    gl::GenVertexArrays(1, &vao_);
    gl::BindVertexArray(vao_);
    gl::GenBuffers(1, &vbo_);
    gl::GenBuffers(1, &ibo_);
    gl::BindBuffer(GL_ARRAY_BUFFER, vbo_);
    gl::BindBuffer(GL_ELEMENT_ARRAY_BUFFER, ibo_);
    const GLsizei stride = sizeof(QuadVertex);
    gl::EnableVertexAttribArray(0);
    gl::VertexAttribPointer(0, 2, GL_FLOAT, GL_FALSE, stride, reinterpret_cast<void*>(offsetof(QuadVertex, x)));
    gl::EnableVertexAttribArray(1);
    gl::VertexAttribPointer(1, 2, GL_FLOAT, GL_FALSE, stride, reinterpret_cast<void*>(offsetof(QuadVertex, u)));
    gl::EnableVertexAttribArray(2);
    gl::VertexAttribPointer(2, 4, GL_UNSIGNED_BYTE, GL_TRUE, stride,
                            reinterpret_cast<void*>(offsetof(QuadVertex, color)));
    gl::EnableVertexAttribArray(3);
    gl::VertexAttribPointer(3, 4, GL_UNSIGNED_BYTE, GL_TRUE, stride,
                            reinterpret_cast<void*>(offsetof(QuadVertex, solid)));
    indexQuads_ = 0;
    vboBytes_ = 0;
    return true;
}

void SpriteBatch::stop() {
    if (program_) gl::DeleteProgram(program_);
    if (vbo_) gl::DeleteBuffers(1, &vbo_);
    if (ibo_) gl::DeleteBuffers(1, &ibo_);
    if (vao_) gl::DeleteVertexArrays(1, &vao_);
    if (linearSampler_) gl::DeleteSamplers(1, &linearSampler_);
    if (nearestSampler_) gl::DeleteSamplers(1, &nearestSampler_);
    program_ = vao_ = vbo_ = ibo_ = 0;
    linearSampler_ = nearestSampler_ = 0;
    vertices_.clear();
    batches_.clear();
    keepAlive_.clear();
}

void SpriteBatch::addQuad(const float xs[4], const float ys[4], const float us[4], const float vs[4],
                          const TextureCell* cell, bool minified, const uint8_t color[4], Blend blend,
                          const ClipRect& clip, const std::shared_ptr<Texture>& keepAlive) {
    unsigned glTexture = cell ? cell->glTexture : 0;
    bool open = !batches_.empty();
    Batch* b = open ? &batches_.back() : nullptr;
    bool fits = open && b->blend == blend && b->clip == clip &&
                (glTexture == 0 || b->tex == 0 || b->tex == glTexture);
    if (!fits) {
        Batch nb;
        nb.tex = glTexture;
        if (cell) {
            nb.mipmapped = cell->mipmapped;
            nb.filtered = cell->filtered;
        }
        nb.blend = blend;
        nb.clip = clip;
        nb.firstQuad = static_cast<int>(vertices_.size() / 4);
        batches_.push_back(nb);
        b = &batches_.back();
    } else if (b->tex == 0 && glTexture != 0) {
        b->tex = glTexture;  // the batch held only shapes so far
        b->mipmapped = cell->mipmapped;
        b->filtered = cell->filtered;
    }
    if (glTexture != 0 && minified) b->minified = true;
    if (keepAlive && (keepAlive_.empty() || keepAlive_.back() != keepAlive)) keepAlive_.push_back(keepAlive);
    uint8_t solid = glTexture == 0 ? 255 : 0;
    for (int i = 0; i < 4; ++i) {
        QuadVertex v;
        v.x = xs[i];
        v.y = ys[i];
        v.u = us[i];
        v.v = vs[i];
        for (int c = 0; c < 4; ++c) v.color[c] = color[c];
        v.solid[0] = solid;
        v.solid[1] = v.solid[2] = v.solid[3] = 0;
        vertices_.push_back(v);
    }
    ++b->quadCount;
}

void SpriteBatch::flush(float unitsW, float unitsH, int viewportW, int viewportH) {
    if (!program_ || batches_.empty()) {
        batches_.clear();
        vertices_.clear();
        keepAlive_.clear();
        return;
    }
    // Mipmaps of atlas pages that gained cells are rebuilt before anything
    // of this flush is sent.
    for (const Batch& b : batches_)
        if (b.tex) prepareTextureForDraw(b.tex);

    gl::UseProgram(program_);
    gl::BindVertexArray(vao_);
    gl::Viewport(0, 0, viewportW, viewportH);
    gl::Uniform4f(xformLoc_, 2.0f / unitsW, -2.0f / unitsH, -1.0f, 1.0f);

    int quadCount = static_cast<int>(vertices_.size() / 4);
    if (quadCount > indexQuads_) {
        int want = indexQuads_ == 0 ? 4096 : indexQuads_;
        while (want < quadCount) want *= 2;
        std::vector<uint32_t> idx(static_cast<size_t>(want) * 6);
        for (int q = 0; q < want; ++q) {
            uint32_t b = static_cast<uint32_t>(q) * 4;
            uint32_t* p = &idx[static_cast<size_t>(q) * 6];
            p[0] = b; p[1] = b + 1; p[2] = b + 2;
            p[3] = b; p[4] = b + 2; p[5] = b + 3;
        }
        gl::BindBuffer(GL_ELEMENT_ARRAY_BUFFER, ibo_);
        gl::BufferData(GL_ELEMENT_ARRAY_BUFFER, static_cast<GLsizeiptr>(idx.size() * sizeof(uint32_t)),
                       idx.data(), GL_STATIC_DRAW);
        indexQuads_ = want;
    }
    size_t bytes = vertices_.size() * sizeof(QuadVertex);
    gl::BindBuffer(GL_ARRAY_BUFFER, vbo_);
    if (bytes > vboBytes_) vboBytes_ = bytes * 2;
    // Fresh storage every flush orphans the old, so the driver need not wait
    // for the last draw.
    gl::BufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(vboBytes_), nullptr, GL_STREAM_DRAW);
    gl::BufferSubData(GL_ARRAY_BUFFER, 0, static_cast<GLsizeiptr>(bytes), vertices_.data());

    gl::ActiveTexture(GL_TEXTURE0);
    for (const Batch& b : batches_) {
        unsigned tex = b.tex ? b.tex : whiteTexture();
        gl::BindTexture(GL_TEXTURE_2D, tex);
        // Drawn at full size or larger, a mipmapped texture samples level 0
        // anyway; the plain sampler says so up front.
        unsigned sampler = 0;
        if (b.tex && b.mipmapped && !b.minified) sampler = b.filtered ? linearSampler_ : nearestSampler_;
        gl::BindSampler(0, sampler);
        applyBlend(b.blend);
        applyClip(b.clip);
        gl::DrawElements(GL_TRIANGLES, b.quadCount * 6, GL_UNSIGNED_INT,
                         reinterpret_cast<void*>(static_cast<uintptr_t>(b.firstQuad) * 6 * sizeof(uint32_t)));
        ++drawCalls_;
        quads_ += b.quadCount;
    }
    gl::Disable(GL_SCISSOR_TEST);
    batches_.clear();
    vertices_.clear();
    keepAlive_.clear();
}

}  // namespace platform::detail
