// SPDX-License-Identifier: GPL-3.0-or-later
// Recording an RC into the consultation table: refusals, the weighting question for code N, the choice of
// the CIM 10 and CISP codes, duplicates, and what a cancelled choice leaves behind.
#include "app/quorvel.h"
#include "testkit.h"

#include <QApplication>
#include <QComboBox>
#include <QIcon>
#include <QInputDialog>
#include <QMessageBox>

using namespace testkit;

// Asthme: three rules on its criteria (one without CISP) and a default code; Bronchite: one rule;
// Cystite: two rules sharing one entry text, no default CIM 10; Douleur: nothing to code with;
// Lombalgie: weighted criteria on two levels; Vertige: parent links that loop.
static const char *const kSql = R"sql(
INSERT INTO ref_rc (ref_rc_seq, lib_rc, pa, pb, pc, pd, pz, code_cim_defaut, code_cisp_defaut) VALUES
 (10, 'Asthme', 1, 1, 1, 1, 1, 'A10', 'R96D'),
 (20, 'Bronchite', 1, 1, 1, 1, 1, 'J40', 'R79'),
 (30, 'Cystite', 1, 1, 1, 1, 1, '', 'U70'),
 (40, 'Douleur', 1, 1, 1, 1, 1, NULL, NULL),
 (50, 'Lombalgie', 1, 1, 1, 1, 1, 'M54', 'L03'),
 (60, 'Vertige', 1, 1, 1, 1, 1, 'R42', 'N17'),
 (80, 'Toux isolée', 1, 1, 1, 0, 1, 'R05', 'R05');
INSERT INTO ref_definition (ref_definition_seq, ref_rc_id, pere_fk, lib_criteres_fr, ordre, ref_ponder_id) VALUES
 (101, 10, 0, 'sifflements', 1, NULL), (102, 10, 0, 'dyspnée', 2, NULL),
 (201, 20, 0, 'toux', 1, NULL), (202, 20, 0, 'fièvre', 2, NULL),
 (301, 30, 0, 'brûlures', 1, NULL), (401, 40, 0, 'douleur', 1, NULL),
 (501, 50, 0, 'douleur lombaire', 1, 1), (502, 50, 0, 'raideur', 2, 3), (503, 50, 0, 'contracture', 3, 3),
 (504, 50, 0, 'irradiation', 4, NULL), (505, 50, 504, 'cruralgie', 5, 2), (506, 50, 504, 'sciatique', 6, NULL),
 (601, 60, 0, 'rotatoire', 1, NULL), (602, 60, 603, 'nausées', 2, 1), (603, 60, 602, 'vomissements', 3, 1),
 (604, 60, 604, 'chute', 4, 1), (801, 80, 0, 'toux sèche', 1, NULL);
INSERT INTO ref_l_rc_voir_aussi_rc (ref_rc_id, voir_aussi_id) VALUES (20, 80);
INSERT INTO ref_l_rc_cim10 (ref_lrccim_seq, ref_rc_id, code_cim_1, code_cim_2, soustitre, code_cisp) VALUES
 (1, 10, 'J45.0', NULL, 'allergique', 'R96'), (2, 10, 'B20', 'J45.1', 'mixte', ''),
 (3, 10, 'a05', '', 'minuscule', 'R97'), (4, 20, 'J20', NULL, 'aiguë', 'R78'),
 (5, 30, 'N30', NULL, 'simple', 'U71'), (6, 30, 'N30', NULL, 'simple', 'U72');
INSERT INTO ref_combi_criteres_cim (ref_lrccim_id, ref_definition_id) VALUES
 (1, 101), (2, 101), (2, 102), (3, 101), (4, 201), (5, 301), (6, 301);
)sql";

static const QString kNoFollowUp = QStringLiteral("Veuilliez séléctionner un code suivi");
static const QString kNoPosition = QStringLiteral("Veuilliez séléctionner une position diagnostique");

class TestRecording : public testkit::TestCase
{
    Q_OBJECT

private slots:
    void init() { QVERIFY(!useDictionary(QString::fromUtf8(kSql)).isEmpty()); }
    void cleanup() { QVERIFY(!QApplication::activeModalWidget()); }

    void recordsEveryCellAndSelectsTheRow();
    void refusesWithoutPositionOrFollowUp_data();
    void refusesWithoutPositionOrFollowUp();
    void asksForNOnlyWhenWeightingUnmet_data();
    void asksForNOnlyWhenWeightingUnmet();
    void loopingParentLinksEndTheTest();
    void chooseCodes_data();
    void chooseCodes();
    void duplicatesAreNotRecordedTwice();
    void titleFollowsTheRecordedRcWithoutSelection();
    void textRuleIdsNeverReachAStatement();
};

