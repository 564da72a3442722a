// Bitmap fonts: reading descriptors (generated ones and damaged ones),
// character lookup, measuring, drawing positions, kerning and page effects.
#include "gui/bitmap_font.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "app/content_paths.h"
#include "bmfont/bitmap_font.h"
#include "bmfont/bmfont_descriptor.h"
#include "platform/files.h"
#include "platform/render.h"
#include "support/scratch_folder.h"

namespace {

// Watches the glyphs and callbacks a font draws.
class RecordingFont : public TBMFont {
public:
    struct Glyph {
        platform::ImageRef page;
        float x, y, sx, sy, sw, sh;
    };
    struct Call {
        uint32_t code;
        float x, y;
    };
    std::vector<Glyph> glyphs;
    std::vector<Call> calls;

    void DrawGlyph(const platform::ImageRef& page, float x, float y, float sx, float sy, float sw,
                   float sh) override {
        glyphs.push_back({page, x, y, sx, sy, sw, sh});
    }
    void OnCallBack(uint32_t code, float x, float y) override { calls.push_back({code, x, y}); }
};

bmfont::CharRecord record(uint32_t id, uint16_t x, int16_t xoffset, int16_t xadvance, uint8_t page = 0,
                          uint8_t channel = 15) {
    bmfont::CharRecord c;
    c.id = id;
    c.x = x;
    c.y = 4;
    c.width = 8;
    c.height = 10;
    c.xoffset = xoffset;
    c.yoffset = 2;
    c.xadvance = xadvance;
    c.page = page;
    c.channel = channel;
    return c;
}

// A small font: A (advance 10), V (11), | (3), space (5) and L-stroke (U+0141,
// advance 7); spacing 1 after each character, kerning A,V of -2.
bmfont::Descriptor smallFont() {
    bmfont::Descriptor d;
    d.info.fontSize = 20;
    d.info.spacingHoriz = 1;
    d.info.spacingVert = 2;
    d.info.paddingUp = 2;
    d.info.paddingRight = 4;
    d.common.pages = 1;
    d.pageNames = {"page_0.png"};
    d.chars = {record('A', 0, 1, 10), record('V', 10, -1, 11), record('|', 20, 0, 3), record(' ', 24, 0, 5),
               record(0x141, 0, 0, 7)};
    d.kerning = {{'A', 'V', -2}};
    return d;
}

// The version 2 bytes of a descriptor: 16-bit ids, no channel bytes in the
// common block, and block sizes that count their own four bytes.
std::string encodeVersion2(const bmfont::Descriptor& d) {
    std::string out = "BMF";
    out.push_back(2);
    auto u8 = [](std::string& s, unsigned v) { s.push_back(static_cast<char>(v & 0xFF)); };
    auto u16 = [&](std::string& s, unsigned v) {
        u8(s, v);
        u8(s, v >> 8);
    };
    auto block = [&](unsigned type, const std::string& content) {
        u8(out, type);
        const unsigned size = static_cast<unsigned>(content.size()) + 4;
        u16(out, size & 0xFFFF);
        u16(out, size >> 16);
        out += content;
    };
    std::string info;
    u16(info, static_cast<uint16_t>(d.info.fontSize));
    for (unsigned v : {0u, 0u}) u8(info, v);
    u16(info, 100);
    for (unsigned v : {1u, unsigned(d.info.paddingUp), unsigned(d.info.paddingRight), 0u, 0u,
                       unsigned(d.info.spacingHoriz), unsigned(d.info.spacingVert), 0u})
        u8(info, v);
    info += "Test";
    info.push_back('\0');
    block(1, info);
    std::string common;
    for (unsigned v : {22u, 18u, 32u, 32u, unsigned(d.common.pages)}) u16(common, v);
    u8(common, d.common.bitField);
    block(2, common);
    std::string pages;
    for (const auto& n : d.pageNames) pages += n + std::string(1, '\0');
    block(3, pages);
    std::string chars;
    for (const auto& c : d.chars) {
        for (unsigned v : {unsigned(c.id), unsigned(c.x), unsigned(c.y), unsigned(c.width), unsigned(c.height),
                           unsigned(uint16_t(c.xoffset)), unsigned(uint16_t(c.yoffset)), unsigned(uint16_t(c.xadvance))})
            u16(chars, v);
        u8(chars, c.page);
        u8(chars, c.channel);
    }
    block(4, chars);
    std::string kerning;
    for (const auto& k : d.kerning)
        for (unsigned v : {unsigned(k.first), unsigned(k.second), unsigned(uint16_t(k.amount))}) u16(kerning, v);
    block(5, kerning);
    return out;
}

// A 32 x 32 page whose pixel (x, y) is (x * 8, y * 8, 77, 200) and a folder
// holding it as page_0.png.
class TBMFontTest : public ::testing::Test {
protected:
    void SetUp() override {
        platform::resetDrawState();
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x)
                for (int v : {x * 8, y * 8, 77, 200}) pixels.push_back(static_cast<uint8_t>(v));
        ASSERT_TRUE(platform::savePNG(scratch.file("page_0.png"), 32, 32, pixels));
        folder = scratch.path() + "/";
    }
    void TearDown() override { platform::resetDrawState(); }

