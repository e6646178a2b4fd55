// SPDX-License-Identifier: GPL-3.0-or-later
// The read-only connection, the accent folding of its searches and the statement road every subsystem takes. Needs
// Qt Core, Sql and the SQLite library the driver runs on only: the dictionary checker shares it.
#include "db/database.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>
#include <QUrlQuery>
#include <sqlite3.h>

Q_LOGGING_CATEGORY(lcSql, "quorvel.sql")

namespace db
{

QString appFilePath(const QString &fileName)
{
    return QCoreApplication::applicationDirPath() + QLatin1Char('/') + fileName;
}

namespace
{

const QString kImmutableQuery = QStringLiteral("mode=ro&immutable=1");
// readonly_shm: the ordinary road may map a writer's shared-memory file, never create one.
const QString kSharedQuery = QStringLiteral("mode=ro&readonly_shm=1");

// Two characters per code point from U+00C0 and from U+1E00: the letter without its diacritic, blank-padded; two
// blanks keep the character as it is.
constexpr char32_t kLatinFirst = 0x00C0;
constexpr char32_t kLatinLast = 0x024F;
const char kLatin[] = "A A A A A A AEC E E E E I I I I D N O O O O O   O U U U U Y     a a a a a a aec e e e e i i i i "
                      "d n o o o o o   o u u u u y   y A a A a A a C c C c C c C c D d D d E e E e E e E e E e G g G g "
                      "G g G g H h H h I i I i I i I i I i IJijJ j K k   L l L l L l L l L l N n N n N n       O o O o "
                      "O o OEoeR r R r R r S s S s S s S s T t T t T t U u U u U u U u U u U u W w Y y Y Z z Z z Z z   "
                      "b                                             I                 O o                           U "
                      "u         Z z                                             A a I i O o U u U u U u U u U u   A a "
                      "A a         G g K k O o O o     j       G g     N n A a         A a A a E e E e I i I i O o O o "
                      "R r R r U u U u S s T t     H h             A a E e O o O o O o O o Y y                         "
                      "                                ";
constexpr char32_t kExtraFirst = 0x1E00;
constexpr char32_t kExtraLast = 0x1EFF;
const char kLatinExtra[] =
    "A a B b B b B b C c D d D d D d D d D d E e E e E e E e E e F f G g H h H h H h H h H h I i I i "
    "K k K k K k L l L l L l L l M m M m M m N n N n N n N n O o O o O o O o P p P p R r R r R r R r "
    "S s S s S s S s S s T t T t T t T t U u U u U u U u U u V v V v W w W w W w W w W w X x X x Y y "
    "Z z Z z Z z h t w y         SS  A a A a A a A a A a A a A a A a A a A a A a A a E e E e E e E e "
    "E e E e E e E e I i I i O o O o O o O o O o O o O o O o O o O o O o O o U u U u U u U u U u U u "
    "U u Y y Y y Y y Y y             ";
static_assert(sizeof(kLatin) == 2 * (kLatinLast - kLatinFirst + 1) + 1, "one pair per code point");
static_assert(sizeof(kLatinExtra) == 2 * (kExtraLast - kExtraFirst + 1) + 1, "one pair per code point");

// The ASCII letters that replace a code point (one or two, blank-padded), nullptr when it stays as it is.
const char *foldedLetters(char32_t cp)
{
    const char *pair = nullptr;
    if (cp >= kLatinFirst && cp <= kLatinLast)
        pair = kLatin + 2 * (cp - kLatinFirst);
    else if (cp >= kExtraFirst && cp <= kExtraLast)
        pair = kLatinExtra + 2 * (cp - kExtraFirst);
    return pair && pair[0] != ' ' ? pair : nullptr;
}

bool isCombiningAccent(char32_t cp)
{
    return cp >= 0x0300 && cp <= 0x036F;
}

// Folds `size` bytes of UTF-8 into `out`, which has room for `size` bytes: no folded character is longer than its
// UTF-8 form. Bytes that are no valid two- or three-byte sequence are copied as they are. Returns the length.
int foldUtf8(const char *in, int size, char *out)
{
    const auto *bytes = reinterpret_cast<const unsigned char *>(in);
    int length = 0;
    for (int i = 0; i < size;) {
        const unsigned char lead = bytes[i];
        char32_t cp = 0;
        int width = 1;
        if (lead >= 0xC2 && lead <= 0xDF && i + 1 < size && (bytes[i + 1] & 0xC0) == 0x80) {
            cp = (char32_t(lead & 0x1F) << 6) | (bytes[i + 1] & 0x3F);
            width = 2;
        } else if (lead >= 0xE1 && lead <= 0xEF && i + 2 < size && (bytes[i + 1] & 0xC0) == 0x80 &&
                   (bytes[i + 2] & 0xC0) == 0x80) {
            cp = (char32_t(lead & 0x0F) << 12) | (char32_t(bytes[i + 1] & 0x3F) << 6) | (bytes[i + 2] & 0x3F);
            width = 3;
        }
        const char *pair = foldedLetters(cp);
        if (isCombiningAccent(cp)) {
            // dropped
        } else if (pair) {
            out[length++] = pair[0];
            if (pair[1] != ' ')
                out[length++] = pair[1];
        } else {
            for (int k = 0; k < width; ++k)
                out[length++] = in[i + k];
        }
        i += width;
    }
    return length;
}

bool allAscii(const char *text, int size)
{
    for (int i = 0; i < size; ++i)
        if (static_cast<unsigned char>(text[i]) >= 0x80)
            return false;
    return true;
}

void sqlFold(sqlite3_context *context, int, sqlite3_value **argv)
{
    sqlite3_value *value = argv[0];
    if (sqlite3_value_type(value) != SQLITE_TEXT) {
        sqlite3_result_value(context, value); // NULL stays NULL, numbers have no accent
        return;
    }
    const auto *text = reinterpret_cast<const char *>(sqlite3_value_text(value));
    const int size = sqlite3_value_bytes(value);
    if (allAscii(text, size)) {
        sqlite3_result_value(context, value);
        return;
    }
    char *folded = static_cast<char *>(sqlite3_malloc(size));
    if (!folded) {
        sqlite3_result_error_nomem(context);
        return;
    }
    sqlite3_result_text(context, folded, foldUtf8(text, size, folded), sqlite3_free);
}

void openAs(QSqlDatabase &db, const QString &path, ReadMode mode)
{
    db.setDatabaseName(readUri(path, mode));
    db.setConnectOptions(kConnectOptions);
    if (db.open())
        registerFolding(db);
}

// The primary SQLite code of the first read's failure, 0 when the file reads. SQLite opens lazily: only a
// statement that reads the schema meets the locks and side files the ordinary road needs.
int firstReadFailure(const QSqlDatabase &db)
{
    QSqlQuery probe(db);
    if (probe.exec(QStringLiteral("SELECT count(*) FROM sqlite_master")) && probe.next())
        return 0;
    return probe.lastError().nativeErrorCode().toInt() & 0xff;
}

} // namespace

QString foldAccents(const QString &text)
{
    // Character by character: a round trip through UTF-8 would alter a lone surrogate.
    QString folded;
    folded.reserve(text.size());
    for (const QChar c : text) {
        if (isCombiningAccent(c.unicode()))
            continue;
        if (const char *pair = foldedLetters(c.unicode())) {
            folded += QLatin1Char(pair[0]);
            if (pair[1] != ' ')
                folded += QLatin1Char(pair[1]);
        } else {
            folded += c;
        }
    }
    return folded;
}

bool registerFolding(const QSqlDatabase &db)
{
    const QVariant handle = db.driver() ? db.driver()->handle() : QVariant();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
        return false;
    auto *connection = *static_cast<sqlite3 *const *>(handle.constData());
    return connection && sqlite3_create_function_v2(connection, "quorvel_fold", 1, SQLITE_UTF8 | SQLITE_DETERMINISTIC,
                                                    nullptr, sqlFold, nullptr, nullptr, nullptr) == SQLITE_OK;
}

QString readUri(const QString &path, ReadMode mode)
{
    QUrl url = QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath());
    url.setQuery(mode == ReadMode::Immutable ? kImmutableQuery : kSharedQuery);
    return url.toString(QUrl::FullyEncoded);
}

