// SPDX-License-Identifier: GPL-3.0-or-later
// Weighting rules of an RC's criteria: what a level of the criteria tree requires before code N is accepted
// without asking the doctor.
#pragma once

#include <array>

namespace weighting
{

// Classes 0 to 4 carry a requirement; every other class (5 and above, unknown weightings) is never counted.
constexpr int kCountedClasses = 5;

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

} // namespace weighting
