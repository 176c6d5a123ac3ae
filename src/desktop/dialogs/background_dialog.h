#pragma once

#include "desktop/dialogs/dialog_parts.h"

class QRadioButton;

namespace zf::ui {

// Load or Create Background: load one from the project's backgrounds,
// create a blank one for the paint package, or edit the current one.
class BackgroundDialog : public ToolDialog {
    Q_OBJECT
  public:
    enum class Choice { Load, Create, Edit };
    BackgroundDialog(QWidget* owner, bool hasBackground);
    Choice choice() const;
    QRadioButton* button(Choice choice) const;

  private:
    QRadioButton* load_;
    QRadioButton* create_;
    QRadioButton* edit_;
};

} // namespace zf::ui
