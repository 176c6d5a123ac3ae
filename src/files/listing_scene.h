#pragma once

#include "files/floor_scene.h"
#include "files/pixel_picture.h"
#include "program/instruction.h"
#include "program/key_sequence.h"
#include "program/scene.h"

#include <optional>
#include <string>

namespace zf {

inline constexpr int kListLineGap = 5;
inline constexpr int kListLeftMargin = 5;
// Texts of PlaceText lines longer than this are cut and end in "...".
inline constexpr int kListTextLimit = 260;

// The program's own pictures the listings show.
inline constexpr const char* kProgramIconsArt = "art:118";
inline constexpr const char* kNoteArt = "art:192";

// The colours of the list cursors' marks in a look.
struct CursorColours {
    // The editing frame; none: the list's text colour.
    std::optional<SceneColour> editing;
    SceneColour runningGo = 0;
    SceneColour runningProc = 0;
    SceneColour stopped = 0;
    SceneColour problem = 0;
};

// The cursors' colours of the usual look and of the high-contrast one.
CursorColours ListCursorColours(bool highContrast);

// What a listing is laid out with: the picture size (5 to 50), the working
// area for position lines, the project folder for thumbnails.
struct ListingLayout {
    const NameTables& tables;
    int iconSize = 30;
    FloorMm floor;
    std::string folder;
    SceneColour background = 0xFFFFFF;
    SceneColour text = 0x000000;
    bool highContrast = false;
    CursorColours marks;
    TextMeasure& measure;
    PictureSizes& pictures;
};

// Visible line i from the top: its pictures start 1 pixel below its
// cursor frame's top.
inline int ListLineTop(int line, int iconSize) {
    return line * (iconSize + kListLineGap);
}
inline int ListPictureTop(int line, int iconSize) {
    return 1 + ListLineTop(line, iconSize);
}

// The pen width of a picture's outline: one pixel on the screen, thicker on
// the large pictures of a printed page, so that they look alike.
int OutlineWidth(int side);
// A box shrunk so that an outline of that width drawn on it stays inside.
PixelBox OutlineBox(const PixelBox& box, int width);
// The pixel size of Arial whose whole cell (leading included) is
// `cellHeight` pixels high.
int ArialPixelSize(TextMeasure& measure, int cellHeight);

enum class ArrowDirection { Up, Down, Left, Right };

// The key pictures of the listings, each filling a square box.
void AddArrowPicture(Scene& out, const PixelBox& box, ArrowDirection direction);
// A circle inscribed in the box with a centred black label.
void AddCirclePicture(Scene& out, const PixelBox& box, SceneColour colour, const std::string& label,
                      TextMeasure& measure);
// The picture of an instruction's own key, by opcode; an opcode without a
// picture of its own shows "?" on white.
void AddKeyPicture(Scene& out, const PixelBox& box, std::uint8_t opcode, TextMeasure& measure,
                   PictureSizes& pictures);
void AddDigitPicture(Scene& out, const PixelBox& box, int digit, TextMeasure& measure);
// The one bracket key, the half it stands for in black, the other in grey.
void AddBracketPicture(Scene& out, const PixelBox& box, bool opening, TextMeasure& measure);

// The text a graphic command line shows, as it is drawn ("" for none).
std::string GraphicLineText(const GoInstruction& in, const NameTables& tables, FloorMm floor);

// One instruction's pictures from (x, y), left to right; answers the x
// after the last picture or text.
int AddInstructionLine(Scene& out, const GoInstruction& in, int x, int y,
                       const ListingLayout& layout);

// How far right one instruction's pictures and text reach from its x, and
// the widest line of a list with its indent and the left margin: what a
// window must show to show every line whole.
int InstructionLineWidth(const GoInstruction& in, const ListingLayout& layout);
int ListingWidth(const GoInstruction* head, const ListingLayout& layout);

// A list from its first visible line down to the bottom of `height`; each
// line indented by its instruction's indent. Answers the lines drawn.
int AddListing(Scene& out, const GoInstruction* head, int firstLine, int height,
               const ListingLayout& layout);

// The list cursor of a style around visible line i (1 erases with the
// background; 6 and unknown styles draw nothing). The executing and stopped
// styles are a bold frame over a band, drawn before the line's pictures:
// a pale fill with a solid bar in the left margin. Their frames end in a
// square with a sign: play while running, stop when stopped, pause while
// stepping.
void AddListCursorBand(Scene& out, int style, int line, int width, const ListingLayout& layout);
void AddListCursorFrame(Scene& out, int style, int line, int width, const ListingLayout& layout);
// The bold frame's width at a picture size, bolder in high contrast.
int ListCursorPenWidth(int iconSize, bool highContrast);

} // namespace zf
