// The bitmap-font descriptor writer and reader: the exact version 3 bytes of
// a tiny font, a round trip, version 2 input, and damaged input.
#include "bmfont/bmfont_descriptor.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

using bmfont::Descriptor;

std::string bytes(std::initializer_list<int> values) {
    std::string s;
    for (int v : values) s.push_back(static_cast<char>(v & 0xFF));
    return s;
}

// Two characters (space and "A"), one page, one kerning pair.
Descriptor tinyFont() {
    Descriptor d;
    d.info.fontSize = 22;
    d.info.bitField = bmfont::INFO_SMOOTH | bmfont::INFO_UNICODE | bmfont::INFO_BOLD;
    d.info.charSet = 0;
    d.info.stretchH = 100;
    d.info.aa = 1;
    d.info.fontName = "Ab";
    d.common.lineHeight = 26;
    d.common.base = 21;
    d.common.scaleW = 256;
    d.common.scaleH = 128;
    d.common.pages = 1;
    d.common.bitField = 0;
    d.pageNames = {"f_0.png"};
    bmfont::CharRecord space;
    space.id = 32;
    space.xadvance = 6;
    bmfont::CharRecord a;
    a.id = 65;
    a.x = 0x0102;
    a.y = 3;
    a.width = 15;
    a.height = 16;
    a.xoffset = -1;
    a.yoffset = 5;
    a.xadvance = 14;
    a.page = 0;
    a.channel = 15;
    d.chars = {space, a};
    d.kerning = {{65, 86, -2}};
    return d;
}

TEST(BmfontDescriptor, WritesVersion3BlocksByteForByte) {
    const std::string expected =
        // header
        std::string("BMF") + bytes({3}) +
        // info: type 1, size 14 + "Ab" + NUL = 17
        bytes({1, 17, 0, 0, 0}) +
        bytes({22, 0,  // fontSize
               0x0B,   // bitField: smooth, unicode, bold
               0,      // charSet
               100, 0, // stretchH
               1,      // aa
               0, 0, 0, 0,  // padding up, right, down, left
               0, 0,        // spacing horizontal, vertical
               0}) +        // outline
        std::string("Ab") + bytes({0}) +
        // common: type 2, size 15
        bytes({2, 15, 0, 0, 0}) +
        bytes({26, 0, 21, 0, 0, 1, 128, 0, 1, 0,  // lineHeight, base, scaleW, scaleH, pages
               0,                                 // bitField: not packed
               0, 4, 4, 4}) +                     // alpha holds the glyph, colours are one
        // pages: type 3, size 8
        bytes({3, 8, 0, 0, 0}) + std::string("f_0.png") + bytes({0}) +
        // chars: type 4, two records of 20 bytes
        bytes({4, 40, 0, 0, 0}) +
        bytes({32, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 6, 0, 0, 15}) +
        bytes({65, 0, 0, 0, 0x02, 0x01, 3, 0, 15, 0, 16, 0, 0xFF, 0xFF, 5, 0, 14, 0, 0, 15}) +
        // kerning: type 5, one pair of 10 bytes
        bytes({5, 10, 0, 0, 0}) + bytes({65, 0, 0, 0, 86, 0, 0, 0, 0xFE, 0xFF});
    EXPECT_EQ(bmfont::encodeDescriptor(tinyFont()), expected);
}

TEST(BmfontDescriptor, LeavesOutAnEmptyKerningBlock) {
    Descriptor d = tinyFont();
    d.kerning.clear();
    const std::string out = bmfont::encodeDescriptor(d);
    // header 4 + info 5+17 + common 5+15 + pages 5+8 + chars 5+40
    EXPECT_EQ(out.size(), 4u + 22u + 20u + 13u + 45u);
    EXPECT_EQ(out.find(bytes({5, 10, 0, 0, 0})), std::string::npos);
}

TEST(BmfontDescriptor, ReadsBackWhatItWrote) {
    const Descriptor d = tinyFont();
    Descriptor back;
    std::string error;
    ASSERT_TRUE(bmfont::decodeDescriptor(bmfont::encodeDescriptor(d), back, error)) << error;
    EXPECT_EQ(back.version, 3);
    EXPECT_EQ(back.info.fontSize, 22);
    EXPECT_EQ(back.info.bitField, d.info.bitField);
    EXPECT_EQ(back.info.stretchH, 100);
    EXPECT_EQ(back.info.fontName, "Ab");
    EXPECT_EQ(back.common.lineHeight, 26);
    EXPECT_EQ(back.common.base, 21);
    EXPECT_EQ(back.common.scaleW, 256);
    EXPECT_EQ(back.common.scaleH, 128);
    EXPECT_EQ(back.common.pages, 1);
    EXPECT_EQ(back.common.bitField, 0);
    EXPECT_EQ(back.common.redChannel, bmfont::CHANNEL_ONE);
    ASSERT_EQ(back.pageNames, d.pageNames);
    ASSERT_EQ(back.chars.size(), 2u);
    const bmfont::CharRecord& a = back.chars[1];
    EXPECT_EQ(a.id, 65u);
    EXPECT_EQ(a.x, 0x0102);
    EXPECT_EQ(a.y, 3);
    EXPECT_EQ(a.width, 15);
    EXPECT_EQ(a.height, 16);
    EXPECT_EQ(a.xoffset, -1);
    EXPECT_EQ(a.yoffset, 5);
    EXPECT_EQ(a.xadvance, 14);
    EXPECT_EQ(a.channel, 15);
    ASSERT_EQ(back.kerning.size(), 1u);
    EXPECT_EQ(back.kerning[0].first, 65u);
    EXPECT_EQ(back.kerning[0].second, 86u);
    EXPECT_EQ(back.kerning[0].amount, -2);
}

