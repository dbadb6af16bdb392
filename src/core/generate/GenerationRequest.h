#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace jm {

/// The seven ways of producing names. Each has its option button, page and
/// result control in the main window.
enum class GenerationMode {
    HighScore, ///< 高分起名
    SuperLucky, ///< 超吉起名
    Poem, ///< 诗词起名
    Combination, ///< 组合起名
    Nickname, ///< 起小名
    English, ///< 起英文名
    Classic, ///< 经典起名
};

/// The generation character (辈份): a character every generated name of a
/// family generation shares, at the second or third place of the full name
/// (李"志"强 / 李志"强"). The texts are taken as typed.
struct GenerationCharacterSetting {
    enum class Kind { None, Second, Third };
    Kind kind = Kind::None;
    std::string secondCharacter;
    std::string thirdCharacter;

    /// The fixed text for the current kind; empty for None.
    const std::string& fixedText() const
    {
        static const std::string kNone;
        return kind == Kind::Second ? secondCharacter : kind == Kind::Third ? thirdCharacter : kNone;
    }
};

/// One element-filter group of the super-lucky page: its switch and the
/// captions of its checked element boxes joined in box order ("金水").
struct ElementFilterGroup {
    bool enabled = false;
    std::string elements;
};

/// Inputs read only by the super-lucky mode.
struct SuperLuckyOptions {
    ElementFilterGroup secondCharacter;
    ElementFilterGroup thirdCharacter;
    ElementFilterGroup allMustHave;
    ElementFilterGroup noneMayHave;
};

/// Inputs read only by the poem mode: captions of the checked character
/// boxes, in box order.
struct PoemOptions {
    std::vector<std::string> characters;
};

/// Inputs read only by the combination mode.
struct CombinationOptions {
    std::string characters = "圣诚杰泽鹤航轩辉皓君豪博楷国益佑天南泰宇";
};

enum class NicknamePattern {
    AA, ///< "AA型": A + A
    XiaoA, ///< "小A型": 小 + A
    AEr, ///< "A儿型": A + 儿
    AhA, ///< "阿A型": 阿 + A
};

/// Inputs read only by the nickname mode.
struct NicknameOptions {
    NicknamePattern pattern = NicknamePattern::AA;
};

/// Inputs read only by the English name mode; style 1 男性化, 2 女性化, 3 中性化.
struct EnglishOptions {
    std::string surname;
    std::string givenName;
    int style = 1;
    /// Bounds on the number of letters of a listed name; 0 is no bound.
    int minLength = 0;
    int maxLength = 0;
};

/// Everything one run reads from the window, captured when the run starts,
/// so the worker never looks at a control. Each mode reads the common fields
/// it needs and its own options struct.
struct GenerationRequest {
    GenerationMode mode = GenerationMode::HighScore;
    /// The family name as typed (normally one or two characters), UTF-8.
    std::string surname;
    /// "男" or "女".
    std::string sex = "男";
    /// 1 or 2 (2 when the name-length box says "二字").
    int nameLength = 2;
    GenerationCharacterSetting generationCharacter;
    /// 显示全部名字: list every name the rules of the mode give. Off (the
    /// default), a list leaves out what a parent would reject on sight (an
    /// unfit or odd character, one the dictionary lacks, one of the other
    /// sex's leaning in lists chosen by sex, an unfortunate homophone, a
    /// surname character in the given name, a repeated name) and varies the
    /// first character among names of equal score.
    bool showAllNames = false;
    /// Seed of the run's shuffles; a fresh seed is drawn when absent.
    std::optional<std::uint64_t> seed;

    SuperLuckyOptions superLucky;
    PoemOptions poem;
    CombinationOptions combination;
    NicknameOptions nickname;
    EnglishOptions english;
};

} // namespace jm
