#include "app/paths.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "app/globals.h"
#include "app/test_home.h"
#include "platform/files.h"

namespace fs = std::filesystem;

namespace {

TEST(PathsTest, HomeSetGivesDotFolderWithDataAndProfiles) {
    TempHome home;
    ASSERT_TRUE(setupUserFolders());
    Paths::getPaths();
    EXPECT_EQ(myDocsFolder, home.path + "/.Fieldstack");
    EXPECT_TRUE(fs::is_directory(home.path + "/.Fieldstack/Data"));
    EXPECT_TRUE(fs::is_directory(home.path + "/.Fieldstack/Profiles"));
    EXPECT_EQ(profilesFolder, home.path + "/.Fieldstack/Profiles/");
    EXPECT_EQ(profilesListFile, home.path + "/.Fieldstack/Profiles/profiles.dat");
}

TEST(PathsTest, ExistingFoldersAndFilesAreLeftAsTheyAre) {
    TempHome home;
    fs::create_directories(home.path + "/.Fieldstack/Profiles/p1");
    { std::ofstream(home.path + "/.Fieldstack/Profiles/p1/profile.dat") << "kept"; }
    ASSERT_TRUE(setupUserFolders());
    std::ifstream in(home.path + "/.Fieldstack/Profiles/p1/profile.dat");
    std::string content;
    in >> content;
    EXPECT_EQ(content, "kept");
}

TEST(PathsTest, EmptyOrUnsetHomeFallsBackToUserDatabase) {
    TempHome home;  // restores HOME afterwards
    std::string fromDatabase = platform::userDatabaseHome();
    setenv("HOME", "", 1);
    EXPECT_EQ(TLinuxVolume().GetUserAppDir(), fromDatabase);
    unsetenv("HOME");
    EXPECT_EQ(TLinuxVolume().GetUserAppDir(), fromDatabase);
}

TEST(PathsTest, FolderThatCannotBeCreatedIsReported) {
    TempHome home;
    // A file where the per-user folder should be.
    { std::ofstream(home.path + "/.Fieldstack") << "in the way"; }
    testing::internal::CaptureStderr();
    EXPECT_FALSE(setupUserFolders());
    std::string err = testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find(" >> BLAD! << : "), std::string::npos) << err;
}

}  // namespace
