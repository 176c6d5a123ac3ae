#include "desktop/dialogs/working_area_commands.h"

#include "desktop/dialogs/background_dialog.h"
#include "desktop/dialogs/file_list_dialog.h"
#include "desktop/dialogs/floor_dialogs.h"
#include "desktop/dialogs/text_dialogs.h"
#include "desktop/frame/document.h"
#include "desktop/frame/tool_strip.h"
#include "desktop/listing/go_container.h"
#include "desktop/workarea/graphics_drawing.h"
#include "desktop/workarea/graphics_main.h"
#include "files/bitmap.h"
#include "files/file_list.h"
#include "files/lesson_folder.h"
#include "files/paths.h"
#include "files/project_folder.h"
#include "program/string_table.h"
#include "program/texts.h"
#include "program/unnumbered_texts.h"
#include "render/working_area.h"
#include "simulation/object_tools.h"
#include "simulation/text_placement.h"
#include "simulation/working_area_dialogs.h"

#include <QCheckBox>
#include <QClipboard>
#include <QFileDialog>
#include <QGridLayout>
#include <QGuiApplication>
#include <QImageWriter>
#include <QMimeData>
#include <QSaveFile>
#include <QScreen>

#include <filesystem>

namespace zf::ui {

namespace {

std::string BackgroundsFolder(const Project& project) {
    return (std::filesystem::path(project.folder) / "backgnds").string();
}

// The backgrounds folder where the user may write, else where saving goes.
std::string SavedPictureFolder(const Project& project) {
    const std::string folder = SaveDialogFolder(project);
    const std::string backgrounds = ResolvePath(JoinPath(folder, "backgnds"));
    return DirectoryExists(backgrounds) ? backgrounds : folder;
}

bool IsPngName(const std::string& path) {
    return QString::fromStdString(path).endsWith(".png", Qt::CaseInsensitive);
}

} // namespace

WorkingAreaCommands::WorkingAreaCommands(Document& document, GraphicsMain* graphics,
                                         GoContainer* go, QWidget* owner)
    : QObject(owner), doc_(document), graphics_(graphics), go_(go), owner_(owner) {}

bool WorkingAreaCommands::Refused() const {
    return RefuseWhileRunning(doc_.ui, doc_.state);
}

QSize WorkingAreaCommands::ScreenSize() const {
    const QScreen* screen = owner_ ? owner_->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->size() : QSize(1024, 768);
}

void WorkingAreaCommands::SetPosition() {
    EditHistory::Change change(doc_.history);
    if (Refused())
        return;
    PositionDialog dialog(owner_, doc_.ui, doc_.state);
    dialog.PlaceOverToolBar(graphics_->toolBar());
    if (dialog.exec() != QDialog::Accepted)
        return;
    SetHome(doc_.state, dialog.result().x, dialog.result().y);
    doc_.projectChanged = true;
    graphics_->drawing()->Rebuild();
}

void WorkingAreaCommands::SetDirection() {
    EditHistory::Change change(doc_.history);
    if (Refused())
        return;
    HeadingDialog dialog(owner_, doc_.state.heading);
    dialog.PlaceOverToolBar(graphics_->toolBar());
    if (dialog.exec() != QDialog::Accepted)
        return;
    SetHomeHeading(doc_.state, dialog.result());
    // The heading is saved with the project, so a change must be offered
    // for saving like any other.
    doc_.projectChanged = true;
    graphics_->drawing()->Rebuild();
}

void WorkingAreaCommands::SetSize() {
    EditHistory::Change change(doc_.history);
    if (Refused())
        return;
    SizeDialog dialog(owner_, doc_.ui, doc_.state);
    dialog.PlaceOverToolBar(graphics_->toolBar());
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (ResizeWorkingArea(doc_.ui, doc_.state, doc_.trail, doc_.objects, dialog.result()) !=
        ResizeResult::Resized)
        return;
    doc_.projectChanged = true;
    doc_.WorkingAreaChanged();
    graphics_->drawing()->Rebuild();
}

void WorkingAreaCommands::CreateText() {
    EditHistory::Change change(doc_.history);
    if (Refused())
        return;
    EnterTextDialog text(owner_, doc_.tables, DefaultTextObject(doc_.tables), false);
    if (text.exec() != QDialog::Accepted)
        return;
    GraphicsDrawing* drawing = graphics_->drawing();
    PositionTextDialog where(owner_, drawing);
    if (where.exec() != QDialog::Accepted)
        return;
    const ZarnikState& state = doc_.state;
    const QSize first = text.firstSizeMm();
    GraphicObject* made =
        CreatePlacedText(doc_.objects, text.record(), PixelsToMm(state, where.point().x()),
                         PixelsToMm(state, where.point().y()), first.width(), first.height());
    doc_.projectChanged = true;
    drawing->ObjectPlaced(*made);
}

void WorkingAreaCommands::EditText(QPoint at) {
    EditHistory::Change change(doc_.history);
    if (Refused())
        return;
    GraphicObject* old = FindObjectAt(doc_.state, doc_.objects, at.x(), at.y());
    if (!old || old->kind != objectkind::Text)
        return;
    const auto record = TextRecordOfObject(doc_.tables, *old);
    if (!record)
        return;
    EnterTextDialog text(owner_, doc_.tables, *record, true);
    if (text.exec() != QDialog::Accepted)
        return;
    const QSize first = text.firstSizeMm();
    GraphicObject* made =
        ReplaceTextObject(doc_.objects, *old, text.record(), first.width(), first.height());
    doc_.projectChanged = true;
    graphics_->drawing()->ObjectPlaced(*made);
}

bool WorkingAreaCommands::StartPaint(const std::string& path) {
    return StartPaintPackage(doc_.ui, doc_.project, path, startProgram_);
}

void WorkingAreaCommands::LoadOrCreateBackground() {
    EditHistory::Change change(doc_.history);
    if (Refused())
        return;
    GraphicObjectList& objects = doc_.objects;
    const bool hasBackground = !objects.empty() && objects[0].kind == objectkind::Background;
    BackgroundDialog dialog(owner_, hasBackground);
    dialog.PlaceOverToolBar(graphics_->toolBar());
    if (dialog.exec() != QDialog::Accepted)
        return;
    const std::string folder = BackgroundsFolder(doc_.project);
    switch (dialog.choice()) {
    case BackgroundDialog::Choice::Load: {
        FileListDialog files(owner_, folder, FileListDialog::Kind::Backgrounds, false);
        if (files.exec() != QDialog::Accepted || files.chosen().empty())
            return;
        const std::string name = std::filesystem::path(files.chosen()).filename().string();
        const ZarnikState& state = doc_.state;
        objects.CreateGraphicObject(name, objectkind::Background, state.floorWidth / 2,
                                    state.floorHeight / 2, 0, 0, 0, 0);
        doc_.projectChanged = true;
        graphics_->drawing()->RepaintWorkingArea();
        return;
    }
    case BackgroundDialog::Choice::Create: {
        // A new name each time: an earlier drawing is never painted over.
        const std::string path =
            (std::filesystem::path(folder) / FreeFileName(folder, "untitled", ".bmp")).string();
        const QSize screen = ScreenSize();
        const FloorSteps size = BackgroundCreateSize(doc_.state, screen.width(), screen.height());
        // A blank picture nobody can paint on is not left behind.
        if (SaveBitmapFile(doc_.ui, path, size.width, size.height, kSaveWhite) &&
            !StartPaint(path)) {
            std::error_code ignored;
            std::filesystem::remove(path, ignored);
        }
        return;
    }
    case BackgroundDialog::Choice::Edit:
        if (hasBackground)
            StartPaint((std::filesystem::path(folder) / doc_.tables.names.Get(objects[0].nameId))
                           .string());
        return;
    }
}

QImage WorkingAreaCommands::WorkingAreaPicture(bool withRobot) const {
    const QSize size = SaveGraphicsSize(doc_.state, ScreenSize());
    if (size.isEmpty())
        return {};
    WorkingAreaScene scene{doc_.state, doc_.trail, doc_.objects, doc_.project.folder};
    const float zoom = std::min(static_cast<float>(size.width()) / doc_.state.floorWidth,
                                static_cast<float>(size.height()) / doc_.state.floorHeight) *
                       1000.0f;
    return WorkingAreaPictureAt(size, zoom, scene, withRobot);
}

void WorkingAreaCommands::CopyWorkingArea() {
    EditHistory::Change change(doc_.history);
    // Pasted into a worksheet, the picture shows where the robot stands.
    const QImage picture = WorkingAreaPicture(true);
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (picture.isNull() || !clipboard) {
        Warn(doc_.ui, TextId::CannotOpenClipboard);
        return;
    }
    clipboard->setImage(picture);
    const QMimeData* offered = clipboard->mimeData();
    if (!offered || !offered->hasImage())
        Warn(doc_.ui, TextId::CannotOpenClipboard);
}

std::string WorkingAreaCommands::ChooseSaveFile() {
    if (auto name = doc_.ui.standIn() ? doc_.ui.standIn()->SaveFileName("Bitmaps") : std::nullopt)
        return *name;
    QFileDialog dialog(owner_, TextQ(TextId::SaveGraphicsWindowTitle),
                       QString::fromStdString(SavedPictureFolder(doc_.project)));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // The dialog of our own, so that it can carry the robot's box.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    // PNG as well: that is what worksheets take.
    dialog.setNameFilters({tr("Bitmaps") + " (*.bmp)", tr("PNG pictures") + " (*.png)"});
    dialog.setDefaultSuffix("bmp");
    connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& filter) {
        dialog.setDefaultSuffix(filter.endsWith("(*.png)") ? "png" : "bmp");
    });
    auto* robot = new QCheckBox(tr("Include the &Zarnik"), &dialog);
    robot->setObjectName("includeZarnik");
    robot->setChecked(saveWithRobot);
    if (auto* grid = qobject_cast<QGridLayout*>(dialog.layout()))
        grid->addWidget(robot, grid->rowCount(), 0, 1, grid->columnCount());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    saveWithRobot = robot->isChecked();
    return dialog.selectedFiles().first().toStdString();
}

