// quorvel-check DICTIONARY: reports, one French line each, what in a dictionary file keeps Quorvel from
// showing it right. Exit code 0 when clean, 1 when problems were found, 2 when the file cannot be read.
#include "check/dictionarycheck.h"

#include <QCoreApplication>
#include <QTextStream>

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
    const QStringList args = app.arguments();
    if (args.size() != 2 || args.at(1).startsWith(QLatin1Char('-'))) {
        err << QStringLiteral("Usage : quorvel-check FICHIER_DICTIONNAIRE\n"
                              "Vérifie un dictionnaire sans le modifier. Code de sortie : 0 sans problème, "
                              "1 problèmes trouvés, 2 fichier illisible.\n");
        return 2;
    }
    const check::Report report = check::checkDictionary(args.at(1));
    for (const QString &line : report.lines)
        out << line << '\n';
    if (report.status == check::Report::Clean)
        out << QStringLiteral("Aucun problème trouvé.\n");
    else if (report.status == check::Report::Problems)
        out << report.lines.size() << QStringLiteral(" problème(s) trouvé(s).\n");
    return int(report.status);
}
