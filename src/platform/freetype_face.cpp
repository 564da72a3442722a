// The FreeType library, faces over font bytes and glyph coverage.
#include "platform/freetype_face.h"

#include <cstddef>
#include <utility>

namespace platform::detail {

FT_Library freetypeLibrary() {
    static FT_Library lib = nullptr;
    static bool tried = false;
    if (!tried) {
        tried = true;
        if (FT_Init_FreeType(&lib) != 0) lib = nullptr;
    }
    return lib;
}

FreeTypeFace::~FreeTypeFace() {
    if (face_) FT_Done_Face(face_);
}

FaceOpen FreeTypeFace::open(std::string bytes, int pixelSize) {
    FT_Library lib = freetypeLibrary();
    if (!lib) return FaceOpen::NO_FREETYPE;
    bytes_ = std::move(bytes);
    if (FT_New_Memory_Face(lib, reinterpret_cast<const FT_Byte*>(bytes_.data()), static_cast<FT_Long>(bytes_.size()),
                           0, &face_) != 0) {
        face_ = nullptr;
        return FaceOpen::NOT_A_FONT;
    }
    if (!FT_IS_SCALABLE(face_)) return FaceOpen::NOT_SCALABLE;
    if (FT_Set_Pixel_Sizes(face_, 0, static_cast<FT_UInt>(pixelSize)) != 0) return FaceOpen::BAD_SIZE;
    return FaceOpen::OK;
}

std::vector<uint8_t> bitmapCoverage(const FT_Bitmap& bm) {
    const int w = static_cast<int>(bm.width), h = static_cast<int>(bm.rows);
    if (w <= 0 || h <= 0) return {};
    std::vector<uint8_t> coverage(static_cast<size_t>(w) * h, 0);
    const bool mono = bm.pixel_mode == FT_PIXEL_MODE_MONO;
    if (!mono && bm.pixel_mode != FT_PIXEL_MODE_GRAY) return coverage;
    const int levels = bm.num_grays > 1 ? bm.num_grays - 1 : 255;
    for (int y = 0; y < h; ++y) {
        const unsigned char* row = bm.buffer + static_cast<ptrdiff_t>(y) * bm.pitch;
        uint8_t* out = &coverage[static_cast<size_t>(y) * w];
        for (int x = 0; x < w; ++x) {
            if (mono)
                out[x] = (row[x / 8] & (0x80 >> (x % 8))) ? 255 : 0;
            else
                out[x] = static_cast<uint8_t>(row[x] * 255 / levels);
        }
    }
    return coverage;
}

}  // namespace platform::detail
