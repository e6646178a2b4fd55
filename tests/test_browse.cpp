// Browsing the dictionary through the real window: RC list states, keyword search, patient profile,
// RC load, criteria ticking, positions, see-also jump and critical diagnoses.
#include "app/quorvel.h"
#include "testkit.h"

#include <QApplication>
#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTest>

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
INSERT INTO ref_rc_synonymes VALUES (1, 'PHARYNGITE'), (5, 'HYPERTHERMIE');
INSERT INTO ref_l_rc_voir_aussi_rc VALUES (1, 7), (1, 9), (1, 999), (2, 1), (9, 2);
INSERT INTO ref_dic VALUES (100, 'Phlegmon périamygdalien', '2'), (101, 'Épiglottite', '3'),
                           (102, 'Scarlatine', '1'), (103, 'Sans groupe', NULL), (104, 'Groupe zéro', '0');
INSERT INTO ref_l_rc_dic VALUES (1, 102), (1, 101), (1, 100), (1, 103), (1, 104);
)sql";

class TestBrowse : public QObject
{
    Q_OBJECT

private:
    QListWidget *list(Quorvel &w) { return w.findChild<QListWidget *>("List_RefRC"); }
    QListWidget *criteria(Quorvel &w) { return w.findChild<QListWidget *>("List_Criteres"); }
    QLineEdit *keyword(Quorvel &w) { return w.findChild<QLineEdit *>("txtSearchCriteria"); }
    QString title(Quorvel &w) { return w.findChild<QLabel *>("txtTitreRc")->text(); }
    QStringList visiblePositions(Quorvel &w)
    {
        QStringList shown;
        for (const char *name : {"rdPos_A", "rdPos_B", "rdPos_C", "rdPos_D", "rdPos_Z"})
            if (!w.findChild<QRadioButton *>(name)->isHidden())
                shown << QString::fromLatin1(name).right(1);
        return shown;
    }
    static int statementErrors(const testkit::LogCapture &log)
    {
        return log.count(QStringLiteral("Unable to execute")) + log.count(QStringLiteral("syntax error")) +
               log.count(QStringLiteral("problem"));
    }

private slots:
    void init() { testkit::useDictionary(QString::fromUtf8(kSql)); }

    void fullListGroupsTitlesAndSkipsRcsWithoutCriteria();
    void keywordSearch_data();
    void keywordSearch();
    void accentsFoldedForEAcuteOnly();
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
    void seeAlsoJumpFromKeywordList();
    void seeAlsoJumpToUnlistedRc();
    void criticalDiagnosesMostCriticalFirst();
    void oneDebugLinePerSeeAlsoItem();
    void hostileKeywordsNeverBreakTheStatement();
};

void TestBrowse::fullListGroupsTitlesAndSkipsRcsWithoutCriteria()
{
    Quorvel w;
    QCOMPARE(testkit::itemTexts(list(w)), QStringList({"ANGINE", "CYSTITE", "DOULEUR D'EFFORT", "ECZEMA GENERALISE",
                                                       "FIEVRE ISOLEE", "PROSTATISME", "TOUX"}));
    // Items carry the id and the title as tool tip.
    QListWidgetItem *angine = testkit::findItem(list(w), "ANGINE");
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
    QTest::newRow("grave accent not folded") << "fièvre" << true << QStringList{};
    QTest::newRow("without the accent") << "fievre" << true << QStringList{"FIEVRE ISOLEE"};
    QTest::newRow("blanks searched as typed") << "   " << false << QStringList{"ANGINE"};
    QTest::newRow("criteria not in force ignored") << "retiré" << false << QStringList{};
}

void TestBrowse::keywordSearch()
{
    QFETCH(QString, typed);
    QFETCH(bool, titleOnly);
    QFETCH(QStringList, titles);
    Quorvel w;
    w.show();
    if (titleOnly)
        w.findChild<QCheckBox *>("onlytitreCk")->setChecked(true);
    testkit::LogCapture log;
    testkit::typeText(keyword(w), typed);
    QCOMPARE(testkit::itemTexts(list(w)), titles);
    QCOMPARE(statementErrors(log), 0);
    // A keyword search leaves the RC shown as it was.
    QCOMPARE(title(w), QStringLiteral("<center>Définition du RC : ANGINE</center>"));
}

