#include "commands.h"
#include "conventions.h"
#include "language.h"

#include "files/file_io.h"
#include "files/go_program_file.h"
#include "files/ini_file.h"
#include "files/paths.h"
#include "files/project_file.h"
#include "program/editor.h"
#include "program/key_sequence.h"
#include "program/printing_ui.h"

#include <cstdio>

namespace zfield {

namespace {

// A text on one line: line breaks written as \n, quotes escaped.
std::string Quoted(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '\n')
            out += "\\n";
        else if (c == '"' || c == '\\')
            out += std::string("\\") + c;
        else if (c != '\r')
            out += c;
    }
    return zf::Printable(out + "\"");
}

const char* KindName(std::uint16_t kind) {
    switch (kind) {
    case zf::objectkind::Background:
        return "background";
    case zf::objectkind::Stamp:
        return "stamp";
    default:
        return "text";
    }
}

const char* FormName(zf::ProjectForm form) {
    switch (form) {
    case zf::ProjectForm::V2:
        return "2.0";
    case zf::ProjectForm::V1:
        return "1.0";
    default:
        return "ini";
    }
}

void PrintProject(const zf::ProjectData& p) {
    std::printf("project: %s\n", FormName(p.form));
    std::printf("floor size: %d x %d\n", p.floorWidthSteps, p.floorHeightSteps);
    std::printf("position: %d %d\n", p.x, p.y);
    std::printf("heading: %d\n", p.heading);
    // Names and texts come from the file: none may steer the terminal.
    std::printf("shape: %s\n", zf::Printable(p.shape).c_str());
    std::printf("flip: %u\n", p.mirrored);
    std::printf("go program: %s\n", zf::Printable(p.goProgram).c_str());
    std::printf("project folder: %s\n", zf::Printable(p.folder).c_str());
    if (p.form == zf::ProjectForm::Ini)
        std::printf("background: %s\n", zf::Printable(p.background).c_str());
    std::printf("trail: %zu\n", p.trail.size());
    for (const zf::TrailPoint& t : p.trail)
        std::printf("%d %d %d\n", t.x, t.y, t.style);
    std::printf("objects: %zu\n", p.objects.size());
    for (const zf::ProjectObject& o : p.objects) {
        std::string what = o.kind == zf::objectkind::Text ? Quoted(o.text) : zf::Printable(o.name);
        std::printf("%s %s at %d %d params %d %d %d\n", KindName(o.kind), what.c_str(), o.x, o.y,
                    o.param1, o.param2, o.param3);
    }
}

} // namespace

// Reads a project of any form without applying it; false, with the
// message a load would show, when the file is none.
bool ReadProjectData(zf::UserInterface& ui, const std::string& path,
                     const std::vector<std::uint8_t>& bytes, zf::ProjectData& data) {
    const std::string header = zf::HeaderText(bytes);
    bool ok = false;
    if (bytes.size() >= zf::kFileHeaderSize && header == zf::kProjectV2Header) {
        ok = zf::ParseProjectV2(bytes, data);
    } else if (bytes.size() >= zf::kFileHeaderSize && header == zf::kProjectV1Header) {
        ok = zf::ParseProjectV1(bytes, data);
    } else {
        zf::IniFile ini = zf::IniFile::Parse(
            std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
        ok = zf::CheckIfZFieldProjectIni(ini);
        if (ok) {
            data = zf::ParseProjectIni(ini);
            ok = zf::ProjectDataLoadable(data);
        }
    }
    if (!ok)
        zf::Warn(ui, zf::TextId::NotAProjectFile, {path});
    return ok;
}

bool IsProjectFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    const std::string header = zf::HeaderText(bytes);
    if (header == zf::kProjectV2Header || header == zf::kProjectV1Header)
        return true;
    // A damaged project still is one by its name.
    if (path.size() >= 4 && zf::EqualsIgnoringCase(path.substr(path.size() - 4), ".zfp"))
        return true;
    return !header.starts_with(zf::kGoProgramBareHeader) &&
           zf::CheckIfZFieldProjectIni(zf::IniFile::Parse(
               std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size())));
}

int ShowCommand(const Args& args) {
    if (args.size() != 1)
        return Fail(kExitUsage, "show", QT_TRANSLATE_NOOP("zfield", "one file is needed"));
    if (!NonEmptyFileName("show", "FILE", args[0]))
        return kExitUsage;
    const std::string& path = args[0];
    zf::PrintingUi ui(stderr);
    std::vector<std::uint8_t> bytes;
    zf::ReadResult read = zf::ReadWholeFile(path, bytes);
    if (read == zf::ReadResult::Ok && IsProjectFile(path, bytes)) {
        zf::ProjectData data;
        if (!ReadProjectData(ui, path, bytes, data))
            return kExitFailed;
        PrintProject(data);
        return kExitOk;
    }
    zf::NameTables tables;
    zf::GoEditor editor(ui, tables);
    if (!zf::OpenGoProgram(editor, path, true))
        return kExitFailed;
    std::fputs(zf::FormatLists(editor).c_str(), stdout);
    return kExitOk;
}

} // namespace zfield
