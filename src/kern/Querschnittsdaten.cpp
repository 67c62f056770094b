#include "Querschnittsdaten.h"

#include "Formen.h"

namespace {

Querschnittsdaten nurWalzprofil(const Querschnittsdaten& q)
{
    Querschnittsdaten r;
    r.familie = kWalzprofil;
    r.Typ = q.Typ;
    r.walzprofil = q.walzprofil;
    // The two additions exclude each other; the bottom profile wins, as the file's first line says.
    r.HUGCheck = q.HUGCheck;
    r.HschieneCheck = q.HschieneCheck && !q.HUGCheck;
    if (r.HschieneCheck) {
        r.flachschienenhoehe = q.flachschienenhoehe;
        r.flachschienenbreite = q.flachschienenbreite;
    }
    if (r.HUGCheck)
        r.untergurtprofil = q.untergurtprofil;
    return r;
}

Querschnittsdaten nurGezeigteMasse(const Querschnittsdaten& q)
{
    if (q.familie == kWalzprofil)
        return nurWalzprofil(q);

    Querschnittsdaten r;
    r.familie = q.familie;
    const int x = familieDerForm(q.Querschnittsnummer) == q.familie ? q.Querschnittsnummer : 0;
    r.Querschnittsnummer = x;
    if (x == 0)
        return r;
    const Formlayout l = formlayout(x);
    const Plattenmasse& m = q.masse;
    Plattenmasse& g = r.masse;
    g.obergurtbreite = m.obergurtbreite;
    g.obergurtdicke = m.obergurtdicke;
    if (!mitUntergurtH(x)) {
        g.untergurtbreite = m.untergurtbreite;
        g.untergurtdicke = m.untergurtdicke;
    }
    g.steghoehe = m.steghoehe;
    g.stegdicke = m.stegdicke;
    g.schottbreite = m.schottbreite;
    g.stegwinkel = l.stegwinkel ? m.stegwinkel : QStringLiteral("0");
    if (l.stegdicke2)
        g.stegdicke2 = m.stegdicke2;
    if (l.winkelfelder) {
        g.steghoehe2 = m.steghoehe2;
        g.hoehe2 = m.hoehe2;
        g.breite2 = m.breite2;
    }
    if (l.zelle2)
        g.zelle2 = m.zelle2;
    if (l.schienen) {
        g.schienenhoehe = m.schienenhoehe;
        g.schienenbreite = m.schienenbreite;
        r.schieneMittragend = q.schieneMittragend;
        if (!q.schieneMittragend && bietetKatalogschiene(q.familie))
            r.ASchiene = q.ASchiene;
    }
    if (l.stegprofil) {
        r.stegprofilreihe = q.stegprofilreihe;
        r.stegprofilgroesse = q.stegprofilgroesse;
        r.stegprofil = q.stegprofil;
    }
    if (l.steifen)
        for (size_t i = 0; i < 5; ++i)
            if (l.steifenzeilen[i])
                r.steifen[i] = q.steifen[i];
    // The mid stiffener always sits at the middle of the top flange.
    if (l.steifen && l.steifenzeilen[4])
        r.steifen[4].lage = QStringLiteral("50");
    return r;
}

} // namespace

Querschnittsdaten nurGezeigtes(const Querschnittsdaten& q)
{
    // The design values and the member data belong to the section whatever its form shows.
    Querschnittsdaten r = nurGezeigteMasse(q);
    r.bemessung = q.bemessung;
    r.traeger = q.traeger;
    return r;
}

QString feldname(const QString& beschriftung)
{
    QString name = beschriftung.trimmed();
    if (name.endsWith(u'=') || name.endsWith(u':'))
        name = name.chopped(1).trimmed();
    return name;
}

QString steifenfeldname(const Beschriftungen& b, int zeile, int spalte)
{
    const QString& reihe = b.steifenzeilen[size_t(zeile)];
    if (spalte == 0)
        return reihe.trimmed();
    const QString* spalten[4] = {&b.steifen.lage, &b.steifen.lang1, &b.steifen.lang2, &b.steifen.dicke};
    const QString name = feldname(*spalten[spalte]);
    const int doppelpunkt = reihe.indexOf(u':');
    return doppelpunkt < 0 ? name : reihe.left(doppelpunkt + 1) + u' ' + name;
}

int walzmodus(const Querschnittsdaten& q)
{
    return q.HUGCheck ? kWalzprofilMitUntergurt : q.HschieneCheck ? kWalzprofilMitFlachschiene : kWalzprofilAllein;
}
