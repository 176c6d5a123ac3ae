#include "files/go_program_file.h"

#include "file_test_support.h"
#include "files/file_io.h"
#include "files/file_list.h"
#include "files/project_folder.h"
#include "program/key_sequence.h"
#include "program/program_snapshot.h"
#include "program/unnumbered_texts.h"
#include "support/recorder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <limits>
#include <sys/stat.h>
#include <tuple>

namespace zf {
namespace {

using test::Get16;
using test::Get32;
using test::LabelRecord;
using test::LegacyFile;
using test::LegacyRecord;
using test::Put16;
using test::Put32;
using test::PutText;

class GoProgramFile : public ::testing::Test {
  protected:
    // A program touching every kind of field, a procedure in the PROC list.
    void KeyFullProgram() {
        ASSERT_TRUE(KeySequence(editor, "RPT 4 [ FD 2 5 ] POS(-5,4) PEN(redthin.bmp) "
                                        "TEXT(\"Hello\",3) TEXT(\"Hello\",1) P 7 [ LT 9 0 ] P 7"));
    }

    // What a refused file must leave as it was: the open program and the
    // tables its names and texts are kept in.
    struct Kept {
        ProgramSnapshot program;
        std::uint32_t names;
        std::uint32_t texts;
    };
    Kept Keep(const GoEditor& open) const {
        return {TakeProgramSnapshot(open), tables.names.Count(), tables.texts.Count()};
    }
    void ExpectKept(const Kept& kept, const GoEditor& open) const {
        EXPECT_TRUE(SameProgram(kept.program, TakeProgramSnapshot(open)));
        EXPECT_EQ(tables.names.Count(), kept.names);
        EXPECT_EQ(tables.texts.Count(), kept.texts);
    }

