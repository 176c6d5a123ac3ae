#pragma once

#include "files/project_file.h"

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

namespace zf::test {

// A fresh folder under the system's temporary folder, removed with its
// contents when the object goes.
class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& path() const { return path_; }
    std::string operator/(const std::string& name) const { return path_ + "/" + name; }

  private:
    std::string path_;
};

// Sets environment variables for one test and puts back what was there.
class ScopedEnv {
  public:
    ScopedEnv() = default;
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;
    ~ScopedEnv();
    void Set(const char* name, const std::string& value);
    void Unset(const char* name);

  private:
    void Remember(const char* name);
    std::vector<std::pair<std::string, std::optional<std::string>>> saved_;
};

// Node's file system under WebAssembly has no pipes, file modes, rights,
// size limits or processes: a test's checks of those stop there.
#ifdef __EMSCRIPTEN__
#define ZF_SKIP_WITHOUT_POSIX_FILES(why) GTEST_SKIP() << (why)
#else
#define ZF_SKIP_WITHOUT_POSIX_FILES(why) static_cast<void>(0)
#endif

// Runs `check` as a user whom file modes bind (nobody, in a child process,
// when the tests run as root) and answers what it answered.
bool WithoutRights(const std::function<bool()>& check);

// A project folder: `folder` and its four picture folders.
void MakeProjectFolder(const std::string& folder);

// Records what a load tells the window.
struct RecordingHost : ProjectHost {
    void SetProjectTitle(const std::string& path) override { title = path; }
    void ApplyOptions(const ProjectOptions& o) override { options = o; }
    void SetWorkingAreaModified(bool m) override { modified = m; }
    std::string title;
    std::optional<ProjectOptions> options;
    bool modified = true;
};

// A working area of its own to load into, starting where `like` is.
struct WorkingArea {
    explicit WorkingArea(UserInterface& ui, const Project& like = {})
        : project(like), editor(ui, tables) {}
    ProjectScene Scene() { return {state, trail, objects, editor, host, project}; }
    bool Open(const std::string& path, bool report = true) {
        ProjectScene scene = Scene();
        return OpenProject(scene, path, report);
    }
    Project project;
    RecordingHost host;
    ZarnikState state;
    PenTrail trail;
    NameTables tables;
    GraphicObjectList objects{tables};
    GoEditor editor;
};

// Every part a project stores: a 12 x 8 floor, the robot a.bmp mirrored at
// 1650, 450 facing 359, three trail points, a background, a stamp, a text,
// and a Go Program of one Forward saved as `goProgram`. True if it saved.
bool FillScene(WorkingArea& area, const std::string& goProgram);

void WriteBytesTo(const std::string& path, const std::vector<std::uint8_t>& bytes);
std::vector<std::uint8_t> BytesOf(const std::string& path);

// Little-endian patching of hand-built files.
void Put16(std::vector<std::uint8_t>& b, std::size_t at, std::uint16_t v);
void Put32(std::vector<std::uint8_t>& b, std::size_t at, std::uint32_t v);
std::uint16_t Get16(const std::vector<std::uint8_t>& b, std::size_t at);
std::uint32_t Get32(const std::vector<std::uint8_t>& b, std::size_t at);
void PutText(std::vector<std::uint8_t>& b, std::size_t at, const std::string& text);

// The old binary forms, built from their tables: a 42-byte Go Program record,
// a Go Program file of such records, a 378-byte label and a 1.0 project
// (two trail points, a stamp and a text, robot b.bmp, program walk.gop).
std::vector<std::uint8_t> LegacyRecord(std::uint8_t opcode, std::initializer_list<std::uint8_t> d,
                                       std::int16_t value1 = 0, const std::string& name = "");
std::vector<std::uint8_t> LegacyFile(const std::string& header,
                                     const std::vector<std::vector<std::uint8_t>>& records);
std::vector<std::uint8_t> LabelRecord(const std::string& text, std::int16_t x);
std::vector<std::uint8_t> V1Project(const std::string& folder);

} // namespace zf::test
