#pragma once

#include "files/floor_scene.h"
#include "program/scene.h"

#include <QFont>
#include <QImage>
#include <QPainter>

#include <map>
#include <string>
#include <utility>

namespace zf {

QFont SceneQFont(const SceneFont& font);

// Text measured with the screen's font metrics.
class QtTextMeasure : public TextMeasure {
  public:
    TextExtent Measure(const SceneFont& font, std::string_view utf8, bool wholePixels) override;

  private:
    static TextExtent Measured(const SceneFont& font, std::string_view utf8, bool wholePixels);
    // A font's line height and ascent, asked for over and over.
    std::map<std::pair<std::string, bool>, TextExtent> lines_;
};

// The one measure of the screen's painting.
TextMeasure& ScreenTextMeasure();

// The project pictures' sizes, as the picture cache reads them.
class CachedPictureSizes : public PictureSizes {
  public:
    bool SizeOf(const std::string& path, int& width, int& height) override;
};

// The pixels of an image op: a project picture through the picture cache,
// or one of the program's own pictures; null when there are none.
QImage SceneImage(const SceneOp& op);

// Paints a scene from the painter's origin, clipped to its size (when it
// has one) within any clip already set. Robot ops show `robot` when one is given.
void PaintScene(QPainter& painter, const Scene& scene, const QImage* robot = nullptr);

} // namespace zf
