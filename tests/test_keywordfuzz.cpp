// SPDX-License-Identifier: GPL-3.0-or-later
// Keyword fuzzing: thousands of generated keywords typed or pasted into the keyword box, in both search modes and
// under every patient profile; each list must equal the one a separate SQLite connection gives with the keyword
// bound as a parameter, and no statement may ever fail.
#include "app/quorvel.h"
#include "browse/rcqueries.h"
#include "testkit.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QTest>
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
#include <QStringDecoder>
#else
#include <QTextCodec>
#endif
#include <optional>
#include <sqlite3.h>

namespace
{

// Pieces that break naive SQL building or text handling: quotes, LIKE wildcards, backslashes, control
// characters, astral characters, right-to-left text and the accents the search folds (and some it does not).
const QStringList &fragments()
{
    static const QStringList pieces = {
        QStringLiteral("TOUX"),
        QStringLiteral("toux"),
        QStringLiteral("angine"),
        QStringLiteral("Fièvre"),
        QStringLiteral("fievre"),
        QStringLiteral("Généralisé"),
        QStringLiteral("GENERALISE"),
        QStringLiteral("é"),
        QStringLiteral("É"),
        QStringLiteral("ê"),
        QStringLiteral("í"),
        QStringLiteral("ó"),
        QStringLiteral("õ"),
        QStringLiteral("ô"),
        QStringLiteral("ú"),
        QStringLiteral("ç"),
        QStringLiteral("Ç"),
        QStringLiteral("è"),
        QStringLiteral("ß"),
        QStringLiteral("'"),
        QStringLiteral("''"),
        QStringLiteral("d'effort"),
        QStringLiteral("\""),
        QStringLiteral("%"),
        QStringLiteral("_"),
        QStringLiteral("%_"),
        QStringLiteral("\\"),
        QStringLiteral("\\'"),
        QStringLiteral("')--"),
        QStringLiteral("' OR '1'='1"),
        QStringLiteral(";"),
        QStringLiteral(" "),
        QStringLiteral("\t"),
        QStringLiteral("\n"),
        QString(QChar(0x01)),
        QString(QChar(0x7f)),
        QString(QChar(0)),
        QStringLiteral("a"),
        QStringLiteral("e"),
        QStringLiteral("x"),
        QStringLiteral("😀"),
        QStringLiteral("𝄞"),
        QStringLiteral("👩‍⚕️"),
        QStringLiteral("שלום"),
        QStringLiteral("مرحبا"),
        QString(QChar(0x202E)),
        QString(QChar(0x200F)),
        QString(QChar(0xFEFF)),
        QStringLiteral("中文"),
    };
    return pieces;
}

QString randomText(QRandomGenerator &rng, int minPieces, int maxPieces)
{
    QString text;
    const int count = rng.bounded(minPieces, maxPieces + 1);
    for (int i = 0; i < count; ++i)
        text += fragments().at(rng.bounded(fragments().size()));
    return text;
}

QString sqlLiteral(QString text)
{
    text.remove(QChar(0)); // the dictionary builder runs SQL text, which ends at a NUL
    return QLatin1Char('\'') + text.replace(QLatin1Char('\''), QStringLiteral("''")) + QLatin1Char('\'');
}

// A dictionary whose titles, criteria and synonyms are made of the same pieces as the keywords, so that
// most keywords match something. Titles are unique so that the order by title is total.
QString fuzzDictionarySql(QRandomGenerator &rng)
{
    QString sql = QStringLiteral("BEGIN;\n");
    int criterion = 1;
    for (int rc = 1; rc <= 300; ++rc) {
        const QString title = randomText(rng, 1, 3) + QStringLiteral(" n°%1").arg(rc);
        const int sex = rng.bounded(1, 4);
        const int ageMin = rng.bounded(0, 60);
        const int ageMax = ageMin + rng.bounded(0, 80);
        sql += QStringLiteral("INSERT INTO ref_rc (ref_rc_seq, lib_rc, sex, age_min, age_max) VALUES (%1, %2, %3, %4, "
                              "%5);\n")
                   .arg(rc)
                   .arg(sqlLiteral(title))
                   .arg(sex)
                   .arg(ageMin)
                   .arg(ageMax);
        const int criteria = rng.bounded(1, 4);
        for (int c = 0; c < criteria; ++c, ++criterion) {
            // About one criterion in six is out of force, so some RCs have none and are never listed.
            const int validity = rng.bounded(6) == 0 ? 0 : 1;
            sql += QStringLiteral("INSERT INTO ref_definition (ref_definition_seq, ref_rc_id, pere_fk, "
                                  "lib_criteres_fr, validite, ordre) VALUES (%1, %2, 0, %3, %4, %5);\n")
                       .arg(criterion)
                       .arg(rc)
                       .arg(sqlLiteral(randomText(rng, 1, 4)))
                       .arg(validity)
                       .arg(c + 1);
        }
        for (int s = rng.bounded(3); s > 0; --s)
            sql += QStringLiteral("INSERT INTO ref_rc_synonymes VALUES (%1, %2);\n")
                       .arg(rc)
                       .arg(sqlLiteral(randomText(rng, 1, 2)));
    }
    return sql + QStringLiteral("COMMIT;\n");
}

struct Entry {
    QString title;
    int id;
    bool operator==(const Entry &o) const { return title == o.title && id == o.id; }
};

// The search computed apart from the window: both sides folded by decomposition, each word bound in a subquery.
class ReferenceSearch
{
public:
    explicit ReferenceSearch(const QString &path)
    {
        if (sqlite3_open_v2(path.toUtf8().constData(), &m_db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK)
            qFatal("reference connection failed: %s", sqlite3_errmsg(m_db));
        sqlite3_create_function_v2(m_db, "ref_fold", 1, SQLITE_UTF8, nullptr, sqlFold, nullptr, nullptr, nullptr);
    }
    ~ReferenceSearch() { sqlite3_close(m_db); }

    static QString fold(const QString &keyword)
    {
        QString folded;
        for (const QChar c : keyword) {
            const char16_t u = c.unicode();
            if (u == 0 || (u >= 0x0300 && u <= 0x036F))
                continue;
            const bool latin = (u >= 0x00C0 && u <= 0x024F) || (u >= 0x1E00 && u <= 0x1EFF);
            const QString base = QString(c).normalized(QString::NormalizationForm_D).left(1);
            folded += latin && base.at(0).unicode() < 0x80 ? base : QString(c);
        }
        return folded;
    }

    // Fails (returns false with error set) on any engine error but the one of an over-long pattern, which
    // means nothing stored can match.
    bool search(const QString &keyword, bool titleOnly, int sex, int age, QList<Entry> *rows, QString *error)
    {
        const QString folded = fold(keyword);
        QStringList words = folded.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (words.isEmpty())
            words << folded;
        QString sql = QStringLiteral("SELECT rc.ref_rc_seq, rc.lib_rc FROM ref_rc rc WHERE 1");
        for (int i = 0; i < words.size(); ++i) {
            const QString like = QStringLiteral(" LIKE '%' || ?%1 || '%'").arg(i + 3);
            sql += QStringLiteral(" AND EXISTS (SELECT 1 FROM ref_definition def LEFT JOIN ref_rc_synonymes syn ON "
                                  "syn.ref_rc_id = def.ref_rc_id WHERE def.ref_rc_id = rc.ref_rc_seq AND "
                                  "def.validite = 1 AND ");
            if (titleOnly)
                sql += QStringLiteral("ref_fold(rc.lib_rc)") + like + QLatin1Char(')');
            else
                sql += QStringLiteral("((ref_fold(def.lib_criteres_fr)%1 AND rc.lib_rc IS NOT NULL) OR "
                                      "ref_fold(rc.lib_rc)%1 OR ref_fold(syn.lib)%1))")
                           .arg(like);
        }
        if (sex > 0)
            sql += QStringLiteral(" AND (rc.sex = ?1 OR rc.sex = 3)");
        if (age >= 0)
            sql += QStringLiteral(" AND rc.age_min <= ?2 AND rc.age_max >= ?2");
        sql += QStringLiteral(" ORDER BY rc.lib_rc");

        sqlite3_stmt *stmt = nullptr;
        const QByteArray text = sql.toUtf8();
        if (sqlite3_prepare_v2(m_db, text.constData(), text.size(), &stmt, nullptr) != SQLITE_OK) {
            *error = QString::fromUtf8(sqlite3_errmsg(m_db));
            return false;
        }
        // UTF-8: SQLite drops a leading byte-order mark from UTF-16 parameters, and a keyword may begin with one.
        for (int i = 0; i < words.size(); ++i) // no NUL is left: -1 reads up to the end
            sqlite3_bind_text(stmt, i + 3, words.at(i).toUtf8().constData(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_int(stmt, 1, sex);
        sqlite3_bind_int(stmt, 2, age);
        rows->clear();
        int rc;
        while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
            const auto *title = reinterpret_cast<const char *>(sqlite3_column_text(stmt, 1));
            // A title may begin with a byte-order mark, which the usual UTF-8 decoding would drop.
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
            QStringDecoder keepMark(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom);
            rows->append(
                {keepMark.decode(QByteArrayView(title, sqlite3_column_bytes(stmt, 1))), sqlite3_column_int(stmt, 0)});
#else
            QTextCodec::ConverterState keepMark(QTextCodec::IgnoreHeader);
            rows->append({QTextCodec::codecForName("UTF-8")->toUnicode(title, sqlite3_column_bytes(stmt, 1), &keepMark),
                          sqlite3_column_int(stmt, 0)});
#endif
        }
        bool ok = rc == SQLITE_DONE;
        if (!ok) {
            *error = QString::fromUtf8(sqlite3_errmsg(m_db));
            if (error->contains(QLatin1String("pattern too complex"))) {
                rows->clear();
                ok = true;
            }
        }
        sqlite3_finalize(stmt);
        return ok;
    }

private:
    static void sqlFold(sqlite3_context *context, int, sqlite3_value **argv)
    {
        if (sqlite3_value_type(argv[0]) == SQLITE_NULL)
            return sqlite3_result_null(context);
        const QByteArray text(reinterpret_cast<const char *>(sqlite3_value_text(argv[0])),
                              sqlite3_value_bytes(argv[0]));
        // The blank keeps a leading byte-order mark, which decoding drops at the very start only.
        const QByteArray folded = fold(QString::fromUtf8(" " + text).mid(1)).toUtf8();
        sqlite3_result_text(context, folded.constData(), folded.size(), SQLITE_TRANSIENT);
    }

    sqlite3 *m_db = nullptr;
};

QList<Entry> listEntries(QListWidget *list)
{
    QList<Entry> entries;
    for (int i = 0; i < list->count(); ++i)
        entries.append({list->item(i)->text(), list->item(i)->data(Qt::UserRole).toInt()});
    return entries;
}

QString describe(const QString &keyword)
{
    QString shown;
    for (const QChar c : keyword.left(80))
        shown += c.isPrint() ? QString(c) : QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
    return QStringLiteral("%1 (%2 chars)").arg(shown).arg(keyword.size());
}

} // namespace

class TestKeywordFuzz : public testkit::TestCase
{
    Q_OBJECT

private slots:
    void referenceFoldsLikeTheWindow_data();
    void referenceFoldsLikeTheWindow();
    void generatedKeywordsMatchReference();
};

// The reference must share the window's folding rules, or every comparison below would be meaningless.
void TestKeywordFuzz::referenceFoldsLikeTheWindow_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("folded");
    QTest::newRow("acute both cases") << QStringLiteral("ÉtÉé") << QStringLiteral("EtEe");
    QTest::newRow("grave folded") << QStringLiteral("fièvre") << QStringLiteral("fievre");
    QTest::newRow("capital cedilla folded") << QStringLiteral("Çaç") << QStringLiteral("Cac");
    QTest::newRow("diaeresis, other scripts kept") << QStringLiteral("ÿÏßשלום") << QStringLiteral("yIßשלום");
    QTest::newRow("nul dropped") << QStringLiteral("a") + QChar(0) + QStringLiteral("b") << QStringLiteral("ab");
    QTest::newRow("apostrophe kept single") << QStringLiteral("d'effort") << QStringLiteral("d'effort");
}

void TestKeywordFuzz::referenceFoldsLikeTheWindow()
{
    QFETCH(QString, typed);
    QFETCH(QString, folded);
    QCOMPARE(ReferenceSearch::fold(typed), folded);
    QCOMPARE(browse::foldKeyword(typed), QString(folded).replace(QLatin1Char('\''), QStringLiteral("''")));
}

void TestKeywordFuzz::generatedKeywordsMatchReference()
{
    QRandomGenerator rng(20261207u);
    const QString path = testkit::useDictionary(fuzzDictionarySql(rng), QStringLiteral("fuzz.sqlite"));
    QVERIFY(!path.isEmpty());
    ReferenceSearch reference(path);

    // Keywords: mostly short mixes of the pieces, some 1,000-character strings, and a few around SQLite's
    // limit on LIKE patterns (50,000 bytes), where the list must empty without a failing statement.
    QStringList keywords;
    while (keywords.size() < 5000) {
        QString keyword;
        const int kind = keywords.size() % 25;
        if (kind == 0) {
            while (keyword.size() < 1000)
                keyword += fragments().at(rng.bounded(fragments().size()));
            keyword.truncate(1000);
            if (keyword.at(999).isHighSurrogate())
                keyword.chop(1);
        } else {
            keyword = randomText(rng, 1, kind % 3 == 0 ? 1 : 4);
        }
        if (!keyword.isEmpty())
            keywords << keyword;
    }
    keywords << QString(49998, QLatin1Char('a')) << QString(49999, QLatin1Char('a')) << QString(20000, QChar(0x00E8))
             << QString(30000, QLatin1Char('\''));

    std::optional<testkit::LogCapture> log;
    log.emplace();
    testkit::ModalWatcher watcher;
    Quorvel w;
    w.show();
    auto *list = testkit::widget<QListWidget>(w, "List_RefRC");
    auto *keywordBox = testkit::widget<QLineEdit>(w, "txtSearchCriteria");
    auto *titleOnly = testkit::widget<QCheckBox>(w, "onlytitreCk");
    auto *age = testkit::widget<QLineEdit>(w, "txtAge");
    auto *men = testkit::widget<QRadioButton>(w, "rbHomme");
    auto *women = testkit::widget<QRadioButton>(w, "rbFemme");
    QVERIFY(list && keywordBox && titleOnly && age && men && women);
    log->clear();

    struct Profile {
        int sex; // 0 none, 1 men, 2 women
        QString age;
    };
    const QList<Profile> profiles = {{0, QString()},           {1, QString()},
                                     {2, QString()},           {0, QStringLiteral("30")},
                                     {1, QStringLiteral("7")}, {2, QStringLiteral("80")}};

    QElapsedTimer clock;
    clock.start();
    int compared = 0;
    int typed = 0;
    int nonEmpty = 0;
    auto check = [&](const QString &what) {
        QList<Entry> expected;
        QString error;
        const int sex = men->isChecked() ? 1 : women->isChecked() ? 2 : -1;
        const int ageValue = age->text().isEmpty() ? -1 : age->text().toInt();
        if (!reference.search(keywordBox->text(), titleOnly->isChecked(), sex, ageValue, &expected, &error)) {
            QTest::qFail(
                qPrintable(QStringLiteral("reference failed on %1: %2").arg(describe(keywordBox->text()), error)),
                __FILE__, __LINE__);
            return false;
        }
        const QList<Entry> shown = listEntries(list);
        ++compared;
        if (!shown.isEmpty())
            ++nonEmpty;
        if (shown == expected)
            return true;
        int at = 0;
        while (at < shown.size() && at < expected.size() && shown.at(at) == expected.at(at))
            ++at;
        QString difference;
        if (at < shown.size() && at < expected.size())
            difference = QStringLiteral("; first difference at %1: %2 %3 instead of %4 %5")
                             .arg(at)
                             .arg(shown.at(at).id)
                             .arg(describe(shown.at(at).title))
                             .arg(expected.at(at).id)
                             .arg(describe(expected.at(at).title));
        QTest::qFail(qPrintable(QStringLiteral("%1: keyword %2, title only %3, sex %4, age %5: %6 items instead of %7")
                                    .arg(what, describe(keywordBox->text()))
                                    .arg(titleOnly->isChecked())
                                    .arg(sex)
                                    .arg(ageValue)
                                    .arg(shown.size())
                                    .arg(expected.size()) +
                                difference),
                     __FILE__, __LINE__);
        return false;
    };

    for (int i = 0; i < keywords.size(); ++i) {
        // Change the profile every 250 keywords, with the keyword box emptied first like a doctor would.
        if (i % 250 == 0) {
            keywordBox->clear();
            const Profile &p = profiles.at((i / 250) % profiles.size());
            if (p.sex == 1)
                men->click();
            else if (p.sex == 2)
                women->click();
            else
                testkit::widget<QAbstractButton>(w, "btEffacerProfilPatient")->click();
            age->setText(p.age);
        }
        const QString &keyword = keywords.at(i);
        // One keyword in sixteen is typed key by key (surrogate halves and control keys included); the others
        // arrive whole, as a paste does.
        if (i % 16 == 0 && keyword.size() <= 200) {
            keywordBox->clear();
            // Return would press the dialog's default button: not a keyword keystroke.
            QString keys = keyword;
            testkit::typeText(keywordBox, keys.remove(QLatin1Char('\n')));
            ++typed;
        } else {
            keywordBox->setText(keyword);
        }
        if (keywordBox->text().isEmpty())
            continue;
        if (!check(QStringLiteral("search")))
            return;
        // The same keyword in the other search mode.
        titleOnly->click();
        if (!check(QStringLiteral("mode switch")))
            return;
    }
    // The window's own debug lines (statement echoes) are not failures.
    const QStringList failures = log->lines(lcSql());
    log.reset();
    qInfo("keywords: %d (%d typed key by key), lists compared: %d (%d not empty), %lld ms", int(keywords.size()), typed,
          compared, nonEmpty, clock.elapsed());
    QCOMPARE(watcher.seen.size(), 0);
    QVERIFY2(failures.isEmpty(), qPrintable(failures.mid(0, 5).join(QLatin1Char('\n'))));
    // The comparison is only worth something if the generated keywords do find RCs.
    QVERIFY2(nonEmpty > compared / 10, qPrintable(QStringLiteral("%1 of %2").arg(nonEmpty).arg(compared)));
}

QTEST_MAIN(TestKeywordFuzz)
#include "test_keywordfuzz.moc"
