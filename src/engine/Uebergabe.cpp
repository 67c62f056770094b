#include "Uebergabe.h"

#include "app/Start.h"
#include "app/Zahlen.h"

#include <cmath>

namespace {

// The web slope enters every check through this constant, not an exact π/180.
double sinus(float grad) { return std::sin(double(grad) * 0.0174533); }

class Schreiber {
public:
    Schreiber(Übergabeinhalt& inhalt, const Meldungstext& message) : m_inhalt(inhalt), m_message(message) {}

    // A value line; an empty value is not written and its caption joins the list of missing fields.
    void wert(const QString& text, const QString& beschriftung)
    {
        if (!text.isEmpty()) {
            QString zeile = text;
            m_inhalt.zeilen.append(zeile.replace(u',', u'.'));
            return;
        }
        m_inhalt.ok = false;
        if (beschriftung.isEmpty())
            return;
        if (m_inhalt.Fehlliste.isEmpty())
            m_inhalt.Fehlliste = m_message(2) + QStringLiteral("\n") + beschriftung;
        else
            m_inhalt.Fehlliste += QStringLiteral(", ") + beschriftung;
    }
    void ganzzahl(int n) { m_inhalt.zeilen.append(QString::number(n)); }
    void melde(int n)
    {
        m_inhalt.meldungen.append(m_message(n));
        m_inhalt.ok = false;
    }
    void meldeWenn(bool fehler, int n)
    {
        if (fehler)
            melde(n);
    }

private:
    Übergabeinhalt& m_inhalt;
    const Meldungstext& m_message;
};

bool offen(double x, double von, double bis) { return x > von && x < bis; }

} // namespace

QString textMit7Stellen(float wert)
{
    QString text = QString::number(double(wert), 'g', 7);
    return text.replace(u',', u'.');
}

QString übergabedatei(const QString& pathben, int n)
{
    return verbinde(pathben, QStringLiteral("Übergabe%1.dat").arg(n));
}

