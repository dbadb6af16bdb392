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
    /// `flags` are the option names that take no value (e.g. "json"),
    /// `valueOptions` those that take one (e.g. "db"). Any other `--name` is
    /// an error ("unknown option --name").
    Arguments(const std::vector<std::string>& raw, const std::set<std::string>& flags,
        const std::set<std::string>& valueOptions);

    /// The names of the options given, in order, repeats included.
    std::vector<std::string> optionNames() const;

    const std::vector<std::string>& positional() const { return m_positional; }
    bool has(const std::string& name) const { return m_options.count(name) != 0; }
    std::optional<std::string> value(const std::string& name) const;
    std::vector<std::string> values(const std::string& name) const;
    /// Set when an option is unknown or one that needs a value came last.
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
    /// Optional: more lines for `COMMAND --help` after the usage line.
    void (*details)(std::ostream& out) = nullptr;
};

/// All sub-commands by name; each command file registers itself.
std::map<std::string, CommandInfo>& commands();

struct Registrar {
    Registrar(const std::string& name, const std::string& usage, CommandFunction run,
        void (*details)(std::ostream&) = nullptr)
    {
        commands()[name] = { usage, run, details };
    }
};

/// The whole command line after the program name: help, the UTF-8 check of
/// every argument but file paths, the command's own run. Returns the exit
/// status: 0 done, 1 failed (database, file), 2 bad command line or input.
int runCommandLine(std::vector<std::string> args, Io io);

/// Builds the in-memory database from `--db PATH` or the shipped file.
/// Prints the failure message to `io.err` and returns false on failure.
bool openDatabase(NameDatabase& db, const Arguments& args, Io io);

/// The option names written in a usage text: every "--name" in it.
std::set<std::string> optionsInUsage(const std::string& usage);

/// True when `arg` is the help switch of a command line ("--help" or "-h").
bool isHelpSwitch(const std::string& arg);

/// Options whose value is a file path: exempt from the UTF-8 check of the
/// command line, since a Linux file name may be any bytes.
bool isPathOption(const std::string& name);

/// JSON string quoting. Valid UTF-8 is kept as is; a malformed byte becomes
/// U+FFFD, so the output is always valid UTF-8.
std::string jsonString(const std::string& text);
/// A JSON array of cautions: [{"kind": "谐音", "text": "…"}, …].
std::string cautionsJson(const std::vector<Caution>& cautions);

} // namespace jm::cli
