#pragma once

#include "generate/GenerationSink.h"
#include "generate/RunControl.h"

namespace jm {

class NameDatabase;

/// Shown when a run starts with an empty surname; the run goes on without one.
inline constexpr const char* kMessageEnterSurname = "请输入姓氏";

/// The skeleton every run follows, on whatever thread calls `run`:
/// onStarted, the surname check, the mode (set-up, candidate names,
/// listing) and Finished. `WorkerThread` runs it on a thread of its own;
/// the command line and the benchmarks call it directly.
class GenerationWorker {
public:
    GenerationWorker(NameDatabase& db, RunControl& control)
        : m_db(db)
        , m_control(control)
    {
    }

    /// Performs `request`, reporting to `sink`, and returns what Finished
    /// received. A mode that is not available ends the run with an empty list.
    GenerationResult run(const GenerationRequest& request, GenerationSink& sink);

private:
    NameDatabase& m_db;
    RunControl& m_control;
};

} // namespace jm
