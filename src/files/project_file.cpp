#include "files/project_file.h"

#include "files/byte_cursor.h"
#include "files/file_io.h"
#include "files/go_program_file.h"
#include "files/lesson_folder.h"
#include "files/paths.h"
#include "files/project_folder.h"
#include "program/unnumbered_texts.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <dirent.h>
#include <limits>
#include <unistd.h>

namespace zf {

namespace {

constexpr std::uint16_t kTrailTag = 20;
constexpr std::uint16_t kObjectsTag = 21;
constexpr std::uint16_t kRecordsTag = 22;
constexpr std::uint16_t kTextsTag = 23;
constexpr std::uint16_t kNamesTag = 24;
constexpr std::uint16_t kSettingsTag = 30;
constexpr std::uint16_t kEndTag = 0;

constexpr std::size_t kTrailRecordSize = 12;
constexpr std::size_t kObjectRecordSize = 44;
constexpr std::size_t kSettingsSize = 28;

// 1.0 layout.
constexpr std::size_t kV1Settings = 80;
constexpr std::size_t kV1Options = 383;
constexpr std::size_t kV1Trail = 398;
constexpr std::size_t kV1TrailFields = 6;
constexpr std::size_t kV1ObjectFields = 34;

bool ValidFloorSteps(long steps) {
    return steps >= 1 && steps <= 99;
}

std::span<const std::uint8_t> Section(std::span<const std::uint8_t> file,
                                      const SectionDirectory& directory, std::uint16_t tag,
                                      bool& ok) {
    const SectionEntry* entry = directory.Find(tag);
    ByteReader reader(file);
    auto bytes =
        entry ? reader.Range(entry->offset, entry->length) : std::span<const std::uint8_t>{};
    ok = ok && entry && reader.ok();
    return bytes;
}

// Truncates toward zero like the platform's conversion, kept inside the
// integer range so that no stored number can overflow it.
std::int32_t TruncateToInt(double value) {
    if (!std::isfinite(value))
        return 0;
    value = std::clamp(value, double(std::numeric_limits<std::int32_t>::min()),
                       double(std::numeric_limits<std::int32_t>::max()));
    return static_cast<std::int32_t>(value);
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
    std::string folder = WithSeparator(ResolvePath(GetProjectFolder() + "zarniks"));
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
    const std::string exact = ResolvePath(native);
    if (native.find(kFolderSeparator) != std::string::npos && !ClimbsOut(native) &&
        StartsWith(exact, GetProjectFolder()) && FileExists(exact))
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
    scene.ui().WarningBox(TextId::ProjectGoProgramNotFound,
                          Text(TextId::ProjectGoProgramNotFound) +
                              FormatText(unnumbered::kGoProgramLookedFor, {bare, where}));
    return {};
}

// Opens the Go Program a project names without the loader's messages; one
// that cannot be found empties both lists after its own message.
void OpenProjectGoProgram(ProjectScene& scene, const std::string& name,
                          const std::vector<std::string>& folders) {
    OpenGoProgram(scene.editor, FindProjectGoProgram(scene, name, folders), false);
}

void CreateObjects(ProjectScene& scene, const std::vector<ProjectObject>& objects) {
    for (const ProjectObject& o : objects) {
        if (o.kind == objectkind::Background || o.kind == objectkind::Stamp) {
            scene.objects.CreateGraphicObject(o.name, o.kind, o.x, o.y, o.param1, o.param2,
                                              o.param3, 0);
        } else if (o.kind == objectkind::Text) {
            TextObjectRecord record = o.record;
            record.textId = TextStringTable().Add(o.text);
            auto bytes = record.ToBytes();
            std::uint32_t index = TextObjectTable().Add(bytes.data());
            scene.objects.CreateGraphicObject(
                "", o.kind, o.x, o.y, static_cast<std::int32_t>(index), o.param2, o.param3, 0);
        }
    }
}

void SetZarnikFlipped(ProjectScene& scene, bool flipped) {
    scene.state.flipped = flipped;
    scene.state.homeFlipped = flipped;
    scene.host.WorkingAreaChanged();
}

bool ChangeDirectory(const std::string& folder) {
    return ::chdir(folder.c_str()) == 0;
}

// Picture names are files of the project's sub-folders and the Go Program a
// file of the project folder: a name that climbs out makes the file damaged.
bool NamesStayInProject(const ProjectData& data) {
    if (!IsPlainFileName(data.shape) || !IsPlainFileName(data.background) ||
        ClimbsOut(data.goProgram) || ClimbsOut(data.folder))
        return false;
    return std::all_of(data.objects.begin(), data.objects.end(),
                       [](const ProjectObject& o) { return IsPlainFileName(o.name); });
}

// The robot's position is stored in 16 bits: one beyond them would be saved
// as another place, so a project holding it is refused as damaged.
bool PositionFitsFile(const ProjectData& data) {
    constexpr std::int32_t kMaxStored = std::numeric_limits<std::uint16_t>::max();
    return data.x >= 0 && data.x <= kMaxStored && data.y >= 0 && data.y <= kMaxStored;
}

} // namespace

bool ProjectDataLoadable(const ProjectData& data) {
    return NamesStayInProject(data) && PositionFitsFile(data);
}

void CreateProjectObjects(ProjectScene& scene, const std::vector<ProjectObject>& objects) {
    CreateObjects(scene, objects);
}

Answer ProjectHost::ChooseChangedCopy(UserInterface& ui, const std::string& copy,
                                      const std::string& kept) {
    return ui.Ask(kUnnumbered, FormatText(unnumbered::kChangedCopyQuestion, {copy, kept}),
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
    scene.state.shapeId = NameTable().Add(fileName);
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
    const std::string path = FindProjectGoProgram(scene, name, {GetProjectFolder()});
    return OpenGoProgram(scene.editor, path, false) && path.empty() == name.empty();
}

bool ParseProjectV2(std::span<const std::uint8_t> file, ProjectData& data) {
    data = ProjectData{};
    data.form = ProjectForm::V2;
    if (file.size() < kFileHeaderSize || HeaderText(file) != kProjectV2Header)
        return false;
    ByteReader reader(file);
    reader.Seek(kFileHeaderSize);
    SectionDirectory directory;
    if (!SectionDirectory::Read(reader, directory))
        return false;
    bool ok = true;
    auto trail = Section(file, directory, kTrailTag, ok);
    auto names = Section(file, directory, kNamesTag, ok);
    auto texts = Section(file, directory, kTextsTag, ok);
    auto records = Section(file, directory, kRecordsTag, ok);
    auto settings = Section(file, directory, kSettingsTag, ok);
    auto objects = Section(file, directory, kObjectsTag, ok);
    if (!ok || settings.size() < kSettingsSize)
        return false;

    ByteReader t(trail);
    std::size_t points =
        std::min<std::size_t>(trail.size() / kTrailRecordSize, PenTrail::kMaxPoints);
    for (std::size_t i = 0; i < points; ++i) {
        TrailPoint p;
        p.x = t.I32();
        p.y = t.I32();
        p.style = t.I16();
        t.Skip(2);
        data.trail.push_back(p);
    }

    LoadedStrings nameTable, textTable;
    nameTable.AddAllFromBlock(names);
    textTable.AddAllFromBlock(texts);
    RecordTable recordTable(TextObjectRecord::kStoredSize);
    recordTable.AddAllFromBlock(records.data(), records.size());

    ByteReader s(settings);
    std::uint32_t shape = s.U32();
    data.heading = s.U16();
    data.x = s.U16();
    data.y = s.U16();
    s.Skip(2);
    data.mirrored = s.U32();
    data.floorWidthSteps = s.I16();
    data.floorHeightSteps = s.I16();
    std::uint32_t goProgram = s.U32();
    std::uint32_t folder = s.U32();
    if (!nameTable.Contains(shape) || !nameTable.Contains(goProgram) || !nameTable.Contains(folder))
        return false;
    data.shape = nameTable.Get(shape);
    data.goProgram = nameTable.Get(goProgram);
    data.folder = nameTable.Get(folder);

    ByteReader o(objects);
    for (std::size_t k = 0; k < objects.size() / kObjectRecordSize; ++k) {
        ProjectObject object;
        std::uint32_t nameId = o.U32();
        object.kind = o.U16();
        o.Skip(2);
        object.param1 = o.I32();
        object.param2 = o.I32();
        object.param3 = o.I32();
        object.x = o.I32();
        object.y = o.I32();
        object.width = o.I32();
        object.height = o.I32();
        object.runTag = o.U16();
        o.Skip(6);
        if (object.kind == objectkind::Background || object.kind == objectkind::Stamp) {
            if (!nameTable.Contains(nameId))
                return false;
            object.name = nameTable.Get(nameId);
        } else if (object.kind == objectkind::Text) {
            const std::uint8_t* record = recordTable.Get(static_cast<std::uint32_t>(object.param1));
            if (!record)
                return false;
            object.record = TextObjectRecord::FromBytes(record);
            if (!textTable.Contains(object.record.textId))
                return false;
            object.text = textTable.Get(object.record.textId);
        } else {
            continue; // other kinds are not ours to create
        }
        data.objects.push_back(std::move(object));
    }
    return ProjectDataLoadable(data);
}

bool ParseProjectV1(std::span<const std::uint8_t> file, ProjectData& data) {
    data = ProjectData{};
    data.form = ProjectForm::V1;
    if (file.size() < kV1Trail || HeaderText(file) != kProjectV1Header)
        return false;
    ByteReader r(file);
    r.Seek(32);
    std::int16_t trailCount = r.I16();
    std::uint16_t trailSize = r.U16();
    std::int16_t objectCount = r.I16();
    std::uint16_t objectSize = r.U16();
    if (trailCount < 0 || objectCount < 0 || (trailCount > 0 && trailSize < kV1TrailFields) ||
        (objectCount > 0 && objectSize < kV1ObjectFields))
        return false;

    r.Seek(kV1Settings);
    data.folder = r.FixedString(261);
    data.shape = r.FixedString(16);
    data.floorWidthSteps = r.I16();
    data.floorHeightSteps = r.I16();
    data.x = r.I16();
    data.y = r.I16();
    r.Skip(1);
    // Out of range gives 0 when applied; kept as 0 so that a converted
    // project stores the heading it shows.
    data.heading = r.I16();
    if (data.heading < 0 || data.heading > 359)
        data.heading = 0;
    // Only exactly 1 mirrors a 1.0 robot.
    data.mirrored = r.I16() == 1 ? 1 : 0;
    data.goProgram = r.FixedString(13);
    r.Seek(kV1Options);
    ProjectOptions options;
    options.listingSize = r.U16();
    options.sound = r.U16();
    options.tooltips = r.U16();
    r.Skip(4);
    options.speed = r.U16();
    data.options = options;

    std::size_t trailBytes = std::size_t(trailCount) * trailSize;
    std::size_t objectBytes = std::size_t(objectCount) * objectSize;
    auto trail = r.Range(kV1Trail, trailBytes);
    auto objects = r.Range(kV1Trail + trailBytes, objectBytes);
    if (!r.ok())
        return false;
    auto labels = file.subspan(kV1Trail + trailBytes + objectBytes);

    for (int i = 0; i < std::min<int>(trailCount, PenTrail::kMaxPoints); ++i) {
        ByteReader p(trail.subspan(std::size_t(i) * trailSize, kV1TrailFields));
        TrailPoint point;
        point.x = p.I16();
        point.y = p.I16();
        point.style = p.I16();
        data.trail.push_back(point);
    }
    LoadedStrings texts;
    for (int k = 0; k < objectCount; ++k) {
        ByteReader o(objects.subspan(std::size_t(k) * objectSize, kV1ObjectFields));
        ProjectObject object;
        object.name = o.FixedString(16);
        object.kind = o.U16();
        object.param1 = o.I16();
        object.param2 = o.I16();
        object.param3 = o.I16();
        object.x = o.I16();
        object.y = o.I16();
        object.width = o.I16();
        object.height = o.I16();
        object.runTag = o.U16();
        if (object.kind == objectkind::Text) {
            // Labels are numbered from 1; a number with no record is damage.
            std::int64_t number = object.param1;
            if (number < 1 || std::uint64_t(number) * kLabelRecordSize > labels.size())
                return false;
            object.record = ConvertLabelRecord(
                labels.subspan(std::size_t(number - 1) * kLabelRecordSize, kLabelRecordSize),
                texts);
            object.text = texts.Get(object.record.textId);
            object.name.clear();
        } else if (object.kind != objectkind::Background && object.kind != objectkind::Stamp) {
            continue;
        }
        data.objects.push_back(std::move(object));
    }
    return ProjectDataLoadable(data);
}

ProjectData ParseProjectIni(const IniFile& ini) {
    ProjectData data;
    data.form = ProjectForm::Ini;
    auto steps = [&](const char* key) {
        long value = ini.GetInt("floor size", key, 10);
        return static_cast<std::int32_t>(ValidFloorSteps(value) ? value : 10);
    };
    data.floorWidthSteps = steps("x");
    data.floorHeightSteps = steps("y");
    // Names are held up to their first zero byte, so they are checked so.
    auto name = [&](const char* section, const char* key, const char* fallback) {
        return std::string(ini.GetString(section, key, fallback).c_str());
    };
    data.shape = name("zarnik shapes", "def", "zarndef.bmp");
    data.stepX = std::strtod(ini.GetString("zarnik pos", "x", "0").c_str(), nullptr);
    data.stepY = std::strtod(ini.GetString("zarnik pos", "y", "0").c_str(), nullptr);
    long bearing = ini.GetInt("zarnik pos", "bearing", 0);
    data.heading = bearing >= 0 && bearing <= 359 ? static_cast<std::int32_t>(bearing) : 0;
    data.background = name("background", "def", "");
    data.goProgram = name("go program", "def", "");
    data.folder = name("project", "relpath", "");
    const std::int32_t halfWidth = data.floorWidthSteps * kStepMm / 2;
    const std::int32_t halfHeight = data.floorHeightSteps * kStepMm / 2;
    data.x = TruncateToInt(halfWidth + data.stepX * kStepMm);
    data.y = TruncateToInt(halfHeight - data.stepY * kStepMm);
    return data;
}

bool CheckIfZFieldProjectIni(const IniFile& ini) {
    const char* keys[][2] = {{"floor size", "x"},   {"floor size", "y"},  {"zarnik shapes", "def"},
                             {"zarnik pos", "x"},   {"zarnik pos", "y"},  {"zarnik pos", "bearing"},
                             {"background", "def"}, {"go program", "def"}};
    return std::any_of(std::begin(keys), std::end(keys),
                       [&](const auto& k) { return ini.HasKey(k[0], k[1]); });
}

bool CheckIfZFieldProjectIni(const std::string& path) {
    return CheckIfZFieldProjectIni(IniFile::Load(path));
}

ProjectData CaptureProject(ProjectScene& scene, const std::string& folder) {
    ProjectData data;
    for (int i = 0; i < scene.trail.trailLength(); ++i)
        data.trail.push_back(scene.trail.GetTrailPoint(i));
    for (const auto& object : scene.objects.objects()) {
        ProjectObject o;
        o.kind = object->kind;
        o.param1 = object->param1;
        o.param2 = object->param2;
        o.param3 = object->param3;
        o.x = object->x;
        o.y = object->y;
        o.width = object->width;
        o.height = object->height;
        o.runTag = object->runTag;
        if (o.kind == objectkind::Text) {
            const std::uint8_t* stored =
                TextObjectTable().Get(static_cast<std::uint32_t>(o.param1));
            if (stored)
                o.record = TextObjectRecord::FromBytes(stored);
            o.text = TextStringTable().Get(o.record.textId);
        } else {
            o.name = NameTable().Get(object->nameId);
        }
        data.objects.push_back(std::move(o));
    }
    const GoInstruction* head = scene.editor.Head(GO_LIST);
    if (head && head->opcode == op::GoProgramHeader)
        data.goProgram = NameTable().Get(head->nameId);
    data.shape = NameTable().Get(scene.state.shapeId);
    data.heading = scene.state.heading;
    data.x = scene.state.x;
    data.y = scene.state.y;
    data.mirrored = scene.state.flipped ? 1 : 0;
    data.floorWidthSteps = scene.state.floorWidth / kStepMm;
    data.floorHeightSteps = scene.state.floorHeight / kStepMm;
    data.folder = folder;
    return data;
}

std::vector<std::uint8_t> WriteProjectV2(const ProjectData& data) {
    std::vector<std::uint8_t> file;
    ContainerWriter out(file, kProjectV2Header);
    ByteWriter& w = out.bytes();
    StringTable names, texts;
    RecordTable records(TextObjectRecord::kStoredSize);

    out.BeginSection();
    for (const TrailPoint& p : data.trail) {
        w.I32(p.x);
        w.I32(p.y);
        w.I16(p.style);
        w.Zeros(2);
    }
    out.EndSection(kTrailTag);

    out.BeginSection();
    for (const ProjectObject& object : data.objects) {
        std::uint32_t nameId = 0;
        std::int32_t param1 = object.param1;
        if (object.kind == objectkind::Text) {
            TextObjectRecord record = object.record;
            record.textId = texts.Add(object.text);
            auto bytes = record.ToBytes();
            param1 = static_cast<std::int32_t>(records.Add(bytes.data()));
        } else {
            nameId = names.Add(object.name);
        }
        w.U32(nameId);
        w.U16(object.kind);
        w.Zeros(2);
        w.I32(param1);
        w.I32(object.param2);
        w.I32(object.param3);
        w.I32(object.x);
        w.I32(object.y);
        w.I32(object.width);
        w.I32(object.height);
        w.U16(object.runTag);
        w.Zeros(6);
    }
    out.EndSection(kObjectsTag);
    out.Section(kRecordsTag, records.Pool(), records.PoolAllocated());
    out.Section(kTextsTag, texts.Pool(), texts.PoolAllocated());

    out.BeginSection();
    w.U32(names.Add(data.shape));
    w.U16(static_cast<std::uint16_t>(data.heading));
    w.U16(static_cast<std::uint16_t>(data.x));
    w.U16(static_cast<std::uint16_t>(data.y));
    w.Zeros(2);
    w.U32(data.mirrored);
    w.I16(static_cast<std::int16_t>(data.floorWidthSteps));
    w.I16(static_cast<std::int16_t>(data.floorHeightSteps));
    w.U32(names.Add(data.goProgram));
    w.U32(names.Add(data.folder));
    out.EndSection(kSettingsTag);
    out.Section(kNamesTag, names.Pool(), names.PoolAllocated());
    out.Section(kEndTag, nullptr, 0);
    out.Finish();
    return file;
}

std::vector<std::uint8_t> WriteProjectV2(ProjectScene& scene, const std::string& folder) {
    return WriteProjectV2(CaptureProject(scene, folder));
}

namespace {

// How far a project got: applied, stopped by a refusal that was shown, or
// refused whole as damaged.
enum class Load { Applied, Stopped, Damaged };

// True when a folder holds the four picture folders with every picture the
// project names: a lesson saved or copied whole.
bool HoldsProjectPictures(const std::string& folder, const ProjectData& data) {
    auto holds = [&](const char* sub, const std::string& name) {
        return name.empty() || FileExists(ResolvePath(JoinPath(JoinPath(folder, sub), name)));
    };
    return IsLessonFolder(folder) && holds("zarniks", data.shape) &&
           std::all_of(data.objects.begin(), data.objects.end(), [&](const ProjectObject& o) {
               return o.kind == objectkind::Background ? holds("backgnds", o.name)
                      : o.kind == objectkind::Stamp    ? holds("objects", o.name)
                                                       : true;
           });
}

// The folder a 2.0 project's pictures are taken from: the project file's
// own when it holds them all (a lesson copied whole, wherever the folder it
// was saved from is); else the stored folder; else, when that is not here
// (the project was moved, or saved on another machine) or none is stored,
// as in the bundled examples, the project file's folder after all.
std::string V2ProjectFolder(const ProjectData& data, const std::string& path) {
    const std::string beside = FolderPart(path);
    if (HoldsProjectPictures(beside, data))
        return beside;
    const std::string stored = WithSeparator(data.folder);
    if (!stored.empty() && DirectoryExists(ResolvePath(stored)))
        return stored;
    return beside;
}

Load ApplyV2(ProjectScene& scene, const ProjectData& data, const std::string& path) {
    const std::string folder = V2ProjectFolder(data, path);
    // Without any of its picture folders the project would open broken: it
    // is not opened at all, and the message says how to mend it.
    if (!CheckProjectFolders(scene.ui(), folder) || !ClearWorkingArea(scene))
        return Load::Stopped;
    ReplacePenTrail(scene, data.trail);
    // Save Project suggests the project's own name.
    SetProjectFolderFromPath(JoinPath(folder, FileNamePart(path)));
    SetFloorSize(scene, data.floorWidthSteps, data.floorHeightSteps);
    SetZarnikShape(scene, data.shape);
    SetZarnikPosition(scene, data.x, data.y);
    SetZarnikFlipped(scene, data.mirrored != 0);
    SetZarnikHeading(scene, data.heading);
    scene.host.ResetGraphicsLibrary();
    OpenProjectGoProgram(scene, data.goProgram, {FolderPart(path), GetProjectFolder()});
    CreateObjects(scene, data.objects);
    scene.host.SetWorkingAreaModified(false);
    scene.host.ResetGraphicsLibrary();
    scene.host.WorkingAreaChanged();
    return Load::Applied;
}

Load ApplyV1(ProjectScene& scene, const ProjectData& data, const std::string& path) {
    scene.host.SetProjectTitle(path);
    scene.host.ApplyOptions(*data.options);
    if (!CheckProjectFolders(scene.ui(), path))
        return Load::Stopped;
    SetProjectFolderFromPath(path);
    if (!ClearWorkingArea(scene))
        return Load::Stopped;
    SetFloorSize(scene, data.floorWidthSteps, data.floorHeightSteps);
    SetZarnikShape(scene, ShapeSearch(scene, data.shape));
    SetZarnikPosition(scene, data.x, data.y);
    SetZarnikFlipped(scene, data.mirrored != 0);
    SetZarnikHeading(scene, data.heading);
    scene.host.ResetGraphicsLibrary();
    ReplacePenTrail(scene, data.trail);
    CreateObjects(scene, data.objects);
    OpenProjectGoProgram(scene, data.goProgram, {GetProjectFolder()});
    scene.host.SetWorkingAreaModified(false);
    scene.host.WorkingAreaChanged();
    return Load::Applied;
}

Load ApplyIni(ProjectScene& scene, const ProjectData& data, const std::string& path) {
    std::string folder = FolderPart(path) + ToNativePath(data.folder);
    if (!CheckProjectFolders(scene.ui(), WithSeparator(folder)))
        return Load::Stopped;
    SetProjectFolderFromPath(WithSeparator(folder));
    scene.host.SetProjectTitle(GetProjectFolder());
    if (!ClearWorkingArea(scene))
        return Load::Stopped;
    SetFloorSize(scene, data.floorWidthSteps, data.floorHeightSteps);
    SetZarnikShape(scene, ShapeSearch(scene, data.shape));
    SetZarnikPosition(scene, data.x, data.y);
    SetZarnikFlipped(scene, false);
    SetZarnikHeading(scene, data.heading);
    scene.host.ResetGraphicsLibrary();
    if (!data.background.empty())
        SetBackground(scene, data.background);
    OpenProjectGoProgram(scene, data.goProgram, {GetProjectFolder(), FolderPart(path)});
    scene.host.SetWorkingAreaModified(false);
    scene.host.WorkingAreaChanged();
    return Load::Applied;
}

Load LoadV2(ProjectScene& scene, std::span<const std::uint8_t> bytes, const std::string& path) {
    ProjectData data;
    if (!ParseProjectV2(bytes, data))
        return Load::Damaged;
    return ApplyV2(scene, data, path);
}

Load LoadV1(ProjectScene& scene, std::span<const std::uint8_t> bytes, const std::string& path) {
    ProjectData data;
    if (!ParseProjectV1(bytes, data))
        return Load::Damaged;
    return ApplyV1(scene, data, path);
}

} // namespace

bool ReadProjectV2(ProjectScene& scene, const std::string& path) {
    std::vector<std::uint8_t> bytes;
    return ReadWholeFile(path, bytes) == ReadResult::Ok &&
           LoadV2(scene, bytes, path) == Load::Applied;
}

bool ReadProjectV1(ProjectScene& scene, const std::string& path) {
    std::vector<std::uint8_t> bytes;
    ReadResult read = ReadWholeFile(path, bytes);
    if (read == ReadResult::NotFound)
        Warn(scene.ui(), TextId::ProjectNotFoundUseDefault);
    return read == ReadResult::Ok && LoadV1(scene, bytes, path) == Load::Applied;
}

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
        CopyPredefinedProject(path, relpath, choose, &problem);
    if (!copy) {
        if (problem.noWorkFolder)
            scene.ui().WarningBox(kUnnumbered, unnumbered::kNoWorkFolder);
        else if (!problem.unwritable.empty())
            scene.ui().WarningBox(
                kUnnumbered, FormatText(unnumbered::kWorkFolderNotWritable, {problem.unwritable}));
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
    const std::optional<PredefinedCopy> copy = CopyPredefinedLesson(path, data.goProgram, choose);
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
        if (parsed && copyPredefined && IsPreDefinedProject(path))
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
            if (!copyPredefined || !IsPreDefinedProject(path))
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
    // The loaders change the current directory: a relative path is taken
    // from where it was given, once.
    const std::string path = AbsolutePath(given);
    std::vector<std::uint8_t> bytes;
    switch (ReadWholeFile(path, bytes)) {
    case ReadResult::Ok:
        return OpenProjectBytes(scene, bytes, path);
    case ReadResult::NotFound:
        LogText("IsFileFound() == FALSE");
        if (reportErrors)
            Warn(scene.ui(), TextId::ProjectNotFound);
        return false;
    case ReadResult::NotAFile:
        if (reportErrors)
            scene.ui().WarningBox(kUnnumbered, unnumbered::kProjectNotAFile);
        return false;
    case ReadResult::TooLarge:
        scene.ui().WarningBox(kUnnumbered, unnumbered::kProjectTooLarge);
        return false;
    default:
        if (reportErrors)
            Warn(scene.ui(), TextId::CannotOpenProject);
        return false;
    }
}

namespace {

// A changed Go Program whose file is read-only will not be saved with it.
void WarnIfGoProgramReadOnly(ProjectScene& scene) {
    const GoInstruction* head = scene.editor.Head(GO_LIST);
    if (!scene.editor.modified || !head || head->opcode != op::GoProgramHeader)
        return;
    std::string name = ToNativePath(NameTable().Get(head->nameId));
    std::string program = name.find(kFolderSeparator) == std::string::npos
                              ? ResolvePath(GetProjectFolder() + name)
                              : ResolvePath(name);
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
    const std::string named = ToNativePath(NameTable().Get(head->nameId));
    const std::string bare = FileNamePart(named);
    const std::string target = GetProjectFolder() + bare;
    if (bare.empty() || FileExists(ResolvePath(target)))
        return {};
    std::string source;
    if (EqualsIgnoringCase(FileNamePart(GoProgramFile()), bare) && FileExists(GoProgramFile()))
        source = GoProgramFile();
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
    const std::string path = AbsolutePath(given);
    WarnIfGoProgramReadOnly(scene);
    // A project saved into another folder than its project folder makes
    // that folder a project folder of its own, with the pictures and the Go
    // Program, so that it can be moved and opened whole anywhere.
    const std::string from = GetProjectFolder();
    const std::string folder = FolderPart(path);
    const bool moving = !SameFolder(folder, from);
    ProjectData data = CaptureProject(scene, ToStoredPath(moving ? folder : from));
    if (moving)
        data.goProgram = FileNamePart(ToNativePath(data.goProgram));
    if (!SaveLoadableFile(scene.ui(), path, WriteProjectV2(data)))
        return false;
    SetProjectFolderFromPath(moving ? path : from + FileNamePart(path));
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
        scene.ui().WarningBox(kUnnumbered,
                              FormatText(unnumbered::kLessonNotWhole, {GetProjectFolder(), names}));
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
        ResetProjectFolderToProgram(true);
        return OpenGoProgram(scene.editor, path, true) ? StartupOpened::GoProgram
                                                       : StartupOpened::Nothing;
    }
    if (!argument.empty()) {
        SetProjectFolderFromPath(argument);
        if (!ChangeDirectory(GetProjectFolder()))
            Warn(scene.ui(), TextId::CannotOpenProjectUseDefault);
        else if (endsWith("zfp") &&
                 OpenProject(scene, GetProjectFolder() + FileNamePart(argument), true))
            return StartupOpened::Project;
    }
    ResetProjectFolderToProgram(true);
    return StartupOpened::Nothing;
}

} // namespace zf
