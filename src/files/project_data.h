#pragma once

#include "program/text_object.h"
#include "simulation/pen_trail.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace zf {

// One graphic object as a project file carries it: names and texts as
// strings, since the file's own tables end with the load.
struct ProjectObject {
    std::uint16_t kind = 0;
    std::string name;
    std::int32_t param1 = 0;
    std::int32_t param2 = 0;
    std::int32_t param3 = 0;
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::uint16_t runTag = 0;
    // Kind 3: the text-object record (its text id unused) and its text.
    TextObjectRecord record;
    std::string text;
};

// The option values an old binary project carries: listing size, keypad
// sound, tooltips and speed, as zfield.ini holds them.
struct ProjectOptions {
    std::uint16_t listingSize = 0;
    std::uint16_t sound = 0;
    std::uint16_t tooltips = 0;
    std::uint16_t speed = 0;
};

enum class ProjectForm { V2, V1, Ini };

// Everything a project file holds, read whole before anything is applied.
struct ProjectData {
    ProjectForm form = ProjectForm::V2;
    // The folder as stored: 2.0 and 1.0 the project folder's path, the ini
    // form its `relpath`.
    std::string folder;
    std::string shape;
    // Floor size in steps as stored; the range rules apply when applied.
    std::int32_t floorWidthSteps = 10;
    std::int32_t floorHeightSteps = 10;
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t heading = 0;
    std::uint32_t mirrored = 0;
    std::string goProgram;
    // Ini form only: the background file and the position in steps from
    // the centre, converted once the floor size is known.
    std::string background;
    double stepX = 0;
    double stepY = 0;
    std::vector<TrailPoint> trail;
    std::vector<ProjectObject> objects;
    std::optional<ProjectOptions> options;
};

} // namespace zf
