#include "files/picture_library.h"

#include "files/file_list.h"

#include "files/bitmap.h"
#include "files/paths.h"
#include "files/project_folder.h"
#include "program/instruction.h"
#include "program/key_entry.h"
#include "program/string_table.h"

#include <algorithm>
#include <cstdlib>

namespace zf {

const char* CategoryFolder(int category) {
    switch (category) {
    case library::Shapes:
        return "zarniks";
    case library::Stamps:
        return "objects";
    case library::Pens:
        return "pens";
    default:
        return nullptr;
    }
}

int CategoryKey(int category) {
    switch (category) {
    case library::Shapes:
        return key::SetShape;
    case library::Stamps:
        return key::PlaceStamp;
    case library::Pens:
        return key::PenDown;
    default:
        return -1;
    }
}

std::vector<std::string> CategoryPictures(const Project& project, int category) {
    const char* folder = CategoryFolder(category);
    return folder ? FolderFileNames(project, folder, "*.bmp") : std::vector<std::string>();
}

std::string CategoryFolderPath(const Project& project, int category) {
    const char* folder = CategoryFolder(category);
    return folder ? ResolvePath(project.folder + folder) : std::string();
}

std::string CategoryPicturePath(const Project& project, int category, const std::string& fileName) {
    const std::string folder = CategoryFolderPath(project, category);
    return folder.empty() || fileName.empty() ? std::string() : JoinPath(folder, fileName);
}

// ---- the selector's page

void LibrarySelector::ShowCategory(int category) {
    if (!CategoryFolder(category))
        return;
    if (category != category_)
        ClearSelection();
    category_ = category;
    top_ = tops_[category];
    Rescan();
}

void LibrarySelector::Rescan() {
    SetPictures(CategoryPictures(project_, category_));
}

void LibrarySelector::SetPictures(std::vector<std::string> names) {
    pictures_ = std::move(names);
    if (selectedIndex_ >= 0) {
        auto it = std::find(pictures_.begin(), pictures_.end(), selectedName_);
        if (it == pictures_.end())
            ClearSelection();
        else
            selectedIndex_ = static_cast<int>(it - pictures_.begin());
    }
    // Pictures taken away since the page was left: show the last row that
    // still has one rather than an empty page.
    if (top_ > 0 && top_ >= count())
        SetTop(std::max(0, (count() - 1) / library::kRowCells * library::kRowCells));
}

void LibrarySelector::Reset() {
    tops_.fill(0);
    top_ = 0;
    ClearSelection();
    Rescan();
}

void LibrarySelector::Select(int cell) {
    selectedName_ = CellName(cell);
    selectedIndex_ = selectedName_.empty() ? -1 : top_ + cell;
}

void LibrarySelector::ClearSelection() {
    selectedName_.clear();
    selectedIndex_ = -1;
}

std::string LibrarySelector::SelectedPath() const {
    return selectedIndex_ < 0 ? std::string()
                              : CategoryPicturePath(project_, category_, selectedName_);
}

std::string LibrarySelector::CellName(int cell) const {
    const int i = top_ + cell;
    if (cell < 0 || cell >= library::kCells || i >= count())
        return {};
    return pictures_[static_cast<std::size_t>(i)];
}

std::string LibrarySelector::CellPath(int cell) const {
    return CategoryPicturePath(project_, category_, CellName(cell));
}

LibraryScrollRange LibrarySelector::ScrollRange() const {
    const int n = count();
    if (n <= library::kCells)
        return {};
    return {0, n - n % library::kRowCells + library::kRowCells, library::kCells};
}

bool LibrarySelector::SetTop(int top) {
    if (top == top_)
        return false;
    top_ = top;
    tops_[static_cast<std::size_t>(category_)] = top;
    return true;
}

bool LibrarySelector::LineUp() {
    return top_ >= library::kRowCells && SetTop(top_ - library::kRowCells);
}

bool LibrarySelector::LineDown() {
    // A folder that fits one page has no scroll bar to scroll it with.
    return ScrollRange().page > 0 && count() > top_ + library::kRowCells &&
           SetTop(top_ + library::kRowCells);
}

bool LibrarySelector::PageUp() {
    const bool first = LineUp();
    return LineUp() || first;
}

bool LibrarySelector::PageDown() {
    const bool first = LineDown();
    return LineDown() || first;
}

bool LibrarySelector::TrackTo(int position) {
    const int p = ScrollRange().page > 0 ? std::max(0, position) : 0;
    return SetTop(p - p % library::kRowCells);
}

// ---- new pictures

std::string NewPicturePath(const Project& project, int category) {
    if (category != library::Shapes && category != library::Stamps)
        return {};
    const std::string folder = CategoryFolderPath(project, category);
    return JoinPath(folder, FreeFileName(folder, "untitled", ".bmp"));
}

std::string CreateLibraryPicture(UserInterface& ui, const Project& project, int category) {
    const std::string path = NewPicturePath(project, category);
    if (path.empty())
        return {};
    const int mode = category == library::Shapes ? kSaveCircleTemplate : kSaveTransparent;
    return SaveBitmapFile(ui, path, 100, 100, mode) ? path : std::string();
}

// ---- drops on the drawing window

LibraryDrop DropLibraryPicture(UserInterface& ui, ZarnikState& state, GraphicObjectList& objects,
                               int category, const std::string& fileName, int px, int py,
                               int widthPx, int heightPx, std::int16_t* pen) {
    if (fileName.empty() || !IsPlainFileName(fileName) || px < 0 || py < 0 || px >= widthPx ||
        py >= heightPx)
        return LibraryDrop::Nothing;
    const int half = PixelsPerStep(state) / 2;
    const bool onRobot = std::abs(px - MmToPixels(state, state.x)) <= half &&
                         std::abs(py - MmToPixels(state, state.y)) <= half;
    switch (category) {
    case library::Shapes:
        if (!onRobot || RefuseWhileRunning(ui, state))
            return LibraryDrop::Nothing;
        state.shapeId = state.homeShapeId = objects.tables().names.Add(fileName);
        state.flipped = state.homeFlipped = false;
        return LibraryDrop::ShapeChanged;
    case library::Stamps:
        if (RefuseWhileRunning(ui, state))
            return LibraryDrop::Nothing;
        return objects.CreateGraphicObject(fileName, objectkind::Stamp, PixelsToMm(state, px),
                                           PixelsToMm(state, py), 0, 0, 0, 0)
                   ? LibraryDrop::StampPlaced
                   : LibraryDrop::Nothing;
    case library::Pens:
        if (!onRobot)
            return LibraryDrop::Nothing;
        if (pen)
            *pen = PenStyleForName(fileName);
        return LibraryDrop::PenRecognised;
    default:
        return LibraryDrop::Nothing;
    }
}

} // namespace zf
