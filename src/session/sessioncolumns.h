// SPDX-License-Identifier: GPL-3.0-or-later
// Columns of the consultation table and their header texts, shared by recording, editing and the report.
#pragma once

#include <QStringList>

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

} // namespace session
