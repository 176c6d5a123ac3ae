#include "desktop/dialogs/background_dialog.h"
#include "desktop/dialogs/file_list_dialog.h"
#include "desktop/dialogs/floor_dialogs.h"
#include "desktop/dialogs/text_dialogs.h"
#include "desktop/dialogs/working_area_commands.h"
#include "desktop/help/about_box.h"
#include "desktop/help/activity_launcher.h"
#include "desktop/help/external_programs.h"
#include "desktop/printing/abort_dialog.h"
#include "files/bitmap.h"
#include "files/go_program_file.h"
#include "files/project_folder.h"
#include "program/string_table.h"
#include "render/working_area.h"
#include "simulation/text_placement.h"

#include "desktop_fixture.h"

#include <QAccessible>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSpinBox>
#include <QToolButton>

#include <filesystem>
#include <fstream>
#include <set>

namespace zf::ui {
namespace {

namespace fs = std::filesystem;

QLineEdit* Box(QWidget& dialog, const char* name) {
    return dialog.findChild<QLineEdit*>(name);
}

// Selects what the box holds (Ctrl+A) and types over it.
void Retype(QWidget* box, const char* text) {
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(box, text);
}

void Push(QWidget& dialog, const char* name) {
    QTest::mouseClick(dialog.findChild<QAbstractButton*>(name), Qt::LeftButton);
}

void Mouse(QWidget* widget, QEvent::Type type, QPoint global) {
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, widget->mapFromGlobal(global), global, button,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, {});
    QApplication::sendEvent(widget, &event);
}

class Dialogs : public DesktopTest {
  protected:
    void SetUp() override {
        folder = temp.path().toStdString();
        MakeProjectFolder(folder);
        MakeWindow();
        window->workingAreaCommands()->StartProgramsWith(
            [this](const std::string&, const std::vector<std::string>& arguments) {
                painted.push_back(arguments.back());
                return startResult;
            });
        window->StartupLoad("");
        doc().project.SetFromPath(folder.string() + "/");
        ShowWindow();
    }

    ZarnikState& state() { return doc().state; }

    // A button of the graphics tool bar, or of the Go Container's, on its page.
    void ClickTool(ToolPage page, int slot) {
        window->razAzi()->graphicsMain()->ShowToolPage(page);
        ClickSlot(graphicsBar(), slot);
    }
    void ClickGoTool(GoToolPage page, int slot) {
        go()->ShowToolPage(page);
        ClickSlot(goBar(), slot);
    }
    // A drag tool of the graphics tool bar released over the drawing window.
    void DropTool(ToolPage page, int slot, QPoint onDrawing) {
        window->razAzi()->graphicsMain()->ShowToolPage(page);
        QTest::mousePress(graphicsBar(), Qt::LeftButton, {}, ToolStrip::SlotRect(slot).center());
        QTest::mouseRelease(graphicsBar(), Qt::LeftButton, {},
                            graphicsBar()->mapFromGlobal(drawing()->mapToGlobal(onDrawing)));
        QApplication::processEvents();
    }

    fs::path folder;
    std::vector<std::string> painted;
    int startResult = kProgramStarted;
};

TEST_F(Dialogs, PositionTypedInStepsAndKeptInsideTheArea) {
    OnDialog<PositionDialog>([&](PositionDialog& d) {
        EXPECT_EQ(d.windowTitle(), "Set Zarnik Position");
        EXPECT_EQ(Box(d, "right")->text(), "0");
        EXPECT_EQ(Box(d, "up")->text(), "0");
        // Opened from the tool bar: its bottom-left corner on the bar's top-left.
        EXPECT_EQ(d.frameGeometry().bottomLeft() + QPoint(0, 1),
                  graphicsBar()->mapToGlobal(QPoint()));
        Retype(Box(d, "right"), "5");
        Retype(Box(d, "up"), "4.5");
        Push(d, "ok");
        EXPECT_TRUE(d.isVisible());
        EXPECT_EQ(shown.back().text, Text(TextId::ZarnikMustStayInArea, {4.5, 4.5}));
        Retype(Box(d, "right"), "4.5");
        QTest::keyClick(Box(d, "right"), Qt::Key_Return);
    });
    ClickTool(ToolPage::Zarnik, 2);
    EXPECT_EQ(state().homeX, 2850);
    EXPECT_EQ(state().homeY, 150);
    EXPECT_TRUE(doc().projectChanged);

    // During a run the working area tools open nothing.
    state().running = true;
    OnDialog<QDialog>([](QDialog& d) {
        ADD_FAILURE() << "opened during a run";
        d.reject();
    });
    ClickTool(ToolPage::Zarnik, 2);
    Settle();
    state().running = false;
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[1].id, TextId::GoProgramRunning);
}

