#include "desktop/help/tooltips.h"

#include "desktop/frame/text_scale.h"
#include "desktop/frame/tool_strip.h"
#include "desktop/frame/translated_texts.h"

#include <QApplication>
#include <QCursor>
#include <QPainter>
#include <QScreen>

namespace zf::ui {

namespace {

constexpr int kTextFlags = Qt::AlignHCenter | Qt::TextWordWrap;

} // namespace

ToolTipWindow::ToolTipWindow(QWidget* owner) : QWidget(owner, Qt::ToolTip) {
    setObjectName("ZFToolTip");
    setWindowTitle("ToolTip");
    setAttribute(Qt::WA_ShowWithoutActivating);
    setGeometry(20, 20, 100, 50);
}

QFont ToolTipWindow::TipFont() {
    return ScaledArial(12);
}

QSize ToolTipWindow::MeasureText(const QString& text) const {
    // Measured and drawn in the font of the moment: the desktop's text size
    // may have changed since the popup was made.
    return QFontMetrics(TipFont())
        .boundingRect(QRect(0, 0, ScaledPixels(kTooltipWrapWidth), 1 << 16), kTextFlags, text)
        .size();
}

void ToolTipWindow::paintEvent(QPaintEvent*) {
    ++paints_;
    QPainter p(this);
    p.setPen(Qt::black);
    p.setBrush(palette().color(QPalette::ToolTipBase));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    p.setPen(palette().color(QPalette::ToolTipText));
    // The popup is the measured size plus 5, so the text keeps the width it
    // was measured in: it wraps as measured and nothing is cut off.
    const QSize text = MeasureText(text_);
    p.setFont(TipFont());
    p.drawText(QRect(QPoint(3, 2), text), kTextFlags, text_);
}

QPoint TooltipDesktop::Pointer() const {
    return QCursor::pos();
}

QWidget* TooltipDesktop::WindowAt(QPoint p) const {
    return QApplication::widgetAt(p);
}

int TooltipDesktop::RightEdge(QPoint p) const {
    const QScreen* screen = QGuiApplication::screenAt(p);
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().x() + screen->geometry().width() : 1 << 20;
}

bool TooltipDesktop::Active(const QWidget* mainWindow) const {
    return mainWindow->isActiveWindow();
}

Tooltips::Tooltips(QWidget* mainWindow, std::vector<ToolStrip*> toolBars)
    : QObject(mainWindow), main_(mainWindow) {
    for (ToolStrip* bar : toolBars)
        toolBars_.emplace_back(bar);
    connect(&timer_, &QTimer::timeout, this, &Tooltips::Tick);
    connect(qApp, &QGuiApplication::applicationStateChanged, this,
            [this](Qt::ApplicationState state) {
                ApplicationActivated(state == Qt::ApplicationActive);
            });
}

Tooltips::~Tooltips() {
    Stop();
}

void Tooltips::SetOption(bool on) {
    option_ = on;
    if (on)
        Start();
    else
        Stop();
}

void Tooltips::Start() {
    Stop();
    popup_ = new ToolTipWindow(main_);
    poller_.Start(delay_);
    timer_.start(poller_.SlowInterval());
}

void Tooltips::Stop() {
    if (popup_.isNull())
        return;
    timer_.stop();
    delete popup_.data();
}

void Tooltips::ApplicationActivated(bool active) {
    if (!option_)
        return;
    if (active)
        Start();
    else
        Stop();
}

ToolStrip* Tooltips::ToolBarOf(QWidget* window) const {
    for (const QPointer<ToolStrip>& bar : toolBars_)
        if (bar && bar == window)
            return bar;
    return nullptr;
}

void Tooltips::Tick() {
    if (popup_.isNull())
        return;
    if (!desktop_->Active(main_)) {
        // Another window of the program came to the front: the tip must
        // not stay over it. It shows again once the pointer is back.
        if (popup_->isVisible()) {
            popup_->hide();
            poller_.Start(delay_);
        }
        return;
    }
    const QPoint pointer = desktop_->Pointer();
    QWidget* window = desktop_->WindowAt(pointer);
    ToolStrip* bar = ToolBarOf(window);
    const int tip = bar ? bar->TipAt(bar->mapFromGlobal(pointer)) : 0;
    const TooltipTick tick = poller_.Tick(window, bar != nullptr, tip);
    if (tick.interval >= 0)
        timer_.start(tick.interval);
    if (tick.change == TooltipTick::Hide) {
        popup_->SetText({});
        popup_->hide();
    } else if (tick.change == TooltipTick::Show) {
        // "&&" in a tip's text shows as one "&".
        const QString text = TranslatedText(TextId{tick.tip}).replace(QLatin1String("&&"), "&");
        const QSize size = popup_->MeasureText(text);
        popup_->SetText(text);
        const QRect clear =
            keepClear_ ? QRect(keepClear_->mapToGlobal(QPoint(0, 0)), keepClear_->size()) : QRect();
        const TooltipBox box = PlaceTooltip(pointer.x(), pointer.y(), size.width(), size.height(),
                                            desktop_->RightEdge(pointer),
                                            {clear.x(), clear.y(), clear.width(), clear.height()});
        popup_->setGeometry(box.x, box.y, box.width, box.height);
        popup_->update();
        popup_->show();
    }
}

} // namespace zf::ui
