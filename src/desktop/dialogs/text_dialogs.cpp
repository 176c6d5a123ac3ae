#include "desktop/dialogs/text_dialogs.h"

#include "desktop/dialogs/dialog_parts.h"
#include "desktop/frame/desktop_ui.h"
#include "desktop/frame/text_scale.h"
#include "program/string_table.h"
#include "render/working_area.h"
#include "simulation/text_placement.h"

#include <QApplication>
#include <QColorDialog>
#include <QFontDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace zf::ui {

namespace {

constexpr int kPreviewRobot = 40;
constexpr std::uint32_t kPreviewGrey = 0x00C0C0C0;

QColor ColourOf(std::uint32_t colour) {
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

QString BoxText(const NameTables& tables, const TextObjectRecord& record) {
    return QString::fromLatin1(DialogTextOf(tables, record).c_str()).replace("\r\n", "\n");
}

// A new text starts as "Your Text" in the user's language, when the stored
// text (one byte a letter) can keep those letters.
QString NewBoxText(const NameTables& tables, const TextObjectRecord& record) {
    const QString words = TextQ(TextId::DefaultText);
    return QString::fromLatin1(words.toLatin1()) == words ? words : BoxText(tables, record);
}

std::string StoredText(const QString& boxText) {
    return QString(boxText).replace("\n", "\r\n").toLatin1().toStdString();
}

// The robot as the dialogs show it: the robot button's picture.
QPixmap RobotPicture(int side) {
    // Scaled once, to the screen's own pixels, so that it is not blurred twice.
    const qreal ratio = qApp->devicePixelRatio();
    const int pixels = static_cast<int>(side * ratio);
    QPixmap picture = QPixmap::fromImage(GraphicsToolPicture(23).scaled(
        pixels, pixels, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    picture.setDevicePixelRatio(ratio);
    return picture;
}

} // namespace

void TextPreview::Show(const QString& text, const TextObjectRecord& record) {
    text_ = text;
    record_ = record;
    const QFont font = TextObjectFont(record.font, kPreviewRobot);
    const QFontMetrics metrics(font);
    const QStringList lines = text.split('\n');
    int width = 0;
    for (const QString& line : lines)
        width = std::max(width, metrics.horizontalAdvance(line));
    block_ = QSize(width, static_cast<int>(lines.size()) * metrics.height());
    update();
}

void TextPreview::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), record_.colour == kPreviewGrey ? QColor(Qt::black) : QColor(192, 192, 192));
    const QFont font = TextObjectFont(record_.font, kPreviewRobot);
    p.setFont(font);
    p.setPen(ColourOf(record_.colour));
    const QFontMetrics metrics(font);
    const int lineHeight = metrics.height();
    int y = 5;
    for (const QString& line : text_.split('\n')) {
        p.drawText(10, y + metrics.ascent(), line);
        y += lineHeight;
    }
}

