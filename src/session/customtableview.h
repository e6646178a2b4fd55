// SPDX-License-Identifier: GPL-3.0-or-later
// The consultation table's view: column widths follow the view's width.
#pragma once

#include <QTableView>

class CustomTableView : public QTableView
{
    Q_OBJECT

public:
    explicit CustomTableView(QWidget *parent = nullptr);

protected:
    void resizeEvent(QResizeEvent *event) override;
};

// Width of each sized column for a view w pixels wide, as pairs (column, width) in the order they are applied.
QVector<QPair<int, int>> sessionColumnWidths(int w);
