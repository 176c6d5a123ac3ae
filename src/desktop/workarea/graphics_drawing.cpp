#include "desktop/workarea/graphics_drawing.h"

#include "desktop/frame/document.h"
#include "files/picture_library.h"
#include "files/project_folder.h"
#include "program/string_table.h"
#include "render/contrast_look.h"
#include "render/working_area.h"
#include "simulation/object_tools.h"

#include <QElapsedTimer>
#include <QFocusEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace zf::ui {

namespace {

constexpr int kInstantSliceMs = 20;

} // namespace

GraphicsDrawing::GraphicsDrawing(Document& document, QWidget* parent)
    : QWidget(parent), doc_(document),
      drag_(document.ui, *this, document.state, document.trail, document.objects) {
    setWindowTitle("Graphics");
    setObjectName("ZFGraphicsDrawing");
    setAttribute(Qt::WA_OpaquePaintEvent);
    // First in the Tab order, so that a screen reader starts here; it takes
    // no keys, which go on to the window and key the program.
    setFocusPolicy(Qt::TabFocus);
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &GraphicsDrawing::Tick);
    SetClock(&steady_);
}

GraphicsDrawing::~GraphicsDrawing() = default;

void GraphicsDrawing::SetClock(Clock* clock) {
    clock_ = clock;
    run_ = std::make_unique<RunControl>(*doc_.editor, doc_.state, doc_.trail, doc_.objects, *this,
                                        *clock_);
    run_->interpreter().sound = sound_;
    run_->instant = instant_;
}

void GraphicsDrawing::SetInstant(bool on) {
    instant_ = on;
    run_->instant = on;
}

void GraphicsDrawing::SetSound(bool on) {
    sound_ = on;
    run_->interpreter().sound = on;
}

bool GraphicsDrawing::ProgramActive() const {
    return IsGoProgramActive(doc_.state);
}

std::string GraphicsDrawing::Folder() const {
    return doc_.project.folder;
}

void GraphicsDrawing::Schedule() {
    const std::int64_t due = run_->NextDue();
    if (due == RunControl::kNever) {
        timer_.stop();
        // A run that ended shows the sharp picture again.
        if (devicePixelRatioF() > 1)
            update();
        return;
    }
    const std::int64_t wait = std::max<std::int64_t>(0, due - clock_->NowMs());
    timer_.start(static_cast<int>(wait));
}

void GraphicsDrawing::Tick() {
    // Handles what is due now, then gives the event loop its turn, so that a
    // click on Stop or a key reaches the run between two draws.
    const std::int64_t due = run_->NextDue(), now = clock_->NowMs();
    if (due <= now) {
        emit stepTimed(due, now);
        run_->Pump();
    }
    // At the Instant speed everything is due at once: many draws go in one
    // turn, with the event loop still given its turn every few milliseconds.
    QElapsedTimer slice;
    slice.start();
    while (instant_ && slice.elapsed() < kInstantSliceMs && run_->NextDue() <= clock_->NowMs())
        run_->Pump();
    Schedule();
}

void GraphicsDrawing::Request(RunRequest request) {
    EditHistory::Change change(doc_.history);
    run_->Post(request);
    Schedule();
}

void GraphicsDrawing::changeEvent(QEvent* event) {
    // The look changes with the palette: the robot takes or drops its rings.
    if (event->type() == QEvent::PaletteChange && sprite_.SetOutline(CurrentLook()))
        Rebuild();
    QWidget::changeEvent(event);
}

void GraphicsDrawing::Rebuild() {
    sprite_.SetOutline(CurrentLook());
    // A flipped robot is mirrored top to bottom before it is turned to its
    // heading, so that it faces the same way with its sides swapped.
    sprite_.BuildZarnikSprite(doc_.state, doc_.tables, Folder(), false, doc_.state.flipped);
    builtShape_ = doc_.state.shapeId;
    builtFlipped_ = doc_.state.flipped;
    stale_ = true;
    update();
}

QPoint GraphicsDrawing::RobotPixel() const {
    return QPoint(MmToPixels(doc_.state, doc_.state.x), MmToPixels(doc_.state, doc_.state.y));
}

