#include "commands.h"
#include "conventions.h"
#include "language.h"
#include "picture_output.h"

#include "files/go_program_file.h"
#include "files/project_file.h"
#include "program/editor.h"
#include "program/key_sequence.h"
#include "program/printing_ui.h"
#include "simulation/headless_run.h"

#include <cstdio>
#include <cstdlib>
#include <limits>
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
    bool haveProgram = false;
    // Instructions after which a run that has not ended is stopped.
    std::uint64_t limit = 0;
};

// The command line cannot ask: a predefined project's changed copy in the
// work folder is the user's work, and is opened.
class CommandLineProjectHost : public zf::ProjectHost {
  public:
    zf::Answer ChooseChangedCopy(zf::UserInterface&, const std::string& copy,
                                 const std::string&) override {
        Fail(kExitOk, "run", QT_TRANSLATE_NOOP("zfield", "opening your changed copy %s"), {copy});
        return zf::Answer::Yes;
    }
};

bool ParseLimit(const std::string& text, std::uint64_t& limit) {
    long long n = 0;
    if (!ParseWholeNumber(text, 1, std::numeric_limits<long long>::max(), n))
        return false;
    limit = static_cast<std::uint64_t>(n);
    return true;
}

bool ParseFloor(const std::string& text, int& width, int& height) {
    // The files hold floors of 1 to 99 steps, so every position fits them.
    long long w = 0, h = 0;
    if (!ParseNumberPair(text, ',', 1, 99, w, h))
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
            if (!ParseFloor(args[++i], options.floorWidth, options.floorHeight))
                return Fail(
                    kExitUsage, "run",
                    QT_TRANSLATE_NOOP("zfield", "--floor takes W,H in steps, each 1 to 99"));
        } else if (a == "--limit" && i + 1 < args.size()) {
            if (!ParseLimit(args[++i], options.limit))
                return Fail(kExitUsage, "run",
                            QT_TRANSLATE_NOOP("zfield",
                                              "--limit takes a number of instructions, 1 or more"));
        } else if (a == "--instant") {
            options.instant = true;
        } else if (a == "--trail") {
            options.trail = true;
        } else if (a == "--project" && i + 1 < args.size()) {
            if (!NonEmptyFileName("run", "--project", args[++i]))
                return kExitUsage;
            options.project = UserPath(args[i]);
        } else if (!a.starts_with("--") && !options.haveProgram) {
            if (!NonEmptyFileName("run", "FILE.gop", a))
                return kExitUsage;
            options.program = UserPath(a);
            options.haveProgram = true;
        } else {
            return Fail(kExitUsage, "run", QT_TRANSLATE_NOOP("zfield", "unexpected argument '%s'"),
                        {a});
        }
    }
    if (options.haveKeys == options.haveProgram)
        return Fail(
            kExitUsage, "run",
            QT_TRANSLATE_NOOP("zfield", "a program is needed (--keys \"SEQUENCE\" or FILE.gop)"));
    return kExitOk;
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

    zf::PrintingUi ui(stderr);
    zf::NameTables tables;
    zf::GoEditor editor(ui, tables);
    zf::ZarnikState state;
    zf::SetUpWorkingArea(state, options.floorWidth, options.floorHeight);
    zf::PenTrail trail;
    zf::GraphicObjectList objects{tables};
    // The project sets the working area and the start state; its own Go
    // Program gives way to the one named here.
    zf::Project project;
    if (!options.project.empty()) {
        CommandLineProjectHost host;
        zf::ProjectScene scene{state, trail, objects, editor, host, project};
        if (!zf::OpenProject(scene, options.project, true))
            return kExitFailed;
    }
    if (options.haveProgram) {
        if (!zf::OpenGoProgram(editor, options.program, true))
            return kExitFailed;
    } else {
        editor.DestroyProgramList(zf::GO_LIST);
        editor.DestroyProgramList(zf::PROC_LIST);
        editor.procedureBeingDefined = 0;
        const zf::FloorMm floor{state.floorWidth, state.floorHeight};
        std::string error;
        if (!zf::KeySequence(editor, options.keys, &error, floor))
            return Fail(kExitUsage, "run", error);
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
    run.instructionLimit = options.limit;
    const int messagesBefore = ui.messagesShown;
    const zf::HeadlessResult result = zf::RunHeadless(control, *clock, run);

    // Where the robot stopped is worth seeing whatever ended the run.
    PrintOutcome(state, trail, objects, options.trail);
    std::fflush(stdout);
    int status = kExitOk;
    if (!result.started)
        status =
            Fail(kExitFailed, "run", QT_TRANSLATE_NOOP("zfield", "the Go Program could not start"));
    else if (!result.ranToEnd)
        status = Fail(
            kExitFailed, "run",
            QT_TRANSLATE_NOOP("zfield", "stopped after %d instructions (--limit %d)"),
            {static_cast<long long>(result.instructions), static_cast<long long>(options.limit)});
    else if (ui.messagesShown != messagesBefore)
        status = Fail(kExitFailed, "run", QT_TRANSLATE_NOOP("zfield", "the run was ended early"));
    if (!picture.path.empty()) {
        const int written = WriteWorkingAreaPicture(picture, state, trail, objects, project.folder);
        if (status == kExitOk)
            status = written;
    }
    return status;
}

} // namespace zfield
