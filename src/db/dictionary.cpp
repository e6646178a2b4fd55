// SPDX-License-Identifier: GPL-3.0-or-later
// The window's dictionary: the file config.ini names, opened once while the window is built, and the box that
// tells the doctor it cannot be read.
#include "app/quorvel.h"
#include "db/database.h"

#include <QMessageBox>
#include <QSettings>
#include <QSqlError>

bool Quorvel::openDictionary()
{
    QSettings settings(db::appFilePath(db::kSettingsFile), QSettings::IniFormat);
    settings.beginGroup(db::kSettingsGroup);
    const QString bdName = settings.value(db::kSettingsKey, QString()).toString();
    settings.endGroup();

    databasePath = db::appFilePath(bdName);
    connectionName = db::kConnectionName;

    db = db::openReadOnly(databasePath, connectionName);
    const bool opened = db.isOpen();
    if (!opened)
        showConnectionError(db.lastError().text());
    db = QSqlDatabase::database(connectionName, true);
    return opened;
}

void Quorvel::showConnectionError(const QString &driverText)
{
    // The window as parent: on Wayland a box without one goes behind the window at the first click there.
    QMessageBox box(QMessageBox::Information, QStringLiteral("Database Connection "),
                    QStringLiteral(" Error in connecting to Database ") + driverText, QMessageBox::Ok, this);
    box.setDefaultButton(QMessageBox::Ok);
    box.setEscapeButton(QMessageBox::Ok);
    box.exec();
}
