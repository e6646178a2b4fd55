// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up of the main window: settings file, dictionary opening, layout names, first RC shown.
#include "app/quorvel.h"
#include "testkit.h"

#include <QApplication>
#include <QCheckBox>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTextEdit>
#include <QToolTip>
#include <QTranslator>
#include <QValidator>

static const char *const kSql = R"sql(
INSERT INTO ref_rc (ref_rc_seq, lib_rc, sex, age_min, age_max, pa, pb, pc, pd, pz, code_cim_defaut, code_cisp_defaut)
VALUES (1, 'TOUX', 3, 0, 125, 1, 1, 0, 0, 0, 'R05', 'R05'),
       (2, 'ANGINE', 3, 0, 125, 0, 0, 1, 1, 0, 'J02.9', 'R76'),
       (3, 'ZONA', 3, 0, 125, 1, 1, 1, 1, 1, 'B02.9', 'S70');
INSERT INTO ref_definition (ref_definition_seq, ref_rc_id, pere_fk, lib_criteres_fr, validite, ordre, ref_ponder_id)
VALUES (10, 1, 0, 'Toux sèche ou grasse', 1, 1, 1),
       (20, 2, 0, 'Douleur pharyngée', 1, 1, 1),
       (21, 2, 0, 'Amygdales inflammatoires', 1, 2, 2),
       (30, 3, 0, 'Éruption vésiculeuse en bande', 1, 1, 1);
INSERT INTO ref_l_rc_voir_aussi_rc VALUES (2, 1);
)sql";

class TestStartup : public testkit::TestCase
{
    Q_OBJECT

private slots:
    void init() { testkit::removeConfig(); }
    void cleanup() { QVERIFY(QApplication::topLevelWidgets().isEmpty() || !QApplication::activeModalWidget()); }

    void opensOnValidDictionaryWithoutBox();
    void showsFirstRcByTitleOrder();
    void focusStartsInAgeBox();
    void ageBoxAcceptsOnlyOneTo125_data();
    void ageBoxAcceptsOnlyOneTo125();
    void toolTipsOnlyForChildren();
    void closingAsksOnlyForUncopiedRows_data();
    void closingAsksOnlyForUncopiedRows();
    void returnInTheBoxesPressesNoButton_data();
    void returnInTheBoxesPressesNoButton();
    void dictionaryIsNeverWritten();
    void laterDialogsSpeakFrench();
    void everyBehaviourWidgetIsNamed_data();
    void everyBehaviourWidgetIsNamed();
    void severalWindowsInOneProcess();
};

void TestStartup::opensOnValidDictionaryWithoutBox()
{
    QVERIFY(!testkit::useDictionary(QString::fromUtf8(kSql)).isEmpty());
    testkit::ModalWatcher watcher;
    Quorvel w;
    w.show();
    QCOMPARE(watcher.seen.size(), 0);
    QCOMPARE(w.windowTitle(), QStringLiteral("Quorvel"));
    QCOMPARE(w.minimumSize(), QSize(880, 630));
    QVERIFY(w.windowFlags() & Qt::WindowMaximizeButtonHint);
    QVERIFY(w.windowFlags() & Qt::WindowMinimizeButtonHint);
    QVERIFY(w.windowFlags() & Qt::WindowCloseButtonHint);
    QCOMPARE(testkit::tabs(w)->currentIndex(), 0);
    QCOMPARE(testkit::widget<QCheckBox>(w, "chkALD")->toolTip(),
             QStringLiteral("le RC est-il en rapport avec une ALD ? "));
    // Through the property: QLabel::pixmap() returns a pointer in Qt 5 and a value in Qt 6.
    QVERIFY(!testkit::widget<QLabel>(w, "iconDic")->property("pixmap").value<QPixmap>().isNull());
    QVERIFY(!testkit::widget<QPushButton>(w, "btUp")->isEnabled());
    QVERIFY(!testkit::widget<QPushButton>(w, "btDown")->isEnabled());
}

