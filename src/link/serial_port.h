#pragma once

#include "files/ini_file.h"

#include <cstdint>
#include <ostream>
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

// The Win32 name of the selected port, "\\.\COM1" to "\\.\COM4"; only its
// last character ever changes.
const char* CommPortName();
// Ports 2, 3 and 4 select themselves; any other number selects port 1.
void SetCommPortNumber(int port);
char GetCommPortDigit();

// A device named for a port (1..4), as "zfield.ini" may do in its
// `com port` section; an empty path restores the default device.
void SetCommDevice(int port, const std::string& path);
// Takes the devices named in the `com port` section (`device1` to `device4`).
void ReadCommDevices(const IniFile& ini);
// The terminal device behind the selected port: the one named for it, else
// /dev/ttyUSB<n-1> when that exists, else /dev/ttyS<n-1>.
std::string CommDevicePath();

// Where the "Comm: " trace lines go; null writes none. Standard output by default.
void SetCommTrace(std::ostream* out);

CommHandle OpenComm(std::uint32_t& error, const std::string& device);
// Non-zero on success, else the system error code.
std::uint32_t CloseComm(CommHandle port);
// Bytes written; 0 on failure, time-out, or while another transmit runs.
int TxComm(CommHandle port, const std::uint8_t* data, int count, int timeout);
bool SetupCommRxEvent(CommHandle port);
// The settings a port had before OpenComm changed them come back when it
// closes. These put them back for every port still open: at once, and (once
// installed) when the process exits or is ended by an interrupt,
// termination, hang-up or quit signal.
void RestoreCommSettings();
void RestoreCommSettingsOnExit();
// Bytes waiting once a character has arrived; 0 on time-out or failure.
int WaitRxEvent(CommHandle port, int timeout);
// Bytes read; stops early when the line stays quiet for the read interval.
int WaitRxData(CommHandle port, std::uint8_t* buffer, int count, int timeout);
int GetTxQueueWaiting(CommHandle port);

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
const LinkTimeouts& CurrentLinkTimeouts();
void SetLinkTimeoutsForTesting(const LinkTimeouts& timeouts);

} // namespace zf
