// jiaming-cli: the command-line front end over the core library.
#include "cli/Command.h"

#include <iostream>

int main(int argc, char** argv)
{
    return jm::cli::runCommandLine(std::vector<std::string>(argv + 1, argv + argc), { std::cout, std::cerr });
}
