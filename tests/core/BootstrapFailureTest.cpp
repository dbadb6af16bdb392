#include "data/BootstrapFailure.h"

#include "data/Bootstrap.h"
#include "data/NameDatabase.h"
#include "support/FixtureDatabase.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>

#include <unistd.h>

using namespace jm;
namespace fs = std::filesystem;

namespace {

void writeBytes(const fs::path& file, const std::string& bytes)
{
    std::ofstream(file, std::ios::binary) << bytes;
}

} // namespace

// Each way the shipped file can be wrong gives a message that names the file
// and says why, in words a user understands, and never blames DirectX.
TEST(BootstrapFailure, NamesTheFileAndTheCause)
{
    test::TempDir dir;
    struct Case {
        const char* file;
        std::function<void(const fs::path&)> make;
        const char* cause;
    };
    const Case cases[] = {
        { "missing.db", [](const fs::path&) {}, "文件不存在" },
        { "folder.db", [](const fs::path& f) { fs::create_directory(f); }, "这是一个文件夹" },
        { "empty.db", [](const fs::path& f) { writeBytes(f, ""); }, "文件是空的" },
        { "text.db", [](const fs::path& f) { writeBytes(f, std::string(200, 'x')); }, "不是 SQLite 数据库文件" },
        { "cut.db",
            [](const fs::path& f) {
                // The first page of a real database and nothing after it.
                const fs::path whole = f.parent_path() / "whole.db";
                test::FixtureBuilder::standard().write(whole);
                std::ifstream in(whole, std::ios::binary);
                std::string head(4096, '\0');
                in.read(head.data(), static_cast<std::streamsize>(head.size()));
                writeBytes(f, head);
            },
            "可能已损坏" },
        { "other.db",
            [](const fs::path& f) {
                NameDatabase other;
                ASSERT_TRUE(other.open(f.string(), true));
                ASSERT_TRUE(other.execute("create table 别的表 (a Integer)"));
                other.close();
            },
            "缺少必需的数据表" },
        { "columns.db",
            [](const fs::path& f) {
                NameDatabase other;
                ASSERT_TRUE(other.open(f.string(), true));
                ASSERT_TRUE(other.execute("create table NM_CNWord (Id Integer, 汉字 VarChar(2))"));
                other.close();
            },
            "数据表的列与本版本不符" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        const fs::path file = dir.path() / c.file;
        c.make(file);
        NameDatabase db;
        const Result<void> result = bootstrapDatabase(db, file.string());
        ASSERT_FALSE(result);
        const std::string message = describeBootstrapFailure(file, result.error());
        EXPECT_NE(message.find(file.string()), std::string::npos) << message;
        EXPECT_NE(message.find(c.cause), std::string::npos) << message;
        EXPECT_NE(message.find("现在都不能使用"), std::string::npos) << message;
        EXPECT_EQ(message.find("directx"), std::string::npos) << message;
    }
}

TEST(BootstrapFailure, AnUnreadableFileIsSaidToBeUnreadable)
{
    if (::geteuid() == 0) GTEST_SKIP() << "root reads every file";
    test::TempDir dir;
    const fs::path file = test::FixtureBuilder::standard().write(dir.path() / "namedata.db");
    fs::permissions(file, fs::perms::none);
    NameDatabase db;
    const Result<void> result = bootstrapDatabase(db, file.string());
    ASSERT_FALSE(result);
    EXPECT_NE(describeBootstrapFailure(file, result.error()).find("没有读取这个文件的权限"), std::string::npos);
    fs::permissions(file, fs::perms::owner_all);
}
