#pragma once

#include "desktop/frame/desktop_ui.h"
#include "files/project_file.h"
#include "link/serial_port.h"
#include "program/editor.h"
#include "simulation/edit_history.h"
#include "simulation/graphic_objects.h"
#include "simulation/pen_trail.h"
#include "simulation/zarnik_state.h"

#include <QObject>

#include <memory>
#include <string>

namespace zf::ui {

// The options of the running program.
struct Options {
    int listingSize = 6; // icon size = 5 x this
    bool sound = false;
    bool tooltips = true;
    int comPort = 1;
    int speed = 2; // 1 Slow, 2 Medium, 3 Fast, 4 Instant
    // Slower than Slow; kept apart from speed, which files share with older readers.
    bool verySlow = false;
    bool goBrowse = true;

    int IconSize() const { return listingSize >= 1 && listingSize <= 10 ? 5 * listingSize : 25; }
};

// The one Go Program, robot, trail and set of objects of the running
// program, shared by the windows that show and change them.
class Document : public QObject, public ProjectHost {
    Q_OBJECT
  public:
    Document();

    DesktopUi ui;
    NameTables tables;
    // The open project's folders and file name.
    Project project;
    std::unique_ptr<GoEditor> editor;
    ZarnikState state;
    PenTrail trail;
    GraphicObjectList objects{tables};
    Options options;
    // The port the options chose, for Send and Get.
    LinkSettings link;
    bool projectChanged = false;
    // The file the Go Program was opened from or last saved to; "" for a
    // new one, one read from the robot or one of a project.
    std::string programPath;
    EditHistory history{*editor, state, trail, objects};

    ProjectScene Scene() { return ProjectScene{state, trail, objects, *editor, *this, project}; }

    void ResetGraphicsLibrary() override;
    void SetProjectTitle(const std::string& path) override;
    void ApplyOptions(const ProjectOptions& options) override;
    void WorkingAreaChanged() override;
    void SetWorkingAreaModified(bool modified) override { projectChanged = modified; }

  signals:
    // The desktop's parts of a project load.
    void titleChanged(const std::string& path);
    void workingAreaChanged();
    void optionsLoaded(const zf::ProjectOptions& options);
    void libraryReset();
};

} // namespace zf::ui
