#pragma once

#include "generate/GenerationRequest.h"
#include "generate/RunControl.h"

#include <atomic>
#include <memory>
#include <mutex>
#include <thread>

namespace jm {

class GenerationSink;
class NameDatabase;

/// Holds the one generation worker of the program: runs a GenerationWorker
/// on a thread of its own, with cooperative pause, resume and stop. At most
/// one run is active: `start` stops and joins the active run first. The
/// destructor stops and joins, so destroy the WorkerThread (or call `stop`)
/// before closing the database.
///
/// Control methods are meant for one controlling thread (the window
/// thread); they never wait for the window, and the worker never waits for
/// them except while paused.
class WorkerThread {
public:
    explicit WorkerThread(NameDatabase& db);
    ~WorkerThread();
    WorkerThread(const WorkerThread&) = delete;
    WorkerThread& operator=(const WorkerThread&) = delete;

    /// How a run begins: at once, or already paused, so that it parks (and
    /// reports Paused) at its first check, before any name is formed.
    enum class Start { Running, Paused };

    /// Stops and joins the active run, then starts `request` reporting to
    /// `sink` (kept alive until the run ends; use a fresh sink per run).
    /// False when no thread could be created (nothing runs then).
    bool start(GenerationRequest request, std::shared_ptr<GenerationSink> sink, Start how = Start::Running);
    /// The run parks at its next check (after the current candidate).
    void pause();
    /// A parked run goes on where it stopped.
    void resume();
    /// Ends the active run at its next check (milliseconds) and joins its
    /// thread; the sink has received Finished with `stopped` set when this
    /// returns. Nothing happens when no run is active.
    void stop();
    /// Joins the active run without stopping it.
    void wait();

    /// True from `start` until the run has reported Finished.
    bool isRunning() const { return m_running.load(std::memory_order_acquire); }
    bool isPaused() const { return m_control.isPaused(); }

private:
    void join();

    NameDatabase& m_db;
    RunControl m_control;
    std::thread m_thread;
    std::atomic<bool> m_running { false };
    std::mutex m_mutex; // guards m_thread against concurrent control calls
};

} // namespace jm
