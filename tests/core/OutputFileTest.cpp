// What the one file writer of the program does with whatever sits at the
// target: it writes regular files only and never replaces anything else.
#include "settings/Paths.h"

#include "support/FixtureDatabase.h"

#include <gtest/gtest.h>

#include <csignal>
#include <fstream>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace jm;
namespace fs = std::filesystem;

namespace {

void writeBytes(const fs::path& file, const std::string& bytes)
{
    std::ofstream(file, std::ios::binary) << bytes;
}

fs::file_type typeAt(const fs::path& p)
{
    std::error_code ec;
    return fs::symlink_status(p, ec).type();
}

/// The files of a folder other than the ones named, e.g. a leftover temporary file.
int entries(const fs::path& folder)
{
    int n = 0;
    for ([[maybe_unused]] const auto& e : fs::directory_iterator(folder))
        ++n;
    return n;
}

} // namespace

TEST(OutputFile, WritesAndReplacesRegularFilesKeepingTheirMode)
{
    test::TempDir dir;
    const fs::path file = dir.path() / "list.txt";
    ASSERT_TRUE(writeFileAtomically(file, "first"));
    EXPECT_EQ(*readFileBytes(file), "first");
    ::chmod(file.c_str(), 0600);
    ASSERT_TRUE(writeFileAtomically(file, "second"));
    EXPECT_EQ(*readFileBytes(file), "second");
    struct stat info { };
    ASSERT_EQ(::stat(file.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0600u);
    EXPECT_EQ(entries(dir.path()), 1);
}

TEST(OutputFile, FollowsALinkAndWritesTheFileItNames)
{
    test::TempDir dir;
    const fs::path target = dir.path() / "real.txt";
    const fs::path link = dir.path() / "link.txt";
    writeBytes(target, "old");
    fs::create_symlink(target, link);
    ASSERT_TRUE(writeFileAtomically(link, "new"));
    EXPECT_EQ(typeAt(link), fs::file_type::symlink);
    EXPECT_EQ(*readFileBytes(target), "new");

    const fs::path dangling = dir.path() / "dangling.txt";
    fs::create_symlink(dir.path() / "nowhere" / "x.txt", dangling);
    const Result<void> refused = writeFileAtomically(dangling, "x");
    EXPECT_FALSE(refused);
    EXPECT_EQ(typeAt(dangling), fs::file_type::symlink);
}

TEST(OutputFile, RefusesWhatIsNotARegularFileAndLeavesItAlone)
{
    test::TempDir dir;
    const fs::path fifo = dir.path() / "pipe";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
    const fs::path folder = dir.path() / "folder";
    fs::create_directory(folder);
    const fs::path readOnly = dir.path() / "read-only.txt";
    writeBytes(readOnly, "keep");
    ::chmod(readOnly.c_str(), 0444);
    struct Case {
        fs::path path;
        fs::file_type type;
        const char* reason;
    };
    const Case cases[] = {
        { fifo, fs::file_type::fifo, "不是普通文件" },
        { folder, fs::file_type::directory, "目录" },
        { readOnly, fs::file_type::regular, "只读" },
        { "/dev/null", fs::file_type::character, "不是普通文件" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path.string());
        const Result<void> written = writeFileAtomically(c.path, "replaced");
        ASSERT_FALSE(written);
        EXPECT_NE(written.error().find(c.path.string()), std::string::npos) << written.error();
        EXPECT_NE(written.error().find(c.reason), std::string::npos) << written.error();
        EXPECT_EQ(typeAt(c.path), c.type);
    }
    EXPECT_EQ(*readFileBytes(readOnly), "keep");
    EXPECT_EQ(entries(dir.path()), 3);
}

TEST(OutputFile, AMissingFolderIsAnErrorAndIsNotCreated)
{
    test::TempDir dir;
    const fs::path file = dir.path() / "no" / "such" / "dir" / "x.txt";
    const Result<void> written = writeFileAtomically(file, "x");
    ASSERT_FALSE(written);
    EXPECT_NE(written.error().find("目录不存在"), std::string::npos) << written.error();
    EXPECT_FALSE(fs::exists(dir.path() / "no"));
}

// A full disk, as far as one process can see it: the file size limit makes
// write() fail part way, as ENOSPC does.
TEST(OutputFile, AFailedWriteKeepsTheOldFileAndLeavesNoTemporaryFile)
{
    test::TempDir dir;
    const fs::path file = dir.path() / "NameList.txt";
    writeBytes(file, "old list");
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit { 1024, 1024 };
        ::setrlimit(RLIMIT_FSIZE, &limit);
        const Result<void> written = writeFileAtomically(file, std::string(100000, 'x'));
        _exit(written ? 1 : written.error().empty() ? 2 : 0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(*readFileBytes(file), "old list");
    EXPECT_EQ(entries(dir.path()), 1);
}

TEST(OutputFile, ReadingTellsAMissingFileFromAnUnreadableOne)
{
    test::TempDir dir;
    const auto missing = readExistingFile(dir.path() / "absent");
    ASSERT_TRUE(missing);
    EXPECT_FALSE(missing->has_value());
    const auto folder = readExistingFile(dir.path());
    EXPECT_FALSE(folder);
    const fs::path fifo = dir.path() / "pipe";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
    EXPECT_FALSE(readExistingFile(fifo)); // and does not hang
}
