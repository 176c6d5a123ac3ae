#include "emulator.h"

#include <cerrno>
#include <chrono>
#include <cstdlib>

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

namespace zf {

namespace {

std::int64_t NowMs() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

} // namespace

ZarnikEmulator::ZarnikEmulator(EmulatorOptions options) : robot_(options) {}

ZarnikEmulator::~ZarnikEmulator() {
    Stop();
    if (slave_ >= 0)
        ::close(slave_);
    if (master_ >= 0)
        ::close(master_);
}

bool ZarnikEmulator::Open() {
    master_ = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (master_ < 0 || ::grantpt(master_) != 0 || ::unlockpt(master_) != 0)
        return false;
    const char* name = ::ptsname(master_);
    if (!name)
        return false;
    devicePath_ = name;
    slave_ = ::open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (slave_ < 0)
        return false;
    // Raw from the start: no echo of what the link sends.
    termios tio{};
    if (::tcgetattr(slave_, &tio) == 0) {
        ::cfmakeraw(&tio);
        ::tcsetattr(slave_, TCSANOW, &tio);
    }
    ::fcntl(master_, F_SETFL, ::fcntl(master_, F_GETFL) | O_NONBLOCK);
    return true;
}

bool ZarnikEmulator::Poll(int timeout) {
    pollfd p{master_, POLLIN, 0};
    int r = ::poll(&p, 1, timeout);
    if (r < 0)
        return errno == EINTR;
    {
        std::lock_guard lock(mutex_);
        robot_.Idle(NowMs());
    }
    if (r == 0)
        return true;
    if (!(p.revents & POLLIN))
        return false;
    std::uint8_t buffer[256];
    ssize_t n = ::read(master_, buffer, sizeof buffer);
    if (n < 0)
        return errno == EAGAIN || errno == EINTR;
    for (ssize_t i = 0; i < n; ++i) {
        std::vector<std::uint8_t> answer;
        {
            std::lock_guard lock(mutex_);
            const int stores = robot_.StoreCount();
            robot_.Take(buffer[i], NowMs(), answer);
            if (robot_.StoreCount() != stores)
                stored_.notify_all();
        }
        WriteAll(answer.data(), answer.size());
    }
    return true;
}

void ZarnikEmulator::WriteAll(const std::uint8_t* bytes, std::size_t count) {
    std::size_t done = 0;
    while (done < count) {
        ssize_t n = ::write(master_, bytes + done, count - done);
        if (n > 0) {
            done += static_cast<std::size_t>(n);
            continue;
        }
        if (n < 0 && errno != EAGAIN && errno != EINTR)
            return;
        pollfd p{master_, POLLOUT, 0};
        if (::poll(&p, 1, 1000) <= 0)
            return;
    }
}

void ZarnikEmulator::Start() {
    stop_ = false;
    thread_ = std::thread([this] {
        while (!stop_ && Poll(20)) {
        }
    });
}

void ZarnikEmulator::Stop() {
    stop_ = true;
    if (thread_.joinable())
        thread_.join();
}

ZarnikMemoryImage ZarnikEmulator::Memory() const {
    std::lock_guard lock(mutex_);
    return robot_.Memory();
}

void ZarnikEmulator::SetMemory(const ZarnikMemoryImage& memory) {
    std::lock_guard lock(mutex_);
    robot_.SetMemory(memory);
}

int ZarnikEmulator::StoreCount() const {
    std::lock_guard lock(mutex_);
    return robot_.StoreCount();
}

bool ZarnikEmulator::WaitForStores(int count, int timeout) const {
    std::unique_lock lock(mutex_);
    return stored_.wait_for(lock, std::chrono::milliseconds(timeout),
                            [&] { return robot_.StoreCount() >= count; });
}

void ZarnikEmulator::SetOptions(const EmulatorOptions& options) {
    std::lock_guard lock(mutex_);
    robot_.SetOptions(options);
}

} // namespace zf
