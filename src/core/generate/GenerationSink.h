#pragma once

#include "generate/EnglishRow.h"
#include "generate/GenerationRequest.h"
#include "generate/NameRow.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <variant>
#include <vector>

namespace jm {

/// The stages of a run, in the order they are entered.
enum class GenerationPhase {
    SettingUp, ///< the mode picks its candidate characters
    FormingCandidates, ///< looking characters up, forming candidate names
    Listing, ///< scoring candidates and filling the list
};

enum class MessageIcon { None, Information, Warning };

/// A message the window shows in a message box; the run does not wait for it.
struct GenerationMessage {
    std::string title;
    std::string text;
    MessageIcon icon = MessageIcon::None;
};

inline bool operator==(const GenerationMessage& a, const GenerationMessage& b)
{
    return a.title == b.title && a.text == b.text && a.icon == b.icon;
}

class NameList;

/// The outcome of a run.
struct GenerationResult {
    GenerationRequest request;
    /// The seed the run's shuffles used (the request's, or the fresh one).
    std::uint64_t seed = 0;
    /// The names a scored mode listed, in listing order (null for the
    /// English and classic modes). Shared with the window that shows them.
    std::shared_ptr<const NameList> names;
    /// The final list as indexes into `names`: row k (numbered k + 1) is
    /// names[order[k]]. Sorted by score (highest first); after a stop, the
    /// names listed so far in listing order.
    std::vector<std::uint32_t> order;
    /// The English name mode's list instead, in table order, numbered 1..n.
    std::vector<EnglishRow> englishRows;
    /// True when the run was stopped before it ended on its own.
    bool stopped = false;
    /// The run's candidate characters (its working data), in order.
    std::vector<std::string> candidateCharacters;
    /// The text of a mode that produces a text instead of a list (classic),
    /// exactly as its text box shows it; empty otherwise.
    std::string text;
    /// Candidate names formed and candidates examined by the listing phase.
    std::size_t candidateCount = 0;
    std::size_t examinedCount = 0;
    /// Names the list left out, by Exclusion (index 0 unused).
    std::array<std::size_t, kExclusionCount> excluded {};
    /// The least score a listed name needed (0: every score was listed).
    int threshold = 0;

    /// Rows of the final list.
    std::size_t rowCount() const { return order.size(); }
    /// Row k (0-based) of the final list as texts, numbered k + 1.
    NameRow row(std::size_t k) const;
    /// Every row of the final list as texts (tests, small lists).
    std::vector<NameRow> rows() const;
};

/// What a run reports, one value per report.
namespace generation_event {
/// The run begins: open the waiting window and lock the mode page.
struct Started {
    GenerationRequest request;
};
struct PhaseChanged {
    GenerationPhase phase;
};
/// A message box to show ("提示" with its icon, etc.).
struct Message {
    GenerationMessage message;
};
/// The list about to be filled will hold at most `rowCount` rows (a window
/// may show that many empty rows); its names will be appended to `names`.
struct ListPrepared {
    std::size_t rowCount;
    std::shared_ptr<const NameList> names;
};
/// Names `firstRow` .. `firstRow + count - 1` of the prepared list are
/// listed (in listing order, numbered as listed); the list holds them.
struct Rows {
    std::size_t firstRow;
    std::size_t count;
};
/// English rows `firstRow` .. `firstRow + rows.size() - 1` (0-based) were
/// listed, in table order, numbered as listed.
struct EnglishRows {
    std::size_t firstRow;
    std::vector<EnglishRow> rows;
};
/// `examined` of `total` candidate names have been examined.
struct Progress {
    std::size_t examined;
    std::size_t total;
};
/// The whole output of a text mode (classic): put it into the text box,
/// replacing what it held.
struct Text {
    std::string text;
};
/// The first name was listed by a mode with a capacity (high score,
/// super-lucky): close the waiting window and enable the pause button.
/// Modes without a capacity close the waiting window at PhaseChanged(Listing).
struct FirstListed { };
/// The worker has parked on a pause; every name listed so far has been
/// reported through Rows.
struct Paused { };
/// The run is over (ended or stopped); unlock the window. The result
/// carries the final order of the listed names, not the names again.
struct Finished {
    GenerationResult result;
};
} // namespace generation_event

using GenerationEvent = std::variant<generation_event::Started, generation_event::PhaseChanged,
    generation_event::Message, generation_event::ListPrepared, generation_event::Rows, generation_event::EnglishRows,
    generation_event::Progress, generation_event::Text, generation_event::FirstListed, generation_event::Paused,
    generation_event::Finished>;

/// Receives what a run reports. Called on the worker thread, in the order
/// documented here, and must not block for long; the window uses
/// `QueuedGenerationSink` and drains it on its own thread. A sink may move
/// from the event it is given.
///
/// Order of a run: Started, PhaseChanged(SettingUp), messages,
/// PhaseChanged(FormingCandidates), PhaseChanged(Listing), ListPrepared,
/// then any mix of Rows / Progress / FirstListed / Paused, and last Finished
/// (always sent, also after a stop). The English name mode lists through
/// EnglishRows instead of Rows and prepares no list. A mode producing a
/// text (classic) reports PhaseChanged(SettingUp), Text and Finished.
class GenerationSink {
public:
    virtual ~GenerationSink() = default;
    virtual void onEvent(GenerationEvent& /*event*/) { }

    /// Reports one event.
    void report(GenerationEvent event) { onEvent(event); }
};

} // namespace jm
