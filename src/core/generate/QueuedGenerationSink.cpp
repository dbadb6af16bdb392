#include "generate/QueuedGenerationSink.h"

#include <iterator>
#include <utility>

namespace jm {

namespace ev = generation_event;

namespace {

/// Merges `batch` into `last` when it continues it; false otherwise.
template <typename Batch> bool appendBatch(Batch* last, Batch& batch)
{
    if (!last || last->firstRow + last->rows.size() != batch.firstRow) return false;
    last->rows.insert(
        last->rows.end(), std::make_move_iterator(batch.rows.begin()), std::make_move_iterator(batch.rows.end()));
    return true;
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

void QueuedGenerationSink::push(GenerationEvent event)
{
    bool wasEmpty;
    {
        std::lock_guard lock(m_mutex);
        wasEmpty = m_events.empty();
        if (!wasEmpty) {
            GenerationEvent& last = m_events.back();
            if (auto* rows = std::get_if<ev::Rows>(&event)) {
                if (appendBatch(std::get_if<ev::Rows>(&last), *rows)) return;
            } else if (auto* englishRows = std::get_if<ev::EnglishRows>(&event)) {
                if (appendBatch(std::get_if<ev::EnglishRows>(&last), *englishRows)) return;
            } else if (std::holds_alternative<ev::Progress>(event) && std::holds_alternative<ev::Progress>(last)) {
                last = std::move(event);
                return;
            }
        }
        if (std::holds_alternative<ev::Finished>(event)) m_finished = true;
        m_events.push_back(std::move(event));
    }
    if (wasEmpty && m_notify) m_notify();
}

void QueuedGenerationSink::onStarted(const GenerationRequest& request)
{
    push(ev::Started { request });
}
void QueuedGenerationSink::onPhase(GenerationPhase phase)
{
    push(ev::PhaseChanged { phase });
}
void QueuedGenerationSink::onMessage(const GenerationMessage& message)
{
    push(ev::Message { message });
}
void QueuedGenerationSink::onListPrepared(std::size_t rowCount)
{
    push(ev::ListPrepared { rowCount });
}
void QueuedGenerationSink::onRows(std::size_t firstRow, std::vector<NameRow> rows)
{
    push(ev::Rows { firstRow, std::move(rows) });
}
void QueuedGenerationSink::onEnglishRows(std::size_t firstRow, std::vector<EnglishRow> rows)
{
    push(ev::EnglishRows { firstRow, std::move(rows) });
}
void QueuedGenerationSink::onProgress(std::size_t examined, std::size_t total)
{
    push(ev::Progress { examined, total });
}
void QueuedGenerationSink::onText(const std::string& text)
{
    push(ev::Text { text });
}
void QueuedGenerationSink::onFirstListed()
{
    push(ev::FirstListed {});
}
void QueuedGenerationSink::onPaused()
{
    push(ev::Paused {});
}
void QueuedGenerationSink::onFinished(const GenerationResult& result)
{
    push(ev::Finished { result });
}

} // namespace jm
