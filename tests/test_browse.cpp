// SPDX-License-Identifier: GPL-3.0-or-later
// Browsing the dictionary through the real window: RC list states, keyword search, patient profile,
// RC load, criteria ticking, positions, see-also jump and critical diagnoses.
#include "app/quorvel.h"
#include "testkit.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

using namespace testkit;

static const char *const kSql = R"sql(
INSERT INTO ref_rc (ref_rc_seq, lib_rc, sex, age_min, age_max, pa, pb, pc, pd, pz, code_cim_defaut, code_cisp_defaut)
VALUES (1, 'ANGINE', 3, 0, 125, 0, 0, 1, 1, 0, 'J02.9', 'R76'),
       (2, 'CYSTITE', 2, 15, 125, 1, 1, 1, 1, 0, 'N30.0', 'U71'),
       (3, 'PROSTATISME', 1, 40, 125, 0, 0, 0, 0, 1, 'N40', 'Y85'),
       (4, 'ECZEMA GENERALISE', 3, 0, 125, 1, 1, 1, 1, 1, 'L30.9', 'S88'),
       (5, 'FIEVRE ISOLEE', 3, 0, 125, 1, 0, 0, 0, 0, 'R50.9', 'A03'),
       (6, 'DOULEUR D''EFFORT', 3, 18, 125, 1, 1, 0, 0, 0, 'R07.4', 'K01'),
       (7, 'TOUX', 3, 0, 125, 1, 0, 0, 0, 0, 'R05', 'R05'),
       (8, 'TOUX', 3, 0, 125, 0, 1, 0, 0, 0, 'R05', 'R05'),
       (9, 'SANS CRITERE EN VIGUEUR', 3, 0, 125, 0, 0, 0, 0, 1, 'Z00', 'A97');
INSERT INTO ref_definition (ref_definition_seq, ref_rc_id, pere_fk, lib_criteres_fr, validite, ordre, ref_ponder_id)
VALUES (10, 1, 0, 'Douleur pharyngée', 1, 1, 1),
       (11, 1, 10, 'Odynophagie', 1, 2, 2),
       (12, 1, 11, 'Refus alimentaire', 1, 3, 6),
       (13, 1, 999, 'Critère orphelin', 1, 4, 6),
       (14, 1, 0, '   ', 1, 5, NULL),
       (15, 1, 0, 'Critère retiré', 0, 6, 1),
       (20, 2, 0, 'Brûlures mictionnelles', 1, 1, 1),
       (30, 3, 0, 'Dysurie', 1, 1, 1),
       (40, 4, 0, 'Plaques érythémateuses', 1, 1, 1),
       (50, 5, 0, 'Température supérieure à 38 °C', 1, 1, 1),
       (60, 6, 0, 'Douleur thoracique à la marche', 1, 1, 1),
       (70, 7, 0, 'Toux sèche', 1, 1, 1),
       (80, 8, 0, 'Toux grasse', 1, 1, 1),
       (90, 9, 0, 'Jamais affiché', 0, 1, 1);
INSERT INTO ref_rc_synonymes VALUES (1, 'PHARYNGITE'), (5, 'Hyperthermie ÉLEVÉE');
INSERT INTO ref_l_rc_voir_aussi_rc VALUES (1, 7), (1, 9), (1, 999), (2, 1), (9, 2);
INSERT INTO ref_dic VALUES (100, 'Phlegmon périamygdalien', '2'), (101, 'Épiglottite', '3'),
                           (102, 'Scarlatine', '1'), (103, 'Sans groupe', NULL), (104, 'Groupe zéro', '0');
INSERT INTO ref_l_rc_dic VALUES (1, 102), (1, 101), (1, 100), (1, 103), (1, 104);
)sql";

