#pragma once

#include "data/NameDatabase.h"
#include "scoring/Caution.h"

#include <iosfwd>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace jm::cli {

/// Arguments of one sub-command: positionals, `--name value` options
/// (repeatable) and `--flag` switches.
class Arguments {
public:
    /// `flags` are the option names that take no value (e.g. "json").
    Arguments(const std::vector<std::string>& raw, const std::set<std::string>& flags);

    const std::vector<std::string>& positional() const { return m_positional; }
    bool has(const std::string& name) const { return m_options.count(name) != 0; }
    std::optional<std::string> value(const std::string& name) const;
    std::vector<std::string> values(const std::string& name) const;
    /// Set when an option that needs a value came last.
    const std::string& error() const { return m_error; }

private:
    std::vector<std::string> m_positional;
    std::multimap<std::string, std::string> m_options;
    std::string m_error;
};

struct Io {
    std::ostream& out;
    std::ostream& err;
};

using CommandFunction = int (*)(const std::vector<std::string>& args, Io io);

struct CommandInfo {
    std::string usage;
    CommandFunction run;
};

/// All sub-commands by name; each command file registers itself.
std::map<std::string, CommandInfo>& commands();

struct Registrar {
    Registrar(const std::string& name, const std::string& usage, CommandFunction run)
    {
        commands()[name] = { usage, run };
    }
};

/// Builds the in-memory database from `--db PATH` or the shipped file.
/// Prints the failure message to `io.err` and returns false on failure.
bool openDatabase(NameDatabase& db, const Arguments& args, Io io);

/// Minimal JSON string quoting (UTF-8 kept as is).
std::string jsonString(const std::string& text);
/// A JSON array of cautions: [{"kind": "谐音", "text": "…"}, …].
std::string cautionsJson(const std::vector<Caution>& cautions);

} // namespace jm::cli
