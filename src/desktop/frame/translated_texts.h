#pragma once

#include "program/text_ids.h"

#include <QString>

#include <string>

class QObject;

namespace zf::ui {

// A text shown by a lasting window (a menu item, a pane's caption, a tool
// tip): set in the current language and remembered in English, so that a
// change of language sets it again. `property` is the Qt property that shows
// it ("text", "title", "toolTip", "windowTitle"); `context` and `english` are
// the pair the translations are looked up by (mark them for lupdate with
// QT_TRANSLATE_NOOP).
void SetTranslated(QObject* object, const char* property, const char* context, const char* english);

// A text of the program's own table, or one of its unnumbered texts, in the
// current language; the unnumbered ones keep their placeholders for
// FormatText.
QString TranslatedText(TextId id);
std::string TranslatedFormat(const char* english);

// Sets every text remembered by SetTranslated on root and the objects under
// it again, in the current language.
void RetranslateTexts(QObject* root);

} // namespace zf::ui
