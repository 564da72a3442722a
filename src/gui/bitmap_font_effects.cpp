// Bitmap fonts: the page effects made once during set-up — splitting packed
// pages by channel, texturing the glyphs and the blurred drop shadow. All of
// them work on the pages' pixels while these are still in memory (before the
// pages are first drawn).
#include <algorithm>
#include <cmath>

#include "gui/bitmap_font.h"

namespace {

constexpr float kPi = 3.14159265358979f;

float sinDegrees(float degrees) { return std::sin(degrees * kPi / 180.0f); }

// A page's pixels, or null when the page has none in memory.
const std::vector<uint8_t>* pixelsOf(const platform::ImageRef& page) {
    if (!page || page->rgba().empty()) return nullptr;
    const size_t expected = static_cast<size_t>(page->pixelWidth()) * static_cast<size_t>(page->pixelHeight()) * 4;
    return page->rgba().size() == expected ? &page->rgba() : nullptr;
}

platform::ImageRef pageFrom(int w, int h, std::vector<uint8_t> rgba, int flags) {
    platform::ImageRef img = platform::Image::fromRGBA(w, h, std::move(rgba), flags);
    platform::setImageHandle(img, 0.0f, 0.0f);
    return img;
}

}  // namespace

void TBMFont::DecodeChannels() {
    // Byte j of a pixel read as a 32-bit value: 0 blue, 1 green, 2 red, 3 alpha.
    static constexpr int kByteOfChannel[4] = {2, 1, 0, 3};
    std::vector<platform::ImageRef> split;
    split.reserve(BMFImage.size() * 4);
    for (const platform::ImageRef& page : BMFImage) {
        const std::vector<uint8_t>* src = pixelsOf(page);
        for (int j = 0; j < 4; ++j) {
            if (!src) {
                split.push_back(nullptr);
                continue;
            }
            std::vector<uint8_t> rgba(src->size(), 255);
            for (size_t p = 0; p < src->size(); p += 4) rgba[p + 3] = (*src)[p + static_cast<size_t>(kByteOfChannel[j])];
            split.push_back(pageFrom(page->pixelWidth(), page->pixelHeight(), std::move(rgba), page->flags()));
        }
    }
    BMFImage = std::move(split);
    Pages *= 4;
}

void TBMFont::ApplyTexture(const platform::ImageRef& texture) {
    const std::vector<uint8_t>* tex = pixelsOf(texture);
    if (!tex) {
        CustomImage = BMFImage;
        EnableCustomTexture(false);
        return;
    }
    const int tw = texture->pixelWidth(), th = texture->pixelHeight();
    CustomImage.assign(BMFImage.size(), nullptr);
    for (size_t p = 0; p < BMFImage.size(); ++p) {
        const platform::ImageRef& page = BMFImage[p];
        const std::vector<uint8_t>* src = pixelsOf(page);
        if (!src) {
            CustomImage[p] = page;
            continue;
        }
        const int pw = page->pixelWidth(), ph = page->pixelHeight();
        std::vector<uint8_t> out(src->size(), 0);
        for (size_t r = 0; r < Id.size(); ++r) {
            if (Page[r] != p) continue;
            const int xoffset = SignedShort(XOffset[r]), yoffset = SignedShort(YOffset[r]);
            const int xadvance = SignedShort(XAdvance[r]);
            for (int row = 0; row < Height[r]; ++row) {
                const int py = Y[r] + row;
                if (py >= ph) break;
                const int ty = std::clamp(th / 2 + yoffset + row - FontSize / 2, 0, th - 1);
                for (int col = 0; col < Width[r]; ++col) {
                    const int px = X[r] + col;
                    if (px >= pw) break;
                    const int tx = std::clamp(tw / 2 + xoffset + col - xadvance / 2, 0, tw - 1);
                    const size_t d = (static_cast<size_t>(py) * static_cast<size_t>(pw) + static_cast<size_t>(px)) * 4;
                    const size_t t = (static_cast<size_t>(ty) * static_cast<size_t>(tw) + static_cast<size_t>(tx)) * 4;
                    for (int k = 0; k < 3; ++k) out[d + k] = static_cast<uint8_t>(ClipByte((*src)[d + k] * (*tex)[t + k] / 192));
                    out[d + 3] = (*src)[d + 3];
                }
            }
        }
        CustomImage[p] = pageFrom(pw, ph, std::move(out), page->flags());
    }
    EnableCustomTexture(true);
}

void TBMFont::CreateShadow(float blur, int level) {
    if (level == 0) {
        ShadowImage = Image;
        return;
    }
    // The page's glyph coverage is laid d x d times, shifted around the
    // glyph and weighted by the kernel, with alpha blending onto black as a
    // back buffer would; the result is kept as black with that darkness as
    // alpha, which the shadow pass draws over the picture.
    // Below 1 (or not a number) there is no blur; the kernel is kept to a
    // size a set-up step can afford.
    constexpr int kMaxKernel = 64;
    const int d = blur >= 1.0f ? static_cast<int>(std::min(blur, static_cast<float>(kMaxKernel))) : 1;
    const float shade = static_cast<float>(ClipByte(level)) / 255.0f;
    ShadowImage.assign(Image.size(), nullptr);
    for (size_t p = 0; p < Image.size(); ++p) {
        const platform::ImageRef& page = Image[p];
        const std::vector<uint8_t>* src = pixelsOf(page);
        if (!src) continue;
        const int w = page->pixelWidth(), h = page->pixelHeight();
        std::vector<float> dark(static_cast<size_t>(w) * static_cast<size_t>(h), 0.0f);
        for (int row = 0; row < d; ++row) {
            for (int col = 0; col < d; ++col) {
                const float weight = std::clamp(
                    (sinDegrees(45.0f + 90.0f * row / d) + sinDegrees(45.0f + 90.0f * col / d)) / (d * d), 0.0f, 1.0f);
                const int ox = col - d / 2, oy = row - d / 2;
                for (int y = 0; y < h; ++y) {
                    const int sy = y - oy;
                    if (sy < 0 || sy >= h) continue;
                    for (int x = 0; x < w; ++x) {
                        const int sx = x - ox;
                        if (sx < 0 || sx >= w) continue;
                        const float a =
                            weight * (*src)[(static_cast<size_t>(sy) * static_cast<size_t>(w) + static_cast<size_t>(sx)) * 4 + 3] / 255.0f;
                        float& v = dark[static_cast<size_t>(y) * static_cast<size_t>(w) + static_cast<size_t>(x)];
                        v = v * (1.0f - a) + shade * a;
                    }
                }
            }
        }
        std::vector<uint8_t> rgba(dark.size() * 4, 0);
        for (size_t i = 0; i < dark.size(); ++i) rgba[i * 4 + 3] = static_cast<uint8_t>(std::lround(dark[i] * 255.0f));
        ShadowImage[p] = pageFrom(w, h, std::move(rgba), page->flags());
    }
    Shadow = 1;
}
