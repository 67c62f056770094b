#include "Hauptform.h"

#include "app/Fensterlage.h"

#include <QApplication>
#include <QDir>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tarvello"));

    Hauptform hauptform;
    if (!hauptform.starte(QDir::currentPath()))
        return 1;
    legeAufBildschirm(&hauptform);
    hauptform.show();
    return app.exec();
}