TEST_F(Dialogs, HeadingPreviewTurnsOnlyTheCompass) {
    OnDialog<HeadingDialog>([&](HeadingDialog& d) {
        Retype(Box(d, "clockwise"), "90");
        Push(d, "preview");
        EXPECT_EQ(d.compass()->heading(), 90);
        EXPECT_EQ(state().heading, 0);
        Retype(Box(d, "clockwise"), "400");
        Push(d, "ok");
    });
    ClickTool(ToolPage::Zarnik, 3);
    EXPECT_EQ(state().heading, 40);
    EXPECT_EQ(state().homeHeading, 40);
}

TEST_F(Dialogs, SizeShowsTheAreaInStepsAndResizesIt) {
    OnDialog<SizeDialog>([&](SizeDialog& d) {
        EXPECT_EQ(Box(d, "width")->text(), "10");
        Retype(Box(d, "width"), "12");
        Retype(Box(d, "height"), "8");
        Push(d, "ok");
    });
    ClickTool(ToolPage::Background, 1);
    EXPECT_EQ(state().floorHeight, 2400);
    EXPECT_NEAR(double(drawing()->width()) / drawing()->height(), 1.5, 0.05);
}

TEST_F(Dialogs, KeyedGraphicCommandsAreListed) {
    OnDialog<PositionDialog>([](PositionDialog& d) { Push(d, "cancel"); });
    const std::vector<std::string> before = Lines();
    ClickGoTool(GoToolPage::Zarnik, 2);
    EXPECT_EQ(Lines(), before); // Cancel keys nothing

    OnDialog<PositionDialog>([](PositionDialog& d) {
        Retype(Box(d, "right"), "2");
        Retype(Box(d, "up"), "1");
        Push(d, "ok");
    });
    ClickGoTool(GoToolPage::Zarnik, 2);
    OnDialog<HeadingDialog>([](HeadingDialog& d) {
        Retype(Box(d, "clockwise"), "90");
        Push(d, "ok");
    });
    ClickGoTool(GoToolPage::Zarnik, 3);
    OnDialog<EnterTextDialog>([](EnterTextDialog& d) {
        EXPECT_EQ(d.windowTitle(), TextQ(TextId::EnterTextCaption));
        EXPECT_EQ(d.textBox()->toPlainText(), "Your Text");
        QTest::keyClicks(d.textBox(), "Hi"); // the whole text is selected at the start
        Push(d, "ok");
        OnDialog<TextPositionDialog>([](TextPositionDialog& where) {
            EXPECT_TRUE(where.sideButton(4)->isChecked());
            EXPECT_EQ(where.choiceLabel()->text(), "Bottom");
            QTest::mouseClick(where.sideButton(3), Qt::LeftButton);
            EXPECT_EQ(where.choiceLabel()->text(), "Top");
            Push(where, "ok");
        });
    });
    ClickGoTool(GoToolPage::StampsAndText, 3);
    EXPECT_EQ(state().x, 1500); // keyed, not applied
    EXPECT_EQ(Lines(), (std::vector<std::string>{"NAME(\"My Go Program.gop\")", "POS(2,1)",
                                                 "HEAD(90)", "TEXT(\"Hi\",3)"}));
}

