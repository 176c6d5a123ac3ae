#pragma once

#include <QWidget>

class QPushButton;

namespace zf::ui {

// The Graphics Library's bottom row: Create, Edit and Close, and the icon of
// the category shown.
class ProgCentreOptions : public QWidget {
    Q_OBJECT
  public:
    enum Button { Create = 1, Edit = 2, Close = 4 };

    explicit ProgCentreOptions(QWidget* parent = nullptr);

    // 52 pixels at the usual text size.
    static int Height();
    // The row's width for its words: wider than the usual when they are long.
    int WidthFor(int scrollBarWidth) const;
    // Sizes the buttons to their words, after a change of language.
    void FitTexts();

    QPushButton* button(int id) const;
    void SetCategory(int category);

  signals:
    // Create, Edit or Close was pressed.
    void pressed(int id);

  protected:
    void paintEvent(QPaintEvent*) override;

  private:
    QPushButton* create_;
    QPushButton* edit_;
    QPushButton* close_;
    int category_ = 0;
    int icon_ = 196; // where the category's picture starts
};

} // namespace zf::ui
