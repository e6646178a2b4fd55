// SPDX-License-Identifier: GPL-3.0-or-later
// Statements of the RC list (all RCs, patient profile, keyword) and the folding of what the doctor types.
#pragma once

#include <QString>
#include <QStringList>

namespace browse
{

// Every RC with at least one criterion in force, one entry per title, sorted by title.
QString allRcsStatement();

// age -1: no age criterion; sex 1 men, 2 women, -1 none. Ends with the grouping by title.
QString profileStatement(int age, int sex);

// Folds accents as the statement folds the dictionary's text (db::foldAccents), drops NULs and doubles apostrophes,
// so the keyword stays one SQL string literal whatever was typed.
QString foldKeyword(const QString &keyword);

// The words of a folded keyword, split on runs of blanks; a keyword of blanks only is one word, as typed.
QStringList keywordWords(const QString &foldedKeyword);

// keyword must already be folded; an RC is listed when every word is found, in any order. sexText is "Homme", "Femme"
// or empty; ageText is the age box's text.
QString keywordStatement(const QString &foldedKeyword, bool titleOnly, const QString &sexText, const QString &ageText);

// True when SQLite would refuse a word's LIKE pattern as too long: nothing stored can contain it.
bool keywordTooLongForLike(const QString &foldedKeyword);

} // namespace browse
