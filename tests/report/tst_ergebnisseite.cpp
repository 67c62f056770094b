// The result page's own transforms, measured on a recording surface: what the
// engine reports and what the page prints must differ only where the page
// means to (the centroid from the underside, the angle in degrees, only the
// points the section has).
#include "../drawing/Aufzeichnung.h"
#include "Testhilfen.h"
#include "report/Auslastungsbild.h"
#include "drawing/Detailbeispiele.h"
#include "drawing/Zeichenprimitive.h"
#include "engine/Ergebnisdatei.h"
#include "kern/Formen.h"
#include "kern/Zahlen.h"
#include "report/Anhangseite.h"
#include "report/Ergebnisseite.h"
#include "report/Nachweisseite.h"

#include <QTest>

namespace {

QString printtext(int n) { return QStringLiteral("T%1").arg(n); }

// A rolled HEB 300 as the engine might answer: points 1..14 with two absent, a governing point 18.
Ergebnisse antwort()
{
    Ergebnisse r;
    r.x = 102;
    r.A = 14910;
    r.IY = 2.517e8f;
    r.IZ = 8.563e7f;
    r.IT = 1.85e6f;
    r.YS = 0;
    r.ZS = 140.5f;
    r.YM = 1e-7f; // rounding noise of a doubly symmetric section
    r.ZM = 140.5f;
    r.Winkel = 0.5f;
    r.punkte.resize(18);
    for (size_t n = 0; n < r.punkte.size(); ++n) {
        Spannungspunkt& p = r.punkte[n];
        const bool fehlt = n == 8 || (n >= 12 && n < 17);
        p.dicke = fehlt ? 0 : 11;
        for (size_t k = 0; k < 6; ++k)
            p.spannung[k] = fehlt ? 0 : float((n + 1) * 1e-4 * (k + 1));
    }
    r.punkte[3].spannung[2] = 1e-16f; // below 1e-9 of its column's largest
    return r;
}

Querschnittsdaten heb300()
{
    Querschnittsdaten q;
    q.familie = kWalzprofil;
    q.Typ = "HEB300";
    q.walzprofil = {"300", "300", "11", "19", "27"};
    return q;
}

QStringList texte(const Aufzeichnung& a);

// The page of a box 500/460 × 800 (form 1) with these results, its shear centre at ZM 200, as its texts.
QStringList kastenseitentexte(Ergebnisse r)
{
    Aufzeichnung a(96, 1200);
    const Zeichenzielbindung ziel(&a.flaeche, true);
    r.x = 1;
    r.ZM = 200;
    Querschnittsdaten q;
    q.familie = kOhneSchiene;
    q.Querschnittsnummer = 1;
    q.masse = {"500", "20", "460", "16", "800", "10", "", "400", "", "", "", "0", "", "", {}};
    legeErgebnisseiteAn(a.flaeche, r, q, {"Kasten"}, printtext, {}, QString());
    return texte(a);
}

QStringList texte(const Aufzeichnung& a)
{
    QStringList t;
    for (const Zeichenschritt& s : a.texte())
        t.append(s.text);
    return t;
}

} // namespace

class TestErgebnisseite : public QObject {
    Q_OBJECT

private slots:
    void walzprofilseite()
    {
        Aufzeichnung a(96, 1200);
        const Zeichenzielbindung ziel(&a.flaeche, true);
        const Ergebnisse r = antwort();
        legeWalzprofilseiteAn(a.flaeche, r, heb300(), "HEB300", 102, printtext);
        const QStringList t = texte(a);
        // The centroid from the underside: the engine measures from the flange's mid-plane.
        QVERIFY2(t.contains(formatiereZahl(140.5f + 19.0f / 2, 1) + " [mm]"), qPrintable(t.join('|')));
        // No shear-centre block for a doubly symmetric profile.
        QVERIFY(!t.contains("T14"));
        // Stresses with their true unit.
        QVERIFY(t.contains("T15"));
        // Only the points the section has, each under the engine's number, the governing ones apart.
        QStringList punkte; // the table's, at the page's left edge; the drawing has its own labels
        for (const Zeichenschritt& s : a.texte())
            if (s.x1 < 5 && (s.text == "T19" || (s.text.startsWith(u'P') && s.text.mid(1).toInt() > 0)))
                punkte.append(s.text);
        QCOMPARE(punkte, (QStringList{"P1", "P2", "P3", "P4", "P5", "P6", "P7", "P8", "P10", "P11", "P12", "T19", "P18"}));
        QVERIFY(t.contains(spannungstext(0)));
        QVERIFY(!t.contains(spannungstext(1e-16f)));
        // Each column's head ends where its numbers end.
        const auto schritte = a.texte();
        for (int k = 0; k < 6; ++k) {
            const auto kopf = std::find_if(schritte.begin(), schritte.end(),
                                           [&](const Zeichenschritt& s) { return s.text == spannungsnamen()[k]; });
            const auto zahl = std::find_if(schritte.begin(), schritte.end(), [&](const Zeichenschritt& s) {
                return s.text == spannungstext(r.punkte[0].spannung[size_t(k)]);
            });
            QVERIFY(kopf != schritte.end() && zahl != schritte.end());
            QVERIFY(std::fabs(kopf->x2 - zahl->x2) < 0.01);
        }
    }

