// SPDX-License-Identifier: GPL-3.0-or-later
// The read-only connection and the statement road every subsystem takes. Needs Qt Core and Sql only: the
// dictionary checker shares it.
#include "db/database.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>
#include <QUrlQuery>

Q_LOGGING_CATEGORY(lcSql, "quorvel.sql")

namespace db
{

QString appFilePath(const QString &fileName)
{
    return QCoreApplication::applicationDirPath() + QLatin1Char('/') + fileName;
}

namespace
{

// SQLite's primary result codes that say the ordinary road was refused a lock, a side file or a write.
constexpr int kSqliteBusy = 5;
constexpr int kSqliteReadOnly = 8;
constexpr int kSqliteIoError = 10;
constexpr int kSqliteCantOpen = 14;

const QString kImmutableQuery = QStringLiteral("mode=ro&immutable=1");
// readonly_shm: the ordinary road may map a writer's shared-memory file, never create one.
const QString kSharedQuery = QStringLiteral("mode=ro&readonly_shm=1");

void openAs(QSqlDatabase &db, const QString &path, ReadMode mode)
{
    db.setDatabaseName(readUri(path, mode));
    db.setConnectOptions(kConnectOptions);
    db.open();
}

// The primary SQLite code of the first read's failure, 0 when the file reads. SQLite opens lazily: only a
// statement that reads the schema meets the locks and side files the ordinary road needs.
int firstReadFailure(const QSqlDatabase &db)
{
    QSqlQuery probe(db);
    if (probe.exec(QStringLiteral("SELECT count(*) FROM sqlite_master")) && probe.next())
        return 0;
    return probe.lastError().nativeErrorCode().toInt() & 0xff;
}

} // namespace

QString readUri(const QString &path, ReadMode mode)
{
    QUrl url = QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath());
    url.setQuery(mode == ReadMode::Immutable ? kImmutableQuery : kSharedQuery);
    return url.toString(QUrl::FullyEncoded);
}

bool inWalMode(const QString &path)
{
    // Bytes 18 and 19 of the header are the file format's write and read versions: 2 in WAL mode, 1 otherwise.
    static const QByteArray magic("SQLite format 3", 16);
    QFile file(path);
    const QByteArray header = file.open(QIODevice::ReadOnly) ? file.read(20) : QByteArray();
    return header.size() == 20 && header.startsWith(magic) && (header.at(18) == 2 || header.at(19) == 2);
}

QSqlDatabase openReadOnly(const QString &path, const QString &connectionName)
{
    const QString walLog = path + QStringLiteral("-wal");
    const ReadMode first = inWalMode(path) && !QFileInfo::exists(walLog) ? ReadMode::Immutable : ReadMode::Shared;
    QSqlDatabase db = QSqlDatabase::addDatabase(kDriver, connectionName);
    openAs(db, path, first);
    if (first == ReadMode::Immutable || !db.isOpen())
        return db;
    const int failure = firstReadFailure(db);
    const bool refused =
        failure == kSqliteBusy || failure == kSqliteReadOnly || failure == kSqliteIoError || failure == kSqliteCantOpen;
    const bool journalWithContent =
        QFileInfo(walLog).size() > 0 || QFileInfo(path + QStringLiteral("-journal")).size() > 0;
    if (refused && !journalWithContent) {
        db.close();
        openAs(db, path, ReadMode::Immutable);
    }
    return db;
}

ReadMode readMode(const QSqlDatabase &db)
{
    return QUrlQuery(QUrl(db.databaseName())).queryItemValue(QStringLiteral("immutable")) == QLatin1String("1")
               ? ReadMode::Immutable
               : ReadMode::Shared;
}

bool forEachRow(const QSqlDatabase &db, const QString &sql, const RowReader &read, const QString &failurePrefix,
                QString *failure)
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
    QString error = query.lastError().text();
    if (error.trimmed().isEmpty())
        error = QStringLiteral("Dictionary not open: statement not run");
    qCDebug(lcSql).noquote() << failurePrefix + error;
    if (failure)
        *failure = error;
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

} // namespace db
