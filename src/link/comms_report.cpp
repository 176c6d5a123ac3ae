#include "link/comms_report.h"

#include "program/texts.h"
#include "program/unnumbered_texts.h"

#include <algorithm>
#include <cstdio>

namespace zf {

namespace {

void WriteText(CommsReport& report, const std::string& text) {
    WriteBytes(report.file, text.data(), text.size());
}

// One line per 16 bytes: the offset, two full stops, then each byte.
void WriteDump(CommsReport& report, const std::uint8_t* bytes, std::uint32_t count) {
    std::string out;
    char field[16];
    for (std::uint32_t line = 0; line < count; line += 16) {
        std::snprintf(field, sizeof field, "%04x..", static_cast<unsigned>(line));
        out += field;
        for (std::uint32_t i = line; i < std::min(line + 16, count); ++i) {
            std::snprintf(field, sizeof field, "%02x ", static_cast<unsigned>(bytes[i]));
            out += field;
        }
        out += "\r\n";
    }
    WriteText(report, out);
}

} // namespace

void OpenCommsReport(CommsReport& report, bool wanted) {
    report.file = FileHandle{};
    if (!wanted || !report.owner)
        return;
    if (report.owner->AskWithCaption(Translated(unnumbered::kCommsReportCaption), report.title,
                                     Buttons::YesNo) != Answer::Yes)
        return;
    std::string path = report.fileName;
    if (path.empty())
        path = report.owner->AskSaveFileName("MemDump (*.log)", "*.log", ".log");
    if (path.empty())
        path = "general.log";
    report.file = CreateFileForWriting(path);
    if (!report.file.valid())
        return;
    std::fill_n(report.data, report.guardBefore, 0xDD);
    std::fill_n(report.data + report.length - report.guardAfter, report.guardAfter, 0xDD);
    WriteText(report, report.title + "\r\n\r\n");
}

void WriteReportStage(CommsReport& report, const char* label) {
    if (!report.file.valid())
        return;
    WriteText(report, std::string(label) + "\r\n[Guard Bands]\r\n");
    WriteDump(report, report.data, report.guardBefore);
    WriteDump(report, report.data + report.length - report.guardAfter, report.guardAfter);
    WriteText(report, "[data]\r\n");
    WriteDump(report, report.data + report.guardBefore,
              report.length - report.guardBefore - report.guardAfter);
    WriteText(report, "\r\n");
}

void CloseCommsReport(CommsReport& report) {
    CloseFile(report.file);
    report = CommsReport{};
}

} // namespace zf
