#include "desktop/dialogs/floor_dialogs.h"
#include "desktop/dialogs/text_dialogs.h"
#include "desktop/frame/tool_strip.h"
#include "desktop/library/graphics_library.h"
#include "desktop/library/prog_centre_options.h"
#include "desktop/listing/go_container.h"
#include "desktop/listing/list_view.h"
#include "desktop/listing/procedure_pane.h"
#include "desktop/shell/desktop_language.h"
#include "desktop/shell/raz_azi.h"
#include "desktop/workarea/graphics_main.h"
#include "files/ini_file.h"
#include "i18n/language.h"
#include "program/text_object.h"

#include "desktop_fixture.h"

#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QTranslator>

namespace zf::ui {
namespace {

class Language : public DesktopTest {
  protected:
    void SetUp() override {
        options = temp.filePath("zfield.ini").toStdString();
        MakeWindow({1024, 768}, options);
        window->StartupLoad("");
        ShowWindow();
    }
    void TearDown() override {
        QCoreApplication::removeTranslator(&translation);
        UseLanguage("en");
        DesktopTest::TearDown();
    }
    QStringList MenuTitles() const {
        QStringList titles;
        for (const QAction* a : window->menuBar()->actions())
            titles << a->text();
        return titles;
    }
    QStringList PaneTips() const {
        QStringList tips;
        for (const QToolButton* b : window->procedurePane()->findChildren<QToolButton*>())
            tips << b->toolTip();
        return tips;
    }

    std::string options;
    QTranslator translation;
};

TEST_F(Language, MenusPanesAndNewDialogsFollowATranslationAndEnglishComesBack) {
    const QStringList english = MenuTitles();
    const QStringList englishTips = PaneTips();
    ASSERT_TRUE(translation.load(ZF_TEST_QM));
    QCoreApplication::installTranslator(&translation);
    Settle();
    EXPECT_EQ(MenuTitles().first(), "&Datei");
    EXPECT_TRUE(MenuTitles().contains("&Optionen"));
    EXPECT_EQ(window->Action(command::Exit)->text(), "&Beenden");
    EXPECT_EQ(window->procedurePane()->windowTitle(), "Unterprogramm");
    EXPECT_TRUE(PaneTips().contains("Verkleinern"));
    EXPECT_EQ(SizeDialog(window.get(), doc().ui, doc().state).windowTitle(),
              "Größe der Spielfläche");
    // A longer word widens its button rather than shrinking its type.
    const QPushButton* edit = window->library()->options()->button(ProgCentreOptions::Edit);
    EXPECT_EQ(edit->text(), "Bearbeiten");
    EXPECT_EQ(edit->font().pointSizeF(), window->library()->font().pointSizeF());
    EXPECT_LT(edit->fontMetrics().horizontalAdvance(edit->text()), edit->width() - 8);
    const EnterTextDialog text(window.get(), doc().tables, DefaultTextObject(doc().tables), false);
    EXPECT_EQ(text.findChild<QPlainTextEdit*>()->toPlainText(), "Dein Text");

    QCoreApplication::removeTranslator(&translation);
    Settle();
    EXPECT_EQ(MenuTitles(), english);
    EXPECT_EQ(PaneTips(), englishTips);
    EXPECT_EQ(window->Action(command::Exit)->text(), "E&xit");
}

TEST_F(Language, TheMenuOffersEachShippedLanguageAndTheChoiceLastsToTheNextStart) {
    auto* menu = window->findChild<QMenu*>("languageMenu");
    ASSERT_NE(menu, nullptr);
    const QList<i18n::Language> shipped = i18n::ShippedLanguages();
    ASSERT_EQ(menu->actions().size(), shipped.size());
    emit menu->aboutToShow();
    for (int i = 0; i < shipped.size(); ++i) {
        EXPECT_EQ(menu->actions()[i]->text(), shipped[i].name);
        EXPECT_EQ(menu->actions()[i]->isChecked(), shipped[i].code == i18n::CurrentLanguage());
    }

    const i18n::Language& chosen = shipped.back();
    menu->actions().back()->trigger();
    EXPECT_EQ(i18n::CurrentLanguage(), chosen.code);
    EXPECT_EQ(QGuiApplication::layoutDirection(),
              i18n::IsRightToLeft(chosen.code) ? Qt::RightToLeft : Qt::LeftToRight);
    EXPECT_EQ(RememberedLanguage(IniFile::Load(options)), chosen.code);

    UseLanguage("en");
    StartInRememberedLanguage(options);
    EXPECT_EQ(i18n::CurrentLanguage(), chosen.code);
    // A remembered language that is no longer shipped gives the system's.
    IniFile gone;
    RememberLanguage(gone, "zz");
    ASSERT_TRUE(gone.Save(options));
    StartInRememberedLanguage(options);
    EXPECT_EQ(i18n::CurrentLanguage(), i18n::SystemLanguage());
}

TEST_F(Language, RightToLeftMirrorsTheWindowButNotTheWorkingAreaOrTheKeypad) {
    UseLanguage("en");
    QGuiApplication::setLayoutDirection(Qt::RightToLeft);
    Settle();
    EXPECT_EQ(drawing()->layoutDirection(), Qt::LeftToRight);
    EXPECT_EQ(keypad()->layoutDirection(), Qt::LeftToRight);
    // The Procedure window's caption buttons move to its left end.
    const int middle = window->procedurePane()->width() / 2;
    for (const QToolButton* b : window->procedurePane()->findChildren<QToolButton*>())
        EXPECT_LT(b->geometry().right(), middle);
    const QToolButton* close = window->library()->findChild<QToolButton*>();
    EXPECT_LT(close->geometry().right(), window->library()->width() / 2);

    // The Go Container lies left of the working area, the Procedure window
    // left of the Go List, and the tool bars start from their right ends.
    EXPECT_LT(go()->geometry().right(), window->razAzi()->graphicsMain()->geometry().left());
    go()->lists()->SetPlace({ListsPane::Dock::Beside, 50});
    EXPECT_LT(window->procedurePane()->geometry().right(), go()->goList()->geometry().left());
    for (const ToolStrip* bar : {graphicsBar(), goBar()}) {
        const QRect first = bar->ButtonRect(0);
        EXPECT_GT(first.left(), bar->width() / 2);
        EXPECT_EQ(bar->TipAt(first.center()), bar->tools()[0].tip);
    }

    // Underlined access keys would split joined letters, also in the parts
    // kept left to right.
    const QStyle* style = QApplication::style();
    EXPECT_EQ(style->styleHint(QStyle::SH_UnderlineShortcut, nullptr, window->menuBar()), 0);
    EXPECT_EQ(style->styleHint(QStyle::SH_UnderlineShortcut, nullptr, keypad()), 0);

    // The Set Position cross stands for the working area: Left stays left.
    PositionDialog position(window.get(), doc().ui, doc().state);
    position.show();
    Settle();
    const auto x = [&position](const char* box) {
        return position.findChild<QWidget*>(box)->mapTo(&position, QPoint()).x();
    };
    EXPECT_LT(x("left"), x("up"));
    EXPECT_LT(x("up"), x("right"));

    QGuiApplication::setLayoutDirection(Qt::LeftToRight);
    EXPECT_NE(style->styleHint(QStyle::SH_UnderlineShortcut, nullptr, window->menuBar()), 0);
}

} // namespace
} // namespace zf::ui
