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

TEST(SettingsValues, WindowStateTextsReadBackOrReadAsAbsent)
{
    struct MomentCase {
        const char* stored;
        std::optional<StoredMoment> want;
    };
    const MomentCase moments[] = {
        { "2024-5-17 8:30", StoredMoment { 2024, 5, 17, 8, 30 } },
        { " 2024-05-07 08:05 ", StoredMoment { 2024, 5, 7, 8, 5 } },
        { "2024-2-31 23:59", StoredMoment { 2024, 2, 31, 23, 59 } }, // the boxes offer day 31 in every month
        { "", std::nullopt },
        { "2024-5-17", std::nullopt },
        { "2024-13-1 0:00", std::nullopt },
        { "2024-5-0 0:00", std::nullopt },
        { "2024-5-17 24:00", std::nullopt },
        { "2024-5-17 8:60", std::nullopt },
        { "2024-5-17 8:30:00", std::nullopt },
        { "2024/5/17 8:30", std::nullopt },
        { "二〇二四-5-17 8:30", std::nullopt },
        { "99999999999-5-17 8:30", std::nullopt },
    };
    for (const MomentCase& c : moments) {
        SCOPED_TRACE(c.stored);
        EXPECT_EQ(parseStoredMoment(c.stored), c.want);
        if (c.want) {
            EXPECT_EQ(parseStoredMoment(formatStoredMoment(*c.want)), c.want);
        }
    }

    struct GeometryCase {
        const char* stored;
        std::optional<StoredGeometry> want;
    };
    const GeometryCase geometries[] = {
        { "100,80,729,513", StoredGeometry { 100, 80, 729, 513 } },
        { "-1920, 0, 800, 600", StoredGeometry { -1920, 0, 800, 600 } }, // a screen left of the first one
        { "100,80,0,513", std::nullopt },
        { "100,80,729", std::nullopt },
        { "100,80,729,513,1", std::nullopt },
        { "100,80,729,x", std::nullopt },
        { "0,0,999999,513", std::nullopt },
    };
    for (const GeometryCase& c : geometries) {
        SCOPED_TRACE(c.stored);
        Settings s("/nonexistent/config.dat");
        s.setText(SettingsKey::WindowGeometry, c.stored);
        EXPECT_EQ(s.windowGeometry(), c.want);
    }

    const std::pair<const char*, int> skins[] = { { "3", 3 }, { "", 0 }, { "0", 0 }, { "-2", 0 }, { "3a", 0 } };
    for (const auto& [stored, want] : skins) {
        Settings s("/nonexistent/config.dat");
        s.setText(SettingsKey::Skin, stored);
        EXPECT_EQ(s.skin(), want) << stored;
    }
}

TEST(SettingsFile, WindowStateIsAddedToAnOlderFileAndKeepsUnknownKeys)
{
    test::TempDir dir;
    const auto file = dir.path() / "config.dat";
    // A file of an earlier version, with a key this version does not know.
    writeBytes(file, toGbk("[设置]\r\n姓氏=王\r\n未来的键=留着\r\n名字记录=张 三;4|\r\n"));
    {
        Settings s(file);
        ASSERT_TRUE(s.load());
        EXPECT_EQ(s.windowGeometry(), std::nullopt);
        EXPECT_FALSE(s.windowMaximized());
        EXPECT_EQ(s.skin(), 0);
        EXPECT_EQ(s.mode(), "");
        EXPECT_EQ(s.birthDate(), std::nullopt);
        EXPECT_EQ(s.chartDate(), std::nullopt);
        EXPECT_FALSE(s.chartUsesOwnDate());
        s.setWindowGeometry({ 40, 30, 900, 640 });
        s.setWindowMaximized(true);
        s.setSkin(4);
        s.setMode("诗词起名");
        s.setBirthDate({ 2026, 3, 9, 14, 5 });
        s.setChartDate({ 2013, 1, 1, 0, 0 });
        s.setChartUsesOwnDate(true);
        ASSERT_TRUE(s.save());
    }
    const std::string text = fromGbk(*readFileBytes(file));
    EXPECT_NE(text.find("未来的键=留着\r\n"), std::string::npos);
    EXPECT_NE(text.find("出生日期=2026-3-9 14:05\r\n"), std::string::npos);
    Settings back(file);
    ASSERT_TRUE(back.load());
    EXPECT_EQ(back.surname(), "王");
    EXPECT_EQ(back.records().size(), 1u);
    EXPECT_EQ(back.windowGeometry(), (StoredGeometry { 40, 30, 900, 640 }));
    EXPECT_TRUE(back.windowMaximized());
    EXPECT_EQ(back.skin(), 4);
    EXPECT_EQ(back.mode(), "诗词起名");
    EXPECT_EQ(back.birthDate(), (StoredMoment { 2026, 3, 9, 14, 5 }));
    EXPECT_EQ(back.chartDate(), (StoredMoment { 2013, 1, 1, 0, 0 }));
    EXPECT_TRUE(back.chartUsesOwnDate());
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
    ASSERT_TRUE(back.load());
    EXPECT_EQ(back.surname(), "王");
    EXPECT_EQ(back.text(SettingsKey::Records), "v2|王%0D%0A一;1;;;;;;|");
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
        (void)s.load();
        EXPECT_EQ(s.surname(), "");
        EXPECT_EQ(s.sexIndex(), 0);
        EXPECT_EQ(s.nameLengthIndex(), 0);
        EXPECT_TRUE(s.records().empty());
    }

    Settings missing(dir.path() / "absent.dat");
    EXPECT_TRUE(missing.load()); // a first start is no error
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

