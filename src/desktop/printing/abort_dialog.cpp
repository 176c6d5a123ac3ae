#include "desktop/printing/abort_dialog.h"

#include <QApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>

namespace zf::ui {

AbortDialog::AbortDialog() {
    setObjectName("PRINTDLG");
    setWindowTitle(tr("Zarnikfield - Printing"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    // The rest of the program waits for the job.
    setWindowModality(Qt::ApplicationModal);

    auto* icon = new QLabel(this);
    const QIcon picture = QApplication::windowIcon().isNull()
                              ? style()->standardIcon(QStyle::SP_MessageBoxInformation)
                              : QApplication::windowIcon();
    icon->setPixmap(picture.pixmap(32, 32));
    auto* text = new QLabel(tr("Zarnikfield is printing..."), this);
    auto* etched = new QFrame(this);
    etched->setFrameShape(QFrame::HLine);
    etched->setFrameShadow(QFrame::Sunken);
    cancel_ = new QPushButton(tr("Cancel"), this);
    cancel_->setDefault(true);
    connect(cancel_, &QPushButton::clicked, this, &AbortDialog::reject);

    auto* message = new QHBoxLayout;
    message->addWidget(icon);
    message->addSpacing(12);
    message->addWidget(text, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cancel_);
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(message);
    layout->addWidget(etched);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void AbortDialog::showEvent(QShowEvent* event) {
    // Centred across the screen, its top a third of the way down the room
    // left above and below it.
    if (const QScreen* screen = QApplication::primaryScreen()) {
        const QRect free = screen->availableGeometry();
        const QSize size = frameGeometry().size();
        move(free.left() + (free.width() - size.width()) / 2,
             free.top() + (free.height() - size.height()) / 3);
    }
    QDialog::showEvent(event);
    cancel_->setFocus();
}

void AbortDialog::reject() {
    aborted_ = true;
}

} // namespace zf::ui