TEST_F(Dialogs, CreateAndPlaceTextByDraggingTheSymbol) {
    OnDialog<EnterTextDialog>([&](EnterTextDialog& d) {
        QTest::keyClicks(d.textBox(), "Hello");
        EXPECT_GT(d.preview()->block().width(), 0);
        Push(d, "ok");
        OnDialog<PositionTextDialog>([&](PositionTextDialog& where) {
            QWidget* symbol = where.symbol();
            const QPoint home = where.pos();
            const QPoint grip = symbol->mapToGlobal(symbol->rect().center());
            // Dropped beside the drawing window: the dialog comes back.
            Mouse(symbol, QEvent::MouseButtonPress, grip);
            Mouse(symbol, QEvent::MouseMove, grip + QPoint(30, 0));
            EXPECT_NE(where.pos(), home);
            Mouse(symbol, QEvent::MouseButtonRelease, drawing()->mapToGlobal(QPoint(-5, 40)));
            EXPECT_EQ(where.pos(), home);
            EXPECT_TRUE(where.isVisible());
            Mouse(symbol, QEvent::MouseButtonPress, grip);
            Mouse(symbol, QEvent::MouseMove, grip + QPoint(0, -40));
            Mouse(symbol, QEvent::MouseButtonRelease, drawing()->mapToGlobal(QPoint(150, 120)));
        });
    });
    ClickTool(ToolPage::Stamps, 5);
    ASSERT_EQ(doc().objects.size(), 1u);
    const GraphicObject& text = doc().objects[0];
    const auto record = TextRecordOfObject(doc().tables, text);
    ASSERT_TRUE(record);
    EXPECT_EQ(record->placement, 2);
    EXPECT_EQ(record->x, PixelsToMm(state(), 150));
    EXPECT_EQ(DialogTextOf(doc().tables, *record), "Hello");
    // Measured and centred on the drop point.
    EXPECT_NEAR(text.x + text.width / 2, record->x, 10);
    EXPECT_TRUE(doc().projectChanged);

    // Without a mouse: Return or an arrow brings a mark over the working
    // area, the arrows move it, Return places the text under it.
    QPoint marked;
    OnDialog<EnterTextDialog>([&](EnterTextDialog& d) {
        Push(d, "ok");
        OnDialog<PositionTextDialog>([&](PositionTextDialog& where) {
            QWidget* keys = where.focusWidget() ? where.focusWidget() : &where;
            QTest::keyClick(keys, Qt::Key_Return);
            EXPECT_TRUE(where.isVisible());
            ASSERT_NE(where.mark(), nullptr);
            const QPoint first = where.mark()->pos();
            for (Qt::Key arrow : {Qt::Key_Down, Qt::Key_Right, Qt::Key_Right, Qt::Key_Down})
                QTest::keyClick(keys, arrow);
            EXPECT_EQ(where.mark()->pos(), first + QPoint(16, 16));
            EXPECT_EQ(where.mark()->parentWidget(), drawing());
            marked = where.mark()->pos() + QPoint(8, 8);
            QTest::keyClick(keys, Qt::Key_Return);
        });
    });
    ClickTool(ToolPage::Stamps, 5);
    ASSERT_EQ(doc().objects.size(), 2u);
    const auto keyed = TextRecordOfObject(doc().tables, doc().objects[1]);
    ASSERT_TRUE(keyed);
    EXPECT_EQ(keyed->x, PixelsToMm(state(), marked.x()));
    EXPECT_EQ(keyed->y, PixelsToMm(state(), marked.y()));
    EXPECT_EQ(drawing()->findChildren<QLabel*>().size(), 0);
}

TEST_F(Dialogs, EditTextReplacesTheTextUnderTheDrop) {
    TextObjectRecord record = DefaultTextObject(doc().tables);
    record.textId = doc().tables.texts.Add("Hello\r\nthere");
    GraphicObject* old = CreatePlacedText(doc().objects, record, 1500, 900, 0, 0);
    drawing()->ObjectPlaced(*old);
    const QPoint on(MmToPixels(state(), old->x + old->width / 2),
                    MmToPixels(state(), old->y + old->height / 2));

    DropTool(ToolPage::Stamps, 6, on + QPoint(0, 200)); // on empty floor: nothing
    OnDialog<EnterTextDialog>([](EnterTextDialog& d) {
        EXPECT_EQ(d.windowTitle(), TextQ(TextId::EditTextCaption));
        EXPECT_EQ(d.textBox()->toPlainText(), "Hello\nthere");
        QTest::keyClicks(d.textBox(), "Bye");
        Push(d, "ok");
    });
    DropTool(ToolPage::Stamps, 6, on);
    ASSERT_EQ(doc().objects.size(), 1u);
    EXPECT_EQ(DialogTextOf(doc().tables, *TextRecordOfObject(doc().tables, doc().objects[0])),
              "Bye");
}