EnterTextDialog::EnterTextDialog(QWidget* owner, NameTables& tables, const TextObjectRecord& record,
                                 bool editing)
    : QDialog(owner), tables_(tables), record_(record) {
    setWindowTitle(TextQ(editing ? TextId::EditTextCaption : TextId::EnterTextCaption));
    setModal(true);
    auto* grid = new QGridLayout(this);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    text_ = new QPlainTextEdit(this);
    text_->setObjectName("text");
    text_->setTabChangesFocus(true);
    text_->setFixedSize(ScaledPixels(320), ScaledPixels(90));
    auto* typeLabel = new QLabel(tr("&Type your text here:"), this);
    typeLabel->setBuddy(text_);
    grid->addWidget(typeLabel, 0, 0, 1, 2);
    grid->addWidget(text_, 1, 0, 1, 2);

    auto* fonts = new QHBoxLayout;
    auto* font = new QPushButton(tr("&Font..."), this);
    font->setObjectName("font");
    auto* colour = new QPushButton(tr("C&olour..."), this);
    colour->setObjectName("colour");
    font->setAutoDefault(false);
    colour->setAutoDefault(false);
    fonts->addWidget(font);
    fonts->addWidget(colour);
    fonts->addStretch(1);
    grid->addLayout(fonts, 2, 0, 1, 2);

    grid->addWidget(new QLabel(tr("The text will be this big:"), this), 3, 0);
    preview_ = new TextPreview(this);
    preview_->setObjectName("preview");
    preview_->setFixedSize(preview_->sizeHint());
    grid->addWidget(preview_, 4, 0);
    auto* robotColumn = new QVBoxLayout;
    robotColumn->addWidget(new QLabel(tr("The Zarnik\nis this big:"), this));
    auto* robot = new QLabel(this);
    robot->setPixmap(RobotPicture(kPreviewRobot));
    robot->setFixedSize(kPreviewRobot, kPreviewRobot);
    robotColumn->addWidget(robot);
    robotColumn->addStretch(1);
    grid->addLayout(robotColumn, 4, 1);

    auto* buttons = new QVBoxLayout;
    auto* place = new QPushButton(tr("&Place Text..."), this);
    place->setObjectName("ok");
    place->setDefault(true);
    auto* cancel = new QPushButton(tr("Cancel"), this);
    cancel->setObjectName("cancel");
    buttons->addWidget(place);
    buttons->addWidget(cancel);
    buttons->addStretch(1);
    grid->addLayout(buttons, 0, 2, 5, 1);

    connect(place, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(font, &QPushButton::clicked, this, &EnterTextDialog::ChooseFont);
    connect(colour, &QPushButton::clicked, this, &EnterTextDialog::ChooseColour);
    connect(text_, &QPlainTextEdit::textChanged, this, &EnterTextDialog::TextChanged);
    text_->setPlainText(editing ? BoxText(tables_, record) : NewBoxText(tables_, record));
    text_->selectAll();
    text_->setFocus();
    setTabOrder(text_, font);
    setTabOrder(font, colour);
    setTabOrder(colour, place);
    setTabOrder(place, cancel);
}

void EnterTextDialog::TextChanged() {
    QString text = text_->toPlainText();
    // Line breaks are stored as two characters; the stored text is what the
    // limit counts.
    if (text.size() + text.count('\n') > kMaxDialogText) {
        while (text.size() + text.count('\n') > kMaxDialogText)
            text.chop(1);
        const QSignalBlocker quiet(text_);
        text_->setPlainText(text);
        text_->moveCursor(QTextCursor::End);
    }
    preview_->Show(text, record_);
}

TextObjectRecord EnterTextDialog::record() const {
    TextObjectRecord record = record_;
    record.textId = tables_.texts.Add(StoredText(text_->toPlainText()));
    return record;
}

QSize EnterTextDialog::firstSizeMm() const {
    return QSize(PreviewPixelsToMm(preview_->block().width()),
                 PreviewPixelsToMm(preview_->block().height()));
}

void EnterTextDialog::SetFont(const QFont& font) {
    LogFont& f = record_.font;
    const double points = font.pointSizeF() > 0 ? font.pointSizeF() : font.pixelSize() * 0.75;
    f.height = LogFontHeightForPoints(points);
    f.weight = font.weight();
    f.italic = font.italic() ? 1 : 0;
    f.underline = font.underline() ? 1 : 0;
    f.strikeOut = font.strikeOut() ? 1 : 0;
    const QByteArray face = font.family().toLatin1().left(int(f.faceName.size()) - 1);
    f.faceName.fill(0);
    std::memcpy(f.faceName.data(), face.constData(), static_cast<std::size_t>(face.size()));
    preview_->Show(text_->toPlainText(), record_);
}

void EnterTextDialog::SetColour(const QColor& colour) {
    record_.colour = static_cast<std::uint32_t>(colour.red()) |
                     (static_cast<std::uint32_t>(colour.green()) << 8) |
                     (static_cast<std::uint32_t>(colour.blue()) << 16);
    preview_->Show(text_->toPlainText(), record_);
}

void EnterTextDialog::ChooseFont() {
    QFont start = TextObjectFont(record_.font, kPreviewRobot);
    start.setPointSizeF(PointsForLogFontHeight(record_.font.height));
    bool ok = false;
    // Only fonts that scale to any size: texts grow and shrink with the zoom.
    const QFont chosen =
        QFontDialog::getFont(&ok, start, this, tr("Font"), QFontDialog::ScalableFonts);
    if (ok)
        SetFont(chosen);
}

void EnterTextDialog::ChooseColour() {
    const QColor chosen = QColorDialog::getColor(ColourOf(record_.colour), this, tr("Colour"));
    if (chosen.isValid())
        SetColour(chosen);
}

namespace {

// The cursor of the drag: a cross with the text symbol beside it.
QCursor TextDragCursor() {
    // Drawn at the screen's pixel density, so that it stays sharp there.
    const qreal ratio = qApp->devicePixelRatio();
    QPixmap picture(QSize(32, 32) * ratio);
    picture.setDevicePixelRatio(ratio);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setPen(QPen(Qt::white, 3));
    p.drawLine(8, 1, 8, 15);
    p.drawLine(1, 8, 15, 8);
    p.setPen(QPen(Qt::black, 1));
    p.drawLine(8, 1, 8, 15);
    p.drawLine(1, 8, 15, 8);
    QFont font("Arial");
    font.setPixelSize(12);
    font.setBold(true);
    p.setFont(font);
    p.setPen(QColor(0, 0, 200));
    p.drawText(QRect(12, 14, 20, 16), Qt::AlignCenter, "Ab");
    p.end();
    return QCursor(picture, 8, 8);
}

} // namespace

PositionTextDialog::PositionTextDialog(QWidget* owner, QWidget* target)
    : QDialog(owner), target_(target) {
    setWindowTitle(tr("Position Text"));
    setModal(true);
    auto* row = new QHBoxLayout(this);
    row->setSizeConstraint(QLayout::SetFixedSize);
    auto* words = new QLabel(tr("Drag this symbol to where you want to place the text."), this);
    words->setWordWrap(true);
    words->setFixedWidth(ScaledPixels(170));
    auto* keys = new QLabel(tr("Or move the mark with the arrow keys and press Return."), this);
    keys->setWordWrap(true);
    keys->setFixedWidth(ScaledPixels(170));
    auto* column = new QVBoxLayout;
    column->addWidget(words);
    column->addWidget(keys);
    row->addLayout(column);
    symbol_ = new QLabel(this);
    symbol_->setObjectName("symbol");
    symbol_->setPixmap(QPixmap::fromImage(GraphicsToolPicture(9)));
    symbol_->setFrameStyle(QFrame::Panel | QFrame::Raised);
    symbol_->setFixedSize(40, 40);
    symbol_->setAlignment(Qt::AlignCenter);
    symbol_->setCursor(Qt::OpenHandCursor);
    symbol_->installEventFilter(this);
    row->addWidget(symbol_);
    auto* cancel = new QPushButton(tr("Cancel"), this);
    cancel->setObjectName("cancel");
    cancel->setDefault(true);
    row->addWidget(cancel, 0, Qt::AlignTop);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    // The arrows reach the mark whatever has the focus.
    cancel->installEventFilter(this);
}

bool PositionTextDialog::KeyForMark(const QKeyEvent& key) {
    if (!target_ || !target_->isVisible() ||
        (key.modifiers() & ~Qt::ShiftModifier & ~Qt::KeypadModifier))
        return false;
    const bool enter = key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter;
    if (enter && mark_) {
        point_ = mark_->pos() + QPoint(8, 8);
        accept();
        return true;
    }
    // Shift moves a pixel at a time, the arrows alone eight; Return first
    // only shows the mark, so that the text is never lost to it.
    const int step = key.modifiers() & Qt::ShiftModifier ? 1 : 8;
    QPoint by;
    switch (enter ? Qt::Key_Down : key.key()) {
    case Qt::Key_Left:
        by = QPoint(-step, 0);
        break;
    case Qt::Key_Right:
        by = QPoint(step, 0);
        break;
    case Qt::Key_Up:
        by = QPoint(0, -step);
        break;
    case Qt::Key_Down:
        by = QPoint(0, step);
        break;
    default:
        return false;
    }
    if (!mark_) {
        // It starts in the middle of what is seen of the working area.
        auto* mark = new QLabel(target_);
        mark->setPixmap(TextDragCursor().pixmap());
        mark->setAttribute(Qt::WA_TransparentForMouseEvents);
        mark->adjustSize();
        mark->move(target_->visibleRegion().boundingRect().center() - QPoint(8, 8));
        mark->show();
        connect(this, &QDialog::finished, mark, &QObject::deleteLater);
        mark_ = mark;
        by = {};
    }
    const QPoint at = mark_->pos() + QPoint(8, 8) + by;
    const QRect inside = target_->rect();
    mark_->move(QPoint(std::clamp(at.x(), inside.left(), inside.right()),
                       std::clamp(at.y(), inside.top(), inside.bottom())) -
                QPoint(8, 8));
    return true;
}

void PositionTextDialog::keyPressEvent(QKeyEvent* event) {
    if (!KeyForMark(*event))
        QDialog::keyPressEvent(event);
}

bool PositionTextDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && watched != symbol_ &&
        KeyForMark(*static_cast<QKeyEvent*>(event)))
        return true;
    if (watched != symbol_)
        return QDialog::eventFilter(watched, event);
    auto* mouse = static_cast<QMouseEvent*>(event);
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        if (mouse->button() == Qt::LeftButton)
            Press(mouse->globalPosition().toPoint());
        return true;
    case QEvent::MouseMove:
        Move(mouse->globalPosition().toPoint());
        return true;
    case QEvent::MouseButtonRelease:
        if (mouse->button() == Qt::LeftButton)
            Release(mouse->globalPosition().toPoint());
        return true;
    default:
        return QDialog::eventFilter(watched, event);
    }
}

