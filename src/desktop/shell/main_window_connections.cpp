#include "desktop/shell/main_window.h"

#include "desktop/dialogs/working_area_commands.h"
#include "desktop/help/help_commands.h"
#include "desktop/library/graphics_library.h"
#include "desktop/library/prog_centre_selector.h"
#include "desktop/listing/go_container.h"
#include "desktop/listing/keypad_window.h"
#include "desktop/listing/list_view.h"
#include "desktop/shell/handed_files.h"
#include "desktop/shell/projector_mode.h"
#include "desktop/shell/raz_azi.h"
#include "desktop/workarea/graphics_drawing.h"
#include "desktop/workarea/graphics_main.h"
#include "program/list_clicks.h"
#include "program/string_table.h"

#include <QAction>
#include <QGuiApplication>

namespace zf::ui {

// Every signal of the panes and the document meets its slot here. Run
// requests are queued behind what the event loop holds, so that a run
// starts or stops between two draws; drops wait for the drag to end. The
// rest is answered at once.
void MainWindow::ConnectPanes() {
    connect(&doc_, &Document::titleChanged, this, &MainWindow::SetTitleFor);
    connect(&doc_, &Document::workingAreaChanged, this, &MainWindow::WorkingAreaChanged);
    connect(&doc_, &Document::optionsLoaded, this, &MainWindow::ApplyProjectOptions);
    connect(&doc_, &Document::libraryReset, this, [this] { library_->ResetCategories(); });
    connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState s) {
        if (s == Qt::ApplicationActive) {
            library_->Activated();
            drawing()->update();
        }
    });
    connect(procList_, &ListView::lineClicked, this, [this](int line) {
        if (!drawing()->ProgramActive())
            ClickProcedureLine(*doc_.editor, line);
    });
    connect(help_, &HelpCommands::projectRequested, this,
            [this](const std::string& project) { OpenProjectCommand(project); });
    connect(handed_, &HandedFiles::openRequested, this, &MainWindow::OpenHandedFileNow);
    connect(projector_, &ProjectorMode::zoomChanged, this, [this](int percent) {
        razAzi_->graphicsMain()->SetZoomPercent(percent);
        goContainer()->goList()->SetZoomPercent(percent);
        procList_->SetZoomPercent(percent);
    });
    for (QAction* zoom :
         {projector_->zoomInAction(), projector_->zoomOutAction(), projector_->zoomResetAction()})
        connect(zoom, &QAction::triggered, this,
                [this] { RememberOption("view", "zoom", projector_->zoomPercent()); });
    doc_.history.changed = [this] { UpdateUndoActions(); };

    GraphicsMain* graphics = razAzi_->graphicsMain();
    GraphicsDrawing* drawing = graphics->drawing();
    GoContainer* go = goContainer();
    ProgCentreSelector* selector = library_->selector();
    const auto queued = Qt::QueuedConnection;

    connect(graphics, &GraphicsMain::runRequested, drawing, &GraphicsDrawing::Run, queued);
    connect(graphics, &GraphicsMain::stopRequested, drawing, &GraphicsDrawing::Stop, queued);
    connect(graphics, &GraphicsMain::continueRequested, drawing, &GraphicsDrawing::Continue,
            queued);
    connect(graphics, &GraphicsMain::resetRequested, drawing, &GraphicsDrawing::Reset, queued);
    connect(graphics, &GraphicsMain::stepRequested, drawing, &GraphicsDrawing::Step, queued);
    KeypadWindow* keypad = go->keypad();
    connect(keypad, &KeypadWindow::runRequested, drawing, &GraphicsDrawing::Run, queued);
    // A key during a run ends it where it is.
    connect(keypad, &KeypadWindow::stopRequested, drawing, &GraphicsDrawing::Stop, queued);
    connect(keypad, &KeypadWindow::stopRequested, drawing, &GraphicsDrawing::EndRun);
    connect(&doc_.ui, &DesktopUi::runRequested, drawing, &GraphicsDrawing::Run, queued);

    connect(graphics, &GraphicsMain::clearAllObjectsRequested, this,
            &MainWindow::ConfirmClearAllObjects);
    connect(graphics, &GraphicsMain::clearWorkingAreaRequested, this,
            &MainWindow::ConfirmClearWorkingArea);
    connect(graphics, &GraphicsMain::clearObjectRequested, drawing, &GraphicsDrawing::ClearObjectAt,
            queued);
    connect(graphics, &GraphicsMain::flipStampRequested, drawing, &GraphicsDrawing::FlipStampAt,
            queued);
    connect(graphics, &GraphicsMain::flipZarnikRequested, drawing, &GraphicsDrawing::FlipZarnik);
    connect(selector, &ProgCentreSelector::pictureDropped, drawing, &GraphicsDrawing::DropPicture,
            queued);
    selector->keyboardDropPoint = [drawing] { return drawing->mapToGlobal(drawing->RobotPixel()); };

    connect(graphics, &GraphicsMain::positionRequested, dialogs_,
            &WorkingAreaCommands::SetPosition);
    connect(graphics, &GraphicsMain::directionRequested, dialogs_,
            &WorkingAreaCommands::SetDirection);
    connect(graphics, &GraphicsMain::floorSizeRequested, dialogs_, &WorkingAreaCommands::SetSize);
    connect(graphics, &GraphicsMain::textRequested, dialogs_, &WorkingAreaCommands::CreateText);
    connect(graphics, &GraphicsMain::backgroundRequested, dialogs_,
            &WorkingAreaCommands::LoadOrCreateBackground);
    connect(graphics, &GraphicsMain::editTextRequested, dialogs_, &WorkingAreaCommands::EditText,
            queued);
    connect(go, &GoContainer::positionKeyRequested, dialogs_, &WorkingAreaCommands::KeyedPosition);
    connect(go, &GoContainer::headingKeyRequested, dialogs_, &WorkingAreaCommands::KeyedHeading);

    connect(graphics, &GraphicsMain::libraryRequested, library_, &GraphicsLibrary::ShowCategory);
    connect(go, &GoContainer::libraryRequested, library_, &GraphicsLibrary::ShowCategory);
    connect(selector, &ProgCentreSelector::keyEntered, go, &GoContainer::EnterKey);
}

void MainWindow::ConfirmClearAllObjects() {
    if (doc_.ui.Ask(TextId::ClearAllObjectsQuestion, Text(TextId::ClearAllObjectsQuestion),
                    Buttons::YesNo) == Answer::Yes)
        drawing()->ClearAllObjects();
}

void MainWindow::ConfirmClearWorkingArea() {
    if (doc_.ui.Ask(TextId::ClearAllGraphicsQuestion, Text(TextId::ClearAllGraphicsQuestion),
                    Buttons::YesNo) == Answer::Yes)
        drawing()->ClearWorkingArea();
}

} // namespace zf::ui
