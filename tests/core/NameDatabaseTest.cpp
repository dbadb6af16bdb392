#include "data/NameDatabase.h"
#include "data/Bootstrap.h"
#include "support/FixtureDatabase.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <thread>

using namespace jm;
using jm::test::FixtureBuilder;
using jm::test::TempDir;
namespace fs = std::filesystem;

TEST(Schema, CreateTableTexts)
{
    EXPECT_EQ(createTableSql("NM_X", { { "Id", 3, 10, 0, "" }, { "汉字", 10, 2, 0, "" } }),
        "create table NM_X (Id Integer(10),汉字 VarChar(2))");
    EXPECT_EQ(createTableSql("NM_X", {}), "create table NM_X");
    EXPECT_EQ(createTableSql("T", { { "a", 9, 0, 7, "1" } }),
        "create table T (a  Primary Key AutoIncrement Not Null Default 1)");
    const auto& t = schemaTables();
    ASSERT_EQ(t.size(), 9u);
    EXPECT_EQ(createTableSql(t[0].name, t[0].columns),
        "create table NM_CNWord (Id Integer(10),code Integer(10),汉字 VarChar(2),简体 VarChar(2),繁体 VarChar(2),"
        "简体笔画数 Integer(10),繁体笔画数 Integer(10),拼音1 VarChar(20),拼音2 VarChar(20),声母 VarChar(1),"
        "韵母 VarChar(3),部首 VarChar(1),五行属性 VarChar(2),五笔 VarChar(4),基本解释 VarChar(700),"
        "详细解释 VarChar(700))");
    EXPECT_EQ(createTableSql(t[6].name, t[6].columns),
        "create table NM_育儿百科 (ID Integer(10),分类ID VarChar(50),分类标题 VarChar(20),标题 VarChar(100),"
        "内容 VarChar(2000))");
    EXPECT_EQ(t[7].columns.size(), 5u);
    EXPECT_EQ(t[1].columns.size(), 21u);
    EXPECT_EQ(t[2].columns.size(), 10u);
}

TEST(NameDatabase, ReadingConventions)
{
    NameDatabase db;
    ASSERT_TRUE(db.open());
    ASSERT_TRUE(db.execute("create table t (a Integer(10), b VarChar(5))"));
    ASSERT_TRUE(db.execute("insert into t values (12, 'x'), (13, NULL)"));

    Statement empty = db.query("select a, b from t where a=?", { 99LL });
    EXPECT_TRUE(empty);
    EXPECT_EQ(db.columnText(empty, 0), "");
    EXPECT_EQ(db.columnInt(empty, 0), 0);
    EXPECT_FALSE(db.nextRow(empty));
    EXPECT_TRUE(db.finalize(empty));

    Statement rows = db.query("select a, b from t order by a");
    EXPECT_EQ(db.columnText(rows, 0), "12"); // integers read as decimal text
    EXPECT_EQ(db.columnText(rows, 1), "x");
    EXPECT_TRUE(db.nextRow(rows));
    EXPECT_EQ(db.columnText(rows, 1), ""); // NULL
    EXPECT_FALSE(db.nextRow(rows));

    Statement bad = db.query("selec * frm t");
    EXPECT_FALSE(bad);
    EXPECT_EQ(db.columnText(bad, 0), "");
    EXPECT_FALSE(db.nextRow(bad));
    EXPECT_FALSE(db.finalize(bad));
}

TEST(NameDatabase, HostileValuesAreOnlyValues)
{
    NameDatabase db;
    ASSERT_TRUE(db.open());
    ASSERT_TRUE(db.execute("create table t (k VarChar(20))"));
    ASSERT_TRUE(db.execute("insert into t values ('a')"));
    for (const char* value : { "\"", "'", ";", "--", "a\"; drop table t; --", "' or '1'='1", "\" or \"\"=\"" }) {
        SCOPED_TRACE(value);
        Statement s = db.query("select k from t where k=?", { std::string(value) });
        EXPECT_TRUE(s);
        EXPECT_FALSE(s.onRow());
    }
    Statement still = db.query("select count(*) from t");
    EXPECT_EQ(db.columnInt(still, 0), 1);
}

TEST(NameDatabase, ClosedDatabaseReadsEmpty)
{
    NameDatabase db;
    EXPECT_FALSE(db.close());
    Statement s = db.query("select 1");
    EXPECT_FALSE(s);
    const Result<void> closed = db.execute("select 1");
    EXPECT_FALSE(closed);
    EXPECT_EQ(closed.error(), "the database is not open");
    ASSERT_TRUE(db.open());
    const Result<void> empty = db.createTable("NM_X", {});
    EXPECT_FALSE(empty);
    EXPECT_EQ(empty.error(), "incomplete input"); // the engine's own text
    EXPECT_TRUE(db.execute("select 1"));
    EXPECT_TRUE(db.close());
}

