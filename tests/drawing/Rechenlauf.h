#pragma once
// A section computed by the real engine, in-process: the transfer lines the program writes for the record, the
// engine's run on them, and the result read back into what the detailed drawings take from it.

#include "catalogs/Kataloge.h"
#include "kern/Uebergabeschreiber.h"
#include "kern/Zahlen.h"
#include "report/Ergebnisseite.h"
#include "run.h"

struct Rechenlauf {
    Ergebnislage lage;
    Schienenbild schiene; // a rail riding on the section without acting
};

inline QString meldungsnummer(int n) { return QString::number(n); }

inline std::optional<Rechenlauf> rechneZeilen(const Uebergabeinhalt& inhalt, const Schienenbild& schiene = {})
{
    if (!inhalt.ok)
        return std::nullopt;
    const QString text = QString::fromUtf8(uebergabebytes(inhalt.zeilen));
    const Ergebnislesung lesung = leseErgebnistext(QString::fromStdString(delmarix::run(text.toStdString())));
    if (lesung.fehler != Ergebnisfehler::Keiner)
        return std::nullopt;
    Rechenlauf lauf{ergebnislage(lesung.werte), schiene};
    lauf.lage.uebergabetext = text;
    return lauf;
}

// A welded section, its catalog rail's foot width looked up in the rail catalog.
inline std::optional<Rechenlauf> rechne(const Querschnittsdaten& q, const QString& katalog)
{
    const auto fussbreite = [&katalog](const QString& name) { Schienensatz satz; leseASchiene(katalog, name, satz); return zahl(satz[5]); };
    return rechneZeilen(baueUebergabe(q, Beschriftungen(), 1, fussbreite, meldungsnummer), schienenbild(q, katalog));
}

inline std::optional<Rechenlauf> rechneWalzprofil(const Querschnittsdaten& q)
{
    return rechneZeilen(baueHProfilUebergabe(q, meldungsnummer));
}
