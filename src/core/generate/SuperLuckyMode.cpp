#include "generate/SuperLuckyMode.h"

#include "generate/CandidatePipeline.h"
#include "generate/CharacterLists.h"
#include "generate/GenerationModes.h"
#include "text/Text.h"

#include <cstdint>
#include <vector>

namespace jm {

ElementSets ElementSets::from(const SuperLuckyOptions& options)
{
    // A switched-on group without a checked box allows every element; the
    // must-not group then forbids none.
    const auto allowed = [](const ElementFilterGroup& g) {
        return g.enabled && !g.elements.empty() ? g.elements : std::string(kAllElements);
    };
    ElementSets sets;
    sets.second = allowed(options.secondCharacter);
    sets.third = allowed(options.thirdCharacter);
    sets.mustHave = allowed(options.allMustHave);
    sets.mustNot = options.noneMayHave.enabled ? options.noneMayHave.elements : std::string();
    return sets;
}

int superLuckyThreshold(std::string_view heavenGrade)
{
    if (heavenGrade == "大凶") return 96;
    if (heavenGrade == "凶") return 98;
    if (heavenGrade == "中") return 99;
    if (heavenGrade == "吉" || heavenGrade == "大吉") return 100;
    return 0;
}

void runSuperLuckyMode(GenerationRun& run)
{
    const GenerationRequest& request = run.request();
    const SuperLuckyOptions& options = request.superLucky;
    run.phase(GenerationPhase::SettingUp);
    // Always two-character given names from the whole list for the sex; the
    // name length and the generation character do not apply here.
    std::vector<std::string> characters = splitCharacters(characterListForSex(request.sex));
    shuffleTexts(characters, run.random());
    characters.push_back(request.surname);
    run.data().candidateCharacters = std::move(characters);
    const ElementSets sets = ElementSets::from(options);

    run.phase(GenerationPhase::FormingCandidates);
    const bool byPosition = options.secondCharacter.enabled || options.thirdCharacter.enabled;
    const bool allCharacters = !byPosition && (options.allMustHave.enabled || options.noneMayHave.enabled);
    std::vector<std::uint32_t> second, third, both;
    const bool loaded = loadCandidateCharacters(run, [&](std::size_t i, const CharacterInfo& info) {
        if (!isUsableCharacter(info)) return;
        const auto index = static_cast<std::uint32_t>(i);
        if (byPosition) {
            if (ElementSets::contains(sets.second, info.element)) second.push_back(index);
            if (ElementSets::contains(sets.third, info.element)) third.push_back(index);
        } else if (allCharacters) {
            if (ElementSets::contains(sets.mustHave, info.element)
                && !ElementSets::contains(sets.mustNot, info.element))
                both.push_back(index);
        }
    });
    if (!loaded) return;

    std::vector<CandidateName>& names = run.data().candidateNames;
    names.clear();
    const auto pairs = [&names](const std::vector<std::uint32_t>& outer, const std::vector<std::uint32_t>& inner) {
        names.reserve(outer.size() * inner.size());
        for (std::uint32_t a : outer)
            for (std::uint32_t b : inner)
                names.push_back({ a, b });
    };
    if (byPosition)
        pairs(second, third);
    else if (allCharacters)
        pairs(both, both);

    // The surname fixes the heaven grid, so its grade sets how close to 100
    // a name must come.
    completeCharacterTable(run);
    NameScorer scorer(run.database(), run.data().table);
    const int threshold = superLuckyThreshold(scorer.surnameHeavenFortune(request.surname));
    fillScoredList(run, threshold, kSuperLuckyCapacity);
}

} // namespace jm
