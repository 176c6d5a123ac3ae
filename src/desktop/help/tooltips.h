#pragma once

#include "desktop/help/tooltip_poller.h"

#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <vector>

namespace zf::ui {

class ToolStrip;

// The tooltip popup "ToolTip": the tip in 12-pixel Arial (larger with the
// desktop's text), word-wrapped, on the tooltip colours with a thin black
// outline. It never takes activation.
class ToolTipWindow : public QWidget {
    Q_OBJECT
  public:
    explicit ToolTipWindow(QWidget* owner);

    const QString& text() const { return text_; }
    void SetText(const QString& text) { text_ = text; }
    // The text's size word-wrapped and centred in the wrapping width.
    QSize MeasureText(const QString& text) const;
    static QFont TipFont();
    int paints() const { return paints_; }

  protected:
    void paintEvent(QPaintEvent*) override;

  private:
    QString text_;
    int paints_ = 0;
};

// What the tooltips' tick asks of the desktop; tests play the pointer, the
// activation and the desktop's edge.
class TooltipDesktop {
  public:
    virtual ~TooltipDesktop() = default;
    virtual QPoint Pointer() const;
    virtual QWidget* WindowAt(QPoint p) const;
    // The x just past the desktop.
    virtual int RightEdge(QPoint p) const;
    virtual bool Active(const QWidget* mainWindow) const;
};

// The tooltips of the two tool bars, driven by a timer of the main window.
// Off: no popup, no timer. On: the popup exists and the timer polls the
// pointer at the delay, and fast while it rests on a button.
class Tooltips : public QObject {
    Q_OBJECT
  public:
    Tooltips(QWidget* mainWindow, std::vector<ToolStrip*> toolBars);
    ~Tooltips() override;

    void SetDesktop(const TooltipDesktop& desktop) { desktop_ = &desktop; }
    // A widget a tip must not cover; none by default.
    void SetKeepClear(const QWidget* widget) { keepClear_ = widget; }

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
    TooltipDesktop ownDesktop_;
    const TooltipDesktop* desktop_ = &ownDesktop_;
    QPointer<const QWidget> keepClear_;
    std::vector<QPointer<ToolStrip>> toolBars_;
    QPointer<ToolTipWindow> popup_;
    QTimer timer_;
    TooltipPoller poller_;
    bool option_ = false;
    int delay_ = 0;
};

} // namespace zf::ui
