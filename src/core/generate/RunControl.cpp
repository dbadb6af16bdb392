#include "generate/RunControl.h"

namespace jm {

void RunControl::set(State state, bool onlyFromRunning)
{
    {
        std::lock_guard lock(m_mutex);
        const int current = m_state.load(std::memory_order_relaxed);
        if (current == Stopping && state != Running) return;
        if (onlyFromRunning && current != Running) return;
        m_state.store(state, std::memory_order_release);
    }
    m_changed.notify_all();
}

void RunControl::requestStop()
{
    set(Stopping, false);
}

void RunControl::pause()
{
    set(Paused, true);
}

void RunControl::resume()
{
    {
        std::lock_guard lock(m_mutex);
        if (m_state.load(std::memory_order_relaxed) != Paused) return;
        m_state.store(Running, std::memory_order_release);
    }
    m_changed.notify_all();
}

void RunControl::reset()
{
    std::lock_guard lock(m_mutex);
    m_state.store(Running, std::memory_order_release);
}

bool RunControl::waitWhilePaused(const std::function<void()>& parked)
{
    if (m_state.load(std::memory_order_acquire) == Paused && parked) parked();
    std::unique_lock lock(m_mutex);
    m_changed.wait(lock, [this] { return m_state.load(std::memory_order_relaxed) != Paused; });
    return m_state.load(std::memory_order_relaxed) != Stopping;
}

} // namespace jm
