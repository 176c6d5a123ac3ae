#include "simulation/run_control.h"

#include "program/instruction.h"
#include "program/string_table.h"

#include <algorithm>

namespace zf {

namespace {

// Longer than a few frames: the window was held up, and the robot goes on
// from where it is rather than rushing to where it should be.
constexpr std::int64_t kLongStallMs = 100;

} // namespace

RunControl::RunControl(GoEditor& editor, ZarnikState& state, PenTrail& trail,
                       GraphicObjectList& objects, RobotView& view, Clock& clock)
    : ui_(editor.ui()), state_(state), trail_(trail), objects_(objects), view_(view), clock_(clock),
      interpreter_(editor, state, view) {}

// ---- the queue

void RunControl::Post(RunRequest request, int param) {
    if (request == RunRequest::Next || request == RunRequest::Resume) {
        PostChain(request);
        return;
    }
    queue_.push_back({request, param});
}

// One run walks one chain of Next and Resume requests: a second link queued
// beside the first would run the program twice over.
void RunControl::PostChain(RunRequest request) {
    if (chainQueued_)
        return;
    chainQueued_ = true;
    queue_.push_back({request, 0});
}

void RunControl::Send(RunRequest request, int param) {
    if (request == RunRequest::Next || request == RunRequest::Resume) {
        PostChain(request);
        return;
    }
    const Message m{request, param};
    if (primitive_ == Primitive::None) {
        Dispatch(m);
        return;
    }
    // A primitive going is where the message loop is: it sees the request
    // now, unless a note holds the thread or the request must wait its end.
    if (primitive_ == Primitive::Note || !Takeable(m, true)) {
        queue_.push_front(m);
        return;
    }
    TakeDuringPrimitive(m, clock_.NowMs());
}

void RunControl::TakeDuringPrimitive(const Message& m, std::int64_t now) {
    if (m.request == RunRequest::Stop) {
        // Stop is handled first, then the primitive gives up its remainder.
        const std::int32_t rest = InterruptedRemainder(now);
        Stop();
        EndPrimitive(rest);
        return;
    }
    Dispatch(m);
    if (aborting)
        EndPrimitive(0);
}

bool RunControl::Takeable(const Message& m, bool duringPrimitive) const {
    const RunRequest r = m.request;
    if (r == RunRequest::Next || r == RunRequest::Resume)
        return false;
    // A restart or a Reset that would act waits for the primitive to end, so
    // that the robot is never moved from two places at once; during a run
    // they are refused as usual.
    if (duringPrimitive && (r == RunRequest::Run || r == RunRequest::Reset))
        return state_.running && !state_.paused;
    return true;
}

bool RunControl::TakeUserRequest(Message& m, bool duringPrimitive) {
    for (auto it = queue_.begin(); it != queue_.end(); ++it) {
        if (!Takeable(*it, duringPrimitive))
            continue;
        m = *it;
        queue_.erase(it);
        return true;
    }
    return false;
}

std::int64_t RunControl::NextDue() const {
    switch (primitive_) {
    case Primitive::None:
        return queue_.empty() ? kNever : clock_.NowMs();
    case Primitive::Note:
        return due_;
    default:
        if (checkOpen_)
            for (const auto& m : queue_)
                if (Takeable(m, true))
                    return clock_.NowMs();
        return due_;
    }
}

void RunControl::Pump() {
    const std::int64_t now = clock_.NowMs();
    if (primitive_ == Primitive::None) {
        if (queue_.empty())
            return;
        const Message m = queue_.front();
        queue_.pop_front();
        if (m.request == RunRequest::Next || m.request == RunRequest::Resume)
            chainQueued_ = false;
        Dispatch(m);
        return;
    }
    Message m;
    if (checkOpen_ && primitive_ != Primitive::Note && TakeUserRequest(m, true)) {
        // At most one message between two draws.
        if (primitive_ == Primitive::Move || primitive_ == Primitive::Turn)
            checkOpen_ = false;
        TakeDuringPrimitive(m, now);
        return;
    }
    if (now >= due_)
        AdvancePrimitive(now);
}

void RunControl::Dispatch(const Message& m) {
    switch (m.request) {
    case RunRequest::Run:
        Run(m.param == 1);
        break;
    case RunRequest::Continue:
        Continue();
        break;
    case RunRequest::Stop:
        Stop();
        break;
    case RunRequest::Step:
        Step();
        break;
    case RunRequest::Reset:
        Reset();
        break;
    case RunRequest::EndRun:
        EndRun();
        break;
    case RunRequest::Next:
        NextInstruction();
        break;
    case RunRequest::Resume:
        Resume();
        break;
    default:
        break;
    }
}

// ---- run control

void RunControl::ClearRunFlags() {
    state_.running = state_.stepPending = state_.paused = state_.interrupted = false;
}

void RunControl::LiftPen() {
    state_.penDown = false;
    state_.penStyle = -1;
    trail_.SetTrailStyle(-1);
}

void RunControl::Run(bool stepMode) {
    if (state_.running && !state_.paused)
        return;
    ClearRunFlags();
    if (!interpreter_.StartCheck())
        return;
    state_.running = true;
    state_.stepPending = stepMode;
    remainder = 0;
    ++state_.runCount;
    trail_.MarkRunStart();
    LiftPen();
    AppendTrailHere();
    // The start pen goes down after the run's first point, so that no line
    // joins it to where the trail ended before.
    if (state_.homePenStyle >= 0) {
        state_.penDown = true;
        state_.penStyle = state_.homePenStyle;
        trail_.SetTrailStyle(state_.penStyle);
    }
    savedPenDown = state_.penDown;
    savedPenStyle = state_.penStyle;
    PostChain(RunRequest::Next);
}

void RunControl::Stop() {
    if (aborting)
        ClearRunFlags();
    if (!state_.running || state_.paused)
        return;
    state_.paused = true;
    state_.stepPending = false;
    AppendTrailHere();
    trail_.SetTrailStyle(-1);
    AppendTrailHere();
    interpreter_.RestyleCursors(cursor::Stopped, cursor::Stopped);
}

void RunControl::Continue() {
    if (!state_.running || !state_.paused)
        return;
    interpreter_.RestyleCursors(cursor::RunningGo, cursor::RunningProc);
    trail_.SetTrailStyle(state_.penStyle);
    AppendTrailHere();
    state_.paused = false;
    state_.stepPending = false;
    PostChain(RunRequest::Resume);
}

void RunControl::Step() {
    if (!state_.running) {
        Post(RunRequest::Run, 1);
        return;
    }
    if (state_.stepPending)
        return;
    if (!state_.paused) {
        state_.stepPending = true;
        interpreter_.RestyleCursors(cursor::SteppingGo, cursor::SteppingProc);
        return;
    }
    trail_.SetTrailStyle(state_.penStyle);
    AppendTrailHere();
    state_.paused = false;
    state_.stepPending = true;
    interpreter_.RestyleCursors(cursor::SteppingGo, cursor::SteppingProc);
    PostChain(RunRequest::Resume);
}

void RunControl::Reset() {
    if (state_.running && !state_.paused)
        return;
    ClearRunFlags();
    view_.ShowInstruction(nullptr);
    LiftPen();
    interpreter_.Rewind();
    if (state_.runCount > 0) {
        objects_.RemoveObjectsOfRun(state_.runCount);
        trail_.TrimPenTrailToRunStart();
        view_.RepaintWorkingArea();
    }
    state_.shapeId = state_.homeShapeId;
    state_.flipped = state_.homeFlipped;
    state_.heading = state_.homeHeading;
    view_.SpriteChanged();
    DrawRobot(state_.homeX, state_.homeY);
}

void RunControl::EndRun() {
    ClearRunFlags();
    view_.ShowInstruction(nullptr);
    interpreter_.Rewind();
}

void RunControl::Finished() {
    ClearRunFlags();
    view_.ShowInstruction(nullptr);
    interpreter_.ClearControlStack();
}

void RunControl::NextInstruction() {
    const RobotAction action = interpreter_.Next();
    switch (action.kind) {
    case RobotAction::Kind::Do:
        Do(action.opcode, action.number, action.instruction);
        break;
    case RobotAction::Kind::Note:
        StartNote(action.number);
        break;
    case RobotAction::Kind::Finished:
        Finished();
        break;
    case RobotAction::Kind::None:
        break;
    }
}

void RunControl::Resume() {
    if (remainder > 0)
        FinishInterrupted();
    else
        PostChain(RunRequest::Next);
}

// ---- carrying out one instruction

void RunControl::Do(int opcode, std::int32_t number, const GoInstruction* in) {
    if (!state_.interrupted)
        remainder = 0;
    if (remainder > 0) {
        FinishInterrupted();
        return;
    }
    primitiveOpcode_ = opcode;
    switch (opcode) {
    case op::Forward:
        StartMove(+1, number * 10);
        return;
    case op::Back:
        StartMove(-1, number * 10);
        return;
    case op::Left:
        StartTurn(-1, number);
        return;
    case op::Right:
        StartTurn(+1, number);
        return;
    case op::Wait:
        StartWait(number);
        return;
    case op::SetPosition:
        if (CheckZarnikPosition(ui_, state_, in->value1, in->value2)) {
            EndRun();
            return;
        }
        SetPosition(*in);
        break;
    case op::SetHeading:
        state_.heading = NormalHeading(in->value1);
        view_.SpriteChanged();
        DrawRobot(state_.x, state_.y);
        break;
    case op::SetShape:
        if (!IsPlainFileName(objects_.tables().names.Get(in->nameId)))
            break;
        state_.shapeId = in->nameId;
        state_.flipped = false;
        view_.SpriteChanged();
        DrawRobot(state_.x, state_.y);
        break;
    case op::PlaceStamp:
        PlaceStamp(*in, false);
        break;
    case kFlippedStamp:
        PlaceStamp(*in, true);
        break;
    case op::PenDown:
        state_.penDown = true;
        state_.penStyle = PenStyleForName(objects_.tables().names.Get(in->nameId));
        trail_.SetTrailStyle(state_.penStyle);
        break;
    case op::PenUp:
        LiftPen();
        break;
    case op::FlipZarnik:
        state_.flipped = !state_.flipped;
        view_.SpriteChanged();
        DrawRobot(state_.x, state_.y);
        break;
    case op::PlaceText:
        PlaceText(*in);
        break;
    default:
        break;
    }
    CommonTail();
}

void RunControl::FinishInterrupted() {
    resuming_ = true;
    primitiveOpcode_ = remainderOpcode;
    switch (remainderOpcode) {
    case op::Forward:
        StartMove(+1, remainder);
        return;
    case op::Back:
        StartMove(-1, remainder);
        return;
    case op::Left:
        StartTurn(-1, remainder);
        return;
    case op::Right:
        StartTurn(+1, remainder);
        return;
    case op::Wait:
        StartWait(remainder);
        return;
    default:
        EndPrimitive(0);
        return;
    }
}

void RunControl::CommonTail() {
    if (aborting) {
        state_.interrupted = false;
        return;
    }
    if (remainder > 0) {
        // Stop has already paused the run; Continue finishes the rest.
        state_.interrupted = true;
        return;
    }
    state_.interrupted = false;
    if (state_.stepPending) {
        state_.stepPending = false;
        state_.paused = true;
    }
    Message m;
    if (TakeUserRequest(m, false))
        Dispatch(m);
    if (!state_.paused && !state_.stepPending && state_.running)
        PostChain(RunRequest::Next);
}

// ---- primitives

void RunControl::StartMove(int direction, std::int32_t mm) {
    primitive_ = Primitive::Move;
    move_ = MoveZarnik(state_, direction, mm);
    checkOpen_ = false;
    t0_ = clock_.NowMs();
    ScheduleMove(t0_);
}

// Looks one draw ahead: the end of a move is drawn at once, every whole
// pixel `moveDelay` ms after the one before.
void RunControl::ScheduleMove(std::int64_t now) {
    moveAhead_ = move_;
    aheadStep_ = moveAhead_.Advance();
    due_ = instant || aheadStep_ == WalkStep::Done ? now : t0_ + state_.moveDelay;
}

void RunControl::StartTurn(int direction, int degrees) {
    primitive_ = Primitive::Turn;
    turn_ = TurnZarnik(state_.heading, direction, degrees);
    checkOpen_ = false;
    due_ = clock_.NowMs();
}

void RunControl::StartWait(std::int32_t seconds) {
    primitive_ = Primitive::Wait;
    waitSeconds_ = seconds;
    waitStart_ = clock_.NowMs();
    checkOpen_ = true;
    due_ = instant ? waitStart_ : waitStart_ + std::int64_t{seconds} * 1000;
}

void RunControl::StartNote(std::int32_t ms) {
    primitive_ = Primitive::Note;
    primitiveOpcode_ = op::Quaver;
    checkOpen_ = false;
    due_ = clock_.NowMs() + (instant ? 0 : ms);
}

void RunControl::AdvancePrimitive(std::int64_t now) {
    switch (primitive_) {
    case Primitive::Move:
        move_ = moveAhead_;
        DrawRobot(move_.x(), move_.y());
        if (aheadStep_ == WalkStep::Done) {
            if (move_.HitEdge()) {
                Warn(ui_, TextId::CannotMoveOutside);
                EndRun();
            }
            EndPrimitive(0);
            return;
        }
        // A late draw is made up by the next ones, so that a busy moment
        // does not slow the robot down; a long stall is not made up.
        t0_ = now - due_ < std::max<std::int64_t>(state_.moveDelay, kLongStallMs) ? due_ : now;
        checkOpen_ = true;
        ScheduleMove(now);
        return;
    case Primitive::Turn: {
        const WalkStep step = turn_.Advance();
        if (step == WalkStep::Done) {
            EndPrimitive(0);
            return;
        }
        state_.heading = turn_.heading();
        view_.SpriteChanged();
        DrawRobot(state_.x, state_.y);
        checkOpen_ = step == WalkStep::DrawAndCheck;
        due_ = now;
        return;
    }
    case Primitive::Wait:
    case Primitive::Note:
        EndPrimitive(0);
        return;
    case Primitive::None:
        return;
    }
}

std::int32_t RunControl::InterruptedRemainder(std::int64_t now) const {
    switch (primitive_) {
    case Primitive::Move:
        return move_.Remainder();
    case Primitive::Turn:
        return turn_.Remainder();
    case Primitive::Wait:
        return waitSeconds_ - static_cast<std::int32_t>((now - waitStart_) / 1000);
    default:
        return 0;
    }
}

void RunControl::EndPrimitive(std::int32_t rest) {
    const Primitive ended = primitive_;
    primitive_ = Primitive::None;
    checkOpen_ = false;
    if (ended != Primitive::Note) {
        remainder = rest;
        remainderOpcode = primitiveOpcode_;
    }
    if (ended == Primitive::Move) {
        trail_.SetTrailStyle(state_.penStyle);
        AppendTrailHere();
    }
    if (resuming_) {
        resuming_ = false;
        if (remainder == 0 && state_.stepPending) {
            state_.stepPending = false;
            state_.paused = true;
        }
    }
    CommonTail();
}

// ---- the robot and the working area

void RunControl::DrawRobot(std::int32_t x, std::int32_t y) {
    view_.DrawZarnikAt(x, y);
    state_.x = x;
    state_.y = y;
}

void RunControl::SetPosition(const GoInstruction& in) {
    savedPenDown = state_.penDown;
    savedPenStyle = state_.penStyle;
    LiftPen();
    AppendTrailHere();
    DrawRobot(in.value1, in.value2);
    AppendTrailHere();
    state_.penDown = savedPenDown;
    state_.penStyle = savedPenStyle;
    trail_.SetTrailStyle(savedPenStyle);
}

void RunControl::PlaceStamp(const GoInstruction& in, bool flipped) {
    // A stamp of a picture outside the project would be saved in a project
    // that no reader opens again.
    if (!IsPlainFileName(objects_.tables().names.Get(in.nameId)))
        return;
    GraphicObject* stamp = objects_.CreateGraphicObject(
        objects_.tables().names.Get(in.nameId), objectkind::Stamp, state_.x, state_.y,
        flipped ? kFlippedStamp : op::PlaceStamp, 0, flipped ? 1 : 0, state_.runCount);
    view_.ObjectPlaced(*stamp);
    DrawRobot(state_.x, state_.y);
}

void RunControl::PlaceText(const GoInstruction& in) {
    // A PlaceText read from a damaged file may carry no record: it places
    // an empty text rather than none.
    TextObjectRecord record = in.textObject ? *in.textObject : TextObjectRecord{};
    NameTables& tables = objects_.tables();
    record.textId = tables.texts.Add(tables.texts.Get(record.textId));
    const TextObjectRecord::Bytes bytes = record.ToBytes();
    const std::uint32_t index = tables.textObjects.Add(bytes.data());
    GraphicObject* text = objects_.CreateGraphicObject("", objectkind::Text, state_.x, state_.y,
                                                       static_cast<std::int32_t>(index),
                                                       record.placement, 0, state_.runCount);
    view_.ObjectPlaced(*text);
}

} // namespace zf
