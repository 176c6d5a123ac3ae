#pragma once

#include "link/memory_image.h"

#include <cstdint>
#include <string>
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

// What a Floor Zarnik does with the bytes that reach it, whatever lead
// carries them: 0x19 and 197 bytes store its memory, 0x1A reads it back.
// Time is given by the caller, in milliseconds on any steady clock.
class ZarnikRobot {
  public:
    explicit ZarnikRobot(EmulatorOptions options = {});

    // Takes one byte arrived at `now`; what the robot answers goes on the
    // end of `answer`.
    void Take(std::uint8_t byte, std::int64_t now, std::vector<std::uint8_t>& answer);
    // A store that stalled is dropped once the line has been quiet long
    // enough, as the robot does.
    void Idle(std::int64_t now);

    const ZarnikMemoryImage& Memory() const { return memory_; }
    void SetMemory(const ZarnikMemoryImage& memory) { memory_ = memory; }
    int StoreCount() const { return storeCount_; }
    void SetOptions(const EmulatorOptions& options) { options_ = options; }

  private:
    EmulatorOptions options_;
    ZarnikMemoryImage memory_{};
    int storeCount_ = 0;
    std::vector<std::uint8_t> incoming_;
    bool storing_ = false;
    std::int64_t lastByte_ = 0;
};

// The program an image holds, as GO and PROC listings.
std::string DescribeZarnikMemory(const ZarnikMemoryImage& memory);

} // namespace zf
