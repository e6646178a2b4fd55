// Opening the dictionary named by config.ini, and the statement helpers every subsystem uses.
#include "db/database.h"

#include "app/quorvel.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QMessageBox>
#include <QSettings>
#include <QSqlError>
#include <QSqlQuery>

namespace qdb
{

QString appFilePath(const QString &fileName)
{
    return QCoreApplication::applicationDirPath() + QLatin1Char('/') + fileName;
}

bool exec(QSqlQuery &query, const QString &sql)
{
    if (query.exec(sql))
        return true;
    // On a connection that never opened the driver reports nothing: an empty line would hide why the lists stay empty.
    const QString error = query.lastError().text();
    qDebug().noquote() << (error.trimmed().isEmpty() ? QStringLiteral("Dictionary not open: statement not run")
                                                     : error);
    return false;
}

bool stoppedOnError(const QSqlQuery &query)
{
    if (!query.lastError().isValid())
        return false;
    qDebug().noquote() << query.lastError().text();
    return true;
}

} // namespace qdb

bool Quorvel::openDatabase(const QString &path, const QString &name)
{
    db = QSqlDatabase::addDatabase(qdb::kDriver, name);
    db.setDatabaseName(path);
    db.setConnectOptions(qdb::kConnectOptions);
    return db.open();
}

void Quorvel::openDictionary()
{
    QSettings settings(qdb::appFilePath(qdb::kSettingsFile), QSettings::IniFormat);
    settings.beginGroup(qdb::kSettingsGroup);
    const QString bdName = settings.value(qdb::kSettingsKey, QString()).toString();
    settings.endGroup();

    databasePath = qdb::appFilePath(bdName);
    connectionName = qdb::kConnectionName;

    if (!openDatabase(databasePath, connectionName)) {
        QMessageBox::information(nullptr, QStringLiteral("Database Connection "),
                                 QStringLiteral(" Error in connecting to Database ") + db.lastError().text(),
                                 QMessageBox::Ok);
    }
    db = QSqlDatabase::database(connectionName, true);
}
