#include "link/comm_trace.h"
#include "link/port_guards.h"
#include "link/serial_port.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <thread>

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace zf {

struct SavedPortSettings {
    termios settings{};
    int lines = 0;
    bool haveLines = false;
};

namespace {

using port::Deadline;
using port::InProgress;

// One poll for `events`; 1 with the events seen, 0 on time-out, -1 on error.
int PollPort(CommHandle port, short events, int timeout, short& seen) {
    Deadline deadline(timeout);
    for (;;) {
        pollfd p{port, events, 0};
        int r = ::poll(&p, 1, deadline.Left());
        if (r < 0 && errno == EINTR)
            continue;
        seen = p.revents;
        return r;
    }
}

int InputWaiting(CommHandle port) {
    int waiting = 0;
    return ::ioctl(port, FIONREAD, &waiting) == 0 ? waiting : -1;
}

// The handler installed by RestoreCommSettingsOnExit can reach no open
// port: a port records its settings here too once the handler exists. A
// terminal left raw at 1200 baud would be the user's to repair.
struct ExitRestore {
    std::atomic<CommHandle> port{kInvalidCommHandle};
    SavedPortSettings saved;
};
constexpr int kExitRestorePorts = 8;
ExitRestore exitRestore[kExitRestorePorts];
std::atomic<bool> restoreOnExit{false};

void RecordForExit(CommHandle port, const SavedPortSettings& saved) {
    if (!restoreOnExit)
        return;
    for (ExitRestore& e : exitRestore) {
        if (e.port != kInvalidCommHandle)
            continue;
        e.saved = saved;
        e.port = port;
        return;
    }
}

void ForgetForExit(CommHandle port) {
    for (ExitRestore& e : exitRestore)
        if (e.port == port)
            e.port = kInvalidCommHandle;
}

// Only async-signal-safe calls: it also runs from a signal handler.
void PutBack(CommHandle port, const SavedPortSettings& s) {
    if (port == kInvalidCommHandle)
        return;
    ::tcsetattr(port, TCSANOW, &s.settings);
    if (s.haveLines)
        ::ioctl(port, TIOCMSET, &s.lines);
}

void SaveSettings(CommPort& port, const termios& settings) {
    auto saved = std::make_shared<SavedPortSettings>();
    saved->settings = settings;
    saved->haveLines = ::ioctl(port.handle, TIOCMGET, &saved->lines) == 0;
    port.saved = saved;
    RecordForExit(port.handle, *saved);
}

void RestoreSettings(const CommPort& port) {
    ForgetForExit(port.handle);
    if (port.saved)
        PutBack(port.handle, *port.saved);
}

CommPort FailConfiguration(const CommPort& port, std::uint32_t& error, const char* line) {
    error = static_cast<std::uint32_t>(errno);
    CommTrace(port.trace, line, static_cast<int>(error));
    RestoreSettings(port);
    ::close(port.handle);
    return CommPort{};
}

void EndBySignal(int signal) {
    RestoreCommSettings();
    ::signal(signal, SIG_DFL);
    ::raise(signal);
}

// 1200 baud, 8 data bits, no parity, one stop bit, no flow control. The
// line discipline must pass bytes untouched, as the robot's data is binary.
void SetLinkSettings(termios& tio) {
    ::cfmakeraw(&tio);
    ::cfsetispeed(&tio, B1200);
    ::cfsetospeed(&tio, B1200);
    tio.c_cflag &= ~(CSIZE | PARENB | CSTOPB | CRTSCTS);
    tio.c_cflag |= CS8 | CREAD | CLOCAL;
    tio.c_iflag &= ~(IXON | IXOFF | IXANY | INPCK | PARMRK | IGNPAR);
    // Reads never block in the driver; the time-outs are ours.
    tio.c_cc[VMIN] = 0;
    tio.c_cc[VTIME] = 0;
}

} // namespace

CommPort OpenComm(const LinkSettings& settings, std::uint32_t& error, const std::string& device) {
    error = 0;
    CommPort port;
    port.trace = settings.trace;
    port.readInterval = settings.timeouts.readInterval;
    port.activity = std::make_shared<PortActivity>();
    port.handle = ::open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    // The port is never shared with another program.
    if (port.valid() && ::flock(port.handle, LOCK_EX | LOCK_NB) != 0) {
        int lockError = errno;
        ::close(port.handle);
        port.handle = kInvalidCommHandle;
        errno = lockError;
    }
    if (!port.valid()) {
        error = static_cast<std::uint32_t>(errno);
        CommTrace(port.trace, "Comm: Can't open port %s. Error %d\n", device.c_str(),
                  static_cast<int>(error));
        return CommPort{};
    }
    // A configuration failure closes the port and reports it like a port
    // that cannot be opened: ending the program here would lose unsaved work.
    // The kernel's own terminal queues stand in for the driver's 1024-byte
    // queues, and the read interval is kept by WaitRxData itself.
    if (!::isatty(port.handle))
        return FailConfiguration(port, error, "Comm: Can't get COMMPROP. Error %d\n");
    termios tio{};
    if (::tcgetattr(port.handle, &tio) != 0)
        return FailConfiguration(port, error, "Comm: Can't get comm state. Error %d\n");
    SaveSettings(port, tio);
    SetLinkSettings(tio);
    if (::tcsetattr(port.handle, TCSANOW, &tio) != 0)
        return FailConfiguration(port, error, "Comm: Can't set comm state. Error %d\n");
    // DTR and RTS held off; a device without modem lines has none to hold.
    int lines = TIOCM_DTR | TIOCM_RTS;
    ::ioctl(port.handle, TIOCMBIC, &lines);
    if (!SetupCommRxEvent(port))
        CommTrace(port.trace, "Comm: SetupCommRxEvent failed\n");
    ::tcflush(port.handle, TCIOFLUSH);
    return port;
}

std::uint32_t CloseComm(CommPort& port) {
    RestoreSettings(port);
    const CommHandle handle = port.handle;
    port = CommPort{};
    if (::close(handle) == 0)
        return 1;
    return static_cast<std::uint32_t>(errno);
}

void RestoreCommSettings() {
    for (const ExitRestore& e : exitRestore)
        PutBack(e.port, e.saved);
}

void RestoreCommSettingsOnExit() {
    if (restoreOnExit.exchange(true))
        return;
    std::atexit(RestoreCommSettings);
    for (int signal : {SIGINT, SIGTERM, SIGHUP, SIGQUIT})
        ::signal(signal, EndBySignal);
}

bool SetupCommRxEvent(const CommPort& port) {
    // A received character is seen by polling the port for input.
    return ::fcntl(port.handle, F_GETFL) != -1;
}

int GetTxQueueWaiting(const CommPort& port) {
    short seen = 0;
    if (PollPort(port.handle, 0, 0, seen) > 0 && (seen & (POLLERR | POLLNVAL)))
        CommTrace(port.trace, "GetTxQueueWaiting(): Error flags set.\n");
    int queued = 0;
    return ::ioctl(port.handle, TIOCOUTQ, &queued) == 0 ? queued : 0;
}

int TxComm(const CommPort& port, const std::uint8_t* data, int count, int timeout) {
    InProgress guard(port.activity ? &port.activity->transmitting : nullptr);
    if (!guard.entered())
        return 0;
    ssize_t n = ::write(port.handle, data, static_cast<std::size_t>(count));
    if (n < 0 && errno != EAGAIN)
        return 0;
    int done = n < 0 ? 0 : static_cast<int>(n);
    if (done < count) {
        // Pending: the driver's queue is full. Feed it the rest within the
        // time-out, then let it drain.
        Deadline deadline(timeout);
        while (done < count) {
            short seen = 0;
            int r = PollPort(port.handle, POLLOUT, deadline.Left(), seen);
            if (r == 0) {
                CommTrace(port.trace, "Comm: TxComm() timed out (%d ms) (%d bytes)\n", timeout,
                          done);
                return 0;
            }
            if (r < 0 || !(seen & POLLOUT)) {
                CommTrace(port.trace, "Comm: TxComm() ");
                return 0;
            }
            n = ::write(port.handle, data + done, static_cast<std::size_t>(count - done));
            if (n < 0 && errno != EAGAIN) {
                CommTrace(port.trace, "Comm: TxComm() ");
                return 0;
            }
            done += n < 0 ? 0 : static_cast<int>(n);
        }
        ::tcdrain(port.handle);
    }
    int queued = GetTxQueueWaiting(port);
    if (queued > 0)
        CommTrace(port.trace, "Comm: TxComm txbuffer(%d), len(%d)!!\n", queued, count);
    return done;
}

int WaitRxEvent(const CommPort& port, int timeout) {
    InProgress guard(port.activity ? &port.activity->waitingForEvent : nullptr);
    if (!guard.entered())
        return 0;
    if (timeout == 0 || timeout == kInfiniteTimeout)
        CommTrace(port.trace, "Comm: WaitRxEvent() timeout is %d !\n", timeout);
    // The port itself is what is waited on.
    CommTrace(port.trace, "Comm: CreateEvent() os.hEvent= 0x%x\n",
              static_cast<unsigned>(port.handle));
    int waiting = InputWaiting(port.handle);
    if (waiting > 0) {
        CommTrace(port.trace, "Comm: WaitCommEvent() returned immediately\n");
        return waiting;
    }
    short seen = 0;
    int r = PollPort(port.handle, POLLIN, timeout, seen);
    if (r < 0) {
        CommTrace(port.trace, "Comm: WaitRxEvent() WaitCommEvent error %d on os.hEvent 0x%x\n",
                  errno, static_cast<unsigned>(port.handle));
        if (timeout > 0)
            std::this_thread::sleep_for(std::chrono::milliseconds(timeout));
        return std::max(InputWaiting(port.handle), 0);
    }
    if (r == 0) {
        CommTrace(port.trace, "Comm: WaitRxEvent(), WAIT_TIMEOUT\n");
        return 0;
    }
    waiting = InputWaiting(port.handle);
    // A hang-up or a line error wakes the wait without a character.
    if (!(seen & POLLIN) || (waiting <= 0 && (seen & (POLLHUP | POLLERR | POLLNVAL)))) {
        CommTrace(port.trace, "Comm: WaitRxEvent signaled on non-EV_RXCHAR\n");
        return 0;
    }
    if (waiting < 0) {
        CommTrace(port.trace, "Comm: WaitRxEvent() ClearCommError error\n");
        return 0;
    }
    CommTrace(port.trace, "Comm: Rxvd %d\n", waiting);
    return waiting;
}

int WaitRxData(const CommPort& port, std::uint8_t* buffer, int count, int timeout) {
    if (timeout == 0 || timeout == kInfiniteTimeout)
        CommTrace(port.trace, "Comm: WaitRxData() timeout is %d !\n", timeout);
    ssize_t n = ::read(port.handle, buffer, static_cast<std::size_t>(count));
    if (n < 0 && errno != EAGAIN) {
        CommTrace(port.trace, "ReadFile error\n");
        return 0;
    }
    int got = n < 0 ? 0 : static_cast<int>(n);
    const int interval = port.readInterval;
    Deadline deadline(timeout);
    while (got < count) {
        // Once bytes have come, a quiet line ends the read with what came.
        int left = deadline.Left();
        bool intervalFirst = got > 0 && (left < 0 || left > interval);
        short seen = 0;
        int r = PollPort(port.handle, POLLIN, intervalFirst ? interval : left, seen);
        if (r == 0) {
            if (intervalFirst)
                return got;
            CommTrace(port.trace, "WaitForSingleObject timeout\n");
            return 0;
        }
        if (r < 0 || !(seen & POLLIN)) {
            CommTrace(port.trace, "WaitForSingleObject error\n");
            return 0;
        }
        n = ::read(port.handle, buffer + got, static_cast<std::size_t>(count - got));
        if (n > 0)
            got += static_cast<int>(n);
        else if (n == 0 || errno != EAGAIN) {
            CommTrace(port.trace, "WaitForSingleObject error\n");
            return 0;
        }
    }
    return got;
}

} // namespace zf
