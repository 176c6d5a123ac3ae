#include "files/project_file.h"

#include "files/file_io.h"
#include "files/go_program_file.h"
#include "files/lesson_folder.h"
#include "files/paths.h"
#include "files/project_folder.h"
#include "program/texts.h"
#include "program/unnumbered_texts.h"

#include <unistd.h>

namespace zf {

namespace {

// A changed Go Program whose file is read-only will not be saved with it.
void WarnIfGoProgramReadOnly(ProjectScene& scene) {
    const GoInstruction* head = scene.editor.Head(GO_LIST);
    if (!scene.editor.modified || !head || head->opcode != op::GoProgramHeader)
        return;
    const std::string program =
        scene.project.Resolve(scene.editor.tables().names.Get(head->nameId));
    if (FileExists(program) && ::access(program.c_str(), W_OK) != 0)
        Warn(scene.ui(), TextId::ProjectGoProgramReadOnly);
}

// Puts the Go Program where the saved project looks for it, in the project
// folder: a copy of the file it was last opened from or saved as, or, for a
// program never saved, the program itself when `writeUnsaved`. A file of
// its name already there is kept. Answers the file that could not be put.
std::vector<std::string> PutGoProgramInProjectFolder(ProjectScene& scene, bool writeUnsaved) {
    const GoInstruction* head = scene.editor.Head(GO_LIST);
    if (!head || head->opcode != op::GoProgramHeader)
        return {};
    const std::string named = ToNativePath(scene.editor.tables().names.Get(head->nameId));
    const std::string bare = FileNamePart(named);
    const std::string target = scene.project.folder + bare;
    if (bare.empty() || FileExists(ResolvePath(target)))
        return {};
    std::string source;
    const std::string& opened = scene.editor.file;
    if (EqualsIgnoringCase(FileNamePart(opened), bare) && FileExists(opened))
        source = opened;
    else if (named.find(kFolderSeparator) != std::string::npos && FileExists(ResolvePath(named)))
        source = ResolvePath(named);
    if (!source.empty())
        return CopyFileNoReplace(source, target) ? std::vector<std::string>{}
                                                 : std::vector<std::string>{bare};
    // SaveGoProgramAs reports its own failure.
    if (writeUnsaved)
        SaveGoProgramAs(scene.editor, target);
    return {};
}

} // namespace

bool SaveProjectAs(ProjectScene& scene, const std::string& given) {
    const std::string path = scene.project.Absolute(given);
    WarnIfGoProgramReadOnly(scene);
    // A project saved into another folder than its project folder makes
    // that folder a project folder of its own, with the pictures and the Go
    // Program, so that it can be moved and opened whole anywhere.
    const std::string from = scene.project.folder;
    const std::string folder = FolderPart(path);
    const bool moving = !SameFolder(folder, from);
    ProjectData data = CaptureProject(scene, ToStoredPath(moving ? folder : from));
    if (moving)
        data.goProgram = FileNamePart(ToNativePath(data.goProgram));
    if (!SaveLoadableFile(scene.ui(), path, WriteProjectV2(data)))
        return false;
    scene.project.SetFromPath(moving ? path : from + FileNamePart(path));
    std::vector<std::string> missing;
    if (moving) {
        missing = CopyProjectPictures(from, folder);
        scene.host.ResetGraphicsLibrary();
    }
    for (std::string& file : PutGoProgramInProjectFolder(scene, moving))
        missing.push_back(std::move(file));
    if (!missing.empty()) {
        std::string names;
        for (const std::string& name : missing)
            names += name + "\n";
        scene.ui().WarningBox(kUnnumbered, FormatText(Translated(unnumbered::kLessonNotWhole),
                                                      {scene.project.folder, names}));
    }
    scene.host.SetProjectTitle(path);
    scene.host.SetWorkingAreaModified(false);
    return true;
}

StartupOpened StartupLoad(ProjectScene& scene, std::string argument) {
    if (!argument.empty() && argument.front() == '"') {
        argument.erase(0, 1);
        if (!argument.empty())
            argument.pop_back();
    }
    auto endsWith = [&](const char* extension) {
        return argument.size() >= 5 &&
               EqualsIgnoringCase(argument.substr(argument.size() - 3), extension);
    };
    if (endsWith("gop")) {
        // A Go Program on its own keeps the default project: its robot,
        // stamps and pens, which the program's folder seldom holds.
        const std::string path = AbsolutePath(argument);
        scene.project.ResetToProgram();
        return OpenGoProgram(scene.editor, path, true) ? StartupOpened::GoProgram
                                                       : StartupOpened::Nothing;
    }
    if (!argument.empty()) {
        // A relative argument is taken from where the program was started.
        scene.project.SetFromPath(AbsolutePath(argument));
        if (!DirectoryExists(scene.project.folder))
            Warn(scene.ui(), TextId::CannotOpenProjectUseDefault);
        else if (endsWith("zfp") &&
                 OpenProject(scene, scene.project.folder + FileNamePart(argument), true))
            return StartupOpened::Project;
    }
    scene.project.ResetToProgram();
    return StartupOpened::Nothing;
}

} // namespace zf
