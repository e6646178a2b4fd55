// SPDX-License-Identifier: GPL-3.0-or-later
// Construction of the main window: layout, session table, dictionary, and the first RC shown.
#include "app/quorvel.h"

#include "app/appearance.h"
#include "app/resources.h"
#include "browse/rcqueries.h"
#include "browse/rctitles.h"
#include "session/sessioncolumns.h"
#include "ui_quorvel.h"

#include <QAbstractButton>
#include <QHeaderView>
#include <QIntValidator>
#include <QListWidgetItem>
#include <QMouseEvent>
#include <QPixmap>
#include <QSqlDatabase>
#include <QStandardItemModel>
#include <QToolTip>

Quorvel::Quorvel(QWidget *parent) : QDialog(parent)
{
    quorvelInitResources();
    ui = new Ui::Quorvel;
    ui->setupUi(this);
    appearance::inheritParentFonts(this);
    new appearance::TextFitter(this);
    appearance::showFocus(this);
    appearance::greyWhenDisabled(ui->btUp);
    appearance::greyWhenDisabled(ui->btDown);
    ui->iconDic->setPixmap(QPixmap(QStringLiteral(":/images/logo-quorvel4-gris-quorvel.jpg")));
    setWindowFlags(Qt::Window | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint |
                   Qt::WindowCloseButtonHint);
    rcItemMap.reset(new QMap<int, QListWidgetItem *>);
    setMinimumSize(880, 630);
    criteriaLoading = false;
    fullListShown = true;
    rcFromList = true;
    sessionRowCount = 0;
    sessionModel.reset(new QStandardItemModel(0, session::ColumnCount));
    seeAlsoJump = false;
    ui->txtAge->setFocus(Qt::OtherFocusReason);
    ui->chkALD->setToolTip(QStringLiteral("le RC est-il en rapport avec une ALD ? "));

    setupSessionTable();

    criticalModel = new QStandardItemModel(0, 2, ui->listCritique);
    ui->listCritique->setModel(criticalModel);
    ui->listCritique->verticalHeader()->hide();
    ui->listCritique->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ui->listCritique->setSelectionMode(QAbstractItemView::SingleSelection);
    // The bold window font raises the header's minimum above the row height; lower it so the height holds.
    ui->listCritique->verticalHeader()->setMinimumSectionSize(kRowHeight);
    ui->listCritique->verticalHeader()->setDefaultSectionSize(kRowHeight);

    ui->List_Criteres->setSelectionMode(QAbstractItemView::MultiSelection);
    ui->txtAge->setValidator(new QIntValidator(1, 125, ui->txtAge));

    openDictionary();

    ui->List_RefRC->setSortingEnabled(false);
    // Each keystroke refills this list; sizing every row alike instead of measuring each title keeps that refill
    // cheap on large dictionaries. The rows take the width of the widest title, so a scroll bar shows it whole.
    ui->List_RefRC->setUniformItemSizes(true);
    ui->List_RefRC->setItemDelegate(new browse::WidestTitleDelegate(ui->List_RefRC));
    loadAllRcs(ui->List_RefRC);
    ui->tableView->setSelectionBehavior(QAbstractItemView::SelectRows);

    showFirstRcOfList(browse::kTitleJump);
}

Quorvel::~Quorvel()
{
    // The table must not point at the model once it is gone; the view itself dies with the window's children.
    ui->tableView->setModel(nullptr);
    sessionModel.reset();
    delete ui;
    // Release the named connection so that another window in the same process can open it afresh.
    db.close();
    db = QSqlDatabase();
    if (!connectionName.isEmpty())
        QSqlDatabase::removeDatabase(connectionName);
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
