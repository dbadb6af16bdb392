#pragma once

#include "shell/MessageService.h"

#include <QEventLoop>
#include <QList>
#include <QString>
#include <QTimer>

namespace jm::test {

/// A message service for window tests: records every box instead of
/// showing it and answers questions with `answer`. With `modalMs` set, each
/// box keeps its own event loop running that long, as a real modal box does
/// until it is closed.
class RecordingMessageService final : public gui::MessageService {
public:
    struct Message {
        Icon icon;
        QString text;
        QString title;
    };

    void show(QWidget*, Icon icon, const QString& text, const QString& title) override
    {
        messages.push_back({ icon, text, title });
        if (modalMs <= 0) return;
        QEventLoop loop;
        QTimer::singleShot(modalMs, &loop, &QEventLoop::quit);
        loop.exec();
    }
    bool question(QWidget*, const QString& text, const QString& title) override
    {
        messages.push_back({ Icon::None, text, title });
        return answer;
    }

    QList<Message> messages;
    bool answer = true;
    int modalMs = 0;
};

} // namespace jm::test