    // A box with a real shear centre and a principal-axis angle.
    void kastenseite()
    {
        Ergebnisse r = antwort();
        r.YM = 30;
        const QStringList t = kastenseitentexte(r);
        QVERIFY2(t.contains("T12 Kasten"), qPrintable(t.join('|')));
        QVERIFY(t.contains("T14"));
        QVERIFY(t.contains(formatiereZahl(140.5f + 8, 1) + " [mm]"));
        QVERIFY(t.contains(formatiereZahl(200.0f + 8, 1) + " [mm]"));
        QVERIFY(t.contains(formatiereZahl(0.5f * 57.2958f, 2) + " T17"));
    }

    // A shear centre on the axis within the finite elements' accuracy (1e-5 of the section's size)
    // prints on it; an offset beyond it prints as computed.
    void querlageAufDerAchse()
    {
        for (const auto& [ym, gedruckt] : {std::pair{0.001f, 0.0f}, std::pair{0.05f, 0.05f}}) {
            Ergebnisse r = antwort();
            r.YS = 0;
            r.YM = ym;
            const QStringList t = kastenseitentexte(r);
            QCOMPARE(t.count(formatiereZahl(gedruckt, 1) + " [mm]"), gedruckt == 0 ? 2 : 1);
        }
    }

    // The trolley-rail angle's web reaches below the bottom flange: the page says from where ZS counts
    // and how far above the lowest fibre that is (the web's foot at TU/2 + HS2 − HS = 7.5 + 600 − 900
    // = −292.5, the flange's underside at −7.5: 285 mm); a box says nothing of it.
    void winkelNenntDenBezug()
    {
        const Printtext text = [](int n) { return n == 126 ? QStringLiteral("Bezug %1") : printtext(n); };
        for (const auto& [form, erwartet] : {std::pair{212, 1}, std::pair{15, 0}}) {
            Aufzeichnung a(96, 1200);
            const Zeichenzielbindung ziel(&a.flaeche, true);
            Ergebnisse r = antwort();
            r.x = form;
            legeErgebnisseiteAn(a.flaeche, r, formbeispiel(form), {"F"}, text, {}, QString());
            const QStringList t = texte(a);
            QVERIFY2(int(t.count("Bezug 285.0")) == erwartet, qPrintable(t.join("|")));
            QVERIFY(!t.join('|').contains("Bezug %1"));
        }
    }

    // The design check page of form 15 under the A65 catalog rail: the wheel at P3, the
    // last row the engine reports; the wear in percent; the top of an acting rail left out
    // and said so; no check where the rail stands over no web.
    void nachweisseite()
    {
        Querschnittsdaten q = formbeispiel(11);
        q.masse.obergurtbreite = "720";
        q.schieneMittragend = false;
        q.ASchiene = "A65";
        const QString katalog = qEnvironmentVariable("TARVELLO_DATEN") + "/ASchiene";
        Bemessung b;
        b.radlast = 300;
        Ergebnisse r;
        r.punkte.resize(3);
        r.punkte[2] = {{1e-5f, 0, 0, 0, 6e-5f, 0}, 12};
        const auto seite = [&] {
            const Nachweisvorbereitung v = bereiteNachweisVor(r, r, std::nullopt, q, b, "Kasten", katalog);
            Aufzeichnung a(96, 1200);
            const Zeichenzielbindung ziel(&a.flaeche, true);
            if (v.daten) {
                legeNachweisseiteAn(a.flaeche, *v.daten, printtext, QStringLiteral("E"));
                legeNachweisdetailsAn(a.flaeche, *v.daten, printtext, QStringLiteral("E"));
                legeStegnachweiseAn(a.flaeche, *v.daten, printtext, QStringLiteral("E"));
            }
            return texte(a);
        };
        const QStringList t = seite();
        QVERIFY2(t.join('|').contains("T40 = 25 %"), qPrintable(t.join('|')));
        QVERIFY(!t.contains("T47"));
        r.punkte.resize(14);
        r.punkte[13] = {{1e-3f, 0, 0, 0, 0, 0}, 40};
        QVERIFY(seite().contains("T47"));
        q = formbeispiel(35);
        QCOMPARE(bereiteNachweisVor(r, r, std::nullopt, q, b, "Kasten", katalog).meldung, 57);
    }

