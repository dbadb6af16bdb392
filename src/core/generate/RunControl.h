#pragma once

#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>

namespace jm {

/// Cooperative pause, resume and stop of one run. The controlling thread
/// sets the state; the worker polls `interrupted` after every item of work
/// and calls `waitWhilePaused` when it is set. Nothing is ever suspended or
/// killed from outside.
class RunControl {
public:
    /// Asks the run to end at its next check; wakes a paused run. Any thread.
    void requestStop();
    /// Asks the run to park at its next check (ignored once a stop is asked). Any thread.
    void pause();
    /// Lets a paused run go on. Any thread.
    void resume();
    /// Back to running, for the next run. Only while no run uses this control.
    void reset();

    bool isPaused() const { return m_state.load(std::memory_order_acquire) == Paused; }
    bool stopRequested() const { return m_state.load(std::memory_order_acquire) == Stopping; }
    /// One atomic load: true when a pause or a stop is pending. The hot path.
    bool interrupted() const { return m_state.load(std::memory_order_acquire) != Running; }

    /// Worker side: blocks while paused. `parked` (optional) is called once,
    /// before blocking. Returns false when the run must stop.
    bool waitWhilePaused(const std::function<void()>& parked = {});

private:
    enum State { Running, Paused, Stopping };
    void set(State state, bool onlyFromRunning);

    std::atomic<int> m_state { Running };
    std::mutex m_mutex;
    std::condition_variable m_changed;
};

} // namespace jm
