// SPDX-License-Identifier: GPL-3.0-or-later
// Counts the statements the window runs during one operation, and runs the statements a gesture needs straight
// through SQLite's C API: what SQLite alone needs for them is the floor the window's time is compared with.
#pragma once

#include <string>
#include <vector>

struct sqlite3;

namespace bench
{

using Statements = std::vector<std::string>;

// Hooks every SQLite connection the process opens from now on; call before the first window is built.
void installStatementHook();

// Between start and stop, every statement started on the window's connection (or on a connection opened
// meanwhile) is recorded with its text.
void startRecording();
Statements stopRecording();

// Read-only connection, as the window opens its dictionary. Null on failure.
sqlite3 *openReadOnly(const std::string &path);

// Prepares, steps and reads every column of every row of each statement; returns milliseconds.
// rows (optional) receives the number of rows read.
double runStatements(sqlite3 *db, const Statements &statements, long long *rows = nullptr);

// Column 0 of every row of a statement, as text (NULL gives an empty text): the dictionary's own answer to what a
// gesture will load.
std::vector<std::string> firstColumn(sqlite3 *db, const std::string &sql);

// Opening the file and running the statements on that fresh connection, as a window does when it starts.
double openAndRunStatements(const std::string &path, const Statements &statements);

} // namespace bench
