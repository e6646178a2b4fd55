// SPDX-License-Identifier: GPL-3.0-or-later
// The consultation's pure rules, without a window: weighting levels, code choice entries, criteria ordering.
#include "session/codechoice.h"
#include "session/consultation.h"
#include "session/reporttext.h"
#include "session/sessioncolumns.h"
#include "session/weighting.h"

#include <QTest>

static session::ClassTally tally(const QList<int> &counts)
{
    session::ClassTally t;
    for (int k = 0; k < counts.size(); ++k)
        t.set(k, counts.at(k));
    return t;
}

class TestSessionLogic : public QObject
{
    Q_OBJECT

private slots:
    void levelRequirements_data();
    void levelRequirements();
    void tallyCountsOnlyClassesZeroToFour();
    void choiceEntriesInPlainCodeOrder();
    void sortByOrder_data();
    void sortByOrder();
    void consultationFollowsGestures_data();
    void consultationFollowsGestures();
};

void TestSessionLogic::levelRequirements_data()
{
    QTest::addColumn<QList<int>>("ticked"); // ticked criteria per class 0..4
    QTest::addColumn<QList<int>>("level");  // all criteria of the level per class 0..4
    QTest::addColumn<bool>("met");
    QTest::newRow("empty level") << QList<int>{} << QList<int>{} << true;
    QTest::newRow("every class 0 ticked") << QList<int>{2} << QList<int>{2} << true;
    QTest::newRow("one class 0 missing") << QList<int>{1} << QList<int>{2} << false;
    QTest::newRow("class 1 none ticked") << QList<int>{0, 0} << QList<int>{0, 3} << false;
    QTest::newRow("class 1 one ticked") << QList<int>{0, 1} << QList<int>{0, 3} << true;
    QTest::newRow("lone class 2 never met") << QList<int>{0, 0, 1} << QList<int>{0, 0, 1} << false;
    QTest::newRow("class 2 two ticked") << QList<int>{0, 0, 2} << QList<int>{0, 0, 5} << true;
    QTest::newRow("class 3 two ticked") << QList<int>{0, 0, 0, 2} << QList<int>{0, 0, 0, 4} << false;
    QTest::newRow("class 3 three ticked") << QList<int>{0, 0, 0, 3} << QList<int>{0, 0, 0, 4} << true;
    QTest::newRow("class 4 three ticked") << QList<int>{0, 0, 0, 0, 3} << QList<int>{0, 0, 0, 0, 6} << false;
    QTest::newRow("class 4 four ticked") << QList<int>{0, 0, 0, 0, 4} << QList<int>{0, 0, 0, 0, 6} << true;
    QTest::newRow("all classes met") << QList<int>{1, 1, 2, 3, 4} << QList<int>{1, 2, 2, 3, 5} << true;
    QTest::newRow("class 0 met, class 4 not") << QList<int>{1, 1, 2, 3, 0} << QList<int>{1, 2, 2, 3, 5} << false;
}

void TestSessionLogic::levelRequirements()
{
    QFETCH(QList<int>, ticked);
    QFETCH(QList<int>, level);
    QFETCH(bool, met);
    QCOMPARE(session::levelRequirementsMet(tally(ticked), tally(level)), met);
}

void TestSessionLogic::tallyCountsOnlyClassesZeroToFour()
{
    session::ClassTally t;
    for (int weightClass : {0, 4, 4, 5, 7, 9, -1})
        t.add(weightClass);
    QCOMPARE(t.count(0), 1);
    QCOMPARE(t.count(4), 2);
    QCOMPARE(t.count(5), 0);
    // A level made only of uncounted classes asks for nothing.
    session::ClassTally uncounted;
    uncounted.add(5);
    uncounted.add(9);
    QVERIFY(session::levelRequirementsMet(session::ClassTally(), uncounted));
}

void TestSessionLogic::choiceEntriesInPlainCodeOrder()
{
    session::CodeChoice choice;
    choice.addRule(session::cimText(QStringLiteral("a05"), QString()), QStringLiteral("minuscule"), "R97");
    choice.addRule(session::cimText(QStringLiteral("É10"), QString()), QStringLiteral("accent"), "R98");
    choice.addRule(session::cimText(QStringLiteral("B20"), QStringLiteral("J45.1")), QStringLiteral("mixte"), "");
    choice.addRule(QStringLiteral("N30"), QStringLiteral("simple"), QStringLiteral("U71"));
    choice.addRule(QStringLiteral("N30"), QStringLiteral("simple"), QStringLiteral("U72"));
    choice.addDefault(QString(), QStringLiteral("Asthme"), QStringLiteral("R96D"));
    QCOMPARE(choice.entries(),
             QStringList({"B20/J45.1 : mixte", "N30 : simple", "a05 : minuscule", QStringLiteral("É10 : accent")}));
    QCOMPARE(choice.candidateCount(), 5); // the shared entry still counts both rules
    QCOMPARE(choice.only().cisp, QStringLiteral("R97"));
    QCOMPARE(choice.lookup(QStringLiteral("N30 : simple")).cisp, QStringLiteral("U72"));
    QCOMPARE(choice.lookup(QStringLiteral("B20/J45.1 : mixte")).cim, QStringLiteral("B20/J45.1"));
    QVERIFY(choice.lookup(QStringLiteral("texte tapé")).cim.isEmpty());
    choice.addDefault(QStringLiteral("A10"), QStringLiteral("Asthme"), QStringLiteral("R96D"));
    QCOMPARE(choice.entries().first(), QStringLiteral("A10 : Asthme"));
    QCOMPARE(choice.lookup(QStringLiteral("A10 : Asthme")).cisp, QStringLiteral("R96D"));
}

