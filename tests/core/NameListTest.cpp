// A listed name is kept as a few integers and its texts made when shown:
// they must be exactly the texts the scorer and the advisor give the name.
#include "generate/NameList.h"
#include "data/Bootstrap.h"
#include "generate/CandidatePipeline.h"
#include "generate/GenerationWorker.h"
#include "scoring/NameAdvisor.h"
#include "support/AdviceFixture.h"
#include "support/ListFixture.h"
#include "text/Text.h"

#include <gtest/gtest.h>

#include <memory>

using namespace jm;
using jm::test::TempDir;

namespace {

class NameListTexts : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        s_dir = new TempDir;
        s_db = new NameDatabase;
        jm::test::FixtureBuilder builder = jm::test::listFixture();
        jm::test::addAdviceFixture(builder, true);
        ASSERT_TRUE(bootstrapDatabase(*s_db, builder.write(s_dir->path() / "n.db").string()).ok());
    }
    static void TearDownTestSuite()
    {
        delete s_db;
        delete s_dir;
    }
    /// What the rows of a list are checked against, made apart from the
    /// run: each character read from the database, the names scored by a
    /// scorer of their own, the cautions told by an advisor of its own.
    struct Reference {
        CharacterTable table;
        NameAdvisor advisor;
        std::unique_ptr<NameScorer> scorer;

        explicit Reference(const std::vector<std::string>& texts)
            : advisor(NameAdvisor::load(*s_db, texts))
        {
            for (const std::string& text : texts)
                for (const std::string& ch : splitCharacters(text))
                    if (!table.find(ch)) table.append(loadCharacterInfo(*s_db, ch));
            scorer = std::make_unique<NameScorer>(*s_db, table);
        }
        NameRow row(std::size_t number, const std::string& surname, const std::string& given, const std::string& sex)
        {
            NameRow out = makeNameRow(number, surname, given, scorer->scoreName(surname, given));
            out.cautions = advisor.cautions(surname, given, sex);
            return out;
        }
    };
    static TempDir* s_dir;
    static NameDatabase* s_db;
};
TempDir* NameListTexts::s_dir = nullptr;
NameDatabase* NameListTexts::s_db = nullptr;

GenerationRequest request(GenerationMode mode, const std::string& surname, const std::string& sex, int length)
{
    GenerationRequest r;
    r.mode = mode;
    r.surname = surname;
    r.sex = sex;
    r.nameLength = length;
    r.seed = 11;
    return r;
}

} // namespace

TEST_F(NameListTexts, EveryListedRowFormatsToTheScorersTexts)
{
    struct Case {
        const char* label;
        GenerationRequest request;
    };
    std::vector<Case> cases;
    cases.push_back({ "high score, boy", request(GenerationMode::HighScore, "张", "男", 2) });
    cases.push_back({ "high score, one character", request(GenerationMode::HighScore, "李", "女", 1) });
    GenerationRequest third = request(GenerationMode::HighScore, "王", "男", 2);
    third.generationCharacter = { GenerationCharacterSetting::Kind::Third, "", "明" };
    cases.push_back({ "high score, fixed third character", third });
    GenerationRequest second = request(GenerationMode::HighScore, "王", "女", 2);
    second.generationCharacter = { GenerationCharacterSetting::Kind::Second, "子腾", "" };
    cases.push_back({ "high score, fixed two-character part", second });
    GenerationRequest lucky = request(GenerationMode::SuperLucky, "张", "男", 2);
    lucky.superLucky.secondCharacter = { true, "木" };
    lucky.superLucky.thirdCharacter = { true, "水火" };
    cases.push_back({ "super-lucky", lucky });
    GenerationRequest poem = request(GenerationMode::Poem, "杜", "女", 2);
    poem.poem.characters = splitCharacters("床前明月光疑是地上霜子腾");
    cases.push_back({ "poem", poem });
    GenerationRequest combination = request(GenerationMode::Combination, "欧阳", "男", 2);
    combination.combination.characters = "明杰杰伟逝床娜";
    cases.push_back({ "combination, two-character surname", combination });
    GenerationRequest nickname = request(GenerationMode::Nickname, "张", "女", 2);
    nickname.nickname.pattern = NicknamePattern::XiaoA;
    cases.push_back({ "nickname", nickname });

    for (Case& c : cases) {
        for (const bool all : { false, true }) {
            SCOPED_TRACE(std::string(c.label) + (all ? ", all names" : ", default list"));
            c.request.showAllNames = all;
            RunControl control;
            GenerationSink sink;
            const GenerationResult result = GenerationWorker(*s_db, control).run(c.request, sink);
            ASSERT_TRUE(result.names);
            ASSERT_GT(result.rowCount(), 0u);
            const std::vector<NameRow> rows = result.rows();
            std::vector<std::string> texts { c.request.surname };
            for (const NameRow& row : rows)
                texts.push_back(row[NameRow::Name]);
            Reference reference(texts);
            std::size_t withCautions = 0;
            for (std::size_t k = 0; k < rows.size(); ++k) {
                const NameRow& row = rows[k];
                const std::string given = row[NameRow::Name].substr(c.request.surname.size());
                const NameRow want = reference.row(k + 1, c.request.surname, given, c.request.sex);
                ASSERT_EQ(row.columns, want.columns) << "row " << k + 1;
                ASSERT_EQ(row.sortKey, want.sortKey);
                ASSERT_EQ(row.cautions, want.cautions) << row[NameRow::Name];
                withCautions += !row.cautions.empty();
                if (k > 0) {
                    ASSERT_LE(row.sortKey, rows[k - 1].sortKey);
                }
            }
            if (all) {
                EXPECT_GT(withCautions, 0u) << "the fixture gives some names cautions";
            }
        }
    }
}
