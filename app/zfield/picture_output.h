#pragma once

#include "commands.h"

#include "simulation/graphic_objects.h"
#include "simulation/pen_trail.h"
#include "simulation/zarnik_state.h"

#include <string>

namespace zfield {

// Where to write the picture of a run and the box to fit the working area in.
struct PictureRequest {
    std::string path;
    int width = 1000;
    int height = 1000;
};

// Takes -o OUT.png and --size WxH out of a command's arguments; answers 0,
// or the exit status after a message for a bad value.
int TakePictureOptions(Args& args, PictureRequest& picture, const char* command);

// The working area fitted into the box, as the window fits it, with the robot
// drawn where it stands; a PNG file.
int WriteWorkingAreaPicture(const PictureRequest& picture, zf::ZarnikState& state,
                            const zf::PenTrail& trail, zf::GraphicObjectList& objects);

} // namespace zfield