class TestBrowse : public testkit::TestCase
{
    Q_OBJECT

private:
    QStringList visiblePositions(Quorvel &w)
    {
        QStringList shown;
        for (const char *name : {"rdPos_A", "rdPos_B", "rdPos_C", "rdPos_D", "rdPos_Z"})
            if (!widget<QRadioButton>(w, name)->isHidden())
                shown << QString::fromLatin1(name).right(1);
        return shown;
    }

private slots:
    void init() { QVERIFY(!useDictionary(QString::fromUtf8(kSql)).isEmpty()); }

    void fullListGroupsTitlesAndSkipsRcsWithoutCriteria();
    void keywordSearch_data();
    void keywordSearch();
    void emptyingKeywordFallsBackToProfileOnce();
    void titleOnlyBoxWithoutKeywordChangesNothing();
    void profileFilters_data();
    void profileFilters();
    void profileWithoutMatchEmptiesPanes();
    void clearProfileWithoutProfileOnlyRecolours();
    void clearProfileLoadsFullListDespiteKeyword();
    void resetKeepsAldOnly();
    void rcClickLoadsDefinition();
    void subCriterionForcesDirectParent();
    void arrowKeysForceParentWithoutTicking();
    void criterionToolTips();
    void seeAlsoJumpFromKeywordList_data();
    void seeAlsoJumpFromKeywordList();
    void seeAlsoJumpToUnlistedRc();
    void criticalDiagnosesMostCriticalFirst();
    void oneDebugLinePerSeeAlsoItem();
    void hostileKeywordsNeverBreakTheStatement();
};

void TestBrowse::fullListGroupsTitlesAndSkipsRcsWithoutCriteria()
{
    Quorvel w;
    QCOMPARE(itemTexts(rcList(w)), QStringList({"ANGINE", "CYSTITE", "DOULEUR D'EFFORT", "ECZEMA GENERALISE",
                                                "FIEVRE ISOLEE", "PROSTATISME", "TOUX"}));
    // Items carry the id and the title as tool tip.
    QListWidgetItem *angine = findItem(rcList(w), "ANGINE");
    QVERIFY(angine);
    QCOMPARE(angine->data(Qt::UserRole).toInt(), 1);
    QCOMPARE(angine->toolTip(), QStringLiteral("ANGINE"));
}

void TestBrowse::keywordSearch_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("titleOnly");
    QTest::addColumn<QStringList>("titles");
    QTest::newRow("title") << "angi" << false << QStringList{"ANGINE"};
    QTest::newRow("criterion text") << "odyno" << false << QStringList{"ANGINE"};
    QTest::newRow("synonym") << "pharyng" << false << QStringList{"ANGINE"};
    QTest::newRow("synonym, title only") << "pharyng" << true << QStringList{};
    QTest::newRow("duplicate titles both listed") << "toux" << true << QStringList{"TOUX", "TOUX"};
    QTest::newRow("apostrophe") << "d'effort" << false << QStringList{"DOULEUR D'EFFORT"};
    QTest::newRow("grave accent folded") << "fièvre" << true << QStringList{"FIEVRE ISOLEE"};
    QTest::newRow("accent in the criterion only") << "pharyngee" << false << QStringList{"ANGINE"};
    QTest::newRow("capital, other accent than stored") << "PHARYNGÈE" << false << QStringList{"ANGINE"};
    QTest::newRow("small accent, capital one stored") << "élevée" << false << QStringList{"FIEVRE ISOLEE"};
    QTest::newRow("title words in any order") << "Isolée  fièvre" << true << QStringList{"FIEVRE ISOLEE"};
    QTest::newRow("title word and criterion word") << "sèche toux" << false << QStringList{"TOUX"};
    QTest::newRow("two criteria, double blank") << "refus  odynophagie" << false << QStringList{"ANGINE"};
    QTest::newRow("synonym and criterion") << "douleur pharyngite" << false << QStringList{"ANGINE"};
    QTest::newRow("words of two RCs") << "angine toux" << false << QStringList{};
    QTest::newRow("apostrophe, words swapped") << "d'effort  douleur" << true << QStringList{"DOULEUR D'EFFORT"};
    QTest::newRow("without the accent") << "fievre" << true << QStringList{"FIEVRE ISOLEE"};
    QTest::newRow("blanks searched as typed") << "   " << false << QStringList{"ANGINE"};
    QTest::newRow("criteria not in force ignored") << "retiré" << false << QStringList{};
    QTest::newRow("beyond the basic plane") << "toux 😷" << true << QStringList{};
}

