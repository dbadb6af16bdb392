#pragma once

#include <QEvent>
#include <QObject>
#include <QPushButton>

namespace jm::test {

/// Clicks a button once, as soon as it becomes enabled.
class ClickWhenEnabled : public QObject {
public:
    explicit ClickWhenEnabled(QPushButton* button)
        : m_button(button)
    {
        button->installEventFilter(this);
    }
    bool clicked = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == m_button && event->type() == QEvent::EnabledChange && m_button->isEnabled() && !clicked) {
            clicked = true;
            m_button->click();
        }
        return false;
    }

private:
    QPushButton* m_button;
};

} // namespace jm::test
