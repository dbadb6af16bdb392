#pragma once

#include "shell/MessageService.h"

#include <QList>
#include <QString>

namespace jm::test {

/// A message service for window tests: records every box instead of
/// showing it and answers questions with `answer`.
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
    }
    bool question(QWidget*, const QString& text, const QString& title) override
    {
        messages.push_back({ Icon::None, text, title });
        return answer;
    }

    QList<Message> messages;
    bool answer = true;
};

} // namespace jm::test