void TestRecording::recordsEveryCellAndSelectsTheRow()
{
    Quorvel w;
    w.show();
    LogCapture log;
    QVERIFY(record(w, QStringLiteral("Bronchite"), {QStringLiteral("fièvre"), QStringLiteral("toux")}, "rdPos_B",
                   "rdCodeP"));
    QVERIFY(clickItem(rcList(w), QStringLiteral("Douleur")));
    click(w, "chkALD");
    click(w, "rdPos_Z");
    click(w, "rdCodeR");
    click(w, "btAjouterRC");
    QCOMPARE(rowCount(w), 2);
    QCOMPARE(rowCells(w, 0),
             QStringList({"Bronchite", "B", "P", "J20", "R78", "Non", "202;201", "20", "Non", "202,201"}));
    // No rule, no default: both code cells stay empty rather than failing the recording.
    QCOMPARE(rowCells(w, 1), QStringList({"Douleur", "Z", "R", "", "", "Non", "", "40", "Oui", ""}));
    QCOMPARE(model(w)->index(1, 7).data().userType(), int(QMetaType::Int));
    QCOMPARE(table(w)->currentIndex().row(), 1);
    QVERIFY(table(w)->selectionModel()->isRowSelected(1, QModelIndex()));
    QCOMPARE(log.count(QStringLiteral("requete select code cim10 ")), 2);
    QVERIFY(log.lines().contains(QStringLiteral("requete select code cim10 ")));
    QVERIFY(log.lines().contains(QStringLiteral("requete select code cim10  select code_cim_1,code_cim_2,soustitre,"
                                                "code_cisp from ref_l_rc_cim10 rc_cim where ref_rc_id=40")));
}

void TestRecording::refusesWithoutPositionOrFollowUp_data()
{
    QTest::addColumn<QString>("position");
    QTest::addColumn<QString>("followUp");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("seeAlso"); // jumped to between the position and the follow-up code
    QTest::newRow("neither") << ""
                             << "" << kNoPosition << "";
    QTest::newRow("position only") << "rdPos_A"
                                   << "" << kNoFollowUp << "";
    QTest::newRow("follow-up only") << ""
                                    << "rdCodeP" << kNoPosition << "";
    QTest::newRow("position the see-also RC lacks") << "rdPos_D"
                                                    << "rdCodeP" << kNoPosition << "Toux isolée";
}

void TestRecording::refusesWithoutPositionOrFollowUp()
{
    QFETCH(QString, position);
    QFETCH(QString, followUp);
    QFETCH(QString, message);
    QFETCH(QString, seeAlso);
    Quorvel w;
    w.show();
    bool parented = false;
    bool owlIcon = false;
    ModalWatcher watcher([&](QWidget *modal) {
        parented = modal->parentWidget() == &w; // above the window on every desktop
        const QImage expected = QIcon(QStringLiteral(":/images/chouette-2015.jpg")).pixmap(32).toImage();
        owlIcon = modal->windowIcon().pixmap(32).toImage() == expected;
        pressButton(QStringLiteral("OK"))(modal);
    });
    QVERIFY(clickItem(rcList(w), QStringLiteral("Bronchite")));
    if (!position.isEmpty())
        click(w, qPrintable(position));
    if (!seeAlso.isEmpty())
        QVERIFY(clickItem(widget<QListWidget>(w, "listeSynonymes"), seeAlso));
    if (!followUp.isEmpty())
        click(w, qPrintable(followUp));
    click(w, "btAjouterRC");
    QCOMPARE(watcher.seen.size(), 1);
    QCOMPARE(watcher.seen.at(0).text, message);
    QCOMPARE(watcher.seen.at(0).iconName, QStringLiteral("warning"));
    QCOMPARE(watcher.seen.at(0).buttons, QStringList{QStringLiteral("OK")});
    QVERIFY(parented);
    QVERIFY(owlIcon);
    QCOMPARE(rowCount(w), 0);
}

