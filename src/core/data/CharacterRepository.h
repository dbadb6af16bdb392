#pragma once

#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace jm {

class NameDatabase;

/// One character of the dictionary table NM_CNWord, as stored.
struct CharacterRecord {
    /// 汉字, the lookup key.
    std::string character;
    /// 繁体, the traditional form.
    std::string traditionalForm;
    /// 简体笔画数 and 繁体笔画数; nothing when the column holds no number (NULL).
    std::optional<int> simplifiedStrokes;
    std::optional<int> traditionalStrokes;
    /// 拼音1 (plain letters) and 拼音2 (with tone marks).
    std::string pinyin1;
    std::string pinyin2;
    /// 声母, the pinyin initial (empty for a reading without one).
    std::string initial;
    /// 部首.
    std::string radical;
    /// 五行属性, one of 金 木 水 火 土 or empty.
    std::string element;
    /// 基本解释 and 详细解释, with their HTML line breaks.
    std::string basicExplanation;
    std::string detailedExplanation;
};

/// What scoring and generation read of a character: the two stroke counts
/// (0 for NULL) and the element.
struct CharacterStrokes {
    std::string character;
    int simplifiedStrokes = 0;
    int traditionalStrokes = 0;
    std::string element;
};

/// Reads NM_CNWord by 汉字. When a character has several rows, the first
/// (lowest rowid) is the one returned. A closed database finds nothing.
/// Any thread; cheap to construct.
class CharacterRepository {
public:
    explicit CharacterRepository(NameDatabase& db)
        : m_db(db)
    {
    }

    /// The whole record of `character`; nothing when the table has no row for it.
    std::optional<CharacterRecord> find(const std::string& character) const;
    /// Strokes and element of `character`; nothing when the table has no row for it.
    std::optional<CharacterStrokes> findStrokes(const std::string& character) const;
    /// Strokes and element of many characters with few queries, keyed by
    /// character; characters the table lacks are missing from the map.
    std::unordered_map<std::string, CharacterStrokes> findStrokesOfMany(
        const std::vector<std::string>& characters) const;

private:
    NameDatabase& m_db;
};

} // namespace jm
