// SPDX-License-Identifier: GPL-3.0-or-later
// Robustness: the real window started on dictionaries and settings files broken in every way a copy, another
// version or a hand edit can break them, then driven along the whole consultation road. Nothing may crash, hang,
// write to the file, or hide a failed statement.
#include "app/quorvel.h"
#include "testkit.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QRadioButton>

using namespace testkit;

namespace
{

// A small but complete dictionary: criteria with children, synonyms, see-also, critical diagnoses, coding
// rules and an argument, so that the walk goes through every statement of the program.
const char *const kValid = R"sql(
INSERT INTO ref_rc (ref_rc_seq, lib_rc, sex, age_min, age_max, pa, pb, pc, pd, pz, argumentaire, code_cim_defaut,
                    code_cisp_defaut)
VALUES (1, 'ANGINE', 3, 0, 125, 1, 1, 1, 1, 1, X'EFBBBF4172677520c3a9', 'J02.9', 'R76'),
       (2, 'TOUX', 3, 0, 125, 1, 1, 0, 0, 0, NULL, 'R05', 'R05'),
       (3, 'ZONA', 2, 10, 90, 1, 0, 1, 0, 1, CAST('texte' AS BLOB), 'B02.9', 'S70');
INSERT INTO ref_definition (ref_definition_seq, ref_rc_id, pere_fk, lib_criteres_fr, validite, ordre, ref_ponder_id)
VALUES (10, 1, 0, 'Douleur pharyngée', 1, 1, 1), (11, 1, 0, 'Fièvre', 1, 2, 2), (12, 11, 11, 'Plus de 38', 1, 3, 4),
       (13, 1, 11, 'Frissons', 1, 4, 4), (20, 2, 0, 'Toux sèche', 1, 1, 1), (21, 2, 0, 'Toux grasse', 1, 2, 3),
       (30, 3, 0, 'Éruption en bande', 1, 1, 1), (31, 3, 0, 'Douleur', 1, 2, 5);
INSERT INTO ref_rc_synonymes VALUES (1, 'Pharyngite'), (2, 'Tousser');
INSERT INTO ref_l_rc_voir_aussi_rc VALUES (1, 2), (2, 1), (3, 1);
INSERT INTO ref_dic VALUES (1, 'Phlegmon', '1'), (2, 'Épiglottite', '3');
INSERT INTO ref_l_rc_dic VALUES (1, 1), (1, 2);
INSERT INTO ref_l_rc_cim10 VALUES (100, 1, 'J02.9', NULL, 'sans précision', 'R76'),
       (101, 1, 'J03.9', 'B95', 'à streptocoque', 'R72'), (200, 2, 'R05', '', 'toux', 'R05');
INSERT INTO ref_combi_criteres_cim VALUES (100, 10, NULL), (101, 10, NULL), (101, 11, NULL), (200, 20, NULL);
)sql";

// The project's schema without the constraints that keep a careful author from storing NULLs, text identifiers
// and duplicates: hand-edited or converted files have none of them.
QString looseSchema()
{
    QString schema = schemaSql();
    schema.remove(QStringLiteral("NOT NULL"));
    schema.replace(QStringLiteral("INTEGER PRIMARY KEY"), QStringLiteral("INTEGER"));
    return schema;
}

enum class Damage { None, Truncated, ZeroBytes, NotSqlite };

struct Expect {
    bool listFilled; // the RC list shows RCs after start-up
    int failures;    // 1: failed statements are logged, 0: none may be, -1: either
};

const QString kDictionary = QStringLiteral("broken.sqlite");

