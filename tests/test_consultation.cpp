// SPDX-License-Identifier: GPL-3.0-or-later
// One consultation from start to end, as the doctor goes through it: search, tick, record two RCs (one with a
// code choice), re-open one and change it, read the report and copy it.
#include "app/quorvel.h"
#include "testkit.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QRadioButton>
#include <QTableView>
#include <QToolTip>

using namespace testkit;

static const char *const kSql = R"sql(
INSERT INTO ref_rc (ref_rc_seq, lib_rc, pa, pb, pc, pd, pz, code_cim_defaut, code_cisp_defaut) VALUES
 (1, 'Angine', 1, 1, 1, 1, 0, 'J02.9', 'R74'), (2, 'Lombalgie', 1, 1, 1, 1, 1, 'M54.5', 'L03'),
 (3, 'Vertige', 1, 1, 1, 1, 1, 'R42', 'N17');
INSERT INTO ref_definition (ref_definition_seq, ref_rc_id, pere_fk, lib_criteres_fr, ordre, ref_ponder_id) VALUES
 (11, 1, 0, 'fièvre', 2, 1), (12, 1, 0, 'odynophagie', 1, 1), (13, 1, 11, 'adénopathie cervicale', 3, NULL),
 (21, 2, 0, 'douleur lombaire', 1, 1), (22, 2, 0, 'raideur matinale', 2, NULL), (31, 3, 0, 'rotatoire', 1, NULL);
INSERT INTO ref_l_rc_cim10 (ref_lrccim_seq, ref_rc_id, code_cim_1, code_cim_2, soustitre, code_cisp) VALUES
 (1, 1, 'J03', NULL, 'amygdalite', 'R76'), (2, 1, 'J02.0', NULL, 'streptococcique', 'R72');
INSERT INTO ref_combi_criteres_cim (ref_lrccim_id, ref_definition_id) VALUES (1, 11), (1, 12), (2, 12);
)sql";

class TestConsultation : public testkit::TestCase
{
    Q_OBJECT

private slots:
    void init() { QVERIFY(!useDictionary(QString::fromUtf8(kSql)).isEmpty()); }
    void cleanup() { QVERIFY(!QApplication::activeModalWidget()); }
    void wholeConsultation();
    void keyboardOnlyConsultation();
    void shortcuts_data();
    void shortcuts();
    void tabLeavesTheTablesAndReachesThePositions();
};

// Key presses sent where the focus is, counted, as a doctor without a mouse makes them.
class Keyboard
{
public:
    explicit Keyboard(QWidget &window) : window(window)
    {
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));
    }
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        ++count;
        // The offscreen screen has no window manager to give the window back its activation once a box closes.
        if (!QApplication::activeWindow())
            QApplication::setActiveWindow(&window);
        QWidget *focus = QApplication::focusWidget();
        QTest::keyClick(focus ? focus : QApplication::activeWindow(), key, modifiers);
    }
    // Tab until the focus is on `target`; false when it is not reached within `limit` presses.
    bool tabTo(const QWidget *target, int limit = 8)
    {
        for (int i = 0; i < limit && QApplication::focusWidget() != target; ++i)
            press(Qt::Key_Tab);
        return QApplication::focusWidget() == target;
    }
    int count = 0;
    QWidget &window;
};