void PositionTextDialog::Press(QPoint global) {
    dragging_ = true;
    away_ = false;
    pressedAt_ = global;
    home_ = pos();
    QApplication::setOverrideCursor(TextDragCursor());
}

void PositionTextDialog::Move(QPoint global) {
    if (!dragging_ || away_)
        return;
    if (std::abs(global.x() - pressedAt_.x()) > 10 || std::abs(global.y() - pressedAt_.y()) > 10) {
        // Out of the way, so that the whole working area can be seen.
        away_ = true;
        const QRect screens = screen() ? screen()->virtualGeometry() : QRect(0, 0, 4000, 4000);
        move(screens.right() + 100, screens.bottom() + 100);
    }
}

void PositionTextDialog::Release(QPoint global) {
    if (!dragging_)
        return;
    EndDrag();
    if (target_ && target_->isVisible()) {
        const QPoint at = target_->mapFromGlobal(global);
        if (target_->rect().contains(at)) {
            point_ = at;
            accept();
            return;
        }
    }
    QApplication::beep();
}

void PositionTextDialog::EndDrag() {
    dragging_ = false;
    QApplication::restoreOverrideCursor();
    if (away_) {
        away_ = false;
        move(home_);
    }
}

void PositionTextDialog::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && dragging_ && away_)
        EndDrag();
}