TEST(RecordList, AddsOnceRemovesAndNumbersInOrder)
{
    RecordList list;
    EXPECT_TRUE(list.add(fields({ "张\r\n三丰", "1" })));
    EXPECT_FALSE(list.add(fields({ "张\r\n三丰", "2" }))); // the same name once
    EXPECT_TRUE(list.add(fields({ "张三\r\n丰", "3" }))); // the line break elsewhere: another name
    EXPECT_TRUE(list.add(fields({ "李\r\n四", "4" })));
    EXPECT_FALSE(list.remove(3));
    EXPECT_TRUE(list.remove(1));
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list.records()[0][1], "1");
    EXPECT_EQ(list.records()[1][1], "4");
    EXPECT_EQ(RecordList::numberOf(1), "2");
    RecordList withEmpty(std::vector<RecordFields> { fields({}) });
    EXPECT_FALSE(withEmpty.remove(0)); // a record without a name is not deleted
}

TEST(RecordList, EveryFieldRoundTripsAndOldTextsReadAsBefore)
{
    const std::vector<RecordFields> records = {
        fields({ "张 \r\n三;丰|", "a b", "%41", "\"q\"", "'s'", "line\nbreak\rcr", "\t" }),
        fields({ "v2|", "", "", "", "", "", "" }),
        fields({}),
        fields({ "欧阳\r\n修", "16", "16", "土木", "1,2,3,4,5", "木火土", "90" }),
    };
    const std::string text = RecordList(records).encode();
    EXPECT_EQ(text.find_first_of(" \r\n\t\""), std::string::npos) << text;
    EXPECT_EQ(RecordList::decode(text).records(), records);
    EXPECT_EQ(RecordList::decode("").records(), std::vector<RecordFields> {});

    // The earlier versions' texts: the same rows as decodeRecordList gives.
    for (const char* old : { "a;b|c|", "张 三丰;4;4;火火土;4,11,14,17,4;火木火;86|", "a||b|", "x" }) {
        SCOPED_TRACE(old);
        EXPECT_EQ(RecordList::decode(old).records(), decodeRecordList(old));
    }
}

TEST(SettingsFile, FieldsWithSpacesAndSeparatorsSurviveRestarts)
{
    test::TempDir dir;
    const auto file = dir.path() / "config.dat";
    const std::vector<RecordFields> records = { fields({ "司 马\r\n相;如|", "1 2", "", "", "", "", "9" }) };
    {
        Settings s(file);
        ASSERT_TRUE(s.saveRecords(records));
    }
    for (int restart = 0; restart < 3; ++restart) {
        Settings s(file);
        ASSERT_TRUE(s.load());
        EXPECT_EQ(s.records(), records);
        s.setRecords(s.records());
        ASSERT_TRUE(s.save());
    }
}

