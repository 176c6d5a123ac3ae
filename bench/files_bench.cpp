// Saving and loading a full project (2000 trail points, 100 objects, a Go
// Program that fills the robot's memory) and its Go Program.
#include "files/file_io.h"
#include "files/go_program_file.h"
#include "files/project_file.h"
#include "files/project_folder.h"
#include "program/string_table.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

namespace {

class QuietUi : public zf::UserInterface {
  public:
    void WarningBox(zf::TextId, const std::string&) override { ++shown; }
    zf::Answer Ask(zf::TextId, const std::string&, zf::Buttons) override { return zf::Answer::No; }
    int shown = 0;
};

// A project folder under the temporary folder, with its four sub-folders.
std::string MakeProjectFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "zf-bench-XXXXXX").string();
    std::string folder = ::mkdtemp(pattern.data());
    for (const char* sub : zf::kProjectSubFolders)
        std::filesystem::create_directory(folder + "/" + sub);
    return folder + "/";
}

struct FullProject {
    QuietUi ui;
    zf::ZarnikState state;
    zf::PenTrail trail;
    zf::NameTables tables;
    zf::GraphicObjectList objects{tables};
    zf::GoEditor editor{ui, tables};
    zf::ProjectHost host;
    zf::Project project;
    zf::ProjectScene scene{state, trail, objects, editor, host, project};

    // Its project folder is `folder`, and the program's files lie in its
    // "program" sub-folder.
    explicit FullProject(const std::string& folder = {}) {
        if (!folder.empty()) {
            project.SetProgramFolder(folder + "program/");
            project.SetFromPath(folder);
        }
        for (int i = 0; i < zf::PenTrail::kMaxPoints; ++i)
            trail.SetTrailPoint({i % 3000, (i * 7) % 3000, static_cast<std::int16_t>(i % 8)}, i);
        zf::SetBackground(scene, "park.bmp");
        for (int i = 0; i < 79; ++i)
            objects.CreateGraphicObject("stamp" + std::to_string(i % 10) + ".bmp",
                                        zf::objectkind::Stamp, 150 + 30 * i, 900, 35, 0, i % 2, 1);
        for (int i = 0; i < 20; ++i) {
            zf::TextObjectRecord record;
            record.textId = tables.texts.Add("Label number " + std::to_string(i));
            auto bytes = record.ToBytes();
            objects.CreateGraphicObject("", zf::objectkind::Text, 300, 60 * i,
                                        std::int32_t(tables.textObjects.Add(bytes.data())), 1, 0,
                                        1);
        }
        // 62 Forwards fill 186 of the 187 units; graphic commands cost none.
        for (int i = 0; i < 62; ++i)
            editor.NewInstruction(zf::op::Forward)->digits[0] =
                static_cast<std::uint8_t>(1 + i % 9);
        for (int i = 0; i < 20; ++i) {
            zf::GoInstruction* text = editor.NewInstruction(zf::op::PlaceText);
            text->textObject = std::make_unique<zf::TextObjectRecord>();
            text->textObject->textId = tables.texts.Add("Step " + std::to_string(i));
        }
    }
};

void BM_WriteProjectInMemory(benchmark::State& bench) {
    FullProject p;
    std::size_t size = 0;
    for (auto _ : bench) {
        auto file = zf::WriteProjectV2(p.scene, "/work/");
        size = file.size();
        benchmark::DoNotOptimize(file.data());
    }
    bench.counters["bytes"] = double(size);
}
BENCHMARK(BM_WriteProjectInMemory);

// Includes the temporary file, the flush to disk and the rename.
void BM_SaveProject(benchmark::State& bench) {
    std::string folder = MakeProjectFolder();
    FullProject p(folder);
    for (auto _ : bench)
        if (!zf::SaveProjectAs(p.scene, folder + "full.zfp"))
            bench.SkipWithError("save failed");
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_SaveProject)->Unit(benchmark::kMicrosecond);

// Reading, checking and applying, the Go Program opened with it.
void BM_OpenProject(benchmark::State& bench) {
    std::string folder = MakeProjectFolder();
    FullProject p(folder);
    zf::SaveGoProgramAs(p.editor, folder + "full.gop");
    zf::SaveProjectAs(p.scene, folder + "full.zfp");
    FullProject target(folder);
    for (auto _ : bench)
        if (!zf::OpenProject(target.scene, folder + "full.zfp", true) ||
            target.objects.size() != 100 || !target.editor.Head(zf::GO_LIST))
            bench.SkipWithError("open failed");
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_OpenProject)->Unit(benchmark::kMicrosecond);

