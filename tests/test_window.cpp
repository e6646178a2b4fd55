// SPDX-License-Identifier: GPL-3.0-or-later
// The window as it is drawn: every text whole to its last drop of ink and inside its containers and the window at
// the fonts and screen sizes a doctor has, every text bold italic, RC titles readable whole in the list, and the
// focus and disabled states visible.
#include "app/appearance.h"
#include "app/quorvel.h"
#include "dialogs/aproposquorvel.h"
#include "dialogs/argumentaire.h"
#include "dialogs/halvanequorvel.h"
#include "testkit.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QFocusFrame>
#include <QFontInfo>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTextDocument>
#include <QTextEdit>
#include <algorithm>
#include <cmath>
#include <optional>

namespace
{

const QString kLongTitle = QStringLiteral("SYNDROME DOULOUREUX ABDOMINAL AIGU AVEC FIÈVRE, VOMISSEMENTS ET ALTÉRATION "
                                          "MARQUÉE DE L ÉTAT GÉNÉRAL CHEZ UN PATIENT ÂGÉ");

const char *const kTitlesSql = R"sql(
INSERT INTO ref_rc (ref_rc_seq, lib_rc, sex, age_min, age_max, pa, pb, pc, pd, pz, code_cim_defaut, code_cisp_defaut)
VALUES (1, 'ANGINE', 3, 0, 125, 1, 1, 1, 1, 1, 'J02.9', 'R76'),
       (2, '%1', 1, 0, 125, 1, 1, 1, 1, 1, 'R10', 'D01'),
       (3, 'TOUX', 3, 0, 125, 1, 1, 1, 1, 1, 'R05', 'R05');
INSERT INTO ref_definition (ref_definition_seq, ref_rc_id, pere_fk, lib_criteres_fr, validite, ordre, ref_ponder_id)
VALUES (10, 1, 0, 'Douleur pharyngée', 1, 1, 1), (20, 2, 0, 'Douleur abdominale', 1, 1, 1),
       (30, 3, 0, 'Toux', 1, 1, 1);
)sql";

QString plainText(const QString &text)
{
    if (!Qt::mightBeRichText(text))
        return text;
    QTextDocument document;
    document.setHtml(text);
    return document.toPlainText();
}

// Where a text's ink lies when its pen starts at x = 0: a leaning or overhanging letter draws past the advance,
// which is all that widths computed from advances make room for. Trailing blanks draw nothing.
QRect inkOf(const QFontMetrics &metrics, const QString &text)
{
    QString inked = text;
    while (inked.endsWith(QLatin1Char(' ')))
        inked.chop(1);
    return metrics.boundingRect(inked);
}

// Width a text covers drawn from x = 0: its advance, or its ink where that runs further.
int inkWidth(const QFontMetrics &metrics, const QString &text)
{
    const QRect ink = inkOf(metrics, text);
    return qMax(metrics.horizontalAdvance(text), ink.right() + 1) - qMin(0, ink.left());
}

// Where a widget lays a text out by its advance: an area and the alignment in it.
struct TextPlace {
    QRect area;
    Qt::Alignment alignment;
};

// Whether the ink of a text placed there stays inside its widget, which clips what it paints.
bool inkInside(const QWidget *widget, const QString &text, const TextPlace &place)
{
    const QFontMetrics metrics(widget->font());
    const int advance = metrics.horizontalAdvance(text);
    int x = place.area.left();
    if (place.alignment & Qt::AlignHCenter)
        x += (place.area.width() - advance) / 2;
    else if (place.alignment & Qt::AlignRight)
        x = place.area.right() + 1 - advance;
    const QRect ink = inkOf(metrics, text).translated(x, 0);
    return ink.left() >= 0 && ink.right() < widget->width();
}

QString describe(const QWidget *widget, const QString &text)
{
    return QStringLiteral("%1 (\"%2\")").arg(widget->objectName(), text);
}

