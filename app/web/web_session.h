#pragma once

#include "web_ui.h"

#include "files/project_file.h"
#include "link/serial_port.h"
#include "program/editor.h"
#include "program/key_entry.h"
#include "program/keypad_rules.h"
#include "simulation/clock.h"
#include "simulation/floor_drag.h"
#include "simulation/graphic_objects.h"
#include "simulation/pen_trail.h"
#include "simulation/run_control.h"
#include "simulation/zarnik_state.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace zf::web {

// A library picture as the page's paint tool holds it: its file name and
// its pixels as application-palette indexes, top row first.
struct LibraryPicture {
    std::string name;
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> indexes;
};

// Where the page's files live in the module's file system.
inline constexpr const char* kActivitiesFolder = "/activities/";
inline constexpr const char* kWorkFolder = "/work/";

// One Go Program, robot, trail and working area with its run control, as
// the desktop's document and windows wire them, driven by the page: keys in,
// events out, time from the page's clock. Nothing here blocks.
class WebSession : public KeypadActions, public ProjectHost {
  public:
    WebSession();
    ~WebSession() override = default;
    WebSession(const WebSession&) = delete;
    WebSession& operator=(const WebSession&) = delete;

    int Key(int code);
    bool KeyboardKey(const std::string& keyName, bool shift, bool ctrl);
    void ClickList(int list, int line);

    void Run(bool stepMode);
    void Stop();
    void Continue();
    void Step();
    void Reset();
    // 0 Fast, 1 Slow, 2 Very Slow, 3 Medium, 4 Instant.
    void SetSpeed(int speed);
    // Options > Sound: key clicks, the error sound and Quaver's notes.
    void SetSound(bool on);
    void SetAnswer(int answer);

    // Clock time at which Pump has work, -1 when there is none.
    double NextDue() const;
    void Pump(double nowMs);
    std::string TakeEvents();

    int ListLineCount(int list) const;
    int CursorLine(int list) const { return ui_.CursorLine(list); }
    std::string FloorSize() const;
    // The robot's place and heading in millimetres and degrees, as JSON.
    std::string Robot() const;

    // False when refused, during a run.
    bool NewProgram();
    bool LoadGop(const std::vector<std::uint8_t>& bytes, const std::string& name);
    std::vector<std::uint8_t> SaveGop();
    bool OpenActivity(const std::string& name);
    std::string Activities() const;
    std::vector<std::uint8_t> Snapshot();
    bool Restore(const std::vector<std::uint8_t>& bytes);

    // Lesson files (web_lesson.cpp): opened into a folder of their own under
    // the work folder; saved as the project, its program and its pictures.
    bool OpenLesson(const std::vector<std::uint8_t>& bytes, const std::string& name);
    std::vector<std::uint8_t> SaveLesson();
    // The name a saved lesson takes: the project's, else "lesson.zfl".
    std::string LessonName() const;
    // Where the open project lives, which a reload unpacks its lesson into.
    std::string ProjectFolder() const { return project_.folder; }
    // A reloaded page's lesson pictures: the lesson's files put back into
    // the folder it had been opened into, so that the kept work finds them.
    bool RestoreLessonFolder(const std::vector<std::uint8_t>& bytes, const std::string& folder);

    // The graphics tool bar. Graphic commands are keyed into the Go Program
    // as the desktop's Go Container keys them (a key's status, or Refused);
    // the position and heading come from the desktop's boxes, checked alike.
    std::string PositionBoxes() const;
    int KeyPosition(const std::string& up, const std::string& right, const std::string& down,
                    const std::string& left);
    int KeyHeading(const std::string& clockwise);
    // What the other heading box shows for one box's words.
    int OppositeHeading(const std::string& box) const;
    // A category's pictures (1 shapes, 2 stamps, 3 pens): [{"name","src"}],
    // src as pictureRgba takes it; a click keys the category's command.
    std::string Pictures(int category) const;
    int KeyPicture(int category, const std::string& name);
    // Pen Up, Flip Zarnik and Flip Stamp; any other key is refused.
    int KeyTool(int code);
    // Place Text: the words (UTF-8, lines apart), the colour 0xRRGGBB, the
    // size in points, the font as the desktop's font chooser gives it (face,
    // weight 1..1000, italic, underline, strike-out) and where the text goes
    // by the robot (0..10).
    int KeyText(const std::string& words, int colour, double points, const std::string& face,
                int weight, bool italic, bool underline, bool strike, int placement);
    // The working area's size in steps as the boxes give it, and its
    // background: one of the project's backgrounds, or none for "".
    bool SetAreaSize(const std::string& width, const std::string& height);
    std::string Backgrounds() const;
    bool SetBackground(const std::string& name);

