// SPDX-License-Identifier: GPL-3.0-or-later
// The consultation report on the "Résultat" tab and the two copy buttons.
#include "app/quorvel.h"
#include "testkit.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTabBar>
#include <QTabWidget>
#include <QTextEdit>

using namespace testkit;

// Angine's criteria are listed in one order and reported in another (ordre 3, 1, 2, with a tie at 2).
static const char *const kSql = R"sql(
INSERT INTO ref_rc (ref_rc_seq, lib_rc, pa, pb, pc, pd, pz, code_cim_defaut, code_cisp_defaut) VALUES
 (1, 'Angine', 1, 1, 1, 1, 1, 'J02', 'R74'), (2, 'Zona', 1, 1, 1, 1, 1, 'B02/G53', 'S70');
INSERT INTO ref_definition (ref_definition_seq, ref_rc_id, pere_fk, lib_criteres_fr, ordre) VALUES
 (11, 1, 0, 'fièvre', 3), (12, 1, 0, 'odynophagie', 1), (13, 1, 0, 'adénopathie', 2), (14, 1, 0, 'exsudat', 2),
 (21, 2, 0, 'éruption', 1);
)sql";

static const QString kAngineLine = QStringLiteral(" Angine (B, P)  ALD : Non   CODE CIM 10 : J02  CODE CISP : R74\n");
static const QString kZonaBlock =
    QStringLiteral(" Zona (D, R)  ALD : Non   CODE CIM 10 : B02/G53  CODE CISP : S70\n éruption\n\n");

static QString shownReport(Quorvel &w)
{
    return widget<QTextEdit>(w, "txtResult")->toPlainText();
}

class TestReport : public testkit::TestCase
{
    Q_OBJECT

private slots:
    void init() { QVERIFY(!useDictionary(QString::fromUtf8(kSql)).isEmpty()); }
    void cleanup() { QVERIFY(!QApplication::activeModalWidget()); }

    void patientLineAndFlags_data();
    void patientLineAndFlags();
    void criteriaFollowDictionaryOrder_data();
    void criteriaFollowDictionaryOrder();
    void reportFollowsTab_data();
    void reportFollowsTab();
    void clickOnShownTabRebuilds();
    void copyUnderTableCoversEveryRow();
};

void TestReport::patientLineAndFlags_data()
{
    QTest::addColumn<QString>("age");
    QTest::addColumn<QString>("sex"); // radio to click, or ""
    QTest::addColumn<QStringList>("flags");
    QTest::addColumn<QString>("report");
    const QString codes = QStringLiteral("  CODE CIM 10 : J02  CODE CISP : R74\n\n");
    QTest::newRow("age and man") << "45"
                                 << "rbHomme" << QStringList()
                                 << " ( Age : 45 , Sexe : Homme ) \n \n Angine (B, P)  ALD : Non " + codes;
    QTest::newRow("woman, asymptomatic") << ""
                                         << "rbFemme" << QStringList{"chkAsymptomique"}
                                         << "(Sexe : Féminin ) \n \n Angine (B, P)  Asymptomatique   ALD : Non " +
                                                codes;
    QTest::newRow("age, ALD") << "7"
                              << "" << QStringList{"chkALD"} << "(Age : 7 ) \n \n Angine (B, P)  ALD : Oui " + codes;
    QTest::newRow("no profile, both flags")
        << ""
        << "" << QStringList{"chkAsymptomique", "chkALD"} << " Angine (B, P)  Asymptomatique   ALD : Oui " + codes;
}

void TestReport::patientLineAndFlags()
{
    QFETCH(QString, age);
    QFETCH(QString, sex);
    QFETCH(QStringList, flags);
    QFETCH(QString, report);
    Quorvel w;
    w.show();
    QTest::keyClicks(widget<QLineEdit>(w, "txtAge"), age);
    if (!sex.isEmpty())
        click(w, qPrintable(sex));
    QVERIFY(clickTab(tabs(w), 1));
    QCOMPARE(shownReport(w), QString()); // no row, no patient line either
    QVERIFY(clickItem(rcList(w), QStringLiteral("Angine")));
    for (const QString &flag : flags)
        click(w, qPrintable(flag));
    click(w, "rdPos_B");
    click(w, "rdCodeP");
    click(w, "btAjouterRC");
    QVERIFY(clickTab(tabs(w), 1));
    QCOMPARE(shownReport(w), report);
}

void TestReport::criteriaFollowDictionaryOrder_data()
{
    QTest::addColumn<QString>("criteriaCell");
    QTest::addColumn<QString>("lines");
    QTest::newRow("orders 3, 1, 2") << "11;12;13"
                                    << " odynophagie\n adénopathie\n fièvre\n";
    QTest::newRow("tie keeps sequence") << "14;11;13"
                                        << " exsudat\n adénopathie\n fièvre\n";
    QTest::newRow("tie, other sequence") << "13;14"
                                         << " adénopathie\n exsudat\n";
    QTest::newRow("unreadable criterion left out") << "11;999;12"
                                                   << " odynophagie\n fièvre\n";
    QTest::newRow("no criterion") << ""
                                  << "";
}

