// The picture: pen state, drawing calls, the two picture buffers, capture and
// presentation with frame pacing.
//
// The game draws into an off-screen picture buffer the size of the picture at
// the window's scale. Presenting copies it into the window, scaled and
// centred with black borders, and swaps which of the two buffers is drawn
// next, so the picture the player last saw stays readable (the pause picture
// and screenshots use it) while the next frame is being drawn.
#include "platform/render.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <thread>

#include "platform/frame_pacer.h"
#include "platform/gl_loader.h"
#include "platform/render_internal.h"
#include "platform/sprite_batch.h"
#include "platform/testhooks.h"
#include "platform/texture_atlas.h"

namespace platform {
namespace {

struct Pen {
    int r = 255, g = 255, b = 255;
    float alpha = 1.0f;
    Blend blend = Blend::ALPHA;
    float sx = 1.0f, sy = 1.0f;
    float rotation = 0.0f;
    // Cached for the quads.
    float cosR = 1.0f, sinR = 0.0f;
};

struct PictureBuffer {
    unsigned fbo = 0;
    unsigned tex = 0;
    int w = 0, h = 0;
};

struct Clip {
    bool on = false;
    float x = 0, y = 0, w = 0, h = 0;  // units
};

Pen pen;
Clip clipUnits;
int pictureW = 1024, pictureH = 768;

bool active = false;
int drawableW = 0, drawableH = 0;
PictureBuffer buffers[2];
int drawing = 0;  // index of the buffer being drawn; the other was presented last
bool resizePending = false;
void (*swapHook)() = nullptr;

detail::SpriteBatch batch;
FrameStats lastStats;
long long framesPresented = 0;
FramePacer pacer;

using Clock = std::chrono::steady_clock;
const Clock::time_point clockStart = Clock::now();

double nowMs() {
    return std::chrono::duration<double, std::milli>(Clock::now() - clockStart).count();
}

uint8_t toByte(float v) { return static_cast<uint8_t>(std::clamp(v, 0.0f, 255.0f) + 0.5f); }

// The pen's colour with its alpha, premultiplied.
void penColor(uint8_t out[4]) {
    float a = pen.alpha;
    out[0] = toByte(pen.r * a);
    out[1] = toByte(pen.g * a);
    out[2] = toByte(pen.b * a);
    out[3] = toByte(255.0f * a);
}

detail::ClipRect clipPixels(const PictureBuffer& buf) {
    detail::ClipRect c;
    if (!clipUnits.on) return c;
    float s = static_cast<float>(buf.w) / pictureW;
    float t = static_cast<float>(buf.h) / pictureH;
    int x0 = static_cast<int>(std::floor(clipUnits.x * s));
    int x1 = static_cast<int>(std::ceil((clipUnits.x + clipUnits.w) * s));
    int y0 = static_cast<int>(std::floor(clipUnits.y * t));
    int y1 = static_cast<int>(std::ceil((clipUnits.y + clipUnits.h) * t));
    x0 = std::clamp(x0, 0, buf.w);
    x1 = std::clamp(x1, x0, buf.w);
    y0 = std::clamp(y0, 0, buf.h);
    y1 = std::clamp(y1, y0, buf.h);
    c.on = true;
    c.x = x0;
    c.y = buf.h - y1;  // buffers are stored bottom row first
    c.w = x1 - x0;
    c.h = y1 - y0;
    return c;
}

void addQuad(const float xs[4], const float ys[4], const float us[4], const float vs[4],
             const TextureCell* cell, bool minified, const std::shared_ptr<Texture>& keep) {
    uint8_t color[4];
    penColor(color);
    if (color[3] == 0 && pen.blend != Blend::SOLID) return;  // invisible
    batch.addQuad(xs, ys, us, vs, cell, minified, color, pen.blend, clipPixels(buffers[drawing]), keep);
}

// Picture buffer pixels per picture unit.
float bufferScale() {
    return buffers[drawing].w > 0 ? static_cast<float>(buffers[drawing].w) / pictureW : 1.0f;
}

// Corners of a local rectangle around an origin, pen scale (optional) and
// rotation applied, clockwise from the top-left.
void placeCorners(float ox, float oy, float lx, float ly, float lw, float lh, bool scale, float xs[4],
                  float ys[4]) {
    float sx = scale ? pen.sx : 1.0f, sy = scale ? pen.sy : 1.0f;
    const float px[4] = {lx, lx + lw, lx + lw, lx};
    const float py[4] = {ly, ly, ly + lh, ly + lh};
    for (int i = 0; i < 4; ++i) {
        float x = px[i] * sx, y = py[i] * sy;
        xs[i] = ox + x * pen.cosR - y * pen.sinR;
        ys[i] = oy + x * pen.sinR + y * pen.cosR;
    }
}

void deleteBuffer(PictureBuffer& b) {
    if (b.fbo) gl::DeleteFramebuffers(1, &b.fbo);
    if (b.tex) gl::DeleteTextures(1, &b.tex);
    b = PictureBuffer{};
}

bool makeBuffer(PictureBuffer& b, int w, int h) {
    gl::GenTextures(1, &b.tex);
    gl::BindTexture(GL_TEXTURE_2D, b.tex);
    gl::TexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, w, h, 0, GL_RGBA, GL_UNSIGNED_BYTE, nullptr);
    gl::TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    gl::TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    gl::GenFramebuffers(1, &b.fbo);
    gl::BindFramebuffer(GL_FRAMEBUFFER, b.fbo);
    gl::FramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, b.tex, 0);
    bool ok = gl::CheckFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
    b.w = w;
    b.h = h;
    if (ok) {
        gl::Disable(GL_SCISSOR_TEST);
        gl::ClearColor(0, 0, 0, 1);
        gl::Clear(GL_COLOR_BUFFER_BIT);
    }
    return ok;
}

