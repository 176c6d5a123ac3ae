// Options > Language: the shipped languages, the switch that applies at once
// and what follows a change of language in the main window.

#include "desktop/shell/main_window.h"

#include "desktop/frame/translated_texts.h"
#include "desktop/shell/desktop_language.h"
#include "files/ini_file.h"
#include "i18n/language.h"

#include <QActionGroup>
#include <QEvent>
#include <QMenu>

namespace zf::ui {

void MainWindow::BuildLanguageMenu(QMenu* options) {
    QMenu* menu = options->addMenu(QString());
    menu->setObjectName("languageMenu");
    SetTranslated(menu, "title", "Menus", QT_TRANSLATE_NOOP("Menus", "L&anguage"));
    auto* group = new QActionGroup(menu);
    // Each language is named in its own words, whatever the current one.
    for (const i18n::Language& language : i18n::ShippedLanguages()) {
        QAction* a = menu->addAction(language.name);
        a->setData(language.code);
        a->setCheckable(true);
        group->addAction(a);
        connect(a, &QAction::triggered, this,
                [this, code = language.code] { ChooseLanguage(code); });
    }
    connect(menu, &QMenu::aboutToShow, this, [menu] {
        for (QAction* a : menu->actions())
            a->setChecked(a->data().toString() == i18n::CurrentLanguage());
    });
}

void MainWindow::ChooseLanguage(const QString& code) {
    if (!UseLanguage(code))
        return;
    EditOptionsFile([&](IniFile& ini) { RememberLanguage(ini, code); });
}

void MainWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        RetranslateTexts(this);
    QMainWindow::changeEvent(event);
}

} // namespace zf::ui
