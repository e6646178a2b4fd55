// SPDX-License-Identifier: GPL-3.0-or-later
// Weighting classes of criteria and the rules of a level of criteria (see weighting.h).
#include "session/weighting.h"

namespace session
{

void ClassTally::add(int weightClass)
{
    if (weightClass >= 0 && weightClass < kCountedClasses)
        ++m_counts[weightClass];
}

void ClassTally::set(int weightClass, int count)
{
    if (weightClass >= 0 && weightClass < kCountedClasses)
        m_counts[weightClass] = count;
}

int ClassTally::count(int weightClass) const
{
    return weightClass >= 0 && weightClass < kCountedClasses ? m_counts[weightClass] : 0;
}

bool levelRequirementsMet(const ClassTally &ticked, const ClassTally &level)
{
    if (ticked.count(0) != level.count(0))
        return false;
    // A class k (1..4) present in the level needs at least k ticked members, even when the level holds fewer:
    // such an RC always triggers the question, and the doctor decides.
    for (int k = 1; k < kCountedClasses; ++k) {
        if (level.count(k) > 0 && ticked.count(k) < k)
            return false;
    }
    return true;
}

int weightClassOf(const QVariant &ponderId)
{
    // The classes of ref_ponder_id 1 to 10, in order; 9 is no class a rule counts.
    static constexpr int kClassOf[] = {0, 1, 2, 3, 4, 5, 6, 8, kUncountedClass, 7};
    const int id = ponderId.toInt();
    return !ponderId.isNull() && id >= 1 && id <= 10 ? kClassOf[id - 1] : kUncountedClass;
}

} // namespace session
