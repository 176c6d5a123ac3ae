#include "language.h"

#include <cstdio>

#ifdef ZF_WITH_I18N
#include "i18n/language.h"
#endif

namespace zfield {

#ifdef ZF_WITH_I18N

void ChooseLanguage(const std::string& code) {
    const QString wanted = code.empty() ? zf::i18n::SystemLanguage() : QString::fromStdString(code);
    if (zf::i18n::ApplyLanguage(wanted))
        return;
    QStringList codes;
    for (const zf::i18n::Language& language : zf::i18n::ShippedLanguages())
        codes << language.code;
    std::fprintf(
        stderr, "%s\n",
        Tr(QT_TRANSLATE_NOOP("zfield", "zfield: there is no language '%s' here; English is used "
                                       "(languages: %s)"),
           {code, codes.join(QLatin1Char(' ')).toStdString()})
            .c_str());
}

std::string Tr(const char* english, std::initializer_list<zf::TextArg> args) {
    return zf::FormatText(zf::i18n::Translate("zfield", english).toStdString(), args);
}

#else

void ChooseLanguage(const std::string& code) {
    if (!code.empty() && code != "en")
        std::fprintf(stderr, "zfield: this build speaks English only\n");
}

std::string Tr(const char* english, std::initializer_list<zf::TextArg> args) {
    return zf::FormatText(english, args);
}

#endif

} // namespace zfield
