// Baking a TrueType font into a bitmap font: the glyphs of a character range
// rasterised at a pixel size, packed onto power-of-two pages of white glyphs
// on transparent pixels (the alpha is the coverage), and the binary
// descriptor that places them.
//
//     bmfont::BakeOptions o;
//     o.fontPath = "DejaVuSansCondensed-Bold.ttf";
//     o.pixelSize = 22;
//     o.pageStem = "whitesmall_22";         // pages whitesmall_22_0.png, ...
//     bmfont::BakedFont font;
//     std::string error;
//     if (bmfont::bakeFont(o, font, error)) bmfont::writeBakedFont(font, "out/whitesmall_22", error);
//
// The same options always give the same bytes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "bmfont/bmfont_descriptor.h"

namespace bmfont {

struct BakeOptions {
    std::string fontPath;
    int pixelSize = 22;
    int pageWidth = 256;   // powers of two: the game rounds page sizes up to them
    int pageHeight = 256;
    int maxPages = 0;      // 0 = as many as needed
    int gap = 1;           // empty pixels between glyphs on a page
    std::vector<uint32_t> codepoints;  // empty = Latin-1 printable (32..126, 160..255)
    std::string pageStem;  // page file names are pageStem + "_" + n + ".png"
};

struct BakedPage {
    std::string fileName;
    int width = 0;
    int height = 0;
    std::vector<uint8_t> rgba;  // width * height * 4, straight (not premultiplied) alpha
};

struct BakedFont {
    Descriptor descriptor;
    std::vector<BakedPage> pages;
    std::vector<uint32_t> missing;  // code points asked for that the font has no glyph for
};

// The printable Latin-1 code points: 32..126 and 160..255.
std::vector<uint32_t> latin1Printable();

// Parses a character range list such as "32-126,160-255" or "65,66,0x41-0x5A"
// (decimal or 0x hexadecimal, single code points or inclusive ranges, comma
// separated). False on anything else, on a reversed range, or on code points
// above 0x10FFFF.
bool parseCharacterRanges(const std::string& text, std::vector<uint32_t>& out);

// True for 1, 2, 4, 8, ...
bool isPowerOfTwo(int n);

// Rasterises and packs. False with error when the font cannot be read, the
// page size is not a power of two, a glyph does not fit a page, the glyphs
// need more than maxPages pages, or the font has none of the characters.
bool bakeFont(const BakeOptions& options, BakedFont& out, std::string& error);

// Writes outputStem + ".fnt" and the pages into the descriptor's folder, each
// file atomically. False with error on the first file that cannot be written.
bool writeBakedFont(const BakedFont& font, const std::string& outputStem, std::string& error);

}  // namespace bmfont