// Brings both picture buffers to the picture's size at the window's scale.
// The last presented picture is carried over, scaled.
bool fitBuffers() {
    PictureFit fit = fitPicture(drawableW, drawableH, pictureW, pictureH);
    int w = std::max(1, static_cast<int>(std::lround(pictureW * fit.scale)));
    int h = std::max(1, static_cast<int>(std::lround(pictureH * fit.scale)));
    resizePending = false;
    if (buffers[0].w == w && buffers[0].h == h && buffers[0].fbo && buffers[1].fbo) return true;
    PictureBuffer fresh[2];
    if (!makeBuffer(fresh[0], w, h) || !makeBuffer(fresh[1], w, h)) {
        deleteBuffer(fresh[0]);
        deleteBuffer(fresh[1]);
        return false;
    }
    PictureBuffer& oldShown = buffers[drawing ^ 1];
    if (oldShown.fbo) {
        gl::BindFramebuffer(GL_READ_FRAMEBUFFER, oldShown.fbo);
        gl::BindFramebuffer(GL_DRAW_FRAMEBUFFER, fresh[drawing ^ 1].fbo);
        gl::BlitFramebuffer(0, 0, oldShown.w, oldShown.h, 0, 0, w, h, GL_COLOR_BUFFER_BIT, GL_LINEAR);
    }
    deleteBuffer(buffers[0]);
    deleteBuffer(buffers[1]);
    buffers[0] = fresh[0];
    buffers[1] = fresh[1];
    gl::BindFramebuffer(GL_FRAMEBUFFER, buffers[drawing].fbo);
    return true;
}

void flushInto(const PictureBuffer& b) {
    gl::BindFramebuffer(GL_FRAMEBUFFER, b.fbo);
    batch.flush(static_cast<float>(pictureW), static_cast<float>(pictureH), b.w, b.h);
}

