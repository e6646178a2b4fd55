// SPDX-License-Identifier: GPL-3.0-or-later
// Dictionary checks behind quorvel-check: schema, links between tables, criteria trees and argument encodings.
#include "dictionarycheck.h"
#include "db/database.h"

#include <QFileInfo>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QtGlobal>
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
#include <QStringDecoder>
#else
#include <QTextCodec>
#endif
#include <QUuid>
#include <QVariant>
#include <algorithm>
#include <functional>

namespace check
{

namespace
{

// The tables and columns the program reads; ref_rc's first two columns are read by position.
const QList<QPair<QString, QStringList>> &expectedSchema()
{
    static const QList<QPair<QString, QStringList>> schema = {
        {QStringLiteral("ref_rc"),
         {"ref_rc_seq", "lib_rc", "sex", "age_min", "age_max", "pa", "pb", "pc", "pd", "pz", "argumentaire",
          "code_cim_defaut", "code_cisp_defaut"}},
        {QStringLiteral("ref_definition"),
         {"ref_definition_seq", "ref_rc_id", "pere_fk", "lib_criteres_fr", "validite", "ordre", "ref_ponder_id"}},
        {QStringLiteral("ref_rc_synonymes"), {"ref_rc_id", "lib"}},
        {QStringLiteral("ref_l_rc_voir_aussi_rc"), {"ref_rc_id", "voir_aussi_id"}},
        {QStringLiteral("ref_dic"), {"ref_dic_seq", "dic_lib", "groupe"}},
        {QStringLiteral("ref_l_rc_dic"), {"ref_rc_id", "ref_dic_id"}},
        {QStringLiteral("ref_l_rc_cim10"),
         {"ref_lrccim_seq", "ref_rc_id", "code_cim_1", "code_cim_2", "soustitre", "code_cisp"}},
        {QStringLiteral("ref_combi_criteres_cim"), {"ref_lrccim_id", "ref_definition_id"}},
    };
    return schema;
}

bool validUtf8(const QByteArray &bytes)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    // Stateless: a sequence cut at the end counts as an error, as the remaining characters did in Qt 5.
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    // decode() converts lazily: only turning its result into a string runs the decoder.
    const QString decoded = decoder.decode(bytes);
    return !decoder.hasError();
#else
    QTextCodec::ConverterState state;
    QTextCodec::codecForName("UTF-8")->toUnicode(bytes.constData(), bytes.size(), &state);
    return state.invalidChars == 0 && state.remainingChars == 0;
#endif
}

// The command that leaves WAL mode for good (SQLite checkpoints the log into the file first).
QString backToDelete(const QString &path)
{
    return QStringLiteral("sqlite3 '%1' 'PRAGMA journal_mode=DELETE'").arg(path);
}

// One pass over the file: runs the statements, stops at the first read error (a damaged file).
class Checker
{
public:
    explicit Checker(const QString &path) : m_path(path), m_connection(QUuid::createUuid().toString())
    {
        QSqlDatabase db = db::openReadOnly(path, m_connection);
        m_opened = db.isOpen();
        if (!m_opened) {
            unreadable(QStringLiteral("Impossible d'ouvrir le fichier : %1").arg(db.lastError().text()));
            return;
        }
        if (db::inWalMode(path))
            m_report.notes << QStringLiteral("Le dictionnaire est en mode de journal WAL : SQLite ne sait le lire "
                                             "de la façon ordinaire qu'en créant à côté de lui les fichiers -wal et "
                                             "-shm, ce qu'un dossier en lecture seule interdit. Pour le remettre en "
                                             "mode ordinaire, une fois, avec le droit d'écrire dans son dossier : %1")
                                  .arg(backToDelete(path));
        if (db::readMode(db) == db::ReadMode::Immutable)
            m_report.notes << QStringLiteral("Lu comme fichier immuable (sans verrou ni fichier annexe), comme "
                                             "Quorvel le lit : ne le remplacez que par un nouveau fichier "
                                             "(install, ou copie sous un autre nom puis mv), jamais en l'écrasant "
                                             "pendant qu'il est lu.");
        m_walLog = QFileInfo(path + QStringLiteral("-wal")).size() > 0;
    }

    ~Checker() { QSqlDatabase::removeDatabase(m_connection); }

