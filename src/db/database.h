// Dictionary access: where the settings and the dictionary are found, and the one way statements are run.
#pragma once

#include <QString>

class QSqlQuery;

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

// Runs sql on query. A failure writes the driver's error text to the debug log as one line.
bool exec(QSqlQuery &query, const QString &sql);

// To be called after the row loop: a damaged file can let a statement start, return some rows and then stop.
// Returns true (and logs the driver's text once) when the statement ended on an error.
bool stoppedOnError(const QSqlQuery &query);

} // namespace qdb
