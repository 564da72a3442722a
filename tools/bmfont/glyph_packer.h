// Places glyph rectangles on pages of a fixed size: shelves filled left to
// right, tallest glyphs first, with a gap between neighbours so filtered
// drawing never samples a neighbour's pixels. The same input always gives
// the same placement.
#pragma once

#include <vector>

namespace bmfont {

struct PackBox {
    int width = 0;
    int height = 0;
};

struct PackPlace {
    int page = 0;
    int x = 0;
    int y = 0;
};

struct PackResult {
    std::vector<PackPlace> places;  // one per box, in the boxes' order
    int pages = 0;                  // pages used (0 when every box is empty)
};

// Packs the boxes onto pages of pageWidth x pageHeight, leaving `gap` pixels
// between boxes and along the page's top and left edges. Empty boxes (a
// side of 0) take no room and are placed at (0, 0) of page 0. False when a
// box cannot fit on an empty page or more than maxPages pages would be
// needed (maxPages <= 0 means no limit).
bool packBoxes(const std::vector<PackBox>& boxes, int pageWidth, int pageHeight, int gap, int maxPages,
               PackResult& out);

}  // namespace bmfont
