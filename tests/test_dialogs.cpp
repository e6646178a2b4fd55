// SPDX-License-Identifier: GPL-3.0-or-later
// Secondary dialogs: decoding of argument texts, the argument dialog opened from the main window (list RC and
// re-opened session row), the About dialog and the publisher's picture.
#include "app/quorvel.h"
#include "dialogs/aproposquorvel.h"
#include "dialogs/argumentdecoding.h"
#include "dialogs/halvanequorvel.h"
#include "testkit.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPixmapCache>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextEdit>

namespace
{

// The text preceded by its byte-order mark, in UTF-16 (unitBytes 2) or UTF-32 (4); the texts here stay in the BMP.
QByteArray withMark(const QString &text, int unitBytes, bool littleEndian)
{
    QByteArray bytes;
    for (const uint point : (QChar(QChar::ByteOrderMark) + text).toUcs4())
        for (int i = 0; i < unitBytes; ++i)
            bytes += char(point >> 8 * (littleEndian ? i : unitBytes - 1 - i));
    return bytes;
}

QByteArray utf8WithMark(const QString &text)
{
    return QByteArray("\xEF\xBB\xBF", 3) + text.toUtf8();
}

QString blob(const QByteArray &bytes)
{
    return QStringLiteral("X'%1'").arg(QString::fromLatin1(bytes.toHex()));
}

const QString kSoreThroat = QStringLiteral("Odynophagie fébrile ≥ 38 °C ; pas de toux. Score de Mac Isaac à calculer.");
const QString kFever = QStringLiteral("Température ≥ 38 °C mesurée ; préciser l'âge du patient.");
const QString kHypertension = QStringLiteral("Pression artérielle ≥ 140/90 mmHg\nconfirmée à deux consultations.");
const QString kStomach = QStringLiteral("Douleur épigastrique à jeun, brûlure calmée par les repas.");

// One criterion in force per RC, so that every RC is listed; positions A and B offered everywhere.
QString dictionarySql()
{
    const QStringList rcs = {
        QStringLiteral("(1, 'ANGINE', %1)").arg(blob(withMark(kSoreThroat, 2, true))),
        QStringLiteral("(2, 'BRONCHITE', NULL)"),
        QStringLiteral("(3, 'CEPHALEE', '')"),
        QStringLiteral("(4, 'DIARRHEE', X'')"),
        QStringLiteral("(5, 'ENTORSE', X'EFBBBF')"),
        QStringLiteral("(6, 'FIEVRE', '%1')").arg(QString(kFever).replace(QLatin1String("'"), QLatin1String("''"))),
        QStringLiteral("(7, 'GASTRALGIE', %1)").arg(blob(kStomach.toLatin1())),
        QStringLiteral("(8, 'HTA', %1)").arg(blob(utf8WithMark(kHypertension)))};
    return QStringLiteral("INSERT INTO ref_rc (ref_rc_seq, lib_rc, argumentaire) VALUES %1;"
                          "UPDATE ref_rc SET pa = 1, pb = 1;"
                          "INSERT INTO ref_definition (ref_definition_seq, ref_rc_id, lib_criteres_fr, ordre) "
                          "SELECT ref_rc_seq, ref_rc_seq, 'critère', 1 FROM ref_rc;")
        .arg(rcs.join(QLatin1Char(',')));
}

// What the argument button opened, and its text box's content when it was a dialog.
struct Shown {
    QString className;
    QString text;
    QWidget *parent = nullptr;
};

// Records the modal widget, types newText into the argument when given, then closes it as a doctor would.
testkit::ModalWatcher::Answer recordAndClose(Shown &shown, const QString &newText = QString())
{
    return [&shown, newText](QWidget *modal) {
        shown.className = QString::fromLatin1(modal->metaObject()->className());
        shown.parent = modal->parentWidget();
        auto *edit = modal->findChild<QTextEdit *>(QStringLiteral("txtArgumentaire"));
        if (edit) {
            shown.text = edit->toPlainText();
            QTest::keyClicks(edit, newText);
        }
        testkit::pressButton(edit ? QStringLiteral("Fermer") : QStringLiteral("OK"))(modal);
    };
}

QColor centreColour(QWidget *widget)
{
    const QImage image = widget->grab().toImage();
    return QColor(image.pixel(image.width() / 2, image.height() / 2));
}

[[nodiscard]] bool writeRedPicture(const QString &dir)
{
    QImage picture(32, 32, QImage::Format_RGB32);
    picture.fill(Qt::red);
    return QDir().mkpath(dir + QStringLiteral("/images")) &&
           picture.save(dir + QStringLiteral("/images/p_halvane.png"));
}

} // namespace