TEST(SettingsFile, ReadsAFileOfTheEarlierVersion)
{
    test::TempDir dir;
    const auto file = dir.path() / "config.dat";
    writeBytes(
        file, toGbk("[设置]\r\n姓氏=王\r\n名字记录=张 三丰;4;4;火火土;4,11,14,17,4;火木火;86|欧阳 修;;;;;;0|a||\r\n"));
    Settings s(file);
    ASSERT_TRUE(s.load());
    EXPECT_EQ(s.records(),
        (std::vector<RecordFields> { fields({ "张\r\n三丰", "4", "4", "火火土", "4,11,14,17,4", "火木火", "86" }),
            fields({ "欧阳\r\n修", "", "", "", "", "", "0" }), fields({ "a" }), fields({}) }));
}

TEST(SettingsFile, ReadsUtf8FilesNulBytesAndEveryLineEnd)
{
    test::TempDir dir;
    const std::string utf8 = "[设置]\r\n姓氏=欧阳\r\n性别=1\r\n";
    std::string withCr = "[设置]\r姓氏=欧阳\r性别=1\r";
    struct Case {
        const char* label;
        std::string bytes;
    };
    const Case cases[] = {
        { "GBK", toGbk(utf8) },
        { "UTF-8", utf8 },
        { "UTF-8 with BOM", "\xEF\xBB\xBF" + utf8 },
        { "LF only", "[设置]\n姓氏=欧阳\n性别=1\n" },
        { "CR only", withCr },
        { "CR only, GBK", toGbk(withCr) },
        { "stray NUL", toGbk("[设置]\r\n姓") + std::string(1, '\0') + toGbk("氏=欧阳\r\n性别=1\r\n") },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        const auto file = dir.path() / "config.dat";
        writeBytes(file, c.bytes);
        Settings s(file);
        EXPECT_TRUE(s.load());
        EXPECT_EQ(s.surname(), "欧阳");
        EXPECT_EQ(s.sexIndex(), 1);
    }
}

TEST(SettingsFile, AnUnreadableFileIsNeverWrittenOver)
{
    test::TempDir dir;
    // A folder where the file belongs reads like a file that cannot be read
    // (for root, permissions alone would not stop the read).
    const auto file = dir.path() / "config.dat";
    std::filesystem::create_directory(file);
    writeBytes(file / "inside", "keep");
    Settings s(file);
    const Result<void> loaded = s.load();
    ASSERT_FALSE(loaded);
    EXPECT_NE(loaded.error().find("无法读取"), std::string::npos) << loaded.error();
    s.setSurname("张");
    const Result<void> saved = s.save();
    ASSERT_FALSE(saved);
    EXPECT_NE(saved.error().find("不会保存"), std::string::npos) << saved.error();
    EXPECT_TRUE(std::filesystem::is_directory(file));
    EXPECT_EQ(*readFileBytes(file / "inside"), "keep");
}

TEST(SettingsFile, APartlyReadFileIsBackedUpBeforeItIsReplaced)
{
    test::TempDir dir;
    const auto file = dir.path() / "config.dat";
    const std::string original = toGbk("[设置]\r\n姓氏=张\r\n这一行不是设置\r\n名字记录=a;b|\r\n") + "\xFF\xFF";
    writeBytes(file, original);
    writeBytes(dir.path() / "config.dat.bak", "an older backup");
    Settings s(file);
    const Result<void> loaded = s.load();
    ASSERT_FALSE(loaded);
    EXPECT_NE(loaded.error().find("备份"), std::string::npos) << loaded.error();
    EXPECT_EQ(s.surname(), "张"); // what could be read is kept
    EXPECT_EQ(s.records().size(), 1u);
    ASSERT_TRUE(s.save());
    ASSERT_TRUE(s.backupFile());
    EXPECT_EQ(s.backupFile()->filename(), "config.dat.bak1");
    EXPECT_EQ(*readFileBytes(*s.backupFile()), original);
    EXPECT_EQ(*readFileBytes(dir.path() / "config.dat.bak"), "an older backup");
    ASSERT_TRUE(s.save()); // one backup per file read
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "config.dat.bak2"));
}

TEST(SettingsFile, OneOwnerAtATime)
{
    test::TempDir dir;
    const auto file = dir.path() / "config.dat";
    Settings first(file);
    ASSERT_TRUE(first.lock());
    Settings second(file);
    const Result<void> locked = second.lock();
    ASSERT_FALSE(locked);
    EXPECT_NE(locked.error().find("另一个嘉名"), std::string::npos) << locked.error();
    second.setSurname("李");
    EXPECT_FALSE(second.save());
    EXPECT_FALSE(std::filesystem::exists(file));
    first.setSurname("张");
    EXPECT_TRUE(first.save());
}
