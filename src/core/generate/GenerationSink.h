#pragma once

#include "generate/EnglishRow.h"
#include "generate/GenerationRequest.h"
#include "generate/NameRow.h"

#include <array>
#include <cstdint>
#include <string>
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

/// The outcome of a run.
struct GenerationResult {
    GenerationRequest request;
    /// The seed the run's shuffles used (the request's, or the fresh one).
    std::uint64_t seed = 0;
    /// The final list: trimmed, sorted by score (highest first), numbered 1..n.
    /// After a stop: the names listed so far, in listing order, numbered 1..n.
    std::vector<NameRow> rows;
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
};

/// Receives what a run reports. Every method is called on the worker
/// thread, in the order documented here, and must not block for long; the
/// window uses `QueuedGenerationSink` and drains it on its own thread.
///
/// Order of a run: onStarted, onPhase(SettingUp), messages, onPhase(FormingCandidates),
/// onPhase(Listing), onListPrepared, then any mix of onRows / onProgress /
/// onFirstListed / onPaused, and last onFinished (always called, also after a stop).
/// The English name mode lists through onEnglishRows instead of onRows and
/// prepares no list.
/// A mode producing a text (classic) reports onPhase(SettingUp), onText and onFinished.
class GenerationSink {
public:
    virtual ~GenerationSink() = default;

    /// The run begins: open the waiting window and lock the mode page.
    virtual void onStarted(const GenerationRequest&) { }
    virtual void onPhase(GenerationPhase) { }
    /// A message box to show ("提示" with its icon, etc.).
    virtual void onMessage(const GenerationMessage&) { }
    /// The list about to be filled will hold at most `rowCount` rows (a
    /// window may pre-insert that many empty rows).
    virtual void onListPrepared(std::size_t /*rowCount*/) { }
    /// Rows `firstRow` .. `firstRow + rows.size() - 1` (0-based) were filled,
    /// in listing order, numbered as listed.
    virtual void onRows(std::size_t /*firstRow*/, std::vector<NameRow> /*rows*/) { }
    /// English rows `firstRow` .. `firstRow + rows.size() - 1` (0-based) were
    /// listed, in table order, numbered as listed.
    virtual void onEnglishRows(std::size_t /*firstRow*/, std::vector<EnglishRow> /*rows*/) { }
    /// `examined` of `total` candidate names have been examined.
    virtual void onProgress(std::size_t /*examined*/, std::size_t /*total*/) { }
    /// The first name was listed by a mode with a capacity (high score,
    /// super-lucky): close the waiting window and enable the pause button.
    /// Modes without a capacity close the waiting window at onPhase(Listing).
    virtual void onFirstListed() { }
    /// The worker has parked on a pause; every row listed so far has been
    /// delivered through onRows.
    virtual void onPaused() { }
    /// The whole output of a text mode (classic): put it into the text box,
    /// replacing what it held.
    virtual void onText(const std::string& /*text*/) { }
    /// The run is over (ended or stopped); unlock the window.
    virtual void onFinished(const GenerationResult&) { }
};

} // namespace jm
