#include "desktop/listing/keypad_window.h"

#include "desktop/frame/translated_texts.h"
#include "program/editor.h"
#include "program/key_entry.h"
#include "program/texts.h"
#include "render/artwork.h"
#include "render/contrast_look.h"
#include "simulation/zarnik_state.h"

#include <QAccessible>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace zf::ui {

namespace {

constexpr double kGridW = 146.0;
constexpr double kGridH = 76.0;
constexpr double kBodyRadius = 10.666667;
const QColor kGrey(192, 192, 192);

KeypadKey Small(int code, QColor colour, double x, double y, const char* label) {
    return {code, colour, {x, y}, {32.0 / 3, 32.0 / 3}, label};
}

// The arrow outlines: an upward arrow 16.5 x 11 units and a rightward one
// 11 x 16.5, each placed from its reference point; Back and Left mirror them.
QPolygonF UpArrow() {
    return QPolygonF({{0, 4.5},
                      {8.25, 10.0},
                      {3.5, 10.0},
                      {3.5, 15.5},
                      {-3.5, 15.5},
                      {-3.5, 10.0},
                      {-8.25, 10.0}});
}

QPolygonF RightArrow() {
    return QPolygonF({{3.5, 14.0},
                      {-2.0, 22.25},
                      {-2.0, 17.75},
                      {-7.5, 17.75},
                      {-7.5, 10.25},
                      {-2.0, 10.25},
                      {-2.0, 5.75}});
}

// The part of a key a label or the note may cover: clear of the rounded
// ends, so that nothing reaches past the key's edge.
QRectF LabelRoom(const QRectF& key) {
    const double inset = key.width() / 8;
    return key.adjusted(inset, inset, -inset, -inset);
}

// The label's font, made smaller for a label too wide for its key.
QFont LabelFont(QFont font, const QString& label, double room) {
    const double wide = QFontMetricsF(font).horizontalAdvance(label);
    if (wide > room && font.pixelSize() > 1)
        font.setPixelSize(std::max(1, int(font.pixelSize() * room / wide)));
    return font;
}

// The line round a key: none in the usual look.
QPen KeyOutline(const Look& look) {
    if (look.keyOutlineWidth <= 0)
        return Qt::NoPen;
    QPen pen(look.keyOutline, look.keyOutlineWidth);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

} // namespace

const std::vector<KeypadKey>& KeypadLayout::Keys() {
    static const std::vector<KeypadKey> keys = [] {
        const QColor red(255, 0, 0), green(0, 255, 0), yellow(255, 255, 0), cyan(0, 255, 255),
            magenta(255, 0, 255);
        std::vector<KeypadKey> k;
        k.push_back({key::ClearMemory, red, {17, 36}, {64.0 / 3, 32.0 / 3}, "CM"});
        k.push_back({key::Go, green, {129, 36}, {64.0 / 3, 32.0 / 3}, "GO"});
        static const char* digits[] = {"1", "2", "3", "4", "5", "6", "7", "8", "9"};
        for (int i = 0; i < 9; ++i)
            k.push_back(Small(key::Digit0 + 1 + i, yellow, 10 + 14 * i, 52, digits[i]));
        k.push_back(Small(key::Digit0, yellow, 136, 52, "0"));
        k.push_back(Small(key::Procedure, cyan, 10, 66, "P"));
        k.push_back(Small(key::Repeat, cyan, 24, 66, "R"));
        k.push_back(Small(key::Bracket, cyan, 38, 66, "[ ]"));
        k.push_back(Small(key::Wait, cyan, 52, 66, "W"));
        k.push_back(Small(key::ClearEntry, red, 73, 66, "CE"));
        k.push_back(Small(key::Quaver, magenta, 94, 66, ""));
        k.push_back(Small(key::Sense, magenta, 108, 66, "S"));
        k.push_back(Small(key::Toggle, magenta, 122, 66, "T"));
        k.push_back(Small(key::Motor, magenta, 136, 66, "M"));
        return k;
    }();
    return keys;
}

const std::vector<int>& KeypadLayout::AllCodes() {
    static const std::vector<int> codes = [] {
        std::vector<int> all{key::Forward, key::Back, key::Left, key::Right};
        for (const KeypadKey& k : Keys())
            all.push_back(k.code);
        return all;
    }();
    return codes;
}

int KeypadLayout::Neighbour(int code, Qt::Key direction) const {
    const QPointF from = KeyCentre(code);
    int best = code;
    double bestCost = 0;
    for (int other : AllCodes()) {
        const QPointF d = KeyCentre(other) - from;
        // Along the arrow's way, and nearer its line than across it.
        const double along = direction == Qt::Key_Left    ? -d.x()
                             : direction == Qt::Key_Right ? d.x()
                             : direction == Qt::Key_Up    ? -d.y()
                                                          : d.y();
        const double across = direction == Qt::Key_Left || direction == Qt::Key_Right
                                  ? std::abs(d.y())
                                  : std::abs(d.x());
        if (along < 1)
            continue;
        const double cost = along + 2 * across;
        if (best == code || cost < bestCost) {
            best = other;
            bestCost = cost;
        }
    }
    return best;
}

QPainterPath KeypadLayout::Arrow(int code) {
    QTransform t;
    QPolygonF outline;
    switch (code) {
    case key::Forward:
        outline = QTransform::fromTranslate(72.9, -1.5).map(UpArrow());
        break;
    case key::Back:
        // Mirrored about the middle of its own box (4.5..15.5).
        t = QTransform(1, 0, 0, -1, 72.9, 50);
        outline = t.map(UpArrow());
        break;
    case key::Right:
        outline = QTransform::fromTranslate(91, 11).map(RightArrow());
        break;
    case key::Left:
        t = QTransform(-1, 0, 0, 1, 55, 11);
        outline = t.map(RightArrow());
        break;
    default:
        return {};
    }
    QPainterPath path;
    path.addPolygon(outline);
    path.closeSubpath();
    return path;
}

void KeypadLayout::SetClientSize(QSize size) {
    k_ = std::min(size.width() / kGridW, size.height() / kGridH);
    if (k_ <= 0)
        k_ = 0.01;
}

QRectF KeypadLayout::KeyRect(int code) const {
    for (const KeypadKey& key : Keys()) {
        if (key.code == code) {
            QRectF r(key.centre.x() - key.size.width() / 2, key.centre.y() - key.size.height() / 2,
                     key.size.width(), key.size.height());
            return QRectF(r.x() * k_, r.y() * k_, r.width() * k_, r.height() * k_);
        }
    }
    return QTransform::fromScale(k_, k_).mapRect(Arrow(code).boundingRect());
}

QPointF KeypadLayout::KeyCentre(int code) const {
    if (code >= key::Forward && code <= key::Right) {
        QPainterPath arrow = QTransform::fromScale(k_, k_).map(Arrow(code));
        return arrow.boundingRect().center();
    }
    return KeyRect(code).center();
}

int KeypadLayout::HitTest(QPointF p) const {
    const double radius = kBodyRadius * k_;
    for (const KeypadKey& key : Keys()) {
        QRectF r = KeyRect(key.code);
        if (!r.contains(p))
            continue;
        QPainterPath shape;
        shape.addRoundedRect(r, std::min(radius, r.width() / 2), std::min(radius, r.height() / 2));
        if (shape.contains(p))
            return key.code;
    }
    for (int code : {key::Forward, key::Back, key::Left, key::Right}) {
        QPainterPath arrow = QTransform::fromScale(k_, k_).map(Arrow(code));
        if (arrow.boundingRect().contains(p) && arrow.contains(p))
            return code;
    }
    return -1;
}

const QColor& KeypadLayout::BodyColour() {
    return kGrey;
}

void KeypadLayout::Paint(QPainter& painter, const QImage& note, const Look& look) const {
    const double k = k_;
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kGrey);
    painter.drawRoundedRect(QRectF(0, 25 * k, kGridW * k, 51 * k), kBodyRadius * k,
                            kBodyRadius * k);
    painter.drawPie(QRectF(48 * k, 0, 50 * k, 50 * k), 0, 180 * 16);
    painter.setPen(QPen(kGrey, 2));
    painter.drawLine(QPointF(48 * k, 25 * k), QPointF(98 * k, 25 * k));
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawEllipse(QPointF(73 * k, 25 * k), 9 * k, 9 * k);