void TestBrowse::keywordSearch()
{
    QFETCH(QString, typed);
    QFETCH(bool, titleOnly);
    QFETCH(QStringList, titles);
    Quorvel w;
    w.show();
    if (titleOnly)
        widget<QCheckBox>(w, "onlytitreCk")->setChecked(true);
    LogCapture log;
    typeText(keywordBox(w), typed);
    QCOMPARE(keywordBox(w)->text(), typed);
    QCOMPARE(itemTexts(rcList(w)), titles);
    QCOMPARE(log.count(lcSql()), 0);
    // A keyword search leaves the RC shown as it was.
    QCOMPARE(rcTitle(w), QStringLiteral("<center>Définition du RC : ANGINE</center>"));
}

void TestBrowse::emptyingKeywordFallsBackToProfileOnce()
{
    Quorvel w;
    w.show();
    auto *titleOnly = widget<QCheckBox>(w, "onlytitreCk");
    click(w, "rbFemme");
    titleOnly->click();
    QTest::keyClicks(keywordBox(w), QStringLiteral("cy"));
    QCOMPARE(itemTexts(rcList(w)), QStringList({"CYSTITE"}));
    QTest::keyClick(keywordBox(w), Qt::Key_Backspace);
    QCOMPARE(itemTexts(rcList(w)), QStringList({"CYSTITE", "ECZEMA GENERALISE"})); // "c" still searches
    LogCapture log;
    QTest::keyClick(keywordBox(w), Qt::Key_Backspace);
    // Back to the women's profile list, first RC loaded, title-only unchecked.
    QVERIFY(!titleOnly->isChecked());
    QVERIFY(!itemTexts(rcList(w)).contains(QStringLiteral("PROSTATISME")));
    QVERIFY(itemTexts(rcList(w)).contains(QStringLiteral("CYSTITE")));
    QCOMPARE(rcList(w)->currentRow(), 0);
    QVERIFY(rcTitle(w).contains(rcList(w)->item(0)->text()));
    QVERIFY(log.count(lcTrace()) > 0); // the fall-back's RC load is traced
    // Emptying an already empty box again does not refill anything.
    log.clear();
    QMetaObject::invokeMethod(&w, "on_txtSearchCriteria_textChanged", Q_ARG(QString, QString()));
    QCOMPARE(log.count(lcTrace()), 0);
}

void TestBrowse::titleOnlyBoxWithoutKeywordChangesNothing()
{
    Quorvel w;
    w.show();
    QVERIFY(clickItem(rcList(w), QStringLiteral("CYSTITE")));
    LogCapture log;
    click(w, "onlytitreCk");
    QCOMPARE(rcList(w)->count(), 7);
    QCOMPARE(rcList(w)->currentItem()->text(), QStringLiteral("CYSTITE"));
    QCOMPARE(log.lines().size(), 0);
}

void TestBrowse::profileFilters_data()
{
    QTest::addColumn<QString>("sex");
    QTest::addColumn<QString>("age");
    QTest::addColumn<QStringList>("absent");
    QTest::addColumn<QStringList>("present");
    QTest::newRow("man") << "rbHomme" << QString() << QStringList{"CYSTITE"} << QStringList{"PROSTATISME", "ANGINE"};
    QTest::newRow("woman") << "rbFemme" << QString() << QStringList{"PROSTATISME"} << QStringList{"CYSTITE"};
    QTest::newRow("child of 10") << QString() << "10" << QStringList{"CYSTITE", "PROSTATISME", "DOULEUR D'EFFORT"}
                                 << QStringList{"ANGINE"};
    QTest::newRow("woman of 30") << "rbFemme" << QStringLiteral("30") << QStringList{"PROSTATISME"}
                                 << QStringList{"CYSTITE", "DOULEUR D'EFFORT"};
}

