#include "Berichtslauf.h"

#include "Anhangseite.h"
#include "Nachweisseite.h"
#include "app/Start.h"
#include "app/Sprachtexte.h"
#include "kern/Feldleser.h"
#include "nachweis/Bauteil.h"

#include <cmath>

namespace {

class Lauf {
public:
    Lauf(const Berechnungsumgebung& u, const Berichtstexte& t) : m_u(u), m_t(t) {}

    Berichtslauf ergebnis;

    void sage(int n) { ergebnis.meldungen.append(holeMessage(m_u.Messagedatei, n)); }
    void sage(int n, const QString& text) { ergebnis.meldungen.append(holeMessage(m_u.Messagedatei, n) + u' ' + text); }
    bool uebernimm(const Rechenausgang& a)
    {
        ergebnis.meldungen += a.meldungen;
        return a.gerechnet;
    }

    // The engine's answer for the section `q` in transfer file n, of form `erwartet`.
    bool liesErgebnis(int n, int erwartet, const Querschnittsdaten& q)
    {
        const Ergebnislesung lesung = leseErgebnisdatei(uebergabedatei(m_u.pathben, n));
        switch (lesung.fehler) {
        case Ergebnisfehler::DateiFehlt: sage(3); return false;
        case Ergebnisfehler::Rechenkernfehler:
            ergebnis.meldungen.append(holeMessage(m_u.Messagedatei, 17) + u'\n' +
                                      rechenkerngrund(lesung.werte.kennung, m_t.sprache));
            return false;
        case Ergebnisfehler::Unvollstaendig: sage(45); return false;
        case Ergebnisfehler::Keiner: break;
        }
        // A result of another section (another window's, say) is never shown as this one's.
        if (int(std::lround(lesung.werte.x)) != erwartet) {
            sage(49, lesung.werte.kennung);
            return false;
        }
        if (!gehoertZu(lesung.werte, q)) {
            const auto A = querschnittsflaeche(q);
            sage(65, QStringLiteral("A = %1 / %2 mm²").arg(lesung.werte.A, 0, 'f', 1).arg(A.value_or(0), 0, 'f', 1));
            return false;
        }
        ergebnis.werte = lesung.werte;
        ergebnis.gerechnet = true;
        return true;
    }

    void haengeNachweisAn(const Querschnittsdaten& q)
    {
        if (!hatBemessung(q.bemessung) && !hatTraeger(q.traeger))
            return;
        std::optional<Traeger> traeger;
        if (hatTraeger(q.traeger)) {
            const Traegerlesung t = leseTraeger(q.traeger);
            if (t.fehler != Traegerfehler::Keiner)
                return sage(64);
            traeger = t.werte;
        }
        const Bemessungslesung l = leseBemessung(q.bemessung, schieneWirktMit(q));
        if (l.fehler == Bemessungsfehler::Befestigung)
            return sage(62);
        if (l.fehler != Bemessungsfehler::Keiner)
            return sage(56);
        // The check computes the section with the rail as worn; the page before shows it as typed.
        const auto pruef = rechnePruefquerschnitt(abgefahrenerQuerschnitt(q, l.werte.verschleiss), m_u, ergebnis.meldungen);
        if (!pruef)
            return sage(63);
        const Nachweisvorbereitung v = bereiteNachweisVor(ergebnis.werte, pruef->werte, pruef->netz, q, l.werte,
                                                          ergebnis.druckname, verbinde(m_u.pathtext, QStringLiteral("ASchiene")),
                                                          traeger);
        // Without it the result page stands on its own; the check waits for a rail over a web.
        if (!v.daten)
            return sage(v.meldung);
        ergebnis.nachweis = v.daten;
        std::vector<void (*)(Zeichenflaeche&, const Nachweisdaten&, const Printtext&, const QString&)> seiten{
            legeNachweisseiteAn, legeNachweisdetailsAn, legeStegnachweiseAn};
        if (v.daten->traeger)
            seiten.push_back(legeBauteilseiteAn);
        for (const auto seite : seiten)
            ergebnis.seiten.push_back([d = *v.daten, seite, text = m_t.printtext, sprache = m_t.sprache](Zeichenflaeche& f) {
                seite(f, d, text, sprache);
            });
    }

