// Decoding of argumentaire values (see argumentdecoding.h).
#include "dialogs/argumentdecoding.h"

#include <QTextCodec>

namespace dialogs
{

QString decodeArgument(const QByteArray &bytes)
{
    // The UTF codecs drop the mark themselves.
    return QTextCodec::codecForUtfText(bytes, QTextCodec::codecForName("ISO-8859-1"))->toUnicode(bytes);
}

QString argumentText(const QVariant &value)
{
    if (value.isNull())
        return QString();
    // Re-encoding a TEXT value to bytes and reading them as Latin-1 would garble every accented letter.
    if (value.type() == QVariant::String) {
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
