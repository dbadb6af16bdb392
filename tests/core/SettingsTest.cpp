#include "settings/Settings.h"

#include "support/FixtureDatabase.h"
#include "text/Text.h"

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>

using namespace jm;

namespace {

RecordFields fields(std::initializer_list<const char*> values)
{
    RecordFields f;
    std::size_t i = 0;
    for (const char* v : values)
        f[i++] = v;
    return f;
}

void writeBytes(const std::filesystem::path& file, const std::string& bytes)
{
    std::ofstream out(file, std::ios::binary);
    out << bytes;
}

} // namespace

TEST(RecordList, DecodesRowsAndFields)
{
    struct Case {
        const char* stored;
        std::vector<RecordFields> want;
    };
    const Case cases[] = {
        { "", {} },
        { "a;b|c|", { fields({ "a", "b" }), fields({ "c" }) } },
        { "x", { fields({ "x" }) } }, // no terminator: still one record
        { "a||b|", { fields({ "a" }), fields({}), fields({ "b" }) } }, // inner empty piece is an empty record
        { "a||", { fields({ "a" }), fields({}) } }, // only the last empty piece is dropped
        { "1;2;3;4;5;6;7;8;9|", { fields({ "1", "2", "3", "4", "5", "6", "7" }) } },
        { "张 三丰;4;4;火火土;4,11,14,17,4;火木火;86|",
            { fields({ "张\r\n三丰", "4", "4", "火火土", "4,11,14,17,4", "火木火", "86" }) } },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored);
        EXPECT_EQ(decodeRecordList(c.stored), c.want);
    }
}

TEST(RecordList, EncodesLineBreakAsOneSpaceAndRoundTrips)
{
    const std::vector<RecordFields> records = {
        fields({ "张\r\n三", "3", "4", "火", "1,2,3,4,5", "木火土", "90" }),
        fields({ "欧阳\r\n修", "", "", "", "", "", "0" }),
    };
    const std::string text = encodeRecordList(records);
    EXPECT_EQ(text, "张 三;3;4;火;1,2,3,4,5;木火土;90|欧阳 修;;;;;;0|");
    EXPECT_EQ(decodeRecordList(text), records);
}

TEST(SettingsValues, StoredNumbersSelectSexAndLength)
{
    struct Case {
        const char* stored;
        int sex;
        int length;
    };
    const Case cases[] = {
        { "", 0, 0 },
        { "0", 0, 0 },
        { "1", 1, 1 },
        { "-1", 1, 0 },
        { "2", 1, 0 },
        { "abc", 0, 0 },
        { "1abc", 1, 1 },
        { " 1", 1, 1 },
        { "1.5", 1, 0 },
        { "0.00000001", 0, 0 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored);
        Settings s("/nonexistent/config.dat");
        s.setText(SettingsKey::Sex, c.stored);
        s.setText(SettingsKey::NameLength, c.stored);
        EXPECT_EQ(s.sexIndex(), c.sex);
        EXPECT_EQ(s.nameLengthIndex(), c.length);
    }
}

TEST(IniDocument, ReadsLikeTheProfileFunctions)
{
    const IniDocument doc = IniDocument::parse("; comment\r\n"
                                               "orphan=before any section\r\n"
                                               "[Other]\r\n"
                                               "姓氏=不是这个\r\n"
                                               "[设置]\r\n"
                                               "  姓氏 =  张  \r\n"
                                               "Name=first\n"
                                               "NAME=second\n"
                                               "quoted=\" two blanks \"\n"
                                               "equation=a=b\n"
                                               "no equals sign\n"
                                               "[设置]\n"
                                               "later=merged\n");
    EXPECT_EQ(doc.value("设置", "姓氏"), "张");
    EXPECT_EQ(doc.value("设置", "name"), "first");
    EXPECT_EQ(doc.value("设置", "quoted"), " two blanks ");
    EXPECT_EQ(doc.value("设置", "equation"), "a=b");
    EXPECT_EQ(doc.value("设置", "later"), "merged");
    EXPECT_EQ(doc.value("Other", "姓氏"), "不是这个");
    EXPECT_FALSE(doc.value("设置", "orphan"));
    EXPECT_FALSE(doc.value("Missing", "姓氏"));
}

TEST(IniDocument, ValuesSurviveWriting)
{
    IniDocument doc;
    const char* values[] = { "", " lead", "trail ", "\"quoted\"", "'single'", "\"half", "a;b|c d", "x=y" };
    const auto key = [](std::size_t i) { return decimal(static_cast<long long>(i)) + "k"; };
    for (std::size_t i = 0; i < std::size(values); ++i)
        doc.setValue("设置", key(i), values[i]);
    const IniDocument back = IniDocument::parse(doc.serialize());
    for (std::size_t i = 0; i < std::size(values); ++i) {
        SCOPED_TRACE(values[i]);
        EXPECT_EQ(back.value("设置", key(i)), values[i]);
    }
}

