// SPDX-License-Identifier: GPL-3.0-or-later
// Columns of the consultation table: their indexes, header texts, flag texts and widths.
#pragma once

#include <QPair>
#include <QStringList>
#include <QVector>

namespace session
{

// Column indexes of the session model. Criteria, RcId and CriteriaList are hidden from the doctor.
enum Column {
    Title = 0,
    Position = 1,
    FollowUp = 2,
    Cim = 3,
    Cisp = 4,
    Asymptomatic = 5,
    Criteria = 6, // ticked criterion ids joined by ";" (the report reads them)
    RcId = 7,
    Ald = 8,
    CriteriaList = 9, // the same ids joined by "," (a re-opened row re-ticks them)
    ColumnCount = 10
};

// Header texts in column order.
QStringList headerTexts();

// Flag texts stored in the Asymptomatique and ALD cells.
QString flagText(bool on);

// Width of each sized column for a view w pixels wide, as pairs (column, width) in the order they are applied.
QVector<QPair<int, int>> columnWidths(int w);

} // namespace session
