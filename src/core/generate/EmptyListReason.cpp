#include "generate/EmptyListReason.h"

#include "generate/CombinationMode.h"
#include "text/Text.h"

#include <algorithm>
#include <numeric>

namespace jm {

namespace {

bool anyFilterOn(const SuperLuckyOptions& o)
{
    return o.secondCharacter.enabled || o.thirdCharacter.enabled || o.allMustHave.enabled || o.noneMayHave.enabled;
}

/// The Chinese characters of `text` that are not characters of the surname.
std::vector<std::string> charactersBesides(const std::string& text, const std::string& surname)
{
    std::vector<std::string> chars = splitCharacters(keepHanzi(text));
    const std::vector<std::string> own = splitCharacters(surname);
    std::erase_if(chars, [&own](const std::string& c) { return std::find(own.begin(), own.end(), c) != own.end(); });
    return chars;
}

std::string quoted(const std::string& text)
{
    return "“" + text + "”";
}

} // namespace

std::string emptyListReason(const GenerationResult& result)
{
    const GenerationRequest& request = result.request;
    if (result.stopped || request.mode == GenerationMode::Classic) return {};
    if (request.mode == GenerationMode::English) {
        if (!result.englishRows.empty()) return {};
        return "没有找到与" + quoted(request.english.givenName)
            + "首字读音相近、又合乎所选性别倾向和字母数的英文名；可以换一个性别倾向或放宽字母数再试。";
    }
    if (result.rowCount() != 0) return {};

    if (request.mode == GenerationMode::SuperLucky && !anyFilterOn(request.superLucky))
        return "超吉模式没有打开任何五行限定，所以不组成名字：请至少勾选“第二个字五行限定”、“第三个字五行限定”、"
               "“所有字必须带五行”或“所有字不能带五行”中的一项，再点“生成”。";
    if (request.mode == GenerationMode::Poem && request.poem.characters.empty())
        return "没有勾选诗词中的字：请在“使用此诗词”后勾选要用来起名的字，再点“生成”。";
    if (request.mode == GenerationMode::Combination
        && charactersBesides(request.combination.characters, request.surname).empty())
        return "组合的字里除了姓氏没有别的汉字：请在输入框里填入要组合的汉字，再点“生成”。";
    const GenerationCharacterSetting& generation = request.generationCharacter;
    const bool generationApplies = request.mode == GenerationMode::HighScore || request.mode == GenerationMode::Poem
        || request.mode == GenerationMode::Combination;
    if (generationApplies && generation.kind != GenerationCharacterSetting::Kind::None && !request.surname.empty()
        && generation.fixedText().find(request.surname) != std::string::npos)
        return "辈份字" + quoted(generation.fixedText()) + "含有姓氏" + quoted(request.surname)
            + "，每个名字都含有姓氏，所以没有可列出的名字：请在“设置辈份”中换一个字。";

    if (result.candidateCount == 0) {
        if (request.mode == GenerationMode::SuperLucky)
            return "按所选的五行限定没有可用的字（例如同一五行既“必须带”又“不能带”）：请放宽五行限定再试。";
        return "没有可用来组成名字的字：所给的字都不在字库中，或缺少笔划、五行。";
    }
    const std::size_t examined = result.examinedCount;
    const std::size_t withSurname = result.excluded[static_cast<std::size_t>(Exclusion::SurnameInside)];
    const std::size_t leftOut = std::accumulate(result.excluded.begin(), result.excluded.end(), std::size_t { 0 });
    if (examined > 0 && withSurname == examined)
        return "每个候选名字都含有姓氏" + quoted(request.surname) + "的字，这样的名字不列出：请换用别的字或别的样式。";
    if (examined > 0 && leftOut == examined)
        return "所有候选名字都含有姓氏的字，或因不宜入名的字、不雅谐音、重复而被略去：打开菜单“显示全部名字”可以看到它"
               "们。";
    if (result.threshold > 0)
        return "检查了 " + decimal(static_cast<long long>(examined)) + " 个名字，没有一个达到 "
            + decimal(result.threshold) + " 分的标准"
            + (request.mode == GenerationMode::SuperLucky ? "（超吉模式的标准由姓氏的天格决定）" : std::string())
            + "：可以放宽五行限定或换一种起名模式。";
    return "没有列出任何名字。";
}

} // namespace jm
