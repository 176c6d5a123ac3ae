#pragma once

#include <QObject>
#include <QTimer>

#include <optional>
#include <string>

namespace zf::ui {

class LinkTransfers;

// True while the window must not change its program under the user: one of
// its transfers with the robot waits, or a modal box (a message, a question,
// a file dialog) is up.
bool WindowBusy(const LinkTransfers& transfers);

// Files handed over by later starts. One that arrives while the window is
// busy waits and is opened when it is free again; of several waiting only
// the last is opened, as each would replace the one before.
class HandedFiles : public QObject {
    Q_OBJECT
  public:
    HandedFiles(QObject* parent, const LinkTransfers& transfers);

    void Hand(const std::string& file);
    bool waiting() const { return pending_.has_value(); }

  signals:
    // The window is free: the file is to be opened now.
    void openRequested(const std::string& file);

  private:
    void TryOpen();

    const LinkTransfers& transfers_;
    std::optional<std::string> pending_;
    QTimer retry_;
};

} // namespace zf::ui
