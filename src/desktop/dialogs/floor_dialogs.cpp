#include "desktop/dialogs/floor_dialogs.h"

#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QVBoxLayout>

#include <cmath>

namespace zf::ui {

namespace {

// The etched edge of the pictures: a dark line with a light one inside.
void EtchedEdge(QPainter& p, const QRect& r, const QPalette& palette) {
    p.setBrush(Qt::NoBrush);
    p.setPen(palette.color(QPalette::Dark));
    p.drawRect(r.adjusted(0, 0, -2, -2));
    p.setPen(palette.color(QPalette::Light));
    p.drawRect(r.adjusted(1, 1, -1, -1));
}

QLabel* Buddy(const QString& text, QWidget* box, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setBuddy(box);
    return label;
}

std::string Std(const QLineEdit* box) {
    return box->text().toStdString();
}

} // namespace

void WorkAreaPicture::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect r = rect();
    p.fillRect(r, palette().color(QPalette::Button));
    EtchedEdge(p, r, palette());
    p.setPen(QPen(Qt::black, 1));
    p.drawLine(2, r.height() / 2, r.width() - 3, r.height() / 2);
    p.drawLine(r.width() / 2, 2, r.width() / 2, r.height() - 3);
}

PositionDialog::PositionDialog(QWidget* owner, UserInterface& ui, const ZarnikState& state)
    : ToolDialog(owner, tr("Set Zarnik Position"), GraphicsToolPicture(24)), ui_(ui),
      state_(state) {
    QWidget* c = content();
    auto* column = new QVBoxLayout(c);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(new QLabel(tr("Steps from the centre of the working area:"), c));
    // The cross stands for the working area: left stays left in any language.
    auto* cross = new QWidget(c);
    cross->setLayoutDirection(Qt::LeftToRight);
    column->addWidget(cross);
    auto* grid = new QGridLayout(cross);
    grid->setContentsMargins(0, 0, 0, 0);
    up_ = NumericBox(5, "up", cross);
    right_ = NumericBox(5, "right", cross);
    down_ = NumericBox(5, "down", cross);
    left_ = NumericBox(5, "left", cross);
    auto* upCell = new QVBoxLayout;
    upCell->addWidget(Buddy(tr("&Up"), up_, cross), 0, Qt::AlignHCenter);
    upCell->addWidget(up_, 0, Qt::AlignHCenter);
    grid->addLayout(upCell, 0, 1);
    auto* leftCell = new QVBoxLayout;
    leftCell->addWidget(Buddy(tr("&Left"), left_, cross), 0, Qt::AlignHCenter);
    leftCell->addWidget(left_);
    grid->addLayout(leftCell, 1, 0, Qt::AlignVCenter);
    grid->addWidget(new WorkAreaPicture(cross), 1, 1, Qt::AlignCenter);
    auto* rightCell = new QVBoxLayout;
    rightCell->addWidget(Buddy(tr("&Right"), right_, cross), 0, Qt::AlignHCenter);
    rightCell->addWidget(right_);
    grid->addLayout(rightCell, 1, 2, Qt::AlignVCenter);
    auto* downCell = new QVBoxLayout;
    downCell->addWidget(down_, 0, Qt::AlignHCenter);
    downCell->addWidget(Buddy(tr("&Down"), down_, cross), 0, Qt::AlignHCenter);
    grid->addLayout(downCell, 2, 1);

    const PositionBoxes boxes = PositionBoxesFor(state, state.x, state.y);
    up_->setText(QString::fromStdString(boxes.up));
    right_->setText(QString::fromStdString(boxes.right));
    down_->setText(QString::fromStdString(boxes.down));
    left_->setText(QString::fromStdString(boxes.left));
    // Typing in a box empties its opposite: only one of each pair counts.
    auto pair = [](QLineEdit* a, QLineEdit* b) {
        connect(a, &QLineEdit::textEdited, b, &QLineEdit::clear);
        connect(b, &QLineEdit::textEdited, a, &QLineEdit::clear);
    };
    pair(up_, down_);
    pair(left_, right_);
    setTabOrder(up_, left_);
    setTabOrder(left_, right_);
    setTabOrder(right_, down_);
    setTabOrder(down_, okButton());
    setTabOrder(okButton(), cancelButton());
    up_->setFocus();
}

void PositionDialog::accept() {
    const FloorPoint point =
        PositionFromBoxes(state_, PositionBoxes{Std(up_), Std(right_), Std(down_), Std(left_)});
    if (CheckZarnikPosition(ui_, state_, point.x, point.y) != 0)
        return;
    result_ = point;
    QDialog::accept();
}

void CompassBox::SetHeading(int degrees) {
    heading_ = degrees;
    update();
}

void CompassBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const int w = width(), b = height();
    p.fillRect(rect(), palette().color(QPalette::Button));
    EtchedEdge(p, rect(), palette());
    const QPointF centre(w / 2.0, b / 2.0);
    p.setPen(QPen(palette().color(QPalette::ButtonText), 1));
    p.drawEllipse(centre, b / 3.0, b / 3.0);
    p.drawLine(QPointF(b / 8, centre.y()), QPointF(w - b / 8, centre.y()));
    p.drawLine(QPointF(centre.x(), b / 8), QPointF(centre.x(), b - b / 8));
    const double a = heading_ * 3.14159265359 / 180;
    p.setPen(QPen(palette().color(QPalette::ButtonText), 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(centre, centre + QPointF(std::sin(a) * b / 3, -std::cos(a) * b / 3));
}

HeadingDialog::HeadingDialog(QWidget* owner, int heading)
    : ToolDialog(owner, tr("Set Zarnik Heading"), GraphicsToolPicture(25)) {
    QWidget* c = content();
    clockwise_ = NumericBox(3, "clockwise", c);
    anticlockwise_ = NumericBox(3, "anticlockwise", c);
    compass_ = new CompassBox(c);
    compass_->setObjectName("compass");
    auto* grid = new QGridLayout(c);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(Buddy(tr("&Clockwise:"), clockwise_, c), 0, 0);
    grid->addWidget(clockwise_, 0, 1);
    grid->addWidget(new QLabel(tr("degrees"), c), 0, 2);
    grid->addWidget(Buddy(tr("&Anticlockwise:"), anticlockwise_, c), 1, 0);
    grid->addWidget(anticlockwise_, 1, 1);
    grid->addWidget(new QLabel(tr("degrees"), c), 1, 2);
    grid->addWidget(compass_, 2, 0, 1, 3, Qt::AlignCenter);
    compass_->setMinimumSize(compass_->sizeHint());

    auto* preview = new QPushButton(tr("&Preview"), this);
    preview->setObjectName("preview");
    preview->setAutoDefault(false);
    buttonColumn()->insertWidget(2, preview);
    connect(preview, &QPushButton::clicked, this,
            [this] { compass_->SetHeading(HeadingFromBox(Std(clockwise_))); });

    clockwise_->setText(QString::number(heading));
    anticlockwise_->setText(QString::number(360 - heading));
    compass_->SetHeading(heading);
    connect(clockwise_, &QLineEdit::textEdited, this,
            [this] { anticlockwise_->setText(QString::number(OppositeHeading(Std(clockwise_)))); });
    connect(anticlockwise_, &QLineEdit::textEdited, this,
            [this] { clockwise_->setText(QString::number(OppositeHeading(Std(anticlockwise_)))); });
    setTabOrder(clockwise_, anticlockwise_);
    setTabOrder(anticlockwise_, okButton());
    setTabOrder(okButton(), cancelButton());
    setTabOrder(cancelButton(), preview);
    clockwise_->setFocus();
    clockwise_->selectAll();
}

void HeadingDialog::accept() {
    result_ = HeadingFromBox(Std(clockwise_));
    QDialog::accept();
}

SizeDialog::SizeDialog(QWidget* owner, UserInterface& ui, const ZarnikState& state)
    : ToolDialog(owner, tr("Set Size of Working Area"), GraphicsToolPicture(18)), ui_(ui) {
    QWidget* c = content();
    width_ = NumericBox(kMaxSizeBoxChars, "width", c);
    height_ = NumericBox(kMaxSizeBoxChars, "height", c);
    auto* grid = new QGridLayout(c);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(new QLabel(tr("Size of the working area in Zarnik steps:"), c), 0, 0, 1, 3);
    grid->addWidget(Buddy(tr("&Width:"), width_, c), 1, 0);
    grid->addWidget(width_, 1, 1);
    grid->addWidget(new QLabel(tr("steps"), c), 1, 2);
    grid->addWidget(Buddy(tr("&Height:"), height_, c), 2, 0);
    grid->addWidget(height_, 2, 1);
    grid->addWidget(new QLabel(tr("steps"), c), 2, 2);
    grid->setRowStretch(3, 1);
    const FloorSteps size = SizeBoxesFor(state);
    width_->setText(QString::number(size.width));
    height_->setText(QString::number(size.height));
    setTabOrder(width_, height_);
    setTabOrder(height_, okButton());
    setTabOrder(okButton(), cancelButton());
    width_->setFocus();
    width_->selectAll();
}

void SizeDialog::accept() {
    const auto size = SizeFromBoxes(ui_, Std(width_), Std(height_));
    if (!size)
        return;
    result_ = *size;
    QDialog::accept();
}

} // namespace zf::ui
