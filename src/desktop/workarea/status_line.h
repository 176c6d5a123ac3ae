#pragma once

#include "program/instruction.h"

#include <QWidget>

#include <functional>
#include <memory>
#include <string>

namespace zf::ui {

// The Go Program's name, the procedure call and the instruction being
// executed, in three boxes above the tool bar.
class StatusLine : public QWidget {
    Q_OBJECT
  public:
    explicit StatusLine(QWidget* parent = nullptr);

    // The instruction being executed, or none to clear all boxes.
    void ShowInstruction(const GoInstruction* instruction);
    void Clear();

    const std::string& name() const { return name_; }
    const GoInstruction* instruction() const { return instruction_.get(); }
    const GoInstruction* call() const { return call_.get(); }

    // The project folder, for the thumbnails of graphic commands.
    std::function<std::string()> folder;

  protected:
    void paintEvent(QPaintEvent*) override;

  private:
    std::unique_ptr<GoInstruction> instruction_;
    std::unique_ptr<GoInstruction> call_;
    int calls_ = 0;
    std::string name_;
};

// "My Go Program.gop" shows as "my go program".
std::string StatusName(const std::string& fileName);

} // namespace zf::ui
