#include "link/comm_trace.h"
#include "link/port_guards.h"
#include "link/serial_port.h"

#include <array>

// The browser's serial port, reached through functions the page's module
// provides. Those marked "waits" suspend the caller until the page's promise
// settles, so the blocking link code above runs unchanged.
extern "C" {
// Waits: opens the port the page chose at the link's settings; 0, or an
// error code.
int zf_serial_open();
// Waits: closes the port; true when it closed cleanly.
int zf_serial_close();
// Waits: bytes handed to the port; -1 when `timeout` ms passed first
// (never, for a negative time-out), -2 when the port failed.
int zf_serial_write(const std::uint8_t* data, int count, int timeout);
// Waits: bytes received and not yet taken, once there are some or after
// `timeout` ms (never, for a negative time-out); -1 when the port failed.
int zf_serial_wait(int timeout);
// Takes up to `count` received bytes into `buffer`; how many it took.
int zf_serial_take(std::uint8_t* buffer, int count);
}

namespace zf {

// The page keeps the settings of its own port.
struct SavedPortSettings {};

namespace {

using port::Deadline;
using port::InProgress;

// The page has one port, open for one transfer at a time.
constexpr CommHandle kPagePort = 1;
bool portOpen = false;

bool IsPagePort(const CommPort& port) {
    return portOpen && port.handle == kPagePort;
}

} // namespace

CommPort OpenComm(const LinkSettings& settings, std::uint32_t& error, const std::string& device) {
    error = 0;
    CommPort port;
    port.trace = settings.trace;
    port.readInterval = settings.timeouts.readInterval;
    // A port already open belongs to another transfer: it is not shared.
    const int code = portOpen ? 16 : zf_serial_open();
    if (code != 0) {
        error = static_cast<std::uint32_t>(code);
        CommTrace(port.trace, "Comm: Can't open port %s. Error %d\n", device.c_str(), code);
        return CommPort{};
    }
    portOpen = true;
    port.handle = kPagePort;
    port.activity = std::make_shared<PortActivity>();
    if (!SetupCommRxEvent(port))
        CommTrace(port.trace, "Comm: SetupCommRxEvent failed\n");
    // What came before this transfer is no answer to it.
    std::array<std::uint8_t, 256> stale{};
    while (zf_serial_take(stale.data(), static_cast<int>(stale.size())) > 0) {
    }
    return port;
}

std::uint32_t CloseComm(CommPort& port) {
    const bool open = IsPagePort(port);
    port = CommPort{};
    if (!open)
        return 0;
    portOpen = false;
    return zf_serial_close() ? 1 : 5;
}

void RestoreCommSettings() {}

void RestoreCommSettingsOnExit() {}

bool SetupCommRxEvent(const CommPort& port) {
    // A received character is seen by waiting on the page's port.
    return IsPagePort(port);
}

int GetTxQueueWaiting(const CommPort&) {
    // A write is done once the page's port has taken every byte.
    return 0;
}

int TxComm(const CommPort& port, const std::uint8_t* data, int count, int timeout) {
    InProgress guard(port.activity ? &port.activity->transmitting : nullptr);
    if (!guard.entered() || !IsPagePort(port))
        return 0;
    const int done = zf_serial_write(data, count, timeout);
    if (done == -1) {
        CommTrace(port.trace, "Comm: TxComm() timed out (%d ms) (%d bytes)\n", timeout, 0);
        return 0;
    }
    if (done < 0) {
        CommTrace(port.trace, "Comm: TxComm() ");
        return 0;
    }
    return done;
}

int WaitRxEvent(const CommPort& port, int timeout) {
    InProgress guard(port.activity ? &port.activity->waitingForEvent : nullptr);
    if (!guard.entered() || !IsPagePort(port))
        return 0;
    if (timeout == 0 || timeout == kInfiniteTimeout)
        CommTrace(port.trace, "Comm: WaitRxEvent() timeout is %d !\n", timeout);
    CommTrace(port.trace, "Comm: CreateEvent() os.hEvent= 0x%x\n",
              static_cast<unsigned>(port.handle));
    const int waiting = zf_serial_wait(timeout);
    if (waiting < 0) {
        CommTrace(port.trace, "Comm: WaitRxEvent(), error\n");
        return 0;
    }
    if (waiting == 0) {
        CommTrace(port.trace, "Comm: WaitRxEvent(), WAIT_TIMEOUT\n");
        return 0;
    }
    CommTrace(port.trace, "Comm: Rxvd %d\n", waiting);
    return waiting;
}

int WaitRxData(const CommPort& port, std::uint8_t* buffer, int count, int timeout) {
    if (timeout == 0 || timeout == kInfiniteTimeout)
        CommTrace(port.trace, "Comm: WaitRxData() timeout is %d !\n", timeout);
    if (!IsPagePort(port)) {
        CommTrace(port.trace, "ReadFile error\n");
        return 0;
    }
    int got = zf_serial_take(buffer, count);
    const int interval = port.readInterval;
    Deadline deadline(timeout);
    while (got < count) {
        // Once bytes have come, a quiet line ends the read with what came.
        const int left = deadline.Left();
        const bool intervalFirst = got > 0 && (left < 0 || left > interval);
        const int waiting = zf_serial_wait(intervalFirst ? interval : left);
        if (waiting < 0) {
            CommTrace(port.trace, "WaitForSingleObject error\n");
            return 0;
        }
        if (waiting == 0) {
            if (intervalFirst)
                return got;
            CommTrace(port.trace, "WaitForSingleObject timeout\n");
            return 0;
        }
        got += zf_serial_take(buffer + got, count - got);
    }
    return got;
}

} // namespace zf