TEST(BmfontDescriptor, ReadsVersion2WithItsShorterRecordsAndInclusiveSizes) {
    // Version 2 sizes count their own four bytes; records are 18 and 6 bytes.
    const std::string v2 = std::string("BMF") + bytes({2}) +
                           bytes({1, 4 + 16, 0, 0, 0}) +
                           bytes({20, 0, 1, 0, 100, 0, 1, 0, 0, 0, 0, 0, 0, 0}) + std::string("x") + bytes({0}) +
                           bytes({2, 4 + 11, 0, 0, 0}) + bytes({24, 0, 18, 0, 64, 0, 64, 0, 1, 0, 0}) +
                           bytes({3, 4 + 4, 0, 0, 0}) + std::string("p.p") + bytes({0}) +
                           bytes({4, 4 + 18, 0, 0, 0}) +
                           bytes({66, 0, 1, 0, 2, 0, 3, 0, 4, 0, 0, 0, 1, 0, 9, 0, 0, 15}) +
                           bytes({5, 4 + 6, 0, 0, 0}) + bytes({66, 0, 67, 0, 0xFD, 0xFF});
    Descriptor d;
    std::string error;
    ASSERT_TRUE(bmfont::decodeDescriptor(v2, d, error)) << error;
    EXPECT_EQ(d.version, 2);
    EXPECT_EQ(d.info.fontSize, 20);
    EXPECT_EQ(d.info.fontName, "x");
    EXPECT_EQ(d.common.lineHeight, 24);
    EXPECT_EQ(d.common.pages, 1);
    EXPECT_EQ(d.pageNames, std::vector<std::string>{"p.p"});
    ASSERT_EQ(d.chars.size(), 1u);
    EXPECT_EQ(d.chars[0].id, 66u);
    EXPECT_EQ(d.chars[0].height, 4);
    EXPECT_EQ(d.chars[0].yoffset, 1);
    EXPECT_EQ(d.chars[0].xadvance, 9);
    ASSERT_EQ(d.kerning.size(), 1u);
    EXPECT_EQ(d.kerning[0].second, 67u);
    EXPECT_EQ(d.kerning[0].amount, -3);
}

TEST(BmfontDescriptor, SkipsUnknownBlocksAndStopsAtBlockTypeZero) {
    std::string good = bmfont::encodeDescriptor(tinyFont());
    // An unknown block 9 after the header, and garbage after a type-0 byte.
    std::string withExtra = good.substr(0, 4) + bytes({9, 3, 0, 0, 0, 1, 2, 3}) + good.substr(4) + bytes({0}) +
                            "garbage that is never read";
    Descriptor d;
    std::string error;
    ASSERT_TRUE(bmfont::decodeDescriptor(withExtra, d, error)) << error;
    EXPECT_EQ(d.chars.size(), 2u);
}

struct DamagedCase {
    const char* name;
    std::string bytes;
};

class BmfontDamaged : public ::testing::TestWithParam<DamagedCase> {};

TEST_P(BmfontDamaged, IsRefusedWithAReason) {
    Descriptor d;
    std::string error;
    EXPECT_FALSE(bmfont::decodeDescriptor(GetParam().bytes, d, error));
    EXPECT_FALSE(error.empty());
}

std::vector<DamagedCase> damagedCases() {
    const std::string good = bmfont::encodeDescriptor(tinyFont());
    return {
        {"empty", ""},
        {"wrong_magic", "BMX" + good.substr(3)},
        {"text_descriptor", "info face=\"Arial\" size=32\n"},
        {"version_4", good.substr(0, 3) + bytes({4}) + good.substr(4)},
        {"cut_in_block_header", good.substr(0, 6)},
        {"cut_inside_a_block", good.substr(0, good.size() - 3)},
        {"huge_block_size", good.substr(0, 4) + bytes({1, 0xFF, 0xFF, 0xFF, 0xFF})},
        {"info_too_short", std::string("BMF") + bytes({3, 1, 2, 0, 0, 0, 22, 0})},
        {"no_chars_block", good.substr(0, 4 + 22 + 20 + 13)},
        {"v2_block_size_below_4", std::string("BMF") + bytes({2, 1, 3, 0, 0, 0})},
    };
}

INSTANTIATE_TEST_SUITE_P(Cases, BmfontDamaged, ::testing::ValuesIn(damagedCases()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(BmfontDescriptor, SurvivesEveryTruncationAndFlippedBytes) {
    const std::string good = bmfont::encodeDescriptor(tinyFont());
    Descriptor d;
    std::string error;
    for (size_t n = 0; n < good.size(); ++n) {
        // No cut crashes the reader (some, at block boundaries, even read).
        bmfont::decodeDescriptor(good.substr(0, n), d, error);
    }
    std::mt19937 rng(11);
    for (int round = 0; round < 2000; ++round) {
        std::string bytes = good;
        for (int k = 0; k < 4; ++k) bytes[rng() % bytes.size()] = static_cast<char>(rng() & 0xFF);
        if (bmfont::decodeDescriptor(bytes, d, error)) {
            EXPECT_LE(d.chars.size() * bmfont::kCharRecordSizeV2, bytes.size());
        }
    }
}

}  // namespace