void TestSessionLogic::sortByOrder_data()
{
    QTest::addColumn<QStringList>("ids");
    QTest::addColumn<QStringList>("sorted");
    // The order of an id is its first digit; "x" has none (-1).
    QTest::newRow("3, 1, 2") << QStringList{"3a", "1a", "2a"} << QStringList{"1a", "2a", "3a"};
    QTest::newRow("ties keep sequence") << QStringList{"2b", "1a", "2a", "1b"} << QStringList{"1a", "1b", "2b", "2a"};
    QTest::newRow("no order first") << QStringList{"1a", "x", "0a"} << QStringList{"x", "0a", "1a"};
    QTest::newRow("already sorted") << QStringList{"1a", "2a"} << QStringList{"1a", "2a"};
    QTest::newRow("one") << QStringList{"4a"} << QStringList{"4a"};
    QTest::newRow("none") << QStringList() << QStringList();
}

void TestSessionLogic::sortByOrder()
{
    QFETCH(QStringList, ids);
    QFETCH(QStringList, sorted);
    const auto orderOf = [](const QString &id) { return id.at(0).isDigit() ? id.at(0).digitValue() : -1; };
    QCOMPARE(session::sortByOrder(ids, orderOf), sorted);
}

void TestSessionLogic::consultationFollowsGestures_data()
{
    // Gestures: lN picks RC N in the list, sN shows it by a refill, r records the form, oN re-opens row N,
    // u and v move the edited row up and down, d deletes it, w writes "C" into it, c copies.
    // The state after them: which picks changed the RC shown | the rows' RC ids and positions | the row edited |
    // whether rows are not copied.
    QTest::addColumn<QString>("gestures");
    QTest::addColumn<QString>("state");
    QTest::newRow("the second signal of one gesture") << "l1 l1 l2"
                                                      << "101||-1|0";
    QTest::newRow("the form edits the row it recorded") << "l1 r w"
                                                        << "1|1C|0|1";
    QTest::newRow("a pick leaves the recorded row") << "l1 r l1 w"
                                                    << "11|1B|-1|1";
    QTest::newRow("a refill leaves the re-opened row") << "l1 r l2 r o0 s3 w"
                                                       << "11|1B 2B|-1|1";
    QTest::newRow("a move takes the edited row along") << "l1 r l2 r o0 v w"
                                                       << "11|2B 1C|1|1";
    QTest::newRow("no move past the end") << "l1 r l2 r v u u w"
                                          << "11|2C 1B|0|1";
    QTest::newRow("delete: no row edited") << "l1 r l2 r o0 d w"
                                           << "11|2B|-1|1";
    QTest::newRow("copied, then corrected") << "l1 r c"
                                            << "1|1B|0|0";
    QTest::newRow("corrected after the copy") << "l1 r c w"
                                              << "1|1C|0|1";
}

void TestSessionLogic::consultationFollowsGestures()
{
    QFETCH(QString, gestures);
    session::Consultation c;
    QString picked;
    for (const QString &g : gestures.split(' ')) {
        const int n = g.mid(1).toInt();
        switch (g.at(0).toLatin1()) {
        case 'l':
            picked += c.pickFromList(n, QString::number(n)) ? '1' : '0';
            break;
        case 's':
            c.show(n, QString::number(n), session::Shown::ByRefill);
            break;
        case 'r':
            c.record({c.rc(), QString(), {}, QStringLiteral("B"), QStringLiteral("P")}, {}, {});
            break;
        case 'o':
            c.reopen(n);
            break;
        case 'u':
            c.moveEdited(-1);
            break;
        case 'v':
            c.moveEdited(1);
            break;
        case 'd':
            c.removeEdited();
            break;
        case 'w':
            c.writeEdited(session::Position, QStringLiteral("C"));
            break;
        case 'c':
            c.markCopied();
            break;
        }
    }
    QStringList shown;
    for (int row = 0; row < c.rowCount(); ++row)
        shown << c.cell(row, session::RcId) + c.cell(row, session::Position);
    const QStringList state{picked, shown.join(' '), QString::number(c.editedRow()),
                            QString::number(c.hasUncopiedRows())};
    QTEST(state.join('|'), "state");
}

QTEST_MAIN(TestSessionLogic)
#include "test_sessionlogic.moc"