void WorkingAreaCommands::SaveWorkingArea() {
    EditHistory::Change change(doc_.history);
    const std::string path = ChooseSaveFile();
    if (path.empty())
        return;
    const QSize size = SaveGraphicsSize(doc_.state, ScreenSize());
    if (!IsPngName(path)) {
        WorkingAreaScene scene{doc_.state, doc_.trail, doc_.objects, doc_.project.folder};
        SaveWorkingAreaBitmap(doc_.ui, path, size.width(), size.height(), scene, saveWithRobot);
        return;
    }
    // Written beside the target and put in its place only when whole.
    QSaveFile file(QString::fromStdString(path));
    const QImage picture = WorkingAreaPicture(saveWithRobot);
    if (picture.isNull() || !file.open(QIODevice::WriteOnly)) {
        Warn(doc_.ui, TextId::FileOpenError);
        return;
    }
    QImageWriter writer(&file, "png");
    if (!writer.write(picture) || !file.commit())
        Warn(doc_.ui, TextId::FileOpenError);
}

void WorkingAreaCommands::KeyedPosition() {
    EditHistory::Change change(doc_.history);
    PositionDialog dialog(owner_, doc_.ui, doc_.state);
    if (dialog.exec() != QDialog::Accepted)
        return;
    KeyArgument argument;
    argument.value1 = dialog.result().x;
    argument.value2 = dialog.result().y;
    go_->Key(key::SetPosition, argument);
}

void WorkingAreaCommands::KeyedHeading() {
    EditHistory::Change change(doc_.history);
    HeadingDialog dialog(owner_, doc_.state.heading);
    if (dialog.exec() != QDialog::Accepted)
        return;
    KeyArgument argument;
    argument.value1 = dialog.result();
    go_->Key(key::SetHeading, argument);
}

std::string ChooseGoProgramFile(QWidget* owner, DesktopUi& ui, const std::string& folder,
                                bool browse) {
    if (!std::filesystem::is_directory(folder)) {
        ui.WarningBox(kUnnumbered, Translated(unnumbered::kSubdirectoryNotFound));
        return {};
    }
    FileListDialog files(owner, folder, FileListDialog::Kind::GoPrograms, browse);
    if (files.exec() != QDialog::Accepted)
        return {};
    return files.chosen();
}

} // namespace zf::ui
