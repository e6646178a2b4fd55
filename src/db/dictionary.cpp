// SPDX-License-Identifier: GPL-3.0-or-later
// The window's dictionary: the file config.ini names, opened once while the window is built.
#include "app/quorvel.h"
#include "db/database.h"

#include <QMessageBox>
#include <QSettings>
#include <QSqlError>

bool Quorvel::openDatabase(const QString &path, const QString &name)
{
    db = qdb::openReadOnly(path, name);
    return db.isOpen();
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
