#include "generate/GenerationWorker.h"

#include "generate/CandidatePipeline.h"
#include "generate/GenerationModes.h"
#include "generate/GenerationRun.h"

namespace jm {

GenerationResult GenerationWorker::run(const GenerationRequest& request, GenerationSink& sink)
{
    GenerationRun run(m_db, request, sink, m_control);
    sink.report(generation_event::Started { request });
    if (request.surname.empty()) run.message({ kMessageTitle, kMessageEnterSurname, MessageIcon::None });
    if (const ModeFunction mode = modeFunction(request.mode)) mode(run);
    run.result().candidateCharacters = run.data().candidateCharacters;
    sink.report(generation_event::Finished { run.result() });
    return std::move(run.result());
}

} // namespace jm
