// One reader per target, chosen when the target is built. The input's
// header is forced to the reader's own, so that the fuzzer spends its time
// past the header check.
#include "files/go_program_file.h"
#include "files/ini_file.h"
#include "files/paths.h"
#include "files/project_file.h"
#include "program/editor.h"

#include <cstdint>
#include <cstring>
#include <span>
#include <string_view>
#include <vector>

namespace {

class QuietInterface : public zf::UserInterface {
  public:
    void WarningBox(zf::TextId, const std::string&) override {}
    zf::Answer Ask(zf::TextId, const std::string&, zf::Buttons) override { return zf::Answer::No; }
};

std::vector<std::uint8_t> WithHeader(const std::uint8_t* data, std::size_t size,
                                     const char* header) {
    std::vector<std::uint8_t> file(data, data + size);
    if (file.size() >= zf::kFileHeaderSize)
        std::memcpy(file.data(), header, std::strlen(header) + 1);
    return file;
}

int CountInstructions(const zf::GoEditor& editor) {
    int count = 0;
    for (int list : {zf::GO_LIST, zf::PROC_LIST})
        for (const zf::GoInstruction* in = editor.Head(list); in; in = in->next)
            ++count;
    return count;
}

// Whatever a reader took, no picture name leads out of the project, every
// opcode is one the program defines, and saving it gives a file that reads
// back whole.
void CheckLoaded(const zf::GoEditor& editor) {
    for (int list : {zf::GO_LIST, zf::PROC_LIST})
        for (const zf::GoInstruction* in = editor.Head(list); in; in = in->next)
            if (!zf::IsDefinedOpcode(in->opcode) ||
                ((in->opcode == zf::op::SetShape || in->opcode == zf::op::PlaceStamp ||
                  in->opcode == zf::op::PenDown) &&
                 !zf::IsPlainFileName(editor.tables().names.Get(in->nameId))))
                __builtin_trap();
    static QuietInterface ui;
    zf::NameTables againTables;
    zf::GoEditor again(ui, againTables);
    if (!zf::ReadGoProgramV2(again, zf::WriteGoProgramV2(editor), "again.gop") ||
        CountInstructions(again) != CountInstructions(editor))
        __builtin_trap();
}

// A project a reader took keeps its names in the project, and the 2.0 file
// made of it reads back with the same numbers.
void CheckLoaded(const zf::ProjectData& project) {
    if (!zf::IsPlainFileName(project.shape) || !zf::IsPlainFileName(project.background) ||
        zf::ClimbsOut(project.goProgram))
        __builtin_trap();
    for (const zf::ProjectObject& o : project.objects)
        if (!zf::IsPlainFileName(o.name))
            __builtin_trap();
    zf::ProjectData again;
    if (!zf::ParseProjectV2(zf::WriteProjectV2(project), again) || again.x != project.x ||
        again.y != project.y || again.heading != project.heading ||
        again.objects.size() != project.objects.size() ||
        // Names are held up to their first zero byte, the file's or not.
        again.shape != project.shape.c_str())
        __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static QuietInterface ui;
#if defined(ZF_FUZZ_READER_gop_v2)
    zf::NameTables tables;
    zf::GoEditor editor(ui, tables);
    zf::ReadGoProgramV2(editor, WithHeader(data, size, zf::kGoProgramV2Header), "fuzz.gop");
    CheckLoaded(editor);
#elif defined(ZF_FUZZ_READER_gop_v1)
    zf::NameTables tables;
    zf::GoEditor editor(ui, tables);
    zf::ReadGoProgramV1(editor, WithHeader(data, size, zf::kGoProgramV1Header), true);
    CheckLoaded(editor);
#elif defined(ZF_FUZZ_READER_gop_v09)
    zf::NameTables tables;
    zf::GoEditor editor(ui, tables);
    zf::ReadGoProgramV09(editor, WithHeader(data, size, zf::kGoProgramV09Header), true);
    CheckLoaded(editor);
#elif defined(ZF_FUZZ_READER_project_v2)
    zf::ProjectData project;
    if (zf::ParseProjectV2(WithHeader(data, size, zf::kProjectV2Header), project))
        CheckLoaded(project);
#elif defined(ZF_FUZZ_READER_project_v1)
    zf::ProjectData project;
    if (zf::ParseProjectV1(WithHeader(data, size, zf::kProjectV1Header), project))
        CheckLoaded(project);
#elif defined(ZF_FUZZ_READER_project_ini)
    zf::IniFile ini =
        zf::IniFile::Parse(std::string_view(reinterpret_cast<const char*>(data), size));
    const bool isProject = zf::CheckIfZFieldProjectIni(ini);
    zf::ProjectData project = zf::ParseProjectIni(ini);
    if (isProject && zf::ProjectDataLoadable(project))
        CheckLoaded(project);
    ini.SetString("zarnik pos", "x", project.shape);
    zf::IniFile::Parse(ini.Text());
#endif
    return 0;
}
