#include "simulation/zarnik_state.h"

#include "program/texts.h"
#include "program/unnumbered_texts.h"

#include <array>
#include <cctype>

namespace zf {

int MmToPixels(const ZarnikState& state, int mm) {
    return static_cast<int>(static_cast<double>(state.zoom) * 0.001 * (mm + 0.5));
}

int PixelsToMm(const ZarnikState& state, int px) {
    return static_cast<int>((px + 0.5) * 1000 / static_cast<double>(state.zoom));
}

int PixelsPerStep(const ZarnikState& state) {
    return static_cast<int>(static_cast<double>(state.zoom) * 0.3);
}

std::string RobotMemoryText(const ExecutorUnits& units, int memoryUsed, int memorySize,
                            bool brief) {
    const ExecutorUnits robot;
    std::string text;
    // Changed units change what every move does: they are shown while they last.
    if (units.stepUnit != robot.stepUnit)
        text += brief ? std::to_string(units.stepUnit) + " cm   "
                      : FormatText(Translated(unnumbered::kStatusStepUnit), {units.stepUnit});
    if (units.turnUnit != robot.turnUnit)
        text += brief ? std::to_string(units.turnUnit) + "°   "
                      : FormatText(Translated(unnumbered::kStatusTurnUnit), {units.turnUnit});
    if (brief)
        return text + std::to_string(memoryUsed) + "/" + std::to_string(memorySize);
    return text + FormatText(Translated(unnumbered::kStatusMemory), {memoryUsed, memorySize});
}

double StepX(const ZarnikState& state, int x) {
    return (x - state.floorWidth / 2) / static_cast<double>(kStepMm);
}

double StepY(const ZarnikState& state, int y) {
    return (state.floorHeight / 2 - y) / static_cast<double>(kStepMm);
}

int NormalHeading(std::int64_t degrees) {
    const std::int64_t heading = degrees % 360;
    return static_cast<int>(heading < 0 ? heading + 360 : heading);
}

void SetHome(ZarnikState& state, int x, int y) {
    state.homeX = state.x = x;
    state.homeY = state.y = y;
}

void SetHomeHeading(ZarnikState& state, int heading) {
    state.homeHeading = state.heading = heading;
}

void CentreZarnik(ZarnikState& state) {
    SetHome(state, state.floorWidth / 2, state.floorHeight / 2);
}

std::uint16_t MoveDelayForSpeed(int index) {
    switch (index) {
    case 0:
        return 25;
    case 2:
        return 6;
    default:
        return 12;
    }
}

namespace {

constexpr std::array<std::string_view, kPenCount> kPenNames = {
    "redthin.bmp", "yelothin.bmp", "bluethin.bmp", "blakthin.bmp",
    "redwide.bmp", "yelowide.bmp", "bluewide.bmp", "blakwide.bmp",
};

bool SamePrefix(std::string_view name, std::string_view pen) {
    // The given name's terminator takes part in the comparison, so a name
    // longer than the pen's never matches it.
    if (name.size() > pen.size())
        return false;
    for (std::size_t i = 0; i < name.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(name[i])) !=
            std::tolower(static_cast<unsigned char>(pen[i])))
            return false;
    return true;
}

} // namespace

std::string_view PenFileName(int style) {
    return style >= 0 && style < kPenCount ? kPenNames[style] : std::string_view();
}

std::int16_t PenStyleForName(std::string_view name) {
    for (int i = 0; i < kPenCount; ++i)
        if (SamePrefix(name, kPenNames[i]))
            return static_cast<std::int16_t>(i);
    return 0;
}

int CheckZarnikPosition(UserInterface& ui, const ZarnikState& state, int x, int y) {
    if (x >= kHalfStepMm && x <= state.floorWidth - kHalfStepMm && y >= kHalfStepMm &&
        y <= state.floorHeight - kHalfStepMm)
        return 0;
    const double maxX = (state.floorWidth - kStepMm) * 0.5 / kStepMm;
    const double maxY = (state.floorHeight - kStepMm) * 0.5 / kStepMm;
    Warn(ui, TextId::ZarnikMustStayInArea, {maxX, maxY});
    return 1;
}

bool IsGoProgramActive(const ZarnikState& state) {
    return state.running || state.stepPending || state.paused;
}

bool RefuseWhileRunning(UserInterface& ui, const ZarnikState& state) {
    if (!state.running || state.paused)
        return false;
    Warn(ui, TextId::GoProgramRunning);
    return true;
}

} // namespace zf