// Search, profile, RC clicks, see-also, recordings through each code path, re-open, move, delete, report, copy,
// argument and reset, with whatever the dictionary gave. False when a click found nothing to click.
[[nodiscard]] bool walkMainRoad(Quorvel &w)
{
    auto *rcList = widget<QListWidget>(w, "List_RefRC");
    auto *criteria = widget<QListWidget>(w, "List_Criteres");
    auto *keyword = widget<QLineEdit>(w, "txtSearchCriteria");
    auto *table = widget<QTableView>(w, "tableView");

    keyword->setText(QStringLiteral("a"));
    click(w, "onlytitreCk");
    keyword->setText(QStringLiteral("d'é%_"));
    keyword->clear();
    click(w, "rbHomme");
    widget<QLineEdit>(w, "txtAge")->setText(QStringLiteral("30"));
    click(w, "rbFemme");
    click(w, "btEffacerProfilPatient");

    bool clicked = true;
    for (int row = 0; row < qMin(3, rcList->count()); ++row)
        clicked &= clickItem(rcList, rcList->item(row));
    auto *seeAlso = widget<QListWidget>(w, "listeSynonymes");
    if (seeAlso->count() > 0)
        clicked &= clickItem(seeAlso, seeAlso->item(0));

    // Three recordings: no criterion ticked, the first criterion, every criterion; each with another code radio.
    const char *const codes[] = {"rdCodeN", "rdCodeP", "rdCodeR"};
    for (int round = 0; round < 3; ++round) {
        if (rcList->count() > 0)
            clicked &= clickItem(rcList, rcList->item(round % rcList->count()));
        const int ticks = round == 0 ? 0 : round == 1 ? qMin(1, criteria->count()) : qMin(50, criteria->count());
        for (int i = 0; i < ticks; ++i)
            criteria->item(i)->setSelected(true);
        for (const char *position : {"rdPos_A", "rdPos_B", "rdPos_C", "rdPos_D", "rdPos_Z"}) {
            auto *radio = widget<QRadioButton>(w, position);
            if (radio->isVisible()) {
                radio->click();
                break;
            }
        }
        click(w, codes[round]);
        click(w, "btAjouterRC");
    }
    click(w, "btAucunCritere");

    if (table->model() && table->model()->rowCount() > 0) {
        clicked &= clickRow(table, 0);
        for (const char *name : {"btDown", "btUp"}) {
            auto *button = widget<QAbstractButton>(w, name);
            if (button->isVisible() && button->isEnabled())
                button->click();
        }
        click(w, "chkAsymptomique");
        click(w, "chkALD");
        click(w, "btShowArgument");
        clicked &= clickRow(table, table->model()->rowCount() - 1);
        click(w, "btSupprimerRC");
    }
    if (rcList->count() > 0)
        clicked &= clickItem(rcList, rcList->item(0));
    click(w, "btShowArgument");

    for (int tab = tabs(w)->count() - 1; tab >= 0; --tab)
        clicked &= clickTab(tabs(w), tab);
    for (const char *name : {"btCopyToClipboard", "btCopyToClipboard1", "btEffacer"})
        click(w, name);
    return clicked;
}

} // namespace

class TestRobustness : public testkit::TestCase
{
    Q_OBJECT

private slots:
    void init() { removeConfig(); }
    void cleanup();

    void brokenDictionaries_data();
    void brokenDictionaries();
    void brokenSettings_data();
    void brokenSettings();
    void damageFoundWhileReadingEmptiesTheList();
};

void TestRobustness::cleanup()
{
    // Every box the walk opened must have been answered, and no dialog may outlive its window.
    QTRY_VERIFY(!QApplication::activeModalWidget());
    for (QWidget *top : QApplication::topLevelWidgets()) {
        if (top->isVisible())
            top->close();
    }
}