TEST(SettingsFile, RoundTripsAsGbkAndKeepsHugeValuesWhole)
{
    test::TempDir dir;
    const auto file = dir.path() / "sub" / "config.dat";
    std::vector<RecordFields> records;
    for (int i = 0; i < 2000; ++i)
        records.push_back(
            fields({ "司马\r\n相如", "13", "29", "金水火", "11,18,29,29,12", "木金水", decimal(i).c_str() }));

    Settings written(file);
    written.setSurname("司马");
    written.setSexIndex(1);
    written.setNameLengthIndex(1);
    written.setCombinationCharacters("圣诚杰泽鹤航");
    written.setEnglishName("喆");
    written.setScoringName(" 相如 ");
    written.setRecords(records);
    EXPECT_FALSE(written.showAllNames()); // off until set
    written.setShowAllNames(true);
    ASSERT_TRUE(written.save());

    const std::string bytes = *readFileBytes(file);
    EXPECT_GT(bytes.size(), 50000u);
    EXPECT_NE(bytes.find(toGbk("[设置]\r\n姓氏=司马\r\n性别=1\r\n名字个数=1\r\n")), std::string::npos);
    EXPECT_EQ(bytes.find("设置"), std::string::npos) << "the file holds GBK, not UTF-8";

    Settings read(file);
    ASSERT_TRUE(read.load());
    EXPECT_EQ(read.surname(), "司马");
    EXPECT_EQ(read.sexIndex(), 1);
    EXPECT_EQ(read.nameLengthIndex(), 1);
    EXPECT_EQ(read.combinationCharacters(), "圣诚杰泽鹤航");
    EXPECT_EQ(read.englishName(), "喆");
    EXPECT_EQ(read.scoringName(), " 相如 ");
    EXPECT_EQ(read.records(), records);
    EXPECT_TRUE(read.showAllNames());
    EXPECT_NE(bytes.find(toGbk("显示全部名字=1\r\n")), std::string::npos);
}

TEST(SettingsFile, KeepsOtherSectionsAndSavesRecordsAtOnce)
{
    test::TempDir dir;
    const auto file = dir.path() / "config.dat";
    writeBytes(file, toGbk("[窗口]\r\n宽度=800\r\n[设置]\r\n姓氏=王\r\n"));
    Settings s(file);
    ASSERT_TRUE(s.load());
    ASSERT_TRUE(s.saveRecords({ fields({ "王\r\n一", "1" }) }));

    Settings back(file);
    back.load();
    EXPECT_EQ(back.surname(), "王");
    EXPECT_EQ(back.text(SettingsKey::Records), "王 一;1;;;;;|");
    EXPECT_EQ(IniDocument::parse(fromGbk(*readFileBytes(file))).value("窗口", "宽度"), "800");
}

TEST(SettingsFile, BadFilesGiveEmptyValues)
{
    test::TempDir dir;
    std::string binary;
    for (int i = 0; i < 4096; ++i)
        binary += static_cast<char>((i * 131 + 7) % 256);
    const std::string cases[] = {
        binary,
        toGbk("[设置") + std::string("\0", 1) + toGbk("姓氏=") + "\xFF\xFE\x81",
        toGbk("姓氏=张\r\n性别=1\r\n"), // keys without the section
        toGbk("[其他]\r\n姓氏=张\r\n"), // another section only
        std::string(3, '\0'),
        "[",
        "=",
    };
    for (const std::string& bytes : cases) {
        const auto file = dir.path() / "garbage.dat";
        writeBytes(file, bytes);
        Settings s(file);
        s.load();
        EXPECT_EQ(s.surname(), "");
        EXPECT_EQ(s.sexIndex(), 0);
        EXPECT_EQ(s.nameLengthIndex(), 0);
        EXPECT_TRUE(s.records().empty());
    }

    Settings missing(dir.path() / "absent.dat");
    EXPECT_FALSE(missing.load());
    EXPECT_EQ(missing.surname(), "");
}

TEST(SettingsFile, FailedWriteKeepsThePreviousFile)
{
    test::TempDir dir;
    const auto blocker = dir.path() / "not-a-directory";
    writeBytes(blocker, "x");
    Settings s(blocker / "config.dat");
    s.setSurname("张");
    EXPECT_FALSE(s.save());
    EXPECT_EQ(*readFileBytes(blocker), "x");
}

TEST(SettingsFile, LoadClearsTemporaryFilesOfKilledWriters)
{
    test::TempDir dir;
    const auto file = dir.path() / "config.dat";
    writeBytes(file, toGbk("[设置]\r\n姓氏=张\r\n"));
    const auto stale = dir.path() / "config.dat.tmp-Ab12Cd"; // left by a writer killed long ago
    const auto fresh = dir.path() / "config.dat.tmp-Xy34Zw"; // a writer may still be at work
    const auto other = dir.path() / "config.dat.backup"; // not ours
    for (const auto& f : { stale, fresh, other })
        writeBytes(f, "half a file");
    std::filesystem::last_write_time(stale, std::filesystem::file_time_type::clock::now() - std::chrono::hours(1));
    std::filesystem::last_write_time(other, std::filesystem::file_time_type::clock::now() - std::chrono::hours(1));

    Settings s(file);
    EXPECT_TRUE(s.load());
    EXPECT_EQ(s.surname(), "张");
    EXPECT_FALSE(std::filesystem::exists(stale));
    EXPECT_TRUE(std::filesystem::exists(fresh));
    EXPECT_TRUE(std::filesystem::exists(other));
}
