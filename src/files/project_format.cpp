#include "files/project_file.h"

#include "files/byte_cursor.h"
#include "files/file_io.h"
#include "files/go_program_file.h"
#include "files/paths.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

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
                scene.objects.tables().textObjects.Get(static_cast<std::uint32_t>(o.param1));
            if (stored)
                o.record = TextObjectRecord::FromBytes(stored);
            o.text = scene.objects.tables().texts.Get(o.record.textId);
        } else {
            o.name = scene.objects.tables().names.Get(object->nameId);
        }
        data.objects.push_back(std::move(o));
    }
    const GoInstruction* head = scene.editor.Head(GO_LIST);
    if (head && head->opcode == op::GoProgramHeader)
        data.goProgram = scene.editor.tables().names.Get(head->nameId);
    data.shape = scene.objects.tables().names.Get(scene.state.shapeId);
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

} // namespace zf
