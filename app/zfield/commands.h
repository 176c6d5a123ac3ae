#pragma once

#include "files/project_data.h"
#include "link/serial_port.h"
#include "program/user_interface.h"

#include <cstdint>
#include <string>
#include <vector>

namespace zfield {

using Args = std::vector<std::string>;

// Each subcommand takes the arguments after its name and returns the exit status.
int KeysCommand(const Args& args);
int RunCommand(const Args& args);
// Needs the rendering library.
int ListingCommand(const Args& args);
int PrintCommand(const Args& args);

int SendCommand(const Args& args);
int GetCommand(const Args& args);
int ShowCommand(const Args& args);
int ConvertCommand(const Args& args);
int LessonCommand(const Args& args);

// How send and get reach the robot: a port 1..4, a device, the trace lines.
struct LinkOptions {
    int port = 0;
    std::string device;
    bool trace = false;
};
// Takes the option at args[i] (and its value); false when it is none of them.
bool ReadLinkOption(const Args& args, std::size_t& i, LinkOptions& options);
// The link the program would use, with the command line's choices on top.
zf::LinkSettings SelectLinkPort(const LinkOptions& options);

// Files: a project of any form read without applying it (false after the
// message a load would show), and whether a file is a project: by its
// header or contents, or by its name when it is damaged.
bool ReadProjectData(zf::UserInterface& ui, const std::string& path,
                     const std::vector<std::uint8_t>& bytes, zf::ProjectData& data);
bool IsProjectFile(const std::string& path, const std::vector<std::uint8_t>& bytes);

struct Command {
    const char* name;
    int (*run)(const Args&);
    const char* usage;
};

} // namespace zfield
