#pragma once

#include <QDialog>

class QPushButton;

namespace zf::ui {

// "Zarnikfield - Printing": shown while pages go to the printer, its Cancel
// stopping the job before the next page. It stands alone, above a main
// window that is disabled meanwhile.
class AbortDialog : public QDialog {
    Q_OBJECT
  public:
    AbortDialog();

    bool aborted() const { return aborted_; }
    QPushButton* cancelButton() const { return cancel_; }

  protected:
    void showEvent(QShowEvent* event) override;
    // Cancel, Escape and closing the window all stop the job.
    void reject() override;

  private:
    QPushButton* cancel_;
    bool aborted_ = false;
};

} // namespace zf::ui
