#pragma once

#include "program/instruction.h"
#include "program/string_table.h"
#include "program/user_interface.h"

#include <cstdint>
#include <memory>
#include <string>

namespace zf {

inline constexpr int kMemoryUnits = 187;

// The Go Program being edited: the GO list (main program, headed by a
// GoProgramHeader) and the PROC list (procedure definitions), with the
// robot memory still free.
class GoEditor {
  public:
    GoEditor(UserInterface& ui, NameTables& tables);
    ~GoEditor();
    GoEditor(const GoEditor&) = delete;
    GoEditor& operator=(const GoEditor&) = delete;

    std::int16_t procedureBeingDefined = 0;
    std::int16_t memoryUnitsLeft = kMemoryUnits;
    std::uint32_t modified = 0;
    // The file the program was last opened from or saved as, absolute; the
    // header keeps only its file name after a save. "" when none.
    std::string file;
    GoInstruction* cursor = nullptr;
    // GO instruction after which keying resumes when a definition closes.
    GoInstruction* goPosition = nullptr;

    UserInterface& ui() { return ui_; }
    // The tables its instructions' names and texts are kept in.
    NameTables& tables() const { return tables_; }

    GoInstruction* Head(int list) const { return list == PROC_LIST ? procHead_ : goHead_; }
    GoInstruction* Last(int list) const { return list == PROC_LIST ? procTail_ : goTail_; }
    // Which list holds an instruction: GO_LIST, PROC_LIST, or 0.
    int ListOf(const GoInstruction* in) const;
    int CurrentList() const { return procedureBeingDefined ? PROC_LIST : GO_LIST; }

    // Inserts a fresh instruction after the cursor (or as GO head with no
    // cursor) and makes it the cursor. Charges nothing.
    GoInstruction* NewInstruction(std::uint8_t opcode);
    // The keypad's form: the memory rule, then NewInstruction.
    bool AddInstruction(std::uint8_t opcode, bool complete, int units);
    // Appends a copy at the end of a list and charges its units unchecked.
    GoInstruction* InsertCopy(const GoInstruction& record, int list);
    // CE on the cursor of a list.
    void DeleteAtCursor(int list);
    void RemoveInstruction(int list, GoInstruction* in);
    void DestroyProgramList(int list);
    // CM confirmed.
    void ClearMemory();
    // Makes the GoProgramHeader (named `name` in the name table) after the cursor.
    GoInstruction* MakeHeader(const char* name);

    GoInstruction* FindProcedure(int list, int n) const;
    bool ProcedureHasEnd(int list, int n) const;
    int DeleteProcedure(int list, int n);
    GoInstruction* FindEmptyProcedure() const;
    void DeleteEmptyProcedures();
    GoInstruction* FirstOpenProcedure() const;

    int LineOf(int list, const GoInstruction* in) const;
    int LineCount(int list) const;
    int DeepestRepeatNesting(int list) const;

    // Makes an instruction the cursor and points both list cursors at it,
    // its own in the problem style.
    void ShowInstruction(GoInstruction* in);

    // Recomputes the listing indents of a list.
    void Reindent(int list);

  private:
    void Link(GoInstruction* in, GoInstruction* after, int list);
    void Unlink(GoInstruction* in, int list);
    GoInstruction*& HeadRef(int list) { return list == PROC_LIST ? procHead_ : goHead_; }
    GoInstruction*& TailRef(int list) { return list == PROC_LIST ? procTail_ : goTail_; }

    UserInterface& ui_;
    NameTables& tables_;
    GoInstruction* goHead_ = nullptr;
    GoInstruction* procHead_ = nullptr;
    // The last instruction of each list, so that appending costs the same
    // however long the program is.
    GoInstruction* goTail_ = nullptr;
    GoInstruction* procTail_ = nullptr;
};

// Frees the editor when its GO list is empty; otherwise shows the internal
// error and keeps it, so that no instruction is lost unseen.
bool ReleaseEditor(std::unique_ptr<GoEditor>& editor);

// Walking back from an instruction: 0 after a ProcedureEnd, else the number
// of the ProcedureDef met.
int ProcedureAt(const GoInstruction* in);
int OpenRepeatsAt(const GoInstruction* in);
bool InsideOpenRepeat(const GoInstruction* in);

// Checks before a run or a send; results as the callers expect them.
int CheckGoList(GoEditor* editor);
int CheckProcList(GoEditor* editor);

// The listing indent of each instruction of a list, in key-picture widths.
void ComputeIndents(GoInstruction* head);

} // namespace zf
