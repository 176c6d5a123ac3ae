#pragma once

#include <string>
#include <vector>

namespace zfield {

using Args = std::vector<std::string>;

// Each subcommand takes the arguments after its name and returns the exit status.
int KeysCommand(const Args& args);
int RunCommand(const Args& args);

int SendCommand(const Args& args);
int GetCommand(const Args& args);

// How send and get reach the robot: a port 1..4, a device, the trace lines.
struct LinkOptions {
    int port = 0;
    std::string device;
    bool trace = false;
};
// Takes the option at args[i] (and its value); false when it is none of them.
bool ReadLinkOption(const Args& args, std::size_t& i, LinkOptions& options);
void SelectLinkPort(const LinkOptions& options);

struct Command {
    const char* name;
    int (*run)(const Args&);
    const char* usage;
};

} // namespace zfield
