// SPDX-License-Identifier: GPL-3.0-or-later
// The generated dictionaries: same scale, same contents; the promised shape; data the window can list and search.
#include "gendict.h"

#include <QCryptographicHash>
#include <QTemporaryDir>
#include <QTest>

#include <sqlite3.h>

namespace
{

struct Db {
    sqlite3 *handle = nullptr;
    explicit Db(const QString &path)
    {
        sqlite3_open_v2(path.toUtf8().constData(), &handle, SQLITE_OPEN_READONLY, nullptr);
    }
    ~Db() { sqlite3_close(handle); }

    // Every value of every row, as text: enough to compare two files' contents.
    QByteArray dump(const char *sql) const
    {
        QByteArray out;
        sqlite3_stmt *stmt = nullptr;
        if (sqlite3_prepare_v2(handle, sql, -1, &stmt, nullptr) != SQLITE_OK)
            return "error";
        while (sqlite3_step(stmt) == SQLITE_ROW) {
            for (int c = 0; c < sqlite3_column_count(stmt); ++c) {
                out.append(static_cast<const char *>(sqlite3_column_blob(stmt, c)), sqlite3_column_bytes(stmt, c));
                out.append('\x1f');
            }
            out.append('\n');
        }
        sqlite3_finalize(stmt);
        return out;
    }
    long long number(const char *sql) const { return dump(sql).split('\x1f').value(0).toLongLong(); }
};

const char *const kTables[] = {"ref_rc",  "ref_definition", "ref_rc_synonymes", "ref_l_rc_voir_aussi_rc",
                               "ref_dic", "ref_l_rc_dic",   "ref_l_rc_cim10",   "ref_combi_criteres_cim"};

QByteArray contentHash(const QString &path)
{
    Db db(path);
    QCryptographicHash hash(QCryptographicHash::Sha256);
    for (const char *table : kTables)
        hash.addData(db.dump(QByteArray("select * from ") + table + " order by rowid"));
    return hash.result();
}

} // namespace

class TestGendict : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QVERIFY(gendict::readFile(QUORVEL_SCHEMA_SQL, m_schema));
    }

    void sameScaleGivesSameContents()
    {
        const QString a = m_dir.filePath("a.sqlite"), b = m_dir.filePath("b.sqlite"), c = m_dir.filePath("c.sqlite");
        std::string error;
        QVERIFY2(gendict::generate(a.toStdString(), 1, m_schema, error), error.c_str());
        QVERIFY2(gendict::generate(b.toStdString(), 1, m_schema, error), error.c_str());
        QVERIFY2(gendict::generate(c.toStdString(), 2, m_schema, error), error.c_str());
        QCOMPARE(contentHash(a), contentHash(b));
        QVERIFY(contentHash(a) != contentHash(c));
    }

    void shapeOfOneScale_data()
    {
        QTest::addColumn<QByteArray>("sql");
        QTest::addColumn<long long>("expected");
        QTest::newRow("RCs") << QByteArray("select count(*) from ref_rc") << 300LL;
        QTest::newRow("distinct titles") << QByteArray("select count(distinct lib_rc) from ref_rc") << 300LL;
        QTest::newRow("criteria") << QByteArray("select count(*) from ref_definition") << 3600LL;
        QTest::newRow("sub-criteria") << QByteArray("select count(*) from ref_definition where pere_fk <> 0") << 1200LL;
        QTest::newRow("sub-criteria of another RC")
            << QByteArray("select count(*) from ref_definition c join ref_definition p on p.ref_definition_seq = "
                          "c.pere_fk where p.ref_rc_id <> c.ref_rc_id or p.pere_fk <> 0")
            << 0LL;
        QTest::newRow("RCs in the full list")
            << QByteArray("select count(distinct ref_rc_id) from ref_definition where validite = 1") << 300LL;
        QTest::newRow("synonyms") << QByteArray("select count(*) from ref_rc_synonymes") << 600LL;
        QTest::newRow("see-also to self or missing RC")
            << QByteArray("select count(*) from ref_l_rc_voir_aussi_rc v left join ref_rc r on r.ref_rc_seq = "
                          "v.voir_aussi_id where r.ref_rc_seq is null or v.voir_aussi_id = v.ref_rc_id")
            << 0LL;
        QTest::newRow("see-also") << QByteArray("select count(*) from ref_l_rc_voir_aussi_rc") << 900LL;
        QTest::newRow("critical links") << QByteArray("select count(*) from ref_l_rc_dic") << 900LL;
        QTest::newRow("rules") << QByteArray("select count(*) from ref_l_rc_cim10") << 600LL;
        QTest::newRow("rules without criteria")
            << QByteArray("select count(*) from ref_l_rc_cim10 r where not exists (select 1 from "
                          "ref_combi_criteres_cim c where c.ref_lrccim_id = r.ref_lrccim_seq)")
            << 0LL;
        QTest::newRow("argument texts not 2 KB with a UTF-8 mark")
            << QByteArray("select count(*) from ref_rc where length(argumentaire) > 2048 or length(argumentaire) < "
                          "2040 or hex(substr(argumentaire, 1, 3)) <> 'EFBBBF'")
            << 0LL;
        QTest::newRow("RCs offering no position")
            << QByteArray("select count(*) from ref_rc where pa + pb + pc + pd + pz = 0") << 0LL;
    }

    void shapeOfOneScale()
    {
        QFETCH(QByteArray, sql);
        QFETCH(long long, expected);
        const QString path = m_dir.filePath("shape.sqlite");
        if (!QFile::exists(path)) {
            std::string error;
            QVERIFY2(gendict::generate(path.toStdString(), 1, m_schema, error), error.c_str());
        }
        QCOMPARE(Db(path).number(sql.constData()), expected);
    }

    // The benchmark types "lomb" and "dou": each must match some RCs, and neither nearly all of them.
    void keywordsMatchARealisticShare_data()
    {
        QTest::addColumn<QByteArray>("sql");
        QTest::newRow("lomb in titles") << QByteArray("select count(*) from ref_rc where lib_rc like '%lomb%'");
        QTest::newRow("dou anywhere") << QByteArray(
            "select count(distinct r.ref_rc_seq) from ref_rc r join ref_definition d on d.ref_rc_id = "
            "r.ref_rc_seq where d.lib_criteres_fr like '%dou%' or r.lib_rc like '%dou%'");
    }

    void keywordsMatchARealisticShare()
    {
        QFETCH(QByteArray, sql);
        const QString path = m_dir.filePath("shape.sqlite");
        if (!QFile::exists(path)) {
            std::string error;
            QVERIFY2(gendict::generate(path.toStdString(), 1, m_schema, error), error.c_str());
        }
        const long long matches = Db(path).number(sql.constData());
        QVERIFY2(matches >= 3 && matches <= 240, QByteArray::number(matches).constData());
    }

    void refusesABadSchemaAndLeavesNoFile()
    {
        const QString path = m_dir.filePath("bad.sqlite");
        std::string error;
        QVERIFY(!gendict::generate(path.toStdString(), 1, "CREATE TABLE ref_rc (x);", error));
        QVERIFY(!error.empty());
        QVERIFY(!QFile::exists(path));
        QVERIFY(!gendict::generate(path.toStdString(), 0, m_schema, error));
    }

private:
    QTemporaryDir m_dir;
    std::string m_schema;
};

QTEST_GUILESS_MAIN(TestGendict)
#include "test_gendict.moc"
