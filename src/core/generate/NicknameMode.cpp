#include "generate/NicknameMode.h"

#include "generate/CandidatePipeline.h"
#include "generate/CharacterLists.h"
#include "generate/GenerationModes.h"
#include "text/Text.h"

#include <cstdint>
#include <vector>

namespace jm {

namespace {

/// The fixed character of a pattern and whether it comes first; AA has none.
struct Affix {
    const char* text = nullptr;
    bool before = false;
};

Affix affixOf(NicknamePattern pattern)
{
    switch (pattern) {
    case NicknamePattern::XiaoA:
        return { "小", true };
    case NicknamePattern::AEr:
        return { "儿", false };
    case NicknamePattern::AhA:
        return { "阿", true };
    case NicknamePattern::AA:
        break;
    }
    return {};
}

} // namespace

const std::string& nicknameCharacters()
{
    static const std::string text = std::string(maleCharacters()) + std::string(femaleCharacters());
    return text;
}

std::string nicknameFor(NicknamePattern pattern, std::string_view character)
{
    const Affix affix = affixOf(pattern);
    if (!affix.text) return std::string(character) + std::string(character);
    return affix.before ? affix.text + std::string(character) : std::string(character) + affix.text;
}

void runNicknameMode(GenerationRun& run)
{
    const GenerationRequest& request = run.request();
    run.phase(GenerationPhase::SettingUp);
    std::string text = nicknameCharacters();
    if (text.find(request.surname) == std::string::npos) text += request.surname;
    run.data().candidateCharacters = splitCharacters(text);

    run.phase(GenerationPhase::FormingCandidates);
    std::vector<std::uint32_t> usable;
    if (!loadCandidateCharacters(run, [&](std::size_t i, const CharacterInfo& info) {
            if (isUsableCharacter(info)) usable.push_back(static_cast<std::uint32_t>(i));
        }))
        return;
    // 小, 儿 and 阿 are candidate characters themselves, so the affix part
    // is normally the first of them.
    RunData& data = run.data();
    const Affix affix = affixOf(request.nickname.pattern);
    const std::uint32_t fixed = affix.text ? data.partFor(affix.text) : CandidateName::kNoPart;
    data.candidateNames.clear();
    data.candidateNames.reserve(usable.size());
    for (std::uint32_t a : usable) {
        if (!affix.text)
            data.candidateNames.push_back({ a, a });
        else if (affix.before)
            data.candidateNames.push_back({ fixed, a });
        else
            data.candidateNames.push_back({ a, fixed });
    }
    fillScoredList(run, 0, std::nullopt);
}

} // namespace jm
