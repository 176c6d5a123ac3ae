#include "desktop/shell/desktop_language.h"

#include "files/ini_file.h"
#include "i18n/language.h"

#include <QGuiApplication>
#include <QLocale>

namespace zf::ui {

QString RememberedLanguage(const IniFile& ini) {
    return QString::fromStdString(ini.GetString("language", "code", "")).trimmed();
}

void RememberLanguage(IniFile& ini, const QString& code) {
    ini.SetString("language", "code", code.toStdString());
}

bool UseLanguage(const QString& code) {
    const bool shipped = i18n::ApplyLanguage(code);
    // Dates (the printed listing's) follow the language too.
    QLocale::setDefault(QLocale(i18n::CurrentLanguage()));
    QGuiApplication::setLayoutDirection(
        i18n::IsRightToLeft(i18n::CurrentLanguage()) ? Qt::RightToLeft : Qt::LeftToRight);
    return shipped;
}

void StartInRememberedLanguage(const std::string& optionsPath) {
    const QString remembered = RememberedLanguage(IniFile::Load(optionsPath));
    // A remembered language no longer shipped falls back to the system's.
    if (remembered.isEmpty() || !UseLanguage(remembered))
        UseLanguage(i18n::SystemLanguage());
}

} // namespace zf::ui
