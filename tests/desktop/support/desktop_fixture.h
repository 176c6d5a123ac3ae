#pragma once

#include "desktop/frame/main_window.h"
#include "program/instruction.h"
#include "simulation/clock.h"
#include "simulation/headless_run.h"

#include "support/recorder.h"

#include <QPointF>
#include <QSize>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

class QWidget;

namespace zf::ui {

class GraphicsDrawing;
class KeypadWindow;

// The main window on the offscreen platform, with its warnings and questions
// recorded here and its drawing window on a clock the test moves. A suite
// with set-up of its own overrides SetUp and builds the window in steps.
class DesktopTest : public ::testing::Test {
  protected:
    static constexpr const char* kNoOptions = "/nonexistent/zfield.ini";

    void SetUp() override;
    void TearDown() override;

    // The window at `size`, its boxes answered here; not yet shown.
    void MakeWindow(QSize size = {1280, 800}, const std::string& options = kNoOptions);
    // Shows the window, lets it lay itself out and stops its clock.
    void ShowWindow();
    // Lets everything posted, such as a pending look for a dialog, run out.
    static void Settle();

    Document& doc() const { return window->document(); }
    GoEditor& editor() const { return *doc().editor; }
    GraphicsDrawing* drawing() const;
    KeypadWindow* keypad() const;

    void Click(QWidget* widget, QPointF at);
    // A key of the drawn keypad.
    void Press(int code);
    std::vector<std::string> Lines(int list = GO_LIST) const;

    // Lets the run's time pass, a draw at a time, as the window's timer would.
    void RunFor(int draws);
    void RunToEnd() { RunFor(1000000); }
    // The same program run by the core alone, with no window, on a fresh
    // 10 x 10 area: where the window's run should end.
    static void RunAlone(GoEditor& editor, ZarnikState& state, PenTrail& trail);

    ManualClock clock;
    std::unique_ptr<MainWindow> window;
    std::vector<test::ShownMessage> shown;
    Answer answer = Answer::No;
};

} // namespace zf::ui
