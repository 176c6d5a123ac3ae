#pragma once

#include <QObject>

namespace zf::ui {

// The save questions of Exit, asked when the session ends; false on Cancel.
class SaveQuestions {
  public:
    virtual ~SaveQuestions() = default;
    virtual bool AskSaveQuestions() = 0;
};

// Logging out of the desktop: the session manager's request to save is
// answered with the save questions of Exit, and a Cancel there cancels the
// logout. Once answered, the close that ends the session asks nothing again,
// unless the user has gone on working in the meantime (the logout was
// cancelled elsewhere).
class SessionEnd : public QObject {
    Q_OBJECT
  public:
    SessionEnd(QObject* parent, SaveQuestions& questions);

    // The save request; false when the logout is to be cancelled. Without
    // leave to interact nothing is asked.
    bool CommitData(bool mayInteract);
    bool answered() const { return answered_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    SaveQuestions& questions_;
    bool answered_ = false;
};

} // namespace zf::ui
