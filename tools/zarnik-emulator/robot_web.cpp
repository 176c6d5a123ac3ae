// The virtual robot for the browser's tests: the page's fake serial port
// hands it the bytes the page writes and gives back what it answers.
#include "robot.h"

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <algorithm>
#include <vector>

namespace zf {

namespace {

emscripten::val ToBytes(const std::uint8_t* bytes, std::size_t count) {
    emscripten::val view(emscripten::typed_memory_view(count, bytes));
    return emscripten::val::global("Uint8Array").new_(view);
}

emscripten::val Take(ZarnikRobot& robot, const emscripten::val& bytes, double now) {
    std::vector<std::uint8_t> answer;
    for (std::uint8_t byte : emscripten::convertJSArrayToNumberVector<std::uint8_t>(bytes))
        robot.Take(byte, static_cast<std::int64_t>(now), answer);
    return ToBytes(answer.data(), answer.size());
}

void Idle(ZarnikRobot& robot, double now) {
    robot.Idle(static_cast<std::int64_t>(now));
}

emscripten::val Memory(ZarnikRobot& robot) {
    return ToBytes(robot.Memory().data(), robot.Memory().size());
}

// False, and nothing changed, unless it is a whole image.
bool SetMemory(ZarnikRobot& robot, const emscripten::val& bytes) {
    const auto image = emscripten::convertJSArrayToNumberVector<std::uint8_t>(bytes);
    ZarnikMemoryImage memory;
    if (image.size() != memory.size())
        return false;
    std::copy(image.begin(), image.end(), memory.begin());
    robot.SetMemory(memory);
    return true;
}

void SetOptions(ZarnikRobot& robot, bool echo, int answerBytes, bool silent) {
    robot.SetOptions({.echo = echo, .answerBytes = answerBytes, .silent = silent});
}

std::string Describe(ZarnikRobot& robot) {
    return DescribeZarnikMemory(robot.Memory());
}

} // namespace

EMSCRIPTEN_BINDINGS(zarnik_robot) {
    emscripten::class_<ZarnikRobot>("ZarnikRobot")
        .constructor<>()
        .function("take", &Take)
        .function("idle", &Idle)
        .function("memory", &Memory)
        .function("setMemory", &SetMemory)
        .function("setOptions", &SetOptions)
        .function("storeCount", &ZarnikRobot::StoreCount)
        .function("describe", &Describe);
}

} // namespace zf
