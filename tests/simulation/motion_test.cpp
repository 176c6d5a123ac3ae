#include "simulation/graphic_objects.h"
#include "simulation/motion.h"
#include "simulation/notes.h"
#include "simulation/pen_trail.h"
#include "simulation/zarnik_state.h"
#include "support/recorder.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

namespace zf::test {
namespace {

struct Point {
    int x, y;
    bool operator==(const Point&) const = default;
};

// Walks a move to its end, collecting every position it asks to draw.
std::vector<Point> Walk(MoveZarnik& move) {
    std::vector<Point> draws;
    while (move.Advance() != WalkStep::Done)
        draws.push_back({move.x(), move.y()});
    draws.push_back({move.x(), move.y()});
    // A timer tick after the end walks no further.
    move.Advance();
    EXPECT_EQ(draws.back(), (Point{move.x(), move.y()}));
    return draws;
}

TEST(Units, ConversionsTruncateAndPenNamesMatchCaseFreeOverTheGivenLength) {
    ZarnikState s; // 9 mm make 0.95 pixels
    EXPECT_EQ(std::tuple(MmToPixels(s, 300), MmToPixels(s, 9), PixelsToMm(s, 30), PixelsPerStep(s)),
              std::tuple(30, 0, 305, 30));
    // Headings come into the circle, 0 staying 0.
    EXPECT_EQ(std::tuple(NormalHeading(0), NormalHeading(-90), NormalHeading(725)),
              std::tuple(0, 270, 5));
    s.zoom = 37.5f;
    EXPECT_EQ(std::tuple(PixelsPerStep(s), MmToPixels(s, 300)), std::tuple(11, 11));
    std::vector<int> styles;
    for (const char* name :
         {"REDWIDE.BMP", "blakwide.bmp", "blue", "greenthin.bmp", "yelothin.bmp.old"})
        styles.push_back(PenStyleForName(name));
    EXPECT_EQ(styles, (std::vector<int>{4, 7, 2, 0, 0}));
    EXPECT_EQ(std::tuple(PenFileName(0), PenFileName(7), PenFileName(kPenCount), PenFileName(-1)),
              std::tuple("redthin.bmp", "blakwide.bmp", "", ""));
    EXPECT_EQ(std::tuple(PenOfStyle(7).width, PenOfStyle(7).colour, PenOfStyle(kPenCount).width),
              std::tuple(3, 0x000000u, 0));
    EXPECT_EQ(std::tuple(MoveDelayForSpeed(0), MoveDelayForSpeed(2), MoveDelayForSpeed(7)),
              std::tuple(25, 6, 12));
}

TEST(Units, PositionCheckKeepsHalfAStepFromEveryEdge) {
    Recorder ui;
    ZarnikState s;
    s.floorWidth = s.floorHeight = 300;
    EXPECT_EQ(
        std::vector({CheckZarnikPosition(ui, s, 150, 150), CheckZarnikPosition(ui, s, 151, 150)}),
        std::vector({0, 1}));
    EXPECT_EQ(ui.lastWarning(), Text(TextId::ZarnikMustStayInArea, {0.0, 0.0}));
    s.floorWidth = 3000;
    s.floorHeight = 1800;
    EXPECT_EQ(
        std::vector({CheckZarnikPosition(ui, s, 2850, 1650), CheckZarnikPosition(ui, s, 149, 900)}),
        std::vector({0, 1}));
    EXPECT_EQ(ui.lastWarning(), Text(TextId::ZarnikMustStayInArea, {4.5, 2.5}));
    EXPECT_EQ(std::tuple(StepX(s, 1950), StepY(s, 1200)), std::tuple(1.5, -1.0));
}

TEST(MovingTheRobot, TheLastAllowedMillimetreIsTheEdge) {
    ZarnikState s;
    s.heading = 90;
    MoveZarnik exact(s, +1, 1350);
    const auto draws = Walk(exact);
    // One a whole pixel across, the last where it ends.
    EXPECT_EQ(std::tuple(draws.back(), draws.size(), exact.HitEdge()),
              std::tuple(Point{2850, 1500}, 1350u / 10, false));
    MoveZarnik over(s, +1, 1351);
    EXPECT_EQ((std::tuple{Walk(over).back(), over.HitEdge()}), std::tuple(Point{2850, 1500}, true));
    s.heading = 180;
    MoveZarnik down(s, +1, 1350);
    EXPECT_EQ((std::tuple{Walk(down).back(), down.HitEdge()}),
              std::tuple(Point{1500, 2850}, false));
    // Mostly up, a little right, into the top: x keeps every step made
    // before the y step was refused.
    s.y = 300;
    s.heading = 30;
    MoveZarnik top(s, +1, 600);
    Walk(top);
    EXPECT_EQ(std::tuple(top.HitEdge(), top.y()), std::tuple(true, 150));
    EXPECT_GT(top.x(), 1500 + 80);
    EXPECT_LT(top.x(), 1500 + 90);
}

TEST(PenTrailRecord, PenUpChainsFoldTrimCutsBackToTheRunStartAndTheTrailStopsAt2000) {
    PenTrail trail;
    for (int x : {0, 10, 20})
        trail.AppendTrailPoint(x, 0);
    EXPECT_EQ(trail.trailLength(), 1);
    EXPECT_EQ(trail.GetTrailPoint(0), (TrailPoint{20, 0, -1}));
    trail.SetTrailStyle(3);
    trail.AppendTrailPoint(30, 0);
    trail.SetTrailStyle(-1);
    trail.AppendTrailPoint(40, 0);
    trail.AppendTrailPoint(50, 0);
    EXPECT_EQ(trail.trailLength(), 3);
    EXPECT_EQ(trail.GetTrailPoint(2), (TrailPoint{50, 0, -1}));
    trail.MarkRunStart();
    trail.SetTrailStyle(1);
    for (int i = 0; i < 2100; ++i)
        trail.AppendTrailPoint(i, i);
    trail.SetTrailPoint({1, 1, 1}, PenTrail::kMaxPoints);
    EXPECT_EQ(trail.trailLength(), PenTrail::kMaxPoints);
    EXPECT_EQ(std::tuple(trail.GetTrailPoint(1999), trail.GetTrailPoint(PenTrail::kMaxPoints)),
              std::tuple(TrailPoint{1996, 1996, 1}, TrailPoint{}));
    trail.TrimPenTrailToRunStart();
    EXPECT_EQ(std::tuple(trail.trailLength(), trail.GetTrailPoint(3).style), std::tuple(3, -1));
    trail.ClearPenTrail();
    trail.TrimPenTrailToRunStart();
    EXPECT_EQ(trail.trailLength(), 0);
}

TEST(GraphicObjects, BackgroundsLeadRunsRemoveOnlyTheirOwnAndTextsKeepClearOfTheRobot) {
    NameTables tables;
    GraphicObjectList list{tables};
    list.CreateGraphicObject("cat.bmp", objectkind::Stamp, 1, 1, 0, 0, 0, 0);
    list.CreateGraphicObject("sea.bmp", objectkind::Background, 5, 5, 0, 0, 0, 0);
    list.CreateGraphicObject("dog.bmp", objectkind::Stamp, 2, 2, 35, 0, 0, 3);
    GraphicObject* sky =
        list.CreateGraphicObject("sky.bmp", objectkind::Background, 6, 6, 0, 0, 0, 0);
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ((std::tuple{&list[0] == sky, list.RemoveGraphicObject(sky),
                          list.RemoveObjectsOfRun(3), list.LastGraphicObject()->x}),
              std::tuple(true, false, 1, 1));

    // A 40 x 20 pixel text beside a robot at (1500, 1500), half a step of 15
    // pixels away, by each mode; once placed it stays put.
    const Point places[] = {{1500, 1500}, {1300, 1400}, {1300, 1400}, {1300, 1150},
                            {1300, 1650}, {950, 1400},  {1650, 1400}, {950, 1150},
                            {1650, 1150}, {950, 1650},  {1650, 1650}, {1500, 1500}};
    for (int mode = 0; mode < 12; ++mode) {
        GraphicObject text;
        text.x = text.y = 1500;
        text.param2 = mode;
        PlaceTextNear(text, 40, 20, 15, 0.1);
        EXPECT_EQ((std::tuple{Point{text.x, text.y}, text.param2}), std::tuple(places[mode], 0))
            << mode;
    }
}

TEST(Notes, DurationsAndPitches) {
    EXPECT_EQ(std::tuple(NoteDuration(4, 3), NoteDuration(8, 3), NoteDuration(1, 1)),
              std::tuple(545, 1090, 75));
    // The lowest pitch sounds; 0 and the rest, 14, do not.
    EXPECT_EQ(std::tuple(NoteFrequency(10, 2), NoteFrequency(13, 3), NoteFrequency(1, 1),
                         NoteFrequency(0, 1), NoteFrequency(14, 1)),
              std::tuple(440, 1047, 131, 0, 0));
    // Numbers outside the tables, as a damaged file may hold, stay in range.
    EXPECT_EQ(std::tuple(NoteFrequency(15, 2), NoteDuration(4, 9)),
              std::tuple(0, NoteDuration(4, 5)));
    Recorder ui;
    EXPECT_EQ(PlayNote(ui, 1, 8, 3, 2), 136);
    ASSERT_EQ(ui.tones.size(), 1u);
    EXPECT_EQ(ui.tones[0].frequency, 392);
}

} // namespace
} // namespace zf::test
