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