void GraphicsDrawing::RenderScreen() {
    screen_ = QImage(size().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    screen_.fill(Qt::white);
    {
        QPainter p(&screen_);
        WorkingAreaScene scene{doc_.state, doc_.trail, doc_.objects, Folder()};
        if (drag_.object() && dragMoved_)
            scene.hidden = drag_.object();
        RenderWorkingArea(p, QRect(QPoint(0, 0), screen_.size()), doc_.state.zoom, scene);
    }
    overlay_.Paint(screen_, doc_.state, sprite_, doc_.trail);
    stale_ = false;
    sharpStale_ = true;
}

void GraphicsDrawing::RenderSharp(qreal ratio) {
    sharp_ = QImage(size() * ratio, QImage::Format_RGB32);
    sharp_.setDevicePixelRatio(ratio);
    sharp_.fill(Qt::white);
    QPainter p(&sharp_);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    WorkingAreaScene scene{doc_.state, doc_.trail, doc_.objects, Folder()};
    RenderWorkingArea(p, rect(), doc_.state.zoom, scene);
    const QRect robot =
        ZarnikOverlay::SquareAt(doc_.state, sprite_.Side(), doc_.state.x, doc_.state.y);
    p.drawImage(robot, sprite_.Sprite());
    sharpStale_ = false;
}

void GraphicsDrawing::paintEvent(QPaintEvent* event) {
    if (stale_ || screen_.size() != size())
        RenderScreen();
    QPainter p(this);
    const qreal ratio = devicePixelRatioF();
    // While the robot moves the picture it moves over is the quick one.
    if (ratio > 1 && !doc_.state.running && drag_.kind() == FloorDrag::Kind::None) {
        if (sharpStale_ || sharp_.size() != size() * ratio)
            RenderSharp(ratio);
        p.drawImage(
            event->rect(), sharp_,
            QRectF(QPointF(event->rect().topLeft()) * ratio, QSizeF(event->rect().size()) * ratio));
    } else {
        p.drawImage(event->rect(), screen_, event->rect());
        if (drag_.object() && dragMoved_)
            p.drawImage(DragPictureRect().topLeft(), dragPicture_);
    }
    if (hasFocus() && tabbedIn_) {
        // A core over a halo, so that it shows on any background.
        const Look& look = CurrentLook();
        const int inset = 1 + int(look.focusWidening);
        DrawFocusRing(p, rect().adjusted(inset, inset, -1 - inset, -1 - inset), look, 1, 3, 0,
                      Qt::DashLine);
    }
}

void GraphicsDrawing::focusInEvent(QFocusEvent* event) {
    // The mark shows for a keyboard user, not at every start of the window.
    tabbedIn_ = event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason;
    update();
}

void GraphicsDrawing::focusOutEvent(QFocusEvent*) {
    update();
}

QRect GraphicsDrawing::DragPictureRect() const {
    return QRect(QPoint(drag_.ObjectPixelX(), drag_.ObjectPixelY()) - dragAnchor_,
                 dragPicture_.size());
}

void GraphicsDrawing::ShowDraggedObject(const QRect& old) {
    if (dragPicture_.isNull())
        return;
    if (!dragMoved_) {
        // The object leaves its place for the picture that follows the pointer.
        dragMoved_ = true;
        RepaintWorkingArea();
        return;
    }
    update(old.united(DragPictureRect()));
}

void GraphicsDrawing::resizeEvent(QResizeEvent*) {
    Rebuild();
}

void GraphicsDrawing::DrawZarnikAt(int x, int y) {
    if (stale_ || screen_.size() != size()) {
        doc_.state.x = x;
        doc_.state.y = y;
        RenderScreen();
        update();
    } else {
        update(overlay_.DrawZarnikAt(screen_, doc_.state, sprite_, doc_.trail, x, y));
    }
    sharpStale_ = true;
    emit robotMoved();
}

void GraphicsDrawing::SpriteChanged() {
    const ZarnikState& state = doc_.state;
    if (state.shapeId != builtShape_ || state.flipped != builtFlipped_ || stale_ ||
        screen_.size() != size()) {
        Rebuild();
        return;
    }
    // A turn only turns the picture already loaded.
    sprite_.RotateZarnikSprite(state);
    update(overlay_.DrawZarnikAt(screen_, doc_.state, sprite_, doc_.trail, state.x, state.y));
    sharpStale_ = true;
}

void GraphicsDrawing::ObjectPlaced(GraphicObject& object) {
    if (object.kind == objectkind::Text)
        MeasureTextObject(doc_.tables, object, doc_.state);
    stale_ = true;
    update();
}

void GraphicsDrawing::RepaintWorkingArea() {
    stale_ = true;
    update();
}

void GraphicsDrawing::ShowInstruction(const GoInstruction* instruction) {
    emit instructionShown(instruction);
}

void GraphicsDrawing::Run() {
    Request(RunRequest::Run);
}

void GraphicsDrawing::Continue() {
    Request(RunRequest::Continue);
}

void GraphicsDrawing::Stop() {
    Request(RunRequest::Stop);
}

void GraphicsDrawing::Step() {
    Request(RunRequest::Step);
}

void GraphicsDrawing::Reset() {
    Request(RunRequest::Reset);
}

void GraphicsDrawing::EndRun() {
    EditHistory::Change change(doc_.history);
    run_->Send(RunRequest::EndRun);
    Schedule();
}

void GraphicsDrawing::ClearAllObjects() {
    EditHistory::Change change(doc_.history);
    if (RefuseWhileRunning(doc_.ui, doc_.state))
        return;
    zf::ClearAllObjects(doc_.state, doc_.trail, doc_.objects);
    doc_.projectChanged = true;
    RepaintWorkingArea();
}

void GraphicsDrawing::ClearWorkingArea() {
    EditHistory::Change change(doc_.history);
    if (RefuseWhileRunning(doc_.ui, doc_.state))
        return;
    ClearWholeWorkingArea(doc_.state, doc_.trail, doc_.objects);
    doc_.projectChanged = true;
    Rebuild();
}

void GraphicsDrawing::ClearObjectAt(QPoint at) {
    ChangeObjectAt(at, true);
}

void GraphicsDrawing::FlipStampAt(QPoint at) {
    ChangeObjectAt(at, false);
}

void GraphicsDrawing::ChangeObjectAt(QPoint at, bool remove) {
    EditHistory::Change change(doc_.history);
    if (!ClearOrFlipObjectAt(doc_.ui, doc_.state, doc_.objects, at.x(), at.y(), remove))
        return;
    doc_.projectChanged = true;
    RepaintWorkingArea();
}

void GraphicsDrawing::FlipZarnik() {
    EditHistory::Change change(doc_.history);
    if (RefuseWhileRunning(doc_.ui, doc_.state))
        return;
    ZarnikState& state = doc_.state;
    state.flipped = !state.flipped;
    state.homeFlipped = state.flipped;
    doc_.projectChanged = true;
    Rebuild();
}

void GraphicsDrawing::Repaint() {
    EditHistory::Change change(doc_.history);
    Rebuild();
}

void GraphicsDrawing::PlaceDefaultRobot() {
    EditHistory::Change change(doc_.history);
    ZarnikState& state = doc_.state;
    state.homeShapeId = state.shapeId = doc_.tables.names.Add("zarndef.bmp");
    SetHome(state, state.floorWidth / 2, state.floorHeight / 2);
    SetHomeHeading(state, 0);
    // A first keyed program leaves a line without a pen being chosen.
    state.homePenStyle = PenStyleForName(kDefaultStartPen);
    Rebuild();
}

void GraphicsDrawing::DropPicture(int category, const QString& name, QPoint global) {
    EditHistory::Change change(doc_.history);
    const QPoint p = mapFromGlobal(global);
    // A pen on the robot is only recognised: what a run draws stays in the
    // Go Program, the same on the screen and on the floor.
    switch (DropLibraryPicture(doc_.ui, doc_.state, doc_.objects, category, name.toStdString(),
                               p.x(), p.y(), width(), height())) {
    case LibraryDrop::ShapeChanged:
        doc_.projectChanged = true;
        Rebuild();
        break;
    case LibraryDrop::StampPlaced:
        doc_.projectChanged = true;
        RepaintWorkingArea();
        break;
    default:
        break;
    }
}

void GraphicsDrawing::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint p = event->position().toPoint();
    // Begun before the press puts the pen aside, so that Undo finds it down.
    doc_.history.Begin();
    if (drag_.Press(p.x(), p.y(), width(), height()) == FloorDrag::Kind::None) {
        doc_.history.End();
        return;
    }
    if (GraphicObject* o = drag_.object()) {
        dragMoved_ = false;
        dragPicture_ = DraggedObjectPicture(doc_.tables, *o, doc_.state, Folder(), dragAnchor_);
    }
}

void GraphicsDrawing::mouseMoveEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    const QRect old = DragPictureRect();
    // The robot is drawn as it follows, through DrawZarnikAt.
    drag_.Move(p.x(), p.y());
    if (drag_.object())
        ShowDraggedObject(old);
}

void GraphicsDrawing::mouseReleaseEvent(QMouseEvent* event) {
    if (drag_.kind() == FloorDrag::Kind::None)
        return;
    const QPoint p = event->position().toPoint();
    const bool shownApart = dragMoved_;
    dragPicture_ = QImage();
    dragMoved_ = false;
    if (drag_.Release(p.x(), p.y())) {
        doc_.projectChanged = true;
        RepaintWorkingArea();
    } else if (shownApart) {
        RepaintWorkingArea();
    }
    doc_.history.End();
}

} // namespace zf::ui