TEST_F(Dialogs, OpenGoProgramChoosesFromTheSortedList) {
    KeySequence(*doc().editor, "FD 3");
    for (const char* name : {"b.gop", "A.gop", "c.GOP"}) {
        ASSERT_TRUE(SaveGoProgramAs(*doc().editor, (folder / name).string()));
        KeySequence(*doc().editor, "BK 1");
    }
    doc().editor->modified = 0;
    OnDialog<FileListDialog>([](FileListDialog& d) {
        EXPECT_EQ(d.windowTitle(), "Zarnikfield");
        ASSERT_EQ(d.list()->count(), 3);
        // Save Go Program saves anywhere, so Open offers Browse unless told not to.
        EXPECT_TRUE(d.browseButton()->isVisible());
        // The picture box shows the chosen program's listing.
        auto* box = d.findChild<QLabel*>("picture");
        const QImage first = box->pixmap().toImage();
        ASSERT_FALSE(first.isNull());
        d.list()->setCurrentRow(2);
        EXPECT_NE(box->pixmap().toImage(), first);
        QListWidgetItem* b = d.list()->item(1);
        const QPoint at = d.list()->visualItemRect(b).center();
        QTest::mouseClick(d.list()->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(d.list()->viewport(), Qt::LeftButton, {}, at);
        if (d.isVisible()) {
            ADD_FAILURE() << "a double click did not take the file";
            d.reject();
        }
    });
    window->Command(command::OpenGoProgram);
    EXPECT_EQ(Lines().size(), 2u);
    EXPECT_EQ(doc().tables.names.Get(doc().editor->Head(GO_LIST)->nameId),
              (folder / "b.gop").string());

    // File names are bytes: UTF-8 ones read as written, and one that is no
    // UTF-8 at all still opens the very file it names.
    for (const char* name : {"caf\xc3\xa9.gop", "caf\xe9.gop"})
        ASSERT_TRUE(SaveGoProgramAs(*doc().editor, (folder / name).string()));
    doc().editor->modified = 0;
    OnDialog<FileListDialog>([](FileListDialog& d) {
        ASSERT_EQ(d.list()->count(), 5);
        EXPECT_EQ(d.list()->item(3)->text(), QString::fromUtf8("caf\u00e9.gop"));
        d.list()->setCurrentRow(4);
        Push(d, "ok");
    });
    window->Command(command::OpenGoProgram);
    EXPECT_EQ(doc().tables.names.Get(doc().editor->Head(GO_LIST)->nameId),
              (folder / "caf\xe9.gop").string());
    EXPECT_TRUE(shown.empty());
    // Qt's own clean-up cannot name it.
    std::filesystem::remove(folder / "caf\xe9.gop");
}

TEST_F(Dialogs, BackgroundsAreLoadedCreatedAndEdited) {
    test::Recorder ui;
    ASSERT_TRUE(
        SaveBitmapFile(ui, (folder / "backgnds" / "town.bmp").string(), 30, 20, kSaveWhite));
    OnDialog<BackgroundDialog>([](BackgroundDialog& d) {
        EXPECT_FALSE(d.button(BackgroundDialog::Choice::Edit)->isEnabled());
        Push(d, "ok");
        OnDialog<FileListDialog>([](FileListDialog& files) {
            EXPECT_FALSE(files.browseButton()->isVisible());
            ASSERT_EQ(files.list()->count(), 1);
            Push(files, "ok");
        });
    });
    ClickTool(ToolPage::Background, 3);
    ASSERT_EQ(doc().objects.size(), 1u);
    EXPECT_EQ(doc().objects[0].kind, objectkind::Background);
    EXPECT_STREQ(doc().tables.names.Get(doc().objects[0].nameId), "town.bmp");

    auto choose = [this](BackgroundDialog::Choice choice) {
        OnDialog<BackgroundDialog>([choice](BackgroundDialog& d) {
            EXPECT_TRUE(d.button(BackgroundDialog::Choice::Edit)->isEnabled());
            QTest::mouseClick(d.button(choice), Qt::LeftButton);
            Push(d, "ok");
        });
        ClickTool(ToolPage::Background, 3);
    };
    choose(BackgroundDialog::Choice::Create);
    choose(BackgroundDialog::Choice::Edit);
    EXPECT_EQ(painted, (std::vector<std::string>{(folder / "backgnds" / "untitled.bmp").string(),
                                                 (folder / "backgnds" / "town.bmp").string()}));
    const auto blank = LoadPackedBitmap(painted[0]);
    ASSERT_TRUE(blank);
    const QSize screen = window->screen()->size();
    const FloorSteps size = BackgroundCreateSize(state(), screen.width(), screen.height());
    EXPECT_EQ(blank->Width(), size.width);
    EXPECT_EQ(blank->Height(), size.height);

    // A Create that no paint program takes leaves no blank picture behind.
    startResult = kStartFileNotFound;
    choose(BackgroundDialog::Choice::Create);
    EXPECT_FALSE(fs::exists(folder / "backgnds" / "untitled2.bmp"));
    EXPECT_EQ(shown.size(), 1u);
}

// A name typed without its extension is saved with it, so that Open lists
// it; replacing is asked for that very name, and No writes nothing.
TEST_F(Dialogs, SavedNamesGetTheirExtensionAndReplacingIsAskedForThem) {
    std::string typed = (folder / "mine").string();
    saveName = [&](const std::string&) { return typed; };
    KeySequence(*doc().editor, "FD 1");
    window->Command(command::SaveGoProgram);
    EXPECT_TRUE(fs::exists(folder / "mine.gop"));
    EXPECT_FALSE(fs::exists(folder / "mine"));
    const auto size = fs::file_size(folder / "mine.gop");

    KeySequence(*doc().editor, "BK 2");
    answer = Answer::No;
    window->Command(command::SaveGoProgram);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, "mine.gop already exists.\nDo you want to replace it?");
    EXPECT_EQ(fs::file_size(folder / "mine.gop"), size);
    EXPECT_TRUE(doc().editor->modified);
    answer = Answer::Yes;
    window->Command(command::SaveGoProgram);
    EXPECT_GT(fs::file_size(folder / "mine.gop"), size);
    EXPECT_FALSE(doc().editor->modified);

    typed = (folder / "lesson").string();
    window->Command(command::SaveProject);
    EXPECT_TRUE(fs::exists(folder / "lesson.zfp"));
    typed = (folder / "lesson.v2.zfp").string();
    window->Command(command::SaveProject);
    EXPECT_TRUE(fs::exists(folder / "lesson.v2.zfp"));
    EXPECT_EQ(shown.size(), 2u);
}

