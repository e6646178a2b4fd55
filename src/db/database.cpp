// SPDX-License-Identifier: GPL-3.0-or-later
// The read-only connection and the statement road every subsystem takes. Needs Qt Core and Sql only: the
// dictionary checker shares it.
#include "db/database.h"

#include <QCoreApplication>
#include <QSqlError>
#include <QSqlQuery>

Q_LOGGING_CATEGORY(lcSql, "quorvel.sql")
Q_LOGGING_CATEGORY(lcTrace, "quorvel.trace")

namespace qdb
{

QString appFilePath(const QString &fileName)
{
    return QCoreApplication::applicationDirPath() + QLatin1Char('/') + fileName;
}

QSqlDatabase openReadOnly(const QString &path, const QString &connectionName)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(kDriver, connectionName);
    db.setDatabaseName(path);
    db.setConnectOptions(kConnectOptions);
    db.open();
    return db;
}

bool forEachRow(const QSqlDatabase &db, const QString &sql, const RowReader &read, const QString &failurePrefix)
{
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (query.exec(sql)) {
        while (query.next())
            read(query);
        // A damaged file can let a statement start, return some rows and then stop.
        if (!query.lastError().isValid())
            return true;
    }
    // On a connection that never opened the driver reports nothing: an empty line would hide why the lists stay empty.
    const QString error = query.lastError().text();
    qCDebug(lcSql).noquote() << failurePrefix + (error.trimmed().isEmpty()
                                                     ? QStringLiteral("Dictionary not open: statement not run")
                                                     : error);
    return false;
}

std::optional<QVariantList> firstRow(const QSqlDatabase &db, const QString &sql, int columns)
{
    QVariantList values;
    bool first = true;
    const bool ok = forEachRow(db, sql, [&](const QSqlQuery &row) {
        for (int i = 0; first && i < columns; ++i)
            values << row.value(i);
        first = false;
    });
    return ok ? std::optional<QVariantList>(values) : std::nullopt;
}

QStringList firstColumn(const QSqlDatabase &db, const QString &sql)
{
    QStringList values;
    if (!forEachRow(db, sql, [&values](const QSqlQuery &row) { values << row.value(0).toString(); }))
        values.clear();
    return values;
}

QStringList lastRow(const QSqlDatabase &db, const QString &sql, int columns)
{
    QStringList values;
    const bool ok = forEachRow(db, sql, [&values, columns](const QSqlQuery &row) {
        values.clear();
        for (int i = 0; i < columns; ++i)
            values << row.value(i).toString();
    });
    if (!ok)
        values.clear();
    while (values.size() < columns)
        values << QString();
    return values;
}

} // namespace qdb
