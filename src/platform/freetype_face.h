// FreeType as the game's TrueType fonts and the font-baking tools both use
// it: one library for the process, a face read from bytes in memory at a
// pixel size, and a rendered glyph bitmap turned into 8-bit coverage.
#pragma once

#include <ft2build.h>
#include FT_FREETYPE_H

#include <cstdint>
#include <string>
#include <vector>

namespace platform::detail {

// The process's FreeType library, started on first use; null when FreeType
// could not start.
FT_Library freetypeLibrary();

enum class FaceOpen { OK, NO_FREETYPE, NOT_A_FONT, NOT_SCALABLE, BAD_SIZE };

// A face over font bytes it keeps for the face's life.
class FreeTypeFace {
public:
    FreeTypeFace() = default;
    FreeTypeFace(const FreeTypeFace&) = delete;
    FreeTypeFace& operator=(const FreeTypeFace&) = delete;
    ~FreeTypeFace();

    // Opens the bytes as a scalable face set to pixelSize pixels per em.
    FaceOpen open(std::string bytes, int pixelSize);
    FT_Face face() const { return face_; }

private:
    std::string bytes_;  // FreeType reads from it for the face's life
    FT_Face face_ = nullptr;
};

// Coverage of a rendered glyph bitmap, width * rows bytes row by row, 0 =
// none, 255 = full; monochrome bitmaps give 0 or 255 and other pixel modes
// give no coverage at all.
std::vector<uint8_t> bitmapCoverage(const FT_Bitmap& bm);

}  // namespace platform::detail
