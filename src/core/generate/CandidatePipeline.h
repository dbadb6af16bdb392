#pragma once

#include "generate/GenerationRun.h"
#include "generate/NameRow.h"
#include "scoring/NameScorer.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace jm {

/// Title of every message box of the generator.
inline constexpr const char* kMessageTitle = "提示";
/// Shown before one-character names are formed (information icon).
inline constexpr const char* kMessageOneCharacterNames = "一字名数理得分较低,所以软件自动降低评分标准!";

/// The most distinct characters a combination or poem run pairs. 400
/// characters make 160,000 two-character names, the size of a high-score
/// run, whose memory is measured (bench/RESULTS.md); the number of names
/// grows with the square of the characters.
inline constexpr std::size_t kMaxCandidateCharacters = 400;

/// The message of a run refused for too many characters.
std::string tooManyCharactersMessage(std::size_t distinctCharacters);

/// The characters in order with repeats removed (the first of each stays).
std::vector<std::string> distinctCharacters(const std::vector<std::string>& characters);

/// Removes repeated candidate characters (so no pair is formed twice) and,
/// when more than kMaxCandidateCharacters remain, shows
/// tooManyCharactersMessage and returns false: the run then lists nothing.
bool limitCandidateCharacters(GenerationRun& run);

/// One NM_CNWord row as stored: strokes and element exactly as the table
/// holds them (a character missing from the table reads 0, 0 and ""), so a
/// present row without element keeps its strokes.
CharacterInfo loadCharacterInfo(NameDatabase& db, const std::string& character);

/// Looks each candidate character up in order, appends its record to the
/// run's CharacterTable and hands it to `use` (index, record); a checkpoint
/// follows each character. Makes data().parts the candidate characters
/// first. False when the run was stopped.
bool loadCandidateCharacters(GenerationRun& run, const std::function<void(std::size_t, const CharacterInfo&)>& use);

/// Phase 1 of the high-score, poem and combination modes: forms the
/// candidate names from the candidate characters by name length and
/// generation-character setting. For one-character names it first shows
/// kMessageOneCharacterNames. False when the run was stopped.
bool formCandidateNames(GenerationRun& run);

/// Adds a record for every character of the surname and of every part that
/// the table does not hold yet (a two-character surname entered as one
/// entry, a fixed generation character), after the candidate records.
/// fillScoredList does this itself; call it earlier to read the surname.
void completeCharacterTable(GenerationRun& run);

/// Phase 2 of the scored modes: scores every candidate name that does not
/// contain the surname and lists those scoring at least `threshold`, up to
/// `capacity` names when there is one (the first listed name is then
/// reported through onFirstListed). Unless the request shows all names, a
/// name a parent would reject is left out before it counts (see
/// GenerationRequest::showAllNames; the counts go to result().excluded).
/// Every listed row carries its cautions. The list then is sorted by score
/// (equal scores varied by first character unless all names are shown) and
/// renumbered. False when the run was stopped (the list then holds the
/// names listed so far, in listing order).
bool fillScoredList(GenerationRun& run, int threshold, std::optional<std::size_t> capacity);

/// Sets each row's sort key from its 评分 text and orders the rows with the
/// larger key first (rows with equal keys keep their order).
void sortListByScore(std::vector<NameRow>& rows);
/// Orders each band of equal scores round-robin by the first character of
/// the given name (the characters in order of first appearance), so that
/// consecutive rows change it while the band holds several (each group
/// starts at a different row of its own, so the second characters vary
/// too). Repeatable: the order depends only on the rows. The rows must
/// be sorted by score; the surname is the first `surnameBytes` of 姓名.
void varyFirstCharacters(std::vector<NameRow>& rows, std::size_t surnameBytes);
/// Writes 1..n into the 编号 column.
void renumberRows(std::vector<NameRow>& rows);

/// The row of one scored name.
NameRow makeNameRow(std::size_t number, const std::string& surname, const std::string& given, const NameScore& score);

} // namespace jm
