// A data-file group: the written form, the debug listing, lookups and the
// entry setters.
#include "datafile/rcm_group.h"

#include <gtest/gtest.h>

namespace {

TRCMGroup makeNested() {
    TRCMGroup g;
    g._id = "g";
    g.setFloatEntry("n", 5.0f, 0);
    auto h = std::make_unique<TRCMGroup>();
    h->_id = "h";
    h->setStringEntry("s", "one", 0);
    h->setStringEntry("s", "two, three", 1);
    g._listaGrup.push_back(std::move(h));
    return g;
}

TEST(GroupSave, NestedFormWithTabsAndEmptyLines) {
    EXPECT_EQ(makeNested().save(""),
              "g {\n\tn = 5\n\th {\n\t\ts = \"one\", \"two, three\"\n\t}\n\n}\n\n");
}

TEST(GroupSave, EmptyGroupsWriteOneEmptyLine) {
    TRCMGroup a;
    a._id = "a";
    auto b = std::make_unique<TRCMGroup>();
    b->_id = "b";
    a._listaGrup.push_back(std::move(b));
    EXPECT_EQ(a.save(""), "a {\n\n\tb {\n\n\t}\n\n}\n\n");
    EXPECT_EQ(a.save("\t"), "\ta {\n\n\t\tb {\n\n\t\t}\n\n\t}\n\n");
}

TEST(GroupSave, UnnamedGroupWritesOnlyItsContent) {
    TRCMGroup root;
    root.setFloatEntry("k", 1.0f, 0);
    EXPECT_EQ(root.save(""), "\tk = 1\n");
    EXPECT_EQ(TRCMGroup().save(""), "\n");
}

TEST(GroupShow, DebugListing) {
    testing::internal::CaptureStdout();
    makeNested().showGroup("");
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "g{\n\tn = 5\n\th{\n\t\ts = \"one\", \"two, three\"\n\t}\n}\n");
    testing::internal::CaptureStdout();
    TRCMGroup empty;
    empty._id = "e";
    empty.showGroup(">");
    EXPECT_EQ(testing::internal::GetCapturedStdout(), ">e{\n\n>}\n");
}

TEST(GroupLookup, IgnoresCaseAndFirstWins) {
    TRCMGroup g;
    g._addEntry("deckX", "first", 0);
    g._addEntry("DECKX", "second", 0);
    auto s1 = std::make_unique<TRCMGroup>();
    s1->_id = "Settings";
    auto s2 = std::make_unique<TRCMGroup>();
    s2->_id = "settings";
    TRCMGroup* first = s1.get();
    g._listaGrup.push_back(std::move(s1));
    g._listaGrup.push_back(std::move(s2));

    ASSERT_NE(g.getEntry("deckx"), nullptr);
    EXPECT_EQ(g.getEntry("deckx")->_value[0], "first");
    EXPECT_EQ(g.getGroup("SETTINGS"), first);
    EXPECT_EQ(g.getEntry("deck"), nullptr);
    EXPECT_EQ(g.getGroup("setting"), nullptr);
    EXPECT_EQ(g.getGroup("deckX"), nullptr);  // entries and groups are apart
}

TEST(GroupSetters, TypesOfNewAndExistingEntries) {
    TRCMGroup g;
    g.setFloatEntry("f", 0.3f, 0);
    ASSERT_NE(g.getEntry("f"), nullptr);
    EXPECT_EQ(g.getEntry("f")->_type, entryTypeNumber);
    EXPECT_EQ(g.getEntry("f")->_value[0], "0.300000012");

    g.setStringEntry("s", "abc", 0);
    EXPECT_EQ(g.getEntry("s")->_type, entryTypeString);
    // A float stored into a string entry keeps the string type (written quoted).
    g.setFloatEntry("S", 2.5f, 1);
    EXPECT_EQ(g.getEntry("s")->_type, entryTypeString);
    EXPECT_EQ(g.getEntry("s")->toTxt(), "s = \"abc\", \"2.50000000\"");
    // And a string stored into a number entry keeps the number type.
    g.setStringEntry("F", "7", 1);
    EXPECT_EQ(g.getEntry("f")->toTxt(), "f = 0.300000012, 7");
    EXPECT_EQ(g._listaWpisow.size(), 2u);

    TRCMEntry* added = g._addEntry("new", "v", 1);
    EXPECT_EQ(added->_type, entryTypeString);
    EXPECT_EQ(added->_value, (std::vector<std::string>{"", "v"}));
    EXPECT_EQ(g._listaWpisow.back().get(), added);
}

TEST(GroupLookup, PointersStayValidAsSiblingsAreAdded) {
    TRCMGroup g;
    g.setStringEntry("first", "x", 0);
    TRCMEntry* first = g.getEntry("first");
    for (int i = 0; i < 1000; ++i) g.setStringEntry("k" + std::to_string(i), "v", 0);
    EXPECT_EQ(g.getEntry("first"), first);
    EXPECT_EQ(first->_value[0], "x");
}

}  // namespace
