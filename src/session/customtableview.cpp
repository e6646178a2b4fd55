// SPDX-License-Identifier: GPL-3.0-or-later
// Column widths of the consultation table, recomputed on every resize.
#include "session/customtableview.h"

#include <QResizeEvent>

CustomTableView::CustomTableView(QWidget *parent) : QTableView(parent) {}

QVector<QPair<int, int>> sessionColumnWidths(int w)
{
    // The title column takes the most room; PD and CS hold one letter; the codes and ALD share the rest.
    // The sum exceeds the width on purpose, so the horizontal scroll bar shows the Asymptomatique column.
    return {{0, static_cast<int>(w / 2.3)}, {1, w / 12}, {2, w / 12}, {3, w / 6}, {4, w / 6}, {8, w / 6}};
}

void CustomTableView::resizeEvent(QResizeEvent *event)
{
    Q_UNUSED(event)
    for (const auto &cw : sessionColumnWidths(width()))
        setColumnWidth(cw.first, cw.second);
}
