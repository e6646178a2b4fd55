// SPDX-License-Identifier: GPL-3.0-or-later
// Statements of the RC list (all RCs, patient profile, keyword) and the folding of what the doctor types.
#pragma once

#include <QString>
#include <QVariant>

namespace browse
{

// Item data of the RC, see-also and criteria lists: the dictionary id, and a criterion's parent id as text.
constexpr int kIdRole = Qt::UserRole;
constexpr int kParentRole = Qt::UserRole + 1;

// Weighting class of criteria that no rule counts: unknown or missing weightings, failed look-ups.
constexpr int kUncountedClass = 9;

// The title label, spelt as each road has always written it: the list's own loads, the see-also jump (and the
// reset and start-up), and "Effacer profil". titleText closes any of them around an RC title.
inline const QString kTitleFromList = QStringLiteral("<center> Définition du RC : ");
inline const QString kTitleJump = QStringLiteral("<center>Définition du RC : ");
inline const QString kTitleClearProfile = QStringLiteral("<center>Définition du RC: ");
QString titleText(const QString &prefix, const QString &title);

// The patient's sex as the profile radios give it. The list statements and slots take it as "Homme" or "Femme"
// (dictionary codes 1 and 2); the report, written for the patient file, says "Homme" or "Féminin".
enum class Sex { None, Man, Woman };
QString profileText(Sex sex);
QString reportText(Sex sex);

// Every RC with at least one criterion in force, one entry per title, sorted by title.
QString allRcsStatement();

// age -1: no age criterion; sex 1 men, 2 women, -1 none. Ends with the grouping by title.
QString profileStatement(int age, int sex);

// Folds the accents the dictionary never stores in titles (é/É, ê, í, ó, õ, ô, ú, ç) and doubles apostrophes,
// so the keyword stays one SQL string literal whatever was typed.
QString foldKeyword(const QString &keyword);

// keyword must already be folded. sexText is "Homme", "Femme" or empty; ageText is the age box's text.
QString keywordStatement(const QString &foldedKeyword, bool titleOnly, const QString &sexText, const QString &ageText);

// True when SQLite would refuse the keyword's LIKE pattern as too long: nothing stored can contain it.
bool keywordTooLongForLike(const QString &foldedKeyword);

// Weighting class 0..9 of a criterion's ref_ponder_id (NULL and unknown ids give 9, the class no rule counts).
int weightClassOf(const QVariant &ponderId);

} // namespace browse