// Width the label part of a button has in its real geometry, from the style that draws it, and the width its
// text and icon take at the font it really has; and where its text goes: after the icon in a label centred as a
// whole on a push button, at the left beside a check indicator.
TextPlace buttonWidths(const QAbstractButton *button, int &room, int &needed)
{
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    option.icon = button->icon();
    option.iconSize = button->iconSize();
    QStyle::SubElement contents = QStyle::SE_PushButtonContents;
    if (qobject_cast<const QRadioButton *>(button))
        contents = QStyle::SE_RadioButtonContents;
    else if (qobject_cast<const QCheckBox *>(button))
        contents = QStyle::SE_CheckBoxContents;
    else if (auto *push = qobject_cast<const QPushButton *>(button); push && push->autoDefault())
        option.features |= QStyleOptionButton::AutoDefaultButton;
    const QRect area = button->style()->subElementRect(contents, &option, button);
    room = area.width();
    needed = QFontMetrics(button->font()).horizontalAdvance(button->text());
    const int icon = button->icon().isNull() ? 0 : button->iconSize().width() + 4;
    needed += icon;
    if (contents != QStyle::SE_PushButtonContents)
        return {area.adjusted(icon, 0, 0, 0), Qt::AlignLeft};
    if (icon == 0)
        return {area, Qt::AlignHCenter};
    return {area.adjusted((area.width() - needed) / 2 + icon, 0, 0, 0), Qt::AlignLeft};
}

// Every text shown under top: whole in its widget, and the widget inside each of its ancestors; and every widget
// shown, text or not, inside the window.
QStringList cutTexts(QWidget *top)
{
    QStringList cut;
    const QList<QWidget *> widgets = top->findChildren<QWidget *>();
    for (QWidget *widget : widgets) {
        if (!widget->isVisibleTo(top))
            continue;
        const QFontMetrics metrics(widget->font());
        QString text;
        int room = 0;
        int needed = 0;
        std::optional<TextPlace> place;
        if (auto *button = qobject_cast<QAbstractButton *>(widget)) {
            text = button->text();
            place = buttonWidths(button, room, needed);
        } else if (auto *label = qobject_cast<QLabel *>(widget)) {
            text = plainText(label->text());
            const int margin = label->margin();
            const QRect area = label->contentsRect().adjusted(margin, margin, -margin, -margin);
            room = area.width();
            needed = metrics.horizontalAdvance(text);
            const bool centred = label->text().contains(QLatin1String("<center>"));
            place = TextPlace{area, centred ? Qt::AlignHCenter : label->alignment()};
        } else if (auto *group = qobject_cast<QGroupBox *>(widget)) {
            text = group->title();
            room = group->width();
            needed = inkWidth(metrics, text);
        } else if (auto *tabs = qobject_cast<QTabBar *>(widget)) {
            for (int i = 0; i < tabs->count(); ++i) {
                const QRect tab = tabs->tabRect(i);
                if (tab.width() < inkWidth(metrics, tabs->tabText(i)) || !tabs->rect().contains(tab))
                    cut << describe(tabs, tabs->tabText(i)) + QStringLiteral(": tab %1 wide").arg(tab.width());
            }
            continue;
        }
        if (text.trimmed().isEmpty())
            continue;
        if (needed > room)
            cut << describe(widget, text) + QStringLiteral(": needs %1 px, has %2").arg(needed).arg(room);
        if (place && !inkInside(widget, text, *place))
            cut << describe(widget, text) + QStringLiteral(": its ink runs past the widget's edge");
        if (widget->height() < metrics.height())
            cut << describe(widget, text) + QStringLiteral(": %1 px high").arg(widget->height());
        for (QWidget *ancestor = widget->parentWidget(); ancestor && ancestor != top->parentWidget();
             ancestor = ancestor->parentWidget()) {
            const QRect inAncestor(widget->mapTo(ancestor, QPoint(0, 0)), widget->size());
            if (!ancestor->rect().contains(inAncestor))
                cut << describe(widget, text) + QStringLiteral(" leaves %1").arg(ancestor->objectName());
        }
    }
    for (QWidget *widget : widgets) {
        // The focus ring stands around its widget by design, over the neighbours' margins.
        if (!widget->isVisibleTo(top) || qobject_cast<QFocusFrame *>(widget))
            continue;
        const QRect inWindow(widget->mapTo(top, QPoint(0, 0)), widget->size());
        if (!top->rect().contains(inWindow)) {
            QString line;
            QDebug(&line) << widget << "runs past the window:" << inWindow;
            cut << line;
        }
    }
    return cut;
}

// Runs the layouts the last change asked for, and what they post in turn.
void settle()
{
    for (int i = 0; i < 5; ++i) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        QCoreApplication::processEvents();
    }
}

} // namespace

class TestWindow : public testkit::TestCase
{
    Q_OBJECT

private slots:
    void cleanup();
    void textsAreWhole_data();
    void textsAreWhole();
    void textsAreBoldItalic_data();
    void textsAreBoldItalic();
    void rcTitlesAreWhole_data();
    void rcTitlesAreWhole();
    void statesAreVisible_data();
    void statesAreVisible();
    void screensHoldEverything_data();
    void screensHoldEverything();
    void textsContrast_data();
    void textsContrast();

private:
    QFont m_applicationFont = QApplication::font();
};