    void load(TBMFont& font, const std::string& bytes) {
        font.LoadDescriptor(folder, bytes);
        font.HSpacing = font.VSpacing = 0.0f;
        font.Align = -1;
    }

    ScratchFolder scratch;
    std::string folder;
    std::vector<uint8_t> pixels;
};

TEST_F(TBMFontTest, ReadsFieldsAndLooksCharactersUp) {
    TBMFont font;
    load(font, bmfont::encodeDescriptor(smallFont()));
    EXPECT_EQ(font.BMFVersion, 3);
    EXPECT_EQ(font.FontSize, 20);
    EXPECT_EQ(font.SpacingHoriz, 1);
    EXPECT_EQ(font.SpacingVert, 2);
    EXPECT_EQ(font.Pages, 1);
    ASSERT_EQ(font.BMFImage.size(), 1u);
    EXPECT_EQ(platform::imageWidth(font.BMFImage[0]), 32);
    EXPECT_EQ(font.ImageW[0], 32);
    EXPECT_EQ(font.CharCount(), 5);
    EXPECT_EQ(font.FindChar('A'), 0);
    EXPECT_EQ(font.FindChar('V'), 1);
    EXPECT_EQ(font.FindChar(0x141), 4);  // above 255: by position in IdStr
    EXPECT_EQ(font.FindChar(0x142), -1);
    EXPECT_EQ(font.FindChar('Z'), 0);  // an undefined code below 256 gives the table's initial record
    EXPECT_EQ(font.Kerning, 1);
    EXPECT_EQ(font.KerningAmount(0, 'V'), -2);
    EXPECT_EQ(font.KerningAmount(1, 'A'), 0);
}

struct WidthCase {
    const char* text;
    int line;
    float scale;
    float width;
};

TEST_F(TBMFontTest, MeasuresLinesWithSpacingKerningAndSkippedCharacters) {
    const WidthCase cases[] = {
        {"", -1, 1, 0},
        {"A", -1, 1, 10},
        {"AA", -1, 1, 21},          // spacing only between characters
        {"AV", -1, 1, 20},          // 10 + 1 + 11 - 2
        {"VA", -1, 1, 22},          // no pair V,A
        {"A|V", -1, 1, 20},         // | is skipped; kerning goes on from A
        {"A?A", -1, 1, 32},         // '?' has no record: codes below 256 fall on record 0 (A)
        {"AV\nA", -1, 1, 21},       // widest line; the line feed follows V, so V keeps its spacing
        {"AV\nA", 1, 1, 10},        // line 1 only; the last character takes no spacing
        {"A\nAAA", 0, 1, 11},       // line 0 is not the end of the text, so its spacing stays
        {"AV", -1, 2, 40},
        {"\xC5\x81", -1, 1, 7},     // UTF-8 text: U+0141
    };
    for (const WidthCase& c : cases) {
        TBMFont font;
        load(font, bmfont::encodeDescriptor(smallFont()));
        font.SkipChars = U"|";
        platform::setScale(c.scale, c.scale);
        EXPECT_FLOAT_EQ(font.TextWidth(c.text, c.line), c.width) << c.text << " line " << c.line;
    }
}

