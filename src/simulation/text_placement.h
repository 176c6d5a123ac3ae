#pragma once

#include "program/text_object.h"
#include "simulation/graphic_objects.h"

#include <optional>
#include <string>

namespace zf {

// The text box of the text dialog takes at most this many characters.
inline constexpr int kMaxDialogText = 300;

// The dialog's preview draws the robot 40 pixels wide for its 300 mm, so a
// preview size in pixels times 7.5 is the text's first size on the floor.
int PreviewPixelsToMm(int pixels);

// A text object's record, read from the record table; nothing for an
// object that has none.
std::optional<TextObjectRecord> TextRecordOfObject(const NameTables& tables,
                                                   const GraphicObject& object);
// The text a dialog starts from: the record's text cut to the box's limit.
std::string DialogTextOf(const NameTables& tables, const TextObjectRecord& record);

// Create and Place Text: a new record (placement 2 at the point, the
// dialog's text, colour and font) goes into the record table and a text
// object waiting to be centred on the point is appended, with its first
// size from the preview.
GraphicObject* CreatePlacedText(GraphicObjectList& objects, const TextObjectRecord& chosen, int x,
                                int y, int firstWidth, int firstHeight);
// Edit Text: the edited text is centred where the old block was and the
// old object goes.
GraphicObject* ReplaceTextObject(GraphicObjectList& objects, const GraphicObject& old,
                                 const TextObjectRecord& edited, int firstWidth, int firstHeight);

// Font heights of text records are in 1/40 of a step; the font chooser
// works in points at the screen's 96 dots per inch, where the default
// height -24 is 18 points.
int LogFontHeightForPoints(double points);
double PointsForLogFontHeight(int height);

} // namespace zf
