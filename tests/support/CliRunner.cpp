#include "support/CliRunner.h"

#include <array>
#include <cstdio>
#include <cstdlib>

#include <sys/wait.h>

namespace jm::test {

CliRun runCli(const std::string& args)
{
    const char* exe = std::getenv("JIAMING_CLI");
    return runCommand(std::string(exe ? exe : "jiaming-cli") + " " + args);
}

CliRun runCommand(const std::string& commandLine)
{
    const std::string command = commandLine + " 2>&1";
    CliRun r;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe) return r;
    std::array<char, 4096> buf {};
    std::size_t n;
    while ((n = std::fread(buf.data(), 1, buf.size(), pipe)) > 0)
        r.out.append(buf.data(), n);
    const int status = ::pclose(pipe);
    r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return r;
}

std::string shellQuote(const std::string& text)
{
    std::string out = "'";
    for (char c : text) {
        if (c == '\'')
            out += "'\\''";
        else
            out += c;
    }
    return out + "'";
}

} // namespace jm::test
