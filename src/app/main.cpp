// Entry point: builds the window, then installs the toolkit's French texts for what it shows afterwards.
#include "app/quorvel.h"

#include <QApplication>
#include <QDebug>
#include <QTranslator>

int main(int argc, char *argv[])
{
    // Qt 6 passes fractional screen scale factors through; rounding them, as Qt 5 does, keeps pixel sizes whole.
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::Round);
    QApplication app(argc, argv);
    Quorvel window;
    window.showMaximized();

    QTranslator translator;
    if (!translator.load(QStringLiteral(":/qtbase_fr.qm"), QString(), QString(), QString()))
        qDebug() << "fail load qt_fr.qm";
    if (!app.installTranslator(&translator))
        qDebug() << "fail install qt_fr.qm";

    return app.exec();
}