void TestConsultation::wholeConsultation()
{
    Quorvel w;
    w.show();
    auto *keyword = widget<QLineEdit>(w, "txtSearchCriteria");
    ModalWatcher watcher;

    // Low back pain, code N without its mandatory criterion: the doctor confirms.
    QTest::keyClicks(keyword, QStringLiteral("lomb"));
    QCOMPARE(itemTexts(rcList(w)), QStringList{QStringLiteral("Lombalgie")});
    QVERIFY(clickItem(rcList(w), QStringLiteral("Lombalgie")));
    QVERIFY(clickItem(criteria(w), QStringLiteral("raideur matinale")));
    click(w, "rdPos_A");
    click(w, "rdCodeN");
    watcher.setAnswer(pressButton(QStringLiteral("Oui")));
    click(w, "btAjouterRC");
    QCOMPARE(rowCount(w), 1);

    // Sore throat: ticking the lymph nodes ticks the fever above them; two rules apply, the doctor picks one.
    keyword->selectAll();
    QTest::keyClicks(keyword, QStringLiteral("ang"));
    QVERIFY(clickItem(rcList(w), QStringLiteral("Angine")));
    QVERIFY(clickItem(criteria(w), QStringLiteral("adénopathie cervicale")));
    QVERIFY(clickItem(criteria(w), QStringLiteral("odynophagie")));
    QCOMPARE(selectedTexts(criteria(w)), QStringList({"odynophagie", "fièvre", "adénopathie cervicale"}));
    click(w, "rdPos_C");
    click(w, "rdCodeP");
    click(w, "chkALD");
    watcher.setAnswer(chooseItem(QStringLiteral("J03 : amygdalite")));
    click(w, "btAjouterRC");
    QCOMPARE(watcher.seen.size(), 2);
    QCOMPARE(watcher.seen.at(1).title, QStringLiteral("Choix du code CIM10"));
    QCOMPARE(rowCount(w), 2);

    // Back to the low back pain, hidden by the keyword: now a review, and without symptoms.
    QVERIFY(clickRow(table(w), 0));
    QCOMPARE(rcList(w)->currentItem()->text(), QStringLiteral("Lombalgie"));
    click(w, "rdCodeR");
    click(w, "chkAsymptomique");

    QTest::keyClicks(widget<QLineEdit>(w, "txtAge"), QStringLiteral("52"));
    click(w, "rbHomme");
    QVERIFY(clickTab(tabs(w), 1));
    click(w, "btCopyToClipboard");

    QCOMPARE(QApplication::clipboard()->text(),
             QStringLiteral(" ( Age : 52 , Sexe : Homme ) \n \n"
                            " Lombalgie (A, R)  Asymptomatique   ALD : Non   CODE CIM 10 : M54.5  CODE CISP : L03\n"
                            " raideur matinale\n"
                            "\n"
                            " Angine (C, P)  ALD : Oui   CODE CIM 10 : J03  CODE CISP : R76\n"
                            " odynophagie\n"
                            " fièvre\n"
                            " adénopathie cervicale\n"
                            "\n"));
    QCOMPARE(watcher.seen.size(), 2);
}

void TestConsultation::keyboardOnlyConsultation()
{
    Quorvel w;
    w.show();
    Keyboard keys(w);
    widget<QLineEdit>(w, "txtSearchCriteria")->setFocus();
    // The code choice, made active as a desktop does: one Return takes the entry it proposes, on Qt 5 as on Qt 6.
    bool oneReturn = false;
    ModalWatcher watcher([&](QWidget *modal) {
        QApplication::setActiveWindow(modal);
        keys.press(Qt::Key_Return);
        oneReturn = !modal->isVisible();
    });

    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("ang"));
    keys.press(Qt::Key_Return); // to the RCs found, the first one shown
    QVERIFY(keys.tabTo(criteria(w)));
    keys.press(Qt::Key_Space);
    keys.press(Qt::Key_Down);
    keys.press(Qt::Key_Space);
    keys.press(Qt::Key_B, Qt::AltModifier);
    keys.press(Qt::Key_P, Qt::AltModifier);
    keys.press(Qt::Key_Return, Qt::ControlModifier);
    QVERIFY(oneReturn);
    // The next search is typed at once, over the last one.
    QApplication::setActiveWindow(&w); // as a window manager does once the box has closed
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("lomb"));
    keys.press(Qt::Key_Return);
    keys.press(Qt::Key_A, Qt::AltModifier);
    keys.press(Qt::Key_R, Qt::AltModifier);
    keys.press(Qt::Key_Return, Qt::ControlModifier);
    // The first row corrected: the table re-opens the row its arrows reach.
    QVERIFY(keys.tabTo(table(w), 16));
    keys.press(Qt::Key_Up);
    keys.press(Qt::Key_C, Qt::AltModifier);
    keys.press(Qt::Key_F9);
    keys.press(Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(watcher.seen.size(), 1);
    QCOMPARE(QApplication::clipboard()->text(),
             QStringLiteral(" Angine (C, P)  ALD : Non   CODE CIM 10 : J02.0  CODE CISP : R72\n"
                            " odynophagie\n fièvre\n\n"
                            " Lombalgie (A, R)  ALD : Non   CODE CIM 10 : M54.5  CODE CISP : L03\n\n"));
    qInfo("keyboard consultation: %d key presses besides letters and digits", keys.count);
    QVERIFY2(keys.count <= 36, qPrintable(QString::number(keys.count)));
}