    Report run()
    {
        if (!m_opened)
            return m_report;
        // A damaged file (or one that is not a dictionary at all) shows here before any check runs.
        if (!select(QStringLiteral("PRAGMA quick_check"), [this](const QSqlQuery &q) {
                const QString result = q.value(0).toString();
                if (result != QLatin1String("ok"))
                    unreadable(QStringLiteral("Fichier endommagé : %1").arg(result));
            }))
            return m_report;
        if (m_report.status == Report::Unreadable)
            return m_report;
        checkSchema();
        checkIdentifiers();
        checkCriteria();
        checkLinks();
        checkCodingRules();
        checkRcsListed();
        checkArguments();
        return m_report;
    }

private:
    void problem(const QString &line)
    {
        m_report.lines << line;
        if (m_report.status == Report::Clean)
            m_report.status = Report::Problems;
    }

    void unreadable(const QString &line)
    {
        m_report.lines << line;
        m_report.status = Report::Unreadable;
        if (m_walLog)
            m_report.lines << QStringLiteral("Un journal WAL non vide accompagne le dictionnaire (%1-wal) : il peut "
                                             "contenir des modifications que le fichier seul n'a pas, il n'est "
                                             "donc pas lu sans lui. Avec le droit d'écrire dans son dossier, une "
                                             "fois, %2 les reporte dans le dictionnaire et "
                                             "supprime le journal.")
                                  .arg(m_path, backToDelete(m_path));
        m_walLog = false;
    }

    // Runs sql and calls onRow for each row; false (and the file reported unreadable) on any engine error,
    // including one that stops the statement after some rows.
    bool select(const QString &sql, const std::function<void(const QSqlQuery &)> &onRow)
    {
        if (m_report.status == Report::Unreadable)
            return false;
        QSqlQuery q(QSqlDatabase::database(m_connection, false));
        q.setForwardOnly(true);
        if (!q.exec(sql)) {
            unreadable(QStringLiteral("Lecture impossible : %1").arg(q.lastError().text()));
            return false;
        }
        while (q.next())
            onRow(q);
        if (q.lastError().isValid()) {
            unreadable(QStringLiteral("Lecture interrompue (fichier endommagé) : %1").arg(q.lastError().text()));
            return false;
        }
        return true;
    }

    bool has(const QString &table, const QStringList &columns = QStringList()) const
    {
        if (!m_columns.contains(table))
            return false;
        for (const QString &column : columns) {
            if (!m_columns.value(table).contains(column))
                return false;
        }
        return true;
    }

    void checkSchema()
    {
        for (const auto &entry : expectedSchema()) {
            const QString &table = entry.first;
            QStringList found;
            bool exists = false;
            select(QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type IN ('table', 'view') AND name = '%1'")
                       .arg(table),
                   [&](const QSqlQuery &q) { exists = q.value(0).toInt() > 0; });
            if (!exists) {
                problem(QStringLiteral("Table manquante : %1").arg(table));
                continue;
            }
            select(QStringLiteral("SELECT name FROM pragma_table_info('%1') ORDER BY cid").arg(table),
                   [&](const QSqlQuery &q) { found << q.value(0).toString().toLower(); });
            m_columns.insert(table, found);
            for (const QString &column : entry.second) {
                if (!found.contains(column))
                    problem(QStringLiteral("Colonne manquante : %1.%2").arg(table, column));
            }
        }
        if (has(QStringLiteral("ref_rc"))) {
            const QStringList columns = m_columns.value(QStringLiteral("ref_rc"));
            if (columns.mid(0, 2) != QStringList({QStringLiteral("ref_rc_seq"), QStringLiteral("lib_rc")}))
                problem(QStringLiteral("La table ref_rc doit commencer par les colonnes ref_rc_seq puis lib_rc "
                                       "(trouvé : %1) : la liste des RC montrerait de faux titres")
                            .arg(columns.mid(0, 2).join(QStringLiteral(", "))));
        }
    }

