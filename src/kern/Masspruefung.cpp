#include "Masspruefung.h"

#include "Formen.h"
#include "Zahlen.h"

#include <cmath>

namespace {

// The web slope enters every check through this constant, not an exact π/180.
double sinus(float grad) { return std::sin(double(grad) * 0.0174533); }

float lage(const Schweissmasse& m, int zeile) { return m.steifenlage[size_t(zeile)].value_or(0.f); }

// Half an H profile: stiffener St1 must stay below the profile, St5 not narrower than its flange.
bool st1UeberHalbemH(const Schweissmasse& m)
{
    return mitHalbemH(m.form) && m.steifen &&
           m.steghoehe - (m.profilH - 2 * m.profilT) / 2 < lage(m, 0) / 100 * m.steghoehe;
}
bool st5SchmalerAlsH(const Schweissmasse& m)
{
    return mitHalbemH(m.form) && m.steifen && m.steifenzeilen[4] && m.profilB > m.schottbreite;
}

// A catalog rail's foot must stand on its flange beside the web.
bool katalogschieneZuBreitZweizeller(const Schweissmasse& m)
{
    return istZweizeller(m.form) && m.katalogfuss && !m.schieneMittragend && *m.katalogfuss / 2 >= m.BO3 - m.AS3 - m.TS3 / 2;
}
bool katalogschieneZuBreit(const Schweissmasse& m)
{
    if (!m.katalogfuss)
        return false;
    if (bauart(m.form) == Bauart::Kasten)
        return (m.obergurtbreite - m.schottbreite) / 2 - m.stegdicke - m.steghoehe * sinus(m.stegwinkel) <= *m.katalogfuss / 2;
    return bauart(m.form) == Bauart::HalbesHKasten && *m.katalogfuss >= m.profilB;
}

// The lower stiffener of a web stands below the upper one.
bool st3NichtUnterSt1(const Schweissmasse& m)
{
    return m.steifenzeilen[2] && m.steifenlage[0] && lage(m, 2) >= lage(m, 0);
}
bool st4NichtUnterSt2(const Schweissmasse& m)
{
    return m.steifenzeilen[3] && m.steifenlage[1] && lage(m, 3) >= lage(m, 1);
}

// The top flange carries both webs and the clear width between them.
bool obergurtZuSchmal(const Schweissmasse& m)
{
    const int f = m.familie;
    if (f != kMitteObergurt && f != kWinkelkatzprofil && f != kHalbesH)
        return 2 * (m.steghoehe * sinus(m.stegwinkel) + m.stegdicke) + m.schottbreite > m.obergurtbreite;
    return f == kHalbesH && 2 * m.stegdicke + m.schottbreite > m.obergurtbreite + m.profilB / 2;
}
// Half an H profile under the trolley-rail angle: its flange helps carry the webs.
bool winkelObergurtZuSchmal(const Schweissmasse& m)
{
    return m.familie == kWinkelkatzprofil && mitHalbemH(m.form) &&
           2 * m.stegdicke + m.schottbreite > m.obergurtbreite + m.profilB / 2;
}
// The trolley-rail angle: the rail's web reaches below the second one.
bool winkelstegZuKurz(const Schweissmasse& m)
{
    if (m.familie != kWinkelkatzprofil)
        return false;
    return mitHalbemH(m.form) ? m.profilB / 2 + m.steghoehe <= m.steghoehe2 : m.steghoehe <= m.steghoehe2;
}
// The bottom flange carries the clear width; the H profile's flange under a box carries its webs as well.
bool untergurtZuSchmal(const Schweissmasse& m)
{
    return m.untergurtbreite < m.schottbreite + (mitUntergurtH(m.form) ? 2 * m.stegdicke : 0.f);
}
bool mitteObergurtZuSchmal(const Schweissmasse& m)
{
    return m.familie == kMitteObergurt && 2 * m.stegdicke + m.schottbreiteOben + 10 > m.obergurtbreite;
}
// Webs sloping inwards must not cross above the bottom flange.
bool stegeKreuzen(const Schweissmasse& m)
{
    return m.familie != kMitteObergurt && formlayout(m.form).stegwinkel && m.stegwinkel < 0 &&
           m.schottbreite + 2 * m.steghoehe * sinus(m.stegwinkel) < 10;
}
bool schottbreiteNegativ(const Schweissmasse& m) { return m.familie == kMitteObergurt && m.schottbreite < 0; }

// The second cell: its web within its flange, lower than the first cell's, on the bottom flange,
// and below the stiffeners on the web it shares.
bool zweiteZelleAS3(const Schweissmasse& m) { return istZweizeller(m.form) && m.AS3 + m.TS3 > m.BO3; }
bool zweiteZelleHS3(const Schweissmasse& m) { return istZweizeller(m.form) && m.HS3 >= m.steghoehe; }
bool zweiteZelleUntergurt(const Schweissmasse& m)
{
    return istZweizeller(m.form) &&
           m.schottbreite + m.AS3 + m.stegdicke + m.stegdicke2 + m.TS3 > m.untergurtbreite;
}
bool zweiteZelleAnSt2(const Schweissmasse& m)
{
    return istZweizeller(m.form) && m.steifenzeilen[1] && m.HS3 >= lage(m, 1) / 100 * m.steghoehe;
}
bool zweiteZelleAnSt4(const Schweissmasse& m)
{
    return istZweizeller(m.form) && m.steifenzeilen[3] && m.HS3 >= lage(m, 3) / 100 * m.steghoehe;
}

} // namespace

