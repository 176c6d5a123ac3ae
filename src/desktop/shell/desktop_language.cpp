#include "desktop/shell/desktop_language.h"

#include "files/ini_file.h"
#include "i18n/language.h"

#include <QApplication>
#include <QLocale>
#include <QProxyStyle>
#include <QStyleOption>

namespace zf::ui {

namespace {

// An underlined access key splits joined letters (Arabic) in two: in a
// right-to-left language the keys work without their underline, also in the
// parts kept left to right.
class JoinedLettersStyle : public QProxyStyle {
  public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* answer) const override {
        if (hint == SH_UnderlineShortcut && QGuiApplication::layoutDirection() == Qt::RightToLeft)
            return 0;
        return QProxyStyle::styleHint(hint, option, widget, answer);
    }

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
        const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
        const int tab = item ? int(item->text.indexOf('\t')) : -1;
        if (element != CE_MenuItem || tab < 0 || option->direction != Qt::RightToLeft) {
            QProxyStyle::drawControl(element, option, painter, widget);
            return;
        }
        // Marks around a shortcut keep it reading "Ctrl++", not "++Ctrl".
        QStyleOptionMenuItem marked = *item;
        const QChar leftToRight(0x200E);
        marked.text.insert(tab + 1, leftToRight).append(leftToRight);
        QProxyStyle::drawControl(element, &marked, painter, widget);
    }
};

void UseJoinedLettersStyle() {
    if (qobject_cast<QApplication*>(QCoreApplication::instance()) &&
        !dynamic_cast<JoinedLettersStyle*>(QApplication::style()))
        QApplication::setStyle(new JoinedLettersStyle);
}

} // namespace

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
    UseJoinedLettersStyle();
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
