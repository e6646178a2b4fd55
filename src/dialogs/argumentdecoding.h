// SPDX-License-Identifier: GPL-3.0-or-later
// Turning the argumentaire column of ref_rc into the text shown to the doctor.
#pragma once

#include <QByteArray>
#include <QString>
#include <QVariant>

namespace dialogs
{

// Decodes by byte-order mark (UTF-8, UTF-16 LE/BE, UTF-32 LE/BE); without a mark the bytes are Latin-1.
// The mark itself is not part of the result.
QString decodeArgument(const QByteArray &bytes);

// The text of one argumentaire value as the driver returns it: empty for NULL. A BLOB is decoded with
// decodeArgument; a value stored as TEXT was already decoded by SQLite and is taken as it is.
QString argumentText(const QVariant &value);

} // namespace dialogs
