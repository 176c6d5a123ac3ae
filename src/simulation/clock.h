#pragma once

#include <cstdint>

namespace zf {

// Milliseconds on a monotonic clock. Runs take their time from here so that
// tests can drive them with a clock of their own.
class Clock {
  public:
    virtual ~Clock() = default;
    virtual std::int64_t NowMs() const = 0;
    // Lets the time pass until `ms` (a headless run off the interface thread).
    virtual void WaitUntil(std::int64_t ms) = 0;
};

class SteadyClock : public Clock {
  public:
    std::int64_t NowMs() const override;
    void WaitUntil(std::int64_t ms) override;
};

// Time that moves only when told to.
class ManualClock : public Clock {
  public:
    std::int64_t NowMs() const override { return now; }
    void WaitUntil(std::int64_t ms) override {
        if (ms > now)
            now = ms;
    }
    void Advance(std::int64_t ms) { now += ms; }

    std::int64_t now = 0;
};

} // namespace zf
