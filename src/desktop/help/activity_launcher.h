#pragma once

#include <QAbstractButton>
#include <QImage>
#include <QWidget>

#include <string>
#include <vector>

namespace zf::ui {

class ExternalPrograms;

// One activity of the launcher: a picture of its working area, its title
// and its one-line description; a click chooses it.
class ActivityCard : public QAbstractButton {
    Q_OBJECT
  public:
    ActivityCard(const QImage& picture, const QString& title, const QString& description,
                 QWidget* parent = nullptr);
    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent*) override;
    // The frame lights up under the pointer.
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

  private:
    QImage picture_;
    QString description_;
};

// The picture of a project's working area fitted into a box, the robot at
// its start; a grey box when the project cannot be read.
QImage ActivityPicture(const std::string& project, QSize box);

// The project launcher: the bundled activities as cards; choosing one starts
// Zarnikfield on its project and closes the launcher.
class ActivityLauncher : public QWidget {
    Q_OBJECT
  public:
    ActivityLauncher(const std::string& activitiesFolder, const QString& zarnikfield,
                     ExternalPrograms& starter, QWidget* parent = nullptr);

    int count() const { return int(cards_.size()); }
    ActivityCard* card(int i) const { return cards_[std::size_t(i)]; }
    const std::string& project(int i) const { return projects_[std::size_t(i)]; }
    void Choose(int i);

  signals:
    // Zarnikfield could not be started; the text says so.
    void startFailed(const QString& text);

  private:
    ExternalPrograms& starter_;
    QString zarnikfield_;
    std::vector<ActivityCard*> cards_;
    std::vector<std::string> projects_;
};

} // namespace zf::ui
