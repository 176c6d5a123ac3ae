#include "desktop/dialogs/dialog_parts.h"

#include "desktop/frame/translated_texts.h"
#include "render/artwork.h"
#include "simulation/working_area_dialogs.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace zf::ui {

QString TextQ(TextId id) {
    return TranslatedText(id);
}

namespace {

BoxKey BoxKeyOf(const QKeyEvent& key) {
    const int k = key.key();
    if (k >= Qt::Key_0 && k <= Qt::Key_9)
        return key.modifiers() & Qt::KeypadModifier ? BoxKey::KeypadDigit : BoxKey::Digit;
    switch (k) {
    case Qt::Key_Delete:
        return BoxKey::Delete;
    case Qt::Key_Backspace:
        return BoxKey::Backspace;
    case Qt::Key_Escape:
        return BoxKey::Escape;
    case Qt::Key_Left:
        return BoxKey::Left;
    case Qt::Key_Right:
        return BoxKey::Right;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return BoxKey::DialogKey;
    default:
        return BoxKey::Other;
    }
}

} // namespace

bool NumericBoxFilter::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
        const auto* key = static_cast<const QKeyEvent*>(event);
        QString text = key->text();
        // Control letters are the control characters, whatever text the
        // platform attaches to them.
        if ((key->modifiers() & Qt::ControlModifier) && key->key() >= Qt::Key_A &&
            key->key() <= Qt::Key_Z)
            text = QChar(key->key() - Qt::Key_A + 1);
        const bool passes =
            NumericFilterPassesKey(BoxKeyOf(*key)) ||
            (text.size() == 1 && NumericFilterPassesCharacter(text.at(0).unicode()));
        return !passes;
    }
    case QEvent::InputMethod:
        return true;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
        return static_cast<const QMouseEvent*>(event)->button() == Qt::MiddleButton;
    default:
        return QObject::eventFilter(watched, event);
    }
}

QLineEdit* NumericBox(int maxChars, const char* name, QWidget* parent) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setMaxLength(maxChars);
    box->setAcceptDrops(false);
    box->setContextMenuPolicy(Qt::NoContextMenu);
    box->setAttribute(Qt::WA_InputMethodEnabled, false);
    // Room for the longest entry and no more.
    box->setFixedWidth(box->fontMetrics().horizontalAdvance(QString(maxChars + 2, '0')) + 12);
    box->installEventFilter(new NumericBoxFilter(box));
    return box;
}

ToolPicture::ToolPicture(const QImage& picture, QWidget* parent) : QLabel(parent) {
    setObjectName("toolPicture");
    setFrameStyle(QFrame::Box | QFrame::Sunken);
    setLineWidth(1);
    setMidLineWidth(0);
    setAlignment(Qt::AlignCenter);
    setPixmap(QPixmap::fromImage(picture));
    setFixedSize(picture.width() + 8, picture.height() + 8);
}

QImage GraphicsToolPicture(int cell) {
    return StripCell(ProgramBitmap(artwork::GraphicsTools), cell);
}

ToolDialog::ToolDialog(QWidget* owner, const QString& title, const QImage& picture)
    : QDialog(owner) {
    setWindowTitle(title);
    setModal(true);
    auto* root = new QHBoxLayout(this);
    root->setSizeConstraint(QLayout::SetFixedSize);
    content_ = new QWidget(this);
    root->addWidget(content_, 1);
    buttons_ = new QVBoxLayout;
    root->addLayout(buttons_);
    ok_ = new QPushButton(tr("OK"), this);
    ok_->setObjectName("ok");
    ok_->setDefault(true);
    cancel_ = new QPushButton(tr("Cancel"), this);
    cancel_->setObjectName("cancel");
    buttons_->addWidget(ok_);
    buttons_->addWidget(cancel_);
    buttons_->addStretch(1);
    if (!picture.isNull())
        buttons_->addWidget(new ToolPicture(picture, this), 0, Qt::AlignRight);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
}

void ToolDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!toolBar_)
        return;
    const QPoint corner = toolBar_->mapToGlobal(QPoint(0, 0));
    QPoint at(corner.x(), corner.y() - frameGeometry().height());
    // Never off the screen, whatever the tool bar's place.
    if (const QScreen* screen = toolBar_->screen()) {
        const QRect free = screen->availableGeometry();
        at.setX(std::clamp(at.x(), free.left(), std::max(free.left(), free.right() - width())));
        at.setY(std::clamp(at.y(), free.top(), std::max(free.top(), free.bottom() - height())));
    }
    move(at);
}

} // namespace zf::ui
