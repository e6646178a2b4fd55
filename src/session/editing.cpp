// SPDX-License-Identifier: GPL-3.0-or-later
// Editing the consultation table: re-opening a row into the form, writing form changes back into it,
// moving rows up and down, and deleting them.
#include "app/quorvel.h"
#include "browse/rclistitems.h"
#include "db/database.h"
#include "session/sessioncolumns.h"

#include "ui_quorvel.h"

#include <QScopedValueRollback>
#include <QStandardItemModel>

void Quorvel::on_tableView_clicked(const QModelIndex &index)
{
    if (index.isValid())
        reopenRow(index.row());
}

void Quorvel::reopenRow(int row)
{
    rcFromList = false;
    if (row == 0) {
        ui->btUp->setEnabled(false);
        qCDebug(lcTrace) << " désactivation de bouton up";
    } else {
        ui->btUp->setEnabled(true);
    }
    ui->btDown->setEnabled(row + 1 != sessionRowCount);

    const int id = sessionModel->data(sessionModel->index(row, session::RcId)).toInt();
    const bool loaded = showRowRcInList(id);
    currentRcId = id;
    if (!loaded) {
        // The list already had this RC current, yet a see-also jump may have shown another one since: every pane
        // must show the row's RC.
        const QListWidgetItem *item = ui->List_RefRC->currentItem();
        const QString title =
            item && item->data(browse::kIdRole).toInt() == id ? item->text() : sessionCell(row, session::Title);
        ui->txtTitreRc->setText(browse::titleText(browse::kTitleFromList, title));
        fillRelatedPanes(id);
    }
    fillCriteriaFor(ui->List_Criteres, id);
    restoreRowChoices(row);
}

bool Quorvel::showRowRcInList(int rcId)
{
    QListWidget *rcList = ui->List_RefRC;
    QListWidgetItem *found = nullptr;
    for (int i = 0; i < rcList->count() && !found; ++i) {
        if (rcList->item(i)->data(browse::kIdRole).toInt() == rcId)
            found = rcList->item(i);
    }
    // Making the RC current runs the RC load, which clears the form; the row's values are restored afterwards.
    QScopedValueRollback<bool> reopening(reopeningRow, true);
    if (found) {
        const bool changes = rcList->currentItem() != found;
        rcList->setCurrentItem(found);
        rcList->scrollToItem(found, QAbstractItemView::EnsureVisible);
        return changes;
    }
    // The RC is hidden by a keyword or profile list: only the full list is sure to hold it.
    loadAllRcs(rcList);
    QListWidgetItem *full = rcItemMap->value(rcId, nullptr);
    rcList->setCurrentItem(full);
    if (rcList->count() > 0)
        rcList->scrollToItem(rcList->item(0));
    return full && rcList->currentItem() == full;
}

void Quorvel::restoreRowChoices(int row)
{
    const QStringList tickedIds = sessionCell(row, session::CriteriaList).split(QLatin1Char(','));
    for (int i = 0; i < ui->List_Criteres->count(); ++i) {
        QListWidgetItem *item = ui->List_Criteres->item(i);
        if (tickedIds.contains(QString::number(item->data(browse::kIdRole).toInt())))
            item->setSelected(true);
    }
    showPositions(currentRcId.toInt(), ui->rdPos_A, ui->rdPos_B, ui->rdPos_C, ui->rdPos_D, ui->rdPos_Z);

    // setChecked emits no clicked signal, so restoring the form does not write the row back.
    const QString position = sessionCell(row, session::Position);
    const QString followUp = sessionCell(row, session::FollowUp);
    for (const auto &p : positionButtons())
        if (p.first == position)
            p.second->setChecked(true);
    for (const auto &f : followUpButtons())
        if (f.first == followUp)
            f.second->setChecked(true);
    ui->chkAsymptomique->setChecked(sessionCell(row, session::Asymptomatic) == QLatin1String("Oui"));
    ui->chkALD->setChecked(sessionCell(row, session::Ald) == QLatin1String("Oui"));
}

void Quorvel::leaveReopenedRow()
{
    if (reopeningRow)
        return;
    rcFromList = true;
    ui->tableView->clearSelection();
}

bool Quorvel::formEditsRow(int row) const
{
    // With an RC picked from the list the form is a draft for the next recording, not an edit of a row. The RC
    // check stands guard over every road that might show another RC without leaving the re-opened row.
    if (rcFromList || row < 0 || !currentRcId.isValid())
        return false;
    return sessionCell(row, session::RcId) == currentRcId.toString();
}

void Quorvel::writeRowCell(QRadioButton *button, const QString &letter, int column)
{
    const int row = ui->tableView->currentIndex().row();
    if (!formEditsRow(row))
        return;
    sessionModel->setData(sessionModel->index(row, column), button->isChecked() ? letter : QString(), Qt::EditRole);
}