    void haengeAnhangAn(double halbeGurtdicke)
    {
        if (!hatAnhang(ergebnis.werte))
            return;
        ergebnis.seiten.push_back([r = ergebnis.werte, name = ergebnis.druckname, halbeGurtdicke, text = m_t.printtext,
                                   sprache = m_t.sprache](Zeichenflaeche& f) {
            legeAnhangAn(f, r, name, halbeGurtdicke, text, sprache);
        });
    }

    const Berechnungsumgebung& m_u;
    const Berichtstexte& m_t;
};

} // namespace

Berichtslauf rechneBericht(const Querschnittsdaten& q, const Beschriftungen& b, const Berechnungsumgebung& u,
                           const Berichtstexte& t)
{
    Lauf lauf(u, t);
    Berichtslauf& e = lauf.ergebnis;
    if (q.familie == kWalzprofil) {
        // The engine answers with the file's first line: plain, with a flat rail, or with a bottom profile.
        e.modus = walzmodus(q);
        if (!lauf.uebernimm(rechneWalzprofil(q, b, u)) || !lauf.liesErgebnis(3, e.modus, q))
            return e;
        e.druckname = q.Typ;
        e.seiten = {[r = e.werte, q, modus = e.modus, text = t.printtext](Zeichenflaeche& f) {
            legeWalzprofilseiteAn(f, r, q, q.Typ, modus, text);
        }};
        lauf.haengeNachweisAn(q);
        lauf.haengeAnhangAn(halbeUntergurtdicke(q, e.modus, QString()));
        return e;
    }
    if (!lauf.uebernimm(rechneQuerschnitt(q, b, u)) || !lauf.liesErgebnis(1, nurGezeigtes(q).Querschnittsnummer, q))
        return e;
    const QStringList formnamen = t.formnamenZu ? t.formnamenZu(int(std::lround(e.werte.x))) : QStringList();
    // The page keeps what it was laid out from: printing it later prints this very page.
    const Schienenbild schiene = schienenbild(q, verbinde(u.pathtext, QStringLiteral("ASchiene")));
    const QString uebergabetext = leseTextdatei(uebergabedatei(u.pathben, 0)).value_or(QString());
    e.seiten = {[r = e.werte, q, formnamen, text = t.printtext, schiene, uebergabetext](Zeichenflaeche& f) {
        legeErgebnisseiteAn(f, r, q, formnamen, text, schiene, uebergabetext);
    }};
    e.druckname = formnamen.value(0);
    lauf.haengeNachweisAn(q);
    lauf.haengeAnhangAn(halbeUntergurtdicke(q, 0, uebergabetext));
    return e;
}

Seitenstand legeSeitenAn(const std::vector<Berichtsseite>& seiten, Berichtszaehler& zaehler, bool testansicht,
                         Druckauftrag* auftrag, std::vector<QImage>& bilder)
{
    zaehler.seitenzahl = seiten.size() > 1 ? 1 : 0;
    zaehler.seitenzaehler = 0;
    Seitenstand stand = Seitenstand::Heil;
    for (const auto& seite : seiten) {
        Bericht blatt;
        blatt.beginneBericht(kMaxSeitenlaenge, testansicht, auftrag);
        try {
            seite(blatt.flaeche());
        } catch (...) {
            return Seitenstand::Abgebrochen;
        }
        if (blatt.flaeche().hatteZeichenfehler())
            stand = Seitenstand::OhneZeichnung;
        const QImage bild = blatt.beendeBericht(zaehler);
        if (!bild.isNull())
            bilder.push_back(bild);
    }
    return stand;
}