TEST(NameDatabase, OpenDoesNotCreateMissingFile)
{
    TempDir dir;
    NameDatabase db;
    EXPECT_FALSE(db.open((dir.path() / "none.db").string()));
    EXPECT_FALSE(fs::exists(dir.path() / "none.db"));
}

TEST(Bootstrap, CopiesEveryTableAndDetaches)
{
    TempDir dir;
    const fs::path file = FixtureBuilder::standard().write(dir.path() / "it's \"odd\"; --.db");
    NameDatabase db;
    const Result<void> r = bootstrapDatabase(db, file.string());
    ASSERT_TRUE(r.ok()) << r.error();
    Statement n = db.query("select count(*) from NM_八一灵动数");
    EXPECT_EQ(db.columnInt(n, 0), 81);
    Statement k = db.query("select count(*) from NM_三才配置");
    EXPECT_EQ(db.columnInt(k, 0), 125);
    EXPECT_FALSE(db.query("select 汉字 from new_db.NM_CNWord"));
    Statement idx = db.query("select count(*) from sqlite_master where type='index'");
    EXPECT_EQ(db.columnInt(idx, 0), 5);
}

// The database lives in memory: once loaded, the file may change or go.
TEST(Bootstrap, TheLoadedCopyOutlivesTheFile)
{
    TempDir dir;
    const fs::path file = FixtureBuilder::standard().write(dir.path() / "namedata.db");
    NameDatabase db;
    const Result<void> r = bootstrapDatabase(db, file.string());
    ASSERT_TRUE(r.ok()) << r.error();
    std::ofstream(file, std::ios::trunc) << "overwritten";
    fs::remove(file);
    Statement n = db.query("select count(*) from NM_八一灵动数 where Id = ?", { 81LL });
    EXPECT_EQ(db.columnInt(n, 0), 1);
    // A table the file lacks is made empty in memory, and writing it leaves no file behind.
    EXPECT_TRUE(db.execute("insert into NM_姓氏读音 values ('张', 'zhang')"));
    EXPECT_FALSE(fs::exists(file));
}

// Indexes the file brings are kept when they read as ours; one of our
// names on another column is rebuilt, so lookups keep their index.
TEST(Bootstrap, IndexesOfTheFileAreKeptOrRebuilt)
{
    TempDir dir;
    const fs::path file = FixtureBuilder::standard().write(dir.path() / "indexed.db");
    sqlite3* raw = nullptr;
    sqlite3_open(file.c_str(), &raw);
    sqlite3_exec(raw, "CREATE INDEX NewIndex1 on NM_CNWord(Id); CREATE INDEX NewIndex2 on NM_八一灵动数(Id ASC)",
        nullptr, nullptr, nullptr);
    sqlite3_close(raw);
    NameDatabase db;
    const Result<void> r = bootstrapDatabase(db, file.string());
    ASSERT_TRUE(r.ok()) << r.error();
    Statement idx = db.query("select name, sql from sqlite_master where type='index' order by name");
    std::vector<std::string> found;
    for (bool more = idx.onRow(); more; more = db.nextRow(idx))
        found.push_back(db.columnText(idx, 0) + ": " + db.columnText(idx, 1));
    EXPECT_EQ(found,
        (std::vector<std::string> { "NewIndex1: CREATE INDEX NewIndex1 on NM_CNWord(汉字 ASC)",
            "NewIndex2: CREATE INDEX NewIndex2 on NM_八一灵动数(Id ASC)",
            "NewIndex3: CREATE INDEX NewIndex3 on NM_三才配置(三才 ASC)",
            "NewIndex4: CREATE INDEX NewIndex4 on NM_起名用字(字 ASC)",
            "NewIndex5: CREATE INDEX NewIndex5 on NM_字音(字 ASC)" }));
}

