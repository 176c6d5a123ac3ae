#include "files/lesson_file.h"

#include "files/byte_cursor.h"
#include "files/file_list.h"
#include "files/go_program_file.h"
#include "files/paths.h"
#include "files/project_folder.h"
#include "program/texts.h"
#include "program/unnumbered_texts.h"

#include <sys/stat.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <set>

namespace zf {

namespace {

constexpr std::uint32_t kLocalSignature = 0x04034b50;
constexpr std::uint32_t kCentralSignature = 0x02014b50;
constexpr std::uint32_t kEndSignature = 0x06054b50;
constexpr std::size_t kCentralSize = 46;
constexpr std::size_t kEndSize = 22;
constexpr std::uint16_t kVersionNeeded = 10;
// Made on Unix, so that unzip tools take the permissions below.
constexpr std::uint16_t kVersionMadeBy = 0x031e;
// 1 January 1980, the earliest date the format holds: the same lesson
// gives the same bytes whenever it is saved.
constexpr std::uint16_t kFixedDate = (1 << 5) | 1;
constexpr std::uint16_t kFlagEncrypted = 0x0001;
constexpr std::uint16_t kFlagStrongEncryption = 0x0040;
constexpr std::uint16_t kFlagUtf8Names = 0x0800;
constexpr std::uint32_t kFileAttributes = 0100644u << 16;
constexpr std::uint32_t kFolderAttributes = (040755u << 16) | 0x10;

constexpr std::array<std::uint32_t, 256> kCrcTable = [] {
    std::array<std::uint32_t, 256> table{};
    for (std::uint32_t n = 0; n < 256; ++n) {
        std::uint32_t c = n;
        for (int k = 0; k < 8; ++k)
            c = (c & 1) ? 0xedb88320u ^ (c >> 1) : c >> 1;
        table[n] = c;
    }
    return table;
}();

std::uint32_t Crc32(std::span<const std::uint8_t> bytes) {
    std::uint32_t c = 0xffffffffu;
    for (std::uint8_t b : bytes)
        c = kCrcTable[(c ^ b) & 0xff] ^ (c >> 8);
    return c ^ 0xffffffffu;
}

bool EndsWithNoCase(std::string_view name, std::string_view extension) {
    return name.size() > extension.size() &&
           EqualsIgnoringCase(name.substr(name.size() - extension.size()), extension);
}

bool IsFolderEntry(const std::string& name) {
    return !name.empty() && name.back() == '/';
}

// Where an entry goes in the archive: project, Go Program, then each
// picture folder followed by its files.
int EntryRank(const std::string& name) {
    if (EndsWithNoCase(name, ".zfp") && name.find('/') == std::string::npos)
        return 0;
    if (name.find('/') == std::string::npos)
        return 1;
    const std::string folder = name.substr(0, name.find('/'));
    for (int i = 0; i < 4; ++i)
        if (folder == kProjectSubFolders[i])
            return 2 + 2 * i + (IsFolderEntry(name) ? 0 : 1);
    return 10;
}

// A plain name the program can store, that no file system takes for
// anything else, not hidden.
bool SafeFileName(std::string_view name) {
    if (name.empty() || name.size() > 255 || name.front() == '.' || !IsPlainFileName(name))
        return false;
    return std::none_of(name.begin(), name.end(), [](char c) {
        const auto u = static_cast<unsigned char>(c);
        return u < 0x20 || u == 0x7f || c == ':';
    });
}

// Only what a lesson holds: the project and Go Program at the top, the
// picture folders and their bitmaps; nothing can climb out or start at the
// root.
bool ValidEntryName(const std::string& name) {
    const std::size_t slash = name.find('/');
    if (slash == std::string::npos)
        return SafeFileName(name) && (EndsWithNoCase(name, ".zfp") || EndsWithNoCase(name, ".gop"));
    const std::string folder = name.substr(0, slash);
    if (std::none_of(std::begin(kProjectSubFolders), std::end(kProjectSubFolders),
                     [&](const char* sub) { return folder == sub; }))
        return false;
    const std::string file = name.substr(slash + 1);
    return file.empty() || (SafeFileName(file) && EndsWithNoCase(file, ".bmp"));
}

void WriteHeaderFields(ByteWriter& out, const LessonEntry& entry, std::uint16_t flags,
                       std::uint32_t crc) {
    out.U16(flags);
    out.U16(0); // stored
    out.U16(0); // time
    out.U16(kFixedDate);
    out.U32(crc);
    out.U32(static_cast<std::uint32_t>(entry.bytes.size()));
    out.U32(static_cast<std::uint32_t>(entry.bytes.size()));
    out.U16(static_cast<std::uint16_t>(entry.name.size()));
}

std::uint16_t NameFlags(const std::string& name) {
    return std::any_of(name.begin(), name.end(), [](char c) { return c & 0x80; }) ? kFlagUtf8Names
                                                                                  : 0;
}

LessonResult Refusal(LessonError error, std::string detail = {}) {
    return LessonResult{error, std::move(detail)};
}

// The end record: at the end of the file, after a comment of the length
// it gives.
std::optional<std::size_t> FindEndRecord(std::span<const std::uint8_t> file) {
    if (file.size() < kEndSize)
        return std::nullopt;
    const std::size_t last = file.size() - kEndSize;
    const std::size_t first = last > 0xffff ? last - 0xffff : 0;
    for (std::size_t at = last + 1; at-- > first;) {
        ByteReader in(file.subspan(at));
        if (in.U32() != kEndSignature)
            continue;
        in.Skip(16);
        if (at + kEndSize + in.U16() == file.size())
            return at;
    }
    return std::nullopt;
}

// One central directory record and the local header it points at.
LessonResult ReadEntry(std::span<const std::uint8_t> file, ByteReader& central,
                       LessonEntry& entry) {
    if (central.U32() != kCentralSignature)
        return Refusal(LessonError::Damaged);
    central.Skip(4);
    const std::uint16_t flags = central.U16();
    const std::uint16_t method = central.U16();
    central.Skip(4);
    const std::uint32_t crc = central.U32();
    const std::uint32_t packed = central.U32();
    const std::uint32_t size = central.U32();
    const std::uint16_t nameLength = central.U16();
    const std::uint16_t extraLength = central.U16();
    const std::uint16_t commentLength = central.U16();
    central.Skip(8);
    const std::uint32_t offset = central.U32();
    const std::span<const std::uint8_t> name = central.Bytes(nameLength);
    central.Skip(std::size_t{extraLength} + commentLength);
    if (!central.ok())
        return Refusal(LessonError::Damaged);
    entry.name.assign(name.begin(), name.end());
    if (flags & (kFlagEncrypted | kFlagStrongEncryption))
        return Refusal(LessonError::Encrypted);
    if (method != 0)
        return Refusal(LessonError::Compressed);
    if (size > kMaxLessonEntrySize)
        return Refusal(LessonError::TooLarge);
    if (packed != size)
        return Refusal(LessonError::Damaged);
    if (entry.name.find('\0') != std::string::npos || !ValidEntryName(entry.name))
        return Refusal(LessonError::UnsafeName, entry.name);
    if (IsFolderEntry(entry.name) && size != 0)
        return Refusal(LessonError::Damaged);

    ByteReader local(file);
    local.Seek(offset);
    const bool signature = local.U32() == kLocalSignature;
    local.Skip(2);
    const std::uint16_t localFlags = local.U16();
    const std::uint16_t localMethod = local.U16();
    local.Skip(16);
    const std::uint16_t localName = local.U16();
    const std::uint16_t localExtra = local.U16();
    const std::span<const std::uint8_t> nameAgain = local.Bytes(localName);
    local.Skip(localExtra);
    if (!local.ok() || !signature ||
        !std::equal(name.begin(), name.end(), nameAgain.begin(), nameAgain.end()))
        return Refusal(LessonError::Damaged);
    if (localFlags & (kFlagEncrypted | kFlagStrongEncryption))
        return Refusal(LessonError::Encrypted);
    if (localMethod != 0)
        return Refusal(LessonError::Compressed);
    const std::span<const std::uint8_t> bytes = local.Bytes(size);
    if (!local.ok() || Crc32(bytes) != crc)
        return Refusal(LessonError::Damaged);
    entry.bytes.assign(bytes.begin(), bytes.end());
    return {};
}

// One project, at most one Go Program, no name twice (file systems that
// ignore case would merge them).
LessonResult CheckContents(const std::vector<LessonEntry>& entries) {
    std::set<std::string> seen;
    int projects = 0;
    int programs = 0;
    for (const LessonEntry& entry : entries) {
        std::string folded = entry.name;
        std::transform(folded.begin(), folded.end(), folded.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        if (!seen.insert(folded).second)
            return Refusal(LessonError::UnsafeName, entry.name);
        if (EntryRank(entry.name) == 0 && ++projects > 1)
            return Refusal(LessonError::UnsafeName, entry.name);
        if (EntryRank(entry.name) == 1 && ++programs > 1)
            return Refusal(LessonError::UnsafeName, entry.name);
    }
    return projects == 0 ? Refusal(LessonError::NoProject) : LessonResult{};
}

std::string LessonStem(std::string name) {
    name = FileNamePart(name);
    if (EndsWithNoCase(name, kLessonExtension))
        name.resize(name.size() - 4);
    return SafeFileName(name) ? name : std::string("Lesson");
}

// The Go Program's file image: the file it was opened from or saved as
// while unchanged, so that a lesson opened and saved again keeps its bytes;
// else written afresh, the header naming it as a saved file would.
std::vector<std::uint8_t> ProgramBytes(GoEditor& editor, GoInstruction* head,
                                       const std::string& name) {
    std::vector<std::uint8_t> file;
    if (!editor.modified && !editor.file.empty() &&
        ReadWholeFile(editor.file, file, kMaxGoProgramFileSize) == ReadResult::Ok)
        return file;
    const std::uint32_t previous = head->nameId;
    head->nameId = editor.tables().names.Add(name);
    std::vector<std::uint8_t> bytes = WriteGoProgramV2(editor);
    head->nameId = previous;
    return bytes;
}

void ShowUnpackFailure(ProjectScene& scene, const std::string& folder) {
    scene.ui().WarningBox(kUnnumbered,
                          FormatText(Translated(unnumbered::kLessonNotUnpacked), {folder}));
}

} // namespace

std::vector<std::uint8_t> WriteLessonFile(std::vector<LessonEntry> entries) {
    for (const char* sub : kProjectSubFolders) {
        const std::string folder = std::string(sub) + "/";
        if (std::none_of(entries.begin(), entries.end(),
                         [&](const LessonEntry& e) { return e.name == folder; }))
            entries.push_back({folder, {}});
    }
    std::stable_sort(entries.begin(), entries.end(),
                     [](const LessonEntry& a, const LessonEntry& b) {
                         const int ra = EntryRank(a.name);
                         const int rb = EntryRank(b.name);
                         return ra != rb ? ra < rb : a.name < b.name;
                     });
    std::vector<std::uint8_t> file;
    ByteWriter out(file);
    std::vector<std::uint32_t> offsets;
    std::vector<std::uint32_t> crcs;
    for (const LessonEntry& entry : entries) {
        offsets.push_back(static_cast<std::uint32_t>(out.Position()));
        crcs.push_back(Crc32(entry.bytes));
        out.U32(kLocalSignature);
        out.U16(kVersionNeeded);
        WriteHeaderFields(out, entry, NameFlags(entry.name), crcs.back());
        out.U16(0); // extra
        out.Bytes(reinterpret_cast<const std::uint8_t*>(entry.name.data()), entry.name.size());
        out.Bytes(entry.bytes);
    }
    const std::size_t centralStart = out.Position();
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const LessonEntry& entry = entries[i];
        out.U32(kCentralSignature);
        out.U16(kVersionMadeBy);
        out.U16(kVersionNeeded);
        WriteHeaderFields(out, entry, NameFlags(entry.name), crcs[i]);
        out.U16(0); // extra
        out.U16(0); // comment
        out.U16(0); // disk
        out.U16(0); // internal attributes
        out.U32(IsFolderEntry(entry.name) ? kFolderAttributes : kFileAttributes);
        out.U32(offsets[i]);
        out.Bytes(reinterpret_cast<const std::uint8_t*>(entry.name.data()), entry.name.size());
    }
    const std::size_t centralSize = out.Position() - centralStart;
    out.U32(kEndSignature);
    out.U16(0);
    out.U16(0);
    out.U16(static_cast<std::uint16_t>(entries.size()));
    out.U16(static_cast<std::uint16_t>(entries.size()));
    out.U32(static_cast<std::uint32_t>(centralSize));
    out.U32(static_cast<std::uint32_t>(centralStart));
    out.U16(0);
    return file;
}

LessonResult ReadLessonFile(std::span<const std::uint8_t> file, std::vector<LessonEntry>& entries) {
    entries.clear();
    if (file.size() > kMaxLessonSize)
        return Refusal(LessonError::TooLarge);
    const std::optional<std::size_t> end = FindEndRecord(file);
    if (!end) {
        ByteReader start(file);
        return Refusal(start.U32() == kLocalSignature ? LessonError::Damaged
                                                      : LessonError::NotALesson);
    }
    ByteReader record(file.subspan(*end + 4));
    const std::uint16_t disk = record.U16();
    const std::uint16_t centralDisk = record.U16();
    const std::uint16_t countHere = record.U16();
    const std::uint16_t count = record.U16();
    const std::uint32_t centralSize = record.U32();
    const std::uint32_t centralStart = record.U32();
    if (disk != 0 || centralDisk != 0 || countHere != count)
        return Refusal(LessonError::Damaged);
    if (count > kMaxLessonEntries)
        return Refusal(LessonError::TooLarge);
    // Every record takes at least its fixed part, so a count the directory
    // cannot hold is caught before anything is reserved for it.
    if (std::uint64_t{centralStart} + centralSize > *end ||
        std::uint64_t{count} * kCentralSize > centralSize)
        return Refusal(LessonError::Damaged);
    ByteReader central(file.subspan(centralStart, centralSize));
    std::size_t total = 0;
    for (std::uint16_t i = 0; i < count; ++i) {
        LessonEntry entry;
        const LessonResult result = ReadEntry(file, central, entry);
        if (!result.ok()) {
            entries.clear();
            return result;
        }
        total += entry.bytes.size();
        if (total > kMaxLessonSize) {
            entries.clear();
            return Refusal(LessonError::TooLarge);
        }
        entries.push_back(std::move(entry));
    }
    if (const LessonResult contents = CheckContents(entries); !contents.ok()) {
        entries.clear();
        return contents;
    }
    return {};
}

std::string LessonErrorText(const LessonResult& result, const std::string& path) {
    const char* text = unnumbered::kLessonNotALesson;
    switch (result.error) {
    case LessonError::None:
        return {};
    case LessonError::NotALesson:
        break;
    case LessonError::Damaged:
        text = unnumbered::kLessonDamaged;
        break;
    case LessonError::Compressed:
        text = unnumbered::kLessonCompressed;
        break;
    case LessonError::Encrypted:
        text = unnumbered::kLessonEncrypted;
        break;
    case LessonError::UnsafeName:
        text = unnumbered::kLessonUnsafeName;
        break;
    case LessonError::TooLarge:
        text = unnumbered::kLessonTooLarge;
        break;
    case LessonError::NoProject:
        text = unnumbered::kLessonNoProject;
        break;
    }
    return FormatText(Translated(text), {path, result.detail});
}

std::vector<LessonEntry> GatherLesson(ProjectScene& scene, const std::string& lessonName) {
    const std::string stem = LessonStem(lessonName);
    std::vector<LessonEntry> entries;
    ProjectData data = CaptureProject(scene, "");
    // Nothing the loader reads back: left out so that opening and saving
    // again gives the same bytes.
    for (ProjectObject& object : data.objects)
        object.runTag = 0;
    data.goProgram.clear();
    if (GoInstruction* head = scene.editor.Head(GO_LIST);
        head && head->opcode == op::GoProgramHeader) {
        std::string name =
            FileNamePart(ToNativePath(scene.editor.tables().names.Get(head->nameId)));
        if (!SafeFileName(name) || !EndsWithNoCase(name, ".gop"))
            name = stem + ".gop";
        data.goProgram = name;
        entries.push_back({name, ProgramBytes(scene.editor, head, name)});
    }
    std::string projectName = scene.project.fileName;
    if (!SafeFileName(projectName) || !EndsWithNoCase(projectName, ".zfp"))
        projectName = stem + ".zfp";
    entries.insert(entries.begin(), {projectName, WriteProjectV2(data)});
    for (const char* sub : kProjectSubFolders) {
        const std::string folder = ResolvePath(JoinPath(scene.project.folder, sub));
        std::set<std::string> taken;
        for (const std::string& name : ListFolderFiles(folder, ".bmp")) {
            std::string folded = name;
            std::transform(folded.begin(), folded.end(), folded.begin(),
                           [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
            std::vector<std::uint8_t> bytes;
            if (!SafeFileName(name) || !taken.insert(folded).second ||
                ReadWholeFile(JoinPath(folder, name), bytes, kMaxLessonEntrySize) != ReadResult::Ok)
                continue;
            entries.push_back({std::string(sub) + "/" + name, std::move(bytes)});
        }
    }
    return entries;
}

std::vector<std::uint8_t> PackLesson(ProjectScene& scene, const std::string& lessonName) {
    const std::vector<LessonEntry> entries = GatherLesson(scene, lessonName);
    // The writer adds the four folders.
    if (entries.size() + 4 > kMaxLessonEntries)
        return {};
    std::vector<std::uint8_t> bytes = WriteLessonFile(entries);
    if (bytes.size() > kMaxLessonSize)
        bytes.clear();
    return bytes;
}

std::string MakeLessonFolder(const std::string& parent, const std::string& lessonName) {
    const std::string stem = LessonStem(lessonName);
    // mkdir claims the name or fails, so an existing folder is never reused.
    for (int n = 1; n < 1000; ++n) {
        const std::string folder = JoinPath(parent, n == 1 ? stem : stem + " " + std::to_string(n));
        if (::mkdir(folder.c_str(), 0755) == 0)
            return folder;
        if (errno != EEXIST)
            return {};
    }
    return {};
}

std::string UnpackLesson(const std::vector<LessonEntry>& entries, const std::string& folder) {
    const std::filesystem::path root = std::filesystem::path(folder).lexically_normal();
    for (const char* sub : kProjectSubFolders) {
        std::error_code error;
        std::filesystem::create_directory(root / sub, error);
        if (error)
            return {};
    }
    std::string project;
    for (const LessonEntry& entry : entries) {
        if (IsFolderEntry(entry.name))
            continue;
        // The names were checked when read; this keeps a caller that skipped
        // the reader inside the folder all the same.
        const std::filesystem::path target = (root / entry.name).lexically_normal();
        if (!ValidEntryName(entry.name) ||
            target.parent_path().lexically_relative(root).native().starts_with(".."))
            return {};
        if (!WriteFileAtomically(target.string(), entry.bytes))
            return {};
        if (EntryRank(entry.name) == 0)
            project = target.string();
    }
    return project;
}

bool OpenLessonBytes(ProjectScene& scene, std::span<const std::uint8_t> file,
                     const std::string& path, const std::string& parent) {
    std::vector<LessonEntry> entries;
    const LessonResult result = ReadLessonFile(file, entries);
    if (!result.ok()) {
        scene.ui().WarningBox(kUnnumbered, LessonErrorText(result, path));
        return false;
    }
    CreateFolders(parent);
    const std::string folder = MakeLessonFolder(parent, path);
    if (folder.empty()) {
        ShowUnpackFailure(scene, parent);
        return false;
    }
    const std::string project = UnpackLesson(entries, folder);
    if (project.empty()) {
        std::error_code error;
        std::filesystem::remove_all(folder, error);
        ShowUnpackFailure(scene, folder);
        return false;
    }
    return OpenProject(scene, project, true);
}

bool OpenLesson(ProjectScene& scene, const std::string& given) {
    const std::string path = scene.project.Absolute(given);
    std::vector<std::uint8_t> bytes;
    switch (ReadWholeFile(path, bytes, kMaxLessonSize)) {
    case ReadResult::Ok:
        break;
    case ReadResult::TooLarge:
        scene.ui().WarningBox(kUnnumbered, LessonErrorText(Refusal(LessonError::TooLarge), path));
        return false;
    default:
        scene.ui().WarningBox(kUnnumbered,
                              FormatText(Translated(unnumbered::kLessonNotRead), {path}));
        return false;
    }
    const std::optional<std::string> work = GetMyDocsZarnikfieldFolder();
    return OpenLessonBytes(scene, bytes, path, work ? *work : FolderPart(path));
}

bool SaveLessonAs(ProjectScene& scene, const std::string& given) {
    const std::string path = scene.project.Absolute(given);
    const std::vector<std::uint8_t> bytes = PackLesson(scene, path);
    if (bytes.empty()) {
        scene.ui().WarningBox(kUnnumbered, std::string(Translated(kFileTooLargeText)) + path);
        return false;
    }
    if (!WriteFileAtomically(path, bytes)) {
        scene.ui().WarningBox(kUnnumbered, std::string(Translated(kFileNotSavedText)) + path);
        return false;
    }
    return true;
}

} // namespace zf
