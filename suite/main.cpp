#include "Startfenster.h"

#include "app/Fensterlage.h"

#include <QApplication>
#include <QComboBox>
#include <QCommandLineParser>
#include <QLineEdit>

int main(int argc, char* argv[])
{
    QApplication::setApplicationName(QStringLiteral("Tarvello"));
    QApplication::setApplicationVersion(QStringLiteral(TARVELLO_VERSION));

    // A shortcut may name the editor and the language and go straight on to the cross-section program.
    QCommandLineParser aufruf;
    aufruf.setApplicationDescription(QStringLiteral("Tarvello – Kranbahnträger-Querschnitte/crane-runway girder cross-sections"));
    aufruf.addHelpOption();
    aufruf.addVersionOption();
    const QCommandLineOption bearbeiter(QStringLiteral("bearbeiter"), QStringLiteral("Bearbeiter/editor"),
                                        QStringLiteral("name"));
    const QCommandLineOption sprache(QStringLiteral("sprache"), QStringLiteral("Sprache/language (D, E, ...)"),
                                     QStringLiteral("L"));
    const QCommandLineOption start(QStringLiteral("start"),
                                   QStringLiteral("gleich starten/start the cross-section program at once"));
    aufruf.addOptions({bearbeiter, sprache, start});

    // Help and version are answered in a terminal without a display too.
    QStringList argumente;
    for (int i = 0; i < argc; ++i)
        argumente.append(QString::fromLocal8Bit(argv[i]));
    aufruf.parse(argumente);
    if (aufruf.isSet(QStringLiteral("help")) || aufruf.isSet(QStringLiteral("help-all")) ||
        aufruf.isSet(QStringLiteral("version"))) {
        QCoreApplication auskunft(argc, argv);
        aufruf.process(auskunft);
        return 0;
    }

    QApplication app(argc, argv);
    // The desktop names the window after the suite's menu entry.
    QGuiApplication::setDesktopFileName(QStringLiteral("tarvello"));
    aufruf.process(app);

    Startfenster fenster(bestimmeSuitenordner(QCoreApplication::applicationDirPath()));
    if (aufruf.isSet(bearbeiter))
        fenster.Bearbeiterfeld->setText(aufruf.value(bearbeiter));
    if (aufruf.isSet(sprache)) {
        const int eintrag = fenster.Sprachliste->findData(aufruf.value(sprache));
        if (eintrag >= 0)
            fenster.Sprachliste->setCurrentIndex(eintrag);
    }
    // A start that fails has said why; the window then stays for a second try.
    if (aufruf.isSet(start) && fenster.starteQuerschnitt())
        return 0;
    legeAufBildschirm(&fenster);
    fenster.show();
    return app.exec();
}
