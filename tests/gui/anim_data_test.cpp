#include "gui/anim_data.h"

#include <gtest/gtest.h>

#include "gui/gui_test_support.h"

namespace {

TEST(AnimDataTest, NamesAreRegisteredOnceWithoutRegardToCase) {
    TAnimData d;
    EXPECT_EQ(d.dodajNazwe("normal"), 0);
    EXPECT_EQ(d.dodajNazwe("Over"), 1);
    EXPECT_EQ(d.dodajNazwe("NORMAL"), 0);
    EXPECT_EQ(d.anims, 2);
    EXPECT_EQ(d.animName[1], "OVER");
    EXPECT_EQ(d.getAnimByName("over"), 1);
}

TEST(AnimDataTest, EleventhNameAndUnknownNamesAreReportedAndUseRowZero) {
    TAnimData d;
    for (int i = 0; i < 10; ++i) d.dodajNazwe("A" + std::to_string(i));
    int row = -1;
    std::string err = reportsOf([&] { row = d.dodajNazwe("ELEVEN"); });
    EXPECT_EQ(row, 0);
    EXPECT_NE(err.find("Nie mozna dodac wiecej niz 10 animacji!"), std::string::npos) << err;
    EXPECT_EQ(d.anims, 10);
    // A name already there is still found when the table is full.
    EXPECT_EQ(d.dodajNazwe("a9"), 9);

    err = reportsOf([&] { row = d.getAnimByName("missing"); });
    EXPECT_EQ(row, 0);
    EXPECT_NE(err.find("Podanej nazwy animacji nie ma na liscie animacji obiektu! Nazwa :missing"),
              std::string::npos)
        << err;
}

TEST(AnimDataTest, HighestFrameOfRegisteredRowsAndRowLimit) {
    TAnimData d;
    EXPECT_EQ(d.liczbaKlatek(), 0);
    int a = d.dodajNazwe("NORMAL"), b = d.dodajNazwe("OVER");
    d.addFrame(a, 3);
    d.addFrame(b, 7);
    d.addFrame(b, 2);
    EXPECT_EQ(d.liczbaKlatek(), 7);
    EXPECT_EQ(d.animFrames, 7);
    for (int i = 0; i < 150; ++i) d.addFrame(a, 1);
    EXPECT_EQ(d.frames[a], TAnimData::kMaxPositions);
    EXPECT_EQ(d.maxFrames[a], d.frames[a]);
    EXPECT_EQ(d.frameAt(b, 1), 2);
    EXPECT_EQ(d.frameAt(b, 2), 0);  // past the filled part
    EXPECT_EQ(d.frameAt(42, 0), 0);
}

}  // namespace
