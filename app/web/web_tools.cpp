// The graphics tool bar's commands, through the same core calls as the
// desktop's dialogs and Go Container.
#include "web_session.h"

#include "scene_json.h"

#include "files/file_list.h"
#include "files/picture_library.h"
#include "program/box_input.h"
#include "program/text_object.h"
#include "program/texts.h"
#include "simulation/text_placement.h"
#include "simulation/working_area_dialogs.h"

#include <algorithm>
#include <filesystem>

namespace zf::web {

namespace {

// Texts are stored in Latin-1 with Windows line ends; a character Latin-1
// has not becomes "?", so that the stored text never holds a broken byte.
std::string StoredText(const std::string& utf8) {
    std::string out;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        // A stray continuation byte stands alone, and is no character.
        const int length = c < 0xC0 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
        unsigned code = c < 0x80 ? c : 0x100;
        if (length == 2 && i + 1 < utf8.size())
            code = ((c & 0x1Fu) << 6) | (static_cast<unsigned char>(utf8[i + 1]) & 0x3Fu);
        i += static_cast<std::size_t>(length);
        if (code == '\r')
            continue;
        if (code == '\n')
            out += "\r\n";
        else
            out += code <= 0xFF ? static_cast<char>(code) : '?';
    }
    return out;
}

// The face name as the desktop's font chooser stores it: Latin-1, at most
// 31 letters and a zero; no name keeps the default face.
void SetFace(LogFont& font, const std::string& face) {
    std::string name;
    for (const char c : StoredText(face)) {
        if (static_cast<unsigned char>(c) >= 0x20)
            name += c;
    }
    if (name.empty())
        return;
    name.resize(std::min(name.size(), font.faceName.size() - 1));
    font.faceName.fill(0);
    std::copy(name.begin(), name.end(), font.faceName.begin());
}

std::string BackgroundsFolder(const Project& project) {
    return (std::filesystem::path(project.folder) / "backgnds").string();
}

std::string NameList(const std::vector<std::string>& names, const std::string& folder,
                     const char* scheme) {
    std::string out = "[";
    for (const std::string& name : names) {
        if (out.size() > 1)
            out += ",";
        out += "{\"name\":" + JsonString(name) +
               ",\"src\":" + JsonString(scheme + (std::filesystem::path(folder) / name).string()) +
               "}";
    }
    return out + "]";
}

} // namespace

int WebSession::KeyGraphic(int code, const KeyArgument& argument) {
    if (RunActive()) {
        Warn(ui_, TextId::GoProgramRunning);
        return status::Refused;
    }
    SendKey(code, argument);
    return lastStatus_;
}

std::string WebSession::PositionBoxes() const {
    const zf::PositionBoxes b = PositionBoxesFor(state_, state_.x, state_.y);
    return "{\"up\":" + JsonString(b.up) + ",\"right\":" + JsonString(b.right) +
           ",\"down\":" + JsonString(b.down) + ",\"left\":" + JsonString(b.left) + "}";
}

int WebSession::KeyPosition(const std::string& up, const std::string& right,
                            const std::string& down, const std::string& left) {
    const FloorPoint point = PositionFromBoxes(state_, {up, right, down, left});
    if (CheckZarnikPosition(ui_, state_, point.x, point.y) != 0)
        return status::Refused;
    KeyArgument argument;
    argument.value1 = point.x;
    argument.value2 = point.y;
    return KeyGraphic(key::SetPosition, argument);
}

int WebSession::KeyHeading(const std::string& clockwise) {
    KeyArgument argument;
    argument.value1 = HeadingFromBox(clockwise);
    return KeyGraphic(key::SetHeading, argument);
}

int WebSession::OppositeHeading(const std::string& box) const {
    return zf::OppositeHeading(box);
}

std::string WebSession::Pictures(int category) const {
    return NameList(CategoryPictures(project_, category), CategoryFolderPath(project_, category),
                    "keyed:");
}

int WebSession::KeyPicture(int category, const std::string& name) {
    const int code = CategoryKey(category);
    if (code < 0)
        return status::Refused;
    KeyArgument argument;
    argument.name = name;
    return KeyGraphic(code, argument);
}

int WebSession::KeyTool(int code) {
    if (code != key::PenUp && code != key::FlipZarnik && code != key::FlipStamp)
        return status::Refused;
    return KeyGraphic(code, {});
}

int WebSession::KeyText(const std::string& words, int colour, double points,
                        const std::string& face, int weight, bool italic, bool underline,
                        bool strike, int placement) {
    KeyArgument argument;
    TextObjectRecord text = DefaultTextObject(tables_);
    text.textId = tables_.texts.Add(StoredText(words));
    // The page gives 0xRRGGBB, the record keeps red in the low byte.
    const auto c = static_cast<std::uint32_t>(colour);
    text.colour = ((c >> 16) & 0xFFu) | (c & 0xFF00u) | ((c & 0xFFu) << 16);
    if (points > 0 && points < 1000)
        text.font.height = LogFontHeightForPoints(points);
    SetFace(text.font, face);
    if (weight >= 1 && weight <= 1000)
        text.font.weight = weight;
    text.font.italic = italic ? 1 : 0;
    text.font.underline = underline ? 1 : 0;
    text.font.strikeOut = strike ? 1 : 0;
    if (placement >= 0 && placement <= 10)
        text.placement = placement;
    argument.text = text;
    return KeyGraphic(key::PlaceText, argument);
}

bool WebSession::SetAreaSize(const std::string& width, const std::string& height) {
    if (RefuseWhileRunning(ui_, state_))
        return false;
    const auto size = SizeFromBoxes(ui_, width, height);
    if (!size || ResizeWorkingArea(ui_, state_, trail_, objects_, *size) != ResizeResult::Resized)
        return false;
    WorkingAreaChanged();
    return true;
}

std::string WebSession::Backgrounds() const {
    const std::string folder = BackgroundsFolder(project_);
    const bool shown = !objects_.empty() && objects_[0].kind == objectkind::Background;
    const std::string current = shown ? tables_.names.Get(objects_[0].nameId) : std::string();
    return "{\"current\":" + JsonString(current) +
           ",\"pictures\":" + NameList(ListFolderFiles(folder, ".bmp"), folder, "file:") + "}";
}

bool WebSession::SetBackground(const std::string& name) {
    if (RefuseWhileRunning(ui_, state_))
        return false;
    if (name.empty()) {
        std::vector<GraphicObject> kept;
        for (const auto& object : objects_.objects()) {
            if (object->kind != objectkind::Background)
                kept.push_back(*object);
        }
        objects_.Assign(kept);
    } else {
        const auto names = ListFolderFiles(BackgroundsFolder(project_), ".bmp");
        if (std::find(names.begin(), names.end(), name) == names.end())
            return false;
        objects_.CreateGraphicObject(name, objectkind::Background, state_.floorWidth / 2,
                                     state_.floorHeight / 2, 0, 0, 0, 0);
    }
    ui_.events.repaintFloor = true;
    return true;
}

} // namespace zf::web
