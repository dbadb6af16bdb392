#pragma once

#include "generate/GenerationSink.h"
#include "generate/NameList.h"
#include "generate/RunControl.h"
#include "generate/Shuffle.h"
#include "scoring/NameScorer.h"

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

namespace jm {

class NameDatabase;

/// A text a candidate name is made of: normally one candidate character;
/// the surname entry and a fixed generation character may hold more or
/// fewer characters.
struct CandidatePart {
    std::string text;
};

/// The working data of one run, emptied when the run begins and left as it
/// is when the run ends.
struct RunData {
    /// Texts to look up, in order; normally one character each, the surname last.
    std::vector<std::string> candidateCharacters;
    /// One record per candidate character in the same order, then the
    /// characters of the surname and of fixed parts that no candidate supplies.
    CharacterTable table;
    /// parts[i] is candidate character i for i < candidateCharacters.size();
    /// further parts (a generation character, a fixed affix) follow.
    std::vector<CandidatePart> parts;
    std::vector<CandidateName> candidateNames;

    /// The index of a part with this text, appending it when it is new
    /// (candidate characters are found first).
    std::uint32_t partFor(const std::string& text);
    /// The given name of a candidate.
    std::string givenName(const CandidateName& name) const;

private:
    std::unordered_map<std::string, std::uint32_t> m_partIndex;
    std::size_t m_indexedParts = 0;
};

/// One run in progress: the request, the database, the sink and the
/// controls a mode works with. Lives on the worker thread.
class GenerationRun {
public:
    GenerationRun(NameDatabase& db, const GenerationRequest& request, GenerationSink& sink, RunControl& control);

    const GenerationRequest& request() const { return m_result.request; }
    /// The request's name length: 2, or 1 for any other value.
    int nameLength() const { return m_result.request.nameLength == 2 ? 2 : 1; }
    NameDatabase& database() { return m_db; }
    GenerationSink& sink() { return m_sink; }
    ShuffleRandom& random() { return m_random; }
    RunData& data() { return m_data; }
    const RunData& data() const { return m_data; }
    GenerationResult& result() { return m_result; }

    /// Call after every item of work: flushes the listed rows and parks
    /// while paused. False when the run must stop (the run is then marked
    /// stopped and the caller returns at once).
    bool checkpoint() { return !m_control.interrupted() || handleInterruption(); }
    bool stopped() const { return m_result.stopped; }

    /// Reports an event to the sink.
    void report(GenerationEvent event) { m_sink.onEvent(event); }
    void phase(GenerationPhase phase) { report(generation_event::PhaseChanged { phase }); }
    void message(const GenerationMessage& message) { report(generation_event::Message { message }); }

    /// Makes `names` the run's list (result().names) and reports it as
    /// prepared for `rowCount` rows.
    void prepareList(std::shared_ptr<NameList> names, std::size_t rowCount);
    /// Appends a name to the list (its number is its position); the sink
    /// hears of it with the next flushRows.
    void listName(const ListedName& name) { m_names->append(name); }
    std::size_t listedCount() const { return m_names ? m_names->size() : 0; }
    /// Reports the names listed since the last flush.
    void flushRows();

private:
    bool handleInterruption();

    NameDatabase& m_db;
    GenerationSink& m_sink;
    RunControl& m_control;
    GenerationResult m_result;
    ShuffleRandom m_random;
    RunData m_data;
    std::shared_ptr<NameList> m_names;
    std::size_t m_reported = 0;
};

} // namespace jm