void TestBrowse::profileFilters()
{
    QFETCH(QString, sex);
    QFETCH(QString, age);
    QFETCH(QStringList, absent);
    QFETCH(QStringList, present);
    Quorvel w;
    w.show();
    widget<QCheckBox>(w, "chkALD")->setChecked(true);
    if (!sex.isEmpty())
        click(w, sex);
    QTest::keyClicks(widget<QLineEdit>(w, "txtAge"), age);
    const QStringList shown = itemTexts(rcList(w));
    for (const QString &t : absent)
        QVERIFY2(!shown.contains(t), qPrintable(t));
    for (const QString &t : present)
        QVERIFY2(shown.contains(t), qPrintable(t));
    // Each profile list shows its first RC and clears the flags.
    QCOMPARE(rcList(w)->currentRow(), 0);
    QVERIFY(rcTitle(w).contains(rcList(w)->item(0)->text()));
    QVERIFY(!widget<QCheckBox>(w, "chkALD")->isChecked());
}

void TestBrowse::profileWithoutMatchEmptiesPanes()
{
    // A dictionary whose only RC is for women: a man's profile matches nothing.
    QVERIFY(!useDictionary(QStringLiteral("INSERT INTO ref_rc (ref_rc_seq, lib_rc, sex, age_min, age_max, pa) "
                                          "VALUES (1, 'GROSSESSE', 2, 15, 50, 1);"
                                          "INSERT INTO ref_definition VALUES (1, 1, 0, 'Test positif', 1, 1, 1);"),
                           QStringLiteral("narrow.sqlite"))
                 .isEmpty());
    Quorvel narrow;
    narrow.show();
    QCOMPARE(rcList(narrow)->count(), 1);
    click(narrow, "rbHomme");
    QCOMPARE(rcList(narrow)->count(), 0);
    QCOMPARE(rcTitle(narrow), QStringLiteral("<center> Définition du RC : </center>"));
    QCOMPARE(criteria(narrow)->count(), 0);
    QCOMPARE(visiblePositions(narrow), QStringList());
    // Recording with nothing shown records nothing, and says why.
    ModalWatcher watcher;
    click(narrow, "btAjouterRC");
    QCOMPARE(watcher.seen.size(), 1);
    QVERIFY(watcher.seen.first().text.contains(QStringLiteral("choisissez d'abord un RC")));
    QCOMPARE(rowCount(narrow), 0);
}

void TestBrowse::clearProfileWithoutProfileOnlyRecolours()
{
    Quorvel w;
    w.show();
    QTest::keyClicks(keywordBox(w), QStringLiteral("toux"));
    auto *button = widget<QPushButton>(w, "btEffacerProfilPatient");
    button->click();
    QCOMPARE(button->palette().color(QPalette::Active, QPalette::Button), QColor(Qt::blue));
    QVERIFY(button->autoFillBackground());
    QCOMPARE(itemTexts(rcList(w)), QStringList({"TOUX", "TOUX"}));
}

void TestBrowse::clearProfileLoadsFullListDespiteKeyword()
{
    Quorvel w;
    w.show();
    click(w, "rbFemme");
    QTest::keyClicks(widget<QLineEdit>(w, "txtAge"), QStringLiteral("30"));
    QTest::keyClicks(keywordBox(w), QStringLiteral("cyst"));
    click(w, "btEffacerProfilPatient");
    QVERIFY(!widget<QRadioButton>(w, "rbFemme")->isChecked());
    QVERIFY(widget<QLineEdit>(w, "txtAge")->text().isEmpty());
    QCOMPARE(keywordBox(w)->text(), QStringLiteral("cyst"));
    QCOMPARE(rcList(w)->count(), 7);
    QCOMPARE(rcTitle(w), QStringLiteral("<center>Définition du RC: ANGINE</center>"));
    QCOMPARE(itemTexts(criteria(w)).first(), QStringLiteral("Douleur pharyngée"));
}