bool inWalMode(const QString &path)
{
    // Bytes 18 and 19 of the header are the file format's write and read versions: 2 in WAL mode, 1 otherwise.
    static const QByteArray magic("SQLite format 3", 16);
    QFile file(path);
    const QByteArray header = file.open(QIODevice::ReadOnly) ? file.read(20) : QByteArray();
    return header.size() == 20 && header.startsWith(magic) && (header.at(18) == 2 || header.at(19) == 2);
}

QSqlDatabase openReadOnly(const QString &path, const QString &connectionName)
{
    const QString walLog = path + QStringLiteral("-wal");
    const ReadMode first = inWalMode(path) && !QFileInfo::exists(walLog) ? ReadMode::Immutable : ReadMode::Shared;
    QSqlDatabase db = QSqlDatabase::addDatabase(kDriver, connectionName);
    openAs(db, path, first);
    if (first == ReadMode::Immutable || !db.isOpen())
        return db;
    // The primary codes that say the ordinary road was refused a lock, a side file or a write.
    const int failure = firstReadFailure(db);
    const bool refused =
        failure == SQLITE_BUSY || failure == SQLITE_READONLY || failure == SQLITE_IOERR || failure == SQLITE_CANTOPEN;
    const bool journalWithContent =
        QFileInfo(walLog).size() > 0 || QFileInfo(path + QStringLiteral("-journal")).size() > 0;
    if (refused && !journalWithContent) {
        db.close();
        openAs(db, path, ReadMode::Immutable);
    }
    return db;
}

