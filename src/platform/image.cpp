// Images: building, strip cutting, per-pixel alpha, loading and PNG saving.
#include "platform/image.h"

#include <cmath>

#include "platform/files.h"
#include "platform/image_codec.h"

namespace platform {
namespace {

// Images without alpha loaded with IMAGE_MASKED: pure black turns transparent.
void applyBlackMask(std::vector<uint8_t>& rgba) {
    for (size_t i = 0; i + 3 < rgba.size(); i += 4) {
        if (rgba[i] == 0 && rgba[i + 1] == 0 && rgba[i + 2] == 0) rgba[i + 3] = 0;
    }
}

std::vector<uint8_t> alphaPlane(const std::vector<uint8_t>& rgba) {
    std::vector<uint8_t> alpha(rgba.size() / 4);
    for (size_t i = 0; i < alpha.size(); ++i) alpha[i] = rgba[i * 4 + 3];
    return alpha;
}

}  // namespace

std::shared_ptr<Image> Image::fromPixels(int pixW, int pixH, std::vector<uint8_t> rgba, int unitW,
                                         int unitH, int flags) {
    if (pixW <= 0 || pixH <= 0 || unitW <= 0 || unitH <= 0) return nullptr;
    if (rgba.size() != static_cast<size_t>(pixW) * static_cast<size_t>(pixH) * 4) return nullptr;
    auto img = std::make_shared<Image>();
    img->pixW_ = pixW;
    img->pixH_ = pixH;
    img->cellW_ = unitW;
    img->cellH_ = unitH;
    img->frames_ = 1;
    img->first_ = 0;
    img->columns_ = 1;
    img->flags_ = flags;
    img->pixelScale = static_cast<float>(pixW) / static_cast<float>(unitW);
    img->alpha_ = alphaPlane(rgba);
    img->rgba_ = std::move(rgba);
    return img;
}

std::shared_ptr<Image> Image::fromRGBA(int w, int h, std::vector<uint8_t> rgba, int flags) {
    return fromPixels(w, h, std::move(rgba), w, h, flags);
}

std::shared_ptr<Image> Image::asStrip(const std::shared_ptr<Image>& whole, int cellW, int cellH,
                                      int first, int count, int flags) {
    if (!whole || cellW <= 0 || cellH <= 0 || first < 0 || count <= 0) return nullptr;
    if (whole->pixelScale != 1.0f || whole->frames_ != 1 || whole->rgba_.empty()) return nullptr;
    int columns = whole->pixW_ / cellW;
    int rows = whole->pixH_ / cellH;
    long long cells = static_cast<long long>(columns) * rows;
    if (static_cast<long long>(first) + count > cells) return nullptr;
    auto img = std::make_shared<Image>(*whole);
    img->texture.reset();
    img->cellW_ = cellW;
    img->cellH_ = cellH;
    img->frames_ = count;
    img->first_ = first;
    img->columns_ = columns;
    img->flags_ = flags;
    img->handleX = 0.0f;
    img->handleY = 0.0f;
    return img;
}

void Image::cellOrigin(int frame, int& px, int& py) const {
    int cell = first_ + frame;
    px = (cell % columns_) * cellW_;
    py = (cell / columns_) * cellH_;
    if (pixelScale != 1.0f) {
        px = static_cast<int>(std::lround(px * pixelScale));
        py = static_cast<int>(std::lround(py * pixelScale));
    }
}

uint8_t Image::alphaAt(int frame, int x, int y) const {
    if (frame < 0 || frame >= frames_ || x < 0 || y < 0 || x >= cellW_ || y >= cellH_) return 0;
    int ox = 0, oy = 0;
    cellOrigin(frame, ox, oy);
    int px = ox + static_cast<int>(x * pixelScale);
    int py = oy + static_cast<int>(y * pixelScale);
    if (px >= pixW_ || py >= pixH_) return 0;
    return alpha_[static_cast<size_t>(py) * pixW_ + px];
}

const uint8_t* Image::cellAlpha(int frame) const {
    if (frame < 0 || frame >= frames_) return nullptr;
    // A whole unscaled picture is its own cell plane.
    if (frames_ == 1 && first_ == 0 && cellW_ == pixW_ && cellH_ == pixH_) return alpha_.data();
    // Strips keep one plane per cell, cut on first request.
    if (cellPlanes_.empty()) {
        cellPlanes_.resize(static_cast<size_t>(frames_));
    }
    std::vector<uint8_t>& plane = cellPlanes_[static_cast<size_t>(frame)];
    if (plane.empty()) {
        plane.resize(static_cast<size_t>(cellW_) * cellH_);
        for (int y = 0; y < cellH_; ++y)
            for (int x = 0; x < cellW_; ++x) plane[static_cast<size_t>(y) * cellW_ + x] = alphaAt(frame, x, y);
    }
    return plane.data();
}

ImageRef decodeImage(const std::string& bytes, int flags) {
    const auto* data = reinterpret_cast<const uint8_t*>(bytes.data());
    DecodedPicture pic;
    bool ok = false;
    if (looksLikePNG(data, bytes.size())) {
        ok = decodePNG(data, bytes.size(), pic);
    } else if (looksLikeJPEG(data, bytes.size())) {
        ok = decodeJPEG(data, bytes.size(), pic);
    }
    if (!ok) return nullptr;
    if ((flags & IMAGE_MASKED) && !pic.hasAlpha) applyBlackMask(pic.rgba);
    return Image::fromRGBA(pic.width, pic.height, std::move(pic.rgba), flags);
}

ImageRef loadImage(const std::string& path, int flags) {
    std::string bytes;
    if (!readBinaryFile(path, bytes)) return nullptr;
    return decodeImage(bytes, flags);
}

ImageRef loadAnimImage(const std::string& path, int cellW, int cellH, int first, int count, int flags) {
    ImageRef whole = loadImage(path, flags);
    if (!whole) return nullptr;
    return Image::asStrip(whole, cellW, cellH, first, count, flags);
}

bool savePNG(const std::string& path, int w, int h, const std::vector<uint8_t>& rgba) {
    std::string bytes;
    if (!encodePNG(w, h, rgba, bytes)) return false;
    return writeFileAtomic(path, bytes).ok;
}

}  // namespace platform