    const double labelHeight = 0.75 * (32 * k / 3);
    QFont font("Arial");
    font.setPixelSize(std::max(1, int(labelHeight)));
    painter.setFont(font);
    for (const KeypadKey& key : Keys()) {
        QRectF r = KeyRect(key.code);
        QRectF body = r.adjusted(0, -1, 1, 0);
        painter.setPen(KeyOutline(look));
        painter.setBrush(key.colour);
        const double radius = kBodyRadius * k;
        painter.drawRoundedRect(body, std::min(radius, body.width() / 2),
                                std::min(radius, body.height() / 2));
        if (key.code == key::Quaver) {
            if (!note.isNull()) {
                painter.save();
                painter.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
                painter.drawImage(LabelRoom(r), note);
                painter.restore();
            }
            continue;
        }
        painter.setPen(Qt::black);
        QRectF text = r.adjusted(0, labelHeight / 8, 0, -labelHeight / 8);
        painter.setFont(LabelFont(font, key.label, LabelRoom(r).width()));
        painter.drawText(text, Qt::AlignCenter, key.label);
    }
    painter.setPen(KeyOutline(look));
    painter.setBrush(QColor(0, 255, 255));
    for (int code : {key::Forward, key::Back, key::Left, key::Right})
        painter.drawPath(QTransform::fromScale(k, k).map(Arrow(code)));
}