ReadMode readMode(const QSqlDatabase &db)
{
    return QUrlQuery(QUrl(db.databaseName())).queryItemValue(QStringLiteral("immutable")) == QLatin1String("1")
               ? ReadMode::Immutable
               : ReadMode::Shared;
}

bool forEachRow(const QSqlDatabase &db, const QString &sql, const RowReader &read, const QString &failurePrefix,
                QString *failure)
{
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (query.exec(sql)) {
        while (query.next())
            read(query);
        // A damaged file can let a statement start, return some rows and then stop.
        if (!query.lastError().isValid())
            return true;
    }
    // On a connection that never opened the driver reports nothing: an empty line would hide why the lists stay empty.
    QString error = query.lastError().text();
    if (error.trimmed().isEmpty())
        error = QStringLiteral("Dictionary not open: statement not run");
    qCDebug(lcSql).noquote() << failurePrefix + error;
    if (failure)
        *failure = error;
    return false;
}

std::optional<QVariantList> firstRow(const QSqlDatabase &db, const QString &sql, int columns)
{
    QVariantList values;
    bool first = true;
    const bool ok = forEachRow(db, sql, [&](const QSqlQuery &row) {
        for (int i = 0; first && i < columns; ++i)
            values << row.value(i);
        first = false;
    });
    return ok ? std::optional<QVariantList>(values) : std::nullopt;
}

QStringList firstColumn(const QSqlDatabase &db, const QString &sql)
{
    QStringList values;
    if (!forEachRow(db, sql, [&values](const QSqlQuery &row) { values << row.value(0).toString(); }))
        values.clear();
    return values;
}

QStringList lastRow(const QSqlDatabase &db, const QString &sql, int columns)
{
    QStringList values;
    const bool ok = forEachRow(db, sql, [&values, columns](const QSqlQuery &row) {
        values.clear();
        for (int i = 0; i < columns; ++i)
            values << row.value(i).toString();
    });
    if (!ok)
        values.clear();
    while (values.size() < columns)
        values << QString();
    return values;
}

} // namespace db