void TestBrowse::accentsFoldedForEAcuteOnly()
{
    Quorvel w;
    testkit::typeText(keyword(w), QStringLiteral("Généralisé"));
    const QStringList accented = testkit::itemTexts(list(w));
    keyword(w)->clear();
    QTest::keyClicks(keyword(w), QStringLiteral("generalise"));
    QCOMPARE(accented, QStringList({"ECZEMA GENERALISE"}));
    QCOMPARE(testkit::itemTexts(list(w)), accented);
}

void TestBrowse::emptyingKeywordFallsBackToProfileOnce()
{
    Quorvel w;
    w.show();
    auto *titleOnly = w.findChild<QCheckBox *>("onlytitreCk");
    w.findChild<QRadioButton *>("rbFemme")->click();
    titleOnly->click();
    QTest::keyClicks(keyword(w), QStringLiteral("cy"));
    QCOMPARE(testkit::itemTexts(list(w)), QStringList({"CYSTITE"}));
    QTest::keyClick(keyword(w), Qt::Key_Backspace);
    QCOMPARE(testkit::itemTexts(list(w)), QStringList({"CYSTITE", "ECZEMA GENERALISE"})); // "c" still searches
    testkit::LogCapture log;
    QTest::keyClick(keyword(w), Qt::Key_Backspace);
    // Back to the women's profile list, first RC loaded, title-only unchecked.
    QVERIFY(!titleOnly->isChecked());
    QVERIFY(!testkit::itemTexts(list(w)).contains(QStringLiteral("PROSTATISME")));
    QVERIFY(testkit::itemTexts(list(w)).contains(QStringLiteral("CYSTITE")));
    QCOMPARE(list(w)->currentRow(), 0);
    QVERIFY(title(w).contains(list(w)->item(0)->text()));
    // Emptying an already empty box again does not refill anything.
    const int refills = log.count(QStringLiteral("ref_definition WHERE"));
    keyword(w)->setText(QStringLiteral("x"));
    keyword(w)->clear();
    keyword(w)->setText(QString());
    QVERIFY(log.count(QStringLiteral("ref_definition WHERE")) > refills);
}

void TestBrowse::titleOnlyBoxWithoutKeywordChangesNothing()
{
    Quorvel w;
    w.show();
    testkit::clickItem(list(w), QStringLiteral("CYSTITE"));
    testkit::LogCapture log;
    w.findChild<QCheckBox *>("onlytitreCk")->click();
    QCOMPARE(list(w)->count(), 7);
    QCOMPARE(list(w)->currentItem()->text(), QStringLiteral("CYSTITE"));
    QCOMPARE(log.lines().size(), 0);
}

void TestBrowse::profileFilters_data()
{
    QTest::addColumn<QString>("sex");
    QTest::addColumn<QString>("age");
    QTest::addColumn<QStringList>("absent");
    QTest::addColumn<QStringList>("present");
    QTest::newRow("man") << "rbHomme"
                         << "" << QStringList{"CYSTITE"} << QStringList{"PROSTATISME", "ANGINE"};
    QTest::newRow("woman") << "rbFemme"
                           << "" << QStringList{"PROSTATISME"} << QStringList{"CYSTITE"};
    QTest::newRow("child of 10") << ""
                                 << "10" << QStringList{"CYSTITE", "PROSTATISME", "DOULEUR D'EFFORT"}
                                 << QStringList{"ANGINE"};
    QTest::newRow("woman of 30") << "rbFemme"
                                 << "30" << QStringList{"PROSTATISME"} << QStringList{"CYSTITE", "DOULEUR D'EFFORT"};
}

