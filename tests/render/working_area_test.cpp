#include "render/working_area.h"

#include "program/string_table.h"
#include "program/text_object.h"
#include "render/bitmap_drawing.h"
#include "render/picture_cache.h"
#include "render/render_support.h"
#include "support/recorder.h"

#include <gtest/gtest.h>

namespace zf {
namespace {

using namespace zf::test;

// A 10 x 10 step working area at zoom 100: 300 x 300 pixels, 30 a step,
// 0.1 pixel a millimetre.
class WorkingAreaTest : public ::testing::Test {
  protected:
    QImage Render(float zoom = 100.0f) {
        WorkingAreaScene scene{state, trail, objects, dir.Folder()};
        return RenderWorkingAreaImage(WorkingAreaPixels(state, zoom), zoom, scene);
    }
    // The region drawn over green through a painter that keeps to `clip`.
    QImage RenderRegion(QRect region, QRect clip = {}) {
        QImage picture = Filled(region.width(), region.height(), Qt::green);
        QPainter p(&picture);
        if (!clip.isNull())
            p.setClipRect(clip);
        WorkingAreaScene scene{state, trail, objects, dir.Folder()};
        RenderWorkingArea(p, region, 100.0f, scene);
        p.end();
        return picture;
    }

    void Line(int x0, int y0, int x1, int y1, int style) {
        trail.SetTrailStyle(-1);
        trail.AppendTrailPoint(x0, y0);
        trail.SetTrailStyle(static_cast<std::int16_t>(style));
        trail.AppendTrailPoint(x1, y1);
    }

