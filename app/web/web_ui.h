#pragma once

#include "program/instruction.h"
#include "program/user_interface.h"
#include "simulation/notes.h"
#include "simulation/robot_view.h"

#include <functional>
#include <set>
#include <string>
#include <vector>

namespace zf::web {

// A message box the page shows: the caption and the core's own text.
struct PageMessage {
    std::string caption;
    std::string text;
    // "warning", "information" or, for a question, the answer it was given.
    std::string kind;
};

// What changed since the page last asked, gathered from the core's
// interface and the run's view; the page repaints by it.
struct PageEvents {
    std::vector<PageMessage> warnings;
    std::vector<PageMessage> questions;
    std::set<int> repaintLists;
    bool repaintFloor = false;
    bool robotMoved = false;
    bool clearPrompt = false;
    // Notes to play in turn: key clicks, the error sound, a Quaver's.
    std::vector<Tone> tones;
};

// The page's side of the core: nothing is shown at once, everything is kept
// for the next takeEvents. A question cannot wait for a click, so it takes
// the answer the page set before the action.
class PageInterface : public UserInterface, public RobotView {
  public:
    explicit PageInterface(const NameTables& tables) : tables_(tables) {}

    void WarningBox(TextId id, const std::string& text) override;
    void PlayTone(int frequency, int milliseconds) override {
        events.tones.push_back({frequency, milliseconds});
    }
    // The keypad's, the lists' and the warning box's sounds, when sound is on.
    void Play(Sound which) {
        if (sound)
            events.tones.push_back(SoundTone(which));
    }
    void InformationBox(TextId id, const std::string& text) override;
    Answer Ask(TextId id, const std::string& text, Buttons buttons) override;
    Answer AskWithCaption(const std::string& caption, const std::string& text,
                          Buttons buttons) override;

    void ShowListCursor(int list, int line, int style) override;
    void HideListCursor(int list) override;
    void PaintListCursor(int list) override { events.repaintLists.insert(list); }
    void RepaintList(int list, int fromLine) override;
    void ListReindented(int list) override { events.repaintLists.insert(list); }
    void SetScrollRange(int list, int lines) override;
    void RequestRun() override;

    void DrawZarnikAt(int x, int y) override;
    void SpriteChanged() override { events.repaintFloor = true; }
    void ObjectPlaced(GraphicObject& object) override;
    void RepaintWorkingArea() override { events.repaintFloor = true; }
    void ShowInstruction(const GoInstruction* instruction) override;

    // 1-based line of a list's cursor, 0 when it has none, and its style.
    int CursorLine(int list) const;
    int CursorStyle(int list) const;

    PageEvents events;
    bool sound = false;
    // The name of the program that runs, "" when none does.
    std::string status;
    // The answer every question gets until the page sets another.
    Answer answer = Answer::Yes;
    std::function<void()> runRequested;

  private:
    struct ListCursor {
        int line = 0;
        int style = 0;
    };
    ListCursor& Cursor(int list) { return list == PROC_LIST ? procCursor_ : goCursor_; }

    const NameTables& tables_;
    ListCursor goCursor_;
    ListCursor procCursor_;
};

} // namespace zf::web
