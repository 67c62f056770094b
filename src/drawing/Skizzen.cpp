#include "Skizzen.h"

#include "Zeichenflaeche.h"
#include "Zeichenprimitive.h"
#include "kern/Formen.h"

#include <QImage>
#include <QPainter>
#include <QtMath>
#include <functional>
#include <initializer_list>

namespace {

const QString Schrift = QStringLiteral("Times New Roman");
constexpr double Schriftgroesse = 12;
// The few texts of the second cell and of the trolley-rail angle are smaller.
constexpr double KleineSchrift = 10;

struct Strecke {
    double x1, y1, x2, y2;
};

// A longitudinal stiffener as the sketch shows it: two heavy strokes (the
// plate and its lip) and its name.
struct Steifensymbol {
    Strecke a, b;
    double textX, textY;
    const char* name;
};

void kasten(Zeichenflaeche& f, double x, double y, double breite, double hoehe)
{
    f.rechteck(x, y, x + breite, y + hoehe);
}

void linie(Zeichenflaeche& f, const Strecke& s) { f.linie(s.x1, s.y1, s.x2, s.y2); }

void setzeStil(Zeichenflaeche& f)
{
    f.setzeSchrift(Schrift, Schriftgroesse);
    f.setzeFett(false);
    f.setzeLinienbreite(linienbreite(1));
}

// Draws the strokes with the stiffener width and goes back to the outline width.
void steifenlinien(Zeichenflaeche& f, std::initializer_list<Strecke> strecken)
{
    f.setzeLinienbreite(linienbreite(3));
    for (const Strecke& s : strecken)
        linie(f, s);
    f.setzeLinienbreite(linienbreite(1));
}

// Draws the "HB" height of the stiffeners above the bottom flange, its label
// low on the line: below the lip of a lower stiffener and clear of that
// stiffener's name beside it.
void hoeheDerSteife(Zeichenflaeche& f, double x, double oben, double unten)
{
    const QString text = QStringLiteral("HB");
    const double mitte = unten - 0.3 * (unten - oben);
    linie(f, {x, oben, x, mitte - 2.5});
    linie(f, {x, unten, x, mitte + 2.5});
    zeichnePfeil(x, oben, 3);
    zeichnePfeil(x, unten, 4);
    schreibeBei(x - f.textWidth(text) / 2, mitte - f.textHeight(text) / 2, text);
}

// The stiffener rows the form's input shows, St1 as bit 0: the sketch draws what can be typed.
unsigned gezeigteSteifen(int c)
{
    const Formlayout l = formlayout(c);
    unsigned auswahl = 0;
    for (size_t i = 0; i < l.steifenzeilen.size(); ++i)
        if (l.steifen && l.steifenzeilen[i])
            auswahl |= 1u << i;
    return auswahl;
}

// The five stiffener places of a sketch; St1 carries the "HB" dimension.
struct Steifenplaetze {
    Steifensymbol st[5];
    double hbX, hbOben, hbUnten;
};

// All strokes first, then St1's "HB" over them, then the names.
void zeichneSteifen(Zeichenflaeche& f, const Steifenplaetze& p, unsigned auswahl)
{
    for (int i = 0; i < 5; ++i)
        if (auswahl & (1u << i))
            steifenlinien(f, {p.st[i].a, p.st[i].b});
    if (auswahl & 1u)
        hoeheDerSteife(f, p.hbX, p.hbOben, p.hbUnten);
    for (int i = 0; i < 5; ++i)
        if (auswahl & (1u << i))
            schreibeBei(p.st[i].textX, p.st[i].textY, QString::fromLatin1(p.st[i].name));
}

// Named right of its plate: on the left the web's thickness is written.
const Steifensymbol St5 = {{30, 10, 30, 15}, {30, 15, 27, 15}, 31, 10, "St5"};

// Places on the webs of the box with the rail over one web (rail side right).
const Steifenplaetze PlaetzeSchieneUeberSteg = {{{{46, 22, 40, 22}, {40, 22, 40, 26}, 33, 23, "St1"},
                                                 {{14, 23, 20, 23}, {20, 23, 20, 27}, 21, 24, "St2"},
                                                 {{40, 30, 46, 30}, {40, 30, 40, 34}, 33, 31, "St3"},
                                                 {{14, 33, 20, 33}, {20, 33, 20, 37}, 21, 34, "St4"},
                                                 St5},
                                                42.5, 22, 50};

const Steifenplaetze PlaetzeWinkelkatzprofil = {{{{46, 25, 40, 25}, {40, 25, 40, 29}, 33, 25, "St1"},
                                                 {{14, 23, 20, 23}, {20, 23, 20, 27}, 21, 24, "St2"},
                                                 {{40, 31, 46, 31}, {40, 31, 40, 35}, 33, 32, "St3"},
                                                 {{14, 33, 20, 33}, {20, 33, 20, 37}, 21, 34, "St4"},
                                                 St5},
                                                42.5, 25, 50};

// In the two-cell box St1 sits on the outer (left) web and St5 under the
// higher top flange.
const Steifenplaetze PlaetzeZweizeller = {{{{14, 19, 20, 19}, {20, 19, 20, 23}, 21, 21, "St1"},
                                           {{46, 18, 40, 18}, {40, 18, 40, 22}, 33, 19, "St2"},
                                           {{14, 28, 20, 28}, {20, 28, 20, 32}, 21, 29, "St3"},
                                           {{40, 30, 46, 30}, {40, 30, 40, 34}, 33, 31, "St4"},
                                           {{30, 8, 30, 13}, {30, 13, 27, 13}, 31, 8, "St5"}},
                                          17.5, 19, 50};

// The sloped-web mark: a line along the web and the Greek alpha beside it.
void stegneigung(Zeichenflaeche& f, const Strecke& s, double textX, double textY)
{
    linie(f, s);
    schreibeBei(textX, textY, QStringLiteral("α"));
}

// Rail-side web under the rail with the top flange over the whole box.
void obergurtMitSteg(Zeichenflaeche& f, double steghoehe)
{
    kasten(f, 8, 7, 44, 3);
    kasten(f, 46, 10, 2, steghoehe);
    zeichneKleinmass(52, 7, 52, 10, QStringLiteral("TO"), 3);
    zeichneMass(8, 7, 52, 7, QStringLiteral("BO"), 3);
}

// Half an H profile under the rail, its flange closing the top plate.
void halbesHProfil(Zeichenflaeche& f, double steghoehe)
{
    kasten(f, 8, 7, 32, 3);
    zeichneMass(8, 7, 40, 7, QStringLiteral("BO"), 3);
    // The plate thickness by a pointer from the left, the dimension line
    // over the plate being taken by "BO".
    f.linie(8, 7, 4, 7);
    f.linie(5, 7, 5, 4);
    schreibeBei(1.5, 0, QStringLiteral("TO"));
    zeichnePfeil(5, 7, 4);
    kasten(f, 46, 15, 2, steghoehe);
    for (const Strecke& s : {Strecke{40, 7, 54, 7}, Strecke{54, 7, 54, 10}, Strecke{54, 10, 49, 10},
                             Strecke{40, 10, 45, 10}, Strecke{46, 15, 46, 11}, Strecke{48, 15, 48, 11}})
        linie(f, s);
    f.bogen(44, 12, 2, 0, M_PI / 2);
    f.bogen(50, 12, 2, M_PI / 2, M_PI);
}

// Box with the rail over one web; from 111 on the rail web is half an H profile.
void skizzeSchieneUeberSteg(Zeichenflaeche& f, int c)
{
    if (mitHalbemH(c))
        halbesHProfil(f, 35);
    else
        obergurtMitSteg(f, 40);
    kasten(f, 12, 10, 2, 40);
    kasten(f, 5, 50, 50, 4);
    zeichneKleinmass(12, 17, 14, 17, QStringLiteral("TS2"), 1);
    // Lower than TS2: St5's name stands to the right of its plate.
    zeichneKleinmass(46, 19, 48, 19, QStringLiteral("TS1"), 2);
    zeichneKleinmass(55, 50, 55, 54, QStringLiteral("TU"), 3);
    zeichneMass(8, 10, 5, 50, QStringLiteral("HS"), 1);
    zeichneMass(5, 57, 55, 57, QStringLiteral("BU"), 12);
    zeichneMass(14, 52, 46, 52, QStringLiteral("AS"), 12);
    kasten(f, 44.5, 4, 5, 3);
    if (!mitHalbemH(c))
        stegneigung(f, {48, 50, 52, 40}, 51, 36);
    zeichneSteifen(f, PlaetzeSchieneUeberSteg, gezeigteSteifen(c));
    f.setzeLinienbreite(linienbreite(1));
    zeichneAchsenkreuz(30, 28, 0);
}

// Stiffeners of the boxes without a rail over a web: both webs at once.
void steifenreihen(Zeichenflaeche& f, int c, double hbUnten)
{
    // Rows 1 and 3 stand on both webs at once; row 5 at mid top flange.
    const unsigned auswahl = gezeigteSteifen(c);
    const bool reihe1 = auswahl & 1u, reihe2 = auswahl & 4u, mitte = auswahl & 16u;

    const auto reihe = [&](double y) {
        steifenlinien(f, {{14, y, 20, y}, {46, y, 40, y}, {20, y, 20, y + 4}, {40, y, 40, y + 4}});
    };
    if (reihe1)
        reihe(22);
    if (mitte)
        steifenlinien(f, {St5.a, St5.b});
    if (reihe2)
        reihe(30);
    if (reihe1) {
        hoeheDerSteife(f, 17.5, 22, hbUnten);
        hoeheDerSteife(f, 42.5, 22, hbUnten);
    }
    if (reihe1)
        schreibeBei(33, 23, QStringLiteral("St1"));
    if (mitte)
        schreibeBei(St5.textX, St5.textY, QString::fromLatin1(St5.name));
    if (reihe2)
        schreibeBei(33, 31, QStringLiteral("St3"));
}

// Box without rail, or with the rail on the middle of the top flange.
void ohneSchiene(Zeichenflaeche& f, int c)
{
    kasten(f, 8, 7, 44, 3);
    kasten(f, 12, 10, 2, 40);
    kasten(f, 46, 10, 2, 40);
    kasten(f, 5, 50, 50, 4);
    zeichneKleinmass(12, 14, 14, 14, QStringLiteral("TS"), 1);
    zeichneKleinmass(46, 14, 48, 14, QStringLiteral("TS"), 2);
    zeichneKleinmass(52, 7, 52, 10, QStringLiteral("TO"), 3);
    zeichneKleinmass(55, 50, 55, 54, QStringLiteral("TU"), 3);
    zeichneMass(8, 10, 5, 50, QStringLiteral("HS"), 1);
    zeichneMass(5, 57, 55, 57, QStringLiteral("BU"), 12);
    zeichneMass(8, 6.5, 52, 6.5, QStringLiteral("BO"), 3);
    const double yAS = schieneMitteObergurt(c) ? 14 : 52;
    zeichneMass(14, yAS, 46, yAS, QStringLiteral("AS"), 12);
    stegneigung(f, {48, 50, 52, 40}, 51, 36);
    // The rail at mid flange stands under "BO": low enough to leave its letters free.
    if (schieneMitteObergurt(c))
        kasten(f, 27.5, 5, 5, 2);
    steifenreihen(f, c, 50);
    f.setzeLinienbreite(linienbreite(1));
    zeichneAchsenkreuz(30, 28, 0);
}

// Box without rail whose bottom chord is an H profile (51..59), named in
// the user's language or by its neutral designation.
void hProfilAlsUntergurt(Zeichenflaeche& f, int c, const QString& name)
{
    kasten(f, 8, 7, 44, 3);
    kasten(f, 12, 10, 2, 35);
    kasten(f, 46, 10, 2, 35);
    for (const Strecke& s : {Strecke{5, 45, 55, 45}, Strecke{5, 45, 5, 49}, Strecke{55, 45, 55, 49},
                             Strecke{5, 49, 28.5, 49}, Strecke{31.5, 49, 55, 49}, Strecke{5, 64, 55, 64},
                             Strecke{5, 64, 5, 60}, Strecke{55, 64, 55, 60}, Strecke{5, 60, 28.5, 60},
                             Strecke{31.5, 60, 55, 60}, Strecke{28.5, 49, 28.5, 60}, Strecke{31.5, 49, 31.5, 60}})
        linie(f, s);
    f.linie(30, 55, 34, 55);
    schreibeBei(35, 52, name.isEmpty() ? QStringLiteral("HE") : name);
    zeichneKleinmass(12, 14, 14, 14, QStringLiteral("TS"), 1);
    zeichneKleinmass(46, 14, 48, 14, QStringLiteral("TS"), 2);
    zeichneKleinmass(52, 7, 52, 10, QStringLiteral("TO"), 3);
    zeichneMass(8, 10, 5, 45, QStringLiteral("HS"), 1);
    zeichneMass(8, 6.5, 52, 6.5, QStringLiteral("BO"), 3);
    zeichneMass(14, 14, 46, 14, QStringLiteral("AS"), 12);
    stegneigung(f, {48, 45, 52, 39}, 51, 35);
    steifenreihen(f, c, 45);
    f.setzeLinienbreite(linienbreite(1));
    zeichneAchsenkreuz(30, 28, 0);
}

// Two-cell box (311..319): drawn with the origin 4 to the right so that the
// second cell fits; the left edge is put back at the end.
void zweizeller(Zeichenflaeche& f, int c)
{
    const double randVorher = f.linkerRand();
    f.setzeLinkenRand(4);
    kasten(f, 8, 5, 44, 3);
    kasten(f, 46, 8, 2, 42);
    kasten(f, 12, 8, 2, 42);
    kasten(f, 5, 50, 61, 4);
    kasten(f, 48, 35, 19, 2);
    kasten(f, 58, 37, 2, 13);
    zeichneKleinmass(52, 5, 52, 8, QStringLiteral("TO"), 3);
    // "BO" as high as in the other boxes: measured from the plate's top edge
    // its label would leave the picture at the top.
    zeichneMass(8, 6.5, 52, 6.5, QStringLiteral("BO"), 3);
    zeichneKleinmass(12, 15, 14, 15, QStringLiteral("TS1"), 1);
    zeichneKleinmass(46, 16, 48, 16, QStringLiteral("TS2"), 2);
    zeichneMass(9, 8, 9, 50, QStringLiteral("HS"), 1);
    zeichneMass(5, 57, 66, 57, QStringLiteral("BU"), 12);
    zeichneMass(14, 52, 46, 52, QStringLiteral("AS"), 12);
    // The bottom plate's thickness: an arrow from below up to its underside.
    zeichnePfeil(9, 54, 3);
    f.linie(9, 54, 9, 59);
    kasten(f, 56.5, 32, 5, 3);
    zeichneSteifen(f, PlaetzeZweizeller, gezeigteSteifen(c));
    f.setzeLinienbreite(linienbreite(1));
    zeichneAchsenkreuz(30, 28, 0);

    f.setzeSchriftgroesse(KleineSchrift);
    schreibeBei(7, 50, QStringLiteral("TU"));
    zeichneKleinmass(56, 35, 56, 37, QStringLiteral("TO3"), 8);
    zeichneMass(48, 30, 67, 30, QStringLiteral("BO3"), 3);
    f.linie(67, 30, 67, 36);
    zeichneMass(66, 37, 66, 50, QStringLiteral("HS3"), 1);
    zeichneKleinmass(58, 48, 60, 48, QStringLiteral("TS3"), 2);
    zeichneKleinmass(48, 58, 58, 58, QStringLiteral("AS3"), 0);
    f.linie(48, 48, 48, 59);
    f.linie(58, 48, 58, 59);
    f.setzeLinkenRand(randVorher);
}

// Box with a trolley-rail angle on the rail-side web (201..299); from 221 on
// that web is half an H profile.
void winkelkatzprofil(Zeichenflaeche& f, int c)
{
    if (!mitHalbemH(c)) {
        obergurtMitSteg(f, 47);
        zeichneMass(54, 10, 54, 57, QStringLiteral("HS"), 1);
    } else {
        halbesHProfil(f, 42);
        zeichneMass(54, 15, 54, 57, QStringLiteral("HS"), 1);
    }
    f.linie(48, 15, 56, 15);
    kasten(f, 12, 10, 2, 40);
    kasten(f, 4, 50, 42, 4);
    kasten(f, 48, 49, 3, 6);
    f.setzeSchriftgroesse(KleineSchrift);
    schreibeBei(46, 3.8, QStringLiteral("1"));
    schreibeBei(49, 50, QStringLiteral("2"));
    f.setzeSchriftgroesse(Schriftgroesse);
    for (const Strecke& s :
         {Strecke{46, 57, 37, 57}, Strecke{4, 53, 4, 57}, Strecke{14, 50, 14, 52}, Strecke{48, 57, 56, 57}})
        linie(f, s);

    // Axis arrows of their own, clear of the angle and the stiffeners.
    f.linie(30, 35, 30, 40);
    f.linie(30, 35, 31, 37);
    f.linie(30, 35, 29, 37);
    schreibeBei(29.2, 31, QStringLiteral("z"));
    f.linie(30, 40, 25, 40);
    f.linie(25, 40, 27, 41);
    f.linie(25, 40, 27, 39);
    schreibeBei(25, 40, QStringLiteral("y"));

    zeichneKleinmass(12, 17, 14, 17, QStringLiteral("TS2"), 1);
    zeichneKleinmass(46, 22, 48, 22, QStringLiteral("TS1"), 2);
    zeichneKleinmass(11, 50, 11, 54, QStringLiteral("TU"), 8);
    zeichneMass(8, 10, 5, 50, QStringLiteral("HS2"), 1);
    // The overhangs of the flanges beyond the webs follow from BO, BU, AS and the webs: no field,
    // so no name in the sketch.
    zeichneMass(4, 59.5, 46, 59.5, QStringLiteral("BU"), 12);
    zeichneMass(14, 55, 46, 55, QStringLiteral("AS"), 12);
    kasten(f, 44.5, 4, 5, 3);
    zeichneSteifen(f, PlaetzeWinkelkatzprofil, gezeigteSteifen(c));
    f.setzeLinienbreite(linienbreite(1));
}

void zeichneInBild(QImage& bild, int faktor, const std::function<void(Zeichenflaeche&)>& zeichne)
{
    bild = QImage(Skizzenpixel * faktor, Skizzenpixel * faktor, QImage::Format_RGB32);
    // The millimetre scale follows the picture's resolution, that of the screen.
    const int punkteProMeter = qRound(Skizzendpi / 0.0254);
    bild.setDotsPerMeterX(punkteProMeter);
    bild.setDotsPerMeterY(punkteProMeter);
    bild.fill(Qt::white);
    QPainter painter(&bild);
    painter.scale(faktor, faktor);
    Zeichenflaeche f(&painter);
    zeichne(f);
}

} // namespace

