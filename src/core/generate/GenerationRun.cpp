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

void GenerationRun::listRow(NameRow row)
{
    if (m_pendingRows.empty()) m_pendingFirst = m_result.rows.size();
    m_result.rows.push_back(row);
    m_pendingRows.push_back(std::move(row));
}

void GenerationRun::flushRows()
{
    if (m_pendingRows.empty()) return;
    m_sink.onRows(m_pendingFirst, std::exchange(m_pendingRows, {}));
}

bool GenerationRun::handleInterruption()
{
    const bool goOn = m_control.waitWhilePaused([this] {
        flushRows();
        m_sink.onPaused();
    });
    if (!goOn) m_result.stopped = true;
    return goOn;
}

} // namespace jm