void TestRobustness::brokenDictionaries_data()
{
    QTest::addColumn<QString>("sql");
    QTest::addColumn<bool>("withSchema");
    QTest::addColumn<int>("damage");
    QTest::addColumn<bool>("listFilled");
    QTest::addColumn<int>("failures"); // 1 some logged, 0 none may be, -1 either

    const QString valid = QString::fromUtf8(kValid);
    const auto row = [](const char *name, const QString &sql, bool withSchema, Damage damage, Expect e) {
        QTest::newRow(name) << sql << withSchema << int(damage) << e.listFilled << e.failures;
    };
    row("valid (control)", valid, true, Damage::None, {true, 0});
    row("schema without rows", QString(), true, Damage::None, {false, 0});
    row("not SQLite", QString(), false, Damage::NotSqlite, {false, 1});
    row("zero bytes", QString(), false, Damage::ZeroBytes, {false, 1});
    // Enough rows for many pages, so that the cut falls inside the tables' data.
    row("truncated at half",
        valid + QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1000 UNION ALL SELECT i + 1 FROM n WHERE i < 9000) "
                               "INSERT INTO ref_definition SELECT i, 1 + i % 3, 0, printf('Critère %d de remplissage "
                               "pour occuper des pages', i), 1, i, 1 FROM n;"),
        true, Damage::Truncated, {false, 1});

    const QStringList tables = {"ref_rc",  "ref_definition", "ref_rc_synonymes", "ref_l_rc_voir_aussi_rc",
                                "ref_dic", "ref_l_rc_dic",   "ref_l_rc_cim10",   "ref_combi_criteres_cim"};
    for (const QString &table : tables) {
        const bool listNeedsIt = table == QLatin1String("ref_rc") || table == QLatin1String("ref_definition");
        QTest::newRow(qPrintable(QStringLiteral("table %1 missing").arg(table)))
            << valid + QStringLiteral("DROP TABLE %1;").arg(table) << true << int(Damage::None) << !listNeedsIt << 1;
    }

    const QList<QPair<QString, QString>> columns = {{"ref_rc", "pa"},
                                                    {"ref_rc", "argumentaire"},
                                                    {"ref_rc", "code_cim_defaut"},
                                                    {"ref_definition", "ref_ponder_id"},
                                                    {"ref_definition", "lib_criteres_fr"},
                                                    {"ref_l_rc_cim10", "soustitre"},
                                                    {"ref_dic", "groupe"},
                                                    {"ref_l_rc_voir_aussi_rc", "voir_aussi_id"}};
    for (const auto &column : columns) {
        QTest::newRow(qPrintable(QStringLiteral("column %1.%2 missing").arg(column.first, column.second)))
            << valid + QStringLiteral("ALTER TABLE %1 DROP COLUMN %2;").arg(column.first, column.second) << true
            << int(Damage::None) << true << 1;
    }

    row("NULL in every column read", looseSchema() + QStringLiteral(R"sql(
INSERT INTO ref_rc VALUES (1, 'AVEC DES VIDES', NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL),
                          (NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL),
                          (2, NULL, 3, 0, 125, 1, 1, 1, 1, 1, NULL, NULL, NULL);
INSERT INTO ref_definition VALUES (10, 1, NULL, NULL, 1, NULL, NULL), (NULL, 1, 0, 'sans identifiant', 1, 2, 1),
                                  (11, 1, 10, 'enfant', 1, NULL, NULL), (20, 2, 0, NULL, 1, 1, 1),
                                  (21, NULL, NULL, NULL, 1, NULL, NULL);
INSERT INTO ref_rc_synonymes VALUES (1, NULL), (NULL, NULL);
INSERT INTO ref_l_rc_voir_aussi_rc VALUES (1, NULL), (NULL, 1), (1, 2);
INSERT INTO ref_dic VALUES (1, NULL, NULL), (NULL, NULL, NULL);
INSERT INTO ref_l_rc_dic VALUES (1, 1), (1, NULL);
INSERT INTO ref_l_rc_cim10 VALUES (100, 1, NULL, NULL, NULL, NULL), (NULL, 1, NULL, NULL, NULL, NULL);
INSERT INTO ref_combi_criteres_cim VALUES (100, NULL, NULL), (NULL, 10, NULL), (100, 10, NULL);
)sql"),
        false, Damage::None, {true, 0});
    row("text in integer columns", looseSchema() + QStringLiteral(R"sql(
INSERT INTO ref_rc VALUES ('un', 'TEXTE PARTOUT', 'homme', 'vingt', 'cent', 'oui', 'non', 'x', '', ' ', 'arg', 'A', 'B'),
                          (2, 'NORMAL', 3, 0, 125, 1, 1, 1, 1, 1, NULL, 'J00', 'R74');
INSERT INTO ref_definition VALUES ('dix', 'un', 'zéro', 'Critère texte', 1, 'premier', 'lourd'),
                                  (20, 2, 'x', 'Parent texte', 1, 'a', 'b'), (21, 2, 0, 'Critère', '1', 1, 1);
INSERT INTO ref_l_rc_voir_aussi_rc VALUES (2, 'un'), ('un', 2);
INSERT INTO ref_dic VALUES ('d', 'Diagnostic', 'grave');
INSERT INTO ref_l_rc_dic VALUES (2, 'd');
INSERT INTO ref_l_rc_cim10 VALUES ('règle', 2, 'J00', NULL, 'texte', 'R74');
INSERT INTO ref_combi_criteres_cim VALUES ('règle', 21, NULL);
)sql"),
        false, Damage::None, {true, -1});
    row("criterion its own parent",
        valid + QStringLiteral("UPDATE ref_definition SET pere_fk = 20 WHERE "
                               "ref_definition_seq = 20;"),
        true, Damage::None, {true, 0});
    row("two-criterion cycle",
        valid + QStringLiteral("UPDATE ref_definition SET pere_fk = 21 WHERE ref_definition_seq = "
                               "20; UPDATE ref_definition SET pere_fk = 20 WHERE "
                               "ref_definition_seq = 21;"),
        true, Damage::None, {true, 0});
    row("see-also to itself",
        valid + QStringLiteral("DELETE FROM ref_l_rc_voir_aussi_rc; INSERT INTO "
                               "ref_l_rc_voir_aussi_rc VALUES (1, 1), (2, 2), (3, 3);"),
        true, Damage::None, {true, 0});
    row("1 MB argument",
        valid + QStringLiteral("UPDATE ref_rc SET argumentaire = CAST(X'EFBBBF' || "
                               "replace(printf('%.*c', 524288, 'x'), 'x', 'é') AS BLOB);"),
        true, Damage::None, {true, 0});
    row("10,000 criteria for one RC",
        valid +
            QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1000 UNION ALL SELECT i + 1 FROM n WHERE i < 10999) "
                           "INSERT INTO ref_definition SELECT i, 1, CASE WHEN i % 10 = 0 THEN 0 ELSE i - i % 10 END, "
                           "printf('Critère %d', i), 1, i, 1 + i % 5 FROM n;"),
        true, Damage::None, {true, 0});
    row("titles with invalid UTF-8",
        valid +
            QStringLiteral("UPDATE ref_rc SET lib_rc = CAST(X'414E47C3' AS TEXT) WHERE ref_rc_seq = 1; UPDATE "
                           "ref_rc SET lib_rc = CAST(X'FF544F5558FE' AS TEXT) WHERE ref_rc_seq = 2; UPDATE "
                           "ref_definition SET lib_criteres_fr = CAST(X'C0AF' AS TEXT) WHERE ref_definition_seq = 10;"),
        true, Damage::None, {true, 0});
    row("duplicate identifiers", looseSchema() + QString::fromUtf8(kValid) + QStringLiteral(R"sql(
INSERT INTO ref_rc (ref_rc_seq, lib_rc, sex, age_min, age_max, pa, pb, pc, pd, pz) VALUES (1, 'DOUBLON', 3, 0, 125, 1, 0, 0, 0, 0);
INSERT INTO ref_definition VALUES (10, 2, 0, 'Critère au même numéro', 1, 9, 1), (20, 1, 0, 'Autre doublon', 1, 8, 2);
INSERT INTO ref_l_rc_cim10 VALUES (100, 2, 'R05', NULL, 'doublon de règle', 'R05');
)sql"),
        false, Damage::None, {true, 0});
}

