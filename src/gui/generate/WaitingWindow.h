#pragma once

#include <QDialog>

#include <cstddef>

class QLabel;
class QProgressBar;

namespace jm::gui {

/// The small modeless window "请稍等" shown while a run prepares its list:
/// an animated busy indicator, the text "正在生成,请稍等一下..", once the
/// run reports it the progress in per cent, and 取消 (按钮_取消), which
/// asks to end the run. Owned by the main window; it never blocks anything.
class WaitingWindow : public QDialog {
    Q_OBJECT
public:
    explicit WaitingWindow(QWidget* owner);

    /// Shows the window with its progress hidden.
    void showWaiting();
    /// `examined` of `total` candidate names examined; ignored when total is 0.
    void setProgress(std::size_t examined, std::size_t total);
    /// The progress text as shown ("" before the first report).
    QString progressText() const;

Q_SIGNALS:
    /// 取消 was clicked (or the window was closed by its title bar).
    void cancelRequested();

protected:
    void reject() override;

private:
    QLabel* m_progressText = nullptr;
    QProgressBar* m_progress = nullptr;
};

} // namespace jm::gui
