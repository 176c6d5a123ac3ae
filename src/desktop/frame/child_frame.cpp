#include "desktop/frame/child_frame.h"

#include <QLabel>

namespace zf::ui {

QLabel* MakeCaptionLabel(const QString& caption, QWidget* parent) {
    auto* label = new QLabel(caption, parent);
    label->setAutoFillBackground(true);
    QPalette pal = label->palette();
    pal.setColor(QPalette::Window, pal.color(QPalette::Highlight));
    pal.setColor(QPalette::WindowText, pal.color(QPalette::HighlightedText));
    label->setPalette(pal);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    label->setContentsMargins(4, 0, 0, 0);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    return label;
}

} // namespace zf::ui
