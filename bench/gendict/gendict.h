// SPDX-License-Identifier: GPL-3.0-or-later
// Synthetic reference dictionaries of any size, for measuring the program on dictionaries larger than the
// one it ships with. The same scale always gives the same file, byte for byte in its contents.
#pragma once

#include <string>

namespace gendict
{

// What one scale unit holds; scale S multiplies the RCs (and the pool of critical diagnoses) by S.
struct Shape {
    int rcsPerScale = 300;
    int criteriaPerRc = 12; // a third of them are sub-criteria
    int synonymsPerRc = 2;
    int seeAlsoPerRc = 3;
    int criticalPerRc = 3;
    int rulesPerRc = 2;
    int argumentBytes = 2048; // UTF-8 argument text, byte-order mark included
    int criticalPoolPerScale = 120;
};

struct Counts {
    long long rcs = 0;
    long long criteria = 0;
    long long synonyms = 0;
    long long seeAlso = 0;
    long long criticalLinks = 0;
    long long rules = 0;
};

// Writes a new dictionary at `path` (an existing file is replaced) from the schema text `schemaSql`.
// Returns false and fills `error` when SQLite refuses something.
bool generate(const std::string &path, int scale, const std::string &schemaSql, std::string &error,
              Counts *counts = nullptr, const Shape &shape = Shape());

// Reads a whole text file; false when it cannot be read.
bool readFile(const std::string &path, std::string &text);

} // namespace gendict
