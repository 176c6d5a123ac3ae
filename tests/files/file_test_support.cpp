#include "file_test_support.h"

#include "files/go_program_file.h"
#include "files/project_folder.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <grp.h>
#include <iterator>
#include <sys/wait.h>
#include <unistd.h>

namespace zf::test {

TempFolder::TempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "zf-files-XXXXXX").string();
    if (char* made = ::mkdtemp(pattern.data()))
        path_ = made;
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    if (!path_.empty())
        std::filesystem::remove_all(path_, ignored);
}

bool WithoutRights(const std::function<bool()>& check) {
    if (::geteuid() != 0)
        return check();
    const pid_t child = ::fork();
    if (child == 0) {
        constexpr uid_t kNobody = 65534;
        const bool dropped =
            ::setgroups(0, nullptr) == 0 && ::setgid(kNobody) == 0 && ::setuid(kNobody) == 0;
        ::_exit(dropped && check() ? 0 : 1);
    }
    int status = 0;
    return child > 0 && ::waitpid(child, &status, 0) == child && WIFEXITED(status) &&
           WEXITSTATUS(status) == 0;
}

ScopedEnv::~ScopedEnv() {
    for (auto it = saved_.rbegin(); it != saved_.rend(); ++it)
        it->second ? ::setenv(it->first.c_str(), it->second->c_str(), 1)
                   : ::unsetenv(it->first.c_str());
}

void ScopedEnv::Set(const char* name, const std::string& value) {
    Remember(name);
    ::setenv(name, value.c_str(), 1);
}

void ScopedEnv::Unset(const char* name) {
    Remember(name);
    ::unsetenv(name);
}

void ScopedEnv::Remember(const char* name) {
    const char* old = std::getenv(name);
    saved_.emplace_back(name, old ? std::optional<std::string>(old) : std::nullopt);
}

void MakeProjectFolder(const std::string& folder) {
    for (const char* sub : kProjectSubFolders)
        std::filesystem::create_directories(folder + "/" + sub);
}

bool FillScene(WorkingArea& area, const std::string& goProgram) {
    ProjectScene scene = area.Scene();
    SetFloorSize(scene, 12, 8);
    SetZarnikShape(scene, "a.bmp");
    SetZarnikPosition(scene, 1650, 450);
    SetZarnikHeading(scene, 359);
    MirrorZarnik(scene);
    for (int i = 0; i < 3; ++i)
        area.trail.SetTrailPoint({100 * i, 200 * i, static_cast<std::int16_t>(i - 1)}, i);
    SetBackground(scene, "park.bmp");
    area.objects.CreateGraphicObject("tree.bmp", objectkind::Stamp, 300, 600, 35, 0, 1, 4);
    TextObjectRecord record;
    record.textId = area.tables.texts.Add("Start here");
    record.placement = 2;
    record.colour = 0x00FF00;
    const auto bytes = record.ToBytes();
    const auto index = static_cast<std::int32_t>(area.tables.textObjects.Add(bytes.data()));
    area.objects.CreateGraphicObject("", objectkind::Text, 900, 1200, index, 2, 0, 0);
    area.editor.NewInstruction(op::Forward)->digits[0] = 2;
    return SaveGoProgramAs(area.editor, goProgram);
}

void WriteBytesTo(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<long>(bytes.size()));
}

std::vector<std::uint8_t> BytesOf(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void Put16(std::vector<std::uint8_t>& b, std::size_t at, std::uint16_t v) {
    b.at(at) = static_cast<std::uint8_t>(v);
    b.at(at + 1) = static_cast<std::uint8_t>(v >> 8);
}

void Put32(std::vector<std::uint8_t>& b, std::size_t at, std::uint32_t v) {
    Put16(b, at, static_cast<std::uint16_t>(v));
    Put16(b, at + 2, static_cast<std::uint16_t>(v >> 16));
}

std::uint16_t Get16(const std::vector<std::uint8_t>& b, std::size_t at) {
    return static_cast<std::uint16_t>(b.at(at) | b.at(at + 1) << 8);
}

std::uint32_t Get32(const std::vector<std::uint8_t>& b, std::size_t at) {
    return Get16(b, at) | std::uint32_t(Get16(b, at + 2)) << 16;
}

void PutText(std::vector<std::uint8_t>& b, std::size_t at, const std::string& text) {
    for (std::size_t i = 0; i < text.size(); ++i)
        b.at(at + i) = static_cast<std::uint8_t>(text[i]);
}

namespace {

// Little-endian fields, each at its offset.
void Put16s(std::vector<std::uint8_t>& b,
            std::initializer_list<std::pair<std::size_t, int>> fields) {
    for (const auto& [at, value] : fields)
        Put16(b, at, static_cast<std::uint16_t>(value));
}

} // namespace

std::vector<std::uint8_t> LegacyRecord(std::uint8_t opcode, std::initializer_list<std::uint8_t> d,
                                       std::int16_t value1, const std::string& name) {
    std::vector<std::uint8_t> r(42, 0);
    r[0] = opcode;
    std::fill_n(r.begin() + 8, 4, kNoDigit);
    std::copy(d.begin(), d.end(), r.begin() + 8);
    Put16s(r, {{6, 1}, {12, value1}, {32, 1}});
    PutText(r, 16, name);
    return r;
}

std::vector<std::uint8_t> LegacyFile(const std::string& header,
                                     const std::vector<std::vector<std::uint8_t>>& records) {
    std::vector<std::uint8_t> file(80, 0);
    PutText(file, 0, header);
    Put16s(file, {{30, 6}, {32, static_cast<int>(records.size())}, {34, 42}});
    for (const auto& r : records)
        file.insert(file.end(), r.begin(), r.end());
    return file;
}

std::vector<std::uint8_t> LabelRecord(const std::string& text, std::int16_t x) {
    std::vector<std::uint8_t> label(378, 0);
    PutText(label, 2, text);
    PutText(label, 321, "Times New Roman");
    label[313] = 1; // italic
    Put32(label, 354, 0x0000FF);
    Put16s(label, {{303, -24}, {311, 700}, {366, 2}, {368, x}, {370, 900}});
    return label;
}

std::vector<std::uint8_t> V1Project(const std::string& folder) {
    std::vector<std::uint8_t> file(398, 0);
    PutText(file, 0, kProjectV1Header);
    PutText(file, 80, folder);
    PutText(file, 80 + 261, "b.bmp");
    PutText(file, 80 + 290, "walk.gop");
    // Two trail points of 6 bytes, two objects of 38; the robot; the options.
    Put16s(file, {{32, 2}, {34, 6}, {36, 2}, {38, 38}, {80 + 277, 20}, {80 + 279, 0}});
    Put16s(file, {{80 + 281, 750}, {80 + 283, 1050}, {80 + 286, 90}, {80 + 288, 1}});
    Put16s(file, {{383, 3}, {385, 1}, {387, 0}, {389, 0}, {391, 0}, {393, 3}});
    std::vector<std::uint8_t> rest(2 * 6 + 2 * 38 + 378, 0);
    PutText(rest, 12, "tree.bmp");
    PutText(rest, 88 + 2, "Hello");
    // The trail, a stamp, a text on label 1, and the label.
    Put16s(rest, {{0, 150}, {2, 300}, {4, 0xFFFF}, {6, 450}, {8, 300}, {10, 2}});
    Put16s(rest, {{12 + 16, 2}, {12 + 24, 600}, {50 + 16, 3}, {50 + 18, 1}, {50 + 26, 900}});
    Put16(rest, 88 + 366, 4);
    file.insert(file.end(), rest.begin(), rest.end());
    return file;
}

} // namespace zf::test
