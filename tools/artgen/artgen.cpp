// Draws the program's own pictures (tool bar and icon strips, the note) and
// the example project's robot shapes, stamps, pens and backgrounds, and
// writes them as 8-bit bitmaps with the application palette.

#include "pictograms.h"
#include "pictures.h"

#include "files/bitmap.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPainter>

#include <cstdio>
#include <vector>

namespace {

using artgen::Pictogram;

bool WriteBitmap(const QString& path, const QImage& picture) {
    const QImage image = picture.convertToFormat(QImage::Format_RGB32);
    std::vector<std::uint32_t> rgb;
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        rgb.insert(rgb.end(), row, row + image.width());
    }
    const std::vector<std::uint8_t> file =
        zf::EncodeBitmap8(image.width(), image.height(), zf::ReduceToAppPalette(rgb));
    QFile out(path);
    if (file.empty() || !out.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        out.write(reinterpret_cast<const char*>(file.data()), static_cast<qint64>(file.size())) !=
            static_cast<qint64>(file.size())) {
        std::fprintf(stderr, "artgen: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

// A strip of 32-pixel cells, `extra` blank columns at its right end.
QImage Strip(const std::vector<Pictogram>& cells, int extra = 0) {
    QImage image(static_cast<int>(cells.size()) * 32 + extra, 32, QImage::Format_RGB32);
    image.fill(QColor(192, 192, 192));
    QPainter p(&image);
    for (std::size_t i = 0; i < cells.size(); ++i)
        artgen::DrawButtonCell(p, QRect(static_cast<int>(i) * 32, 0, 32, 32), cells[i]);
    return image;
}

// The Go container's pages (0, 2 and 9) and the listing's graphic commands
// share this strip; cell n is button picture n.
QImage ProgramIcons() {
    return Strip({Pictogram::StampsAndText, Pictogram::Zarnik, Pictogram::Back, Pictogram::Stamp,
                  Pictogram::FlipStamp, Pictogram::CreateText, Pictogram::EditText,
                  Pictogram::GoProgram, Pictogram::Blank, Pictogram::Back, Pictogram::Zarnik,
                  Pictogram::Position, Pictogram::Heading, Pictogram::PenDown, Pictogram::PenUp,
                  Pictogram::FlipZarnik, Pictogram::Blank},
                 1);
}

// The graphics tool bar's pages start at pictures 0, 4, 11, 17 and 22.
QImage GraphicsTools() {
    return Strip({Pictogram::StampsAndText,
                  Pictogram::Control,
                  Pictogram::BackgroundTools,
                  Pictogram::Zarnik,
                  Pictogram::Back,
                  Pictogram::Stamp,
                  Pictogram::ClearAllObjects,
                  Pictogram::ClearOneObject,
                  Pictogram::FlipStamp,
                  Pictogram::CreateText,
                  Pictogram::EditText,
                  Pictogram::Back,
                  Pictogram::Run,
                  Pictogram::Stop,
                  Pictogram::Continue,
                  Pictogram::Reset,
                  Pictogram::Step,
                  Pictogram::Back,
                  Pictogram::AreaSize,
                  Pictogram::Rulers,
                  Pictogram::Background,
                  Pictogram::ClearArea,
                  Pictogram::Back,
                  Pictogram::Zarnik,
                  Pictogram::Position,
                  Pictogram::Heading,
                  Pictogram::FlipZarnik});
}

// Cell n is the icon of library category n (1 shapes, 2 stamps, 3 pens).
QImage LibraryIcons() {
    return Strip({Pictogram::Blank, Pictogram::Zarnik, Pictogram::Stamp, Pictogram::Pen});
}

QImage Note() {
    QImage image(32, 32, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawEllipse(QRectF(7, 20, 11, 8));
    p.drawRect(QRectF(16, 5, 2, 19));
    QPolygonF flag;
    flag << QPointF(18, 5) << QPointF(26, 12) << QPointF(25, 16) << QPointF(18, 10);
    p.drawPolygon(flag);
    return image;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: artgen RESOURCES_FOLDER\n");
        return 2;
    }
    const QDir root(QString::fromLocal8Bit(argv[1]));
    bool ok = root.mkpath("bitmaps");
    ok = ok && WriteBitmap(root.filePath("bitmaps/progicons.bmp"), ProgramIcons());
    ok = ok && WriteBitmap(root.filePath("bitmaps/graphtools.bmp"), GraphicsTools());
    ok = ok && WriteBitmap(root.filePath("bitmaps/libicons.bmp"), LibraryIcons());
    ok = ok && WriteBitmap(root.filePath("bitmaps/note.bmp"), Note());
    for (const artgen::Picture& picture : artgen::ExamplePictures()) {
        const QString folder = "example/" + picture.folder;
        ok = ok && root.mkpath(folder) &&
             WriteBitmap(root.filePath(folder + "/" + picture.name), picture.image);
    }
    return ok ? 0 : 1;
}
