#include "desktop/library/prog_centre_selector.h"

#include "desktop/frame/text_scale.h"

#include "render/bitmap_drawing.h"
#include "render/picture_cache.h"

#include <QAccessible>
#include <QApplication>
#include <QFontMetrics>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QToolTip>

#include <algorithm>
#include <filesystem>

namespace zf::ui {

namespace {

// A thumbnail's side: 52 pixels at the usual text size.
int Side() {
    return ScaledPixels(52);
}

// File names travel as the bytes the folder gave, read as UTF-8 as the Go
// Container reads them back.
QString FromName(const std::string& name) {
    return QString::fromStdString(name);
}

// The name under a thumbnail: lower case, without folder or extension.
QString LabelOf(const std::string& fileName) {
    QString name = FromName(fileName);
    const int dot = name.lastIndexOf('.');
    return (dot > 0 ? name.left(dot) : name).toLower();
}

QRect LabelBox(int cell) {
    const QRect box = ProgCentreSelector::CellBox(cell);
    return QRect(box.left(), box.top() + ScaledPixels(55), box.width(), ScaledPixels(16));
}

// Arial 15 pixels (at the usual text size), smaller for a name that would
// run into its neighbour's.
QFont LabelFont(const QString& label) {
    QFont font("Arial");
    const int smallest = ScaledPixels(9), room = Side() + 4;
    for (int size = ScaledPixels(15);; --size) {
        font.setPixelSize(size);
        if (size <= smallest || QFontMetrics(font).horizontalAdvance(label) <= room)
            return font;
    }
}

} // namespace

// The picture being dragged, drawn over the whole main window under the
// pointer; it never takes the mouse.
class DragImage : public QWidget {
  public:
    DragImage(const QImage& picture, QWidget* parent) : QWidget(parent) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        const qreal ratio = parent->devicePixelRatioF();
        const int side = Side();
        image_ = QImage(QSize(side, side) * ratio, QImage::Format_ARGB32_Premultiplied);
        image_.setDevicePixelRatio(ratio);
        image_.fill(Qt::transparent);
        QPainter p(&image_);
        DrawTransparentImage(p, picture, side / 2, side / 2, side, side);
        resize(side, side);
    }
    void MoveTo(QPoint global) {
        move(parentWidget()->mapFromGlobal(global) - QPoint(width() / 2, height() / 2));
        if (!isVisible()) {
            show();
            raise();
        }
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setOpacity(0.75);
        p.drawImage(0, 0, image_);
        p.setOpacity(1);
        p.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }

  private:
    QImage image_;
};

ProgCentreSelector::ProgCentreSelector(const Project& project, QWidget* parent)
    : QWidget(parent), project_(project), selector_(project) {
    setWindowTitle("Selector Buttons");
    setObjectName("ZFProgCentreSelector");
    setAutoFillBackground(true);
    bar_ = new QScrollBar(Qt::Vertical, this);
    bar_->setEnabled(false);
    bar_->setFocusPolicy(Qt::NoFocus);
    // Reached by Tab only: a press on a cell starts a drag, keys still key.
    setFocusPolicy(Qt::TabFocus);
    connect(bar_, &QScrollBar::actionTriggered, this, &ProgCentreSelector::ScrollAction);
    connect(bar_, &QScrollBar::sliderReleased, this, [this] { Scrolled(true); });
    // A paint program writes a picture in bursts: the folder is read again
    // once they have settled.
    rescanSoon_.setSingleShot(true);
    rescanSoon_.setInterval(300);
    connect(&rescanSoon_, &QTimer::timeout, this, &ProgCentreSelector::Rescan);
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, this,
            [this] { rescanSoon_.start(); });
    connect(&watcher_, &QFileSystemWatcher::fileChanged, this, [this] { rescanSoon_.start(); });
}

ProgCentreSelector::~ProgCentreSelector() {
    EndDrag();
}

int ProgCentreSelector::Height() {
    return ScaledPixels(164);
}

int ProgCentreSelector::WidthFor(int scrollBarWidth) {
    return 2 * 3 + scrollBarWidth + ScaledPixels(236);
}

