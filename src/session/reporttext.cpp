// SPDX-License-Identifier: GPL-3.0-or-later
// The consultation report text (see reporttext.h).
#include "session/reporttext.h"

namespace session
{

QString patientLine(const QString &age, const QString &sex)
{
    // The blank second line separates the patient from the first RC once pasted into the patient file.
    static const QString kEnd = QStringLiteral(" ) \n \n");
    if (!age.isEmpty() && !sex.isEmpty())
        return QStringLiteral(" ( Age : ") + age + QStringLiteral(" , Sexe : ") + sex + kEnd;
    if (!age.isEmpty())
        return QStringLiteral("(Age : ") + age + kEnd;
    if (!sex.isEmpty())
        return QStringLiteral("(Sexe : ") + sex + kEnd;
    return QString();
}

static QString block(const ReportRow &row, const CriterionText &criterionText)
{
    QString text = QLatin1Char(' ') + row.title + QStringLiteral(" (") + row.position + QStringLiteral(", ") +
                   row.followUp + QLatin1Char(')');
    if (row.asymptomatic == QLatin1String("Oui"))
        text += QStringLiteral("  Asymptomatique ");
    text += row.ald == QLatin1String("Oui") ? QStringLiteral("  ALD : Oui ") : QStringLiteral("  ALD : Non ");
    text += QStringLiteral("  CODE CIM 10 : ") + row.cim;
    text += QStringLiteral("  CODE CISP : ") + row.cisp;
    text += QLatin1Char('\n');
    for (const QString &id : row.criterionIds) {
        // A criterion that cannot be read is left out rather than shown with another criterion's text.
        if (const std::optional<QString> criterion = criterionText(id))
            text += QLatin1Char(' ') + *criterion + QLatin1Char('\n');
    }
    text += QLatin1Char('\n');
    return text;
}

QString reportText(const QString &age, const QString &sex, const QVector<ReportRow> &rows,
                   const CriterionText &criterionText)
{
    if (rows.isEmpty())
        return QString();
    QString text = patientLine(age, sex);
    for (const ReportRow &row : rows)
        text += block(row, criterionText);
    return text;
}

QStringList splitCriteria(const QString &cell)
{
    if (cell.isEmpty())
        return QStringList();
    return cell.split(QLatin1Char(';'));
}

QStringList sortByOrder(const QStringList &ids, const std::function<int(const QString &)> &orderOf)
{
    QStringList sorted;
    for (const QString &id : ids) {
        const int order = orderOf(id);
        int at = 0;
        while (at < sorted.size() && orderOf(sorted.at(at)) <= order)
            ++at;
        sorted.insert(at, id);
    }
    return sorted;
}

} // namespace session