void TestRecording::asksForNOnlyWhenWeightingUnmet_data()
{
    QTest::addColumn<QString>("rc");
    QTest::addColumn<QStringList>("ticks");
    QTest::addColumn<QString>("followUp");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QString>("answer"); // "" when no question may come
    const QStringList topMet = {"douleur lombaire", "raideur", "contracture"};
    QTest::newRow("class 0 unticked, Oui") << "Lombalgie" << QStringList() << "rdCodeN" << 1 << "Oui";
    QTest::newRow("class 0 unticked, Non") << "Lombalgie" << QStringList() << "rdCodeN" << 0 << "Non";
    QTest::newRow("class 0 unticked, Escape") << "Lombalgie" << QStringList() << "rdCodeN" << 0 << "Escape";
    QTest::newRow("one of two class 2") << "Lombalgie" << QStringList{"douleur lombaire", "raideur"} << "rdCodeN" << 0
                                        << "Non";
    QTest::newRow("top level met") << "Lombalgie" << topMet << "rdCodeN" << 1 << "";
    QTest::newRow("child level unmet") << "Lombalgie" << topMet + QStringList{"irradiation"} << "rdCodeN" << 0 << "Non";
    QTest::newRow("child level met") << "Lombalgie" << topMet + QStringList{"irradiation", "cruralgie"} << "rdCodeN"
                                     << 1 << "";
    QTest::newRow("P never asks") << "Lombalgie" << QStringList() << "rdCodeP" << 1 << "";
    QTest::newRow("R never asks") << "Lombalgie" << QStringList() << "rdCodeR" << 1 << "";
    QTest::newRow("no weighted criterion") << "Bronchite" << QStringList() << "rdCodeN" << 1 << "";
}

void TestRecording::asksForNOnlyWhenWeightingUnmet()
{
    QFETCH(QString, rc);
    QFETCH(QStringList, ticks);
    QFETCH(QString, followUp);
    QFETCH(int, rows);
    QFETCH(QString, answer);
    Quorvel w;
    w.show();
    ModalWatcher watcher(answer == QLatin1String("Escape") ? rejectDialog() : pressButton(answer));
    QVERIFY(record(w, rc, ticks, "rdPos_A", qPrintable(followUp)));
    QCOMPARE(rowCount(w), rows);
    QCOMPARE(watcher.seen.size(), answer.isEmpty() ? 0 : 1);
    if (answer.isEmpty())
        return;
    const QString text = QStringLiteral("Vous n'avez pas séléctionné l'ensemble de critères obligatoires pour cet RC "
                                        "ayant le code suivi N") +
                         QString(6, ' ') + '\n' + QString(32, ' ') + QStringLiteral("Voulez vous continuer ?");
    QCOMPARE(watcher.seen.at(0).text, text);
    QCOMPARE(watcher.seen.at(0).iconName, QStringLiteral("warning"));
    QCOMPARE(watcher.seen.at(0).buttons.size(), 2);
    QVERIFY(watcher.seen.at(0).buttons.contains(QStringLiteral("Oui")));
    QVERIFY(watcher.seen.at(0).buttons.contains(QStringLiteral("Non")));
}

void TestRecording::loopingParentLinksEndTheTest()
{
    Quorvel w;
    w.show();
    ModalWatcher watcher(pressButton(QStringLiteral("Non")));
    // nausées and vomissements are each other's parent, chute is its own; all three are of class 0 and ticked.
    QVERIFY(record(w, QStringLiteral("Vertige"), {"nausées", "vomissements", "chute"}, "rdPos_A", "rdCodeN"));
    QCOMPARE(watcher.seen.size(), 0);
    QCOMPARE(rowCount(w), 1);
    // The guard only stops the loop: with vomissements unticked, the level under nausées is not met any more.
    click(w, "rdPos_B");
    criteria(w)->item(2)->setSelected(false);
    click(w, "btAjouterRC");
    QCOMPARE(watcher.seen.size(), 1);
    QCOMPARE(rowCount(w), 1);
}

