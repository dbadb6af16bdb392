#include "generate/ExportActions.h"

#include "generate/ResultExport.h"
#include "shell/NameListModel.h"

#include <QDesktopServices>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QUrl>

namespace jm::gui {

ExportActions::ExportActions(QPushButton* highScoreButton, const NameListModel& highScore,
    QPushButton* superLuckyButton, const NameListModel& superLucky, QPushButton* classicButton,
    const QPlainTextEdit& classicText, QObject* parent)
    : QObject(parent)
    , m_highScore(highScore)
    , m_superLucky(superLucky)
    , m_classicText(classicText)
    , m_open([](const QString& path) { QDesktopServices::openUrl(QUrl::fromLocalFile(path)); })
{
    connect(highScoreButton, &QPushButton::clicked, this, [this] { exportHighScore(); });
    connect(superLuckyButton, &QPushButton::clicked, this, [this] { exportSuperLucky(); });
    connect(classicButton, &QPushButton::clicked, this, [this] { exportClassic(); });
}

std::vector<NameRow> ExportActions::nameRows(const NameListModel& list)
{
    const std::vector<ListRow> listed = list.rows();
    std::vector<NameRow> rows(listed.size());
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const QStringList& cells = listed[r].cells;
        for (int c = 0; c < cells.size() && c < static_cast<int>(NameRow::kColumnCount); ++c)
            rows[r].columns[static_cast<std::size_t>(c)] = cells[c].toStdString();
    }
    return rows;
}

QString ExportActions::exportList(const NameListModel& list, const char* fileName)
{
    return finish(exportResultList(nameRows(list), fileName));
}

QString ExportActions::exportHighScore()
{
    return exportList(m_highScore, kHighScoreExportFile);
}
QString ExportActions::exportSuperLucky()
{
    return exportList(m_superLucky, kSuperLuckyExportFile);
}

QString ExportActions::exportClassic()
{
    // The box keeps its lines apart by "\n"; the file has the classic text's CR LF.
    QString text = m_classicText.toPlainText();
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return finish(exportClassicText(text.toStdString()));
}

QString ExportActions::finish(const ExportResult& result)
{
    const QString file = QString::fromStdString(result.path.string());
    // After a failed write the file there is an old one: it is not opened as if it were the export.
    if (!result.written) {
        if (m_messages)
            m_messages->warning(m_parentWidget,
                QStringLiteral("导出失败：%1").arg(QString::fromStdString(result.error)), MessageService::hintTitle());
        return {};
    }
    if (m_open) m_open(file);
    return file;
}

} // namespace jm::gui
