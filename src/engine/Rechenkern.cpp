#include "Rechenkern.h"

#include "app/Start.h"

#include <QDir>
#include <QFile>
#include <QTime>

namespace {

QString mitFragezeichen(QString pfad) { return QDir::toNativeSeparators(pfad).replace(u' ', u'?'); }

} // namespace

int uhrzeitSekunden() { return QTime::currentTime().msecsSinceStartOfDay() / 1000; }

QString rechenkernBefehl(const QString& eingabe, const QString& ergebnis, const QString& netz)
{
    QString befehl = programmdatei(QStringLiteral("Delmarix")) + u' ' + mitFragezeichen(eingabe) + u' ' +
                     mitFragezeichen(ergebnis);
    if (!netz.isEmpty())
        befehl += u' ' + mitFragezeichen(netz);
    return befehl;
}

bool Rechenkernlauf::starte(const QString& ordner, const QString& eingabe, const QString& ergebnis, const QString& netz)
{
    const QStringList teile = rechenkernBefehl(eingabe, ergebnis, netz).split(u' ');
    // The engine lies in the suite's program folder and runs there; never looked up elsewhere.
    m_prozess.setProgram(verbinde(ordner, teile[0]));
    m_prozess.setArguments(teile.mid(1));
    m_prozess.setWorkingDirectory(ordner);
    m_prozess.setProcessChannelMode(QProcess::ForwardedChannels);
    m_prozess.start();
    return m_prozess.waitForStarted(3000);
}

Rechenkernende Rechenkernlauf::warte(const QString& eingabedatei, const Uhr& uhr)
{
    const int t0 = uhr();
    for (;;) {
        if (!QFile::exists(eingabedatei)) {
            m_prozess.waitForFinished(1000);
            return Rechenkernende::Fertig;
        }
        // An engine that has ended will not remove its input any more: no need to wait out the clock.
        if (m_prozess.state() == QProcess::NotRunning || m_prozess.waitForFinished(5))
            return QFile::exists(eingabedatei) ? Rechenkernende::OhneEingabeEntfernt : Rechenkernende::Fertig;
        int d = uhr() - t0;
        if (d < 0)
            d += 24 * 3600; // midnight passed while waiting
        if (d > 3)
            break;
    }
    QFile::remove(eingabedatei);
    return Rechenkernende::Zeitueberschritten;
}
