#pragma once

#include "program/text_object.h"
#include "program/user_interface.h"

#include <deque>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace zf::test {

struct ShownMessage {
    TextId id;
    std::string text;
    // Shown as information rather than as a warning.
    bool information = false;
    bool operator==(const ShownMessage&) const = default;
    friend void PrintTo(const ShownMessage& m, std::ostream* os) {
        *os << (m.information ? "information " : "") << static_cast<int>(m.id) << " \"" << m.text
            << "\"";
    }
};

// Records what the core showed; questions are answered from a queue
// (No when the queue is empty), the text dialog with `textChoice` (cancelled
// when empty).
class Recorder : public UserInterface {
  public:
    void WarningBox(TextId id, const std::string& text) override;
    void InformationBox(TextId id, const std::string& text) override;
    Answer Ask(TextId id, const std::string& text, Buttons buttons) override;
    void ShowListCursor(int list, int line, int style) override;
    void HideListCursor(int list) override;
    void PlayTone(int frequency, int milliseconds) override;
    bool EditTextObject(NameTables& tables, TextObjectRecord& record, bool editing) override;

    std::vector<ShownMessage> messages;
    std::vector<ShownMessage> questions;
    std::deque<Answer> answers;
    std::optional<TextObjectRecord> textChoice;
    struct Cursor {
        int line = 0;
        int style = 0;
        bool visible = false;
    };
    Cursor cursors[3];
    struct Tone {
        int frequency;
        int milliseconds;
    };
    std::vector<Tone> tones;

    TextId lastWarningId() const { return messages.empty() ? TextId{} : messages.back().id; }
    std::string lastWarning() const { return messages.empty() ? "" : messages.back().text; }
    void clear() {
        messages.clear();
        questions.clear();
    }
};

} // namespace zf::test
