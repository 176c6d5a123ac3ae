#include "desktop/help/activity_launcher.h"

#include "desktop/help/external_programs.h"
#include "files/activities.h"
#include "files/project_folder.h"
#include "program/printing_ui.h"
#include "program/string_table.h"
#include "render/working_area.h"
#include "render/zarnik_sprite.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace zf::ui {

namespace {

constexpr QSize kPictureBox(240, 180);
constexpr int kCardWidth = 260;

} // namespace

ActivityCard::ActivityCard(const QImage& picture, const QString& title, const QString& description,
                           QWidget* parent)
    : QAbstractButton(parent), picture_(picture), description_(description) {
    setText(title);
    setToolTip(description);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
}

void ActivityCard::enterEvent(QEnterEvent* event) {
    update();
    QAbstractButton::enterEvent(event);
}

void ActivityCard::leaveEvent(QEvent* event) {
    update();
    QAbstractButton::leaveEvent(event);
}

QSize ActivityCard::sizeHint() const {
    return {kCardWidth, kPictureBox.height() + 90};
}

void ActivityCard::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const bool lit = underMouse() || hasFocus();
    p.setPen(lit ? palette().color(QPalette::Highlight) : palette().color(QPalette::Mid));
    p.setBrush(palette().color(QPalette::Base));
    p.drawRoundedRect(QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5), 6, 6);
    const QRect box(QPoint((width() - kPictureBox.width()) / 2, 10), kPictureBox);
    const QPoint at =
        box.center() - QPoint(picture_.width() / 2, picture_.height() / 2) + QPoint(1, 1);
    p.drawImage(at, picture_);
    p.setPen(palette().color(QPalette::Mid));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRect(at, picture_.size()).adjusted(-1, -1, 0, 0));

    QFont title = font();
    title.setBold(true);
    title.setPointSizeF(title.pointSizeF() * 1.2);
    p.setFont(title);
    p.setPen(palette().color(QPalette::Text));
    const int textTop = box.bottom() + 8;
    const QRect titleRect(10, textTop, width() - 20, QFontMetrics(title).height());
    p.drawText(titleRect, Qt::AlignHCenter | Qt::TextSingleLine, text());
    p.setFont(font());
    p.drawText(QRect(10, titleRect.bottom() + 4, width() - 20, height() - titleRect.bottom() - 10),
               Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, description_);
}

QImage ActivityPicture(const std::string& project, QSize box) {
    PrintingUi ui;
    NameTables tables;
    GoEditor editor(ui, tables);
    ZarnikState state;
    PenTrail trail;
    GraphicObjectList objects{tables};
    ProjectHost host;
    Project place;
    ProjectScene scene{state, trail, objects, editor, host, place};
    if (!PreviewProject(scene, project)) {
        QImage grey(box, QImage::Format_RGB32);
        grey.fill(QColor(200, 200, 200));
        return grey;
    }
    // Drawn twice as large and scaled down smoothly, so that thin lines of
    // the mat survive.
    state.zoom = FitZoom(state, 2 * box.width(), 2 * box.height());
    const QSize size = WorkingAreaPixels(state, state.zoom);
    const std::string& folder = place.folder;
    WorkingAreaScene area{state, trail, objects, folder};
    QImage image = RenderWorkingAreaImage(size, state.zoom, area);
    ZarnikSprite sprite;
    sprite.BuildZarnikSprite(state, tables, folder, false, state.flipped);
    ZarnikOverlay overlay;
    overlay.Paint(image, state, sprite, trail);
    return image.scaled(image.size() / 2, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

namespace {

// The bundled activities' words in the user's language; a teacher's own
// activity keeps its words as written.
QString ActivityText(const std::string& words) {
    static const char* const kBundled[] = {
        QT_TRANSLATE_NOOP("Activities", "Across the Town"),
        QT_TRANSLATE_NOOP("Activities", "Drive the car along the roads from Start to Finish."),
        QT_TRANSLATE_NOOP("Activities", "Treasure Island"),
        QT_TRANSLATE_NOOP("Activities",
                          "Follow the dashed path to the cross where the treasure lies."),
        QT_TRANSLATE_NOOP("Activities", "Grid Mat"),
        QT_TRANSLATE_NOOP("Activities",
                          "A mat of 30 cm squares for first moves, turns and shapes."),
    };
    for (const char* known : kBundled) {
        if (words == known)
            return QCoreApplication::translate("Activities", known);
    }
    return QString::fromStdString(words);
}

} // namespace

ActivityLauncher::ActivityLauncher(const std::string& activitiesFolder, const QString& zarnikfield,
                                   ExternalPrograms& starter, QWidget* parent)
    : QWidget(parent), starter_(starter), zarnikfield_(zarnikfield) {
    setObjectName("ZarnikfieldLauncher");
    setWindowTitle(tr("Zarnikfield Activities"));

    auto* outer = new QVBoxLayout(this);
    auto* heading = new QLabel(tr("Choose an activity"), this);
    QFont big = heading->font();
    big.setPointSizeF(big.pointSizeF() * 1.5);
    big.setBold(true);
    heading->setFont(big);
    outer->addWidget(heading);
    outer->addWidget(new QLabel(
        tr("Click a picture to open its project in Zarnikfield. The help's Activity books "
           "describe what to do with each one."),
        this));

    auto* scroll = new QScrollArea(this);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    auto* grid = new QWidget(scroll);
    auto* cards = new QGridLayout(grid);
    cards->setSpacing(12);
    const std::vector<Activity> activities = ReadActivities(activitiesFolder);
    for (const Activity& a : activities) {
        const int i = int(cards_.size());
        auto* card = new ActivityCard(ActivityPicture(a.project, kPictureBox),
                                      ActivityText(a.title), ActivityText(a.description), grid);
        card->setFixedSize(card->sizeHint());
        connect(card, &QAbstractButton::clicked, this, [this, i] { Choose(i); });
        cards->addWidget(card, i / 3, i % 3);
        cards_.push_back(card);
        projects_.push_back(a.project);
    }
    if (activities.empty()) {
        cards->addWidget(new QLabel(
            tr("There are no activities in %1.").arg(QString::fromStdString(activitiesFolder)),
            grid));
    }
    cards->setRowStretch(cards->rowCount(), 1);
    scroll->setWidget(grid);
    outer->addWidget(scroll, 1);

    auto* close = new QPushButton(tr("Close"), this);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(close);
    outer->addLayout(buttons);
    const int columns = std::min<int>(3, std::max<int>(1, count()));
    const int rows = std::min<int>(2, std::max<int>(1, (count() + 2) / 3));
    resize(columns * (kCardWidth + 12) + 40, rows * (kPictureBox.height() + 102) + 130);
}

void ActivityLauncher::Choose(int i) {
    if (!starter_.Start(zarnikfield_, {QString::fromStdString(project(i))})) {
        emit startFailed(tr("Zarnikfield could not be started:\n%1").arg(zarnikfield_));
        return;
    }
    close();
}

} // namespace zf::ui
