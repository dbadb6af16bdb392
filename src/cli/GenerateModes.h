#pragma once

#include "cli/Command.h"
#include "generate/GenerationRequest.h"
#include "generate/GenerationSink.h"

#include <iosfwd>
#include <map>
#include <set>
#include <string>

namespace jm::cli {

/// What `generate --mode NAME` needs to know about one mode. Each mode
/// registers itself from a file of its own (see GenerateHighMode.cpp), so a
/// new mode adds a file and touches nothing else here.
struct GenerateModeInfo {
    GenerationMode mode;
    /// The mode's own options for the usage text, e.g. "--characters TEXT"; may be empty.
    std::string usage;
    /// The mode's own options that take no value.
    std::set<std::string> flags;
    /// Reads the mode's own options into `request`; returns an error text, or "" when fine.
    std::string (*configure)(const Arguments& args, GenerationRequest& request);
    /// Optional: completes the request from the database once it is open
    /// (e.g. a poem's default characters); returns an error text or "".
    std::string (*resolve)(NameDatabase& db, const Arguments& args, GenerationRequest& request) = nullptr;
    /// False for a mode that reads neither --sex nor --length (they are then optional).
    bool needsSexAndLength = true;
    /// Optional: prints the result instead of the scored-name list (tsv or json).
    void (*print)(const GenerationResult& result, bool json, std::ostream& out) = nullptr;
};

/// Every mode `generate` knows, by its --mode name.
std::map<std::string, GenerateModeInfo>& generateModes();

struct GenerateModeRegistrar {
    GenerateModeRegistrar(const std::string& name, GenerateModeInfo info) { generateModes()[name] = std::move(info); }
};

} // namespace jm::cli
