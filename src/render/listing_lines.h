#pragma once

#include "files/listing_scene.h"
#include "program/instruction.h"
#include "program/key_sequence.h"

#include <QColor>
#include <QPainter>
#include <QRect>

#include <string>

namespace zf {

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

// The core's layout of a listing in a style, measured with the screen's
// fonts and the picture cache.
ListingLayout LayoutOf(const ListingStyle& style);

// The pictures of a listing, painted as the core lays them out (see
// listing_scene.h for what each draws).
int DrawInstructionLine(QPainter& painter, const GoInstruction& in, int x, int y,
                        const ListingStyle& style);
int InstructionLineWidth(const GoInstruction& in, const ListingStyle& style);
int ListingWidth(const GoInstruction* head, const ListingStyle& style);
int DrawListing(QPainter& painter, const GoInstruction* head, int firstLine, int height,
                const ListingStyle& style);
void DrawListCursorBand(QPainter& painter, int style, int line, int width,
                        const ListingStyle& listing);
void DrawListCursorFrame(QPainter& painter, int style, int line, int width,
                         const ListingStyle& listing);

} // namespace zf
