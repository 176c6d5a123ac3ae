#pragma once

#include "program/keypad_rules.h"

#include <QImage>
#include <QPainterPath>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <vector>

class QLabel;

namespace zf {
class GoEditor;
struct Look;
struct ZarnikState;
} // namespace zf

namespace zf::ui {

// One key of the keypad drawing, in design-grid units (146 x 76).
struct KeypadKey {
    int code;
    QColor colour;
    QPointF centre;
    QSizeF size; // in units
    const char* label;
};

// The drawing of the robot's top with its keys, at a scale k.
class KeypadLayout {
  public:
    static const std::vector<KeypadKey>& Keys();
    // Every key in reading order: the four arrows, then the keys.
    static const std::vector<int>& AllCodes();
    // The four arrows (Forward, Back, Left, Right) in grid units.
    static QPainterPath Arrow(int code);

    void SetClientSize(QSize size);
    double k() const { return k_; }
    // The key under a point, or -1.
    int HitTest(QPointF point) const;
    QRectF KeyRect(int code) const;
    // The centre of a key or arrow in pixels, for tests and tooltips.
    QPointF KeyCentre(int code) const;
    // The nearest key from `code` in an arrow key's direction, or `code`
    // itself at the keypad's edge.
    int Neighbour(int code, Qt::Key direction) const;
    void Paint(QPainter& painter, const QImage& note, const Look& look) const;
    // The robot's grey top the keys sit on.
    static const QColor& BodyColour();

  private:
    double k_ = 1.0;
};

// The keypad window: clicks become keys through the click rules, which ask
// whether a run goes on and which procedure is being defined.
class KeypadWindow : public QWidget, private KeypadActions {
    Q_OBJECT
  public:
    KeypadWindow(const ZarnikState& robot, const GoEditor& editor, QWidget* parent = nullptr);

    const KeypadLayout& layout() const { return layout_; }
    // A key of the keypad pressed by other means (the computer keyboard):
    // the same rules as a click.
    void PressKey(int code);
    // The keyboard key that stands for a keypad key, or -1.
    static int KeyForKeyboard(int qtKey);
    bool PromptShown() const { return rules_.promptShown(); }
    QTimer& clearTimer() { return timer_; }
    // The key a keyboard user is on: arrows move it, Space and Return press it.
    int focusedKey() const { return focused_; }

  signals:
    void keyEntered(int code);
    // GO pressed; and any key pressed while a program runs.
    void runRequested();
    void stopRequested();
    // A key was taken: its click sounds.
    void keyClicked();
    void clearMemoryRefused();

  protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    void KeySound() override;
    void RefuseClearMemory() override;
    void ShowClearPrompt() override;
    void HideClearPrompt() override;
    void StartClearTimer() override;
    void StopClearTimer() override;
    void SendKey(int key) override;
    void RequestRun() override;
    void RequestStop() override;

    const ZarnikState& robot_;
    const GoEditor& editor_;
    KeypadLayout layout_;
    KeypadRules rules_{*this};
    QTimer timer_;
    QPointer<QLabel> prompt_;
    QImage note_;
    int focused_;
};

} // namespace zf::ui