class TestDialogs : public testkit::TestCase
{
    Q_OBJECT

private slots:
    void cleanup();
    void argumentText_data();
    void argumentText();
    void argumentOfListedRc_data();
    void argumentOfListedRc();
    void argumentOfReopenedRow();
    void aboutDialog();
    void aboutCloses_data();
    void aboutCloses();
    void publisherStyleSheetShowsPicture_data();
    void publisherStyleSheetShowsPicture();
    void publisherDialog_data();
    void publisherDialog();
};

void TestDialogs::cleanup()
{
    QVERIFY(!QApplication::activeModalWidget());
    for (QWidget *w : QApplication::topLevelWidgets())
        QVERIFY2(!qobject_cast<QDialog *>(w) || qobject_cast<Quorvel *>(w), "a dialog outlived its showing");
}

void TestDialogs::argumentText_data()
{
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QString>("expected");

    QTest::newRow("UTF-8 with mark") << QVariant(utf8WithMark(kSoreThroat)) << kSoreThroat;
    QTest::newRow("UTF-16 LE with mark") << QVariant(withMark(kSoreThroat, 2, true)) << kSoreThroat;
    QTest::newRow("UTF-16 BE with mark") << QVariant(withMark(kSoreThroat, 2, false)) << kSoreThroat;
    QTest::newRow("UTF-32 LE with mark") << QVariant(withMark(kHypertension, 4, true)) << kHypertension;
    QTest::newRow("UTF-32 BE with mark") << QVariant(withMark(kHypertension, 4, false)) << kHypertension;
    QTest::newRow("Latin-1 without mark") << QVariant(kStomach.toLatin1()) << kStomach;
    // Without a mark the bytes are Latin-1 whatever they really are.
    QTest::newRow("UTF-8 without mark") << QVariant(QByteArray("\xC3\xA9", 2)) << QStringLiteral("Ã©");
    QTest::newRow("mark only") << QVariant(QByteArray("\xFF\xFE", 2)) << QString();
    QTest::newRow("empty BLOB") << QVariant(QByteArray("")) << QString();
    QTest::newRow("NULL") << testkit::nullValue<QString>() << QString();
    // SQLite hands TEXT values over already decoded; reading them again as Latin-1 would garble the accents.
    QTest::newRow("TEXT") << QVariant(kFever) << kFever;
    QTest::newRow("TEXT beginning with a mark") << QVariant(QChar(QChar::ByteOrderMark) + kFever) << kFever;
}

void TestDialogs::argumentText()
{
    QFETCH(QVariant, value);
    QFETCH(QString, expected);
    QCOMPARE(dialogs::argumentText(value), expected);
}

void TestDialogs::argumentOfListedRc_data()
{
    QTest::addColumn<QString>("rc");
    QTest::addColumn<QString>("damage"); // run on the dictionary file while the RC is shown
    QTest::addColumn<QString>("outcome");
    QTest::addColumn<QString>("expected");

    const QString none;
    QTest::newRow("UTF-16 BLOB") << "ANGINE" << none << "dialog" << kSoreThroat;
    QTest::newRow("UTF-8 BLOB") << "HTA" << none << "dialog" << kHypertension;
    QTest::newRow("Latin-1 BLOB") << "GASTRALGIE" << none << "dialog" << kStomach;
    QTest::newRow("TEXT") << "FIEVRE" << none << "dialog" << kFever;
    QTest::newRow("NULL") << "BRONCHITE" << none << "box" << none;
    QTest::newRow("empty TEXT") << "CEPHALEE" << none << "box" << none;
    QTest::newRow("empty BLOB") << "DIARRHEE" << none << "box" << none;
    QTest::newRow("mark only") << "ENTORSE" << none << "box" << none;
    QTest::newRow("row gone") << "ANGINE"
                              << "DELETE FROM ref_rc WHERE ref_rc_seq = 1"
                              << "box" << none;
    // A failed statement is no evidence that the RC has no argument: the doctor is not told so.
    QTest::newRow("statement fails") << "ANGINE"
                                     << "ALTER TABLE ref_rc DROP COLUMN argumentaire"
                                     << "nothing" << none;
}