    test::TempFolder dir;
    test::Recorder ui;
    NameTables tables;
    GoEditor editor{ui, tables};
};

// Every field an instruction is stored with, its name and text as text.
auto Fields(const NameTables& tables, const GoInstruction& in) {
    TextObjectRecord record = in.textObject ? *in.textObject : TextObjectRecord{};
    const std::string text = in.textObject ? tables.texts.Get(record.textId) : "(none)";
    record.textId = 0;
    return std::tuple(in.opcode, in.bracketOpen, in.complete, in.digits, in.value1, in.value2,
                      std::string(tables.names.Get(in.nameId)), in.indent, text, record.ToBytes());
}

void ExpectSameList(const NameTables& tables, const GoInstruction* a, const GoInstruction* b) {
    for (; a && b; a = a->next, b = b->next)
        EXPECT_EQ(Fields(tables, *a), Fields(tables, *b));
    EXPECT_EQ(a, nullptr);
    EXPECT_EQ(b, nullptr);
}

TEST_F(GoProgramFile, WriteThenReadGivesTheSameLists) {
    KeyFullProgram();
    const std::string path = dir / "full.gop";
    ASSERT_TRUE(SaveGoProgramAs(editor, path));
    GoEditor loaded(ui, tables);
    ASSERT_TRUE(OpenGoProgram(loaded, path, true));
    ExpectSameList(tables, editor.Head(PROC_LIST), loaded.Head(PROC_LIST));
    // The header is named by the path it was opened with.
    EXPECT_STREQ(tables.names.Get(loaded.Head(GO_LIST)->nameId), path.c_str());
    loaded.Head(GO_LIST)->nameId = editor.Head(GO_LIST)->nameId;
    ExpectSameList(tables, editor.Head(GO_LIST), loaded.Head(GO_LIST));
    EXPECT_EQ(
        std::tuple(loaded.cursor, loaded.memoryUnitsLeft, loaded.modified, ui.messages.size()),
        std::tuple(loaded.Last(GO_LIST), editor.memoryUnitsLeft, 0u, 0u));

    // Saved again, the header takes the bare file name.
    std::string again = dir / "again.gop";
    ASSERT_TRUE(SaveGoProgramAs(loaded, again));
    EXPECT_STREQ(tables.names.Get(loaded.Head(GO_LIST)->nameId), "again.gop");
    // A failed save says so, and the program keeps the name of its file.
    EXPECT_FALSE(SaveGoProgramAs(loaded, dir / "gone/x.gop"));
    EXPECT_EQ(
        std::tuple(ui.lastWarning(), std::string(tables.names.Get(loaded.Head(GO_LIST)->nameId))),
        std::tuple(std::string(kFileNotSavedText) + (dir / "gone/x.gop"), "again.gop"));
    // A program with no Go List at all has no header to name.
    editor.DestroyProgramList(GO_LIST);
    EXPECT_FALSE(SaveGoProgramAs(editor, dir / "gone/x.gop"));
}

TEST_F(GoProgramFile, TheHeaderChoosesTheReaderAndMissingOrShortFilesAreRefused) {
    struct Case {
        std::string header;
        TextId id;
    } cases[] = {{"Zarnikfield GO PROGRAM", TextId::NeedLaterVersion},
                 {"Zarnikfield PROJECT", TextId::ProjectSelectedByMistake},
                 {"Zarnikfield PROJECT v2.0", TextId::NotAProjectOrGoProgram},
                 {"Zarnikfield GO PROGRAM v3.0", TextId::NotAProjectOrGoProgram},
                 {"zarnikfield go program v2.0", TextId::NotAProjectOrGoProgram}};
    for (const Case& c : cases) {
        std::vector<std::uint8_t> file(kFileHeaderSize); // the header alone
        PutText(file, 0, c.header);
        test::WriteBytesTo(dir / "h.gop", file);
        ui.clear();
        EXPECT_FALSE(OpenGoProgram(editor, dir / "h.gop", true)) << c.header;
        EXPECT_EQ(ui.messages, (std::vector<test::ShownMessage>{
                                   {c.id, c.id == TextId::NeedLaterVersion
                                              ? Text(TextId::NeedLaterVersion) + c.header
                                              : Text(c.id)}}));
    }
    // Without reporting the same opens say nothing.
    ui.clear();
    EXPECT_FALSE(OpenGoProgram(editor, dir / "h.gop", false));
    EXPECT_TRUE(ui.messages.empty());

    // Each refusal says what is wrong: a file missing or short, a folder, a
    // file too large, a pipe.
    test::WriteBytesTo(dir / "short.gop", std::vector<std::uint8_t>(79));
    std::filesystem::create_directory(dir / "folder.gop");
    std::vector<std::uint8_t> large(kMaxGoProgramFileSize + 1);
    PutText(large, 0, kGoProgramV2Header);
    test::WriteBytesTo(dir / "large.gop", large);
    for (const auto& [name, refusal] :
         {std::pair<std::string, std::string>{"none.gop", Text(TextId::GoProgramNotFound)},
          {"short.gop", Text(TextId::NotAGoProgram)},
          {"folder.gop", "Specified Go Program is not a file."},
          {"large.gop", "Specified Go Program is too large to open."}}) {
        EXPECT_FALSE(OpenGoProgram(editor, dir / name, true)) << name;
        EXPECT_EQ(ui.lastWarning(), refusal) << name;
    }
    // The lists were not touched by the refused opens.
    EXPECT_NE(editor.Head(GO_LIST), nullptr);

    EXPECT_TRUE(OpenGoProgram(editor, "", true));
    EXPECT_EQ(std::tuple(editor.Head(GO_LIST), editor.memoryUnitsLeft),
              std::tuple(nullptr, kMemoryUnits));

    ZF_SKIP_WITHOUT_POSIX_FILES("no pipes");
    ASSERT_EQ(::mkfifo((dir / "pipe.gop").c_str(), 0600), 0);
    EXPECT_FALSE(OpenGoProgram(editor, dir / "pipe.gop", true));
    EXPECT_EQ(ui.lastWarning(), "Specified Go Program is not a file.");
}

TEST_F(GoProgramFile, UndefinedOpcodesAndPictureNamesThatLeaveTheProjectMakeABadFile) {
    // A byte no instruction has is damage in every form, never run (42, the
    // flipped stamp's own code, would be drawn as one); so is a picture name
    // that climbs out, which the old forms carry in the record.
    std::vector<std::pair<std::uint8_t, std::string>> cases;
    for (std::uint8_t undefined : {16, 18, 20, 31, 42, 255})
        cases.emplace_back(undefined, "cat.bmp");
    const std::uint8_t named[] = {op::SetShape, op::PlaceStamp, op::PenDown};
    for (const char* name : {"../../secret/s.bmp", "..\\x.bmp", "/etc/passwd", ".."})
        cases.emplace_back(named[cases.size() % 3], name);
    for (const auto& [opcode, name] : cases) {
        NameTables programTables;
        GoEditor program(ui, programTables);
        GoInstruction* in = program.NewInstruction(opcode);
        in->nameId = programTables.names.Add(name);
        in->complete = 1;
        for (const auto& file :
             {WriteGoProgramV2(program),
              LegacyFile(kGoProgramV1Header, {LegacyRecord(opcode, {}, 0, name)}),
              LegacyFile(kGoProgramV09Header, {LegacyRecord(opcode, {}, 0, name)})}) {
            ui.clear();
            EXPECT_FALSE(OpenGoProgramBytes(editor, file, "bad.gop", true)) << int(opcode) << name;
            EXPECT_EQ(ui.lastWarningId(), TextId::NotAGoProgram) << int(opcode) << name;
            // The open program stays as it was.
            const GoInstruction* last = editor.Last(GO_LIST);
            EXPECT_TRUE(!last || last->opcode == op::GoProgramHeader) << int(opcode) << name;
        }
    }
}

TEST_F(GoProgramFile, AVersion1FileLoadsWithItsLabelsAndBadSizesOrLabelsAreRefused) {
    auto file = LegacyFile(kGoProgramV1Header,
                           {LegacyRecord(op::GoProgramHeader, {}, 0, "old.gop"),
                            LegacyRecord(op::Forward, {3}), LegacyRecord(op::PlaceText, {}, 2),
                            LegacyRecord(op::ProcedureDef, {4}),
                            LegacyRecord(op::PenDown, {}, 0, "bluethin.bmp"),
                            LegacyRecord(op::ProcedureEnd, {}), LegacyRecord(op::Back, {1})});
    for (auto& label : {LabelRecord("first", 10), LabelRecord("second\r\nline", -20)})
        file.insert(file.end(), label.begin(), label.end());
    PutText(file, file.size() - 378 + 321, std::string(32, 'F')); // a face name filling its field
    test::WriteBytesTo(dir / "v1.gop", file);

    ASSERT_TRUE(OpenGoProgram(editor, dir / "v1.gop", true));
    const GoInstruction* go = editor.Head(GO_LIST);
    const GoInstruction* text = go->next->next;
    ASSERT_EQ(text->opcode, op::PlaceText);
    ASSERT_TRUE(text->textObject);
    // The name is not replaced by the path; the text's number is its index
    // in the file's own record table.
    EXPECT_EQ(std::tuple(ui.messages.size(), std::string(tables.names.Get(go->nameId)),
                         text->value1, std::string(tables.texts.Get(text->textObject->textId))),
              std::tuple(0u, "old.gop", 1, "second\r\nline"));
    EXPECT_EQ(std::tuple(text->textObject->x, text->textObject->y, text->textObject->placement,
                         text->textObject->colour, text->textObject->font.height,
                         text->textObject->font.weight, text->textObject->font.italic,
                         std::string(text->textObject->font.faceName.data()), text->next->opcode),
              std::tuple(-20, 900, 2, 0xFFu, -24, 700, 1, std::string(31, 'F'), op::Back));
    const GoInstruction* proc = editor.Head(PROC_LIST);
    ASSERT_TRUE(proc && proc->next && proc->next->next);
    EXPECT_EQ(std::tuple(proc->digits[0], std::string(tables.names.Get(proc->next->nameId)),
                         proc->next->next->opcode, editor.memoryUnitsLeft),
              std::tuple(4, "bluethin.bmp", op::ProcedureEnd, kMemoryUnits - 3 - 8 - 1 - 3));

    // Other header sizes are refused, and the program read before stays.
    const Kept kept = Keep(editor);
    file = LegacyFile(kGoProgramV1Header, {LegacyRecord(op::Forward, {3})});
    Put16(file, 30, 5);
    test::WriteBytesTo(dir / "v1.gop", file);
    EXPECT_FALSE(OpenGoProgram(editor, dir / "v1.gop", false));
    EXPECT_EQ(ui.lastWarningId(), TextId::HeaderSizesDisagree); // shown even without reporting
    ExpectKept(kept, editor);

    // A label number with no record refuses the file, names read before it
    // included.
    for (std::int16_t number : {0, 2, -1}) {
        file = LegacyFile(kGoProgramV1Header,
                          {LegacyRecord(op::PenDown, {}, 0, "new.bmp"),
                           LegacyRecord(op::PlaceText, {}, number), LegacyRecord(op::Back, {1})});
        auto label = LabelRecord("only", 0);
        file.insert(file.end(), label.begin(), label.end());
        test::WriteBytesTo(dir / "bad.gop", file);
        ui.clear();
        EXPECT_FALSE(OpenGoProgram(editor, dir / "bad.gop", true)) << number;
        EXPECT_EQ(ui.lastWarningId(), TextId::NotAGoProgram);
        ExpectKept(kept, editor);
    }
    // Its header alone is an empty program; a header cut short is no program.
    file = LegacyFile(kGoProgramV1Header, {});
    EXPECT_TRUE(OpenGoProgramBytes(editor, file, "e.gop", true));
    file.pop_back();
    ui.clear();
    EXPECT_FALSE(OpenGoProgramBytes(editor, file, "c.gop", true));
    EXPECT_EQ(ui.lastWarningId(), TextId::NotAGoProgram);
}

TEST_F(GoProgramFile, AVersion09FileGivesEveryLabelTheFixedText) {
    // Its header alone is an empty program.
    EXPECT_TRUE(OpenGoProgramBytes(editor, LegacyFile(kGoProgramV09Header, {}), "e.gop", true));
    auto file = LegacyFile(kGoProgramV09Header,
                           {LegacyRecord(op::Right, {9, 0}), LegacyRecord(op::PlaceText, {}, 5)});
    Put16(file, 32, 0); // 0.9 files have no count: records run to the end
    test::WriteBytesTo(dir / "v09.gop", file);
    ASSERT_TRUE(OpenGoProgram(editor, dir / "v09.gop", true));
    const GoInstruction* right = editor.Head(GO_LIST);
    EXPECT_EQ(InstructionNumber(*right, 1), 90);
    ASSERT_TRUE(right->next && right->next->textObject);
    EXPECT_STREQ(tables.texts.Get(right->next->textObject->textId), unnumbered::kV09LabelText);
    EXPECT_EQ(right->next->value1, 1);

    // A record cut short at the end is a bad file, not garbage, and the
    // program read before stays.
    const Kept kept = Keep(editor);
    file = LegacyFile(kGoProgramV09Header,
                      {LegacyRecord(op::PenDown, {}, 0, "new.bmp"), LegacyRecord(op::Back, {1})});
    Put16(file, 32, 0);
    file.pop_back();
    test::WriteBytesTo(dir / "v09.gop", file);
    EXPECT_FALSE(OpenGoProgram(editor, dir / "v09.gop", true));
    EXPECT_EQ(ui.lastWarningId(), TextId::NotAGoProgram);
    ExpectKept(kept, editor);
}

TEST_F(GoProgramFile, BadSectionsAndIdsRefuseAVersion2FileWhole) {
    KeyFullProgram();
    const std::vector<std::uint8_t> good = WriteGoProgramV2(editor);
    GoEditor loaded(ui, tables);
    ASSERT_TRUE(ReadGoProgramV2(loaded, std::span<const std::uint8_t>(good), "p.gop"));
    // Each refused file leaves the program read before and the tables as
    // they were: no half-read program, no name of the damaged file.
    const Kept kept = Keep(loaded);
    auto load = [&](const std::vector<std::uint8_t>& file) {
        const bool read = ReadGoProgramV2(loaded, std::span<const std::uint8_t>(file), "q.gop");
        ExpectKept(kept, loaded);
        return read;
    };
    auto spoilt = [](std::vector<std::uint8_t> file, std::size_t at, std::uint32_t value) {
        Put32(file, at, value);
        return file;
    };

    auto file = good;
    file[0] ^= 1; // another file's header, its sections intact
    EXPECT_FALSE(load(file));
    file = spoilt(good, 84, 65); // more entries than the directory holds
    EXPECT_FALSE(load(file));
    ByteReader directoryBytes(file);
    directoryBytes.Seek(kFileHeaderSize);
    SectionDirectory directory;
    EXPECT_FALSE(SectionDirectory::Read(directoryBytes, directory));
    // A full directory reads, to its last byte and no further.
    file = spoilt(good, 84, 64);
    file.resize(kFileHeaderSize + SectionDirectory::kStoredSize);
    ByteReader fullBytes(file);
    fullBytes.Seek(kFileHeaderSize);
    EXPECT_TRUE(SectionDirectory::Read(fullBytes, directory));
    EXPECT_EQ(directory.entries.size(), 64u);

    EXPECT_FALSE(load(spoilt(good, 88 + 12 + 8, 0xFFFFFFF0u))); // names outside the file
    file = good;
    Put16(file, 88, 9); // no instruction section
    EXPECT_FALSE(load(file));

    // A digit no key gives.
    file = good;
    for (std::size_t at = 856; at < 856 + Get32(file, 92); at += 64)
        if (Get16(file, at) == op::Forward)
            Put16(file, at + 16, 12);
    EXPECT_FALSE(load(file));

    // A text naming a record the file does not hold.
    file = good;
    for (std::size_t at = 856; at < 856 + Get32(file, 92); at += 64)
        if (Get16(file, at) == op::PlaceText)
            Put32(file, at + 40, 99);
    EXPECT_FALSE(load(file));

    EXPECT_TRUE(ui.messages.empty()); // the reader itself stays silent
    EXPECT_FALSE(OpenGoProgramBytes(loaded, file, "p.gop", true));
    EXPECT_EQ(ui.lastWarningId(), TextId::NotAGoProgram);
}

TEST_F(GoProgramFile, AProgramTooLargeToCountIsABadFile) {
    // ProcedureDefs of 8 units each and a Forward of 3: 4119 and the Forward
    // bring the 16-bit count to its lowest value, 4200 would wrap it.
    const std::vector<std::uint8_t> file = WriteGoProgramV2(editor);
    auto program = [&](int defs) {
        std::vector<std::uint8_t> record(file.begin() + 856, file.begin() + 856 + 64);
        std::vector<std::uint8_t> big(file.begin(), file.begin() + 856);
        for (int i = 0; i <= defs; ++i) {
            record[0] = i < defs ? op::ProcedureDef : op::Forward;
            big.insert(big.end(), record.begin(), record.end());
        }
        big.insert(big.end(), file.begin() + 856 + 64, file.end());
        Put32(big, 88 + 4, std::uint32_t(defs + 1) * 64);
        for (int k = 1; k < 4; ++k)
            Put32(big, 88 + 12 * k + 8, Get32(big, 88 + 12 * k + 8) + std::uint32_t(defs) * 64);
        return big;
    };
    GoEditor lowest(ui, tables);
    ASSERT_TRUE(ReadGoProgramV2(lowest, program(4119), "lowest.gop"));
    EXPECT_EQ(lowest.memoryUnitsLeft, std::numeric_limits<std::int16_t>::min());
    const Kept kept = Keep(editor);
    // Never wrapped to a program that seems to fit: the file is refused.
    EXPECT_FALSE(ReadGoProgramV2(editor, program(4200), "big.gop"));
    ExpectKept(kept, editor);
}

// Names alike but for case come capitals first, whatever the folder's order.
TEST_F(GoProgramFile, TheFileListShowsGoProgramsSortedWithoutRegardToCase) {
    for (const char* name : {"beta.gop", "Alpha.GOP", "bz.gop", "alpha.gop", "BETA.gop", "Bat.gop",
                             "Gamma.gop", "b.gop", "gamma.gop"})
        test::WriteBytesTo(dir / name, {0});
    std::vector<std::string> names;
    ASSERT_TRUE(ListGoProgramChoices(ui, dir.path() + "/", names));
    EXPECT_EQ(names,
              (std::vector<std::string>{"Alpha.GOP", "alpha.gop", "b.gop", "Bat.gop", "BETA.gop",
                                        "beta.gop", "bz.gop", "Gamma.gop", "gamma.gop"}));
    // A folder's file list is the same, with no name that is all extension.
    test::WriteBytesTo(dir / ".gop", {0});
    EXPECT_EQ(ListFolderFiles(dir.path(), ".gop"), names);
    EXPECT_FALSE(ListGoProgramChoices(ui, dir / "gone/", names));
    EXPECT_EQ(ui.lastWarning(), unnumbered::kSubdirectoryNotFound);
}

} // namespace
} // namespace zf
