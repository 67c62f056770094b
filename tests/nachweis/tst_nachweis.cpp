// The design check against a worked example by hand: a box of form 15
// (BO 600, TO 30, TS 12) carrying an A65 rail over its web, the rail worn by a
// quarter of its head; the rail's outline split into rectangles and
// trapezoids, each taken with the textbook formulas, independent of the
// polygon integrals the program uses.
#include "Testhilfen.h"
#include "catalogs/Kataloge.h"
#include "Nachweisbeispiele.h"
#include "nachweis/Nachweis.h"

#include <QTest>
#include <cmath>

namespace {

struct Teil {
    double A, z, I; // area, centroid height, second moment about its own axis
};

// A trapezoid of widths a (bottom) and b (top) and height h from z0.
Teil trapez(double a, double b, double h, double z0)
{
    return {h * (a + b) / 2, z0 + h * (a + 2 * b) / (3 * (a + b)), h * h * h * (a * a + 4 * a * b + b * b) / (36 * (a + b))};
}

Teil zusammen(std::initializer_list<Teil> teile)
{
    Teil g{0, 0, 0};
    for (const Teil& t : teile) {
        g.A += t.A;
        g.z += t.A * t.z;
    }
    g.z /= g.A;
    for (const Teil& t : teile)
        g.I += t.I + t.A * (t.z - g.z) * (t.z - g.z);
    return g;
}

Schienenquerschnitt a65()
{
    Schienensatz satz{"75", "34", "30", "65", "38", "175", "20", "10"};
    Schienenquerschnitt s;
    s.umriss = schienenumriss(satz);
    s.kopfhoehe = 30;
    s.fussbreite = 175;
    s.kopfbreite = 65;
    return s;
}

// The web top at P3 under a 30 mm flange the load may spread over bf.
Radlastort steg(double bf)
{
    Radlastort o;
    o.punkt = 3, o.tw = 12, o.tf = 30, o.bf = bf, o.hw = 1000;
    return o;
}
const Radlastort kSteg = steg(600);

} // namespace

class TstNachweis : public QObject {
    Q_OBJECT
private slots:
    void streckgrenzeJeDickenstufe_data();
    void streckgrenzeJeDickenstufe();
    void radlastJeBefestigung_data();
    void radlastJeBefestigung();
    void beispielAmStegkopf();
    void radlastortJeForm_data();
    void radlastortJeForm();
    void eingabenGeprueft();
    void vorbereitung();
    void urteil();
};

void TstNachweis::streckgrenzeJeDickenstufe_data()
{
    QTest::addColumn<QString>("sorte");
    QTest::addColumn<double>("t");
    QTest::addColumn<double>("fy");
    // EN 10025-2, Table 7: each step at its upper limit and just above it.
    const struct { const char* sorte; double t, fy; } zeilen[] = {
        {"S355", 16, 355}, {"S355", 16.5, 345}, {"S355", 40, 345}, {"S355", 41, 335}, {"S355", 63, 335},
        {"S355", 64, 325}, {"S355", 80, 325}, {"S355", 81, 315}, {"S355", 100, 315}, {"S355", 101, 295},
        {"S235", 16, 235}, {"S235", 17, 225}, {"S235", 41, 215}, {"S235", 120, 195},
        {"S275", 12, 275}, {"S275", 30, 265}, {"S275", 50, 255}, {"S275", 70, 245}, {"S275", 90, 235},
        {"S460N", 16, 460}, {"S460N", 20, 440}, {"S460N", 50, 430}, {"S460N", 70, 410}, {"S460N", 90, 400},
        {"S355", 251, 0}, {"S355", 0, 0}, // S460N's last steps: tst_kranbahn
    };
    for (const auto& z : zeilen)
        QTest::addRow("%s t=%g", z.sorte, z.t) << QString::fromLatin1(z.sorte) << z.t << z.fy;
}

void TstNachweis::streckgrenzeJeDickenstufe()
{
    QFETCH(QString, sorte);
    QFETCH(double, t);
    QFETCH(double, fy);
    QCOMPARE(streckgrenze(*stahlsorte(sorte), t), fy);
}