Übergabeinhalt baueÜbergabe(const Querschnittseingabe& e, int Laufwert, const QString& schienenkatalog,
                            const Meldungstext& holeMessage)
{
    Übergabeinhalt inhalt;
    inhalt.Abmessung = e.Abmessung;
    auto& A = inhalt.Abmessung;
    const int x = e.Querschnittsnummer;
    Schreiber s(inhalt, holeMessage);

    if (!e.formGewaehlt && x == 0) {
        s.melde(2);
        return inhalt;
    }
    const bool stegprofilFehlt = e.Combo1_2.isEmpty() || e.Combo1_3.isEmpty();
    if ((offen(x, 110, 120) || offen(x, 220, 300)) && stegprofilFehlt) {
        inhalt.meldungen.append(holeMessage(2) + QStringLiteral("\n") + e.Abmessungslabel[19]);
        inhalt.ok = false;
        return inhalt;
    }
    if (offen(x, 50, 60)) {
        // The bottom flange of this family is the H profile's flange.
        if (stegprofilFehlt) {
            inhalt.Fehlliste = holeMessage(2) + QStringLiteral("\n") + e.Abmessungslabel[19];
            A[2] = A[0];
            A[3] = A[1];
            inhalt.ok = false;
        } else {
            A[2] = e.hwert[1];
            A[3] = e.hwert[3];
        }
    }
    inhalt.dateiGeschrieben = true;

    const float h = zahl(A[4]), t = zahl(A[5]), t2 = zahl(A[6]), bOG = zahl(A[0]), bUG = zahl(A[2]);
    const float h2 = zahl(A[13]), alpha = zahl(A[14]);
    const float BO3 = zahl(A[20]), TO3 = zahl(A[21]), HS3 = zahl(A[22]), TS3 = zahl(A[23]), AS3 = zahl(A[24]);
    Q_UNUSED(TO3);
    const float B = zahl(e.hwert[1]), H = zahl(e.hwert[0]), T = zahl(e.hwert[3]);
    auto p = [&e](int i) { return zahl(e.Stort[size_t(i)]); };
    const bool mitteObergurt = e.familie == 2;

    s.wert(QString::number(x), QString());
    s.wert(A[14], e.Abmessungslabel[14]);
    for (int i = 0; i <= 5; ++i)
        s.wert(A[size_t(i)], e.Abmessungslabel[size_t(i)]);

    // The rail at mid top flange is dimensioned by its width at the top; the engine wants it at the bottom.
    inhalt.schottbreiteEingegeben = A[7];
    if (mitteObergurt && !A[7].isEmpty())
        A[7] = textMit7Stellen(float(double(zahl(A[7])) - 2.0 * double(h) * sinus(alpha)));
    s.wert(A[7], e.Abmessungslabel[mitteObergurt ? 8 : 7]);
    const float bS = zahl(A[7]);

    Schienensatz schiene;
    if (offen(x, 10, 50) || x > 60) {
        const bool einWeb = x < 200 || x > 300;
        const bool winkel = offen(x, 200, 300);
        if (einWeb)
            s.wert(A[6].isEmpty() ? A[5] : A[6], QString());
        if (winkel) {
            s.wert(A[6], e.Abmessungslabel[6]);
            s.wert(A[13], e.Abmessungslabel[13]);
        }
        s.ganzzahl(e.schieneMittragend ? 1 : 0);
        if (e.schieneMittragend) {
            s.wert(A[11], e.Abmessungslabel[11]);
            s.wert(A[10], e.Abmessungslabel[10]);
        }
        if (einWeb)
            s.ganzzahl(Laufwert);
        if (winkel) {
            s.wert(A[16], e.Abmessungslabel[16]);
            s.wert(A[15], e.Abmessungslabel[15]);
        }
        if (x > 300 && e.ASchiene != kKeineKatalogschiene && !e.schieneMittragend) {
            leseASchiene(schienenkatalog, e.ASchiene, schiene);
            s.meldeWenn(zahl(schiene[5]) / 2 >= BO3 - AS3 - TS3 / 2, 25);
        }
        const bool halbesH = offen(x, 110, 120) || offen(x, 220, 300);
        if (halbesH && e.steifenframeSichtbar) {
            s.meldeWenn(h - (H - 2 * T) / 2 < p(0) / 100 * h, 27);
            s.meldeWenn(e.steifeSichtbar[4] && B > bS, 28);
        }
        if (halbesH)
            for (int i = 0; i <= 4; ++i)
                s.wert(e.hwert[size_t(i)], e.Hlabel[size_t(i)]);
        if (x > 300)
            for (int i = 20; i <= 24; ++i)
                s.wert(A[size_t(i)], e.Abmessungslabel[size_t(i)]);
    }

    int zeilen = 0;
    for (bool sichtbar : e.steifeSichtbar)
        zeilen += sichtbar ? 1 : 0;
    s.ganzzahl(zeilen);
    for (int i = 0; i < 5; ++i) {
        if (!e.steifeSichtbar[size_t(i)])
            continue;
        s.ganzzahl(i + 1);
        s.wert(e.Stort[size_t(i)], e.steifenbeschriftung[0]);
        s.wert(e.StLang1[size_t(i)], e.steifenbeschriftung[1]);
        s.wert(e.StLang2[size_t(i)], e.steifenbeschriftung[2]);
        s.wert(e.StDick[size_t(i)], e.steifenbeschriftung[3]);
    }

    const double sa = sinus(alpha);
    const bool schieneGewaehlt = e.ASchiene != kKeineKatalogschiene;
    s.meldeWenn(e.steifeSichtbar[2] && !e.Stort[0].isEmpty() && p(2) >= p(0), 19);
    s.meldeWenn(e.steifeSichtbar[3] && !e.Stort[1].isEmpty() && p(3) >= p(1), 19);
    if (schieneGewaehlt) {
        leseASchiene(schienenkatalog, e.ASchiene, schiene);
        const float bSch = zahl(schiene[5]);
        if (x < 100)
            s.meldeWenn((bOG - bS) / 2 - t - h * sa <= bSch / 2, 25);
        if (offen(x, 100, 300))
            s.meldeWenn(bSch >= B, 25);
    }
    if (e.familie != 2 && e.familie != 4 && e.familie != 6)
        s.meldeWenn(2 * (h * sa + t) + bS > bOG, 20);
    if (e.familie == 6)
        s.meldeWenn(2 * t + bS > bOG + B / 2, 20);
    if (e.familie == 4 && x < 220)
        s.meldeWenn(h <= h2, 21);
    if (e.familie == 4 && x > 220) {
        s.meldeWenn(B / 2 + h <= h2, 21);
        s.meldeWenn(2 * t + bS > bOG + B / 2, 20);
    }
    s.meldeWenn(bUG < bS, 20);
    if (mitteObergurt && 2 * t + zahl(inhalt.schottbreiteEingegeben) + 10 > bOG) {
        A[7] = inhalt.schottbreiteEingegeben;
        s.melde(20);
    }
    if (!mitteObergurt && e.stegwinkelSichtbar && alpha < 0)
        s.meldeWenn(bS + 2 * h * sa < 10, 20);
    if (mitteObergurt && bS < 0) {
        A[7] = inhalt.schottbreiteEingegeben;
        s.melde(20);
    }
    if (offen(x, 50, 59)) {
        s.wert(e.hwert[0], e.Hlabel[0]);
        s.wert(e.hwert[2], e.Hlabel[2]);
        s.wert(e.hwert[4], e.Hlabel[4]);
    }
    if (x > 300) {
        s.meldeWenn(AS3 + TS3 > BO3, 30);
        s.meldeWenn(HS3 >= h, 31);
        s.meldeWenn(bS + AS3 + t + t2 + TS3 > bUG, 33);
    }
    s.meldeWenn(e.steifeSichtbar[1] && HS3 >= p(1) / 100 * h, 32);
    s.meldeWenn(e.steifeSichtbar[3] && HS3 >= p(3) / 100 * h, 32);
    return inhalt;
}

