#pragma once

#include "data/NameDatabase.h"

#include <filesystem>
#include <string>
#include <vector>

namespace jm::test {

/// One NM_CNWord row for a fixture.
struct FixtureCharacter {
    std::string character;
    int simplifiedStrokes;
    int traditionalStrokes;
    std::string element;
    std::string pinyin = {};
    std::string traditionalForm = {};
    std::string initial = {};
};

/// Builds small database files of the shipped structure for tests.
class FixtureBuilder {
public:
    FixtureBuilder& character(const FixtureCharacter& c);
    /// An NM_八一灵动数 row; texts default to distinct readable values.
    FixtureBuilder& number(int id, const std::string& grade, std::vector<std::string> texts = {});
    /// An NM_三才配置 row with its grade; texts default to distinct values.
    FixtureBuilder& threeTalents(const std::string& key, const std::string& grade, std::vector<std::string> texts = {});
    /// Any row of any table, values in column order (numbers as text are fine).
    FixtureBuilder& row(const std::string& table, std::vector<std::string> values);

    /// The usual fixture: the characters of the worked examples, the 81
    /// traditional grades and every three-talents key graded by element
    /// relations.
    static FixtureBuilder standard();
    /// Adds the grade rows of the usual fixture (the 81 traditional grades
    /// and every three-talents key) without its characters.
    FixtureBuilder& standardGrades();

    /// Writes the file (replacing it). Returns its path.
    std::filesystem::path write(const std::filesystem::path& file) const;

private:
    struct Row {
        std::string table;
        std::vector<std::string> values;
    };
    std::vector<Row> m_rows;
    int m_nextId = 1;
};

/// A fresh temporary directory, removed when the object dies.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::filesystem::path& path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

/// The traditional grade of each 81-number, index 1..81 (index 0 unused).
const std::vector<std::string>& traditionalNumberGrades();

} // namespace jm::test
