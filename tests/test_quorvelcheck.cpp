// SPDX-License-Identifier: GPL-3.0-or-later
// The dictionary checker behind quorvel-check: what it reports for each kind of broken file, its exit status,
// its parent-cycle search and its reading of argument encodings.
#include "dictionarycheck.h"
#include "testkit.h"

#include <QDir>
#include <QFile>

namespace
{

const char *const kClean = R"sql(
INSERT INTO ref_rc (ref_rc_seq, lib_rc, argumentaire) VALUES (1, 'ANGINE', X'EFBBBF4172677520c3a9'), (2, 'TOUX', NULL);
INSERT INTO ref_definition (ref_definition_seq, ref_rc_id, pere_fk, lib_criteres_fr, validite, ordre)
VALUES (10, 1, 0, 'Douleur', 1, 1), (11, 1, 10, 'Intense', 1, 2), (20, 2, 0, 'Toux sèche', 1, 1);
INSERT INTO ref_l_rc_voir_aussi_rc VALUES (1, 2);
INSERT INTO ref_dic VALUES (1, 'Phlegmon', '1');
INSERT INTO ref_l_rc_dic VALUES (1, 1);
INSERT INTO ref_l_rc_cim10 VALUES (100, 1, 'J02.9', NULL, 'sans précision', 'R76');
INSERT INTO ref_combi_criteres_cim VALUES (100, 10, NULL);
)sql";

} // namespace

class TestQuorvelCheck : public testkit::TestCase
{
    Q_OBJECT

private slots:
    void reportsEachProblem_data();
    void reportsEachProblem();
    void unreadableFiles_data();
    void unreadableFiles();
    void journalModes_data();
    void journalModes();
    void parentCycles_data();
    void parentCycles();
    void argumentEncodings_data();
    void argumentEncodings();
};

void TestQuorvelCheck::reportsEachProblem_data()
{
    QTest::addColumn<QString>("sql");
    QTest::addColumn<bool>("withSchema");
    QTest::addColumn<QString>("expected"); // a line that must be reported; empty: the file is clean
    const QString clean = QString::fromUtf8(kClean);
    QString swapped = testkit::schemaSql();
    swapped.replace(QStringLiteral("ref_rc_seq       INTEGER PRIMARY KEY,\n    lib_rc           TEXT NOT NULL,"),
                    QStringLiteral("lib_rc TEXT NOT NULL, ref_rc_seq INTEGER PRIMARY KEY,"));
    QString loose = testkit::schemaSql();
    loose.replace(QStringLiteral("INTEGER PRIMARY KEY"), QStringLiteral("INTEGER"));

    QTest::newRow("clean") << clean << true << QString();
    QTest::newRow("table missing") << clean + "DROP TABLE ref_dic;" << true << "Table manquante : ref_dic";
    QTest::newRow("column missing") << clean + "ALTER TABLE ref_rc DROP COLUMN pz;" << true
                                    << "Colonne manquante : ref_rc.pz";
    QTest::newRow("title before id") << swapped + clean << false
                                     << "La table ref_rc doit commencer par les colonnes ref_rc_seq puis lib_rc "
                                        "(trouvé : lib_rc, ref_rc_seq) : la liste des RC montrerait de faux titres";
    QTest::newRow("missing parent") << clean + "UPDATE ref_definition SET pere_fk = 99 WHERE ref_definition_seq = 11;"
                                    << true << "Critère 11 (RC 1) : son critère parent 99 n'existe pas";
    QTest::newRow("own parent") << clean + "UPDATE ref_definition SET pere_fk = 20 WHERE ref_definition_seq = 20;"
                                << true << "Critère 20 : il est son propre parent";
    QTest::newRow("two-criterion cycle") << clean +
                                                "UPDATE ref_definition SET pere_fk = 11 WHERE ref_definition_seq = 10;"
                                         << true << "Cycle de critères parents : 10 → 11 → 10";
    QTest::newRow("see-also to missing RC") << clean + "INSERT INTO ref_l_rc_voir_aussi_rc VALUES (2, 7);" << true
                                            << "Lien « voir aussi » du RC 2 vers le RC 7, qui n'existe pas";
    QTest::newRow("see-also to itself") << clean + "INSERT INTO ref_l_rc_voir_aussi_rc VALUES (2, 2);" << true
                                        << "Lien « voir aussi » du RC 2 vers lui-même (2)";
    QTest::newRow("critical diagnosis missing") << clean + "INSERT INTO ref_l_rc_dic VALUES (2, 5);" << true
                                                << "Diagnostic critique du RC 2 : le diagnostic 5 n'existe pas";
    QTest::newRow("rule without criteria")
        << clean + "INSERT INTO ref_l_rc_cim10 VALUES (200, 2, 'R05', NULL, 'toux', 'R05');" << true
        << "Règle de codage 200 (RC 2) : aucun critère en vigueur ne la désigne";
    QTest::newRow("rule without codes") << clean + "UPDATE ref_l_rc_cim10 SET code_cim_1 = ' ', code_cisp = NULL;"
                                        << true << "Règle de codage 100 (RC 1) : ni code CIM 10 ni code CISP";
    QTest::newRow("RC never listed") << clean + "UPDATE ref_definition SET validite = 0 WHERE ref_rc_id = 2;" << true
                                     << "RC 2 « TOUX » : aucun critère en vigueur, il n'apparaît jamais dans la liste";
    QTest::newRow("argument in UTF-8 without mark")
        << clean + "UPDATE ref_rc SET argumentaire = CAST('Fièvre' AS BLOB) WHERE ref_rc_seq = 2;" << true
        << "Argumentaire du RC 2 : écrit en UTF-8 sans marque d'ordre des octets : il sera lu en Latin-1 et ses "
           "accents seront mal affichés";
    QTest::newRow("duplicate identifier") << loose + clean + "INSERT INTO ref_rc (ref_rc_seq, lib_rc) VALUES (1, 'X');"
                                          << false << "ref_rc : l'identifiant 1 est utilisé 2 fois";
    QTest::newRow("text identifier") << loose + clean + "INSERT INTO ref_rc (ref_rc_seq, lib_rc) VALUES ('un', 'X');"
                                     << false
                                     << "ref_rc : 1 ligne(s) dont ref_rc_seq est vide ou n'est pas un nombre entier";
    QTest::newRow("title not UTF-8") << clean + "UPDATE ref_rc SET lib_rc = CAST(X'41C3' AS TEXT) WHERE ref_rc_seq = 2;"
                                     << true << "RC 2 : le titre n'est pas du texte UTF-8 valide";
}

