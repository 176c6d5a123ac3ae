#include "i18n/language.h"

#include "program/texts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QMutex>
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

// Beside the programs while built, in the data folder once installed.
QStringList TranslationFolders() {
    const QDir programs(QCoreApplication::applicationDirPath());
    return {programs.filePath(QStringLiteral("translations")),
            programs.filePath(QStringLiteral("../share/zarnikfield/translations"))};
}

QString QmFile(const QString& code) {
    const QString name = QStringLiteral("zarnikfield_%1.qm").arg(code);
    for (const QString& folder : TranslationFolders()) {
        const QFileInfo file(QDir(folder).filePath(name));
        if (file.isFile())
            return file.absoluteFilePath();
    }
    return {};
}

QString NativeName(const QString& code) {
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

std::string TranslateCore(const char* english) {
    return QCoreApplication::translate(kCoreContext, english).toStdString();
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
    Installed& state = State();
    QMutexLocker lock(&state.mutex);
    for (auto* translator : {&state.ours, &state.qts}) {
        if (*translator)
            QCoreApplication::removeTranslator(translator->get());
        translator->reset();
    }
    state.code = QStringLiteral("en");
    SetTextTranslator(nullptr);
    if (code == QLatin1String("en"))
        return true;
    auto ours = std::make_unique<QTranslator>();
    const QString file = QmFile(code);
    if (file.isEmpty() || !ours->load(file))
        return false;
    // Qt's own dialogs and buttons; a language Qt has no texts for keeps them English.
    auto qts = std::make_unique<QTranslator>();
    if (qts->load(QStringLiteral("qtbase_") + code,
                  QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qts.get());
        state.qts = std::move(qts);
    }
    QCoreApplication::installTranslator(ours.get());
    state.ours = std::move(ours);
    state.code = code;
    SetTextTranslator(&TranslateCore);
    return true;
}

QString CurrentLanguage() {
    Installed& state = State();
    QMutexLocker lock(&state.mutex);
    return state.code;
}

bool IsRightToLeft(const QString& code) {
    return QLocale(code).textDirection() == Qt::RightToLeft;
}

QString CoreText(const char* english) {
    return QCoreApplication::translate(kCoreContext, english);
}

} // namespace zf::i18n
