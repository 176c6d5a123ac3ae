#pragma once

#include "desktop/dialogs/dialog_parts.h"
#include "simulation/working_area_dialogs.h"

namespace zf::ui {

// The picture of the working area between the position boxes: a button-face
// rectangle with an etched edge and black lines through its middle.
class WorkAreaPicture : public QWidget {
    Q_OBJECT
  public:
    using QWidget::QWidget;
    QSize sizeHint() const override { return {96, 96}; }

  protected:
    void paintEvent(QPaintEvent*) override;
};

// Set Zarnik Position: four boxes as a cross around the picture, in steps
// from the centre. OK keeps the dialog open while the point is outside the
// working area.
class PositionDialog : public ToolDialog {
    Q_OBJECT
  public:
    PositionDialog(QWidget* owner, UserInterface& ui, const ZarnikState& state);
    FloorPoint result() const { return result_; }
    void accept() override;

  private:
    UserInterface& ui_;
    const ZarnikState& state_;
    QLineEdit* up_;
    QLineEdit* right_;
    QLineEdit* down_;
    QLineEdit* left_;
    FloorPoint result_;
};

// The compass: a circle, a cross and the heading as a thick hand.
class CompassBox : public QWidget {
    Q_OBJECT
  public:
    using QWidget::QWidget;
    void SetHeading(int degrees);
    int heading() const { return heading_; }
    QSize sizeHint() const override { return {120, 120}; }

  protected:
    void paintEvent(QPaintEvent*) override;

  private:
    int heading_ = 0;
};

// Set Zarnik Heading: clockwise and anticlockwise degrees that follow each
// other, the compass and Preview, which only turns the compass.
class HeadingDialog : public ToolDialog {
    Q_OBJECT
  public:
    HeadingDialog(QWidget* owner, int heading);
    int result() const { return result_; }
    CompassBox* compass() const { return compass_; }
    void accept() override;

  private:
    QLineEdit* clockwise_;
    QLineEdit* anticlockwise_;
    CompassBox* compass_;
    int result_ = -1;
};

// Set Size of Working Area, in whole steps.
class SizeDialog : public ToolDialog {
    Q_OBJECT
  public:
    SizeDialog(QWidget* owner, UserInterface& ui, const ZarnikState& state);
    FloorSteps result() const { return result_; }
    void accept() override;

  private:
    UserInterface& ui_;
    QLineEdit* width_;
    QLineEdit* height_;
    FloorSteps result_;
};

} // namespace zf::ui
