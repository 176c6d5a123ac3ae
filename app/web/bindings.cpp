// The WebSession as the page sees it: numbers, strings, JSON and byte arrays.
#include "web_session.h"

// The display lists, where they are built: they add their own methods.
#if __has_include("scene_json.h")
#include "scene_json.h"
#define ZF_WITH_SCENE 1
#include "web_print.h"
#endif

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <cstdint>
#include <vector>

namespace zf::web {

namespace {

emscripten::val ToBytes(const std::vector<std::uint8_t>& bytes) {
    // A copy the page owns: the module's memory may move as it grows.
    emscripten::val view(emscripten::typed_memory_view(bytes.size(), bytes.data()));
    return emscripten::val::global("Uint8Array").new_(view);
}

std::vector<std::uint8_t> FromBytes(const emscripten::val& array) {
    return emscripten::convertJSArrayToNumberVector<std::uint8_t>(array);
}

bool LoadGop(WebSession& s, const emscripten::val& bytes, const std::string& name) {
    return s.LoadGop(FromBytes(bytes), name);
}

emscripten::val SaveGop(WebSession& s) {
    return ToBytes(s.SaveGop());
}

emscripten::val Snapshot(WebSession& s) {
    return ToBytes(s.Snapshot());
}

bool Restore(WebSession& s, const emscripten::val& bytes) {
    return s.Restore(FromBytes(bytes));
}

// Where the session lies in the module's memory, for the robot link's
// asynchronous exports.
std::uintptr_t Address(WebSession& s) {
    return reinterpret_cast<std::uintptr_t>(&s);
}

emscripten::val Picture(const LibraryPicture& p) {
    if (p.name.empty())
        return emscripten::val::null();
    emscripten::val out = emscripten::val::object();
    out.set("name", p.name);
    out.set("width", p.width);
    out.set("height", p.height);
    out.set("indexes", ToBytes(p.indexes));
    return out;
}

emscripten::val NewPicture(WebSession& s, int category) {
    return Picture(s.NewPicture(category));
}

emscripten::val OpenPicture(WebSession& s, int category, const std::string& name) {
    return Picture(s.OpenPicture(category, name));
}

bool SavePicture(WebSession& s, int category, const std::string& name, int width, int height,
                 const emscripten::val& indexes) {
    return s.SavePicture(category, name, width, height, FromBytes(indexes));
}

std::string AddPicture(WebSession& s, int category, const std::string& name,
                       const emscripten::val& bytes) {
    return s.AddPicture(category, name, FromBytes(bytes));
}

std::string AddPixels(WebSession& s, int category, const std::string& name, int width, int height,
                      const emscripten::val& indexes) {
    return s.AddPixels(category, name, width, height, FromBytes(indexes));
}

bool OpenLesson(WebSession& s, const emscripten::val& bytes, const std::string& name) {
    return s.OpenLesson(FromBytes(bytes), name);
}

emscripten::val SaveLesson(WebSession& s) {
    return ToBytes(s.SaveLesson());
}

bool RestoreLessonFolder(WebSession& s, const emscripten::val& bytes, const std::string& folder) {
    return s.RestoreLessonFolder(FromBytes(bytes), folder);
}

} // namespace

EMSCRIPTEN_BINDINGS(zarnikfield) {
    const auto& session = emscripten::class_<WebSession>("WebSession");
    session.constructor<>()
        .function("key", &WebSession::Key)
        .function("keyboardKey", &WebSession::KeyboardKey)
        .function("clickList", &WebSession::ClickList)
        .function("run", &WebSession::Run)
        .function("stop", &WebSession::Stop)
        .function("continueRun", &WebSession::Continue)
        .function("step", &WebSession::Step)
        .function("reset", &WebSession::Reset)
        .function("setSpeed", &WebSession::SetSpeed)
        .function("setSound", &WebSession::SetSound)
        .function("setAnswer", &WebSession::SetAnswer)
        .function("nextDue", &WebSession::NextDue)
        .function("pump", &WebSession::Pump)
        .function("takeEvents", &WebSession::TakeEvents)
        .function("listLineCount", &WebSession::ListLineCount)
        .function("cursorLine", &WebSession::CursorLine)
        .function("floorSize", &WebSession::FloorSize)
        .function("robot", &WebSession::Robot)
        .function("newProgram", &WebSession::NewProgram)
        .function("loadGop", &LoadGop)
        .function("saveGop", &SaveGop)
        .function("openActivity", &WebSession::OpenActivity)
        .function("activities", &WebSession::Activities)
        .function("snapshot", &Snapshot)
        .function("restore", &Restore)
        .function("openLesson", &OpenLesson)
        .function("saveLesson", &SaveLesson)
        .function("lessonName", &WebSession::LessonName)
        .function("projectFolder", &WebSession::ProjectFolder)
        .function("restoreLessonFolder", &RestoreLessonFolder)
        .function("positionBoxes", &WebSession::PositionBoxes)
        .function("keyPosition", &WebSession::KeyPosition)
        .function("keyHeading", &WebSession::KeyHeading)
        .function("oppositeHeading", &WebSession::OppositeHeading)
        .function("pictures", &WebSession::Pictures)
        .function("keyPicture", &WebSession::KeyPicture)
        .function("keyTool", &WebSession::KeyTool)
        .function("keyText", &WebSession::KeyText)
        .function("setAreaSize", &WebSession::SetAreaSize)
        .function("backgrounds", &WebSession::Backgrounds)
        .function("setBackground", &WebSession::SetBackground)
        .function("dragPress", &WebSession::DragPress)
        .function("dragMove", &WebSession::DragMove)
        .function("dragRelease", &WebSession::DragRelease)
        .function("dragUnder", &WebSession::DragUnder)
        .function("dragPossible", &WebSession::DragPossible)
        .function("clearObjectAt", &WebSession::ClearObjectAt)
        .function("dropPicture", &WebSession::DropPicture)
        .function("dropPictureOnRobot", &WebSession::DropPictureOnRobot)
        .function("paintPalette", &WebSession::PaintPalette)
        .function("newPicture", &NewPicture)
        .function("openPicture", &OpenPicture)
        .function("savePicture", &SavePicture)
        .function("addPicture", &AddPicture)
        .function("addPixels", &AddPixels)
        .function("address", &Address)
        .function("setLinkReport", &WebSession::SetLinkReport)
        .function("takeLinkReport", &WebSession::TakeLinkReport)
        .function("setLinkDevice", &WebSession::SetLinkDevice)
        .function("setLinkTimeouts", &WebSession::SetLinkTimeouts);
#ifdef ZF_WITH_SCENE
    BindScene(session);
    BindPrint(session);
#endif
}

} // namespace zf::web