// Every dialog without a mouse: each field is named for a screen reader and
// reached by Tab with every button, and no access key is used twice.
TEST_F(Dialogs, EveryDialogIsNamedAndWalkedByTab) {
    TextObjectRecord record = DefaultTextObject(doc().tables);
    ExternalPrograms programs;
    std::vector<std::unique_ptr<QWidget>> dialogs;
    dialogs.emplace_back(new BackgroundDialog(window.get(), true));
    dialogs.emplace_back(
        new FileListDialog(window.get(), folder.string(), FileListDialog::Kind::GoPrograms, true));
    dialogs.emplace_back(new PositionDialog(window.get(), doc().ui, state()));
    dialogs.emplace_back(new HeadingDialog(window.get(), 90));
    dialogs.emplace_back(new SizeDialog(window.get(), doc().ui, state()));
    dialogs.emplace_back(new EnterTextDialog(window.get(), doc().tables, record, false));
    dialogs.emplace_back(new PositionTextDialog(window.get(), drawing()));
    dialogs.emplace_back(new TextPositionDialog(window.get(), 3));
    dialogs.emplace_back(new AbortDialog());
    dialogs.emplace_back(new AboutBox(QString()));
    dialogs.emplace_back(new ActivityLauncher(folder.string(), "zarnikfield", programs));
    for (const auto& dialog : dialogs) {
        const std::string title = dialog->metaObject()->className();
        dialog->show();
        QApplication::setActiveWindow(dialog.get());
        QApplication::processEvents();
        std::set<QWidget*> reached;
        for (int i = 0; i < 40 && QApplication::focusWidget(); ++i) {
            reached.insert(QApplication::focusWidget());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        std::set<QChar> keys;
        for (QWidget* w : dialog->findChildren<QWidget*>()) {
            if (!w->isVisibleTo(dialog.get()) || !w->isEnabled())
                continue;
            const bool field = qobject_cast<QLineEdit*>(w) || qobject_cast<QPlainTextEdit*>(w) ||
                               qobject_cast<QAbstractSpinBox*>(w) || qobject_cast<QComboBox*>(w) ||
                               qobject_cast<QListWidget*>(w);
            if (field) {
                EXPECT_FALSE(
                    QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name).isEmpty())
                    << title << " " << w->metaObject()->className();
            }
            if ((field || qobject_cast<QPushButton*>(w)) && (w->focusPolicy() & Qt::TabFocus)) {
                EXPECT_TRUE(reached.count(w)) << title << " " << w->metaObject()->className();
            }
            QString text;
            if (auto* label = qobject_cast<QLabel*>(w))
                text = label->text();
            else if (auto* button = qobject_cast<QAbstractButton*>(w))
                text = button->text();
            const int amp = text.remove("&&").indexOf('&');
            if (amp >= 0 && amp + 1 < text.size()) {
                EXPECT_TRUE(keys.insert(text[amp + 1].toLower()).second)
                    << title << " " << text.toStdString();
            }
        }
        dialog->hide();
    }
}