void TestQuorvelCheck::reportsEachProblem()
{
    QFETCH(QString, sql);
    QFETCH(bool, withSchema);
    QFETCH(QString, expected);
    const QString path = testkit::buildDictionary(QStringLiteral("checked.sqlite"), sql, withSchema);
    QVERIFY(!path.isEmpty());
    const QByteArray before = testkit::fileBytes(path);
    const check::Report report = check::checkDictionary(path);
    if (expected.isEmpty()) {
        QVERIFY2(report.lines.isEmpty(), qPrintable(report.lines.join('\n')));
        QCOMPARE(report.status, check::Report::Clean);
    } else {
        QVERIFY2(report.lines.contains(expected), qPrintable(report.lines.join('\n')));
        QCOMPARE(report.status, check::Report::Problems);
    }
    QCOMPARE(testkit::fileBytes(path), before);
}

void TestQuorvelCheck::unreadableFiles_data()
{
    QTest::addColumn<QByteArray>("content"); // empty with cut = 0: a zero-byte file
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("expected");
    QTest::newRow("not SQLite") << QByteArray("pas une base\n").repeated(100) << int(check::Report::Unreadable)
                                << "Lecture impossible";
    QTest::newRow("zero bytes") << QByteArray() << int(check::Report::Problems) << "Table manquante : ref_rc";
}

void TestQuorvelCheck::unreadableFiles()
{
    QFETCH(QByteArray, content);
    QFETCH(int, status);
    QFETCH(QString, expected);
    const QString path = testkit::appDir() + QStringLiteral("/raw.sqlite");
    QVERIFY(testkit::writeFile(path, content));
    const check::Report report = check::checkDictionary(path);
    QCOMPARE(int(report.status), status);
    QVERIFY2(!report.lines.filter(expected).isEmpty(), qPrintable(report.lines.join('\n')));
    QCOMPARE(testkit::fileBytes(path), content);

    QCOMPARE(check::checkDictionary(testkit::appDir() + QStringLiteral("/absent.sqlite")).status,
             check::Report::Unreadable);
    QVERIFY(!QFile::exists(testkit::appDir() + QStringLiteral("/absent.sqlite")));
    QCOMPARE(check::checkDictionary(testkit::appDir()).status, check::Report::Unreadable);
}

void TestQuorvelCheck::journalModes_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<bool>("wal");
    QTest::addColumn<QByteArray>("log"); // null: no -wal file beside the dictionary
    QTest::addColumn<int>("status");
    QTest::addColumn<QStringList>("expected"); // beginnings of the lines and notes, in order
    const QString walNote = QStringLiteral("Le dictionnaire est en mode de journal WAL");
    const QString immutableNote = QStringLiteral("Lu comme fichier immuable");
    QTest::newRow("delete mode") << "journal.sqlite" << false << QByteArray() << int(check::Report::Clean)
                                 << QStringList();
    // Read the ordinary way, even by root, SQLite would create the log and its index beside the file.
    QTest::newRow("wal mode") << "journal.sqlite" << true << QByteArray() << int(check::Report::Clean)
                              << QStringList{walNote, immutableNote};
    QTest::newRow("wal mode, name to encode in a URI")
        << "dico #1 ?100% .sqlite" << true << QByteArray() << int(check::Report::Clean)
        << QStringList{walNote, immutableNote};
    QTest::newRow("wal mode, empty log") << "journal.sqlite" << true << QByteArray("") << int(check::Report::Clean)
                                         << QStringList{walNote, immutableNote};
    QTest::newRow("wal mode, log with content")
        << "journal.sqlite" << true << QByteArray(4096, '\x5a') << int(check::Report::Unreadable)
        << QStringList{"Lecture impossible : ", "Un journal WAL non vide accompagne le dictionnaire", walNote};
}

