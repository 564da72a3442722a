#include "profiles/options.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/globals.h"
#include "app/paths.h"
#include "app/test_home.h"

namespace {

std::string readAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

const char* kDefaultSettings =
    "settings {\n\tfullScreen = 1\n\tmusicVolume = 0.300000012\n\tsoundVolume = 0.400000006\n"
    "\tcommentVolume = 1\n\tmute = 0\n}\n\n";

TEST(OptionsTest, FirstRunWritesTheDefaultsByteForByte) {
    TempHome home;
    ASSERT_TRUE(setupUserFolders());
    TOptions opts;
    testing::internal::CaptureStdout();
    opts.loadOptions();
    testing::internal::GetCapturedStdout();
    EXPECT_EQ(readAll(TOptions::settingsPath()), kDefaultSettings);
    EXPECT_EQ(opts.fullScreen, 1);
    EXPECT_FLOAT_EQ(opts.musicVol, 0.3f);
    EXPECT_FLOAT_EQ(opts.soundVol, 0.4f);
    EXPECT_FLOAT_EQ(opts.commentVol, 1.0f);
    EXPECT_EQ(opts.mute, 0);
}

TEST(OptionsTest, SavedValuesReadBackAndMissingKeysReadZero) {
    TempHome home;
    ASSERT_TRUE(setupUserFolders());
    {
        TOptions opts;
        opts.fullScreen = 0;
        opts.musicVol = 0.75f;
        opts.mute = 1;
        ASSERT_TRUE(opts.saveOptions());
    }
    TOptions again;
    testing::internal::CaptureStdout();
    again.loadOptions();
    testing::internal::GetCapturedStdout();
    EXPECT_EQ(again.fullScreen, 0);
    EXPECT_FLOAT_EQ(again.musicVol, 0.75f);
    EXPECT_EQ(again.mute, 1);

    // A file without the volumes plays silently and opens a window.
    { std::ofstream(TOptions::settingsPath()) << "settings {\n\tmute = 1\n}\n"; }
    TOptions partial;
    testing::internal::CaptureStdout();
    partial.loadOptions();
    testing::internal::GetCapturedStdout();
    EXPECT_EQ(partial.fullScreen, 0);
    EXPECT_EQ(partial.musicVol, 0.0f);
    EXPECT_EQ(partial.mute, 1);
}

TEST(OptionsTest, VolumesOutsideTheRangeStayUntilClamped) {
    TempHome home;
    ASSERT_TRUE(setupUserFolders());
    { std::ofstream(TOptions::settingsPath()) << "settings {\n\tmusicVolume = 1.5\n\tsoundVolume = -2\n}\n"; }
    TOptions opts;
    testing::internal::CaptureStdout();
    opts.loadOptions();
    testing::internal::GetCapturedStdout();
    EXPECT_FLOAT_EQ(opts.musicVol, 1.5f);
    opts.checkSoundStuff();
    EXPECT_EQ(opts.musicVol, 1.0f);
    EXPECT_EQ(opts.soundVol, 0.0f);
}

TEST(OptionsTest, PlusSevenTimesFromPointSevenStopsAtExactlyOne) {
    TOptions opts;
    opts.musicVol = 0.7f;
    for (int i = 0; i < 7; ++i) {
        opts.musicVol += 0.05f;
        opts.checkSoundStuff();
    }
    EXPECT_EQ(opts.musicVol, 1.0f);
}

TEST(OptionsTest, FailedSaveIsReportedAndKeepsNothingHalfWritten) {
    TempHome home;
    myDocsFolder = home.path + "/missing/.Fieldstack";  // folder never created
    TOptions opts;
    testing::internal::CaptureStdout();
    EXPECT_FALSE(opts.saveOptions());
    std::string out = testing::internal::GetCapturedStdout();
    EXPECT_NE(out.find("Napotkano problem : "), std::string::npos) << out;
    EXPECT_FALSE(std::filesystem::exists(TOptions::settingsPath()));
}

TEST(OptionsTest, ModeAttemptsFollowSettingAndDesktopHeight) {
    struct Case {
        int fullScreen;
        int desktop;
        std::vector<TModeAttempt> expected;
    };
    const Case cases[] = {
        {1, 1080, {{1024, 768, 32, false}, {800, 600, 32, true}}},
        {1, 768, {{1024, 768, 32, false}, {800, 600, 32, true}}},
        {1, 600, {{800, 600, 32, true}}},
        {0, 1080, {{1024, 768, 0, false}, {819, 614, 0, true}}},
        {0, 768, {{819, 614, 0, true}}},
        {0, 600, {{640, 480, 0, true}}},
        {0, 480, {{640, 480, 0, true}}},
    };
    for (const Case& c : cases) {
        std::vector<TModeAttempt> got = chooseModeAttempts(c.fullScreen, c.desktop);
        ASSERT_EQ(got.size(), c.expected.size()) << c.fullScreen << " " << c.desktop;
        for (size_t i = 0; i < got.size(); ++i) {
            EXPECT_EQ(got[i].width, c.expected[i].width);
            EXPECT_EQ(got[i].height, c.expected[i].height);
            EXPECT_EQ(got[i].depth, c.expected[i].depth);
            EXPECT_EQ(got[i].virtualScreen, c.expected[i].virtualScreen);
        }
    }
}

}  // namespace
