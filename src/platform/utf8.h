// Decoding UTF-8 text one code point at a time. Bytes that do not form a
// valid sequence are taken as Latin-1 characters, so any text decodes.
#pragma once

#include <cstdint>
#include <string>

namespace platform::detail {

// Reads the code point at text[i] and moves i past it. False at the end.
inline bool nextCodePoint(const std::string& text, size_t& i, uint32_t& cp) {
    if (i >= text.size()) return false;
    auto byte = [&](size_t k) { return static_cast<uint8_t>(text[k]); };
    uint8_t b0 = byte(i);
    int extra = 0;
    uint32_t value = 0, minimum = 0;
    if (b0 < 0x80) {
        cp = b0;
        ++i;
        return true;
    } else if ((b0 & 0xE0) == 0xC0) {
        extra = 1; value = b0 & 0x1F; minimum = 0x80;
    } else if ((b0 & 0xF0) == 0xE0) {
        extra = 2; value = b0 & 0x0F; minimum = 0x800;
    } else if ((b0 & 0xF8) == 0xF0) {
        extra = 3; value = b0 & 0x07; minimum = 0x10000;
    } else {
        cp = b0;
        ++i;
        return true;
    }
    if (i + extra >= text.size()) {  // cut short
        cp = b0;
        ++i;
        return true;
    }
    for (int k = 1; k <= extra; ++k) {
        uint8_t b = byte(i + k);
        if ((b & 0xC0) != 0x80) {
            cp = b0;
            ++i;
            return true;
        }
        value = (value << 6) | (b & 0x3F);
    }
    if (value < minimum || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
        cp = b0;
        ++i;
        return true;
    }
    cp = value;
    i += static_cast<size_t>(extra) + 1;
    return true;
}

}  // namespace platform::detail