void TestWindow::cleanup()
{
    QApplication::setFont(m_applicationFont);
    QVERIFY(QApplication::topLevelWidgets().isEmpty() || QApplication::activeModalWidget() == nullptr);
}

void TestWindow::textsAreWhole_data()
{
    QTest::addColumn<QString>("shown"); // the window or one of the dialogs
    QTest::addColumn<int>("pointSize");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("fontChangedLater"); // the desktop font changes while the window is open
    for (int pointSize : {10, 11}) {
        // 1366x740 and 1280x772: laptops' maximised windows beside a desktop panel.
        for (const QSize &size : {QSize(1366, 740), QSize(1280, 772), QSize(1366, 768), QSize(1920, 1080)}) {
            QTest::addRow("window %d pt %dx%d", pointSize, size.width(), size.height())
                << "window" << pointSize << size << false;
        }
        for (const char *dialog : {"apropos", "argumentaire", "halvane"})
            QTest::addRow("%s %d pt", dialog, pointSize) << dialog << pointSize << QSize() << false;
    }
    QTest::newRow("window 10 then 11 pt 1366x768") << "window" << 11 << QSize(1366, 768) << true;
}

void TestWindow::textsAreWhole()
{
    QFETCH(QString, shown);
    QFETCH(int, pointSize);
    QFETCH(QSize, size);
    QFETCH(bool, fontChangedLater);
    QVERIFY(!testkit::useSampleDictionary().isEmpty());
    QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), fontChangedLater ? 10 : pointSize));

    QScopedPointer<QWidget> top;
    if (shown == QLatin1String("window"))
        top.reset(new Quorvel);
    else if (shown == QLatin1String("apropos"))
        top.reset(new AproposQuorvel);
    else if (shown == QLatin1String("argumentaire"))
        top.reset(new Argumentaire);
    else
        top.reset(new HalvaneQuorvel);
    if (size.isValid())
        top->resize(size);
    top->show();
    QVERIFY(QTest::qWaitForWindowExposed(top.data()));
    if (fontChangedLater)
        QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), pointSize));
    // Position buttons that the first RC hides are shown for other RCs: lay them out too.
    for (QRadioButton *position : top->findChildren<QRadioButton *>(QRegularExpression(QStringLiteral("^rdPos_"))))
        position->show();
    settle();
    if (size.isValid())
        QCOMPARE(top->size(), size);

    const auto bothTabsCut = [&top] {
        QStringList cut = cutTexts(top.data());
        if (auto *tabs = top->findChild<QTabWidget *>(QStringLiteral("tabWidget"))) {
            tabs->setCurrentIndex(1);
            settle();
            cut << cutTexts(top.data());
            tabs->setCurrentIndex(0);
            settle();
        }
        cut.removeDuplicates(); // the header shows on both tabs
        return cut;
    };
    // A font changed while the window is open reaches it through events that Qt 6 posts in more than one round.
    QStringList cut;
    QTRY_VERIFY2_WITH_TIMEOUT((cut = bothTabsCut()).isEmpty(), qPrintable(cut.join(QStringLiteral("\n"))), 2000);
}

void TestWindow::textsAreBoldItalic_data()
{
    QTest::addColumn<QString>("family");
    QTest::addColumn<int>("pointSize");
    QTest::newRow("DejaVu Sans 10 pt") << "DejaVu Sans" << 10;
    QTest::newRow("DejaVu Serif 11 pt") << "DejaVu Serif" << 11;
}