QRect ProgCentreSelector::CellBox(int cell) {
    return QRect(ScaledPixels(4 + 58 * (cell % 4)), ScaledPixels(cell < 4 ? 4 : 84), Side(),
                 Side());
}

void ProgCentreSelector::resizeEvent(QResizeEvent*) {
    const int w = bar_->sizeHint().width();
    bar_->setGeometry(width() - w, 0, w, height() - 2);
}

void ProgCentreSelector::ShowCategory(int category, bool dragMode) {
    dragMode_ = dragMode;
    selector_.ShowCategory(category);
    WatchFolder();
    LoadPage();
}

void ProgCentreSelector::Rescan() {
    // A picture changed in the paint program is drawn anew.
    ForgetCachedPictures();
    selector_.Rescan();
    WatchFolder();
    LoadPage();
}

void ProgCentreSelector::Reset() {
    ForgetCachedPictures();
    selector_.Reset();
    WatchFolder();
    LoadPage();
}

void ProgCentreSelector::ClearSelection() {
    selector_.ClearSelection();
    update();
}

void ProgCentreSelector::WatchFolder() {
    const QStringList old = watcher_.directories();
    if (!old.isEmpty())
        watcher_.removePaths(old);
    const std::string folder = CategoryFolderPath(project_, selector_.category());
    if (!folder.empty() && std::filesystem::is_directory(folder))
        watcher_.addPath(QString::fromStdString(folder));
    // A picture replaced by its paint program is a new file: watched again.
    for (const QString& file : watcher_.files())
        if (!std::filesystem::exists(file.toStdString()))
            watcher_.removePath(file);
}

void ProgCentreSelector::WatchPicture(const std::string& path) {
    if (!path.empty() && std::filesystem::exists(path))
        watcher_.addPath(QString::fromStdString(path));
}

void ProgCentreSelector::LoadPage() {
    for (int k = 0; k < library::kCells; ++k) {
        const std::string path = selector_.CellPath(k);
        thumbnails_[k] = path.empty() ? QImage() : LoadBitmapImage(path);
    }
    KeepKeyedOnPicture();
    SyncScrollBar();
    update();
}

void ProgCentreSelector::SyncScrollBar() {
    const LibraryScrollRange range = selector_.ScrollRange();
    const QSignalBlocker quiet(bar_);
    if (range.page == 0) {
        bar_->setRange(0, 0);
        bar_->setEnabled(false);
        return;
    }
    // The bar's positions are those a page can start at.
    bar_->setEnabled(true);
    bar_->setRange(range.minimum, range.maximum - range.page + 1);
    bar_->setPageStep(range.page);
    bar_->setSingleStep(library::kRowCells);
    if (!bar_->isSliderDown())
        bar_->setValue(selector_.top());
}

void ProgCentreSelector::ScrollAction(int action) {
    bool changed = false;
    switch (action) {
    case QAbstractSlider::SliderSingleStepAdd:
        changed = selector_.LineDown();
        break;
    case QAbstractSlider::SliderSingleStepSub:
        changed = selector_.LineUp();
        break;
    case QAbstractSlider::SliderPageStepAdd:
        changed = selector_.PageDown();
        break;
    case QAbstractSlider::SliderPageStepSub:
        changed = selector_.PageUp();
        break;
    case QAbstractSlider::SliderToMinimum:
    case QAbstractSlider::SliderToMaximum:
    case QAbstractSlider::SliderMove:
        changed = selector_.TrackTo(bar_->sliderPosition());
        // While the thumb is held it stays under the pointer.
        if (bar_->isSliderDown()) {
            if (changed)
                LoadPage();
            return;
        }
        break;
    default:
        return;
    }
    bar_->setSliderPosition(selector_.top());
    Scrolled(changed);
}

void ProgCentreSelector::Scrolled(bool changed) {
    if (changed)
        LoadPage();
    else
        SyncScrollBar();
}

void ProgCentreSelector::wheelEvent(QWheelEvent* event) {
    const int steps = event->angleDelta().y() / 120;
    bool changed = false;
    for (int i = 0; i < std::abs(steps); ++i)
        changed = (steps > 0 ? selector_.LineUp() : selector_.LineDown()) || changed;
    Scrolled(changed);
}

