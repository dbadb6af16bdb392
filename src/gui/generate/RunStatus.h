#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

#include <cstddef>

class QLabel;
class QProgressBar;
class QPushButton;

namespace jm::gui {

/// The run line of a generating page: a progress bar in per cent, a status
/// text, the button 取消 and the page's export button, kept in step with
/// the runs of the page's mode. The bar appears once a run has lasted
/// kRevealMs and stays until the run's list is complete (sorted); the text
/// then says how the run ended: how many names it listed, that it was
/// cancelled, or why it listed nothing. Window thread only; the widgets
/// belong to the page's form.
class RunStatus : public QObject {
    Q_OBJECT
public:
    /// Runs shorter than this show no progress bar (no flicker).
    static constexpr int kRevealMs = 500;

    /// Any pointer but `bar`, `text` and `cancel` may be null.
    RunStatus(QProgressBar* bar, QLabel* text, QPushButton* cancel, QPushButton* exportButton, QObject* parent);

    /// A run of the page's mode starts: 取消 on, export off, the text "正在生成…".
    void begin();
    /// `examined` of `total` candidates examined; at the last one the list
    /// is being sorted. Ignored when total is 0 or no run is shown.
    void setProgress(std::size_t examined, std::size_t total);
    /// The run is over and its list complete: the bar goes, 取消 off,
    /// export on, `text` shown.
    void end(const QString& text);

    bool isActive() const { return m_active; }
    /// The status text as shown.
    QString text() const;
    /// True while the progress bar is shown.
    bool isProgressShown() const;
    /// The progress in per cent as the bar shows it (-1 before the first report).
    int percent() const { return m_percent; }

Q_SIGNALS:
    /// 取消 was clicked.
    void cancelClicked();

private:
    QProgressBar* m_bar;
    QLabel* m_text;
    QPushButton* m_cancel;
    QPushButton* m_export;
    QTimer m_reveal;
    bool m_active = false;
    int m_percent = -1;
};

} // namespace jm::gui
