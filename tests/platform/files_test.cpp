// Files and folders: the text encodings, path helpers and the atomic writer.
#include "platform/files.h"

#include <gtest/gtest.h>
#include <pwd.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>

#include "support/scratch_folder.h"

namespace {

using platform::decodeText;
using platform::encodeText;

const std::string kReplacement = "\xEF\xBF\xBD";  // U+FFFD in UTF-8

struct DecodeCase {
    const char* name;
    std::string bytes;
    std::string utf8;
};

class DecodeTextTest : public ::testing::TestWithParam<DecodeCase> {};

TEST_P(DecodeTextTest, GivesUtf8) {
    EXPECT_EQ(decodeText(GetParam().bytes), GetParam().utf8);
}

INSTANTIATE_TEST_SUITE_P(
    Marks, DecodeTextTest,
    ::testing::Values(
        DecodeCase{"Empty", "", ""},
        DecodeCase{"Latin1Ascii", "abc\n", "abc\n"},
        DecodeCase{"Latin1HighBytes", std::string("caf\xE9 \xFF\x80", 7), "caf\xC3\xA9 \xC3\xBF\xC2\x80"},
        DecodeCase{"Latin1Nul", std::string("a\0b", 3), std::string("a\0b", 3)},
        DecodeCase{"Utf8Mark", "\xEF\xBB\xBFz\xC5\x82\xC3\xB3\xC5\x82w", "z\xC5\x82\xC3\xB3\xC5\x82w"},
        DecodeCase{"Utf8MarkOnly", "\xEF\xBB\xBF", ""},
        DecodeCase{"Utf8Emoji", "\xEF\xBB\xBF\xF0\x9F\x98\x80", "\xF0\x9F\x98\x80"},
        DecodeCase{"Utf8StrayContinuation", "\xEF\xBB\xBF" "a\x80z", "a" + kReplacement + "z"},
        DecodeCase{"Utf8Overlong", "\xEF\xBB\xBF\xC0\xAF", kReplacement + kReplacement},
        DecodeCase{"Utf8Surrogate", "\xEF\xBB\xBF\xED\xA0\x80", kReplacement + kReplacement + kReplacement},
        DecodeCase{"Utf8TruncatedThenAscii", "\xEF\xBB\xBF\xE2\x82z", kReplacement + "z"},
        DecodeCase{"Utf8TruncatedAtEnd", "\xEF\xBB\xBF" "a\xF0\x9F\x98", "a" + kReplacement},
        DecodeCase{"Utf8AboveRange", "\xEF\xBB\xBF\xF4\x90\x80\x80", kReplacement + kReplacement + kReplacement + kReplacement},
        DecodeCase{"Utf8InvalidLead", "\xEF\xBB\xBF\xFF", kReplacement},
        DecodeCase{"Utf16LeAscii", std::string("\xFF\xFE" "a\0b\0", 6), "ab"},
        DecodeCase{"Utf16BeAscii", std::string("\xFE\xFF\0a\0b", 6), "ab"},
        DecodeCase{"Utf16LePolish", std::string("\xFF\xFE\x42\x01", 4), "\xC5\x82"},
        DecodeCase{"Utf16BePolish", std::string("\xFE\xFF\x01\x42", 4), "\xC5\x82"},
        DecodeCase{"Utf16LeSurrogatePair", std::string("\xFF\xFE\x3D\xD8\x00\xDE", 6), "\xF0\x9F\x98\x80"},
        DecodeCase{"Utf16BeSurrogatePair", std::string("\xFE\xFF\xD8\x3D\xDE\x00", 6), "\xF0\x9F\x98\x80"},
        DecodeCase{"Utf16LoneHighThenChar", std::string("\xFF\xFE\x3D\xD8" "a\0", 6), kReplacement + "a"},
        DecodeCase{"Utf16LoneHighAtEnd", std::string("\xFF\xFE" "a\0\x3D\xD8", 6), "a" + kReplacement},
        DecodeCase{"Utf16LoneLow", std::string("\xFF\xFE\x00\xDE" "a\0", 6), kReplacement + "a"},
        DecodeCase{"Utf16OddByteDropped", std::string("\xFF\xFE" "a\0b", 5), "a"},
        DecodeCase{"Utf16MarkOnly", "\xFE\xFF", ""},
        DecodeCase{"Utf16Nul", std::string("\xFF\xFE\0\0", 4), std::string("\0", 1)}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(EncodeText, OneBytePerCharacterUpTo255) {
    EXPECT_EQ(encodeText("abc\n"), "abc\n");
    EXPECT_EQ(encodeText("caf\xC3\xA9 \xC3\xBF"), "caf\xE9 \xFF");
    EXPECT_EQ(encodeText(""), "");
}

TEST(EncodeText, Utf16LittleEndianWithMarkAbove255) {
    EXPECT_EQ(encodeText("a\xC5\x82"), std::string("\xFF\xFE" "a\0\x42\x01", 6));
    // Above U+FFFF: a surrogate pair.
    EXPECT_EQ(encodeText("\xF0\x9F\x98\x80"), std::string("\xFF\xFE\x3D\xD8\x00\xDE", 6));
}

TEST(EncodeText, TextThatWouldLookLikeAMarkIsWrittenMarked) {
    // "\xFE\xFF" as Latin-1 bytes would be read back as UTF-16; the marked form
    // keeps the text.
    for (const std::string text : {"\xC3\xBE\xC3\xBFx", "\xC3\xBF\xC3\xBEx", "\xC3\xAF\xC2\xBB\xC2\xBFx"}) {
        const std::string bytes = encodeText(text);
        EXPECT_EQ(bytes.substr(0, 2), "\xFF\xFE");
        EXPECT_EQ(decodeText(bytes), text);
    }
}

TEST(EncodeText, InvalidUtf8BecomesReplacement) {
    EXPECT_EQ(decodeText(encodeText("a\x80")), "a" + kReplacement);
}

TEST(EncodeText, RoundTripsEveryKindOfText) {
    const std::string texts[] = {
        "", "plain", "settings {\n\tmute = 0\n}\n\n", "\xC3\xA9t\xC3\xA9", "\xC5\xBC\xC3\xB3\xC5\x82w",
        "\xF0\x9F\x8F\x86 cup", std::string("nul\0inside", 10), "\xEF\xBF\xBD", "\xC3\xBF",
    };
    for (const auto& t : texts) EXPECT_EQ(decodeText(encodeText(t)), t) << t;
}

TEST(PathHelpers, AbsolutePathFoldsDotsAndSlashes) {
    EXPECT_EQ(platform::absolutePath("/a/./b//c/../d"), "/a/b/d");
    EXPECT_EQ(platform::absolutePath("/../x"), "/x");
    EXPECT_EQ(platform::absolutePath("/"), "/");
    EXPECT_EQ(platform::absolutePath("/a/b/"), "/a/b");
    const std::string cwd = platform::currentFolder();
    EXPECT_EQ(platform::absolutePath("data/cards.dat"), platform::absolutePath(cwd + "/data/cards.dat"));
    EXPECT_EQ(platform::absolutePath(""), platform::absolutePath(cwd));
}

TEST(PathHelpers, FolderPart) {
    EXPECT_EQ(platform::folderPart("gfx/gui/window/temat1.txt"), "gfx/gui/window");
    EXPECT_EQ(platform::folderPart("/home/u/.Fieldstack/Data/settings.dat"), "/home/u/.Fieldstack/Data");
    EXPECT_EQ(platform::folderPart("settings.dat"), "");
    EXPECT_EQ(platform::folderPart("/settings.dat"), "/");
    EXPECT_EQ(platform::folderPart("a/"), "a");
}

TEST(PathHelpers, KindsAndFolders) {
    ScratchFolder dir;
    EXPECT_EQ(platform::pathKind(dir.path()), platform::PathKind::FOLDER);
    EXPECT_EQ(platform::pathKind(dir.file("none")), platform::PathKind::NONE);
    EXPECT_EQ(platform::pathKind(""), platform::PathKind::NONE);
    dir.write("f.txt", "x");
    EXPECT_EQ(platform::pathKind(dir.file("f.txt")), platform::PathKind::FILE);

    EXPECT_TRUE(platform::createFolder(dir.file("Data")));
    EXPECT_EQ(platform::pathKind(dir.file("Data")), platform::PathKind::FOLDER);
    EXPECT_FALSE(platform::createFolder(dir.file("Data")));       // already there
    EXPECT_FALSE(platform::createFolder(dir.file("a/b/c")));      // parents are not created
    EXPECT_EQ(platform::pathKind(dir.file("a")), platform::PathKind::NONE);
}

TEST(PathHelpers, ChangeFolder) {
    ScratchFolder dir;
    const std::string before = platform::currentFolder();
    ASSERT_TRUE(platform::changeFolder(dir.path()));
    EXPECT_EQ(std::filesystem::equivalent(platform::currentFolder(), dir.path()), true);
    EXPECT_FALSE(platform::changeFolder(dir.file("missing")));
    ASSERT_TRUE(platform::changeFolder(before));
    EXPECT_EQ(platform::currentFolder(), before);
}

TEST(Environment, ReadsVariablesAndUserDatabase) {
    ::setenv("FIELDSTACK_FILES_TEST_VAR", "value", 1);
    EXPECT_EQ(platform::environment("FIELDSTACK_FILES_TEST_VAR"), "value");
    ::unsetenv("FIELDSTACK_FILES_TEST_VAR");
    EXPECT_EQ(platform::environment("FIELDSTACK_FILES_TEST_VAR"), "");

    const struct passwd* pw = ::getpwuid(::getuid());
    ASSERT_NE(pw, nullptr);
    EXPECT_EQ(platform::userDatabaseHome(), pw->pw_dir);
}

TEST(ReadFiles, FolderAndMissingFileReadAsMissing) {
    ScratchFolder dir;
    std::string text = "old";
    EXPECT_FALSE(platform::readTextFile(dir.path(), text));
    EXPECT_EQ(text, "");
    text = "old";
    EXPECT_FALSE(platform::readTextFile(dir.file("missing.txt"), text));
    EXPECT_EQ(text, "");
    std::string bytes = "old";
    EXPECT_FALSE(platform::readBinaryFile(dir.path(), bytes));
    EXPECT_EQ(bytes, "");
}

TEST(ReadFiles, TextIsDecodedBinaryIsNot) {
    ScratchFolder dir;
    const std::string raw("\xFF\xFE" "a\0\x42\x01", 6);
    const std::string path = dir.write("t.txt", raw);
    std::string text, bytes;
    ASSERT_TRUE(platform::readTextFile(path, text));
    EXPECT_EQ(text, "a\xC5\x82");
    ASSERT_TRUE(platform::readBinaryFile(path, bytes));
    EXPECT_EQ(bytes, raw);
    // A large file comes in whole.
    const std::string big(300000, 'x');
    ASSERT_TRUE(platform::readBinaryFile(dir.write("big.bin", big), bytes));
    EXPECT_EQ(bytes, big);
}

// Names in the folder other than the given ones (no temporary files left).
std::vector<std::string> leftovers(const std::string& folder, const std::vector<std::string>& expected) {
    std::vector<std::string> extra;
    for (const auto& e : std::filesystem::directory_iterator(folder)) {
        const std::string name = e.path().filename().string();
        if (std::find(expected.begin(), expected.end(), name) == expected.end()) extra.push_back(name);
    }
    return extra;
}

TEST(WriteFileAtomic, CreatesAndReplaces) {
    ScratchFolder dir;
    const std::string path = dir.file("settings.dat");
    platform::WriteResult r = platform::writeFileAtomic(path, "first");
    EXPECT_TRUE(r.ok) << r.error;
    EXPECT_EQ(r.error, "");
    EXPECT_EQ(ScratchFolder::read(path), "first");
    r = platform::writeFileAtomic(path, "second, longer");
    EXPECT_TRUE(r.ok) << r.error;
    EXPECT_EQ(ScratchFolder::read(path), "second, longer");
    r = platform::writeFileAtomic(path, "");
    EXPECT_TRUE(r.ok) << r.error;
    EXPECT_EQ(ScratchFolder::read(path), "");
    EXPECT_TRUE(leftovers(dir.path(), {"settings.dat"}).empty());
}

TEST(WriteFileAtomic, WriteTextFileEncodes) {
    ScratchFolder dir;
    const std::string path = dir.file("t.txt");
    ASSERT_TRUE(platform::writeTextFile(path, "\xC3\xA9").ok);
    EXPECT_EQ(ScratchFolder::read(path), "\xE9");
    ASSERT_TRUE(platform::writeTextFile(path, "\xC5\x82").ok);
    EXPECT_EQ(ScratchFolder::read(path), std::string("\xFF\xFE\x42\x01", 4));
}

TEST(WriteFileAtomic, MissingFolderFailsAndCreatesNothing) {
    ScratchFolder dir;
    const platform::WriteResult r = platform::writeFileAtomic(dir.file("NoSuchFolder/settings.dat"), "x");
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.error, "");
    EXPECT_EQ(platform::pathKind(dir.file("NoSuchFolder")), platform::PathKind::NONE);
    EXPECT_TRUE(leftovers(dir.path(), {}).empty());
}

TEST(WriteFileAtomic, TargetThatIsAFolderFails) {
    ScratchFolder dir;
    ASSERT_TRUE(platform::createFolder(dir.file("profile.dat")));
    const platform::WriteResult r = platform::writeFileAtomic(dir.file("profile.dat"), "x");
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.error, "");
    EXPECT_EQ(platform::pathKind(dir.file("profile.dat")), platform::PathKind::FOLDER);
    EXPECT_TRUE(leftovers(dir.path(), {"profile.dat"}).empty());
}

TEST(WriteFileAtomic, BlockedTemporaryFileKeepsOldFile) {
    ScratchFolder dir;
    const std::string path = dir.write("profile.dat", "old content");
    // Something already sits where the temporary file would go.
    const std::string temp = path + ".tmp-" + std::to_string(::getpid());
    ASSERT_TRUE(platform::createFolder(temp));
    const platform::WriteResult r = platform::writeFileAtomic(path, "new content");
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.error.find(temp), std::string::npos) << r.error;
    EXPECT_EQ(ScratchFolder::read(path), "old content");
}