void TestConsultation::shortcuts_data() // row names: the RC typed and picked (else row 0 re-opened), the keys
{
    QTest::addColumn<QString>("state"); // last row | tool tip | tab | report copied | keyword selected and focused
    QTest::newRow("Alt+C, F9, F9") << QStringLiteral("Lombalgie C R||0||");
    QTest::newRow("Vertige: Alt+B, Alt+N, Ctrl+Return, F9") << QStringLiteral("Vertige B N||1||");
    QTest::newRow("Vertige: F9, Ctrl+Shift+C, F2") << QStringLiteral("Lombalgie A R||0| Lombalgie (A, R)|Vertige");
    QTest::newRow("Angine: Alt+Z") << QStringLiteral("Lombalgie A R|La position Z n'est pas proposée pour ce RC.|0||");
}

void TestConsultation::shortcuts()
{
    const QStringList road = QString::fromUtf8(QTest::currentDataTag()).split(QStringLiteral(": "));
    Quorvel w;
    w.show();
    Keyboard keys(w);
    QVERIFY(record(w, QStringLiteral("Lombalgie"), {}, "rdPos_A", "rdCodeR"));
    QApplication::clipboard()->clear();
    typeText(keywordBox(w), road.size() > 1 ? road.first() : QString());
    QVERIFY(road.size() > 1 ? clickItem(rcList(w), road.first()) : clickRow(table(w), 0));
    QTest::keySequence(QApplication::focusWidget(), QKeySequence(road.last()));
    const QStringList shown{rowCells(w, rowCount(w) - 1).mid(0, 3).join(' '), QToolTip::text(),
                            QString::number(tabs(w)->currentIndex()), QApplication::clipboard()->text().left(17),
                            keywordBox(w)->hasFocus() ? keywordBox(w)->selectedText() : QString()};
    QTEST(shown.join('|'), "state");
}

void TestConsultation::tabLeavesTheTablesAndReachesThePositions()
{
    Quorvel w;
    w.show();
    Keyboard keys(w);
    QVERIFY(record(w, QStringLiteral("Lombalgie"), {}, "rdPos_Z", "rdCodeR"));
    // Z was checked last and Angine does not offer it: the group must still have a stop Tab can reach.
    QVERIFY(clickItem(rcList(w), QStringLiteral("Angine")));
    for (const char *name : {"tableView", "listCritique"}) {
        widget<QWidget>(w, name)->setFocus();
        keys.press(Qt::Key_Tab);
        QVERIFY2(QApplication::focusWidget() != widget<QWidget>(w, name), name);
    }
    widget<QWidget>(w, "listCritique")->setFocus();
    QVERIFY(keys.tabTo(widget<QRadioButton>(w, "rdPos_A"), 1));
    QVERIFY(keys.tabTo(widget<QRadioButton>(w, "rdCodeN"), 1));
}

QTEST_MAIN(TestConsultation)
#include "test_consultation.moc"
