// SPDX-License-Identifier: GPL-3.0-or-later
// quorvel-check DICTIONARY: reports, one French line each, what in a dictionary file keeps Quorvel from
// showing it right. Exit code 0 when clean, 1 when problems were found, 2 when the file cannot be read or the
// command line is wrong. The help text follows the manual page docs/man/quorvel-check.1.in.
#include "dictionarycheck.h"

#include <QCoreApplication>
#include <QTextStream>

namespace
{

const char *const kHelp = "Usage : quorvel-check [OPTION] FICHIER_DICTIONNAIRE\n"
                          "Vérifie un dictionnaire de Quorvel sans le modifier et écrit une ligne par problème "
                          "trouvé.\n"
                          "\n"
                          "  -h, --help     affiche cette aide et quitte\n"
                          "      --version  affiche la version et quitte\n"
                          "\n"
                          "Code de sortie : 0 sans problème, 1 problèmes trouvés, 2 fichier illisible ou "
                          "commande incorrecte.\n";

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    out.setEncoding(QStringConverter::Utf8);
    err.setEncoding(QStringConverter::Utf8);
#else
    out.setCodec("UTF-8");
    err.setCodec("UTF-8");
#endif
    const QString tryHelp = QStringLiteral("Essayez « quorvel-check --help » pour plus d'informations.\n");

    QStringList files;
    const QStringList args = app.arguments().mid(1);
    for (const QString &arg : args) {
        if (!arg.startsWith(QLatin1Char('-'))) {
            files << arg;
        } else if (arg == QLatin1String("-h") || arg == QLatin1String("--help")) {
            out << QString::fromUtf8(kHelp);
            return 0;
        } else if (arg == QLatin1String("--version")) {
            out << QStringLiteral("quorvel-check " QUORVEL_VERSION "\n");
            return 0;
        } else {
            err << QStringLiteral("quorvel-check : option inconnue « %1 »\n").arg(arg) << tryHelp;
            return 2;
        }
    }
    if (files.size() != 1) {
        err << (files.isEmpty() ? QStringLiteral("quorvel-check : aucun fichier de dictionnaire indiqué\n")
                                : QStringLiteral("quorvel-check : un seul fichier de dictionnaire à la fois\n"))
            << tryHelp;
        return 2;
    }

    const check::Report report = check::checkDictionary(files.first());
    for (const QString &line : report.lines)
        out << line << '\n';
    for (const QString &note : report.notes)
        out << QStringLiteral("Remarque : ") << note << '\n';
    if (report.status == check::Report::Clean)
        out << QStringLiteral("Aucun problème trouvé.\n");
    else if (report.status == check::Report::Problems)
        out << report.lines.size() << QStringLiteral(" problème(s) trouvé(s).\n");
    return int(report.status);
}
