#pragma once

#include "files/project.h"
#include "program/user_interface.h"
#include "simulation/notes.h"

#include <QPointer>
#include <QWidget>

#include <optional>
#include <string>

namespace zf::ui {

class ListView;
class ProcedurePane;
class TonePlayer;

// A stand-in for the modal boxes, so that the windows can be driven by tests
// without a box waiting for a click. What it leaves unanswered shows the
// real box.
class DialogStandIn {
  public:
    virtual ~DialogStandIn() = default;
    // True when the message was taken here.
    virtual bool Warning(TextId /*id*/, const std::string& /*text*/) { return false; }
    virtual bool Information(TextId id, const std::string& text) { return Warning(id, text); }
    virtual std::optional<Answer> Ask(TextId /*id*/, const std::string& /*text*/,
                                      Buttons /*buttons*/) {
        return std::nullopt;
    }
    virtual std::optional<bool> EditText(TextObjectRecord& /*record*/) { return std::nullopt; }
    virtual std::optional<std::string> SaveFileName(const std::string& /*filter*/) {
        return std::nullopt;
    }
};

// The core's interface on the desktop: warning boxes, questions, the list
// cursors of the Go List and the Procedure window, and the tones. What moves
// the listings is defined in listing/list_cursors.cpp and the keying of text
// objects in dialogs/text_dialogs.cpp, above this frame, which the panes use.
class DesktopUi : public QObject, public UserInterface {
    Q_OBJECT

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
    bool EditTextObject(NameTables& tables, TextObjectRecord& record, bool editing) override;
    void RequestRun() override;
    void PlayTone(int frequency, int milliseconds) override;

    // The sounds of the keypad, the lists and the warning box, when sound
    // is on.
    void Play(Sound which);

    void SetStandIn(DialogStandIn* standIn) { standIn_ = standIn; }
    DialogStandIn* standIn() const { return standIn_; }
    // The project whose folders the save dialog starts in; none gives the
    // program's own.
    const Project* project = nullptr;
    bool sound = false;
    QPointer<ListView> goList;
    QPointer<ListView> procList;
    QPointer<ProcedurePane> procedurePane;
    QPointer<QWidget> owner;
    TonePlayer* tones = nullptr;

  signals:
    // GO reached in keys the core was handed: the program runs.
    void runRequested();
    // A list may have changed (keying, loading, a run's cursor), for what
    // shows the program's size.
    void programChanged();

  private:
    ListView* List(int list) const;

    DialogStandIn* standIn_ = nullptr;
};

} // namespace zf::ui
