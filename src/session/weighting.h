// SPDX-License-Identifier: GPL-3.0-or-later
// Weighting classes of an RC's criteria, and what a level of the criteria tree requires before code N is
// accepted without asking the doctor.
#pragma once

#include <QVariant>

#include <array>

namespace session
{

// Classes 0 to 4 carry a requirement; every other class (5 and above, unknown weightings) is never counted.
constexpr int kCountedClasses = 5;

// Weighting class of criteria that no rule counts: unknown or missing weightings, failed look-ups.
constexpr int kUncountedClass = 9;

// Weighting class 0..9 of a criterion's ref_ponder_id (NULL and unknown ids give 9, the class no rule counts).
int weightClassOf(const QVariant &ponderId);

// Number of criteria of each counted class, either among the ticked ones or among all criteria of a level.
class ClassTally
{
public:
    // Counts one criterion of the given class; classes outside 0..4 are ignored.
    void add(int weightClass);
    void set(int weightClass, int count);
    int count(int weightClass) const;

private:
    std::array<int, kCountedClasses> m_counts{};
};

// Whether the ticked criteria of one level satisfy the level: every class-0 criterion ticked, and at least
// k criteria ticked of each class k (1..4) that the level has at all.
bool levelRequirementsMet(const ClassTally &ticked, const ClassTally &level);

} // namespace session
