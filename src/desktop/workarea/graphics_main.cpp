#include "desktop/workarea/graphics_main.h"

#include "desktop/frame/app_messages.h"
#include "desktop/frame/document.h"
#include "desktop/frame/tool_strip.h"
#include "desktop/workarea/graphics_drawing.h"
#include "desktop/workarea/status_line.h"
#include "files/project_folder.h"
#include "render/artwork.h"
#include "render/rulers.h"

#include <QFontMetrics>
#include <QPainter>

namespace zf::ui {

namespace {

using Slot = ToolStrip::Slot;

// The gap between the drawing and its height label.
constexpr int kLabelGap = 4;

QFont SizeLabelFont() {
    QFont font("Arial");
    font.setPixelSize(15);
    return font;
}

std::vector<Slot> GraphicsPage(ToolPage page) {
    std::vector<Slot> tools(8);
    const auto push = ToolStrip::Push;
    const auto drag = ToolStrip::Drag;
    auto at = [&](int slot, ToolStrip::Kind kind, int request, TextId tip) {
        tools[slot] = Slot::Make(kind, request, tip, static_cast<int>(page) + slot);
    };
    if (page != ToolPage::Main)
        at(0, push, msg::ToolPageMain, TextId::BackTip);
    switch (page) {
    case ToolPage::Stamps:
        at(1, push, msg::LibraryStamps, TextId::StampsTip);
        at(2, push, msg::ClearAllObjects, TextId::ClearAllObjectsTip);
        at(3, drag, msg::ClearOneObject, TextId::ClearOneObjectTip);
        at(4, drag, msg::FlipStamp, TextId::FlipStampTip);
        at(5, push, msg::CreateText, TextId::CreateTextTip);
        at(6, drag, msg::EditText, TextId::EditTextTip);
        break;
    case ToolPage::Control:
        at(1, push, msg::Run, TextId::RunTip);
        at(2, push, msg::Stop, TextId::StopTip);
        at(3, push, msg::Continue, TextId::ContinueTip);
        at(4, push, msg::Reset, TextId::ResetTip);
        at(5, push, msg::Step, TextId::StepTip);
        break;
    case ToolPage::Background:
        at(1, push, msg::SetFloorSize, TextId::AreaSizeTip);
        at(2, push, msg::ShowHideRulers, TextId::RulersTip);
        at(3, push, msg::LoadBackground, TextId::LoadBackgroundTip);
        at(4, push, msg::ClearWorkingArea, TextId::ClearWorkingAreaTip);
        break;
    case ToolPage::Zarnik:
        at(1, push, msg::LibraryShapes, TextId::ZarnikShapeTip);
        at(2, push, msg::SetPosition, TextId::ZarnikPositionTip);
        at(3, push, msg::SetDirection, TextId::ZarnikDirectionTip);
        at(4, push, msg::FlipZarnik, TextId::FlipZarnikTip);
        break;
    default:
        at(0, push, msg::ToolPageStamps, TextId::StampsAndTextTip);
        at(1, push, msg::ToolPageControl, TextId::ControlTip);
        at(2, push, msg::ToolPageBackground, TextId::BackgroundToolsTip);
        at(3, push, msg::ToolPageZarnik, TextId::ZarnikToolsTip);
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
    status_ = new StatusLine(this);
    status_->folder = [] { return GetProjectFolder(); };
    status_->robotText = [this](bool brief) {
        return RobotMemoryText(doc_.state.units, kMemoryUnits - doc_.editor->memoryUnitsLeft,
                               kMemoryUnits, brief);
    };
    doc_.ui.programChanged = [this] { status_->update(); };
    view_ = new QWidget(this);
    drawing_ = new GraphicsDrawing(doc_, view_);
    drawing_->robotMoved = [this] { FollowRobot(); };
    drawing_->showInstruction = [this](const GoInstruction* in) { status_->ShowInstruction(in); };
    drawing_->toggleRulers = [this] { ToggleRulers(); };
    ShowToolPage(ToolPage::Main);
    toolBar_->pushed = [this](const Slot& slot) {
        switch (slot.request) {
        case msg::ToolPageStamps:
            ShowToolPage(ToolPage::Stamps);
            return;
        case msg::ToolPageControl:
            ShowToolPage(ToolPage::Control);
            return;
        case msg::ToolPageBackground:
            ShowToolPage(ToolPage::Background);
            return;
        case msg::ToolPageZarnik:
            ShowToolPage(ToolPage::Zarnik);
            return;
        case msg::ToolPageMain:
            ShowToolPage(ToolPage::Main);
            return;
        default:
            SendAppMessage(mainWindow, slot.request, slot.latched ? 1 : 0);
        }
    };
    toolBar_->dropped = [this](const Slot& slot, QPoint global) {
        const QPoint p = drawing_->mapFromGlobal(global);
        if (drawing_->rect().contains(p))
            PostAppMessage(mainWindow, slot.request, p.x(), p.y());
    };
}

void GraphicsMain::ShowToolPage(ToolPage page) {
    toolBar_->SetSlots(GraphicsPage(page));
}

void GraphicsMain::ToggleRulers() {
    ruler_ = ruler_ ? 0 : 24;
    LayOut();
    update();
}

void GraphicsMain::LayOut() {
    const int W = width(), H = height();
    toolBar_->setGeometry(0, H - 45, W, 45);
    status_->setGeometry(0, H - 69, W, 24);
    const QFontMetrics fm(font());
    const int h = fm.height();
    ZarnikState& state = doc_.state;
    // Room at the right for the height label, however wide its number.
    const int label =
        kLabelGap + QFontMetrics(SizeLabelFont())
                        .horizontalAdvance(QString::number(state.floorHeight / kStepMm));
    const double sx = double(W - label - ruler_) * 1000 / state.floorWidth;
    const double sy = double(H - 24 - 45 - h - ruler_) * 1000 / state.floorHeight;
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