namespace {

struct Side {
    int placement;
    int row;
    int column;
    const char* name;
};
constexpr Side kSides[] = {
    {7, 0, 0, QT_TRANSLATE_NOOP("zf::ui::TextPositionDialog", "Top Left")},
    {3, 0, 1, QT_TRANSLATE_NOOP("zf::ui::TextPositionDialog", "Top")},
    {8, 0, 2, QT_TRANSLATE_NOOP("zf::ui::TextPositionDialog", "Top Right")},
    {5, 1, 0, QT_TRANSLATE_NOOP("zf::ui::TextPositionDialog", "Left")},
    {6, 1, 2, QT_TRANSLATE_NOOP("zf::ui::TextPositionDialog", "Right")},
    {9, 2, 0, QT_TRANSLATE_NOOP("zf::ui::TextPositionDialog", "Bottom Left")},
    {4, 2, 1, QT_TRANSLATE_NOOP("zf::ui::TextPositionDialog", "Bottom")},
    {10, 2, 2, QT_TRANSLATE_NOOP("zf::ui::TextPositionDialog", "Bottom Right")},
};

// An arrow from the middle of a button out towards its side.
QIcon SideArrow(int row, int column) {
    const qreal ratio = qApp->devicePixelRatio();
    QPixmap picture(QSize(24, 24) * ratio);
    picture.setDevicePixelRatio(ratio);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF dir(column - 1, row - 1);
    const double length = std::hypot(dir.x(), dir.y());
    const QPointF unit = dir / length;
    const QPointF tip = QPointF(12, 12) + unit * 9;
    const QPointF tail = QPointF(12, 12) - unit * 7;
    p.setPen(QPen(QColor(0, 0, 160), 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(tail, tip);
    const QPointF normal(-unit.y(), unit.x());
    QPolygonF head;
    head << tip + unit * 1.5 << tip - unit * 6 + normal * 5 << tip - unit * 6 - normal * 5;
    p.setBrush(QColor(0, 0, 160));
    p.drawPolygon(head);
    p.end();
    return QIcon(picture);
}

} // namespace

TextPositionDialog::TextPositionDialog(QWidget* owner, int placement) : QDialog(owner) {
    setWindowTitle(tr("Text Position"));
    setModal(true);
    auto* root = new QHBoxLayout(this);
    root->setSizeConstraint(QLayout::SetFixedSize);
    auto* left = new QVBoxLayout;
    root->addLayout(left);
    atRobot_ = new QRadioButton(tr("Place text at &Zarnik position"), this);
    atRobot_->setObjectName("atRobot");
    near_ = new QRadioButton(tr("Place text &near Zarnik"), this);
    near_->setObjectName("near");
    left->addWidget(atRobot_);
    left->addWidget(near_);
    // The sides are the working area's: left stays left in any language.
    auto* compass = new QWidget(this);
    compass->setLayoutDirection(Qt::LeftToRight);
    auto* grid = new QGridLayout(compass);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(4);
    for (const Side& s : kSides) {
        auto* button = new QToolButton(compass);
        button->setObjectName(QString("side%1").arg(s.placement));
        button->setCheckable(true);
        button->setIcon(SideArrow(s.row, s.column));
        button->setIconSize(QSize(24, 24));
        button->setFixedSize(36, 36);
        button->setToolTip(tr(s.name));
        grid->addWidget(button, s.row, s.column);
        sides_[s.placement] = button;
        connect(button, &QToolButton::clicked, this, [this, p = s.placement] { Choose(p); });
    }
    auto* robot = new QLabel(compass);
    robot->setPixmap(RobotPicture(32));
    robot->setAlignment(Qt::AlignCenter);
    grid->addWidget(robot, 1, 1);
    auto* box = new QHBoxLayout;
    box->addSpacing(24);
    box->addWidget(compass);
    box->addStretch(1);
    left->addLayout(box);
    choice_ = new QLabel(this);
    choice_->setObjectName("choice");
    choice_->setAlignment(Qt::AlignCenter);
    choice_->setMinimumWidth(120);
    left->addWidget(choice_);

    auto* buttons = new QVBoxLayout;
    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName("ok");
    ok->setDefault(true);
    auto* cancel = new QPushButton(tr("Cancel"), this);
    cancel->setObjectName("cancel");
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addStretch(1);
    root->addLayout(buttons);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(atRobot_, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            Choose(1);
    });
    connect(near_, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            Choose(side_);
    });

