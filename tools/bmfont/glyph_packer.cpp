// Shelf packing of glyph rectangles.
#include "bmfont/glyph_packer.h"

#include <algorithm>
#include <numeric>

namespace bmfont {

bool packBoxes(const std::vector<PackBox>& boxes, int pageWidth, int pageHeight, int gap, int maxPages,
               PackResult& out) {
    out = PackResult{};
    out.places.assign(boxes.size(), PackPlace{});
    if (pageWidth <= 0 || pageHeight <= 0 || gap < 0) return false;

    // Tallest first, then widest, then file order: shelves waste little room
    // and the order never depends on the sort's stability.
    std::vector<size_t> order(boxes.size());
    std::iota(order.begin(), order.end(), size_t{0});
    std::sort(order.begin(), order.end(), [&](size_t a, size_t b) {
        if (boxes[a].height != boxes[b].height) return boxes[a].height > boxes[b].height;
        if (boxes[a].width != boxes[b].width) return boxes[a].width > boxes[b].width;
        return a < b;
    });

    int page = -1;
    int x = 0, y = 0, shelfHeight = 0;
    for (size_t i : order) {
        const PackBox& box = boxes[i];
        if (box.width <= 0 || box.height <= 0) continue;
        if (box.width + 2 * gap > pageWidth || box.height + 2 * gap > pageHeight) return false;
        if (page < 0) {
            page = 0;
            x = gap;
            y = gap;
            shelfHeight = 0;
        }
        if (x + box.width + gap > pageWidth) {  // next shelf
            x = gap;
            y += shelfHeight + gap;
            shelfHeight = 0;
        }
        if (y + box.height + gap > pageHeight) {  // next page
            ++page;
            if (maxPages > 0 && page >= maxPages) return false;
            x = gap;
            y = gap;
            shelfHeight = 0;
        }
        out.places[i] = PackPlace{page, x, y};
        x += box.width + gap;
        shelfHeight = std::max(shelfHeight, box.height);
    }
    out.pages = page + 1;
    return true;
}

}  // namespace bmfont
