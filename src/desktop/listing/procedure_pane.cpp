#include "desktop/listing/procedure_pane.h"

#include "desktop/frame/child_frame.h"
#include "desktop/frame/translated_texts.h"
#include "desktop/listing/list_view.h"

#include <QFontMetrics>
#include <QLabel>
#include <QMouseEvent>
#include <QStyle>
#include <QToolButton>

#include <algorithm>

namespace zf::ui {

namespace {
constexpr int kBorder = 2;
constexpr double kDefaultShare = 0.55;
} // namespace

ProcedurePane::ProcedurePane(ListView* list, QWidget* parent) : QFrame(parent), list_(list) {
    SetTranslated(this, "windowTitle", "Panes", QT_TRANSLATE_NOOP("Panes", "Procedure"));
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(kBorder);
    setAutoFillBackground(true);
    caption_ = MakeCaptionLabel(QString(), this);
    SetTranslated(caption_, "text", "Panes", QT_TRANSLATE_NOOP("Panes", "Procedure"));
    // A screen reader names the pane by its caption.
    SetTranslated(this, "accessibleName", "Panes", QT_TRANSLATE_NOOP("Panes", "Procedure"));
    dock_ = new QToolButton(this);
    SetTranslated(
        dock_, "toolTip", "Tooltips",
        QT_TRANSLATE_NOOP("Tooltips", "Show the Procedure window under or beside the Go List"));
    minimise_ = new QToolButton(this);
    for (QToolButton* b : {dock_, minimise_}) {
        b->setFocusPolicy(Qt::NoFocus);
        b->setBackgroundRole(caption_->backgroundRole());
        b->setForegroundRole(caption_->foregroundRole());
        b->setFont(caption_->font());
    }
    connect(dock_, &QToolButton::clicked, this, &ProcedurePane::dockToggled);
    connect(minimise_, &QToolButton::clicked, this, [this] { SetMinimised(!minimised_); });
    list_->setParent(this);
    SetMinimised(false);
}

int ProcedurePane::CaptionHeight() {
    return std::max(20, QFontMetrics(QFont()).height() + 6);
}

void ProcedurePane::SetMinimised(bool minimised) {
    const bool changed = minimised != minimised_;
    minimised_ = minimised;
    minimise_->setIcon(style()->standardIcon(minimised ? QStyle::SP_TitleBarNormalButton
                                                       : QStyle::SP_TitleBarMinButton));
    for (const char* property : {"toolTip", "accessibleName"})
        SetTranslated(minimise_, property, "Tooltips",
                      minimised ? QT_TRANSLATE_NOOP("Tooltips", "Restore")
                                : QT_TRANSLATE_NOOP("Tooltips", "Minimise"));
    list_->setVisible(!minimised);
    dock_->setVisible(!minimised);
    LayoutParts();
    if (changed)
        emit minimisedChanged();
}

void ProcedurePane::ShowDock(bool under) {
    // The button names the other place.
    //: The button moving the Procedure window beside or under the Go List.
    SetTranslated(dock_, "text", "Panes",
                  under ? QT_TRANSLATE_NOOP("Panes", "Beside")
                        : QT_TRANSLATE_NOOP("Panes", "Under"));
    dock_->setVisible(!minimised_);
    LayoutParts();
}

void ProcedurePane::Minimise() {
    SetMinimised(true);
}

void ProcedurePane::Restore() {
    SetMinimised(false);
}

void ProcedurePane::LayoutParts() {
    const int w = width(), h = height(), c = CaptionHeight();
    caption_->setGeometry(kBorder, kBorder, w - 2 * kBorder, c);
    const int b = c - 2;
    const int dockWidth = dock_->fontMetrics().horizontalAdvance(dock_->text()) + 12;
    // The buttons sit at the caption's end: the left one in a right-to-left
    // language.
    const auto end = [this](QRect r) { return QStyle::visualRect(layoutDirection(), rect(), r); };
    // The title starts at the other end, whichever way its own words run.
    const bool rightToLeft = layoutDirection() == Qt::RightToLeft;
    caption_->setAlignment(Qt::AlignVCenter | Qt::AlignAbsolute |
                           (rightToLeft ? Qt::AlignRight : Qt::AlignLeft));
    caption_->setContentsMargins(rightToLeft ? 0 : 4, 0, rightToLeft ? 4 : 0, 0);
    minimise_->setGeometry(end(QRect(w - kBorder - c, kBorder + 1, b, b)));
    dock_->setGeometry(end(QRect(w - kBorder - c - 2 - dockWidth, kBorder + 1, dockWidth, b)));
    minimise_->raise();
    dock_->raise();
    list_->setGeometry(kBorder, kBorder + c, w - 2 * kBorder, std::max(0, h - 2 * kBorder - c));
}

void ProcedurePane::resizeEvent(QResizeEvent*) {
    LayoutParts();
}

void ProcedurePane::changeEvent(QEvent* event) {
    QFrame::changeEvent(event);
    // The dock button's new words or the mirrored caption need new places.
    if (event->type() == QEvent::LanguageChange || event->type() == QEvent::LayoutDirectionChange)
        LayoutParts();
}

void ProcedurePane::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->position().y() < kBorder + CaptionHeight())
        SetMinimised(!minimised_);
}