void TestBrowse::profileFilters()
{
    QFETCH(QString, sex);
    QFETCH(QString, age);
    QFETCH(QStringList, absent);
    QFETCH(QStringList, present);
    Quorvel w;
    w.show();
    w.findChild<QCheckBox *>("chkALD")->setChecked(true);
    if (!sex.isEmpty())
        w.findChild<QRadioButton *>(sex)->click();
    QTest::keyClicks(w.findChild<QLineEdit *>("txtAge"), age);
    const QStringList shown = testkit::itemTexts(list(w));
    for (const QString &t : absent)
        QVERIFY2(!shown.contains(t), qPrintable(t));
    for (const QString &t : present)
        QVERIFY2(shown.contains(t), qPrintable(t));
    // Each profile list shows its first RC and clears the flags.
    QCOMPARE(list(w)->currentRow(), 0);
    QVERIFY(title(w).contains(list(w)->item(0)->text()));
    QVERIFY(!w.findChild<QCheckBox *>("chkALD")->isChecked());
}

void TestBrowse::profileWithoutMatchEmptiesPanes()
{
    // A dictionary whose only RC is for women: a man's profile matches nothing.
    testkit::buildDictionary(QStringLiteral("narrow.sqlite"),
                             QStringLiteral("INSERT INTO ref_rc (ref_rc_seq, lib_rc, sex, age_min, age_max, pa) "
                                            "VALUES (1, 'GROSSESSE', 2, 15, 50, 1);"
                                            "INSERT INTO ref_definition VALUES (1, 1, 0, 'Test positif', 1, 1, 1);"));
    testkit::writeConfig(QStringLiteral("narrow.sqlite"));
    Quorvel narrow;
    narrow.show();
    QCOMPARE(list(narrow)->count(), 1);
    narrow.findChild<QRadioButton *>("rbHomme")->click();
    QCOMPARE(list(narrow)->count(), 0);
    QCOMPARE(title(narrow), QStringLiteral("<center> Définition du RC : </center>"));
    QCOMPARE(criteria(narrow)->count(), 0);
    QCOMPARE(visiblePositions(narrow), QStringList());
    // Recording with nothing shown does nothing and shows nothing.
    testkit::ModalWatcher watcher;
    narrow.findChild<QPushButton *>("btAjouterRC")->click();
    QCOMPARE(watcher.seen.size(), 0);
}

void TestBrowse::clearProfileWithoutProfileOnlyRecolours()
{
    Quorvel w;
    w.show();
    QTest::keyClicks(keyword(w), QStringLiteral("toux"));
    auto *button = w.findChild<QPushButton *>("btEffacerProfilPatient");
    button->click();
    QCOMPARE(button->palette().color(QPalette::Active, QPalette::Button), QColor(Qt::blue));
    QVERIFY(button->autoFillBackground());
    QCOMPARE(testkit::itemTexts(list(w)), QStringList({"TOUX", "TOUX"}));
}

void TestBrowse::clearProfileLoadsFullListDespiteKeyword()
{
    Quorvel w;
    w.show();
    w.findChild<QRadioButton *>("rbFemme")->click();
    QTest::keyClicks(w.findChild<QLineEdit *>("txtAge"), QStringLiteral("30"));
    QTest::keyClicks(keyword(w), QStringLiteral("cyst"));
    w.findChild<QPushButton *>("btEffacerProfilPatient")->click();
    QVERIFY(!w.findChild<QRadioButton *>("rbFemme")->isChecked());
    QVERIFY(w.findChild<QLineEdit *>("txtAge")->text().isEmpty());
    QCOMPARE(keyword(w)->text(), QStringLiteral("cyst"));
    QCOMPARE(list(w)->count(), 7);
    QCOMPARE(title(w), QStringLiteral("<center>Définition du RC: ANGINE</center>"));
    QCOMPARE(testkit::itemTexts(criteria(w)).first(), QStringLiteral("Douleur pharyngée"));
}