void TestStartup::showsFirstRcByTitleOrder()
{
    QVERIFY(!testkit::useDictionary(QString::fromUtf8(kSql)).isEmpty());
    Quorvel w;
    w.show();
    auto *list = testkit::rcList(w);
    QCOMPARE(testkit::itemTexts(list), QStringList({"ANGINE", "TOUX", "ZONA"}));
    QCOMPARE(list->currentRow(), 0);
    QCOMPARE(testkit::rcTitle(w), QStringLiteral("<center>Définition du RC : ANGINE</center>"));
    QCOMPARE(testkit::itemTexts(testkit::criteria(w)), QStringList({"Douleur pharyngée", "Amygdales inflammatoires"}));
    QCOMPARE(testkit::itemTexts(testkit::widget<QListWidget>(w, "listeSynonymes")), QStringList({"TOUX"}));
    // ANGINE offers C and D only, none checked.
    const QStringList names = {"rdPos_A", "rdPos_B", "rdPos_C", "rdPos_D", "rdPos_Z"};
    const QList<bool> visible = {false, false, true, true, false};
    for (int i = 0; i < names.size(); ++i) {
        auto *radio = testkit::widget<QRadioButton>(w, names[i]);
        QCOMPARE(radio->isVisible(), visible[i]);
        QVERIFY(!radio->isChecked());
    }
    for (const char *name : {"rdCodeN", "rdCodeP", "rdCodeR", "rbHomme", "rbFemme"})
        QVERIFY(!testkit::widget<QRadioButton>(w, name)->isChecked());
    for (const char *name : {"onlytitreCk", "chkAsymptomique", "chkALD"})
        QVERIFY(!testkit::widget<QCheckBox>(w, name)->isChecked());
}

void TestStartup::focusStartsInAgeBox()
{
    QVERIFY(!testkit::useDictionary(QString::fromUtf8(kSql)).isEmpty());
    Quorvel w;
    w.show();
    QApplication::setActiveWindow(&w);
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QTRY_COMPARE(QApplication::focusWidget(), testkit::widget<QLineEdit>(w, "txtAge"));
}

void TestStartup::ageBoxAcceptsOnlyOneTo125_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("in range") << QStringLiteral("45") << QStringLiteral("45");
    QTest::newRow("upper bound") << QStringLiteral("125") << QStringLiteral("125");
    QTest::newRow("fourth digit") << QStringLiteral("1255") << QStringLiteral("125");
    QTest::newRow("letters") << QStringLiteral("a4b") << QStringLiteral("4");
    QTest::newRow("negative") << QStringLiteral("-3") << QStringLiteral("3");
    QTest::newRow("decimal") << QStringLiteral("4.5") << QStringLiteral("45");
}

void TestStartup::ageBoxAcceptsOnlyOneTo125()
{
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QVERIFY(!testkit::useDictionary(QString::fromUtf8(kSql)).isEmpty());
    Quorvel w;
    w.show();
    auto *age = testkit::widget<QLineEdit>(w, "txtAge");
    QTest::keyClicks(age, typed);
    QCOMPARE(age->text(), shown);
    // Values the box holds only while typing never count as an age.
    for (QString partial : {QStringLiteral("0"), QStringLiteral("126")}) {
        int pos = 0;
        QVERIFY(age->validator()->validate(partial, pos) != QValidator::Acceptable);
    }
}

void TestStartup::toolTipsOnlyForChildren()
{
    QVERIFY(!testkit::useDictionary(QString::fromUtf8(kSql)).isEmpty());
    Quorvel w;
    w.show();
    QToolTip::showText(QPoint(10, 10), QStringLiteral("stale"), &w);
    QHelpEvent onBackground(QEvent::ToolTip, QPoint(2, 2), w.mapToGlobal(QPoint(2, 2)));
    QVERIFY(QApplication::sendEvent(&w, &onBackground));
    QVERIFY(!onBackground.isAccepted());
    QTRY_VERIFY(!QToolTip::isVisible());
}

void TestStartup::closingAsksOnlyForUncopiedRows_data()
{
    QTest::addColumn<QString>("before");
    // What the doctor did: R records, C copies, A changes the row's ALD; E resets (asked, and answered by losing
    // the rows), K resets (asked, answered by keeping them), F resets (not asked).
    QTest::addColumn<bool>("byEscape");
    QTest::addColumn<QString>("answer"); // the button pressed in the question; none: no question may come
    QTest::addColumn<bool>("closed");
    QTest::newRow("empty table") << "" << true << "" << true;
    QTest::newRow("uncopied, stay") << "R" << true << "Ne pas fermer" << false;
    QTest::newRow("uncopied, close box, stay") << "R" << false << "Ne pas fermer" << false;
    QTest::newRow("uncopied, leave") << "R" << true << "Fermer sans copier" << true;
    QTest::newRow("copied") << "RC" << true << "" << true;
    QTest::newRow("copied, close box") << "RC" << false << "" << true;
    QTest::newRow("changed after the copy") << "RCA" << true << "Ne pas fermer" << false;
    QTest::newRow("reset after recording") << "RE" << true << "" << true;
    QTest::newRow("reset refused") << "RK" << true << "Ne pas fermer" << false;
    QTest::newRow("reset after the copy") << "RCF" << true << "" << true;
}

