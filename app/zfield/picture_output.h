#pragma once

#include "commands.h"

#include "simulation/graphic_objects.h"
#include "simulation/pen_trail.h"
#include "simulation/zarnik_state.h"

#include <string>

#ifdef ZF_WITH_RENDER
#include <QImage>
#endif

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

#ifdef ZF_WITH_RENDER
// Writes a picture as a PNG file whole or not at all; the exit status.
int WritePngFile(const char* command, const QImage& image, const std::string& path);
#endif

// The working area fitted into the box, as the window fits it, with the robot
// drawn where it stands, its pictures taken from `folder`; a PNG file.
int WriteWorkingAreaPicture(const PictureRequest& picture, zf::ZarnikState& state,
                            const zf::PenTrail& trail, zf::GraphicObjectList& objects,
                            const std::string& folder);

} // namespace zfield
