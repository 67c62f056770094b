#include "Berechnung.h"

#include "Rechenkern.h"
#include "app/Dateien.h"
#include "app/Meldungen.h"
#include "app/Sprachdateien.h"
#include "app/Start.h"
#include "catalogs/Kataloge.h"
#include "kern/Formen.h"
#include "kern/Zahlen.h"

#include <QDir>
#include <QFile>

namespace {

void zeige(const QString& text) { meldungen().zeige(text, Meldungssymbol::Keins); }

bool schreibe(const Berechnungsumgebung& u, int n, const QByteArray& inhalt)
{
    QString grund;
    const QString pfad = übergabedatei(u.pathben, n);
    if (dateischreiber()(pfad, inhalt, grund))
        return true;
    zeige(holeMessage(u.Messagedatei, 47) + u' ' + QDir::toNativeSeparators(pfad) + QStringLiteral(" (") + grund + u')');
    return false;
}

// No result of an earlier run may be read after this one, whichever family
// it was for: an engine that writes nothing then leaves nothing to show.
void loescheErgebnisse(const Berechnungsumgebung& u)
{
    QFile::remove(übergabedatei(u.pathben, 1));
    QFile::remove(übergabedatei(u.pathben, 3));
}

// Runs the engine on "Übergabe<eingabeNr>.dat" from the suite's program folder and waits for it.
bool fuehreAus(const Berechnungsumgebung& u, int ergebnis, int eingabeNr = 2, const QString& netz = QString())
{
    const QString eingabe = übergabedatei(u.pathben, eingabeNr);
    setzeVerzeichnis(verbinde(u.pathbasis, QStringLiteral("exefiles")), true);
    Rechenkernlauf lauf;
    const bool gestartet = lauf.starte(eingabe, übergabedatei(u.pathben, ergebnis), netz);
    const QString programm = verbinde(QDir::currentPath(), programmdatei(QStringLiteral("Delmarix")));
    setzeVerzeichnis(u.pathben, true);
    if (!gestartet) {
        zeige(holeMessage(u.Messagedatei, 42) + u' ' + QDir::toNativeSeparators(programm));
        QFile::remove(eingabe);
        return false;
    }
    switch (lauf.warte(eingabe)) {
    case Rechenkernende::Fertig:
        return true;
    case Rechenkernende::OhneEingabeEntfernt:
        QFile::remove(eingabe);
        // An engine that could not remove its input may still have written its reason.
        if (QFile::exists(übergabedatei(u.pathben, ergebnis)))
            return true;
        zeige(holeMessage(u.Messagedatei, 48));
        return false;
    case Rechenkernende::Zeitueberschritten:
        zeige(holeMessage(u.Messagedatei, 10));
        return false;
    }
    return false;
}

} // namespace

QString übergabedatei(const QString& pathben, int n)
{
    return verbinde(pathben, QStringLiteral("Übergabe%1.dat").arg(n));
}

namespace {

// The rail's foot width from the catalog, for the writer's flange checks; `heil` falls
// when the rail's record is missing or gives no width.
Schienenfussbreite fussbreiteAus(const QString& katalog, bool& heil)
{
    return [katalog, &heil](const QString& name) {
        Schienensatz satz;
        heil = leseASchiene(katalog, name, satz) && zahl(satz[5]) > 0 && heil;
        return zahl(satz[5]);
    };
}

} // namespace

bool rechneQuerschnitt(const Querschnittsdaten& q, const Beschriftungen& b, const Berechnungsumgebung& u)
{
    loescheErgebnisse(u);
    QFile::remove(übergabedatei(u.pathben, 0));

    const QString katalog = verbinde(u.pathtext, QStringLiteral("ASchiene"));
    bool katalogHeil = true;
    const Übergabeinhalt inhalt =
        baueÜbergabe(q, b, 1, fussbreiteAus(katalog, katalogHeil), [&u](int n) { return holeMessage(u.Messagedatei, n); });
    // Without the rail's record the flange check would pass a rail of no width.
    if (!katalogHeil) {
        zeige(textDateiBeschaedigt(katalog));
        return false;
    }
    for (const QString& meldung : inhalt.meldungen)
        zeige(meldung);
    if (!inhalt.ok) {
        if (!inhalt.Fehlliste.isEmpty())
            zeige(inhalt.Fehlliste);
        return false;
    }
    const QByteArray text = übergabebytes(inhalt.zeilen);
    QFile::remove(übergabedatei(u.pathben, 2));
    if (!schreibe(u, 0, text) || !schreibe(u, 2, text)) {
        QFile::remove(übergabedatei(u.pathben, 0));
        return false;
    }
    return fuehreAus(u, 1);
}

bool rechneWalzprofil(const Querschnittsdaten& q, const Berechnungsumgebung& u)
{
    loescheErgebnisse(u);
    const Übergabeinhalt inhalt = baueHProfilÜbergabe(q, [&u](int n) { return holeMessage(u.Messagedatei, n); });
    for (const QString& meldung : inhalt.meldungen)
        zeige(meldung);
    if (!inhalt.ok || !schreibe(u, 2, übergabebytes(inhalt.zeilen)))
        return false;
    return fuehreAus(u, 3);
}

std::optional<Pruefergebnis> rechnePruefquerschnitt(const Querschnittsdaten& q, const Berechnungsumgebung& u)
{
    const QString eingabe = übergabedatei(u.pathben, 4), ergebnis = übergabedatei(u.pathben, 5);
    const QString netz = netzdateiZu(ergebnis);
    QFile::remove(ergebnis);
    QFile::remove(netz);
    // The section has been written and computed as typed a moment ago: what the writer
    // had to say, it has said.
    const auto still = [](int) { return QString(); };
    bool katalogHeil = true;
    const Übergabeinhalt inhalt =
        q.familie == kWalzprofil
            ? baueHProfilÜbergabe(q, still)
            : baueÜbergabe(q, Beschriftungen(), 1, fussbreiteAus(verbinde(u.pathtext, QStringLiteral("ASchiene")), katalogHeil), still);
    if (!inhalt.ok || !inhalt.Fehlliste.isEmpty() || !katalogHeil || !schreibe(u, 4, übergabebytes(inhalt.zeilen)))
        return std::nullopt;
    if (!fuehreAus(u, 5, 4, netz))
        return std::nullopt;
    const Ergebnislesung lesung = leseErgebnisdatei(ergebnis);
    if (lesung.fehler != Ergebnisfehler::Keiner || !gehoertZu(lesung.werte, q))
        return std::nullopt;
    Pruefergebnis p{lesung.werte, leseSpannungsnetz(netz).netz};
    return p;
}
