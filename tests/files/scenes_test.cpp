#include "bitmap_test_support.h"
#include "files/bitmap.h"
#include "files/floor_scene.h"
#include "files/listing_scene.h"
#include "files/pixel_picture.h"

#include "program/key_sequence.h"
#include "program/string_table.h"
#include "program/text_object.h"
#include "simulation/headless_run.h"
#include "support/recorder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string_view>
#include <tuple>
#include <vector>

namespace zf {
namespace {

// Texts 4.5 pixels a byte wide, 5 in whole pixels; every picture 1000 x 40.
class HalfPixelPainter : public TextMeasure, public PictureSizes {
  public:
    TextExtent Measure(const SceneFont&, std::string_view utf8, bool wholePixels) override {
        return {static_cast<double>(utf8.size()) * (wholePixels ? 5 : 4.5), 10, 8};
    }
    bool SizeOf(const std::string&, int& width, int& height) override {
        width = 1000;
        height = 40;
        return true;
    }
};

std::vector<SceneOp> TextsOf(const GoInstruction& in, const ListingLayout& layout) {
    Scene scene;
    AddInstructionLine(scene, in, 0, 0, layout);
    std::vector<SceneOp> texts;
    for (const SceneOp& op : scene.ops)
        if (op.kind == SceneOpKind::Text)
            texts.push_back(op);
    return texts;
}

// A closing bracket shows its own half black over the other in grey, both
// centred by the key's fractional metrics; a picture's name shows as UTF-8,
// a mark standing for each byte that is none.
TEST(ListingScene, BracketHalvesAndPictureNamesAsTheyAreShown) {
    NameTables tables;
    HalfPixelPainter painter;
    const ListingLayout layout{tables, 30,    {3000, 3000}, "",      0xFFFFFF,
                               0,      false, {},           painter, painter};
    const auto end = TextsOf(GoInstruction(op::RepeatEnd), layout);
    ASSERT_EQ(end.size(), 2u);
    EXPECT_EQ(std::tuple(end[0].text, end[0].colour, end[1].text, end[1].colour),
              std::tuple("  ]", 0x000000u, "[  ", 0xC0C0C0u));
    EXPECT_EQ(end[0].x, 8.25);
    GoInstruction unit(op::MoveUnit);
    unit.bracketOpen = 1;
    const auto opening = TextsOf(unit, layout);
    ASSERT_EQ(opening.size(), 2u);
    EXPECT_EQ(std::tuple(opening[0].text, opening[0].colour, opening[1].text, opening[1].colour),
              std::tuple("  ]", 0xC0C0C0u, "[  ", 0x000000u));

    GoInstruction stamp(op::PlaceStamp);
    // A name's bytes that are no part of UTF-8 show as replacement characters.
    stamp.nameId =
        tables.names.Add("caf\xC3\xA9\xC3(\x80\xF0\x9F\x98\x80\xE2\x82(.bmp\xE2\x82\xAC");
    const auto named = TextsOf(stamp, layout);
    ASSERT_EQ(named.size(), 1u);
    EXPECT_EQ(named[0].text, "caf\xC3\xA9\xEF\xBF\xBD(\xEF\xBF\xBD\xF0\x9F\x98\x80\xEF\xBF\xBD"
                             "\xEF\xBF\xBD(.bmp\xE2\x82\xAC");
    // Its pictures stand upright; the thumbnail keeps its clear colour out,
    // and the note art is multiplied, never keyed or flipped.
    Scene line;
    AddInstructionLine(line, stamp, 0, 0, layout);
    // The ground behind the name is measured in whole pixels.
    ASSERT_EQ(line.ops.back().kind, SceneOpKind::Text);
    EXPECT_EQ(line.ops[line.ops.size() - 2].w, 5.0 * named[0].text.size());
    EXPECT_TRUE(std::none_of(line.ops.begin(), line.ops.end(), [](const SceneOp& op) {
        return op.kind == SceneOpKind::Image && op.flipY;
    }));
    const auto image = [](const Scene& scene, std::string_view source) {
        const auto found = std::find_if(scene.ops.begin(), scene.ops.end(), [&](const SceneOp& op) {
            return op.kind == SceneOpKind::Image && op.text.starts_with(source);
        });
        return found == scene.ops.end() ? std::tuple(false, false, false)
                                        : std::tuple(found->flipX, found->keyed, found->multiply);
    };
    GoInstruction tree(op::PlaceStamp);
    tree.nameId = tables.names.Add("tree.bmp");
    Scene thumbnail;
    AddInstructionLine(thumbnail, tree, 0, 0, layout);
    EXPECT_EQ(image(thumbnail, "file:"), std::tuple(false, true, false));
    Scene note;
    AddKeyPicture(note, {0, 0, 30, 30}, op::Quaver, painter, painter);
    EXPECT_EQ(image(note, kNoteArt), std::tuple(false, false, true));
    // A Repeat's and a definition's bracket opens after their digits.
    for (std::uint8_t opcode : {op::Repeat, op::ProcedureDef}) {
        GoInstruction open(opcode);
        open.digits[0] = 4;
        open.bracketOpen = 1;
        const auto texts = TextsOf(open, layout);
        const auto digit = std::find_if(texts.begin(), texts.end(),
                                        [](const SceneOp& op) { return op.text == "4"; });
        ASSERT_NE(digit, texts.end());
        EXPECT_LT(digit->x, texts.back().x) << int(opcode);
        // Keyed before its bracket, it shows none.
        open.bracketOpen = 0;
        EXPECT_EQ(TextsOf(open, layout).size(), texts.size() - 2) << int(opcode);
    }
    GoInstruction nine(op::Back);
    nine.digits[0] = 9;
    EXPECT_EQ(TextsOf(nine, layout).back().text, "9");
    // Line breaks in a name show as one space each.
    stamp.nameId = tables.names.Add("\r\nx\ry\nz\r");
    EXPECT_EQ(TextsOf(stamp, layout)[0].text, " x y z ");
    // An outline three pixels wide lies wholly inside its box.
    const PixelBox inside = OutlineBox({0, 0, 30, 30}, 3);
    EXPECT_EQ(std::tuple(inside.x, inside.y, inside.w, inside.h), std::tuple(1, 1, 27, 27));
    // The arrows of Forward and Back point up and down, their tips midway across.
    Scene up;
    Scene down;
    AddArrowPicture(up, {0, 0, 30, 30}, ArrowDirection::Up);
    AddArrowPicture(down, {0, 0, 30, 30}, ArrowDirection::Down);
    const auto& a = up.ops.back().points;
    const auto& b = down.ops.back().points;
    EXPECT_EQ(std::tuple(a[0], a[1], b[0], b[1]), std::tuple(15.0, 1.0, 15.0, 28.0));

    // Each cursor's look: the band under the line, then the frame's ops (the
    // outline, the badge and its sign), the outline's pen and line; a style
    // of no look draws nothing.
    using enum SceneLineStyle;
    using enum SceneOpKind;
    using Look = std::tuple<std::size_t, std::size_t, SceneOpKind, double, SceneLineStyle>;
    const std::pair<int, Look> looks[] = {
        {1, {0, 1, Rect, 1, Solid}},    {2, {0, 1, Rect, 1, Solid}}, {3, {2, 3, Polygon, 3, Solid}},
        {4, {2, 3, Polygon, 3, Solid}}, {5, {0, 1, Rect, 1, Dot}},   {6, {0, 0, Fill, 1, Solid}},
        {7, {2, 3, Fill, 3, Solid}},    {8, {2, 4, Fill, 3, Dash}},  {9, {2, 4, Fill, 3, Dash}}};
    for (const auto& [style, look] : looks) {
        Scene band;
        Scene frame;
        AddListCursorBand(band, style, 0, 100, layout);
        AddListCursorFrame(frame, style, 0, 100, layout);
        const SceneOp none;
        const SceneOp& outline = frame.ops.empty() ? none : frame.ops.front();
        const SceneOp& sign = frame.ops.empty() ? none : frame.ops.back();
        EXPECT_EQ(Look(band.ops.size(), frame.ops.size(), sign.kind, outline.width, outline.style),
                  look)
            << style;
    }
    // The editing frame is a thin line just inside the line's width, over
    // the list's ground.
    Scene editing;
    AddListCursorFrame(editing, cursor::Editing, 0, 100, layout);
    const SceneOp& thin = editing.ops.back();
    EXPECT_EQ(std::tuple(thin.fill, thin.x, thin.w),
              std::tuple(std::optional(layout.background), 0.0, 99.0));
}

// Graphic lines write their value; every line is as wide as it is drawn,
// and a listing is as wide as its widest indented line and draws from its
// first line until past the height asked for.
TEST(ListingScene, LinesAreAsWideAsDrawnAndAListingStopsPastItsHeight) {
    NameTables tables;
    HalfPixelPainter painter;
    const ListingLayout layout{tables, 20,    {3000, 3000}, "",      0xFFFFFF,
                               0,      false, {},           painter, painter};
    GoInstruction position(op::SetPosition);
    position.value1 = 1500 + 450;
    position.value2 = 1500 + 300;
    GoInstruction heading(op::SetHeading);
    heading.value1 = 270;
    GoInstruction header(op::GoProgramHeader);
    header.nameId = tables.names.Add("/home/class/Zarnikfield Work/town.gop");
    GoInstruction text(op::PlaceText);
    text.textObject = std::make_unique<TextObjectRecord>(DefaultTextObject(tables));
    text.textObject->textId = tables.texts.Add(std::string(300, 'x'));
    EXPECT_EQ(std::tuple(GraphicLineText(position, tables, {3000, 3000}),
                         GraphicLineText(heading, tables, {}), GraphicLineText(header, tables, {}),
                         GraphicLineText(GoInstruction(op::PenUp), tables, {}),
                         GraphicLineText(text, tables, {})),
              std::tuple("1.5, -1", "270", "town.gop", "", std::string(260, 'x') + "..."));
    text.textObject->textId = tables.texts.Add(std::string(260, 'y'));
    EXPECT_EQ(GraphicLineText(text, tables, {}), std::string(260, 'y'));

    test::Recorder ui;
    GoEditor editor(ui, tables);
    ASSERT_TRUE(KeySequence(editor, "RPT 2 [ RPT 3 [ FD [ 1 2 ] ] LT 9 0 ] FD 2 P 3 ["));
    std::vector<const GoInstruction*> lines{&position, &header, &text, &heading};
    for (int list : {GO_LIST, PROC_LIST})
        for (const GoInstruction* in = editor.Head(list); in; in = in->next)
            lines.push_back(in);
    for (const GoInstruction* in : lines) {
        Scene line;
        EXPECT_EQ(AddInstructionLine(line, *in, 7, 0, layout) - 7,
                  InstructionLineWidth(*in, layout))
            << ListingLine(*in, tables);
    }
    const GoInstruction* first = editor.Head(GO_LIST)->next;
    EXPECT_EQ(ListingWidth(first, layout),
              kListLeftMargin + 6 * 20 + InstructionLineWidth(*first->next->next, layout));
    Scene listing;
    EXPECT_EQ(std::tuple(AddListing(listing, first, 0, 100, layout),
                         AddListing(listing, first, 0, 200, layout),
                         AddListing(listing, first, 1, 20, layout)),
              std::tuple(4, 7, 1));
}

// Shrunk by nearest pixels, each target pixel takes the source pixel under
// its middle; the top-left pixel stays where the clear colour is looked for.
TEST(PixelPictures, ReadAtAnyDepthStretchedFittedAndTurnedByNearestPixels) {
    PixelPicture row(4, 1);
    row.pixels = {1, 2, 3, 4};
    EXPECT_EQ(Stretched(row, 2, 1, false).pixels, (std::vector<std::uint32_t>{1, 3}));
    EXPECT_EQ(Stretched(row, 2, 1, true).pixels, (std::vector<std::uint32_t>{1, 1}));
    PixelPicture column(1, 3);
    column.pixels = {1, 2, 3};
    EXPECT_EQ(Stretched(column, 1, 3, false, true).pixels, (std::vector<std::uint32_t>{1, 2, 1}));
    // A picture one pixel wide or tall still fits its box.
    const PixelBox thin = FittedBox(1, 4, 10, 10, 8, 8);
    EXPECT_EQ(std::tuple(thin.x, thin.y, thin.w, thin.h), std::tuple(8, 5, 2, 8));
    const PixelBox flat = FittedBox(4, 1, 10, 10, 8, 8);
    EXPECT_EQ(std::tuple(flat.x, flat.y, flat.w, flat.h), std::tuple(5, 8, 8, 2));
    // Turned a quarter clockwise, what comes from beyond an edge is the
    // top-left colour; rows are held bottom up.
    PixelPicture tall(2, 4);
    PixelPicture wide(4, 2);
    tall.pixels = {1, 2, 3, 4, 5, 6, 7, 8};
    wide.pixels = tall.pixels;
    EXPECT_EQ(Rotated(tall, 90).pixels, (std::vector<std::uint32_t>{5, 3, 6, 4, 1, 1, 1, 1}));
    EXPECT_EQ(Rotated(wide, 90).pixels, (std::vector<std::uint32_t>{7, 7, 3, 1, 8, 8, 4, 1}));
    // Keyed out by colour, whatever the alpha.
    PixelPicture keyed(3, 1);
    keyed.pixels = {0xFF102030, 0x00102030, 0xFF102031};
    KeyOut(keyed, 0xAA102030);
    EXPECT_EQ(keyed.pixels, (std::vector<std::uint32_t>{0, 0, 0xFF102031}));
    // A stored picture of any depth, one pixel wide or high, gives the
    // pixels its bitmap reads.
    const std::vector<std::uint32_t> colours{0x102030, 0xFFEEDD};
    const std::vector<std::uint32_t> indices{0, 1, 1, 1, 0, 0};
    for (int bits : {1, 4, 8, 24, 32}) {
        const bool indexed = bits <= 8;
        std::vector<std::uint32_t> values;
        for (std::uint32_t i : indices)
            values.push_back(indexed ? i : colours[i]);
        for (int w : {1, 6}) {
            const auto bitmap = ParseBitmapFile(test::BuildBitmapFile(
                {w, 6 / w, bits, indexed ? colours : std::vector<std::uint32_t>{}, values}));
            ASSERT_TRUE(bitmap) << bits;
            const PixelPicture pixels = PixelsOfBitmap(*bitmap);
            ASSERT_EQ(pixels.pixels.size(), 6u) << bits;
            for (int i = 0; i < 6; ++i)
                EXPECT_EQ(pixels.At(i % w, i / w), bitmap->PixelRgb(i % w, i / w)) << bits;
        }
    }
}

// A floor shows its pen trail, and a stamp as its picture; a text's block
// is its widest line and one pixel more, by its lines' height.
TEST(FloorScene, ATrailWithoutObjectsAndTextBlocks) {
    NameTables tables;
    HalfPixelPainter painter;
    ZarnikState state;
    PenTrail trail;
    GraphicObjectList objects{tables};
    trail.AppendTrailPoint(0, 0);
    trail.SetTrailStyle(0);
    trail.AppendTrailPoint(300, 300);
    WorkingAreaScene area{state, trail, objects, ""};
    const Scene floor = BuildFloorScene(area, {0, 0, 300, 300}, 100, {painter, painter});
    ASSERT_EQ(floor.ops.size(), 2u);
    // A window one pixel across still shows its pixel.
    EXPECT_FALSE(BuildFloorScene(area, {0, 0, 1, 1}, 100, {painter, painter}).ops.empty());
    EXPECT_EQ(std::tuple(floor.ops[0].kind, floor.ops[1].kind),
              std::tuple(SceneOpKind::Fill, SceneOpKind::Line));
    objects.CreateGraphicObject("tree.bmp", objectkind::Stamp, 300, 300, 0, 0, 0, 0);
    const Scene stamped = BuildFloorScene(area, {0, 0, 300, 300}, 100, {painter, painter});
    EXPECT_TRUE(std::any_of(stamped.ops.begin(), stamped.ops.end(), [](const SceneOp& op) {
        return op.kind == SceneOpKind::Image && op.text.ends_with("tree.bmp");
    }));
    int width = 0;
    int height = 0;
    MeasureTextBlock(painter, SceneFont{}, {"ab", "abcd"}, width, height);
    EXPECT_EQ(std::tuple(width, height), std::tuple(21, 20));
    // A text's lines break at CR LF, CR or LF alone, each line a text.
    TextObjectRecord record;
    record.textId = tables.texts.Add("ab\r\ncd");
    record.font.underline = 1;
    const auto bytes = record.ToBytes();
    const auto index = static_cast<std::int32_t>(tables.textObjects.Add(bytes.data()));
    objects.CreateGraphicObject("", objectkind::Text, 600, 600, index, 0, 0, 0);
    const Scene texts = BuildFloorScene(area, {0, 0, 300, 300}, 100, {painter, painter});
    EXPECT_EQ(std::count_if(texts.ops.begin(), texts.ops.end(),
                            [](const SceneOp& op) {
                                return op.kind == SceneOpKind::Text && op.font.underline &&
                                       !op.font.strike;
                            }),
              2);
    EXPECT_EQ(TextLines("ab\r\ncd\ne\rf\x7F\x80"),
              (std::vector<std::string>{"ab", "cd", "e", "f\x7F\xC2\x80"}));
    // A positive height is the whole cell, measured unrounded as it is drawn.
    struct : TextMeasure {
        TextExtent Measure(const SceneFont& font, std::string_view, bool whole) override {
            return {0, font.px * (whole ? 1.0 : 1.25), 0};
        }
    } cells;
    LogFont cellHigh;
    cellHigh.height = 40;
    EXPECT_EQ(TextObjectFont(cellHigh, 100, cells).px, 80);
    // A font of no height is sized by the step; a pending placement moves
    // the text once, here half a step down and right of its point.
    EXPECT_EQ(texts.ops.back().font.px, static_cast<int>(PixelsPerStep(state) * 0.4));
    GraphicObject* placed =
        objects.CreateGraphicObject("", objectkind::Text, 600, 600, index, 10, 0, 0);
    for (int pass = 0; pass < 2; ++pass)
        BuildFloorScene(area, {0, 0, 300, 300}, 100, {painter, painter});
    EXPECT_EQ(std::tuple(placed->x, placed->y, placed->param2), std::tuple(750, 750, 0));
    // Measured alone, a text takes its block's size; one of no record, none.
    placed->width = 0;
    EXPECT_TRUE(MeasureTextObject(tables, *placed, state, painter));
    EXPECT_EQ(placed->width, PixelsToMm(state, 11));
    GraphicObject* lost = objects.CreateGraphicObject("", objectkind::Text, 0, 0, 99, 0, 0, 0);
    EXPECT_FALSE(MeasureTextObject(tables, *lost, state, painter));
}

// The floor in layers, moved by the region's corner: the background fitted
// to the floor, the trail over it, stamps fitted into a step and centred on
// their place (mirrored when flipped), the robot a step's square. A hidden
// stamp and a floor of no zoom show nothing.
TEST(FloorScene, LayersAreFittedCentredAndMovedByTheRegion) {
    NameTables tables;
    HalfPixelPainter painter;
    ZarnikState state;
    SetUpWorkingArea(state, 10, 10);
    PenTrail trail;
    trail.AppendTrailPoint(0, 0);
    trail.SetTrailStyle(0);
    trail.AppendTrailPoint(300, 300);
    GraphicObjectList objects{tables};
    objects.CreateGraphicObject("grass.bmp", objectkind::Background, 1500, 1500, 0, 0, 0, 0);
    objects.CreateGraphicObject("tree.bmp", objectkind::Stamp, 600, 900, 0, 0, 1, 0);
    const GraphicObject* hidden =
        objects.CreateGraphicObject("rock.bmp", objectkind::Stamp, 0, 0, 0, 0, 0, 0);
    WorkingAreaScene area{state, trail, objects, "", hidden};
    const Scene floor = BuildFloorScene(area, {10, 20, 300, 300}, 100, {painter, painter}, true);
    using Op = std::tuple<SceneOpKind, double, double, double, double, double, double, bool>;
    std::vector<Op> ops;
    for (const SceneOp& op : floor.ops)
        ops.emplace_back(op.kind, op.x, op.y, op.w, op.h, op.x2, op.y2, op.flipX);
    using enum SceneOpKind;
    EXPECT_EQ(ops, (std::vector<Op>{{Fill, 0, 0, 300, 300, 0, 0, false},
                                    {Image, -10, 123, 300, 12, 0, 0, false},
                                    {Line, -10, -20, 0, 0, 20, 10, false},
                                    {Image, 34, 69, 30, 1, 0, 0, true},
                                    {Robot, 125, 115, 30, 30, 0, 0, false}}));
    EXPECT_TRUE(BuildFloorScene(area, {0, 0, 300, 300}, 0, {painter, painter}).ops.empty());
    // The zoom that fits the floor, none for a floor of no width.
    ZarnikState flat = state;
    flat.floorWidth = 0;
    EXPECT_EQ(std::tuple(FitZoom(state, 600, 300), FitZoom(flat, 600, 300)),
              std::tuple(100.0f, 0.0f));
}
} // namespace
} // namespace zf