Übergabeinhalt baueHProfilÜbergabe(const Querschnittseingabe& e, const Meldungstext& holeMessage)
{
    Übergabeinhalt inhalt;
    inhalt.Abmessung = e.Abmessung;
    auto fehlt = [&](int i) { return e.hwert[size_t(i)].isEmpty(); };
    auto verweigere = [&](const QString& text) {
        inhalt.meldungen.append(text);
        inhalt.ok = false;
        return inhalt;
    };
    for (int i = 0; i <= 4; ++i)
        if (fehlt(i))
            return verweigere(holeMessage(2));
    if (e.HschieneCheck && (fehlt(5) || fehlt(6)))
        return verweigere(holeMessage(2));
    if (e.HUGCheck) {
        for (int i = 7; i <= 11; ++i)
            if (fehlt(i))
                return verweigere(holeMessage(2));
        if (zahl(e.hwert[8]) > zahl(e.hwert[0]) - 5)
            return verweigere(holeMessage(2) + QStringLiteral(" HU"));
    }
    inhalt.dateiGeschrieben = true;
    auto& z = inhalt.zeilen;
    z.append(e.HUGCheck ? QStringLiteral("110") : e.HschieneCheck ? QStringLiteral("103") : QStringLiteral("102"));
    z.append(QStringLiteral("0"));
    for (int i = 0; i <= 4; ++i)
        z.append(punkttext(e.hwert[size_t(i)]));
    if (e.HUGCheck)
        for (int i = 7; i <= 11; ++i)
            z.append(punkttext(e.hwert[size_t(i)]));
    if (e.HschieneCheck) {
        z.append(punkttext(e.hwert[5]));
        z.append(punkttext(e.hwert[6]));
    }
    z.append(QStringLiteral("0"));
    return inhalt;
}