int ProgCentreSelector::CellAt(QPoint p) const {
    for (int k = 0; k < library::kCells; ++k) {
        // The frame and the name count as the cell too.
        if (CellBox(k).adjusted(-2, -2, 2, ScaledPixels(19)).contains(p))
            return k;
    }
    return -1;
}

QString ProgCentreSelector::CellLabel(int cell) const {
    const std::string name = selector_.CellName(cell);
    return name.empty() ? QString() : LabelOf(name);
}

void ProgCentreSelector::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QPalette& pal = palette();
    const int selectedCell = selector_.selectedIndex() - selector_.top();
    for (int k = 0; k < library::kCells; ++k) {
        const QRect box = CellBox(k);
        const QRect frame = box.adjusted(-2, -2, 2, 2);
        const bool down = pressed_[k];
        // In drag mode the picture Edit would open stays marked.
        const bool lit = k == current_ || (dragMode_ && current_ < 0 && k == selectedCell);
        p.setPen(pal.color(QPalette::WindowText));
        p.setBrush(pal.color(QPalette::Button));
        p.drawRect(frame);
        if (lit) {
            QColor tint = pal.color(QPalette::Highlight);
            tint.setAlpha(60);
            p.fillRect(frame.adjusted(1, 1, 0, 0), tint);
        }
        // Pressed: sunk, with the picture a pixel down and right.
        p.setPen(down ? pal.color(QPalette::Dark) : pal.color(QPalette::Light));
        p.drawLine(frame.left() + 1, frame.top() + 1, frame.right() - 1, frame.top() + 1);
        p.drawLine(frame.left() + 1, frame.top() + 1, frame.left() + 1, frame.bottom() - 1);
        p.setPen(down ? pal.color(QPalette::Light) : pal.color(QPalette::Dark));
        p.drawLine(frame.left() + 1, frame.bottom() - 1, frame.right() - 1, frame.bottom() - 1);
        p.drawLine(frame.right() - 1, frame.top() + 1, frame.right() - 1, frame.bottom() - 1);
        if (lit) {
            p.setPen(pal.color(QPalette::Highlight));
            p.setBrush(Qt::NoBrush);
            p.drawRect(frame);
        }
        const int shift = down ? 1 : 0;
        if (!thumbnails_[k].isNull())
            DrawTransparentImage(p, thumbnails_[k], box.left() + box.width() / 2 + shift,
                                 box.top() + box.height() / 2 + shift, box.width(), box.height());
        const std::string name = selector_.CellName(k);
        if (!name.empty()) {
            const QString label = LabelOf(name);
            p.setFont(LabelFont(label));
            p.setPen(pal.color(QPalette::ButtonText));
            p.drawText(LabelBox(k).adjusted(-3, 0, 3, 4), Qt::AlignHCenter | Qt::AlignTop, label);
        }
    }
    if (hasFocus() && !selector_.CellName(keyed_).empty()) {
        // The same ring as the keypad's: clear on any picture.
        const QRect ring = CellBox(keyed_).adjusted(-5, -5, 5, 21);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(Qt::white, 4));
        p.drawRect(ring);
        p.setPen(QPen(Qt::black, 2));
        p.drawRect(ring);
    }
    // The etched line along the bottom.
    p.setPen(pal.color(QPalette::Dark));
    p.drawLine(0, height() - 2, width(), height() - 2);
    p.setPen(pal.color(QPalette::Light));
    p.drawLine(0, height() - 1, width(), height() - 1);
}

void ProgCentreSelector::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || current_ >= 0)
        return;
    const int cell = CellAt(event->position().toPoint());
    if (cell < 0 || selector_.CellName(cell).empty())
        return;
    current_ = cell;
    selector_.Select(cell);
    pressed_[cell] = true;
    if (dragMode_ && window()) {
        dragImage_ = new DragImage(thumbnails_[cell], window());
        dragImage_->MoveTo(event->globalPosition().toPoint());
        QApplication::setOverrideCursor(Qt::ArrowCursor);
        overrideCursor_ = true;
    }
    update();
}

