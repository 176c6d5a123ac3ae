#pragma once

#include "files/project.h"
#include "program/instruction.h"
#include "program/string_table.h"

#include <QPainter>
#include <QWidget>

#include <memory>
#include <string>

namespace zf {
class GoEditor;
struct ZarnikState;
} // namespace zf

namespace zf::ui {

// The Go Program's name, the procedure call and the instruction being
// executed, in three boxes above the tool bar; a fourth, where there is
// room, and the whole line between runs tell the units in force and the
// robot memory the program takes.
class StatusLine : public QWidget {
    Q_OBJECT
  public:
    // The fourth box tells `robot`'s units and what `editor`'s program takes.
    StatusLine(const NameTables& tables, const Project& project, const ZarnikState& robot,
               const GoEditor& editor, QWidget* parent = nullptr);

    // The instruction being executed, or none to clear all boxes.
    void ShowInstruction(const GoInstruction* instruction);
    void Clear();

    const std::string& name() const { return name_; }
    const GoInstruction* instruction() const { return instruction_.get(); }
    const GoInstruction* call() const { return call_.get(); }

    // The fourth box's text, whole or brief.
    std::string RobotText(bool brief) const;

  protected:
    void paintEvent(QPaintEvent*) override;

  private:
    void PaintBox(QPainter& p, int x, int w);
    void PaintRobotText(QPainter& p, const QRect& box);

    const NameTables& tables_;
    const Project& project_;
    const ZarnikState& robot_;
    const GoEditor& editor_;
    std::unique_ptr<GoInstruction> instruction_;
    std::unique_ptr<GoInstruction> call_;
    int calls_ = 0;
    std::string name_;
};

// "My Go Program.gop" shows as "my go program".
std::string StatusName(const std::string& fileName);

} // namespace zf::ui
