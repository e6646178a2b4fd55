// SPDX-License-Identifier: GPL-3.0-or-later
// What the RC, see-also and criteria list items carry (their data roles) and the title label's prefixes.
#pragma once

#include <QString>

namespace browse
{

// Item data of the RC, see-also and criteria lists: the dictionary id, and a criterion's parent id as text.
constexpr int kIdRole = Qt::UserRole;
constexpr int kParentRole = Qt::UserRole + 1;

// The title label, spelt as each road has always written it: the list's own loads, the see-also jump (and the
// reset and start-up), and "Effacer profil". titleText closes any of them around an RC title.
inline const QString kTitleFromList = QStringLiteral("<center> Définition du RC : ");
inline const QString kTitleJump = QStringLiteral("<center>Définition du RC : ");
inline const QString kTitleClearProfile = QStringLiteral("<center>Définition du RC: ");
inline QString titleText(const QString &prefix, const QString &title)
{
    return prefix + title + QStringLiteral("</center>");
}

} // namespace browse
