#include "support/FixtureDatabase.h"

#include "data/Schema.h"

#include <sqlite3.h>

#include <cstdlib>
#include <stdexcept>

namespace fs = std::filesystem;

namespace jm::test {

FixtureBuilder& FixtureBuilder::character(const FixtureCharacter& c)
{
    const std::string id = std::to_string(m_nextId++);
    return row("NM_CNWord",
        { id, id, c.character, c.character, c.traditionalForm.empty() ? c.character : c.traditionalForm,
            std::to_string(c.simplifiedStrokes), std::to_string(c.traditionalStrokes), c.pinyin, c.pinyin, c.initial,
            "", "", c.element, "", "基本解释" + c.character, "详细解释" + c.character });
}

FixtureBuilder& FixtureBuilder::number(int id, const std::string& grade, std::vector<std::string> texts)
{
    static const char* kNames[8] = { "解释一", "解释二", "解释三", "基业", "家庭", "健康", "含义", "数理暗示" };
    std::vector<std::string> values = { std::to_string(id), grade };
    for (std::size_t i = 0; i < 8; ++i)
        values.push_back(i < texts.size() ? texts[i] : std::string(kNames[i]) + std::to_string(id));
    return row("NM_八一灵动数", values);
}

FixtureBuilder& FixtureBuilder::threeTalents(
    const std::string& key, const std::string& grade, std::vector<std::string> texts)
{
    std::vector<std::string> values = { std::to_string(m_nextId++), key, grade };
    for (std::size_t i = 0; i < 18; ++i)
        values.push_back(i < texts.size() ? texts[i] : key + "文" + std::to_string(i + 3));
    return row("NM_三才配置", values);
}

FixtureBuilder& FixtureBuilder::row(const std::string& table, std::vector<std::string> values)
{
    m_rows.push_back({ table, std::move(values) });
    return *this;
}

const std::vector<std::string>& traditionalNumberGrades()
{
    static const std::vector<std::string> grades = [] {
        const char* g[82] = { "", "大吉", "凶", "大吉", "凶", "大吉", "大吉", "吉", "吉", "凶", "凶", "大吉", "凶",
            "大吉", "凶", "大吉", "大吉", "吉", "吉", "凶", "凶", "大吉", "凶", "大吉", "大吉", "吉", "凶", "中", "凶",
            "吉", "中", "大吉", "大吉", "大吉", "凶", "吉", "凶", "大吉", "中", "大吉", "凶", "大吉", "凶", "凶", "凶",
            "大吉", "凶", "大吉", "大吉", "凶", "凶", "中", "吉", "中", "凶", "中", "凶", "吉", "中", "凶", "凶", "吉",
            "凶", "大吉", "凶", "大吉", "凶", "大吉", "大吉", "凶", "凶", "中", "凶", "中", "凶", "中", "凶", "中",
            "中", "凶", "凶", "大吉" };
        return std::vector<std::string>(g, g + 82);
    }();
    return grades;
}

FixtureBuilder FixtureBuilder::standard()
{
    FixtureBuilder b;
    const FixtureCharacter chars[] = {
        { "张", 7, 11, "火", "zhāng", "張", "zh" },
        { "三", 3, 3, "金", "sān", "三", "s" },
        { "丰", 4, 18, "木", "fēng", "豐", "f" },
        { "伟", 6, 11, "土", "wěi", "偉", "w" },
        { "欧", 8, 15, "土", "ōu", "歐", "" },
        { "阳", 6, 17, "土", "yáng", "陽", "y" },
        { "娜", 9, 10, "火", "nà", "娜", "n" },
        { "于", 3, 3, "土", "yú", "於", "y" },
        { "李", 7, 7, "木", "lǐ", "李", "l" },
        { "明", 8, 8, "火", "míng", "明", "m" },
        { "华", 6, 14, "水", "huá", "華", "h" },
        { "王", 4, 4, "土", "wáng", "王", "w" },
        { "海", 10, 11, "水", "hǎi", "海", "h" },
        { "林", 8, 8, "木", "lín", "林", "l" },
        { "金", 8, 8, "金", "jīn", "金", "j" },
        { "山", 3, 3, "土", "shān", "山", "sh" },
        { "小", 3, 3, "金", "xiǎo", "小", "x" },
        { "儿", 2, 8, "金", "ér", "兒", "" },
        { "阿", 7, 13, "土", "ā", "阿", "" },
        { "强", 12, 12, "木", "qiáng", "強", "q" },
        { "安", 6, 6, "土", "ān", "安", "" },
        { "诸", 10, 16, "金", "zhū", "諸", "zh" },
        { "葛", 12, 15, "木", "gě", "葛", "g" },
    };
    for (const auto& c : chars)
        b.character(c);
    // A character row that is present but unusable (no element).
    b.character({ "丁", 2, 2, "" });
    b.standardGrades();
    return b;
}

FixtureBuilder& FixtureBuilder::standardGrades()
{
    const auto& grades = traditionalNumberGrades();
    for (int n = 1; n <= 81; ++n)
        number(n, grades[static_cast<std::size_t>(n)]);

    // Three-talents keys graded by the relation of neighbouring elements.
    static const char* kElements[5] = { "木", "火", "土", "金", "水" };
    const auto generates = [](int a, int b) { return (a + 1) % 5 == b; };
    const auto overcomes = [](int a, int b) { return (a + 2) % 5 == b; };
    for (int h = 0; h < 5; ++h)
        for (int p = 0; p < 5; ++p)
            for (int e = 0; e < 5; ++e) {
                const int bad
                    = (overcomes(h, p) || overcomes(p, h) ? 1 : 0) + (overcomes(p, e) || overcomes(e, p) ? 1 : 0);
                const int good
                    = (generates(h, p) || generates(p, h) ? 1 : 0) + (generates(p, e) || generates(e, p) ? 1 : 0);
                std::string grade = bad == 2 ? "大凶" : bad == 1 ? (good ? "中" : "凶") : good == 2 ? "大吉" : "吉";
                threeTalents(std::string(kElements[h]) + kElements[p] + kElements[e], grade);
            }
    return *this;
}

fs::path FixtureBuilder::write(const fs::path& file) const
{
    std::error_code ec;
    fs::remove(file, ec);
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(file.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) != SQLITE_OK)
        throw std::runtime_error("cannot create fixture database");
    sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
    for (const auto* tables : { &schemaTables(), &adviceTables() })
        for (const TableDef& t : *tables)
            sqlite3_exec(db, createTableSql(t.name, t.columns).c_str(), nullptr, nullptr, nullptr);
    for (const Row& r : m_rows) {
        std::string sql = "insert into " + r.table + " values (";
        for (std::size_t i = 0; i < r.values.size(); ++i)
            sql += i ? ",?" : "?";
        sql += ")";
        sqlite3_stmt* stmt = nullptr;
        if (sqlite3_prepare_v2(db, sql.c_str(), -1, &stmt, nullptr) != SQLITE_OK) {
            sqlite3_close(db);
            throw std::runtime_error("fixture row does not fit table " + r.table);
        }
        for (std::size_t i = 0; i < r.values.size(); ++i)
            sqlite3_bind_text(stmt, static_cast<int>(i + 1), r.values[i].c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_step(stmt);
        sqlite3_finalize(stmt);
    }
    sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_close(db);
    return file;
}

TempDir::TempDir()
{
    std::string tmpl = (fs::temp_directory_path() / "jiaming-test-XXXXXX").string();
    if (!::mkdtemp(tmpl.data())) throw std::runtime_error("mkdtemp failed");
    m_path = tmpl;
}

TempDir::~TempDir()
{
    std::error_code ec;
    fs::remove_all(m_path, ec);
}

} // namespace jm::test
