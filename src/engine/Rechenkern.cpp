#include "Rechenkern.h"

#include "app/Start.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QThread>
#include <QTime>

namespace {

QString mitFragezeichen(QString pfad) { return QDir::toNativeSeparators(pfad).replace(u' ', u'?'); }

// Seconds since midnight, read to the whole second like a clock's text.
int uhrzeitSekunden() { return QTime::currentTime().msecsSinceStartOfDay() / 1000; }

} // namespace

Rechenkernstarter& rechenkernstarter()
{
    static Rechenkernstarter starter = [](const QString& programm, const QStringList& argumente,
                                          const QString& arbeitsverzeichnis) {
        return QProcess::startDetached(programm, argumente, arbeitsverzeichnis);
    };
    return starter;
}

QString rechenkernBefehl(const QString& eingabe, const QString& ergebnis)
{
    return programmdatei(QStringLiteral("Delmarix")) + u' ' + mitFragezeichen(eingabe) + u' ' +
           mitFragezeichen(ergebnis);
}

bool starteRechenkern(const QString& eingabe, const QString& ergebnis)
{
    const QStringList teile = rechenkernBefehl(eingabe, ergebnis).split(u' ');
    // The engine lies in the working directory the caller has just set; never looked up elsewhere.
    const QString programm = verbinde(QDir::currentPath(), teile[0]);
    return rechenkernstarter()(programm, teile.mid(1), QDir::currentPath());
}

bool warteAufRechenkern(const QString& eingabedatei)
{
    const int t0 = uhrzeitSekunden();
    for (;;) {
        if (!QFile::exists(eingabedatei))
            return true;
        int d = uhrzeitSekunden() - t0;
        if (d < 0)
            d += 24 * 3600; // midnight passed while waiting
        if (d > 3)
            break;
        QThread::msleep(5);
    }
    QFile::remove(eingabedatei);
    return false;
}