void TestWindow::textsAreBoldItalic()
{
    QFETCH(QString, family);
    QFETCH(int, pointSize);
    QVERIFY(!testkit::useSampleDictionary().isEmpty());
    QApplication::setFont(QFont(family, pointSize));
    Quorvel window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    int checked = 0;
    QStringList plain;
    const QList<QWidget *> widgets = window.findChildren<QWidget *>();
    for (QWidget *widget : widgets) {
        QString text;
        if (auto *button = qobject_cast<QAbstractButton *>(widget))
            text = button->text();
        else if (auto *label = qobject_cast<QLabel *>(widget))
            text = label->text();
        else if (auto *group = qobject_cast<QGroupBox *>(widget))
            text = group->title();
        else if (qobject_cast<QTabBar *>(widget) || qobject_cast<QLineEdit *>(widget) ||
                 qobject_cast<QAbstractItemView *>(widget) || qobject_cast<QTextEdit *>(widget))
            text = widget->objectName();
        if (text.trimmed().isEmpty())
            continue;
        ++checked;
        // What the font database matched, not what was asked for.
        const QFontInfo drawn(widget->font());
        if (!drawn.bold() || !drawn.italic() || drawn.family() != family)
            plain << QStringLiteral("%1: %2%3 %4")
                         .arg(widget->objectName(), drawn.bold() ? "bold" : "regular", drawn.italic() ? " italic" : "",
                              drawn.family());
    }
    QVERIFY2(plain.isEmpty(), qPrintable(plain.join(QStringLiteral("\n"))));
    QVERIFY2(checked > 40, qPrintable(QString::number(checked)));

    // A style sheet that sets only a size keeps the rest of the window's font.
    auto *title = testkit::widget<QLabel>(window, "Label");
    QCOMPARE(QFontInfo(title->font()).pixelSize(), 30);
}

void TestWindow::rcTitlesAreWhole_data()
{
    QTest::addColumn<bool>("byProfile"); // profile lists carry no tool tip: the list alone must show the title
    QTest::newRow("full list") << false;
    QTest::newRow("profile list") << true;
}

void TestWindow::rcTitlesAreWhole()
{
    QFETCH(bool, byProfile);
    QVERIFY(!testkit::useDictionary(QString::fromUtf8(kTitlesSql).arg(kLongTitle)).isEmpty());
    QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 10));
    Quorvel window;
    window.resize(1366, 768);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto *list = testkit::rcList(window);
    if (byProfile) {
        QTest::mouseClick(testkit::widget<QRadioButton>(window, "rbHomme"), Qt::LeftButton);
        QCOMPARE(list->count(), 3);
        QVERIFY(list->item(1)->toolTip().isEmpty());
    }
    settle();
    // The list lays its items out on a timer of its own.
    QTRY_VERIFY(list->horizontalScrollBar()->isVisible());

    QListWidgetItem *item = testkit::findItem(list, kLongTitle);
    QVERIFY(item);
    const int titleWidth = list->fontMetrics().horizontalAdvance(kLongTitle);
    QVERIFY2(titleWidth > list->viewport()->width(), "the title must not fit the list for this test");
    QVERIFY(list->visualItemRect(item).width() >= titleWidth);
    QVERIFY(list->horizontalScrollBar()->maximum() >= titleWidth - list->viewport()->width());
    // The rows still share one size: a short title's row is as wide as the long one's.
    QCOMPARE(list->visualItemRect(list->item(0)).size(), list->visualItemRect(item).size());
}

void TestWindow::statesAreVisible_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("focus"); // the control with the focus against elsewhere, or enabled against disabled
    QTest::newRow("btUp disabled") << "btUp" << false;
    QTest::newRow("btDown disabled") << "btDown" << false;
    // Orange, blue and grey push buttons, a radio, a check box and the session table: style sheets hid them all.
    for (const char *name : {"btAjouterRC", "btShowArgument", "btApropos", "rbHomme", "onlytitreCk", "tableView"})
        QTest::addRow("%s focused", name) << name << true;
}

void TestWindow::statesAreVisible()
{
    QFETCH(QString, name);
    QFETCH(bool, focus);
    QVERIFY(!testkit::useSampleDictionary().isEmpty());
    QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 10));
    Quorvel window;
    window.resize(1366, 768);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    auto *control = testkit::widget<QWidget>(window, name);
    // The control and the pixels round it, where a focus ring stands.
    const QRect around = control->geometry().adjusted(-4, -4, 4, 4);
    const auto look = [&] {
        settle();
        return focus ? control->parentWidget()->grab(around).toImage() : control->grab().toImage();
    };
    const QImage before = look();
    if (focus) {
        QVERIFY(!control->hasFocus());
        control->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(control->hasFocus());
    } else {
        QVERIFY(!control->isEnabled()); // until the session has a row to move
        control->setEnabled(true);
    }
    QVERIFY2(look() != before, "looks the same in both states");
}

