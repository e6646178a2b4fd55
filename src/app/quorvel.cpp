// SPDX-License-Identifier: GPL-3.0-or-later
// Construction of the main window: layout, session table, dictionary, and the first RC shown.
#include "app/quorvel.h"

#include "app/appearance.h"
#include "browse/rclistitems.h"
#include "browse/rctitles.h"
#include "session/sessioncolumns.h"
#include "ui_quorvel.h"

#include <QAbstractButton>
#include <QBoxLayout>
#include <QHeaderView>
#include <QIntValidator>
#include <QKeyEvent>
#include <QListWidgetItem>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPixmap>
#include <QScrollArea>
#include <QSqlDatabase>
#include <QStandardItemModel>
#include <QTextEdit>
#include <QToolTip>

Q_LOGGING_CATEGORY(lcTrace, "quorvel.trace")

namespace
{
// The follow-up column is the window's tallest: on a screen too short for it, "Asymptomatique" and "ALD" go beside
// the follow-up codes instead of under them, and the whole window fits without scrolling on a 768-line laptop at
// 100 % and a 1080-line screen at 150 %. Where the window is tall enough again, they go back under.
class FollowUpArrangement : public QObject
{
public:
    FollowUpArrangement(QScrollArea *area, QBoxLayout *box) : QObject(area), area(area), box(box)
    {
        area->viewport()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // After the scroll area has placed its viewport and bars: turning the box inside that would measure a
        // viewport about to change.
        if (event->type() == QEvent::Resize)
            QMetaObject::invokeMethod(this, &FollowUpArrangement::arrange, Qt::QueuedConnection);
        return QObject::eventFilter(watched, event);
    }

private:
    void arrange()
    {
        QWidget *page = area->widget();
        const int room = area->viewport()->height();
        const bool under = box->direction() == QBoxLayout::TopToBottom;
        if (under ? room >= page->minimumSizeHint().height() : room < heightUnder)
            return;
        heightUnder = under ? page->minimumSizeHint().height() : heightUnder;
        box->setDirection(under ? QBoxLayout::LeftToRight : QBoxLayout::TopToBottom);
        // The page keeps a size that only grows on a layout request: it is fitted here, once the layouts
        // between the box and the page have measured the new minimum.
        for (int round = 0; round < 5; ++round)
            QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        page->resize(area->viewport()->size().expandedTo(page->minimumSizeHint()));
    }

    QScrollArea *area;
    QBoxLayout *box;
    int heightUnder = 0; // the page's minimum height with the flags under the codes
};
} // namespace

Quorvel::Quorvel(QWidget *parent) : QDialog(parent)
{
    ui = new Ui::Quorvel;
    ui->setupUi(this);
    // The codes and the flags, one under the other as the form places them, in a box that can turn sideways.
    auto *followUp = new QBoxLayout(QBoxLayout::TopToBottom);
    const int codesAt = ui->verticalLayout_4->indexOf(ui->widget_2);
    ui->verticalLayout_4->removeWidget(ui->widget_2);
    ui->verticalLayout_4->removeWidget(ui->widget_3);
    ui->verticalLayout_4->insertLayout(codesAt, followUp);
    followUp->addWidget(ui->widget_2);
    followUp->addWidget(ui->widget_3, 0, Qt::AlignTop);
    appearance::fitToScreen(this, QSize(880, 630));
    new FollowUpArrangement(findChild<QScrollArea *>(QStringLiteral("screenFit")), followUp);
    appearance::usePalette();
    appearance::inheritParentFonts(this);
    new appearance::TextFitter(this);
    appearance::showFocus(this);
    appearance::greyWhenDisabled(ui->btUp);
    appearance::greyWhenDisabled(ui->btDown);
    appearance::lightText(ui->btShowArgument);
    ui->iconDic->setPixmap(QPixmap(QStringLiteral(":/images/logo-quorvel4-gris-quorvel.jpg")));
    setWindowFlags(Qt::Window | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint |
                   Qt::WindowCloseButtonHint);
    rcItemMap.reset(new QHash<int, QListWidgetItem *>);
    ui->txtAge->setFocus(Qt::OtherFocusReason);
    ui->chkALD->setToolTip(QStringLiteral("le RC est-il en rapport avec une ALD ? "));

    setupSessionTable();

    criticalModel = new QStandardItemModel(0, 2, ui->listCritique);
    ui->listCritique->setModel(criticalModel);
    ui->listCritique->verticalHeader()->hide();
    ui->listCritique->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ui->listCritique->setSelectionMode(QAbstractItemView::SingleSelection);
    ui->listCritique->setTabKeyNavigation(false);
    // A tab character has no place in a report for the patient file; Tab moves on to the copy button.
    ui->txtResult->setTabChangesFocus(true);
    // The bold window font raises the header's minimum above the row height; lower it so the height holds.
    ui->listCritique->verticalHeader()->setMinimumSectionSize(kRowHeight);
    ui->listCritique->verticalHeader()->setDefaultSectionSize(kRowHeight);

    ui->List_Criteres->setSelectionMode(QAbstractItemView::MultiSelection);
    connect(ui->List_Criteres->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this](const QItemSelection &selected) { forceParentsOfTicked(selected); });
    for (QWidget *watched : std::initializer_list<QWidget *>{ui->List_Criteres, ui->tableView, ui->txtSearchCriteria,
                                                             ui->txtAge, ui->listeSynonymes})
        watched->installEventFilter(this);
    ui->txtAge->setValidator(new QIntValidator(1, 125, ui->txtAge));

    const bool opened = openDictionary();

    ui->List_RefRC->setSortingEnabled(false);
    // Each keystroke refills this list; sizing every row alike instead of measuring each title keeps that refill
    // cheap on large dictionaries. The rows take the width of the widest title, so a scroll bar shows it whole.
    ui->List_RefRC->setUniformItemSizes(true);
    ui->List_RefRC->setItemDelegate(new browse::WidestTitleDelegate(ui->List_RefRC));
    QString failure;
    // A file that opens but whose RCs cannot be read at all is no empty dictionary: the doctor hears of it as of a
    // failed open. A failed open has said so already.
    if (!loadAllRcs(ui->List_RefRC, &failure) && opened)
        showConnectionError(failure);
    ui->tableView->setSelectionBehavior(QAbstractItemView::SelectRows);

    showFirstRcOfList(browse::kTitleJump);
    installShortcuts();
}

