#include "desktop/help/about_box.h"

#include "desktop/frame/text_scale.h"
#include "render/contrast_look.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QEnterEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QVBoxLayout>

namespace zf::ui {

LinkLabel::LinkLabel(const QString& text, const QUrl& target, QWidget* parent)
    : QLabel(text, parent), target_(target) {
    QFont f = font();
    f.setBold(false);
    setFont(f);
    QPalette pal = palette();
    // Blue on the usual grey; the palette's own link colour in high contrast.
    pal.setColor(QPalette::WindowText,
                 CurrentLook().highContrast ? pal.color(QPalette::Link) : QColor(0, 0, 255));
    pal.setColor(QPalette::Window, pal.color(QPalette::Button));
    setPalette(pal);
    setAutoFillBackground(true);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
    setToolTip(target.toDisplayString());
}

void LinkLabel::SetUnderline(bool on) {
    QFont f = font();
    f.setUnderline(on);
    setFont(f);
}

void LinkLabel::enterEvent(QEnterEvent* event) {
    SetUnderline(true);
    QLabel::enterEvent(event);
}

void LinkLabel::leaveEvent(QEvent* event) {
    SetUnderline(false);
    QLabel::leaveEvent(event);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit linkClicked(target_);
}

void LinkLabel::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter ||
        event->key() == Qt::Key_Space)
        emit linkClicked(target_);
    else
        QLabel::keyPressEvent(event);
}

namespace {

constexpr int kTextWidth = 380;

// A word-wrapped label of a fixed width, so that its height is that of the
// wrapped text.
QLabel* Paragraph(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    const int width = ScaledPixels(kTextWidth);
    label->setFixedWidth(width);
    // The box's fixed-size layout asks for the size hint, not the height at
    // this width: a longer translation would overlap the next paragraph.
    label->setFixedHeight(label->heightForWidth(width));
    return label;
}

// The default robot shape, its top-left colour see-through.
QPixmap RobotPicture(const QString& folder) {
    QImage image(folder + "zarniks/zarndef.bmp");
    if (image.isNull())
        return {};
    image = image.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = image.pixel(0, 0);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == key)
                image.setPixel(x, y, qRgba(0, 0, 0, 0));
    // At the screen's own pixel density, so that it is sharp there too.
    const qreal ratio = qApp->devicePixelRatio();
    const int side = static_cast<int>(72 * ratio);
    QPixmap picture =
        QPixmap::fromImage(image.scaled(side, side, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    picture.setDevicePixelRatio(ratio);
    return picture;
}

} // namespace

AboutBox::AboutBox(const QString& pictureFolder, QWidget* owner) : QDialog(owner) {
    setObjectName("170");
    setWindowTitle(tr("About Zarnikfield"));
    auto* outer = new QHBoxLayout(this);
    auto* picture = new QLabel(this);
    picture->setPixmap(RobotPicture(pictureFolder));
    picture->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
    picture->setMinimumWidth(80);
    outer->addWidget(picture);
    auto* column = new QVBoxLayout;
    outer->addLayout(column);

    auto* name = new QLabel(QString("Zarnikfield %1").arg(ZF_VERSION), this);
    name->setObjectName("name");
    QFont big = name->font();
    big.setPointSizeF(big.pointSizeF() * 1.6);
    big.setBold(true);
    name->setFont(big);
    column->addWidget(name);
    column->addWidget(Paragraph(
        tr("A programming environment for the Floor Zarnik floor robot: key a Go Program on the "
           "robot's own keypad, watch it run on the working area, then send it to the robot down "
           "its lead."),
        this));
    column->addSpacing(6);
    column->addWidget(Paragraph(
        tr("Zarnikfield is free software: you can redistribute it and/or modify it under the terms "
           "of the GNU General Public License as published by the Free Software Foundation, either "
           "version 3 of the License, or (at your option) any later version. It is distributed in "
           "the hope that it will be useful, but WITHOUT ANY WARRANTY; without even the implied "
           "warranty of MERCHANTABILITY or FITNESS FOR A PARTICULAR PURPOSE."),
        this));
    column->addWidget(new LinkLabel(tr("GNU General Public License, version 3"),
                                    QUrl("https://www.gnu.org/licenses/gpl-3.0.html"), this));
    column->addSpacing(6);
    column->addWidget(
        Paragraph(tr("This program uses the Qt libraries, version %1, under the GNU Lesser General "
                     "Public License version 3. They are linked dynamically: you may replace them "
                     "with your own build of Qt.")
                      .arg(qVersion()),
                  this));
    column->addWidget(new LinkLabel(tr("GNU Lesser General Public License, version 3"),
                                    QUrl("https://www.gnu.org/licenses/lgpl-3.0.html"), this));
    column->addWidget(new LinkLabel(tr("The Qt libraries and their sources"),
                                    QUrl("https://www.qt.io/download-open-source"), this));
    column->addStretch();
    for (LinkLabel* link : findChildren<LinkLabel*>())
        connect(link, &LinkLabel::linkClicked, this, &AboutBox::linkClicked);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    column->addWidget(buttons);
    outer->setSizeConstraint(QLayout::SetFixedSize);
}

} // namespace zf::ui
