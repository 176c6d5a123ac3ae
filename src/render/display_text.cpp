#include "render/display_text.h"

#include <QFile>
#include <QStringDecoder>

namespace zf {

QString DisplayName(std::string_view name) {
    return QFile::decodeName(QByteArray(name.data(), static_cast<qsizetype>(name.size())));
}

QString DisplayMessage(std::string_view text) {
    const QByteArray bytes(text.data(), static_cast<qsizetype>(text.size()));
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString decoded = utf8(bytes);
    return utf8.hasError() ? QString::fromLatin1(bytes) : decoded;
}

QString BoxMessage(std::string_view text) {
    constexpr qsizetype kMostLetters = 255;
    QString message = DisplayMessage(text);
    if (message.size() > kMostLetters)
        message.truncate(message.at(kMostLetters - 1).isHighSurrogate() ? kMostLetters - 1
                                                                        : kMostLetters);
    return message;
}

} // namespace zf
