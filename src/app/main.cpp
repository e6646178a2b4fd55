// SPDX-License-Identifier: GPL-3.0-or-later
// Entry point: builds the window, then installs the toolkit's French texts for what it shows afterwards.
#include "app/appearance.h"
#include "app/quorvel.h"
#include "app/resources.h"

#include <QApplication>
#include <QTranslator>

int main(int argc, char *argv[])
{
    appearance::setApplicationAttributes();
    quorvelInitResources();
    QApplication app(argc, argv);
    Quorvel window;
    window.showMaximized();

    QTranslator translator;
    if (!translator.load(QStringLiteral(":/qtbase_fr.qm"), QString(), QString(), QString()))
        qCDebug(lcTrace) << "fail load qt_fr.qm";
    if (!app.installTranslator(&translator))
        qCDebug(lcTrace) << "fail install qt_fr.qm";

    return app.exec();
}
