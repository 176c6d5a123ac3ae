#include "desktop/frame/translated_texts.h"

#include "program/texts.h"

#include <QCoreApplication>
#include <QObject>
#include <QStringList>
#include <QVariant>

namespace zf::ui {

namespace {

// The dynamic property keeping a text's context and English source.
constexpr char kPrefix[] = "zfTranslated_";

void Retranslate(QObject* object) {
    const QByteArray prefix(kPrefix);
    for (const QByteArray& name : object->dynamicPropertyNames()) {
        if (!name.startsWith(prefix))
            continue;
        const QStringList source = object->property(name.constData()).toStringList();
        if (source.size() != 2)
            continue;
        const QByteArray context = source[0].toUtf8();
        const QByteArray english = source[1].toUtf8();
        object->setProperty(name.mid(prefix.size()).constData(),
                            QCoreApplication::translate(context.constData(), english.constData()));
    }
}

} // namespace

void SetTranslated(QObject* object, const char* property, const char* context,
                   const char* english) {
    object->setProperty(QByteArray(kPrefix).append(property).constData(),
                        QStringList{QString::fromUtf8(context), QString::fromUtf8(english)});
    object->setProperty(property, QCoreApplication::translate(context, english));
}

QString TranslatedText(TextId id) {
    return QCoreApplication::translate("Messages", std::string(TextOf(id)).c_str());
}

void RetranslateTexts(QObject* root) {
    Retranslate(root);
    for (QObject* child : root->findChildren<QObject*>())
        Retranslate(child);
}

} // namespace zf::ui
