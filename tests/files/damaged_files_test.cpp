// Every valid file of each form is opened cut short at each length and with
// each of its bytes set to 0 and to 0xFF: each copy is refused or loads into
// data that hangs together. Under the sanitizers any read out of bounds fails
// the run; the fuzz targets carry the same readers further.
#include "files/bitmap.h"
#include "files/go_program_file.h"
#include "files/project_file.h"
#include "files/project_folder.h"

#include "bitmap_test_support.h"
#include "file_test_support.h"
#include "program/key_sequence.h"
#include "support/recorder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <set>

namespace zf {
namespace {

using Bytes = std::vector<std::uint8_t>;

// Counts the damaged copies of `base` that `open` took: each length it can
// be cut to, and each byte set to each of `values`.
int OpenDamagedCopies(const Bytes& base, const std::function<bool(const Bytes&)>& open,
                      std::initializer_list<std::uint8_t> values = {0x00, 0xFF}) {
    int loaded = 0;
    for (std::size_t length = 0; length < base.size(); ++length)
        loaded += open(Bytes(base.begin(), base.begin() + static_cast<long>(length)));
    for (std::size_t at = 0; at < base.size(); ++at)
        for (std::uint8_t value : values) {
            Bytes damaged = base;
            damaged[at] = value;
            loaded += open(damaged);
        }
    return loaded;
}

// The loaded lists hang together: links both ways, the cursor in the GO
// list, memory accounted for every instruction, names inside the project.
void ExpectConsistentEditor(const GoEditor& editor) {
    int units = kMemoryUnits;
    for (int list : {GO_LIST, PROC_LIST}) {
        const GoInstruction* prev = nullptr;
        for (const GoInstruction* in = editor.Head(list); in; in = in->next) {
            ASSERT_EQ(in->prev, prev);
            ASSERT_TRUE(in->opcode != op::PlaceText || in->textObject);
            for (std::uint8_t d : in->digits)
                ASSERT_TRUE(d <= 9 || d == kNoDigit);
            if (in->opcode == op::SetShape || in->opcode == op::PlaceStamp ||
                in->opcode == op::PenDown) {
                ASSERT_TRUE(IsPlainFileName(editor.tables().names.Get(in->nameId)));
            }
            units -= OpcodeUnits(in->opcode);
            prev = in;
        }
    }
    EXPECT_EQ(editor.memoryUnitsLeft, static_cast<std::int16_t>(units));
    EXPECT_TRUE(editor.cursor == nullptr || editor.ListOf(editor.cursor) == GO_LIST);
}

class DamagedFiles : public ::testing::Test {
  protected:
    void SetUp() override {
        test::MakeProjectFolder(dir.path());
        std::filesystem::create_directory(dir / "prog");
        project.SetProgramFolder(dir / "prog/");
        project.SetFromPath(dir.path() + "/");
    }

    // Repeat, move, pen picture, three texts sharing one, a procedure.
    Bytes FullGoProgram() {
        NameTables tables;
        GoEditor editor(ui, tables);
        EXPECT_TRUE(KeySequence(editor, "RPT 3 [ FD 1 2 ] PEN(redthin.bmp) TEXT(\"One\") "
                                        "TEXT(\"Two\") TEXT(\"One\") P 4 [ LT 9 ]"));
        return WriteGoProgramV2(editor);
    }

