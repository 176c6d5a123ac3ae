#pragma once

#include "files/byte_cursor.h"
#include "files/file_io.h"
#include "program/editor.h"
#include "program/string_table.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace zf {

inline constexpr std::size_t kFileHeaderSize = 80;
inline constexpr const char* kGoProgramV2Header = "Zarnikfield GO PROGRAM v2.0";
inline constexpr const char* kGoProgramV1Header = "Zarnikfield GO PROGRAM v1.0";
inline constexpr const char* kGoProgramV09Header = "Zarnikfield GO PROGRAM v0.9";
inline constexpr const char* kGoProgramBareHeader = "Zarnikfield GO PROGRAM";
inline constexpr const char* kProjectBareHeader = "Zarnikfield PROJECT";

inline constexpr std::size_t kInstructionRecordSize = 64;
inline constexpr std::size_t kLegacyInstructionSize = 42;
inline constexpr std::size_t kLabelRecordSize = 378;

// The header-plus-directory container shared by Go Program and project
// files: an 80-byte header text, a 776-byte directory, then the sections.
struct SectionEntry {
    std::uint16_t tag = 0;
    std::uint32_t length = 0;
    std::uint32_t offset = 0;
};

struct SectionDirectory {
    static constexpr std::uint32_t kCapacity = 64;
    static constexpr std::size_t kStoredSize = 8 + kCapacity * 12;
    static constexpr std::size_t kSectionsStart = kFileHeaderSize + kStoredSize;

    std::vector<SectionEntry> entries;

    // The first used entry with the tag, or null.
    const SectionEntry* Find(std::uint16_t tag) const;
    void Write(ByteWriter& out) const;
    // Fails on a used count beyond the capacity.
    static bool Read(ByteReader& in, SectionDirectory& directory);
};

// Builds container files: header, a zeroed directory, then sections, each
// ended with EndSection; Finish writes the directory in place.
class ContainerWriter {
  public:
    ContainerWriter(std::vector<std::uint8_t>& out, const char* header);
    ByteWriter& bytes() { return writer_; }
    void BeginSection() { start_ = writer_.Position(); }
    void EndSection(std::uint16_t tag);
    void Section(std::uint16_t tag, const std::uint8_t* bytes, std::size_t count);
    void Finish();

  private:
    ByteWriter writer_;
    SectionDirectory directory_;
    std::size_t start_ = 0;
};

// The header text of a file: its first 80 bytes up to the first zero.
std::string HeaderText(std::span<const std::uint8_t> file);

// The 64-byte instruction record; `recordIndex` goes at offset 40.
void WriteInstructionRecord(ByteWriter& out, const GoInstruction& in, std::uint32_t recordIndex);
// Fails (false) on fields no instruction can hold; the index of offset 40
// goes to `recordIndex`.
bool ReadInstructionRecord(ByteReader& in, GoInstruction& node, std::uint32_t& recordIndex);

// A file's own string table as read back: the ids a StringTable fed the
// same block would give, found without its linear search, since a file can
// hold many strings.
class LoadedStrings {
  public:
    LoadedStrings() { Add(""); }
    std::uint32_t Add(std::string_view text);
    void AddAllFromBlock(std::span<const std::uint8_t> block);
    bool Contains(std::uint32_t id) const { return id < strings_.size(); }
    const std::string& Get(std::uint32_t id) const { return strings_[id]; }
    std::uint32_t Count() const { return static_cast<std::uint32_t>(strings_.size()); }

  private:
    std::vector<std::string> strings_;
    std::unordered_map<std::string, std::uint32_t> ids_;
};

// A 378-byte label record of the old formats as a text-object record; the
// text is added to `texts` and its id put in the record.
TextObjectRecord ConvertLabelRecord(std::span<const std::uint8_t> label, LoadedStrings& texts);

// Where loaded instructions go: a ProcedureDef turns the loading to the PROC
// list, its ProcedureEnd back to the GO list. Kept per load, so that a file
// that ends inside a definition cannot send the next file's program there.
struct LoadTarget {
    int list = GO_LIST;
};

// Appends a loaded node to its list; a PlaceText takes a copy of record
// `recordIndex` of the file's own tables with its text entered in the
// editor's text table. False for an opcode the program does not define, when
// the index or the text id lies outside them, when a picture name is no
// plain file name, or when the program would need more memory units than
// can be counted.
bool AppendLoadedInstruction(GoEditor& editor, LoadTarget& target, GoInstruction& node,
                             const LoadedStrings& texts, const RecordTable& records,
                             std::uint32_t recordIndex);

// The version 2.0 file image of the editor's program.
std::vector<std::uint8_t> WriteGoProgramV2(const GoEditor& editor);

// The readers take the file's bytes and the path it was opened by. Each
// reads into lists and tables of its own; both lists and the tables take
// the program only when the whole file was read, so a fault leaves the
// open program as it was.
bool ReadGoProgramV2(GoEditor& editor, std::span<const std::uint8_t> file, const std::string& path);
bool ReadGoProgramV1(GoEditor& editor, std::span<const std::uint8_t> file, bool reportErrors);
bool ReadGoProgramV09(GoEditor& editor, std::span<const std::uint8_t> file, bool reportErrors);

// Loads a Go Program in place of both lists, choosing the reader by the
// header; an empty path empties both lists. Messages only when reporting.
bool OpenGoProgram(GoEditor& editor, const std::string& path, bool reportErrors);
// The header decisions on bytes already read.
bool OpenGoProgramBytes(GoEditor& editor, std::span<const std::uint8_t> file,
                        const std::string& path, bool reportErrors);

// The names of a folder's files that match a pattern, in the order of the
// platform's sorted list box: letters compared without regard to case.
std::vector<std::string> ListFileChoices(const std::string& folder, std::string_view pattern);
// The Go Programs of the project folder for the file-list dialog; when the
// folder cannot be entered, the dialog's message and false.
bool ListGoProgramChoices(UserInterface& ui, const std::string& folder,
                          std::vector<std::string>& names);

// Go Programs are small: the memory holds 187 units, and graphic commands
// are keyed one by one. A larger file is not one of ours, and the writers
// refuse to make one, so that whatever is saved opens again.
inline constexpr std::size_t kMaxGoProgramFileSize = kMaxLoadedFileSize;

// Saves to a chosen path: the GO list's header takes the file's name, the
// file is replaced whole or not at all, `modified` is cleared. A failed save
// is reported.
bool SaveGoProgramAs(GoEditor& editor, const std::string& path);

} // namespace zf
