// The vertex stream behind every drawing call: quads collected in drawing
// order and sent as one batch per run of equal texture, blend and clip.
// Untextured quads (rectangles, lines) join whatever batch is open, so
// shapes between sprites do not split batches.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/render.h"
#include "platform/texture_atlas.h"

namespace platform::detail {

struct QuadVertex {
    float x, y;
    float u, v;
    uint8_t color[4];  // premultiplied tint
    uint8_t solid[4];  // [0] = 255 for untextured shapes
};

struct ClipRect {
    bool on = false;
    int x = 0, y = 0, w = 0, h = 0;  // pixels of the picture buffer, GL orientation
    bool operator==(const ClipRect&) const = default;
};

class SpriteBatch {
public:
    bool start();  // compiles the shader and makes the buffers; false on failure
    void stop();
    bool started() const { return program_ != 0; }

    // Adds a quad of four corners (clockwise from top-left) with their
    // texture coordinates. A null cell draws a solid shape. `minified` says
    // the quad shows its texels smaller than the picture's pixels, so the
    // batch must sample mipmaps; batches drawn at full size or larger skip
    // the mipmap lookup, which costs a software renderer much.
    void addQuad(const float xs[4], const float ys[4], const float us[4], const float vs[4],
                 const TextureCell* cell, bool minified, const uint8_t color[4], Blend blend,
                 const ClipRect& clip, const std::shared_ptr<Texture>& keepAlive);

    // Sends everything collected into the bound framebuffer, whose picture is
    // unitsW x unitsH units.
    void flush(float unitsW, float unitsH, int viewportW, int viewportH);

    int drawCalls() const { return drawCalls_; }
    int quads() const { return quads_; }
    void resetStats() { drawCalls_ = 0; quads_ = 0; }

private:
    struct Batch {
        unsigned tex = 0;
        bool mipmapped = false;  // the texture has mipmaps
        bool filtered = false;
        bool minified = false;   // some quad needs them
        Blend blend = Blend::ALPHA;
        ClipRect clip;
        int firstQuad = 0;
        int quadCount = 0;
    };
    unsigned program_ = 0, vao_ = 0, vbo_ = 0, ibo_ = 0;
    unsigned linearSampler_ = 0, nearestSampler_ = 0;  // level 0 only
    int xformLoc_ = -1;
    int indexQuads_ = 0;  // quads the index buffer covers
    size_t vboBytes_ = 0;
    std::vector<QuadVertex> vertices_;
    std::vector<Batch> batches_;
    std::vector<std::shared_ptr<Texture>> keepAlive_;  // textures used until flushed
    int drawCalls_ = 0;
    int quads_ = 0;
};

}  // namespace platform::detail
