#pragma once

#include "program/instruction.h"
#include "program/key_sequence.h"

#include <QColor>
#include <QPainter>
#include <QRect>

#include <string>

namespace zf {

inline constexpr int kListLineGap = 5;
inline constexpr int kListLeftMargin = 5;
// Texts of PlaceText lines longer than this are cut and end in "...".
inline constexpr int kListTextLimit = 260;

// What a listing is drawn with: the picture size (5 to 50), the working
// area for position lines, the project folder for thumbnails.
struct ListingStyle {
    explicit ListingStyle(const NameTables& names) : tables(names) {}

    // Where the instructions' names and texts are kept.
    const NameTables& tables;
    int iconSize = 30;
    FloorMm floor;
    std::string folder;
    QColor background = Qt::white;
    QColor text = Qt::black;
    // The cursors' marks in the high-contrast look (the screen's choice;
    // paper keeps the usual look).
    bool highContrast = false;
};

// Visible line i from the top: its pictures start 1 pixel below its
// cursor frame's top.
inline int ListLineTop(int line, int iconSize) {
    return line * (iconSize + kListLineGap);
}
inline int ListPictureTop(int line, int iconSize) {
    return 1 + ListLineTop(line, iconSize);
}

// The text a graphic command line shows, as it is drawn ("" for none).
std::string GraphicLineText(const GoInstruction& in, const NameTables& tables, FloorMm floor);

// One instruction's pictures from (x, y), left to right; answers the x
// after the last picture or text.
int DrawInstructionLine(QPainter& painter, const GoInstruction& in, int x, int y,
                        const ListingStyle& style);

// How far right one instruction's pictures and text reach from its x, and
// the widest line of a list with its indent and the left margin: what a
// window must show to show every line whole.
int InstructionLineWidth(const GoInstruction& in, const ListingStyle& style);
int ListingWidth(const GoInstruction* head, const ListingStyle& style);

// A list from its first visible line down to the bottom of `height`; each
// line indented by its instruction's indent. Answers the lines drawn.
int DrawListing(QPainter& painter, const GoInstruction* head, int firstLine, int height,
                const ListingStyle& style);

// The list cursor of a style around visible line i (1 erases with the
// background; 6 and unknown styles draw nothing). The executing and stopped
// styles are a bold frame over a band, drawn before the line's pictures:
// a pale fill with a solid bar in the left margin. Their frames end in a
// square with a sign: play while running, stop when stopped, pause while
// stepping.
void DrawListCursorBand(QPainter& painter, int style, int line, int width,
                        const ListingStyle& listing);
void DrawListCursorFrame(QPainter& painter, int style, int line, int width,
                         const ListingStyle& listing);
// The bold frame's width at a picture size, bolder in high contrast.
int ListCursorPenWidth(int iconSize, bool highContrast = false);

} // namespace zf
