// The content validator on small hostile game folders: missing files,
// wrong sizes, undecodable pictures and sounds, unbalanced data files, texts
// too short, misquoted values, and the files GUI, theme, catalogue and
// bitmap-font files name.
#include "validate_content/content_validator.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "bmfont/bitmap_font.h"
#include "platform/image_codec.h"
#include "support/scratch_folder.h"

namespace {

constexpr ContentReadiness kBuilt = ContentReadiness::Built;
constexpr ContentReadiness kShipped = ContentReadiness::ShippedNow;
constexpr ContentReadiness kPending = ContentReadiness::Pending;

std::string pngBytes(int w, int h) {
    std::vector<uint8_t> rgba(static_cast<size_t>(w) * h * 4, 200);
    std::string out;
    platform::encodePNG(w, h, rgba, out);
    return out;
}

std::string fileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

const char* const kFontFile = "/usr/share/fonts/truetype/dejavu/DejaVuSansCondensed-Bold.ttf";

// One game folder and the findings about it.
class GameFolder {
public:
    void png(const std::string& rel, int w, int h) { dir_.write(rel, pngBytes(w, h)); }
    void file(const std::string& rel, const std::string& bytes) { dir_.write(rel, bytes); }
    std::string full(const std::string& rel) const { return dir_.file(rel); }