void TestQuorvelCheck::journalModes()
{
    QFETCH(QString, fileName);
    QFETCH(bool, wal);
    QFETCH(QByteArray, log);
    QFETCH(int, status);
    QFETCH(QStringList, expected);
    const QString sql = QString::fromUtf8(kClean) + (wal ? "PRAGMA journal_mode=WAL;" : "");
    const QString path = testkit::buildDictionary(fileName, sql);
    QVERIFY(!path.isEmpty());
    QFile::remove(path + "-wal");
    QVERIFY(log.isNull() || testkit::writeFile(path + "-wal", log));
    const QStringList filesBefore = QDir(testkit::appDir()).entryList(QDir::Files);
    const QByteArray before = testkit::fileBytes(path);

    const check::Report report = check::checkDictionary(path);
    QCOMPARE(int(report.status), status);
    const QStringList said = report.lines + report.notes;
    QVERIFY2(said.size() == expected.size(), qPrintable(said.join('\n')));
    for (int i = 0; i < said.size(); ++i)
        QVERIFY2(said[i].startsWith(expected[i]), qPrintable(said[i]));
    QCOMPARE(QDir(testkit::appDir()).entryList(QDir::Files), filesBefore);
    QCOMPARE(testkit::fileBytes(path), before);
    QFile::remove(path + "-wal");
}

void TestQuorvelCheck::parentCycles_data()
{
    QTest::addColumn<QStringList>("pairs");  // id, parent, id, parent...
    QTest::addColumn<QStringList>("cycles"); // each cycle joined with '>'
    QTest::newRow("tree") << QStringList{"1", "0", "2", "1", "3", "2"} << QStringList{};
    QTest::newRow("self") << QStringList{"5", "5"} << QStringList{"5"};
    QTest::newRow("pair reached from a tail") << QStringList{"9", "8", "8", "7", "7", "8"} << QStringList{"7>8"};
    QTest::newRow("two cycles, text order")
        << QStringList{"3", "2", "2", "10", "10", "3", "4", "4"} << QStringList{"10>3>2", "4"};
    QTest::newRow("parent missing") << QStringList{"1", "99"} << QStringList{};
}

void TestQuorvelCheck::parentCycles()
{
    QFETCH(QStringList, pairs);
    QFETCH(QStringList, cycles);
    QHash<QString, QString> parentOf;
    for (int i = 0; i + 1 < pairs.size(); i += 2)
        parentOf.insert(pairs[i], pairs[i + 1]);
    QStringList found;
    for (const QStringList &cycle : check::parentCycles(parentOf))
        found << cycle.join('>');
    QCOMPARE(found, cycles);
}

void TestQuorvelCheck::argumentEncodings_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("isBlob");
    QTest::addColumn<bool>("bad");
    QTest::newRow("latin-1 without mark") << QByteArray("Fi\xe8vre") << true << false;
    QTest::newRow("ascii") << QByteArray("Toux") << true << false;
    QTest::newRow("utf-8 without mark") << QByteArray("Fi\xc3\xa8vre") << true << true;
    QTest::newRow("utf-8 with mark") << QByteArray("\xef\xbb\xbf"
                                                   "Fi\xc3\xa8vre")
                                     << true << false;
    QTest::newRow("utf-8 mark, bad bytes") << QByteArray("\xef\xbb\xbf"
                                                         "Fi\xe8vre")
                                           << true << true;
    QTest::newRow("utf-16 le") << QByteArray("\xff\xfe"
                                             "A\0\xe8\0",
                                             6)
                               << true << false;
    QTest::newRow("utf-16 odd length") << QByteArray("\xff\xfe"
                                                     "A\0\xe8",
                                                     5)
                                       << true << true;
    QTest::newRow("utf-16 lone surrogate") << QByteArray("\xfe\xff\xd8\x3d\0A", 6) << true << true;
    QTest::newRow("utf-16 pair") << QByteArray("\xfe\xff\xd8\x3d\xde\x00", 6) << true << false;
    QTest::newRow("utf-32 le") << QByteArray("\xff\xfe\0\0"
                                             "A\0\0\0",
                                             8)
                               << true << false;
    QTest::newRow("utf-32 out of range") << QByteArray("\0\0\xfe\xff\0\x11\0\0", 8) << true << true;
    QTest::newRow("text value, valid") << QByteArray("Fi\xc3\xa8vre") << false << false;
    QTest::newRow("text value, invalid") << QByteArray("Fi\xe8vre") << false << true;
}

void TestQuorvelCheck::argumentEncodings()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, isBlob);
    QFETCH(bool, bad);
    QCOMPARE(!check::argumentProblem(bytes, isBlob).isEmpty(), bad);
}

QTEST_MAIN(TestQuorvelCheck)
#include "test_quorvelcheck.moc"