void TestBrowse::resetKeepsAldOnly()
{
    Quorvel w;
    w.show();
    QVERIFY(clickItem(rcList(w), QStringLiteral("CYSTITE")));
    click(w, "rdPos_B");
    click(w, "rdCodeP");
    click(w, "rbFemme");
    QTest::keyClicks(widget<QLineEdit>(w, "txtAge"), QStringLiteral("40"));
    click(w, "onlytitreCk");
    QTest::keyClicks(keywordBox(w), QStringLiteral("cy"));
    click(w, "chkAsymptomique");
    click(w, "chkALD");

    click(w, "btEffacer");

    QVERIFY(widget<QCheckBox>(w, "chkALD")->isChecked());
    for (const char *name :
         {"rdPos_A", "rdPos_B", "rdPos_C", "rdPos_D", "rdPos_Z", "rdCodeN", "rdCodeP", "rdCodeR", "rbHomme", "rbFemme"})
        QVERIFY2(!widget<QRadioButton>(w, name)->isChecked(), name);
    QVERIFY(!widget<QCheckBox>(w, "chkAsymptomique")->isChecked());
    QVERIFY(!widget<QCheckBox>(w, "onlytitreCk")->isChecked());
    QVERIFY(keywordBox(w)->text().isEmpty());
    QVERIFY(widget<QLineEdit>(w, "txtAge")->text().isEmpty());
    QCOMPARE(rcList(w)->count(), 7);
    QCOMPARE(rcTitle(w), QStringLiteral("<center>Définition du RC : ANGINE</center>"));
    QCOMPARE(criteria(w)->count(), 5);
    QCOMPARE(widget<QTableView>(w, "tableView")->model()->rowCount(), 0);
}

void TestBrowse::rcClickLoadsDefinition()
{
    Quorvel w;
    w.show();
    widget<QCheckBox>(w, "chkALD")->setChecked(true);
    QVERIFY(clickItem(rcList(w), QStringLiteral("ECZEMA GENERALISE")));
    QCOMPARE(rcTitle(w), QStringLiteral("<center> Définition du RC : ECZEMA GENERALISE</center>"));
    QCOMPARE(itemTexts(criteria(w)), QStringList({"Plaques érythémateuses"}));
    QCOMPARE(visiblePositions(w), QStringList({"A", "B", "C", "D", "Z"}));
    QVERIFY(!widget<QCheckBox>(w, "chkALD")->isChecked());
    QVERIFY(clickItem(rcList(w), QStringLiteral("PROSTATISME")));
    QCOMPARE(visiblePositions(w), QStringList({"Z"}));
    QVERIFY(clickItem(rcList(w), QStringLiteral("ANGINE")));
    QCOMPARE(visiblePositions(w), QStringList({"C", "D"}));
    QCOMPARE(widget<QListWidget>(w, "listeSynonymes")->count(), 2);
}

void TestBrowse::subCriterionForcesDirectParent()
{
    Quorvel w;
    w.show();
    auto *c = criteria(w);
    QVERIFY(clickItem(c, QStringLiteral("Refus alimentaire")));
    // Its parent is ticked, not the parent's parent.
    QCOMPARE(selectedTexts(c), QStringList({"Odynophagie", "Refus alimentaire"}));
    QVERIFY(clickItem(c, QStringLiteral("Odynophagie"))); // unticking ticks nothing
    QCOMPARE(selectedTexts(c), QStringList({"Refus alimentaire"}));
    QVERIFY(clickItem(c, QStringLiteral("Critère orphelin")));
    QCOMPARE(selectedTexts(c), QStringList({"Refus alimentaire", "Critère orphelin"}));
}

