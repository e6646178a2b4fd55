// SPDX-License-Identifier: GPL-3.0-or-later
// Decoding of argumentaire values (see argumentdecoding.h).
#include "dialogs/argumentdecoding.h"

#include <QtGlobal>
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
#include <QStringDecoder>
#else
#include <QTextCodec>
#endif

namespace dialogs
{

QString decodeArgument(const QByteArray &bytes)
{
    // The UTF decoders drop the mark themselves.
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    const auto encoding = QStringConverter::encodingForData(bytes);
    if (!encoding)
        return QString::fromLatin1(bytes);
    // As Qt 5's codecs did: a UTF-8 sequence cut at the end becomes U+FFFD, a cut UTF-16/32 unit is dropped.
    QStringDecoder decoder(*encoding, *encoding == QStringConverter::Utf8 ? QStringConverter::Flag::Stateless
                                                                          : QStringConverter::Flag::Default);
    return decoder.decode(bytes);
#else
    return QTextCodec::codecForUtfText(bytes, QTextCodec::codecForName("ISO-8859-1"))->toUnicode(bytes);
#endif
}

QString argumentText(const QVariant &value)
{
    if (value.isNull())
        return QString();
    // Re-encoding a TEXT value to bytes and reading them as Latin-1 would garble every accented letter.
    if (value.userType() == QMetaType::QString) {
        // A mark typed into a TEXT value is decoded as a character; it is not part of the argument.
        QString text = value.toString();
        if (text.startsWith(QChar(QChar::ByteOrderMark)))
            text.remove(0, 1);
        return text;
    }
    // Bytes, not toString(): a BLOB read as a string stops at its first NUL byte, and UTF-16 has many.
    return decodeArgument(value.toByteArray());
}

} // namespace dialogs
