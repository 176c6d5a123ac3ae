#pragma once

#include "program/text_ids.h"

#include <QImage>
#include <QWidget>

#include <vector>

namespace zf::ui {

// A tool bar of 32 x 32 buttons at x = 4 + 35 * slot from its leading edge
// (the right one in a right-to-left layout), y = 7, whose pictures
// are cells of the tool bar strip. Push buttons act when released over
// themselves; drag tools act where they are released outside the bar.
class ToolStrip : public QWidget {
    Q_OBJECT
  public:
    enum Kind { Push = 0, Toggle = 1, Drag = 2 };
    struct Slot {
        Kind kind = Push;
        int request = 0; // 0: an empty slot
        int tip = 0;     // string id of its tooltip
        int image = 0;   // cell of the strip
        bool latched = false;
        bool pressed = false;

        static Slot Make(Kind kind, int request, TextId tip, int image) {
            Slot s;
            s.kind = kind;
            s.request = request;
            s.tip = static_cast<int>(tip);
            s.image = image;
            return s;
        }
    };

    ToolStrip(int tools, QWidget* parent = nullptr);

    void SetSlots(std::vector<Slot> tools);
    const std::vector<Slot>& tools() const { return tools_; }
    static QRect SlotRect(int slot) { return QRect(4 + 35 * slot, 7, 32, 32); }
    // Where a slot lies on the bar, after any mirroring.
    QRect ButtonRect(int slot) const;
    void SetStrip(const QImage& strip) { strip_ = strip; }
    // The tooltip string id of the button under a point, or 0.
    int TipAt(QPoint p) const;
    // A tool pressed and released by other means than the mouse (the
    // keyboard, a screen reader): for a push button or toggle the same as a
    // click; a drag tool is taken up to be placed by keyboard.
    void Press(int slot);
    // The slot a keyboard user is on: arrows move it, Space and Return press it.
    int focusedSlot() const { return focused_; }

  signals:
    // A push button or toggle released over itself, with its latched mark.
    void pushed(const zf::ui::ToolStrip::Slot& slot);
    // A drag tool released at a point in global coordinates.
    void dropped(const zf::ui::ToolStrip::Slot& slot, QPoint global);
    // A drag tool pressed without the mouse.
    void taken(const zf::ui::ToolStrip::Slot& slot);

  protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent*) override;
    void focusOutEvent(QFocusEvent*) override;

  private:
    // The next slot holding a tool from `from` in a step of +1 or -1, or
    // `from` when there is none.
    int NextFilled(int from, int step) const;
    void Down(int slot);
    void Up(bool over, QPoint global);
    int SlotAt(QPoint p) const;
    QImage Cell(int index) const;

    std::vector<Slot> tools_;
    QImage strip_;
    int down_ = -1;
    int focused_ = 0;
};

} // namespace zf::ui
