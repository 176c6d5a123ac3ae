#pragma once

#include "simulation/clock.h"
#include "simulation/graphic_objects.h"
#include "simulation/interpreter.h"
#include "simulation/motion.h"
#include "simulation/pen_trail.h"
#include "simulation/robot_view.h"
#include "simulation/run_requests.h"
#include "simulation/zarnik_state.h"

#include <cstdint>
#include <deque>
#include <limits>

namespace zf {

// The drawing window's half of a run: Run, Stop, Continue, Step, Reset and
// End run, and each instruction carried out on the robot.
//
// A run never blocks. Requests are posted to a queue, as the windows post
// them; moves, turns, waits and notes are primitives that advance by one draw
// at a time. The owner calls Pump() whenever NextDue() has come (from a timer
// in a window, in a loop when headless, by hand in a test); between two
// draws it is free to post Stop, Step and the rest, which a primitive takes
// at its next message point. Posting can bring the due time forward, so the
// owner asks NextDue() again after each request it posts.
class RunControl {
  public:
    static constexpr std::int64_t kNever = std::numeric_limits<std::int64_t>::max();

    RunControl(GoEditor& editor, ZarnikState& state, PenTrail& trail, GraphicObjectList& objects,
               RobotView& view, Clock& clock);

    // Queues a request (Run with param 1 is step mode).
    void Post(RunRequest request, int param = 0);
    // Handles a request at once, as a sent message; a primitive that is
    // going takes it as it would from the queue.
    void Send(RunRequest request, int param = 0);

    // Clock time at which Pump has work, kNever when there is none.
    std::int64_t NextDue() const;
    bool Idle() const { return NextDue() == kNever; }
    // A move, turn, wait or note is under way.
    bool PrimitiveGoing() const { return primitive_ != Primitive::None; }
    // Does what is due now: one draw of a primitive, its end, or one request.
    void Pump();

    Interpreter& interpreter() { return interpreter_; }
    const Interpreter& interpreter() const { return interpreter_; }
    const ZarnikState& state() const { return state_; }

    // Primitives take no time: moves draw at once, waits and notes last 0 ms.
    bool instant = false;
    // Set while the program is closing: runs go no further.
    bool aborting = false;

    std::int32_t remainder = 0;
    std::int32_t remainderOpcode = 0;
    bool savedPenDown = false;
    std::int16_t savedPenStyle = -1;

  private:
    enum class Primitive { None, Move, Turn, Wait, Note };
    struct Message {
        RunRequest request;
        int param;
    };

    void Dispatch(const Message& m);
    bool Takeable(const Message& m, bool duringPrimitive) const;
    // Takes the first queued request a primitive or the common tail may see.
    bool TakeUserRequest(Message& m, bool duringPrimitive);
    void PostChain(RunRequest request);
    void TakeDuringPrimitive(const Message& m, std::int64_t now);

    void Run(bool stepMode);
    void Continue();
    void Stop();
    void Step();
    void Reset();
    void EndRun();
    void Finished();
    void NextInstruction();
    void Resume();
    void ClearRunFlags();

    void Do(int opcode, std::int32_t number, const GoInstruction* instruction);
    void FinishInterrupted();
    void CommonTail();

    void StartMove(int direction, std::int32_t mm);
    void StartTurn(int direction, int degrees);
    void StartWait(std::int32_t seconds);
    void StartNote(std::int32_t ms);
    void AdvancePrimitive(std::int64_t now);
    void ScheduleMove(std::int64_t now);
    std::int32_t InterruptedRemainder(std::int64_t now) const;
    void EndPrimitive(std::int32_t rest);

    void DrawRobot(std::int32_t x, std::int32_t y);
    void AppendTrailHere() { trail_.AppendTrailPoint(state_.x, state_.y); }
    void LiftPen();
    void SetPosition(const GoInstruction& in);
    void PlaceStamp(const GoInstruction& in, bool flipped);
    void PlaceText(const GoInstruction& in);

    UserInterface& ui_;
    ZarnikState& state_;
    PenTrail& trail_;
    GraphicObjectList& objects_;
    RobotView& view_;
    Clock& clock_;
    Interpreter interpreter_;

    std::deque<Message> queue_;
    bool chainQueued_ = false;

    Primitive primitive_ = Primitive::None;
    int primitiveOpcode_ = 0;
    bool resuming_ = false;
    bool checkOpen_ = false;
    std::int64_t due_ = 0;
    std::int64_t t0_ = 0;
    MoveZarnik move_;
    MoveZarnik moveAhead_;
    WalkStep aheadStep_ = WalkStep::Done;
    TurnZarnik turn_{0, 1, 0};
    std::int32_t waitSeconds_ = 0;
    std::int64_t waitStart_ = 0;
};

} // namespace zf
