#pragma once

#include "generate/GenerationRun.h"
#include "generate/NameList.h"
#include "generate/NameRow.h"
#include "scoring/NameScorer.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace jm {

/// Title of every message box of the generator.
inline constexpr const char* kMessageTitle = "提示";
/// Shown before one-character names are formed (information icon).
inline constexpr const char* kMessageOneCharacterNames = "一字名数理得分较低,所以软件自动降低评分标准!";

/// The most distinct characters a combination or poem run pairs. The
/// number of names grows with the square of the characters: 2,000 make 4
/// million, about 100 MB of listed names with their order; the longest
/// poems (蒙求, 1,267 distinct characters) stay well below (bench/RESULTS.md).
inline constexpr std::size_t kMaxCandidateCharacters = 2000;

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
/// reported through FirstListed). Unless the request shows all names, a
/// name a parent would reject is left out before it counts (see
/// GenerationRequest::showAllNames; the counts go to result().excluded).
/// The names go to result().names as ListedName (with the kinds of their
/// cautions); result().order is then their order sorted by score (equal
/// scores varied by first character unless all names are shown). False when
/// the run was stopped (the order is then the listing order).
bool fillScoredList(GenerationRun& run, int threshold, std::optional<std::size_t> capacity);

/// Indexes 0 .. count - 1 ordered by `score`, larger first; equal scores
/// keep their order.
std::vector<std::uint32_t> orderByScore(std::size_t count, const std::function<int(std::uint32_t)>& score);
/// Orders each band of equal scores of `order` (sorted by score)
/// round-robin by `group` (the first character of the given name; groups in
/// order of first appearance), so that consecutive rows change it while the
/// band holds several (each group starts at a different row of its own, so
/// the second characters vary too). Repeatable: the order depends only on
/// the rows.
void varyFirstCharacters(std::vector<std::uint32_t>& order, const std::function<int(std::uint32_t)>& score,
    const std::function<std::uint32_t(std::uint32_t)>& group);

/// The row of one scored name, as the scorer gives it (no cautions).
NameRow makeNameRow(std::size_t number, const std::string& surname, const std::string& given, const NameScore& score);

} // namespace jm
