#pragma once

#include "data/NameDatabase.h"
#include "scoring/Caution.h"
#include "scoring/FiveGrids.h"
#include "scoring/Fortune.h"
#include "scoring/Pages.h"

#include <array>
#include <filesystem>
#include <string>
#include <vector>

namespace jm {

/// One character slot of the report. `character` is the text that was looked
/// up (empty for a slot the layout does not use); when the character has no
/// usable NM_CNWord row, the strokes are 0 and every other text is empty.
struct AnalysedCharacter : CharacterInfo {
    /// NM_CNWord 繁体.
    std::string traditionalForm;
    /// NM_CNWord 拼音2.
    std::string pinyin;
};

/// What the report shows of one grid. Every text is empty when the number
/// has no NM_八一灵动数 row (the summary then reads "()").
struct GridReading {
    int number = 0;
    std::string element;
    Fortune grade;
    /// 解释一 + "(" + 解释三 + ")".
    std::string summary;
    /// 解释二 followed by the labelled 基业, 家庭, 健康 and 含义 texts.
    std::string detail;
    /// 数理暗示 with every "|" turned into "<BR>".
    std::string hints;
};

/// The full analysis of one name.
struct NameAnalysis {
    std::vector<std::string> surnameCharacters;
    std::vector<std::string> givenCharacters;
    AnalysedCharacter S1, S2, G1, G2;
    FiveGrids grids;
    /// 天格, 人格, 地格, 总格, 外格.
    std::array<GridReading, 5> readings;
    Fortune threeTalentsGrade;
    std::string threeTalentsSummary;
    std::string threeTalentsDetail;
    /// Influences on 基础运, 成功运, 人际关系 and 性格.
    std::array<std::string, 4> influences;
    double exactScore = 0;
    int score = 0;
    std::string verdict;
    /// What a parent should know about the full name (NameAdvisor); the
    /// report shows them in its box 起名提示.
    std::vector<Caution> cautions;

    /// The six grades in weight order: five grids, then 三才.
    std::array<Fortune, 6> grades() const;
    /// True when the surname / given name has at most one character.
    bool singleSurname() const { return surnameCharacters.size() <= 1; }
    bool singleGiven() const { return givenCharacters.size() <= 1; }
};

/// Analyses surname + given name from the database: characters from
/// NM_CNWord (unusable rows count as absent; a single surname 于 takes its
/// simplified count as its Kangxi count), the five grids with their
/// NM_八一灵动数 readings, the NM_三才配置 reading, the weighted score and the
/// verdict. Reads only; writes no file. A closed or empty database gives a
/// valid analysis with zeros and empty texts. Any thread; one Statement at a
/// time on `db`. The cautions take `sex` ("男", "女", or empty when unknown).
NameAnalysis analyseName(
    NameDatabase& db, const std::string& surname, const std::string& given, std::string_view sex = {});

/// The report's placeholders with their values, in the order in which they
/// are replaced (起名提示, the cautions with their typed text escaped, last). The second character of a single surname
/// or given name has empty values (not 0); the typed characters are HTML-escaped.
std::vector<Placeholder> reportValues(const NameAnalysis& analysis);

/// The cautions as the report's box 起名提示 shows them: one line each, kind
/// and sentence HTML-escaped; a reassuring line when there are none.
std::string cautionsHtml(const std::vector<Caution>& cautions);

/// The score report page of an analysis as UTF-8 HTML (the embedded report
/// template with every placeholder filled in its fixed order). The typed
/// characters are HTML-escaped; database texts go in as stored.
std::string reportPage(const NameAnalysis& analysis);

/// Writes `reportPage` as GBK bytes to `directory`/temp.html, replacing the
/// file. False when it cannot be written.
bool writeReportPage(const NameAnalysis& analysis, const std::filesystem::path& directory);

/// The detail window's and scoring page's call: replaces `analysis` by the
/// analysis of the name, rewrites `directory`/temp.html (a failed write is
/// not reported) and returns the integer score.
int analyseName(NameDatabase& db, const std::string& surname, const std::string& given, NameAnalysis& analysis,
    const std::filesystem::path& directory);

} // namespace jm