    test::Recorder ui;
    Project project;
    test::TempFolder dir;
};

// The old forms: the header, a move, a text on label 1, a move.
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
    const std::set<TextId> allowed = {TextId::NotAGoProgram, TextId::HeaderSizesDisagree,
                                      TextId::NotAProjectOrGoProgram, TextId::NeedLaterVersion,
                                      TextId::ProjectSelectedByMistake};
    for (const Bytes& base : {FullGoProgram(), LegacyGoProgram(kGoProgramV1Header, true),
                              LegacyGoProgram(kGoProgramV09Header, false)}) {
        NameTables tables;
        GoEditor editor(ui, tables);
        ASSERT_TRUE(OpenGoProgramBytes(editor, base, "base.gop", true));
        // Most damage falls where a reader cannot tell: those load.
        EXPECT_GT(OpenDamagedCopies(base,
                                    [&](const Bytes& damaged) {
                                        ui.clear();
                                        const bool read = OpenGoProgramBytes(editor, damaged,
                                                                             "damaged.gop", true);
                                        ExpectConsistentEditor(editor);
                                        for (const auto& m : ui.messages)
                                            EXPECT_TRUE(allowed.count(m.id)) << m.text;
                                        return read;
                                    }),
                  0);
    }
}

// A working area of its own for each load: ids are never removed, and one
// table shared by thousands of loads would only grow.
using Scene = test::WorkingArea;

TEST_F(DamagedFiles, ProjectsOfEveryFormLoadOrFailCleanly) {
    Scene saved(ui, project);
    ProjectScene scene = saved.Scene();
    ASSERT_TRUE(test::FillScene(saved, dir / "walk.gop"));
    test::WriteBytesTo(dir / "walk.gop", FullGoProgram());
    test::WriteBytesTo(dir / "zarniks/b.bmp", {1});
    ASSERT_TRUE(OpenGoProgram(saved.editor, dir / "walk.gop", true));
    const std::string ini = "[floor size]\r\nx=12\r\ny=8\r\n[zarnik pos]\r\nx=1.5\r\nbearing=90\r\n"
                            "[background]\r\ndef=park.bmp\r\n[go program]\r\ndef=walk.gop\r\n";
    const std::string path = dir / "damaged.zfp";
    for (const Bytes& base : {WriteProjectV2(scene, dir.path() + "/"), test::V1Project(""),
                              Bytes(ini.begin(), ini.end())}) {
        ASSERT_TRUE(OpenProjectBytes(scene, base, path)) << ui.lastWarning();
        EXPECT_GT(OpenDamagedCopies(
                      base,
                      [&](const Bytes& damaged) {
                          Scene to(ui, project);
                          ProjectScene parts = to.Scene();
                          const bool read = OpenProjectBytes(parts, damaged, path);
                          EXPECT_LE(to.trail.trailLength(), PenTrail::kMaxPoints);
                          EXPECT_TRUE(IsPlainFileName(to.tables.names.Get(to.state.shapeId)));
                          for (const auto& object : to.objects.objects())
                              EXPECT_TRUE(
                                  object->kind == objectkind::Text
                                      ? to.tables.textObjects.Get(std::uint32_t(object->param1)) !=
                                            nullptr
                                      : IsPlainFileName(to.tables.names.Get(object->nameId)));
                          ExpectConsistentEditor(to.editor);
                          return read;
                      }),
                  0);
    }
}

// Reads everything a caller can reach: rows held in the loaded block end
// inside it, and no picture is larger than the limit whatever it declares.
void ExpectReadableInside(const PackedBitmap& b) {
    const auto& block = b.Block();
    auto pixels = b.PixelBytes();
    ASSERT_LE(std::int64_t{b.Width()} * b.Height(), kMaxPicturePixels);
    ASSERT_EQ(pixels.size(), b.RowStride() * static_cast<std::size_t>(b.Height()));
    if (!std::less<>()(pixels.data(), block.data()) &&
        std::less<>()(pixels.data(), block.data() + block.size())) {
        ASSERT_LE(pixels.data() + pixels.size(), block.data() + block.size());
    }
    ASSERT_EQ(b.ColourTable().size(), b.ColourCount());
    ASSERT_EQ(b.RgbPixels().size(), static_cast<std::size_t>(b.Width()) * b.Height());
    EXPECT_GE(b.HeaderSize(), 12u);
}

TEST(DamagedBitmaps, EveryFormLoadsOrIsRefusedWithoutReadingOutside) {
    using test::TestPicture;
    std::vector<Bytes> seeds = {
        test::BuildBitmapFile({9, 3, 1, {0, 0xFFFFFF}, std::vector<std::uint32_t>(27, 1)}),
        test::BuildBitmapFile({5, 2, 4, {0xFF0000, 0xFF00, 0xFF}, {0, 1, 2, 0, 1, 2, 2, 1, 0, 0}}),
        test::BuildBitmapFile({3, 3, 24, {}, std::vector<std::uint32_t>(9, 0xABCDEF)}),
        test::WithRunLengthRows({6, 3, 8, {0, 0xFF, 0xFF00}, std::vector<std::uint32_t>(18, 0)},
                                {3, 1, 0, 3, 2, 1, 2, 0, 0, 0, 0, 2, 1, 1, 2, 2, 0, 0, 4, 1, 0, 1}),
        test::WithRunLengthRows({5, 2, 4, {0, 0xFF, 0xFF00}, std::vector<std::uint32_t>(10, 0)},
                                {5, 0x12, 0, 0, 0, 3, 0x21, 0x20, 0, 1})};
    TestPicture core{3, 2, 8, std::vector<std::uint32_t>(256, 0x123456), {0, 1, 2, 3, 4, 5}};
    core.core = true;
    seeds.push_back(test::BuildBitmapFile(core));
    // 16 bits with masks after a 40-byte header, and plain 32 bits.
    Bytes bitFields = test::BuildBitmapFile({2, 2, 24, {}, {1, 2, 3, 4}});
    test::Put16(bitFields, 28, 16);
    test::Put32(bitFields, 30, 3);
    bitFields.insert(bitFields.begin() + 54, {0, 0xF8, 0, 0, 0xE0, 7, 0, 0, 0x1F, 0, 0, 0});
    test::Put32(bitFields, 2, static_cast<std::uint32_t>(bitFields.size()));
    seeds.push_back(bitFields);
    Bytes wide = test::BuildBitmapFile({2, 3, 24, {}, std::vector<std::uint32_t>(6, 7)});
    test::Put16(wide, 28, 32);
    seeds.push_back(wide);

    for (const Bytes& seed : seeds) {
        auto whole = ParseBitmapFile(seed);
        ASSERT_TRUE(whole);
        ExpectReadableInside(*whole);
        OpenDamagedCopies(seed, [&](const Bytes& damaged) {
            auto b = ParseBitmapFile(damaged);
            if (damaged.size() < seed.size()) {
                EXPECT_FALSE(b) << "cut to " << damaged.size();
                // The same, with a file-size field that agrees with the cut.
                Bytes agreeing = damaged;
                if (agreeing.size() >= 6)
                    test::Put32(agreeing, 2, static_cast<std::uint32_t>(agreeing.size()));
                if (auto cut = ParseBitmapFile(agreeing))
                    ExpectReadableInside(*cut);
            } else if (b) {
                ExpectReadableInside(*b);
            }
            return bool(b);
        });
    }
}

} // namespace
} // namespace zf
