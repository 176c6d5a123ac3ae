#pragma once

#include "program/texts.h"

#include <initializer_list>
#include <string>

// zfield's own texts are marked for Qt's lupdate with QT_TRANSLATE_NOOP and
// the context "zfield", and shown through Tr. A build without Qt has no
// translations and speaks English.
#ifdef ZF_WITH_I18N
#include <QtGlobal>
#else
#define QT_TRANSLATE_NOOP(context, text) text
#endif

namespace zfield {

// Chooses the language of zfield and of the core's messages: `code`, or the
// system's when it is empty. An unknown code keeps English and says so on
// standard error.
void ChooseLanguage(const std::string& code);

// An English text in the chosen language, its printf placeholders filled.
std::string Tr(const char* english, std::initializer_list<zf::TextArg> args = {});

} // namespace zfield
