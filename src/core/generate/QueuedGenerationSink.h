#pragma once

#include "generate/GenerationSink.h"

#include <functional>
#include <mutex>
#include <variant>
#include <vector>

namespace jm {

/// What a run reported, as queued values.
namespace generation_event {
struct Started {
    GenerationRequest request;
};
struct PhaseChanged {
    GenerationPhase phase;
};
struct Message {
    GenerationMessage message;
};
struct ListPrepared {
    std::size_t rowCount;
};
struct Rows {
    std::size_t firstRow;
    std::vector<NameRow> rows;
};
struct EnglishRows {
    std::size_t firstRow;
    std::vector<EnglishRow> rows;
};
struct Progress {
    std::size_t examined;
    std::size_t total;
};
struct Text {
    std::string text;
};
struct FirstListed { };
struct Paused { };
struct Finished {
    GenerationResult result;
};
} // namespace generation_event

using GenerationEvent = std::variant<generation_event::Started, generation_event::PhaseChanged,
    generation_event::Message, generation_event::ListPrepared, generation_event::Rows, generation_event::EnglishRows,
    generation_event::Progress, generation_event::Text, generation_event::FirstListed, generation_event::Paused,
    generation_event::Finished>;

/// A sink that queues every report for another thread: the worker pushes,
/// the window drains on its own thread (by a timer, or when woken by the
/// notifier). Neighbouring row batches are merged and a progress report
/// replaces the one before it while neither has been drained, so the queue
/// stays short however fast the run lists. Use one sink per run.
class QueuedGenerationSink final : public GenerationSink {
public:
    /// `notify` (optional) is called on the worker thread whenever the
    /// queue turns from empty to non-empty; it must be thread-safe and must
    /// not call back into the sink (e.g. post a queued call to the window).
    explicit QueuedGenerationSink(std::function<void()> notify = {});

    /// Takes every queued event, oldest first. Any thread.
    std::vector<GenerationEvent> drain();
    /// True once onFinished has been queued (whether drained or not). Any thread.
    bool finished() const;

    void onStarted(const GenerationRequest& request) override;
    void onPhase(GenerationPhase phase) override;
    void onMessage(const GenerationMessage& message) override;
    void onListPrepared(std::size_t rowCount) override;
    void onRows(std::size_t firstRow, std::vector<NameRow> rows) override;
    void onEnglishRows(std::size_t firstRow, std::vector<EnglishRow> rows) override;
    void onProgress(std::size_t examined, std::size_t total) override;
    void onText(const std::string& text) override;
    void onFirstListed() override;
    void onPaused() override;
    void onFinished(const GenerationResult& result) override;

private:
    void push(GenerationEvent event);

    std::function<void()> m_notify;
    mutable std::mutex m_mutex;
    std::vector<GenerationEvent> m_events;
    bool m_finished = false;
};

} // namespace jm
