// Bitmap-font costs a screen pays every frame: measuring a line (cached and
// uncached), laying out and drawing a two-line text, and reading a
// descriptor of the printable ASCII characters.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>

#include "gui/bitmap_font.h"
#include "platform/render.h"

namespace {

void put8(std::string& s, unsigned v) { s.push_back(static_cast<char>(v & 0xFF)); }
void put16(std::string& s, unsigned v) {
    put8(s, v);
    put8(s, v >> 8);
}
void put32(std::string& s, unsigned v) {
    put16(s, v & 0xFFFF);
    put16(s, v >> 16);
}
void block(std::string& out, unsigned type, const std::string& content) {
    put8(out, type);
    put32(out, static_cast<unsigned>(content.size()));
    out += content;
}

// A version 3 descriptor of characters 32..126 on one page (no page file, so nothing is loaded),
// with a kerning pair for every pair of capitals.
std::string asciiDescriptor() {
    std::string out = "BMF\x03";
    std::string info;
    put16(info, 22);
    for (unsigned v : {0u, 0u}) put8(info, v);
    put16(info, 100);
    for (unsigned v : {1u, 0u, 0u, 0u, 0u, 1u, 1u, 0u}) put8(info, v);
    info += std::string("Bench") + '\0';
    block(out, 1, info);
    std::string common;
    for (unsigned v : {24u, 18u, 256u, 256u, 1u}) put16(common, v);
    for (unsigned v : {0u, 0u, 4u, 4u, 4u}) put8(common, v);
    block(out, 2, common);
    block(out, 3, "");  // no page file: the page stays null and draws nothing
    std::string chars;
    for (unsigned c = 32; c < 127; ++c) {
        put32(chars, c);
        for (unsigned v : {(c % 16) * 16, (c / 16) * 16, 12u, 20u, 1u, 2u, 10u + c % 5}) put16(chars, v);
        put8(chars, 0);
        put8(chars, 15);
    }
    block(out, 4, chars);
    std::string kerning;
    for (unsigned a = 'A'; a <= 'Z'; ++a)
        for (unsigned b = 'A'; b <= 'Z'; ++b) {
            put32(kerning, a);
            put32(kerning, b);
            put16(kerning, static_cast<uint16_t>(-1));
        }
    block(out, 5, kerning);
    return out;
}

TBMFont& benchFont() {
    static TBMFont font;
    static bool loaded = false;
    if (!loaded) {
        font.LoadDescriptor("/nonexistent-fieldstack-bench/", asciiDescriptor());
        loaded = true;
    }
    return font;
}

const std::string kLine = "SCORE 123456  PASS x2.5  GOALS 3:2";

void BM_TextWidthCached(benchmark::State& state) {
    TBMFont& font = benchFont();
    platform::resetDrawState();
    for (auto _ : state) benchmark::DoNotOptimize(font.TextWidth(kLine, -1));
}
BENCHMARK(BM_TextWidthCached);

void BM_TextWidthUncached(benchmark::State& state) {
    TBMFont& font = benchFont();
    platform::resetDrawState();
    const std::string other = kLine + "!";
    bool flip = false;
    for (auto _ : state) {
        benchmark::DoNotOptimize(font.TextWidth(flip ? kLine : other, -1));
        flip = !flip;
    }
}
BENCHMARK(BM_TextWidthUncached);

// Layout of a centred two-line text; without a window the glyph draws
// themselves do nothing, so this is the font's own share of a frame.
void BM_DrawTextLayout(benchmark::State& state) {
    TBMFont& font = benchFont();
    platform::resetDrawState();
    font.Align = 0;
    const std::string text = kLine + "\nNEXT MATCH: GROUP B";
    for (auto _ : state) font.DrawText(text, 512.0f, 300.0f);
}
BENCHMARK(BM_DrawTextLayout);

void BM_ReadDescriptor(benchmark::State& state) {
    const std::string bytes = asciiDescriptor();
    for (auto _ : state) {
        TBMFont font;
        font.LoadDescriptor("/nonexistent-fieldstack-bench/", bytes);
        benchmark::DoNotOptimize(font.CharCount());
    }
}
BENCHMARK(BM_ReadDescriptor);

}  // namespace

BENCHMARK_MAIN();
