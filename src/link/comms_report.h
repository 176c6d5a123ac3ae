#pragma once

#include "files/file_io.h"
#include "program/user_interface.h"

#include <cstdint>
#include <string>

namespace zf {

// A hexadecimal dump of a received image, written after each stage of a
// link command when the user asks for it.
struct CommsReport {
    FileHandle file;
    // The dumped area, both guard bands included.
    std::uint8_t* data = nullptr;
    std::uint32_t length = 0;
    std::uint32_t guardBefore = 0;
    std::uint32_t guardAfter = 0;
    std::string title;
    // A fixed file name; empty asks the user for one.
    std::string fileName;
    UserInterface* owner = nullptr;
};

// Asks the user for the report when it is `wanted` (the Debug menu's
// switch); writes nothing otherwise.
void OpenCommsReport(CommsReport& report, bool wanted);
void WriteReportStage(CommsReport& report, const char* label);
void CloseCommsReport(CommsReport& report);

} // namespace zf
