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

/// The export buttons of the result pages. A click asks where to save (a
/// save dialog; suggested: the writable data directory and the list's
/// file name), writes the list as GBK text (GB18030 when it holds
/// characters outside GBK, and the message says so), says "已导出到 …" or
/// why it failed, and opens a written file with the program the desktop
/// associates with text files. A failed write never opens the file (an old
/// one may be there). Window thread only.
class ExportActions : public QObject {
    Q_OBJECT
public:
    /// Opens a written file; the default hands it to the desktop.
    using Opener = std::function<void(const QString& path)>;
    /// Asks where to save: gets the suggested path, returns the chosen one
    /// (empty: cancelled). The default asks with a save dialog; tests answer themselves.
    using Chooser = std::function<QString(QWidget* parent, const QString& suggested)>;

    /// Messages go through `messages`, boxes and the dialog over `window`.
    ExportActions(MessageService& messages, QWidget* window, QObject* parent = nullptr);

    /// `button` exports the scored list `list` (eight columns) as `fileName`.
    void addNameList(QPushButton* button, const NameListModel& list, const char* fileName);
    /// `button` exports the English list `list` (four columns) as `fileName`.
    void addEnglishList(QPushButton* button, const NameListModel& list, const char* fileName);
    /// `button` exports the text of `box` unchanged (lines apart by CR LF) as `fileName`.
    void addText(QPushButton* button, const QPlainTextEdit& box, const char* fileName);

    void setOpener(Opener opener) { m_open = std::move(opener); }
    void setChooser(Chooser chooser) { m_choose = std::move(chooser); }

    /// The export of `button`, as a click performs it. Returns the path
    /// written, or an empty text when it was cancelled or failed (reported).
    QString exportFor(const QPushButton* button);

    /// The rows of a list as shown, empty rows included.
    static std::vector<NameRow> nameRows(const NameListModel& list);

private:
    struct Source {
        const QPushButton* button;
        std::function<std::string()> text;
        const char* fileName;
    };
    void add(QPushButton* button, std::function<std::string()> text, const char* fileName);
    QString finish(const Result<ExportedFile>& result);

    MessageService& m_messages;
    QWidget* m_window;
    std::vector<Source> m_sources;
    Opener m_open;
    Chooser m_choose;
};

} // namespace jm::gui
