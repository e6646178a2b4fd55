// SPDX-License-Identifier: GPL-3.0-or-later
// Choosing the CIM 10 and CISP codes of a recorded RC among the coding rules of the dictionary.
#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

namespace session
{

// The codes a coding rule (or the RC's defaults) would give to the recorded row.
struct CodeCandidate {
    QString cim;
    QString cisp;
};

// "code1" when the rule has no second code, else "code1/code2".
QString cimText(const QString &cim1, const QString &cim2);

// Entry of the choice list: the CIM 10 text, " : ", then the rule's subtitle (or the RC's title for the default).
QString displayText(const QString &cim, const QString &subtitle);

// A rule applies when it names at least one criterion and every one of them is ticked.
bool ruleApplies(const QStringList &ruleCriteria, const QStringList &ticked);

// The candidates gathered for one recording. Entries are keyed by display text in plain UTF-16 code order
// (upper case before lower case, not locale-aware); a later entry with the same text replaces the earlier one,
// while candidateCount() still counts both, since it is the number of rules that applied.
class CodeChoice
{
public:
    void addRule(const QString &cim, const QString &subtitle, const QString &cisp);
    // The RC's own default codes, offered beside the rules when there is a choice to make; ignored without a code.
    void addDefault(const QString &cim, const QString &title, const QString &cisp);

    int candidateCount() const { return m_candidateCount; }
    QStringList entries() const { return m_map.keys(); }
    const CodeCandidate &only() const { return m_only; }
    // The candidate of an entry; empty codes for a text that is not an entry (typed by the doctor).
    CodeCandidate lookup(const QString &entry) const { return m_map.value(entry); }

private:
    QMap<QString, CodeCandidate> m_map;
    CodeCandidate m_only; // the candidate used when exactly one rule applied
    int m_candidateCount = 0;
};

} // namespace session