void zeichneQuerschnittsskizze(Zeichenflaeche& f, int Querschnittsnummer, const Skizzentexte& texte)
{
    const Zeichenzielbindung bindung(&f, true);
    f.loesche();
    setzeStil(f);
    const int c = Querschnittsnummer;
    // A number that offers no section stays empty.
    switch (bauart(c)) {
    case Bauart::Kasten:
        if (schieneUeberSteg(c))
            skizzeSchieneUeberSteg(f, c);
        else
            ohneSchiene(f, c);
        break;
    case Bauart::HalbesHKasten: skizzeSchieneUeberSteg(f, c); break;
    case Bauart::KastenAufH: hProfilAlsUntergurt(f, c, texte.hProfil); break;
    case Bauart::Winkelprofil: winkelkatzprofil(f, c); break;
    case Bauart::Zweizeller: zweizeller(f, c); break;
    case Bauart::Keine:
    case Bauart::Walzprofil: break;
    }
}

void zeichneWalzprofilskizze(Zeichenflaeche& f, int variante)
{
    const Zeichenzielbindung bindung(&f, true);
    f.loesche();
    setzeStil(f);
    kasten(f, 8, 7, 44, 3);
    kasten(f, 29, 10, 2, 40);
    if (variante != 2) {
        kasten(f, 8, 50, 44, 3);
    } else {
        // The profile under the bottom flange takes the flange's place; the
        // cut through the web marks where the two profiles meet.
        kasten(f, 16, 50, 28, 3);
        f.linie(8, 53, 16, 53);
        f.linie(29, 37, 31, 39);
        f.linie(29, 39, 31, 37);
        f.linie(19, 38, 29, 38);
        f.linie(32, 49, 36, 45);
        f.linie(32, 49, 34, 48);
        f.linie(32, 49, 32, 47);
        schreibeBei(36, 44, QStringLiteral("RU"));
    }
    f.bogen(26, 13, 3, 0, M_PI / 2);
    f.bogen(34, 13, 3, M_PI / 2, M_PI);
    f.bogen(26, 47, 3, 3 * M_PI / 2, 0);
    f.bogen(34, 47, 3, M_PI, 3 * M_PI / 2);
    f.linie(24, 15, 29, 10);
    f.linie(28, 11, 26, 12);
    f.linie(28, 11, 27.5, 13);
    schreibeBei(22, 16, QStringLiteral("R"));
    f.linie(5, 7, 9, 7);
    f.linie(5, 53, 9, 53);

    zeichneKleinmass(29, 30, 31, 30, QStringLiteral("S"), 1);
    if (variante != 2) {
        zeichneMass(8, 55, 52, 55, QStringLiteral("B"), 12);
    } else {
        zeichneMass(16, 55, 44, 55, QStringLiteral("BU"), 12);
        zeichneMass(8, 7, 52, 7, QStringLiteral("B"), 3);
        zeichneKleinmass(44, 50, 44, 53, QStringLiteral("TU"), 3);
        zeichneMass(20, 38, 20, 50, QStringLiteral("HU"), 1);
        zeichneKleinmass(29, 42, 31, 42, QStringLiteral("SU"), 1);
    }
    zeichneKleinmass(52, 7, 52, 10, QStringLiteral("T"), 3);
    zeichneMass(6, 7, 6, 53, QStringLiteral("H"), 1);
    if (variante == 1)
        kasten(f, 27.5, 4, 5, 3);
}

QImage skizzenbild(int Querschnittsnummer, int faktor, const Skizzentexte& texte)
{
    QImage bild;
    zeichneInBild(bild, faktor, [&](Zeichenflaeche& f) { zeichneQuerschnittsskizze(f, Querschnittsnummer, texte); });
    return bild;
}

QImage walzprofilbild(int variante, int faktor)
{
    QImage bild;
    zeichneInBild(bild, faktor, [&](Zeichenflaeche& f) { zeichneWalzprofilskizze(f, variante); });
    return bild;
}
