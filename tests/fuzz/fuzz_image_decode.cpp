// Feeds arbitrary bytes to the image decoders (PNG and JPEG, chosen by
// content) with each flag combination that changes decoding, then cuts the
// result into a strip and reads its masks, as the card overlap test does.
#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/image.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string bytes(reinterpret_cast<const char*>(data), size);
    for (int flags : {static_cast<int>(platform::IMAGE_DEFAULT), static_cast<int>(platform::IMAGE_MASKED)}) {
        platform::ImageRef img = platform::decodeImage(bytes, flags);
        if (!img) continue;
        if (img->width() <= 0 || img->height() <= 0) __builtin_trap();
        if (img->rgba().size() != static_cast<size_t>(img->pixelWidth()) * img->pixelHeight() * 4) __builtin_trap();
        const uint8_t* plane = img->cellAlpha(0);
        if (!plane) __builtin_trap();
        int cw = img->width() > 1 ? img->width() / 2 : 1;
        int ch = img->height() > 1 ? img->height() / 2 : 1;
        platform::ImageRef strip = platform::Image::asStrip(img, cw, ch, 0, 2, flags);
        if (strip) {
            for (int f = 0; f < strip->frameCount(); ++f) {
                if (!strip->cellAlpha(f)) __builtin_trap();
                (void)strip->alphaAt(f, cw - 1, ch - 1);
            }
        }
    }
    return 0;
}
