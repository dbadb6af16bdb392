#pragma once

#include "generate/GenerationSink.h"
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

/// A candidate given name: part `first` followed by part `second` (or by
/// nothing when `second` is kNoPart). Indexes into RunData::parts.
struct CandidateName {
    static constexpr std::uint32_t kNoPart = 0xFFFFFFFFu;
    std::uint32_t first = kNoPart;
    std::uint32_t second = kNoPart;
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

    void phase(GenerationPhase phase) { m_sink.onPhase(phase); }
    void message(const GenerationMessage& message) { m_sink.onMessage(message); }

    /// Appends a row to the list (its number is its position) and queues it
    /// for the sink.
    void listRow(NameRow row);
    /// Hands the queued rows to the sink.
    void flushRows();

private:
    bool handleInterruption();

    NameDatabase& m_db;
    GenerationSink& m_sink;
    RunControl& m_control;
    GenerationResult m_result;
    ShuffleRandom m_random;
    RunData m_data;
    std::vector<NameRow> m_pendingRows;
    std::size_t m_pendingFirst = 0;
};

} // namespace jm