void TstNachweis::radlastJeBefestigung_data()
{
    QTest::addColumn<int>("befestigung");
    QTest::addColumn<double>("faktor");
    QTest::addColumn<bool>("mitSchiene"); // Irf of rail and flange together, or Ir + If,eff
    QTest::newRow("starr") << int(Schienenbefestigung::Starr) << 3.25 << true;
    QTest::newRow("nicht starr") << int(Schienenbefestigung::NichtStarr) << 3.25 << false;
    QTest::newRow("auf Lager") << int(Schienenbefestigung::AufLager) << 4.25 << false;
}

void TstNachweis::radlastJeBefestigung()
{
    QFETCH(int, befestigung);
    QFETCH(double, faktor);
    QFETCH(bool, mitSchiene);
    // Worn to 75 - 7.5 = 67.5 mm: foot (10 at its edge), its slope to 20 at the web, the web to
    // 75 - 34 = 41, the head's underside to 75 - 30 = 45, what is left of the head.
    const Teil r = zusammen({trapez(175, 175, 10, 0), trapez(175, 38, 10, 10), trapez(38, 38, 21, 20),
                             trapez(38, 65, 4, 41), trapez(65, 65, 22.5, 45)});
    const double beff = 175 + 67.5 + 30; // bfr + hr + tf, narrower than the flange
    const Teil f{beff * 30, 15, beff * 30 * 30 * 30 / 12};
    const Teil rf = zusammen({{r.A, 30 + r.z, r.I}, f});
    const double I = mitSchiene ? rf.I : r.I + f.I;
    const double leff = faktor * std::cbrt(I / 12);

    const Radlastausbreitung a = radlastausbreitung(a65(), 0.25, kSteg, Schienenbefestigung(befestigung), 300);
    QCOMPARE(a.hr, 67.5);
    QCOMPARE(a.beff, beff);
    QVERIFY(std::fabs(a.Ir / r.I - 1) < 1e-9);
    QVERIFY(std::fabs(a.Irf / rf.I - 1) < 1e-9);
    QVERIFY(std::fabs(a.leff / leff - 1) < 0.005);
    QVERIFY(std::fabs(a.sigmaOz / (300e3 / (leff * 12)) - 1) < 0.005);

    // beff never wider than the flange.
    QCOMPARE(radlastausbreitung(a65(), 0.25, steg(200), Schienenbefestigung(befestigung), 300).beff, 200.0);
}