void TestBrowse::resetKeepsAldOnly()
{
    Quorvel w;
    w.show();
    testkit::clickItem(list(w), QStringLiteral("CYSTITE"));
    w.findChild<QRadioButton *>("rdPos_B")->click();
    w.findChild<QRadioButton *>("rdCodeP")->click();
    w.findChild<QRadioButton *>("rbFemme")->click();
    QTest::keyClicks(w.findChild<QLineEdit *>("txtAge"), QStringLiteral("40"));
    w.findChild<QCheckBox *>("onlytitreCk")->click();
    QTest::keyClicks(keyword(w), QStringLiteral("cy"));
    w.findChild<QCheckBox *>("chkAsymptomique")->click();
    w.findChild<QCheckBox *>("chkALD")->click();

    w.findChild<QPushButton *>("btEffacer")->click();

    QVERIFY(w.findChild<QCheckBox *>("chkALD")->isChecked());
    for (const char *name :
         {"rdPos_A", "rdPos_B", "rdPos_C", "rdPos_D", "rdPos_Z", "rdCodeN", "rdCodeP", "rdCodeR", "rbHomme", "rbFemme"})
        QVERIFY2(!w.findChild<QRadioButton *>(name)->isChecked(), name);
    QVERIFY(!w.findChild<QCheckBox *>("chkAsymptomique")->isChecked());
    QVERIFY(!w.findChild<QCheckBox *>("onlytitreCk")->isChecked());
    QVERIFY(keyword(w)->text().isEmpty());
    QVERIFY(w.findChild<QLineEdit *>("txtAge")->text().isEmpty());
    QCOMPARE(list(w)->count(), 7);
    QCOMPARE(title(w), QStringLiteral("<center>Définition du RC : ANGINE</center>"));
    QCOMPARE(criteria(w)->count(), 5);
    QCOMPARE(w.findChild<QTableView *>("tableView")->model()->rowCount(), 0);
}

void TestBrowse::rcClickLoadsDefinition()
{
    Quorvel w;
    w.show();
    w.findChild<QCheckBox *>("chkALD")->setChecked(true);
    testkit::clickItem(list(w), QStringLiteral("ECZEMA GENERALISE"));
    QCOMPARE(title(w), QStringLiteral("<center> Définition du RC : ECZEMA GENERALISE</center>"));
    QCOMPARE(testkit::itemTexts(criteria(w)), QStringList({"Plaques érythémateuses"}));
    QCOMPARE(visiblePositions(w), QStringList({"A", "B", "C", "D", "Z"}));
    QVERIFY(!w.findChild<QCheckBox *>("chkALD")->isChecked());
    testkit::clickItem(list(w), QStringLiteral("PROSTATISME"));
    QCOMPARE(visiblePositions(w), QStringList({"Z"}));
    testkit::clickItem(list(w), QStringLiteral("ANGINE"));
    QCOMPARE(visiblePositions(w), QStringList({"C", "D"}));
    QCOMPARE(w.findChild<QListWidget *>("listeSynonymes")->count(), 2);
}

void TestBrowse::subCriterionForcesDirectParent()
{
    Quorvel w;
    w.show();
    auto *c = criteria(w);
    testkit::clickItem(c, QStringLiteral("Refus alimentaire"));
    // Its parent is ticked, not the parent's parent.
    QCOMPARE(testkit::selectedTexts(c), QStringList({"Odynophagie", "Refus alimentaire"}));
    testkit::clickItem(c, QStringLiteral("Odynophagie")); // untick the parent: it is current again and forces 10
    QCOMPARE(testkit::selectedTexts(c), QStringList({"Douleur pharyngée", "Refus alimentaire"}));
    testkit::clickItem(c, QStringLiteral("Critère orphelin"));
    QCOMPARE(testkit::selectedTexts(c), QStringList({"Douleur pharyngée", "Refus alimentaire", "Critère orphelin"}));
}

