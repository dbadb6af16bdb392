#include "content/DictionaryWindow.h"

#include "scoring/Pages.h"
#include "scoring/SinglePageWindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace jm::gui {

DictionaryWindow::DictionaryWindow(NameDatabase& db, std::filesystem::path directory, QWidget* parent)
    : QDialog(parent)
    , m_db(db)
    , m_directory(std::move(directory))
{
    setObjectName(QStringLiteral("汉字查询窗口"));
    setWindowTitle(QStringLiteral("汉字查询"));
    setFixedSize(289, 80);

    auto* label = new QLabel(QStringLiteral("请输入要查询的汉字:"), this);
    label->setObjectName(QStringLiteral("透明标签1"));
    label->setGeometry(10, 29, 136, 16);
    m_edit = new QLineEdit(this);
    m_edit->setObjectName(QStringLiteral("编辑框1"));
    m_edit->setGeometry(151, 25, 54, 24);
    auto* button = new QPushButton(QStringLiteral("查询"), this);
    button->setObjectName(QStringLiteral("按钮_查询"));
    button->setGeometry(216, 22, 48, 30);
    button->setDefault(true);
    connect(button, &QPushButton::clicked, this, &DictionaryWindow::lookUpCharacter);
    move(50, 50);
}

SinglePageWindow* DictionaryWindow::pageWindow() const
{
    return m_pageWindow;
}

void DictionaryWindow::lookUpCharacter()
{
    const QString text = m_edit->text();
    const std::string page = characterPage(m_db, text.toStdString());
    if (!m_pageWindow) {
        m_pageWindow = new SinglePageWindow(this);
        m_pageWindow->setAttribute(Qt::WA_DeleteOnClose);
    }
    // The file is written for the user; the viewer shows the text it was written from.
    // A file that cannot be written costs the user only that copy.
    (void)writeGbkPage(pageFilePath(m_directory, 0), page);
    m_pageWindow->showText(page, m_directory);
    m_pageWindow->setWindowTitle(QStringLiteral(" 汉字[ ") + text + QStringLiteral(" ]的详细解释"));
    m_pageWindow->show();
    m_pageWindow->raise();
    m_pageWindow->activateWindow();
}

} // namespace jm::gui