Quorvel::~Quorvel()
{
    // The table must not point at the model once it is gone; the view itself dies with the window's children.
    ui->tableView->setModel(nullptr);
    delete ui;
    // Release the named connection so that another window in the same process can open it afresh.
    db.close();
    db = QSqlDatabase();
    if (!connectionName.isEmpty())
        QSqlDatabase::removeDatabase(connectionName);
}

bool Quorvel::eventFilter(QObject *watched, QEvent *e)
{
    if (e->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, e);
    auto *key = static_cast<QKeyEvent *>(e);
    // Select-all would tick every criterion at once, exclusive ones together: criteria are ticked one by one.
    if (watched == ui->List_Criteres && key->matches(QKeySequence::SelectAll))
        return true;
    // Space ticks the current criterion, and only it: the list's own Space also searches for a criterion whose
    // text starts with a blank, and would tick that one too.
    if (watched == ui->List_Criteres && key->key() == Qt::Key_Space && key->modifiers() == Qt::NoModifier) {
        if (QListWidgetItem *item = ui->List_Criteres->currentItem())
            item->setSelected(!item->isSelected());
        return true;
    }
    if (watched == ui->tableView)
        return tableKey(key);
    if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
        return QDialog::eventFilter(watched, e);
    if (watched == ui->txtSearchCriteria || watched == ui->txtAge) {
        // The typing is over: on to the RCs found, the first one shown when none is chosen yet.
        QListWidget *list = ui->List_RefRC;
        if (!list->currentItem() && list->count() > 0)
            pickListItem(list->item(0));
        list->setFocus(Qt::TabFocusReason);
        return true;
    }
    if (watched == ui->listeSynonymes) {
        // The keyboard's way to follow a see-also link. Not itemActivated: a double-click would follow a second
        // link from the list the first click refilled.
        if (ui->listeSynonymes->currentItem())
            on_listeSynonymes_itemClicked(ui->listeSynonymes->currentItem());
        return true;
    }
    return QDialog::eventFilter(watched, e);
}

bool Quorvel::event(QEvent *e)
{
    if (e->type() == QEvent::ToolTip) {
        // The window itself has no tool tip; hide whatever is showing. Child widgets handle their own.
        QToolTip::showText(QPoint(0, 0), QString(), nullptr);
        e->ignore();
        return true;
    }
    return QWidget::event(e);
}

void Quorvel::keyPressEvent(QKeyEvent *e)
{
    // A dialog presses its default push button for Return in any other widget: from the keyword box that button
    // is "Réinitialiser", which empties the consultation. A focused push button handles Return itself.
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        e->accept();
        return;
    }
    QDialog::keyPressEvent(e);
}

void Quorvel::reject()
{
    if (mayLoseUncopiedRows(QStringLiteral("Fermer Quorvel et perdre ces RC ?"), QStringLiteral("Fermer sans copier"),
                            QStringLiteral("Ne pas fermer")))
        QDialog::reject();
}

bool Quorvel::mayLoseUncopiedRows(const QString &question, const QString &yes, const QString &no)
{
    if (!consultation.hasUncopiedRows())
        return true;
    QMessageBox box(this);
    box.setIcon(QMessageBox::Question);
    box.setWindowTitle(QStringLiteral("Quorvel"));
    box.setText(QStringLiteral("La consultation contient des RC qui n'ont pas été copiés dans le presse-papiers."));
    box.setInformativeText(question);
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box.button(QMessageBox::Yes)->setText(yes);
    box.button(QMessageBox::No)->setText(no);
    box.setDefaultButton(QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

void Quorvel::mousePressEvent(QMouseEvent *e)
{
    Q_UNUSED(e)
}

void Quorvel::uncheckRadio(QAbstractButton *button)
{
    button->setAutoExclusive(false);
    button->setChecked(false);
    button->setAutoExclusive(true);
}
