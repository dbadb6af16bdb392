#include "generate/RunStatus.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

namespace jm::gui {

RunStatus::RunStatus(QProgressBar* bar, QLabel* text, QPushButton* cancel, QPushButton* exportButton, QObject* parent)
    : QObject(parent)
    , m_bar(bar)
    , m_text(text)
    , m_cancel(cancel)
    , m_export(exportButton)
{
    m_bar->hide();
    m_bar->setRange(0, 100);
    m_cancel->setEnabled(false);
    m_reveal.setSingleShot(true);
    m_reveal.setInterval(kRevealMs);
    connect(&m_reveal, &QTimer::timeout, this, [this] {
        // No report yet: a busy bar until the first one.
        if (m_percent < 0) m_bar->setRange(0, 0);
        m_bar->show();
    });
    connect(m_cancel, &QPushButton::clicked, this, &RunStatus::cancelClicked);
}

void RunStatus::begin()
{
    m_active = true;
    m_percent = -1;
    m_bar->hide();
    m_bar->setRange(0, 100);
    m_bar->setValue(0);
    m_reveal.start();
    m_cancel->setEnabled(true);
    if (m_export) m_export->setEnabled(false);
    m_text->setText(QStringLiteral("正在生成…"));
}

void RunStatus::setProgress(std::size_t examined, std::size_t total)
{
    if (!m_active || total == 0) return;
    m_percent = static_cast<int>(std::min(examined, total) * 100 / total);
    m_bar->setRange(0, 100);
    m_bar->setValue(m_percent);
    // The last candidate examined: the list is sorted and numbered next,
    // which takes a moment on long lists.
    m_text->setText(examined >= total ? QStringLiteral("正在排序…")
                                      : QStringLiteral("已检查 %1 / %2 个名字").arg(examined).arg(total));
}

void RunStatus::end(const QString& text)
{
    m_active = false;
    m_reveal.stop();
    m_bar->hide();
    m_cancel->setEnabled(false);
    if (m_export) m_export->setEnabled(true);
    m_text->setText(text);
}

QString RunStatus::text() const
{
    return m_text->text();
}

bool RunStatus::isProgressShown() const
{
    return m_bar->isVisibleTo(m_bar->parentWidget());
}

} // namespace jm::gui
