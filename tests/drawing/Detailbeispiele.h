#pragma once
// Sections of every offered form and the rolled variants as an engineer would type them, for the drawing tests and pictures.

#include "kern/Formen.h"
#include "kern/Querschnittsdaten.h"

#include <QStringList>

// Fields separated by spaces, "-" for one left empty.
inline QStringList felder(const char* text)
{
    QStringList f = QString::fromUtf8(text).split(u' ', Qt::SkipEmptyParts);
    std::replace(f.begin(), f.end(), QStringLiteral("-"), QString());
    return f;
}
inline HProfilmasse hprofil(const QStringList& f, int ab = 0) { return {f[ab], f[ab + 1], f[ab + 2], f[ab + 3], f[ab + 4]}; }

// The family's sample under the form's number, every stiffener row the form may show filled; a web angle
// given here stays where the form offers one.
inline Querschnittsdaten formbeispiel(int nummer, const char* stegwinkel = "0")
{
    // Family; plates BO TO BU TU HS TS TS2 AS, rail height and width, HS2, the flat's height and width, the second
    // cell's BO3 TO3 HS3 TS3 AS3; stiffener rows 1 to 5 (position, legs, thickness); the web's H profile (series,
    // size, H B S T R). The half H box's rail rides on it from the catalog.
    static const char* const vorlagen[][4] = {
        {"0", "600 20 520 20 1000 12 - 400", "70 150 100 10 70 100 60 10 35 150 100 10 35 100 60 10 50 80 60 10", ""},
        {"1", "600 25 600 20 1200 14 10 500 75 65", "80 120 80 10 75 120 80 10 45 120 80 10 40 120 80 10 50 80 50 10", ""},
        {"2", "700 25 640 20 1000 12 - 500 80 100", "70 120 80 10 70 100 60 10 35 100 60 10 35 100 60 10 50 100 60 10", ""},
        {"5", "500 20 - - 800 10 - 260", "70 100 60 10 70 100 60 10 35 100 60 10 35 100 60 10 50 80 50 10", "HEB 500 500 300 14.5 28 27"},
        {"6", "500 19 700 25 1500 12 12 600 75 65", "70 120 80 12 75 120 80 12 40 120 80 12 35 120 80 12 50 80 50 10", "HEA 400 390 300 11 19 27"},
        {"7", "900 25 1400 20 1200 12 14 600 60 60 - - - 500 20 700 10 300", "75 120 80 10 75 120 80 10 40 120 80 10 65 120 80 10 50 80 50 10", ""},
        {"4", "500 19 420 15 700 12 10 300 50 60 600 12 100", "60 100 60 10 70 100 60 10 30 100 60 10 35 100 60 10 50 80 50 10", "HEB 300 300 300 11 19 27"},
        {"4", "500 20 420 15 900 12 10 300 50 60 600 12 100", "70 100 60 10 70 100 60 10 35 100 60 10 35 100 60 10 50 80 50 10", ""},
    };
    Querschnittsdaten q;
    q.familie = familieDerForm(nummer), q.Querschnittsnummer = nummer;
    Plattenmasse& m = q.masse;
    QString* const platten[] = {&m.obergurtbreite, &m.obergurtdicke, &m.untergurtbreite, &m.untergurtdicke, &m.steghoehe, &m.stegdicke,
                                &m.stegdicke2, &m.schottbreite, &m.schienenhoehe, &m.schienenbreite, &m.steghoehe2, &m.hoehe2,
                                &m.breite2, &m.zelle2.BO3, &m.zelle2.TO3, &m.zelle2.HS3, &m.zelle2.TS3, &m.zelle2.AS3};
    for (const auto& v : vorlagen)
        if (atoi(v[0]) == q.familie && (q.familie != kWinkelkatzprofil || (*v[3] != 0) == mitHalbemH(nummer))) {
            const QStringList p = felder(v[1]), st = felder(v[2]), h = felder(v[3]);
            for (int i = 0; i < p.size(); ++i)
                *platten[i] = p[i];
            for (int i = 0; i < 20; i += 4)
                q.steifen[size_t(i / 4)] = {st[i], st[i + 1], st[i + 2], st[i + 3]};
            if (!h.isEmpty())
                q.stegprofilreihe = h[0], q.stegprofilgroesse = h[1], q.stegprofil = hprofil(h, 2);
        }
    m.stegwinkel = QString::fromLatin1(stegwinkel);
    if (q.familie == kHalbesH)
        q.schieneMittragend = false, q.ASchiene = QStringLiteral("A75");
    return q;
}

