#pragma once

#include "link/memory_image.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace zf {

struct EmulatorOptions {
    // Answers a read with the command byte before the memory.
    bool echo = false;
    // Memory bytes sent for a read: fewer answer short, 0 not at all.
    int answerBytes = kZarnikImageSize;
    // Takes in everything and neither stores nor answers: a robot that is
    // switched off at the end of a live lead.
    bool silent = false;
};

// A virtual Floor Zarnik at the far end of a pseudo-terminal: 0x19 and 197
// bytes store its memory, 0x1A reads it back.
class ZarnikEmulator {
  public:
    explicit ZarnikEmulator(EmulatorOptions options = {});
    ~ZarnikEmulator();
    ZarnikEmulator(const ZarnikEmulator&) = delete;
    ZarnikEmulator& operator=(const ZarnikEmulator&) = delete;

    // Opens the pseudo-terminal; false when the system gives none.
    bool Open();
    // The terminal device a link opens to reach this robot.
    const std::string& DevicePath() const { return devicePath_; }

    // Handles what arrives within `timeout` ms; false when the terminal failed.
    bool Poll(int timeout);
    // Serving on a thread of its own, for tests in one process.
    void Start();
    void Stop();

    ZarnikMemoryImage Memory() const;
    void SetMemory(const ZarnikMemoryImage& memory);
    int StoreCount() const;
    // Waits until `count` images have been stored; false after `timeout` ms.
    bool WaitForStores(int count, int timeout) const;
    void SetOptions(const EmulatorOptions& options);

  private:
    void Take(std::uint8_t byte);
    void Answer();
    void WriteAll(const std::uint8_t* bytes, std::size_t count);

    using Clock = std::chrono::steady_clock;

    EmulatorOptions options_;
    int master_ = -1;
    // Held open so that the master side never sees a hang-up between the
    // transfers of a link that opens and closes the port each time.
    int slave_ = -1;
    std::string devicePath_;

    mutable std::mutex mutex_;
    mutable std::condition_variable stored_;
    ZarnikMemoryImage memory_{};
    int storeCount_ = 0;

    std::vector<std::uint8_t> incoming_;
    bool storing_ = false;
    Clock::time_point lastByte_{};

    std::thread thread_;
    std::atomic<bool> stop_{false};
};

// The program an image holds, as GO and PROC listings.
std::string DescribeZarnikMemory(const ZarnikMemoryImage& memory);

} // namespace zf
