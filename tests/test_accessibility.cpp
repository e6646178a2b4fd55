// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader and the mouse pointer say about the main window's controls, and an RC chosen through the
// accessibility interface as a screen reader chooses it.
#include "app/quorvel.h"
#include "testkit.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTextEdit>

using namespace testkit;

// ANGINE comes first in the list and is shown at start; its see-also RC is ZONA.
static const char *const kSql = R"sql(
INSERT INTO ref_rc (ref_rc_seq, lib_rc, sex, age_min, age_max, pa, pb, pc, pd, pz, code_cim_defaut, code_cisp_defaut)
VALUES (1, 'TOUX', 3, 0, 125, 1, 1, 0, 0, 0, 'R05', 'R05'), (2, 'ZONA', 3, 0, 125, 0, 0, 0, 1, 0, 'B02', 'S70'),
 (3, 'ANGINE', 3, 0, 125, 0, 1, 0, 0, 0, 'J02', 'R74');
INSERT INTO ref_definition (ref_definition_seq, ref_rc_id, lib_criteres_fr, ordre) VALUES
 (11, 1, 'quinte', 1), (21, 2, 'éruption', 1), (31, 3, 'odynophagie', 1);
INSERT INTO ref_l_rc_voir_aussi_rc (ref_rc_id, voir_aussi_id) VALUES (3, 2);
)sql";

static QString spoken(QObject *object, QAccessible::Text text = QAccessible::Name)
{
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(object);
    return iface ? iface->text(text) : QString();
}

class TestAccessibility : public testkit::TestCase
{
    Q_OBJECT

private slots:
    void init();
    void cleanup() { QVERIFY(!QApplication::activeModalWidget()); }
    void pictureButtonsAreNamed_data();
    void pictureButtonsAreNamed();
    void everyControlHasAName();
    void namesFollowCaptions();
    void namesSayTheVisibleTexts();
    void readerChoiceLoadsRc_data();
    void readerChoiceLoadsRc();
    void seeAlsoJumpStillSelectsOnly();
};

void TestAccessibility::init()
{
    QVERIFY(!useDictionary(QString::fromUtf8(kSql)).isEmpty());
}

void TestAccessibility::pictureButtonsAreNamed_data()
{
    QTest::addColumn<QString>("objectName");
    QTest::addColumn<QString>("background"); // the picture that must still be drawn on the button
    QTest::addColumn<QString>("verb");       // the action a doctor hears
    QTest::newRow("monter") << QStringLiteral("btUp") << QStringLiteral(":/images/btUp.png")
                            << QStringLiteral("Monter");
    QTest::newRow("descendre") << QStringLiteral("btDown") << QStringLiteral(":/images/btDouwn.png")
                               << QStringLiteral("Descendre");
    QTest::newRow("éditeur") << QStringLiteral("btHALVANE") << QStringLiteral(":/images/logo_halvane-2015.jpg")
                             << QStringLiteral("éditeur");
}

void TestAccessibility::pictureButtonsAreNamed()
{
    QFETCH(QString, objectName);
    QFETCH(QString, background);
    QFETCH(QString, verb);
    Quorvel w;
    w.show();
    auto *button = widget<QPushButton>(w, objectName);
    QVERIFY(button);

    // The screen reader reads the accessible interface, not the widget property: go through it.
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(button);
    QVERIFY(iface);
    const QString name = iface->text(QAccessible::Name);
    QVERIFY2(name.contains(verb, Qt::CaseInsensitive), qPrintable(name));
    QVERIFY(name != objectName);
    const QString description = iface->text(QAccessible::Description);
    QCOMPARE(description, button->toolTip());
    QVERIFY2(description.contains(verb, Qt::CaseInsensitive), qPrintable(description));

    // The picture is the button's face: the name must not have turned into a visible text.
    QVERIFY(button->text().isEmpty());
    QVERIFY(button->styleSheet().contains(background));
}

void TestAccessibility::everyControlHasAName()
{
    Quorvel w;
    w.show();
    int controls = 0;
    QStringList unnamed;
    for (QWidget *widget : w.findChildren<QWidget *>()) {
        // Unnamed objects are the toolkit's parts of a control (headers, corner buttons, scroll arrows).
        if (widget->objectName().isEmpty() ||
            !(qobject_cast<QAbstractButton *>(widget) || qobject_cast<QLineEdit *>(widget) ||
              qobject_cast<QTextEdit *>(widget) || qobject_cast<QAbstractItemView *>(widget)))
            continue;
        ++controls;
        const QString name = spoken(widget);
        if (name.trimmed().isEmpty() || name != name.trimmed()) // a blank around the name is read out too
            unnamed << widget->objectName();
    }
    QVERIFY(controls > 30);
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QLatin1Char(' '))));
    // The button's face shows a version; what it does is said aside.
    QVERIFY(spoken(widget<QPushButton>(w, "btAucunCritere"), QAccessible::Description).contains("critères"));
}