void TestReport::criteriaFollowDictionaryOrder()
{
    QFETCH(QString, criteriaCell);
    QFETCH(QString, lines);
    Quorvel w;
    w.show();
    QVERIFY(record(w, QStringLiteral("Angine"), {}, "rdPos_B", "rdCodeP"));
    QVERIFY(record(w, QStringLiteral("Zona"), {QStringLiteral("éruption")}, "rdPos_D", "rdCodeR"));
    model(w)->setData(model(w)->index(0, 6), criteriaCell);
    QVERIFY(clickTab(tabs(w), 1));
    QCOMPARE(shownReport(w), kAngineLine + lines + "\n" + kZonaBlock);
}

void TestReport::reportFollowsTab_data()
{
    QTest::addColumn<QString>("road"); // how the doctor, or a screen reader, reaches the "Résultat" tab
    QTest::newRow("click") << "click";
    QTest::newRow("Ctrl+Tab") << "ctrl+tab";
    QTest::newRow("tab bar arrow key") << "arrow";
    QTest::newRow("screen reader's press") << "reader";
}

void TestReport::reportFollowsTab()
{
    QFETCH(QString, road);
    Quorvel w;
    w.show();
    const auto reachReport = [&] {
        if (road == "click") {
            if (!clickTab(tabs(w), 1))
                return false;
        } else if (road == "ctrl+tab") {
            QTest::keyClick(keywordBox(w), Qt::Key_Tab, Qt::ControlModifier);
        } else if (road == "arrow") {
            QTest::keyClick(tabs(w)->tabBar(), Qt::Key_Right);
        } else {
            QAccessibleInterface *tab = QAccessible::queryAccessibleInterface(tabs(w)->tabBar())->child(1);
            if (!tab || !tab->actionInterface())
                return false;
            tab->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        }
        return tabs(w)->currentIndex() == 1;
    };
    QVERIFY(record(w, QStringLiteral("Angine"), {}, "rdPos_B", "rdCodeP"));
    QVERIFY(reachReport());
    QCOMPARE(shownReport(w), kAngineLine + "\n");

    tabs(w)->setCurrentIndex(0);
    QVERIFY(record(w, QStringLiteral("Zona"), {QStringLiteral("éruption")}, "rdPos_D", "rdCodeR"));
    LogCapture log;
    QVERIFY(reachReport());
    QCOMPARE(shownReport(w), kAngineLine + "\n" + kZonaBlock);
    QCOMPARE(log.count(QStringLiteral("*******************************")), 1); // built once, the click too
    click(w, "btCopyToClipboard");
    QCOMPARE(QApplication::clipboard()->text(), kAngineLine + "\n" + kZonaBlock);
}

void TestReport::clickOnShownTabRebuilds()
{
    Quorvel w;
    w.show();
    auto *box = widget<QTextEdit>(w, "txtResult");
    QVERIFY(record(w, QStringLiteral("Angine"), {}, "rdPos_B", "rdCodeP"));
    QVERIFY(clickTab(tabs(w), 1));
    const QString built = kAngineLine + "\n";
    QCOMPARE(shownReport(w), built);

    box->setPlainText(QStringLiteral("revu par le médecin"));
    click(w, "btCopyToClipboard"); // the doctor's text, as typed
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("revu par le médecin"));
    QVERIFY(clickTab(tabs(w), 1)); // a click on the tab already shown builds again
    QCOMPARE(shownReport(w), built);
    box->setPlainText(QStringLiteral("revu"));
    click(w, "btCopyToClipboard1");
    QCOMPARE(QApplication::clipboard()->text(), built);
}

void TestReport::copyUnderTableCoversEveryRow()
{
    Quorvel w;
    w.show();
    QClipboard *clipboard = QApplication::clipboard();
    clipboard->setText(QStringLiteral("patient précédent"));
    click(w, "btCopyToClipboard1"); // an empty consultation copies its empty report, never the previous text
    QCOMPARE(clipboard->text(), QString());

    QVERIFY(record(w, QStringLiteral("Angine"), {}, "rdPos_B", "rdCodeP"));
    clipboard->setText(QStringLiteral("patient précédent"));
    QVERIFY(clickItem(rcList(w), QStringLiteral("Zona"))); // an RC load leaves no row selected
    QVERIFY(table(w)->selectionModel()->selectedRows().isEmpty());
    click(w, "btCopyToClipboard1");
    QCOMPARE(clipboard->text(), kAngineLine + "\n");
}

QTEST_MAIN(TestReport)
#include "test_report.moc"
