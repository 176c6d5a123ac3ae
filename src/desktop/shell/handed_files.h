#pragma once

#include <QObject>
#include <QTimer>

#include <functional>
#include <optional>
#include <string>

namespace zf::ui {

// True while the window must not change its program under the user: a
// transfer with the robot waits, or a modal box (a message, a question, a
// file dialog) is up.
bool WindowBusy();

// Files handed over by later starts. One that arrives while the window is
// busy waits and is opened when it is free again; of several waiting only
// the last is opened, as each would replace the one before.
class HandedFiles : public QObject {
  public:
    using Open = std::function<void(const std::string&)>;
    HandedFiles(Open open, QObject* parent);

    void Hand(const std::string& file);
    bool waiting() const { return pending_.has_value(); }

  private:
    void TryOpen();

    Open open_;
    std::optional<std::string> pending_;
    QTimer retry_;
};

} // namespace zf::ui
