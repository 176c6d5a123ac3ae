// Lesson files on the page: the same archive the desktop opens and saves.
#include "web_session.h"

#include "files/file_list.h"
#include "files/lesson_file.h"
#include "files/paths.h"
#include "program/instruction.h"

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <algorithm>
#include <filesystem>

namespace zf::web {

namespace {

// Every lesson the page opens is unpacked under here.
constexpr const char* kLessonsFolder = "/work/lessons";

std::string Stem(const std::string& name) {
    const std::string plain = FileNamePart(name);
    const std::size_t dot = plain.rfind('.');
    return dot == std::string::npos || dot == 0 ? plain : plain.substr(0, dot);
}

// A reloaded page reopens its work as "snapshot.zfp" beside the lesson's
// own project file, whose name the lesson keeps.
std::string LessonProjectName(const Project& project) {
    if (project.fileName != "snapshot.zfp")
        return project.fileName;
    std::vector<std::string> others = ListFolderFiles(project.folder, ".zfp");
    std::erase(others, project.fileName);
    return others.size() == 1 ? others.front() : project.fileName;
}

std::vector<std::uint8_t> Bytes(const emscripten::val& array) {
    return emscripten::convertJSArrayToNumberVector<std::uint8_t>(array);
}

emscripten::val ToArray(const std::vector<std::uint8_t>& bytes) {
    emscripten::val view(emscripten::typed_memory_view(bytes.size(), bytes.data()));
    return emscripten::val::global("Uint8Array").new_(view);
}

// A lesson folder the page read ([{name, bytes}], names as the archive has
// them) as a lesson file: its project and the Go Program that project
// names, never the folder's other programs, and its pictures.
emscripten::val PackLessonFiles(const emscripten::val& files) {
    std::vector<LessonEntry> entries;
    std::string program;
    const auto count = files["length"].as<unsigned>();
    for (unsigned i = 0; i < count; ++i) {
        LessonEntry entry{files[i]["name"].as<std::string>(), Bytes(files[i]["bytes"])};
        ProjectData data;
        if (entry.name.ends_with(".zfp") && ParseProjectV2(entry.bytes, data))
            program = FileNamePart(ToNativePath(data.goProgram));
        entries.push_back(std::move(entry));
    }
    std::erase_if(entries, [&](const LessonEntry& e) {
        return e.name.find('/') == std::string::npos && e.name.ends_with(".gop") &&
               e.name != program;
    });
    return ToArray(WriteLessonFile(std::move(entries)));
}

// A lesson file's files ([{name, bytes}]) for writing as a folder; an empty
// array for a file that is none.
emscripten::val LessonFiles(const emscripten::val& bytes) {
    std::vector<LessonEntry> entries;
    emscripten::val out = emscripten::val::array();
    if (!ReadLessonFile(Bytes(bytes), entries).ok())
        return out;
    for (const LessonEntry& entry : entries) {
        emscripten::val file = emscripten::val::object();
        file.set("name", entry.name);
        file.set("bytes", ToArray(entry.bytes));
        out.call<void>("push", file);
    }
    return out;
}

} // namespace

EMSCRIPTEN_BINDINGS(zarnikfield_lessons) {
    emscripten::function("packLessonFiles", &PackLessonFiles);
    emscripten::function("lessonFiles", &LessonFiles);
}

bool WebSession::OpenLesson(const std::vector<std::uint8_t>& bytes, const std::string& name) {
    if (RunActive()) {
        Warn(ui_, TextId::NoProjectWhileRunning);
        return false;
    }
    const std::string plain = FileNamePart(name);
    ProjectScene scene = Scene();
    const bool opened =
        OpenLessonBytes(scene, bytes, plain.empty() ? "lesson.zfl" : plain, kLessonsFolder);
    ui_.events.repaintFloor = true;
    ProgramReplaced();
    return opened;
}

std::string WebSession::LessonName() const {
    const std::string stem = Stem(LessonProjectName(project_));
    return (stem.empty() ? "lesson" : stem) + kLessonExtension;
}

std::vector<std::uint8_t> WebSession::SaveLesson() {
    const std::string kept = project_.fileName;
    project_.fileName = LessonProjectName(project_);
    ProjectScene scene = Scene();
    std::vector<std::uint8_t> bytes = PackLesson(scene, LessonName());
    project_.fileName = kept;
    return bytes;
}

bool WebSession::RestoreLessonFolder(const std::vector<std::uint8_t>& bytes,
                                     const std::string& folder) {
    // Only a folder inside the work folder: a lesson's, under the lessons,
    // or an activity's copy, with the pictures added to it.
    const std::filesystem::path given(folder);
    const std::filesystem::path path = given.lexically_normal();
    const std::filesystem::path inside = path.lexically_relative(kWorkFolder);
    bool plain = !inside.empty() && std::find(given.begin(), given.end(), "..") == given.end();
    for (const std::filesystem::path& part : inside)
        plain = plain && (part.empty() || part == "." || IsPlainFileName(part.string()));
    std::vector<LessonEntry> entries;
    if (!plain || !ReadLessonFile(bytes, entries).ok())
        return false;
    std::error_code error;
    std::filesystem::create_directories(path, error);
    return !error && !UnpackLesson(entries, path.string()).empty();
}

} // namespace zf::web
