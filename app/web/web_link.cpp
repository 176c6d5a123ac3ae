// Send and Get GO Program in the browser: the desktop's link code over the
// page's serial port. The transfers suspend the module while they wait on
// the port, so they are plain exports the page calls asynchronously.
#include "web_session.h"

#include "files/file_io.h"
#include "link/zarnik_link.h"
#include "program/texts.h"

#include <emscripten/emscripten.h>

#include <cstdio>
#include <iostream>

namespace zf::web {

namespace {

// The report's Save As has no dialog in the page: it goes to the name the
// desktop falls back on, and the page is given its text.
constexpr const char* kReportFile = "general.log";

} // namespace

bool WebSession::SendProgram() {
    return SendGoProgram(*editor_, link_);
}

bool WebSession::GetProgram() {
    if (RunActive()) {
        Warn(ui_, TextId::NoGoProgramWhileRunning);
        return false;
    }
    std::remove(kReportFile);
    linkReport_.clear();
    const bool got = ReadZarnikProgramToZarnikMemBuffer(*editor_, link_);
    std::vector<std::uint8_t> report;
    if (ReadWholeFile(kReportFile, report) == ReadResult::Ok)
        linkReport_.assign(report.begin(), report.end());
    std::remove(kReportFile);
    if (got)
        ProgramReplaced();
    return got;
}

void WebSession::SetLinkReport(bool on) {
    link_.report = on;
    link_.trace = on ? &std::cout : nullptr;
}

std::string WebSession::TakeLinkReport() {
    return std::exchange(linkReport_, {});
}

void WebSession::SetLinkTimeouts(int readInterval, int sendCommand, int sendImage, int receiveEvent,
                                 int receiveImage, int receiveEcho) {
    link_.timeouts = {readInterval, sendCommand,  sendImage,
                      receiveEvent, receiveImage, receiveEcho};
}

} // namespace zf::web

extern "C" {

EMSCRIPTEN_KEEPALIVE int zf_send_program(zf::web::WebSession* session) {
    return session->SendProgram() ? 1 : 0;
}

EMSCRIPTEN_KEEPALIVE int zf_get_program(zf::web::WebSession* session) {
    return session->GetProgram() ? 1 : 0;
}
}
