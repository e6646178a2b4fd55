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
    for (int i = 0; i < 5; ++i)
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    QCoreApplication::processEvents();
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

// Visible controls that a later sibling, or a sibling of an ancestor, lies over.
QStringList coveredControls(QWidget *top)
{
    QStringList covered;
    for (QWidget *widget : top->findChildren<QWidget *>()) {
        const auto *label = qobject_cast<QLabel *>(widget);
        const bool control = qobject_cast<QAbstractButton *>(widget) || qobject_cast<QLineEdit *>(widget) ||
                             qobject_cast<QAbstractItemView *>(widget) || (label && !label->text().isEmpty());
        if (!control || !widget->isVisibleTo(top))
            continue;
        for (QWidget *w = widget; w != top; w = w->parentWidget()) {
            const QList<QObject *> siblings = w->parentWidget()->children();
            for (int i = siblings.indexOf(w) + 1; i < siblings.size(); ++i) {
                auto *over = qobject_cast<QWidget *>(siblings.at(i));
                if (over && !over->isWindow() && !qobject_cast<QFocusFrame *>(over) && over->isVisibleTo(top) &&
                    over->geometry().intersects(QRect(widget->mapTo(w->parentWidget(), QPoint()), widget->size())))
                    covered << widget->objectName() + QStringLiteral(" under ") + over->objectName();
            }
        }
    }
    return covered;
}

void TestWindow::screensHoldEverything_data()
{
    QTest::addColumn<QSize>("screen"); // in device pixels; the scale is the run's (QT_SCALE_FACTOR)
    QTest::addColumn<bool>("maximised");
    for (const QSize &screen : {QSize(1366, 768), QSize(1920, 1080)})
        for (bool maximised : {false, true})
            QTest::addRow("%dx%d %s", screen.width(), screen.height(), maximised ? "maximised" : "restored")
                << screen << maximised;
}

void TestWindow::screensHoldEverything()
{
    QFETCH(QSize, screen);
    QFETCH(bool, maximised);
    QVERIFY(!testkit::useSampleDictionary().isEmpty());
    QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 10));
    const qreal scale = qApp->devicePixelRatio();
    // A desktop panel of 32 device pixels; the offscreen screen has no size of its own to give.
    const QRect available(QPoint(0, 0), (QSizeF(screen.width(), screen.height() - 32) / scale).toSize());
    const QMargins frame(4, 38, 4, 4); // as the window counts before it is framed
    QScopedPointer<QWidget> windows[] = {
        QScopedPointer<QWidget>(new Quorvel), QScopedPointer<QWidget>(new AproposQuorvel),
        QScopedPointer<QWidget>(new Argumentaire), QScopedPointer<QWidget>(new HalvaneQuorvel)};
    for (auto &top : windows) {
        appearance::fitInto(top.data(), available);
        const QSize room = available.size().shrunkBy(frame);
        QVERIFY2(room.expandedTo(top->minimumSize()) == room, qPrintable(top->objectName()));
        if (maximised)
            top->resize(room); // what the window manager does
        QVERIFY2(room.expandedTo(top->size()) == room, qPrintable(top->objectName()));
        top->show();
        QVERIFY(QTest::qWaitForWindowExposed(top.data()));
        settle();
        auto *tabs = top->findChild<QTabWidget *>(QStringLiteral("tabWidget"));
        for (int tab = 0; tab < (tabs ? 2 : 1); ++tab) {
            if (tabs)
                tabs->setCurrentIndex(tab);
            settle();
            // The contents scroll where the screen cannot hold them: each control must lie whole in that page.
            QWidget *page = top->findChild<QScrollArea *>(QStringLiteral("screenFit"))->widget();
            QStringList faults = coveredControls(page);
            for (const QString &cut : cutTexts(page))
                faults << cut;
            QVERIFY2(faults.isEmpty(), qPrintable(top->objectName() + QLatin1Char('\n') + faults.join('\n')));
        }
        const QSize needed = top->findChild<QScrollArea *>(QStringLiteral("screenFit"))->widget()->minimumSizeHint();
        qInfo("%s: %dx%d in %dx%d at %g, minimum %dx%d, contents need %dx%d", qPrintable(top->objectName()),
              top->width(), top->height(), available.width(), available.height(), scale, top->minimumWidth(),
              top->minimumHeight(), needed.width(), needed.height());
    }
}

