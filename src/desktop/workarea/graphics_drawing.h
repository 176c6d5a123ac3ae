#pragma once

#include "render/zarnik_sprite.h"
#include "simulation/clock.h"
#include "simulation/floor_drag.h"
#include "simulation/robot_view.h"
#include "simulation/run_control.h"

#include <QImage>
#include <QTimer>
#include <QWidget>

#include <memory>

namespace zf::ui {

class Document;

// The working area: the picture of the floor with the robot over it. It owns
// the run control; moves, turns and waits advance from a timer so that the
// rest of the program stays usable during a run.
class GraphicsDrawing : public QWidget, public RobotView {
    Q_OBJECT
  public:
    GraphicsDrawing(Document& document, QWidget* parent = nullptr);
    ~GraphicsDrawing() override;

    RunControl& run() { return *run_; }
    const Document& document() const { return doc_; }
    bool ProgramActive() const;
    // Rebuilds the sprite and the picture (after a load, a size change).
    void Rebuild();
    const QImage& screen() const { return screen_; }
    QPoint RobotPixel() const;

    // The clock the run takes its time from; tests put a clock of their own.
    void SetClock(Clock* clock);
    // Quaver notes sound only with the Sound option on; otherwise they rest.
    void SetSound(bool on);
    // The Instant speed: a run goes to its end without waiting.
    void SetInstant(bool on);

    // RobotView
    void DrawZarnikAt(int x, int y) override;
    void SpriteChanged() override;
    void ObjectPlaced(GraphicObject& object) override;
    void RepaintWorkingArea() override;
    void ShowInstruction(const GoInstruction* instruction) override;

  public slots:
    // The run's buttons and keys, queued as any run request is.
    void Run();
    void Continue();
    void Stop();
    void Step();
    void Reset();
    // Handled at once: the run ends where it is.
    void EndRun();
    // The working area's tool bar; each is refused while a program runs.
    void ClearAllObjects();
    void ClearWorkingArea();
    void ClearObjectAt(QPoint at);
    void FlipStampAt(QPoint at);
    void FlipZarnik();
    // A library picture let go at a point of the screen.
    void DropPicture(int category, const QString& name, QPoint global);
    // A new program's robot: the default shape at the centre, facing up.
    void PlaceDefaultRobot();
    // F5: the picture drawn anew.
    void Repaint();

  signals:
    // The instruction the run is at, for the status line; null for none.
    void instructionShown(const GoInstruction* instruction);
    // The robot was drawn at a new place.
    void robotMoved();
    // For each timed step of a run: when it was due and when it came.
    void stepTimed(std::int64_t due, std::int64_t now);

  protected:
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent*) override;

  private:
    void Schedule();
    void Tick();
    void RenderScreen();
    // On a high-density screen, the same picture at the screen's own
    // pixels, for as long as the robot stands still.
    void RenderSharp(qreal ratio);
    void Request(RunRequest request);
    // Stamps to flip or remove are found under a point of the window.
    void ChangeObjectAt(QPoint at, bool remove);
    std::string Folder() const;
    // The dragged object's picture shown where it now stands; `old` is
    // where it stood.
    void ShowDraggedObject(const QRect& old);
    // Where the dragged object's picture stands on the window.
    QRect DragPictureRect() const;

    Document& doc_;
    bool tabbedIn_ = false;
    SteadyClock steady_;
    Clock* clock_ = &steady_;
    std::unique_ptr<RunControl> run_;
    QTimer timer_;
    ZarnikSprite sprite_;
    ZarnikOverlay overlay_;
    QImage screen_;
    QImage sharp_;
    bool stale_ = true;
    bool sharpStale_ = true;
    bool sound_ = false;
    bool instant_ = false;
    std::uint32_t builtShape_ = 0;
    bool builtFlipped_ = false;

    FloorDrag drag_;
    // A dragged stamp or text follows the pointer as a picture of its own
    // once it has moved; meanwhile the working area is drawn without it.
    QImage dragPicture_;
    QPoint dragAnchor_;
    bool dragMoved_ = false;
};

} // namespace zf::ui
