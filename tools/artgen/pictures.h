#pragma once

#include <QImage>
#include <QString>

#include <functional>
#include <vector>

namespace artgen {

// One picture of the example project: its sub-folder, file name and drawing.
struct Picture {
    QString folder;
    QString name;
    QImage image;
};

// Robot shapes face right; every robot shape, stamp and pen has magenta, the
// transparent colour, in its top-left pixel.
std::vector<Picture> ExamplePictures();

} // namespace artgen
