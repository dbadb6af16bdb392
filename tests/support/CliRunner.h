#pragma once

#include <string>

namespace jm::test {

struct CliRun {
    int status = -1;
    std::string out; ///< stdout and stderr together
};

/// Runs a shell command line and collects its stdout and stderr.
CliRun runCommand(const std::string& commandLine);

/// Runs the jiaming-cli named by $JIAMING_CLI with `args` (shell words).
CliRun runCli(const std::string& args);

/// Single-quotes a text for the shell.
std::string shellQuote(const std::string& text);

} // namespace jm::test
