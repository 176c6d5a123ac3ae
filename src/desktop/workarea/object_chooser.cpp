#include "desktop/workarea/object_chooser.h"

#include "desktop/listing/spoken_lines.h"
#include "desktop/workarea/area_description.h"
#include "simulation/object_tools.h"

#include <QAccessible>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QPainter>

namespace zf::ui {

namespace {

QString Hint() {
    return Say(QT_TRANSLATE_NOOP("Speech", "Arrows choose, Return applies, Escape cancels."));
}

QString NothingHere() {
    return Say(QT_TRANSLATE_NOOP("Speech", "Nothing on the working area for this tool."));
}

} // namespace

ObjectChooser::ObjectChooser(std::vector<Target> targets, QWidget* drawing)
    : QWidget(drawing), targets_(std::move(targets)) {
    setObjectName("ZFObjectChooser");
    // The pointer still reaches the drawing below.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::StrongFocus);
    setGeometry(drawing->rect());
    setAccessibleDescription(Hint());
    show();
    raise();
    setFocus(Qt::OtherFocusReason);
    Announce();
}

void ObjectChooser::Announce() {
    setAccessibleName(targets_.empty() ? NothingHere() : targets_[current_].name);
    update();
    if (QAccessible::isActive()) {
        QAccessibleEvent named(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&named);
        QAccessibleEvent focused(this, QAccessible::Focus);
        QAccessible::updateAccessibility(&focused);
    }
}

void ObjectChooser::Step(int by) {
    if (targets_.empty())
        return;
    const int n = int(targets_.size());
    current_ = ((current_ + by) % n + n) % n;
    Announce();
}

void ObjectChooser::Close() {
    hide();
    emit closed();
    deleteLater();
}

void ObjectChooser::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Right:
    case Qt::Key_Down:
        return Step(1);
    case Qt::Key_Left:
    case Qt::Key_Up:
        return Step(-1);
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (!targets_.empty())
            emit applied(targets_[current_].at);
        return Close();
    case Qt::Key_Escape:
        return Close();
    default:
        // Nothing else keys the program while a tool is held.
        return;
    }
}

bool ObjectChooser::focusNextPrevChild(bool next) {
    Step(next ? 1 : -1);
    return true;
}

void ObjectChooser::focusOutEvent(QFocusEvent* event) {
    // A click elsewhere gives up; another window coming forward does not.
    if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason &&
        isVisible())
        Close();
}

void ObjectChooser::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (!targets_.empty()) {
        const QRect frame = targets_[current_].frame.adjusted(-4, -4, 4, 4);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(Qt::white, 6));
        p.drawRect(frame);
        p.setPen(QPen(Qt::black, 3));
        p.drawRect(frame);
        p.setPen(QPen(palette().color(QPalette::Highlight), 1));
        p.drawRect(frame);
    }
    // The hint where it is seen, on the part of a zoomed drawing in view.
    const QRect seen = visibleRegion().boundingRect();
    const QString text = targets_.empty() ? NothingHere() + ' ' + Hint() : Hint();
    QRect box = p.fontMetrics().boundingRect(seen.adjusted(6, 0, -6, 0), Qt::TextWordWrap, text);
    box.moveBottom(seen.bottom() - 6);
    p.fillRect(box.adjusted(-4, -3, 4, 3), palette().color(QPalette::ToolTipBase));
    p.setPen(palette().color(QPalette::ToolTipText));
    p.drawRect(box.adjusted(-4, -3, 4, 3));
    p.drawText(box, Qt::TextWordWrap, text);
}

std::vector<ObjectChooser::Target>
DropTargets(const ZarnikState& state, const GraphicObjectList& objects, bool stamps, bool texts) {
    std::vector<ObjectChooser::Target> targets;
    const int step = PixelsPerStep(state);
    for (const auto& object : objects.objects()) {
        const GraphicObject& o = *object;
        QRect frame;
        QPoint at;
        if (o.kind == objectkind::Stamp && stamps) {
            at = QPoint(MmToPixels(state, o.x), MmToPixels(state, o.y));
            frame = QRect(at - QPoint(step / 2, step / 2), QSize(step, step));
        } else if (o.kind == objectkind::Text && texts) {
            frame = QRect(MmToPixels(state, o.x), MmToPixels(state, o.y),
                          MmToPixels(state, o.width), MmToPixels(state, o.height));
            at = frame.center();
        } else {
            continue;
        }
        // One covered by another where it would be found is not offered.
        if (FindObjectAt(state, objects, at.x(), at.y()) == &o)
            targets.push_back({at, frame, ObjectDescription(objects.tables(), o)});
    }
    return targets;
}

} // namespace zf::ui
