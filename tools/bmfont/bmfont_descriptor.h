// The binary bitmap-font descriptor the game's bitmap fonts are read from
// (the AngelCode BMFont binary layout): "BMF", a version byte, then typed
// blocks (1 info, 2 common, 3 page file names, 4 characters, 5 kerning
// pairs), each a type byte and a 32-bit little-endian size.
//
// The writer produces version 3. The reader takes versions 2 and 3 and any
// bytes at all: damaged input gives false with the reason, never a crash. It
// is what the content validator and the tests read descriptors back with.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace bmfont {

// Bits of InfoBlock::bitField.
enum InfoBits : uint8_t {
    INFO_SMOOTH = 1,
    INFO_UNICODE = 2,
    INFO_ITALIC = 4,
    INFO_BOLD = 8,
    INFO_FIXED_HEIGHT = 16,
};

// What a colour channel of the pages holds (CommonBlock channel bytes).
enum ChannelContent : uint8_t {
    CHANNEL_GLYPH = 0,
    CHANNEL_OUTLINE = 1,
    CHANNEL_GLYPH_AND_OUTLINE = 2,
    CHANNEL_ZERO = 3,
    CHANNEL_ONE = 4,
};

struct InfoBlock {
    int16_t fontSize = 0;  // the game reads it unsigned and uses it as the line step, so keep it positive
    uint8_t bitField = 0;
    uint8_t charSet = 0;
    uint16_t stretchH = 100;
    uint8_t aa = 1;
    uint8_t paddingUp = 0, paddingRight = 0, paddingDown = 0, paddingLeft = 0;
    uint8_t spacingHoriz = 0, spacingVert = 0;
    uint8_t outline = 0;
    std::string fontName;
};

struct CommonBlock {
    uint16_t lineHeight = 0;
    uint16_t base = 0;  // baseline below the top of a line
    uint16_t scaleW = 0, scaleH = 0;  // page size
    uint16_t pages = 0;
    uint8_t bitField = 0;  // 1 = packed (glyphs spread over the colour channels); the game's fonts use 0
    uint8_t alphaChannel = CHANNEL_GLYPH;
    uint8_t redChannel = CHANNEL_ONE, greenChannel = CHANNEL_ONE, blueChannel = CHANNEL_ONE;
};

struct CharRecord {
    uint32_t id = 0;  // code point
    uint16_t x = 0, y = 0, width = 0, height = 0;  // rectangle on its page
    int16_t xoffset = 0, yoffset = 0;  // from the pen position and the line top to the rectangle
    int16_t xadvance = 0;
    uint8_t page = 0;
    uint8_t channel = 15;  // 15 = all channels
};

struct KerningRecord {
    uint32_t first = 0, second = 0;
    int16_t amount = 0;  // the game keeps only the low byte, so -128..127 survive
};

struct Descriptor {
    int version = 3;  // as read; the writer always writes 3
    InfoBlock info;
    CommonBlock common;
    std::vector<std::string> pageNames;  // page picture file names, relative to the descriptor's folder
    std::vector<CharRecord> chars;
    std::vector<KerningRecord> kerning;  // no kerning block is written when empty
};

// Record sizes of version 3 (and 2).
inline constexpr size_t kCharRecordSizeV3 = 20;
inline constexpr size_t kCharRecordSizeV2 = 18;
inline constexpr size_t kKerningRecordSizeV3 = 10;
inline constexpr size_t kKerningRecordSizeV2 = 6;

// The version 3 bytes of a descriptor. Page names and the font name must not
// hold NUL characters (they end at the first one).
std::string encodeDescriptor(const Descriptor& d);

// Reads version 2 or 3 bytes. False with error set when the magic or version
// is wrong, a block runs past the end, or a block is too short for its
// fields. Unknown block types are skipped; reading stops at a block type 0.
bool decodeDescriptor(const std::string& bytes, Descriptor& out, std::string& error);

}  // namespace bmfont
