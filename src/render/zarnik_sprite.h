#pragma once

#include "files/floor_scene.h"
#include "program/string_table.h"
#include "simulation/pen_trail.h"
#include "simulation/zarnik_state.h"

#include "render/contrast_look.h"

#include <QImage>
#include <QPen>
#include <QRect>

#include <string>

namespace zf {

// The line of a pen style: the eight pens, or no pen for -1 and anything
// unknown. Widths are screen pixels at any zoom.
QPen PenForStyle(int style);

// The robot's picture at the current zoom, shape, flip and heading.
class ZarnikSprite {
  public:
    // Loads the shape named by shapeId from the project's "zarniks" folder at
    // step size, takes its top-left pixel as the transparent colour (stored in
    // the state), mirrors it as asked, and rotates it by the heading.
    void BuildZarnikSprite(ZarnikState& state, const NameTables& tables, const std::string& folder,
                           bool mirrorLeftRight, bool mirrorTopBottom);
    // Turns the prepared shape by heading - 90: shapes face right.
    void RotateZarnikSprite(const ZarnikState& state);
    // The rings a look draws round the robot's outline, from the next
    // turn on; answers whether they changed.
    bool SetOutline(const Look& look);

    int Side() const { return shape_.width(); }
    // The shape as prepared (mirrored), opaque.
    const QImage& Shape() const { return shape_; }
    // The rotated shape, opaque, and the same with the transparent colour clear.
    const QImage& Rotated() const { return rotated_; }
    const QImage& Sprite() const { return sprite_; }

  private:
    QImage shape_;
    QImage rotated_;
    QImage sprite_;
    QRgb transparent_ = 0;
    QColor ringDark_;
    QColor ringLight_;
    int ringWidth_ = 0;
};

// A keyed picture with a dark ring round what it shows and a light ring
// round that, each `width` pixels, inside the picture's square.
QImage OutlinedSprite(const QImage& sprite, const QColor& dark, const QColor& light, int width);

// A robot drawn when its shape file cannot be read: a grey body with a nose
// to the right on a magenta (transparent) ground.
QImage FallbackZarnikShape(int side);

// The robot over a finished picture of the working area. It keeps the pixels
// it hides (the save-under) so that moving it never re-renders the picture.
class ZarnikOverlay {
  public:
    // The robot's square around a position in mm.
    static QRect SquareAt(const ZarnikState& state, int side, int x, int y);

    // After the picture under the robot has been painted: saves what the robot
    // will hide and draws it where it stands. Answers the square touched.
    QRect Paint(QImage& screen, ZarnikState& state, const ZarnikSprite& sprite,
                const PenTrail& trail);
    // Moves the robot from the position held in the state to (x, y) mm and
    // stores (x, y). Answers the rectangle of the screen that changed.
    QRect DrawZarnikAt(QImage& screen, ZarnikState& state, const ZarnikSprite& sprite,
                       const PenTrail& trail, int x, int y);

    // What lies under the robot; a stamp placed during a run is drawn here.
    QImage& SaveUnder() { return saveUnder_; }

  private:
    QImage saveUnder_;
};

} // namespace zf
