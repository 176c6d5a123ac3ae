#include "files/listing_scene.h"

#include "files/paths.h"
#include "program/string_table.h"

#include <algorithm>
#include <cstdio>

namespace zf {

namespace {

constexpr SceneColour kBlack = 0x000000;
constexpr SceneColour kWhite = 0xFFFFFF;
constexpr SceneColour kCyan = 0x00FFFF;
constexpr SceneColour kMagenta = 0xFF00FF;
constexpr SceneColour kYellow = 0xFFFF00;
constexpr SceneColour kLightGrey = 0xC0C0C0;

// Arrow outlines on a grid of 660 units a side: one pointing up, one right;
// down and left are their mirror images.
constexpr int kGrid = 660;
constexpr int kUpArrow[7][2] = {{330, 40},  {620, 330}, {445, 330}, {445, 620},
                                {215, 620}, {215, 330}, {40, 330}};
constexpr int kRightArrow[7][2] = {{620, 330}, {330, 620}, {330, 445}, {40, 445},
                                   {40, 215},  {330, 215}, {330, 40}};

SceneFont Arial(int px) {
    SceneFont font;
    font.px = px;
    return font;
}

// The box a label is centred in: an eighth of the side off top and bottom.
PixelBox LabelBox(const PixelBox& box) {
    const int inset = box.h / 8;
    return {box.x, box.y + inset, box.w, box.h - 2 * inset};
}

void AddCircle(Scene& out, const PixelBox& box, SceneColour colour) {
    const int width = OutlineWidth(box.h);
    const PixelBox circle = OutlineBox(box, width);
    SceneOp op;
    op.kind = SceneOpKind::Ellipse;
    op.x = circle.x;
    op.y = circle.y;
    op.w = circle.w;
    op.h = circle.h;
    op.fill = colour;
    op.colour = kBlack;
    op.width = width;
    out.ops.push_back(std::move(op));
}

void AddOutline(Scene& out, const PixelBox& box, SceneColour colour, int width,
                ScenePenEnds ends = ScenePenEnds::Square) {
    SceneOp op;
    op.kind = SceneOpKind::Rect;
    op.x = box.x;
    op.y = box.y;
    op.w = box.w;
    op.h = box.h;
    op.colour = colour;
    op.width = width;
    op.ends = ends;
    out.ops.push_back(std::move(op));
}

void AddNotePicture(Scene& out, const PixelBox& box, PictureSizes& pictures) {
    AddCircle(out, box, kMagenta);
    int w = 0;
    int h = 0;
    if (!pictures.SizeOf(kNoteArt, w, h))
        return;
    // The note is black on white: multiplying keeps the circle where it is white.
    out.Image(kNoteArt, box.x, box.y, box.w, box.h, false, false);
    out.ops.back().multiply = true;
}

} // namespace

void AddKeyPicture(Scene& out, const PixelBox& box, std::uint8_t opcode, TextMeasure& measure,
                   PictureSizes& pictures) {
    switch (opcode) {
    case op::Forward:
    case op::MoveUnit:
        return AddArrowPicture(out, box, ArrowDirection::Up);
    case op::Back:
        return AddArrowPicture(out, box, ArrowDirection::Down);
    case op::Left:
        return AddArrowPicture(out, box, ArrowDirection::Left);
    case op::Right:
    case op::TurnUnit:
        return AddArrowPicture(out, box, ArrowDirection::Right);
    case op::Repeat:
        return AddCirclePicture(out, box, kCyan, "R", measure);
    case op::Procedure:
    case op::ProcedureDef:
        return AddCirclePicture(out, box, kCyan, "P", measure);
    case op::Wait:
        return AddCirclePicture(out, box, kCyan, "W", measure);
    case op::Quaver:
    case op::QuaverSetting:
        return AddNotePicture(out, box, pictures);
    case op::Motor:
        return AddCirclePicture(out, box, kMagenta, "M", measure);
    case op::Sense:
        return AddCirclePicture(out, box, kMagenta, "S", measure);
    case op::Toggle:
        return AddCirclePicture(out, box, kMagenta, "T", measure);
    default:
        return AddCirclePicture(out, box, kWhite, "?", measure);
    }
}

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

// Whether the program's icon strip has a graphic command's cell.
bool HasIconCell(PictureSizes& pictures, std::uint8_t opcode) {
    int w = 0;
    int h = 0;
    const int cell = IconCell(opcode);
    return pictures.SizeOf(kProgramIconsArt, w, h) && h > 0 && cell >= 0 && (cell + 1) * h <= w;
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

void AddFramedSquare(Scene& out, const PixelBox& box) {
    const int width = OutlineWidth(box.h);
    AddOutline(out, OutlineBox(box, width), kBlack, width);
}

SceneFont GraphicTextFont(TextMeasure& measure, int iconSize) {
    return Arial(ArialPixelSize(measure, std::max(iconSize * 3 / 4, std::min(12, iconSize + 4))));
}

int GraphicTextGap(int iconSize) {
    return std::max(3, iconSize / 4);
}

// A file name's bytes as UTF-8: each byte that is no part of UTF-8 shows as
// the replacement character.
std::string DecodedName(std::string_view name) {
    std::string out;
    for (std::size_t i = 0; i < name.size();) {
        const auto lead = static_cast<unsigned char>(name[i]);
        const std::size_t length = lead < 0x80           ? 1
                                   : (lead >> 5) == 0x6  ? 2
                                   : (lead >> 4) == 0xE  ? 3
                                   : (lead >> 3) == 0x1E ? 4
                                                         : 0;
        bool whole = length > 0 && i + length <= name.size();
        for (std::size_t k = 1; whole && k < length; ++k)
            whole = (static_cast<unsigned char>(name[i + k]) >> 6) == 0x2;
        if (whole) {
            out.append(name.substr(i, length));
            i += length;
        } else {
            out += "\xEF\xBF\xBD";
            ++i;
        }
    }
    return out;
}

// A text line as the listing writes it: line breaks become spaces. Texts
// of text objects are 8-bit characters, names of files are file names.
std::string OneLine(const GoInstruction& in, const std::string& text) {
    const std::string decoded = in.opcode == op::PlaceText ? Latin1ToUtf8(text) : DecodedName(text);
    std::string line;
    for (std::size_t i = 0; i < decoded.size(); ++i) {
        const char c = decoded[i];
        if (c == '\r' && i + 1 < decoded.size() && decoded[i + 1] == '\n')
            ++i;
        line += c == '\r' || c == '\n' ? ' ' : c;
    }
    return line;
}

int TextWidth(const ListingLayout& layout, const std::string& line) {
    const SceneFont font = GraphicTextFont(layout.measure, layout.iconSize);
    return static_cast<int>(layout.measure.Measure(font, line, true).width);
}

int AddGraphicLine(Scene& out, const GoInstruction& in, int x, int y, const ListingLayout& layout) {
    const int s = layout.iconSize;
    const PixelBox cellBox{x, y, s, s};
    if (!HasIconCell(layout.pictures, in.opcode)) {
        AddKeyPicture(out, cellBox, in.opcode, layout.measure, layout.pictures);
        return x + s;
    }
    out.Image(std::string(kProgramIconsArt) + "#" + std::to_string(IconCell(in.opcode)), x, y, s, s,
              false, false);
    AddFramedSquare(out, cellBox);
    x += s;
    if (const char* folder = ThumbnailFolder(in.opcode)) {
        const PixelBox thumb{x, y, s, s};
        out.Fill(x, y, s, s, layout.background);
        const std::string path =
            ProjectPicturePath(layout.folder, folder, layout.tables.names.Get(in.nameId));
        int pw = 0;
        int ph = 0;
        if (!path.empty() && layout.pictures.SizeOf(path, pw, ph)) {
            const PixelBox size = FittedBox(pw, ph, 0, 0, s - 2, s - 2);
            const PixelBox at = FittedBox(size.w, size.h, x + s / 2, y + s / 2, size.w, size.h);
            if (!size.Empty())
                out.Image("file:" + path, at.x, at.y, size.w, size.h, false, true);
        }
        AddFramedSquare(out, thumb);
        x += s;
    }
    const std::string text = GraphicLineText(in, layout.tables, layout.floor);
    if (text.empty())
        return x;
    const SceneFont font = GraphicTextFont(layout.measure, s);
    const std::string line = OneLine(in, text);
    const TextExtent metrics = layout.measure.Measure(font, line, true);
    const int height = static_cast<int>(metrics.height);
    const int width = static_cast<int>(metrics.width);
    const int left = x + GraphicTextGap(s);
    const int top = y + (s - height) / 2;
    // Texts of text objects lie on the listing as they lie on the floor;
    // the others are written on the window's background.
    if (in.opcode != op::PlaceText)
        out.Fill(left, top, width, height, layout.background);
    out.Text(left, top, top + metrics.ascent, line, font, layout.text);
    return left + width;
}

// What marks a line besides its colour, so that no one needs the colour to
// tell a running line from a stopped or a stepped one.
enum class Mark { None, Running, Stopped, Stepping };

struct CursorLook {
    SceneColour colour = 0;
    bool dotted = false;
    // The run's lines have a band under their pictures and a bold frame, to
    // be seen across a room.
    bool band = false;
    int pen = 1;
    Mark mark = Mark::None;
};

bool LookOf(int style, const ListingLayout& layout, CursorLook& look) {
    const CursorColours& marks = layout.marks;
    const int bold = ListCursorPenWidth(layout.iconSize, layout.highContrast);
    switch (style) {
    case 1:
        look.colour = layout.background;
        look.pen = layout.highContrast ? bold : 1;
        return true;
    case 2:
        look.colour = marks.editing.value_or(layout.text);
        look.pen = layout.highContrast ? bold : 1;
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
        look = {marks.problem, true, false, layout.highContrast ? 2 : 1, Mark::None};
        return true;
    case 7:
        look = {marks.stopped, false, true, bold, Mark::Stopped};
        return true;
    default:
        return false;
    }
}

SceneColour Tint(SceneColour colour, SceneColour background, double amount) {
    SceneColour out = 0;
    for (int shift : {16, 8, 0}) {
        const int c = static_cast<int>((colour >> shift) & 0xFF);
        const int b = static_cast<int>((background >> shift) & 0xFF);
        out |= static_cast<SceneColour>(static_cast<int>(b + (c - b) * amount + 0.5)) << shift;
    }
    return out;
}

// A square at the right end of the line in the mark's colour, with a play
// sign, a stop sign or a pause sign cut out of it in the background colour.
void AddMark(Scene& out, const CursorLook& look, const PixelBox& line, SceneColour background) {
    const int h = line.h;
    const PixelBox badge{line.x + line.w - h, line.y, h, h};
    out.Fill(badge.x, badge.y, h, h, look.colour);
    // A thin edge on small lines leaves the sign room to be seen.
    const int inset = std::max(1, (h - 4) / 4);
    const PixelBox sign{badge.x + inset, badge.y + inset, h - 2 * inset, h - 2 * inset};
    if (sign.w < 1)
        return;
    switch (look.mark) {
    case Mark::Running: {
        SceneOp play;
        play.kind = SceneOpKind::Polygon;
        play.smooth = true;
        play.width = 0;
        play.fill = background;
        const double middle = (sign.y + (sign.y + sign.h - 1)) / 2 + 0.5;
        play.points = {static_cast<double>(sign.x),          static_cast<double>(sign.y),
                       static_cast<double>(sign.x),          static_cast<double>(sign.y + sign.h),
                       static_cast<double>(sign.x + sign.w), middle};
        out.ops.push_back(std::move(play));
        break;
    }
    case Mark::Stopped:
        out.Fill(sign.x, sign.y, sign.w, sign.h, background);
        break;
    case Mark::Stepping: {
        const int bar = std::max(1, sign.w / 3);
        out.Fill(sign.x, sign.y, bar, sign.h, background);
        out.Fill(sign.x + sign.w - bar, sign.y, bar, sign.h, background);
        break;
    }
    case Mark::None:
        break;
    }
}

} // namespace

CursorColours ListCursorColours(bool highContrast) {
    if (highContrast)
        return {0xFFFF00, 0x00FF00, 0x00FFFF, 0xFF5050, 0xFF00FF};
    return {std::nullopt, 0x008000, 0x000080, 0x800000, 0x800000};
}

int OutlineWidth(int side) {
    return std::max(1, side / 30);
}

PixelBox OutlineBox(const PixelBox& box, int width) {
    return {box.x + width / 2, box.y + width / 2, box.w - width / 2 - (width + 1) / 2,
            box.h - width / 2 - (width + 1) / 2};
}

int ArialPixelSize(TextMeasure& measure, int cellHeight) {
    const double cell = measure.Measure(Arial(100), {}, false).height;
    return std::max(1, static_cast<int>(cellHeight * 100 / cell));
}

void AddArrowPicture(Scene& out, const PixelBox& box, ArrowDirection direction) {
    const bool vertical = direction == ArrowDirection::Up || direction == ArrowDirection::Down;
    const bool mirrored = direction == ArrowDirection::Down || direction == ArrowDirection::Left;
    const auto& outline = vertical ? kUpArrow : kRightArrow;
    SceneOp arrow;
    arrow.kind = SceneOpKind::Polygon;
    arrow.width = 0;
    arrow.fill = kCyan;
    for (const auto& corner : outline) {
        int gx = corner[0];
        int gy = corner[1];
        if (mirrored && vertical)
            gy = kGrid - gy;
        else if (mirrored)
            gx = kGrid - gx;
        arrow.points.push_back(box.x + gx * box.w / kGrid);
        arrow.points.push_back(box.y + gy * box.h / kGrid);
    }
    out.ops.push_back(std::move(arrow));
}

void AddCirclePicture(Scene& out, const PixelBox& box, SceneColour colour, const std::string& label,
                      TextMeasure& measure) {
    AddCircle(out, box, colour);
    if (label.empty())
        return;
    const SceneFont font = Arial(ArialPixelSize(measure, box.h * 3 / 4));
    const TextExtent metrics = measure.Measure(font, label, false);
    const PixelBox within = LabelBox(box);
    const double top = within.y + (within.h - metrics.height) / 2;
    out.Text(within.x + (within.w - metrics.width) / 2, top, top + metrics.ascent, label, font,
             kBlack);
    // Centred by whoever paints it, with its own font's measure.
    out.ops.back().w = within.w;
    out.ops.back().h = within.h;
    out.ops.back().x2 = within.x;
    out.ops.back().y2 = within.y;
}

void AddDigitPicture(Scene& out, const PixelBox& box, int digit, TextMeasure& measure) {
    if (digit < 0 || digit > 9)
        return AddCirclePicture(out, box, kWhite, "?", measure);
    AddCirclePicture(out, box, kYellow, std::to_string(digit), measure);
}

void AddBracketPicture(Scene& out, const PixelBox& box, bool opening, TextMeasure& measure) {
    AddCircle(out, box, kCyan);
    const SceneFont font = Arial(ArialPixelSize(measure, box.h * 3 / 4));
    // Both halves laid out as "[  ]" would be, so that they sit where the
    // texts "[  " and "  ]" drawn over each other put them.
    const std::string open = "[  ";
    const std::string close = "  ]";
    const TextExtent metrics = measure.Measure(font, open, false);
    const PixelBox label = LabelBox(box);
    const double left = label.x + (label.w - metrics.width) / 2;
    const double top = label.y + (label.h - metrics.height) / 2;
    const double baseline = top + metrics.ascent;
    out.Text(left, top, baseline, close, font, opening ? kLightGrey : kBlack);
    out.Text(left, top, baseline, open, font, opening ? kBlack : kLightGrey);
}

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

int AddInstructionLine(Scene& out, const GoInstruction& in, int x, int y,
                       const ListingLayout& layout) {
    const int s = layout.iconSize;
    if (s < 1)
        return x;
    auto box = [&] { return PixelBox{x, y, s, s}; };
    if (IsGraphicCommand(in.opcode))
        return AddGraphicLine(out, in, x, y, layout);
    if (in.opcode == op::RepeatEnd || in.opcode == op::ProcedureEnd) {
        AddBracketPicture(out, box(), false, layout.measure);
        return x + s;
    }
    const bool opensAfterDigits = in.opcode == op::Repeat || in.opcode == op::ProcedureDef;
    AddKeyPicture(out, box(), in.opcode, layout.measure, layout.pictures);
    x += s;
    if (in.bracketOpen && !opensAfterDigits) {
        AddBracketPicture(out, box(), true, layout.measure);
        x += s;
    }
    for (std::uint8_t digit : in.digits) {
        if (digit == kNoDigit)
            break;
        AddDigitPicture(out, box(), digit, layout.measure);
        x += s;
    }
    if (in.bracketClosed) {
        AddBracketPicture(out, box(), false, layout.measure);
        x += s;
    }
    if (in.bracketOpen && opensAfterDigits) {
        AddBracketPicture(out, box(), true, layout.measure);
        x += s;
    }
    return x;
}

int InstructionLineWidth(const GoInstruction& in, const ListingLayout& layout) {
    const int s = layout.iconSize;
    if (s < 1)
        return 0;
    if (IsGraphicCommand(in.opcode)) {
        if (!HasIconCell(layout.pictures, in.opcode))
            return s;
        int width = ThumbnailFolder(in.opcode) ? 2 * s : s;
        const std::string text = GraphicLineText(in, layout.tables, layout.floor);
        if (!text.empty())
            width += GraphicTextGap(s) + TextWidth(layout, OneLine(in, text));
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

int ListingWidth(const GoInstruction* head, const ListingLayout& layout) {
    int width = 0;
    for (const GoInstruction* in = head; in; in = in->next)
        width = std::max(width, kListLeftMargin + in->indent * layout.iconSize +
                                    InstructionLineWidth(*in, layout));
    return width;
}

int AddListing(Scene& out, const GoInstruction* head, int firstLine, int height,
               const ListingLayout& layout) {
    const int s = layout.iconSize;
    int line = 0;
    const GoInstruction* in = head;
    for (; in && line < firstLine; in = in->next)
        line += in->lineCount;
    int y = ListPictureTop(0, s);
    int drawn = 0;
    for (; in; in = in->next) {
        AddInstructionLine(out, *in, kListLeftMargin + in->indent * s, y, layout);
        ++drawn;
        y += in->lineCount * s + kListLineGap;
        if (y > height)
            break;
    }
    return drawn;
}

void AddListCursorBand(Scene& out, int style, int line, int width, const ListingLayout& layout) {
    CursorLook look;
    if (!LookOf(style, layout, look) || !look.band)
        return;
    const int top = ListLineTop(line, layout.iconSize);
    const int height = layout.iconSize + 3;
    // Stepping shows a paler band than running.
    out.Fill(0, top, width, height, Tint(look.colour, layout.background, look.dotted ? 0.15 : 0.3));
    out.Fill(0, top, kListLeftMargin, height, look.colour);
}

void AddListCursorFrame(Scene& out, int style, int line, int width, const ListingLayout& layout) {
    CursorLook look;
    if (!LookOf(style, layout, look))
        return;
    const PixelBox whole{0, ListLineTop(line, layout.iconSize), width, layout.iconSize + 3};
    const PixelBox frame = look.pen > 1 ? OutlineBox(whole, look.pen)
                                        : PixelBox{0, whole.y, width - 1, layout.iconSize + 2};
    AddOutline(out, frame, look.colour, look.pen, ScenePenEnds::Miter);
    SceneOp& outline = out.ops.back();
    if (look.dotted)
        outline.style = look.band ? SceneLineStyle::Dash : SceneLineStyle::Dot;
    // Alone, a dotted frame shows the list's ground between its dots.
    if (!look.band)
        outline.fill = layout.background;
    if (look.mark != Mark::None)
        AddMark(out, look, whole, layout.background);
}

int ListCursorPenWidth(int iconSize, bool highContrast) {
    return highContrast ? std::max(3, (iconSize + 5) / 8) : std::max(3, iconSize / 10);
}

} // namespace zf
