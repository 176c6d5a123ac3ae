#include "files/go_program_file.h"

#include "files/file_io.h"
#include "files/paths.h"
#include "files/project_folder.h"
#include "program/texts.h"
#include "program/unnumbered_texts.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <dirent.h>
#include <limits>
#include <unistd.h>

namespace zf {

namespace {

constexpr std::uint16_t kInstructionsTag = 1;
constexpr std::uint16_t kTextRecordsTag = 2;
constexpr std::uint16_t kTextsTag = 3;
constexpr std::uint16_t kNamesTag = 4;

// A section's bytes, or an empty span when the entry is missing or lies
// outside the file.
bool SectionBytes(std::span<const std::uint8_t> file, const SectionDirectory& directory,
                  std::uint16_t tag, std::span<const std::uint8_t>& bytes) {
    const SectionEntry* entry = directory.Find(tag);
    if (!entry)
        return false;
    ByteReader reader(file);
    bytes = reader.Range(entry->offset, entry->length);
    return reader.ok();
}

bool ValidDigit(std::uint16_t digit) {
    return digit <= 9 || digit == kNoDigit;
}

// After a load: the cursor at the end of the GO list, both views rebuilt,
// the program unchanged.
void FinishLoad(GoEditor& editor) {
    editor.procedureBeingDefined = 0;
    editor.cursor = editor.Last(GO_LIST);
    for (int list : {PROC_LIST, GO_LIST}) {
        editor.ui().SetScrollRange(list, editor.LineCount(list));
        editor.ui().RepaintList(list, 1);
    }
    editor.modified = 0;
}

void ClearLists(GoEditor& editor) {
    editor.DestroyProgramList(GO_LIST);
    editor.DestroyProgramList(PROC_LIST);
    editor.procedureBeingDefined = 0;
}

// The lists a file is read into say nothing: what the user sees changes
// only when the open program takes them.
class QuietUi : public UserInterface {
  public:
    void WarningBox(TextId, const std::string&) override {}
    Answer Ask(TextId, const std::string&, Buttons) override { return Answer::No; }
};

// A Go Program being read: lists of its own and a copy of the open
// program's tables to add its names and texts to, so that a file found
// damaged part-way leaves the open program exactly as it was.
struct LoadedProgram {
    explicit LoadedProgram(const NameTables& open) : tables(open) { ClearLists(lists); }
    QuietUi ui;
    NameTables tables;
    GoEditor lists{ui, tables};
};

// The editor takes a program read whole: its lists and its tables, with
// the view at the top once.
void TakeLoaded(GoEditor& editor, LoadedProgram& loaded) {
    ClearLists(editor);
    editor.tables() = std::move(loaded.tables);
    for (int list : {PROC_LIST, GO_LIST})
        for (const GoInstruction* in = loaded.lists.Head(list); in; in = in->next)
            editor.InsertCopy(*in, list);
    const GoInstruction* head = editor.Head(GO_LIST);
    if (head && head->opcode == op::GoProgramHeader)
        editor.ui().ScrollToLine(GO_LIST, 1);
    FinishLoad(editor);
}

// Reads one 42-byte record of the old formats.
bool ReadLegacyInstruction(ByteReader& in, GoInstruction& node, StringTable& names) {
    auto bytes = in.Bytes(kLegacyInstructionSize);
    if (!in.ok())
        return false;
    ByteReader r(bytes);
    node.opcode = r.U8();
    r.Skip(1);
    node.bracketOpen = static_cast<std::uint32_t>(static_cast<std::int32_t>(r.I16()));
    node.bracketClosed = static_cast<std::uint32_t>(static_cast<std::int32_t>(r.I16()));
    node.complete = static_cast<std::uint32_t>(static_cast<std::int32_t>(r.I16()));
    for (auto& digit : node.digits) {
        digit = r.U8();
        if (!ValidDigit(digit))
            return false;
    }
    node.value1 = r.I16();
    node.value2 = r.I16();
    node.nameId = names.Add(r.FixedString(14));
    node.indent = r.U16();
    node.lineCount = r.U16();
    return r.ok();
}

// A Go Program that could not be read: the message says why.
void ReportUnread(GoEditor& editor, ReadResult result) {
    switch (result) {
    case ReadResult::NotFound:
        Warn(editor.ui(), TextId::GoProgramNotFound);
        break;
    case ReadResult::NotAFile:
        editor.ui().WarningBox(kUnnumbered, Translated(unnumbered::kGoProgramNotAFile));
        break;
    case ReadResult::TooLarge:
        editor.ui().WarningBox(kUnnumbered, Translated(unnumbered::kGoProgramTooLarge));
        break;
    default:
        Warn(editor.ui(), TextId::FileOpenError);
        break;
    }
}

void ReportBadFile(GoEditor& editor, bool reportErrors) {
    if (reportErrors)
        Warn(editor.ui(), TextId::NotAGoProgram);
}

} // namespace

std::uint32_t LoadedStrings::Add(std::string_view text) {
    text = text.substr(0, text.find('\0'));
    auto [it, added] = ids_.try_emplace(std::string(text), Count());
    if (added)
        strings_.emplace_back(text);
    return it->second;
}

void LoadedStrings::AddAllFromBlock(std::span<const std::uint8_t> block) {
    auto start = block.begin();
    while (start != block.end()) {
        auto end = std::find(start, block.end(), std::uint8_t{0});
        Add(std::string_view(reinterpret_cast<const char*>(&*start),
                             static_cast<std::size_t>(end - start)));
        start = end == block.end() ? end : end + 1;
    }
}

const SectionEntry* SectionDirectory::Find(std::uint16_t tag) const {
    for (const SectionEntry& e : entries)
        if (e.tag == tag)
            return &e;
    return nullptr;
}

void SectionDirectory::Write(ByteWriter& out) const {
    out.U32(kCapacity);
    out.U32(static_cast<std::uint32_t>(entries.size()));
    for (const SectionEntry& e : entries) {
        out.U16(e.tag);
        out.U16(0);
        out.U32(e.length);
        out.U32(e.offset);
    }
    out.Zeros((kCapacity - entries.size()) * 12);
}

bool SectionDirectory::Read(ByteReader& in, SectionDirectory& directory) {
    directory.entries.clear();
    in.U32();
    std::uint32_t used = in.U32();
    if (!in.ok() || used > kCapacity)
        return false;
    for (std::uint32_t k = 0; k < kCapacity; ++k) {
        SectionEntry e;
        e.tag = in.U16();
        in.U16();
        e.length = in.U32();
        e.offset = in.U32();
        if (k < used)
            directory.entries.push_back(e);
    }
    return in.ok();
}

ContainerWriter::ContainerWriter(std::vector<std::uint8_t>& out, const char* header)
    : writer_(out) {
    out.clear();
    writer_.FixedString(header, kFileHeaderSize);
    writer_.Zeros(SectionDirectory::kStoredSize);
}

void ContainerWriter::EndSection(std::uint16_t tag) {
    directory_.entries.push_back({tag, static_cast<std::uint32_t>(writer_.Position() - start_),
                                  static_cast<std::uint32_t>(start_)});
}

void ContainerWriter::Section(std::uint16_t tag, const std::uint8_t* bytes, std::size_t count) {
    BeginSection();
    writer_.Bytes(bytes, count);
    EndSection(tag);
}

void ContainerWriter::Finish() {
    std::vector<std::uint8_t> directory;
    ByteWriter d(directory);
    directory_.Write(d);
    writer_.PutBytesAt(kFileHeaderSize, directory);
}

std::string HeaderText(std::span<const std::uint8_t> file) {
    auto header = file.first(std::min(file.size(), kFileHeaderSize));
    auto end = std::find(header.begin(), header.end(), std::uint8_t{0});
    return std::string(header.begin(), end);
}

void WriteInstructionRecord(ByteWriter& out, const GoInstruction& in, std::uint32_t recordIndex) {
    out.U16(in.opcode);
    out.U16(0);
    out.U32(in.bracketOpen);
    out.U32(in.bracketClosed);
    out.U32(in.complete);
    for (std::uint8_t digit : in.digits)
        out.U16(digit);
    out.I32(in.value1);
    out.I32(in.value2);
    out.U32(in.nameId);
    out.U32(0);
    out.U32(recordIndex);
    out.U16(in.indent);
    out.U16(in.lineCount);
    out.Zeros(16);
}

bool ReadInstructionRecord(ByteReader& in, GoInstruction& node, std::uint32_t& recordIndex) {
    std::uint16_t opcode = in.U16();
    in.U16();
    node.bracketOpen = in.U32();
    node.bracketClosed = in.U32();
    node.complete = in.U32();
    bool fields = opcode <= 0xFF;
    for (auto& digit : node.digits) {
        std::uint16_t d = in.U16();
        fields = fields && ValidDigit(d);
        digit = static_cast<std::uint8_t>(d);
    }
    node.opcode = static_cast<std::uint8_t>(opcode);
    node.value1 = in.I32();
    node.value2 = in.I32();
    node.nameId = in.U32();
    in.U32();
    recordIndex = in.U32();
    node.indent = in.U16();
    node.lineCount = in.U16();
    in.Skip(16);
    return in.ok() && fields;
}

TextObjectRecord ConvertLabelRecord(std::span<const std::uint8_t> label, LoadedStrings& texts) {
    ByteReader r(label);
    TextObjectRecord rec;
    r.Seek(2);
    rec.textId = texts.Add(r.FixedString(303 - 2));
    r.Seek(303);
    rec.font.height = r.I16();
    rec.font.width = r.I16();
    rec.font.escapement = r.I16();
    rec.font.orientation = r.I16();
    rec.font.weight = r.I16();
    rec.font.italic = r.U8();
    rec.font.underline = r.U8();
    rec.font.strikeOut = r.U8();
    rec.font.charSet = r.U8();
    rec.font.outPrecision = r.U8();
    rec.font.clipPrecision = r.U8();
    rec.font.quality = r.U8();
    rec.font.pitchAndFamily = r.U8();
    // The face name must stay terminated within its 32 bytes.
    std::string face = r.FixedString(rec.font.faceName.size());
    std::memcpy(rec.font.faceName.data(), face.data(),
                std::min(face.size(), rec.font.faceName.size() - 1));
    r.Seek(354);
    rec.colour = r.U32();
    r.Seek(366);
    rec.placement = r.I16();
    rec.x = r.I16();
    rec.y = r.I16();
    rec.further1 = r.I16();
    rec.further2 = r.I16();
    return rec;
}

bool AppendLoadedInstruction(GoEditor& editor, LoadTarget& target, GoInstruction& node,
                             const LoadedStrings& texts, const RecordTable& records,
                             std::uint32_t recordIndex) {
    // Loading charges without a check, so a huge program would wrap the
    // count round to a program that seems to fit the robot.
    if (editor.memoryUnitsLeft - OpcodeUnits(node.opcode) <
        std::numeric_limits<std::int16_t>::min())
        return false;
    if (!IsDefinedOpcode(node.opcode))
        return false;
    // Shapes, stamps and pens are files of the project's own folders.
    if ((node.opcode == op::SetShape || node.opcode == op::PlaceStamp ||
         node.opcode == op::PenDown) &&
        !IsPlainFileName(editor.tables().names.Get(node.nameId)))
        return false;
    switch (node.opcode) {
    case op::ProcedureDef:
        target.list = PROC_LIST;
        editor.InsertCopy(node, target.list);
        break;
    case op::ProcedureEnd:
        editor.InsertCopy(node, target.list);
        target.list = GO_LIST;
        break;
    case op::GoProgramHeader:
        target.list = GO_LIST;
        editor.InsertCopy(node, target.list);
        break;
    case op::PlaceText: {
        const std::uint8_t* bytes = records.Get(recordIndex);
        if (!bytes || records.RecordSize() != TextObjectRecord::kStoredSize)
            return false;
        auto record = std::make_unique<TextObjectRecord>(TextObjectRecord::FromBytes(bytes));
        if (!texts.Contains(record->textId))
            return false;
        record->textId = editor.tables().texts.Add(texts.Get(record->textId));
        node.textObject = std::move(record);
        editor.InsertCopy(node, target.list);
        break;
    }
    default:
        editor.InsertCopy(node, target.list);
        break;
    }
    return true;
}

std::vector<std::uint8_t> WriteGoProgramV2(const GoEditor& editor) {
    std::vector<std::uint8_t> file;
    ContainerWriter out(file, kGoProgramV2Header);
    StringTable texts;
    RecordTable records(TextObjectRecord::kStoredSize);

    out.BeginSection();
    for (int list : {PROC_LIST, GO_LIST}) {
        for (const GoInstruction* in = editor.Head(list); in; in = in->next) {
            std::uint32_t index = 0;
            if (in->opcode == op::PlaceText && in->textObject) {
                TextObjectRecord copy = *in->textObject;
                copy.textId = texts.Add(editor.tables().texts.Get(copy.textId));
                auto bytes = copy.ToBytes();
                index = records.Add(bytes.data());
            }
            WriteInstructionRecord(out.bytes(), *in, index);
        }
    }
    out.EndSection(kInstructionsTag);
    const StringTable& names = editor.tables().names;
    out.Section(kNamesTag, names.Pool(), names.PoolAllocated());
    out.Section(kTextRecordsTag, records.Pool(), records.PoolAllocated());
    out.Section(kTextsTag, texts.Pool(), texts.PoolAllocated());
    out.Finish();
    return file;
}

namespace {

// Reads a 2.0 file into lists of their own; false at the first fault.
bool ParseGoProgramV2(GoEditor& lists, std::span<const std::uint8_t> file,
                      const std::string& path) {
    if (file.size() < kFileHeaderSize || HeaderText(file) != kGoProgramV2Header)
        return false;
    ByteReader reader(file);
    reader.Seek(kFileHeaderSize);
    SectionDirectory directory;
    if (!SectionDirectory::Read(reader, directory))
        return false;

    std::span<const std::uint8_t> names, texts, records;
    if (!SectionBytes(file, directory, kNamesTag, names))
        return false;
    LoadedStrings nameIds;
    nameIds.AddAllFromBlock(names);
    if (!SectionBytes(file, directory, kTextsTag, texts))
        return false;
    LoadedStrings textIds;
    textIds.AddAllFromBlock(texts);
    if (!SectionBytes(file, directory, kTextRecordsTag, records))
        return false;
    RecordTable recordTable(TextObjectRecord::kStoredSize);
    recordTable.AddAllFromBlock(records.data(), records.size());

    bool ok = true;
    const SectionEntry* entry = directory.Find(kInstructionsTag);
    if (!entry)
        return false;
    // Records that lie inside the file load even when the section runs past
    // its end, as they would have been read one by one.
    ByteReader in(file);
    if (!in.Seek(entry->offset))
        ok = false;
    LoadTarget target;
    for (std::uint32_t k = 0; ok && k < entry->length / kInstructionRecordSize; ++k) {
        GoInstruction node;
        std::uint32_t index = 0;
        ok = ReadInstructionRecord(in, node, index) && nameIds.Contains(node.nameId);
        if (!ok)
            break;
        node.nameId = lists.tables().names.Add(nameIds.Get(node.nameId));
        ok = AppendLoadedInstruction(lists, target, node, textIds, recordTable, index);
    }
    if (!ok)
        return false;
    GoInstruction* head = lists.Head(GO_LIST);
    if (head && head->opcode == op::GoProgramHeader)
        head->nameId = lists.tables().names.Add(path);
    return true;
}

} // namespace

bool ReadGoProgramV2(GoEditor& editor, std::span<const std::uint8_t> file,
                     const std::string& path) {
    LoadedProgram loaded(editor.tables());
    if (!ParseGoProgramV2(loaded.lists, file, path))
        return false;
    TakeLoaded(editor, loaded);
    return true;
}

bool ReadGoProgramV1(GoEditor& editor, std::span<const std::uint8_t> file, bool reportErrors) {
    ByteReader header(file);
    header.Seek(30);
    std::uint16_t sizes = header.U16();
    std::int16_t count = header.I16();
    std::int16_t storedSize = header.I16();
    if (file.size() < kFileHeaderSize || !header.ok()) {
        ReportBadFile(editor, reportErrors);
        return false;
    }
    if (sizes != 6) {
        Warn(editor.ui(), TextId::HeaderSizesDisagree);
        return false;
    }
    // Label records follow the instructions at their stored size.
    std::int64_t labelStart = std::int64_t(kFileHeaderSize) + std::int64_t(count) * storedSize;
    std::span<const std::uint8_t> labels;
    if (labelStart >= std::int64_t(kFileHeaderSize) && labelStart < std::int64_t(file.size()))
        labels = file.subspan(static_cast<std::size_t>(labelStart));

    ByteReader in(file);
    in.Seek(kFileHeaderSize);
    LoadedProgram loaded(editor.tables());
    LoadedStrings texts;
    RecordTable records(TextObjectRecord::kStoredSize);
    LoadTarget target;
    bool ok = true;
    for (int k = 0; ok && k < count; ++k) {
        GoInstruction node;
        ok = ReadLegacyInstruction(in, node, loaded.tables.names);
        std::uint32_t index = 0;
        if (ok && node.opcode == op::PlaceText) {
            // Labels are numbered from 1; a number with no record is a bad file.
            std::int64_t number = node.value1;
            ok = number >= 1 && std::uint64_t(number) * kLabelRecordSize <= labels.size();
            if (ok) {
                auto label =
                    labels.subspan(std::size_t(number - 1) * kLabelRecordSize, kLabelRecordSize);
                auto bytes = ConvertLabelRecord(label, texts).ToBytes();
                index = records.Add(bytes.data());
                node.value1 = static_cast<std::int32_t>(index);
            }
        }
        ok = ok && AppendLoadedInstruction(loaded.lists, target, node, texts, records, index);
    }
    if (!ok) {
        ReportBadFile(editor, reportErrors);
        return false;
    }
    TakeLoaded(editor, loaded);
    return true;
}

bool ReadGoProgramV09(GoEditor& editor, std::span<const std::uint8_t> file, bool reportErrors) {
    if (file.size() < kFileHeaderSize) {
        ReportBadFile(editor, reportErrors);
        return false;
    }
    ByteReader in(file);
    in.Seek(kFileHeaderSize);
    LoadedProgram loaded(editor.tables());
    LoadedStrings texts;
    RecordTable records(TextObjectRecord::kStoredSize);
    LoadTarget target;
    bool ok = true;
    while (ok && !in.AtEnd()) {
        GoInstruction node;
        ok = ReadLegacyInstruction(in, node, loaded.tables.names);
        std::uint32_t index = 0;
        if (ok && node.opcode == op::PlaceText) {
            TextObjectRecord label;
            label.textId = texts.Add(unnumbered::kV09LabelText);
            auto bytes = label.ToBytes();
            index = records.Add(bytes.data());
            node.value1 = static_cast<std::int32_t>(index);
        }
        ok = ok && AppendLoadedInstruction(loaded.lists, target, node, texts, records, index);
    }
    if (!ok) {
        ReportBadFile(editor, reportErrors);
        return false;
    }
    TakeLoaded(editor, loaded);
    return true;
}

bool OpenGoProgramBytes(GoEditor& editor, std::span<const std::uint8_t> file,
                        const std::string& path, bool reportErrors) {
    if (file.size() < kFileHeaderSize) {
        if (reportErrors)
            Warn(editor.ui(), TextId::NotAGoProgram);
        return false;
    }
    std::string header = HeaderText(file);
    if (header == kGoProgramV09Header)
        return ReadGoProgramV09(editor, file, reportErrors);
    if (header == kGoProgramV1Header)
        return ReadGoProgramV1(editor, file, reportErrors);
    if (header == kGoProgramV2Header) {
        // The reader itself is silent; a damaged file still must not look
        // like a short program to the user.
        bool ok = ReadGoProgramV2(editor, file, path);
        if (!ok && reportErrors)
            Warn(editor.ui(), TextId::NotAGoProgram);
        return ok;
    }
    if (reportErrors) {
        if (header == kGoProgramBareHeader)
            editor.ui().WarningBox(TextId::NeedLaterVersion,
                                   Text(TextId::NeedLaterVersion) + header);
        else if (header == kProjectBareHeader)
            Warn(editor.ui(), TextId::ProjectSelectedByMistake);
        else
            Warn(editor.ui(), TextId::NotAProjectOrGoProgram);
    }
    return false;
}

bool OpenGoProgram(GoEditor& editor, const std::string& path, bool reportErrors) {
    if (path.empty()) {
        ClearLists(editor);
        FinishLoad(editor);
        return true;
    }
    std::vector<std::uint8_t> bytes;
    const ReadResult read = ReadWholeFile(path, bytes, kMaxGoProgramFileSize);
    if (read == ReadResult::Ok) {
        if (!OpenGoProgramBytes(editor, bytes, path, reportErrors))
            return false;
        editor.file = AbsolutePath(path);
        return true;
    }
    if (reportErrors)
        ReportUnread(editor, read);
    return false;
}

bool SaveGoProgramAs(GoEditor& editor, const std::string& path) {
    GoInstruction* head = editor.Head(GO_LIST);
    const bool named = head && head->opcode == op::GoProgramHeader;
    const std::uint32_t previous = named ? head->nameId : 0;
    if (named && editor.tables().names.Add(FileNameOf(path)) != previous) {
        head->nameId = editor.tables().names.Add(FileNameOf(path));
        editor.ui().RepaintList(GO_LIST, 1);
    }
    std::vector<std::uint8_t> file = WriteGoProgramV2(editor);
    if (!SaveLoadableFile(editor.ui(), path, file)) {
        // The program keeps the name of the file it still belongs to.
        if (named && head->nameId != previous) {
            head->nameId = previous;
            editor.ui().RepaintList(GO_LIST, 1);
        }
        return false;
    }
    editor.modified = 0;
    editor.file = AbsolutePath(path);
    return true;
}

std::vector<std::string> ListFileChoices(const std::string& folder, std::string_view pattern) {
    std::vector<std::string> names;
    if (DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str())) {
        while (dirent* entry = ::readdir(dir))
            if (MatchesPattern(entry->d_name, pattern) && IsPlainFileName(entry->d_name) &&
                FileExists(JoinPath(folder, entry->d_name)))
                names.emplace_back(entry->d_name);
        ::closedir(dir);
    }
    auto lower = [](unsigned char c) { return std::tolower(c); };
    std::sort(names.begin(), names.end(), [&](const std::string& a, const std::string& b) {
        bool less =
            std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                         [&](char x, char y) { return lower(x) < lower(y); });
        bool more =
            std::lexicographical_compare(b.begin(), b.end(), a.begin(), a.end(),
                                         [&](char x, char y) { return lower(x) < lower(y); });
        return less || (!more && a < b);
    });
    return names;
}

bool ListGoProgramChoices(UserInterface& ui, const std::string& folder,
                          std::vector<std::string>& names) {
    names.clear();
    if (!DirectoryExists(folder)) {
        ui.WarningBox(kUnnumbered, Translated(unnumbered::kSubdirectoryNotFound));
        return false;
    }
    names = ListFileChoices(folder, "*.gop");
    return true;
}

} // namespace zf