TEST_F(TBMFontTest, WidthCacheFollowsTheScale) {
    TBMFont font;
    load(font, bmfont::encodeDescriptor(smallFont()));
    EXPECT_FLOAT_EQ(font.TextWidth("AV", -1), 20);
    platform::setScale(3, 3);
    EXPECT_FLOAT_EQ(font.TextWidth("AV", -1), 60);
    EXPECT_FLOAT_EQ(font.TextWidth("AV", 0), 60);
}

TEST_F(TBMFontTest, HeightCountsLines) {
    TBMFont font;
    load(font, bmfont::encodeDescriptor(smallFont()));
    EXPECT_FLOAT_EQ(font.TextHeight(""), 22);
    EXPECT_FLOAT_EQ(font.TextHeight("A\nB\n"), 66);
    font.VSpacing = 3;
    platform::setScale(1, 2);
    EXPECT_FLOAT_EQ(font.TextHeight("A"), 50);
}

TEST_F(TBMFontTest, CentredOddWidthStartsHalfAUnitFurtherLeft) {
    RecordingFont font;
    load(font, bmfont::encodeDescriptor(smallFont()));
    font.Align = 0;
    font.DrawText("AA", 100, 50);  // width 21, taken as 22
    ASSERT_EQ(font.glyphs.size(), 2u);
    EXPECT_FLOAT_EQ(font.glyphs[0].x, 100 - 11 + 1);
    EXPECT_FLOAT_EQ(font.glyphs[0].y, 52);
    EXPECT_FLOAT_EQ(font.glyphs[1].x, 100 - 11 + 11 + 1);
    EXPECT_EQ(font.glyphs[0].page, font.BMFImage[0]);
    EXPECT_FLOAT_EQ(font.glyphs[0].sx, 0);
    EXPECT_FLOAT_EQ(font.glyphs[0].sw, 8);
}

TEST_F(TBMFontTest, RightAlignedLinesEachEndAtTheAnchor) {
    RecordingFont font;
    load(font, bmfont::encodeDescriptor(smallFont()));
    font.Align = 1;
    font.DrawText("AV\nA", 200, 0);
    ASSERT_EQ(font.glyphs.size(), 3u);
    // Line 0 is 21 wide (V is not the last character of the text, so its
    // spacing counts): A at 179 (+1 offset), V at 179 + 11 - 2 (-1 offset).
    EXPECT_FLOAT_EQ(font.glyphs[0].x, 180);
    EXPECT_FLOAT_EQ(font.glyphs[1].x, 187);
    // Line 1 is 10 wide, one line step (20 + 2) lower.
    EXPECT_FLOAT_EQ(font.glyphs[2].x, 191);
    EXPECT_FLOAT_EQ(font.glyphs[2].y, 24);
}

TEST_F(TBMFontTest, KerningSkippingAndCallbacksWhileDrawing) {
    RecordingFont font;
    load(font, bmfont::encodeDescriptor(smallFont()));
    font.SkipChars = U"|";
    font.CallBackChars = U"|";
    platform::setScale(2, 2);
    font.DrawText("A|V", 10, 10);
    ASSERT_EQ(font.glyphs.size(), 2u);  // no glyph for |
    EXPECT_FLOAT_EQ(font.glyphs[1].x, 10 + 2 * (11 - 2 - 1));  // V moved 2 left by the pair A,V
    ASSERT_EQ(font.calls.size(), 1u);
    EXPECT_EQ(font.calls[0].code, static_cast<uint32_t>('|'));
    EXPECT_FLOAT_EQ(font.calls[0].x, 10 + 2 * 11);
    EXPECT_FLOAT_EQ(font.calls[0].y, 10);

    platform::setScale(1, 1);
    RecordingFont plain;
    load(plain, bmfont::encodeDescriptor(smallFont()));
    plain.DrawText("AV", 0, 0);
    ASSERT_EQ(plain.glyphs.size(), 2u);
    EXPECT_FLOAT_EQ(plain.glyphs[1].x, 11 - 2 - 1);
}

