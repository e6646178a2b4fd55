// SPDX-License-Identifier: GPL-3.0-or-later
// Command line of the dictionary generator: quorvel_gendict SCALE OUTPUT [SCHEMA_SQL]
#include "gendict.h"

#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char **argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s SCALE OUTPUT.sqlite [SCHEMA.sql]\n", argv[0]);
        return 2;
    }
    const int scale = std::atoi(argv[1]);
    const std::string schemaPath = argc > 3 ? argv[3] : QUORVEL_SCHEMA_SQL;
    std::string schema;
    if (!gendict::readFile(schemaPath, schema)) {
        std::fprintf(stderr, "cannot read the schema %s\n", schemaPath.c_str());
        return 1;
    }
    std::string error;
    gendict::Counts counts;
    if (!gendict::generate(argv[2], scale, schema, error, &counts)) {
        std::fprintf(stderr, "generation failed: %s\n", error.c_str());
        return 1;
    }
    std::printf("%s: %lld RCs, %lld criteria, %lld synonyms, %lld see-also links, %lld critical links, %lld rules\n",
                argv[2], counts.rcs, counts.criteria, counts.synonyms, counts.seeAlso, counts.criticalLinks,
                counts.rules);
    return 0;
}
