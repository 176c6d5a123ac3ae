#include "desktop/frame/translated_texts.h"
#include "desktop/listing/keypad_window.h"
#include "desktop/listing/list_view.h"
#include "desktop/listing/procedure_pane.h"
#include "program/key_entry.h"
#include "render/contrast_look.h"

#include "desktop_fixture.h"

#include <QAccessible>
#include <QAccessibleActionInterface>

#include <algorithm>
#include <cmath>
#include <set>

namespace zf::ui {
namespace {

using Accessibility = DesktopTest;

QAccessibleInterface* Of(QObject* object) {
    return QAccessible::queryAccessibleInterface(object);
}

std::vector<std::string> Names(QAccessibleInterface* parent) {
    std::vector<std::string> names;
    for (int i = 0; i < parent->childCount(); ++i)
        names.push_back(parent->child(i)->text(QAccessible::Name).toStdString());
    return names;
}

QAccessibleInterface* Named(QAccessibleInterface* parent, const QString& name) {
    for (int i = 0; i < parent->childCount(); ++i) {
        if (parent->child(i)->text(QAccessible::Name) == name)
            return parent->child(i);
    }
    ADD_FAILURE() << "no part named " << name.toStdString();
    return nullptr;
}

void PressPart(QAccessibleInterface* parent, const QString& name) {
    if (QAccessibleInterface* part = Named(parent, name))
        part->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QApplication::processEvents();
}

TEST_F(Accessibility, KeysAreNamedButtonsThatKeyAProgramReadBackLineByLine) {
    QAccessibleInterface* pad = Of(keypad());
    ASSERT_NE(pad, nullptr);
    const std::vector<std::string> names = Names(pad);
    const std::set<std::string> expected{
        "Forward", "Back",  "Turn left", "Turn right", "Repeat",  "Procedure",   "Wait",
        "Quaver",  "Sense", "Toggle",    "Motor",      "Bracket", "Clear entry", "Clear memory",
        "Go",      "0",     "1",         "2",          "3",       "4",           "5",
        "6",       "7",     "8",         "9"};
    EXPECT_EQ(std::set<std::string>(names.begin(), names.end()), expected);
    EXPECT_EQ(names.size(), expected.size());
    for (int i = 0; i < pad->childCount(); ++i) {
        QAccessibleInterface* key = pad->child(i);
        EXPECT_EQ(key->role(), QAccessible::Button);
        EXPECT_EQ(key->parent(), pad);
        EXPECT_EQ(pad->indexOfChild(key), i);
        // Each key lies where it is drawn, so a pointer on it finds it.
        EXPECT_TRUE(keypad()->rect().contains(keypad()->mapFromGlobal(key->rect().center())));
        EXPECT_EQ(pad->childAt(key->rect().center().x(), key->rect().center().y()), key);
    }

    // Pressed by a screen reader, the keys key as clicks do; the lines say
    // what their pictures show.
    for (const char* name :
         {"Repeat", "4", "Bracket", "Forward", "2", "Turn right", "9", "0", "Bracket"})
        PressPart(pad, name);
    QAccessibleInterface* list = Of(go()->goList());
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->role(), QAccessible::List);
    EXPECT_EQ(Of(go()->procedurePane())->text(QAccessible::Name), "Procedure");
    EXPECT_EQ(Names(list),
              (std::vector<std::string>{"Go Program: My Go Program.gop", "Repeat 4, open bracket",
                                        "Forward 2", "Turn right 90", "Close bracket"}));
    EXPECT_EQ(list->child(4)->role(), QAccessible::ListItem);
    EXPECT_TRUE(list->child(4)->state().selected);
    EXPECT_FALSE(list->child(1)->state().selected);

