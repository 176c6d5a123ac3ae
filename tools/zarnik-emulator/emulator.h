#pragma once

#include "robot.h"

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace zf {

// A virtual Floor Zarnik at the far end of a pseudo-terminal.
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
    void WriteAll(const std::uint8_t* bytes, std::size_t count);

    int master_ = -1;
    // Held open so that the master side never sees a hang-up between the
    // transfers of a link that opens and closes the port each time.
    int slave_ = -1;
    std::string devicePath_;

    mutable std::mutex mutex_;
    mutable std::condition_variable stored_;
    ZarnikRobot robot_;

    std::thread thread_;
    std::atomic<bool> stop_{false};
};

} // namespace zf