    // Identifiers that are missing, not whole numbers or used twice make clicks land on the wrong row.
    void checkIdentifiers()
    {
        const QList<QPair<QString, QString>> keys = {{"ref_rc", "ref_rc_seq"},
                                                     {"ref_definition", "ref_definition_seq"}};
        for (const auto &key : keys) {
            if (!has(key.first, {key.second}))
                continue;
            select(QStringLiteral("SELECT count(*) FROM %1 WHERE typeof(%2) <> 'integer'").arg(key.first, key.second),
                   [&](const QSqlQuery &q) {
                       if (q.value(0).toInt() > 0)
                           problem(QStringLiteral("%1 : %2 ligne(s) dont %3 est vide ou n'est pas un nombre entier")
                                       .arg(key.first)
                                       .arg(q.value(0).toInt())
                                       .arg(key.second));
                   });
            select(QStringLiteral("SELECT %2, count(*) FROM %1 WHERE %2 IS NOT NULL GROUP BY %2 HAVING count(*) > 1")
                       .arg(key.first, key.second),
                   [&](const QSqlQuery &q) {
                       problem(QStringLiteral("%1 : l'identifiant %2 est utilisé %3 fois")
                                   .arg(key.first, q.value(0).toString())
                                   .arg(q.value(1).toInt()));
                   });
        }
        if (has(QStringLiteral("ref_rc"), {QStringLiteral("ref_rc_seq"), QStringLiteral("lib_rc")})) {
            select(QStringLiteral("SELECT ref_rc_seq, CAST(lib_rc AS BLOB), lib_rc IS NULL FROM ref_rc"),
                   [&](const QSqlQuery &q) {
                       if (q.value(2).toBool())
                           problem(QStringLiteral("RC %1 : titre vide (NULL)").arg(q.value(0).toString()));
                       else if (!validUtf8(q.value(1).toByteArray()))
                           problem(QStringLiteral("RC %1 : le titre n'est pas du texte UTF-8 valide")
                                       .arg(q.value(0).toString()));
                   });
        }
    }

    void checkCriteria()
    {
        if (!has(QStringLiteral("ref_definition"),
                 {QStringLiteral("ref_definition_seq"), QStringLiteral("pere_fk"), QStringLiteral("ref_rc_id")}))
            return;
        QHash<QString, QString> parentOf;
        QHash<QString, QString> rcOf;
        QStringList order;
        select(QStringLiteral("SELECT ref_definition_seq, pere_fk, ref_rc_id FROM ref_definition "
                              "WHERE ref_definition_seq IS NOT NULL ORDER BY ref_definition_seq"),
               [&](const QSqlQuery &q) {
                   const QString id = q.value(0).toString();
                   if (!parentOf.contains(id))
                       order << id;
                   parentOf.insert(id, q.value(1).toString());
                   rcOf.insert(id, q.value(2).toString());
               });
        for (const QString &id : order) {
            const QString parent = parentOf.value(id);
            if (parent.isEmpty() || parent == QLatin1String("0"))
                continue;
            if (!parentOf.contains(parent))
                problem(QStringLiteral("Critère %1 (RC %2) : son critère parent %3 n'existe pas")
                            .arg(id, rcOf.value(id), parent));
            else if (rcOf.value(parent) != rcOf.value(id))
                problem(QStringLiteral("Critère %1 (RC %2) : son critère parent %3 appartient au RC %4")
                            .arg(id, rcOf.value(id), parent, rcOf.value(parent)));
        }
        for (const QStringList &cycle : parentCycles(parentOf)) {
            problem(cycle.size() == 1 ? QStringLiteral("Critère %1 : il est son propre parent").arg(cycle.first())
                                      : QStringLiteral("Cycle de critères parents : %1 → %2")
                                            .arg(cycle.join(QStringLiteral(" → ")), cycle.first()));
        }
    }

    void missingLinks(const QString &sql, const QString &message)
    {
        select(sql, [&](const QSqlQuery &q) { problem(message.arg(q.value(0).toString(), q.value(1).toString())); });
    }

