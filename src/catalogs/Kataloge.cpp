#include "Kataloge.h"

#include "app/Feldleser.h"

const QStringList& schienenliste()
{
    static const QStringList liste{kKeineKatalogschiene, "A45", "A55", "A65", "A75", "A100", "A120", "A150"};
    return liste;
}

void leseASchiene(const QString& katalogdatei, const QString& name, Schienensatz& satz)
{
    const auto text = leseTextdatei(katalogdatei);
    if (!text)
        return;
    Feldleser leser(*text);
    while (auto schiene = leser.naechstesFeld()) {
        const auto werte = leser.naechstesFeld();
        if (!werte)
            return;
        if (*schiene != name)
            continue;
        // Each value is closed by "|"; a value without its closing "|" is left empty.
        const QStringList teile = werte->split(u'|');
        for (int i = 0; i < 8; ++i)
            satz[size_t(i)] = i + 1 < teile.size() ? teile[i] : QString();
        return;
    }
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