void TestBrowse::arrowKeysForceParentWithoutTicking()
{
    Quorvel w;
    w.show();
    auto *c = criteria(w);
    c->setFocus();
    c->setCurrentRow(0, QItemSelectionModel::NoUpdate);
    QTest::keyClick(c, Qt::Key_Down);
    QCOMPARE(c->currentItem()->text(), QStringLiteral("Odynophagie"));
    QCOMPARE(testkit::selectedTexts(c), QStringList({"Douleur pharyngée"}));
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

void TestBrowse::seeAlsoJumpFromKeywordList()
{
    Quorvel w;
    w.show();
    QTest::keyClicks(keyword(w), QStringLiteral("cyst"));
    testkit::clickItem(list(w), QStringLiteral("CYSTITE"));
    w.findChild<QCheckBox *>("chkALD")->setChecked(true);
    w.findChild<QCheckBox *>("chkAsymptomique")->setChecked(true);
    auto *seeAlso = w.findChild<QListWidget *>("listeSynonymes");
    QCOMPARE(testkit::itemTexts(seeAlso), QStringList({"ANGINE"}));

    testkit::clickItem(seeAlso, QStringLiteral("ANGINE"));

    QCOMPARE(list(w)->count(), 7);
    QCOMPARE(keyword(w)->text(), QStringLiteral("cyst"));
    QCOMPARE(testkit::selectedTexts(list(w)), QStringList({"ANGINE"}));
    QCOMPARE(title(w), QStringLiteral("<center>Définition du RC : ANGINE</center>"));
    QCOMPARE(testkit::itemTexts(criteria(w)).first(), QStringLiteral("Douleur pharyngée"));
    QCOMPARE(testkit::itemTexts(seeAlso), QStringList({"SANS CRITERE EN VIGUEUR", "TOUX"}));
    QVERIFY(w.findChild<QCheckBox *>("chkALD")->isChecked());
    QVERIFY(!w.findChild<QCheckBox *>("chkAsymptomique")->isChecked());
    QCOMPARE(visiblePositions(w), QStringList({"C", "D"}));
}

void TestBrowse::seeAlsoJumpToUnlistedRc()
{
    Quorvel w;
    w.show();
    testkit::clickItem(w.findChild<QListWidget *>("listeSynonymes"), QStringLiteral("SANS CRITERE EN VIGUEUR"));
    QCOMPARE(title(w), QStringLiteral("<center>Définition du RC : ANGINE</center>"));
    QCOMPARE(testkit::selectedTexts(list(w)), QStringList());
    QCOMPARE(visiblePositions(w), QStringList({"Z"}));
    QCOMPARE(testkit::itemTexts(w.findChild<QListWidget *>("listeSynonymes")), QStringList({"CYSTITE"}));
    QCOMPARE(criteria(w)->count(), 0);
}

void TestBrowse::criticalDiagnosesMostCriticalFirst()
{
    Quorvel w;
    auto *view = w.findChild<QTableView *>("listCritique");
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

    testkit::clickItem(list(w), QStringLiteral("TOUX"));
    QCOMPARE(view->model()->rowCount(), 0);
    QVERIFY(view->horizontalHeader()->isHidden());
}

void TestBrowse::oneDebugLinePerSeeAlsoItem()
{
    Quorvel w;
    w.show();
    testkit::LogCapture log;
    testkit::clickItem(list(w), QStringLiteral("CYSTITE")); // current change and click: two loads
    QCOMPARE(log.lines().count(QStringLiteral("1")), 2);
    log.clear();
    testkit::clickItem(list(w), QStringLiteral("CYSTITE")); // click on the current RC: one load
    QCOMPARE(log.lines().count(QStringLiteral("1")), 1);
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
    testkit::LogCapture log;
    for (bool titleOnly : {false, true}) {
        w.findChild<QCheckBox *>("onlytitreCk")->setChecked(titleOnly);
        for (const QString &text : hostile) {
            keyword(w)->setText(text);
            QCOMPARE(statementErrors(log), 0);
        }
        testkit::typeText(keyword(w), QStringLiteral("'%_\\\"é"));
        QCOMPARE(statementErrors(log), 0);
    }
    // The dictionary is still whole.
    w.findChild<QPushButton *>("btEffacer")->click();
    QCOMPARE(list(w)->count(), 7);
}

QTEST_MAIN(TestBrowse)
#include "test_browse.moc"
