// Baking TrueType glyphs into bitmap-font pages and their descriptor.
#include "bmfont/bitmap_font.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdlib>

#include "bmfont/glyph_packer.h"
#include "platform/files.h"
#include "platform/glyph_raster.h"
#include "platform/image.h"

namespace bmfont {
namespace {

bool parseCodepoint(const std::string& text, uint32_t& out) {
    if (text.empty()) return false;
    int base = 10;
    std::string digits = text;
    if (digits.size() > 2 && digits[0] == '0' && (digits[1] == 'x' || digits[1] == 'X')) {
        base = 16;
        digits = digits.substr(2);
    }
    for (char c : digits) {
        bool ok = base == 16 ? std::isxdigit(static_cast<unsigned char>(c)) != 0
                             : std::isdigit(static_cast<unsigned char>(c)) != 0;
        if (!ok) return false;
    }
    if (digits.empty() || digits.size() > 8) return false;
    errno = 0;
    unsigned long v = std::strtoul(digits.c_str(), nullptr, base);
    if (errno != 0 || v > 0x10FFFF) return false;
    out = static_cast<uint32_t>(v);
    return true;
}

std::string trimmed(const std::string& s) {
    size_t b = s.find_first_not_of(" \t");
    if (b == std::string::npos) return "";
    size_t e = s.find_last_not_of(" \t");
    return s.substr(b, e - b + 1);
}

int16_t clampToInt16(int v) { return static_cast<int16_t>(std::clamp(v, -32768, 32767)); }

uint8_t styleBits(const std::string& style) {
    uint8_t bits = INFO_SMOOTH | INFO_UNICODE;
    if (style.find("Bold") != std::string::npos) bits |= INFO_BOLD;
    if (style.find("Italic") != std::string::npos || style.find("Oblique") != std::string::npos)
        bits |= INFO_ITALIC;
    return bits;
}

std::string joinPath(const std::string& folder, const std::string& name) {
    if (folder.empty()) return name;
    if (folder.back() == '/') return folder + name;
    return folder + "/" + name;
}

}  // namespace

std::vector<uint32_t> latin1Printable() {
    std::vector<uint32_t> cps;
    for (uint32_t c = 32; c <= 126; ++c) cps.push_back(c);
    for (uint32_t c = 160; c <= 255; ++c) cps.push_back(c);
    return cps;
}

bool parseCharacterRanges(const std::string& text, std::vector<uint32_t>& out) {
    out.clear();
    size_t start = 0;
    while (start <= text.size()) {
        size_t comma = text.find(',', start);
        std::string piece = trimmed(text.substr(start, comma == std::string::npos ? std::string::npos : comma - start));
        if (piece.empty()) return false;
        size_t dash = piece.find('-');
        uint32_t first = 0, last = 0;
        if (dash == std::string::npos) {
            if (!parseCodepoint(piece, first)) return false;
            last = first;
        } else {
            if (!parseCodepoint(trimmed(piece.substr(0, dash)), first)) return false;
            if (!parseCodepoint(trimmed(piece.substr(dash + 1)), last)) return false;
            if (last < first) return false;
        }
        for (uint32_t c = first; c <= last; ++c) out.push_back(c);
        if (comma == std::string::npos) break;
        start = comma + 1;
    }
    return !out.empty();
}

bool isPowerOfTwo(int n) { return n > 0 && (n & (n - 1)) == 0; }

bool bakeFont(const BakeOptions& options, BakedFont& out, std::string& error) {
    out = BakedFont{};
    error.clear();
    if (!isPowerOfTwo(options.pageWidth) || !isPowerOfTwo(options.pageHeight) || options.pageWidth > 4096 ||
        options.pageHeight > 4096) {
        error = "page size " + std::to_string(options.pageWidth) + " x " + std::to_string(options.pageHeight) +
                " is not a power of two up to 4096";
        return false;
    }
    const std::vector<uint32_t> wanted = options.codepoints.empty() ? latin1Printable() : options.codepoints;

    platform::RasterFont raster;
    if (!platform::rasterizeGlyphs(options.fontPath, options.pixelSize, wanted, raster, error)) return false;
    out.missing = raster.missing;
    if (raster.glyphs.empty()) {
        error = options.fontPath + " has none of the characters asked for";
        return false;
    }

    std::vector<PackBox> boxes;
    boxes.reserve(raster.glyphs.size());
    for (const platform::RasterGlyph& g : raster.glyphs) boxes.push_back({g.width, g.height});
    PackResult pack;
    if (!packBoxes(boxes, options.pageWidth, options.pageHeight, std::max(0, options.gap), options.maxPages, pack)) {
        error = "the glyphs do not fit on " +
                (options.maxPages > 0 ? std::to_string(options.maxPages) : std::string("any number of")) +
                " page(s) of " + std::to_string(options.pageWidth) + " x " + std::to_string(options.pageHeight);
        return false;
    }
    const int pageCount = std::max(1, pack.pages);
    if (pageCount > 255) {
        error = "more than 255 pages";
        return false;
    }

    const std::string stem = options.pageStem.empty() ? "font" : options.pageStem;
    for (int p = 0; p < pageCount; ++p) {
        BakedPage page;
        page.fileName = stem + "_" + std::to_string(p) + ".png";
        page.width = options.pageWidth;
        page.height = options.pageHeight;
        // White everywhere, so filtered edges never darken; the alpha carries the glyphs.
        page.rgba.assign(static_cast<size_t>(page.width) * page.height * 4, 255);
        for (size_t i = 3; i < page.rgba.size(); i += 4) page.rgba[i] = 0;
        out.pages.push_back(std::move(page));
    }

    Descriptor& d = out.descriptor;
    d.version = 3;
    d.info.fontSize = clampToInt16(options.pixelSize);
    d.info.bitField = styleBits(raster.styleName);
    d.info.charSet = 0;
    d.info.stretchH = 100;
    d.info.aa = 1;
    // No spacing or padding: the game adds both to every character's advance.
    d.info.fontName = raster.familyName;
    d.common.lineHeight = static_cast<uint16_t>(std::clamp(raster.lineHeight, 0, 65535));
    d.common.base = static_cast<uint16_t>(std::clamp(raster.ascent, 0, 65535));
    d.common.scaleW = static_cast<uint16_t>(options.pageWidth);
    d.common.scaleH = static_cast<uint16_t>(options.pageHeight);
    d.common.pages = static_cast<uint16_t>(pageCount);
    d.common.bitField = 0;
    d.common.alphaChannel = CHANNEL_GLYPH;
    d.common.redChannel = d.common.greenChannel = d.common.blueChannel = CHANNEL_ONE;
    for (const BakedPage& page : out.pages) d.pageNames.push_back(page.fileName);

    for (size_t i = 0; i < raster.glyphs.size(); ++i) {
        const platform::RasterGlyph& g = raster.glyphs[i];
        const PackPlace& place = pack.places[i];
        CharRecord c;
        c.id = g.codepoint;
        c.page = static_cast<uint8_t>(place.page);
        c.channel = 15;
        c.xadvance = clampToInt16(g.advance);
        if (g.width > 0 && g.height > 0) {
            c.x = static_cast<uint16_t>(place.x);
            c.y = static_cast<uint16_t>(place.y);
            c.width = static_cast<uint16_t>(g.width);
            c.height = static_cast<uint16_t>(g.height);
            c.xoffset = clampToInt16(g.bearingX);
            c.yoffset = clampToInt16(raster.ascent - g.bearingY);
            BakedPage& page = out.pages[static_cast<size_t>(place.page)];
            for (int y = 0; y < g.height; ++y)
                for (int x = 0; x < g.width; ++x) {
                    size_t dst = (static_cast<size_t>(place.y + y) * page.width + place.x + x) * 4 + 3;
                    page.rgba[dst] = g.coverage[static_cast<size_t>(y) * g.width + x];
                }
        }
        d.chars.push_back(c);
    }
    for (const platform::KerningPair& k : raster.kerning)
        d.kerning.push_back({k.first, k.second, static_cast<int16_t>(std::clamp(k.amount, -128, 127))});
    return true;
}

bool writeBakedFont(const BakedFont& font, const std::string& outputStem, std::string& error) {
    error.clear();
    const std::string folder = platform::folderPart(outputStem);
    for (const BakedPage& page : font.pages) {
        const std::string path = joinPath(folder, page.fileName);
        if (!platform::savePNG(path, page.width, page.height, page.rgba)) {
            error = "cannot write " + path;
            return false;
        }
    }
    const std::string fnt = outputStem + ".fnt";
    platform::WriteResult r = platform::writeFileAtomic(fnt, encodeDescriptor(font.descriptor));
    if (!r.ok) {
        error = "cannot write " + fnt + ": " + r.error;
        return false;
    }
    return true;
}

}  // namespace bmfont
