#include "robot.h"

#include "link/zarnik_link.h"
#include "program/key_sequence.h"

#include <algorithm>

namespace zf {

namespace {

// A store that stalls this long is dropped.
constexpr std::int64_t kStoreGiveUpMs = 1000;

class QuietUi : public UserInterface {
  public:
    void WarningBox(zf::TextId, const std::string&) override {}
    zf::Answer Ask(zf::TextId, const std::string&, Buttons) override { return zf::Answer::No; }
};

} // namespace

ZarnikRobot::ZarnikRobot(EmulatorOptions options) : options_(options) {
    InitialiseZarnikMemBuffer(memory_);
}

void ZarnikRobot::Idle(std::int64_t now) {
    if (storing_ && now - lastByte_ > kStoreGiveUpMs) {
        storing_ = false;
        incoming_.clear();
    }
}

void ZarnikRobot::Take(std::uint8_t byte, std::int64_t now, std::vector<std::uint8_t>& answer) {
    if (options_.silent)
        return;
    Idle(now);
    lastByte_ = now;
    if (storing_) {
        incoming_.push_back(byte);
        if (incoming_.size() == kZarnikImageSize) {
            std::copy(incoming_.begin(), incoming_.end(), memory_.begin());
            storing_ = false;
            incoming_.clear();
            ++storeCount_;
        }
        return;
    }
    if (byte == kStoreProgramCommand) {
        storing_ = true;
    } else if (byte == kReadProgramCommand && options_.answerBytes > 0) {
        if (options_.echo)
            answer.push_back(kReadProgramCommand);
        const int count = std::min(options_.answerBytes, kZarnikImageSize);
        answer.insert(answer.end(), memory_.begin(), memory_.begin() + count);
    }
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
