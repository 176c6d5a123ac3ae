#include "desktop/library/prog_centre_options.h"

#include "desktop/frame/translated_texts.h"
#include "render/artwork.h"

#include <QEvent>
#include <QFontMetrics>
#include <QPainter>
#include <QPushButton>

namespace zf::ui {

ProgCentreOptions::ProgCentreOptions(QWidget* parent) : QWidget(parent) {
    setWindowTitle("Option Buttons");
    setObjectName("ZFProgCentreOptions");
    auto make = [this](const char* text, int id, int x) {
        auto* b = new QPushButton(this);
        SetTranslated(b, "text", "Panes", text);
        b->setGeometry(x, 13, 52, 26);
        b->setFocusPolicy(Qt::NoFocus);
        connect(b, &QPushButton::clicked, this, [this, id] { emit pressed(id); });
        return b;
    };
    create_ = make(QT_TRANSLATE_NOOP("Panes", "Create"), Create, 10);
    edit_ = make(QT_TRANSLATE_NOOP("Panes", "Edit"), Edit, 72);
    close_ = make(QT_TRANSLATE_NOOP("Panes", "Close"), Close, 134);
    FitTexts();
}

void ProgCentreOptions::FitTexts() {
    constexpr int kSmallestPoint = 6;
    for (QPushButton* b : {create_, edit_, close_}) {
        QFont font = this->font();
        const int room = b->width() - 6;
        while (QFontMetrics(font).horizontalAdvance(b->text()) > room &&
               font.pointSizeF() > kSmallestPoint)
            font.setPointSizeF(font.pointSizeF() - 0.5);
        b->setFont(font);
    }
}

void ProgCentreOptions::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    // The main window has set the new words before its panes hear of them.
    if (event->type() == QEvent::LanguageChange)
        FitTexts();
}

QPushButton* ProgCentreOptions::button(int id) const {
    switch (id) {
    case Create:
        return create_;
    case Edit:
        return edit_;
    case Close:
        return close_;
    default:
        return nullptr;
    }
}

void ProgCentreOptions::SetCategory(int category) {
    category_ = category;
    update();
}

void ProgCentreOptions::paintEvent(QPaintEvent*) {
    const QImage icon = StripCell(ProgramBitmap(artwork::LibraryIcons), category_);
    if (icon.isNull())
        return;
    QPainter p(this);
    p.drawImage(QRect(196, 10, 32, 32), icon);
}

} // namespace zf::ui
