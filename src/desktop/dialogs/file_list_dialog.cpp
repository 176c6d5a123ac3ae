#include "desktop/dialogs/file_list_dialog.h"

#include "desktop/dialogs/dialog_parts.h"
#include "files/file_list.h"
#include "files/go_program_file.h"
#include "files/paths.h"
#include "program/editor.h"
#include "render/bitmap_drawing.h"
#include "render/display_text.h"
#include "render/listing_lines.h"

#include <QFile>
#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace zf::ui {

namespace {

constexpr int kPictureSide = 96;
// A Go Program is previewed as the first lines of its listing, small.
constexpr int kPreviewWidth = 160;
constexpr int kPreviewHeight = 150;
constexpr int kPreviewIconSize = 16;

// A preview's load shows nothing: a file that is no Go Program just shows
// no listing.
class SilentUi : public UserInterface {
  public:
    void WarningBox(TextId, const std::string&) override {}
    Answer Ask(TextId, const std::string&, Buttons) override { return Answer::No; }
};

// Drawn at the screen's own pixel density, so that it is sharp there.
QImage GoProgramPreview(const std::string& path, const std::string& folder, qreal ratio) {
    SilentUi ui;
    NameTables tables;
    GoEditor program(ui, tables);
    if (!OpenGoProgram(program, path, false) || !program.Head(GO_LIST))
        return {};
    QImage picture(QSize(kPreviewWidth, kPreviewHeight) * ratio, QImage::Format_RGB32);
    picture.setDevicePixelRatio(ratio);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    ListingStyle style{tables};
    style.iconSize = kPreviewIconSize;
    style.folder = folder;
    DrawListing(painter, program.Head(GO_LIST), 0, kPreviewHeight, style);
    return picture;
}

std::string NameOf(const QListWidgetItem& item) {
    return item.data(Qt::UserRole).toByteArray().toStdString();
}

} // namespace

FileListDialog::FileListDialog(QWidget* owner, const std::string& folder, Kind kind, bool browse)
    : QDialog(owner), folder_(folder), kind_(kind) {
    setWindowTitle(TextQ(TextId::ProductName));
    setModal(true);
    auto* grid = new QGridLayout(this);
    list_ = new QListWidget(this);
    list_->setObjectName("files");
    auto* label = new QLabel(tr("&Choose a file from the list:"), this);
    label->setBuddy(list_);
    // A list is not named by its label's buddy: it is named here.
    list_->setAccessibleName(QString(label->text()).remove(QLatin1Char('&')));
    grid->addWidget(label, 0, 0);
    grid->addWidget(list_, 1, 0);
    for (const std::string& name :
         ListFolderFiles(folder, kind == Kind::GoPrograms ? ".gop" : ".bmp")) {
        // Shown decoded; the name's own bytes are what is opened.
        auto* item = new QListWidgetItem(DisplayName(name), list_);
        item->setData(Qt::UserRole, QByteArray::fromStdString(name));
    }
    if (list_->count() > 0)
        list_->setCurrentRow(0);

    auto* buttons = new QVBoxLayout;
    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName("ok");
    ok->setDefault(true);
    auto* cancel = new QPushButton(tr("Cancel"), this);
    cancel->setObjectName("cancel");
    browse_ = new QPushButton(tr("Browse..."), this);
    browse_->setObjectName("browse");
    browse_->setAutoDefault(false);
    browse_->setVisible(browse && kind == Kind::GoPrograms);
    picture_ = new QLabel(this);
    picture_->setObjectName("picture");
    picture_->setFrameStyle(QFrame::Box | QFrame::Sunken);
    if (kind == Kind::GoPrograms)
        picture_->setFixedSize(kPreviewWidth + 4, kPreviewHeight + 4);
    else
        picture_->setFixedSize(kPictureSide + 4, kPictureSide + 4);
    picture_->setAlignment(Qt::AlignCenter);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addWidget(browse_);
    buttons->addStretch(1);
    buttons->addWidget(picture_);
    grid->addLayout(buttons, 0, 1, 2, 1);
    // 307 x 135 dialog units: about 460 x 220 pixels at the usual font.
    const QFontMetrics metrics(font());
    resize(metrics.averageCharWidth() * 307 / 4, metrics.height() * 135 / 8);

    connect(ok, &QPushButton::clicked, this, &FileListDialog::Take);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(browse_, &QPushButton::clicked, this, &FileListDialog::Browse);
    connect(list_, &QListWidget::itemDoubleClicked, this, &FileListDialog::Take);
    connect(list_, &QListWidget::currentRowChanged, this, &FileListDialog::ShowPicture);
    ShowPicture();
    list_->setFocus();
}

void FileListDialog::Take() {
    const QListWidgetItem* item = list_->currentItem();
    if (!item) {
        reject();
        return;
    }
    chosen_ = JoinPath(folder_, NameOf(*item));
    accept();
}

void FileListDialog::Browse() {
    const QString path = QFileDialog::getOpenFileName(this, TextQ(TextId::SelectGoProgramTitle),
                                                      QString::fromStdString(folder_),
                                                      tr("GO Program") + " (*.gop)");
    if (path.isEmpty())
        return;
    chosen_ = QFile::encodeName(path).toStdString();
    accept();
}

void FileListDialog::ShowPicture() {
    QImage picture;
    const qreal ratio = picture_->devicePixelRatioF();
    if (const QListWidgetItem* item = list_->currentItem()) {
        // The file itself, small, so that the child sees what it is.
        const std::string path = JoinPath(folder_, NameOf(*item));
        picture = kind_ == Kind::GoPrograms ? GoProgramPreview(path, folder_, ratio)
                                            : LoadBitmapImage(path);
    }
    if (picture.isNull()) {
        picture_->clear();
        return;
    }
    if (kind_ == Kind::Backgrounds &&
        (picture.width() > kPictureSide || picture.height() > kPictureSide)) {
        const int side = static_cast<int>(kPictureSide * ratio);
        picture = picture.scaled(side, side, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        picture.setDevicePixelRatio(ratio);
    }
    picture_->setPixmap(QPixmap::fromImage(picture));
}

} // namespace zf::ui
