#include "generate/CombinationMode.h"

#include "generate/CandidatePipeline.h"
#include "generate/GenerationModes.h"
#include "text/Text.h"

namespace jm {

namespace {

std::string withoutSpaces(std::string_view text)
{
    std::string out(text);
    replaceAll(out, " ", "");
    replaceAll(out, "　", "");
    return out;
}

} // namespace

bool isHanzi(std::string_view text)
{
    const std::string gbk = toGbk(withoutSpaces(text));
    if (gbk.size() < 2) return false;
    const auto first = static_cast<unsigned char>(gbk[0]);
    const auto second = static_cast<unsigned char>(gbk[1]);
    return first >= 0xB0 && first <= 0xF7 && second >= 0xA1 && second <= 0xFE;
}

std::string keepHanzi(std::string_view text)
{
    std::string kept;
    for (const std::string& ch : splitCharacters(withoutSpaces(text)))
        if (isHanzi(ch)) kept += ch;
    return kept;
}

void runCombinationMode(GenerationRun& run)
{
    const GenerationRequest& request = run.request();
    run.phase(GenerationPhase::SettingUp);
    std::string text = request.combination.characters;
    if (text.find(request.surname) == std::string::npos) text += request.surname;
    // Typed order, no shuffling; a repeated character adds nothing.
    run.data().candidateCharacters = splitCharacters(keepHanzi(text));
    if (!limitCandidateCharacters(run)) return;

    run.phase(GenerationPhase::FormingCandidates);
    if (!formCandidateNames(run)) return;
    fillScoredList(run, 0, std::nullopt);
}

} // namespace jm
