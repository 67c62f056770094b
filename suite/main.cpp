#include "Startfenster.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tarvello"));
    Startfenster fenster(bestimmeSuitenordner(QCoreApplication::applicationDirPath()));
    fenster.show();
    return app.exec();
}
