#include "link/serial_port.h"

#include "link/comm_trace.h"

#include <cstdarg>
#include <cstdio>
#include <unistd.h>

namespace zf {

void LinkSettings::SelectPort(int port) {
    port_ = (port >= 2 && port <= 4) ? port : 1;
}

std::string LinkSettings::PortName() const {
    return "\\\\.\\COM" + std::to_string(port_);
}

void LinkSettings::SetDevice(int port, const std::string& path) {
    if (port >= 1 && port <= 4)
        devices_[port - 1] = path;
}

void LinkSettings::ReadDevices(const IniFile& ini) {
    for (int port = 1; port <= 4; ++port)
        SetDevice(port, ini.GetString("com port", "device" + std::to_string(port), ""));
}

std::string LinkSettings::DevicePath() const {
    const int index = port_ - 1;
    if (!devices_[index].empty())
        return devices_[index];
    std::string usb = "/dev/ttyUSB" + std::to_string(index);
    if (::access(usb.c_str(), F_OK) == 0)
        return usb;
    return "/dev/ttyS" + std::to_string(index);
}

void CommTrace(std::ostream* out, const char* format, ...) {
    if (!out)
        return;
    char line[256];
    va_list args;
    va_start(args, format);
    std::vsnprintf(line, sizeof line, format, args);
    va_end(args);
    *out << line;
    out->flush();
}

} // namespace zf
