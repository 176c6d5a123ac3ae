#include "commands.h"
#include "conventions.h"
#include "language.h"

#include "files/go_program_file.h"
#include "files/paths.h"
#include "files/project_file.h"
#include "files/project_folder.h"
#include "gui_application.h"
#include "program/editor.h"
#include "program/key_sequence.h"
#include "program/printing_ui.h"
#include "render/print_pages.h"
#include "simulation/headless_run.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace zfield {

namespace {

struct PrintOptions {
    std::string program;
    std::string out;
    std::string project;
    int iconSize = 30;
    bool workingArea = false;
};

int Usage(const char* problem) {
    return Fail(kExitUsage, "print", problem);
}

// Answers 0 when the arguments are good, else the exit status.
int ParsePrintArgs(const Args& args, PrintOptions& options) {
    bool haveProgram = false;
    bool haveOut = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "-o" && i + 1 < args.size()) {
            options.out = args[++i];
            haveOut = true;
        } else if (a == "--icon-size" && i + 1 < args.size()) {
            long long n = 0;
            if (!ParseWholeNumber(args[++i], 5, 50, n))
                return Usage(QT_TRANSLATE_NOOP("zfield", "--icon-size takes 5 to 50"));
            options.iconSize = static_cast<int>(n);
        } else if (a == "--working-area") {
            options.workingArea = true;
        } else if (a == "--project" && i + 1 < args.size()) {
            options.project = args[++i];
            if (options.project.empty())
                return Usage(QT_TRANSLATE_NOOP("zfield", "--project needs a file name"));
        } else if (!a.starts_with("-") && !haveProgram) {
            options.program = a;
            haveProgram = true;
        } else {
            return Fail(kExitUsage, "print",
                        QT_TRANSLATE_NOOP("zfield", "unexpected argument '%s'"), {a});
        }
    }
    if (options.program.empty() || options.out.empty() || !haveOut)
        return Usage(QT_TRANSLATE_NOOP("zfield", "FILE.gop and -o OUT.pdf are needed"));
    if (!options.project.empty() && !options.workingArea)
        return Usage(QT_TRANSLATE_NOOP("zfield", "--project goes with --working-area"));
    return 0;
}

} // namespace

int PrintCommand(const Args& args) {
    PrintOptions options;
    if (const int status = ParsePrintArgs(args, options))
        return status;

    // Opening a project moves to its folder: names given here stay where
    // they were meant.
    options.program = std::filesystem::absolute(options.program).string();
    options.out = std::filesystem::absolute(options.out).string();
    if (!options.project.empty())
        options.project = std::filesystem::absolute(options.project).string();

    zf::PrintingUi ui(stderr);
    zf::NameTables tables;
    zf::GoEditor editor(ui, tables);
    zf::ZarnikState state;
    zf::SetUpWorkingArea(state, 10, 10);
    zf::PenTrail trail;
    zf::GraphicObjectList objects{tables};
    zf::Project project;
    if (!options.project.empty()) {
        zf::ProjectHost host;
        zf::ProjectScene scene{state, trail, objects, editor, host, project};
        if (!zf::OpenProject(scene, options.project, true))
            return 1;
    }
    if (!zf::OpenGoProgram(editor, options.program, true))
        return 1;
    // Pictures named by the program or the project come from its folder.
    const std::string folder =
        options.project.empty() ? zf::FolderPart(options.program) : project.folder;
    if (options.workingArea) {
        zf::RobotView view;
        zf::ManualClock clock;
        zf::RunControl control(editor, state, trail, objects, view, clock);
        zf::RunHeadless(control, clock);
    }

    EnsureGuiApplication();
    zf::PdfPrintDevice device(options.out);
    device.problem = [](const std::string& caption, const std::string& text) {
        std::fprintf(stderr, "zfield print: %s: %s\n", caption.c_str(),
                     zf::Printable(text).c_str());
    };
    const zf::PrinterPage paper = zf::WholePaper(device.writer());
    zf::PrintOutcome outcome;
    if (options.workingArea) {
        zf::WorkingAreaScene scene{state, trail, objects, folder};
        outcome = zf::PrintWorkingArea(device, paper, scene);
    } else {
        zf::ListingStyle style{tables};
        style.iconSize = options.iconSize;
        style.floor = {state.floorWidth, state.floorHeight};
        style.folder = folder;
        outcome = zf::PrintGoProgram(device, paper, editor, style,
                                     zf::HeadingFor(editor, QDate::currentDate()));
    }
    if (outcome == zf::PrintOutcome::NothingToPrint) {
        return Fail(kExitFailed, "print", QT_TRANSLATE_NOOP("zfield", "%s has nothing to print"),
                    {options.program});
    }
    return outcome == zf::PrintOutcome::Printed ? 0 : 1;
}

} // namespace zfield
