#include "render/listing_lines.h"

#include "files/paths.h"
#include "program/string_table.h"
#include "render/artwork.h"
#include "render/bitmap_drawing.h"
#include "render/contrast_look.h"
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
                ProjectPicturePath(style.folder, folder, style.tables.names.Get(in.nameId)), s - 2,
                s - 2, false);
            !stamp.isNull())
            painter.drawImage(FittedRect(stamp.width(), stamp.height(), x + s / 2, y + s / 2,
                                         stamp.width(), stamp.height())
                                  .topLeft(),
                              stamp);
        DrawFramedSquare(painter, thumb);
        x += s;
    }
    const std::string text = GraphicLineText(in, style.tables, style.floor);
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

std::string GraphicLineText(const GoInstruction& in, const NameTables& tables, FloorMm floor) {
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
        return tables.names.Get(in.nameId);
    case op::GoProgramHeader:
        // A program opened by its path is listed by its file name alone.
        return FileNamePart(tables.names.Get(in.nameId));
    case op::PlaceText: {
        if (!in.textObject)
            return {};
        std::string text = tables.texts.Get(in.textObject->textId);
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
        const std::string text = GraphicLineText(in, style.tables, style.floor);
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

namespace {

// What marks a line besides its colour, so that no one needs the colour to
// tell a running line from a stopped or a stepped one.
enum class Mark { None, Running, Stopped, Stepping };

struct CursorLook {
    QColor colour;
    bool dotted = false;
    // The run's lines have a band under their pictures and a bold frame, to
    // be seen across a room.
    bool band = false;
    int pen = 1;
    Mark mark = Mark::None;
};

bool LookOf(int style, const ListingStyle& listing, CursorLook& look) {
    const Look& marks = listing.highContrast ? HighContrastLook() : UsualLook();
    const int bold = ListCursorPenWidth(listing.iconSize, listing.highContrast);
    switch (style) {
    case 1:
        look.colour = listing.background;
        look.pen = listing.highContrast ? bold : 1;
        return true;
    case 2:
        look.colour = marks.editing.isValid() ? marks.editing : listing.text;
        look.pen = listing.highContrast ? bold : 1;
        return true;
    case 3:
    case 8:
        look = {marks.runningGo, style == 8, true, bold,
                style == 8 ? Mark::Stepping : Mark::Running};
        return true;
    case 4:
    case 9:
        look = {marks.runningProc, style == 9, true, bold,
                style == 9 ? Mark::Stepping : Mark::Running};
        return true;
    case 5:
        look = {marks.problem, true, false, listing.highContrast ? 2 : 1, Mark::None};
        return true;
    case 7:
        look = {marks.stopped, false, true, bold, Mark::Stopped};
        return true;
    default:
        return false;
    }
}

QColor Tint(const QColor& colour, const QColor& background, double amount) {
    auto mix = [&](int c, int b) { return int(b + (c - b) * amount + 0.5); };
    return QColor(mix(colour.red(), background.red()), mix(colour.green(), background.green()),
                  mix(colour.blue(), background.blue()));
}

// A square at the right end of the line in the mark's colour, with a play
// sign, a stop sign or a pause sign cut out of it in the background colour.
void DrawMark(QPainter& painter, const CursorLook& look, const QRect& line,
              const QColor& background) {
    const int h = line.height();
    const QRect badge(line.right() + 1 - h, line.top(), h, h);
    painter.fillRect(badge, look.colour);
    // A thin edge on small lines leaves the sign room to be seen.
    const int inset = std::max(1, (h - 4) / 4);
    const QRect sign = badge.adjusted(inset, inset, -inset, -inset);
    if (sign.width() < 1)
        return;
    switch (look.mark) {
    case Mark::Running: {
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.setPen(Qt::NoPen);
        painter.setBrush(background);
        const QPointF play[3] = {QPointF(sign.left(), sign.top()),
                                 QPointF(sign.left(), sign.top() + sign.height()),
                                 QPointF(sign.left() + sign.width(), sign.center().y() + 0.5)};
        painter.drawPolygon(play, 3);
        break;
    }
    case Mark::Stopped:
        painter.fillRect(sign, background);
        break;
    case Mark::Stepping: {
        const int bar = std::max(1, sign.width() / 3);
        painter.fillRect(QRect(sign.left(), sign.top(), bar, sign.height()), background);
        painter.fillRect(QRect(sign.right() + 1 - bar, sign.top(), bar, sign.height()), background);
        break;
    }
    case Mark::None:
        break;
    }
}

} // namespace

void DrawListCursorBand(QPainter& painter, int style, int line, int width,
                        const ListingStyle& listing) {
    CursorLook look;
    if (!LookOf(style, listing, look) || !look.band)
        return;
    const QRect band(0, ListLineTop(line, listing.iconSize), width, listing.iconSize + 3);
    // Stepping shows a paler band than running.
    painter.fillRect(band, Tint(look.colour, listing.background, look.dotted ? 0.15 : 0.3));
    painter.fillRect(QRect(band.left(), band.top(), kListLeftMargin, band.height()), look.colour);
}

void DrawListCursorFrame(QPainter& painter, int style, int line, int width,
                         const ListingStyle& listing) {
    CursorLook look;
    if (!LookOf(style, listing, look))
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(Qt::NoBrush);
    QPen outline(look.colour, look.pen,
                 look.dotted ? (look.band ? Qt::DashLine : Qt::DotLine) : Qt::SolidLine);
    outline.setJoinStyle(Qt::MiterJoin);
    painter.setPen(outline);
    painter.setBackgroundMode(look.band ? Qt::TransparentMode : Qt::OpaqueMode);
    painter.setBackground(listing.background);
    const QRect frame(0, ListLineTop(line, listing.iconSize), width - 1, listing.iconSize + 2);
    painter.drawRect(look.pen > 1 ? OutlineBox(frame.adjusted(0, 0, 1, 1), look.pen) : frame);
    if (look.mark != Mark::None)
        DrawMark(painter, look, frame.adjusted(0, 0, 1, 1), listing.background);
    painter.restore();
}

int ListCursorPenWidth(int iconSize, bool highContrast) {
    return highContrast ? std::max(3, (iconSize + 5) / 8) : std::max(3, iconSize / 10);
}

} // namespace zf
