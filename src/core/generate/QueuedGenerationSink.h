#pragma once

#include "generate/GenerationSink.h"

#include <functional>
#include <mutex>
#include <vector>

namespace jm {

/// A sink that queues every report for another thread: the worker pushes,
/// the window drains on its own thread (by a timer, or when woken by the
/// notifier). Neighbouring row reports are merged and a progress report
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
    /// True once Finished has been queued (whether drained or not). Any thread.
    bool finished() const;

    /// Queues the event (moved from).
    void onEvent(GenerationEvent& event) override;

private:
    std::function<void()> m_notify;
    mutable std::mutex m_mutex;
    std::vector<GenerationEvent> m_events;
    bool m_finished = false;
};

} // namespace jm
