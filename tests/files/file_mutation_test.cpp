// Thousands of damaged copies of valid Go Program and project files are
// opened; under the sanitizers any read out of bounds fails the run.
#include "files/go_program_file.h"
#include "files/project_file.h"
#include "files/project_folder.h"

#include "file_test_support.h"
#include "support/recorder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <random>
#include <set>

namespace zf {
namespace {

using Bytes = std::vector<std::uint8_t>;

// Damage of the kinds a reader must survive: stray bytes, fields set to
// their extremes, and files cut short.
class Mutator {
  public:
    explicit Mutator(std::uint32_t seed) : random_(seed) {}

    Bytes Mutate(const Bytes& original) {
        Bytes b = original;
        switch (Pick(5)) {
        case 0:
            for (int n = 1 + Pick(8); n > 0 && !b.empty(); --n)
                b[Pick(b.size())] = static_cast<std::uint8_t>(Pick(256));
            break;
        case 1: {
            const std::uint32_t extremes[] = {
                0,      1,          0xFF,       0xFFFF,     0x7FFF,
                0x8000, 0xFFFFFFFF, 0x7FFFFFFF, 0x80000000, std::uint32_t(b.size()),
                88,     378};
            std::uint32_t v = extremes[Pick(std::size(extremes))];
            std::size_t width = Pick(2) ? 2 : 4;
            if (b.size() >= width) {
                std::size_t at = Pick(b.size() - width + 1);
                for (std::size_t i = 0; i < width; ++i)
                    b[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
            }
            break;
        }
        case 2:
            b.resize(Pick(b.size() + 1));
            break;
        case 3:
            ClimbOut(b);
            break;
        default:
            // Directory entries and header fields draw the most damage.
            if (b.size() > 400) {
                std::size_t at = 30 + Pick(370);
                b[at] = static_cast<std::uint8_t>(Pick(256));
            }
            break;
        }
        return b;
    }

  private:
    std::size_t Pick(std::size_t n) { return n ? random_() % n : 0; }

    // A file name made to climb out: "../" or "..\\" written into it.
    void ClimbOut(Bytes& b) {
        static const std::string kExtensions[] = {".bmp", ".gop"};
        const std::string& extension = kExtensions[Pick(2)];
        auto at = std::search(b.begin(), b.end(), extension.begin(), extension.end());
        if (at == b.end())
            return;
        const std::string climb = Pick(2) ? "../" : "..\\";
        const std::size_t end = static_cast<std::size_t>(at - b.begin());
        const std::size_t start = end - std::min<std::size_t>(end, 1 + Pick(6));
        for (std::size_t i = 0; i < climb.size() && start + i < end; ++i)
            b[start + i] = static_cast<std::uint8_t>(climb[i]);
    }
    std::mt19937 random_;
};

class DamagedFiles : public ::testing::Test {
  protected:
    void SetUp() override {
        for (const char* sub : kProjectSubFolders)
            std::filesystem::create_directory(dir / sub);
        std::filesystem::create_directory(dir / "prog");
        project.SetProgramFolder(dir / "prog/");
        project.SetFromPath(dir.path() + "/");
    }

    // The loaded lists hang together: links both ways, the cursor in the GO
    // list, memory accounted for every instruction.
    void ExpectConsistentEditor(const GoEditor& editor) {
        int units = kMemoryUnits;
        for (int list : {GO_LIST, PROC_LIST}) {
            const GoInstruction* prev = nullptr;
            for (const GoInstruction* in = editor.Head(list); in; in = in->next) {
                ASSERT_EQ(in->prev, prev);
                if (in->opcode == op::PlaceText) {
                    ASSERT_NE(in->textObject, nullptr);
                }
                for (std::uint8_t d : in->digits)
                    ASSERT_TRUE(d <= 9 || d == kNoDigit);
                if (in->opcode == op::SetShape || in->opcode == op::PlaceStamp ||
                    in->opcode == op::PenDown) {
                    ASSERT_TRUE(IsPlainFileName(editor.tables().names.Get(in->nameId)))
                        << editor.tables().names.Get(in->nameId);
                }
                units -= OpcodeUnits(in->opcode);
                prev = in;
            }
        }
        EXPECT_EQ(editor.memoryUnitsLeft, static_cast<std::int16_t>(units));
        EXPECT_TRUE(editor.cursor == nullptr || editor.ListOf(editor.cursor) == GO_LIST);
    }