void BM_ParseProject(benchmark::State& bench) {
    FullProject p;
    auto file = zf::WriteProjectV2(p.scene, "/work/");
    zf::ProjectData data;
    for (auto _ : bench)
        if (!zf::ParseProjectV2(file, data))
            bench.SkipWithError("parse failed");
}
BENCHMARK(BM_ParseProject)->Unit(benchmark::kMicrosecond);

void BM_WriteGoProgramInMemory(benchmark::State& bench) {
    FullProject p;
    for (auto _ : bench) {
        auto file = zf::WriteGoProgramV2(p.editor);
        benchmark::DoNotOptimize(file.data());
    }
}
BENCHMARK(BM_WriteGoProgramInMemory);

void BM_ReadGoProgram(benchmark::State& bench) {
    FullProject p;
    auto file = zf::WriteGoProgramV2(p.editor);
    QuietUi ui;
    zf::NameTables tables;
    zf::GoEditor editor(ui, tables);
    for (auto _ : bench)
        if (!zf::ReadGoProgramV2(editor, file, "full.gop"))
            bench.SkipWithError("read failed");
}
BENCHMARK(BM_ReadGoProgram);

// A Go Program of n graphic commands (they cost no memory units, so any
// number is legal), as a 2.0 file and as a 0.9 file.
std::vector<std::uint8_t> LongGoProgramV2(int n) {
    std::vector<std::uint8_t> file;
    zf::ContainerWriter out(file, zf::kGoProgramV2Header);
    out.BeginSection();
    zf::GoInstruction header(zf::op::GoProgramHeader);
    header.complete = 1;
    zf::WriteInstructionRecord(out.bytes(), header, 0);
    for (int i = 1; i < n; ++i) {
        zf::GoInstruction in(i % 2 ? zf::op::PenUp : zf::op::FlipZarnik);
        in.complete = 1;
        zf::WriteInstructionRecord(out.bytes(), in, 0);
    }
    out.EndSection(1);
    const std::uint8_t noNames[8] = {};
    out.Section(4, noNames, sizeof noNames);
    const std::vector<std::uint8_t> blank(zf::TextObjectRecord::kStoredSize);
    out.Section(2, blank.data(), blank.size());
    out.Section(3, noNames, sizeof noNames);
    out.Finish();
    return file;
}

std::vector<std::uint8_t> LongGoProgramV09(int n) {
    std::vector<std::uint8_t> file(zf::kFileHeaderSize +
                                   std::size_t(n) * zf::kLegacyInstructionSize);
    std::memcpy(file.data(), zf::kGoProgramV09Header, std::strlen(zf::kGoProgramV09Header));
    for (int i = 0; i < n; ++i) {
        std::uint8_t* record =
            file.data() + zf::kFileHeaderSize + std::size_t(i) * zf::kLegacyInstructionSize;
        record[0] = i == 0 ? zf::op::GoProgramHeader : i % 2 ? zf::op::PenUp : zf::op::FlipZarnik;
        record[6] = 1; // complete
        std::memset(record + 8, 0xFF, 4);
        record[32] = 1; // one line
    }
    return file;
}

// Loading must grow with the program: ten times the instructions, about
// ten times the time (compare the rows of one reader). 262,120 records are
// the most a 16 MiB file holds.
void BM_LoadLongGoProgram(benchmark::State& bench) {
    const int n = static_cast<int>(bench.range(0));
    const auto file = bench.range(1) ? LongGoProgramV09(n) : LongGoProgramV2(n);
    QuietUi ui;
    zf::NameTables tables;
    zf::GoEditor editor(ui, tables);
    for (auto _ : bench)
        if (!zf::OpenGoProgramBytes(editor, file, "long.gop", true))
            bench.SkipWithError("read failed");
    bench.counters["per_instruction_ns"] = benchmark::Counter(
        double(n), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_LoadLongGoProgram)
    ->ArgNames({"n", "v09"})
    ->ArgsProduct({{4096, 40960, 262120}, {0, 1}})
    ->Unit(benchmark::kMillisecond);

// The editor's own appends: n copies put at the end of a list, as file
// loading, Get and moving a definition do.
void BM_AppendInstructions(benchmark::State& bench) {
    const int n = static_cast<int>(bench.range(0));
    QuietUi ui;
    const zf::GoInstruction record(zf::op::PenUp);
    for (auto _ : bench) {
        zf::NameTables tables;
        zf::GoEditor editor(ui, tables);
        for (int i = 0; i < n; ++i)
            editor.InsertCopy(record, zf::GO_LIST);
        benchmark::DoNotOptimize(editor.cursor);
        editor.DestroyProgramList(zf::GO_LIST);
    }
}
BENCHMARK(BM_AppendInstructions)->Arg(4096)->Arg(40960)->Arg(262120)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
