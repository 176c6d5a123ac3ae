#pragma once

#include <QObject>

#include <functional>

namespace zf::ui {

// Logging out of the desktop: the session manager's request to save is
// answered with the save questions of Exit, and a Cancel there cancels the
// logout. Once answered, the close that ends the session asks nothing again,
// unless the user has gone on working in the meantime (the logout was
// cancelled elsewhere).
class SessionEnd : public QObject {
    Q_OBJECT
  public:
    // `saveQuestions` asks them and answers false on Cancel.
    SessionEnd(QObject* parent, std::function<bool()> saveQuestions);

    // The save request; false when the logout is to be cancelled. Without
    // leave to interact nothing is asked.
    bool CommitData(bool mayInteract);
    bool answered() const { return answered_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    std::function<bool()> saveQuestions_;
    bool answered_ = false;
};

} // namespace zf::ui