void TstNachweis::beispielAmStegkopf()
{
    // Unit stresses (kN/mm² for 1 kN, 1 kNm) at P3, the top of the web under
    // the rail (t = 12), and at P4, the top flange's end (t = 30).
    std::vector<Spannungspunkt> punkte(4);
    punkte[2] = {{2.5e-5f, 2e-6f, 3e-5f, 8e-5f, 6e-5f, 1e-5f}, 12};
    punkte[3] = {{2.5e-5f, 0, 0, 0, 7e-5f, 1e-5f}, 30};
    Bemessung b;
    b.kraefte = {-100, 50, 400, 30, 2000, 100};
    const double sigmaOz = 86.1065; // the rigidly fixed A65 under 300 kN
    std::vector<Ortsspannung> rad(4);
    rad[2].sigmaOz = sigmaOz;
    const Punktnachweise n = weiseNach(punkte, b, rad);
    QCOMPARE(int(n.punkte.size()), 2); // P1, P2 absent
    const Punktnachweis& p3 = n.punkte[0];
    // σx = 1000·(−100·2.5e-5 + 2000·6e-5 + 100·1e-5) = 118.5; τ = 1000·(50·2e-6 + 400·3e-5 + 30·8e-5) = 14.5;
    // σv = √(118.5² + 86.11² + 118.5·86.11 + 3·14.5²) = 179.697 (compression under the wheel).
    QCOMPARE(p3.nummer, 3);
    QVERIFY(std::fabs(p3.sigmaX - 118.5) < 1e-3);
    QVERIFY(std::fabs(p3.tau - 14.5) < 1e-3);
    QCOMPARE(p3.sigmaZ, -sigmaOz);
    QVERIFY(std::fabs(p3.sigmaV - 179.697) < 1e-2);
    QVERIFY(std::fabs(p3.eta - 179.697 / 355) < 1e-4);
    // P4: 138.5 against 345 for 30 mm; no wheel there.
    QCOMPARE(n.punkte[1].sigmaZ, 0.0);
    QVERIFY(std::fabs(n.punkte[1].eta - 138.5 / 345) < 1e-4);
    QCOMPARE(n.massgebend, 0);
    QVERIFY(n.etaMax <= 1);

    b.gammaM0 = 1.1;
    QVERIFY(std::fabs(weiseNach(punkte, b, rad).etaMax - 179.697 * 1.1 / 355) < 1e-4);
    // My = 6000: P3 409.2/355·1.1 = 1.27, P4 418.5/345·1.1 = 1.33 governs.
    b.kraefte.My = 6000;
    const Punktnachweise zuViel = weiseNach(punkte, b, rad);
    QVERIFY(zuViel.etaMax > 1);
    QCOMPARE(zuViel.massgebend, 1);
    QVERIFY(std::fabs(zuViel.etaMax - 418.5 * 1.1 / 345) < 1e-4);

    // The top of an acting rail is rail steel: no row.
    std::vector<Spannungspunkt> mitSchiene(14);
    mitSchiene[13] = {{1e-3f, 0, 0, 0, 0, 0}, 40};
    QVERIFY(weiseNach(mitSchiene, b).punkte.empty());

    // η exactly 1 still passes: σx = 355 at a 12 mm plate of S355.
    std::vector<Spannungspunkt> voll(1);
    voll[0] = {{0.000244140625f, 0, 0, 0, 0, 0}, 12};
    Bemessung grenze;
    grenze.kraefte.N = 1454.08;
    const Punktnachweise gerade = weiseNach(voll, grenze);
    QCOMPARE(gerade.etaMax, 1.0);
}

void TstNachweis::radlastortJeForm_data()
{
    QTest::addColumn<int>("familie");
    QTest::addColumn<int>("form");
    QTest::addColumn<int>("punkt"); // 0: the rail stands over no web
    QTest::addColumn<double>("tw");
    QTest::newRow("über Steg") << int(kUeberSteg) << 15 << 3 << 14.0;
    QTest::newRow("Mitte Obergurt") << int(kMitteObergurt) << 35 << 0 << 0.0;
    QTest::newRow("ohne Schiene") << int(kOhneSchiene) << 1 << 0 << 0.0;
    QTest::newRow("halbes H") << int(kHalbesH) << 111 << 3 << 11.0;
    QTest::newRow("Winkel") << int(kWinkelkatzprofil) << 201 << 3 << 12.0;
    QTest::newRow("Winkel mit H") << int(kWinkelkatzprofil) << 221 << 3 << 11.0;
    QTest::newRow("2-Zell") << int(kZweizeller) << 311 << 16 << 10.0;
    QTest::newRow("Walzprofil mit Flachschiene") << int(kWalzprofil) << 0 << 3 << 10.5;
}

void TstNachweis::radlastortJeForm()
{
    QFETCH(int, familie);
    QFETCH(int, form);
    QFETCH(int, punkt);
    QFETCH(double, tw);
    Querschnittsdaten q = familie == kWalzprofil ? kastenMitSchiene(familie, form) : formbeispiel(form);
    q.Typ = "HEB 400";
    q.walzprofil = {"400", "300", "10.5", "24", "27"};
    q.HschieneCheck = true;
    q.flachschienenbreite = "50";
    q.flachschienenhoehe = "30";
    const auto ort = radlastort(q);
    QCOMPARE(ort ? ort->punkt : 0, punkt);
    if (ort)
        QCOMPARE(ort->tw, tw);
}