void TestRobustness::brokenDictionaries()
{
    QFETCH(QString, sql);
    QFETCH(bool, withSchema);
    QFETCH(int, damage);
    QFETCH(bool, listFilled);
    QFETCH(int, failures);

    const QString path = appDir() + QLatin1Char('/') + kDictionary;
    QFile::remove(path);
    if (Damage(damage) == Damage::NotSqlite)
        QVERIFY(writeFile(path, QByteArray("Ceci n'est pas un dictionnaire, seulement du texte.\n").repeated(200)));
    else if (Damage(damage) == Damage::ZeroBytes)
        QVERIFY(writeFile(path, QByteArray()));
    else
        QVERIFY(!buildDictionary(kDictionary, sql, withSchema).isEmpty());
    if (Damage(damage) == Damage::Truncated) {
        QFile f(path);
        QVERIFY(f.size() > 64 * 1024);
        QVERIFY(f.resize(f.size() / 2));
    }
    QVERIFY(writeConfig(kDictionary));
    const QByteArray before = fileBytes(path);

    LogCapture log;
    ModalWatcher watcher(answerAnything);
    {
        Quorvel w;
        w.show();
        const int listed = widget<QListWidget>(w, "List_RefRC")->count();
        QCOMPARE(listed > 0, listFilled);
        // An RC must be shown exactly when the list has one to show.
        QCOMPARE(widget<QListWidget>(w, "List_RefRC")->currentRow() >= 0, listFilled);
        QVERIFY(walkMainRoad(w));
    }
    QString boxes;
    for (const ModalSeen &seen : watcher.seen)
        boxes += QStringLiteral("[%1 %2: %3 %4] ")
                     .arg(seen.className, seen.title, seen.text.left(60), seen.buttons.join('|'));
    QVERIFY2(watcher.forcedClosures == 0, qPrintable(boxes));
    // A file that opens but whose RC list cannot be read is told to the doctor once, at start-up; an empty but
    // readable one is not.
    int connectionBoxes = 0;
    for (const ModalSeen &seen : watcher.seen)
        connectionBoxes += seen.title == QLatin1String("Database Connection ") ? 1 : 0;
    QVERIFY2(connectionBoxes == (listFilled || failures == 0 ? 0 : 1), qPrintable(boxes));
    if (failures == 1)
        QVERIFY2(log.count(lcSql()) > 0, "a failed statement left no debug line");
    else if (failures == 0)
        QVERIFY2(log.count(lcSql()) == 0, qPrintable(log.lines(lcSql()).mid(0, 3).join('\n')));
    QVERIFY2(fileBytes(path) == before, "the dictionary file was changed");
}

