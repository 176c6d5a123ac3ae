#include "link/serial_port.h"

#include "link/comm_trace.h"

#include <array>
#include <cstdarg>
#include <cstdio>
#include <iostream>
#include <unistd.h>

namespace zf {

namespace {

// The digit at the end is the only part that changes.
char commPortName[] = "\\\\.\\COM1";
constexpr std::size_t kDigitIndex = sizeof commPortName - 2;

std::array<std::string, 4> commDevices;
std::ostream* commTrace = &std::cout;
LinkTimeouts linkTimeouts;

} // namespace

const char* CommPortName() {
    return commPortName;
}

void SetCommPortNumber(int port) {
    commPortName[kDigitIndex] = (port >= 2 && port <= 4) ? static_cast<char>('0' + port) : '1';
}

char GetCommPortDigit() {
    return commPortName[kDigitIndex];
}

void SetCommDevice(int port, const std::string& path) {
    if (port >= 1 && port <= 4)
        commDevices[port - 1] = path;
}

void ReadCommDevices(const IniFile& ini) {
    for (int port = 1; port <= 4; ++port)
        SetCommDevice(port, ini.GetString("com port", "device" + std::to_string(port), ""));
}

std::string CommDevicePath() {
    const int index = GetCommPortDigit() - '1';
    if (!commDevices[index].empty())
        return commDevices[index];
    std::string usb = "/dev/ttyUSB" + std::to_string(index);
    if (::access(usb.c_str(), F_OK) == 0)
        return usb;
    return "/dev/ttyS" + std::to_string(index);
}

void SetCommTrace(std::ostream* out) {
    commTrace = out;
}

void CommTrace(const char* format, ...) {
    if (!commTrace)
        return;
    char line[256];
    va_list args;
    va_start(args, format);
    std::vsnprintf(line, sizeof line, format, args);
    va_end(args);
    *commTrace << line;
    commTrace->flush();
}

const LinkTimeouts& CurrentLinkTimeouts() {
    return linkTimeouts;
}

void SetLinkTimeoutsForTesting(const LinkTimeouts& timeouts) {
    linkTimeouts = timeouts;
}

} // namespace zf
