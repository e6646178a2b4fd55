// SPDX-License-Identifier: GPL-3.0-or-later
// Checks a dictionary file without the window: what would make the RC list empty, lists wrong, or texts garbled.
// Used by the command-line program quorvel-check.
#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

namespace check
{

struct Report {
    enum Status { Clean = 0, Problems = 1, Unreadable = 2 };
    Status status = Clean;
    QStringList lines; // one French line per problem, in the order found
    // How the file is kept and read, one French line each: what its maintainer may act on, although the window
    // shows the dictionary whole.
    QStringList notes;
};

// Opens path read-only the way the window does (the file is never changed, nothing is written beside it) and
// runs every check that its tables allow.
Report checkDictionary(const QString &path);

// Parent cycles among criteria (id to parent id, "0" or empty for top level). Each cycle once, starting at its
// smallest id in text order, following parents.
QList<QStringList> parentCycles(const QHash<QString, QString> &parentOf);

// Why an argumentaire value will not read as its author meant, or an empty text when it decodes cleanly.
// isBlob tells a BLOB (decoded by byte-order mark, else Latin-1) from a TEXT value (taken as UTF-8).
QString argumentProblem(const QByteArray &bytes, bool isBlob);

} // namespace check
