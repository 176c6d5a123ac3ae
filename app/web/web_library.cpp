// The Graphics Library in the page: pictures dropped on the working area,
// added from disk and painted in the page, through the desktop's own calls.
#include "web_session.h"

#include "scene_json.h"

#include "files/bitmap.h"
#include "files/file_list.h"
#include "files/palette.h"
#include "files/paths.h"
#include "files/picture_library.h"
#include "files/project_folder.h"
#include "program/instruction.h"

#include <cctype>
#include <cstdio>
#include <filesystem>

namespace zf::web {

namespace {

// The paint tool's colours: the sixteen of the classic colour box, all of
// them system colours of the application palette.
constexpr int kPaintColours[16] = {0, 1, 2, 3, 4, 5, 6, 7, 248, 249, 250, 251, 252, 253, 254, 255};

// Longest stem kept from a name the page gives: names are stored in
// programs and projects, and shown under a thumbnail.
constexpr std::size_t kMaxStem = 40;

// A stem the library can show and a program can store: the page's file
// name without folder or extension, kept to plain letters, digits, blanks,
// '-' and '_'; "picture" when nothing is left.
std::string PictureStem(const std::string& given) {
    std::string stem;
    for (const char c : std::filesystem::path(given).filename().stem().string()) {
        const auto u = static_cast<unsigned char>(c);
        if (stem.empty() && c == ' ')
            continue;
        if (std::isalnum(u) || c == ' ' || c == '-' || c == '_')
            stem += c;
        if (stem.size() == kMaxStem)
            break;
    }
    while (!stem.empty() && stem.back() == ' ')
        stem.pop_back();
    return stem.empty() ? "picture" : stem;
}

bool IsLibraryName(const std::string& name) {
    if (name.size() <= 4 || !IsPlainFileName(name))
        return false;
    std::string extension = name.substr(name.size() - 4);
    for (char& c : extension)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return extension == ".bmp";
}

std::string Hex(const PaletteEntry& e) {
    char out[8];
    std::snprintf(out, sizeof out, "#%02x%02x%02x", e.red, e.green, e.blue);
    return out;
}

} // namespace

int WebSession::DropPicture(int category, const std::string& name, int x, int y) {
    const FloorRegion area = AreaRegion(state_, state_.zoom);
    std::int16_t pen = 0;
    const LibraryDrop drop = DropLibraryPicture(ui_, state_, objects_, category, name, x, y,
                                                area.width, area.height, &pen);
    if (drop == LibraryDrop::ShapeChanged || drop == LibraryDrop::StampPlaced)
        ui_.events.repaintFloor = true;
    return static_cast<int>(drop);
}

int WebSession::DropPictureOnRobot(int category, const std::string& name) {
    return DropPicture(category, name, MmToPixels(state_, state_.x), MmToPixels(state_, state_.y));
}

std::string WebSession::PaintPalette() const {
    std::string palette = "[";
    for (const PaletteEntry& e : AppPalette())
        palette += (palette.size() > 1 ? ",\"" : "\"") + Hex(e) + "\"";
    std::string colours = "[";
    for (const int i : kPaintColours)
        colours += (colours.size() > 1 ? "," : "") + std::to_string(i);
    return "{\"palette\":" + palette + "],\"colours\":" + colours +
           "],\"transparent\":" + std::to_string(kPaletteMagenta) + "}";
}

LibraryPicture WebSession::NewPicture(int category) const {
    const std::string path = NewPicturePath(project_, category);
    if (path.empty())
        return {};
    const int side = 100;
    const int mode = category == library::Shapes ? kSaveCircleTemplate : kSaveTransparent;
    return {std::filesystem::path(path).filename().string(), side, side,
            TemplatePixels(side, side, mode)};
}

LibraryPicture WebSession::OpenPicture(int category, const std::string& name) const {
    if (!IsLibraryName(name))
        return {};
    const auto bitmap = LoadPackedBitmap(CategoryPicturePath(project_, category, name));
    if (!bitmap)
        return {};
    return {name, bitmap->Width(), bitmap->Height(), ReduceToAppPalette(bitmap->RgbPixels())};
}

bool WebSession::SavePicture(int category, const std::string& name, int width, int height,
                             const std::vector<std::uint8_t>& indexes) {
    const std::string path =
        IsLibraryName(name) ? CategoryPicturePath(project_, category, name) : std::string();
    if (path.empty() || !PictureSizeAllowed(width, height) ||
        indexes.size() != static_cast<std::size_t>(width) * static_cast<std::size_t>(height))
        return false;
    CreateFolders(CategoryFolderPath(project_, category));
    if (!WriteBitmap8File(ui_, path, width, height, indexes))
        return false;
    // The working area may show the picture: it is drawn afresh.
    ui_.events.repaintFloor = true;
    return true;
}

std::string WebSession::AddPixels(int category, const std::string& fileName, int width, int height,
                                  const std::vector<std::uint8_t>& indexes) {
    const std::string folder = CategoryFolderPath(project_, category);
    if (folder.empty())
        return {};
    // A picture added never replaces one of the project's own.
    const std::string name = FreeFileName(folder, PictureStem(fileName), ".bmp");
    return SavePicture(category, name, width, height, indexes) ? name : std::string();
}

std::string WebSession::AddPicture(int category, const std::string& fileName,
                                   const std::vector<std::uint8_t>& bytes) {
    const auto bitmap = ParseBitmapFile(bytes);
    if (!bitmap)
        return {};
    return AddPixels(category, fileName, bitmap->Width(), bitmap->Height(),
                     ReduceToAppPalette(bitmap->RgbPixels()));
}

} // namespace zf::web
