#pragma once
// A section computed by the real engine, in-process: the transfer lines the
// program writes for the record, the engine's run on them, and the result read
// back into what the detailed drawings take from it.

#include "drawing/Detailzeichnungen.h"
#include "engine/Ergebnisseite.h"
#include "engine/Uebergabe.h"

#include "run.h"

#include <QStringList>
#include <optional>

struct Rechenlauf {
    QStringList zeilen;  // the transfer file
    QString ergebnis;    // the result file
    Ergebnislage lage;
};

// The engine's run on the transfer lines, read back as the result page reads it.
inline std::optional<Rechenlauf> rechneZeilen(const Übergabeinhalt& inhalt)
{
    if (!inhalt.ok)
        return std::nullopt;
    Rechenlauf lauf;
    lauf.zeilen = inhalt.zeilen;
    const QString text = lauf.zeilen.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
    lauf.ergebnis = QString::fromStdString(delmarix::run(text.toStdString()));
    const Ergebnislesung lesung = leseErgebnistext(lauf.ergebnis);
    if (lesung.fehler != Ergebnisfehler::Keiner)
        return std::nullopt;
    lauf.lage = ergebnislage(lesung.werte);
    lauf.lage.übergabetext = text;
    return lauf;
}

inline std::optional<Rechenlauf> rechne(const Querschnittseingabe& e, const QString& schienenkatalog)
{
    return rechneZeilen(baueÜbergabe(e, 1, schienenkatalog, [](int n) { return QString::number(n); }));
}

inline std::optional<Rechenlauf> rechneWalzprofil(const Querschnittseingabe& e)
{
    return rechneZeilen(baueHProfilÜbergabe(e, [](int n) { return QString::number(n); }));
}
