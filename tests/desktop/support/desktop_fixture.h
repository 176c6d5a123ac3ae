#pragma once

#include "desktop/frame/tool_strip.h"
#include "desktop/listing/go_container.h"
#include "desktop/listing/keypad_window.h"
#include "desktop/shell/main_window.h"
#include "desktop/shell/raz_azi.h"
#include "desktop/workarea/graphics_drawing.h"
#include "desktop/workarea/graphics_main.h"
#include "program/instruction.h"
#include "program/key_sequence.h"
#include "simulation/clock.h"
#include "simulation/run_control.h"

#include "support/recorder.h"

#include <QApplication>
#include <QDialog>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace zf::ui {

// Runs `act` on the dialog of type D once it is open and waiting; a
// request that is posted opens it a little later, so it is looked for a few
// times. A dialog of another type is failed and closed, so that no test is
// left hanging.
template <typename D, typename F>
void OnDialog(F act, int tries = 20) {
    QTimer::singleShot(0, [act, tries] {
        QWidget* top = QApplication::activeModalWidget();
        if (!top) {
            if (tries > 0)
                OnDialog<D>(act, tries - 1);
            return;
        }
        if (auto* dialog = qobject_cast<D*>(top)) {
            act(*dialog);
            return;
        }
        ADD_FAILURE() << "unexpected dialog " << top->metaObject()->className();
        if (auto* other = qobject_cast<QDialog*>(top))
            other->reject();
    });
}

// A project folder with its four sub-folders.
inline void MakeProjectFolder(const std::filesystem::path& folder) {
    for (const char* sub : {"backgnds", "zarniks", "objects", "pens"})
        std::filesystem::create_directories(folder / sub);
}

// The main window on the offscreen platform, with its warnings and questions
// recorded here and its drawing window on a clock the test moves. A suite
// with set-up of its own overrides SetUp and builds the window in steps.
class DesktopTest : public ::testing::Test, public DialogStandIn {
  protected:
    static constexpr const char* kNoOptions = "/nonexistent/zfield.ini";

    void SetUp() override {
        MakeWindow();
        window->StartupLoad("");
        ShowWindow();
    }
    void TearDown() override {
        Settle();
        window.reset();
    }

    // The window at `size`, its boxes answered here; not yet shown.
    void MakeWindow(QSize size = {1280, 800}, const std::string& options = kNoOptions) {
        window = std::make_unique<MainWindow>(options);
        doc().ui.SetStandIn(this);
        window->resize(size);
    }
    bool Warning(TextId id, const std::string& text) override {
        shown.push_back({id, text});
        return true;
    }
    bool Information(TextId id, const std::string& text) override {
        shown.push_back({id, text, true});
        return true;
    }
    std::optional<Answer> Ask(TextId id, const std::string& text, Buttons) override {
        shown.push_back({id, text});
        return answer;
    }
    // The name typed into a save dialog; without it the dialog shows.
    std::optional<std::string> SaveFileName(const std::string& filter) override {
        return saveName ? std::optional(saveName(filter)) : std::nullopt;
    }

    // Shows the window, lets it lay itself out and stops its clock.
    void ShowWindow() {
        window->show();
        QApplication::processEvents();
        drawing()->SetClock(&clock);
    }
    // Lets everything posted, such as a pending look for a dialog, run out.
    static void Settle() {
        for (int i = 0; i < 50; ++i)
            QApplication::processEvents();
    }

    Document& doc() const { return window->document(); }
    GoEditor& editor() const { return *doc().editor; }
    GraphicsDrawing* drawing() const { return window->drawing(); }
    GoContainer* go() const { return window->goContainer(); }
    KeypadWindow* keypad() const { return go()->keypad(); }
    ToolStrip* graphicsBar() const { return window->razAzi()->graphicsMain()->toolBar(); }
    ToolStrip* goBar() const { return go()->toolBar(); }

    void Click(QWidget* widget, QPointF at) {
        QTest::mouseClick(widget, Qt::LeftButton, {}, at.toPoint());
        QApplication::processEvents();
    }
    // A button of a tool bar, by slot.
    void ClickSlot(ToolStrip* bar, int slot) { Click(bar, ToolStrip::SlotRect(slot).center()); }
    // Keys typed on `widget` in turn.
    static void TypeKeys(QWidget* widget, std::initializer_list<Qt::Key> keys) {
        for (Qt::Key k : keys)
            QTest::keyClick(widget, k);
    }
    // A key of the drawn keypad.
    void Press(int code) { Click(keypad(), keypad()->layout().KeyCentre(code)); }
    std::vector<std::string> Lines(int list = GO_LIST) const {
        std::vector<std::string> out;
        for (const GoInstruction* in = editor().Head(list); in; in = in->next)
            out.push_back(ListingLine(*in, editor().tables()));
        return out;
    }

    // Lets the run's time pass, a draw at a time, as the window's timer would.
    void RunFor(int draws) {
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
    void RunToEnd() { RunFor(1000000); }

    QTemporaryDir temp; // a folder of the test's own, removed after it
    ManualClock clock;
    std::unique_ptr<MainWindow> window;
    std::vector<test::ShownMessage> shown;
    Answer answer = Answer::No;
    std::function<std::string(const std::string& filter)> saveName;
};

} // namespace zf::ui
