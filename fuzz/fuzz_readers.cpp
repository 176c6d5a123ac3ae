// One reader per target, chosen when the target is built. The input's
// header is forced to the reader's own, so that the fuzzer spends its time
// past the header check.
#include "files/go_program_file.h"
#include "files/ini_file.h"
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

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static QuietInterface ui;
    // Names and texts of every input would pile up in the process-wide tables.
    zf::ResetTables();
#if defined(ZF_FUZZ_READER_gop_v2)
    zf::GoEditor editor(ui);
    zf::ReadGoProgramV2(editor, WithHeader(data, size, zf::kGoProgramV2Header), "fuzz.gop");
#elif defined(ZF_FUZZ_READER_gop_v1)
    zf::GoEditor editor(ui);
    zf::ReadGoProgramV1(editor, WithHeader(data, size, zf::kGoProgramV1Header), true);
#elif defined(ZF_FUZZ_READER_gop_v09)
    zf::GoEditor editor(ui);
    zf::ReadGoProgramV09(editor, WithHeader(data, size, zf::kGoProgramV09Header), true);
#elif defined(ZF_FUZZ_READER_project_v2)
    zf::ProjectData project;
    zf::ParseProjectV2(WithHeader(data, size, zf::kProjectV2Header), project);
#elif defined(ZF_FUZZ_READER_project_v1)
    zf::ProjectData project;
    zf::ParseProjectV1(WithHeader(data, size, zf::kProjectV1Header), project);
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
