#include "render/listing_lines.h"

#include "files/paths.h"
#include "program/string_table.h"
#include "render/artwork.h"
#include "render/bitmap_drawing.h"
#include "render/display_text.h"
#include "render/key_pictures.h"
#include "render/picture_cache.h"
#include "render/zarnik_sprite.h"

#include <algorithm>
#include <cstdio>

namespace zf {

namespace {

// The cell of the program's icon strip for a graphic command; -1 for none.
int IconCell(std::uint8_t opcode) {
    switch (opcode) {
    case op::SetPosition:
        return 11;
    case op::SetHeading:
        return 12;
    case op::SetShape:
        return 10;
    case op::PlaceStamp:
        return 3;
    case op::PenDown:
        return 13;
    case op::PenUp:
        return 14;
    case op::FlipZarnik:
        return 15;
    case op::GoProgramHeader:
        return 7;
    case op::FlipStamp:
        return 4;
    case op::PlaceText:
        return 5;
    default:
        return -1;
    }
}

// The folder whose file a graphic command's thumbnail shows, or none.
const char* ThumbnailFolder(std::uint8_t opcode) {
    switch (opcode) {
    case op::SetShape:
        return "zarniks";
    case op::PlaceStamp:
        return "objects";
    case op::PenDown:
        return "pens";
    default:
        return nullptr;
    }
}

void DrawFramedSquare(QPainter& painter, const QRect& box) {
    const int width = OutlineWidth(box.height());
    painter.setPen(QPen(Qt::black, width));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(OutlineBox(box, width));
}

QFont GraphicTextFont(int iconSize) {
    return ArialOfCellHeight(std::max(iconSize * 3 / 4, std::min(12, iconSize + 4)));
}

int GraphicTextGap(int iconSize) {
    return std::max(3, iconSize / 4);
}

// A text line as the listing writes it: line breaks become spaces. Texts
// of text objects are 8-bit characters, names of files are file names.
QString OneLine(const GoInstruction& in, const std::string& text) {
    QString line = in.opcode == op::PlaceText
                       ? QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()))
                       : DisplayName(text);
    line.replace(QLatin1String("\r\n"), QLatin1String(" "));
    line.replace(QLatin1Char('\n'), QLatin1Char(' '));
    line.replace(QLatin1Char('\r'), QLatin1Char(' '));
    return line;
}

int DrawGraphicLine(QPainter& painter, const GoInstruction& in, int x, int y,
                    const ListingStyle& style) {
    const int s = style.iconSize;
    const QRect cellBox(x, y, s, s);
    const QImage cell = StripCell(ProgramBitmap(artwork::ProgramIcons), IconCell(in.opcode));
    if (cell.isNull()) {
        DrawKeyPicture(painter, cellBox, in.opcode);
        return x + s;
    }
    painter.drawImage(cellBox, cell.scaled(s, s, Qt::IgnoreAspectRatio, Qt::FastTransformation));
    DrawFramedSquare(painter, cellBox);
    x += s;
    if (const char* folder = ThumbnailFolder(in.opcode)) {
        const QRect thumb(x, y, s, s);
        painter.fillRect(thumb, style.background);
        // A listing line is drawn on its own: its picture is looked at anew.
        ProjectPictures().NewPaint();
        if (const QImage stamp = ProjectPictures().Stamp(
                ProjectPicturePath(style.folder, folder, NameTable().Get(in.nameId)), s - 2, s - 2,
                false);
            !stamp.isNull())
            painter.drawImage(FittedRect(stamp.width(), stamp.height(), x + s / 2, y + s / 2,
                                         stamp.width(), stamp.height())
                                  .topLeft(),
                              stamp);
        DrawFramedSquare(painter, thumb);
        x += s;
    }
    const std::string text = GraphicLineText(in, style.floor);
    if (text.empty())
        return x;
    painter.setFont(GraphicTextFont(s));
    const QFontMetrics metrics(painter.font());
    const QString line = OneLine(in, text);
    const int left = x + GraphicTextGap(s);
    const int top = y + (s - metrics.height()) / 2;
    const int width = metrics.horizontalAdvance(line);
    // Texts of text objects lie on the listing as they lie on the floor;
    // the others are written on the window's background.
    if (in.opcode != op::PlaceText)
        painter.fillRect(left, top, width, metrics.height(), style.background);
    painter.setPen(style.text);
    painter.drawText(left, top + metrics.ascent(), line);
    return left + width;
}

} // namespace