// Every drawing the result page can show: each form the combo file offers, a sloped web for each family that
// offers a web angle, the rolled variants (plain, with a flat rail, on a profile under the bottom flange, each
// keeping the others' values typed before their box was unticked); `modus`: the engine's form, 0 when welded.
struct Zeichnungsfall {
    QString name;
    int modus;
    Querschnittsdaten q;
};

inline std::vector<Zeichnungsfall> alleZeichnungsfaelle(const QList<int>& formnummern)
{
    std::vector<Zeichnungsfall> f;
    for (int n : formnummern)
        f.push_back({QStringLiteral("Form_%1").arg(n), 0, formbeispiel(n)});
    // Sloped webs spread the box at the top: the top flanges are as wide as it (the rail at mid flange at
    // 10° under a flange of 1000, whose chains stand beyond the flange's end, near the column's edge; at 5°
    // under a flange of 600 the webs meet the flange at its ends and the rail crowds the cell's top).
    struct Geneigt {
        int form;
        const char *obergurt, *winkel;
    };
    for (const Geneigt& n : {Geneigt{5, "720", "6"}, {19, "840", "6"}, {37, "700", "6"}, {55, "500", "6"},
                             {35, "1000", "10"}, {31, "600", "5"}}) {
        f.push_back({QStringLiteral("Form_%1_geneigt").arg(n.form), 0, formbeispiel(n.form, n.winkel)});
        f.back().q.masse.obergurtbreite = QString::fromLatin1(n.obergurt);
    }
    // Two cells whose middle web's lower stiffener hangs just above the centroid: the labels beside it find
    // their places round the axis symbol.
    f.push_back({QStringLiteral("Form_315_Steife_am_Schwerpunkt"), 0, formbeispiel(315)});
    f.back().q.steifen[3].lage = QStringLiteral("60");
    // A web hanging far below the bottom flange puts the centroid beneath the flange's mid-plane.
    f.push_back({QStringLiteral("Form_201_Schwerpunkt_unten"), 0, formbeispiel(201)});
    {
        Plattenmasse& m = f.back().q.masse;
        m.obergurtbreite = "500", m.obergurtdicke = "10", m.untergurtbreite = "400", m.untergurtdicke = "20";
        m.steghoehe = "1400", m.stegdicke = "20", m.schottbreite = "350", m.stegdicke2 = "10", m.steghoehe2 = "500";
    }
    for (const auto& [modus, profil] : {std::pair{102, "HEB 300 300 300 11 19 27"}, {103, "HEA 500 490 300 12 23 27"},
                                        {110, "HEA 600 600 300 12 23 27"}}) {
        Querschnittsdaten q;
        const QStringList p = felder(profil);
        q.familie = kWalzprofil, q.Typ = p[0] + u' ' + p[1], q.walzprofil = hprofil(p, 2);
        q.HschieneCheck = modus == 103, q.HUGCheck = modus == 110, q.flachschienenhoehe = "40", q.flachschienenbreite = "60";
        q.untergurtprofil = hprofil(felder("80 200 9 15 18")); // HU BU SU TU RU
        f.push_back({QStringLiteral("Walzprofil_%1").arg(modus), modus, q});
    }
    return f;
}