void TestAccessibility::namesFollowCaptions()
{
    Quorvel w;
    w.show();
    // Each control and the label the eye reads above or beside it. The name may stop where the label goes on
    // with the RC's title or a column heading.
    const QList<QPair<QString, QString>> captioned = {{"txtAge", "label_8"},
                                                      {"List_RefRC", "label_3"},
                                                      {"listeSynonymes", "label_4"},
                                                      {"List_Criteres", "txtTitreRc"},
                                                      {"listCritique", "label_7"}};
    for (const auto &control : captioned) {
        const QString name = spoken(widget<QWidget>(w, control.first));
        const QString shown = spoken(widget<QLabel>(w, control.second)).simplified(); // markup and runs of blanks gone
        QVERIFY2(!name.isEmpty() && shown.startsWith(name), qPrintable(name + QStringLiteral(" / ") + shown));
    }
}

void TestAccessibility::namesSayTheVisibleTexts()
{
    Quorvel w;
    for (QAbstractButton *button : w.findChildren<QAbstractButton *>()) {
        if (!button->text().isEmpty())
            QCOMPARE(spoken(button), button->text().trimmed());
    }
    QCOMPARE(widget<QCheckBox>(w, "chkALD")->text(), QStringLiteral(" ALD"));
    // Up and down stand side by side: a reader must be able to tell them apart.
    QVERIFY(spoken(widget<QPushButton>(w, "btUp")) != spoken(widget<QPushButton>(w, "btDown")));
}

void TestAccessibility::readerChoiceLoadsRc_data()
{
    QTest::addColumn<bool>("itemAction"); // the item's own action, else the list's table interface
    QTest::addColumn<QString>("keyword"); // typed first: a keyword list has no current item
    QTest::newRow("list selects a row") << false << "";
    QTest::newRow("item toggled") << true << "";
    QTest::newRow("row of a keyword list") << false << "zo";
}

void TestAccessibility::readerChoiceLoadsRc()
{
    QFETCH(bool, itemAction);
    QFETCH(QString, keyword);
    Quorvel w;
    w.show();
    typeText(keywordBox(w), keyword);
    QListWidget *list = rcList(w);
    const int row = list->row(findItem(list, QStringLiteral("ZONA")));
    QVERIFY(row >= 0);

    QAccessibleTableInterface *table = QAccessible::queryAccessibleInterface(list)->tableInterface();
    QVERIFY(table);
    if (itemAction) {
        QAccessibleInterface *cell = table->cellAt(row, 0);
        QVERIFY(cell && cell->actionInterface());
        cell->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    } else {
        QVERIFY(table->selectRow(row));
    }
    QCOMPARE(selectedTexts(list), QStringList({"ZONA"}));
    QVERIFY2(rcTitle(w).contains(QStringLiteral("ZONA")), qPrintable(rcTitle(w)));
    QCOMPARE(itemTexts(criteria(w)), QStringList({"éruption"}));

    ModalWatcher watcher; // a box would mean the RC shown is not the one recorded: it fails, never hangs
    QVERIFY(tick(w, {QStringLiteral("éruption")}));
    click(w, "rdPos_D");
    click(w, "rdCodeP");
    click(w, "btAjouterRC");
    QCOMPARE(watcher.seen.size(), 0);
    QCOMPARE(rowCount(w), 1);
    QCOMPARE(rowCells(w, 0).mid(0, 5), QStringList({"ZONA", "D", "P", "B02", "S70"}));
}

void TestAccessibility::seeAlsoJumpStillSelectsOnly()
{
    Quorvel w;
    w.show();
    QVERIFY(clickItem(widget<QListWidget>(w, "listeSynonymes"), QStringLiteral("ZONA")));
    QCOMPARE(selectedTexts(rcList(w)), QStringList({"ZONA"}));
    QVERIFY(rcTitle(w).contains(QStringLiteral("ZONA")));
    QCOMPARE(rcList(w)->currentItem()->text(), QStringLiteral("ZONA"));
    // The reader then chooses ANGINE again: the form must show it, not ZONA.
    QAccessibleTableInterface *table = QAccessible::queryAccessibleInterface(rcList(w))->tableInterface();
    QVERIFY(table && table->selectRow(rcList(w)->row(rcList(w)->findItems(QStringLiteral("ANGINE"), {}).first())));
    QVERIFY2(rcTitle(w).contains(QStringLiteral("ANGINE")), qPrintable(rcTitle(w)));
}

QTEST_MAIN(TestAccessibility)
#include "test_accessibility.moc"
