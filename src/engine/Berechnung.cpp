#include "Berechnung.h"

#include "Rechenkern.h"
#include "app/Dateien.h"
#include "app/Sprachtexte.h"
#include "app/Start.h"
#include "catalogs/Kataloge.h"
#include "kern/Formen.h"
#include "kern/Zahlen.h"

#include <QDir>
#include <QFile>

namespace {

bool schreibe(const Berechnungsumgebung& u, int n, const QByteArray& inhalt, QStringList& meldungen)
{
    QString grund;
    const QString pfad = uebergabedatei(u.pathben, n);
    if (dateischreiber()(pfad, inhalt, grund))
        return true;
    meldungen.append(holeMessage(u.Messagedatei, 47) + u' ' + QDir::toNativeSeparators(pfad) + QStringLiteral(" (") +
                     grund + u')');
    return false;
}

// No result of an earlier run may be read after this one, whichever family
// it was for: an engine that writes nothing then leaves nothing to show.
void loescheErgebnisse(const Berechnungsumgebung& u)
{
    QFile::remove(uebergabedatei(u.pathben, 1));
    QFile::remove(uebergabedatei(u.pathben, 3));
}

// Runs the engine on "Übergabe<eingabeNr>.dat" from the suite's program folder and waits for it.
bool fuehreAus(const Berechnungsumgebung& u, QStringList& meldungen, int ergebnis, int eingabeNr = 2,
               const QString& netz = QString())
{
    const QString eingabe = uebergabedatei(u.pathben, eingabeNr);
    const QString ordner = verbinde(u.pathbasis, QStringLiteral("exefiles"));
    Rechenkernlauf lauf;
    if (!lauf.starte(ordner, eingabe, uebergabedatei(u.pathben, ergebnis), netz)) {
        meldungen.append(holeMessage(u.Messagedatei, 42) + u' ' +
                         QDir::toNativeSeparators(verbinde(ordner, programmdatei(QStringLiteral("Delmarix")))));
        QFile::remove(eingabe);
        return false;
    }
    switch (lauf.warte(eingabe)) {
    case Rechenkernende::Fertig:
        return true;
    case Rechenkernende::OhneEingabeEntfernt:
        QFile::remove(eingabe);
        // An engine that could not remove its input may still have written its reason.
        if (QFile::exists(uebergabedatei(u.pathben, ergebnis)))
            return true;
        meldungen.append(holeMessage(u.Messagedatei, 48));
        return false;
    case Rechenkernende::Zeitueberschritten:
        meldungen.append(holeMessage(u.Messagedatei, 10));
        return false;
    }
    return false;
}

} // namespace

QString uebergabedatei(const QString& pathben, int n)
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

Rechenausgang rechneQuerschnitt(const Querschnittsdaten& q, const Beschriftungen& b, const Berechnungsumgebung& u)
{
    Rechenausgang a;
    loescheErgebnisse(u);
    QFile::remove(uebergabedatei(u.pathben, 0));

    const QString katalog = verbinde(u.pathtext, QStringLiteral("ASchiene"));
    bool katalogHeil = true;
    const Uebergabeinhalt inhalt =
        baueUebergabe(q, b, 1, fussbreiteAus(katalog, katalogHeil), [&u](int n) { return holeMessage(u.Messagedatei, n); });
    // Without the rail's record the flange check would pass a rail of no width.
    if (!katalogHeil) {
        a.meldungen.append(textDateiBeschaedigt(katalog));
        return a;
    }
    a.meldungen = inhalt.meldungen;
    if (!inhalt.ok) {
        if (!inhalt.Fehlliste.isEmpty())
            a.meldungen.append(inhalt.Fehlliste);
        return a;
    }
    const QByteArray text = uebergabebytes(inhalt.zeilen);
    QFile::remove(uebergabedatei(u.pathben, 2));
    if (!schreibe(u, 0, text, a.meldungen) || !schreibe(u, 2, text, a.meldungen)) {
        QFile::remove(uebergabedatei(u.pathben, 0));
        return a;
    }
    a.gerechnet = fuehreAus(u, a.meldungen, 1);
    return a;
}

Rechenausgang rechneWalzprofil(const Querschnittsdaten& q, const Beschriftungen& b, const Berechnungsumgebung& u)
{
    Rechenausgang a;
    loescheErgebnisse(u);
    const Uebergabeinhalt inhalt = baueHProfilUebergabe(q, [&u](int n) { return holeMessage(u.Messagedatei, n); }, b);
    a.meldungen = inhalt.meldungen;
    if (inhalt.ok && schreibe(u, 2, uebergabebytes(inhalt.zeilen), a.meldungen))
        a.gerechnet = fuehreAus(u, a.meldungen, 3);
    return a;
}

std::optional<Pruefergebnis> rechnePruefquerschnitt(const Querschnittsdaten& q, const Berechnungsumgebung& u,
                                                   QStringList& meldungen)
{
    const QString eingabe = uebergabedatei(u.pathben, 4), ergebnis = uebergabedatei(u.pathben, 5);
    const QString netz = netzdateiZu(ergebnis);
    QFile::remove(ergebnis);
    QFile::remove(netz);
    // The section has been written and computed as typed a moment ago: what the writer
    // had to say, it has said.
    const auto still = [](int) { return QString(); };
    bool katalogHeil = true;
    const Uebergabeinhalt inhalt =
        q.familie == kWalzprofil
            ? baueHProfilUebergabe(q, still)
            : baueUebergabe(q, Beschriftungen(), 1, fussbreiteAus(verbinde(u.pathtext, QStringLiteral("ASchiene")), katalogHeil), still);
    if (!inhalt.ok || !inhalt.Fehlliste.isEmpty() || !katalogHeil ||
        !schreibe(u, 4, uebergabebytes(inhalt.zeilen), meldungen))
        return std::nullopt;
    if (!fuehreAus(u, meldungen, 5, 4, netz))
        return std::nullopt;
    const Ergebnislesung lesung = leseErgebnisdatei(ergebnis);
    if (lesung.fehler != Ergebnisfehler::Keiner || !gehoertZu(lesung.werte, q))
        return std::nullopt;
    Pruefergebnis p{lesung.werte, leseSpannungsnetz(netz).netz};
    return p;
}
