// SPDX-License-Identifier: GPL-3.0-or-later
// Statement recording through SQLite's trace hook, and the C API replay that gives each operation its floor.
#include "statementlog.h"

#include <QSqlDatabase>
#include <QSqlDriver>
#include <QVariant>

#include <sqlite3.h>

#include <chrono>
#include <cstring>

namespace bench
{
namespace
{

bool recording = false;
Statements recorded;
// Keeps the optimiser from dropping column reads whose values nobody uses.
volatile unsigned long long readSink = 0;

int onTrace(unsigned type, void *, void *statement, void *)
{
    if (type == SQLITE_TRACE_STMT && recording) {
        if (const char *sql = sqlite3_sql(static_cast<sqlite3_stmt *>(statement)))
            recorded.emplace_back(sql);
    }
    return 0;
}

// The hook is put on only while recording so that timed runs pay nothing for it.
int onOpen(sqlite3 *db, const char **, const struct sqlite3_api_routines *)
{
    if (recording)
        sqlite3_trace_v2(db, SQLITE_TRACE_STMT, onTrace, nullptr);
    return SQLITE_OK;
}

sqlite3 *windowConnection()
{
    const QStringList names = QSqlDatabase::connectionNames();
    for (const QString &name : names) {
        QSqlDatabase db = QSqlDatabase::database(name, false);
        if (!db.isOpen() || !db.driver())
            continue;
        const QVariant handle = db.driver()->handle();
        if (handle.isValid() && qstrcmp(handle.typeName(), "sqlite3*") == 0)
            return *static_cast<sqlite3 *const *>(handle.constData());
    }
    return nullptr;
}

double elapsedMs(std::chrono::steady_clock::time_point since)
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - since).count();
}

} // namespace

void installStatementHook()
{
    sqlite3_auto_extension(reinterpret_cast<void (*)()>(onOpen));
}

void startRecording()
{
    recorded.clear();
    recording = true;
    if (sqlite3 *db = windowConnection())
        sqlite3_trace_v2(db, SQLITE_TRACE_STMT, onTrace, nullptr);
}

Statements stopRecording()
{
    recording = false;
    if (sqlite3 *db = windowConnection())
        sqlite3_trace_v2(db, 0, nullptr, nullptr);
    Statements out;
    out.swap(recorded);
    return out;
}

sqlite3 *openReadOnly(const std::string &path)
{
    sqlite3 *db = nullptr;
    if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
        sqlite3_close(db);
        return nullptr;
    }
    return db;
}

double runStatements(sqlite3 *db, const Statements &statements, long long *rows)
{
    long long rowCount = 0;
    unsigned long long sum = 0;
    const auto start = std::chrono::steady_clock::now();
    for (const std::string &sql : statements) {
        sqlite3_stmt *stmt = nullptr;
        if (sqlite3_prepare_v2(db, sql.c_str(), int(sql.size()), &stmt, nullptr) != SQLITE_OK) {
            sqlite3_finalize(stmt);
            continue;
        }
        while (sqlite3_step(stmt) == SQLITE_ROW) {
            ++rowCount;
            const int columns = sqlite3_column_count(stmt);
            for (int c = 0; c < columns; ++c) {
                switch (sqlite3_column_type(stmt, c)) {
                case SQLITE_INTEGER:
                    sum += static_cast<unsigned long long>(sqlite3_column_int64(stmt, c));
                    break;
                case SQLITE_FLOAT:
                    sum += static_cast<unsigned long long>(sqlite3_column_double(stmt, c));
                    break;
                case SQLITE_TEXT: {
                    const unsigned char *text = sqlite3_column_text(stmt, c);
                    const int bytes = sqlite3_column_bytes(stmt, c);
                    sum += bytes + (text && bytes ? text[0] : 0);
                    break;
                }
                case SQLITE_BLOB: {
                    const void *blob = sqlite3_column_blob(stmt, c);
                    const int bytes = sqlite3_column_bytes(stmt, c);
                    sum += bytes + (blob && bytes ? *static_cast<const unsigned char *>(blob) : 0);
                    break;
                }
                default:
                    break;
                }
            }
        }
        sqlite3_finalize(stmt);
    }
    const double ms = elapsedMs(start);
    readSink = readSink + sum;
    if (rows)
        *rows = rowCount;
    return ms;
}

std::vector<std::string> firstColumn(sqlite3 *db, const std::string &sql)
{
    std::vector<std::string> values;
    sqlite3_stmt *stmt = nullptr;
    if (sqlite3_prepare_v2(db, sql.c_str(), int(sql.size()), &stmt, nullptr) == SQLITE_OK) {
        while (sqlite3_step(stmt) == SQLITE_ROW) {
            const unsigned char *text = sqlite3_column_text(stmt, 0);
            values.emplace_back(text ? reinterpret_cast<const char *>(text) : "");
        }
    }
    sqlite3_finalize(stmt);
    return values;
}

double openAndRunStatements(const std::string &path, const Statements &statements)
{
    const auto start = std::chrono::steady_clock::now();
    sqlite3 *db = openReadOnly(path);
    if (!db)
        return -1;
    runStatements(db, statements);
    sqlite3_close(db);
    return elapsedMs(start);
}

} // namespace bench
