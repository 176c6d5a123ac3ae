#include "emulator.h"

#include "link/zarnik_link.h"
#include "program/key_sequence.h"

#include <cerrno>
#include <cstdlib>

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

namespace zf {

namespace {

// A store that stalls this long is dropped, as the robot does.
constexpr auto kStoreGiveUp = std::chrono::seconds(1);

class QuietUi : public UserInterface {
  public:
    void WarningBox(zf::TextId, const std::string&) override {}
    zf::Answer Ask(zf::TextId, const std::string&, Buttons) override { return zf::Answer::No; }
};

} // namespace

ZarnikEmulator::ZarnikEmulator(EmulatorOptions options) : options_(options) {
    InitialiseZarnikMemBuffer(memory_);
}

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
    if (storing_ && Clock::now() - lastByte_ > kStoreGiveUp) {
        storing_ = false;
        incoming_.clear();
    }
    if (r == 0)
        return true;
    if (!(p.revents & POLLIN))
        return false;
    std::uint8_t buffer[256];
    ssize_t n = ::read(master_, buffer, sizeof buffer);
    if (n < 0)
        return errno == EAGAIN || errno == EINTR;
    for (ssize_t i = 0; i < n; ++i)
        Take(buffer[i]);
    return true;
}

void ZarnikEmulator::Take(std::uint8_t byte) {
    std::unique_lock lock(mutex_);
    if (options_.silent)
        return;
    lastByte_ = Clock::now();
    if (storing_) {
        incoming_.push_back(byte);
        if (incoming_.size() == kZarnikImageSize) {
            std::copy(incoming_.begin(), incoming_.end(), memory_.begin());
            storing_ = false;
            incoming_.clear();
            ++storeCount_;
            stored_.notify_all();
        }
        return;
    }
    if (byte == kStoreProgramCommand) {
        storing_ = true;
    } else if (byte == kReadProgramCommand) {
        lock.unlock();
        Answer();
    }
}

void ZarnikEmulator::Answer() {
    std::vector<std::uint8_t> answer;
    {
        std::lock_guard lock(mutex_);
        if (options_.answerBytes <= 0)
            return;
        if (options_.echo)
            answer.push_back(kReadProgramCommand);
        const int count = std::min(options_.answerBytes, kZarnikImageSize);
        answer.insert(answer.end(), memory_.begin(), memory_.begin() + count);
    }
    WriteAll(answer.data(), answer.size());
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
    return memory_;
}

void ZarnikEmulator::SetMemory(const ZarnikMemoryImage& memory) {
    std::lock_guard lock(mutex_);
    memory_ = memory;
}

int ZarnikEmulator::StoreCount() const {
    std::lock_guard lock(mutex_);
    return storeCount_;
}

bool ZarnikEmulator::WaitForStores(int count, int timeout) const {
    std::unique_lock lock(mutex_);
    return stored_.wait_for(lock, std::chrono::milliseconds(timeout),
                            [&] { return storeCount_ >= count; });
}

void ZarnikEmulator::SetOptions(const EmulatorOptions& options) {
    std::lock_guard lock(mutex_);
    options_ = options;
}

std::string DescribeZarnikMemory(const ZarnikMemoryImage& memory) {
    QuietUi ui;
    NameTables tables;
    GoEditor editor(ui, tables);
    editor.DestroyProgramList(GO_LIST);
    editor.DestroyProgramList(PROC_LIST);
    ParseZarnikMemDump(memory, editor);
    return FormatLists(editor);
}

} // namespace zf
