#include "commands.h"
#include "conventions.h"
#include "language.h"

#include "files/file_io.h"
#include "files/go_program_file.h"
#include "files/paths.h"
#include "files/project_file.h"
#include "program/editor.h"
#include "program/printing_ui.h"

#include <cstdio>

namespace zfield {

namespace {

// An ini project names its data folder relative to itself and its
// background by name; a 2.0 project stores the folder whole and the
// background as an object at the centre.
void CompleteIniProject(zf::ProjectData& data, const std::string& path) {
    const std::string folder =
        zf::FolderPart(zf::AbsolutePath(path)) + zf::ToNativePath(data.folder);
    data.folder = zf::ToStoredPath(zf::AbsolutePath(folder));
    if (!data.background.empty()) {
        zf::ProjectObject background;
        background.kind = zf::objectkind::Background;
        background.name = data.background;
        background.x = data.floorWidthSteps * zf::kStepMm / 2;
        background.y = data.floorHeightSteps * zf::kStepMm / 2;
        data.objects.insert(data.objects.begin(), background);
    }
}

// A 1.0 project's folder is where the file lies, whatever it stored.
void CompleteV1Project(zf::ProjectData& data, const std::string& path) {
    data.folder = zf::ToStoredPath(zf::FolderPart(zf::AbsolutePath(path)));
}

// What convert writes must open again: checked on the bytes before they
// are written, so that a refused file is never left behind.
int Refused(const std::string& out) {
    return Fail(kExitFailed, "convert",
                QT_TRANSLATE_NOOP("zfield", "the converted file would not open again: %s"), {out});
}

} // namespace

int ConvertCommand(const Args& args) {
    if (args.size() != 2)
        return Fail(kExitUsage, "convert", QT_TRANSLATE_NOOP("zfield", "IN and OUT are needed"));
    if (!NonEmptyFileName("convert", "IN", args[0]) || !NonEmptyFileName("convert", "OUT", args[1]))
        return kExitUsage;
    const std::string& in = args[0];
    const std::string& out = args[1];
    zf::PrintingUi ui(stderr);
    std::vector<std::uint8_t> bytes;
    if (zf::ReadWholeFile(in, bytes) == zf::ReadResult::Ok && IsProjectFile(in, bytes)) {
        zf::ProjectData data;
        if (!ReadProjectData(ui, in, bytes, data))
            return kExitFailed;
        if (data.form == zf::ProjectForm::Ini)
            CompleteIniProject(data, in);
        else if (data.form == zf::ProjectForm::V1)
            CompleteV1Project(data, in);
        const std::vector<std::uint8_t> project = zf::WriteProjectV2(data);
        zf::ProjectData check;
        if (!zf::ParseProjectV2(project, check))
            return Refused(out);
        return zf::SaveLoadableFile(ui, out, project) ? kExitOk : kExitFailed;
    }
    zf::NameTables tables;
    zf::GoEditor editor(ui, tables);
    if (!zf::OpenGoProgram(editor, in, true))
        return kExitFailed;
    zf::NameTables checkTables;
    zf::GoEditor check(ui, checkTables);
    if (!zf::ReadGoProgramV2(check, zf::WriteGoProgramV2(editor), out))
        return Refused(out);
    return zf::SaveGoProgramAs(editor, out) ? kExitOk : kExitFailed;
}

} // namespace zfield
