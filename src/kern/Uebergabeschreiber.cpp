#include "Uebergabeschreiber.h"

#include "kern/section_geometry.h"

#include "Formen.h"
#include "Masspruefung.h"
#include "Zahlen.h"

namespace {

class Schreiber {
public:
    Schreiber(Uebergabeinhalt& inhalt, const Meldungstext& message) : m_inhalt(inhalt), m_message(message) {}

    // A value line as typed, with "," turned into "."; a field without a value (a sign alone
    // included: the engine would be handed a line that is no number) is not written and its
    // caption joins the list of missing fields.
    void wert(const QString& text, const QString& beschriftung)
    {
        if (!ohneWert(text)) {
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
    void profil(const HProfilmasse& werte, const HProfilmasse& beschriftung)
    {
        wert(werte.H, beschriftung.H);
        wert(werte.B, beschriftung.B);
        wert(werte.S, beschriftung.S);
        wert(werte.T, beschriftung.T);
        wert(werte.R, beschriftung.R);
    }
    void ganzzahl(int n) { m_inhalt.zeilen.append(QString::number(n)); }
    void meldeWenn(bool fehler, int n)
    {
        if (!fehler)
            return;
        // Both stiffener pairs out of order are one fault to tell, not two identical boxes.
        if (!m_inhalt.meldungen.contains(m_message(n)))
            m_inhalt.meldungen.append(m_message(n));
        m_inhalt.ok = false;
    }

private:
    Uebergabeinhalt& m_inhalt;
    const Meldungstext& m_message;
};

} // namespace

Uebergabeinhalt baueUebergabe(const Querschnittsdaten& eingabe, const Beschriftungen& b, int Laufwert,
                            const Schienenfussbreite& fussbreite, const Meldungstext& holeMessage)
{
    Uebergabeinhalt inhalt;
    const Querschnittsdaten q = nurGezeigtes(eingabe);
    const int x = q.Querschnittsnummer;
    const Plattenmasse& m = q.masse;
    const Plattenmasse& lm = b.masse;
    Schreiber s(inhalt, holeMessage);

    if (x == 0) {
        s.meldeWenn(true, 2);
        return inhalt;
    }
    const bool stegprofilFehlt = q.stegprofilreihe.isEmpty() || q.stegprofilgroesse.isEmpty();
    if (mitHalbemH(x) && stegprofilFehlt) {
        inhalt.meldungen.append(holeMessage(2) + QStringLiteral("\n") + b.stegprofilwahl);
        inhalt.ok = false;
        return inhalt;
    }
    // The bottom flange of a box on an H profile is the profile's flange. Without
    // a profile the run is refused; the top flange stands in so that only the
    // profile is named as missing.
    QString untergurtbreite = m.untergurtbreite, untergurtdicke = m.untergurtdicke;
    if (mitUntergurtH(x)) {
        if (stegprofilFehlt) {
            inhalt.Fehlliste = holeMessage(2) + QStringLiteral("\n") + b.stegprofilwahl;
            inhalt.ok = false;
            untergurtbreite = m.obergurtbreite;
            untergurtdicke = m.obergurtdicke;
        } else {
            untergurtbreite = q.stegprofil.B;
            untergurtdicke = q.stegprofil.T;
        }
    }
    inhalt.dateiGeschrieben = true;

    const Formlayout layout = formlayout(x);
    const Zellenmasse& z = m.zelle2;
    auto zeile = [&layout](int i) { return layout.steifenzeilen[size_t(i)]; };

    s.ganzzahl(x);
    s.wert(m.stegwinkel, lm.stegwinkel);
    s.wert(m.obergurtbreite, lm.obergurtbreite);
    s.wert(m.obergurtdicke, lm.obergurtdicke);
    s.wert(untergurtbreite, lm.untergurtbreite);
    s.wert(untergurtdicke, lm.untergurtdicke);
    s.wert(m.steghoehe, lm.steghoehe);
    s.wert(m.stegdicke, lm.stegdicke);

    // The rail at mid top flange is dimensioned by its width at the top; the
    // engine wants it at the bottom. The typed text stays in the record.
    s.wert(schottbreiteUnten(q), lm.schottbreite);

    if (mitSchienenblock(x)) {
        const bool kasten = istKastenform(x), winkel = istWinkelform(x);
        if (kasten)
            s.wert(m.stegdicke2.isEmpty() ? m.stegdicke : m.stegdicke2, QString());
        if (winkel) {
            s.wert(m.stegdicke2, lm.stegdicke2);
            s.wert(m.steghoehe2, lm.steghoehe2);
        }
        s.ganzzahl(q.schieneMittragend ? 1 : 0);
        if (q.schieneMittragend) {
            s.wert(m.schienenbreite, lm.schienenbreite);
            s.wert(m.schienenhoehe, lm.schienenhoehe);
        }
        if (kasten)
            s.ganzzahl(Laufwert);
        if (winkel) {
            s.wert(m.breite2, lm.breite2);
            s.wert(m.hoehe2, lm.hoehe2);
        }
        if (mitHalbemH(x))
            s.profil(q.stegprofil, b.stegprofil);
        if (istZweizeller(x)) {
            const Zellenmasse& lz = lm.zelle2;
            s.wert(z.BO3, lz.BO3);
            s.wert(z.TO3, lz.TO3);
            s.wert(z.HS3, lz.HS3);
            s.wert(z.TS3, lz.TS3);
            s.wert(z.AS3, lz.AS3);
        }
    }

    int zeilen = 0;
    for (int i = 0; i < 5; ++i)
        zeilen += zeile(i) ? 1 : 0;
    s.ganzzahl(zeilen);
    for (int i = 0; i < 5; ++i) {
        if (!zeile(i))
            continue;
        const Steifenmasse& st = q.steifen[size_t(i)];
        s.ganzzahl(i + 1);
        s.wert(st.lage, steifenfeldname(b, i, 0));
        s.wert(st.lang1, steifenfeldname(b, i, 1));
        s.wert(st.lang2, steifenfeldname(b, i, 2));
        s.wert(st.dicke, steifenfeldname(b, i, 3));
    }

    if (mitUntergurtH(x)) {
        s.wert(q.stegprofil.H, b.stegprofil.H);
        s.wert(q.stegprofil.S, b.stegprofil.S);
        s.wert(q.stegprofil.R, b.stegprofil.R);
    }
    // Every plausibility check on the dimensions as numbers, in the order the user is told.
    const Schweissmasse masse = schweissmasse(q, untergurtbreite, fussbreite);
    for (const Masspruefung& pruefung : masspruefungen())
        s.meldeWenn(pruefung.verletzt(masse), pruefung.meldung);
    // An acting rail is part of the section: it must stand on its flange as the engine builds it.
    if (inhalt.ok && q.schieneMittragend && inhalt.Fehlliste.isEmpty()) {
        const auto gelesen = tarvello::geometrie::parseTransfer(uebergabebytes(inhalt.zeilen).toStdString());
        s.meldeWenn(gelesen.ok && tarvello::geometrie::buildWeldedSection(gelesen.input.welded).railOverhang, 25);
    }
    return inhalt;
}

Uebergabeinhalt baueHProfilUebergabe(const Querschnittsdaten& eingabe, const Meldungstext& holeMessage,
                                     const Beschriftungen& b)
{
    Uebergabeinhalt inhalt;
    const Querschnittsdaten q = nurGezeigtes(eingabe);
    const HProfilmasse& w = q.walzprofil;
    const HProfilmasse& u = q.untergurtprofil;
    auto verweigere = [&](const QString& text) {
        inhalt.meldungen.append(text);
        inhalt.ok = false;
        return inhalt;
    };
    // Every empty field the window shows, named as it captions it ("H =" as "H").
    QStringList fehlend;
    bool leer = false;
    const auto pruefe = [&](const QString& wert, const QString& beschriftung) {
        if (!ohneWert(wert))
            return;
        leer = true;
        if (const QString name = feldname(beschriftung); !name.isEmpty())
            fehlend.append(name);
    };
    const auto profil = [&](const HProfilmasse& p, const HProfilmasse& namen) {
        pruefe(p.H, namen.H);
        pruefe(p.B, namen.B);
        pruefe(p.S, namen.S);
        pruefe(p.T, namen.T);
        pruefe(p.R, namen.R);
    };
    profil(w, b.stegprofil);
    if (q.HschieneCheck) {
        pruefe(q.flachschienenhoehe, b.flachschienenhoehe);
        pruefe(q.flachschienenbreite, b.flachschienenbreite);
    }
    if (q.HUGCheck)
        profil(u, b.untergurtprofil);
    if (leer)
        return verweigere(holeMessage(2) + (fehlend.isEmpty() ? QString() : u'\n' + fehlend.join(QStringLiteral(", "))));
    if (q.HschieneCheck && zahl(q.flachschienenbreite) > zahl(w.B))
        return verweigere(holeMessage(25));
    if (q.HUGCheck && zahl(u.H) > zahl(w.H) - 5)
        return verweigere(holeMessage(2) + QStringLiteral(" HU"));
    inhalt.dateiGeschrieben = true;
    auto& z = inhalt.zeilen;
    z.append(QString::number(q.HUGCheck ? kWalzprofilMitUntergurt : q.HschieneCheck ? kWalzprofilMitFlachschiene : kWalzprofilAllein));
    z.append(QStringLiteral("0"));
    for (const QString* wert : {&w.H, &w.B, &w.S, &w.T, &w.R})
        z.append(punkttext(*wert));
    if (q.HUGCheck)
        for (const QString* wert : {&u.R, &u.H, &u.B, &u.S, &u.T})
            z.append(punkttext(*wert));
    if (q.HschieneCheck) {
        z.append(punkttext(q.flachschienenhoehe));
        z.append(punkttext(q.flachschienenbreite));
    }
    z.append(QStringLiteral("0"));
    return inhalt;
}

QByteArray uebergabebytes(const QStringList& zeilen)
{
    QByteArray text;
    for (const QString& zeile : zeilen)
        text += zeile.toUtf8() + "\r\n";
    return text;
}

std::optional<tarvello::geometrie::TransferInput> querschnittsmasse(const Querschnittsdaten& q)
{
    const auto ohneText = [](int) { return QString(); };
    const Uebergabeinhalt inhalt = q.familie == kWalzprofil
                                      ? baueHProfilUebergabe(q, ohneText)
                                      : baueUebergabe(q, Beschriftungen(), 1, [](const QString&) { return 0.0f; }, ohneText);
    if (!inhalt.dateiGeschrieben || !inhalt.Fehlliste.isEmpty())
        return std::nullopt;
    const auto gelesen = tarvello::geometrie::parseTransfer(uebergabebytes(inhalt.zeilen).toStdString());
    if (!gelesen.ok)
        return std::nullopt;
    return gelesen.input;
}

std::optional<tarvello::geometrie::SectionGeometry> querschnittsgeometrie(const Querschnittsdaten& q)
{
    using namespace tarvello::geometrie;
    const auto masse = querschnittsmasse(q);
    if (!masse)
        return std::nullopt;
    BuildResult bau = masse->rolled ? buildRolledSection(masse->rolledProfile) : buildWeldedSection(masse->welded);
    if (!bau.ok)
        return std::nullopt;
    return std::move(bau.geometry);
}