// Reads a rectangle of a picture buffer (in units) as RGBA rows, top first.
ImageRef captureFrom(const PictureBuffer& b, int x, int y, int w, int h) {
    if (w <= 0 || h <= 0 || !b.fbo) return nullptr;
    float s = static_cast<float>(b.w) / pictureW;
    int px = static_cast<int>(std::floor(x * s));
    int py = static_cast<int>(std::floor(y * s));
    int pw = std::max(1, static_cast<int>(std::lround(w * s)));
    int ph = std::max(1, static_cast<int>(std::lround(h * s)));
    std::vector<uint8_t> rgba(static_cast<size_t>(pw) * ph * 4, 0);
    for (size_t i = 3; i < rgba.size(); i += 4) rgba[i] = 255;
    // The part that lies inside the buffer; the rest stays black.
    int x0 = std::max(px, 0), y0 = std::max(py, 0);
    int x1 = std::min(px + pw, b.w), y1 = std::min(py + ph, b.h);
    if (x1 > x0 && y1 > y0) {
        int rw = x1 - x0, rh = y1 - y0;
        std::vector<uint8_t> rows(static_cast<size_t>(rw) * rh * 4);
        gl::BindFramebuffer(GL_READ_FRAMEBUFFER, b.fbo);
        gl::PixelStorei(GL_PACK_ALIGNMENT, 1);
        gl::ReadPixels(x0, b.h - y1, rw, rh, GL_RGBA, GL_UNSIGNED_BYTE, rows.data());
        for (int r = 0; r < rh; ++r) {
            // GL row r counts from the bottom of the read area.
            const uint8_t* src = &rows[static_cast<size_t>(rh - 1 - r) * rw * 4];
            uint8_t* dst = &rgba[(static_cast<size_t>(y0 - py + r) * pw + (x0 - px)) * 4];
            for (int i = 0; i < rw; ++i) {
                dst[i * 4 + 0] = src[i * 4 + 0];
                dst[i * 4 + 1] = src[i * 4 + 1];
                dst[i * 4 + 2] = src[i * 4 + 2];
                dst[i * 4 + 3] = 255;  // the picture is opaque
            }
        }
        gl::BindFramebuffer(GL_FRAMEBUFFER, buffers[drawing].fbo);
    }
    return Image::fromPixels(pw, ph, std::move(rgba), w, h, IMAGE_FILTERED);
}

void pace() {
    if (testHooks().virtualClock) return;
    double wait = pacer.delayBeforePresent(nowMs());
    if (wait > 0.0) {
        std::this_thread::sleep_until(Clock::now() + std::chrono::duration<double, std::milli>(wait));
    }
}

}  // namespace

// ---------------------------------------------------------------- the pen

void setColor(int r, int g, int b) {
    pen.r = std::clamp(r, 0, 255);
    pen.g = std::clamp(g, 0, 255);
    pen.b = std::clamp(b, 0, 255);
}
void getColor(int& r, int& g, int& b) {
    r = pen.r;
    g = pen.g;
    b = pen.b;
}
void setAlpha(float a) { pen.alpha = std::isnan(a) ? 0.0f : std::clamp(a, 0.0f, 1.0f); }
float getAlpha() { return pen.alpha; }
void setBlend(Blend blend) { pen.blend = blend; }
Blend getBlend() { return pen.blend; }
void setScale(float sx, float sy) {
    pen.sx = std::isfinite(sx) ? sx : 1.0f;
    pen.sy = std::isfinite(sy) ? sy : 1.0f;
}
void getScale(float& sx, float& sy) {
    sx = pen.sx;
    sy = pen.sy;
}
void setRotation(float degrees) {
    pen.rotation = std::isfinite(degrees) ? degrees : 0.0f;
    double rad = static_cast<double>(pen.rotation) * 3.14159265358979323846 / 180.0;
    pen.cosR = static_cast<float>(std::cos(rad));
    pen.sinR = static_cast<float>(std::sin(rad));
}
float getRotation() { return pen.rotation; }
void resetDrawState() {
    setColor(255, 255, 255);
    setAlpha(1.0f);
    setBlend(Blend::ALPHA);
    setScale(1.0f, 1.0f);
    setRotation(0.0f);
}

void setClip(float x, float y, float w, float h) {
    clipUnits.on = true;
    clipUnits.x = x;
    clipUnits.y = y;
    clipUnits.w = std::max(0.0f, w);
    clipUnits.h = std::max(0.0f, h);
}
void clearClip() { clipUnits.on = false; }

// ---------------------------------------------------------------- drawing

void cls() {
    if (!active) return;
    flushInto(buffers[drawing]);
    if (resizePending) fitBuffers();
    gl::BindFramebuffer(GL_FRAMEBUFFER, buffers[drawing].fbo);
    gl::Disable(GL_SCISSOR_TEST);
    gl::ClearColor(0, 0, 0, 1);
    gl::Clear(GL_COLOR_BUFFER_BIT);
}