TEST(Bootstrap, Failures)
{
    TempDir dir;
    {
        NameDatabase db;
        const Result<void> r = bootstrapDatabase(db, (dir.path() / "missing.db").string());
        EXPECT_FALSE(r.ok());
        EXPECT_EQ(r.error(), kMessageAttachFailed);
        EXPECT_FALSE(fs::exists(dir.path() / "missing.db"));
        EXPECT_FALSE(db.isOpen());
    }
    {
        const fs::path junk = dir.path() / "junk.db";
        std::ofstream(junk) << "this is not a database at all, just some text that is long enough to matter......";
        NameDatabase db;
        const Result<void> r = bootstrapDatabase(db, junk.string());
        EXPECT_FALSE(r.ok());
        EXPECT_FALSE(db.isOpen());
    }
    {
        const fs::path empty = dir.path() / "empty.db";
        std::ofstream { empty };
        NameDatabase db;
        EXPECT_FALSE(bootstrapDatabase(db, empty.string()).ok());
        EXPECT_FALSE(db.isOpen());
    }
    {
        // NM_EName with nine columns instead of ten: rolled back, closed, engine message.
        const fs::path narrow = FixtureBuilder::standard().write(dir.path() / "narrow.db");
        sqlite3* raw = nullptr;
        sqlite3_open(narrow.c_str(), &raw);
        sqlite3_exec(raw,
            "drop table NM_EName; create table NM_EName (Id Integer(10),EIndex VarChar(1),"
            "EIndex2 VarChar(2),Name VarChar(20),NameLength VarChar(10),Sex Integer(10),"
            "Cnword VarChar(50),Morphology VarChar(20),Languag VarChar(20))",
            nullptr, nullptr, nullptr);
        sqlite3_close(raw);
        NameDatabase db;
        const Result<void> r = bootstrapDatabase(db, narrow.string());
        EXPECT_FALSE(r.ok());
        EXPECT_NE(r.error().find("columns"), std::string::npos) << r.error();
        EXPECT_FALSE(db.isOpen());
        EXPECT_FALSE(db.query("select 汉字 from NM_CNWord"));
    }
    {
        // The right names with another declared type: the values would take another affinity.
        const fs::path retyped = FixtureBuilder::standard().write(dir.path() / "retyped.db");
        sqlite3* raw = nullptr;
        sqlite3_open(retyped.c_str(), &raw);
        sqlite3_exec(raw,
            "drop table NM_Poet; create table NM_Poet (Id VarChar(10),Poet VarChar(10),"
            "PoemCount VarChar(10),OrderId Integer(10))",
            nullptr, nullptr, nullptr);
        sqlite3_close(raw);
        NameDatabase db;
        const Result<void> r = bootstrapDatabase(db, retyped.string());
        EXPECT_FALSE(r.ok());
        EXPECT_NE(r.error().find("columns (Id VarChar(10),"), std::string::npos) << r.error();
        EXPECT_FALSE(db.isOpen());
    }
    {
        // The declared columns, but a table without rowid: the same names and types are not enough.
        const fs::path keyed = FixtureBuilder::standard().write(dir.path() / "keyed.db");
        sqlite3* raw = nullptr;
        sqlite3_open(keyed.c_str(), &raw);
        sqlite3_exec(raw,
            "drop table NM_Poet; create table NM_Poet (Id Integer(10) primary key,Poet VarChar(10),"
            "PoemCount VarChar(10),OrderId Integer(10)) without rowid",
            nullptr, nullptr, nullptr);
        sqlite3_close(raw);
        NameDatabase db;
        const Result<void> r = bootstrapDatabase(db, keyed.string());
        EXPECT_FALSE(r.ok());
        EXPECT_NE(r.error().find("without rowid"), std::string::npos) << r.error();
        EXPECT_FALSE(db.isOpen());
    }
    {
        const fs::path missingTable = FixtureBuilder::standard().write(dir.path() / "notable.db");
        sqlite3* raw = nullptr;
        sqlite3_open(missingTable.c_str(), &raw);
        sqlite3_exec(raw, "drop table NM_百家姓", nullptr, nullptr, nullptr);
        sqlite3_close(raw);
        NameDatabase db;
        const Result<void> r = bootstrapDatabase(db, missingTable.string());
        EXPECT_FALSE(r.ok());
        EXPECT_NE(r.error().find("no such table"), std::string::npos) << r.error();
    }
}

TEST(Bootstrap, QueriesWaitForTheBootstrap)
{
    TempDir dir;
    const fs::path file = FixtureBuilder::standard().write(dir.path() / "f.db");
    NameDatabase db;
    db.announceBootstrap(); // as the window does before starting the thread
    std::atomic<int> seen { -1 };
    std::thread reader([&] {
        Statement s = db.query("select count(*) from NM_CNWord");
        seen = db.columnInt(s, 0);
    });
    std::thread boot([&] {
        const Result<void> r = bootstrapDatabase(db, file.string());
        EXPECT_TRUE(r.ok());
    });
    boot.join();
    reader.join();
    EXPECT_GT(seen.load(), 20);
}
