#include "generate/QueuedGenerationSink.h"

#include <iterator>
#include <utility>

namespace jm {

namespace ev = generation_event;

namespace {

/// Merges `event` into `last` when both report rows and it continues them;
/// false otherwise.
bool merge(GenerationEvent& last, GenerationEvent& event)
{
    if (auto* rows = std::get_if<ev::Rows>(&event)) {
        auto* before = std::get_if<ev::Rows>(&last);
        if (!before || before->firstRow + before->count != rows->firstRow) return false;
        before->count += rows->count;
        return true;
    }
    if (auto* english = std::get_if<ev::EnglishRows>(&event)) {
        auto* before = std::get_if<ev::EnglishRows>(&last);
        if (!before || before->firstRow + before->rows.size() != english->firstRow) return false;
        before->rows.insert(before->rows.end(), std::make_move_iterator(english->rows.begin()),
            std::make_move_iterator(english->rows.end()));
        return true;
    }
    if (std::holds_alternative<ev::Progress>(event) && std::holds_alternative<ev::Progress>(last)) {
        last = std::move(event);
        return true;
    }
    return false;
}

} // namespace

QueuedGenerationSink::QueuedGenerationSink(std::function<void()> notify)
    : m_notify(std::move(notify))
{
}

std::vector<GenerationEvent> QueuedGenerationSink::drain()
{
    std::lock_guard lock(m_mutex);
    return std::exchange(m_events, {});
}

bool QueuedGenerationSink::finished() const
{
    std::lock_guard lock(m_mutex);
    return m_finished;
}

void QueuedGenerationSink::onEvent(GenerationEvent& event)
{
    bool wasEmpty;
    {
        std::lock_guard lock(m_mutex);
        wasEmpty = m_events.empty();
        if (!wasEmpty && merge(m_events.back(), event)) return;
        if (std::holds_alternative<ev::Finished>(event)) m_finished = true;
        m_events.push_back(std::move(event));
    }
    if (wasEmpty && m_notify) m_notify();
}

} // namespace jm
