// Images: decoded pictures, whole or cut into an animation strip of equal
// cells, with a handle (the point drawn at the given coordinates).
//
// Images can be loaded before a window exists: the pixels are decoded at once
// and uploaded to the graphics card the first time they are drawn. The alpha
// of every pixel stays on the CPU side, so the card overlap test can compare
// masks pixel by pixel.
//
// A null ImageRef is a valid "no image": it draws nothing and measures 0.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace platform {

// Image flags. The default of the game's loader is filtered and mipmapped.
enum ImageFlags : int {
    IMAGE_NONE = 0,
    IMAGE_FILTERED = 1,   // smooth (linear) sampling when scaled
    IMAGE_MIPMAPPED = 2,  // mipmaps for drawing smaller than the original
    IMAGE_MASKED = 4,     // images without an alpha channel: pure black is transparent
    IMAGE_DEFAULT = IMAGE_FILTERED | IMAGE_MIPMAPPED,
};

class Texture;  // the graphics-card side, owned by the renderer

class Image {
public:
    // Size of one cell in picture units (the whole image when not a strip).
    int width() const { return cellW_; }
    int height() const { return cellH_; }
    int frameCount() const { return frames_; }
    int flags() const { return flags_; }

    float handleX = 0.0f;
    float handleY = 0.0f;
    void setHandle(float x, float y) { handleX = x; handleY = y; }
    void midHandle() { handleX = cellW_ * 0.5f; handleY = cellH_ * 0.5f; }

    // Alpha (0..255) of pixel (x, y) of a cell, in picture units; 0 outside
    // the cell or for a frame that does not exist.
    uint8_t alphaAt(int frame, int x, int y) const;
    // The alpha plane of a cell, row by row (width() * height() bytes), or
    // nullptr for a frame that does not exist.
    const uint8_t* cellAlpha(int frame) const;

    // Builders used by the loaders and by screen capture. Null when the size
    // is not positive or the pixels do not match it.
    static std::shared_ptr<Image> fromRGBA(int w, int h, std::vector<uint8_t> rgba, int flags);
    // A picture of pixW x pixH pixels that measures unitW x unitH picture
    // units (screen capture from a window larger than the picture).
    static std::shared_ptr<Image> fromPixels(int pixW, int pixH, std::vector<uint8_t> rgba,
                                             int unitW, int unitH, int flags);
    // Cuts a whole image into `count` cells of cellW x cellH read left to right,
    // top to bottom, starting at cell `first`. Null when the cells do not fit
    // (or the whole image's pixels were already handed to the graphics card).
    static std::shared_ptr<Image> asStrip(const std::shared_ptr<Image>& whole, int cellW, int cellH,
                                          int first, int count, int flags);

    // Renderer access. The colours are empty once the image is on the
    // graphics card.
    const std::vector<uint8_t>& rgba() const { return rgba_; }
    int pixelWidth() const { return pixW_; }
    int pixelHeight() const { return pixH_; }
    // Top-left pixel of a cell within the whole picture.
    void cellOrigin(int frame, int& px, int& py) const;
    std::shared_ptr<Texture> texture;  // created on first draw
    // Frees the CPU copy of the colours once the graphics card has them (the
    // alpha plane stays).
    void releasePixels() { std::vector<uint8_t>().swap(rgba_); }
    // Pixels per picture unit (1 for loaded images; captured images may hold
    // more pixels than units when the window is larger than the picture).
    float pixelScale = 1.0f;

private:
    int pixW_ = 0, pixH_ = 0;    // the whole decoded picture in pixels
    int cellW_ = 0, cellH_ = 0;  // one cell in picture units
    int frames_ = 1;
    int first_ = 0;
    int columns_ = 1;
    int flags_ = IMAGE_DEFAULT;
    std::vector<uint8_t> rgba_;   // whole picture, kept until uploaded
    std::vector<uint8_t> alpha_;  // whole picture's alpha, kept for mask tests
    mutable std::vector<std::vector<uint8_t>> cellPlanes_;  // strips: per-cell alpha, cut on demand
};

using ImageRef = std::shared_ptr<Image>;

// Loads a PNG (any bit depth, palette, grey, with or without alpha) or a JPEG,
// chosen by the file's content. Null on failure (missing, folder, damaged).
ImageRef loadImage(const std::string& path, int flags = IMAGE_DEFAULT);
// Loads an animation strip of `count` cells of cellW x cellH starting at cell
// `first`. Null on failure or when the cells do not fit the picture.
ImageRef loadAnimImage(const std::string& path, int cellW, int cellH, int first, int count,
                       int flags = IMAGE_DEFAULT);
// Decodes image bytes (the in-memory part of loadImage; also fuzzed).
ImageRef decodeImage(const std::string& bytes, int flags = IMAGE_DEFAULT);

// Null-safe helpers the game code uses.
inline int imageWidth(const ImageRef& img) { return img ? img->width() : 0; }
inline int imageHeight(const ImageRef& img) { return img ? img->height() : 0; }
inline int imageFrames(const ImageRef& img) { return img ? img->frameCount() : 0; }
inline void setImageHandle(const ImageRef& img, float x, float y) {
    if (img) img->setHandle(x, y);
}
inline void midHandleImage(const ImageRef& img) {
    if (img) img->midHandle();
}

// Writes RGBA pixels as a PNG file (atomically). Used for screenshots.
bool savePNG(const std::string& path, int w, int h, const std::vector<uint8_t>& rgba);

}  // namespace platform