QString schottbreiteUnten(const Querschnittsdaten& q)
{
    const QString& typisch = q.masse.schottbreite;
    if (q.familie != kMitteObergurt || typisch.isEmpty())
        return typisch;
    const double unten = double(zahl(typisch)) - 2.0 * double(zahl(q.masse.steghoehe)) * sinus(zahl(q.masse.stegwinkel));
    return textMit7Stellen(float(unten));
}

Schweissmasse schweissmasse(const tarvello::geometrie::WeldedDimensions& d, const Querschnittsdaten& q,
                            const Schienenfussbreite& fussbreite)
{
    const Formlayout layout = formlayout(d.form);
    Schweissmasse m;
    m.form = d.form;
    m.familie = q.familie;
    m.obergurtbreite = float(d.topWidth);
    m.untergurtbreite = float(d.bottomWidth);
    m.steghoehe = float(d.webHeight);
    m.stegdicke = float(d.webThickness);
    m.stegdicke2 = float(d.webThickness2);
    m.stegwinkel = float(d.webAngle);
    m.steghoehe2 = float(d.webHeight2);
    m.schottbreite = float(d.clearWidth);
    m.schottbreiteOben = zahl(q.masse.schottbreite);
    m.BO3 = float(d.secondCell.topWidth);
    m.HS3 = float(d.secondCell.webHeight);
    m.TS3 = float(d.secondCell.webThickness);
    m.AS3 = float(d.secondCell.webDistance);
    m.profilH = float(d.profile.height);
    m.profilB = float(d.profile.flangeWidth);
    m.profilT = float(d.profile.flangeThickness);
    m.steifen = layout.steifen;
    m.steifenzeilen = layout.steifenzeilen;
    for (size_t i = 0; i < m.steifenlage.size(); ++i)
        if (d.stiffeners[i].given && !q.steifen[i].lage.isEmpty())
            m.steifenlage[i] = float(d.stiffeners[i].position);
    m.schieneMittragend = q.schieneMittragend;
    if (q.ASchiene != kKeineSchiene)
        m.katalogfuss = fussbreite(q.ASchiene);
    return m;
}

const std::vector<Masspruefung>& masspruefungen()
{
    static const std::vector<Masspruefung> liste{
        {25, katalogschieneZuBreitZweizeller}, {27, st1UeberHalbemH},      {28, st5SchmalerAlsH},
        {19, st3NichtUnterSt1},                {19, st4NichtUnterSt2},     {25, katalogschieneZuBreit},
        {20, obergurtZuSchmal},                {21, winkelstegZuKurz},     {20, winkelObergurtZuSchmal},
        {20, untergurtZuSchmal},
        {20, mitteObergurtZuSchmal},           {20, stegeKreuzen},         {20, schottbreiteNegativ},
        {30, zweiteZelleAS3},                  {31, zweiteZelleHS3},       {33, zweiteZelleUntergurt},
        {32, zweiteZelleAnSt2},                {32, zweiteZelleAnSt4},
    };
    return liste;
}
