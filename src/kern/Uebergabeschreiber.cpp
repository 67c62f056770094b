#include "Uebergabeschreiber.h"

#include "kern/section_geometry.h"

#include "Formen.h"
#include "Masspruefung.h"
#include "Zahlen.h"

namespace {

using tarvello::geometrie::HProfile;

// A value as the engine will read it, "," taken as "."; nothing for an empty field, a sign alone or text.
std::optional<double> zahlwert(const QString& text)
{
    double v = 0.0;
    if (ohneWert(text) || !tarvello::geometrie::readNumber(QString(text).replace(u',', u'.').toStdString(), v))
        return std::nullopt;
    return v;
}

// Reads the record's texts into numbers and keeps the list of what is missing.
class Leser {
public:
    Leser(Uebergabeinhalt& inhalt, const Meldungstext& message) : m_inhalt(inhalt), m_message(message) {}

    // A value as typed, "," read as "."; a field without a number (a sign alone included:
    // the engine would be handed a line that is none) gives 0 and its caption joins the
    // list of missing fields.
    double wert(const QString& text, const QString& beschriftung)
    {
        if (const auto v = zahlwert(text))
            return *v;
        m_inhalt.ok = false;
        m_inhalt.vollstaendig = false;
        if (!beschriftung.isEmpty()) {
            if (m_inhalt.Fehlliste.isEmpty())
                m_inhalt.Fehlliste = m_message(2) + QStringLiteral("\n") + beschriftung;
            else
                m_inhalt.Fehlliste += QStringLiteral(", ") + beschriftung;
        }
        return 0.0;
    }
    HProfile profil(const HProfilmasse& werte, const HProfilmasse& beschriftung)
    {
        HProfile p;
        p.height = wert(werte.H, beschriftung.H);
        p.flangeWidth = wert(werte.B, beschriftung.B);
        p.webThickness = wert(werte.S, beschriftung.S);
        p.flangeThickness = wert(werte.T, beschriftung.T);
        p.rootRadius = wert(werte.R, beschriftung.R);
        return p;
    }
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

// The engine's lines of the dimensions, once every value is there.
void schreibeZeilen(Uebergabeinhalt& inhalt)
{
    if (!inhalt.vollstaendig)
        return;
    inhalt.zeilen = QString::fromStdString(tarvello::geometrie::writeTransfer(inhalt.masse)).split(QStringLiteral("\r\n"));
    inhalt.zeilen.removeLast();
}

} // namespace

Uebergabeinhalt baueUebergabe(const Querschnittsdaten& eingabe, const Beschriftungen& b, int Laufwert,
                            const Schienenfussbreite& fussbreite, const Meldungstext& holeMessage)
{
    Uebergabeinhalt inhalt;
    const Querschnittsdaten q = nurGezeigtes(eingabe);
    const int x = q.Querschnittsnummer;
    const Plattenmasse& m = q.masse;
    const Plattenmasse& lm = b.masse;
    Leser s(inhalt, holeMessage);

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
    inhalt.masse.sectionText = std::to_string(x);
    tarvello::geometrie::WeldedDimensions& d = inhalt.masse.welded;
    d.form = x;
    d.runValue = Laufwert;
    // In the order of the file, so that the missing fields are named as the user reads the form.
    d.webAngle = s.wert(m.stegwinkel, lm.stegwinkel);
    d.topWidth = s.wert(m.obergurtbreite, lm.obergurtbreite);
    d.topThickness = s.wert(m.obergurtdicke, lm.obergurtdicke);
    d.bottomWidth = s.wert(untergurtbreite, lm.untergurtbreite);
    d.bottomThickness = s.wert(untergurtdicke, lm.untergurtdicke);
    d.webHeight = s.wert(m.steghoehe, lm.steghoehe);
    d.webThickness = s.wert(m.stegdicke, lm.stegdicke);
    // The rail at mid top flange is dimensioned by its width at the top; the
    // engine wants it at the bottom. The typed text stays in the record.
    d.clearWidth = s.wert(schottbreiteUnten(q), lm.schottbreite);
    d.webThickness2 = d.webThickness;

    if (mitSchienenblock(x)) {
        const bool kasten = istKastenform(x), winkel = istWinkelform(x);
        if (kasten)
            d.webThickness2 = s.wert(m.stegdicke2.isEmpty() ? m.stegdicke : m.stegdicke2, QString());
        if (winkel) {
            d.webThickness2 = s.wert(m.stegdicke2, lm.stegdicke2);
            d.webHeight2 = s.wert(m.steghoehe2, lm.steghoehe2);
        }
        d.railActing = q.schieneMittragend;
        if (q.schieneMittragend) {
            d.railWidth = s.wert(m.schienenbreite, lm.schienenbreite);
            d.railHeight = s.wert(m.schienenhoehe, lm.schienenhoehe);
        }
        if (winkel) {
            d.flatWidth = s.wert(m.breite2, lm.breite2);
            d.flatHeight = s.wert(m.hoehe2, lm.hoehe2);
        }
        if (mitHalbemH(x))
            d.profile = s.profil(q.stegprofil, b.stegprofil);
        if (istZweizeller(x)) {
            const Zellenmasse& lz = lm.zelle2;
            d.secondCell.topWidth = s.wert(z.BO3, lz.BO3);
            d.secondCell.topThickness = s.wert(z.TO3, lz.TO3);
            d.secondCell.webHeight = s.wert(z.HS3, lz.HS3);
            d.secondCell.webThickness = s.wert(z.TS3, lz.TS3);
            d.secondCell.webDistance = s.wert(z.AS3, lz.AS3);
        }
    }

    for (int i = 0; i < 5; ++i) {
        if (!layout.steifenzeilen[size_t(i)])
            continue;
        const Steifenmasse& st = q.steifen[size_t(i)];
        tarvello::geometrie::StiffenerRow& row = d.stiffeners[size_t(i)];
        row.given = true;
        row.position = s.wert(st.lage, steifenfeldname(b, i, 0));
        row.leg1 = s.wert(st.lang1, steifenfeldname(b, i, 1));
        row.leg2 = s.wert(st.lang2, steifenfeldname(b, i, 2));
        row.thickness = s.wert(st.dicke, steifenfeldname(b, i, 3));
    }

    if (mitUntergurtH(x)) {
        d.profile.height = s.wert(q.stegprofil.H, b.stegprofil.H);
        d.profile.webThickness = s.wert(q.stegprofil.S, b.stegprofil.S);
        d.profile.rootRadius = s.wert(q.stegprofil.R, b.stegprofil.R);
        d.profile.flangeWidth = d.bottomWidth;
        d.profile.flangeThickness = d.bottomThickness;
    }
    schreibeZeilen(inhalt);
    // Every plausibility check on the dimensions as numbers, in the order the user is told.
    const Schweissmasse masse = schweissmasse(d, q, fussbreite);
    for (const Masspruefung& pruefung : masspruefungen())
        s.meldeWenn(pruefung.verletzt(masse), pruefung.meldung);
    // An acting rail is part of the section: it must stand on its flange as the engine builds it.
    if (inhalt.ok && q.schieneMittragend)
        s.meldeWenn(tarvello::geometrie::buildWeldedSection(d).railOverhang, 25);
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
        if (zahlwert(wert))
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
    Leser s(inhalt, holeMessage);
    inhalt.masse.rolled = true;
    tarvello::geometrie::RolledDimensions& d = inhalt.masse.rolledProfile;
    d.mode = walzmodus(q);
    inhalt.masse.sectionText = std::to_string(d.mode);
    d.profile = s.profil(w, HProfilmasse());
    if (q.HUGCheck)
        d.bottom = s.profil(u, HProfilmasse());
    if (q.HschieneCheck) {
        d.railHeight = s.wert(q.flachschienenhoehe, QString());
        d.railWidth = s.wert(q.flachschienenbreite, QString());
    }
    schreibeZeilen(inhalt);
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
    if (!inhalt.dateiGeschrieben || !inhalt.vollstaendig)
        return std::nullopt;
    return inhalt.masse;
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
