// Two running programs on one settings file: the second is told and never
// writes, so neither loses the other's records; when the first dies, however
// it dies, the lock goes with it.
#include "settings/Settings.h"

#include "support/FixtureDatabase.h"

#include <gtest/gtest.h>

#include <csignal>

#include <sys/wait.h>
#include <unistd.h>

using namespace jm;

namespace {

RecordFields record(const char* name)
{
    return { name, "1", "2", "木", "1,2,3,4,5", "木火土", "90" };
}

/// A second process that owns the file: it takes the lock, saves one record,
/// reports on the pipe and waits to be killed.
pid_t startOwner(const std::filesystem::path& file, int reportFd)
{
    const pid_t child = ::fork();
    if (child != 0) return child;
    Settings settings(file);
    if (!settings.lock()) _exit(3);
    if (!settings.saveRecords({ record("张\r\n三") })) _exit(4);
    const char ready = 'r';
    if (::write(reportFd, &ready, 1) != 1) _exit(5);
    for (;;)
        ::pause();
}

} // namespace

TEST(SettingsTwoInstances, TheSecondNeverWritesAndAKilledOwnerFreesTheFile)
{
    test::TempDir dir;
    const auto file = dir.path() / "config.dat";
    int fds[2];
    ASSERT_EQ(::pipe(fds), 0);
    const pid_t owner = startOwner(file, fds[1]);
    ASSERT_GT(owner, 0);
    char ready = 0;
    ASSERT_EQ(::read(fds[0], &ready, 1), 1);

    {
        Settings second(file);
        const Result<void> locked = second.lock();
        ASSERT_FALSE(locked);
        EXPECT_NE(locked.error().find(file.string()), std::string::npos);
        ASSERT_TRUE(second.load());
        EXPECT_EQ(second.records().size(), 1u);
        const Result<void> saved = second.saveRecords({ record("李\r\n四") });
        EXPECT_FALSE(saved);
        Settings check(file);
        ASSERT_TRUE(check.load());
        EXPECT_EQ(check.records(), std::vector<RecordFields> { record("张\r\n三") });
    }

    ::kill(owner, SIGKILL);
    int status = 0;
    ::waitpid(owner, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status));
    ::close(fds[0]);
    ::close(fds[1]);

    Settings next(file);
    ASSERT_TRUE(next.lock()) << "a killed owner leaves no lock behind";
    ASSERT_TRUE(next.load());
    std::vector<RecordFields> records = next.records();
    ASSERT_EQ(records, std::vector<RecordFields> { record("张\r\n三") });
    records.push_back(record("李\r\n四"));
    ASSERT_TRUE(next.saveRecords(records));
    Settings reread(file);
    ASSERT_TRUE(reread.load());
    EXPECT_EQ(reread.records().size(), 2u);
}