KeypadWindow::KeypadWindow(const ZarnikState& robot, const GoEditor& editor, QWidget* parent)
    : QWidget(parent), robot_(robot), editor_(editor), focused_(key::Forward) {
    setWindowTitle("Keypad");
    // Reached by Tab only: a click keys, and keys typed elsewhere still key.
    setFocusPolicy(Qt::TabFocus);
    setObjectName("ZFZarnikKeypad");
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
    timer_.setInterval(kClearPromptMs);
    connect(&timer_, &QTimer::timeout, this, [this] { rules_.TimerFired(); });
    note_ = ProgramBitmap(artwork::Note);
}

void KeypadWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const Look& look = CurrentLook();
    layout_.Paint(painter, note_, look);
    if (hasFocus()) {
        // A ring round the key, clear on every key colour.
        painter.setRenderHint(QPainter::Antialiasing);
        DrawFocusRing(painter, layout_.KeyRect(focused_).adjusted(-3, -3, 3, 3), look, 2.5, 5, 6);
    }
}

void KeypadWindow::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) {
        event->ignore();
    } else if (key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up ||
               key == Qt::Key_Down) {
        focused_ = layout_.Neighbour(focused_, Qt::Key(key));
        update();
        if (QAccessible::isActive()) {
            const auto& codes = KeypadLayout::AllCodes();
            QAccessibleEvent moved(this, QAccessible::Focus);
            moved.setChild(int(std::find(codes.begin(), codes.end(), focused_) - codes.begin()));
            QAccessible::updateAccessibility(&moved);
        }
    } else if (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) {
        PressKey(focused_);
    } else {
        // Letters and digits key the program as they do anywhere.
        event->ignore();
    }
}

void KeypadWindow::focusInEvent(QFocusEvent*) {
    update();
}

void KeypadWindow::focusOutEvent(QFocusEvent*) {
    update();
}

void KeypadWindow::resizeEvent(QResizeEvent*) {
    layout_.SetClientSize(size());
}

void KeypadWindow::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    const int code = layout_.HitTest(event->position());
    if (code >= 0)
        PressKey(code);
}

void KeypadWindow::PressKey(int code) {
    rules_.Click(code, IsGoProgramActive(robot_), int(editor_.procedureBeingDefined));
}

int KeypadWindow::KeyForKeyboard(int qtKey) {
    switch (qtKey) {
    case Qt::Key_Up:
        return zf::KeyForKeyboard("ArrowUp");
    case Qt::Key_Down:
        return zf::KeyForKeyboard("ArrowDown");
    case Qt::Key_Left:
        return zf::KeyForKeyboard("ArrowLeft");
    case Qt::Key_Right:
        return zf::KeyForKeyboard("ArrowRight");
    case Qt::Key_Backspace:
        return zf::KeyForKeyboard("Backspace");
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return zf::KeyForKeyboard("Enter");
    default:
        // Qt's codes of digits, letters and brackets are their characters.
        if (qtKey < 0x20 || qtKey > 0x7e)
            return -1;
        const char c = static_cast<char>(qtKey);
        return zf::KeyForKeyboard(std::string_view(&c, 1));
    }
}

void KeypadWindow::KeySound() {
    emit keyClicked();
}

void KeypadWindow::RefuseClearMemory() {
    emit clearMemoryRefused();
}

void KeypadWindow::ShowClearPrompt() {
    if (!prompt_) {
        prompt_ = new QLabel(this);
        SetTranslated(prompt_, "text", "Messages", TextOf(TextId::ClearMemoryPrompt).data());
        prompt_->setFrameStyle(QFrame::Box | QFrame::Plain);
        prompt_->setMargin(5);
        prompt_->setAutoFillBackground(true);
        // A tip's colours, which high contrast changes too.
        prompt_->setBackgroundRole(QPalette::ToolTipBase);
        prompt_->setForegroundRole(QPalette::ToolTipText);
    }
    prompt_->adjustSize();
    QRectF cm = layout_.KeyRect(key::ClearMemory);
    int x = int(cm.right()) + 4;
    int y = std::max(0, int(cm.top()) - prompt_->height());
    if (x + prompt_->width() > width())
        x = std::max(0, width() - prompt_->width());
    prompt_->move(x, y);
    prompt_->show();
    prompt_->raise();
}

void KeypadWindow::HideClearPrompt() {
    if (prompt_)
        prompt_->hide();
}

void KeypadWindow::StartClearTimer() {
    timer_.start();
}
void KeypadWindow::StopClearTimer() {
    timer_.stop();
}

void KeypadWindow::SendKey(int key) {
    emit keyEntered(key);
}

void KeypadWindow::RequestRun() {
    emit runRequested();
}

void KeypadWindow::RequestStop() {
    emit stopRequested();
}

} // namespace zf::ui
