// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader and the mouse pointer say about the main window's picture-only buttons.
#include "app/quorvel.h"
#include "testkit.h"

#include <QAccessible>
#include <QPushButton>
#include <QTabBar>

static const char *const kSql = R"sql(
INSERT INTO ref_rc (ref_rc_seq, lib_rc, sex, age_min, age_max, pa, pb, pc, pd, pz, code_cim_defaut, code_cisp_defaut)
VALUES (1, 'TOUX', 3, 0, 125, 1, 1, 0, 0, 0, 'R05', 'R05');
)sql";

class TestAccessibility : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void pictureButtonsAreNamed_data();
    void pictureButtonsAreNamed();
    void everyButtonHasAName();
    void namesStayOnThePictureButtons();
};

void TestAccessibility::init()
{
    QVERIFY(!testkit::useDictionary(QString::fromUtf8(kSql)).isEmpty());
}

void TestAccessibility::pictureButtonsAreNamed_data()
{
    QTest::addColumn<QString>("objectName");
    QTest::addColumn<QString>("background"); // the picture that must still be drawn on the button
    QTest::addColumn<QString>("verb");       // the action a doctor hears
    QTest::newRow("monter") << "btUp"
                            << ":/images/btUp.png"
                            << "Monter";
    QTest::newRow("descendre") << "btDown"
                               << ":/images/btDouwn.png"
                               << "Descendre";
    QTest::newRow("éditeur") << "btHALVANE"
                             << ":/images/logo_halvane-2015.jpg"
                             << "éditeur";
}

void TestAccessibility::pictureButtonsAreNamed()
{
    QFETCH(QString, objectName);
    QFETCH(QString, background);
    QFETCH(QString, verb);
    Quorvel w;
    w.show();
    auto *button = w.findChild<QPushButton *>(objectName);
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

void TestAccessibility::everyButtonHasAName()
{
    Quorvel w;
    w.show();
    const QList<QPushButton *> buttons = w.findChildren<QPushButton *>();
    QVERIFY(buttons.size() > 3);
    for (QPushButton *button : buttons) {
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(button);
        QVERIFY(iface);
        QVERIFY2(!iface->text(QAccessible::Name).trimmed().isEmpty(), qPrintable(button->objectName()));
    }
}

void TestAccessibility::namesStayOnThePictureButtons()
{
    Quorvel w;
    const QStringList named = {QStringLiteral("btUp"), QStringLiteral("btDown"), QStringLiteral("btHALVANE")};
    QStringList others;
    for (QWidget *widget : w.findChildren<QWidget *>()) {
        // The tab bar's scroll arrows are named by the toolkit itself.
        if (qobject_cast<QTabBar *>(widget->parentWidget()))
            continue;
        if (!widget->accessibleName().isEmpty() && !named.contains(widget->objectName()))
            others << widget->objectName();
    }
    QVERIFY2(others.isEmpty(), qPrintable(others.join(QLatin1Char(' '))));

    // Up and down stand side by side: a reader must be able to tell them apart.
    QVERIFY(testkit::widget<QPushButton>(w, "btUp")->accessibleName() !=
            testkit::widget<QPushButton>(w, "btDown")->accessibleName());
}

QTEST_MAIN(TestAccessibility)
#include "test_accessibility.moc"