TEST_F(TBMFontTest, ScaleZeroDrawsNothing) {
    RecordingFont font;
    load(font, bmfont::encodeDescriptor(smallFont()));
    font.Align = 1;
    platform::setScale(0, 1);
    font.DrawText("AV", 0, 0);
    EXPECT_TRUE(font.glyphs.empty());
}

TEST_F(TBMFontTest, VersionTwoReadsLikeVersionThree) {
    bmfont::Descriptor d = smallFont();
    d.chars.pop_back();  // version 2 ids are 16 bits: keep to Latin-1 here
    RecordingFont v2, v3;
    load(v2, encodeVersion2(d));
    load(v3, bmfont::encodeDescriptor(d));
    EXPECT_EQ(v2.BMFVersion, 2);
    EXPECT_EQ(v2.FontSize, 20);
    EXPECT_EQ(v2.SpacingHoriz, 1);
    EXPECT_EQ(v2.CharCount(), 4);
    EXPECT_EQ(v2.Kerning, 1);
    EXPECT_EQ(v2.X, v3.X);
    EXPECT_EQ(v2.XAdvance, v3.XAdvance);
    EXPECT_EQ(v2.KerningValue, v3.KerningValue);
    EXPECT_FLOAT_EQ(v2.TextWidth("AV A", -1), v3.TextWidth("AV A", -1));
    v2.DrawText("AV", 0, 0);
    ASSERT_EQ(v2.glyphs.size(), 2u);
    EXPECT_FLOAT_EQ(v2.glyphs[1].x, 8);
}

TEST_F(TBMFontTest, PackedPageSplitsIntoFourChannelImages) {
    bmfont::Descriptor d = smallFont();
    d.common.bitField = 1;
    d.chars = {record('A', 0, 0, 10, 0, 4), record('B', 0, 0, 10, 0, 8), record('C', 0, 0, 10, 0, 3)};
    RecordingFont font;
    load(font, bmfont::encodeDescriptor(d));
    EXPECT_EQ(font.Pages, 4);
    ASSERT_EQ(font.BMFImage.size(), 4u);
    EXPECT_EQ(font.Page, (std::vector<uint8_t>{2, 3, 0}));
    font.DrawText("A", 0, 0);
    ASSERT_EQ(font.glyphs.size(), 1u);
    EXPECT_EQ(font.glyphs[0].page, font.BMFImage[2]);
    // Image 2 holds the red byte as alpha of white; image 3 the alpha; image 0 blue.
    const auto& red = font.BMFImage[2]->rgba();
    EXPECT_EQ(red[(5 * 32 + 3) * 4 + 0], 255);
    EXPECT_EQ(red[(5 * 32 + 3) * 4 + 3], 3 * 8);
    EXPECT_EQ(font.BMFImage[3]->rgba()[3], 200);
    EXPECT_EQ(font.BMFImage[0]->rgba()[3], 77);
}

// Descriptor bytes with a block of any size field.
std::string rawBlock(uint8_t type, uint32_t size, const std::string& content) {
    std::string b(1, static_cast<char>(type));
    for (int i = 0; i < 4; ++i) b.push_back(static_cast<char>((size >> (8 * i)) & 0xFF));
    return b + content;
}

// Pieces of the small font's version 3 bytes, to reassemble damaged.
struct Pieces {
    std::string header, info, common, pages, chars, kerning;
};
Pieces piecesOf(const bmfont::Descriptor& d) {
    const std::string bytes = bmfont::encodeDescriptor(d);
    Pieces p;
    p.header = bytes.substr(0, 4);
    size_t pos = 4;
    std::string* slots[] = {&p.info, &p.common, &p.pages, &p.chars, &p.kerning};
    for (std::string* slot : slots) {
        uint32_t size = 0;
        for (int i = 0; i < 4; ++i) size |= static_cast<uint32_t>(static_cast<uint8_t>(bytes[pos + 1 + i])) << (8 * i);
        *slot = bytes.substr(pos, 5 + size);
        pos += 5 + size;
    }
    return p;
}

