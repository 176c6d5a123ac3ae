#pragma once

#include "program/text_ids.h"

#include <QString>

class QObject;

namespace zf::ui {

// A text shown by a lasting window (a menu item, a pane's caption, a tool
// tip): set in the current language and remembered in English, so that a
// change of language sets it again. `property` is the Qt property that shows
// it ("text", "title", "toolTip", "windowTitle"); `context` and `english` are
// the pair the translations are looked up by (mark them for lupdate with
// QT_TRANSLATE_NOOP).
void SetTranslated(QObject* object, const char* property, const char* context, const char* english);

// A text of the program's own table in the current language.
QString TranslatedText(TextId id);

// Sets every text remembered by SetTranslated on root and the objects under
// it again, in the current language.
void RetranslateTexts(QObject* root);

} // namespace zf::ui