// Visible controls that a later sibling, or a later sibling of an ancestor under top, lies over.
QStringList coveredControls(QWidget *top)
{
    QStringList covered;
    for (QWidget *widget : top->findChildren<QWidget *>()) {
        const auto *label = qobject_cast<QLabel *>(widget); // empty labels are spacing
        if (!widget->isVisibleTo(top) || !(widget->focusPolicy() != Qt::NoFocus || (label && !label->text().isEmpty())))
            continue;
        for (QWidget *w = widget; w != top; w = w->parentWidget()) {
            const QList<QObject *> siblings = w->parentWidget()->children();
            const QRect place(widget->mapTo(w->parentWidget(), QPoint()), widget->size());
            for (int i = siblings.indexOf(w) + 1; i < siblings.size(); ++i)
                if (auto *over = qobject_cast<QWidget *>(siblings.at(i));
                    over && !over->isWindow() && !qobject_cast<QFocusFrame *>(over) && over->isVisibleTo(top) &&
                    over->geometry().intersects(place))
                    covered << widget->objectName() + QStringLiteral(" under ") + over->objectName();
        }
    }
    return covered;
}

void TestWindow::screensHoldEverything_data()
{
    QTest::addColumn<QSize>("screen"); // device pixels, at the run's scale
    QTest::addColumn<bool>("maximised");
    for (const QSize &screen : {QSize(1366, 768), QSize(1920, 1080)})
        for (bool maximised : {false, true})
            QTest::addRow("%dx%d%s", screen.width(), screen.height(), maximised ? " maximised" : "")
                << screen << maximised;
}

void TestWindow::screensHoldEverything()
{
    QFETCH(QSize, screen);
    QFETCH(bool, maximised);
    QVERIFY(!testkit::useSampleDictionary().isEmpty());
    QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 10));
    // A 32-pixel panel, and the title bar and borders the window counts on before it is framed.
    const QRect available(QPoint(), (QSizeF(screen.width(), screen.height() - 32) / qApp->devicePixelRatio()).toSize());
    const QSize room = available.size().shrunkBy(QMargins(4, 38, 4, 4));
    QScopedPointer<QWidget> tops[] = {QScopedPointer<QWidget>(new Quorvel), QScopedPointer<QWidget>(new AproposQuorvel),
                                      QScopedPointer<QWidget>(new Argumentaire),
                                      QScopedPointer<QWidget>(new HalvaneQuorvel)};
    for (auto &top : tops) {
        appearance::fitInto(top.data(), available);
        QVERIFY2(room.expandedTo(top->minimumSize()) == room, qPrintable(top->objectName()));
        top->resize(maximised ? room : top->size()); // as the window manager maximises it
        QVERIFY2(room.expandedTo(top->size()) == room, qPrintable(top->objectName()));
        top->show();
        auto *tabs = top->findChild<QTabWidget *>(QStringLiteral("tabWidget"));
        for (int tab = 0; tab < (tabs ? 2 : 1); ++tab) {
            if (tabs)
                tabs->setCurrentIndex(tab);
            settle();
            // Where the screen cannot hold them the contents scroll: each control lies whole in that page.
            auto *area = top->findChild<QScrollArea *>(QStringLiteral("screenFit"));
            QWidget *page = area->widget();
            const QStringList faults = coveredControls(page) + cutTexts(page);
            QVERIFY2(faults.isEmpty(), qPrintable(top->objectName() + QLatin1Char('\n') + faults.join('\n')));
            // Where it scrolls, what a shortcut focuses comes into sight.
            if (top == tops[0] && tab == 0) {
                auto *copy = testkit::widget<QWidget>(*top, "btCopyToClipboard1");
                QApplication::setActiveWindow(top.data());
                copy->setFocus(Qt::ShortcutFocusReason);
                QVERIFY(
                    area->viewport()->rect().contains(QRect(copy->mapTo(area->viewport(), QPoint()), copy->size())));
            }
            // A 768-line laptop at 100 % and a 1080-line screen up to 150 % show the whole main window, unscrolled.
            if (top == tops[0] && maximised && qApp->devicePixelRatio() <= (screen.height() > 768 ? 1.5 : 1.0))
                QVERIFY2(QRect(QPoint(), area->size()).contains(QRect(page->mapTo(area, QPoint()), page->size())),
                         qPrintable(QStringLiteral("page %1x%2").arg(page->width()).arg(page->height())));
        }
        qInfo("%s %dx%d, minimum %dx%d, contents %dx%d", qPrintable(top->objectName()), top->width(), top->height(),
              top->minimumWidth(), top->minimumHeight(),
              top->findChild<QScrollArea *>()->widget()->minimumSizeHint().width(),
              top->findChild<QScrollArea *>()->widget()->minimumSizeHint().height());
    }
}

