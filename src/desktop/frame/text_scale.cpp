#include "desktop/frame/text_scale.h"

#include <QApplication>
#include <QFontInfo>

#include <algorithm>
#include <cmath>

namespace zf::ui {

namespace {

// The application font's height in pixels on a 96-dpi screen at 9 points.
constexpr double kUsualTextPixels = 12.0;

} // namespace

double TextScale() {
    return std::max(1.0, QFontInfo(QApplication::font()).pixelSize() / kUsualTextPixels);
}

int ScaledPixels(int pixels) {
    return static_cast<int>(std::lround(pixels * TextScale()));
}

QFont ScaledArial(int pixels) {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(std::max(1, ScaledPixels(pixels)));
    return font;
}

} // namespace zf::ui
