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

    static constexpr int kHeight = 52;
    static int WidthFor(int scrollBarWidth) { return scrollBarWidth + 228; }

    QPushButton* button(int id) const;
    void SetCategory(int category);

  signals:
    // Create, Edit or Close was pressed.
    void pressed(int id);

  protected:
    void paintEvent(QPaintEvent*) override;
    void changeEvent(QEvent* event) override;

  private:
    // The row's width is fixed: a longer word gets a smaller type.
    void FitTexts();

    QPushButton* create_;
    QPushButton* edit_;
    QPushButton* close_;
    int category_ = 0;
};

} // namespace zf::ui