    // The utilisation picture: a colour from blue to red as η rises to 1, purple above; a node's
    // value √(σx² + 3τ²)·γM0/fy with fy of its plate's thickness; nothing drawn without a mesh.
    void auslastungsbild()
    {
        double farbton = 1e9;
        for (double eta = 0; eta <= 1.0001; eta += 0.1) {
            const double h = auslastungsfarbe(eta).hueF();
            QVERIFY(h <= farbton);
            farbton = h;
        }
        QCOMPARE(auslastungsfarbe(1.0).hueF(), 0.0);
        QCOMPARE(auslastungsfarbe(1.01), QColor(150, 0, 150));
        Nachweisdaten d;
        d.bemessung.kraefte.N = 100;
        d.bemessung.kraefte.Vz = 50;
        d.bemessung.gammaM0 = 1.1;
        d.plattendicken = {12, 45};
        Aufzeichnung a(96, 1200);
        const Zeichenzielbindung ziel(&a.flaeche, true);
        QVERIFY(!zeichneAuslastung(a.flaeche, d, 0, 0, 170, 80));
        Spannungsnetz n;
        n.knoten = {{0, 0}, {10, 0}, {0, 10}, {5, 0}, {5, 5}, {0, 5}};
        n.elemente = {{0, 1, 2, 3, 4, 5}};
        n.elementplatte = {1};
        for (int k = 0; k < 6; ++k)
            n.werte.push_back({1, k, {1e-3, 0, 2e-3, 0, 0, 0}});
        d.netz = n;
        // σx = 100 N/mm², τ = 100, fy = 335 (45 mm of S355): η = 200·1.1/335.
        QCOMPARE(knotenauslastung(d).front(), 200 * 1.1 / 335);
        QVERIFY(zeichneAuslastung(a.flaeche, d, 0, 0, 170, 80));
        // A fillet (plate 2) has no values of its own: its triangles show the junction's.
        n.elemente.push_back({0, 1, 2, 3, 4, 5});
        n.elementplatte.push_back(2);
        d.netz = n;
        const auto dreiecke = dreiecksauslastung(d);
        QCOMPARE(dreiecke.size(), size_t(2));
        for (double wert : dreiecke[1])
            QCOMPARE(wert, 200 * 1.1 / 335);
    }

    // The appendix measures places from the underside as the result page does: the engine's z plus
    // half the bottom flange; a governing point names the column whose peak it is.
    void anhang()
    {
        Ergebnisse r = antwort();
        r.punkte[17].y = 4;
        r.punkte[17].z = 140.3;
        r.punkte[17].spitzeVon = 3;
        r.bauteil.Iw = 1.65e12;
        r.hoechstwerte.push_back({QStringLiteral("Steg"), QStringLiteral("web"), 3, 3.4e-4, 6, 150.2});
        QVERIFY(hatAnhang(r));
        Aufzeichnung a(96, 1200);
        const Zeichenzielbindung ziel(&a.flaeche, true);
        legeAnhangAn(a.flaeche, r, QStringLiteral("HEB300"), 9.5, printtext, QStringLiteral("E"));
        const QString alles = texte(a).join(u'|');
        QVERIFY2(alles.contains(QStringLiteral("6 / 160")) && alles.contains(QStringLiteral("y / z = 4 / 150")), qPrintable(alles));
        QVERIFY2(alles.contains(QStringLiteral("P18   T68 Tau-Z")) && alles.contains(QStringLiteral("web")), qPrintable(alles));
        QVERIFY(!alles.contains(QStringLiteral("Steg")));
        QVERIFY(!hatAnhang(antwort()));
    }
};

QTEST_MAIN(TestErgebnisseite)
#include "tst_ergebnisseite.moc"
