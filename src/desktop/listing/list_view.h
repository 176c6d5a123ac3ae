#pragma once

#include "files/project.h"
#include "program/editor.h"
#include "render/listing_lines.h"
#include "simulation/zarnik_state.h"

#include <QWidget>

class QPainter;
class QScrollBar;

namespace zf::ui {

// A listing window's client: rows of key pictures for one list, the list
// cursor around a line, and scrolling by lines, pages and the thumb; a
// horizontal bar appears while a line is wider than the window.
class ListView : public QWidget {
    Q_OBJECT
  public:
    // `robot`'s floor size scales the lines of graphic commands.
    ListView(const NameTables& tables, const Project& project, int list, const ZarnikState& robot,
             QWidget* parent = nullptr);

    void SetEditor(GoEditor* editor) { editor_ = editor; }
    // The listing size's picture side, and the zoom it is shown at.
    void SetIconSize(int size);
    void SetZoomPercent(int percent);
    int iconSize() const { return iconSize_; }
    int LineHeight() const { return iconSize_ + 5; }

    void ShowCursor(int line, int style);
    void HideCursor();
    int list() const { return list_; }
    int cursorLine() const { return cursorLine_; }
    int cursorStyle() const { return cursorStyle_; }
    bool cursorVisible() const { return cursorVisible_; }

    int firstLine() const { return firstLine_; }
    void ScrollTo(int firstLine);
    void ScrollLineIntoView(int line);
    // The list changed: the scroll range follows its line count; repaint.
    void ListChanged();
    int WholeLinesShown() const;
    QScrollBar* scrollBar() const { return bar_; }
    QScrollBar* horizontalBar() const { return hbar_; }
    // The client area the lines are drawn in, inside the scroll bars.
    QRect ListArea() const;

    // The instructions as a screen reader reads them, 0-based: the words of
    // each, where it is drawn (perhaps scrolled out of view), and whether the
    // list cursor is on it.
    int InstructionCount() const;
    QString SpokenLine(int index) const;
    QRect InstructionRect(int index) const;
    bool CursorOn(int index) const;
    // The instruction the keyboard is on: where the cursor last stood, or
    // where the arrows went when a click there was refused.
    int keyedInstruction() const { return keyed_; }

  signals:
    // A click on a 1-based line (past the end: the last line).
    void lineClicked(int line);

  protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;
    void mousePressEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent*) override;
    void focusOutEvent(QFocusEvent*) override;

  private:
    // The instruction at a 0-based index and the 0-based line it starts on.
    const GoInstruction* InstructionAt(int index, int* line = nullptr) const;
    void UpdateRange();
    void PlaceBars();
    ListingStyle Style() const;
    // The instruction a navigation key goes to (-1: none in an empty list),
    // or kNotNavigation for any other key.
    static constexpr int kNotNavigation = -2;
    int KeyedTarget(int key) const;
    void PaintFocusMark(QPainter& painter) const;

    const NameTables& tables_;
    const Project& project_;
    int list_;
    const ZarnikState& robot_;
    GoEditor* editor_ = nullptr;
    int iconSize_ = 30;
    int baseSize_ = 30;
    int zoom_ = 100;
    int firstLine_ = 0;
    int cursorLine_ = 0;
    int cursorStyle_ = 0;
    bool cursorVisible_ = false;
    int firstPixel_ = 0;
    int keyed_ = -1;
    QScrollBar* bar_;
    QScrollBar* hbar_;
};

} // namespace zf::ui