namespace detail {

void drawCellLocal(const ImageRef& img, int frame, float originX, float originY, float lx, float ly,
                   float lw, float lh, float su0, float sv0, float su1, float sv1, bool applyScale) {
    if (!active || !img || frame < 0 || frame >= img->frameCount()) return;
    if (!ensureTexture(*img)) return;
    const TextureCell& cell = img->texture->cells[static_cast<size_t>(frame)];
    float xs[4], ys[4];
    placeCorners(originX, originY, lx, ly, lw, lh, applyScale, xs, ys);
    float u0 = cell.u0 + (cell.u1 - cell.u0) * su0, u1 = cell.u0 + (cell.u1 - cell.u0) * su1;
    float v0 = cell.v0 + (cell.v1 - cell.v0) * sv0, v1 = cell.v0 + (cell.v1 - cell.v0) * sv1;
    const float us[4] = {u0, u1, u1, u0};
    const float vs[4] = {v0, v0, v1, v1};
    // Texels per buffer pixel along each side; above 1 the quad is minified.
    float onScreenW = std::fabs(lw * (applyScale ? pen.sx : 1.0f)) * bufferScale();
    float onScreenH = std::fabs(lh * (applyScale ? pen.sy : 1.0f)) * bufferScale();
    float texelsW = img->width() * (su1 - su0) * img->pixelScale;
    float texelsH = img->height() * (sv1 - sv0) * img->pixelScale;
    bool minified = texelsW > onScreenW * 1.001f || texelsH > onScreenH * 1.001f;
    addQuad(xs, ys, us, vs, &cell, minified, img->texture);
}

}  // namespace detail

void drawImage(const ImageRef& img, float x, float y, int frame) {
    if (!img) return;
    detail::drawCellLocal(img, frame, x, y, -img->handleX, -img->handleY, static_cast<float>(img->width()),
                          static_cast<float>(img->height()));
}

void drawImageRect(const ImageRef& img, float x, float y, float w, float h, int frame) {
    if (!img || img->width() <= 0 || img->height() <= 0) return;
    float kx = w / img->width(), ky = h / img->height();
    detail::drawCellLocal(img, frame, x, y, -img->handleX * kx, -img->handleY * ky, w, h, 0, 0, 1, 1, false);
}

void drawSubImage(const ImageRef& img, float x, float y, float sx, float sy, float sw, float sh, int frame) {
    if (!img || img->width() <= 0 || img->height() <= 0) return;
    float cw = static_cast<float>(img->width()), ch = static_cast<float>(img->height());
    // Keep to the cell: a part outside it would show the atlas neighbours.
    float x0 = std::clamp(sx, 0.0f, cw), y0 = std::clamp(sy, 0.0f, ch);
    float x1 = std::clamp(sx + sw, 0.0f, cw), y1 = std::clamp(sy + sh, 0.0f, ch);
    if (x1 <= x0 || y1 <= y0) return;
    detail::drawCellLocal(img, frame, x, y, x0 - sx, y0 - sy, x1 - x0, y1 - y0, x0 / cw, y0 / ch, x1 / cw,
                          y1 / ch);
}

void drawRect(float x, float y, float w, float h) {
    if (!active) return;
    float xs[4], ys[4];
    placeCorners(x, y, 0, 0, w, h, true, xs, ys);
    const float zero[4] = {0, 0, 0, 0};
    addQuad(xs, ys, zero, zero, nullptr, false, nullptr);
}

void drawLine(float x1, float y1, float x2, float y2) {
    if (!active) return;
    float dx = x2 - x1, dy = y2 - y1;
    float len = std::sqrt(dx * dx + dy * dy);
    float half = 0.5f * (std::fabs(pen.sx) + std::fabs(pen.sy)) * 0.5f;
    float nx, ny, ex, ey;
    if (len < 1e-6f) {
        nx = 0; ny = half; ex = half; ey = 0;  // a point: a small square
    } else {
        nx = -dy / len * half;
        ny = dx / len * half;
        ex = 0; ey = 0;
    }
    const float xs[4] = {x1 - ex + nx, x2 + ex + nx, x2 + ex - nx, x1 - ex - nx};
    const float ys[4] = {y1 - ey + ny, y2 + ey + ny, y2 + ey - ny, y1 - ey - ny};
    const float zero[4] = {0, 0, 0, 0};
    addQuad(xs, ys, zero, zero, nullptr, false, nullptr);
}

// ---------------------------------------------------------------- the picture

float virtualWidth() { return static_cast<float>(pictureW); }
float virtualHeight() { return static_cast<float>(pictureH); }

void setVirtualScreen(int width, int height) {
    if (width <= 0 || height <= 0) return;
    if (active) flushInto(buffers[drawing]);
    pictureW = width;
    pictureH = height;
    if (active) fitBuffers();
}

