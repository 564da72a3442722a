// One data-file entry: parsing an entry line, the written form of its
// values, and growing its value array.
#include "datafile/rcm_entry.h"

#include <gtest/gtest.h>

#include <climits>

#include "datafile/rcm_file.h"

namespace {

using Values = std::vector<std::string>;

struct EntryCase {
    const char* name;
    std::string line;
    std::string id;
    int type;
    Values values;
};

class ReadEntryTest : public ::testing::TestWithParam<EntryCase> {};

TEST_P(ReadEntryTest, Parses) {
    const EntryCase& c = GetParam();
    const TRCMEntry e = TRCMFile().readEntry(c.line);
    EXPECT_EQ(e._id, c.id);
    EXPECT_EQ(e._type, c.type);
    EXPECT_EQ(e._value, c.values);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ReadEntryTest,
    ::testing::Values(
        EntryCase{"Number", "deckX = 100", "deckX", entryTypeNumber, {" 100"}},
        EntryCase{"NegativeNumber", "x = -2", "x", entryTypeNumber, {" -2"}},
        EntryCase{"NumberNoSpace", "x =5", "x", entryTypeNumber, {"5"}},
        EntryCase{"NumberArray", "spot1 = 120, 340", "spot1", entryTypeNumber, {" 120", " 340"}},
        EntryCase{"NumberArrayEmptyPiece", "a = 1, , 2,", "a", entryTypeNumber, {" 1", " ", " 2", ""}},
        EntryCase{"String", "name = \"Brazil\"", "name", entryTypeString, {"Brazil"}},
        EntryCase{"StringArrayWithComma", "s = \"one\", \"two, three\"", "s", entryTypeString,
                  {"one", "two, three"}},
        EntryCase{"StringUtf8Counted", "n = \"\xC5\xBC\xC3\xB3\xC5\x82w\"", "n", entryTypeString,
                  {"\xC5\xBC\xC3\xB3\xC5\x82w"}},
        EntryCase{"StringWithInnerQuote", "q = \"a\"b\"", "q", entryTypeString, {"a\"b"}},
        EntryCase{"EmptyString", "e = \"\"", "e", entryTypeString, {""}},
        EntryCase{"PointFiveIsAString", "v = .5", "v", entryTypeString, {""}},
        EntryCase{"ShortPieceCutsToEmpty", "v = x", "v", entryTypeString, {""}},
        EntryCase{"NothingAfterEquals", "a =", "a", entryTypeString, {""}},
        EntryCase{"OnlyEquals", "=", "", entryTypeString, {""}},
        EntryCase{"NoEquals", "loose words", "loose words", entryTypeString, {""}},
        EntryCase{"KeyWithSpaces", "my key = 1", "my key", entryTypeNumber, {" 1"}},
        EntryCase{"FurtherEqualsDropped", "a = 1 = 2", "a", entryTypeNumber, {" 1 "}},
        EntryCase{"QuotedCommaOnlyInQuotes", "s = \"a,b\", c", "s", entryTypeString, {"a,b", ""}},
        EntryCase{"UnclosedQuoteKeepsCommas", "s = \"a, b", "s", entryTypeString, {"a, "}},
        EntryCase{"TypeFromTrimmedValue", "t =\t\t7", "t", entryTypeNumber, {"\t\t7"}},
        EntryCase{"StarIsNotANumber", "t = *", "t", entryTypeString, {""}}),
    [](const auto& info) { return std::string(info.param.name); });

struct NumberTextCase {
    std::string stored;
    std::string written;
};

TEST(NumberValueText, WholeNumbersAsIntegers) {
    const NumberTextCase cases[] = {
        {" 100", "100"},          {" -2", "-2"},          {"", "0"},
        {" ", "0"},               {"1.00000000", "1"},    {"0.00000000", "0"},
        {"-0.0", "0"},            {" 1.5", "1.5"},        {"0.300000012", "0.300000012"},
        {" 1e3", "1000"},         {"2.5e1", "25"},        {" abc", "0"},
        {"1e30", "1e30"},         {" inf", "inf"},        {"nan", "nan"},
        {"-9223372036854775808", "-9223372036854775808"},
        {"9223372036854775807", "9223372036854775807"},  // rounds to 2^63: too large, kept
        {"4294967296", "4294967296"},                    {" 16777217", "16777217"},
    };
    for (const auto& c : cases) EXPECT_EQ(numberValueText(c.stored), c.written) << '"' << c.stored << '"';
}

TEST(ToTxt, JoinsValuesByType) {
    TRCMEntry s;
    s._id = "s";
    s._value = {"one", "two, three", ""};
    EXPECT_EQ(s.toTxt(), "s = \"one\", \"two, three\", \"\"");

    TRCMEntry n;
    n._id = "spot";
    n._type = entryTypeNumber;
    n._value = {" 120", "", " 0.5"};
    EXPECT_EQ(n.toTxt(), "spot = 120, 0, 0.5");

    TRCMEntry none;
    none._id = "k";
    EXPECT_EQ(none.toTxt(), "k = ");
}

TEST(SetValue, GrowsWithEmptyStrings) {
    TRCMEntry e;
    e.setValue("x", 2);
    EXPECT_EQ(e._value, (Values{"", "", "x"}));
    e.setValue("y", 0);
    EXPECT_EQ(e._value, (Values{"y", "", "x"}));
    e.setValue("z", 3);
    EXPECT_EQ(e._value, (Values{"y", "", "x", "z"}));
}

TEST(SetValue, RefusesBadIndexes) {
    TRCMEntry e;
    e._id = "k";
    testing::internal::CaptureStdout();
    e.setValue("x", -1);
    e.setValue("x", kMaxValueIndex + 1);
    e.setValue("x", INT_MAX);
    const std::string out = testing::internal::GetCapturedStdout();
    EXPECT_TRUE(e._value.empty());
    EXPECT_NE(out.find("Napotkano problem : "), std::string::npos);
    e.setValue("x", kMaxValueIndex);
    EXPECT_EQ(e._value.size(), static_cast<size_t>(kMaxValueIndex) + 1);
}

TEST(CreateArray, EmptyStrings) {
    EXPECT_EQ(TRCMEntry::createArray(3), (Values{"", "", ""}));
    EXPECT_TRUE(TRCMEntry::createArray(0).empty());
    EXPECT_TRUE(TRCMEntry::createArray(-4).empty());
}

}  // namespace
