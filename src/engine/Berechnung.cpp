#include "Berechnung.h"

#include "Rechenkern.h"
#include "app/Meldungen.h"
#include "app/Sprachdateien.h"
#include "app/Start.h"
#include "catalogs/Kataloge.h"
#include "kern/Zahlen.h"

#include <QDir>
#include <QFile>

namespace {

bool schreibeZeilen(const QString& pfad, const QStringList& zeilen)
{
    QFile datei(pfad);
    if (!datei.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    const QByteArray inhalt = übergabebytes(zeilen);
    const bool ok = datei.write(inhalt) == inhalt.size();
    datei.close();
    return ok;
}

void zeige(const QString& text) { meldungen().zeige(text, Meldungssymbol::Keins); }

bool starteImProgrammordner(const Berechnungsumgebung& u, int ergebnis)
{
    setzeVerzeichnis(verbinde(u.pathbasis, QStringLiteral("exefiles")), true);
    if (starteRechenkern(übergabedatei(u.pathben, 2), übergabedatei(u.pathben, ergebnis)))
        return true;
    zeige(holeMessage(u.Messagedatei, 42) + u' ' +
          QDir::toNativeSeparators(verbinde(QDir::currentPath(), programmdatei(QStringLiteral("Delmarix")))));
    QFile::remove(übergabedatei(u.pathben, 2));
    return false;
}

// No result of an earlier run may be read after this one, whichever family
// it was for: an engine that writes nothing then leaves nothing to show.
void loescheErgebnisse(const Berechnungsumgebung& u)
{
    QFile::remove(übergabedatei(u.pathben, 1));
    QFile::remove(übergabedatei(u.pathben, 3));
}

} // namespace

QString übergabedatei(const QString& pathben, int n)
{
    return verbinde(pathben, QStringLiteral("Übergabe%1.dat").arg(n));
}

bool schreibeÜbergabe(const Querschnittsdaten& q, const Beschriftungen& b, const Berechnungsumgebung& u, int Laufwert)
{
    loescheErgebnisse(u);
    QFile::remove(übergabedatei(u.pathben, 0));

    const QString katalog = verbinde(u.pathtext, QStringLiteral("ASchiene"));
    const auto fussbreite = [&katalog](const QString& name) {
        Schienensatz satz;
        leseASchiene(katalog, name, satz);
        return zahl(satz[5]);
    };
    const Übergabeinhalt inhalt =
        baueÜbergabe(q, b, Laufwert, fussbreite, [&u](int n) { return holeMessage(u.Messagedatei, n); });
    for (const QString& meldung : inhalt.meldungen)
        zeige(meldung);
    if (!inhalt.ok) {
        if (!inhalt.Fehlliste.isEmpty())
            zeige(inhalt.Fehlliste);
        return false;
    }
    const QString datei0 = übergabedatei(u.pathben, 0);
    const QString datei2 = übergabedatei(u.pathben, 2);
    setzeVerzeichnis(u.pathben, true);
    QFile::remove(datei2);
    if (!schreibeZeilen(datei0, inhalt.zeilen) || !QFile::copy(datei0, datei2)) {
        zeige(holeMessage(u.Messagedatei, 42) + u' ' + QDir::toNativeSeparators(datei2));
        QFile::remove(datei0);
        return false;
    }
    const bool gestartet = starteImProgrammordner(u, 1);
    setzeVerzeichnis(u.pathben, true);
    return gestartet;
}

bool schreibeHProfilÜbergabe(const Querschnittsdaten& q, const Berechnungsumgebung& u)
{
    loescheErgebnisse(u);
    const Übergabeinhalt inhalt = baueHProfilÜbergabe(q, [&u](int n) { return holeMessage(u.Messagedatei, n); });
    for (const QString& meldung : inhalt.meldungen)
        zeige(meldung);
    if (!inhalt.ok)
        return false;
    if (!schreibeZeilen(übergabedatei(u.pathben, 2), inhalt.zeilen)) {
        zeige(holeMessage(u.Messagedatei, 42) + u' ' + QDir::toNativeSeparators(übergabedatei(u.pathben, 2)));
        return false;
    }
    return starteImProgrammordner(u, 3);
}

bool warteUndMelde(const Berechnungsumgebung& u)
{
    if (warteAufRechenkern(übergabedatei(u.pathben, 2)))
        return true;
    zeige(holeMessage(u.Messagedatei, 10));
    return false;
}