void Quorvel::writeRowFlag(QCheckBox *box, int column)
{
    const int row = ui->tableView->currentIndex().row();
    if (!formEditsRow(row))
        return;
    sessionModel->setData(sessionModel->index(row, column), session::flagText(box->isChecked()), Qt::EditRole);
}

void Quorvel::on_rdPos_A_clicked()
{
    writeRowCell(ui->rdPos_A, QStringLiteral("A"), session::Position);
}

void Quorvel::on_rdPos_B_clicked()
{
    writeRowCell(ui->rdPos_B, QStringLiteral("B"), session::Position);
}

void Quorvel::on_rdPos_C_clicked()
{
    writeRowCell(ui->rdPos_C, QStringLiteral("C"), session::Position);
}

void Quorvel::on_rdPos_D_clicked()
{
    writeRowCell(ui->rdPos_D, QStringLiteral("D"), session::Position);
}

void Quorvel::on_rdPos_Z_clicked()
{
    writeRowCell(ui->rdPos_Z, QStringLiteral("Z"), session::Position);
}

void Quorvel::on_rdCodeR_clicked()
{
    writeRowCell(ui->rdCodeR, QStringLiteral("R"), session::FollowUp);
}

void Quorvel::on_rdCodeP_clicked()
{
    writeRowCell(ui->rdCodeP, QStringLiteral("P"), session::FollowUp);
}

void Quorvel::on_rdCodeN_clicked()
{
    // N is edited like P and R, so a re-opened row never keeps a follow-up code the form no longer shows.
    writeRowCell(ui->rdCodeN, QStringLiteral("N"), session::FollowUp);
}

void Quorvel::on_chkAsymptomique_clicked(bool checked)
{
    Q_UNUSED(checked)
    writeRowFlag(ui->chkAsymptomique, session::Asymptomatic);
}

void Quorvel::on_chkALD_clicked(bool checked)
{
    Q_UNUSED(checked)
    writeRowFlag(ui->chkALD, session::Ald);
}

void Quorvel::on_btAucunCritere_clicked()
{
    // Only the form's ticks go: a re-opened row keeps its cells, which hold the criteria it was recorded with.
    ui->List_Criteres->clearSelection();
}

void Quorvel::moveSessionRow(int row, int insertAt)
{
    sessionModel->insertRow(insertAt);
    const int source = insertAt <= row ? row + 1 : row;
    // Every cell goes through as text, the hidden ones included, so the row keeps its criteria and RC id.
    for (int column = 0; column < session::ColumnCount; ++column)
        sessionModel->setData(sessionModel->index(insertAt, column), sessionCell(source, column), Qt::EditRole);
    sessionModel->removeRow(source);
}

void Quorvel::on_btUp_clicked()
{
    QTableView *view = ui->tableView;
    const QModelIndex current = view->currentIndex();
    if (current.isValid()) {
        const int row = current.row();
        if (row == 0)
            return;
        moveSessionRow(row, row - 1);
        view->setCurrentIndex(sessionModel->index(row - 1, 0));
        ui->btDown->setEnabled(true);
    }
    if (view->currentIndex().row() == 0)
        ui->btUp->setEnabled(false);
}

void Quorvel::on_btDown_clicked()
{
    QTableView *view = ui->tableView;
    const QModelIndex current = view->currentIndex();
    if (current.isValid()) {
        const int row = current.row();
        const int count = sessionModel->rowCount();
        if (row == count - 1)
            return;
        moveSessionRow(row, qMin(row + 2, count));
        view->setCurrentIndex(sessionModel->index(qMin(row + 1, sessionModel->rowCount() - 1), 0));
        ui->btUp->setEnabled(true);
    }
    if (view->currentIndex().row() == sessionRowCount - 1)
        ui->btDown->setEnabled(false);
}

void Quorvel::on_btSupprimerRC_clicked()
{
    QTableView *view = ui->tableView;
    const QModelIndex current = view->currentIndex();
    // A click in the RC list clears the table's selection: a row the doctor no longer sees as chosen stays.
    if (!current.isValid() || !view->selectionModel()->isSelected(current))
        return;
    sessionModel->removeRow(current.row());
    --sessionRowCount;

    if (sessionModel->rowCount() > 0) {
        view->setCurrentIndex(sessionModel->index(0, 0));
        reopenRow(0);
        return;
    }
    QListWidget *rcList = ui->List_RefRC;
    if (rcList->count() == 0)
        return;
    rcFromList = true;
    view->clearSelection();
    rcList->setCurrentItem(rcList->item(0));
    currentRcId = rcList->item(0)->data(browse::kIdRole).toInt();
    fillRelatedPanes(currentRcId.toInt());
    fillCriteria(ui->List_Criteres);
}
