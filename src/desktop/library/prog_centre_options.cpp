#include "desktop/library/prog_centre_options.h"

#include "desktop/frame/text_scale.h"
#include "desktop/frame/translated_texts.h"
#include "render/artwork.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPushButton>

#include <algorithm>

namespace zf::ui {

ProgCentreOptions::ProgCentreOptions(QWidget* parent) : QWidget(parent) {
    setWindowTitle("Option Buttons");
    setObjectName("ZFProgCentreOptions");
    auto make = [this](const char* text, int id) {
        auto* b = new QPushButton(this);
        SetTranslated(b, "text", "Panes", text);
        // Tab reaches them; a click leaves the keys to the window.
        b->setFocusPolicy(Qt::TabFocus);
        connect(b, &QPushButton::clicked, this, [this, id] { emit pressed(id); });
        return b;
    };
    create_ = make(QT_TRANSLATE_NOOP("Panes", "Create"), Create);
    edit_ = make(QT_TRANSLATE_NOOP("Panes", "Edit"), Edit);
    close_ = make(QT_TRANSLATE_NOOP("Panes", "Close"), Close);
    FitTexts();
}

void ProgCentreOptions::FitTexts() {
    // Each button is as wide as its words, at least the usual 52 pixels; the
    // row grows with the desktop's text.
    const int gap = ScaledPixels(10);
    int x = gap;
    for (QPushButton* b : {create_, edit_, close_}) {
        const int w =
            std::max(ScaledPixels(52), b->fontMetrics().horizontalAdvance(b->text()) + 16);
        b->setGeometry(x, ScaledPixels(13), w, ScaledPixels(26));
        x += w + gap;
    }
    icon_ = x;
    update();
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
    p.drawImage(QRect(icon_, ScaledPixels(10), ScaledPixels(32), ScaledPixels(32)), icon);
}

int ProgCentreOptions::Height() {
    return ScaledPixels(52);
}

int ProgCentreOptions::WidthFor(int scrollBarWidth) const {
    return scrollBarWidth + icon_ + ScaledPixels(32);
}

} // namespace zf::ui
