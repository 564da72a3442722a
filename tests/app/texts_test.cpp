// Game texts: numbered lines, the out-of-range marker, GUI text references
// and the pop-up texts.
#include "app/texts.h"

#include <gtest/gtest.h>

#include <climits>

#include "support/scratch_folder.h"

namespace {

const std::string kMarker = "(BEYOND TEXT ARRAY LENGTH!)";

struct LinesCase {
    const char* name;
    std::string bytes;
    std::vector<std::string> lines;
};

class LoadTxtFileTest : public ::testing::TestWithParam<LinesCase> {};

TEST_P(LoadTxtFileTest, Lines) {
    ScratchFolder dir;
    const TTxtFile file = loadTxtFile(dir.write("t.txt", GetParam().bytes));
    EXPECT_EQ(file.txt, GetParam().lines);
    EXPECT_EQ(file.lines(), static_cast<int>(GetParam().lines.size()));
}

INSTANTIATE_TEST_SUITE_P(
    Files, LoadTxtFileTest,
    ::testing::Values(
        LinesCase{"EmptyLineInside", "a\n\nb", {"a", "", "b"}},
        LinesCase{"FinalLineFeedAddsNothing", "a\nb\n", {"a", "b"}},
        LinesCase{"EmptyFile", "", {}},
        LinesCase{"OnlyLineFeeds", "\n\n", {"", ""}},
        LinesCase{"CarriageReturnsStay", "a\r\nb\r\n", {"a\r", "b\r"}},
        LinesCase{"Latin1", "Gr\xFC\xDF" "e\n", {"Gr\xC3\xBC\xC3\x9F" "e"}},
        LinesCase{"Utf8Mark", "\xEF\xBB\xBF\xC5\xBC\xC3\xB3\xC5\x82w\nkot", {"\xC5\xBC\xC3\xB3\xC5\x82w", "kot"}},
        LinesCase{"Utf16Le", std::string("\xFF\xFE" "a\0\n\0\x42\x01", 8), {"a", "\xC5\x82"}},
        LinesCase{"Utf16Be", std::string("\xFE\xFF\0a\0\n\x01\x42", 8), {"a", "\xC5\x82"}},
        LinesCase{"NulKept", std::string("a\0b\nc", 5), {std::string("a\0b", 3), "c"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LoadTxtFile, MissingFileIsEmpty) {
    ScratchFolder dir;
    EXPECT_EQ(loadTxtFile(dir.file("none.txt")).lines(), 0);
    EXPECT_EQ(loadTxtFile(dir.path()).lines(), 0);  // a folder is no text file
}

TEST(TxtLine, CountsFromOneWithMarkerOutside) {
    TTxtFile file;
    file.txt = {"first", "second", "last"};
    EXPECT_EQ(txtLine(file, 1), "first");
    EXPECT_EQ(txtLine(file, 3), "last");
    EXPECT_EQ(txtLine(file, 0), kMarker);
    EXPECT_EQ(txtLine(file, -1), kMarker);
    EXPECT_EQ(txtLine(file, 4), kMarker);
    EXPECT_EQ(txtLine(file, INT_MAX), kMarker);
    EXPECT_EQ(txtLine(file, INT_MIN), kMarker);
    EXPECT_EQ(txtLine(TTxtFile{}, 1), kMarker);
}

struct ReferenceCase {
    const char* name;
    std::string value;
    std::string shown;
};

class TextReferenceTest : public ::testing::TestWithParam<ReferenceCase> {};

TEST_P(TextReferenceTest, Resolves) {
    ScratchFolder dir(true);
    dir.write("txt/mainMenu.txt", "New game\nContinue\nOptions\n");
    EXPECT_EQ(resolveTextReference(GetParam().value), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Values, TextReferenceTest,
    ::testing::Values(
        ReferenceCase{"LineOfFile", "[txt/mainMenu.txt|2]", "Continue"},
        ReferenceCase{"QuotesRemovedFirst", "\"[txt/mainMenu.txt|3]\"", "Options"},
        ReferenceCase{"SpacedNumber", "[txt/mainMenu.txt| 1]", "New game"},
        ReferenceCase{"LineZero", "[txt/mainMenu.txt|0]", kMarker},
        ReferenceCase{"LineBeyondEnd", "[txt/mainMenu.txt|4]", kMarker},
        ReferenceCase{"NoNumber", "[txt/mainMenu.txt|]", kMarker},
        ReferenceCase{"NoPipe", "[txt/mainMenu.txt]", kMarker},
        ReferenceCase{"EmptyBrackets", "[]", kMarker},
        ReferenceCase{"MissingFile", "[txt/none.txt|1]", kMarker},
        ReferenceCase{"ExtraPiecesIgnored", "[txt/mainMenu.txt|2|9]", "Continue"},
        ReferenceCase{"PlainText", "PLAY", "PLAY"},
        ReferenceCase{"PlainQuotedTextUnchanged", "\"PLAY\"", "\"PLAY\""},
        ReferenceCase{"SingleBracket", "[", "["},
        ReferenceCase{"OpenOnly", "[txt/mainMenu.txt|2", "[txt/mainMenu.txt|2"},
        ReferenceCase{"Empty", "", ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TextReference, FileIsReadAnewEachTime) {
    ScratchFolder dir(true);
    dir.write("txt/a.txt", "one\n");
    EXPECT_EQ(resolveTextReference("[txt/a.txt|1]"), "one");
    dir.write("txt/a.txt", "two\n");
    EXPECT_EQ(resolveTextReference("[txt/a.txt|1]"), "two");
}

TEST(Teksty, SetupFillsPopupTexts) {
    ScratchFolder dir(true);
    dir.write("txt/popup.txt", "Enter your name\nunused\nDelete this profile?\n");
    testing::internal::CaptureStdout();
    Teksty::setup();
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "USUNIECIE : Delete this profile?\n");
    EXPECT_EQ(popupTextName, "Enter your name");
    EXPECT_EQ(popupTextLine2, "unused");
    EXPECT_EQ(popupTextDelete, "Delete this profile?");
}

TEST(Teksty, MissingFileGivesMarkers) {
    ScratchFolder dir(true);
    testing::internal::CaptureStdout();
    Teksty::setup();
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "USUNIECIE : " + kMarker + "\n");
    EXPECT_EQ(popupTextName, kMarker);
    EXPECT_EQ(popupTextDelete, kMarker);
}

}  // namespace
