#include "desktop/listing/go_container.h"

#include "desktop/frame/app_messages.h"
#include "desktop/frame/document.h"
#include "desktop/frame/tool_strip.h"
#include "desktop/listing/keypad_window.h"
#include "desktop/listing/list_view.h"
#include "desktop/listing/procedure_pane.h"
#include "program/list_clicks.h"
#include "render/artwork.h"
#include "simulation/zarnik_state.h"

#include <QGuiApplication>
#include <QScreen>

namespace zf::ui {

namespace {

using Slot = ToolStrip::Slot;

Slot Button(int request, TextId tip, int image) {
    return Slot::Make(ToolStrip::Push, request, tip, image);
}

// The pages start at these cells of the strip.
std::vector<Slot> ProgCentrePage(GoToolPage page) {
    std::vector<Slot> tools(11);
    switch (page) {
    case GoToolPage::StampsAndText:
        tools[0] = Button(1322, TextId::GoStampsBackTip, 2);
        tools[1] = Button(1426, TextId::GoStampsTip, 3);
        tools[2] = Button(msg::FlipStampKey, TextId::GoFlipStampTip, 4);
        tools[3] = Button(msg::PlaceTextKey, TextId::GoCreateTextTip, 5);
        tools[4] = Button(msg::EditTextKey, TextId::GoEditTextTip, 6);
        break;
    case GoToolPage::Zarnik:
        tools[0] = Button(1322, TextId::GoZarnikBackTip, 9);
        tools[1] = Button(1424, TextId::GoZarnikShapeTip, 10);
        tools[2] = Button(msg::PositionKey, TextId::GoZarnikPositionTip, 11);
        tools[3] = Button(msg::HeadingKey, TextId::GoZarnikDirectionTip, 12);
        tools[4] = Button(1425, TextId::GoPenDownTip, 13);
        tools[5] = Button(msg::PenUpKey, TextId::GoPenUpTip, 14);
        tools[6] = Button(msg::FlipZarnikKey, TextId::GoFlipZarnikTip, 15);
        break;
    default:
        tools[0] = Button(1323, TextId::GoStampsAndTextTip, 0);
        tools[1] = Button(1324, TextId::GoZarnikToolsTip, 1);
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
    keypad_ = new KeypadWindow(this);
    goList_ = new ListView(GO_LIST);
    goList_->setWindowTitle("Go List");
    goList_->setObjectName("ZFGoList");
    goList_->SetEditor(doc_.editor.get());
    procList_ = new ListView(PROC_LIST);
    procList_->setWindowTitle("Procedure");
    procList_->setObjectName("ZFProcedure");
    procList_->SetEditor(doc_.editor.get());
    lists_ = new ListsPane(goList_, procList_, this);
    doc_.ui.goList = goList_;
    goList_->clicked = [this](int line) {
        if (runActive && runActive())
            return;
        ClickGoListLine(*doc_.editor, line);
    };
    ShowToolPage(GoToolPage::Main);
    toolBar_->pushed = [this](const ToolStrip::Slot& slot) {
        if (slot.request >= 1322 && slot.request <= 1324) {
            ShowToolPage(slot.request == 1322   ? GoToolPage::Main
                         : slot.request == 1323 ? GoToolPage::StampsAndText
                                                : GoToolPage::Zarnik);
            return;
        }
        if (runActive && runActive()) {
            Warn(doc_.ui, TextId::GoProgramRunning);
            return;
        }
        SendAppMessage(mainWindow, slot.request, 0);
    };

    KeypadWindow::Hooks hooks;
    hooks.runActive = [this] { return runActive && runActive(); };
    hooks.procedureBeingDefined = [this] { return int(doc_.editor->procedureBeingDefined); };
    hooks.sendKey = [this](int code) { Key(code); };
    hooks.requestRun = [this] { PostAppMessage(drawing, msg::Run, 1); };
    hooks.requestStop = [this] {
        PostAppMessage(drawing, msg::Stop);
        SendAppMessage(drawing, msg::EndRun);
    };
    hooks.keySound = [this] { doc_.ui.KeyClick(); };
    hooks.refuseClearMemory = [this] { Warn(doc_.ui, TextId::FinishDefiningFirst); };
    keypad_->SetHooks(hooks);

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
    if (defining) {
        doc_.ui.BringProcedureWindowToTop();
        if (st == status::DefinitionMade)
            doc_.ui.KeyClick();
        else
            doc_.ui.SecondKeySound();
    } else {
        doc_.ui.KeyClick();
    }
    if (st == status::DefinitionMade || st == status::DefinitionOpened)
        doc_.ui.BringProcedureWindowToTop();
    doc_.ui.RepaintList(GO_LIST, 1);
    doc_.ui.RepaintList(PROC_LIST, 1);
}

bool GoContainer::event(QEvent* event) {
    if (!IsAppMessage(event))
        return SplitPane::event(event);
    auto* m = static_cast<AppMessage*>(event);
    KeyArgument argument;
    switch (m->number()) {
    case msg::Key:
        argument.value1 = static_cast<std::int32_t>(m->second);
        argument.name = m->name.toStdString();
        Key(static_cast<int>(m->first), argument);
        return true;
    case msg::PenUpKey:
        Key(key::PenUp);
        return true;
    case msg::FlipZarnikKey:
        Key(key::FlipZarnik);
        return true;
    case msg::FlipStampKey:
        Key(key::FlipStamp);
        return true;
    case msg::PlaceTextKey:
        Key(key::PlaceText);
        return true;
    case msg::EditTextKey:
        Key(key::EditText);
        return true;
    case msg::DefaultGoLayout:
        SetSplitPosition(int(0.6 * (height() - 1)));
        return true;
    default:
        return true;
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
