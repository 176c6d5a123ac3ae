#pragma once

#include <QList>
#include <QString>

// The program's languages: English in the code, every other one a
// zarnikfield_<code>.qm in a "translations" folder beside the programs, or in
// the data folder when installed. Adding a language needs no code.
namespace zf::i18n {

struct Language {
    QString code;
    QString name; // in its own language: "Deutsch"
};

// English first, then every language whose translation is found.
QList<Language> ShippedLanguages();

// The first of LANGUAGE (a colon-separated list), LC_ALL, LC_MESSAGES, LANG
// and the system's locale that names a shipped language, else "en".
QString SystemLanguage();

// Swaps the running application's translators (ours and Qt's own) for those
// of the language, when there is an application, and routes the core's texts
// through them. "en" is English.
// False, with English in use, when the language is not shipped.
bool ApplyLanguage(const QString& code);
QString CurrentLanguage();

bool IsRightToLeft(const QString& code);

// A text in the current language, also before (or without) an application
// object, as the command line needs.
QString Translate(const char* context, const char* english);

} // namespace zf::i18n
