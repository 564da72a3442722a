// PNG and JPEG decoding and PNG encoding in memory, used by the image loader
// and the screenshot writer. Every function survives any input: damaged or
// truncated bytes give false, never a crash.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace platform {

// A decoded picture: 8-bit RGBA rows, top row first, not premultiplied.
struct DecodedPicture {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> rgba;
    bool hasAlpha = false;  // the file carried alpha (an alpha channel or tRNS)
};

// The largest picture the decoders accept, so a damaged header cannot ask for
// gigabytes.
constexpr int kMaxImageSide = 16384;
constexpr long long kMaxImagePixels = 32LL * 1024 * 1024;

bool looksLikePNG(const uint8_t* data, size_t size);
bool looksLikeJPEG(const uint8_t* data, size_t size);

bool decodePNG(const uint8_t* data, size_t size, DecodedPicture& out);
bool decodeJPEG(const uint8_t* data, size_t size, DecodedPicture& out);

// Encodes RGBA rows (top row first) as an 8-bit RGBA PNG file.
bool encodePNG(int width, int height, const std::vector<uint8_t>& rgba, std::string& out);

}  // namespace platform
