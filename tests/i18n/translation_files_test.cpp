#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>

namespace {

struct Message {
    QString context;
    QString source;
    QStringList translations; // one, or one per plural form
    bool finished = true;
};

QList<Message> ReadTs(const QByteArray& text) {
    QList<Message> messages;
    QXmlStreamReader xml(text);
    QString context;
    Message m;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        const auto name = xml.name();
        if (name == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (name == QLatin1String("source")) {
            m = Message{context, xml.readElementText(), {}, true};
        } else if (name == QLatin1String("translation")) {
            const auto attributes = xml.attributes();
            const auto type = attributes.value(QLatin1String("type"));
            if (type == QLatin1String("vanished") || type == QLatin1String("obsolete"))
                continue;
            m.finished = type != QLatin1String("unfinished");
            if (attributes.value(QLatin1String("numerus")) == QLatin1String("yes")) {
                while (xml.readNextStartElement())
                    m.translations << xml.readElementText();
            } else {
                m.translations = QStringList{xml.readElementText()};
            }
            messages.append(m);
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return messages;
}

// printf conversions and %n must come in the same order; Qt's numbered
// arguments may move, since that is what the numbers are for, but none may
// go or come.
QString Placeholders(const QString& text) {
    static const QRegularExpression any(
        QStringLiteral("%(%|n|L?[1-9][0-9]?|[-+ #0]*[0-9]*(?:\\.[0-9]+)?[a-zA-Z])"));
    QStringList ordered;
    QStringList numbered;
    for (const auto& match : any.globalMatch(text)) {
        const QString p = match.captured(0);
        const bool isNumbered = p[1].isDigit() || p[1] == QLatin1Char('L');
        (isNumbered ? numbered : ordered).append(p);
    }
    numbered.sort();
    return ordered.join(QLatin1Char(' ')) + QStringLiteral(" | ") + numbered.join(QLatin1Char(' '));
}

QStringList PlaceholderFaults(const QList<Message>& messages) {
    QStringList faults;
    for (const Message& m : messages) {
        for (const QString& t : m.translations) {
            if (!t.isEmpty() && Placeholders(t) != Placeholders(m.source))
                faults << m.context + QStringLiteral(": \"") + m.source +
                              QStringLiteral("\" -> \"") + t + QLatin1Char('"');
        }
    }
    return faults;
}

// Each shipped translation file's name and messages.
QList<std::pair<QString, QList<Message>>> ShippedTranslations() {
    const QDir folder(QStringLiteral(ZF_TS_FOLDER));
    QList<std::pair<QString, QList<Message>>> files;
    for (const QString& name :
         folder.entryList({QStringLiteral("zarnikfield_*.ts")}, QDir::Files)) {
        QFile file(folder.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
        files.append({name, ReadTs(file.readAll())});
    }
    return files;
}

TEST(TranslationFiles, KeepEveryPlaceholder) {
    // The check itself: a dropped and a swapped printf placeholder are faults,
    // Qt's numbered arguments in another order are not.
    const QList<Message> sample = ReadTs(R"(<TS><context><name>C</name>
        <message><source>%d of %s</source><translation>von %s</translation></message>
        <message><source>%d of %s</source><translation>%s hat %d</translation></message>
        <message><source>%1 of %2 (%%)</source><translation>%2: %1 (%%)</translation></message>
        <message><source>%n step(s)</source><translation numerus="yes">
            <numerusform>%n Schritt</numerusform><numerusform>Schritte</numerusform>
        </translation></message>
        </context></TS>)");
    EXPECT_EQ(PlaceholderFaults(sample).size(), 3)
        << PlaceholderFaults(sample).join('\n').toStdString();

    const auto files = ShippedTranslations();
    ASSERT_FALSE(files.isEmpty());
    for (const auto& [name, messages] : files) {
        EXPECT_FALSE(messages.isEmpty()) << name.toStdString();
        const QStringList faults = PlaceholderFaults(messages);
        EXPECT_TRUE(faults.isEmpty()) << name.toStdString() << ":\n"
                                      << faults.join('\n').toStdString();
    }
}

TEST(TranslationFiles, AreComplete) {
    for (const auto& [name, messages] : ShippedTranslations()) {
        QStringList unfinished;
        for (const Message& m : messages) {
            const bool empty = m.translations.isEmpty() ||
                               std::any_of(m.translations.begin(), m.translations.end(),
                                           [](const QString& t) { return t.isEmpty(); });
            if (!m.finished || empty)
                unfinished << m.context + QStringLiteral(": ") + m.source;
        }
        EXPECT_TRUE(unfinished.isEmpty())
            << name.toStdString() << ": " << unfinished.size() << " of " << messages.size()
            << " texts unfinished, the first: " << unfinished.value(0).toStdString();
    }
}

} // namespace
