#include "generate/ExportActions.h"

#include "generate/ResultExport.h"
#include "settings/Paths.h"
#include "shell/NameListModel.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QUrl>

#include <filesystem>

namespace jm::gui {

ExportActions::ExportActions(MessageService& messages, QWidget* window, QObject* parent)
    : QObject(parent)
    , m_messages(messages)
    , m_window(window)
    , m_open([](const QString& path) { QDesktopServices::openUrl(QUrl::fromLocalFile(path)); })
    , m_choose([](QWidget* owner, const QString& suggested) {
        return QFileDialog::getSaveFileName(
            owner, QStringLiteral("导出列表"), suggested, QStringLiteral("文本文件 (*.txt);;所有文件 (*)"));
    })
{
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

void ExportActions::addNameList(QPushButton* button, const NameListModel& list, const char* fileName)
{
    add(
        button, [&list] { return resultListText(nameRows(list)); }, fileName);
}

void ExportActions::addEnglishList(QPushButton* button, const NameListModel& list, const char* fileName)
{
    add(
        button,
        [&list] {
            const std::vector<ListRow> listed = list.rows();
            std::vector<EnglishRow> rows(listed.size());
            for (std::size_t r = 0; r < rows.size(); ++r) {
                const QStringList& cells = listed[r].cells;
                for (int c = 0; c < cells.size() && c < static_cast<int>(EnglishRow::kColumnCount); ++c)
                    rows[r].columns[static_cast<std::size_t>(c)] = cells[c].toStdString();
            }
            return englishListText(rows);
        },
        fileName);
}

void ExportActions::addText(QPushButton* button, const QPlainTextEdit& box, const char* fileName)
{
    add(
        button,
        [&box] {
            // The box keeps its lines apart by "\n"; the file has the classic text's CR LF.
            QString text = box.toPlainText();
            text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
            return text.toStdString();
        },
        fileName);
}

void ExportActions::add(QPushButton* button, std::function<std::string()> text, const char* fileName)
{
    m_sources.push_back({ button, std::move(text), fileName });
    connect(button, &QPushButton::clicked, this, [this, button] { exportFor(button); });
}

QString ExportActions::exportFor(const QPushButton* button)
{
    const auto source
        = std::find_if(m_sources.begin(), m_sources.end(), [button](const Source& s) { return s.button == button; });
    if (source == m_sources.end()) return {};
    const auto directory = ensureDataDirectory();
    const QString suggested = QDir(QString::fromStdString((directory ? *directory : dataDirectory()).string()))
                                  .filePath(QString::fromUtf8(source->fileName));
    const QString file = m_choose(m_window, suggested);
    if (file.isEmpty()) return {};
    return finish(exportTextTo(std::filesystem::path(file.toStdU16String()), source->text()));
}

QString ExportActions::finish(const Result<ExportedFile>& result)
{
    // After a failed write the file there is an old one: it is not opened as if it were the export.
    if (!result) {
        m_messages.warning(m_window, QStringLiteral("导出失败：%1").arg(QString::fromStdString(result.error())),
            MessageService::hintTitle());
        return {};
    }
    const QString file = QString::fromStdU16String(result->path.u16string());
    QString said = QStringLiteral("已导出到 %1").arg(QDir::toNativeSeparators(file));
    if (result->gb18030)
        said += QStringLiteral(
            "\n名单中有 GBK 以外的字，文件按 GB18030 编码保存；只认 GBK 的程序会把这些字显示成乱码。");
    m_messages.information(m_window, said, MessageService::hintTitle());
    if (m_open) m_open(file);
    return file;
}

} // namespace jm::gui
