#include "generate/GenerationRun.h"

#include <utility>

namespace jm {

std::uint32_t RunData::partFor(const std::string& text)
{
    // Index the parts appended directly (the candidate characters) first;
    // the first part with a text wins.
    for (; m_indexedParts < parts.size(); ++m_indexedParts)
        m_partIndex.try_emplace(parts[m_indexedParts].text, static_cast<std::uint32_t>(m_indexedParts));
    const auto [it, added] = m_partIndex.try_emplace(text, static_cast<std::uint32_t>(parts.size()));
    if (added) {
        parts.push_back({ text });
        ++m_indexedParts;
    }
    return it->second;
}

std::string RunData::givenName(const CandidateName& name) const
{
    std::string text = parts[name.first].text;
    if (name.second != CandidateName::kNoPart) text += parts[name.second].text;
    return text;
}

GenerationRun::GenerationRun(
    NameDatabase& db, const GenerationRequest& request, GenerationSink& sink, RunControl& control)
    : m_db(db)
    , m_sink(sink)
    , m_control(control)
{
    m_result.request = request;
    m_result.seed = request.seed ? *request.seed : freshShuffleSeed();
    m_random.seed(m_result.seed);
}

void GenerationRun::prepareList(std::shared_ptr<NameList> names, std::size_t rowCount)
{
    m_names = std::move(names);
    m_reported = 0;
    m_result.names = m_names;
    report(generation_event::ListPrepared { rowCount, m_names });
}

void GenerationRun::flushRows()
{
    const std::size_t listed = listedCount();
    if (listed == m_reported) return;
    report(generation_event::Rows { m_reported, listed - m_reported });
    m_reported = listed;
}

bool GenerationRun::handleInterruption()
{
    const bool goOn = m_control.waitWhilePaused([this] {
        flushRows();
        report(generation_event::Paused {});
    });
    if (!goOn) m_result.stopped = true;
    return goOn;
}

} // namespace jm
