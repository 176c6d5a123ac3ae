#include "simulation/edit_history.h"

#include <tuple>

namespace zf {

namespace {

// The robot's fields a user's change can reach.
template <typename State>
auto RobotFields(State& s) {
    return std::tie(s.floorWidth, s.floorHeight, s.x, s.y, s.heading, s.shapeId, s.flipped,
                    s.penDown, s.penStyle, s.transparentColour, s.homeX, s.homeY, s.homeHeading,
                    s.homeShapeId, s.homeFlipped, s.homePenStyle);
}

bool SameTrail(const PenTrail& a, const PenTrail& b) {
    if (a.trailLength() != b.trailLength() || a.trailStyle() != b.trailStyle() ||
        a.runStartLength() != b.runStartLength())
        return false;
    for (int i = 0; i < a.trailLength(); ++i)
        if (!(a.GetTrailPoint(i) == b.GetTrailPoint(i)))
            return false;
    return true;
}

bool SameObject(const GraphicObject& a, const GraphicObject& b) {
    return std::tie(a.nameId, a.kind, a.param1, a.param2, a.param3, a.x, a.y, a.runTag) ==
           std::tie(b.nameId, b.kind, b.param1, b.param2, b.param3, b.x, b.y, b.runTag);
}

} // namespace

AreaSnapshot TakeAreaSnapshot(const ZarnikState& state, const PenTrail& trail,
                              const GraphicObjectList& objects) {
    AreaSnapshot s;
    s.robot = state;
    s.trail = std::make_shared<const PenTrail>(trail);
    for (const auto& o : objects.objects())
        s.objects.push_back(*o);
    return s;
}

void RestoreArea(ZarnikState& state, PenTrail& trail, GraphicObjectList& objects,
                 const AreaSnapshot& snapshot) {
    RobotFields(state) = RobotFields(snapshot.robot);
    trail = *snapshot.trail;
    objects.Assign(snapshot.objects);
}

bool SameArea(const AreaSnapshot& a, const AreaSnapshot& b) {
    if (RobotFields(a.robot) != RobotFields(b.robot) || !SameTrail(*a.trail, *b.trail) ||
        a.objects.size() != b.objects.size())
        return false;
    for (std::size_t i = 0; i < a.objects.size(); ++i)
        if (!SameObject(a.objects[i], b.objects[i]))
            return false;
    return true;
}

EditHistory::EditHistory(GoEditor& editor, ZarnikState& state, PenTrail& trail,
                         GraphicObjectList& objects)
    : editor_(editor), state_(state), trail_(trail), objects_(objects) {}

void EditHistory::Begin() {
    // What a run does is not the user's change; Reset takes it back.
    if (open_++ == 0 && !IsGoProgramActive(state_))
        before_ = Entry{TakeProgramSnapshot(editor_), TakeAreaSnapshot(state_, trail_, objects_)};
}

void EditHistory::End() {
    if (open_ == 0 || --open_ > 0 || !before_)
        return;
    Entry entry = std::move(*before_);
    before_.reset();
    if (IsGoProgramActive(state_))
        return;
    if (SameProgram(*entry.program, TakeProgramSnapshot(editor_)))
        entry.program.reset();
    if (SameArea(*entry.area, TakeAreaSnapshot(state_, trail_, objects_)))
        entry.area.reset();
    if (!entry.program && !entry.area)
        return;
    undo_.push_back(std::move(entry));
    if (undo_.size() > kDepth)
        undo_.pop_front();
    redo_.clear();
    Changed();
}

EditHistory::Entry EditHistory::Now(const Entry& like) const {
    Entry now;
    if (like.program)
        now.program = TakeProgramSnapshot(editor_);
    if (like.area)
        now.area = TakeAreaSnapshot(state_, trail_, objects_);
    return now;
}

EditHistory::Restored EditHistory::Apply(const Entry& entry) {
    Restored restored;
    if (entry.program) {
        RestoreProgram(editor_, *entry.program);
        // The program no longer matches the file it was last saved to.
        editor_.modified = 1;
        restored.program = true;
    }
    if (entry.area) {
        RestoreArea(state_, trail_, objects_, *entry.area);
        restored.area = true;
    }
    return restored;
}

EditHistory::Restored EditHistory::Move(std::deque<Entry>& from, std::deque<Entry>& to) {
    if (open_ > 0 || from.empty() || IsGoProgramActive(state_))
        return {};
    Entry entry = std::move(from.back());
    from.pop_back();
    to.push_back(Now(entry));
    const Restored restored = Apply(entry);
    Changed();
    return restored;
}

EditHistory::Restored EditHistory::Undo() {
    return Move(undo_, redo_);
}

EditHistory::Restored EditHistory::Redo() {
    return Move(redo_, undo_);
}

void EditHistory::Clear() {
    undo_.clear();
    redo_.clear();
    Changed();
}

void EditHistory::Changed() const {
    if (changed)
        changed();
}

} // namespace zf
