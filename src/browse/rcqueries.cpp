// SPDX-License-Identifier: GPL-3.0-or-later
// Statement texts of the RC list and the keyword folding rules.
#include "browse/rcqueries.h"

#include "db/database.h"

namespace browse
{

QString allRcsStatement()
{
    return QStringLiteral("select DISTINCT * from ref_rc rc inner join ref_definition def on def.ref_rc_id = "
                          "ref_rc_seq where validite = 1 group by lib_rc  order by lib_rc");
}

QString profileStatement(int age, int sex)
{
    // The unfiltered list has always been spelt in lower case.
    if (sex == -1 && age == -1)
        return QStringLiteral("select distinct * from ref_rc rc inner join ref_definition def on def.ref_rc_id = "
                              "ref_rc_seq where validite = 1  group by lib_rc ");
    QString sql = QStringLiteral("SELECT distinct * from ref_rc rc inner join ref_definition def on def.ref_rc_id = "
                                 "ref_rc_seq where validite = 1 ");
    if (age == -1)
        sql += QStringLiteral("and ( sex=%1 or sex = 3 )").arg(sex);
    else if (sex == -1)
        sql += QStringLiteral("and age_min<= %1 and age_max >= %1").arg(age);
    else
        sql += QStringLiteral("and (sex=%2 or sex=3) and age_min<= %1 and age_max >= %1").arg(age).arg(sex);
    return sql + QStringLiteral(" group by lib_rc ");
}

QString foldKeyword(const QString &keyword)
{
    QString folded = db::foldAccents(keyword);
    // SQLite ends a statement's text at a NUL character, which would cut the literal open.
    folded.remove(QChar(0));
    folded.replace(QLatin1Char('\''), QStringLiteral("''"));
    return folded;
}

QStringList keywordWords(const QString &foldedKeyword)
{
    QStringList words;
    QString word;
    for (const QChar c : foldedKeyword) {
        if (!c.isSpace()) {
            word += c;
        } else if (!word.isEmpty()) {
            words << word;
            word.clear();
        }
    }
    if (!word.isEmpty())
        words << word;
    // Blanks alone are searched as typed.
    if (words.isEmpty())
        words << foldedKeyword;
    return words;
}

namespace
{

const QString kKeywordSelect = QStringLiteral(
    "SELECT distinct rc.ref_rc_seq AS Expr1, rc.lib_rc FROM ref_rc rc inner JOIN ref_definition def ON "
    "def.ref_rc_id = rc.ref_rc_seq left join ref_rc_synonymes syn on syn.ref_rc_id = rc.ref_rc_seq WHERE "
    "def.validite = 1 ");

// One word in a criterion of the row, its title or its synonym.
QString rowClause(const QString &word)
{
    return QStringLiteral("( ( quorvel_fold(def.lib_criteres_fr) Like '%%1%' and rc.lib_rc is not null ) OR "
                          "(quorvel_fold(rc.lib_rc) Like '%%1%') OR (quorvel_fold(syn.lib) Like '%%1%') )")
        .arg(word);
}

// The clauses joined by "and", nested in halves: SQLite refuses an expression deeper than 1,000 levels, which a
// flat chain of as many words would be.
QString allOf(const QStringList &clauses)
{
    if (clauses.size() == 1)
        return clauses.first();
    const int half = clauses.size() / 2;
    return QStringLiteral("(") + allOf(clauses.mid(0, half)) + QStringLiteral(" and ") + allOf(clauses.mid(half)) +
           QLatin1Char(')');
}

} // namespace

QString keywordStatement(const QString &foldedKeyword, bool titleOnly, const QString &sexText, const QString &ageText)
{
    const QStringList words = keywordWords(foldedKeyword);
    QString sql = kKeywordSelect;
    if (titleOnly) {
        QStringList clauses;
        for (const QString &word : words)
            clauses << QStringLiteral("quorvel_fold(rc.lib_rc) Like '%%1%'").arg(word);
        sql += QStringLiteral("and ") + allOf(clauses) + QLatin1Char(' ');
    } else if (words.size() == 1) {
        sql += QStringLiteral("and ") + rowClause(words.first()) + QLatin1Char(' ');
    }

    if (sexText == QLatin1String("Homme"))
        sql += QStringLiteral(" and ( rc.sex= 1 or rc.sex=3) ");
    else if (sexText == QLatin1String("Femme"))
        sql += QStringLiteral(" and ( rc.sex= 2 or rc.sex=3) ");

    if (!ageText.isEmpty())
        sql += QStringLiteral(" and rc.age_min<= %1 and rc.age_max >= %1 ").arg(ageText.toInt());

    // Each word may sit in another criterion or synonym than the others, hence in another row of the RC.
    if (!titleOnly && words.size() > 1) {
        QStringList clauses;
        for (const QString &word : words)
            clauses << QStringLiteral("max(") + rowClause(word) + QLatin1Char(')');
        sql += QStringLiteral(" group by rc.ref_rc_seq having ") + allOf(clauses);
    }

    return sql + QStringLiteral(" order by rc.lib_rc ");
}

bool keywordTooLongForLike(const QString &foldedKeyword)
{
    // SQLite's default ceiling for a LIKE pattern is 50,000 bytes; the pattern adds two '%' and the
    // doubled apostrophes become single ones again inside the literal.
    for (QString literal : keywordWords(foldedKeyword)) {
        literal.replace(QStringLiteral("''"), QStringLiteral("'"));
        if (literal.toUtf8().size() + 2 > 50000)
            return true;
    }
    return false;
}

} // namespace browse