// Open Project offers projects only; an ini-form project still opens when
// its name is typed in full.
TEST_F(Dialogs, OpenProjectOffersProjectsAndOpensATypedIniProject) {
    std::ofstream(folder / "mat.ini") << "[floor size]\r\nx=6\r\ny=4\r\n";
    OnDialog<QFileDialog>([&](QFileDialog& d) {
        EXPECT_EQ(d.windowTitle(), "Select a project to open");
        EXPECT_EQ(d.nameFilters(), QStringList{"Project (*.zfp)"});
        EXPECT_EQ(d.fileMode(), QFileDialog::ExistingFile);
        d.selectFile(QString::fromStdString((folder / "mat.ini").string()));
        static_cast<QDialog&>(d).accept();
    });
    window->Command(command::OpenProject);
    EXPECT_EQ(state().floorWidth, 1800);
    EXPECT_EQ(state().floorHeight, 1200);
}

TEST_F(Dialogs, CopyAndSaveTheWorkingAreaPictureWithTheRobotOrWithout) {
    PenTrail& trail = doc().trail;
    trail.AppendTrailPoint(300, 1500);
    trail.SetTrailStyle(7); // black, wide
    trail.AppendTrailPoint(2700, 1500);
    // The robot a quarter of the way in from the top-left corner.
    SetHome(state(), 750, 750);
    state().x = state().y = 750;
    const QSize size = SaveGraphicsSize(state(), window->screen()->size());
    auto check = [&](const QImage& picture, bool robot) {
        ASSERT_EQ(picture.size(), size);
        EXPECT_EQ(QColor(picture.pixel(size.width() / 2, size.height() / 2)), QColor(Qt::black));
        EXPECT_EQ(QColor(picture.pixel(size.width() / 2, size.height() / 4)), QColor(Qt::white));
        EXPECT_EQ(QColor(picture.pixel(2, size.height() / 2)), QColor(Qt::white));
        EXPECT_EQ(QColor(picture.pixel(size.width() / 4, size.height() / 4)) != QColor(Qt::white),
                  robot);
    };

    // A temporary folder of its own, to see that nothing is left behind.
    const fs::path scratch = folder / "temp";
    fs::create_directories(scratch);
    const QByteArray oldTemp = qgetenv("TMPDIR");
    qputenv("TMPDIR", QByteArray::fromStdString(scratch.string()));
    window->Command(command::CopyWorkingArea);
    check(QApplication::clipboard()->image(), true);
    EXPECT_TRUE(fs::is_empty(scratch));
    qputenv("TMPDIR", oldTemp);

    // Saved as a background would be: without the robot, unless asked.
    std::string path = (folder / "area.bmp").string();
    saveName = [&](const std::string&) { return path; };
    window->Command(command::SaveWorkingArea);
    check(QImage(QString::fromStdString(path), "BMP"), false);

    path = (folder / "area.png").string();
    window->workingAreaCommands()->saveWithRobot = true;
    window->Command(command::SaveWorkingArea);
    check(QImage(QString::fromStdString(path), "PNG"), true);
    EXPECT_TRUE(shown.empty());

    // The dialog offers PNG and carries the robot's box, which it remembers.
    saveName = nullptr;
    OnDialog<QFileDialog>([&](QFileDialog& d) {
        EXPECT_TRUE(d.nameFilters().join(" ").contains("*.png"));
        auto* robot = d.findChild<QCheckBox*>("includeZarnik");
        ASSERT_NE(robot, nullptr);
        EXPECT_TRUE(robot->isChecked());
        robot->setChecked(false);
        d.selectFile(QString::fromStdString((folder / "unticked.png").string()));
        static_cast<QDialog&>(d).accept(); // as the Save button does
    });
    window->Command(command::SaveWorkingArea);
    EXPECT_FALSE(window->workingAreaCommands()->saveWithRobot);
    check(QImage(QString::fromStdString((folder / "unticked.png").string()), "PNG"), false);
}

} // namespace
} // namespace zf::ui
