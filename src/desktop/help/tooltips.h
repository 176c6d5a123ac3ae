#pragma once

#include "desktop/help/tooltip_poller.h"

#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <vector>

namespace zf::ui {

class ToolStrip;

// The tooltip popup "ToolTip": the tip in 12-pixel Arial, word-wrapped, on
// the tooltip colours with a thin black outline. It never takes activation.
class ToolTipWindow : public QWidget {
    Q_OBJECT
  public:
    explicit ToolTipWindow(QWidget* owner);

    const QString& text() const { return text_; }
    void SetText(const QString& text) { text_ = text; }
    // The text's size word-wrapped and centred in a 100-pixel box.
    QSize MeasureText(const QString& text) const;
    int paints() const { return paints_; }

  protected:
    void paintEvent(QPaintEvent*) override;

  private:
    QString text_;
    int paints_ = 0;
};

// The tooltips of the two tool bars, driven by a timer of the main window.
// Off: no popup, no timer. On: the popup exists and the timer polls the
// pointer at the delay, and fast while it rests on a button.
class Tooltips : public QObject {
    Q_OBJECT
  public:
    // What the tick asks of the desktop; tests replace the pointer and the
    // activation.
    struct Desktop {
        std::function<QPoint()> pointer;
        std::function<QWidget*(QPoint)> windowAt;
        std::function<int(QPoint)> rightEdge; // x just past the desktop
        std::function<bool()> active;
        // What a tip must not cover, on the screen; empty for nothing.
        std::function<QRect()> keepClear;
    };

    Tooltips(QWidget* mainWindow, std::vector<ToolStrip*> toolBars);
    ~Tooltips() override;

    Desktop desktop;

    // The slow polling interval in ms, taken at the next start.
    void SetDelay(int delay) { delay_ = delay; }
    int delay() const { return delay_; }
    // The Tooltips option: on starts them, off stops them.
    void SetOption(bool on);
    bool option() const { return option_; }
    void Start();
    void Stop();
    // The application gained or lost activation: tooltips follow when the
    // option is on.
    void ApplicationActivated(bool active);
    void Tick();

    bool running() const { return !popup_.isNull(); }
    ToolTipWindow* popup() const { return popup_; }
    const QTimer& timer() const { return timer_; }

  private:
    ToolStrip* ToolBarOf(QWidget* window) const;

    QWidget* main_;
    std::vector<QPointer<ToolStrip>> toolBars_;
    QPointer<ToolTipWindow> popup_;
    QTimer timer_;
    TooltipPoller poller_;
    bool option_ = false;
    int delay_ = 0;
};

} // namespace zf::ui