    const ContentReport& check(std::initializer_list<ContentEntry> entries) {
        entries_.assign(entries.begin(), entries.end());
        validator_ = std::make_unique<ContentValidator>(dir_.path());
        validator_->run(entries_);
        return validator_->report();
    }
    ContentValidator& validator() {
        if (!validator_) validator_ = std::make_unique<ContentValidator>(dir_.path());
        return *validator_;
    }

private:
    ScratchFolder dir_;
    std::vector<ContentEntry> entries_;
    std::unique_ptr<ContentValidator> validator_;
};

ContentEntry entry(const char* path, ContentShape shape, ContentReadiness r = kBuilt) {
    return ContentEntry{"kTest", path, shape, r, "test", "a test file"};
}

// The details of the findings of one kind about one path.
std::vector<std::string> details(const ContentReport& report, FindingKind kind, const std::string& path) {
    std::vector<std::string> out;
    for (const Finding& f : report.findings())
        if (f.kind == kind && f.path == path) out.push_back(f.detail);
    return out;
}

bool anyDetailHas(const ContentReport& report, FindingKind kind, const std::string& path, const std::string& part) {
    for (const std::string& d : details(report, kind, path))
        if (d.find(part) != std::string::npos) return true;
    return false;
}

std::string everything(const ContentReport& report) { return report.text(); }

TEST(ContentValidator, MissingContentFailsOnlyWhenItsReaderExistsOrItIsShipped) {
    GameFolder g;
    g.png("gfx/here.png", 4, 4);
    const ContentReport& r = g.check({entry("gfx/here.png", image()), entry("gfx/built.png", image(), kBuilt),
                                      entry("gfx/shipped.png", image(), kShipped),
                                      entry("gfx/later.png", image(), kPending)});
    EXPECT_EQ(r.filesChecked(), 4);
    EXPECT_EQ(r.missingCount(true), 2);
    EXPECT_EQ(r.missingCount(false), 1);
    EXPECT_EQ(r.problemCount(), 2);
    EXPECT_TRUE(r.failed());
    EXPECT_TRUE(r.has(FindingKind::Missing, "gfx/built.png"));
    EXPECT_FALSE(r.has(FindingKind::Missing, "gfx/here.png"));

    GameFolder onlyPending;
    EXPECT_FALSE(onlyPending.check({entry("gfx/later.png", image(), kPending)}).failed());
}

TEST(ContentValidator, PicturesMustDecodeAndHaveTheShapeTheCodeReliesOn) {
    GameFolder g;
    g.png("gfx/full-ok.png", 1024, 768);
    g.png("gfx/full-short.png", 1024, 700);
    g.file("gfx/garbage.png", "this is not a picture");
    const std::string good = pngBytes(8, 8);
    g.file("gfx/cut.png", good.substr(0, good.size() / 2));
    g.png("gfx/kick-ok.png", 620, 93);
    g.png("gfx/kick-short.png", 600, 93);
    g.png("gfx/dot.png", 2, 1);
    const ContentReport& r =
        g.check({entry("gfx/full-ok.png", fullScreen()), entry("gfx/full-short.png", fullScreen()),
                 entry("gfx/garbage.png", image()), entry("gfx/cut.png", image()),
                 entry("gfx/kick-ok.png", strip(62, 93, 10)), entry("gfx/kick-short.png", strip(62, 93, 10)),
                 entry("gfx/dot.png", image(1, 1))});
    EXPECT_TRUE(details(r, FindingKind::Malformed, "gfx/full-ok.png").empty());
    EXPECT_TRUE(anyDetailHas(r, FindingKind::Malformed, "gfx/full-short.png", "1024 x 700, must be 1024 x 768"));
    EXPECT_TRUE(anyDetailHas(r, FindingKind::Malformed, "gfx/garbage.png", "does not decode"));
    EXPECT_TRUE(anyDetailHas(r, FindingKind::Malformed, "gfx/cut.png", "does not decode"));
    EXPECT_TRUE(details(r, FindingKind::Malformed, "gfx/kick-ok.png").empty());
    EXPECT_TRUE(anyDetailHas(r, FindingKind::Malformed, "gfx/kick-short.png", "holds 9 cells of 62 x 93"));
    EXPECT_TRUE(anyDetailHas(r, FindingKind::Malformed, "gfx/dot.png", "2 x 1, must be 1 x 1"));
    EXPECT_EQ(r.malformedCount(true), 5);
}

TEST(ContentValidator, TextFilesNeedTheLinesTheirReadersUseAndLineFeedsOnly) {
    GameFolder g;
    g.file("txt/ok.txt", "one\ntwo\nthree\n");
    g.file("txt/short.txt", "one\ntwo\n");
    g.file("txt/empty.txt", "");
    g.file("txt/crlf.txt", "one\r\ntwo\r\nthree\r\n");
    g.file("txt/middle.txt", "one\n\nthree");  // an empty line in the middle is a line
    const ContentReport& r = g.check({entry("txt/ok.txt", text(3)), entry("txt/short.txt", text(3)),
                                      entry("txt/empty.txt", text(1)), entry("txt/crlf.txt", text(3)),
                                      entry("txt/middle.txt", text(3))});
    EXPECT_TRUE(details(r, FindingKind::Malformed, "txt/ok.txt").empty());
    EXPECT_TRUE(details(r, FindingKind::Malformed, "txt/middle.txt").empty());
    EXPECT_TRUE(anyDetailHas(r, FindingKind::Malformed, "txt/short.txt", "has 2 line(s); line 3 is read"));
    EXPECT_TRUE(anyDetailHas(r, FindingKind::Malformed, "txt/empty.txt", "has 0 line(s)"));
    EXPECT_TRUE(anyDetailHas(r, FindingKind::Malformed, "txt/crlf.txt", "CR LF"));
}

TEST(ContentValidator, DataFilesMustBalanceHoldTheirKeysAndBeWrittenAsTheReaderReads) {
    GameFolder g;
    g.file("data/unbalanced.dat", "a {\n\tb {\n\t\tx = 1\n\t}\n{\n");
    g.file("data/keys.dat", "spots {\n\ti = 1\n}\n");
    g.file("data/slips.dat",
           "g {\n"
           "\tnote without an equals sign\n"
           "\thalf = .5\n"
           "\tname = plain\n"
           "\tpair = \"a\",\"b\"\n"
           "\tgood = \"x\", \"y, z\"\n"
           "\tnums = 1, -2.5, 3\n"
           "\ttwo = 1 = 2\n"
           "}\n");
    const ContentReport& r = g.check({entry("data/unbalanced.dat", dataFile()),
                                      entry("data/keys.dat", dataFile("spots::i spots::spot1")),
                                      entry("data/slips.dat", dataFile())});
    EXPECT_TRUE(anyDetailHas(r, FindingKind::Malformed, "data/unbalanced.dat", "3 \"{\" and 1 \"}\""));
    EXPECT_TRUE(anyDetailHas(r, FindingKind::Malformed, "data/keys.dat", "has no key spots::spot1"));
    EXPECT_FALSE(anyDetailHas(r, FindingKind::Malformed, "data/keys.dat", "spots::i"));
    const std::string p = "data/slips.dat";
    EXPECT_TRUE(anyDetailHas(r, FindingKind::Malformed, p, "line 2: \"note without an equals sign\" has no \"=\""));
    EXPECT_TRUE(anyDetailHas(r, FindingKind::Malformed, p, "line 3: half value \".5\" is misread (numbers must start"));
    EXPECT_TRUE(anyDetailHas(r, FindingKind::Malformed, p, "line 4: name value \"plain\" is misread"));
    EXPECT_TRUE(anyDetailHas(r, FindingKind::Malformed, p, "line 5: pair value \"\"b\"\" is misread"));
    EXPECT_TRUE(anyDetailHas(r, FindingKind::Malformed, p, "line 8: more than one \"=\""));
    EXPECT_FALSE(anyDetailHas(r, FindingKind::Malformed, p, "line 6"));
    EXPECT_FALSE(anyDetailHas(r, FindingKind::Malformed, p, "line 7"));
}

TEST(ContentValidator, AFileNamedByPendingAndByRequiredContentIsRequired) {
    GameFolder g;
    ContentValidator& v = g.validator();
    v.need("gfx/shared.png", expect(image()), false, "named by a pending file");
    EXPECT_FALSE(v.report().failed());
    v.need("gfx/shared.png", expect(image()), true, "named by a required file");
    EXPECT_TRUE(v.report().failed());
    EXPECT_EQ(v.report().missingCount(true), 1);
    EXPECT_EQ(v.report().missingCount(false), 0);
    EXPECT_EQ(v.report().filesChecked(), 1);
}

std::string cardsDat(bool withSpecialCards, bool quoteNames) {
    static const char* const figures[] = {"2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K", "A"};
    std::string s = "cards {\n\timgs = 2\n\timg1 = \"gfx/cards/faces.png\", \"10 14 52\"\n"
                    "\timg2 = \"gfx/cards/pieces.png\", \"10 14 5\"\n";
    std::string records;
    int i = 0;
    auto add = [&](int id, int img, int frame, const std::string& nazwa, int kolor) {
        ++i;
        records += "\tc" + std::to_string(i) + " {\n\t\tid = " + std::to_string(id) + "\n\t\timg = " +
                   std::to_string(img) + "\n\t\tframe = " + std::to_string(frame) + "\n\t\tnazwa = " +
                   (quoteNames ? "\"" + nazwa + "\"" : nazwa) + "\n\t\tkolor = " + std::to_string(kolor) + "\n\t}\n";
    };
    for (int suit = 0; suit < 4; ++suit)
        for (int f = 0; f < 13; ++f) add(suit * 13 + f + 1, 1, suit * 13 + f, figures[f], suit + 1);
    if (withSpecialCards) {
        add(101, 2, 0, "SLOT", 1);
        add(102, 2, 1, "EVENT", 1);
        add(103, 2, 2, "ATTACK", 1);
        add(104, 2, 3, "LOCK", 1);
        add(105, 2, 4, "LOCK", 1);
    }
    return s + "\ti = " + std::to_string(i) + "\n" + records + "}\n";
}

TEST(ContentValidator, TheCardCatalogueNeedsItsIdsItsStripsAndQuotedFigures) {
    GameFolder good;
    good.file("data/cards.dat", cardsDat(true, true));
    good.png("gfx/cards/faces.png", 520, 14);
    good.png("gfx/cards/pieces.png", 50, 14);
    const ContentReport& ok = good.check({entry("data/cards.dat", dataFile("cards::imgs cards::i"))});
    // Its path makes it the game's card catalogue, read with its reader's checks.
    EXPECT_FALSE(ok.failed()) << everything(ok);

    GameFolder g;
    g.file("data/cards.dat", cardsDat(false, false));
    g.png("gfx/cards/faces.png", 500, 14);  // 50 cells, 52 are cut
    ContentValidator& v = g.validator();
    v.need("data/cards.dat", expect(dataFile(), DataRole::Cards), true, "test");
    const ContentReport& r = v.report();
    EXPECT_TRUE(anyDetailHas(r, FindingKind::Malformed, "gfx/cards/faces.png", "holds 50 cells"));
    EXPECT_TRUE(r.has(FindingKind::Missing, "gfx/cards/pieces.png"));
    EXPECT_TRUE(anyDetailHas(r, FindingKind::Malformed, "data/cards.dat", "has no card 102"));
    EXPECT_TRUE(anyDetailHas(r, FindingKind::Malformed, "data/cards.dat", "has no card 103"));
    // nazwa = 10 unquoted is a number entry: its text keeps the leading space.
    EXPECT_TRUE(anyDetailHas(r, FindingKind::Malformed, "data/cards.dat", "cards::c9::nazwa is written unquoted"));
    // nazwa = K unquoted is a string entry cut to nothing.
    EXPECT_TRUE(anyDetailHas(r, FindingKind::Malformed, "data/cards.dat", "cards::c12::nazwa is empty"));
    EXPECT_TRUE(anyDetailHas(r, FindingKind::Malformed, "data/cards.dat", "the first 13 cards must be one full suit"));
}

TEST(ContentValidator, TheCardCatalogueRoleFindsItsReaderChecks) {
    GameFolder g;
    g.file("data/cards.dat", cardsDat(true, true));
    g.png("gfx/cards/faces.png", 520, 14);
    g.png("gfx/cards/pieces.png", 50, 14);
    ContentValidator& v = g.validator();
    v.need("data/cards.dat", expect(dataFile(), DataRole::Cards), true, "test");
    EXPECT_FALSE(v.report().failed()) << v.report().text();
    EXPECT_EQ(roleOfRegistryPath(contentpath::kCardsData), DataRole::Cards);
    EXPECT_EQ(roleOfRegistryPath(contentpath::kWindowTheme), DataRole::Theme);
    EXPECT_EQ(roleOfRegistryPath("data/other.dat"), DataRole::Plain);
}

TEST(ContentValidator, ATeamNameLineAtTheTopOfTheIntRangeNeedsThatLineAndDoesNotWrap) {
    // The short name is read from the line after the full name's; with the
    // full name's line at INT_MAX that line must stay huge (the text file
    // lacks it), not wrap round to a line every file has.
    GameFolder g;
    g.file("data/teams.dat", "teams {\n maxGoalScore = 3\n txt = \"txt/teams.txt\"\n i = 1\n"
                             " team1 {\n  id = 1\n  flag = \"gfx/flags/a\"\n  name = 3000000000\n  goal = 1\n }\n}\n");
    g.file("txt/teams.txt", "Alpha\nAlp\n");
    g.png("gfx/flags/a.png", 4, 4);
    g.png("gfx/flags/a_small.png", 2, 2);
    ContentValidator& v = g.validator();
    v.need("data/teams.dat", expect(dataFile(), DataRole::Teams), true, "test");
    EXPECT_TRUE(anyDetailHas(v.report(), FindingKind::Malformed, "txt/teams.txt", "line 2147483647 is read"))
        << v.report().text();
}

TEST(ContentValidator, GuiFilesNameFilesRelativeToTheirFolderAndDeclareTheirIds) {
    GameFolder g;
    g.file("gfx/fonts/f.ttf", fileBytes(kFontFile));
    g.file("txt/t.txt", "one\ntwo\n");
    g.png("gfx/gui/s/step.png", 102, 30);  // not 4 equal cells side by side
    g.png("gfx/gui/s/blend.png", 40, 61);  // DIR V: 2 cells stacked, 61 is odd
    g.png("gfx/gui/s/anim.png", 90, 30);   // 3 distinct frames: fine
    g.file("gfx/gui/window/t.txt", "TEMAT {\n\tOKNO {\n\t\tleftUp = \"lu.png\"\n\t}\n}\n");
    g.png("gfx/gui/window/lu.png", 8, 8);
    g.file("gfx/gui/s/s.gui",
           "FONT big { URL = ../../fonts/f.ttf SIZE = 20 }\n"
           "FONT lost { URL = ../../fonts/none.ttf }\n"
           "THEME th { URL = ../window/t.txt }\n"
           "BUTTON ok { TYP = TEXT_BUTTON TXT = [../../../txt/t.txt|5] FONT = big }\n"
           "BUTTON play { TYP = FSTEP_BUTTON GFX = step.png POSITION = \"1 2\" }\n"
           "BUTTON fade { TYP = BLEND_BUTTON GFX = blend.png DIR = V }\n"
           "BUTTON odd { TYP = text_button }\n"
           "TEXT label { FONT = later TXT = Hi }\n"
           "ANIM deco { GFX = anim.png SCHEMAT = \"[LOOP(80)] 0 1 2 1\" }\n"
           "FONT later { URL = ../../fonts/f.ttf }\n");
    const ContentReport& r = g.check({entry("gfx/gui/s/s.gui", gui("ok play deco exit"), kShipped)});
    const std::string p = "gfx/gui/s/s.gui";
    EXPECT_TRUE(r.has(FindingKind::Missing, "gfx/fonts/none.ttf"));
    EXPECT_FALSE(r.has(FindingKind::Missing, "gfx/fonts/f.ttf"));
    EXPECT_TRUE(anyDetailHas(r, FindingKind::Malformed, "txt/t.txt", "has 2 line(s); line 5 is read"));
    EXPECT_TRUE(anyDetailHas(r, FindingKind::Malformed, "gfx/gui/s/step.png", "not 4 equal cells side by side"));
    EXPECT_TRUE(anyDetailHas(r, FindingKind::Malformed, "gfx/gui/s/blend.png", "not 2 equal cells stacked"));
    EXPECT_TRUE(details(r, FindingKind::Malformed, "gfx/gui/s/anim.png").empty());
    EXPECT_TRUE(anyDetailHas(r, FindingKind::Malformed, p, "unknown TYP \"text_button\""));
    EXPECT_TRUE(anyDetailHas(r, FindingKind::Malformed, p, "FONT later is not declared by a FONT block above it"));
    EXPECT_TRUE(anyDetailHas(r, FindingKind::Malformed, p, "declares no widget \"exit\""));
    EXPECT_FALSE(anyDetailHas(r, FindingKind::Malformed, p, "\"ok\""));
    // The theme's pieces are looked up in the theme's folder; the missing ones are named.
    EXPECT_FALSE(r.has(FindingKind::Missing, "gfx/gui/window/lu.png"));
    EXPECT_TRUE(anyDetailHas(r, FindingKind::Malformed, "gfx/gui/window/t.txt", "has no key TEMAT::OKNO::srodek"));
    EXPECT_TRUE(r.failed());
}

TEST(ContentValidator, APathLeavingTheGameFolderIsMalformed) {
    GameFolder g;
    g.file("gfx/gui/s/s.gui", "FONT f { URL = ../../../../etc/fonts/x.ttf }\nBUTTON a { GFX = /tmp/a.png }\n");
    const ContentReport& r = g.check({entry("gfx/gui/s/s.gui", gui("a"))});
    EXPECT_TRUE(anyDetailHas(r, FindingKind::Malformed, "gfx/gui/s/s.gui", "not a path inside the game folder"));
    EXPECT_EQ(details(r, FindingKind::Malformed, "gfx/gui/s/s.gui").size(), 2u);
}

class BitmapFontFolder : public ::testing::Test {
protected:
    void SetUp() override {
        bmfont::BakeOptions o;
        o.fontPath = kFontFile;
        o.pixelSize = 16;
        o.pageWidth = o.pageHeight = 256;
        o.pageStem = "bf";
        std::string error;
        ASSERT_TRUE(bmfont::bakeFont(o, font_, error)) << error;
    }
    const ContentReport& checkWith(const bmfont::BakedFont& font) {
        std::string error;
        std::filesystem::create_directories(g_.full("gfx/fonts"));
        EXPECT_TRUE(bmfont::writeBakedFont(font, g_.full("gfx/fonts/bf"), error)) << error;
        return g_.check({entry("gfx/fonts/bf.fnt", bitmapFont())});
    }
    GameFolder g_;
    bmfont::BakedFont font_;
};

TEST_F(BitmapFontFolder, ABakedFontPasses) {
    const ContentReport& r = checkWith(font_);
    EXPECT_FALSE(r.failed()) << r.text();
    EXPECT_EQ(r.filesChecked(), 2);  // the descriptor and its page
}

TEST_F(BitmapFontFolder, ANegativeFontSizeAPackedFontAndMissingCharactersAreMalformed) {
    font_.descriptor.info.fontSize = -16;
    font_.descriptor.common.bitField = 1;
    auto& chars = font_.descriptor.chars;
    chars.erase(std::remove_if(chars.begin(), chars.end(), [](const bmfont::CharRecord& c) { return c.id == ':'; }),
                chars.end());
    const ContentReport& r = checkWith(font_);
    EXPECT_TRUE(anyDetailHas(r, FindingKind::Malformed, "gfx/fonts/bf.fnt", "fontSize -16"));
    EXPECT_TRUE(anyDetailHas(r, FindingKind::Malformed, "gfx/fonts/bf.fnt", "bitField 1"));
    EXPECT_TRUE(anyDetailHas(r, FindingKind::Malformed, "gfx/fonts/bf.fnt", "no characters for: :"));
}

TEST_F(BitmapFontFolder, PagesMustExistAndBePowersOfTwoOfTheDescribedSize) {
    font_.pages[0].width = 200;
    font_.pages[0].height = 256;
    font_.pages[0].rgba.resize(static_cast<size_t>(200) * 256 * 4);
    const ContentReport& r = checkWith(font_);
    EXPECT_TRUE(anyDetailHas(r, FindingKind::Malformed, "gfx/fonts/bf_0.png", "powers of two"));
    EXPECT_TRUE(anyDetailHas(r, FindingKind::Malformed, "gfx/fonts/bf_0.png", "must be 256 x 256"));

    GameFolder other;
    other.file("gfx/fonts/bf.fnt", bmfont::encodeDescriptor(font_.descriptor));
    const ContentReport& missing = other.check({entry("gfx/fonts/bf.fnt", bitmapFont())});
    EXPECT_TRUE(missing.has(FindingKind::Missing, "gfx/fonts/bf_0.png"));
    other.file("gfx/fonts/bf.fnt", "BMF\x03 not really");
    EXPECT_TRUE(anyDetailHas(other.check({entry("gfx/fonts/bf.fnt", bitmapFont())}), FindingKind::Malformed,
                             "gfx/fonts/bf.fnt", "not a readable bitmap-font descriptor"));
}

TEST(ContentValidator, SoundsAndFontsMustDecode) {
    GameFolder g;
    const std::string ogg = fileBytes(std::string(FIELDSTACK_TEST_DATA) + "/platform/tone-300ms-mono.ogg");
    ASSERT_FALSE(ogg.empty());
    g.file("sfx/ok.ogg", ogg);
    g.file("sfx/noise.ogg", "not a sound at all");
    g.file("sfx/cut.ogg", ogg.substr(0, 60));
    g.file("gfx/fonts/ok.ttf", fileBytes(kFontFile));
    g.file("gfx/fonts/bad.ttf", "not a font");
    const ContentReport& r = g.check({entry("gfx/fonts/ok.ttf", trueType()), entry("gfx/fonts/bad.ttf", trueType())});
    ContentValidator& v = g.validator();  // the same validator: sounds are only ever named by data files
    for (const char* s : {"sfx/ok.ogg", "sfx/noise.ogg", "sfx/cut.ogg"}) v.need(s, expect(sound()), true, "test");
    EXPECT_TRUE(details(r, FindingKind::Malformed, "gfx/fonts/ok.ttf").empty());
    EXPECT_TRUE(anyDetailHas(r, FindingKind::Malformed, "gfx/fonts/bad.ttf", "cannot load it"));
    const ContentReport& s = v.report();
    EXPECT_TRUE(details(s, FindingKind::Malformed, "sfx/ok.ogg").empty());
    EXPECT_TRUE(anyDetailHas(s, FindingKind::Malformed, "sfx/noise.ogg", "neither Ogg Vorbis nor WAV"));
    EXPECT_TRUE(anyDetailHas(s, FindingKind::Malformed, "sfx/cut.ogg", "does not decode"));
}

TEST(ContentReport, PrintsRequiredProblemsFirstAndCountsEachPathOnce) {
    ContentReport r;
    r.checked("gfx/ok.png");
    r.missing("gfx/a.png", true, "image; named by x");
    r.missing("gfx/a.png", true, "image; named by y");
    r.malformed("txt/b.txt", true, "too short");
    r.malformed("txt/b.txt", true, "CR LF");
    r.missing("gfx/later.png", false, "pending");
    r.warning("data/c.dat", "odd");
    EXPECT_EQ(r.filesChecked(), 4);
    EXPECT_EQ(r.missingCount(true), 1);
    EXPECT_EQ(r.malformedCount(true), 1);
    EXPECT_EQ(r.missingCount(false), 1);
    EXPECT_EQ(r.warningCount(), 1);
    EXPECT_EQ(r.problemCount(), 2);
    const std::string text = r.text();
    EXPECT_LT(text.find("Required content missing (1)"), text.find("Required content malformed (2)"));
    EXPECT_LT(text.find("Required content malformed"), text.find("Pending content missing (1)"));
    EXPECT_NE(text.find("  missing  gfx/a.png  -- image; named by x\n"), std::string::npos);
    EXPECT_NE(text.find("content: FAILED: 2 required file(s) missing or malformed"), std::string::npos);
    EXPECT_NE(r.text(false).find("  (not listed)"), std::string::npos);
    EXPECT_EQ(r.text(false).find("gfx/later.png"), std::string::npos);
}

}  // namespace
