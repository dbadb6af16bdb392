#include "generate/WaitingWindow.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace jm::gui {
namespace {

/// A ring of dots turning while the window is visible; drawn by hand so it
/// needs no picture file and costs nothing when hidden.
class BusyIndicator : public QWidget {
public:
    explicit BusyIndicator(QWidget* parent)
        : QWidget(parent)
    {
        setFixedSize(32, 32);
        m_timer.setInterval(90);
        connect(&m_timer, &QTimer::timeout, this, [this] {
            m_step = (m_step + 1) % kDots;
            update();
        });
    }

protected:
    void showEvent(QShowEvent*) override { m_timer.start(); }
    void hideEvent(QHideEvent*) override { m_timer.stop(); }
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.translate(width() / 2.0, height() / 2.0);
        QColor colour = palette().color(QPalette::Highlight);
        for (int i = 0; i < kDots; ++i) {
            // The dot at the current step is darkest; the others fade behind it.
            const int age = (m_step - i + kDots) % kDots;
            colour.setAlphaF(1.0 - 0.85 * age / kDots);
            p.setPen(Qt::NoPen);
            p.setBrush(colour);
            p.save();
            p.rotate(360.0 * i / kDots);
            p.drawEllipse(QPointF(0, -11), 3, 3);
            p.restore();
        }
    }

private:
    static constexpr int kDots = 10;
    QTimer m_timer;
    int m_step = 0;
};

} // namespace

WaitingWindow::WaitingWindow(QWidget* owner)
    : QDialog(owner)
{
    setObjectName(QStringLiteral("请稍等窗口"));
    setWindowTitle(QStringLiteral("请稍等"));
    setModal(false);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    auto* text = new QLabel(QStringLiteral("正在生成,请稍等一下.."), this);
    text->setObjectName(QStringLiteral("标签_请稍等"));
    m_progress = new QProgressBar(this);
    m_progress->setFormat(QStringLiteral("%p%"));
    m_progressText = new QLabel(this);
    auto* cancel = new QPushButton(QStringLiteral("取消"), this);
    cancel->setObjectName(QStringLiteral("按钮_取消"));
    cancel->setAutoDefault(false);
    connect(cancel, &QPushButton::clicked, this, &WaitingWindow::cancelRequested);

    auto* top = new QHBoxLayout;
    top->addWidget(new BusyIndicator(this));
    top->addSpacing(8);
    top->addWidget(text, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_progress);
    layout->addWidget(m_progressText);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    setMinimumWidth(260);
}

void WaitingWindow::showWaiting()
{
    m_progress->hide();
    m_progressText->hide();
    m_progressText->clear();
    show();
    raise();
}

void WaitingWindow::setProgress(std::size_t examined, std::size_t total)
{
    if (total == 0) return;
    // Per cent, so totals beyond int range still fit.
    const auto percent = static_cast<int>(std::min(examined, total) * 100 / total);
    m_progress->setRange(0, 100);
    m_progress->setValue(percent);
    m_progressText->setText(QStringLiteral("已检查 %1 / %2 个名字（%3%）").arg(examined).arg(total).arg(percent));
    m_progress->show();
    m_progressText->show();
}

void WaitingWindow::reject()
{
    // Esc or the title bar's close button: the run is cancelled, as with 取消.
    Q_EMIT cancelRequested();
}

QString WaitingWindow::progressText() const
{
    return m_progressText->text();
}

} // namespace jm::gui
