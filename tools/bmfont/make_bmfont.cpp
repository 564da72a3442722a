// make_bmfont: bakes a TrueType font into the game's bitmap-font format.
//
//     make_bmfont --font FILE.ttf --size PIXELS --out STEM
//                 [--page-size N | WxH] [--max-pages N] [--chars RANGES] [--gap N]
//
// Writes STEM.fnt (binary descriptor, version 3) and its pages
// STEM_0.png, STEM_1.png ... beside it: white glyphs on transparent pixels.
// RANGES is a comma-separated list of code points and inclusive ranges,
// decimal or 0x hexadecimal (default 32-126,160-255: printable Latin-1).
// Exit status 0 on success, 1 on any failure (reported on standard error),
// 2 on a wrong command line.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "bmfont/bitmap_font.h"

namespace {

const char* const kUsage =
    "usage: make_bmfont --font FILE.ttf --size PIXELS --out STEM\n"
    "                   [--page-size N | WxH] [--max-pages N] [--chars RANGES] [--gap N]\n"
    "  writes STEM.fnt and its page pictures STEM_0.png, ... (powers of two, default 256x256)\n"
    "  RANGES: code points and ranges, e.g. 32-126,160-255 (the default)\n";

bool parseInt(const std::string& text, int low, int high, int& out) {
    if (text.empty() || text.size() > 9) return false;
    for (char c : text)
        if (c < '0' || c > '9') return false;
    int v = std::atoi(text.c_str());
    if (v < low || v > high) return false;
    out = v;
    return true;
}

bool parsePageSize(const std::string& text, int& w, int& h) {
    size_t x = text.find_first_of("xX");
    if (x == std::string::npos) {
        if (!parseInt(text, 1, 4096, w)) return false;
        h = w;
        return true;
    }
    return parseInt(text.substr(0, x), 1, 4096, w) && parseInt(text.substr(x + 1), 1, 4096, h);
}

std::string baseName(const std::string& path) {
    size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

int usageError(const std::string& message) {
    std::fprintf(stderr, "make_bmfont: %s\n%s", message.c_str(), kUsage);
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    bmfont::BakeOptions options;
    std::string out;
    bool haveSize = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            std::fputs(kUsage, stdout);
            return 0;
        }
        if (i + 1 >= argc) return usageError("missing value after " + arg);
        const std::string value = argv[++i];
        if (arg == "--font") {
            options.fontPath = value;
        } else if (arg == "--size") {
            if (!parseInt(value, 1, 1024, options.pixelSize)) return usageError("--size wants 1..1024 pixels");
            haveSize = true;
        } else if (arg == "--out") {
            out = value;
        } else if (arg == "--page-size") {
            if (!parsePageSize(value, options.pageWidth, options.pageHeight))
                return usageError("--page-size wants N or WxH");
        } else if (arg == "--max-pages") {
            if (!parseInt(value, 1, 255, options.maxPages)) return usageError("--max-pages wants 1..255");
        } else if (arg == "--gap") {
            if (!parseInt(value, 0, 16, options.gap)) return usageError("--gap wants 0..16");
        } else if (arg == "--chars") {
            if (!bmfont::parseCharacterRanges(value, options.codepoints))
                return usageError("--chars wants code points and ranges such as 32-126,160-255");
        } else {
            return usageError("unknown argument " + arg);
        }
    }
    if (options.fontPath.empty() || out.empty() || !haveSize) return usageError("--font, --size and --out are needed");
    options.pageStem = baseName(out);

    bmfont::BakedFont font;
    std::string error;
    if (!bmfont::bakeFont(options, font, error) || !bmfont::writeBakedFont(font, out, error)) {
        std::fprintf(stderr, "make_bmfont: %s\n", error.c_str());
        return 1;
    }
    if (!font.missing.empty()) {
        std::string list;
        for (uint32_t cp : font.missing) list += (list.empty() ? "" : " ") + std::to_string(cp);
        std::fprintf(stderr, "make_bmfont: note: the font has no glyph for %zu code point(s): %s\n",
                     font.missing.size(), list.c_str());
    }
    std::printf("make_bmfont: %s.fnt: %zu characters, %zu kerning pairs, %zu page(s) of %d x %d\n", out.c_str(),
                font.descriptor.chars.size(), font.descriptor.kerning.size(), font.pages.size(), options.pageWidth,
                options.pageHeight);
    return 0;
}
