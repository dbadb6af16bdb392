#include "generate/RequestCheck.h"

#include "generate/CandidatePipeline.h"
#include "generate/CombinationMode.h"
#include "generate/PoemMode.h"
#include "scoring/NameInput.h"
#include "text/Text.h"

namespace jm {

Result<void> checkGenerationRequest(NameDatabase& db, GenerationRequest& request)
{
    GenerationRequest checked = request;
    if (request.mode != GenerationMode::English) {
        const Result<CheckedText> surname = checkSurname(db, request.surname);
        if (!surname) return Failure { surname.error() };
        checked.surname = surname->text;
    }
    GenerationCharacterSetting& generation = checked.generationCharacter;
    if (generation.kind != GenerationCharacterSetting::Kind::None) {
        const Result<CheckedText> fixed = checkGenerationCharacter(db, generation.fixedText());
        if (!fixed) return Failure { fixed.error() };
        (generation.kind == GenerationCharacterSetting::Kind::Second ? generation.secondCharacter
                                                                     : generation.thirdCharacter)
            = fixed->text;
    }
    std::size_t distinct = 0;
    if (request.mode == GenerationMode::Combination)
        distinct
            = distinctCharacters(splitCharacters(keepHanzi(request.combination.characters + checked.surname))).size();
    if (request.mode == GenerationMode::Poem)
        distinct
            = distinctCharacters(splitCharacters(poemCandidateText(request.poem.characters, checked.surname))).size();
    if (distinct > kMaxCandidateCharacters) return Failure { tooManyCharactersMessage(distinct) };
    request = std::move(checked);
    return success();
}

} // namespace jm