namespace
{
double luminance(QRgb rgb)
{
    const auto linear = [](int c) {
        const double v = c / 255.0;
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(qRed(rgb)) + 0.7152 * linear(qGreen(rgb)) + 0.0722 * linear(qBlue(rgb));
}

double contrast(QRgb a, QRgb b)
{
    const double la = luminance(a), lb = luminance(b);
    return (qMax(la, lb) + 0.05) / (qMin(la, lb) + 0.05);
}

// Contrast of a text drawn in an area: its most frequent colour is the ground, the stroke's core the pixel that
// stands out from it most.
double textContrast(const QImage &image, const QRect &area)
{
    QHash<QRgb, int> counts;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            ++counts[image.pixel(x, y)];
    QRgb ground = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        if (it.value() > counts.value(ground))
            ground = it.key();
    double best = 1;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        best = qMax(best, contrast(ground, it.key()));
    return best;
}

// Contrast of a check mark: the pixels that checking changed, against what they were.
double markContrast(QAbstractButton *button)
{
    button->setChecked(false);
    const QImage off = button->grab().toImage();
    button->setChecked(true);
    const QImage on = button->grab().toImage();
    double best = 1;
    for (int y = 0; y < on.height(); ++y)
        for (int x = 0; x < on.width(); ++x)
            best = qMax(best, contrast(on.pixel(x, y), off.pixel(x, y)));
    return best;
}

QPalette desktopPalette(const QString &name)
{
    if (name == QLatin1String("default"))
        return QPalette(QColor(239, 239, 239));
    const bool dark = name == QLatin1String("dark");
    const QColor ground = dark ? QColor(53, 53, 53) : Qt::black;
    QPalette palette(dark ? QColor(60, 60, 60) : Qt::black, ground);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::BrightText,
                                     QPalette::HighlightedText, QPalette::ToolTipText})
        palette.setColor(role, dark ? QColor(238, 238, 236) : Qt::white);
    palette.setColor(QPalette::Base, dark ? QColor(45, 45, 45) : Qt::black);
    palette.setColor(QPalette::Highlight, dark ? QColor(53, 132, 228) : Qt::yellow);
    if (!dark)
        palette.setColor(QPalette::HighlightedText, Qt::black);
    return palette;
}
} // namespace

void TestWindow::textsContrast_data()
{
    QTest::addColumn<QString>("desktop");
    for (const char *desktop : {"default", "dark", "high contrast"})
        QTest::newRow(desktop) << desktop;
}

void TestWindow::textsContrast()
{
    QFETCH(QString, desktop);
    QVERIFY(!testkit::useSampleDictionary().isEmpty());
    const QPalette before = QApplication::palette();
    QApplication::setPalette(desktopPalette(desktop));
    QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 10));
    Quorvel window;
    window.resize(1366, 768);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QMessageBox box(QMessageBox::Question, QStringLiteral("Quorvel"), QStringLiteral("Fermer Quorvel ?"),
                    QMessageBox::Yes | QMessageBox::No, &window);
    box.show();
    settle();
    QStringList low;
    const auto check = [&](const QString &what, double figure, double bound) {
        qInfo("%s, %s: %.2f:1", qPrintable(desktop), qPrintable(what), figure);
        if (figure < bound)
            low << QStringLiteral("%1 %2:1").arg(what).arg(figure, 0, 'f', 2);
    };
    QList<QWidget *> texts = window.findChildren<QWidget *>() + box.findChildren<QWidget *>();
    for (QWidget *widget : texts) {
        if (!widget->isVisible())
            continue;
        QRect area;
        if (auto *label = qobject_cast<QLabel *>(widget); label && !label->text().trimmed().isEmpty())
            area = label->contentsRect();
        else if (auto *button = qobject_cast<QAbstractButton *>(widget);
                 button && !button->text().trimmed().isEmpty()) {
            int room = 0, needed = 0;
            area = buttonWidths(button, room, needed).area.intersected(button->rect()).adjusted(0, 2, 0, -2);
        }
        if (area.isEmpty())
            continue;
        check(widget->objectName(), textContrast(widget->grab().toImage().scaled(widget->size()), area), 4.5);
    }
    auto *list = testkit::rcList(window);
    list->setCurrentRow(1);
    auto *criteria = testkit::widget<QListWidget>(window, "List_Criteres");
    for (QListWidget *view : {list, criteria}) {
        criteria->setCurrentRow(0);
        const QImage image = view->viewport()->grab().toImage().scaled(view->viewport()->size());
        for (int row : {0, 1})
            if (QListWidgetItem *item = view->item(row))
                check(QStringLiteral("%1 row %2%3")
                          .arg(view->objectName())
                          .arg(row)
                          .arg(item->isSelected() ? " selected" : ""),
                      textContrast(image, view->visualItemRect(item).intersected(view->viewport()->rect())), 4.5);
    }
    for (const char *name : {"rbHomme", "rdCodeP", "chkALD", "onlytitreCk"})
        check(QStringLiteral("%1 mark").arg(name), markContrast(testkit::widget<QAbstractButton>(window, name)), 3.0);
    box.hide();
    QApplication::setPalette(before);
    QVERIFY2(low.isEmpty(), qPrintable(low.join('\n')));
}

QTEST_MAIN(TestWindow)
#include "test_window.moc"
