// SPDX-License-Identifier: GPL-3.0-or-later
// Statement texts of the RC list and the keyword folding, without a window.
#include "browse/rcqueries.h"
#include "session/weighting.h"
#include "testkit.h"

#include <QTest>

class TestBrowseLogic : public QObject
{
    Q_OBJECT

private slots:
    void foldKeyword_data();
    void foldKeyword();
    void profileStatement_data();
    void profileStatement();
    void keywordClauses_data();
    void keywordClauses();
    void keywordStaysOneLiteral();
    void weightClass_data();
    void weightClass();
    void likePatternCeiling();
};

void TestBrowseLogic::foldKeyword_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("folded");
    QTest::newRow("e acute both cases") << QStringLiteral("Généralisé ÉTÉ") << QStringLiteral("Generalise ETE");
    QTest::newRow("grave accent folded") << QStringLiteral("fièvre") << QStringLiteral("fievre");
    QTest::newRow("other folded letters") << QStringLiteral("êíóõôúç") << QStringLiteral("eiooouc");
    QTest::newRow("accents, case kept") << QStringLiteral("àâäëïöùûüÿÊÇÀŸ") << QStringLiteral("aaaeiouuuyECAY");
    QTest::newRow("ligatures spelt out") << QStringLiteral("Œdème cæcum") << QStringLiteral("OEdeme caecum");
    QTest::newRow("combining accent dropped") << QStringLiteral("fie\u0300vre") << QStringLiteral("fievre");
    QTest::newRow("other scripts kept") << QStringLiteral("ßΩж中") << QStringLiteral("ßΩж中");
    QTest::newRow("apostrophe doubled") << QStringLiteral("d'effort") << QStringLiteral("d''effort");
    QTest::newRow("two apostrophes") << QStringLiteral("''") << QStringLiteral("''''");
    QTest::newRow("blanks kept") << QStringLiteral("   ") << QStringLiteral("   ");
    QTest::newRow("like wildcards kept") << QStringLiteral("%_") << QStringLiteral("%_");
    QTest::newRow("NUL removed") << QString::fromUtf16(u"a\u0000b", 3) << QStringLiteral("ab");
}

void TestBrowseLogic::foldKeyword()
{
    QFETCH(QString, typed);
    QFETCH(QString, folded);
    QCOMPARE(browse::foldKeyword(typed), folded);
}

void TestBrowseLogic::profileStatement_data()
{
    QTest::addColumn<int>("age");
    QTest::addColumn<int>("sex");
    QTest::addColumn<QString>("sql");
    const QString head = QStringLiteral("SELECT distinct * from ref_rc rc inner join ref_definition def on "
                                        "def.ref_rc_id = ref_rc_seq where validite = 1 ");
    QTest::newRow("none") << -1 << -1
                          << QStringLiteral("select distinct * from ref_rc rc inner join ref_definition def on "
                                            "def.ref_rc_id = ref_rc_seq where validite = 1  group by lib_rc ");
    QTest::newRow("woman") << -1 << 2 << head + QStringLiteral("and ( sex=2 or sex = 3 ) group by lib_rc ");
    QTest::newRow("age") << 7 << -1 << head + QStringLiteral("and age_min<= 7 and age_max >= 7 group by lib_rc ");
    QTest::newRow("man of 30") << 30 << 1
                               << head + QStringLiteral("and (sex=1 or sex=3) and age_min<= 30 and age_max >= 30 "
                                                        "group by lib_rc ");
}

void TestBrowseLogic::profileStatement()
{
    QFETCH(int, age);
    QFETCH(int, sex);
    QFETCH(QString, sql);
    QCOMPARE(browse::profileStatement(age, sex), sql);
}

void TestBrowseLogic::keywordClauses_data()
{
    QTest::addColumn<bool>("titleOnly");
    QTest::addColumn<QString>("sex");
    QTest::addColumn<QString>("age");
    QTest::addColumn<QString>("tail");
    QTest::newRow("title only, man, 45") << true << "Homme"
                                         << "45"
                                         << "quorvel_fold(rc.lib_rc) Like '%toux%'  and ( rc.sex= 1 or rc.sex=3)  and "
                                            "rc.age_min<= 45 and rc.age_max >= 45  order by rc.lib_rc ";
    QTest::newRow("title only, woman") << true << "Femme"
                                       << ""
                                       << "Like '%toux%'  and ( rc.sex= 2 or rc.sex=3)  order by rc.lib_rc ";
    QTest::newRow("full, woman")
        << false << "Femme"
        << ""
        << "(quorvel_fold(syn.lib) Like '%toux%') )  and ( rc.sex= 2 or rc.sex=3)  order by rc.lib_rc ";
    QTest::newRow("full, nobody") << false << ""
                                  << ""
                                  << "(quorvel_fold(syn.lib) Like '%toux%') )  order by rc.lib_rc ";
}

void TestBrowseLogic::keywordClauses()
{
    QFETCH(bool, titleOnly);
    QFETCH(QString, sex);
    QFETCH(QString, age);
    QFETCH(QString, tail);
    const QString sql = browse::keywordStatement(QStringLiteral("toux"), titleOnly, sex, age);
    QVERIFY2(sql.endsWith(tail), qPrintable(sql));
    QCOMPARE(sql.count(QStringLiteral("'%toux%")), titleOnly ? 1 : 3);
}

void TestBrowseLogic::keywordStaysOneLiteral()
{
    // A keyword that itself holds placeholders or quotes must not reach SQL as anything but text.
    const QString sql = browse::keywordStatement(browse::foldKeyword(QStringLiteral("%1 ' %2")), true, "", "");
    QVERIFY2(sql.contains("Like '%%1%' and (") && sql.contains("Like '%''%' and ") && sql.contains("Like '%%2%'))"),
             qPrintable(sql));
}

void TestBrowseLogic::weightClass_data()
{
    QTest::addColumn<QVariant>("ponderId");
    QTest::addColumn<int>("weightClass");
    const int expected[] = {9, 0, 1, 2, 3, 4, 5, 6, 8, 9, 7, 9};
    for (int id = 0; id <= 11; ++id)
        QTest::addRow("id %d", id) << QVariant(id) << expected[id];
    QTest::newRow("NULL") << testkit::nullValue<int>() << 9;
    QTest::newRow("negative") << QVariant(-1) << 9;
}

void TestBrowseLogic::weightClass()
{
    QFETCH(QVariant, ponderId);
    QFETCH(int, weightClass);
    QCOMPARE(session::weightClassOf(ponderId), weightClass);
}

void TestBrowseLogic::likePatternCeiling()
{
    QVERIFY(!browse::keywordTooLongForLike(QString(1000, QLatin1Char('a'))));
    QVERIFY(!browse::keywordTooLongForLike(QString(49998, QLatin1Char('a'))));
    QVERIFY(browse::keywordTooLongForLike(QString(49999, QLatin1Char('a'))));
    // Three UTF-8 bytes per character: the ceiling counts bytes, not characters.
    QVERIFY(browse::keywordTooLongForLike(QString(17000, QChar(0x20AC))));
    QVERIFY(!browse::keywordTooLongForLike(QString(60001, QLatin1Char('a')).replace(30000, 1, QLatin1Char(' '))));
}

QTEST_APPLESS_MAIN(TestBrowseLogic)
#include "test_browselogic.moc"
