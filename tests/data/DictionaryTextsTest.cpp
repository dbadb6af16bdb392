// The dictionary texts a parent reads: every GB2312 character explained in Chinese, no build notes.
#include "CorpusQueries.h"

#include "text/Text.h"

#include <unicode/ucnv.h>
#include <unicode/unistr.h>

#include <string>

using jm::test::ShippedDatabaseTest;

namespace {

/// True when the character is one of the 6,763 characters of GB2312 (two bytes in EUC-CN, lead byte ≥ 0xB0).
bool inGb2312(const std::string& character)
{
    UErrorCode status = U_ZERO_ERROR;
    UConverter* converter = ucnv_open("EUC-CN", &status);
    if (U_FAILURE(status)) return false;
    ucnv_setFromUCallBack(converter, UCNV_FROM_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &status);
    char bytes[8] = {};
    UErrorCode convert = U_ZERO_ERROR;
    const icu::UnicodeString text = icu::UnicodeString::fromUTF8(character);
    const int32_t length = ucnv_fromUChars(converter, bytes, sizeof bytes, text.getBuffer(), text.length(), &convert);
    ucnv_close(converter);
    return U_SUCCESS(convert) && length == 2 && static_cast<unsigned char>(bytes[0]) >= 0xB0;
}

bool hasHan(const std::string& text)
{
    const icu::UnicodeString unicode = icu::UnicodeString::fromUTF8(text);
    for (int32_t i = 0; i < unicode.length(); i = unicode.moveIndex32(i, 1)) {
        const UChar32 c = unicode.char32At(i);
        if (c >= 0x4E00 && c <= 0x9FFF) return true;
    }
    return false;
}

} // namespace

class DictionaryTexts : public ShippedDatabaseTest { };

TEST_F(DictionaryTexts, EveryGb2312CharacterIsExplainedInChinese)
{
    int gb2312 = 0;
    for (const auto& r : rows("select 汉字, 基本解释, 详细解释 from NM_CNWord", 3)) {
        if (!inGb2312(r[0])) continue;
        ++gb2312;
        const std::string& basic = r[1];
        SCOPED_TRACE(r[0]);
        EXPECT_EQ(basic.find("英文释义"), std::string::npos) << basic;
        EXPECT_EQ(basic.find("暂无释义"), std::string::npos) << basic;
        // a numbered sense in Chinese (a surname-only character may read just "① 姓。")
        EXPECT_NE(basic.find("①"), std::string::npos) << basic;
        EXPECT_TRUE(hasHan(basic)) << basic;
        EXPECT_GE(jm::characterCount(basic), 4u) << basic;
    }
    EXPECT_EQ(gb2312, 6763);
}

TEST_F(DictionaryTexts, NoBuildNotesReachTheReader)
{
    for (const auto& r : rows("select 汉字, 基本解释, 详细解释 from NM_CNWord", 3)) {
        const std::string text = r[1] + r[2];
        for (const char* note : { "五笔", "按部首推定", "按读音推定", "收录：" })
            EXPECT_EQ(text.find(note), std::string::npos) << r[0] << ": " << note;
    }
}
