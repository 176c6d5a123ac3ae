#pragma once

#include "program/editor.h"
#include "program/key_sequence.h"
#include "program/texts.h"
#include "support/recorder.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

namespace zf::test {

// A fresh editor keyed through the Go container, as a child at the keypad.
class Keying : public ::testing::Test {
  protected:
    Recorder ui;
    NameTables tables;
    GoEditor editor{ui, tables};

    void keys(std::string_view sequence) {
        std::string error;
        ASSERT_TRUE(KeySequence(editor, sequence, &error)) << error;
    }

    std::vector<std::string> lines(int list) const {
        std::vector<std::string> out;
        for (const GoInstruction* in = editor.Head(list); in; in = in->next)
            out.push_back(ListingLine(*in, tables));
        return out;
    }
    std::vector<std::string> go() const { return lines(GO_LIST); }
    std::vector<std::string> proc() const { return lines(PROC_LIST); }

    std::vector<int> indents(int list) const {
        std::vector<int> out;
        for (const GoInstruction* in = editor.Head(list); in; in = in->next)
            out.push_back(in->indent);
        return out;
    }

    std::vector<TextId> ids() const {
        std::vector<TextId> out;
        for (const auto& m : ui.messages)
            out.push_back(m.id);
        return out;
    }

    std::string cursorLine() const {
        return editor.cursor ? ListingLine(*editor.cursor, tables) : "";
    }
    // Where keying stands: the cursor's line, the definition open and the units left.
    std::tuple<std::string, int, int> at() const {
        return {cursorLine(), editor.procedureBeingDefined, editor.memoryUnitsLeft};
    }

    // Keys each sequence in turn, checking the warning last shown after it.
    template <typename... More>
    void warnings(std::string_view sequence, TextId id, More... more) {
        keys(sequence);
        EXPECT_EQ(ui.lastWarningId(), id) << sequence;
        if constexpr (sizeof...(more) > 0)
            warnings(more...);
    }
};

inline ShownMessage Shown(TextId id, std::initializer_list<TextArg> args = {}) {
    return {id, Text(id, args)};
}

using Lines = std::vector<std::string>;
using Ids = std::vector<TextId>;

} // namespace zf::test