    Choose(placement == 1 || (placement >= 3 && placement <= 10) ? placement : 4);
}

QToolButton* TextPositionDialog::sideButton(int placement) const {
    return placement >= 3 && placement <= 10 ? sides_[placement] : nullptr;
}

void TextPositionDialog::Choose(int placement) {
    const bool atRobot = placement == 1;
    if (!atRobot)
        side_ = placement;
    {
        const QSignalBlocker a(atRobot_), n(near_);
        atRobot_->setChecked(atRobot);
        near_->setChecked(!atRobot);
    }
    QString name;
    for (const Side& s : kSides) {
        sides_[s.placement]->setChecked(!atRobot && s.placement == side_);
        if (!atRobot && s.placement == side_)
            name = tr(s.name);
    }
    choice_->setText(name);
}

int TextPositionDialog::placement() const {
    return atRobot_->isChecked() ? 1 : side_;
}

bool KeyedTextDialogs(QWidget* owner, NameTables& tables, TextObjectRecord& record, bool editing) {
    EnterTextDialog text(owner, tables, record, editing);
    if (text.exec() != QDialog::Accepted)
        return false;
    TextObjectRecord chosen = text.record();
    TextPositionDialog where(owner, chosen.placement);
    if (where.exec() != QDialog::Accepted)
        return false;
    chosen.placement = where.placement();
    record = chosen;
    return true;
}

// The core's request to key a text object, on the desktop.
bool DesktopUi::EditTextObject(NameTables& tables, TextObjectRecord& record, bool editing) {
    if (const auto edited = standIn_ ? standIn_->EditText(record) : std::nullopt)
        return *edited;
    return KeyedTextDialogs(owner, tables, record, editing);
}

} // namespace zf::ui
