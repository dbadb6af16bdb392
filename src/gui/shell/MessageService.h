#pragma once

#include <QString>

class QWidget;

namespace jm::gui {

/// Every message box of the program goes through this interface, so tests
/// can install a fake that records the messages instead of blocking on a
/// modal dialog. Used on the window thread only.
class MessageService {
public:
    enum class Icon { None, Information, Warning, Critical };

    virtual ~MessageService() = default;

    /// Shows a modal message box with an OK button.
    virtual void show(QWidget* parent, Icon icon, const QString& text, const QString& title) = 0;
    /// Shows a modal yes/no question; true for yes.
    virtual bool question(QWidget* parent, const QString& text, const QString& title) = 0;

    /// The title of a box shown without an explicit one.
    static QString defaultTitle() { return QStringLiteral("信息："); }
    /// The title most boxes of the program use.
    static QString hintTitle() { return QStringLiteral("提示"); }

    void information(QWidget* parent, const QString& text, const QString& title = defaultTitle())
    {
        show(parent, Icon::Information, text, title);
    }
    void warning(QWidget* parent, const QString& text, const QString& title = defaultTitle())
    {
        show(parent, Icon::Warning, text, title);
    }
    void critical(QWidget* parent, const QString& text, const QString& title = defaultTitle())
    {
        show(parent, Icon::Critical, text, title);
    }
    /// A box without an icon.
    void plain(QWidget* parent, const QString& text, const QString& title = defaultTitle())
    {
        show(parent, Icon::None, text, title);
    }
};

/// The real message boxes (QMessageBox).
class QtMessageService final : public MessageService {
public:
    void show(QWidget* parent, Icon icon, const QString& text, const QString& title) override;
    bool question(QWidget* parent, const QString& text, const QString& title) override;
};

} // namespace jm::gui
