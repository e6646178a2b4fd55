// SPDX-License-Identifier: GPL-3.0-or-later
// The consultation table's view, which sets its column widths again on every resize.
#include "session/customtableview.h"
#include "session/sessioncolumns.h"

#include <QResizeEvent>

CustomTableView::CustomTableView(QWidget *parent) : QTableView(parent) {}

void CustomTableView::resizeEvent(QResizeEvent *event)
{
    Q_UNUSED(event)
    for (const auto &cw : session::columnWidths(width()))
        setColumnWidth(cw.first, cw.second);
}
