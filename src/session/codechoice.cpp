// SPDX-License-Identifier: GPL-3.0-or-later
// Code choice among coding rules (see codechoice.h).
#include "session/codechoice.h"

#include <algorithm>

namespace session
{

QString cimText(const QString &cim1, const QString &cim2)
{
    return cim2.isEmpty() ? cim1 : cim1 + QLatin1Char('/') + cim2;
}

QString displayText(const QString &cim, const QString &subtitle)
{
    return cim + QStringLiteral(" : ") + subtitle;
}

bool ruleApplies(const QStringList &ruleCriteria, const QStringList &ticked)
{
    return !ruleCriteria.isEmpty() && std::all_of(ruleCriteria.cbegin(), ruleCriteria.cend(),
                                                  [&ticked](const QString &id) { return ticked.contains(id); });
}

void CodeChoice::addRule(const QString &cim, const QString &subtitle, const QString &cisp)
{
    const CodeCandidate candidate{cim, cisp};
    if (m_candidateCount == 0)
        m_only = candidate;
    ++m_candidateCount;
    m_map.insert(displayText(cim, subtitle), candidate);
}

void CodeChoice::addDefault(const QString &cim, const QString &title, const QString &cisp)
{
    if (!cim.isEmpty())
        m_map.insert(displayText(cim, title), CodeCandidate{cim, cisp});
}

} // namespace session
