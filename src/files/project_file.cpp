#include "files/project_file.h"

#include "files/file_io.h"
#include "files/go_program_file.h"
#include "files/lesson_folder.h"
#include "files/paths.h"
#include "files/project_folder.h"
#include "program/texts.h"
#include "program/unnumbered_texts.h"

#include <algorithm>
#include <dirent.h>

namespace zf {

namespace {

bool ValidFloorSteps(long steps) {
    return steps >= 1 && steps <= 99;
}

std::string WithSeparator(std::string folder) {
    if (!folder.empty() && !IsPathSeparator(folder.back()))
        folder += kFolderSeparator;
    return folder;
}

// The first bitmap of the zarniks folder, in name order, so that the choice
// does not depend on the order a folder lists its entries in.
std::string FirstShapeFile(const std::string& folder) {
    std::vector<std::string> names;
    if (DIR* dir = ::opendir(folder.c_str())) {
        while (dirent* entry = ::readdir(dir))
            if (MatchesPattern(entry->d_name, "*.bmp") && IsPlainFileName(entry->d_name) &&
                FileExists(folder + entry->d_name))
                names.emplace_back(entry->d_name);
        ::closedir(dir);
    }
    std::sort(names.begin(), names.end());
    return names.empty() ? std::string() : names.front();
}

// The named shape when the project's zarniks folder holds it, else the
// first bitmap there, with the messages of both fallbacks.
std::string ShapeSearch(ProjectScene& scene, const std::string& name) {
    std::string folder = WithSeparator(ResolvePath(scene.project.folder + "zarniks"));
    if (!name.empty() && FileExists(ResolvePath(folder + name)))
        return name;
    std::string first = FirstShapeFile(folder);
    if (first.empty()) {
        Warn(scene.ui(), TextId::ProjectHasNoZarniks);
        return name;
    }
    Warn(scene.ui(), TextId::ProjectZarnikNotFound);
    return first;
}

bool StartsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

// The Go Program a project names: by a path inside the project folder (a
// program opened from a file and not saved since is named so), else by its
// file name in `folders`, in order. "" when it is nowhere, after a message
// naming the file and the folders it was looked for in.
std::string FindProjectGoProgram(ProjectScene& scene, const std::string& name,
                                 const std::vector<std::string>& folders) {
    if (name.empty())
        return {};
    const std::string native = ToNativePath(name);
    const std::string exact = scene.project.Resolve(native);
    if (native.find(kFolderSeparator) != std::string::npos && !ClimbsOut(native) &&
        StartsWith(exact, scene.project.folder) && FileExists(exact))
        return exact;
    const std::string bare = FileNamePart(native);
    std::vector<std::string> looked;
    for (const std::string& folder : folders) {
        const std::string base = WithSeparator(ResolvePath(folder));
        if (base.empty() || std::find(looked.begin(), looked.end(), base) != looked.end())
            continue;
        const std::string path = ResolvePath(base + bare);
        if (FileExists(path))
            return path;
        looked.push_back(base);
    }
    std::string where;
    for (const std::string& folder : looked)
        where += (where.empty() ? "" : "\n") + folder;
    scene.ui().WarningBox(
        TextId::ProjectGoProgramNotFound,
        Text(TextId::ProjectGoProgramNotFound) +
            FormatText(Translated(unnumbered::kGoProgramLookedFor), {bare, where}));
    return {};
}

// Opens the Go Program a project names without the loader's messages; one
// that cannot be found empties both lists after its own message, and so
// does one that cannot be read: the last lesson's program never stays.
void OpenProjectGoProgram(ProjectScene& scene, const std::string& name,
                          const std::vector<std::string>& folders) {
    if (!OpenGoProgram(scene.editor, FindProjectGoProgram(scene, name, folders), false))
        OpenGoProgram(scene.editor, "", false);
}

void CreateObjects(ProjectScene& scene, const std::vector<ProjectObject>& objects) {
    for (const ProjectObject& o : objects) {
        if (o.kind == objectkind::Background || o.kind == objectkind::Stamp) {
            scene.objects.CreateGraphicObject(o.name, o.kind, o.x, o.y, o.param1, o.param2,
                                              o.param3, 0);
        } else if (o.kind == objectkind::Text) {
            TextObjectRecord record = o.record;
            record.textId = scene.objects.tables().texts.Add(o.text);
            auto bytes = record.ToBytes();
            std::uint32_t index = scene.objects.tables().textObjects.Add(bytes.data());
            scene.objects.CreateGraphicObject(
                "", o.kind, o.x, o.y, static_cast<std::int32_t>(index), o.param2, o.param3, 0);
        }
    }
}

} // namespace

void SetZarnikFlipped(ProjectScene& scene, bool flipped) {
    scene.state.flipped = flipped;
    scene.state.homeFlipped = flipped;
    scene.host.WorkingAreaChanged();
}

void CreateProjectObjects(ProjectScene& scene, const std::vector<ProjectObject>& objects) {
    CreateObjects(scene, objects);
}

Answer ProjectHost::ChooseChangedCopy(UserInterface& ui, const std::string& copy,
                                      const std::string& kept) {
    return ui.Ask(kUnnumbered,
                  FormatText(Translated(unnumbered::kChangedCopyQuestion), {copy, kept}),
                  Buttons::YesNoCancel);
}

bool ClearWorkingArea(ProjectScene& scene) {
    if (IsGoProgramActive(scene.state))
        return false;
    scene.objects.Clear();
    scene.trail.ClearPenTrail();
    // A project's runs start with the pen up, as its programs expect.
    scene.state.homePenStyle = -1;
    // A project is a new lesson: units keyed in the last one must not
    // silently change what its moves do.
    scene.state.units = ExecutorUnits{};
    scene.host.WorkingAreaChanged();
    return true;
}

void SetFloorSize(ProjectScene& scene, int widthSteps, int heightSteps) {
    scene.state.floorWidth = (ValidFloorSteps(widthSteps) ? widthSteps : 10) * kStepMm;
    scene.state.floorHeight = (ValidFloorSteps(heightSteps) ? heightSteps : 10) * kStepMm;
    scene.host.WorkingAreaChanged();
}

void SetZarnikShape(ProjectScene& scene, const std::string& fileName) {
    scene.state.shapeId = scene.objects.tables().names.Add(fileName);
    scene.state.homeShapeId = scene.state.shapeId;
    scene.host.WorkingAreaChanged();
}

void SetZarnikPosition(ProjectScene& scene, int x, int y) {
    SetHome(scene.state, x, y);
}

void MirrorZarnik(ProjectScene& scene) {
    SetZarnikFlipped(scene, true);
}

void SetZarnikHeading(ProjectScene& scene, int heading) {
    SetHomeHeading(scene.state, heading >= 0 && heading <= 359 ? heading : 0);
}

void SetBackground(ProjectScene& scene, const std::string& fileName) {
    scene.objects.CreateGraphicObject(fileName, objectkind::Background, scene.state.floorWidth / 2,
                                      scene.state.floorHeight / 2, 0, 0, 0, 0);
    scene.host.WorkingAreaChanged();
}

void ReplacePenTrail(ProjectScene& scene, const std::vector<TrailPoint>& points) {
    scene.trail.ClearPenTrail();
    int count = static_cast<int>(std::min<std::size_t>(points.size(), PenTrail::kMaxPoints));
    for (int i = 0; i < count; ++i)
        scene.trail.SetTrailPoint(points[static_cast<std::size_t>(i)], i);
}

bool OpenGoProgramByName(ProjectScene& scene, const std::string& name) {
    const std::string path = FindProjectGoProgram(scene, name, {scene.project.folder});
    return OpenGoProgram(scene.editor, path, false) && path.empty() == name.empty();
}

namespace {

// How far a project got: applied, or stopped by a refusal that was shown.
enum class Load { Applied, Stopped };

// What can refuse a parsed project is asked before anything changes, so that
// a project is taken whole or not at all: its picture folders (checked at
// `folder`, a folder or a file in it) and no Go Program running.
bool MayReplace(ProjectScene& scene, const std::string& folder) {
    return CheckProjectFolders(scene.ui(), folder) && !IsGoProgramActive(scene.state);
}

Load ApplyV2(ProjectScene& scene, const ProjectData& data, const std::string& path) {
    const std::string folder = ProjectPictureFolder(data, path);
    // Without any of its picture folders the project would open broken: it
    // is not opened at all, and the message says how to mend it.
    if (!MayReplace(scene, folder))
        return Load::Stopped;
    ClearWorkingArea(scene);
    ReplacePenTrail(scene, data.trail);
    // Save Project suggests the project's own name.
    scene.project.SetFromPath(JoinPath(folder, FileNamePart(path)));
    SetFloorSize(scene, data.floorWidthSteps, data.floorHeightSteps);
    SetZarnikShape(scene, data.shape);
    SetZarnikPosition(scene, data.x, data.y);
    SetZarnikFlipped(scene, data.mirrored != 0);
    SetZarnikHeading(scene, data.heading);
    scene.host.ResetGraphicsLibrary();
    OpenProjectGoProgram(scene, data.goProgram, {FolderPart(path), scene.project.folder});
    CreateObjects(scene, data.objects);
    scene.host.SetWorkingAreaModified(false);
    scene.host.ResetGraphicsLibrary();
    scene.host.WorkingAreaChanged();
    return Load::Applied;
}

Load ApplyV1(ProjectScene& scene, const ProjectData& data, const std::string& path) {
    if (!MayReplace(scene, path))
        return Load::Stopped;
    scene.host.SetProjectTitle(path);
    scene.host.ApplyOptions(*data.options);
    scene.project.SetFromPath(path);
    ClearWorkingArea(scene);
    SetFloorSize(scene, data.floorWidthSteps, data.floorHeightSteps);
    SetZarnikShape(scene, ShapeSearch(scene, data.shape));
    SetZarnikPosition(scene, data.x, data.y);
    SetZarnikFlipped(scene, data.mirrored != 0);
    SetZarnikHeading(scene, data.heading);
    scene.host.ResetGraphicsLibrary();
    ReplacePenTrail(scene, data.trail);
    CreateObjects(scene, data.objects);
    OpenProjectGoProgram(scene, data.goProgram, {scene.project.folder});
    scene.host.SetWorkingAreaModified(false);
    scene.host.WorkingAreaChanged();
    return Load::Applied;
}

Load ApplyIni(ProjectScene& scene, const ProjectData& data, const std::string& path) {
    const std::string folder = WithSeparator(FolderPart(path) + ToNativePath(data.folder));
    if (!MayReplace(scene, folder))
        return Load::Stopped;
    scene.project.SetFromPath(folder);
    scene.host.SetProjectTitle(scene.project.folder);
    ClearWorkingArea(scene);
    SetFloorSize(scene, data.floorWidthSteps, data.floorHeightSteps);
    SetZarnikShape(scene, ShapeSearch(scene, data.shape));
    SetZarnikPosition(scene, data.x, data.y);
    SetZarnikFlipped(scene, false);
    SetZarnikHeading(scene, data.heading);
    scene.host.ResetGraphicsLibrary();
    if (!data.background.empty())
        SetBackground(scene, data.background);
    OpenProjectGoProgram(scene, data.goProgram, {scene.project.folder, FolderPart(path)});
    scene.host.SetWorkingAreaModified(false);
    scene.host.WorkingAreaChanged();
    return Load::Applied;
}

} // namespace

bool ReadProjectIniFile(ProjectScene& scene, const std::string& path) {
    // A missing file loads every key at its default.
    if (!FileExists(path))
        Warn(scene.ui(), TextId::ProjectNotFoundUseDefault);
    const ProjectData data = ParseProjectIni(IniFile::Load(path));
    if (!ProjectDataLoadable(data)) {
        Warn(scene.ui(), TextId::NotAProjectFile, {path});
        return false;
    }
    return ApplyIni(scene, data, path) == Load::Applied;
}

namespace {

// Opens a project's bytes; a predefined one is first copied into the work
// folder, unless this is that copy already.
bool OpenProjectFile(ProjectScene& scene, std::span<const std::uint8_t> file,
                     const std::string& path, bool copyPredefined);

Answer ChooseChangedCopy(ProjectScene& scene, const std::string& copy, const std::string& kept) {
    return scene.host.ChooseChangedCopy(scene.ui(), copy, kept);
}

// Opens a copy made in the work folder, which may be the user's own one
// saved in any form since.
bool OpenWorkCopy(ProjectScene& scene, const PredefinedCopy& copy) {
    if (copy.cancelled)
        return false;
    std::vector<std::uint8_t> bytes;
    if (ReadWholeFile(copy.path, bytes) != ReadResult::Ok) {
        Warn(scene.ui(), TextId::CannotOpenProject);
        return false;
    }
    return OpenProjectFile(scene, bytes, copy.path, false);
}

bool OpenPredefinedProject(ProjectScene& scene, const std::string& path, const std::string& relpath,
                           const std::string& goProgram) {
    auto choose = [&](const std::string& copy, const std::string& kept) {
        return ChooseChangedCopy(scene, copy, kept);
    };
    WorkFolderProblem problem;
    const std::optional<PredefinedCopy> copy =
        CopyPredefinedProject(path, relpath, choose, &problem, scene.log);
    if (!copy) {
        if (problem.noWorkFolder)
            scene.ui().WarningBox(kUnnumbered, Translated(unnumbered::kNoWorkFolder));
        else if (!problem.unwritable.empty())
            scene.ui().WarningBox(
                kUnnumbered,
                FormatText(Translated(unnumbered::kWorkFolderNotWritable), {problem.unwritable}));
        else
            Warn(scene.ui(), TextId::NotAProjectFile, {path});
        return false;
    }
    // The tree copy stops at a folder that is there already, as after
    // another activity was opened: the pictures and the Go Program still come.
    const std::string data = ToNativePath(relpath);
    const std::string from = JoinPath(FolderPart(path), data);
    const std::string to = JoinPath(FolderPart(copy->path), data);
    CopyProjectPictures(from, to);
    CopyGoPrograms(from, to, goProgram);
    if (!copy->usersCopy && !copy->cancelled)
        return ReadProjectIniFile(scene, copy->path);
    return OpenWorkCopy(scene, *copy);
}

// A bundled project of the binary forms opens as its copy in the work
// folder, so that nothing saved afterwards lands among the program's files;
// without a work folder it opens where it is.
bool OpenPredefinedLesson(ProjectScene& scene, std::span<const std::uint8_t> file,
                          const std::string& path, const ProjectData& data) {
    auto choose = [&](const std::string& copy, const std::string& kept) {
        return ChooseChangedCopy(scene, copy, kept);
    };
    const std::optional<PredefinedCopy> copy =
        CopyPredefinedLesson(path, data.goProgram, choose, scene.log);
    if (!copy)
        return OpenProjectFile(scene, file, path, false);
    return OpenWorkCopy(scene, *copy);
}

bool OpenProjectFile(ProjectScene& scene, std::span<const std::uint8_t> file,
                     const std::string& path, bool copyPredefined) {
    std::string header = file.size() >= kFileHeaderSize ? HeaderText(file) : "";
    if (header == kProjectV2Header || header == kProjectV1Header) {
        ProjectData data;
        const bool parsed =
            header == kProjectV2Header ? ParseProjectV2(file, data) : ParseProjectV1(file, data);
        if (parsed && copyPredefined && IsPreDefinedProject(scene.project, path))
            return OpenPredefinedLesson(scene, file, path, data);
        if (parsed) {
            const Load load = header == kProjectV2Header ? ApplyV2(scene, data, path)
                                                         : ApplyV1(scene, data, path);
            if (load == Load::Applied)
                scene.host.SetProjectTitle(path);
            return load == Load::Applied;
        }
    } else {
        IniFile ini = IniFile::Parse(
            std::string_view(reinterpret_cast<const char*>(file.data()), file.size()));
        if (CheckIfZFieldProjectIni(ini) && ProjectDataLoadable(ParseProjectIni(ini))) {
            if (!copyPredefined || !IsPreDefinedProject(scene.project, path))
                return ApplyIni(scene, ParseProjectIni(ini), path) == Load::Applied;
            if (auto relpath = ini.Find("project", "relpath"))
                return OpenPredefinedProject(scene, path, *relpath, ParseProjectIni(ini).goProgram);
        }
    }
    Warn(scene.ui(), TextId::NotAProjectFile, {path});
    return false;
}

} // namespace

bool OpenProjectBytes(ProjectScene& scene, std::span<const std::uint8_t> file,
                      const std::string& path) {
    return OpenProjectFile(scene, file, path, true);
}

bool OpenProject(ProjectScene& scene, const std::string& given, bool reportErrors) {
    const std::string path = scene.project.Absolute(given);
    std::vector<std::uint8_t> bytes;
    switch (ReadWholeFile(path, bytes)) {
    case ReadResult::Ok:
        return OpenProjectBytes(scene, bytes, path);
    case ReadResult::NotFound:
        LogText(scene.log, "IsFileFound() == FALSE");
        if (reportErrors)
            Warn(scene.ui(), TextId::ProjectNotFound);
        return false;
    case ReadResult::NotAFile:
        if (reportErrors)
            scene.ui().WarningBox(kUnnumbered, Translated(unnumbered::kProjectNotAFile));
        return false;
    case ReadResult::TooLarge:
        scene.ui().WarningBox(kUnnumbered, Translated(unnumbered::kProjectTooLarge));
        return false;
    default:
        if (reportErrors)
            Warn(scene.ui(), TextId::CannotOpenProject);
        return false;
    }
}

} // namespace zf