struct HostileCase {
    const char* name;
    std::string bytes;
    int pages;
    int chars;
    int kerning;
};

TEST_F(TBMFontTest, DamagedDescriptorsKeepWhatWasReadBeforeTheDamage) {
    const Pieces p = piecesOf(smallFont());
    const std::string front = p.header + p.info + p.common + p.pages;
    bmfont::Descriptor manyPages = smallFont();
    manyPages.common.pages = 1000;
    bmfont::Descriptor farPage = smallFont();
    farPage.chars[1].page = 3;
    const HostileCase cases[] = {
        {"empty", "", 0, 0, 0},
        {"cut magic", "BM", 0, 0, 0},
        {"wrong magic", "BMG" + p.header.substr(3) + p.info + p.common + p.pages + p.chars, 0, 0, 0},
        {"version 4", "BMF\x04" + p.info + p.common + p.pages + p.chars, 0, 0, 0},
        {"whole", front + p.chars + p.kerning, 1, 5, 1},
        {"negative size", front + rawBlock(4, 0xFFFFFFF0u, p.chars.substr(5)) + p.kerning, 1, 0, 0},
        {"runs past the end", front + rawBlock(4, 100000, p.chars.substr(5)), 1, 0, 0},
        {"cut size field", front + p.chars + "\x05\x01\x00", 1, 5, 0},
        {"record cut short", front + rawBlock(4, 30, p.chars.substr(5, 30)), 1, 1, 0},
        {"unknown block skipped", front + rawBlock(9, 3, "xyz") + p.chars, 1, 5, 0},
        {"end block stops", front + std::string(1, '\0') + p.chars, 1, 0, 0},
        {"kerning before characters", front + p.kerning + p.chars, 1, 5, 0},
        {"pages capped", piecesOf(manyPages).header + piecesOf(manyPages).info + piecesOf(manyPages).common +
                             p.pages + p.chars,
         TBMFont::kMaxPages, 5, 0},
        {"record on a missing page dropped", piecesOf(farPage).header + piecesOf(farPage).info +
                                                 piecesOf(farPage).common + p.pages + piecesOf(farPage).chars,
         1, 4, 0},
        {"version 2 size below 4", "BMF\x02" + rawBlock(1, 2, ""), 0, 0, 0},
        {"second common block left out", front + piecesOf(manyPages).common + p.chars, 1, 5, 0},
    };
    for (const HostileCase& c : cases) {
        TBMFont font;
        load(font, c.bytes);
        EXPECT_EQ(font.Pages, c.pages) << c.name;
        EXPECT_EQ(font.CharCount(), c.chars) << c.name;
        EXPECT_EQ(font.Kerning, c.kerning) << c.name;
        EXPECT_EQ(font.KerningChars.size(), font.KerningValue.size()) << c.name;
        for (uint8_t page : font.Page) EXPECT_LT(page, font.Pages) << c.name;
        if (c.chars == 0) {
            EXPECT_EQ(font.FindChar('A'), -1) << c.name;  // the table points at no record
            EXPECT_FLOAT_EQ(font.TextWidth("AV", -1), 0) << c.name;
        }
    }
}

TEST_F(TBMFontTest, PageNamesOnlyNameFilesOfTheFontsFolder) {
    std::filesystem::create_directories(scratch.file("sub"));
    std::filesystem::copy_file(scratch.file("page_0.png"), scratch.file("sub/page_0.png"));
    for (const char* name : {"../page_0.png", "sub/page_0.png", "/tmp/page_0.png", "..", ""}) {
        bmfont::Descriptor d = smallFont();
        d.pageNames = {name};
        TBMFont font;
        load(font, bmfont::encodeDescriptor(d));
        ASSERT_EQ(font.BMFImage.size(), 1u) << name;
        EXPECT_EQ(font.BMFImage[0], nullptr) << name;
    }
}