    void checkLinks()
    {
        if (has(QStringLiteral("ref_l_rc_voir_aussi_rc"), {"ref_rc_id", "voir_aussi_id"}) &&
            has(QStringLiteral("ref_rc"), {"ref_rc_seq"})) {
            missingLinks(
                QStringLiteral("SELECT ref_rc_id, voir_aussi_id FROM ref_l_rc_voir_aussi_rc v WHERE NOT EXISTS "
                               "(SELECT 1 FROM ref_rc WHERE ref_rc_seq = v.voir_aussi_id)"),
                QStringLiteral("Lien « voir aussi » du RC %1 vers le RC %2, qui n'existe pas"));
            missingLinks(
                QStringLiteral("SELECT ref_rc_id, voir_aussi_id FROM ref_l_rc_voir_aussi_rc v WHERE NOT EXISTS "
                               "(SELECT 1 FROM ref_rc WHERE ref_rc_seq = v.ref_rc_id)"),
                QStringLiteral("Lien « voir aussi » depuis le RC %1, qui n'existe pas (vers le RC %2)"));
            missingLinks(QStringLiteral("SELECT ref_rc_id, voir_aussi_id FROM ref_l_rc_voir_aussi_rc "
                                        "WHERE ref_rc_id = voir_aussi_id"),
                         QStringLiteral("Lien « voir aussi » du RC %1 vers lui-même (%2)"));
        }
        if (has(QStringLiteral("ref_l_rc_dic"), {"ref_rc_id", "ref_dic_id"})) {
            if (has(QStringLiteral("ref_dic"), {"ref_dic_seq"}))
                missingLinks(QStringLiteral("SELECT ref_rc_id, ref_dic_id FROM ref_l_rc_dic l WHERE NOT EXISTS "
                                            "(SELECT 1 FROM ref_dic WHERE ref_dic_seq = l.ref_dic_id)"),
                             QStringLiteral("Diagnostic critique du RC %1 : le diagnostic %2 n'existe pas"));
            if (has(QStringLiteral("ref_rc"), {"ref_rc_seq"}))
                missingLinks(QStringLiteral("SELECT ref_rc_id, ref_dic_id FROM ref_l_rc_dic l WHERE NOT EXISTS "
                                            "(SELECT 1 FROM ref_rc WHERE ref_rc_seq = l.ref_rc_id)"),
                             QStringLiteral("Diagnostic critique %2 relié au RC %1, qui n'existe pas"));
        }
    }

    void checkCodingRules()
    {
        if (!has(QStringLiteral("ref_l_rc_cim10"), {"ref_lrccim_seq", "ref_rc_id", "code_cim_1", "code_cisp"}))
            return;
        // A rule is chosen only through criteria in force; one without any can never be proposed once a
        // criterion is ticked.
        if (has(QStringLiteral("ref_combi_criteres_cim"), {"ref_lrccim_id", "ref_definition_id"}) &&
            has(QStringLiteral("ref_definition"), {"ref_definition_seq", "validite"})) {
            missingLinks(QStringLiteral("SELECT ref_lrccim_seq, ref_rc_id FROM ref_l_rc_cim10 r WHERE NOT EXISTS "
                                        "(SELECT 1 FROM ref_combi_criteres_cim c JOIN ref_definition d ON "
                                        "d.ref_definition_seq = c.ref_definition_id WHERE c.ref_lrccim_id = "
                                        "r.ref_lrccim_seq AND d.validite = 1)"),
                         QStringLiteral("Règle de codage %1 (RC %2) : aucun critère en vigueur ne la désigne"));
            missingLinks(QStringLiteral("SELECT ref_lrccim_id, ref_definition_id FROM ref_combi_criteres_cim c WHERE "
                                        "NOT EXISTS (SELECT 1 FROM ref_definition WHERE ref_definition_seq = "
                                        "c.ref_definition_id)"),
                         QStringLiteral("Règle de codage %1 : le critère %2 n'existe pas"));
        }
        missingLinks(QStringLiteral("SELECT ref_lrccim_seq, ref_rc_id FROM ref_l_rc_cim10 WHERE "
                                    "coalesce(trim(code_cim_1), '') = '' AND coalesce(trim(code_cisp), '') = ''"),
                     QStringLiteral("Règle de codage %1 (RC %2) : ni code CIM 10 ni code CISP"));
    }

    void checkRcsListed()
    {
        if (!has(QStringLiteral("ref_rc"), {"ref_rc_seq", "lib_rc"}) ||
            !has(QStringLiteral("ref_definition"), {"ref_rc_id", "validite"}))
            return;
        missingLinks(
            QStringLiteral("SELECT ref_rc_seq, lib_rc FROM ref_rc r WHERE NOT EXISTS (SELECT 1 FROM "
                           "ref_definition WHERE ref_rc_id = r.ref_rc_seq AND validite = 1) ORDER BY ref_rc_seq"),
            QStringLiteral("RC %1 « %2 » : aucun critère en vigueur, il n'apparaît jamais dans la liste"));
    }

    void checkArguments()
    {
        if (!has(QStringLiteral("ref_rc"), {"ref_rc_seq", "argumentaire"}))
            return;
        select(QStringLiteral("SELECT ref_rc_seq, CAST(argumentaire AS BLOB), typeof(argumentaire) FROM ref_rc "
                              "WHERE argumentaire IS NOT NULL"),
               [&](const QSqlQuery &q) {
                   const QString why =
                       argumentProblem(q.value(1).toByteArray(), q.value(2).toString() == QLatin1String("blob"));
                   if (!why.isEmpty())
                       problem(QStringLiteral("Argumentaire du RC %1 : %2").arg(q.value(0).toString(), why));
               });
    }

