#pragma once

#include "files/project_file.h"

#include <string>
#include <string_view>
#include <vector>

namespace zf {

// A folder shipped with the program ("help", "example"): beside the
// executable in a build, under share/zarnikfield when installed. The first
// candidate when neither exists.
std::string FindBundledFolder(const Project& project, std::string_view name);

// A project the launcher offers: its file, and the title and one-line
// description from the folder's "activities.ini" (the section is the file
// name; a project it does not list is titled by its file name).
struct Activity {
    std::string project;
    std::string title;
    std::string description;
};
// The projects of a folder, in the catalogue's order (its `activities`/
// `order` list), then the others by name.
std::vector<Activity> ReadActivities(const std::string& folder);

// Sets up a scene from a project file for its picture only: the working
// area, the robot's start, the trail and the objects. Nothing is copied, no
// Go Program is read and nothing is shown; false when the file is no project.
bool PreviewProject(ProjectScene& scene, const std::string& path);

} // namespace zf
