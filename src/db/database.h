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
// The dictionary is reference data: a read-only open also keeps a mistyped name from creating an empty file.
inline const QString kConnectOptions = QStringLiteral("QSQLITE_OPEN_READONLY");

// Joins the application directory and a file name with the platform's separator.
QString appFilePath(const QString &fileName);

// Adds the named SQLite connection on `path`, read-only, and opens it; the caller reads the error on failure.
QSqlDatabase openReadOnly(const QString &path, const QString &connectionName);

using RowReader = std::function<void(const QSqlQuery &row)>;

// Runs `sql` on `db` and hands every row to `read`, in order. A statement refused, or broken off part-way by a
// damaged file, writes one line under lcSql (`failurePrefix`, then the driver's text) and returns false: the
// caller then drops what it read, since half a list would make what follows silently wrong.
bool forEachRow(const QSqlDatabase &db, const QString &sql, const RowReader &read,
                const QString &failurePrefix = QString());

// The first `columns` values of the first row (an empty list when there is no row); nothing when the statement fails.
std::optional<QVariantList> firstRow(const QSqlDatabase &db, const QString &sql, int columns);

// Column 0 of every row, as texts; empty when the statement fails.
QStringList firstColumn(const QSqlDatabase &db, const QString &sql);

// The first `columns` values of the last row, as texts; empty texts when there is no row or the statement fails.
QStringList lastRow(const QSqlDatabase &db, const QString &sql, int columns);

} // namespace qdb
