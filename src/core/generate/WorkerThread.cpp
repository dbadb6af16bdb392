#include "generate/WorkerThread.h"

#include "generate/GenerationSink.h"
#include "generate/GenerationWorker.h"

#include <system_error>

namespace jm {

namespace {

/// Passes everything on and clears the running flag just before the last
/// report, so a window that sees onFinished also sees isRunning() false.
class FinishingSink final : public GenerationSink {
public:
    FinishingSink(GenerationSink& inner, std::atomic<bool>& running)
        : m_inner(inner)
        , m_running(running)
    {
    }
    void onStarted(const GenerationRequest& r) override { m_inner.onStarted(r); }
    void onPhase(GenerationPhase p) override { m_inner.onPhase(p); }
    void onMessage(const GenerationMessage& m) override { m_inner.onMessage(m); }
    void onListPrepared(std::size_t n) override { m_inner.onListPrepared(n); }
    void onRows(std::size_t first, std::vector<NameRow> rows) override { m_inner.onRows(first, std::move(rows)); }
    void onEnglishRows(std::size_t first, std::vector<EnglishRow> rows) override
    {
        m_inner.onEnglishRows(first, std::move(rows));
    }
    void onProgress(std::size_t examined, std::size_t total) override { m_inner.onProgress(examined, total); }
    void onText(const std::string& text) override { m_inner.onText(text); }
    void onFirstListed() override { m_inner.onFirstListed(); }
    void onPaused() override { m_inner.onPaused(); }
    void onFinished(const GenerationResult& result) override
    {
        m_running.store(false, std::memory_order_release);
        m_inner.onFinished(result);
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
