#pragma once

#include <QString>

#include <string>

namespace zf {
class IniFile;
}

namespace zf::ui {

// The options file keeps the chosen language as `code` in `[language]`;
// none means the system's language.
QString RememberedLanguage(const IniFile& ini);
void RememberLanguage(IniFile& ini, const QString& code);

// Shows the program in `code`: the texts and, for a right-to-left language,
// the mirrored layout. False (and English) when `code` is not shipped.
bool UseLanguage(const QString& code);

// At start: the language remembered in the options file at `optionsPath`,
// else the system's.
void StartInRememberedLanguage(const std::string& optionsPath);

} // namespace zf::ui
