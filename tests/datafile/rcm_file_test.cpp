// The hierarchical data file: reading, lookups by path, setters, the written
// form, encodings, hostile input and saving to disk.
#include "datafile/rcm_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <functional>

#include "platform/files.h"
#include "support/scratch_folder.h"

namespace {

const std::string kSettingsText =
    "settings {\n\tfullScreen = 1\n\tmusicVolume = 0.300000012\n\tsoundVolume = 0.400000006\n"
    "\tcommentVolume = 1\n\tmute = 0\n}\n\n";

const std::string kNestedText =
    "g {\n\tn = 5\n\th {\n\t\ts = \"one\", \"two, three\"\n\t}\n\n}\n\n";

std::unique_ptr<TRCMFile> parsed(const std::string& text) {
    auto f = newRCMFile();
    f->parseText(text);
    return f;
}

// Runs fn with standard output captured and returns what it wrote.
std::string captured(const std::function<void()>& fn) {
    testing::internal::CaptureStdout();
    fn();
    return testing::internal::GetCapturedStdout();
}

// The tree as one text, for comparing two trees: names, types and values.
void describe(const TRCMGroup& g, std::string& out, int depth) {
    out += std::string(static_cast<size_t>(depth), ' ') + "[" + g._id + "]\n";
    for (const auto& e : g._listaWpisow) {
        out += std::string(static_cast<size_t>(depth) + 1, ' ') + e->_id + (e->_type ? " #" : " $");
        for (const auto& v : e->_value) out += " <" + v + ">";
        out += "\n";
    }
    for (const auto& c : g._listaGrup) describe(*c, out, depth + 1);
}

std::string describe(const TRCMFile& f) {
    std::string out;
    describe(f._grupa, out, 0);
    return out;
}

int depthOf(const TRCMGroup& g) {
    int d = 0;
    for (const auto& c : g._listaGrup) d = std::max(d, depthOf(*c));
    return g._listaGrup.empty() ? 0 : d + 1;
}

TEST(SettingsExample, WrittenByteForByte) {
    auto f = newRCMFile();
    f->setFloat("settings::fullScreen", 1.0f, 0);
    f->setFloat("settings::musicVolume", 0.3f, 0);
    f->setFloat("settings::soundVolume", 0.4f, 0);
    f->setFloat("settings::commentVolume", 1.0f, 0);
    f->setFloat("settings::mute", 0.0f, 0);
    EXPECT_EQ(f->saveText(), kSettingsText);

    ScratchFolder dir;
    ASSERT_EQ(f->save(dir.file("settings.dat")), 0);
    EXPECT_EQ(ScratchFolder::read(dir.file("settings.dat")), kSettingsText);
}

TEST(SettingsExample, ReadBack) {
    auto f = parsed(kSettingsText);
    EXPECT_EQ(f->_grupa._id, "MAINGROUP");
    EXPECT_EQ(f->getFloat("settings::fullScreen", 0), 1.0f);
    EXPECT_EQ(f->getString("settings::fullScreen", 0), " 1");
    EXPECT_EQ(f->getFloat("SETTINGS::MusicVolume", 0), 0.3f);
    EXPECT_EQ(f->getFloat("settings::soundVolume", 0), 0.4f);
    EXPECT_EQ(f->getFloat("settings::volume", 0), 0.0f);
    EXPECT_EQ(f->getString("settings::volume", 0), "");
    EXPECT_EQ(f->getFloat("settings::fullScreen", 1), 0.0f);
    EXPECT_EQ(f->getFloat("settings::fullScreen", -1), 0.0f);
    EXPECT_EQ(f->getFloat("other::fullScreen", 0), 0.0f);
    // Written again from what was read, the file comes back byte for byte:
    // whole numbers as integers, the others as stored without the space they
    // were read with, so saving again and again never grows the file.
    EXPECT_EQ(f->saveText(), kSettingsText);
    auto again = parsed(f->saveText());
    EXPECT_EQ(again->saveText(), kSettingsText);
}

TEST(NestedExample, PathsIntoGroupsAndArrays) {
    auto f = parsed(kNestedText);
    EXPECT_EQ(f->getString("g::h::s", 0), "one");
    EXPECT_EQ(f->getString("g::h::s", 1), "two, three");
    EXPECT_EQ(f->getString("g::h::s", 2), "");
    EXPECT_EQ(f->getFloat("g::n", 0), 5.0f);
    EXPECT_EQ(f->getString("g::s", 0), "");
    EXPECT_EQ(f->getString("h::s", 0), "");
    EXPECT_EQ(f->saveText(), kNestedText);
}

TEST(NestedExample, BuiltBySettersWritesTheSameText) {
    auto f = newRCMFile();
    f->setFloat("g::n", 5.0f, 0);
    f->setString("g::h::s", "one", 0);
    f->setString("g::h::s", "two, three", 1);
    EXPECT_EQ(f->saveText(), kNestedText);
}

TEST(Lookup, AnyLetterCase) {
    auto f = parsed("level {\n\tsettings {\n\t\tdeckX = 100\n\t}\n}\n");
    EXPECT_EQ(f->getFloat("LEVEL::Settings::DECKX", 0), 100.0f);
    EXPECT_EQ(f->getString("level::settings::deckx", 0), " 100");
}

TEST(Lookup, PathSplitting) {
    using P = std::vector<std::string>;
    EXPECT_EQ(splitDataPath("a::b"), (P{"a", "b"}));
    EXPECT_EQ(splitDataPath("a::::b"), (P{"a", "", "b"}));
    EXPECT_EQ(splitDataPath("a::"), (P{"a"}));
    EXPECT_EQ(splitDataPath("::a"), (P{"", "a"}));
    EXPECT_EQ(splitDataPath("a:b"), (P{"a:b"}));
    EXPECT_EQ(splitDataPath(""), (P{}));
}

TEST(Lookup, OnePieceLooksInTheRootEmptyPiecesNameUnnamedGroups) {
    auto f = parsed("top = 3\n{\n\tk = 4\n}\n");
    EXPECT_EQ(f->getFloat("top", 0), 3.0f);
    EXPECT_EQ(f->getFloat("::k", 0), 4.0f);
    EXPECT_EQ(f->getString("", 0), "");
    EXPECT_EQ(f->getFloat("::", 0), 0.0f);
}

TEST(Lookup, GetGroupWalksAllButTheLast) {
    auto f = parsed(kNestedText);
    EXPECT_EQ(f->getGroup({"key"}), &f->_grupa);
    EXPECT_EQ(f->getGroup({}), &f->_grupa);
    ASSERT_NE(f->getGroup({"G", "H", "s"}), nullptr);
    EXPECT_EQ(f->getGroup({"G", "H", "s"})->_id, "h");
    EXPECT_EQ(f->getGroup({"g", "x", "s"}), nullptr);
    EXPECT_EQ(f->getGroup({"g", "h", "s", "t"}), nullptr);  // s is an entry, not a group
}

TEST(Lookup, ShowPrintsTheGroupFound) {
    auto f = parsed(kNestedText);
    float v = 0;
    const std::string out = captured([&] { v = f->getFloat("g::n", 0, 1); });
    EXPECT_EQ(v, 5.0f);
    EXPECT_EQ(out, "g{\n\tn = 5\n\th{\n\t\ts = \"one\", \"two, three\"\n\t}\n}\n");
    EXPECT_EQ(captured([&] { f->getFloat("none::n", 0, 1); }), "");
    EXPECT_EQ(captured([&] { f->getFloat("g::n", 0, 0); }), "");
}

TEST(Lookup, MissingIsSilent) {
    auto f = parsed(kNestedText);
    EXPECT_EQ(captured([&] {
                  f->getString("x::y::z", 0);
                  f->getFloat("g::h::nothing", 3);
              }),
              "");
}

TEST(Setters, StringAtIndexTwoCreatesGroupsAndEmptyValues) {
    auto f = newRCMFile();
    f->setString("a::b::c", "x", 2);
    EXPECT_EQ(f->getString("a::b::c", 0), "");
    EXPECT_EQ(f->getString("a::b::c", 2), "x");
    EXPECT_EQ(f->saveText(), "a {\n\n\tb {\n\t\tc = \"\", \"\", \"x\"\n\t}\n\n}\n\n");
}

TEST(Setters, FloatOnAStringEntryKeepsStringType) {
    auto f = parsed("g {\n\tk = \"abc\"\n}\n");
    f->setFloat("g::k", 2.5f, 0);
    EXPECT_EQ(f->getString("g::k", 0), "2.50000000");
    EXPECT_EQ(f->getFloat("g::k", 0), 2.5f);
    EXPECT_EQ(f->saveText(), "g {\n\tk = \"2.50000000\"\n}\n\n");
}

TEST(Setters, NumbersInSetFloatFormReadBackExactly) {
    const float values[] = {0.3f, 0.05f, -20.5f, 1e10f, 1e-7f, 123456.789f, -0.0f, 3.4e38f};
    auto f = newRCMFile();
    for (int i = 0; i < 8; ++i) f->setFloat("n::v", values[i], i);
    EXPECT_EQ(f->getString("n::v", 1), "0.0500000007");
    EXPECT_EQ(f->getString("n::v", 2), "-20.5000000");
    auto back = parsed(f->saveText());
    for (int i = 0; i < 8; ++i) EXPECT_EQ(back->getFloat("n::v", i), values[i]) << i;
}

TEST(Setters, ExistingGroupsAreReusedInAnyCase) {
    auto f = parsed(kNestedText);
    f->setFloat("G::H::m", 2.0f, 0);
    EXPECT_EQ(f->_grupa._listaGrup.size(), 1u);
    EXPECT_EQ(f->getFloat("g::h::m", 0), 2.0f);
}

TEST(Setters, EmptyPathAndDeepPathAreRefused) {
    auto f = newRCMFile();
    f->setString("", "x", 0);
    EXPECT_TRUE(f->_grupa._listaGrup.empty());
    EXPECT_TRUE(f->_grupa._listaWpisow.empty());
    std::string deep;
    for (int i = 0; i < 100; ++i) deep += "g::";
    deep += "k";
    const std::string out = captured([&] { f->setFloat(deep, 1.0f, 0); });
    EXPECT_NE(out.find("Napotkano problem : "), std::string::npos);
    EXPECT_TRUE(f->_grupa._listaGrup.empty());
    // A path within the limit works.
    std::string ok;
    for (int i = 0; i < kMaxGroupDepth; ++i) ok += "g::";
    f->setFloat(ok + "k", 1.0f, 0);
    EXPECT_EQ(f->getFloat(ok + "k", 0), 1.0f);
}

TEST(Reader, PointFiveIsAnEmptyString) {
    auto f = parsed("g {\n\tv = .5\n}\n");
    EXPECT_EQ(f->getString("g::v", 0), "");
    EXPECT_EQ(f->getFloat("g::v", 0), 0.0f);
    EXPECT_EQ(f->getGroup({"g", "v"})->getEntry("v")->_type, entryTypeString);
}

TEST(Reader, TextWithoutEqualsJoinsTheNextKeyOrGroupName) {
    auto f = parsed("g {\n\tnote for me\n\tkey = 1\n\tmore\n\th {\n\t}\n}\n");
    EXPECT_EQ(f->getString("g::note for me\tkey", 0), " 1");
    ASSERT_EQ(f->getGroup({"g", "x"})->_listaGrup.size(), 1u);
    EXPECT_EQ(f->getGroup({"g", "x"})->_listaGrup[0]->_id, "more\th");
}

TEST(Reader, FinalBraceWithoutLineFeed) {
    auto a = parsed("g {\n\tk = 1\n}");
    auto b = parsed("g {\n\tk = 1\n}\n");
    EXPECT_EQ(describe(*a), describe(*b));
    EXPECT_EQ(a->_txt, "g {\n\tk = 1\n}\n");
    EXPECT_EQ(a->getFloat("g::k", 0), 1.0f);
}

TEST(Reader, DuplicateKeysFirstFoundBothWritten) {
    auto f = parsed("g {\n\tk = 1\n\tK = 2\n}\n");
    EXPECT_EQ(f->getFloat("g::k", 0), 1.0f);
    EXPECT_EQ(f->saveText(), "g {\n\tk = 1\n\tK = 2\n}\n\n");
}

TEST(Reader, RootEntriesAreNotSaved) {
    auto f = parsed("loose = 1\ng {\n\tk = 2\n}\n");
    EXPECT_EQ(f->getFloat("loose", 0), 1.0f);
    EXPECT_EQ(f->saveText(), "g {\n\tk = 2\n}\n\n");
}

TEST(Reader, EntryEndsOnlyAtLineFeed) {
    // Text before a "}" on the same line, or at the very end, is no entry.
    auto f = parsed("g { a = 1 }\nh {\n\tb = 2\n}\nlast = 3");
    EXPECT_EQ(f->getString("g::a", 0), "");
    EXPECT_EQ(f->getFloat("h::b", 0), 2.0f);
    EXPECT_EQ(f->getString("last", 0), "");
}

TEST(Reader, CarriageReturnsAreTrimmed) {
    const std::string lf = "g {\n\tk = 1\n\ts = \"x y\"\n\th {\n\t\tn = -2.5\n\t}\n}\n";
    std::string crlf;
    for (char c : lf) {
        if (c == '\n') crlf += '\r';
        crlf += c;
    }
    EXPECT_EQ(describe(*parsed(crlf)), describe(*parsed(lf)));
    EXPECT_EQ(parsed(crlf)->getString("g::s", 0), "x y");
}

TEST(Reader, NulsAreOrdinaryCharacters) {
    // A NUL at the end of a name is white space (code 0) and trimmed away; one
    // inside a value stays.
    const std::string text("g\0 {\n\tk\0 = \"a\0b\"\n\tm\0n = 2\n}\n", 28);
    auto f = parsed(text);
    ASSERT_EQ(f->_grupa._listaGrup.size(), 1u);
    EXPECT_EQ(f->_grupa._listaGrup[0]->_id, "g");
    EXPECT_EQ(f->getString("g::k", 0), std::string("a\0b", 3));
    EXPECT_EQ(f->getFloat(std::string("g::m\0n", 6), 0), 2.0f);
}

TEST(Reader, BracesInsideQuotesCountForBalanceOnlyOutside) {
    // The check ignores the quoted brace, the reader does not: the quoted "{"
    // opens a group that takes the "}" meant for g, and g then takes the rest
    // of the text. Nothing is read twice.
    auto f = parsed("g {\n\tt = \"{\"\n}\nafter = 1\n");
    ASSERT_EQ(f->_grupa._listaGrup.size(), 1u);
    const TRCMGroup& g = *f->_grupa._listaGrup[0];
    EXPECT_EQ(g._id, "g");
    ASSERT_EQ(g._listaGrup.size(), 1u);
    EXPECT_EQ(g._listaGrup[0]->_id, "t = \"");
    ASSERT_EQ(g._listaWpisow.size(), 1u);
    EXPECT_EQ(g._listaWpisow[0]->_id, "after");
    EXPECT_TRUE(f->_grupa._listaWpisow.empty());
}

TEST(Reader, ManyQuotedBracesAreReadOnce) {
    // Every quoted "{" opens a group that never closes; a parser that read such
    // a group's text again for its parent would take exponential time here.
    std::string text = "g {\n";
    for (int i = 0; i < 20000; ++i) text += "\tt" + std::to_string(i) + " = \"{\"\n";
    text += "}\n";
    auto f = newRCMFile();
    const std::string out = captured([&] { f->parseText(text); });
    EXPECT_EQ(out, "Napotkano problem : Grupy zagniezdzone glebiej niz 64 poziomy pominieto\n");
    ASSERT_EQ(f->_grupa._listaGrup.size(), 1u);
    EXPECT_EQ(depthOf(f->_grupa), kMaxGroupDepth);
    // Quoted pairs close what they open.
    std::string pairs = "g {\n";
    for (int i = 0; i < 20000; ++i) pairs += "\tt" + std::to_string(i) + " = \"{\"\n\t\"}\"\n";
    pairs += "}\nafter {\n\tk = 1\n}\n";
    auto p = parsed(pairs);
    ASSERT_EQ(p->_grupa._listaGrup.size(), 2u);
    EXPECT_EQ(p->_grupa._listaGrup[0]->_listaGrup.size(), 20000u);
    EXPECT_EQ(p->getFloat("after::k", 0), 1.0f);
}

TEST(Reader, ClosingBraceOfTheRootStopsReading) {
    auto f = parsed("a = 1\n}\nb = 2\n{\n");
    EXPECT_EQ(f->getFloat("a", 0), 1.0f);
    EXPECT_EQ(f->getString("b", 0), "");
    EXPECT_EQ(f->_grupa._pos, 7);
}

TEST(Reader, GroupPositions) {
    TRCMFile f;
    const TRCMGroup root = f.readAll("x {\n}\ny {\nk = 1\n}\n", "R");
    EXPECT_EQ(root._id, "R");
    ASSERT_EQ(root._listaGrup.size(), 2u);
    EXPECT_EQ(root._listaGrup[0]->_pos, 2);  // "\n}"
    EXPECT_EQ(root._listaGrup[1]->_pos, 8);  // "\nk = 1\n}"
    EXPECT_EQ(root._pos, 0);                  // the root never closes
}

TEST(Checks, UnbalancedBracesAreReportedAndGiveAnEmptyTree) {
    auto f = newRCMFile();
    const std::string out = captured([&] { EXPECT_EQ(f->parseText("a {\nb {\nc {\n}\n}\n"), 0); });
    EXPECT_EQ(out, "Napotkano problem : Blad nawiasow klamrowych! \"{\" - 3 \"}\" - 2\n");
    EXPECT_TRUE(f->_grupa._listaGrup.empty());
    EXPECT_EQ(f->_grupa._id, "");
    EXPECT_EQ(f->getString("a::b", 0), "");
}

TEST(Checks, QuotedBracesAreNotCounted) {
    TRCMFile f;
    f._txt = "g {\n\ts = \"}}\"\n}\n";
    EXPECT_EQ(f.checkGroups(), 1);
    f._txt = "g {\n\ts = \"{\n}\n";  // the open quote hides the "}"
    EXPECT_EQ(captured([&] { EXPECT_EQ(f.checkGroups(), 0); }),
              "Napotkano problem : Blad nawiasow klamrowych! \"{\" - 1 \"}\" - 0\n");
}

TEST(Checks, CheckTxtAppendsLineFeedAfterFinalBrace) {
    TRCMFile f;
    f._txt = "a {\n}";
    EXPECT_EQ(f.checkTxt(), 1);
    EXPECT_EQ(f._txt, "a {\n}\n");
    f._txt = "";
    EXPECT_EQ(f.checkTxt(), 1);
    EXPECT_EQ(f._txt, "");
}

TEST(Helpers, MyTrimTurnsStarsIntoZeros) {
    TRCMFile f;
    EXPECT_EQ(f.myTrim("  1*2 *\r\n"), "102 0");
    EXPECT_EQ(f.myTrim(""), "");
    EXPECT_EQ(f.errorMsg("x"), 0);
}

TEST(Helpers, PrintAllListsTheTree) {
    auto f = parsed(kNestedText);
    EXPECT_EQ(captured([&] { EXPECT_EQ(f->printAll(), 0); }),
              "MAINGROUP{\n\n\tg{\n\t\tn = 5\n\t\th{\n\t\t\ts = \"one\", \"two, three\"\n\t\t}\n\t}\n}\n");
}

TEST(Hostile, TenThousandOpeningBraces) {
    auto f = newRCMFile();
    const std::string out = captured([&] { f->parseText(std::string(10000, '{')); });
    EXPECT_EQ(out, "Napotkano problem : Blad nawiasow klamrowych! \"{\" - 10000 \"}\" - 0\n");
    EXPECT_TRUE(f->_grupa._listaGrup.empty());
}

TEST(Hostile, DeepNestingIsCutAtTheLimitAndReportedOnce) {
    std::string text;
    for (int i = 0; i < 10000; ++i) text += "g {\nk = " + std::to_string(i) + "\n";
    for (int i = 0; i < 10000; ++i) text += "}\n";
    text += "after {\nk = 1\n}\n";
    auto f = newRCMFile();
    const std::string out = captured([&] { f->parseText(text); });
    EXPECT_EQ(out, "Napotkano problem : Grupy zagniezdzone glebiej niz 64 poziomy pominieto\n");
    EXPECT_EQ(depthOf(f->_grupa), kMaxGroupDepth);
    std::string path;
    for (int i = 0; i < kMaxGroupDepth; ++i) path += "g::";
    EXPECT_EQ(f->getFloat(path + "k", 0), 63.0f);
    // The text after the skipped part is read as usual.
    EXPECT_EQ(f->getFloat("after::k", 0), 1.0f);
    // And the cut tree writes and reads back.
    auto back = parsed(f->saveText());
    EXPECT_EQ(describe(*back), describe(*f));
}

TEST(Hostile, BalancedDeepBracesOnly) {
    auto f = newRCMFile();
    captured([&] { f->parseText(std::string(10000, '{') + std::string(10000, '}')); });
    EXPECT_EQ(depthOf(f->_grupa), kMaxGroupDepth);
}

TEST(Hostile, HugeLines) {
    const std::string big(1 << 20, 'x');
    auto f = parsed("g {\n\ts = \"" + big + "\"\n\t" + big + "\n\tk = 1\n}\n");
    EXPECT_EQ(f->getString("g::s", 0), big);
    EXPECT_EQ(f->getFloat("g::" + big + "\tk", 0), 1.0f);
    // A huge line without any line feed or brace.
    auto g = parsed(std::string(1 << 20, '='));
    EXPECT_TRUE(g->_grupa._listaWpisow.empty());
    // Many values on one line.
    std::string values = "g {\n\tv = 0";
    for (int i = 1; i < 100000; ++i) values += ", " + std::to_string(i);
    auto h = parsed(values + "\n}\n");
    EXPECT_EQ(h->getFloat("g::v", 99999), 99999.0f);
}

TEST(Hostile, ArbitraryBytesDoNotBreakTheReader) {
    std::string bytes;
    uint32_t state = 12345;
    for (int round = 0; round < 200; ++round) {
        bytes.clear();
        for (int i = 0; i < 2000; ++i) {
            state = state * 1103515245u + 12345u;
            const char pick[] = "{}=\n\",ab 1-\r\t\0\xFF";
            bytes += pick[(state >> 16) % (sizeof pick)];
        }
        TRCMFile f;
        captured([&] { f.loadFromBytes(bytes); });
        TRCMFile again;
        captured([&] { again.parseText(f.saveText()); });
    }
}

struct EncodingCase {
    const char* name;
    std::string bytes;
};

const std::string kCountryText = "team {\n\tname = \"Espa\xC3\xB1" "a\"\n\tgroup = 3\n}\n";

class EncodingTest : public ::testing::TestWithParam<EncodingCase> {};

TEST_P(EncodingTest, SameTreeFromEveryEncoding) {
    ScratchFolder dir;
    auto f = loadRCMFile(dir.write("teams.dat", GetParam().bytes));
    EXPECT_EQ(f->getString("team::name", 0), "Espa\xC3\xB1" "a");
    EXPECT_EQ(f->getFloat("team::group", 0), 3.0f);
    auto fromBytes = newRCMFile();
    fromBytes->loadFromBytes(GetParam().bytes);
    EXPECT_EQ(describe(*fromBytes), describe(*f));
}

std::string utf16(const std::string& ascii, bool bigEndian, const std::string& extra = "") {
    std::string out = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (unsigned char c : ascii) {
        out += bigEndian ? std::string("\0", 1) + static_cast<char>(c) : std::string(1, static_cast<char>(c)) + '\0';
    }
    return out + extra;
}

INSTANTIATE_TEST_SUITE_P(
    Files, EncodingTest,
    ::testing::Values(
        EncodingCase{"Latin1", "team {\n\tname = \"Espa\xF1" "a\"\n\tgroup = 3\n}\n"},
        EncodingCase{"Utf8Mark", "\xEF\xBB\xBF" + kCountryText},
        EncodingCase{"Utf16Le", utf16("team {\n\tname = \"Espa\xF1" "a\"\n\tgroup = 3\n}\n", false)},
        EncodingCase{"Utf16Be", utf16("team {\n\tname = \"Espa\xF1" "a\"\n\tgroup = 3\n}\n", true)},
        EncodingCase{"Utf16LeOddByte", utf16("team {\n\tname = \"Espa\xF1" "a\"\n\tgroup = 3\n}\n", false, "x")}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Encoding, WrittenLatin1OrUtf16) {
    ScratchFolder dir;
    auto f = newRCMFile();
    f->setString("team::name", "Espa\xC3\xB1" "a", 0);
    ASSERT_EQ(f->save(dir.file("latin.dat")), 0);
    EXPECT_EQ(ScratchFolder::read(dir.file("latin.dat")), "team {\n\tname = \"Espa\xF1" "a\"\n}\n\n");

    f->setString("team::name", "\xC5\x81\xC3\xB3" "d\xC5\xBA", 0);  // Łódź: beyond Latin-1
    ASSERT_EQ(f->save(dir.file("wide.dat")), 0);
    const std::string bytes = ScratchFolder::read(dir.file("wide.dat"));
    EXPECT_EQ(bytes.substr(0, 4), std::string("\xFF\xFEt\0", 4));
    EXPECT_EQ(bytes.size(), 2 + 2 * std::string("team {\n\tname = \"Lodz\"\n}\n\n").size());
    auto back = loadRCMFile(dir.file("wide.dat"));
    EXPECT_EQ(back->getString("team::name", 0), "\xC5\x81\xC3\xB3" "d\xC5\xBA");
}

TEST(RoundTrip, TreesBuiltBySettersSurviveSaveAndLoad) {
    ScratchFolder dir;
    auto f = newRCMFile();
    for (int i = 0; i < 40; ++i) {
        const std::string group = "level" + std::to_string(i % 7) + "::cards::c" + std::to_string(i);
        f->setFloat(group, static_cast<float>(i) * 1.25f - 7.0f, 0);
        f->setFloat(group, static_cast<float>(i) / 3.0f, 1);
        f->setString("level" + std::to_string(i % 7) + "::name", "Name, \xC3\xA9 " + std::to_string(i), i % 3);
    }
    f->setString("profile::nick", "\xC5\xBC\xC3\xB3\xC5\x82w", 0);  // forces UTF-16 on disk
    ASSERT_EQ(f->save(dir.file("tree.dat")), 0);
    auto back = loadRCMFile(dir.file("tree.dat"));
    for (int i = 0; i < 40; ++i) {
        const std::string group = "level" + std::to_string(i % 7) + "::cards::c" + std::to_string(i);
        EXPECT_EQ(back->getFloat(group, 0), static_cast<float>(i) * 1.25f - 7.0f);
        EXPECT_EQ(back->getFloat(group, 1), static_cast<float>(i) / 3.0f);
        EXPECT_EQ(back->getString("level" + std::to_string(i % 7) + "::name", i % 3),
                  f->getString("level" + std::to_string(i % 7) + "::name", i % 3));
    }
    EXPECT_EQ(back->getString("profile::nick", 0), "\xC5\xBC\xC3\xB3\xC5\x82w");
    // Whole numbers and strings write back to the very same text.
    auto plain = newRCMFile();
    plain->setFloat("a::n", 100.0f, 0);
    plain->setFloat("a::n", -2.0f, 1);
    plain->setString("a::b::s", "x, y", 0);
    EXPECT_EQ(parsed(plain->saveText())->saveText(), plain->saveText());
}

TEST(Load, MissingFileIsReportedAndEmpty) {
    ScratchFolder dir;
    const std::string path = dir.file("none.dat");
    std::unique_ptr<TRCMFile> f;
    EXPECT_EQ(captured([&] { f = loadRCMFile(path); }), "Napotkano problem : Nie znaleziono pliku : " + path + "\n");
    EXPECT_EQ(f->_path, path);
    EXPECT_EQ(f->_grupa._id, "");
    EXPECT_EQ(f->getString("a::b", 0), "");
    EXPECT_EQ(f->getFloat("a::b", 0), 0.0f);
    // Setters still build a tree that can be saved.
    f->setFloat("a::b", 2.0f, 0);
    ASSERT_EQ(f->save(path), 0);
    EXPECT_EQ(ScratchFolder::read(path), "a {\n\tb = 2\n}\n\n");
}

TEST(Load, KeepsPathsAndText) {
    ScratchFolder dir(true);
    dir.write("data/x.dat", "x {\n\tk = 1\n}");
    auto f = loadRCMFile("data/x.dat");
    EXPECT_EQ(f->_path, "data/x.dat");
    EXPECT_EQ(f->_realPath, platform::absolutePath(dir.path() + "/data/x.dat"));
    EXPECT_EQ(f->_txt, "x {\n\tk = 1\n}\n");
    EXPECT_EQ(f->_grupa._id, "MAINGROUP");
    // Loading again replaces the tree.
    dir.write("data/x.dat", "y {\n\tk = 2\n}\n");
    f->Load("data/x.dat");
    EXPECT_EQ(f->getString("x::k", 0), "");
    EXPECT_EQ(f->getFloat("y::k", 0), 2.0f);
}

TEST(Load, FolderReadsAsEmptyFile) {
    ScratchFolder dir;
    auto f = loadRCMFile(dir.path());
    EXPECT_TRUE(f->_grupa._listaGrup.empty());
    EXPECT_TRUE(f->_grupa._listaWpisow.empty());
}

TEST(Load, UnreadableFileIsReported) {
    ScratchFolder dir;
    const std::string path = dir.file("pipe.dat");
    ASSERT_EQ(::mkfifo(path.c_str(), 0644), 0);  // exists, but is no regular file
    std::unique_ptr<TRCMFile> f;
    EXPECT_EQ(captured([&] { f = loadRCMFile(path); }), "Napotkano problem : Nie mozna odczytac pliku : " + path + "\n");
    EXPECT_TRUE(f->_grupa._listaGrup.empty());
}

TEST(Save, FailureIsReportedAndKeepsTheOldFile) {
    ScratchFolder dir;
    auto f = parsed(kNestedText);

    const std::string missing = dir.file("NoFolder/settings.dat");
    int rc = 0;
    std::string out = captured([&] { rc = f->save(missing); });
    EXPECT_EQ(rc, -1);
    EXPECT_EQ(out.rfind("Napotkano problem : Nie mozna zapisac pliku : " + missing, 0), 0u) << out;
    EXPECT_EQ(platform::pathKind(dir.file("NoFolder")), platform::PathKind::NONE);

    // The target is blocked: the old file stays as it was.
    const std::string path = dir.write("profile.dat", "old");
    ASSERT_TRUE(platform::createFolder(path + ".tmp-" + std::to_string(::getpid())));
    std::string error;
    bool ok = true;
    out = captured([&] { ok = f->saveChecked(path, &error); });
    EXPECT_FALSE(ok);
    EXPECT_NE(error, "");
    EXPECT_NE(out.find(error), std::string::npos);
    EXPECT_EQ(ScratchFolder::read(path), "old");
    // The tree in memory is not changed by saving.
    EXPECT_EQ(f->saveText(), kNestedText);
}

}  // namespace
