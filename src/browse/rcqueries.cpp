// SPDX-License-Identifier: GPL-3.0-or-later
// Statement texts of the RC list and the keyword folding rules.
#include "browse/rcqueries.h"

namespace browse
{

QString allRcsStatement()
{
    return QStringLiteral("select DISTINCT * from ref_rc rc inner join ref_definition def on def.ref_rc_id = "
                          "ref_rc_seq where validite = 1 group by lib_rc  order by lib_rc");
}

QString profileStatement(int age, int sex)
{
    QString sql;
    if (sex == -1 && age == -1) {
        sql = QStringLiteral("select distinct * from ref_rc rc inner join ref_definition def on def.ref_rc_id = "
                             "ref_rc_seq where validite = 1 ");
    } else if (age == -1) {
        sql = QStringLiteral("SELECT distinct * from ref_rc rc inner join ref_definition def on def.ref_rc_id = "
                             "ref_rc_seq where validite = 1 and ( sex=%1 or sex = 3 )")
                  .arg(sex);
    } else if (sex == -1) {
        sql = QStringLiteral("SELECT distinct * from ref_rc rc inner join ref_definition def on def.ref_rc_id = "
                             "ref_rc_seq where validite = 1 and age_min<= %1 and age_max >= %1")
                  .arg(age);
    } else {
        sql = QStringLiteral("SELECT distinct * from ref_rc rc inner join ref_definition def on def.ref_rc_id = "
                             "ref_rc_seq where validite = 1 and (sex=%2 or sex=3) and age_min<= %1 and age_max >= %1")
                  .arg(age)
                  .arg(sex);
    }
    return sql + QStringLiteral(" group by lib_rc ");
}

QString foldKeyword(const QString &keyword)
{
    QString folded = keyword;
    folded.replace(QStringLiteral("é"), QStringLiteral("e"), Qt::CaseInsensitive);
    folded.replace(QChar(0x00EA), QLatin1Char('e'));
    folded.replace(QChar(0x00ED), QLatin1Char('i'));
    folded.replace(QChar(0x00F3), QLatin1Char('o'));
    folded.replace(QChar(0x00F5), QLatin1Char('o'));
    folded.replace(QChar(0x00F4), QLatin1Char('o'));
    folded.replace(QChar(0x00FA), QLatin1Char('u'));
    folded.replace(QChar(0x00E7), QLatin1Char('c'));
    // SQLite ends a statement's text at a NUL character, which would cut the literal open.
    folded.remove(QChar(0));
    folded.replace(QLatin1Char('\''), QStringLiteral("''"));
    return folded;
}

QString keywordStatement(const QString &foldedKeyword, bool titleOnly, const QString &sexText, const QString &ageText)
{
    QString sql;
    if (titleOnly) {
        sql = QStringLiteral(
            "SELECT distinct rc.ref_rc_seq AS Expr1, rc.lib_rc FROM ref_rc rc inner JOIN ref_definition def ON "
            "def.ref_rc_id = rc.ref_rc_seq left join ref_rc_synonymes syn on syn.ref_rc_id = rc.ref_rc_seq WHERE "
            "def.validite = 1 and  upper(rc.lib_rc) Like upper('%%1%' ) ");
    } else {
        sql = QStringLiteral(
            "SELECT distinct rc.ref_rc_seq AS Expr1, rc.lib_rc FROM ref_rc rc inner JOIN ref_definition def ON "
            "def.ref_rc_id = rc.ref_rc_seq left join ref_rc_synonymes syn on syn.ref_rc_id = rc.ref_rc_seq WHERE "
            "def.validite = 1 and ( ( upper(def.lib_criteres_fr) Like upper('%%1%') and rc.lib_rc is not null ) OR "
            "(upper(rc.lib_rc) Like upper('%%1%' )) OR (upper(syn.lib) Like upper('%%1%' )))  ");
    }
    sql = sql.arg(foldedKeyword);

    if (sexText == QLatin1String("Homme"))
        sql += titleOnly ? QStringLiteral(" and ( rc.sex= 1 or rc.sex=3)")
                         : QStringLiteral(" and ( rc.sex= 1 or rc.sex=3) ");
    else if (sexText == QLatin1String("Femme"))
        sql += titleOnly ? QStringLiteral(" and (rc.sex= 2 or rc.sex=3)")
                         : QStringLiteral(" and ( rc.sex= 2 or rc.sex=3) ");

    if (!ageText.isEmpty())
        sql += QStringLiteral(" and rc.age_min<= %1 and rc.age_max >= %1 ").arg(ageText.toInt());

    return sql + QStringLiteral(" order by rc.lib_rc ");
}

bool keywordTooLongForLike(const QString &foldedKeyword)
{
    // SQLite's default ceiling for a LIKE pattern is 50,000 bytes; the pattern adds two '%' and the
    // doubled apostrophes become single ones again inside the literal.
    QString literal = foldedKeyword;
    literal.replace(QStringLiteral("''"), QStringLiteral("'"));
    return literal.toUtf8().size() + 2 > 50000;
}

} // namespace browse
