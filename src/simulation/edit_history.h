#pragma once

#include "program/program_snapshot.h"
#include "simulation/graphic_objects.h"
#include "simulation/pen_trail.h"
#include "simulation/zarnik_state.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace zf {

// The working area as a value: the robot where it stands and where it
// starts, the floor's size, the pen trail and the objects. The run's flags,
// its count and the zoom are not part of it.
struct AreaSnapshot {
    ZarnikState robot;
    std::shared_ptr<const PenTrail> trail;
    std::vector<GraphicObject> objects;
};

AreaSnapshot TakeAreaSnapshot(const ZarnikState& state, const PenTrail& trail,
                              const GraphicObjectList& objects);
void RestoreArea(ZarnikState& state, PenTrail& trail, GraphicObjectList& objects,
                 const AreaSnapshot& snapshot);
// Text sizes are only measurements of the last drawing and do not count.
bool SameArea(const AreaSnapshot& a, const AreaSnapshot& b);

// Undo and Redo of the user's changes. Each change is bracketed by Begin and
// End (nested brackets count as one); when the Go Program or the working
// area differ at the end, the part that changed is kept as it was before.
// Undo puts back those parts only, so undoing a keyed instruction leaves the
// robot where a later run put it.
class EditHistory {
  public:
    static constexpr std::size_t kDepth = 100;

    EditHistory(GoEditor& editor, ZarnikState& state, PenTrail& trail, GraphicObjectList& objects);

    void Begin();
    void End();
    // Begin and End around a scope.
    class Change {
      public:
        explicit Change(EditHistory& history) : history_(history) { history_.Begin(); }
        ~Change() { history_.End(); }
        Change(const Change&) = delete;
        Change& operator=(const Change&) = delete;

      private:
        EditHistory& history_;
    };

    // What an Undo or Redo put back.
    struct Restored {
        bool program = false;
        bool area = false;
        bool any() const { return program || area; }
    };
    bool CanUndo() const { return open_ == 0 && !undo_.empty(); }
    bool CanRedo() const { return open_ == 0 && !redo_.empty(); }
    // Nothing happens during a change or while a Go Program is running: the
    // run walks the lists and moves the robot.
    Restored Undo();
    Restored Redo();
    void Clear();

    // Told whenever what can be undone or redone changes.
    std::function<void()> changed;

  private:
    struct Entry {
        std::optional<ProgramSnapshot> program;
        std::optional<AreaSnapshot> area;
    };
    // The present state of the parts an entry holds.
    Entry Now(const Entry& like) const;
    Restored Apply(const Entry& entry);
    Restored Move(std::deque<Entry>& from, std::deque<Entry>& to);
    void Changed() const;

    GoEditor& editor_;
    ZarnikState& state_;
    PenTrail& trail_;
    GraphicObjectList& objects_;
    int open_ = 0;
    std::optional<Entry> before_;
    std::deque<Entry> undo_;
    std::deque<Entry> redo_;
};

} // namespace zf
