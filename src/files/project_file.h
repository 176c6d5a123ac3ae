#pragma once

#include "files/ini_file.h"
#include "files/project.h"
#include "files/project_data.h"
#include "program/debug_log.h"
#include "program/editor.h"
#include "simulation/graphic_objects.h"
#include "simulation/pen_trail.h"
#include "simulation/zarnik_state.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace zf {

inline constexpr const char* kProjectV2Header = "Zarnikfield PROJECT v2.0";
inline constexpr const char* kProjectV1Header = "Zarnikfield PROJECT v1.0";

// What the desktop does around a project load beyond the working area's
// data: the library rescans, the title, repaints, the options a 1.0 project
// carries. The command line and tests leave them empty.
class ProjectHost {
  public:
    virtual ~ProjectHost() = default;
    virtual void ResetGraphicsLibrary() {}
    // Title for a project file path, or for a folder path (ini form).
    virtual void SetProjectTitle(const std::string& /*path*/) {}
    virtual void ApplyOptions(const ProjectOptions& /*options*/) {}
    // Shape, floor size or objects changed: sprite and picture to rebuild.
    virtual void WorkingAreaChanged() {}
    virtual void SetWorkingAreaModified(bool /*modified*/) {}
    // A predefined project's copy in the work folder was changed by the
    // user: Yes opens it, No starts afresh (the copy is kept under `kept`),
    // Cancel opens nothing. Asked of the user unless a front end decides.
    virtual Answer ChooseChangedCopy(UserInterface& ui, const std::string& copy,
                                     const std::string& kept);
};

// The parts a project binds: the robot, its trail, the objects of the
// working area and the Go Program, and where they lie on disk.
struct ProjectScene {
    ZarnikState& state;
    PenTrail& trail;
    GraphicObjectList& objects;
    GoEditor& editor;
    ProjectHost& host;
    Project& project;
    // Where the loader traces its steps, when anyone wants them.
    DebugLog* log = nullptr;

    UserInterface& ui() { return editor.ui(); }
};

// Working-area operations a project load is made of; the desktop's tools
// call the same ones. Clearing is refused while a Go Program runs.
bool ClearWorkingArea(ProjectScene& scene);
// Each size outside 1..99 steps becomes 10.
void SetFloorSize(ProjectScene& scene, int widthSteps, int heightSteps);
// Current and start fields alike.
void SetZarnikShape(ProjectScene& scene, const std::string& fileName);
void SetZarnikPosition(ProjectScene& scene, int x, int y);
void MirrorZarnik(ProjectScene& scene);
void SetZarnikFlipped(ProjectScene& scene, bool flipped);
void SetZarnikHeading(ProjectScene& scene, int heading);
// A background object at the centre of the working area.
void SetBackground(ProjectScene& scene, const std::string& fileName);
void ReplacePenTrail(ProjectScene& scene, const std::vector<TrailPoint>& points);
// Stamps, backgrounds and texts as a project file carries them.
void CreateProjectObjects(ProjectScene& scene, const std::vector<ProjectObject>& objects);
// Opens a Go Program named by a project: a bare name, or a path that leads
// out of the project folder, is taken from the project folder; an empty name
// empties both lists, and so does a name found nowhere, after a message
// that names it and where it was looked for.
bool OpenGoProgramByName(ProjectScene& scene, const std::string& name);

// The readers' first half: the file's contents, fully checked. False for a
// damaged file (an offset, length, count or id that does not fit).
bool ParseProjectV2(std::span<const std::uint8_t> file, ProjectData& data);
bool ParseProjectV1(std::span<const std::uint8_t> file, ProjectData& data);
ProjectData ParseProjectIni(const IniFile& ini);
// Whether parsed contents may be applied and saved: names that stay in the
// project, a position the 2.0 form holds whole. The parsers check it; the
// ini form's callers do.
bool ProjectDataLoadable(const ProjectData& data);
bool CheckIfZFieldProjectIni(const IniFile& ini);
bool CheckIfZFieldProjectIni(const std::string& path);

// What a scene would store, with `folder` as its project folder.
ProjectData CaptureProject(ProjectScene& scene, const std::string& folder);
// The version 2.0 file image of a project.
std::vector<std::uint8_t> WriteProjectV2(const ProjectData& data);
std::vector<std::uint8_t> WriteProjectV2(ProjectScene& scene, const std::string& folder);

// Reads the whole file before it changes anything, so that a
// damaged file leaves the working area as it was; answers whether the
// project was applied.
bool ReadProjectIniFile(ProjectScene& scene, const std::string& path);

// Opens a project of any form, with its messages; true when it was applied.
bool OpenProject(ProjectScene& scene, const std::string& path, bool reportErrors);
// The same on a file already read; `path` is where it was read from.
bool OpenProjectBytes(ProjectScene& scene, std::span<const std::uint8_t> file,
                      const std::string& path);
// Saves to a chosen path; a failed save is reported and keeps the old file.
// Saved into another folder than the project folder, the project takes its
// picture folders and its Go Program along, and that folder becomes the
// project folder. A Go Program saved elsewhere is copied beside the project.
bool SaveProjectAs(ProjectScene& scene, const std::string& path);
// The program's command-line argument: a project or a Go Program to open.
// A Go Program opens into the default project; with nothing opened the
// program folder is the project folder.
enum class StartupOpened { Nothing, Project, GoProgram };
StartupOpened StartupLoad(ProjectScene& scene, std::string argument);

} // namespace zf