void TestRecording::chooseCodes_data()
{
    QTest::addColumn<QString>("rc");
    QTest::addColumn<QStringList>("ticks");
    QTest::addColumn<QString>("choice"); // entry picked (or typed) in the dialog; "" when none may show
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QString>("cim");
    QTest::addColumn<QString>("cisp");
    QTest::addColumn<bool>("accept");
    const QStringList asthma = {"A10 : Asthme", "B20/J45.1 : mixte", "J45.0 : allergique", "a05 : minuscule"};
    QTest::newRow("one rule, nothing ticked") << "Bronchite" << QStringList() << "" << QStringList() << "J20"
                                              << "R78" << true;
    QTest::newRow("one rule applies") << "Bronchite" << QStringList{"toux"} << "" << QStringList() << "J20"
                                      << "R78" << true;
    QTest::newRow("no rule applies") << "Bronchite" << QStringList{"fièvre"} << "" << QStringList() << "J40"
                                     << "R79" << true;
    QTest::newRow("first entry is the default")
        << "Asthme" << QStringList{"sifflements", "dyspnée"} << "A10 : Asthme" << asthma << "A10"
        << "R96D" << true;
    QTest::newRow("empty CISP takes the default")
        << "Asthme" << QStringList{"dyspnée", "sifflements"} << "B20/J45.1 : mixte" << asthma << "B20/J45.1"
        << "R96D" << true;
    QTest::newRow("two of three rules") << "Asthme" << QStringList{"sifflements"} << "a05 : minuscule"
                                        << QStringList{"A10 : Asthme", "J45.0 : allergique", "a05 : minuscule"} << "a05"
                                        << "R97" << true;
    // A code of the doctor's own is refused with a box, then the choice comes back (cancelled here).
    QTest::newRow("typed text") << "Asthme" << QStringList{"sifflements"} << "J45.8 autre"
                                << QStringList{"A10 : Asthme", "J45.0 : allergique", "a05 : minuscule"} << ""
                                << "" << false;
    QTest::newRow("nothing ticked lists every rule")
        << "Asthme" << QStringList() << "J45.0 : allergique" << asthma << "J45.0"
        << "R96" << true;
    // A cancelled or closed choice records nothing rather than a code the doctor did not pick.
    QTest::newRow("cancelled") << "Asthme" << QStringList{"sifflements"} << "J45.0 : allergique" << QStringList() << ""
                               << "" << false;
    QTest::newRow("same entry twice, no default")
        << "Cystite" << QStringList{"brûlures"} << "N30 : simple" << QStringList{"N30 : simple"} << "N30"
        << "U72" << true;
}

void TestRecording::chooseCodes()
{
    QFETCH(QString, rc);
    QFETCH(QStringList, ticks);
    QFETCH(QString, choice);
    QFETCH(QStringList, entries);
    QFETCH(QString, cim);
    QFETCH(QString, cisp);
    QFETCH(bool, accept);
    Quorvel w;
    w.show();
    QStringList shown;
    QString preselected;
    bool editable = false;
    int refusals = 0;
    const bool typed = !entries.isEmpty() && !entries.contains(choice);
    ModalWatcher watcher([&](QWidget *modal) {
        if (qobject_cast<QMessageBox *>(modal)) {
            refusals += modal->property("text").toString().contains(QStringLiteral("n'est pas dans la liste"));
            pressButton(QStringLiteral("OK"))(modal);
            return;
        }
        if (!shown.isEmpty()) { // the choice back after a refusal: cancelled
            chooseItem(QString(), false)(modal);
            return;
        }
        if (auto *combo = modal->findChild<QComboBox *>()) {
            for (int i = 0; i < combo->count(); ++i)
                shown << combo->itemText(i);
            preselected = combo->currentText();
            editable = combo->isEditable();
        }
        chooseItem(choice, accept || typed)(modal);
    });
    QVERIFY(record(w, rc, ticks, "rdPos_D", "rdCodeP"));
    QCOMPARE(refusals, typed ? 1 : 0);
    QCOMPARE(watcher.seen.size(), choice.isEmpty() ? 0 : typed ? 3 : 1);
    if (!choice.isEmpty()) {
        QCOMPARE(watcher.seen.at(0).title, QStringLiteral("Choix du code CIM10"));
        QCOMPARE(watcher.seen.at(0).text, QStringLiteral("Veuilliez sélectionner le code CIM10 "));
        QCOMPARE(watcher.seen.at(0).className, QStringLiteral("QInputDialog"));
        QVERIFY(editable);
        if (!entries.isEmpty()) {
            QCOMPARE(shown, entries);
            QCOMPARE(preselected, entries.first());
        }
    }
    QCOMPARE(rowCount(w), accept ? 1 : 0);
    if (accept)
        QCOMPARE(rowCells(w, 0).mid(3, 2), QStringList({cim, cisp}));
}

void TestRecording::duplicatesAreNotRecordedTwice()
{
    Quorvel w;
    w.show();
    QVERIFY(record(w, QStringLiteral("Bronchite"), {QStringLiteral("toux"), QStringLiteral("fièvre")}, "rdPos_A",
                   "rdCodeP"));
    ModalWatcher watcher;
    click(w, "btAjouterRC");
    QCOMPARE(rowCount(w), 1);
    click(w, "chkALD"); // ALD is not part of what makes a finding new
    click(w, "btAjouterRC");
    QCOMPARE(rowCount(w), 1);
    // Each stopped recording tells the doctor, who would otherwise believe the ALD answer recorded.
    QCOMPARE(watcher.seen.size(), 2);
    for (const ModalSeen &seen : watcher.seen)
        QVERIFY(seen.text.contains(QStringLiteral("déjà dans la consultation")));
    // The form edits the row it recorded: the ALD click corrected it, and no contradictory second row came.
    QCOMPARE(rowCells(w, 0).at(8), QStringLiteral("Oui"));
    // Another follow-up code, position or order of the same ticks is another finding, recorded from the list.
    QVERIFY(record(w, QStringLiteral("Bronchite"), {QStringLiteral("toux"), QStringLiteral("fièvre")}, "rdPos_A",
                   "rdCodeR"));
    QVERIFY(record(w, QStringLiteral("Bronchite"), {QStringLiteral("toux"), QStringLiteral("fièvre")}, "rdPos_B",
                   "rdCodeR"));
    QVERIFY(record(w, QStringLiteral("Bronchite"), {QStringLiteral("fièvre"), QStringLiteral("toux")}, "rdPos_A",
                   "rdCodeP"));
    QCOMPARE(rowCount(w), 4);
    QCOMPARE(rowCells(w, 3).at(6), QStringLiteral("202;201"));
    QCOMPARE(watcher.seen.size(), 2);
}