TEST(WriteFileAtomic, FailedWriteKeepsOldFileAndRemovesTemporary) {
    ScratchFolder dir;
    const std::string old(4096, 'o');
    const std::string path = dir.write("questlevel.lvl", old);
    // A file size limit makes the write itself fail part way (like a full disk).
    struct rlimit saved;
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    struct rlimit small = saved;
    small.rlim_cur = 1024;
    void (*previous)(int) = ::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const platform::WriteResult r = platform::writeFileAtomic(path, std::string(100000, 'n'));
    ::setrlimit(RLIMIT_FSIZE, &saved);
    ::signal(SIGXFSZ, previous);
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.error.find("write"), std::string::npos) << r.error;
    EXPECT_EQ(ScratchFolder::read(path), old);
    EXPECT_TRUE(leftovers(dir.path(), {"questlevel.lvl"}).empty());
}

TEST(WriteFileAtomic, ReadOnlyFolderKeepsOldFile) {
    ScratchFolder dir;
    ASSERT_EQ(::chmod(dir.path().c_str(), 0755), 0);
    ASSERT_TRUE(platform::createFolder(dir.file("ro")));
    const std::string path = dir.write("ro/settings.dat", "old");
    ASSERT_EQ(::chmod(dir.file("ro").c_str(), 0555), 0);
    // The superuser may write anywhere, so the write runs in a child that
    // gives up those rights first. Exit codes: 0 failed as it should,
    // 1 the write succeeded, 2 the old file changed, 3 no error text.
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (::geteuid() == 0) {
            const struct passwd* nobody = ::getpwnam("nobody");
            if (nobody == nullptr || ::setgid(nobody->pw_gid) != 0 || ::setuid(nobody->pw_uid) != 0) ::_exit(9);
        }
        const platform::WriteResult r = platform::writeFileAtomic(path, "new");
        if (r.ok) ::_exit(1);
        if (ScratchFolder::read(path) != "old") ::_exit(2);
        ::_exit(r.error.empty() ? 3 : 0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    if (WEXITSTATUS(status) == 9) GTEST_SKIP() << "cannot drop superuser rights to test permissions";
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(ScratchFolder::read(path), "old");
    EXPECT_TRUE(leftovers(dir.file("ro"), {"settings.dat"}).empty());
}

}  // namespace
