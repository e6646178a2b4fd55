// SPDX-License-Identifier: GPL-3.0-or-later
// Editing the consultation table: re-opening a row into the form (by mouse or keys), writing form changes back
// into it, moving rows up and down, and deleting them.
#include "app/quorvel.h"
#include "browse/rclistitems.h"
#include "session/sessioncolumns.h"

#include "ui_quorvel.h"

#include <QKeyEvent>
#include <QStandardItemModel>

void Quorvel::on_tableView_clicked(const QModelIndex &index)
{
    if (index.isValid())
        reopenRow(index.row());
}

bool Quorvel::tableKey(QKeyEvent *e)
{
    if (e->matches(QKeySequence::Copy)) {
        // The doctor copies the consultation, never one cell of it.
        on_btCopyToClipboard1_clicked();
        return true;
    }
    const int rows = consultation.rowCount();
    const int current = consultation.editedRow() >= 0 ? consultation.editedRow() : ui->tableView->currentIndex().row();
    int target = -1;
    switch (e->key()) {
    case Qt::Key_Up:
        target = current < 0 ? rows - 1 : qMax(current - 1, 0);
        break;
    case Qt::Key_Down:
        target = current < 0 ? 0 : qMin(current + 1, rows - 1);
        break;
    case Qt::Key_Home:
        target = 0;
        break;
    case Qt::Key_End:
        target = rows - 1;
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        target = qMax(current, 0);
        break;
    default:
        return false;
    }
    // A move or Return re-opens the row as a click does; a row the form already edits is left as it is.
    if (e->modifiers() & ~Qt::KeypadModifier)
        return false;
    if (target >= 0 && target < rows && target != consultation.editedRow())
        reopenRow(target);
    return true;
}

void Quorvel::reopenRow(int row)
{
    const bool sameRc = consultation.hasRc() && consultation.shownBy() != session::Shown::SeeAlsoUnlisted &&
                        consultation.rowRc(row) == consultation.rc();
    if (!consultation.reopen(row))
        return;
    const int id = consultation.rc();
    // The RC is hidden by a keyword or profile list: only the full list is sure to hold it.
    if (!rcItemMap->contains(id))
        loadAllRcs(ui->List_RefRC);
    selectInList(id);
    // Another RC is loaded; the same one only loses the form's own ticks and choices.
    if (!sameRc) {
        loadShownRc(browse::kTitleFromList);
    } else {
        fillCriteriaFor(ui->List_Criteres, id);
        showPositions(id, ui->rdPos_A, ui->rdPos_B, ui->rdPos_C, ui->rdPos_D, ui->rdPos_Z);
    }
    restoreRowChoices(row);
    if (row == 0)
        qCDebug(lcTrace) << " désactivation de bouton up";
    showEditedRow();
}

void Quorvel::restoreRowChoices(int row)
{
    tickCriteria(consultation.cell(row, session::CriteriaList).split(QLatin1Char(',')));

    // setChecked emits no clicked signal, so restoring the form does not write the row back.
    const QString position = consultation.cell(row, session::Position);
    const QString followUp = consultation.cell(row, session::FollowUp);
    for (const auto &p : positionButtons())
        if (p.first == position)
            p.second->setChecked(true);
    for (const auto &f : followUpButtons())
        if (f.first == followUp)
            f.second->setChecked(true);
    ui->chkAsymptomique->setChecked(consultation.cell(row, session::Asymptomatic) == QLatin1String("Oui"));
    ui->chkALD->setChecked(consultation.cell(row, session::Ald) == QLatin1String("Oui"));
}

void Quorvel::writeRowCell(QRadioButton *button, const QString &letter, int column)
{
    consultation.writeEdited(column, button->isChecked() ? letter : QString());
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
    consultation.writeEdited(session::Asymptomatic, session::flagText(ui->chkAsymptomique->isChecked()));
}

void Quorvel::on_chkALD_clicked(bool checked)
{
    Q_UNUSED(checked)
    consultation.writeEdited(session::Ald, session::flagText(ui->chkALD->isChecked()));
}

void Quorvel::on_btAucunCritere_clicked()
{
    // Only the form's ticks go: a re-opened row keeps its cells, which hold the criteria it was recorded with.
    ui->List_Criteres->clearSelection();
}

void Quorvel::on_btUp_clicked()
{
    if (consultation.moveEdited(-1))
        showEditedRow();
}

void Quorvel::on_btDown_clicked()
{
    if (consultation.moveEdited(1))
        showEditedRow();
}

void Quorvel::on_btSupprimerRC_clicked()
{
    if (!consultation.removeEdited())
        return;
    // The focus leaves the button, so that a second Return cannot delete the next row too.
    ui->tableView->setFocus(Qt::OtherFocusReason);
    if (consultation.rowCount() > 0) {
        reopenRow(0); // the first row, whatever row was deleted, shown selected in the table
        return;
    }
    if (ui->List_RefRC->count() == 0)
        showEditedRow();
    else
        showFirstRcOfList(QString());
}
