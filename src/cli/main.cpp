// jiaming-cli: the command-line front end over the core library.
#include "cli/Command.h"

#include <iostream>

int main(int argc, char** argv)
{
    using namespace jm::cli;
    std::vector<std::string> args(argv + 1, argv + argc);
    const auto usage = [] {
        std::cerr << "usage: jiaming-cli COMMAND [ARGS]\n";
        for (const auto& [name, info] : commands())
            std::cerr << "  " << info.usage << "\n";
    };
    if (args.empty() || args[0] == "--help" || args[0] == "-h") {
        usage();
        return args.empty() ? 2 : 0;
    }
    const auto it = commands().find(args[0]);
    if (it == commands().end()) {
        std::cerr << "jiaming-cli: unknown command: " << args[0] << "\n";
        usage();
        return 2;
    }
    args.erase(args.begin());
    return it->second.run(args, Io { std::cout, std::cerr });
}