void TestDialogs::argumentOfListedRc()
{
    QFETCH(QString, rc);
    QFETCH(QString, damage);
    QFETCH(QString, outcome);
    QFETCH(QString, expected);
    const QString path = testkit::useDictionary(dictionarySql());
    QVERIFY(!path.isEmpty());
    Quorvel w;
    w.show();
    QVERIFY(testkit::clickItem(testkit::rcList(w), rc));
    QVERIFY(damage.isEmpty() || testkit::runSql(path, damage));

    testkit::LogCapture log;
    Shown shown;
    testkit::ModalWatcher watcher(recordAndClose(shown, QStringLiteral(" Sous traitement.")));
    testkit::click(w, "btShowArgument");
    QCOMPARE(watcher.forcedClosures, 0);
    if (outcome == QStringLiteral("nothing")) {
        QVERIFY(watcher.seen.isEmpty());
        QCOMPARE(log.count(lcSql()), 1);
        return;
    }
    QCOMPARE(watcher.seen.size(), 1);
    QCOMPARE(watcher.seen.first().title, QStringLiteral("Argumentaire"));
    if (outcome == QStringLiteral("box")) {
        QCOMPARE(watcher.seen.first().text, QStringLiteral("Aucun argumentaire à afficher"));
        QCOMPARE(watcher.seen.first().iconName, QStringLiteral("information"));
        QCOMPARE(watcher.seen.first().buttons, QStringList{QStringLiteral("OK")});
        QCOMPARE(shown.parent, static_cast<QWidget *>(&w));
    } else {
        QCOMPARE(shown.className, QStringLiteral("Argumentaire"));
        QCOMPARE(shown.parent, static_cast<QWidget *>(&w)); // stays above the window on Wayland
        QCOMPARE(shown.text, expected);
        // What the doctor typed is not kept: the next showing has the stored text again.
        Shown again;
        watcher.setAnswer(recordAndClose(again));
        testkit::click(w, "btShowArgument");
        QCOMPARE(again.text, expected);
    }
}

void TestDialogs::argumentOfReopenedRow()
{
    QVERIFY(!testkit::useDictionary(dictionarySql()).isEmpty());
    Quorvel w;
    w.show();
    auto *list = testkit::rcList(w);
    auto *table = testkit::table(w);

    // Record ANGINE, show another RC of the list, then bring the recorded row back into the form.
    QVERIFY(testkit::clickItem(list, QStringLiteral("ANGINE")));
    testkit::click(w, "rdPos_A");
    testkit::click(w, "rdCodeP");
    Shown shown;
    testkit::ModalWatcher watcher(recordAndClose(shown));
    testkit::click(w, "btAjouterRC");
    QVERIFY(watcher.seen.isEmpty());
    QCOMPARE(table->model()->rowCount(), 1);
    QVERIFY(testkit::clickItem(list, QStringLiteral("HTA")));
    QVERIFY(testkit::clickRow(table, 0));

    testkit::click(w, "btShowArgument");
    QCOMPARE(shown.className, QStringLiteral("Argumentaire"));
    QCOMPARE(shown.text, kSoreThroat);
}

void TestDialogs::aboutDialog()
{
    AproposQuorvel dialog;
    QCOMPARE(dialog.windowTitle(), QStringLiteral("A Propos "));
    QCOMPARE(dialog.size(), QSize(726, 779));
    QVERIFY(!dialog.windowIcon().isNull());
    // A top-level window whose only title-bar button is the close box (Qt adds the title and system menu).
    const Qt::WindowFlags buttons = Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint |
                                    Qt::WindowCloseButtonHint | Qt::WindowContextHelpButtonHint;
    QCOMPARE(dialog.windowFlags() & Qt::WindowType_Mask, Qt::WindowFlags(Qt::Window));
    QCOMPARE(dialog.windowFlags() & buttons, Qt::WindowFlags(Qt::WindowCloseButtonHint));

    // Pieces whose blanks are easy to lose, in their order, with nothing between consecutive ones.
    const QString html = dialogs::aboutHtml();
    QVERIFY(html.contains(QStringLiteral("<br>- Modification de l'image affichée  en cliquant sur le bouton APropos"
                                         "<br>- Suppression du message version béta<br><br> 1.4b du 10 Octobre 2005")));
    QVERIFY(html.contains(QStringLiteral("<br>- Correction emplacement du focus â  l'ouverture de la fiche."
                                         "<br><br>1.2 du 7 septembre 2005")));
    QVERIFY(html.endsWith(QStringLiteral("<br>- Implémentation du forçage de sélection d'un item pére si un item "
                                         "fils a été sélectionné")));
    const QString siteLine = html.left(html.indexOf(QStringLiteral("<br><br><strong>Modifications</strong>")));
    QVERIFY(siteLine.contains(QStringLiteral("<a href=\"https://www.halvane.example\">")));
    QVERIFY(!siteLine.contains(QStringLiteral("<br")));
    // Given as HTML: the tags are read, not shown.
    const QString shown = testkit::widget<QTextEdit>(dialog, "txtAPropos")->toPlainText();
    QVERIFY(shown.contains(QStringLiteral("«N»")) && !shown.contains(QStringLiteral("<br>")));
}

