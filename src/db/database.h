// SPDX-License-Identifier: GPL-3.0-or-later
// Dictionary access: where the settings and the dictionary are found, and the one road every statement takes.
#pragma once

#include <QLoggingCategory>
#include <QString>
#include <QStringList>
#include <QVariantList>
#include <functional>
#include <optional>

class QSqlDatabase;
class QSqlQuery;

// Statements that failed, one line each: the driver's text, after the caller's prefix if it gives one.
Q_DECLARE_LOGGING_CATEGORY(lcSql)

namespace db
{

inline const QString kSettingsFile = QStringLiteral("config.ini");
inline const QString kSettingsGroup = QStringLiteral("BD");
inline const QString kSettingsKey = QStringLiteral("bdName");
inline const QString kConnectionName = QStringLiteral("QuorvelConnection");
inline const QString kDriver = QStringLiteral("QSQLITE");
// The dictionary is reference data: a read-only open also keeps a mistyped name from creating an empty file. The
// name is a file: URI, whose query carries the SQLite parameters of the way the file is read.
inline const QString kConnectOptions = QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_OPEN_URI");

// Joins the application directory and a file name with the platform's separator.
QString appFilePath(const QString &fileName);

// How a dictionary is read. Shared: SQLite's ordinary read-only road, with its locks and the journal files of the
// writer, but never creating one. Immutable: the file alone, as it is, with no lock and no side file.
enum class ReadMode { Shared, Immutable };

// The file: URI that opens `path` in `mode`, percent-encoded so that any file name reaches SQLite unchanged.
QString readUri(const QString &path, ReadMode mode);

// True when the file's header says write-ahead-log journal mode (false for a file that cannot be read or is no
// SQLite file).
bool inWalMode(const QString &path);

// Latin letters lose their diacritics and keep their case (É -> E, ç -> c, œ -> oe), combining accents are dropped,
// every other character is kept. The SQL function quorvel_fold(text) of every connection openReadOnly opens applies
// the same table, so a keyword folded here matches the dictionary's text folded there.
QString foldAccents(const QString &text);

// Adds the named SQLite connection on `path`, read-only, and opens it; the caller reads the error on failure.
// Nothing is ever created or changed beside the file. The ordinary road is taken, except where it cannot read the
// file without writing beside it; the file is then read as immutable:
// - at once, for a WAL file with no -wal log beside it: the ordinary road would create the log and its index
//   (even a read-only connection does, wherever it may), or fail where it may not;
// - after the first statement failed with a refused lock, write or side file (busy, read-only, I/O error, cannot
//   open), unless a -wal log or -journal with content lies beside the file: those may hold committed changes, or
//   half a transaction to undo, that the file alone lacks, so the failure stands.
QSqlDatabase openReadOnly(const QString &path, const QString &connectionName);

// Registers quorvel_fold(text) on a connection of the QSQLITE driver; false when the driver gives no SQLite handle.
bool registerFolding(const QSqlDatabase &db);

// The way an open connection reads its file.
ReadMode readMode(const QSqlDatabase &db);

using RowReader = std::function<void(const QSqlQuery &row)>;

// Runs `sql` on `db` and hands every row to `read`, in order. A statement refused, or broken off part-way by a
// damaged file, writes one line under lcSql (`failurePrefix`, then the driver's text) and returns false: the
// caller then drops what it read, since half a list would make what follows silently wrong. `failure`, when
// given, receives the driver's text of a failure.
bool forEachRow(const QSqlDatabase &db, const QString &sql, const RowReader &read,
                const QString &failurePrefix = QString(), QString *failure = nullptr);

// The first `columns` values of the first row (an empty list when there is no row); nothing when the statement fails.
std::optional<QVariantList> firstRow(const QSqlDatabase &db, const QString &sql, int columns);

// Column 0 of every row, as texts; empty when the statement fails.
QStringList firstColumn(const QSqlDatabase &db, const QString &sql);

// The first `columns` values of the last row, as texts; empty texts when there is no row or the statement fails.
QStringList lastRow(const QSqlDatabase &db, const QString &sql, int columns);

} // namespace db