void TestRecording::titleFollowsTheRecordedRcWithoutSelection()
{
    Quorvel w;
    w.show();
    QVERIFY(record(w, QStringLiteral("Douleur"), {}, "rdPos_A", "rdCodeP"));
    QVERIFY(clickItem(rcList(w), QStringLiteral("Douleur"))); // a draft again, the recorded row left as it is
    rcList(w)->clearSelection();
    QVERIFY(rcList(w)->currentItem());
    click(w, "rdPos_A");
    click(w, "rdCodeR");
    click(w, "btAjouterRC");
    QCOMPARE(rowCount(w), 2);
    QCOMPARE(rowCells(w, 1).at(0), QStringLiteral("Douleur"));

    // A keyword typed to look something up refills the list without a current item; the form still shows Asthme
    // and the doctor's choices, and that is what is recorded, with the codes chosen for it.
    QVERIFY(clickItem(rcList(w), QStringLiteral("Asthme")));
    QVERIFY(tick(w, {QStringLiteral("sifflements")}));
    click(w, "rdPos_B");
    click(w, "rdCodeP");
    replaceText(keywordBox(w), QStringLiteral("dou"));
    QVERIFY(!rcList(w)->currentItem());
    ModalWatcher watcher(chooseItem(QStringLiteral("J45.0 : allergique")));
    click(w, "btAjouterRC");
    QCOMPARE(watcher.seen.size(), 1);
    QCOMPARE(rowCount(w), 3);
    QCOMPARE(rowCells(w, 2), QStringList({"Asthme", "B", "P", "J45.0", "R96", "Non", "101", "10", "Non", "101"}));
}

void TestRecording::textRuleIdsNeverReachAStatement()
{
    // A hand-edited dictionary whose rule table has no integer key: one sound rule, one whose id is SQL text.
    QVERIFY(!useDictionary(QString::fromUtf8(kSql) + QStringLiteral(R"sql(
DROP TABLE ref_combi_criteres_cim;
DROP TABLE ref_l_rc_cim10;
CREATE TABLE ref_l_rc_cim10 (ref_lrccim_seq, ref_rc_id, code_cim_1, code_cim_2, soustitre, code_cisp);
CREATE TABLE ref_combi_criteres_cim (ref_lrccim_id, ref_definition_id, condition);
INSERT INTO ref_rc (ref_rc_seq, lib_rc, pa, pb, pc, pd, pz, code_cim_defaut, code_cisp_defaut)
 VALUES (70, 'Otite', 1, 1, 1, 1, 1, 'H66.9', 'H71');
INSERT INTO ref_definition (ref_definition_seq, ref_rc_id, pere_fk, lib_criteres_fr, ordre) VALUES (701, 70, 0, 'otalgie', 1);
INSERT INTO ref_l_rc_cim10 VALUES (7, 70, 'H66.0', NULL, 'aiguë', 'H71'), ('7 OR 1=1', 70, 'H99', NULL, 'texte', 'H99');
INSERT INTO ref_combi_criteres_cim VALUES (7, 701, NULL), ('7 OR 1=1', 701, NULL);
)sql"))
                 .isEmpty());
    Quorvel w;
    w.show();
    ModalWatcher watcher;
    LogCapture log;
    QVERIFY(record(w, "Otite", {"otalgie"}, "rdPos_C", "rdCodeP"));
    QCOMPARE(watcher.seen.size(), 0);
    QCOMPARE(rowCount(w), 1);
    QCOMPARE(rowCells(w, 0).mid(3, 2), QStringList({"H66.0", "H71"}));
    QCOMPARE(log.count(lcSql()), 0);
}

QTEST_MAIN(TestRecording)
#include "test_recording.moc"
