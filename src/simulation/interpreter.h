#pragma once

#include "program/editor.h"
#include "simulation/robot_view.h"
#include "simulation/zarnik_state.h"

#include <cstdint>
#include <vector>

namespace zf {

// Do's code for a PlaceStamp followed directly by a FlipStamp.
inline constexpr int kFlippedStamp = 42;

// One open Repeat or procedure call.
struct ControlFrame {
    GoInstruction* instruction = nullptr;
    // Repeats still to do; 0 for a call.
    std::uint16_t count = 0;
};

// What an executed instruction asks of the robot.
struct RobotAction {
    enum class Kind {
        None,     // nothing: the run was ended on the way
        Do,       // carry out `opcode` with `number` or `instruction`
        Note,     // a note of `number` ms is sounding; then Do (Quaver)
        Finished, // the GO list has ended, or execution had to stop
    };
    Kind kind = Kind::None;
    int opcode = 0;
    std::int32_t number = 0;
    const GoInstruction* instruction = nullptr;
};

// The Go List window's half of a run: walks the GO and PROC lists with the
// instruction pointer and the stack of open Repeats and calls, turns numbers
// into distances, angles and notes, and shows the running line.
class Interpreter {
  public:
    // Far more frames than any program the keypad can make: only a loaded
    // program that calls itself gets near it.
    static constexpr std::size_t kMaxFrames = 4096;

    Interpreter(GoEditor& editor, ZarnikState& state, RobotView& view);

    GoInstruction* currentInstruction = nullptr;
    int currentList = 0;
    std::int32_t callDepth = 0;
    // With sound off a Quaver rests for its time.
    bool sound = true;
    // Instructions executed since the program started.
    std::uint64_t executed = 0;

    bool PushZFCommand(GoInstruction* instruction, int count);
    // The top frame's instruction and count, or null with an empty stack.
    GoInstruction* PopZFCommand(int& count);
    void ClearControlStack() { stack_.clear(); }
    std::size_t StackDepth() const { return stack_.size(); }

    // Clears the stack and checks both lists; true when the run may start.
    bool StartCheck();
    // Executes the current instruction and moves on.
    RobotAction Next();
    // Forgets the instruction pointer and gives the editing cursor back.
    void Rewind();

    // Restyles the list cursors that are showing.
    void RestyleCursors(int goStyle, int procStyle);
    bool CursorVisible(int list) const { return cursors_[list].visible; }

  private:
    RobotAction Execute();
    // Scrolls to the instruction and shows the running cursor on its line.
    void ShowRunningLine(const GoInstruction* in);
    RobotAction Move(const GoInstruction& in);
    RobotAction EnterRepeat(GoInstruction* in);
    // Enters the definition, or goes on past a call of none.
    RobotAction CallProcedure(GoInstruction* in);
    RobotAction PlayQuaver(const GoInstruction& in);
    // Goes back to the Repeat while repeats remain.
    RobotAction EndRepeat();
    RobotAction ReturnFromProcedure();
    RobotAction SetUnit(const GoInstruction& in);
    RobotAction Fail(TextId id, const char* text);
    void ShowCursor(int list, int line, int style);
    void HideCursor(int list);
    void ShowEditingCursor();

    struct CursorState {
        bool visible = false;
        int line = 0;
        int style = 0;
    };

    GoEditor& editor_;
    UserInterface& ui_;
    // Its units are the interpreter's to change.
    ZarnikState& state_;
    RobotView& view_;
    std::vector<ControlFrame> stack_;
    CursorState cursors_[3];
};

} // namespace zf
