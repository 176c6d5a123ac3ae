#include "link/comm_trace.h"
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

namespace {

using Clock = std::chrono::steady_clock;

// Transmits and receive-event waits do not nest: a second call while one
// runs answers 0 at once.
std::atomic<bool> transmitting{false};
std::atomic<bool> waitingForEvent{false};

class InProgress {
  public:
    explicit InProgress(std::atomic<bool>& flag) : flag_(flag), entered_(!flag.exchange(true)) {}
    ~InProgress() {
        if (entered_)
            flag_ = false;
    }
    InProgress(const InProgress&) = delete;
    InProgress& operator=(const InProgress&) = delete;
    bool entered() const { return entered_; }

  private:
    std::atomic<bool>& flag_;
    bool entered_;
};

struct Deadline {
    Clock::time_point end;
    bool never;

    explicit Deadline(int timeout)
        : end(Clock::now() + std::chrono::milliseconds(std::max(timeout, 0))), never(timeout < 0) {}
    // Milliseconds left for poll: -1 when it never ends.
    int Left() const {
        if (never)
            return -1;
        auto left = std::chrono::ceil<std::chrono::milliseconds>(end - Clock::now()).count();
        return static_cast<int>(std::max<long long>(left, 0));
    }
};

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

// The settings each open port had before the link changed them: put back
// when it closes, or by RestoreCommSettings when the process is ended. A
// terminal left raw at 1200 baud would be the user's to repair.
struct SavedSettings {
    std::atomic<CommHandle> port{kInvalidCommHandle};
    termios settings{};
    int lines = 0;
    bool haveLines = false;
};
constexpr int kSavedPorts = 8;
SavedSettings saved[kSavedPorts];

void SaveSettings(CommHandle port, const termios& settings) {
    for (SavedSettings& s : saved) {
        if (s.port != kInvalidCommHandle)
            continue;
        s.settings = settings;
        s.haveLines = ::ioctl(port, TIOCMGET, &s.lines) == 0;
        s.port = port;
        return;
    }
}

// Only async-signal-safe calls: it also runs from a signal handler.
void PutBack(const SavedSettings& s) {
    const CommHandle port = s.port;
    if (port == kInvalidCommHandle)
        return;
    ::tcsetattr(port, TCSANOW, &s.settings);
    if (s.haveLines)
        ::ioctl(port, TIOCMSET, &s.lines);
}

void RestoreSettings(CommHandle port) {
    for (SavedSettings& s : saved) {
        if (s.port != port)
            continue;
        PutBack(s);
        s.port = kInvalidCommHandle;
    }
}

CommHandle FailConfiguration(CommHandle port, std::uint32_t& error, const char* line) {
    error = static_cast<std::uint32_t>(errno);
    CommTrace(line, static_cast<int>(error));
    RestoreSettings(port);
    ::close(port);
    return kInvalidCommHandle;
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

CommHandle OpenComm(std::uint32_t& error, const std::string& device) {
    error = 0;
    CommHandle port = ::open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    // The port is never shared with another program.
    if (port >= 0 && ::flock(port, LOCK_EX | LOCK_NB) != 0) {
        int lockError = errno;
        ::close(port);
        port = kInvalidCommHandle;
        errno = lockError;
    }
    if (port < 0) {
        error = static_cast<std::uint32_t>(errno);
        CommTrace("Comm: Can't open port %s. Error %d\n", device.c_str(), static_cast<int>(error));
        return kInvalidCommHandle;
    }
    // A configuration failure closes the port and reports it like a port
    // that cannot be opened: ending the program here would lose unsaved work.
    // The kernel's own terminal queues stand in for the driver's 1024-byte
    // queues, and the read interval is kept by WaitRxData itself.
    if (!::isatty(port))
        return FailConfiguration(port, error, "Comm: Can't get COMMPROP. Error %d\n");
    termios tio{};
    if (::tcgetattr(port, &tio) != 0)
        return FailConfiguration(port, error, "Comm: Can't get comm state. Error %d\n");
    SaveSettings(port, tio);
    SetLinkSettings(tio);
    if (::tcsetattr(port, TCSANOW, &tio) != 0)
        return FailConfiguration(port, error, "Comm: Can't set comm state. Error %d\n");
    // DTR and RTS held off; a device without modem lines has none to hold.
    int lines = TIOCM_DTR | TIOCM_RTS;
    ::ioctl(port, TIOCMBIC, &lines);
    if (!SetupCommRxEvent(port))
        CommTrace("Comm: SetupCommRxEvent failed\n");
    ::tcflush(port, TCIOFLUSH);
    return port;
}

std::uint32_t CloseComm(CommHandle port) {
    RestoreSettings(port);
    if (::close(port) == 0)
        return 1;
    return static_cast<std::uint32_t>(errno);
}

void RestoreCommSettings() {
    for (const SavedSettings& s : saved)
        PutBack(s);
}

void RestoreCommSettingsOnExit() {
    static std::atomic<bool> installed{false};
    if (installed.exchange(true))
        return;
    std::atexit(RestoreCommSettings);
    for (int signal : {SIGINT, SIGTERM, SIGHUP, SIGQUIT})
        ::signal(signal, EndBySignal);
}

bool SetupCommRxEvent(CommHandle port) {
    // A received character is seen by polling the port for input.
    return ::fcntl(port, F_GETFL) != -1;
}

int GetTxQueueWaiting(CommHandle port) {
    short seen = 0;
    if (PollPort(port, 0, 0, seen) > 0 && (seen & (POLLERR | POLLNVAL)))
        CommTrace("GetTxQueueWaiting(): Error flags set.\n");
    int queued = 0;
    return ::ioctl(port, TIOCOUTQ, &queued) == 0 ? queued : 0;
}

int TxComm(CommHandle port, const std::uint8_t* data, int count, int timeout) {
    InProgress guard(transmitting);
    if (!guard.entered())
        return 0;
    ssize_t n = ::write(port, data, static_cast<std::size_t>(count));
    if (n < 0 && errno != EAGAIN)
        return 0;
    int done = n < 0 ? 0 : static_cast<int>(n);
    if (done < count) {
        // Pending: the driver's queue is full. Feed it the rest within the
        // time-out, then let it drain.
        Deadline deadline(timeout);
        while (done < count) {
            short seen = 0;
            int r = PollPort(port, POLLOUT, deadline.Left(), seen);
            if (r == 0) {
                CommTrace("Comm: TxComm() timed out (%d ms) (%d bytes)\n", timeout, done);
                return 0;
            }
            if (r < 0 || !(seen & POLLOUT)) {
                CommTrace("Comm: TxComm() ");
                return 0;
            }
            n = ::write(port, data + done, static_cast<std::size_t>(count - done));
            if (n < 0 && errno != EAGAIN) {
                CommTrace("Comm: TxComm() ");
                return 0;
            }
            done += n < 0 ? 0 : static_cast<int>(n);
        }
        ::tcdrain(port);
    }
    int queued = GetTxQueueWaiting(port);
    if (queued > 0)
        CommTrace("Comm: TxComm txbuffer(%d), len(%d)!!\n", queued, count);
    return done;
}

int WaitRxEvent(CommHandle port, int timeout) {
    InProgress guard(waitingForEvent);
    if (!guard.entered())
        return 0;
    if (timeout == 0 || timeout == kInfiniteTimeout)
        CommTrace("Comm: WaitRxEvent() timeout is %d !\n", timeout);
    // The port itself is what is waited on.
    CommTrace("Comm: CreateEvent() os.hEvent= 0x%x\n", static_cast<unsigned>(port));
    int waiting = InputWaiting(port);
    if (waiting > 0) {
        CommTrace("Comm: WaitCommEvent() returned immediately\n");
        return waiting;
    }
    short seen = 0;
    int r = PollPort(port, POLLIN, timeout, seen);
    if (r < 0) {
        CommTrace("Comm: WaitRxEvent() WaitCommEvent error %d on os.hEvent 0x%x\n", errno,
                  static_cast<unsigned>(port));
        if (timeout > 0)
            std::this_thread::sleep_for(std::chrono::milliseconds(timeout));
        return std::max(InputWaiting(port), 0);
    }
    if (r == 0) {
        CommTrace("Comm: WaitRxEvent(), WAIT_TIMEOUT\n");
        return 0;
    }
    waiting = InputWaiting(port);
    // A hang-up or a line error wakes the wait without a character.
    if (!(seen & POLLIN) || (waiting <= 0 && (seen & (POLLHUP | POLLERR | POLLNVAL)))) {
        CommTrace("Comm: WaitRxEvent signaled on non-EV_RXCHAR\n");
        return 0;
    }
    if (waiting < 0) {
        CommTrace("Comm: WaitRxEvent() ClearCommError error\n");
        return 0;
    }
    CommTrace("Comm: Rxvd %d\n", waiting);
    return waiting;
}

int WaitRxData(CommHandle port, std::uint8_t* buffer, int count, int timeout) {
    if (timeout == 0 || timeout == kInfiniteTimeout)
        CommTrace("Comm: WaitRxData() timeout is %d !\n", timeout);
    ssize_t n = ::read(port, buffer, static_cast<std::size_t>(count));
    if (n < 0 && errno != EAGAIN) {
        CommTrace("ReadFile error\n");
        return 0;
    }
    int got = n < 0 ? 0 : static_cast<int>(n);
    const int interval = CurrentLinkTimeouts().readInterval;
    Deadline deadline(timeout);
    while (got < count) {
        // Once bytes have come, a quiet line ends the read with what came.
        int left = deadline.Left();
        bool intervalFirst = got > 0 && (left < 0 || left > interval);
        short seen = 0;
        int r = PollPort(port, POLLIN, intervalFirst ? interval : left, seen);
        if (r == 0) {
            if (intervalFirst)
                return got;
            CommTrace("WaitForSingleObject timeout\n");
            return 0;
        }
        if (r < 0 || !(seen & POLLIN)) {
            CommTrace("WaitForSingleObject error\n");
            return 0;
        }
        n = ::read(port, buffer + got, static_cast<std::size_t>(count - got));
        if (n > 0)
            got += static_cast<int>(n);
        else if (n == 0 || errno != EAGAIN) {
            CommTrace("WaitForSingleObject error\n");
            return 0;
        }
    }
    return got;
}

} // namespace zf
