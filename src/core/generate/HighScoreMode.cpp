#include "generate/HighScoreMode.h"

#include "generate/CandidatePipeline.h"
#include "generate/CharacterLists.h"
#include "generate/GenerationModes.h"
#include "scoring/NameAdvisor.h"
#include "text/Text.h"

#include <algorithm>

namespace jm {

void runHighScoreMode(GenerationRun& run)
{
    const GenerationRequest& request = run.request();
    run.phase(GenerationPhase::SettingUp);
    std::vector<std::string> characters = splitCharacters(characterListForSex(request.sex));
    shuffleTexts(characters, run.random());
    if (!request.showAllNames) {
        // Draw the candidates from the characters a parent could choose, so
        // that the list is not mostly made of names it leaves out anyway.
        const NameAdvisor advisor = NameAdvisor::load(run.database(), characters);
        const std::vector<std::string> surnameChars = splitCharacters(request.surname);
        std::erase_if(characters, [&](const std::string& c) {
            return advisor.excludeCharacter(advisor.facts(c), request.sex) != Exclusion::None
                || std::find(surnameChars.begin(), surnameChars.end(), c) != surnameChars.end();
        });
    }
    const std::size_t wanted = run.nameLength() == 2 ? kHighScoreCandidatesTwo : kHighScoreCandidatesOne;
    if (characters.size() > wanted) characters.resize(wanted);
    characters.push_back(request.surname);
    run.data().candidateCharacters = std::move(characters);

    run.phase(GenerationPhase::FormingCandidates);
    if (!formCandidateNames(run)) return;

    int threshold = 0;
    if (run.nameLength() == 2) {
        if (request.generationCharacter.kind == GenerationCharacterSetting::Kind::None)
            threshold = kHighScoreThreshold;
        else
            run.message({ kMessageTitle, kMessageGenerationCharacterSet, MessageIcon::Warning });
    }
    fillScoredList(run, threshold, kHighScoreCapacity);
}

} // namespace jm