void TestBrowse::arrowKeysForceParentWithoutTicking()
{
    Quorvel w;
    w.show();
    auto *c = criteria(w);
    c->setFocus();
    c->setCurrentRow(0, QItemSelectionModel::NoUpdate);
    // Passing over a sub-criterion and select-all tick nothing; Space ticks it and its parent, parent first.
    QTest::keyClick(c, Qt::Key_Down);
    QTest::keyClick(c, Qt::Key_Down);
    QTest::keyClick(c, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(c->currentItem()->text(), QStringLiteral("Refus alimentaire"));
    QCOMPARE(selectedTexts(c), QStringList());
    QTest::keyClick(c, Qt::Key_Space);
    QCOMPARE(selectedTexts(c), QStringList({"Odynophagie", "Refus alimentaire"}));
    QStringList ticked; // in the order the row records them
    for (const QListWidgetItem *item : c->selectedItems())
        ticked << item->text();
    QCOMPARE(ticked, QStringList({"Odynophagie", "Refus alimentaire"}));
}

void TestBrowse::criterionToolTips()
{
    Quorvel w;
    auto *c = criteria(w);
    QCOMPARE(c->item(0)->toolTip(), QStringLiteral("Douleur pharyngée"));
    QCOMPARE(c->item(0)->data(Qt::UserRole).toInt(), 10);
    QCOMPARE(c->item(1)->data(Qt::UserRole + 1).toString(), QStringLiteral("10"));
    QListWidgetItem *blank = c->item(4);
    QCOMPARE(blank->text(), QStringLiteral("   "));
    QVERIFY(blank->toolTip().isEmpty());
}

void TestBrowse::seeAlsoJumpFromKeywordList_data()
{
    QTest::addColumn<bool>("byKeyboard");
    QTest::newRow("click") << false;
    QTest::newRow("Return") << true;
}

void TestBrowse::seeAlsoJumpFromKeywordList()
{
    QFETCH(bool, byKeyboard);
    Quorvel w;
    w.show();
    QTest::keyClicks(keywordBox(w), QStringLiteral("cyst"));
    QVERIFY(clickItem(rcList(w), QStringLiteral("CYSTITE")));
    widget<QCheckBox>(w, "chkALD")->setChecked(true);
    widget<QCheckBox>(w, "chkAsymptomique")->setChecked(true);
    auto *seeAlso = widget<QListWidget>(w, "listeSynonymes");
    QCOMPARE(itemTexts(seeAlso), QStringList({"ANGINE"}));

    if (byKeyboard) {
        seeAlso->setFocus();
        QTest::keyClick(seeAlso, Qt::Key_Home);
        QTest::keyClick(seeAlso, Qt::Key_Return);
    } else {
        QVERIFY(clickItem(seeAlso, QStringLiteral("ANGINE")));
    }

    QCOMPARE(w.focusWidget(), rcList(w));
    QCOMPARE(rcList(w)->count(), 7);
    QCOMPARE(keywordBox(w)->text(), QStringLiteral("cyst"));
    QCOMPARE(selectedTexts(rcList(w)), QStringList({"ANGINE"}));
    QCOMPARE(rcTitle(w), QStringLiteral("<center>Définition du RC : ANGINE</center>"));
    QCOMPARE(itemTexts(criteria(w)).first(), QStringLiteral("Douleur pharyngée"));
    QCOMPARE(itemTexts(seeAlso), QStringList({"SANS CRITERE EN VIGUEUR", "TOUX"}));
    QVERIFY(widget<QCheckBox>(w, "chkALD")->isChecked());
    QVERIFY(!widget<QCheckBox>(w, "chkAsymptomique")->isChecked());
    QCOMPARE(visiblePositions(w), QStringList({"C", "D"}));
}

void TestBrowse::seeAlsoJumpToUnlistedRc()
{
    Quorvel w;
    w.show();
    QVERIFY(clickItem(widget<QListWidget>(w, "listeSynonymes"), QStringLiteral("SANS CRITERE EN VIGUEUR")));
    QCOMPARE(rcTitle(w), QStringLiteral("<center>Définition du RC : ANGINE</center>"));
    QCOMPARE(selectedTexts(rcList(w)), QStringList());
    QCOMPARE(visiblePositions(w), QStringList({"Z"}));
    QCOMPARE(itemTexts(widget<QListWidget>(w, "listeSynonymes")), QStringList({"CYSTITE"}));
    QCOMPARE(criteria(w)->count(), 0);
}

void TestBrowse::criticalDiagnosesMostCriticalFirst()
{
    Quorvel w;
    auto *view = widget<QTableView>(w, "listCritique");
    QAbstractItemModel *model = view->model();
    QCOMPARE(model->rowCount(), 5);
    QStringList labels;
    for (int row = 0; row < model->rowCount(); ++row)
        labels << model->index(row, 0).data().toString();
    QCOMPARE(labels.mid(0, 3), QStringList({"Épiglottite", "Phlegmon périamygdalien", "Scarlatine"}));
    for (int row = 0; row < 3; ++row)
        QVERIFY(!model->index(row, 1).data(Qt::DecorationRole).value<QPixmap>().isNull());
    for (int row = 3; row < 5; ++row) {
        QVERIFY(model->index(row, 1).data(Qt::DecorationRole).isNull());
        QCOMPARE(model->index(row, 1).data().toString(), QString());
    }
    QVERIFY(view->horizontalHeader()->isHidden());
    QCOMPARE(view->columnWidth(0), 300);
    QCOMPARE(view->columnWidth(1), 60);
    QVERIFY(view->verticalHeader()->isHidden());
    QCOMPARE(view->rowHeight(0), 19);
    // The icons differ by criticality.
    const QImage high = model->index(0, 1).data(Qt::DecorationRole).value<QPixmap>().toImage();
    const QImage low = model->index(2, 1).data(Qt::DecorationRole).value<QPixmap>().toImage();
    QVERIFY(high != low);

    QVERIFY(clickItem(rcList(w), QStringLiteral("TOUX")));
    QCOMPARE(view->model()->rowCount(), 0);
    QVERIFY(view->horizontalHeader()->isHidden());
}

void TestBrowse::oneDebugLinePerSeeAlsoItem()
{
    Quorvel w;
    w.show();
    LogCapture log;
    QVERIFY(clickItem(rcList(w), QStringLiteral("CYSTITE"))); // one load for the whole click
    QCOMPARE(log.lines(lcTrace()).count(QStringLiteral("1")), 1);
    log.clear();
    QVERIFY(clickItem(rcList(w), QStringLiteral("CYSTITE"))); // the RC worked on: kept, not loaded again
    QCOMPARE(log.lines(lcTrace()).count(QStringLiteral("1")), 0);
}

void TestBrowse::hostileKeywordsNeverBreakTheStatement()
{
    Quorvel w;
    w.show();
    const QStringList hostile = {
        QStringLiteral("'"),
        QStringLiteral("''"),
        QStringLiteral("'; DROP TABLE ref_rc; --"),
        QStringLiteral("%"),
        QStringLiteral("_"),
        QStringLiteral("\\"),
        QStringLiteral("\\'"),
        QStringLiteral("\""),
        QStringLiteral("%1 %2 %3"),
        QStringLiteral(")) OR 1=1"),
        QStringLiteral("😷 fièvre"),
        QStringLiteral("ألم الحلق"),
        QStringLiteral("a\tb\nc"),
        QString(1000, QLatin1Char('x')),
        QString(20000, QChar(0x00E9)),
        QString::fromUtf16(u"x\u0000y", 3),
        QStringLiteral("ÉÊÇ’"),
    };
    LogCapture log;
    for (bool titleOnly : {false, true}) {
        widget<QCheckBox>(w, "onlytitreCk")->setChecked(titleOnly);
        for (const QString &text : hostile) {
            keywordBox(w)->setText(text);
            QCOMPARE(log.count(lcSql()), 0);
        }
        typeText(keywordBox(w), QStringLiteral("'%_\\\"é"));
        QCOMPARE(log.count(lcSql()), 0);
    }
    // The dictionary is still whole.
    click(w, "btEffacer");
    QCOMPARE(rcList(w)->count(), 7);
}

QTEST_MAIN(TestBrowse)
#include "test_browse.moc"
