#include "commands.h"
#include "picture_output.h"

#include "files/go_program_file.h"
#include "files/project_file.h"
#include "program/editor.h"
#include "program/key_sequence.h"
#include "program/printing_ui.h"
#include "simulation/headless_run.h"

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace zfield {

namespace {

struct RunOptions {
    std::string keys;
    bool haveKeys = false;
    int floorWidth = 10;
    int floorHeight = 10;
    bool instant = false;
    bool trail = false;
    // A saved program instead of keys, and a project for the working area.
    std::string program;
    std::string project;
};

bool ParseFloor(const std::string& text, int& width, int& height) {
    char* end = nullptr;
    const long w = std::strtol(text.c_str(), &end, 10);
    if (*end != ',')
        return false;
    const char* rest = end + 1;
    const long h = std::strtol(rest, &end, 10);
    if (end == rest || *end != '\0' || w < 1 || h < 1 || w > 32767 || h > 32767)
        return false;
    width = static_cast<int>(w);
    height = static_cast<int>(h);
    return true;
}

// Answers 0 when the arguments are good, else the exit status.
int ParseRunArgs(const Args& args, RunOptions& options) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--keys" && i + 1 < args.size()) {
            options.keys = args[++i];
            options.haveKeys = true;
        } else if (a == "--floor" && i + 1 < args.size()) {
            if (!ParseFloor(args[++i], options.floorWidth, options.floorHeight)) {
                std::fprintf(stderr, "zfield run: --floor takes W,H in steps, each 1 or more\n");
                return 2;
            }
        } else if (a == "--instant") {
            options.instant = true;
        } else if (a == "--trail") {
            options.trail = true;
        } else if (a == "--project" && i + 1 < args.size()) {
            options.project = args[++i];
        } else if (!a.starts_with("--") && options.program.empty()) {
            options.program = a;
        } else {
            std::fprintf(stderr, "zfield run: unexpected argument '%s'\n", a.c_str());
            return 2;
        }
    }
    if (options.haveKeys == !options.program.empty()) {
        std::fprintf(stderr, "zfield run: a program is needed (--keys \"SEQUENCE\" or FILE.gop)\n");
        return 2;
    }
    return 0;
}

void PrintOutcome(const zf::ZarnikState& state, const zf::PenTrail& trail,
                  const zf::GraphicObjectList& objects, bool withTrail) {
    std::printf("robot: %d %d %d\n", state.x, state.y, state.heading);
    std::printf("trail: %d\n", trail.trailLength());
    if (withTrail) {
        for (int i = 0; i < trail.trailLength(); ++i) {
            const zf::TrailPoint p = trail.GetTrailPoint(i);
            std::printf("%d %d %d\n", p.x, p.y, p.style);
        }
    }
    std::printf("objects: %zu\n", objects.size());
}

} // namespace

int RunCommand(const Args& args) {
    Args rest = args;
    PictureRequest picture;
    if (const int status = TakePictureOptions(rest, picture, "run"))
        return status;
    RunOptions options;
    if (const int status = ParseRunArgs(rest, options))
        return status;

    zf::PrintingUi ui;
    zf::GoEditor editor(ui);
    zf::ZarnikState state;
    zf::SetUpWorkingArea(state, options.floorWidth, options.floorHeight);
    zf::PenTrail trail;
    zf::GraphicObjectList objects;
    // The project sets the working area and the start state; its own Go
    // Program gives way to the one named here.
    if (!options.project.empty()) {
        zf::ProjectHost host;
        zf::ProjectScene scene{state, trail, objects, editor, host};
        if (!zf::OpenProject(scene, options.project, true))
            return 1;
    }
    if (!options.program.empty()) {
        if (!zf::OpenGoProgram(editor, options.program, true))
            return 1;
    } else {
        editor.DestroyProgramList(zf::GO_LIST);
        editor.DestroyProgramList(zf::PROC_LIST);
        editor.procedureBeingDefined = 0;
        const zf::FloorMm floor{state.floorWidth, state.floorHeight};
        std::string error;
        if (!zf::KeySequence(editor, options.keys, &error, floor)) {
            std::fprintf(stderr, "zfield run: %s\n", error.c_str());
            return 2;
        }
    }

    zf::RobotView view;
    // An instant run needs no real time at all.
    std::unique_ptr<zf::Clock> clock;
    if (options.instant)
        clock = std::make_unique<zf::ManualClock>();
    else
        clock = std::make_unique<zf::SteadyClock>();
    zf::RunControl control(editor, state, trail, objects, view, *clock);

    zf::HeadlessOptions run;
    run.instant = options.instant;
    zf::RunHeadless(control, *clock, run);

    std::fflush(stdout);
    PrintOutcome(state, trail, objects, options.trail);
    if (!picture.path.empty())
        return WriteWorkingAreaPicture(picture, state, trail, objects);
    return 0;
}

} // namespace zfield
