#pragma once

#include <string>
#include <vector>

namespace zfield {

using Args = std::vector<std::string>;

// Each subcommand takes the arguments after its name and returns the exit status.
int KeysCommand(const Args& args);
int RunCommand(const Args& args);

struct Command {
    const char* name;
    int (*run)(const Args&);
    const char* usage;
};

} // namespace zfield
