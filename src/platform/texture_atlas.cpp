// Texture upload, atlas packing and mipmap upkeep.
#include "platform/texture_atlas.h"

#include <algorithm>
#include <cstdint>

#include "platform/gl_loader.h"

namespace platform {
namespace detail {
namespace {

constexpr int kPageSize = 2048;
constexpr int kMaxAtlasCell = 512;
// Mipmapped pages keep every cell aligned to, and padded by, 8 pixels, so
// the first three mipmap levels of a cell never mix with its neighbours.
constexpr int kMipPadding = 8;
constexpr int kMipLevels = 3;

unsigned contextGeneration = 0;
bool contextLive = false;
int maxTextureSize = 0;
unsigned white = 0;

struct Shelf {
    int y = 0;
    int height = 0;
    int x = 0;
};

struct AtlasPage {
    unsigned tex = 0;
    int samplingKey = 0;
    std::vector<Shelf> shelves;
    int nextY = 0;
    bool mipsDirty = false;
};

std::vector<AtlasPage> pages;

// Sampling families: filtered and mipmapped are the two bits that matter.
int samplingKey(int flags) { return flags & (IMAGE_FILTERED | IMAGE_MIPMAPPED); }

bool mipmapped(int key) { return (key & IMAGE_MIPMAPPED) != 0; }

void setSampling(int key, bool atlas) {
    bool filtered = (key & IMAGE_FILTERED) != 0;
    GLint mag = filtered ? GL_LINEAR : GL_NEAREST;
    GLint min = mag;
    if (mipmapped(key)) min = filtered ? GL_LINEAR_MIPMAP_LINEAR : GL_NEAREST_MIPMAP_LINEAR;
    gl::TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, mag);
    gl::TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, min);
    gl::TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    gl::TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    if (atlas && mipmapped(key)) gl::TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAX_LEVEL, kMipLevels);
}

inline uint8_t premultiply(uint8_t c, uint8_t a) { return static_cast<uint8_t>((c * a + 127) / 255); }

// Copies a w x h block at (sx, sy) of the picture into a padded block, edge
// pixels repeated into the padding, colours premultiplied.
std::vector<uint8_t> paddedBlock(const Image& img, int sx, int sy, int w, int h, int pad, int blockW,
                                 int blockH) {
    const std::vector<uint8_t>& src = img.rgba();
    int pw = img.pixelWidth();
    std::vector<uint8_t> out(static_cast<size_t>(blockW) * blockH * 4);
    for (int y = 0; y < blockH; ++y) {
        int yy = sy + std::clamp(y - pad, 0, h - 1);
        for (int x = 0; x < blockW; ++x) {
            int xx = sx + std::clamp(x - pad, 0, w - 1);
            const uint8_t* p = &src[(static_cast<size_t>(yy) * pw + xx) * 4];
            uint8_t* q = &out[(static_cast<size_t>(y) * blockW + x) * 4];
            q[0] = premultiply(p[0], p[3]);
            q[1] = premultiply(p[1], p[3]);
            q[2] = premultiply(p[2], p[3]);
            q[3] = p[3];
        }
    }
    return out;
}

AtlasPage* newPage(int key) {
    AtlasPage page;
    page.samplingKey = key;
    gl::GenTextures(1, &page.tex);
    gl::BindTexture(GL_TEXTURE_2D, page.tex);
    std::vector<uint8_t> zero(static_cast<size_t>(kPageSize) * kPageSize * 4, 0);
    gl::PixelStorei(GL_UNPACK_ALIGNMENT, 1);
    gl::TexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, kPageSize, kPageSize, 0, GL_RGBA, GL_UNSIGNED_BYTE,
                   zero.data());
    setSampling(key, true);
    if (mipmapped(key)) page.mipsDirty = true;
    pages.push_back(page);
    return &pages.back();
}

// Finds room for a block on a shelf of a page of the family; a new shelf or
// a new page when none has room.
bool allocate(int key, int w, int h, AtlasPage*& page, int& x, int& y) {
    for (AtlasPage& p : pages) {
        if (p.samplingKey != key) continue;
        for (Shelf& s : p.shelves) {
            // A shelf takes blocks up to its height, not much lower ones, so
            // space is not wasted on tall shelves.
            if (h <= s.height && h * 4 >= s.height * 3 && s.x + w <= kPageSize) {
                page = &p;
                x = s.x;
                y = s.y;
                s.x += w;
                return true;
            }
        }
        if (p.nextY + h <= kPageSize) {
            p.shelves.push_back(Shelf{p.nextY, h, w});
            page = &p;
            x = 0;
            y = p.nextY;
            p.nextY += h;
            return true;
        }
    }
    if (w > kPageSize || h > kPageSize) return false;
    page = newPage(key);
    page->shelves.push_back(Shelf{0, h, w});
    page->nextY = h;
    x = 0;
    y = 0;
    return true;
}

int alignUp(int v, int a) { return (v + a - 1) / a * a; }