void TstNachweis::eingabenGeprueft()
{
    Bemessungswerte w;
    QVERIFY(!hatBemessung(w));
    QCOMPARE(leseBemessung(w).fehler, Bemessungsfehler::Keiner);
    w.Mz = "12.5";
    QVERIFY(hatBemessung(w));
    w.Vz = "x";
    const Bemessungslesung l = leseBemessung(w);
    QCOMPARE(l.fehler, Bemessungsfehler::Kraft);
    QCOMPARE(l.kraft, 2);
    // A force that is no number is an entry too: the check tells about it.
    Bemessungswerte nurText;
    nurText.N = "x";
    QVERIFY(hatBemessung(nurText));
    w.Vz.clear();
    for (const auto& [feld, text, fehler] :
         {std::tuple{&Bemessungswerte::gammaM0, "0.99", Bemessungsfehler::GammaM0},
          std::tuple{&Bemessungswerte::gammaM1, "1.6", Bemessungsfehler::GammaM1},
          std::tuple{&Bemessungswerte::steifenabstand, "50", Bemessungsfehler::Steifenabstand},
          std::tuple{&Bemessungswerte::radlast, "-1", Bemessungsfehler::Radlast},
          std::tuple{&Bemessungswerte::radlast, "2e7", Bemessungsfehler::Radlast},
          std::tuple{&Bemessungswerte::verschleiss, "60", Bemessungsfehler::Verschleiss},
          std::tuple{&Bemessungswerte::stahlsorte, "S999", Bemessungsfehler::Stahlsorte}}) {
        Bemessungswerte falsch = w;
        falsch.*feld = QString::fromLatin1(text);
        QCOMPARE(leseBemessung(falsch).fehler, fehler);
    }
    // The edges of what is admissible.
    for (const auto& [feld, text] : {std::pair{&Bemessungswerte::gammaM0, "1.0"}, {&Bemessungswerte::gammaM0, "1.5"},
                                     {&Bemessungswerte::gammaM1, "1.0"}, {&Bemessungswerte::steifenabstand, "100"},
                                     {&Bemessungswerte::verschleiss, "50"}, {&Bemessungswerte::radlast, "0"}}) {
        Bemessungswerte rand = w;
        rand.*feld = QString::fromLatin1(text);
        QCOMPARE(leseBemessung(rand).fehler, Bemessungsfehler::Keiner);
    }
    // A rail counted in the section slides on a pad: only rigidly fixed it acts.
    Bemessungswerte lose = w;
    lose.befestigung = Schienenbefestigung::AufLager;
    QCOMPARE(leseBemessung(lose, true).fehler, Bemessungsfehler::Befestigung);
    lose.befestigung = Schienenbefestigung::NichtStarr;
    QCOMPARE(leseBemessung(lose, true).fehler, Bemessungsfehler::Befestigung);
    QCOMPARE(leseBemessung(lose, false).fehler, Bemessungsfehler::Keiner);
    // A decimal comma as in the main window; a sign alone or two separators are no number.
    w.gammaM0 = "1,05";
    w.N = "-100,5";
    const Bemessungslesung komma = leseBemessung(w);
    QVERIFY(komma.fehler == Bemessungsfehler::Keiner && komma.werte.gammaM0 == double(1.05f) && komma.werte.kraefte.N == -100.5);
    for (const char* text : {"-", "1,0.5", "1e30", "-10000001"}) {
        w.N = QString::fromLatin1(text);
        QCOMPARE(leseBemessung(w).fehler, Bemessungsfehler::Kraft);
    }
}