void TestDialogs::aboutCloses_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("Fermer") << QStringLiteral("Fermer");
    QTest::newRow("close box") << QStringLiteral("close box");
    QTest::newRow("logo, then Fermer") << QStringLiteral("logo");
}

void TestDialogs::aboutCloses()
{
    QFETCH(QString, how);
    QVERIFY(!testkit::useDictionary(dictionarySql()).isEmpty());
    Quorvel w;
    w.show();

    bool openAfterLogo = false;
    testkit::ModalWatcher watcher([&](QWidget *modal) {
        if (how == QStringLiteral("close box")) {
            modal->close();
            return;
        }
        if (how == QStringLiteral("logo")) {
            QTest::mouseClick(testkit::widget<QPushButton>(*modal, "btHALVANE"), Qt::LeftButton);
            QTest::qWait(20); // the box must stay open: there is no change to wait for
            openAfterLogo = modal->isVisible() && QApplication::activeModalWidget() == modal;
        }
        testkit::pressButton(QStringLiteral("Fermer"))(modal);
    });
    testkit::click(w, "btApropos");
    QCOMPARE(watcher.seen.size(), 1);
    QCOMPARE(watcher.seen.first().className, QStringLiteral("AproposQuorvel"));
    QCOMPARE(watcher.forcedClosures, 0);
    QCOMPARE(openAfterLogo, how == QStringLiteral("logo"));
}

void TestDialogs::publisherStyleSheetShowsPicture_data()
{
    QTest::addColumn<QString>("folder");
    QTest::newRow("plain") << QStringLiteral("Quorvel");
    QTest::newRow("blanks and parentheses") << QStringLiteral("Program Files (x86)");
    QTest::newRow("accented") << QStringLiteral("Hélène");
    QTest::newRow("apostrophe") << QStringLiteral("D'Arcy");
    QTest::newRow("double quote") << QStringLiteral("dit \"cabinet\"");
    QTest::newRow("backslash") << QStringLiteral("dossier\\suivi");
}

void TestDialogs::publisherStyleSheetShowsPicture()
{
    QFETCH(QString, folder);
    QTemporaryDir temp;
    const QString dir = temp.path() + QLatin1Char('/') + folder;
    QVERIFY(writeRedPicture(dir));
    QPushButton button;
    button.resize(40, 40);
    button.setStyleSheet(dialogs::publisherImageStyleSheet(dir));
    button.show();
    QCOMPARE(centreColour(&button), QColor(Qt::red));
}

void TestDialogs::publisherDialog_data()
{
    QTest::addColumn<bool>("picturePresent");
    // Missing first, so that no cached picture of the same path can hide a blank button.
    QTest::newRow("picture missing") << false;
    QTest::newRow("picture present") << true;
}

void TestDialogs::publisherDialog()
{
    QFETCH(bool, picturePresent);
    QPixmapCache::clear();
    const QString picture = testkit::appDir() + QStringLiteral("/images/p_halvane.png");
    QFile::remove(picture);
    QVERIFY(!picturePresent || writeRedPicture(testkit::appDir()));
    QVERIFY(!testkit::useDictionary(dictionarySql()).isEmpty());
    Quorvel w;
    w.show();

    QString styleSheet;
    QColor centre;
    testkit::ModalWatcher watcher([&](QWidget *modal) {
        if (auto *image = modal->findChild<QPushButton *>(QStringLiteral("image"))) {
            styleSheet = image->styleSheet();
            centre = centreColour(image);
            modal->close();
        }
    });
    testkit::click(w, "btHALVANE");
    QFile::remove(picture);

    // Opens either way, and nothing but the dialog itself is shown.
    QCOMPARE(watcher.seen.size(), 1);
    QCOMPARE(watcher.seen.first().className, QStringLiteral("HalvaneQuorvel"));
    QCOMPARE(watcher.seen.first().title, QStringLiteral("HALVANE"));
    QCOMPARE(watcher.forcedClosures, 0);
    QCOMPARE(styleSheet, QStringLiteral("border-image:url(%1/images/p_halvane.png);").arg(testkit::appDir()));
    QCOMPARE(centre == QColor(Qt::red), picturePresent);
}

QTEST_MAIN(TestDialogs)
#include "test_dialogs.moc"
