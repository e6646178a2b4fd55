// SPDX-License-Identifier: GPL-3.0-or-later
// The floor is only as honest as the statement record: it must hold exactly what the connection ran between start
// and stop, and the replay must read every row.
#include "statementlog.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include <sqlite3.h>

class TestStatementLog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        bench::installStatementHook();
        QVERIFY(m_dir.isValid());
        m_path = m_dir.filePath(QStringLiteral("t.sqlite")).toStdString();
        sqlite3 *db = nullptr;
        QCOMPARE(sqlite3_open(m_path.c_str(), &db), SQLITE_OK);
        QCOMPARE(sqlite3_exec(db,
                              "CREATE TABLE t (id INTEGER PRIMARY KEY, txt TEXT, b BLOB);"
                              "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 250) "
                              "INSERT INTO t SELECT i, 'ligne ' || i, zeroblob(i) FROM n;",
                              nullptr, nullptr, nullptr),
                 SQLITE_OK);
        sqlite3_close(db);
    }

    void recordsOnlyWhatRanBetweenStartAndStop()
    {
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("rec"));
            db.setDatabaseName(QString::fromStdString(m_path));
            db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
            QVERIFY(db.open());
            QSqlQuery q(db);
            QVERIFY(q.exec(QStringLiteral("select count(*) from t")));

            bench::startRecording();
            QVERIFY(q.exec(QStringLiteral("select id, txt from t where id < 10")));
            while (q.next()) {
            }
            QVERIFY(q.exec(QStringLiteral("select b from t where id = 7")));
            const bench::Statements recorded = bench::stopRecording();

            QVERIFY(q.exec(QStringLiteral("select 1")));
            QCOMPARE(recorded,
                     (bench::Statements{"select id, txt from t where id < 10", "select b from t where id = 7"}));
            QVERIFY(bench::stopRecording().empty());
        }
        QSqlDatabase::removeDatabase(QStringLiteral("rec"));
    }

    void recordsAConnectionOpenedWhileRecording()
    {
        bench::startRecording();
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("late"));
            db.setDatabaseName(QString::fromStdString(m_path));
            QVERIFY(db.open());
            QSqlQuery q(db);
            QVERIFY(q.exec(QStringLiteral("select txt from t")));
        }
        QSqlDatabase::removeDatabase(QStringLiteral("late"));
        const bench::Statements recorded = bench::stopRecording();
        QCOMPARE(recorded, bench::Statements{"select txt from t"});
    }

    void replayReadsEveryRowAndSkipsBrokenStatements()
    {
        sqlite3 *db = bench::openReadOnly(m_path);
        QVERIFY(db);
        long long rows = 0;
        const double ms = bench::runStatements(
            db, {"select * from t", "select nothing from nowhere", "select b from t where id > 200"}, &rows);
        sqlite3_close(db);
        QCOMPARE(rows, 300LL);
        QVERIFY(ms >= 0);
        QVERIFY(!bench::openReadOnly(m_dir.filePath(QStringLiteral("missing.sqlite")).toStdString()));
        QCOMPARE(bench::openAndRunStatements(m_dir.filePath(QStringLiteral("missing.sqlite")).toStdString(), {}), -1.0);
    }

private:
    QTemporaryDir m_dir;
    std::string m_path;
};

QTEST_GUILESS_MAIN(TestStatementLog)
#include "test_statementlog.moc"
