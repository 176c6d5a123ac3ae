#pragma once

#include "files/project.h"
#include "program/user_interface.h"
#include "simulation/graphic_objects.h"
#include "simulation/zarnik_state.h"

#include <array>
#include <string>
#include <vector>

namespace zf {

// The Graphics Library's picture categories; each is one project sub-folder.
namespace library {
enum : int { NoCategory = 0, Shapes = 1, Stamps = 2, Pens = 3 };
inline constexpr int kCells = 8;
inline constexpr int kRowCells = 4;
} // namespace library

// "zarniks", "objects", "pens"; nullptr for no category.
const char* CategoryFolder(int category);
// The graphic-command key a click keys: 34 SetShape, 35 PlaceStamp, 36 PenDown.
int CategoryKey(int category);

// The "*.bmp" pictures of a category's folder in the current project, in
// the order the folder lists them. Folders named like pictures are left out.
std::vector<std::string> CategoryPictures(const Project& project, int category);
// The category's folder in the current project, and a picture in it; ""
// for no category.
std::string CategoryFolderPath(const Project& project, int category);
std::string CategoryPicturePath(const Project& project, int category, const std::string& fileName);

// A vertical scroll range as the library's bar shows it: positions run from
// minimum to maximum, a page shows `page` of them.
struct LibraryScrollRange {
    int minimum = 0;
    int maximum = 0;
    int page = 0;
    bool operator==(const LibraryScrollRange&) const = default;
};

// The selector's page over a category's pictures: two rows of four cells
// from `top`, always a multiple of 4, and one remembered top per category.
class LibrarySelector {
  public:
    // The pictures are read from the project's folders.
    explicit LibrarySelector(const Project& project) : project_(project) {}

    // A category shown: its remembered top, its folder read again.
    void ShowCategory(int category);
    // Reads the current category's folder again.
    void Rescan();
    // The pictures of the current category as given (what Rescan reads).
    void SetPictures(std::vector<std::string> names);
    // Every remembered top back to 0 and no selection (a new project), then
    // a rescan.
    void Reset();

    int category() const { return category_; }
    int top() const { return top_; }
    int count() const { return static_cast<int>(pictures_.size()); }
    // The picture of a visible cell; "" for an empty cell.
    std::string CellName(int cell) const;
    std::string CellPath(int cell) const;
    LibraryScrollRange ScrollRange() const;

    // The picture Edit opens: chosen by a press on a cell, followed through
    // rescans by its name, forgotten when it goes or the category changes.
    void Select(int cell);
    void ClearSelection();
    int selectedIndex() const { return selectedIndex_; }
    std::string SelectedPath() const;

    // Scrolling; each answers whether the page changed.
    bool LineUp();
    bool LineDown();
    bool PageUp();
    bool PageDown();
    // The thumb dragged to a position: the page starts at the row it lies in.
    bool TrackTo(int position);

  private:
    bool SetTop(int top);

    const Project& project_;
    int category_ = library::NoCategory;
    int top_ = 0;
    std::array<int, 4> tops_{};
    std::vector<std::string> pictures_;
    std::string selectedName_;
    int selectedIndex_ = -1;
};

// Where a new picture for the paint program goes: "untitled.bmp" in the
// category's folder, or the first free "untitledN.bmp" so that an earlier
// drawing is never written over. "" for a category without a template.
std::string NewPicturePath(const Project& project, int category);
// Writes a new 100 x 100 picture there: for a robot shape the circle
// template, for a stamp an all-transparent picture. The path, or "" when
// nothing was written (the write failure is reported).
std::string CreateLibraryPicture(UserInterface& ui, const Project& project, int category);

// What a library picture released on the drawing window did.
enum class LibraryDrop { Nothing, ShapeChanged, StampPlaced, PenRecognised };

// A picture of a category released at pixel (px, py) of a drawing window of
// widthPx x heightPx. A shape released within half a step of the robot's
// centre becomes its shape (current and start, unflipped); a stamp anywhere
// on the working area is placed centred there; a pen on the robot is only
// recognised, `pen` receiving its style. Shapes and stamps are refused with
// string 83 during a run that is not paused.
LibraryDrop DropLibraryPicture(UserInterface& ui, ZarnikState& state, GraphicObjectList& objects,
                               int category, const std::string& fileName, int px, int py,
                               int widthPx, int heightPx, std::int16_t* pen = nullptr);

} // namespace zf