bool uploadToAtlas(Image& img, Texture& tex) {
    int key = samplingKey(img.flags());
    int pad = mipmapped(key) ? kMipPadding : 1;
    int align = mipmapped(key) ? kMipPadding : 1;
    int cw = img.width(), ch = img.height();
    int blockW = alignUp(cw + 2 * pad, align);
    int blockH = alignUp(ch + 2 * pad, align);
    tex.cells.resize(static_cast<size_t>(img.frameCount()));
    gl::PixelStorei(GL_UNPACK_ALIGNMENT, 1);
    for (int f = 0; f < img.frameCount(); ++f) {
        AtlasPage* page = nullptr;
        int x = 0, y = 0;
        if (!allocate(key, blockW, blockH, page, x, y)) return false;
        int sx = 0, sy = 0;
        img.cellOrigin(f, sx, sy);
        std::vector<uint8_t> block = paddedBlock(img, sx, sy, cw, ch, pad, blockW, blockH);
        gl::BindTexture(GL_TEXTURE_2D, page->tex);
        gl::TexSubImage2D(GL_TEXTURE_2D, 0, x, y, blockW, blockH, GL_RGBA, GL_UNSIGNED_BYTE, block.data());
        if (mipmapped(key)) page->mipsDirty = true;
        TextureCell& cell = tex.cells[static_cast<size_t>(f)];
        cell.glTexture = page->tex;
        cell.u0 = static_cast<float>(x + pad) / kPageSize;
        cell.v0 = static_cast<float>(y + pad) / kPageSize;
        cell.u1 = static_cast<float>(x + pad + cw) / kPageSize;
        cell.v1 = static_cast<float>(y + pad + ch) / kPageSize;
        cell.mipmapped = mipmapped(key);
        cell.filtered = (key & IMAGE_FILTERED) != 0;
    }
    return true;
}

bool uploadOwn(Image& img, Texture& tex) {
    int w = img.pixelWidth(), h = img.pixelHeight();
    if (w > maxTextureSize || h > maxTextureSize) return false;
    int key = samplingKey(img.flags());
    std::vector<uint8_t> pixels = paddedBlock(img, 0, 0, w, h, 0, w, h);
    gl::GenTextures(1, &tex.ownTexture);
    gl::BindTexture(GL_TEXTURE_2D, tex.ownTexture);
    gl::PixelStorei(GL_UNPACK_ALIGNMENT, 1);
    gl::TexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, w, h, 0, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    setSampling(key, false);
    if (mipmapped(key)) gl::GenerateMipmap(GL_TEXTURE_2D);
    tex.cells.resize(static_cast<size_t>(img.frameCount()));
    // Cells in pixels: a captured picture may hold more pixels than units.
    int cw = static_cast<int>(img.width() * img.pixelScale + 0.5f);
    int ch = static_cast<int>(img.height() * img.pixelScale + 0.5f);
    for (int f = 0; f < img.frameCount(); ++f) {
        int sx = 0, sy = 0;
        img.cellOrigin(f, sx, sy);
        TextureCell& cell = tex.cells[static_cast<size_t>(f)];
        cell.glTexture = tex.ownTexture;
        cell.u0 = static_cast<float>(sx) / w;
        cell.v0 = static_cast<float>(sy) / h;
        cell.u1 = static_cast<float>(std::min(sx + cw, w)) / w;
        cell.v1 = static_cast<float>(std::min(sy + ch, h)) / h;
        cell.mipmapped = mipmapped(key);
        cell.filtered = (key & IMAGE_FILTERED) != 0;
    }
    return true;
}

}  // namespace

bool ensureTexture(Image& img) {
    if (!contextLive) return false;
    if (img.texture && img.texture->generation == contextGeneration) return true;
    if (img.rgba().empty()) return false;  // handed to an earlier context
    auto tex = std::make_shared<Texture>();
    tex->generation = contextGeneration;
    bool small = img.pixelScale == 1.0f && img.width() <= kMaxAtlasCell && img.height() <= kMaxAtlasCell;
    bool ok = small ? uploadToAtlas(img, *tex) : uploadOwn(img, *tex);
    if (!ok) return false;
    img.texture = tex;
    img.releasePixels();
    return true;
}

void prepareTextureForDraw(unsigned glTexture) {
    for (AtlasPage& p : pages) {
        if (p.tex == glTexture) {
            if (p.mipsDirty) {
                gl::BindTexture(GL_TEXTURE_2D, p.tex);
                gl::GenerateMipmap(GL_TEXTURE_2D);
                p.mipsDirty = false;
            }
            return;
        }
    }
}

unsigned whiteTexture() { return white; }

void texturesContextStarted() {
    ++contextGeneration;
    contextLive = true;
    pages.clear();
    GLint maxSize = 0;
    gl::GetIntegerv(GL_MAX_TEXTURE_SIZE, &maxSize);
    maxTextureSize = maxSize > 0 ? maxSize : 2048;
    const uint8_t px[4] = {255, 255, 255, 255};
    gl::GenTextures(1, &white);
    gl::BindTexture(GL_TEXTURE_2D, white);
    gl::TexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, 1, 1, 0, GL_RGBA, GL_UNSIGNED_BYTE, px);
    setSampling(0, false);
}

void texturesContextEnded() {
    if (!contextLive) return;
    for (AtlasPage& p : pages) gl::DeleteTextures(1, &p.tex);
    pages.clear();
    gl::DeleteTextures(1, &white);
    white = 0;
    contextLive = false;
}

}  // namespace detail

Texture::~Texture() {
    if (ownTexture != 0 && detail::contextLive && generation == detail::contextGeneration) {
        gl::DeleteTextures(1, &ownTexture);
    }
}

}  // namespace platform
