#include "desktop/shell/raz_azi.h"

#include "desktop/listing/go_container.h"
#include "desktop/workarea/graphics_main.h"

#include <QGuiApplication>
#include <QScreen>

namespace zf::ui {

RazAzi::RazAzi(Document& document, QWidget* parent) : SplitPane(Qt::Horizontal, parent) {
    setWindowTitle("RazAzi");
    setObjectName("ZFTopDog");
    graphics_ = new GraphicsMain(document, this);
    go_ = new GoContainer(document, this);
    const QScreen* screen = QGuiApplication::primaryScreen();
    SetSplitPosition(int((screen ? screen->size().width() : 1024) * 0.6));
}

void RazAzi::DefaultSplit() {
    SetSplitPosition(int(width() * 0.6));
}

void RazAzi::Layout() {
    const int s = splitPosition();
    Put(graphics_, QRect(0, 0, std::max(0, s), height()));
    Put(go_, QRect(s + 9, 0, std::max(0, width() - s - 8), height()));
}

QRect RazAzi::BarRect() const {
    return QRect(splitPosition(), 0, 9, height());
}

} // namespace zf::ui
