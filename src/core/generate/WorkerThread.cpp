#include "generate/WorkerThread.h"

#include "generate/GenerationSink.h"
#include "generate/GenerationWorker.h"

#include <system_error>

namespace jm {

namespace {

/// Passes everything on and clears the running flag just before the last
/// report, so a window that sees Finished also sees isRunning() false.
class FinishingSink final : public GenerationSink {
public:
    FinishingSink(GenerationSink& inner, std::atomic<bool>& running)
        : m_inner(inner)
        , m_running(running)
    {
    }
    void onEvent(GenerationEvent& event) override
    {
        if (std::holds_alternative<generation_event::Finished>(event))
            m_running.store(false, std::memory_order_release);
        m_inner.onEvent(event);
    }

private:
    GenerationSink& m_inner;
    std::atomic<bool>& m_running;
};

} // namespace

WorkerThread::WorkerThread(NameDatabase& db)
    : m_db(db)
{
}

WorkerThread::~WorkerThread()
{
    stop();
}

bool WorkerThread::start(GenerationRequest request, std::shared_ptr<GenerationSink> sink, Start how)
{
    std::lock_guard lock(m_mutex);
    m_control.requestStop();
    join();
    m_control.reset();
    if (how == Start::Paused) m_control.pause();
    m_running.store(true, std::memory_order_release);
    try {
        m_thread = std::thread([this, request = std::move(request), sink = std::move(sink)] {
            FinishingSink finishing(*sink, m_running);
            GenerationWorker(m_db, m_control).run(request, finishing);
        });
    } catch (const std::system_error&) {
        m_control.reset();
        m_running.store(false, std::memory_order_release);
        return false;
    }
    return true;
}

void WorkerThread::pause()
{
    m_control.pause();
}

void WorkerThread::resume()
{
    m_control.resume();
}

void WorkerThread::stop()
{
    std::lock_guard lock(m_mutex);
    m_control.requestStop();
    join();
}

void WorkerThread::wait()
{
    std::lock_guard lock(m_mutex);
    join();
}

void WorkerThread::join()
{
    if (m_thread.joinable()) m_thread.join();
}

} // namespace jm
