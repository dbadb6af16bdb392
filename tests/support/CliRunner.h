#pragma once

#include <string>

namespace jm::test {

struct CliRun {
    int status = -1;
    std::string out; ///< stdout and stderr together
};

/// Runs the jiaming-cli named by $JIAMING_CLI with `args` (shell words).
CliRun runCli(const std::string& args);

/// Single-quotes a text for the shell.
std::string shellQuote(const std::string& text);

} // namespace jm::test
