#pragma once

#include "files/floor_scene.h"
#include "program/user_interface.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QRect>

#include <string>

namespace zf {

// The picture's size at a zoom (FitZoom finds the zoom that fits a space).
QSize WorkingAreaPixels(const ZarnikState& state, float zoom);

// Draws the region of the working area at a zoom: the white floor or the
// background, the pen trail, then stamps and texts in list order. The
// painter's origin is the region's top-left corner. The robot is not part
// of this picture.
void RenderWorkingArea(QPainter& painter, const QRect& region, float zoom, WorkingAreaScene& scene);
QImage RenderWorkingAreaImage(const QSize& size, float zoom, WorkingAreaScene& scene);
// A stamp or text alone on a clear picture, to follow the pointer while it
// is dragged; `anchor` is where its position (a stamp's centre, a text's
// top-left corner) lies in the picture. Null for other objects.
QImage DraggedObjectPicture(const NameTables& tables, GraphicObject& object,
                            const ZarnikState& state, const std::string& folder, QPoint& anchor);

// A saved or copied picture of the working area: as above, and with the
// robot drawn where it stands when asked.
QImage WorkingAreaPictureAt(const QSize& size, float zoom, WorkingAreaScene& scene, bool withRobot);

// The font of a text record at a step size: its height is in 1/40 of a step.
QFont TextObjectFont(const LogFont& font, int pixelsPerStep);
// Measures a text object at the zoom of `state`, applies a pending placement
// and stores its size in mm. False when it has no record.
bool MeasureTextObject(const NameTables& tables, GraphicObject& object, const ZarnikState& state);

// SaveBitmapFile's working area: drawn at the zoom that fits it into
// width x height, with the robot when asked, and written as an 8-bit
// picture with the application palette.
bool SaveWorkingAreaBitmap(UserInterface& ui, const std::string& path, int width, int height,
                           WorkingAreaScene& scene, bool withRobot = false);
// The size of a saved working area: fitted into four fifths of the screen
// each way.
QSize SaveGraphicsSize(const ZarnikState& state, const QSize& screen);

} // namespace zf
