#include "i18n/language.h"

#include "program/texts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QMutex>
#include <QRegularExpression>
#include <QTranslator>

#include <memory>

namespace zf::i18n {

namespace {

constexpr char kCoreContext[] = "Messages";

struct Installed {
    QMutex mutex;
    QString code = QStringLiteral("en");
    std::unique_ptr<QTranslator> ours;
    std::unique_ptr<QTranslator> qts;
};

Installed& State() {
    static Installed state;
    return state;
}

// Beside the programs while built, in the data folder once installed. The
// command line may choose its language before it has an application object.
QStringList TranslationFolders() {
    const QDir programs(QCoreApplication::instance()
                            ? QCoreApplication::applicationDirPath()
                            : QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath());
    return {programs.filePath(QStringLiteral("translations")),
            programs.filePath(QStringLiteral("../share/zarnikfield/translations"))};
}

// A code names a file: letters, digits and "_" only, so that no setting or
// command line reaches a file elsewhere.
QString QmFile(const QString& code) {
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9_]{1,16}$"));
    if (!plain.match(code).hasMatch())
        return {};
    const QString name = QStringLiteral("zarnikfield_%1.qm").arg(code);
    for (const QString& folder : TranslationFolders()) {
        const QFileInfo file(QDir(folder).filePath(name));
        if (file.isFile())
            return file.absoluteFilePath();
    }
    return {};
}

//: The name of the language of this translation, written in that language.
const char* const kThisLanguage = QT_TRANSLATE_NOOP("Language", "English");

// A translation names its own language: the locale's name can carry a country
// ("español de España").
QString NativeName(const QString& code) {
    QTranslator translator;
    if (translator.load(QmFile(code))) {
        const QString own = translator.translate("Language", kThisLanguage);
        if (!own.isEmpty())
            return own;
    }
    const QLocale locale(code);
    if (locale.language() == QLocale::C)
        return code;
    QString name = locale.nativeLanguageName();
    if (!name.isEmpty())
        name[0] = name[0].toUpper();
    return name;
}

// "de_DE.UTF-8", "de-AT" and "de" all name German; "C" and "POSIX" none.
QString CodeOf(const QString& setting) {
    QString code = setting.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
    code = code.section(QLatin1Char('_'), 0, 0).section(QLatin1Char('-'), 0, 0).toLower();
    return code == QLatin1String("c") || code == QLatin1String("posix") ? QString() : code;
}

bool IsShipped(const QString& code) {
    return code == QLatin1String("en") || !QmFile(code).isEmpty();
}

// Asks our translator itself rather than the application, which a command
// line run may create later or never.
QString Lookup(const char* context, const char* english) {
    Installed& state = State();
    QMutexLocker lock(&state.mutex);
    const QString text = state.ours ? state.ours->translate(context, english) : QString();
    return text.isEmpty() ? QString::fromUtf8(english) : text;
}

std::string TranslateCore(const char* english) {
    return Lookup(kCoreContext, english).toStdString();
}

} // namespace

QList<Language> ShippedLanguages() {
    QList<Language> languages{{QStringLiteral("en"), QStringLiteral("English")}};
    QStringList codes;
    for (const QString& folder : TranslationFolders()) {
        const QStringList files =
            QDir(folder).entryList({QStringLiteral("zarnikfield_*.qm")}, QDir::Files, QDir::Name);
        for (const QString& file : files) {
            const QString code = file.mid(12, file.size() - 15);
            if (!code.isEmpty() && code != QLatin1String("en") && !codes.contains(code))
                codes << code;
        }
    }
    for (const QString& code : codes)
        languages.append({code, NativeName(code)});
    return languages;
}

QString SystemLanguage() {
    QStringList wanted = qEnvironmentVariable("LANGUAGE").split(QLatin1Char(':'));
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"})
        wanted << qEnvironmentVariable(name);
    wanted << QLocale::system().name();
    for (const QString& setting : wanted) {
        const QString code = CodeOf(setting);
        if (!code.isEmpty() && IsShipped(code))
            return code;
    }
    return QStringLiteral("en");
}

bool ApplyLanguage(const QString& code) {
    auto ours = std::make_unique<QTranslator>();
    auto qts = std::make_unique<QTranslator>();
    const bool english = code == QLatin1String("en");
    const QString file = english ? QString() : QmFile(code);
    const bool found = !file.isEmpty() && ours->load(file);
    if (!found)
        ours.reset();
    // Qt's own dialogs and buttons; a language Qt has no texts for keeps them English.
    if (!found || !qts->load(QStringLiteral("qtbase_") + code,
                             QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        qts.reset();

    // The texts change first and the windows hear of it after, outside the
    // lock, so that they may ask for texts when they redraw.
    Installed& state = State();
    {
        QMutexLocker lock(&state.mutex);
        std::swap(state.ours, ours);
        std::swap(state.qts, qts);
        state.code = found ? code : QStringLiteral("en");
    }
    SetTextTranslator(found ? &TranslateCore : nullptr);
    if (QCoreApplication::instance()) {
        for (QTranslator* old : {ours.get(), qts.get()}) {
            if (old)
                QCoreApplication::removeTranslator(old);
        }
        for (QTranslator* added : {state.qts.get(), state.ours.get()}) {
            if (added)
                QCoreApplication::installTranslator(added);
        }
    }
    return english || found;
}

QString CurrentLanguage() {
    Installed& state = State();
    QMutexLocker lock(&state.mutex);
    return state.code;
}

bool IsRightToLeft(const QString& code) {
    return QLocale(code).textDirection() == Qt::RightToLeft;
}

QString Translate(const char* context, const char* english) {
    return Lookup(context, english);
}

} // namespace zf::i18n
