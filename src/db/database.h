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
// What the window writes on its debug channel as it works (statements shown, ids listed, steps taken).
Q_DECLARE_LOGGING_CATEGORY(lcTrace)

namespace qdb
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

// True when the bytes begin an SQLite file whose header says write-ahead-log journal mode.
bool walHeader(const QByteArray &header);
// The same, read from the file's first bytes (false for a file that cannot be read or is no SQLite file).
bool inWalMode(const QString &path);

// Which way the file is read first, from what lies on disk (no SQLite involved): a WAL file without its -wal
// log is read as immutable at once, since SQLite's ordinary road would create the log, or fail where it cannot.
ReadMode firstReadMode(bool walFile, bool walLogExists);
// Whether a file whose ordinary read failed with SQLite's `primaryCode` is read again as immutable: only for a
// refusal to lock or to write beside it, and only when no journal beside the file holds changes the file lacks.
bool immutableRetry(int primaryCode, qint64 walLogSize, qint64 rollbackJournalSize);

// Adds the named SQLite connection on `path`, read-only, and opens it: the ordinary road first, the file read as
// immutable where that road cannot read it without writing beside it (see firstReadMode and immutableRetry).
// The caller reads the error on failure; nothing is ever created or changed beside the file.
QSqlDatabase openReadOnly(const QString &path, const QString &connectionName);

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

} // namespace qdb