    ProjectDir dir;
    ZarnikState state;
    PenTrail trail;
    NameTables tables;
    GraphicObjectList objects{tables};
};

TEST_F(WorkingAreaTest, TrailLinesTakeThePenOfTheirEndPointInAnyRegion) {
    Line(300, 600, 2700, 600, 0);   // thin red, y = 60
    Line(300, 1200, 2700, 1200, 6); // wide blue, y = 120
    Line(300, 1800, 2700, 1800, 3); // thin black
    Line(300, 2400, 2700, 2400, -1);
    const QImage picture = Render();
    EXPECT_EQ(picture.size(), QSize(300, 300));
    // Down x = 150, white but for the three pen-down lines.
    for (int y = 0; y < 300; ++y) {
        const QRgb want = y == 60                ? kRed
                          : y >= 119 && y <= 121 ? kBlue
                          : y == 180             ? kBlack
                                                 : kWhite;
        EXPECT_EQ(Rgb(picture, 150, y), want) << y;
    }
    // The moves between the lines were pen-up: nothing joins them.
    EXPECT_EQ(Rgb(picture, 30, 90), kWhite);

    // A region is drawn from its own corner; a clip the caller set stays.
    // Row 41 of the part is row 121 of the whole area.
    ExpectPixels(RenderRegion(QRect(80, 80, 50, 50)),
                 {Pixel(10, 41, kBlue), Pixel(10, 42, kWhite)});
    const QImage clipped = RenderRegion(QRect(80, 80, 50, 50), QRect(0, 0, 20, 50));
    ExpectPixels(clipped, {Pixel(10, 41, kBlue), Pixel(30, 41, kGreen)});
}

TEST_F(WorkingAreaTest, PicturesAreDecodedOnceAndNoneFromOutsideTheProject) {
    dir.WriteBitmap("objects/dot.bmp", Framed(30, kYellow, 2));
    for (int i = 0; i < 5; ++i)
        objects.CreateGraphicObject("dot.bmp", objectkind::Stamp, 1500, 300 + 600 * i, 0, 0, 0, 0);
    ForgetCachedPictures();
    const std::uint64_t before = ProjectPictures().Decodes();
    EXPECT_EQ(Rgb(Render(), 150, 150), kYellow);
    Render();
    EXPECT_EQ(ProjectPictures().Decodes() - before, 1u);

    // A picture changed on disk is drawn as it is now; a rescan forgets all.
    dir.WriteBitmap("objects/dot.bmp", Framed(31, kGreen, 2));
    EXPECT_EQ(Rgb(Render(), 150, 150), kGreen);
    EXPECT_EQ(ProjectPictures().Decodes() - before, 2u);
    ForgetCachedPictures();
    Render();
    EXPECT_EQ(ProjectPictures().Decodes() - before, 3u);

    // A name that leads out of the objects folder draws nothing, though the
    // file is there.
    dir.WriteBitmap("evil.bmp", Framed(30, kRed, 2));
    objects.CreateGraphicObject("../evil.bmp", objectkind::Stamp, 600, 600, 0, 0, 0, 0);
    objects.CreateGraphicObject("../evil.bmp", objectkind::Background, 1500, 1500, 0, 0, 0, 0);
    const QImage picture = Render();
    EXPECT_EQ(Rgb(picture, 60, 60), kWhite);
    EXPECT_EQ(Count(picture, picture.rect(), kRed), 0);
}

TEST_F(WorkingAreaTest, LayersAreFittedBackgroundTrailThenKeyedStamps) {
    // 100 x 50 into 300 x 300: 300 x 150, centred on the area.
    dir.WriteBitmap("backgnds/plain.bmp", Filled(100, 50, Qt::green));
    // Magenta key; columns 1 to 14 are yellow, the rest magenta.
    QImage half = Filled(30, 30, QColor(kMagenta));
    for (int y = 0; y < 30; ++y)
        for (int x = 1; x < 15; ++x)
            half.setPixel(x, y, kYellow);
    dir.WriteBitmap("objects/half.bmp", half);
    Line(0, 1500, 3000, 1500, 7);
    Line(1500, 0, 1500, 3000, 4); // wide red, x = 150
    objects.CreateGraphicObject("HALF.BMP", objectkind::Stamp, 600, 1500, 0, 0, 0, 0);
    objects.CreateGraphicObject("half.bmp", objectkind::Stamp, 2400, 1500, 42, 0, 1, 0);
    // Added last, the background still goes first.
    objects.CreateGraphicObject("plain.bmp", objectkind::Background, 1500, 1500, 0, 0, 0, 0);
    // The background from row 74 to 223; the trail over it; the stamps over
    // both. Square 45..74: yellow from 46 to 59, then
    // what lies under shows through; mirrored in square 225..254, the line
    // shows on the left, yellow on the right.
    ExpectPixels(Render(), {Pixel(10, 74, kGreen), Pixel(10, 223, kGreen), Pixel(10, 73, kWhite),
                            Pixel(10, 224, kWhite), Pixel(150, 100, kRed), Pixel(150, 20, kRed),
                            Pixel(20, 150, kBlack), Pixel(50, 150, kYellow), Pixel(65, 150, kBlack),
                            Pixel(65, 140, kGreen), Pixel(230, 150, kBlack),
                            Pixel(230, 140, kGreen), Pixel(250, 150, kYellow)});
}

// Where each mode puts a text is the core's; one placed above the robot is
// drawn there, in its font.
TEST_F(WorkingAreaTest, ATextPlacedAboveTheRobotIsDrawnThereInItsFont) {
    TextObjectRecord record = DefaultTextObject(tables);
    record.textId = tables.texts.Add("Hello");
    record.placement = 3;
    record.font.height = -24;
    record.colour = 0x0000FF; // red
    const auto bytes = record.ToBytes();
    const auto index = static_cast<std::int32_t>(tables.textObjects.Add(bytes.data()));
    GraphicObject* above =
        objects.CreateGraphicObject("", objectkind::Text, 1500, 1500, index, 3, 0, 0);
    const QImage picture = Render();
    // Mode 3: centred above the robot's half step (15 pixels).
    ASSERT_EQ(above->param2, 0);
    const QRect ink = ExtentIf(picture, Colour(kRed));
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_LE(ink.bottom(), 135);
    EXPECT_GE(ink.top(), above->y / 10);
    EXPECT_NEAR(ink.center().x(), 150, 4);
    // The font is 0.6 of a step, 18 pixels, of which capitals take most.
    EXPECT_EQ(TextObjectFont(DefaultTextObject(tables).font, 30).pixelSize(), 18);
    EXPECT_GE(ink.height(), 11);
    EXPECT_LE(ink.height(), 18);
}

TEST_F(WorkingAreaTest, SavedPicturesAreEightBitAtTheFittedZoomOfFourFifthsOfTheScreen) {
    Line(0, 1500, 3000, 1500, 0);
    WorkingAreaScene scene{state, trail, objects, dir.Folder()};
    Recorder ui;
    const std::string path = dir.Path("saved.bmp");
    ASSERT_TRUE(SaveWorkingAreaBitmap(ui, path, 200, 100, scene));
    const std::optional<PackedBitmap> saved = LoadPackedBitmap(path);
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->BitCount(), 8);
    EXPECT_EQ(saved->Width(), 200);
    // Zoom 1000 / 30 (a hair above in single precision): y = 1500 mm is row 50.
    EXPECT_EQ(saved->PixelRgb(50, 50) & 0xFFFFFFu, kRed);
    EXPECT_EQ(saved->PixelRgb(50, 49) & 0xFFFFFFu, kWhite);
    EXPECT_EQ(saved->PixelRgb(150, 20) & 0xFFFFFFu, kWhite);
    EXPECT_FALSE(SaveWorkingAreaBitmap(ui, path, 0, 10, scene));
    // The size offered fits four fifths of the screen.
    state.floorWidth = 6000;
    EXPECT_EQ(SaveGraphicsSize(state, QSize(1000, 1000)), QSize(800, 400));
}

} // namespace
} // namespace zf
