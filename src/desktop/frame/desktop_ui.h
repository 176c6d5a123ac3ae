#pragma once

#include "program/user_interface.h"

#include <QPointer>
#include <QWidget>

#include <functional>
#include <string>

namespace zf::ui {

class ListView;
class ProcedurePane;
class TonePlayer;

// Stand-ins for the modal boxes, so that the windows can be driven by tests
// without a box waiting for a click.
struct DialogHooks {
    std::function<void(TextId id, const std::string& text)> warning;
    // Without it, information goes to `warning` when that is set.
    std::function<void(TextId id, const std::string& text)> information;
    std::function<Answer(TextId id, const std::string& text, Buttons buttons)> ask;
    std::function<bool(TextObjectRecord&)> editText;
    std::function<std::string(const std::string& filter)> saveFileName;
};

// The core's interface on the desktop: warning boxes, questions, the list
// cursors of the Go List and the Procedure window, and the tones.
class DesktopUi : public UserInterface {
  public:
    void WarningBox(TextId id, const std::string& text) override;
    void InformationBox(TextId id, const std::string& text) override;
    Answer Ask(TextId id, const std::string& text, Buttons buttons) override;
    Answer AskWithCaption(const std::string& caption, const std::string& text,
                          Buttons buttons) override;
    std::string AskSaveFileName(const std::string& filterName, const std::string& pattern,
                                const std::string& defaultExtension) override;

    void ShowListCursor(int list, int line, int style) override;
    void HideListCursor(int list) override;
    void PaintListCursor(int list) override;
    void RepaintList(int list, int fromLine) override;
    void ListReindented(int list) override;
    void SetScrollRange(int list, int lines) override;
    void ScrollToLine(int list, int line) override;
    void BringProcedureWindowToTop() override;
    void ShowProcedureWindow() override;
    bool EditTextObject(TextObjectRecord& record, bool editing) override;
    void RequestRun() override;
    void PlayTone(int frequency, int milliseconds) override;

    // The sounds of the keypad and the list windows, when sound is on.
    void KeyClick();
    void SecondKeySound();
    void ErrorSound();

    DialogHooks hooks;
    // Told whenever a list may have changed (keying, loading, a run's
    // cursor), for what shows the program's size.
    std::function<void()> programChanged;
    bool sound = false;
    QPointer<ListView> goList;
    QPointer<ListView> procList;
    QPointer<ProcedurePane> procedurePane;
    QPointer<QWidget> owner;
    QPointer<QObject> drawing;
    TonePlayer* tones = nullptr;

  private:
    ListView* List(int list) const;
    void ProgramChanged() const;
};

} // namespace zf::ui
