#include "desktop/library/graphics_library.h"

#include "desktop/frame/child_frame.h"
#include "desktop/frame/document.h"
#include "desktop/frame/text_scale.h"
#include "desktop/frame/tool_strip.h"
#include "desktop/frame/translated_texts.h"
#include "desktop/library/prog_centre_options.h"
#include "desktop/library/prog_centre_selector.h"
#include "files/picture_library.h"

#include <QApplication>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>

#include <algorithm>
#include <filesystem>

namespace zf::ui {

namespace {
constexpr int kFrame = 3;

// The title bar's height: 20 pixels, taller with larger desktop text.
int CaptionHeight() {
    return ScaledPixels(20);
}
} // namespace

GraphicsLibrary::GraphicsLibrary(Document& document, QWidget* parent)
    : QFrame(parent), doc_(document) {
    SetTranslated(this, "windowTitle", "Panes", QT_TRANSLATE_NOOP("Panes", "Graphics Library"));
    setObjectName("ZFProgCentre");
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(2);
    setAutoFillBackground(true);

    caption_ = MakeCaptionLabel(windowTitle(), this);
    close_ = new QToolButton(this);
    close_->setIcon(style()->standardIcon(QStyle::SP_TitleBarCloseButton));
    for (const char* property : {"toolTip", "accessibleName"})
        SetTranslated(close_, property, "Tooltips", QT_TRANSLATE_NOOP("Tooltips", "Close"));
    close_->setFocusPolicy(Qt::NoFocus);
    connect(close_, &QToolButton::clicked, this,
            [this] { OptionPressed(ProgCentreOptions::Close); });

    selector_ = new ProgCentreSelector(doc_.project, this);
    options_ = new ProgCentreOptions(this);
    connect(options_, &ProgCentreOptions::pressed, this, [this](int id) { OptionPressed(id); });

    FitWords();
    move(20, 50);
    hide();
}

void GraphicsLibrary::FitWords() {
    options_->FitTexts();
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    const int selectorWidth = ProgCentreSelector::WidthFor(bar);
    const int optionsWidth = options_->WidthFor(bar);
    // Wide enough for either title in regular weight, however large the text.
    QFont regular = caption_->font();
    regular.setBold(false);
    int title = 0;
    for (TextId id : {TextId::DragToGraphicsWindow, TextId::ClickToAddToGoProgram})
        title = std::max(title, QFontMetrics(regular).horizontalAdvance(
                                    QCoreApplication::translate("Messages", TextOf(id).data())));
    const int w = std::max({selectorWidth, optionsWidth, title + CaptionHeight() + 8}) + 2 * kFrame;
    const int top = kFrame + CaptionHeight();
    setFixedSize(w, top + ProgCentreSelector::Height() + ProgCentreOptions::Height() + kFrame);
    PlaceCaption();
    selector_->setGeometry(kFrame, top, selectorWidth, ProgCentreSelector::Height());
    options_->setGeometry(kFrame + 2, top + ProgCentreSelector::Height(), optionsWidth,
                          ProgCentreOptions::Height());
}

void GraphicsLibrary::PlaceCaption() {
    const bool rightToLeft = layoutDirection() == Qt::RightToLeft;
    const int caption = CaptionHeight();
    caption_->setGeometry(kFrame, kFrame, width() - 2 * kFrame, caption);
    // The title starts at the end away from the close button.
    caption_->setContentsMargins(rightToLeft ? caption : 4, 0, rightToLeft ? 4 : caption, 0);
    const QRect button(width() - kFrame - caption, kFrame + 1, caption - 2, caption - 2);
    close_->setGeometry(QStyle::visualRect(layoutDirection(), rect(), button));
    close_->raise();
}

void GraphicsLibrary::changeEvent(QEvent* event) {
    QFrame::changeEvent(event);
    // The main window has set the new words before its panes hear of them.
    if (event->type() == QEvent::LanguageChange || event->type() == QEvent::FontChange)
        FitWords();
    else if (event->type() == QEvent::LayoutDirectionChange)
        PlaceCaption();
}

int GraphicsLibrary::category() const {
    return selector_->category();
}

void GraphicsLibrary::SetDrawing(QWidget* drawing) {
    selector_->drawing = drawing;
}

void GraphicsLibrary::Place(bool dragMode, bool createEnabled) {
    const char* english =
        TextOf(dragMode ? TextId::DragToGraphicsWindow : TextId::ClickToAddToGoProgram).data();
    SetTranslated(this, "windowTitle", "Messages", english);
    SetTranslated(caption_, "text", "Messages", english);
    SetTranslated(this, "accessibleName", "Messages", english);
    const QString title = caption_->text();
    // The longer title fits the narrow window in regular weight.
    QFont font = caption_->font();
    font.setBold(true);
    const int room = width() - 2 * kFrame - CaptionHeight() - 8;
    if (QFontMetrics(font).horizontalAdvance(title) > room)
        font.setBold(false);
    caption_->setFont(font);
    options_->button(ProgCentreOptions::Edit)->setEnabled(dragMode);
    options_->button(ProgCentreOptions::Create)->setEnabled(createEnabled);
    const QWidget* client = parentWidget();
    if (!client)
        return;
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    // Dragging, it keeps clear of the working area; right to left that is on
    // the other side.
    const int lead = dragMode ? client->width() - width() - bar : bar;
    const bool rightToLeft = layoutDirection() == Qt::RightToLeft;
    const int x = rightToLeft ? client->width() - width() - lead : lead;
    const int y = std::clamp(this->y(), 0, std::max(0, client->height() - height()));
    move(x, y);
}

void GraphicsLibrary::OptionPressed(int id) {
    switch (id) {
    case ProgCentreOptions::Create: {
        const std::string path = CreateLibraryPicture(doc_.ui, doc_.project, category());
        if (path.empty())
            return;
        // A new picture nobody can paint on is not left behind.
        if (!Paint(path)) {
            std::error_code ignored;
            std::filesystem::remove(path, ignored);
            return;
        }
        selector_->Rescan();
        selector_->WatchPicture(path);
        return;
    }
    case ProgCentreOptions::Edit: {
        const std::string path = selector_->selectedPath();
        if (path.empty())
            return;
        selector_->WatchPicture(path);
        Paint(path);
        return;
    }
    case ProgCentreOptions::Close:
        selector_->ClearSelection();
        hide();
        if (opener_)
            opener_->setFocus(Qt::OtherFocusReason);
        opener_ = nullptr;
        return;
    default:
        return;
    }
}

bool GraphicsLibrary::Paint(const std::string& path) {
    return StartPaintPackage(doc_.ui, doc_.project, path, startProgram_);
}

void GraphicsLibrary::ShowCategory(int category, bool dragMode) {
    // Pens are only chosen, never painted anew.
    Place(dragMode, category != library::Pens);
    selector_->ShowCategory(category, dragMode);
    options_->SetCategory(category);
    show();
    raise();
    // Opened from a tool bar by keyboard, the pictures take the keys.
    if (auto* strip = qobject_cast<ToolStrip*>(QApplication::focusWidget())) {
        opener_ = strip;
        selector_->setFocus(Qt::OtherFocusReason);
    }
}

void GraphicsLibrary::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier)
        OptionPressed(ProgCentreOptions::Close);
    else
        event->ignore();
}

void GraphicsLibrary::ResetCategories() {
    selector_->Reset();
}

void GraphicsLibrary::Activated() {
    if (category())
        selector_->Rescan();
}

void GraphicsLibrary::mousePressEvent(QMouseEvent* event) {
    raise();
    if (event->button() != Qt::LeftButton || event->position().y() >= kFrame + CaptionHeight())
        return;
    moving_ = true;
    grab_ = event->globalPosition().toPoint() - pos();
}

void GraphicsLibrary::mouseMoveEvent(QMouseEvent* event) {
    if (!moving_)
        return;
    QPoint at = event->globalPosition().toPoint() - grab_;
    // The caption stays inside the main window, where it can be caught again.
    if (const QWidget* client = parentWidget()) {
        at.setX(std::clamp(at.x(), -width() + 40, std::max(0, client->width() - 40)));
        at.setY(std::clamp(at.y(), 0, std::max(0, client->height() - CaptionHeight())));
    }
    move(at);
}

void GraphicsLibrary::mouseReleaseEvent(QMouseEvent*) {
    moving_ = false;
}

} // namespace zf::ui
