#include "render/artwork.h"

#include "render/bitmap_drawing.h"

#include <QFile>

#include <map>

namespace zf {

namespace {

QImage LoadResource(const char* name) {
    QFile file(QString::fromLatin1(name));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    return BitmapImageFromFile(
        std::span<const std::uint8_t>(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                      static_cast<std::size_t>(bytes.size())));
}

const char* ResourceName(int id) {
    switch (id) {
    case artwork::ProgramIcons:
        return ":/zf/progicons.bmp";
    case artwork::LibraryIcons:
        return ":/zf/libicons.bmp";
    case artwork::Note:
        return ":/zf/note.bmp";
    case artwork::GraphicsTools:
        return ":/zf/graphtools.bmp";
    default:
        return nullptr;
    }
}

} // namespace

const QImage& ProgramBitmap(int id) {
    // Loaded once, as resources are.
    static std::map<int, QImage> loaded;
    auto it = loaded.find(id);
    if (it == loaded.end()) {
        const char* name = ResourceName(id);
        it = loaded.emplace(id, name ? LoadResource(name) : QImage()).first;
    }
    return it->second;
}

QImage StripCell(const QImage& strip, int cell) {
    const int side = strip.height();
    if (side < 1 || cell < 0 || (cell + 1) * side > strip.width())
        return {};
    return strip.copy(cell * side, 0, side, side);
}

} // namespace zf
