#include "Kataloge.h"

#include "kern/Feldleser.h"
#include "kern/Zahlen.h"

#include <algorithm>

using tarvello::geometrie::Point;

const QStringList& schienenliste()
{
    static const QStringList liste{kKeineKatalogschiene, "A45", "A55", "A65", "A75", "A100", "A120", "A150"};
    return liste;
}

bool leseASchiene(const QString& katalogdatei, const QString& name, Schienensatz& satz)
{
    const auto text = leseTextdatei(katalogdatei);
    if (!text)
        return false;
    Feldleser leser(*text);
    while (auto schiene = leser.naechstesFeld()) {
        const auto werte = leser.naechstesFeld();
        if (!werte)
            return false;
        if (*schiene != name)
            continue;
        // Each value is closed by "|"; a value without its closing "|" is left empty.
        const QStringList teile = werte->split(u'|');
        for (int i = 0; i < int(satz.size()); ++i)
            satz[size_t(i)] = i + 1 < teile.size() ? teile[i] : QString();
        return true;
    }
    return false;
}

std::optional<Profilwerte> leseProfilwerte(const QString& tabellendatei, int groesse)
{
    const auto text = leseTextdatei(tabellendatei);
    if (!text)
        return std::nullopt;
    Feldleser leser(*text);
    while (auto nenngroesse = leser.naechstesFeld()) {
        const auto masse = leser.naechstesFeld();
        if (!masse)
            return std::nullopt;
        const auto g = alsGanzzahl16(*nenngroesse);
        if (!g || *g != groesse)
            continue;
        // H|B|S|T|R: the fifth value is everything after the fourth "|".
        const QStringList teile = masse->split(u'|');
        Profilwerte werte;
        for (int i = 0; i < 4 && i < teile.size(); ++i)
            werte[size_t(i)] = teile[i];
        if (teile.size() > 4)
            werte[4] = teile.mid(4).join(u'|');
        return werte;
    }
    return std::nullopt;
}

const QStringList& walzprofilreihen()
{
    static const QStringList liste{"HEA", "HEB", "HEM", "IPE"};
    return liste;
}

const QStringList& stegprofilreihen()
{
    static const QStringList liste{"HEA", "HEB", "HEM"};
    return liste;
}

const QStringList& heGroessen()
{
    static const QStringList liste{"100", "120", "140", "160", "180", "200", "220", "240",
                                   "260", "280", "300", "320", "340", "360", "400", "450",
                                   "500", "550", "600", "650", "700", "800", "900", "1000"};
    return liste;
}

const QStringList& ipeGroessen()
{
    static const QStringList liste{"80",  "100", "120", "140", "160", "180", "200", "220", "240",
                                   "270", "300", "330", "360", "400", "450", "500", "550", "600"};
    return liste;
}

std::vector<Point> schienenumriss(const Schienensatz& satz)
{
    // DIN 536-1 form A as the record describes it: the head k wide, h3 deep at
    // its edge and h2 at the web (h3 where the record gives no h2); the web b3
    // thick; the foot b1 wide, f3 thick at its edge rising straight to f1 at the
    // web. The standard's radii are left out.
    const double h1 = zahl(satz[0]), h3 = zahl(satz[2]), k = zahl(satz[3]);
    const double h2 = satz[1].trimmed().isEmpty() ? h3 : zahl(satz[1]);
    const double b3 = zahl(satz[4]), b1 = zahl(satz[5]), f1 = zahl(satz[6]), f3 = zahl(satz[7]);
    if (!(h1 > 0 && k > 0 && b1 > 0 && b3 > 0 && b3 < k && b3 < b1 && f3 > 0 && f1 >= f3 && h3 > 0 && h2 >= h3 &&
          f1 + h2 < h1))
        return {};
    std::vector<Point> rechts{{b1 / 2, 0}, {b1 / 2, f3}, {b3 / 2, f1}, {b3 / 2, h1 - h2}, {k / 2, h1 - h3}, {k / 2, h1}};
    std::vector<Point> ring = rechts;
    for (auto it = rechts.rbegin(); it != rechts.rend(); ++it)
        ring.push_back({-it->y, it->z});
    return ring;
}

std::optional<Schienenkennwerte> schienenkennwerte(const Schienensatz& satz)
{
    const double A = zahl(satz[8]), I = zahl(satz[9]);
    if (!(A > 0))
        return std::nullopt;
    return Schienenkennwerte{A * 100, I > 0 ? I * 1e4 : 0.0};
}

QString fremderListenname(const Querschnittsdaten& gezeigt)
{
    const auto fremd = [](const QString& name, const QStringList& liste) {
        return !name.isEmpty() && !liste.contains(name);
    };
    if (fremd(gezeigt.ASchiene, schienenliste()))
        return gezeigt.ASchiene;
    if (fremd(gezeigt.stegprofilreihe, stegprofilreihen()))
        return gezeigt.stegprofilreihe;
    if (fremd(gezeigt.stegprofilgroesse, heGroessen()))
        return gezeigt.stegprofilgroesse;
    return {};
}
