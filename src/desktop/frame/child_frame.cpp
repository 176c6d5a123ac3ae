#include "desktop/frame/child_frame.h"

#include <QLabel>

namespace zf::ui {

QLabel* MakeCaptionLabel(const QString& caption, QWidget* parent) {
    auto* label = new QLabel(caption, parent);
    label->setAutoFillBackground(true);
    // The selection's colours by role, so that they follow a new palette.
    label->setBackgroundRole(QPalette::Highlight);
    label->setForegroundRole(QPalette::HighlightedText);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    label->setContentsMargins(4, 0, 0, 0);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    return label;
}

} // namespace zf::ui