    // A drag on the working area, in its pixels as floor() last laid it
    // out: the robot to a new start, a stamp or text to a new place. Press
    // answers what it took up: 0 nothing, 1 the robot, 2 a stamp or text.
    int DragPress(int x, int y);
    void DragMove(int x, int y);
    void DragRelease(int x, int y);
    // What a press there would take up, for the pointer's look.
    int DragUnder(int x, int y) const { return static_cast<int>(drag_.Under(x, y)); }
    bool DragPossible() const { return drag_.Possible(); }
    const FloorDrag& drag() const { return drag_; }
    // Clear One Object let go at a point of the working area: true when a
    // stamp or text went.
    bool ClearObjectAt(int x, int y);

    // The Graphics Library (web_library.cpp). A picture of a category let go
    // at a point of the working area, or on the robot: what it did, 0
    // nothing, 1 the robot's shape, 2 a stamp placed, 3 a pen recognised.
    int DropPicture(int category, const std::string& name, int x, int y);
    int DropPictureOnRobot(int category, const std::string& name);
    // The application palette, the paint tool's sixteen colours and the
    // transparent colour, as JSON.
    std::string PaintPalette() const;
    // Create's template under a free name; Edit's picture. No name when
    // there is none.
    LibraryPicture NewPicture(int category) const;
    LibraryPicture OpenPicture(int category, const std::string& name) const;
    // Writes a picture of the category's folder, replacing it.
    bool SavePicture(int category, const std::string& name, int width, int height,
                     const std::vector<std::uint8_t>& indexes);
    // A picture from disk, as a bitmap file or as palette indexes, written
    // under a free name near its own; the name, or "" when refused.
    std::string AddPicture(int category, const std::string& fileName,
                           const std::vector<std::uint8_t>& bytes);
    std::string AddPixels(int category, const std::string& fileName, int width, int height,
                          const std::vector<std::uint8_t>& indexes);

    // The zoom the page shows the working area at: moves are drawn, and
    // timed, pixel by pixel at it, as in the desktop's window, and the
    // robot's picture is made at its step size.
    void SetZoom(float zoom) { state_.zoom = zoom; }

    // Floor Zarnik > Send and Get GO Program over the page's serial port
    // (web_link.cpp). They wait on the port, so the page calls them through
    // the module's asynchronous exports, never through the bindings.
    bool SendProgram();
    bool GetProgram();
    // The Debug switch: a Get then leaves its communications report, and
    // the port's trace lines go to the console.
    void SetLinkReport(bool on);
    // The last Get's report, "" when none was written.
    std::string TakeLinkReport();
    // The port as the page names it, for the messages that say which was tried.
    void SetLinkDevice(const std::string& name) { link_.SetDevice(1, name); }
    // Only tests shorten them, as the desktop's do.
    void SetLinkTimeouts(int readInterval, int sendCommand, int sendImage, int receiveEvent,
                         int receiveImage, int receiveEcho);

    // For the display lists.
    const ZarnikState& state() const { return state_; }
    const PenTrail& trail() const { return trail_; }
    const GraphicObjectList& objects() const { return objects_; }
    const GoEditor& editor() const { return *editor_; }
    const NameTables& tables() const { return tables_; }
    const Project& project() const { return project_; }
    const PageInterface& ui() const { return ui_; }

    // KeypadActions: what a keypad click leads to.
    void KeySound() override { ui_.Play(Sound::KeyClick); }
    void RefuseClearMemory() override;
    void ShowClearPrompt() override { clearPrompt_ = true; }
    void HideClearPrompt() override { clearPrompt_ = false; }
    void StartClearTimer() override;
    void StopClearTimer() override { clearDue_ = -1; }
    void SendKey(int key) override { SendKey(key, {}); }
    void RequestRun() override { Post(RunRequest::Run); }
    void RequestStop() override;

    // ProjectHost: a project load's news for the page.
    void WorkingAreaChanged() override { ui_.events.repaintFloor = true; }

  private:
    void Post(RunRequest request, int param = 0);
    void SendKey(int code, const KeyArgument& argument);
    int KeyGraphic(int code, const KeyArgument& argument);
    bool RunActive() const;
    ProjectScene Scene() {
        return ProjectScene{state_, trail_, objects_, *editor_, *this, project_};
    }
    // After a load both lists are drawn afresh with the cursor where the
    // editor has it.
    void ProgramReplaced();
    std::string SavePath() const;

    NameTables tables_;
    PageInterface ui_{tables_};
    std::unique_ptr<GoEditor> editor_;
    ZarnikState state_;
    PenTrail trail_;
    GraphicObjectList objects_{tables_};
    Project project_;
    ManualClock clock_;
    std::unique_ptr<RunControl> run_;
    KeypadRules keypad_{*this};
    FloorDrag drag_{ui_, ui_, state_, trail_, objects_};
    LinkSettings link_;
    std::string linkReport_;
    int lastStatus_ = 0;
    bool clearPrompt_ = false;
    std::int64_t clearDue_ = -1;
};

} // namespace zf::web