    Project project;
    test::TempFolder dir;
};

Bytes FullGoProgram(UserInterface& ui) {
    NameTables tables;
    GoEditor editor(ui, tables);
    GoInstruction* r = editor.NewInstruction(op::Repeat);
    r->digits[0] = 3;
    r->bracketOpen = r->complete = 1;
    editor.NewInstruction(op::Forward)->digits = {1, 2, kNoDigit, kNoDigit};
    editor.NewInstruction(op::RepeatEnd);
    editor.NewInstruction(op::PenDown)->nameId = tables.names.Add("redthin.bmp");
    for (const char* text : {"One", "Two", "One"}) {
        GoInstruction* t = editor.NewInstruction(op::PlaceText);
        t->textObject = std::make_unique<TextObjectRecord>();
        t->textObject->textId = tables.texts.Add(text);
    }
    editor.InsertCopy(GoInstruction(op::ProcedureDef), PROC_LIST)->digits[0] = 4;
    editor.InsertCopy(GoInstruction(op::Left), PROC_LIST)->digits[0] = 9;
    editor.InsertCopy(GoInstruction(op::ProcedureEnd), PROC_LIST);
    return WriteGoProgramV2(editor);
}

// Four records: the header, a move, a text on label 1, a move.
Bytes LegacyGoProgram(const char* header, bool labels) {
    Bytes file = test::LegacyFile(
        header, {test::LegacyRecord(op::GoProgramHeader, {1}, 1, "name.bmp"),
                 test::LegacyRecord(op::Forward, {1}, 1), test::LegacyRecord(op::PlaceText, {}, 1),
                 test::LegacyRecord(op::Back, {1}, 1)});
    if (labels) {
        Bytes label = test::LabelRecord("label", 0);
        file.insert(file.end(), label.begin(), label.end());
    }
    return file;
}

TEST_F(DamagedFiles, GoProgramsOfEveryVersionLoadOrFailCleanly) {
    test::Recorder ui;
    const Bytes bases[] = {FullGoProgram(ui), LegacyGoProgram(kGoProgramV1Header, true),
                           LegacyGoProgram(kGoProgramV09Header, false)};
    const std::set<TextId> allowed = {TextId::NotAGoProgram, TextId::HeaderSizesDisagree,
                                      TextId::NotAProjectOrGoProgram, TextId::NeedLaterVersion,
                                      TextId::ProjectSelectedByMistake};
    Mutator mutator(20240601);
    int loaded = 0;
    for (const Bytes& base : bases) {
        NameTables tables;
        GoEditor editor(ui, tables);
        ASSERT_TRUE(OpenGoProgramBytes(editor, base, "base.gop", true));
        for (int i = 0; i < 10000; ++i) {
            Bytes damaged = mutator.Mutate(base);
            ui.clear();
            loaded += OpenGoProgramBytes(editor, damaged, "damaged.gop", true);
            ExpectConsistentEditor(editor);
            for (const auto& m : ui.messages)
                ASSERT_TRUE(allowed.count(m.id)) << static_cast<int>(m.id) << " " << m.text;
            if (HasFatalFailure())
                return;
        }
    }
    // Most damage falls where a reader cannot tell: those load.
    EXPECT_GT(loaded, 0);
}

TEST_F(DamagedFiles, ProjectsOfEveryFormLoadOrFailCleanly) {
    test::Recorder ui;
    ZarnikState state;
    PenTrail trail;
    NameTables tables;
    GraphicObjectList objects{tables};
    GoEditor editor(ui, tables);
    ProjectHost host;
    ProjectScene scene{state, trail, objects, editor, host, project};

    test::WriteBytesTo(dir / "walk.gop", FullGoProgram(ui));
    test::WriteBytesTo(dir / "zarniks/b.bmp", {1});
    SetBackground(scene, "park.bmp");
    objects.CreateGraphicObject("tree.bmp", objectkind::Stamp, 300, 300, 0, 0, 0, 0);
    TextObjectRecord record;
    record.textId = tables.texts.Add("Hi");
    auto recordBytes = record.ToBytes();
    objects.CreateGraphicObject("", objectkind::Text, 600, 600,
                                std::int32_t(tables.textObjects.Add(recordBytes.data())), 1, 0, 0);
    for (int i = 0; i < 40; ++i)
        trail.SetTrailPoint({i * 10, i * 20, 1}, i);
    ASSERT_TRUE(OpenGoProgram(editor, dir / "walk.gop", true));
    const std::string ini = "[floor size]\r\nx=12\r\ny=8\r\n[zarnik pos]\r\nx=1.5\r\nbearing=90\r\n"
                            "[background]\r\ndef=park.bmp\r\n[go program]\r\ndef=walk.gop\r\n";
    const Bytes bases[] = {WriteProjectV2(scene, dir.path() + "/"), test::V1Project(""),
                           Bytes(ini.begin(), ini.end())};
    const std::string path = dir / "damaged.zfp";
    int loaded = 0;
    Mutator mutator(7);
    for (const Bytes& base : bases) {
        ASSERT_TRUE(OpenProjectBytes(scene, base, path)) << ui.lastWarning();
        for (int i = 0; i < 4000; ++i) {
            Bytes damaged = mutator.Mutate(base);
            loaded += OpenProjectBytes(scene, damaged, path);
            EXPECT_LE(trail.trailLength(), PenTrail::kMaxPoints);
            ASSERT_TRUE(IsPlainFileName(tables.names.Get(state.shapeId)));
            for (const auto& object : objects.objects()) {
                if (object->kind == objectkind::Text) {
                    ASSERT_NE(tables.textObjects.Get(std::uint32_t(object->param1)), nullptr);
                } else {
                    ASSERT_TRUE(IsPlainFileName(tables.names.Get(object->nameId)))
                        << tables.names.Get(object->nameId);
                }
            }
            ExpectConsistentEditor(editor);
            if (HasFatalFailure())
                return;
        }
        ui.clear();
    }
    EXPECT_GT(loaded, 0);
}

} // namespace
} // namespace zf
