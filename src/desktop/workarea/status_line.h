#pragma once

#include "program/instruction.h"
#include "program/string_table.h"

#include <QPainter>
#include <QWidget>

#include <functional>
#include <memory>
#include <string>

namespace zf::ui {

// The Go Program's name, the procedure call and the instruction being
// executed, in three boxes above the tool bar; a fourth, where there is
// room, and the whole line between runs tell the units in force and the
// robot memory the program takes.
class StatusLine : public QWidget {
    Q_OBJECT
  public:
    explicit StatusLine(const NameTables& tables, QWidget* parent = nullptr);

    // The instruction being executed, or none to clear all boxes.
    void ShowInstruction(const GoInstruction* instruction);
    void Clear();

    const std::string& name() const { return name_; }
    const GoInstruction* instruction() const { return instruction_.get(); }
    const GoInstruction* call() const { return call_.get(); }

    // The project folder, for the thumbnails of graphic commands.
    std::function<std::string()> folder;
    // The fourth box's text, whole or brief.
    std::function<std::string(bool brief)> robotText;

  protected:
    void paintEvent(QPaintEvent*) override;

  private:
    void PaintBox(QPainter& p, int x, int w);
    void PaintRobotText(QPainter& p, const QRect& box);

    const NameTables& tables_;
    std::unique_ptr<GoInstruction> instruction_;
    std::unique_ptr<GoInstruction> call_;
    int calls_ = 0;
    std::string name_;
};

// "My Go Program.gop" shows as "my go program".
std::string StatusName(const std::string& fileName);

} // namespace zf::ui
