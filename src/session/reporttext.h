// SPDX-License-Identifier: GPL-3.0-or-later
// The consultation report as text, built from plain copies of the session rows.
#pragma once

#include <QString>
#include <QStringList>
#include <QVector>
#include <functional>
#include <optional>

namespace session
{

// The cells of one session row that the report shows; criterionIds are already in report order.
struct ReportRow {
    QString title;
    QString position;
    QString followUp;
    QString cim;
    QString cisp;
    QString asymptomatic; // "Oui" or "Non"
    QString ald;          // "Oui" or "Non"
    QStringList criterionIds;
};

// A criterion's text, or nothing when it cannot be read (that criterion then gets no line).
using CriterionText = std::function<std::optional<QString>(const QString &id)>;

// The opening line of the report with the patient's age and sex, followed by a line holding one space;
// empty when neither is known.
QString patientLine(const QString &age, const QString &sex);

// The whole report: the patient line, then one block per row. Empty when there is no row.
QString reportText(const QString &age, const QString &sex, const QVector<ReportRow> &rows,
                   const CriterionText &criterionText);

// Ids of a row's criteria cell (joined by ";"); an empty cell has none.
QStringList splitCriteria(const QString &cell);

// Stable insertion sort of criterion ids by ascending display order: ids of equal order keep their sequence.
QStringList sortByOrder(const QStringList &ids, const std::function<int(const QString &)> &orderOf);

} // namespace session