TEST_F(TBMFontTest, FontThatFailedToLoadMeasuresZeroAndDrawsNothing) {
    RecordingFont font;
    font.Init(folder, "missing.fnt");
    EXPECT_EQ(font.Align, -1);
    EXPECT_FLOAT_EQ(font.TextWidth("Hello", -1), 0);
    font.DrawText("Hello\nthere", 10, 10);
    EXPECT_TRUE(font.glyphs.empty());
}

TEST_F(TBMFontTest, TextureTintsGlyphPixelsOnly) {
    TBMFont font;
    load(font, bmfont::encodeDescriptor(smallFont()));
    std::vector<uint8_t> tex;
    for (int i = 0; i < 4 * 4; ++i)
        for (int v : {96, 192, 255, 255}) tex.push_back(static_cast<uint8_t>(v));
    font.ApplyTexture(platform::Image::fromRGBA(4, 4, tex, platform::IMAGE_NONE));
    ASSERT_EQ(font.CustomImage.size(), 1u);
    EXPECT_EQ(font.Image[0], font.CustomImage[0]);
    const auto& out = font.CustomImage[0]->rgba();
    const size_t inGlyph = (5 * 32 + 3) * 4;  // pixel (3, 5) lies in the glyph of A
    EXPECT_EQ(out[inGlyph + 0], 3 * 8 * 96 / 192);
    EXPECT_EQ(out[inGlyph + 1], 5 * 8);
    EXPECT_EQ(out[inGlyph + 2], 77 * 255 / 192);
    EXPECT_EQ(out[inGlyph + 3], 200);
    EXPECT_EQ(out[(30 * 32 + 30) * 4 + 3], 0);  // outside every glyph: cleared
    font.ApplyTexture(nullptr);
    EXPECT_EQ(font.Image[0], font.BMFImage[0]);
    EXPECT_EQ(font.CustomImage[0], font.BMFImage[0]);
}

TEST_F(TBMFontTest, ShadowPagesAndShadowPass) {
    RecordingFont font;
    load(font, bmfont::encodeDescriptor(smallFont()));
    font.CreateShadow(4, 0);
    EXPECT_EQ(font.Shadow, 0);
    EXPECT_EQ(font.ShadowImage[0], font.Image[0]);

    font.CreateShadow(0.5f, 255);  // below 1: no blur, the coverage as it is
    EXPECT_EQ(font.Shadow, 1);
    ASSERT_NE(font.ShadowImage[0], nullptr);
    EXPECT_EQ(font.ShadowImage[0]->rgba()[3], 200);
    EXPECT_EQ(font.ShadowImage[0]->rgba()[0], 0);

    font.CreateShadow(3, 255);
    font.ShadowX = 2;
    font.ShadowY = 3;
    platform::setColor(10, 20, 30);
    font.DrawText("A", 0, 0);
    ASSERT_EQ(font.glyphs.size(), 2u);
    EXPECT_EQ(font.glyphs[0].page, font.ShadowImage[0]);
    EXPECT_FLOAT_EQ(font.glyphs[0].x, 3);
    EXPECT_FLOAT_EQ(font.glyphs[0].y, 5);
    EXPECT_FLOAT_EQ(font.glyphs[0].sx, 0);  // 0 - 1 / 2 (integer halves)
    EXPECT_FLOAT_EQ(font.glyphs[0].sy, 3);  // 4 - 2 / 2
    EXPECT_FLOAT_EQ(font.glyphs[0].sw, 10);  // 8 + 5 / 2
    EXPECT_FLOAT_EQ(font.glyphs[0].sh, 12);  // 10 + 4 / 2
    EXPECT_EQ(font.glyphs[1].page, font.BMFImage[0]);
    EXPECT_FLOAT_EQ(font.glyphs[1].sw, 8);
    int r = 0, g = 0, b = 0;
    platform::getColor(r, g, b);
    EXPECT_EQ(r, 10);
    EXPECT_EQ(b, 30);
    EXPECT_EQ(font.DrawingShadow, 0);
}