ListsPane::ListsPane(ListView* goList, ListView* procList, QWidget* parent)
    : SplitPane(Qt::Vertical, parent), goList_(goList) {
    goList_->setParent(this);
    procedure_ = new ProcedurePane(procList, this);
    connect(procedure_, &ProcedurePane::minimisedChanged, this, [this] { Layout(); });
    connect(procedure_, &ProcedurePane::dockToggled, this, [this] {
        Place p = place();
        p.dock = p.dock == Dock::Under ? Dock::Beside : Dock::Under;
        SetPlace(p);
    });
    share_ = kDefaultShare;
    procedure_->ShowDock(true);
}

ListsPane::Place ListsPane::place() const {
    return {dock_, int(share_ * 100 + 0.5)};
}

void ListsPane::SetPlace(const Place& place) {
    dock_ = place.dock;
    share_ = std::clamp(place.goListPercent, 10, 90) / 100.0;
    SetOrientation(dock_ == Dock::Under ? Qt::Vertical : Qt::Horizontal);
    procedure_->ShowDock(dock_ == Dock::Under);
    FollowShare();
}

void ListsPane::DefaultPlace() {
    procedure_->Restore();
    SetPlace({});
}

void ListsPane::FollowShare() {
    SetSplitPosition(int(share_ * Extent()));
}

void ListsPane::resizeEvent(QResizeEvent*) {
    FollowShare();
}

void ListsPane::SplitDragged() {
    if (Extent() > 0)
        share_ = std::clamp(double(splitPosition()) / Extent(), 0.1, 0.9);
}

void ListsPane::Layout() {
    const int w = width(), h = height();
    if (procedure_->minimised()) {
        // Only the caption strip is left, along the bottom.
        const int c = ProcedurePane::CaptionHeight() + 4;
        goList_->setGeometry(0, 0, w, std::max(0, h - c - 1));
        procedure_->setGeometry(0, std::max(0, h - c), w, std::min(c, h));
        update();
        return;
    }
    const int s = splitPosition();
    if (dock_ == Dock::Under) {
        goList_->setGeometry(0, 0, w, std::max(0, s - 1));
        procedure_->setGeometry(0, s + 9, w, std::max(0, h - s - 9));
    } else {
        Put(goList_, QRect(0, 0, std::max(0, s - 1), h));
        Put(procedure_, QRect(s + 9, 0, std::max(0, w - s - 9), h));
    }
    update();
}

QRect ListsPane::BarRect() const {
    if (procedure_->minimised())
        return {};
    const int s = splitPosition();
    return dock_ == Dock::Under ? QRect(0, s - 1, width() - 1, 10) : QRect(s - 1, 0, 10, height());
}

ListsPane::Place ReadListsPlace(const IniFile& ini) {
    ListsPane::Place place;
    if (ini.GetString("window", "procedure", "under") == "beside")
        place.dock = ListsPane::Dock::Beside;
    place.goListPercent =
        std::clamp(int(ini.GetInt("window", "go list share", place.goListPercent)), 10, 90);
    return place;
}

void WriteListsPlace(IniFile& ini, const ListsPane::Place& place) {
    ini.SetString("window", "procedure",
                  place.dock == ListsPane::Dock::Beside ? "beside" : "under");
    ini.SetString("window", "go list share", std::to_string(place.goListPercent));
}

} // namespace zf::ui