    // A line taken away is gone for the reader too.
    QAccessibleInterface* closing = list->child(4);
    PressPart(pad, "Clear entry");
    PressPart(pad, "Clear entry");
    EXPECT_EQ(list->childCount(), 3);
    EXPECT_FALSE(closing->isValid());
    EXPECT_EQ(list->child(3), nullptr);
}

TEST_F(Accessibility, TabReachesTheListsAndTheKeypadWhoseArrowsMoveAndWhoseSpaceAndReturnPress) {
    // Tab runs working area, graphics tools, the lists, keypad, Go
    // Container's tools.
    drawing()->setFocus(Qt::TabFocusReason);
    std::vector<QWidget*> visited;
    for (int i = 0; i < 6; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited.push_back(QApplication::focusWidget());
    }
    EXPECT_EQ(visited,
              (std::vector<QWidget*>{graphicsBar(), go()->goList(), window->procedureList(),
                                     keypad(), goBar(), drawing()}));

    // In a list Up and Down move its cursor as a click on the line does;
    // the other arrows still key.
    ASSERT_TRUE(KeySequence(editor(), "FD 3"));
    ListView* list = go()->goList();
    list->setFocus(Qt::TabFocusReason);
    QAccessibleInterface* lines = Of(list);
    QTest::keyClick(list, Qt::Key_Home);
    EXPECT_EQ(editor().cursor, editor().Head(GO_LIST));
    EXPECT_TRUE(lines->child(0)->state().selected);
    TypeKeys(list, {Qt::Key_Down, Qt::Key_Down});
    EXPECT_EQ(editor().cursor, editor().Head(GO_LIST)->next);
    QTest::keyClick(list, Qt::Key_Up);
    EXPECT_EQ(editor().cursor, editor().Head(GO_LIST));
    TypeKeys(list, {Qt::Key_End, Qt::Key_Left});
    EXPECT_EQ(Names(lines).back(), "Turn left");
    EXPECT_TRUE(lines->child(2)->state().selected);
    QTest::keyClick(list, Qt::Key_Backspace);
    EXPECT_EQ(Lines().size(), 2u);

    keypad()->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(keypad()->focusedKey(), key::Forward);
    QAccessibleInterface* pad = Of(keypad());
    EXPECT_TRUE(pad->child(0)->state().focused);
    // From Forward down past Back to the digits, then along them.
    QTest::keyClick(keypad(), Qt::Key_Down);
    EXPECT_EQ(keypad()->focusedKey(), key::Back);
    QTest::keyClick(keypad(), Qt::Key_Down);
    EXPECT_EQ(keypad()->focusedKey(), key::Digit0 + 5);
    EXPECT_EQ(pad->child(0)->state().focused, false);
    TypeKeys(keypad(), {Qt::Key_Up, Qt::Key_Up});
    EXPECT_EQ(keypad()->focusedKey(), key::Forward);

    // Space presses the focused key; a digit typed still keys as it does
    // anywhere; Return presses the focused key, not GO.
    TypeKeys(keypad(), {Qt::Key_Space, Qt::Key_2, Qt::Key_Return});
    EXPECT_FALSE(doc().state.running);
    EXPECT_EQ(Names(Of(go()->goList())).back(), "Forward");
    EXPECT_EQ(Names(Of(go()->goList())).at(2), "Forward 2");
}

TEST_F(Accessibility, ToolBarButtonsAreNamedByTheirTipsAndPressLikeAClick) {
    for (ToolStrip* bar : {graphicsBar(), goBar()}) {
        QAccessibleInterface* tools = Of(bar);
        ASSERT_NE(tools, nullptr);
        EXPECT_EQ(tools->role(), QAccessible::ToolBar);
        int filled = 0;
        for (const ToolStrip::Slot& slot : bar->tools())
            filled += slot.request != 0;
        ASSERT_EQ(tools->childCount(), filled);
        for (int i = 0; i < filled; ++i) {
            const QString name = tools->child(i)->text(QAccessible::Name);
            EXPECT_FALSE(name.isEmpty());
            EXPECT_FALSE(name.contains("&&")) << name.toStdString();
            EXPECT_TRUE(bar->rect().contains(bar->mapFromGlobal(tools->child(i)->rect().center())));
        }
    }

    // A press reaches the bar as a click does; a drag tool has no press.
    ToolStrip bar(4);
    bar.SetSlots({ToolStrip::Slot::Make(ToolStrip::Push, 7, TextId::ProductName, 0),
                  {},
                  ToolStrip::Slot::Make(ToolStrip::Toggle, 8, TextId::ProductName, 0),
                  ToolStrip::Slot::Make(ToolStrip::Drag, 9, TextId::ProductName, 0)});
    std::vector<std::pair<int, bool>> pushed;
    QObject::connect(&bar, &ToolStrip::pushed, [&](const ToolStrip::Slot& slot) {
        pushed.emplace_back(slot.request, slot.latched);
    });
    QAccessibleInterface* tools = Of(&bar);
    ASSERT_EQ(tools->childCount(), 3);
    EXPECT_EQ(tools->child(1)->role(), QAccessible::CheckBox);
    for (int i : {0, 1, 1, 2}) {
        if (QAccessibleActionInterface* action = tools->child(i)->actionInterface())
            action->doAction(QAccessibleActionInterface::pressAction());
    }
    // A drag tool's press takes it up, to be placed by keyboard.
    std::vector<int> taken;
    QObject::connect(&bar, &ToolStrip::taken,
                     [&](const ToolStrip::Slot& slot) { taken.push_back(slot.request); });
    tools->child(2)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(taken, std::vector<int>{9});
    // By keyboard: arrows step over the empty slot, Space presses.
    QTest::keyClick(&bar, Qt::Key_Right);
    EXPECT_EQ(bar.focusedSlot(), 2);
    TypeKeys(&bar, {Qt::Key_Right, Qt::Key_Right});
    EXPECT_EQ(bar.focusedSlot(), 3);
    TypeKeys(&bar, {Qt::Key_Left, Qt::Key_Left, Qt::Key_Space});
    EXPECT_EQ(taken.size(), 1u);
    EXPECT_EQ(pushed,
              (std::vector<std::pair<int, bool>>{{7, true}, {8, true}, {8, false}, {7, true}}));
    EXPECT_FALSE(tools->child(1)->state().checked);
}

TEST_F(Accessibility, TheWorkingAreaTellsWhereTheRobotIsAndWhatLiesOnTheFloor) {
    QAccessibleInterface* area = Of(drawing());
    ASSERT_NE(area, nullptr);
    EXPECT_EQ(area->text(QAccessible::Name), "Working area");
    doc().state.x = 1350;
    doc().state.heading = 270;
    doc().state.penDown = true;
    doc().objects.Clear();
    doc().objects.CreateGraphicObject("backgnd.bmp", objectkind::Background, 0, 0, 0, 0, 0, 0);
    for (const char* stamp : {"apple.bmp", "boat.bmp"})
        doc().objects.CreateGraphicObject(stamp, objectkind::Stamp, 300, 300, 0, 0, 0, 0);
    EXPECT_EQ(area->text(QAccessible::Description).toStdString(),
              "The robot is 4.5 steps from the left and 5 steps from the top, facing 270 "
              "degrees. Its pen is down. Background: backgnd. Stamps: apple, boat.");
}

// WCAG 2.1: relative luminance from sRGB, and the ratio of two.
double Luminance(const QColor& c) {
    auto linear = [](int v) {
        const double s = v / 255.0;
        return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(c.red()) + 0.7152 * linear(c.green()) + 0.0722 * linear(c.blue());
}

double Contrast(const QColor& a, const QColor& b) {
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

TEST(HighContrast, TextReadsAtFourAndAHalfToOneAndMarksStandOutAtThreeToOne) {
    const QPalette pal = HighContrastPalette();
    using R = QPalette::ColorRole;
    const std::pair<R, R> texts[] = {{R::WindowText, R::Window},
                                     {R::Text, R::Base},
                                     {R::Text, R::AlternateBase},
                                     {R::ButtonText, R::Button},
                                     {R::HighlightedText, R::Highlight},
                                     {R::ToolTipText, R::ToolTipBase},
                                     {R::Link, R::Base},
                                     {R::LinkVisited, R::Base},
                                     {R::PlaceholderText, R::Base},
                                     {R::BrightText, R::Window}};
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        for (auto [text, ground] : texts)
            EXPECT_GE(Contrast(pal.color(group, text), pal.color(group, ground)), 4.5)
                << group << " " << text << " on " << ground;

    // The list cursors on the listing's ground, in both looks.
    const QColor usualGround = QApplication::palette().color(QPalette::Base);
    for (const Look* look : {&UsualLook(), &HighContrastLook()}) {
        const QColor ground = look->highContrast ? pal.color(QPalette::Base) : usualGround;
        for (const QColor& mark :
             {look->runningGo, look->runningProc, look->stopped, look->problem})
            EXPECT_GE(Contrast(mark, ground), 3.0) << mark.name().toStdString();
    }
    const Look& high = HighContrastLook();
    EXPECT_GE(Contrast(high.editing, pal.color(QPalette::Base)), 3.0);

    // The keys' outline against every key and the robot's top they sit on.
    EXPECT_GE(high.keyOutlineWidth, 2);
    EXPECT_GE(Contrast(high.keyOutline, KeypadLayout::BodyColour()), 3.0);
    for (const KeypadKey& key : KeypadLayout::Keys())
        EXPECT_GE(Contrast(high.keyOutline, key.colour), 3.0) << key.label;

    // Focus rings on the tool strips' black and the keypad's grey; the
    // working area's ring and the robot's rings on any floor at all.
    for (const QColor& ground : {pal.color(QPalette::Window), KeypadLayout::BodyColour()})
        EXPECT_GE(std::max(Contrast(high.focusCore, ground), Contrast(high.focusHalo, ground)),
                  3.0);
    EXPECT_GE(high.robotRingWidth, 1);
    for (int r = 0; r < 256; r += 15)
        for (int g = 0; g < 256; g += 15)
            for (int b = 0; b < 256; b += 15) {
                const QColor floor(r, g, b);
                EXPECT_GE(
                    std::max(Contrast(high.focusCore, floor), Contrast(high.focusHalo, floor)),
                    3.0);
                EXPECT_GE(
                    std::max(Contrast(high.robotDark, floor), Contrast(high.robotLight, floor)),
                    3.0);
            }
}

} // namespace
} // namespace zf::ui