PictureFit fitPicture(int winW, int winH, int pictureW, int pictureH) {
    PictureFit fit;
    if (winW <= 0 || winH <= 0 || pictureW <= 0 || pictureH <= 0) return fit;
    float sx = static_cast<float>(winW) / pictureW;
    float sy = static_cast<float>(winH) / pictureH;
    fit.scale = std::min(sx, sy);
    fit.offsetX = std::floor((winW - pictureW * fit.scale) * 0.5f);
    fit.offsetY = std::floor((winH - pictureH * fit.scale) * 0.5f);
    if (fit.offsetX < 0) fit.offsetX = 0;
    if (fit.offsetY < 0) fit.offsetY = 0;
    return fit;
}

ImageRef captureImage(int x, int y, int w, int h) {
    if (!active) return nullptr;
    flushInto(buffers[drawing]);
    return captureFrom(buffers[drawing], x, y, w, h);
}

ImageRef capturePresentedImage(int x, int y, int w, int h) {
    if (!active) return nullptr;
    flushInto(buffers[drawing]);
    return captureFrom(buffers[drawing ^ 1], x, y, w, h);
}

bool readPresentedPixels(int& w, int& h, std::vector<uint8_t>& rgba) {
    w = h = 0;
    rgba.clear();
    if (!active) return false;
    ImageRef shot = captureFrom(buffers[drawing ^ 1], 0, 0, pictureW, pictureH);
    if (!shot) return false;
    w = shot->pixelWidth();
    h = shot->pixelHeight();
    rgba = shot->rgba();
    return true;
}

void flip() {
    if (active) {
        PictureBuffer& pic = buffers[drawing];
        flushInto(pic);
        PictureFit fit = fitPicture(drawableW, drawableH, pictureW, pictureH);
        int dw = static_cast<int>(std::lround(pictureW * fit.scale));
        int dh = static_cast<int>(std::lround(pictureH * fit.scale));
        int x0 = static_cast<int>(fit.offsetX);
        int y0 = drawableH - static_cast<int>(fit.offsetY) - dh;
        gl::BindFramebuffer(GL_DRAW_FRAMEBUFFER, 0);
        gl::BindFramebuffer(GL_READ_FRAMEBUFFER, pic.fbo);
        gl::Viewport(0, 0, drawableW, drawableH);
        gl::Disable(GL_SCISSOR_TEST);
        gl::ClearColor(0, 0, 0, 1);
        gl::Clear(GL_COLOR_BUFFER_BIT);
        bool same = dw == pic.w && dh == pic.h;
        gl::BlitFramebuffer(0, 0, pic.w, pic.h, x0, y0, x0 + dw, y0 + dh, GL_COLOR_BUFFER_BIT,
                            same ? GL_NEAREST : GL_LINEAR);
        pace();
        if (swapHook) swapHook();
        lastStats.drawCalls = batch.drawCalls();
        lastStats.sprites = batch.quads();
        batch.resetStats();
        drawing ^= 1;
        gl::BindFramebuffer(GL_FRAMEBUFFER, buffers[drawing].fbo);
    } else {
        pace();
        lastStats = FrameStats{};
    }
    ++framesPresented;
    runScriptForFrame(framesPresented);
}

FrameStats lastFrameStats() { return lastStats; }
long long presentedFrames() { return framesPresented; }

void waitForGpu() {
    if (active) gl::Finish();
}

// ---------------------------------------------------------------- life cycle

namespace detail {

bool rendererStart(int w, int h) {
    const char* missing = nullptr;
    if (!gl::load(missing)) {
        std::fprintf(stderr, "OpenGL function missing: %s\n", missing ? missing : "?");
        return false;
    }
    if (!batch.start()) return false;
    texturesContextStarted();
    drawableW = w;
    drawableH = h;
    drawing = 0;
    active = true;
    if (!fitBuffers()) {
        rendererStop();
        return false;
    }
    pacer.reset();
    return true;
}

void rendererStop() {
    if (!active && !batch.started()) return;
    deleteBuffer(buffers[0]);
    deleteBuffer(buffers[1]);
    batch.stop();
    texturesContextEnded();
    active = false;
}

bool rendererActive() { return active; }

void rendererWindowResized(int w, int h) {
    if (w == drawableW && h == drawableH) return;
    drawableW = w;
    drawableH = h;
    resizePending = true;
}

void setSwapHook(void (*swap)()) { swapHook = swap; }

}  // namespace detail
}  // namespace platform