void TestStartup::closingAsksOnlyForUncopiedRows()
{
    QFETCH(QString, before);
    QFETCH(bool, byEscape);
    QFETCH(QString, answer);
    QFETCH(bool, closed);
    QVERIFY(!testkit::useDictionary(QString::fromUtf8(kSql)).isEmpty());
    Quorvel w;
    w.show();
    for (const QChar step : before) {
        if (step == 'R')
            QVERIFY(testkit::record(w, QStringLiteral("TOUX"), {}, "rdPos_A", "rdCodeP"));
        else if (step == 'C')
            testkit::click(w, "btCopyToClipboard1");
        else if (step == 'A' && testkit::clickRow(testkit::table(w), 0))
            testkit::click(w, "chkALD");
        else if (step == 'E' || step == 'K' || step == 'F') {
            testkit::ModalWatcher reset(testkit::pressButton(step == 'E' ? QStringLiteral("Réinitialiser sans copier")
                                                                         : QStringLiteral("Ne pas réinitialiser")));
            testkit::click(w, "btEffacer");
            QCOMPARE(reset.seen.size(), step == 'F' ? 0 : 1);
        }
    }
    const int rows = testkit::rowCount(w);
    testkit::ModalWatcher watcher(answer.isEmpty() ? testkit::ModalWatcher::Answer() : testkit::pressButton(answer));
    if (byEscape)
        QTest::keyClick(&w, Qt::Key_Escape);
    else
        w.close();
    const bool asked = !answer.isEmpty();
    QCOMPARE(watcher.seen.size(), asked ? 1 : 0);
    if (asked)
        QVERIFY(watcher.seen.first().text.contains(QStringLiteral("pas été copiés")));
    QCOMPARE(w.isVisible(), !closed);
    QCOMPARE(testkit::rowCount(w), rows);
}

void TestStartup::returnInTheBoxesPressesNoButton_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    for (const char *box : {"txtSearchCriteria", "txtAge"}) {
        QTest::addRow("%s Return", box) << box << int(Qt::Key_Return) << int(Qt::NoModifier);
        QTest::addRow("%s keypad Enter", box) << box << int(Qt::Key_Enter) << int(Qt::KeypadModifier);
    }
}

