#pragma once

#include "generate/NameRow.h"
#include "generate/ResultExport.h"
#include "shell/MessageService.h"

#include <QObject>
#include <QString>

#include <functional>
#include <vector>

class QPlainTextEdit;
class QPushButton;
class QWidget;

namespace jm::gui {

class NameListModel;

/// The export buttons of the high-score, super-lucky and classic pages:
/// each writes its file in the data directory and opens it with the
/// program the desktop associates with text files.
class ExportActions : public QObject {
    Q_OBJECT
public:
    /// Opens a written file; the default hands it to the desktop.
    using Opener = std::function<void(const QString& path)>;

    /// Connects the export buttons of the high-score, super-lucky and
    /// classic pages (按钮_高分导出, 按钮_超吉导出, 按钮_经典导出) to the
    /// exports of their lists and of the classic text box.
    ExportActions(QPushButton* highScoreButton, const NameListModel& highScore, QPushButton* superLuckyButton,
        const NameListModel& superLucky, QPushButton* classicButton, const QPlainTextEdit& classicText,
        QObject* parent = nullptr);

    void setOpener(Opener opener) { m_open = std::move(opener); }
    /// Where a failed export is reported (a warning box over `parent`).
    void setMessages(MessageService* messages, QWidget* parent)
    {
        m_messages = messages;
        m_parentWidget = parent;
    }

    /// The exports; each returns the path of its file, or an empty text when
    /// the file could not be written (reported, and nothing is opened).
    QString exportHighScore();
    QString exportSuperLucky();
    QString exportClassic();

    /// The rows of a list as shown, empty rows included.
    static std::vector<NameRow> nameRows(const NameListModel& list);

private:
    QString exportList(const NameListModel& list, const char* fileName);
    QString finish(const ExportResult& result);

    const NameListModel& m_highScore;
    const NameListModel& m_superLucky;
    const QPlainTextEdit& m_classicText;
    Opener m_open;
    MessageService* m_messages = nullptr;
    QWidget* m_parentWidget = nullptr;
};

} // namespace jm::gui