std::string GraphicLineText(const GoInstruction& in, FloorMm floor) {
    char buffer[64];
    switch (in.opcode) {
    case op::SetPosition:
        std::snprintf(buffer, sizeof buffer, "%.3g, %.3g", (in.value1 - floor.width / 2) / 300.0,
                      (floor.height / 2 - in.value2) / 300.0);
        return buffer;
    case op::SetHeading:
        return std::to_string(in.value1);
    case op::SetShape:
    case op::PlaceStamp:
    case op::PenDown:
        return NameTable().Get(in.nameId);
    case op::GoProgramHeader:
        // A program opened by its path is listed by its file name alone.
        return FileNamePart(NameTable().Get(in.nameId));
    case op::PlaceText: {
        if (!in.textObject)
            return {};
        std::string text = TextStringTable().Get(in.textObject->textId);
        if (text.size() > static_cast<std::size_t>(kListTextLimit))
            text = text.substr(0, kListTextLimit) + "...";
        return text;
    }
    default:
        return {};
    }
}

int DrawInstructionLine(QPainter& painter, const GoInstruction& in, int x, int y,
                        const ListingStyle& style) {
    const int s = style.iconSize;
    if (s < 1)
        return x;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    auto box = [&] { return QRect(x, y, s, s); };
    if (IsGraphicCommand(in.opcode)) {
        x = DrawGraphicLine(painter, in, x, y, style);
    } else if (in.opcode == op::RepeatEnd || in.opcode == op::ProcedureEnd) {
        DrawBracketPicture(painter, box(), false);
        x += s;
    } else {
        const bool opensAfterDigits = in.opcode == op::Repeat || in.opcode == op::ProcedureDef;
        DrawKeyPicture(painter, box(), in.opcode);
        x += s;
        if (in.bracketOpen && !opensAfterDigits) {
            DrawBracketPicture(painter, box(), true);
            x += s;
        }
        for (std::uint8_t digit : in.digits) {
            if (digit == kNoDigit)
                break;
            DrawDigitPicture(painter, box(), digit);
            x += s;
        }
        if (in.bracketClosed) {
            DrawBracketPicture(painter, box(), false);
            x += s;
        }
        if (in.bracketOpen && opensAfterDigits) {
            DrawBracketPicture(painter, box(), true);
            x += s;
        }
    }
    painter.restore();
    return x;
}

int InstructionLineWidth(const GoInstruction& in, const ListingStyle& style) {
    const int s = style.iconSize;
    if (s < 1)
        return 0;
    if (IsGraphicCommand(in.opcode)) {
        if (ProgramBitmap(artwork::ProgramIcons).isNull())
            return s;
        int width = ThumbnailFolder(in.opcode) ? 2 * s : s;
        const std::string text = GraphicLineText(in, style.floor);
        if (!text.empty())
            width += GraphicTextGap(s) +
                     QFontMetrics(GraphicTextFont(s)).horizontalAdvance(OneLine(in, text));
        return width;
    }
    if (in.opcode == op::RepeatEnd || in.opcode == op::ProcedureEnd)
        return s;
    int pictures = 1 + (in.bracketOpen ? 1 : 0) + (in.bracketClosed ? 1 : 0);
    for (std::uint8_t digit : in.digits) {
        if (digit == kNoDigit)
            break;
        ++pictures;
    }
    return pictures * s;
}

int ListingWidth(const GoInstruction* head, const ListingStyle& style) {
    int width = 0;
    for (const GoInstruction* in = head; in; in = in->next)
        width = std::max(width, kListLeftMargin + in->indent * style.iconSize +
                                    InstructionLineWidth(*in, style));
    return width;
}

int DrawListing(QPainter& painter, const GoInstruction* head, int firstLine, int height,
                const ListingStyle& style) {
    const int s = style.iconSize;
    int line = 0;
    const GoInstruction* in = head;
    for (; in && line < firstLine; in = in->next)
        line += in->lineCount;
    int y = ListPictureTop(0, s);
    int drawn = 0;
    for (; in; in = in->next) {
        DrawInstructionLine(painter, *in, kListLeftMargin + in->indent * s, y, style);
        ++drawn;
        y += in->lineCount * s + kListLineGap;
        if (y > height)
            break;
    }
    return drawn;
}

void DrawListCursorFrame(QPainter& painter, int style, int line, int width,
                         const ListingStyle& listing) {
    QColor colour;
    bool dotted = false;
    switch (style) {
    case 1:
        colour = listing.background;
        break;
    case 2:
        colour = listing.text;
        break;
    case 3:
        colour = QColor(0, 128, 0);
        break;
    case 4:
        colour = QColor(0, 0, 128);
        break;
    case 5:
        colour = QColor(128, 0, 0);
        dotted = true;
        break;
    case 7:
        colour = QColor(128, 0, 0);
        break;
    case 8:
        colour = QColor(0, 128, 0);
        dotted = true;
        break;
    case 9:
        colour = QColor(0, 0, 128);
        dotted = true;
        break;
    default:
        return;
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(colour, 0, dotted ? Qt::DotLine : Qt::SolidLine));
    painter.setBackgroundMode(Qt::OpaqueMode);
    painter.setBackground(listing.background);
    painter.drawRect(0, ListLineTop(line, listing.iconSize), width - 1, listing.iconSize + 2);
    painter.restore();
}

} // namespace zf
