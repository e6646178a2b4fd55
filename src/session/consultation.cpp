// SPDX-License-Identifier: GPL-3.0-or-later
// The consultation's state (see consultation.h).
#include "session/consultation.h"

#include "session/sessioncolumns.h"

#include <QStandardItemModel>

namespace session
{

Consultation::Consultation() : m_model(new QStandardItemModel(0, ColumnCount)) {}

Consultation::~Consultation() = default;

bool Consultation::pickFromList(int rcId, const QString &title)
{
    if (m_rc == rcId && m_shownBy == Shown::FromList)
        return false;
    show(rcId, title, Shown::FromList);
    return true;
}

void Consultation::show(int rcId, const QString &title, Shown how)
{
    m_rc = rcId;
    m_title = title;
    m_shownBy = how;
    m_editedRow = -1;
}

void Consultation::showNothing()
{
    show(-1, QString(), Shown::Nothing);
}

bool Consultation::reopen(int row)
{
    if (row < 0 || row >= rowCount())
        return false;
    show(rowRc(row), cell(row, Title), Shown::FromRow);
    m_editedRow = row;
    return true;
}

int Consultation::rowRc(int row) const
{
    return m_model->index(row, RcId).data().toInt();
}

int Consultation::rowCount() const
{
    return m_model->rowCount();
}

QString Consultation::cell(int row, int column) const
{
    return m_model->index(row, column).data().toString();
}

bool Consultation::isDuplicate(const Draft &draft) const
{
    // ALD and the codes are left out: the same finding with only another ALD answer is still the same finding.
    const QString id = QString::number(draft.rcId);
    for (int row = 0; row < rowCount(); ++row) {
        if (cell(row, RcId) == id && cell(row, Position) == draft.position && cell(row, FollowUp) == draft.followUp &&
            cell(row, Asymptomatic) == flagText(draft.asymptomatic) &&
            cell(row, Criteria) == draft.ticked.join(QLatin1Char(';')))
            return true;
    }
    return false;
}

int Consultation::record(const Draft &draft, const QString &cim, const QString &cisp)
{
    const int row = rowCount();
    QVariant cells[ColumnCount];
    cells[Title] = draft.title;
    cells[Position] = draft.position;
    cells[FollowUp] = draft.followUp;
    cells[Cim] = cim;
    cells[Cisp] = cisp;
    cells[Asymptomatic] = flagText(draft.asymptomatic);
    cells[Criteria] = draft.ticked.join(QLatin1Char(';'));
    cells[RcId] = draft.rcId;
    cells[Ald] = flagText(draft.ald);
    cells[CriteriaList] = draft.ticked.join(QLatin1Char(','));
    m_model->insertRow(row);
    for (int column = 0; column < ColumnCount; ++column)
        m_model->setData(m_model->index(row, column), cells[column], Qt::EditRole);
    if (m_rc == draft.rcId) {
        m_shownBy = Shown::FromRow;
        m_editedRow = row;
    }
    return row;
}

bool Consultation::writeEdited(int column, const QString &value)
{
    if (m_editedRow < 0)
        return false;
    m_model->setData(m_model->index(m_editedRow, column), value, Qt::EditRole);
    return true;
}

bool Consultation::moveEdited(int by)
{
    const int target = m_editedRow + by;
    if (m_editedRow < 0 || target < 0 || target >= rowCount())
        return false;
    // Every cell goes through as text, the hidden ones included, so the row keeps its criteria and RC id.
    const int insertAt = by < 0 ? target : target + 1;
    const int source = insertAt <= m_editedRow ? m_editedRow + 1 : m_editedRow;
    m_model->insertRow(insertAt);
    for (int column = 0; column < ColumnCount; ++column)
        m_model->setData(m_model->index(insertAt, column), cell(source, column), Qt::EditRole);
    m_model->removeRow(source);
    m_editedRow = target;
    return true;
}

bool Consultation::removeEdited()
{
    if (m_editedRow < 0)
        return false;
    m_model->removeRow(m_editedRow);
    m_editedRow = -1;
    return true;
}

void Consultation::clearRows()
{
    for (int row = rowCount() - 1; row >= 0; --row)
        m_model->removeRow(row);
    m_editedRow = -1;
}

QStringList Consultation::snapshot() const
{
    QStringList rows;
    for (int row = 0; row < rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < ColumnCount; ++column)
            cells << cell(row, column);
        rows << cells.join(QChar::Null);
    }
    return rows;
}

void Consultation::markCopied()
{
    m_copied = snapshot();
}

bool Consultation::hasUncopiedRows() const
{
    return rowCount() > 0 && snapshot() != m_copied;
}

} // namespace session
