#pragma once
// A section computed by the real engine, in-process: the transfer lines the
// program writes for the record, the engine's run on them, and the result read
// back into what the detailed drawings take from it.

#include "drawing/Detailzeichnungen.h"
#include "engine/Uebergabe.h"

#include "run.h"

#include <QRegularExpression>
#include <QStringList>
#include <optional>

struct Rechenlauf {
    QStringList zeilen;  // the transfer file
    QString ergebnis;    // the result file
    Ergebnislage lage;
};

// The result file read as the result page reads it: fields separated by
// commas or line ends, the second field quoted.
inline std::optional<Ergebnislage> lageAusErgebnis(const QString& text)
{
    QStringList felder;
    QString rest = text;
    const int a = rest.indexOf(u'"'), b = rest.indexOf(u'"', a + 1);
    if (a < 0 || b < 0)
        return std::nullopt;
    rest = rest.left(a) + rest.mid(b + 1);
    for (const QString& f : rest.split(QRegularExpression(QStringLiteral("[,\\r\\n]+")), Qt::SkipEmptyParts))
        if (!f.trimmed().isEmpty())
            felder.append(f.trimmed());
    if (felder.size() < 1 + 9)
        return std::nullopt;
    Ergebnislage l;
    int i = 1;
    const auto zahl = [&] { return i < felder.size() ? felder[i++].toFloat() : 0.0f; };
    for (int k = 0; k < 6; ++k)
        zahl();
    l.ys = zahl();
    float zs = zahl();
    l.apsi = zahl();
    if (zs < 0) {
        zs = -zs;
        zahl();
        zahl();
    }
    l.zs = zs;
    for (size_t k = 0; k < 5; ++k)
        l.steifen[k] = zahl() > 0;
    while (i + 7 <= felder.size() && l.punkte < 17) {
        for (int k = 0; k < 6; ++k)
            zahl();
        l.dicke[size_t(l.punkte++)] = zahl();
    }
    return l;
}

inline std::optional<Rechenlauf> rechne(const Querschnittseingabe& e, const QString& schienenkatalog)
{
    Rechenlauf lauf;
    const Übergabeinhalt inhalt = baueÜbergabe(e, 1, schienenkatalog, [](int n) { return QString::number(n); });
    if (!inhalt.ok)
        return std::nullopt;
    lauf.zeilen = inhalt.zeilen;
    const QString text = lauf.zeilen.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
    lauf.ergebnis = QString::fromStdString(delmarix::run(text.toStdString()));
    const std::optional<Ergebnislage> l = lageAusErgebnis(lauf.ergebnis);
    if (!l || lauf.ergebnis.contains(QStringLiteral("Fehler")))
        return std::nullopt;
    lauf.lage = *l;
    lauf.lage.übergabetext = text;
    return lauf;
}

inline std::optional<Rechenlauf> rechneWalzprofil(const Querschnittseingabe& e)
{
    Rechenlauf lauf;
    const Übergabeinhalt inhalt = baueHProfilÜbergabe(e, [](int n) { return QString::number(n); });
    if (!inhalt.ok)
        return std::nullopt;
    lauf.zeilen = inhalt.zeilen;
    const QString text = lauf.zeilen.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
    lauf.ergebnis = QString::fromStdString(delmarix::run(text.toStdString()));
    const std::optional<Ergebnislage> l = lageAusErgebnis(lauf.ergebnis);
    if (!l || lauf.ergebnis.contains(QStringLiteral("Fehler")))
        return std::nullopt;
    lauf.lage = *l;
    return lauf;
}
