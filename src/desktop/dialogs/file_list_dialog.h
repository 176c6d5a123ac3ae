#pragma once

#include <QDialog>

#include <string>

class QLabel;
class QListWidget;
class QPushButton;

namespace zf::ui {

// The program's own file list: the sorted names of one kind of file in a
// folder, OK or a double click to take one, Cancel, and Browse (when
// offered) for the system's open-file dialog.
class FileListDialog : public QDialog {
    Q_OBJECT
  public:
    enum class Kind { GoPrograms, Backgrounds };
    FileListDialog(QWidget* owner, const std::string& folder, Kind kind, bool browse);

    // The chosen file's path, "" when nothing was chosen.
    const std::string& chosen() const { return chosen_; }
    QListWidget* list() const { return list_; }
    QPushButton* browseButton() const { return browse_; }

  private:
    void Take();
    void Browse();
    void ShowPicture();

    std::string folder_;
    Kind kind_;
    QListWidget* list_;
    QPushButton* browse_;
    QLabel* picture_;
    std::string chosen_;
};

} // namespace zf::ui
