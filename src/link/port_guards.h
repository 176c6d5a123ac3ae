#pragma once

#include <algorithm>
#include <atomic>
#include <chrono>

namespace zf {

// Transmits and receive-event waits do not nest on a port: a second call
// while one runs answers 0 at once.
struct PortActivity {
    std::atomic<bool> transmitting{false};
    std::atomic<bool> waitingForEvent{false};
};

namespace port {

using Clock = std::chrono::steady_clock;

// Marks a transmit or a wait as running on its port for its lifetime. A
// port never opened has no activity to guard.
class InProgress {
  public:
    explicit InProgress(std::atomic<bool>* flag)
        : flag_(flag), entered_(!flag || !flag->exchange(true)) {}
    ~InProgress() {
        if (entered_ && flag_)
            *flag_ = false;
    }
    InProgress(const InProgress&) = delete;
    InProgress& operator=(const InProgress&) = delete;
    bool entered() const { return entered_; }

  private:
    std::atomic<bool>* flag_;
    bool entered_;
};

struct Deadline {
    Clock::time_point end;
    bool never;

    explicit Deadline(int timeout)
        : end(Clock::now() + std::chrono::milliseconds(std::max(timeout, 0))), never(timeout < 0) {}
    // Milliseconds left: -1 when it never ends.
    int Left() const {
        if (never)
            return -1;
        auto left = std::chrono::ceil<std::chrono::milliseconds>(end - Clock::now()).count();
        return static_cast<int>(std::max<long long>(left, 0));
    }
};

} // namespace port
} // namespace zf