TEST(TBMFontHelpers, NumberHelpers) {
    TBMFont font;
    const int pow2[][2] = {{-5, 1}, {0, 1}, {1, 1}, {2, 2}, {3, 4}, {256, 256}, {257, 512}};
    for (const auto& c : pow2) EXPECT_EQ(font.Pow2Size(c[0]), c[1]) << c[0];
    EXPECT_EQ(font.SignedShort(0xFFFE), -2);
    EXPECT_EQ(font.SignedShort(0x7FFF), 32767);
    EXPECT_EQ(font.SignedByte(0x80), -128);
    EXPECT_EQ(font.ClipByte(-3), 0);
    EXPECT_EQ(font.ClipByte(300), 255);
}

// A font baked by the generator from a Debian TrueType font, over several
// small pages and with characters above 255, reads back record for record.
TEST(TBMFontGenerated, ReadsWhatTheGeneratorWrote) {
    const std::string ttf = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
    if (!std::filesystem::exists(ttf)) GTEST_SKIP() << "no " << ttf;
    ScratchFolder scratch;
    bmfont::BakeOptions o;
    o.fontPath = ttf;
    o.pixelSize = 18;
    o.pageWidth = o.pageHeight = 64;
    o.pageStem = "gen";
    ASSERT_TRUE(bmfont::parseCharacterRanges("32-126,0x141,0x20AC", o.codepoints));
    bmfont::BakedFont baked;
    std::string error;
    ASSERT_TRUE(bmfont::bakeFont(o, baked, error)) << error;
    ASSERT_TRUE(bmfont::writeBakedFont(baked, scratch.file("gen"), error)) << error;
    const bmfont::Descriptor& d = baked.descriptor;
    ASSERT_GT(d.pageNames.size(), 1u);

    platform::resetDrawState();
    std::unique_ptr<TBMFont> font(TBMFont::Create(scratch.path() + "/", "gen.fnt"));
    EXPECT_EQ(font->Pages, static_cast<int>(d.pageNames.size()));
    for (size_t i = 0; i < font->BMFImage.size(); ++i) EXPECT_NE(font->BMFImage[i], nullptr) << i;
    ASSERT_EQ(font->CharCount(), static_cast<int>(d.chars.size()));
    for (const bmfont::CharRecord& c : d.chars) {
        const int r = font->FindChar(c.id);
        ASSERT_GE(r, 0) << c.id;
        EXPECT_EQ(font->X[r], c.x);
        EXPECT_EQ(font->Width[r], c.width);
        EXPECT_EQ(font->SignedShort(font->XAdvance[r]), c.xadvance);
        EXPECT_EQ(font->Page[r], c.page);
    }
    float expected = 0;
    const std::string text = "Euro \xE2\x82\xAC";
    const uint32_t codes[] = {'E', 'u', 'r', 'o', ' ', 0x20AC};
    for (size_t i = 0; i < 6; ++i) {
        const int r = font->FindChar(codes[i]);
        if (i > 0) expected += font->KerningAmount(font->FindChar(codes[i - 1]), codes[i]);
        expected += font->SignedShort(font->XAdvance[r]);
        if (i + 1 < 6) expected += d.info.spacingHoriz;
    }
    EXPECT_FLOAT_EQ(font->TextWidth(text, -1), expected);
    EXPECT_FLOAT_EQ(font->TextHeight(text), static_cast<float>(d.info.fontSize + d.info.spacingVert));
}

// The shipped font, when the game folder has been built.
TEST(TBMFontGenerated, ShippedFontLoads) {
    const std::string path = contentpath::kScoreBitmapFont;
    const std::string folder = std::string(FIELDSTACK_GAME_DIR) + "/" + platform::folderPart(path) + "/";
    const std::string file = path.substr(path.find_last_of('/') + 1);
    if (!std::filesystem::exists(folder + file)) GTEST_SKIP() << "game folder not built";
    platform::resetDrawState();
    std::unique_ptr<TBMFont> font(TBMFont::Create(folder, file));
    EXPECT_EQ(font->FontSize, 22);
    ASSERT_GE(font->Pages, 1);
    EXPECT_NE(font->BMFImage[0], nullptr);
    EXPECT_GE(font->CharCount(), 95);
    EXPECT_GT(font->TextWidth("SCORE 1234", -1), 0);
}

}  // namespace