// What the check takes from the section and its results: the wheel's point
// must be one the results have, over a web, under a rail.
void TstNachweis::vorbereitung()
{
    Querschnittsdaten q = formbeispiel(15); // the acting rail 65 × 75 over the right web (tw 14, hw 1200)
    Ergebnisse r = gleicheErgebnisse(18);
    Bemessung b;
    b.radlast = 100;
    const Nachweisvorbereitung mitRad = bereiteNachweisVor(r, r, std::nullopt, q, b, "15", QString());
    QVERIFY(mitRad.daten && mitRad.daten->radlast);
    QVERIFY(mitRad.daten->schienenpunkt && mitRad.daten->abgefahren);
    const Radlastausbreitung& a = *mitRad.daten->radlast;
    QCOMPARE(a.hr, 75 * 0.75); // a flat rail wears over its whole height
    // The compression spreads at 45° down the web: at its foot (P2) over leff + 2·hw.
    for (const Punktnachweis& p : mitRad.daten->nachweis.punkte.punkte) {
        if (p.nummer > 8)
            continue; // the stiffeners' points on that web lie between
        const double soll = p.nummer == 3 ? -a.sigmaOz : p.nummer == 2 ? -100e3 / ((a.leff + 2 * 1200) * 14) : 0.0;
        QVERIFY2(std::fabs(p.sigmaZ - soll) < 1e-9, qPrintable(QString("P%1: %2").arg(p.nummer).arg(p.sigmaZ)));
    }
    QCOMPARE(mitRad.daten->nachweis.punkte.punkte[2].nummer, 3);
    QCOMPARE(mitRad.daten->nachweis.punkte.punkte[2].tauOxz, 0.2 * a.sigmaOz);
    // Without a the local bending cannot be computed: the check says so and is not complete.
    QCOMPARE(mitRad.daten->nachweis.urteil, Urteil::Unvollstaendig);
    b.steifenabstand = 1500;
    const Nachweisvorbereitung mitA = bereiteNachweisVor(r, r, std::nullopt, q, b, "15", QString());
    QVERIFY(mitA.daten->nachweis.stegbiegung);
    QCOMPARE(mitA.daten->nachweis.punkte.punkte[2].sigmaZ, -(a.sigmaOz + mitA.daten->nachweis.stegbiegung->sigmaT));
    QCOMPARE(mitA.daten->nachweis.urteil, Urteil::Erfuellt);
    b.kraefte.N = 1e5; // 1000 N/mm², far beyond the yield strength
    QCOMPARE(bereiteNachweisVor(r, r, std::nullopt, q, b, "15", QString()).daten->nachweis.urteil, Urteil::NichtErfuellt);
    b.kraefte.N = 0;

    r.punkte[2].dicke = 0; // the results have no P3
    QCOMPARE(bereiteNachweisVor(r, r, std::nullopt, q, b, "15", QString()).meldung, 57);
    r.punkte[2].dicke = 12;
    q.masse.schienenhoehe.clear(); // no rail given
    QCOMPARE(bereiteNachweisVor(r, r, std::nullopt, q, b, "15", QString()).meldung, 57);
    q = formbeispiel(35); // the rail at mid top flange stands over no web
    QCOMPARE(bereiteNachweisVor(r, r, std::nullopt, q, b, "35", QString()).meldung, 57);
    b.radlast = 0; // without a wheel load every section has its check
    const Nachweisvorbereitung ohne = bereiteNachweisVor(r, r, std::nullopt, q, b, "35", QString());
    QVERIFY(ohne.daten && !ohne.daten->radlast);
}

// The verdict: η exactly 1 still satisfies; a failed check outranks a class 4 part, which
// outranks a check that could not be made; the governing check is the largest η.
void TstNachweis::urteil()
{
    int massgebend = -1;
    const Teilnachweis voll{Pruefung::Spannungen, true, 1.0}, knapp{Pruefung::Lasteinleitung, true, 0.9};
    QCOMPARE(urteile({knapp, voll}, 3, true, massgebend), Urteil::Erfuellt);
    QCOMPARE(massgebend, 1);
    const Teilnachweis ueber{Pruefung::Kippen, true, std::nextafter(1.0, 2.0)};
    const Teilnachweis offen{Pruefung::Stegbiegung, false, 0};
    QCOMPARE(urteile({voll, ueber}, 4, true, massgebend), Urteil::NichtErfuellt);
    QCOMPARE(massgebend, 1);
    QCOMPARE(urteile({voll, offen}, 4, true, massgebend), Urteil::Klasse4);
    QCOMPARE(urteile({voll, offen}, 3, true, massgebend), Urteil::Unvollstaendig);
    QCOMPARE(massgebend, 0); // what was not made never governs
    QCOMPARE(urteile({voll}, 1, false, massgebend), Urteil::NichtErfuellt);
}

QTEST_GUILESS_MAIN(TstNachweis)
#include "tst_nachweis.moc"