void TestRobustness::brokenSettings_data()
{
    QTest::addColumn<QByteArray>("config"); // null: no config.ini at all
    QTest::newRow("missing") << QByteArray();
    QTest::newRow("empty") << QByteArray("");
    QTest::newRow("binary") << QByteArray("\x00\xff\xfe\x01[BD\x00\x1b\x7f", 11);
    QTest::newRow("no group BD") << QByteArray("[Base]\nbdName=broken.sqlite\n");
    QTest::newRow("empty bdName") << QByteArray("[BD]\nbdName=\n");
    QTest::newRow("bdName names a folder") << QByteArray("[BD]\nbdName=.\n");
    QTest::newRow("bdName names no file") << QByteArray("[BD]\nbdName=absent.sqlite\n");
}

void TestRobustness::brokenSettings()
{
    QFETCH(QByteArray, config);
    // A valid dictionary lies beside the program: nothing may open, create or change it by accident.
    const QString path = buildDictionary(kDictionary, QString::fromUtf8(kValid));
    QVERIFY(!path.isEmpty());
    const QByteArray before = fileBytes(path);
    QFile::remove(appDir() + QStringLiteral("/absent.sqlite"));
    QVERIFY(config.isNull() || writeRawConfig(config));
    QCOMPARE(QFile::exists(appDir() + QStringLiteral("/config.ini")), !config.isNull());
    const QStringList filesBefore = QDir(appDir()).entryList(QDir::Files);

    LogCapture log;
    ModalWatcher watcher(answerAnything);
    {
        Quorvel w;
        w.show();
        // Start-up shows one box, and empty panes; the buttons that act on the RC shown must cope with none.
        QCOMPARE(watcher.seen.size(), 1);
        QCOMPARE(widget<QListWidget>(w, "List_RefRC")->count(), 0);
        QCOMPARE(criteria(w)->count(), 0);
        for (const char *name : {"rdPos_A", "rdPos_B", "rdPos_C", "rdPos_D", "rdPos_Z"})
            QVERIFY(!widget<QRadioButton>(w, name)->isVisible());
        QVERIFY(walkMainRoad(w));
        QCOMPARE(widget<QListWidget>(w, "List_RefRC")->count(), 0);
    }
    QCOMPARE(watcher.forcedClosures, 0);
    QVERIFY(!watcher.seen.isEmpty());
    QCOMPARE(watcher.seen.first().title, QStringLiteral("Database Connection "));
    QVERIFY(watcher.seen.first().text.startsWith(QStringLiteral(" Error in connecting to Database ")));
    QCOMPARE(watcher.seen.first().buttons, QStringList{QStringLiteral("OK")});
    QCOMPARE(fileBytes(path), before);
    QCOMPARE(QDir(appDir()).entryList(QDir::Files), filesBefore);
    QVERIFY(log.count(lcSql()) > 0);
}

// A statement that starts, returns rows and then meets damaged pages must leave the list empty (like a failed
// one) and say so in the debug log, rather than show a partial list as if it were whole.
void TestRobustness::damageFoundWhileReadingEmptiesTheList()
{
    // Titles sorted by insertion, so the RC list's scan reads the first pages before reaching the cut ones.
    const QString sql = QStringLiteral(
        "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 4000) "
        "INSERT INTO ref_rc (ref_rc_seq, lib_rc) SELECT i, printf('RC %05d avec un titre assez long pour remplir', i) "
        "FROM n; INSERT INTO ref_definition (ref_definition_seq, ref_rc_id, lib_criteres_fr, ordre) "
        "SELECT ref_rc_seq, ref_rc_seq, 'Critère', 1 FROM ref_rc;");
    const QString path = buildDictionary(kDictionary, sql);
    QVERIFY(!path.isEmpty());
    {
        QFile f(path);
        QVERIFY(f.resize(f.size() * 3 / 4));
    }
    QVERIFY(writeConfig(kDictionary));
    LogCapture log;
    ModalWatcher watcher(answerAnything);
    Quorvel w;
    w.show();
    auto *list = widget<QListWidget>(w, "List_RefRC");
    QCOMPARE(list->count(), 0);
    QVERIFY(log.count(lcSql()) > 0);
    // The keyword search reads the same damaged pages.
    log.clear();
    widget<QLineEdit>(w, "txtSearchCriteria")->setText(QStringLiteral("RC"));
    QCOMPARE(list->count(), 0);
    QVERIFY(log.count(lcSql()) > 0);
}

QTEST_MAIN(TestRobustness)
#include "test_robustness.moc"