    QString m_path;
    QString m_connection;
    bool m_opened = false;
    bool m_walLog = false; // a log with content lies beside the file: said once, with the first read failure
    Report m_report;
    QHash<QString, QStringList> m_columns;
};

} // namespace

QList<QStringList> parentCycles(const QHash<QString, QString> &parentOf)
{
    // Each criterion has one parent, so following parents from any start either ends or enters one cycle.
    QList<QStringList> cycles;
    QSet<QString> settled;
    QStringList starts = parentOf.keys();
    std::sort(starts.begin(), starts.end());
    for (const QString &start : starts) {
        QStringList path;
        QHash<QString, int> onPath;
        QString id = start;
        while (parentOf.contains(id) && !settled.contains(id) && !onPath.contains(id)) {
            onPath.insert(id, path.size());
            path << id;
            id = parentOf.value(id);
        }
        if (onPath.contains(id)) {
            QStringList cycle = path.mid(onPath.value(id));
            const auto smallest = std::min_element(cycle.begin(), cycle.end());
            std::rotate(cycle.begin(), smallest, cycle.end());
            cycles << cycle;
        }
        for (const QString &seen : path)
            settled.insert(seen);
    }
    return cycles;
}

QString argumentProblem(const QByteArray &bytes, bool isBlob)
{
    if (!isBlob)
        return validUtf8(bytes) ? QString() : QStringLiteral("texte qui n'est pas de l'UTF-8 valide");
    const auto startsWith = [&](const char *mark, int size) { return bytes.startsWith(QByteArray(mark, size)); };
    // UTF-32 LE begins like UTF-16 LE: test it first.
    if (startsWith("\xFF\xFE\x00\x00", 4) || startsWith("\x00\x00\xFE\xFF", 4)) {
        if (bytes.size() % 4 != 0)
            return QStringLiteral("UTF-32 de longueur incomplète (%1 octets)").arg(bytes.size());
        const bool little = bytes.at(0) == '\xFF';
        for (int i = 4; i < bytes.size(); i += 4) {
            const auto b = [&](int k) { return quint32(quint8(bytes.at(i + (little ? k : 3 - k)))); };
            const quint32 code = b(0) | b(1) << 8 | b(2) << 16 | b(3) << 24;
            if (code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
                return QStringLiteral("UTF-32 contenant un caractère invalide à l'octet %1").arg(i);
        }
        return QString();
    }
    if (startsWith("\xFF\xFE", 2) || startsWith("\xFE\xFF", 2)) {
        if (bytes.size() % 2 != 0)
            return QStringLiteral("UTF-16 de longueur impaire (%1 octets)").arg(bytes.size());
        const bool little = bytes.at(0) == '\xFF';
        bool pendingHigh = false;
        for (int i = 2; i < bytes.size(); i += 2) {
            const quint16 unit = little ? quint16(quint8(bytes.at(i)) | quint8(bytes.at(i + 1)) << 8)
                                        : quint16(quint8(bytes.at(i)) << 8 | quint8(bytes.at(i + 1)));
            const bool high = unit >= 0xD800 && unit <= 0xDBFF;
            const bool low = unit >= 0xDC00 && unit <= 0xDFFF;
            if ((low && !pendingHigh) || (pendingHigh && !low))
                return QStringLiteral("UTF-16 contenant une demi-paire de substitution à l'octet %1").arg(i);
            pendingHigh = high;
        }
        if (pendingHigh)
            return QStringLiteral("UTF-16 terminé par une demi-paire de substitution");
        return QString();
    }
    if (startsWith("\xEF\xBB\xBF", 3))
        return validUtf8(bytes.mid(3)) ? QString() : QStringLiteral("marqué UTF-8 mais contenant des octets invalides");
    // Without a mark the bytes are read as Latin-1: accented UTF-8 would show as "Ã©" and the like.
    bool nonAscii = false;
    for (const char c : bytes)
        nonAscii = nonAscii || (c & 0x80);
    if (nonAscii && validUtf8(bytes))
        return QStringLiteral("écrit en UTF-8 sans marque d'ordre des octets : il sera lu en Latin-1 et ses accents "
                              "seront mal affichés");
    return QString();
}

Report checkDictionary(const QString &path)
{
    return Checker(path).run();
}

} // namespace check