void ProgCentreSelector::mouseMoveEvent(QMouseEvent* event) {
    if (current_ < 0)
        return;
    if (!dragMode_) {
        const bool over = CellAt(event->position().toPoint()) == current_;
        if (pressed_[current_] != over) {
            pressed_[current_] = over;
            update();
        }
        return;
    }
    const QPoint global = event->globalPosition().toPoint();
    if (dragImage_)
        dragImage_->MoveTo(global);
    const bool overDrawing =
        drawing && drawing->isVisible() && drawing->rect().contains(drawing->mapFromGlobal(global));
    QApplication::changeOverrideCursor(overDrawing ? Qt::DragCopyCursor : Qt::ArrowCursor);
}

void ProgCentreSelector::EndDrag() {
    delete dragImage_;
    if (overrideCursor_) {
        QApplication::restoreOverrideCursor();
        overrideCursor_ = false;
    }
}

void ProgCentreSelector::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || current_ < 0)
        return;
    const int cell = current_;
    current_ = -1;
    pressed_[cell] = false;
    EndDrag();
    update();
    const std::string name = selector_.CellName(cell);
    const bool over = CellAt(event->position().toPoint()) == cell;
    if (dragMode_ && !over) {
        const QPoint global = event->globalPosition().toPoint();
        emit pictureDropped(category(), FromName(name), global);
    } else if (!dragMode_ && over) {
        emit keyEntered(CategoryKey(category()), FromName(name));
    }
}

void ProgCentreSelector::KeepKeyedOnPicture() {
    keyed_ = std::clamp(keyed_, 0, library::kCells - 1);
    while (keyed_ > 0 && selector_.CellName(keyed_).empty())
        --keyed_;
}

void ProgCentreSelector::MoveKeyed(int step) {
    if (selector_.count() == 0)
        return;
    const int index = std::clamp(selector_.top() + keyed_ + step, 0, selector_.count() - 1);
    bool changed = false;
    while (index < selector_.top() && selector_.LineUp())
        changed = true;
    while (index >= selector_.top() + library::kCells && selector_.LineDown())
        changed = true;
    keyed_ = index - selector_.top();
    Scrolled(changed);
    update();
    if (QAccessible::isActive() && !selector_.CellName(keyed_).empty()) {
        // The reader's cells are the filled ones, which lead the page.
        QAccessibleEvent moved(this, QAccessible::Focus);
        moved.setChild(keyed_);
        QAccessible::updateAccessibility(&moved);
    }
}

void ProgCentreSelector::ChooseKeyed() {
    const std::string name = selector_.CellName(keyed_);
    if (name.empty() || current_ >= 0)
        return;
    // What a press and a release do: the picture chosen for Edit, then keyed,
    // or let go on the robot.
    selector_.Select(keyed_);
    update();
    if (!dragMode_)
        emit keyEntered(CategoryKey(category()), FromName(name));
    else if (keyboardDropPoint)
        emit pictureDropped(category(), FromName(name), keyboardDropPoint());
}

void ProgCentreSelector::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))
        event->ignore();
    else if (key == Qt::Key_Left || key == Qt::Key_Right)
        MoveKeyed((key == Qt::Key_Right) == (layoutDirection() == Qt::LeftToRight) ? 1 : -1);
    else if (key == Qt::Key_Up || key == Qt::Key_Down)
        MoveKeyed(key == Qt::Key_Down ? library::kRowCells : -library::kRowCells);
    else if (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter)
        ChooseKeyed();
    else
        event->ignore();
}

void ProgCentreSelector::focusInEvent(QFocusEvent*) {
    update();
}

void ProgCentreSelector::focusOutEvent(QFocusEvent*) {
    update();
}

bool ProgCentreSelector::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        for (int k = 0; k < library::kCells; ++k) {
            const std::string name = selector_.CellName(k);
            if (!name.empty() && LabelBox(k).contains(help->pos())) {
                QToolTip::showText(help->globalPos(), FromName(name), this, LabelBox(k), 10000);
                return true;
            }
        }
        QToolTip::hideText();
        return true;
    }
    return QWidget::event(event);
}

} // namespace zf::ui
