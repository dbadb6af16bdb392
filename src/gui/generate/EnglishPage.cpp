#include "generate/EnglishPage.h"

#include "generate/GenerationRequest.h"
#include "generate/Pronunciation.h"
#include "generate/RunStatus.h"
#include "shell/MessageService.h"
#include "shell/NameListModel.h"
#include "ui_EnglishPage.h"

#include <limits>

#include <QComboBox>
#include <QStatusBar>
#include <QTreeView>

namespace jm::gui {

EnglishPage::EnglishPage(
    NameListModel& list, QStatusBar* statusBar, QWidget* parent, std::unique_ptr<AudioPlayer> player)
    : QWidget(parent)
    , m_ui(std::make_unique<Ui::EnglishPage>())
    , m_list(list)
    , m_statusBar(statusBar)
    , m_pronunciation(new Pronunciation(std::move(player), this))
{
    m_ui->setupUi(this);
    m_runStatus = new RunStatus(m_ui->进度条_英文, m_ui->标签_英文状态, m_ui->按钮_英文取消, m_ui->按钮_英文导出, this);
    // Kept whole in the settings file: the box may not cut what it restores.
    m_ui->编辑框_英文名字->setMaxLength(std::numeric_limits<int>::max());
    list.attachTo(m_ui->超级列表框_英文列表);
    list.sortByHeaderOf(m_ui->超级列表框_英文列表);
    connect(m_ui->按钮_英文起名, &QPushButton::clicked, this, &EnglishPage::generateClicked);
    connect(m_ui->超级列表框_英文列表, &QTreeView::doubleClicked, this, [this](const QModelIndex& index) {
        if (index.isValid()) speakRow(index.row());
    });
    connect(m_pronunciation, &Pronunciation::note, this, [this](const QString& text) {
        if (m_statusBar) m_statusBar->showMessage(text, kNoteMilliseconds);
    });
}

EnglishPage::~EnglishPage() = default;

void EnglishPage::setSurname(const QString& surname)
{
    m_ui->编辑框_英文姓氏->setText(surname);
}

QString EnglishPage::givenName() const
{
    return m_ui->编辑框_英文名字->text();
}

void EnglishPage::setGivenName(const QString& givenName)
{
    m_ui->编辑框_英文名字->setText(givenName);
}

void EnglishPage::fillRequest(GenerationRequest& request) const
{
    request.english.surname = m_ui->编辑框_英文姓氏->text().toStdString();
    request.english.givenName = m_ui->编辑框_英文名字->text().toStdString();
    request.english.style = m_ui->单选框_女性化->isChecked() ? 2 : m_ui->单选框_中性化->isChecked() ? 3 : 1;
    // The two boxes of 名字长度 bound the letters of a listed name.
    request.english.minLength = m_ui->组合框_日子1->currentText().toInt();
    request.english.maxLength = m_ui->组合框_时间1->currentText().toInt();
}

bool EnglishPage::checkInputs(MessageService& messages) const
{
    if (m_ui->编辑框_英文姓氏->text().isEmpty()) {
        messages.plain(window(), QStringLiteral("请输入姓氏"), MessageService::hintTitle());
        return false;
    }
    if (m_ui->编辑框_英文名字->text().isEmpty()) {
        messages.plain(window(), QStringLiteral("请输入名字"), MessageService::hintTitle());
        return false;
    }
    return true;
}

void EnglishPage::showRows(std::size_t firstRow, const std::vector<EnglishRow>& rows)
{
    m_list.truncate(static_cast<int>(std::min<std::size_t>(firstRow, static_cast<std::size_t>(m_list.rowCount()))));
    std::vector<ListRow> listed;
    listed.reserve(rows.size());
    for (const EnglishRow& row : rows) {
        ListRow r;
        for (const std::string& cell : row.columns)
            r.cells << QString::fromStdString(cell);
        listed.push_back(std::move(r));
    }
    m_list.appendRows(std::move(listed));
}

void EnglishPage::speakRow(int row)
{
    if (row < 0 || row >= m_list.rowCount()) return;
    const QString name = m_list.row(row).cells.value(EnglishRow::Name);
    if (!name.isEmpty()) m_pronunciation->speak(name);
}

QPushButton* EnglishPage::exportButton() const
{
    return m_ui->按钮_英文导出;
}

} // namespace jm::gui
