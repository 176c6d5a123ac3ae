#include "commands.h"
#include "conventions.h"
#include "language.h"

#include "files/file_io.h"
#include "files/lesson_file.h"
#include "files/paths.h"
#include "files/project_file.h"
#include "program/editor.h"
#include "program/printing_ui.h"

#include <cstdio>
#include <filesystem>

namespace zfield {

namespace {

struct Loaded {
    explicit Loaded(zf::UserInterface& ui) : editor(ui, tables) {}
    zf::ProjectScene Scene() { return {state, trail, objects, editor, host, project}; }
    zf::NameTables tables;
    zf::GoEditor editor;
    zf::ZarnikState state;
    zf::PenTrail trail;
    zf::GraphicObjectList objects{tables};
    zf::ProjectHost host;
    zf::Project project;
};

// The project opens through the loader, with all its checks and messages,
// and is packed as Save Lesson packs it.
int Pack(const std::string& in, const std::string& out) {
    zf::PrintingUi ui(stderr);
    Loaded loaded(ui);
    zf::ProjectScene scene = loaded.Scene();
    if (!zf::OpenProject(scene, UserPath(in), true))
        return kExitFailed;
    return zf::SaveLessonAs(scene, UserPath(out)) ? kExitOk : kExitFailed;
}

// Into a folder of its own that the command makes: nothing already there
// is ever replaced.
int Unpack(const std::string& in, const std::string& out) {
    zf::PrintingUi ui(stderr);
    std::vector<std::uint8_t> bytes;
    const std::string path = UserPath(in);
    if (zf::ReadWholeFile(path, bytes, zf::kMaxLessonSize) != zf::ReadResult::Ok)
        return Fail(kExitFailed, "lesson", QT_TRANSLATE_NOOP("zfield", "cannot read %s"), {in});
    std::vector<zf::LessonEntry> entries;
    const zf::LessonResult result = zf::ReadLessonFile(bytes, entries);
    if (!result.ok())
        return Fail(kExitFailed, "lesson", zf::LessonErrorText(result, in));
    const std::filesystem::path folder = UserPath(out);
    std::error_code error;
    if (std::filesystem::exists(folder, error))
        return Fail(kExitFailed, "lesson",
                    QT_TRANSLATE_NOOP("zfield", "%s exists already: name a new folder"), {out});
    std::filesystem::create_directories(folder, error);
    const std::string project = error ? "" : zf::UnpackLesson(entries, folder.string());
    if (project.empty())
        return Fail(kExitFailed, "lesson", QT_TRANSLATE_NOOP("zfield", "cannot write into %s"),
                    {out});
    std::printf("%s\n", project.c_str());
    return kExitOk;
}

} // namespace

int LessonCommand(const Args& args) {
    if (args.size() == 4 && args[0] == "pack" && args[2] == "-o") {
        if (!NonEmptyFileName("lesson", "PROJECT", args[1]) ||
            !NonEmptyFileName("lesson", "LESSON", args[3]))
            return kExitUsage;
        return Pack(args[1], args[3]);
    }
    if (args.size() == 3 && args[0] == "unpack") {
        if (!NonEmptyFileName("lesson", "LESSON", args[1]) ||
            !NonEmptyFileName("lesson", "DIR", args[2]))
            return kExitUsage;
        return Unpack(args[1], args[2]);
    }
    return Fail(kExitUsage, "lesson",
                QT_TRANSLATE_NOOP("zfield", "pack PROJECT.zfp -o LESSON.zfl or unpack LESSON.zfl "
                                            "DIR are needed"));
}

} // namespace zfield
