#include "desktop/listing/go_container.h"

#include "desktop/frame/document.h"
#include "desktop/frame/tool_strip.h"
#include "desktop/listing/keypad_window.h"
#include "desktop/listing/list_view.h"
#include "desktop/listing/procedure_pane.h"
#include "files/picture_library.h"
#include "program/list_clicks.h"
#include "render/artwork.h"
#include "simulation/zarnik_state.h"

#include <QGuiApplication>
#include <QScreen>

namespace zf::ui {

namespace {

using Slot = ToolStrip::Slot;

// The tool bar's buttons, by the number each slot carries.
enum Tool : int {
    PositionKey = 1393,
    HeadingKey = 1392,
    PenUpKey = 1394,
    FlipZarnikKey = 1395,
    FlipStampKey = 1396,
    PlaceTextKey = 1325,
    EditTextKey = 1326,
    ToolPageMain = 1322,
    ToolPageStamps = 1323,
    ToolPageZarnik = 1324,
    LibraryShapesClick = 1424,
    LibraryPensClick = 1425,
    LibraryStampsClick = 1426,
};

Slot Button(int request, TextId tip, int image) {
    return Slot::Make(ToolStrip::Push, request, tip, image);
}

// The pages start at these cells of the strip.
std::vector<Slot> ProgCentrePage(GoToolPage page) {
    std::vector<Slot> tools(11);
    switch (page) {
    case GoToolPage::StampsAndText:
        tools[0] = Button(ToolPageMain, TextId::GoStampsBackTip, 2);
        tools[1] = Button(LibraryStampsClick, TextId::GoStampsTip, 3);
        tools[2] = Button(FlipStampKey, TextId::GoFlipStampTip, 4);
        tools[3] = Button(PlaceTextKey, TextId::GoCreateTextTip, 5);
        tools[4] = Button(EditTextKey, TextId::GoEditTextTip, 6);
        break;
    case GoToolPage::Zarnik:
        tools[0] = Button(ToolPageMain, TextId::GoZarnikBackTip, 9);
        tools[1] = Button(LibraryShapesClick, TextId::GoZarnikShapeTip, 10);
        tools[2] = Button(PositionKey, TextId::GoZarnikPositionTip, 11);
        tools[3] = Button(HeadingKey, TextId::GoZarnikDirectionTip, 12);
        tools[4] = Button(LibraryPensClick, TextId::GoPenDownTip, 13);
        tools[5] = Button(PenUpKey, TextId::GoPenUpTip, 14);
        tools[6] = Button(FlipZarnikKey, TextId::GoFlipZarnikTip, 15);
        break;
    default:
        tools[0] = Button(ToolPageStamps, TextId::GoStampsAndTextTip, 0);
        tools[1] = Button(ToolPageZarnik, TextId::GoZarnikToolsTip, 1);
        break;
    }
    return tools;
}

} // namespace

GoContainer::GoContainer(Document& document, QWidget* parent)
    : SplitPane(Qt::Vertical, parent), doc_(document) {
    setWindowTitle("Go Container");
    setObjectName("ZFGoContainer");
    toolBar_ = new ToolStrip(11, this);
    toolBar_->setWindowTitle("Tool Bar");
    toolBar_->setObjectName("ZFProgCentreToolBar");
    toolBar_->SetStrip(ProgramBitmap(artwork::ProgramIcons));
    keypad_ = new KeypadWindow(doc_.state, *doc_.editor, this);
    // The keypad is the robot's own: its keys keep their places in any language.
    keypad_->setLayoutDirection(Qt::LeftToRight);
    goList_ = new ListView(doc_.tables, doc_.project, GO_LIST, doc_.state);
    goList_->setWindowTitle("Go List");
    goList_->setObjectName("ZFGoList");
    goList_->SetEditor(doc_.editor.get());
    procList_ = new ListView(doc_.tables, doc_.project, PROC_LIST, doc_.state);
    procList_->setWindowTitle("Procedure");
    procList_->setObjectName("ZFProcedure");
    procList_->SetEditor(doc_.editor.get());
    lists_ = new ListsPane(goList_, procList_, this);
    doc_.ui.goList = goList_;
    connect(goList_, &ListView::lineClicked, this, [this](int line) {
        if (RunActive())
            return;
        ClickGoListLine(*doc_.editor, line);
    });
    ShowToolPage(GoToolPage::Main);
    connect(toolBar_, &ToolStrip::pushed, this,
            [this](const ToolStrip::Slot& slot) { ToolPushed(slot.request); });

    connect(keypad_, &KeypadWindow::keyEntered, this, [this](int code) { Key(code); });
    connect(keypad_, &KeypadWindow::keyClicked, this, [this] { doc_.ui.Play(Sound::KeyClick); });
    connect(keypad_, &KeypadWindow::clearMemoryRefused, this,
            [this] { Warn(doc_.ui, TextId::FinishDefiningFirst); });

    const QScreen* screen = QGuiApplication::primaryScreen();
    const int screenHeight = screen ? screen->size().height() : 768;
    SetSplitPosition(int(0.6 * (screenHeight - 45)));
}

ProcedurePane* GoContainer::procedurePane() const {
    return lists_->procedurePane();
}

void GoContainer::ShowToolPage(GoToolPage page) {
    toolBar_->SetSlots(ProgCentrePage(page));
}

void GoContainer::Key(int code, const KeyArgument& argument) {
    GoEditor& editor = *doc_.editor;
    const bool defining = editor.procedureBeingDefined != 0;
    EditHistory::Change change(doc_.history);
    const KeyStatus st = ContainerKey(editor, code, argument);
    if (st == status::Refused)
        return;
    if (defining)
        doc_.ui.BringProcedureWindowToTop();
    doc_.ui.Play(KeySoundFor(defining, st));
    if (st == status::DefinitionMade || st == status::DefinitionOpened)
        doc_.ui.BringProcedureWindowToTop();
    doc_.ui.RepaintList(GO_LIST, 1);
    doc_.ui.RepaintList(PROC_LIST, 1);
}

void GoContainer::EnterKey(int key, const QString& name) {
    if (RunActive()) {
        Warn(doc_.ui, TextId::GoProgramRunning);
        return;
    }
    KeyArgument argument;
    argument.name = name.toStdString();
    Key(key, argument);
}

void GoContainer::DefaultLayout() {
    SetSplitPosition(int(0.6 * (height() - 1)));
}

bool GoContainer::RunActive() const {
    return IsGoProgramActive(doc_.state);
}

void GoContainer::ToolPushed(int tool) {
    switch (tool) {
    case ToolPageMain:
        return ShowToolPage(GoToolPage::Main);
    case ToolPageStamps:
        return ShowToolPage(GoToolPage::StampsAndText);
    case ToolPageZarnik:
        return ShowToolPage(GoToolPage::Zarnik);
    default:
        break;
    }
    if (RunActive()) {
        Warn(doc_.ui, TextId::GoProgramRunning);
        return;
    }
    switch (tool) {
    case PenUpKey:
        return Key(key::PenUp);
    case FlipZarnikKey:
        return Key(key::FlipZarnik);
    case FlipStampKey:
        return Key(key::FlipStamp);
    case PlaceTextKey:
        return Key(key::PlaceText);
    case EditTextKey:
        return Key(key::EditText);
    case PositionKey:
        return emit positionKeyRequested();
    case HeadingKey:
        return emit headingKeyRequested();
    case LibraryShapesClick:
        return emit libraryRequested(library::Shapes, false);
    case LibraryPensClick:
        return emit libraryRequested(library::Pens, false);
    case LibraryStampsClick:
        return emit libraryRequested(library::Stamps, false);
    default:
        return;
    }
}

void GoContainer::Layout() {
    const int w = width(), h = height(), s = splitPosition();
    toolBar_->setGeometry(0, h - 45, w, 45);
    keypad_->setGeometry(0, s + 9, w, std::max(0, h - s - 54));
    lists_->setGeometry(0, 0, w, std::max(0, s - 1));
}

QRect GoContainer::BarRect() const {
    return QRect(0, splitPosition() - 1, width() - 1, 10);
}

} // namespace zf::ui
