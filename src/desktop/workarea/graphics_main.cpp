#include "desktop/workarea/graphics_main.h"

#include "desktop/frame/document.h"
#include "desktop/frame/text_scale.h"
#include "desktop/frame/tool_strip.h"
#include "desktop/workarea/graphics_drawing.h"
#include "desktop/workarea/status_line.h"
#include "files/picture_library.h"
#include "render/artwork.h"
#include "render/rulers.h"

#include <QEvent>
#include <QFontMetrics>
#include <QPainter>

namespace zf::ui {

namespace {

using Slot = ToolStrip::Slot;

// The tool bar's buttons, by the number each slot carries.
enum Tool : int {
    EditText = 1285,
    SetFloorSize = 1286,
    ShowHideRulers = 1287,
    SetPosition = 1288,
    SetDirection = 1289,
    LibraryShapes = 1290,
    LibraryStamps = 1293,
    CreateText = 1294,
    LoadBackground = 1296,
    ClearWorkingArea = 1297,
    ClearAllObjects = 1298,
    ClearOneObject = 1299,
    Run = 1300,
    Continue = 1301,
    Stop = 1302,
    Step = 1303,
    FlipStamp = 1304,
    Reset = 1305,
    FlipZarnik = 1306,
    ToolPageStamps = 1307,
    ToolPageControl = 1308,
    ToolPageBackground = 1309,
    ToolPageZarnik = 1310,
    ToolPageMain = 1311,
};

// The gap between the drawing and its height label.
constexpr int kLabelGap = 4;

QFont SizeLabelFont() {
    return ScaledArial(15);
}

// The rulers and the status line are 24 pixels at the usual text size.
int BandHeight() {
    return ScaledPixels(24);
}

std::vector<Slot> GraphicsPage(ToolPage page) {
    std::vector<Slot> tools(8);
    const auto push = ToolStrip::Push;
    const auto drag = ToolStrip::Drag;
    auto at = [&](int slot, ToolStrip::Kind kind, int request, TextId tip) {
        tools[slot] = Slot::Make(kind, request, tip, static_cast<int>(page) + slot);
    };
    if (page != ToolPage::Main)
        at(0, push, ToolPageMain, TextId::BackTip);
    switch (page) {
    case ToolPage::Stamps:
        at(1, push, LibraryStamps, TextId::StampsTip);
        at(2, push, ClearAllObjects, TextId::ClearAllObjectsTip);
        at(3, drag, ClearOneObject, TextId::ClearOneObjectTip);
        at(4, drag, FlipStamp, TextId::FlipStampTip);
        at(5, push, CreateText, TextId::CreateTextTip);
        at(6, drag, EditText, TextId::EditTextTip);
        break;
    case ToolPage::Control:
        at(1, push, Run, TextId::RunTip);
        at(2, push, Stop, TextId::StopTip);
        at(3, push, Continue, TextId::ContinueTip);
        at(4, push, Reset, TextId::ResetTip);
        at(5, push, Step, TextId::StepTip);
        break;
    case ToolPage::Background:
        at(1, push, SetFloorSize, TextId::AreaSizeTip);
        at(2, push, ShowHideRulers, TextId::RulersTip);
        at(3, push, LoadBackground, TextId::LoadBackgroundTip);
        at(4, push, ClearWorkingArea, TextId::ClearWorkingAreaTip);
        break;
    case ToolPage::Zarnik:
        at(1, push, LibraryShapes, TextId::ZarnikShapeTip);
        at(2, push, SetPosition, TextId::ZarnikPositionTip);
        at(3, push, SetDirection, TextId::ZarnikDirectionTip);
        at(4, push, FlipZarnik, TextId::FlipZarnikTip);
        break;
    default:
        at(0, push, ToolPageStamps, TextId::StampsAndTextTip);
        at(1, push, ToolPageControl, TextId::ControlTip);
        at(2, push, ToolPageBackground, TextId::BackgroundToolsTip);
        at(3, push, ToolPageZarnik, TextId::ZarnikToolsTip);
        break;
    }
    return tools;
}

} // namespace

GraphicsMain::GraphicsMain(Document& document, QWidget* parent) : QWidget(parent), doc_(document) {
    setWindowTitle("Graphics Main");
    setObjectName("ZFGraphicsContainer");
    setAutoFillBackground(true);
    toolBar_ = new ToolStrip(8, this);
    toolBar_->setWindowTitle("Tool Bar");
    toolBar_->setObjectName("ZFGraphicsToolBar");
    toolBar_->SetStrip(ProgramBitmap(artwork::GraphicsTools));
    status_ = new StatusLine(doc_.tables, doc_.project, doc_.state, *doc_.editor, this);
    connect(&doc_.ui, &DesktopUi::programChanged, status_, [this] { status_->update(); });
    view_ = new QWidget(this);
    drawing_ = new GraphicsDrawing(doc_, view_);
    // The working area is a picture of the floor: it never mirrors.
    view_->setLayoutDirection(Qt::LeftToRight);
    connect(drawing_, &GraphicsDrawing::robotMoved, this, &GraphicsMain::FollowRobot);
    connect(drawing_, &GraphicsDrawing::instructionShown, status_, &StatusLine::ShowInstruction);
    ShowToolPage(ToolPage::Main);
    connect(toolBar_, &ToolStrip::pushed, this,
            [this](const Slot& slot) { ToolPushed(slot.request); });
    connect(toolBar_, &ToolStrip::dropped, this, [this](const Slot& slot, QPoint global) {
        const QPoint p = drawing_->mapFromGlobal(global);
        if (drawing_->rect().contains(p))
            ToolDropped(slot.request, p);
    });
    connect(toolBar_, &ToolStrip::taken, this,
            [this](const Slot& slot) { StartChoosing(slot.request); });
}

void GraphicsMain::StartChoosing(int tool) {
    delete chooser_;
    const bool stamps = tool == ClearOneObject || tool == FlipStamp;
    const bool texts = tool == ClearOneObject || tool == EditText;
    chooser_ = new ObjectChooser(DropTargets(doc_.state, doc_.objects, stamps, texts), drawing_);
    connect(chooser_, &ObjectChooser::applied, this, [this, tool](QPoint at) {
        if (drawing_->rect().contains(at))
            ToolDropped(tool, at);
    });
    connect(chooser_, &ObjectChooser::closed, toolBar_,
            [this] { toolBar_->setFocus(Qt::OtherFocusReason); });
}

void GraphicsMain::ToolPushed(int tool) {
    switch (tool) {
    case ToolPageStamps:
        return ShowToolPage(ToolPage::Stamps);
    case ToolPageControl:
        return ShowToolPage(ToolPage::Control);
    case ToolPageBackground:
        return ShowToolPage(ToolPage::Background);
    case ToolPageZarnik:
        return ShowToolPage(ToolPage::Zarnik);
    case ToolPageMain:
        return ShowToolPage(ToolPage::Main);
    case ShowHideRulers:
        return ToggleRulers();
    case Run:
        return emit runRequested();
    case Stop:
        return emit stopRequested();
    case Continue:
        return emit continueRequested();
    case Reset:
        return emit resetRequested();
    case Step:
        return emit stepRequested();
    case ClearAllObjects:
        return emit clearAllObjectsRequested();
    case ClearWorkingArea:
        return emit clearWorkingAreaRequested();
    case FlipZarnik:
        return emit flipZarnikRequested();
    case SetPosition:
        return emit positionRequested();
    case SetDirection:
        return emit directionRequested();
    case SetFloorSize:
        return emit floorSizeRequested();
    case CreateText:
        return emit textRequested();
    case LoadBackground:
        return emit backgroundRequested();
    case LibraryShapes:
        return emit libraryRequested(library::Shapes, true);
    case LibraryStamps:
        return emit libraryRequested(library::Stamps, true);
    default:
        return;
    }
}

void GraphicsMain::ToolDropped(int tool, QPoint at) {
    switch (tool) {
    case ClearOneObject:
        return emit clearObjectRequested(at);
    case FlipStamp:
        return emit flipStampRequested(at);
    case EditText:
        return emit editTextRequested(at);
    default:
        return;
    }
}

void GraphicsMain::ShowToolPage(ToolPage page) {
    toolBar_->SetSlots(GraphicsPage(page));
}

void GraphicsMain::ToggleRulers() {
    ruler_ = ruler_ ? 0 : BandHeight();
    LayOut();
    update();
}

void GraphicsMain::LayOut() {
    const int W = width(), H = height();
    const int band = BandHeight();
    toolBar_->setGeometry(0, H - 45, W, 45);
    status_->setGeometry(0, H - 45 - band, W, band);
    const QFontMetrics fm(font());
    const int h = fm.height();
    ZarnikState& state = doc_.state;
    // Room at the right for the height label, however wide its number.
    const int label =
        kLabelGap + QFontMetrics(SizeLabelFont())
                        .horizontalAdvance(QString::number(state.floorHeight / kStepMm));
    const double sx = double(W - label - ruler_) * 1000 / state.floorWidth;
    const double sy = double(H - band - 45 - h - ruler_) * 1000 / state.floorHeight;
    const double fit = std::max(1.0, std::min(sx, sy));
    state.zoom = float(fit * zoom_ / 100);
    auto pixels = [](int mm, double zoom) { return std::max(1, int(mm * zoom * 0.001)); };
    const int w = pixels(state.floorWidth, state.zoom);
    const int dh = pixels(state.floorHeight, state.zoom);
    view_->setGeometry(ruler_, h, std::min(w, pixels(state.floorWidth, fit)),
                       std::min(dh, pixels(state.floorHeight, fit)));
    drawing_->resize(w, dh);
    drawing_->Rebuild();
    // A project opened: its units are the robot's own again.
    status_->update();
    FollowRobot();
    update();
}

void GraphicsMain::SetZoomPercent(int percent) {
    zoom_ = percent;
    LayOut();
}

void GraphicsMain::FollowRobot() {
    const QPoint robot = drawing_->RobotPixel();
    const int margin = PixelsPerStep(doc_.state);
    auto follow = [margin](int at, int offset, int view, int full) {
        if (at - offset < margin)
            offset = at - margin;
        else if (at - offset > view - margin)
            offset = at - view + margin;
        return std::clamp(offset, 0, std::max(0, full - view));
    };
    const QPoint offset(follow(robot.x(), -drawing_->x(), view_->width(), drawing_->width()),
                        follow(robot.y(), -drawing_->y(), view_->height(), drawing_->height()));
    if (offset != -drawing_->pos()) {
        drawing_->move(-offset);
        update();
    }
}

void GraphicsMain::resizeEvent(QResizeEvent*) {
    LayOut();
}

void GraphicsMain::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() != QEvent::FontChange)
        return;
    // The desktop's text size changed: the bands and labels follow it.
    if (ruler_ > 0)
        ruler_ = BandHeight();
    LayOut();
}

void GraphicsMain::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setFont(SizeLabelFont());
    p.setPen(palette().color(QPalette::WindowText));
    const ZarnikState& state = doc_.state;
    const QRect d = view_->geometry();
    p.drawText(QRect(d.left(), 0, d.width(), d.top()), Qt::AlignCenter,
               QString::number(state.floorWidth / kStepMm));
    p.drawText(QRect(d.right() + kLabelGap, d.top(), width() - d.right() - kLabelGap, d.height()),
               Qt::AlignLeft | Qt::AlignVCenter, QString::number(state.floorHeight / kStepMm));
    if (ruler_ > 0) {
        // The rulers follow the view over a zoomed working area.
        const QPoint at = drawing_->pos();
        p.save();
        p.setClipRect(0, d.top(), ruler_, d.height());
        DrawVerticalRuler(p, 0, d.top() + at.y(), ruler_, drawing_->height(),
                          state.floorHeight / kStepMm, state);
        p.setClipRect(d.left(), d.bottom() + 1, d.width(), ruler_);
        DrawHorizontalRuler(p, d.left() + at.x(), d.bottom() + 1, drawing_->width(), ruler_,
                            state.floorWidth / kStepMm, state);
        p.restore();
    }
}

} // namespace zf::ui
