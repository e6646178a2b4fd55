// SPDX-License-Identifier: GPL-3.0-or-later
// The patient's sex as the profile radios give it, and the two ways it is written out.
#pragma once

#include <QString>

namespace browse
{

// The list statements and slots take it as "Homme" or "Femme" (dictionary codes 1 and 2); the report, written
// for the patient file, says "Homme" or "Féminin".
enum class Sex { None, Man, Woman };
inline QString profileText(Sex sex)
{
    return sex == Sex::Man ? QStringLiteral("Homme") : sex == Sex::Woman ? QStringLiteral("Femme") : QString();
}
inline QString reportSexText(Sex sex)
{
    return sex == Sex::Man ? QStringLiteral("Homme") : sex == Sex::Woman ? QStringLiteral("Féminin") : QString();
}

} // namespace browse
