#include "desktop/shell/projector_mode.h"

#include <QAction>
#include <QMainWindow>

#include <algorithm>
#include <array>
#include <cstdlib>

namespace zf::ui {

namespace {
constexpr std::array kZoomSteps = {50, 75, 100, 125, 150, 200, 250, 300};
} // namespace

ProjectorMode::ProjectorMode(QMainWindow* window) : QObject(window), window_(window) {
    auto make = [&](const QString& text, const QList<QKeySequence>& keys, auto slot) {
        auto* action = new QAction(text, window);
        action->setShortcuts(keys);
        action->setShortcutContext(Qt::WindowShortcut);
        window->addAction(action);
        connect(action, &QAction::triggered, this, slot);
        return action;
    };
    fullScreen_ = make(tr("F&ull Screen"), {Qt::Key_F11}, [this] { ToggleFullScreen(); });
    fullScreen_->setCheckable(true);
    // Ctrl+= is the same key as Ctrl++ on most keyboards, without Shift.
    zoomIn_ = make(tr("Zoom &In"), {QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal)},
                   [this] { ZoomIn(); });
    zoomOut_ = make(tr("Zoom &Out"), {QKeySequence::ZoomOut}, [this] { ZoomOut(); });
    zoomReset_ = make(tr("&Actual Size"), {QKeySequence(Qt::CTRL | Qt::Key_0)},
                      [this] { SetZoomPercent(100); });
}

void ProjectorMode::SetZoomPercent(int percent) {
    // The nearest step: a remembered value that is no step still lands on one.
    const int step = *std::min_element(kZoomSteps.begin(), kZoomSteps.end(), [&](int a, int b) {
        return std::abs(a - percent) < std::abs(b - percent);
    });
    zoomOut_->setEnabled(step > kZoomSteps.front());
    zoomIn_->setEnabled(step < kZoomSteps.back());
    if (step == zoom_)
        return;
    zoom_ = step;
    emit zoomChanged(zoom_);
}

void ProjectorMode::ZoomIn() {
    const auto next = std::upper_bound(kZoomSteps.begin(), kZoomSteps.end(), zoom_);
    if (next != kZoomSteps.end())
        SetZoomPercent(*next);
}

void ProjectorMode::ZoomOut() {
    const auto at = std::lower_bound(kZoomSteps.begin(), kZoomSteps.end(), zoom_);
    if (at != kZoomSteps.begin())
        SetZoomPercent(*(at - 1));
}

void ProjectorMode::ToggleFullScreen() {
    window_->setWindowState(window_->windowState() ^ Qt::WindowFullScreen);
    fullScreen_->setChecked(window_->isFullScreen());
}

} // namespace zf::ui
