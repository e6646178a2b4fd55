// SPDX-License-Identifier: GPL-3.0-or-later
// The consultation table's setup (headers, look and selection rules), and the table showing the row the form edits.
#include "app/quorvel.h"
#include "session/sessioncolumns.h"

#include "ui_quorvel.h"

#include <QHeaderView>
#include <QStandardItemModel>

void Quorvel::setupSessionTable()
{
    QStandardItemModel *model = consultation.model();
    const QStringList headers = session::headerTexts();
    for (int column = 0; column < headers.size(); ++column)
        model->setHeaderData(column, Qt::Horizontal, tr(headers.at(column).toUtf8().constData()), Qt::EditRole);

    QTableView *view = ui->tableView;
    view->setModel(model);
    view->verticalHeader()->hide();
    // Criteria and RC ids are bookkeeping for the report and the re-opening of a row, not for the doctor's eyes.
    view->hideColumn(session::Criteria);
    view->hideColumn(session::RcId);
    view->hideColumn(session::CriteriaList);
    ui->btUp->setEnabled(false);
    ui->btDown->setEnabled(false);
    // A row is changed through the form once re-opened, never by typing in a cell.
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    // Tab would otherwise walk the cells for ever; the arrow keys move between rows.
    view->setTabKeyNavigation(false);
    view->setStyleSheet(QStringLiteral(" QTableView{ background-color: rgb(222,233,234);} QHeaderView::section { "
                                       "background-color: rgb(22,91,160); color: white;};"));
    // The headers' own minimums follow the bold window font: they would raise the rows above their height and
    // keep the narrow PD and CS columns wider than their share of a small view.
    view->horizontalHeader()->setMinimumSectionSize(0);
    view->verticalHeader()->setMinimumSectionSize(kRowHeight);
    view->verticalHeader()->setDefaultSectionSize(kRowHeight);
}

void Quorvel::showEditedRow()
{
    QTableView *view = ui->tableView;
    const int row = consultation.editedRow();
    if (row >= 0) {
        view->setCurrentIndex(consultation.model()->index(row, 0));
        view->selectRow(row);
    } else {
        view->clearSelection();
    }
    // Moving and deleting act on the row the form edits, so without one there is nothing for them to do.
    ui->btUp->setEnabled(row > 0);
    ui->btDown->setEnabled(row >= 0 && row + 1 < consultation.rowCount());
    ui->btSupprimerRC->setEnabled(row >= 0);
}
