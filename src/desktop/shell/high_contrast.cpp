#include "desktop/shell/high_contrast.h"

#include "render/contrast_look.h"

#include <QApplication>
#include <QToolTip>

#include <optional>

namespace zf::ui {

namespace {

struct UsualPalettes {
    QPalette application;
    QPalette toolTips;
};

std::optional<UsualPalettes>& Usual() {
    static std::optional<UsualPalettes> usual;
    return usual;
}

} // namespace

void SetHighContrast(bool on) {
    if (on == CurrentLook().highContrast)
        return;
    // The drawn panes read the look as they repaint for the new palette.
    UseHighContrastLook(on);
    if (on) {
        Usual() = UsualPalettes{QApplication::palette(), QToolTip::palette()};
        QApplication::setPalette(HighContrastPalette());
        QToolTip::setPalette(HighContrastPalette());
    } else if (Usual()) {
        QApplication::setPalette(Usual()->application);
        QToolTip::setPalette(Usual()->toolTips);
    }
}

} // namespace zf::ui
