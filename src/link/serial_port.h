#pragma once

#include "files/ini_file.h"

#include <array>
#include <cstdint>
#include <iostream>
#include <memory>
#include <string>

namespace zf {

// The port layer under the robot link. Every call blocks for at most its
// time-out; the port is opened for one transfer and closed at its end.
// The POSIX build drives a terminal device; another platform provides the
// same functions behind this header.

using CommHandle = int;
inline constexpr CommHandle kInvalidCommHandle = -1;
// A time-out that never ends.
inline constexpr int kInfiniteTimeout = -1;

// The link's time-outs in milliseconds. Only tests change them, to keep
// runs against a silent peer short.
struct LinkTimeouts {
    int readInterval = 200;
    int sendCommand = 500;
    int sendImage = 2000;
    int receiveEvent = 2000;
    int receiveImage = 4000;
    int receiveEcho = 2000;
};

// Everything the link is told by the front end that owns it: the selected
// port and the device behind each port, the time-outs, where the "Comm: "
// trace lines go and whether the communications report is offered.
class LinkSettings {
  public:
    // Ports 2, 3 and 4 select themselves; any other number selects port 1.
    void SelectPort(int port);
    int Port() const { return port_; }
    // The Win32 name of the selected port, "\\.\COM1" to "\\.\COM4".
    std::string PortName() const;

    // A device named for a port (1..4), as "zfield.ini" may do in its
    // `com port` section; an empty path restores the default device.
    void SetDevice(int port, const std::string& path);
    // Takes the devices named in the `com port` section (`device1` to `device4`).
    void ReadDevices(const IniFile& ini);
    // The terminal device behind the selected port: the one named for it,
    // else /dev/ttyUSB<n-1> when that exists, else /dev/ttyS<n-1>.
    std::string DevicePath() const;

    LinkTimeouts timeouts;
    // Null writes no trace.
    std::ostream* trace = &std::cout;
    // The Debug menu's switch for the communications report; off at start.
    bool report = false;

  private:
    int port_ = 1;
    std::array<std::string, 4> devices_;
};

// What the terminal was set to before the link changed it; each platform's
// port code says what that holds.
struct SavedPortSettings;
// Whether a transmit or a receive-event wait runs on a port.
struct PortActivity;

// An open port and what it needs while it is open.
struct CommPort {
    CommHandle handle = kInvalidCommHandle;
    std::ostream* trace = nullptr;
    // Once bytes have come, a line quiet this long ends a read.
    int readInterval = LinkTimeouts{}.readInterval;
    // Put back when the port closes.
    std::shared_ptr<SavedPortSettings> saved;
    // Shared by the copies of one open port.
    std::shared_ptr<PortActivity> activity;

    bool valid() const { return handle != kInvalidCommHandle; }
};

// Opens `device` with the trace and read interval of `settings`; an
// invalid port on failure, with the system error code in `error`.
CommPort OpenComm(const LinkSettings& settings, std::uint32_t& error, const std::string& device);
// Non-zero on success, else the system error code.
std::uint32_t CloseComm(CommPort& port);
// Bytes written; 0 on failure, time-out, or while another transmit runs on
// the port.
int TxComm(const CommPort& port, const std::uint8_t* data, int count, int timeout);
bool SetupCommRxEvent(const CommPort& port);
// The settings a port had before OpenComm changed them come back when it
// closes. Once installed, they also come back for every port still open
// when the process exits or is ended by an interrupt, termination, hang-up
// or quit signal; RestoreCommSettings puts them back at once.
void RestoreCommSettings();
void RestoreCommSettingsOnExit();
// Bytes waiting once a character has arrived; 0 on time-out or failure.
int WaitRxEvent(const CommPort& port, int timeout);
// Bytes read; stops early when the line stays quiet for the read interval.
int WaitRxData(const CommPort& port, std::uint8_t* buffer, int count, int timeout);
int GetTxQueueWaiting(const CommPort& port);

} // namespace zf
