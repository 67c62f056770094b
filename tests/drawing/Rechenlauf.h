#pragma once
// A section computed by the real engine, in-process: the transfer lines the
// program writes for the record, the engine's run on them, and the result read
// back into what the detailed drawings take from it.

#include "catalogs/Kataloge.h"
#include "drawing/Detailzeichnungen.h"
#include "engine/Ergebnisdatei.h"
#include "kern/Uebergabeschreiber.h"
#include "kern/Zahlen.h"
#include "report/Ergebnisseite.h"

#include "run.h"

#include <QStringList>
#include <optional>

struct Rechenlauf {
    QStringList zeilen;  // the transfer file
    QString ergebnis;    // the result file
    Ergebnislage lage;
    Schienenbild schiene; // a rail riding on the section without acting
};

// The engine's run on the transfer lines, read back as the result page reads it.
inline std::optional<Rechenlauf> rechneZeilen(const Übergabeinhalt& inhalt)
{
    if (!inhalt.ok)
        return std::nullopt;
    Rechenlauf lauf;
    lauf.zeilen = inhalt.zeilen;
    const QString text = QString::fromUtf8(übergabebytes(lauf.zeilen));
    lauf.ergebnis = QString::fromStdString(delmarix::run(text.toStdString()));
    const Ergebnislesung lesung = leseErgebnistext(lauf.ergebnis);
    if (lesung.fehler != Ergebnisfehler::Keiner)
        return std::nullopt;
    lauf.lage = ergebnislage(lesung.werte);
    lauf.lage.übergabetext = text;
    return lauf;
}

inline QString meldungsnummer(int n) { return QString::number(n); }

// A welded section, its catalog rail looked up in the rail catalog.
inline std::optional<Rechenlauf> rechne(const Querschnittsdaten& q, const QString& schienenkatalog)
{
    const auto fussbreite = [&schienenkatalog](const QString& name) {
        Schienensatz satz;
        leseASchiene(schienenkatalog, name, satz);
        return zahl(satz[5]);
    };
    std::optional<Rechenlauf> lauf = rechneZeilen(baueÜbergabe(q, Beschriftungen(), 1, fussbreite, meldungsnummer));
    if (lauf)
        lauf->schiene = schienenbild(q, schienenkatalog);
    return lauf;
}

inline std::optional<Rechenlauf> rechneWalzprofil(const Querschnittsdaten& q)
{
    return rechneZeilen(baueHProfilÜbergabe(q, meldungsnummer));
}
