#include "generate/GenerationPage.h"

#include "shell/MainWindow.h"
#include "shell/NameListModel.h"
#include "ui_MainWindow.h"

namespace jm::gui {

GenerationPage::GenerationPage(Ui::MainWindow& ui, MainWindow& window, NameDatabase& db, MessageService& messages)
    : QObject(&window)
    , m_ui(ui)
    , m_window(window)
    , m_db(db)
    , m_messages(messages)
{
    const QIcon rowIcon(QStringLiteral(":/icons/row.svg"));
    const auto nameList = [this, &rowIcon](QTreeView* view) {
        auto* model = new NameListModel(this);
        model->setRowIcon(rowIcon);
        model->attachTo(view);
        return model;
    };
    m_highScoreList = nameList(ui.超级列表框_高分起名);
    m_superLuckyList = nameList(ui.超级列表框_超吉起名);
    m_poemNameList = nameList(ui.超级列表框_诗名列表);
    m_combinationList = nameList(ui.超级列表框_组合列表);
    m_nicknameList = nameList(ui.超级列表框_小名列表);
    const auto otherList = [this, &rowIcon](QTreeView* view, QList<NameListModel::Column> columns) {
        auto* model = new NameListModel(std::move(columns), -1, this);
        model->setRowIcon(rowIcon);
        model->attachTo(view);
        return model;
    };
    m_englishList = otherList(ui.超级列表框_英文列表,
        { { QStringLiteral("编号"), 60 }, { QStringLiteral("英文名"), 100 }, { QStringLiteral("中文读音"), 200 },
            { QStringLiteral("相关含义"), 280 } });
    m_poetList = otherList(ui.超级列表框_诗人列表, { { QStringLiteral("编号"), 50 }, { QStringLiteral("诗人"), 80 } });
    m_poemList
        = otherList(ui.超级列表框_诗词残, { { QStringLiteral("编号"), 50 }, { QStringLiteral("诗词标题"), 160 } });

    // Hint images 0 to 6 of the status bar belong to the seven modes.
    m_hints = {
        { ui.单选框_高分起名, 1, QStringLiteral("1-20秒内生成10000个90分以上的高分姓名") },
        { ui.单选框_超吉起名, 6, QStringLiteral("系统将在1000万个名字中提取超吉名字,起名时间较长,并且不考虑单字名") },
        { ui.单选框_诗词起名, 2, QStringLiteral("使用近3000位诗人的数十万诗词进行组合起名") },
        { ui.单选框_组合起名, 3, QStringLiteral("使用您自定义的字进行组合起名") },
        { ui.单选框_起小名, 4, QStringLiteral("小名即为乳名,以好听为主,侧重好记好听顺口,评分不用考虑") },
        { ui.单选框_起英文名, 5, QStringLiteral("有了中文名之后,还应该给宝宝起个英文名字,向国际化接轨") },
        { ui.单选框_经典起名, 0, QStringLiteral("高速生成,以好听为主,不考虑名字的五行数理等因素") },
    };
    for (const ModeHint& hint : m_hints)
        connect(hint.option, &QRadioButton::clicked, this, [this, option = hint.option] { showModeHint(option); });
}

void GenerationPage::showModeHint(const QRadioButton* option)
{
    for (const ModeHint& hint : m_hints)
        if (hint.option == option) m_window.setStatusHint(hint.image, hint.text);
}

void GenerationPage::stopRun() { }

} // namespace jm::gui
