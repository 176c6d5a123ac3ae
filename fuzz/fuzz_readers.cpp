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
    void WarningBox(int, const std::string&) override {}
    zf::Answer Ask(int, const std::string&, zf::Buttons) override { return zf::Answer::No; }
};

std::vector<std::uint8_t> WithHeader(const std::uint8_t* data, std::size_t size,
                                     const char* header) {
    std::vector<std::uint8_t> file(data, data + size);
    if (file.size() >= zf::kFileHeaderSize)
        std::memcpy(file.data(), header, std::strlen(header) + 1);
    return file;
}

// Whatever a reader took, no picture name leads out of the project.
void CheckNames(const zf::GoEditor& editor) {
    for (int list : {zf::GO_LIST, zf::PROC_LIST})
        for (const zf::GoInstruction* in = editor.Head(list); in; in = in->next)
            if ((in->opcode == zf::op::SetShape || in->opcode == zf::op::PlaceStamp ||
                 in->opcode == zf::op::PenDown) &&
                !zf::IsPlainFileName(zf::NameTable().Get(in->nameId)))
                __builtin_trap();
}

void CheckNames(const zf::ProjectData& project) {
    if (!zf::IsPlainFileName(project.shape) || !zf::IsPlainFileName(project.background) ||
        zf::ClimbsOut(project.goProgram))
        __builtin_trap();
    for (const zf::ProjectObject& o : project.objects)
        if (!zf::IsPlainFileName(o.name))
            __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static QuietInterface ui;
    // Names and texts of every input would pile up in the process-wide tables.
    zf::ResetTables();
#if defined(ZF_FUZZ_READER_gop_v2)
    zf::GoEditor editor(ui);
    zf::ReadGoProgramV2(editor, WithHeader(data, size, zf::kGoProgramV2Header), "fuzz.gop");
    CheckNames(editor);
#elif defined(ZF_FUZZ_READER_gop_v1)
    zf::GoEditor editor(ui);
    zf::ReadGoProgramV1(editor, WithHeader(data, size, zf::kGoProgramV1Header), true);
    CheckNames(editor);
#elif defined(ZF_FUZZ_READER_gop_v09)
    zf::GoEditor editor(ui);
    zf::ReadGoProgramV09(editor, WithHeader(data, size, zf::kGoProgramV09Header), true);
    CheckNames(editor);
#elif defined(ZF_FUZZ_READER_project_v2)
    zf::ProjectData project;
    if (zf::ParseProjectV2(WithHeader(data, size, zf::kProjectV2Header), project))
        CheckNames(project);
#elif defined(ZF_FUZZ_READER_project_v1)
    zf::ProjectData project;
    if (zf::ParseProjectV1(WithHeader(data, size, zf::kProjectV1Header), project))
        CheckNames(project);
#elif defined(ZF_FUZZ_READER_project_ini)
    zf::IniFile ini =
        zf::IniFile::Parse(std::string_view(reinterpret_cast<const char*>(data), size));
    zf::CheckIfZFieldProjectIni(ini);
    zf::ProjectData project = zf::ParseProjectIni(ini);
    ini.SetString("zarnik pos", "x", project.shape);
    zf::IniFile::Parse(ini.Text());
#endif
    return 0;
}
