#pragma once

#include "program/text_object.h"
#include "program/texts.h"

#include <initializer_list>
#include <string>

namespace zf {

enum class Answer { Yes, No, Cancel, Edit };

// Which buttons a question offers.
enum class Buttons { YesNo, YesNoCancel, YesNoEdit };

// List-cursor styles of the listings.
namespace cursor {
enum : int {
    Erase = 1,
    Editing = 2,
    RunningGo = 3,
    RunningProc = 4,
    Problem = 5,
    Stopped = 7,
    SteppingGo = 8,
    SteppingProc = 9,
};
} // namespace cursor

// Everything the core shows or plays goes through this interface: the
// desktop implements it with windows, tests with a recorder, the command
// line by printing. Only the warning box and questions must be answered;
// the rest may be ignored by a front end that has no such window.
class UserInterface {
  public:
    virtual ~UserInterface() = default;

    // The one warning box; id is kUnnumbered for a text with no string id.
    virtual void WarningBox(TextId id, const std::string& text) = 0;
    virtual Answer Ask(TextId id, const std::string& text, Buttons buttons) = 0;
    // News of a success, in a box without the warning's icon and sound.
    virtual void InformationBox(TextId id, const std::string& text) { WarningBox(id, text); }

    virtual void ShowListCursor(int /*list*/, int /*line*/, int /*style*/) {}
    virtual void HideListCursor(int /*list*/) {}
    virtual void PaintListCursor(int /*list*/) {}
    // The list changed from this 1-based line on and must be redrawn.
    virtual void RepaintList(int /*list*/, int /*fromLine*/) {}
    // Indents of the list were recomputed.
    virtual void ListReindented(int /*list*/) {}
    // The scroll range of a list window equals its line count.
    virtual void SetScrollRange(int /*list*/, int /*lines*/) {}
    // Bring a line of a list into view (and the Procedure window forward).
    virtual void ScrollToLine(int /*list*/, int /*line*/) {}
    virtual void BringProcedureWindowToTop() {}

    // The text dialog: fills a text-object record (its text entered in the
    // tables' text table) and answers whether it was confirmed. `record` arrives
    // with the default text for a new text and filled, `editing`, for Edit
    // Text.
    virtual bool EditTextObject(NameTables& /*tables*/, TextObjectRecord& /*record*/,
                                bool /*editing*/) {
        return false;
    }

    // GO from a key: the run request goes to the working area.
    virtual void RequestRun() {}

    // A Yes/No question whose box carries its own caption.
    virtual Answer AskWithCaption(const std::string& /*caption*/, const std::string& text,
                                  Buttons buttons) {
        return Ask(kUnnumbered, text, buttons);
    }
    // The Save As dialog for one kind of file ("MemDump (*.log)", "*.log",
    // ".log"); the chosen path, or "" when it was cancelled.
    virtual std::string AskSaveFileName(const std::string& /*filterName*/,
                                        const std::string& /*pattern*/,
                                        const std::string& /*defaultExtension*/) {
        return {};
    }
    // Shows the Procedure window where it is, without moving or resizing it.
    virtual void ShowProcedureWindow() {}

    // A tone of the given frequency (Hz) and length (ms); 0 Hz is a rest.
    virtual void PlayTone(int /*frequency*/, int /*milliseconds*/) {}
};

// Shows string `id` with its arguments filled in.
void Warn(UserInterface& ui, TextId id, std::initializer_list<TextArg> args = {});
Answer AskText(UserInterface& ui, TextId id, Buttons buttons,
               std::initializer_list<TextArg> args = {});

} // namespace zf