namespace
{
double contrast(QRgb a, QRgb b)
{
    const auto luminance = [](QRgb rgb) {
        const auto linear = [](int c) {
            return c <= 10 ? c / 255.0 / 12.92 : std::pow((c / 255.0 + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(qRed(rgb)) + 0.7152 * linear(qGreen(rgb)) + 0.0722 * linear(qBlue(rgb));
    };
    return (qMax(luminance(a), luminance(b)) + 0.05) / (qMin(luminance(a), luminance(b)) + 0.05);
}

// A text's contrast in an area: its commonest colour is the ground, the stroke's core the pixel farthest from it;
// with a second image, a mark's: the pixels that changed against what they were.
double measure(const QImage &image, const QRect &area, const QImage &before = QImage())
{
    QHash<QRgb, int> counts;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            ++counts[image.pixel(x, y)];
    const QList<QRgb> colours = counts.keys();
    const QRgb ground =
        *std::max_element(colours.begin(), colours.end(), [&](QRgb a, QRgb b) { return counts[a] < counts[b]; });
    double best = 1;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            best = qMax(best, contrast(image.pixel(x, y), before.isNull() ? ground : before.pixel(x, y)));
    return best;
}
} // namespace

void TestWindow::textsContrast_data()
{
    QTest::addColumn<QPalette>("desktop");
    QPalette dark(QColor(60, 60, 60), QColor(53, 53, 53)), high(Qt::black, Qt::black);
    for (QPalette::ColorRole role :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::HighlightedText}) {
        dark.setColor(role, QColor(238, 238, 236));
        high.setColor(role, Qt::white);
    }
    dark.setColor(QPalette::Base, QColor(45, 45, 45));
    high.setColor(QPalette::Highlight, Qt::yellow);
    QTest::newRow("default") << QPalette(QColor(239, 239, 239));
    QTest::newRow("dark") << dark;
    QTest::newRow("high contrast") << high;
}

void TestWindow::textsContrast()
{
    QFETCH(QPalette, desktop);
    QVERIFY(!testkit::useSampleDictionary().isEmpty());
    QApplication::setPalette(desktop);
    QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 10));
    Quorvel window;
    window.resize(1366, 768);
    window.show();
    QMessageBox box(QMessageBox::Question, QStringLiteral("Quorvel"), QStringLiteral("Fermer ?"), QMessageBox::No,
                    &window);
    box.show();
    testkit::rcList(window)->setCurrentRow(1);
    testkit::widget<QListWidget>(window, "List_Criteres")->setCurrentRow(0);
    settle();
    QStringList low;
    const auto check = [&](QWidget *widget, const QString &what, double figure, double bound) {
        qInfo("%s %s: %.2f:1", qPrintable(widget->objectName()), qPrintable(what), figure);
        if (figure < bound)
            low << QStringLiteral("%1 %2 %3:1").arg(widget->objectName(), what).arg(figure, 0, 'f', 2);
    };
    for (QWidget *widget : window.findChildren<QWidget *>() + box.findChildren<QWidget *>()) {
        const QImage image = widget->grab().toImage().scaled(widget->size());
        auto *button = qobject_cast<QAbstractButton *>(widget);
        if (auto *label = qobject_cast<QLabel *>(widget);
            label && widget->isVisible() && !label->text().trimmed().isEmpty())
            check(widget, "text", measure(image, label->contentsRect()), 4.5);
        // A disabled button's grey is meant to read as unavailable.
        if (button && widget->isVisible() && button->isEnabled() && !button->text().trimmed().isEmpty()) {
            int room = 0, needed = 0;
            check(widget, "text", measure(image, buttonWidths(button, room, needed).area.intersected(button->rect())),
                  4.5);
        }
        if (auto *list = qobject_cast<QListWidget *>(widget); list && list->count() > 1)
            for (int row : {0, 1})
                check(widget, list->item(row)->isSelected() ? "selected row" : "row",
                      measure(list->viewport()->grab().toImage().scaled(list->viewport()->size()),
                              list->visualItemRect(list->item(row)).intersected(list->viewport()->rect())),
                      4.5);
        if (button && button->isCheckable() && !button->isChecked() && widget->isVisible()) {
            button->setChecked(true);
            check(widget, "mark", measure(widget->grab().toImage().scaled(widget->size()), widget->rect(), image), 3.0);
        }
    }
    QApplication::setPalette(appearance::palette());
    QVERIFY2(low.isEmpty(), qPrintable(low.join('\n')));
}

QTEST_MAIN(TestWindow)
#include "test_window.moc"
