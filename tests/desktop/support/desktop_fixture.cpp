#include "desktop_fixture.h"

#include "program/key_sequence.h"

#include "desktop/listing/go_container.h"
#include "desktop/listing/keypad_window.h"
#include "desktop/workarea/graphics_drawing.h"

#include <QApplication>
#include <QTest>

#include <algorithm>

namespace zf::ui {

void DesktopTest::SetUp() {
    MakeWindow();
    window->StartupLoad("");
    ShowWindow();
}

void DesktopTest::TearDown() {
    Settle();
    window.reset();
}

void DesktopTest::MakeWindow(QSize size, const std::string& options) {
    window = std::make_unique<MainWindow>(options);
    doc().ui.hooks.warning = [this](int id, const std::string& text) {
        shown.push_back({id, text});
    };
    doc().ui.hooks.ask = [this](int id, const std::string& text, Buttons) {
        shown.push_back({id, text});
        return answer;
    };
    window->resize(size);
}

void DesktopTest::ShowWindow() {
    window->show();
    QApplication::processEvents();
    drawing()->SetClock(&clock);
}

void DesktopTest::Settle() {
    for (int i = 0; i < 50; ++i)
        QApplication::processEvents();
}

GraphicsDrawing* DesktopTest::drawing() const {
    return window->drawing();
}

KeypadWindow* DesktopTest::keypad() const {
    return window->goContainer()->keypad();
}

void DesktopTest::Click(QWidget* widget, QPointF at) {
    QTest::mouseClick(widget, Qt::LeftButton, {}, at.toPoint());
    QApplication::processEvents();
}

void DesktopTest::Press(int code) {
    Click(keypad(), keypad()->layout().KeyCentre(code));
}

std::vector<std::string> DesktopTest::Lines(int list) const {
    std::vector<std::string> out;
    for (const GoInstruction* in = editor().Head(list); in; in = in->next)
        out.push_back(ListingLine(*in));
    return out;
}

void DesktopTest::RunFor(int draws) {
    RunControl& run = drawing()->run();
    for (int i = 0; i < draws; ++i) {
        // Requests travel through the main window as posted events, seen
        // between two draws as the event loop would.
        for (int hop = 0; hop < 3; ++hop)
            QApplication::sendPostedEvents();
        if (run.Idle())
            break;
        clock.now = std::max(clock.now, run.NextDue());
        run.Pump();
    }
    QApplication::processEvents();
}

void DesktopTest::RunAlone(GoEditor& editor, ZarnikState& state, PenTrail& trail) {
    SetUpWorkingArea(state, 10, 10);
    GraphicObjectList objects;
    RobotView view;
    ManualClock headlessClock;
    RunControl control(editor, state, trail, objects, view, headlessClock);
    RunHeadless(control, headlessClock);
}

} // namespace zf::ui