void TestStartup::returnInTheBoxesPressesNoButton()
{
    QFETCH(QString, box);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QVERIFY(!testkit::useDictionary(QString::fromUtf8(kSql)).isEmpty());
    Quorvel w;
    w.show();
    QApplication::setActiveWindow(&w);
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QVERIFY(testkit::record(w, QStringLiteral("TOUX"), {}, "rdPos_A", "rdCodeP"));
    auto *edit = testkit::widget<QLineEdit>(w, box);
    edit->setFocus();
    testkit::typeText(edit, box == QLatin1String("txtAge") ? QStringLiteral("40") : QStringLiteral("an"));
    testkit::ModalWatcher watcher;
    QTest::keyClick(edit, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(watcher.seen.size(), 0);
    QCOMPARE(testkit::rowCount(w), 1);
    // The typing is over: the focus goes to the RCs found, the first one shown when none was.
    QCOMPARE(QApplication::focusWidget(), testkit::rcList(w));
    QVERIFY(testkit::rcList(w)->currentItem());
    QCOMPARE(testkit::rcList(w)->selectedItems(), {testkit::rcList(w)->currentItem()});
}

void TestStartup::dictionaryIsNeverWritten()
{
    const QString path = testkit::useDictionary(QString::fromUtf8(kSql));
    const QByteArray before = testkit::fileBytes(path);
    QVERIFY(!before.isEmpty());
    {
        Quorvel w;
        w.show();
        QVERIFY(testkit::clickItem(testkit::rcList(w), QStringLiteral("ZONA")));
        QTest::keyClicks(testkit::keywordBox(w), QStringLiteral("an"));
        QTest::keyClicks(testkit::widget<QLineEdit>(w, "txtAge"), QStringLiteral("30"));
        testkit::widget<QPushButton>(w, "btEffacer")->click();
    }
    QCOMPARE(testkit::fileBytes(path), before);
}

void TestStartup::laterDialogsSpeakFrench()
{
    QTranslator translator;
    QVERIFY(translator.load(QStringLiteral(":/qtbase_fr.qm"), QString(), QString(), QString()));
    QVERIFY(QApplication::installTranslator(&translator));
    testkit::ModalWatcher watcher(testkit::rejectDialog());
    QMessageBox::question(nullptr, QStringLiteral("t"), QStringLiteral("q"), QMessageBox::Ok | QMessageBox::Cancel);
    QApplication::removeTranslator(&translator);
    QCOMPARE(watcher.seen.size(), 1);
    QVERIFY2(watcher.seen[0].buttons.contains(QStringLiteral("Annuler")),
             qPrintable(watcher.seen[0].buttons.join('|')));
}

void TestStartup::everyBehaviourWidgetIsNamed_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("className");
    const QList<QPair<const char *, const char *>> widgets = {
        {"btShowArgument", "QPushButton"},
        {"List_Criteres", "QListWidget"},
        {"btEffacer", "QPushButton"},
        {"rbHomme", "QRadioButton"},
        {"rbFemme", "QRadioButton"},
        {"txtAge", "QLineEdit"},
        {"btAjouterRC", "QPushButton"},
        {"btSupprimerRC", "QPushButton"},
        {"tableView", "CustomTableView"},
        {"rdPos_A", "QRadioButton"},
        {"rdPos_B", "QRadioButton"},
        {"rdPos_C", "QRadioButton"},
        {"rdPos_D", "QRadioButton"},
        {"rdPos_Z", "QRadioButton"},
        {"rdCodeN", "QRadioButton"},
        {"rdCodeP", "QRadioButton"},
        {"rdCodeR", "QRadioButton"},
        {"btAucunCritere", "QPushButton"},
        {"tabWidget", "QTabWidget"},
        {"btCopyToClipboard", "QPushButton"},
        {"txtSearchCriteria", "QLineEdit"},
        {"btApropos", "QPushButton"},
        {"btHALVANE", "QPushButton"},
        {"chkAsymptomique", "QCheckBox"},
        {"btUp", "QPushButton"},
        {"btDown", "QPushButton"},
        {"chkALD", "QCheckBox"},
        {"List_RefRC", "QListWidget"},
        {"listeSynonymes", "QListWidget"},
        {"onlytitreCk", "QCheckBox"},
        {"btEffacerProfilPatient", "QPushButton"},
        {"btCopyToClipboard1", "QPushButton"},
        {"listCritique", "QTableView"},
        {"txtResult", "QTextEdit"},
        {"txtTitreRc", "QLabel"},
        {"iconDic", "QLabel"},
    };
    for (const auto &w : widgets)
        QTest::newRow(w.first) << QString::fromLatin1(w.first) << QString::fromLatin1(w.second);
}

void TestStartup::everyBehaviourWidgetIsNamed()
{
    QFETCH(QString, name);
    QFETCH(QString, className);
    QVERIFY(!testkit::useDictionary(QString::fromUtf8(kSql)).isEmpty());
    Quorvel w;
    auto *widget = w.findChild<QWidget *>(name); // a missing name is this test's failure, not a stop
    QVERIFY2(widget, qPrintable(name));
    QCOMPARE(QString::fromLatin1(widget->metaObject()->className()), className);
}

void TestStartup::severalWindowsInOneProcess()
{
    QVERIFY(!testkit::useDictionary(QString::fromUtf8(kSql)).isEmpty());
    testkit::LogCapture log;
    for (int i = 0; i < 3; ++i) {
        Quorvel w;
        w.show();
        QCOMPARE(testkit::rcList(w)->count(), 3);
    }
    QCOMPARE(log.count(QStringLiteral("duplicate connection name")), 0);
}

QTEST_MAIN(TestStartup)
#include "test_startup.moc"
