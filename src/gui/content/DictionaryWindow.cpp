#include "content/DictionaryWindow.h"

#include "content/Dictionary.h"
#include "scoring/Pages.h"
#include "scoring/SinglePageWindow.h"
#include "shell/MessageService.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace jm::gui {
namespace {

// Roles of a result entry: the dictionary character shown and the character as typed.
constexpr int kFoundRole = Qt::UserRole + 1;
constexpr int kTypedRole = Qt::UserRole + 2;

} // namespace

DictionaryWindow::DictionaryWindow(
    NameDatabase& db, MessageService& messages, std::filesystem::path directory, QWidget* parent)
    : QDialog(parent)
    , m_db(db)
    , m_messages(messages)
    , m_directory(std::move(directory))
{
    setObjectName(QStringLiteral("汉字查询窗口"));
    setWindowTitle(QStringLiteral("汉字查询"));
    setFixedSize(289, 200);

    auto* label = new QLabel(QStringLiteral("请输入要查询的汉字:"), this);
    label->setObjectName(QStringLiteral("透明标签1"));
    label->setGeometry(10, 29, 136, 16);
    m_edit = new QLineEdit(this);
    m_edit->setObjectName(QStringLiteral("编辑框1"));
    m_edit->setGeometry(151, 25, 54, 24);
    m_edit->setToolTip(QStringLiteral("可输入几个字，逐字查询；繁体字也可以查"));
    auto* button = new QPushButton(QStringLiteral("查询"), this);
    button->setObjectName(QStringLiteral("按钮_查询"));
    button->setGeometry(216, 22, 48, 30);
    button->setDefault(true);
    connect(button, &QPushButton::clicked, this, &DictionaryWindow::lookUpCharacter);

    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("列表框_查询结果"));
    m_list->setGeometry(10, 62, 269, 128);
    m_list->setToolTip(QStringLiteral("点击一个字查看它的详细解释"));
    connect(m_list, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* item) { showEntry(item); });
    connect(m_list, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { showEntry(item); });
    move(50, 50);
}

SinglePageWindow* DictionaryWindow::pageWindow() const
{
    return m_pageWindow;
}

void DictionaryWindow::lookUpCharacter()
{
    const std::vector<CharacterMatch> matches = findCharacters(m_db, m_edit->text().toStdString());
    {
        const QSignalBlocker quiet(m_list);
        m_list->clear();
    }
    if (matches.empty()) {
        m_messages.warning(this, QStringLiteral("请先在输入框中输入要查询的汉字。"), MessageService::hintTitle());
        return;
    }
    QStringList unknown;
    {
        const QSignalBlocker quiet(m_list);
        for (const CharacterMatch& match : matches) {
            const QString typed = QString::fromStdString(match.typed);
            if (match.found.empty()) unknown << typed;
            for (const std::string& found : match.found) {
                const QString character = QString::fromStdString(found);
                auto* item = new QListWidgetItem(
                    character == typed ? typed : typed + QStringLiteral(" → ") + character + QStringLiteral("（简体）"),
                    m_list);
                item->setData(kFoundRole, character);
                item->setData(kTypedRole, typed);
            }
        }
    }
    if (m_list->count() > 0) m_list->setCurrentRow(0); // shows the first entry
    if (!unknown.isEmpty()) {
        const QString list = unknown.join(QStringLiteral("、"));
        m_messages.information(this,
            m_list->count() == 0 ? QStringLiteral("字典中没有“%1”，请检查输入的字。").arg(list)
                                 : QStringLiteral("字典中没有“%1”；其余的字已列在下方。").arg(list),
            MessageService::hintTitle());
    }
}

void DictionaryWindow::showEntry(const QListWidgetItem* item)
{
    if (!item) return;
    const QString character = item->data(kFoundRole).toString();
    const QString typed = item->data(kTypedRole).toString();
    const std::string page = characterPage(m_db, character.toStdString());
    if (!m_pageWindow) {
        m_pageWindow = new SinglePageWindow(this);
        m_pageWindow->setAttribute(Qt::WA_DeleteOnClose);
    }
    // The file is written for the user; the viewer shows the text it was written from.
    // A file that cannot be written costs the user only that copy.
    (void)writeGbkPage(pageFilePath(m_directory, 0), page);
    m_pageWindow->showText(page, m_directory);
    const QString shown
        = character == typed ? character : typed + QStringLiteral("（") + character + QStringLiteral("）");
    m_pageWindow->setWindowTitle(QStringLiteral(" 汉字[ ") + shown + QStringLiteral(" ]的详细解释"));
    m_pageWindow->show();
    m_pageWindow->raise();
    m_pageWindow->activateWindow();
}

} // namespace jm::gui
