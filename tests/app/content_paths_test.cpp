// The list of fixed content paths: every line is a usable entry whose
// constant is the path the code reads, with a kind that fits its file name.
#include "app/content_paths.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

bool endsWith(const std::string& s, const std::string& tail) {
    return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

TEST(ContentPaths, EveryEntryIsARelativeGameFolderPathListedOnce) {
    std::set<std::string> paths, names;
    for (const ContentEntry& e : contentEntries()) {
        const std::string p = e.path;
        EXPECT_TRUE(paths.insert(p).second) << "listed twice: " << p;
        EXPECT_TRUE(names.insert(e.name).second) << "constant used twice: " << e.name;
        EXPECT_TRUE(p.rfind("data/", 0) == 0 || p.rfind("gfx/", 0) == 0 || p.rfind("txt/", 0) == 0 ||
                    p.rfind("sfx/", 0) == 0)
            << p;
        EXPECT_EQ(p.find(".."), std::string::npos) << p;
        EXPECT_EQ(p.find('\\'), std::string::npos) << p;
        EXPECT_NE(std::string(e.subsystem), "") << p;
        EXPECT_NE(std::string(e.use), "") << p;
    }
    EXPECT_GT(paths.size(), 150u);
}

TEST(ContentPaths, KindsFitTheFileNamesAndCarryWhatTheirChecksNeed) {
    for (const ContentEntry& e : contentEntries()) {
        const std::string p = e.path;
        const ContentShape& s = e.shape;
        switch (s.kind) {
            case ContentKind::Image:
            case ContentKind::FullScreenImage:
            case ContentKind::Strip:
                EXPECT_TRUE(endsWith(p, ".png") || endsWith(p, ".jpg")) << p;
                break;
            case ContentKind::TrueTypeFont: EXPECT_TRUE(endsWith(p, ".ttf")) << p; break;
            case ContentKind::BitmapFont: EXPECT_TRUE(endsWith(p, ".fnt")) << p; break;
            case ContentKind::DataFile: EXPECT_TRUE(endsWith(p, ".dat") || endsWith(p, "temat1.txt")) << p; break;
            case ContentKind::Text:
                EXPECT_TRUE(p.rfind("txt/", 0) == 0 && endsWith(p, ".txt")) << p;
                EXPECT_GE(s.minLines, 1) << p;
                break;
            case ContentKind::Gui:
                EXPECT_TRUE(endsWith(p, ".gui")) << p;
                EXPECT_NE(std::string(s.names), "") << p << " names no widget ids";
                break;
            case ContentKind::Sound: ADD_FAILURE() << "no sound has a fixed path: " << p; break;
        }
        if (s.kind == ContentKind::FullScreenImage) {
            EXPECT_EQ(s.width, 1024) << p;
            EXPECT_EQ(s.height, 768) << p;
        }
        if (s.kind == ContentKind::Strip) {
            EXPECT_GT(s.cells, 1) << p;
            EXPECT_EQ(s.width, s.cellWidth * s.cells) << p;
            EXPECT_EQ(s.height, s.cellHeight) << p;
        }
    }
}

TEST(ContentPaths, ConstantsAreTheTablesPathsAndFindable) {
    const ContentEntry* back = findContentEntry(contentpath::kLoadingBack);
    ASSERT_TRUE(back);
    EXPECT_STREQ(back->path, "gfx/gui/loading/back.jpg");
    EXPECT_STREQ(back->name, "kLoadingBack");
    EXPECT_EQ(back->shape.kind, ContentKind::FullScreenImage);
    EXPECT_EQ(back->readiness, ContentReadiness::Built);

    const ContentEntry* kick = findContentEntry(contentpath::kKickAnim);
    ASSERT_TRUE(kick);
    EXPECT_EQ(kick->shape.cellWidth, 62);
    EXPECT_EQ(kick->shape.cellHeight, 93);
    EXPECT_EQ(kick->shape.cells, 10);
    EXPECT_EQ(kick->shape.width, 620);

    EXPECT_EQ(findContentEntry("gfx/no/such.png"), nullptr);
    EXPECT_EQ(findContentEntry("GFX/GUI/LOADING/BACK.JPG"), nullptr);  // names are case-sensitive on Linux
}

TEST(ContentPaths, ReadersThatExistAreBuiltAndTheLinesTheyReadAreCovered) {
    // The files read by the code of the program as it stands.
    struct Read {
        const char* path;
        int lines;
    };
    for (const Read& r : {Read{contentpath::kGameTexts, 3}, Read{contentpath::kPopupTexts, 3},
                          Read{contentpath::kLoadingBack, 0}, Read{contentpath::kLoadingMarkOff, 0},
                          Read{contentpath::kLoadingMarkOn, 0}, Read{contentpath::kPointImage, 0},
                          Read{contentpath::kDisplayFont, 0}}) {
        const ContentEntry* e = findContentEntry(r.path);
        ASSERT_TRUE(e) << r.path;
        EXPECT_EQ(e->readiness, ContentReadiness::Built) << r.path;
        EXPECT_TRUE(e->required()) << r.path;
        EXPECT_GE(e->shape.minLines, r.lines) << r.path;
    }
    const ContentEntry* gui = findContentEntry(contentpath::kMainMenuGui);
    ASSERT_TRUE(gui);
    EXPECT_FALSE(gui->required());
    const ContentEntry* fnt = findContentEntry(contentpath::kScoreBitmapFont);
    ASSERT_TRUE(fnt);
    EXPECT_EQ(fnt->readiness, ContentReadiness::ShippedNow);
    EXPECT_TRUE(fnt->required());
}

TEST(ContentPaths, KindNamesAreReadable) {
    EXPECT_STREQ(contentKindName(ContentKind::FullScreenImage), "full-screen image");
    EXPECT_STREQ(contentKindName(ContentKind::Gui), "GUI file");
    EXPECT_STREQ(contentKindName(ContentKind::Sound), "sound");
}

}  // namespace
