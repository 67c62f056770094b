// The screen sketches of the section forms on a recording surface: which
// sketch each number draws, the stiffener symbols per code, the codes that
// draw nothing, the two-cell sketch's shifted origin, the rolled-profile
// variants, and that every sketch stays inside the picture box.
#include "Aufzeichnung.h"
#include "Formnummern.h"
#include "drawing/Skizzen.h"
#include "drawing/Zeichenprimitive.h"

#include <QDir>
#include <QTest>
#include <cmath>

namespace {

// The picture box's width and height in millimetres.
const double Kante = Skizzenpixel * 25.4 / Skizzendpi;

// Lines of the stiffener symbols as the sketches place them.
const QList<QLineF> SchieneUeberStegSt1 = {{46, 22, 40, 22}, {40, 22, 40, 26}};
const QList<QLineF> SchieneUeberStegSt2 = {{14, 23, 20, 23}, {20, 23, 20, 27}};
const QList<QLineF> SchieneUeberStegSt3 = {{40, 30, 46, 30}, {40, 30, 40, 34}};
const QList<QLineF> SchieneUeberStegSt4 = {{14, 33, 20, 33}, {20, 33, 20, 37}};
const QList<QLineF> MittelSt5 = {{30, 10, 30, 15}, {30, 15, 27, 15}};
const QList<QLineF> WinkelSt1 = {{46, 25, 40, 25}, {40, 25, 40, 29}};
const QList<QLineF> WinkelSt3 = {{40, 31, 46, 31}, {40, 31, 40, 35}};
const QList<QLineF> ZweizellSt1 = {{14, 19, 20, 19}, {20, 19, 20, 23}};
const QList<QLineF> ZweizellSt2 = {{46, 18, 40, 18}, {40, 18, 40, 22}};
const QList<QLineF> ZweizellSt3 = {{14, 28, 20, 28}, {20, 28, 20, 32}};
const QList<QLineF> ZweizellSt4 = {{40, 30, 46, 30}, {40, 30, 40, 34}};
const QList<QLineF> ZweizellSt5 = {{30, 8, 30, 13}, {30, 13, 27, 13}};
QList<QLineF> reihe(double y) { return {{14, y, 20, y}, {46, y, 40, y}, {20, y, 20, y + 4}, {40, y, 40, y + 4}}; }

struct Skizze {
    Aufzeichnung a;
    // The sketch of a section form, or with a variant 0 to 2 the rolled profile.
    explicit Skizze(int Querschnittsnummer, int variante = -1)
    {
        if (variante < 0)
            zeichneQuerschnittsskizze(a.flaeche, Querschnittsnummer);
        else
            zeichneWalzprofilskizze(a.flaeche, variante);
    }

    QStringList kaesten() const
    {
        QStringList k;
        for (const Zeichenschritt& s : a.schritte(Zeichenschritt::Art::Rechteck))
            k.append(QStringLiteral("%1,%2 %3x%4").arg(s.x1).arg(s.y1).arg(s.x2 - s.x1).arg(s.y2 - s.y1));
        return k;
    }
    QStringList boegen() const
    {
        QStringList b;
        for (const Zeichenschritt& s : a.schritte(Zeichenschritt::Art::Bogen))
            b.append(QStringLiteral("%1,%2 r%3").arg(s.x1).arg(s.y1).arg(s.x2));
        return b;
    }
    int anzahl(const QString& text) const
    {
        int n = 0;
        for (const Zeichenschritt& s : a.texte())
            n += s.text == text;
        return n;
    }
};

// What lies outside the picture box (texts with their whole extent, lines
// and boxes with their ends), as seen on the surface with its left edge.
QStringList ausserhalb(const Aufzeichnung& a)
{
    QStringList draussen;
    double rand = 0;
    const auto pruefe = [&](const Zeichenschritt& s, double x1, double y1, double x2, double y2) {
        for (double x : {x1 - rand, x2 - rand})
            for (double y : {y1, y2})
                if (x < 0 || x > Kante || y < 0 || y > Kante) {
                    draussen.append(s.art == Zeichenschritt::Art::Text
                                        ? s.text
                                        : QStringLiteral("(%1,%2)-(%3,%4)").arg(x1).arg(y1).arg(x2).arg(y2));
                    return;
                }
    };
    for (const Zeichenschritt& s : a.protokoll) {
        switch (s.art) {
        case Zeichenschritt::Art::LinkerRand: rand = s.x1; break;
        case Zeichenschritt::Art::Text:
        case Zeichenschritt::Art::Linie:
        case Zeichenschritt::Art::Rechteck: pruefe(s, s.x1, s.y1, s.x2, s.y2); break;
        case Zeichenschritt::Art::Bogen: pruefe(s, s.x1 - s.x2, s.y1 - s.x2, s.x1 + s.x2, s.y1 + s.x2); break;
        default: break;
        }
    }
    return draussen;
}

} // namespace

class TestSkizzen : public QObject {
    Q_OBJECT

private slots:
    void auswahlNachNummer_data()
    {
        // The sketches are told apart by the few texts that set them apart.
        QTest::addColumn<int>("nummer");
        QTest::addColumn<QStringList>("kennzeichen");
        const QStringList ohneSchiene{"TS"}, untergurt{"H-Prof", "TS"}, ueberSteg{"TS2"}, zweizell{"TO3", "TS2"},
            winkel{"TS2", "UU"};
        for (int c : {-3, 0, 1, 6, 9, 31, 39, 49})
            QTest::addRow("%d ohne Schiene", c) << c << ohneSchiene;
        for (int c : {51, 55, 59})
            QTest::addRow("%d H-Profil als Untergurt", c) << c << untergurt;
        for (int c : {11, 19, 20, 29, 111, 119})
            QTest::addRow("%d Schiene über Steg", c) << c << ueberSteg;
        for (int c : {311, 319})
            QTest::addRow("%d zwei Zellen", c) << c << zweizell;
        for (int c : {201, 219, 229, 299})
            QTest::addRow("%d Winkelkatzprofil", c) << c << winkel;
    }
    void auswahlNachNummer()
    {
        QFETCH(int, nummer);
        QFETCH(QStringList, kennzeichen);
        const Skizze s(nummer);
        QStringList gefunden;
        for (const QString& k : QStringList{"H-Prof", "TO3", "TS", "TS2", "UU"})
            if (s.anzahl(k) > 0)
                gefunden.append(k);
        QCOMPARE(gefunden, kennzeichen);
    }

    void nummernOhneSkizze_data()
    {
        QTest::addColumn<int>("nummer");
        for (int c : {10, 30, 50, 60, 100, 110, 120, 200, 300, 310, 320, 1000})
            QTest::addRow("%d", c) << c;
    }
    void nummernOhneSkizze()
    {
        QFETCH(int, nummer);
        const Skizze s(nummer);
        QVERIFY(!s.a.zeichnetEtwas());
        QCOMPARE(s.a.schritte(Zeichenschritt::Art::Loeschen).size(), size_t(1));
        // And the picture the window shows is blank.
        const QImage bild = skizzenbild(nummer);
        QCOMPARE(bild.size(), QSize(Skizzenpixel, Skizzenpixel));
        QVERIFY(bild == leeresBild(Skizzenpixel, Skizzendpi));
    }

    void steifen_data()
    {
        QTest::addColumn<int>("nummer");
        QTest::addColumn<QList<QLineF>>("striche");
        QTest::addColumn<QStringList>("namen");
        QTest::addColumn<int>("hb");
        QTest::newRow("12 St1") << 12 << SchieneUeberStegSt1 << QStringList{"St1@33,23"} << 1;
        QTest::newRow("112 St1 am halben H-Profil") << 112 << SchieneUeberStegSt1 << QStringList{"St1@33,23"} << 1;
        QTest::newRow("11 keine") << 11 << QList<QLineF>{} << QStringList{} << 0;
        QTest::newRow("19 alle fünf")
            << 19
            << SchieneUeberStegSt1 + SchieneUeberStegSt2 + SchieneUeberStegSt3 + SchieneUeberStegSt4 + MittelSt5
            << QStringList{"St1@33,23", "St2@21,24", "St3@33,31", "St4@21,34", "St5@24,10"} << 1;
        QTest::newRow("117 St1, St2, St5") << 117 << SchieneUeberStegSt1 + SchieneUeberStegSt2 + MittelSt5
                                           << QStringList{"St1@33,23", "St2@21,24", "St5@24,10"} << 1;
        QTest::newRow("36 nur die mittlere") << 36 << MittelSt5 << QStringList{"St5@24,10"} << 0;
        QTest::newRow("1 keine") << 1 << QList<QLineF>{} << QStringList{} << 0;
        QTest::newRow("2 Reihe 1") << 2 << reihe(22) << QStringList{"St1@33,23"} << 2;
        QTest::newRow("4 Reihen 1 und 2") << 4 << reihe(22) + reihe(30) << QStringList{"St1@33,23", "St3@33,31"} << 2;
        QTest::newRow("5 Reihen und Mitte") << 5 << reihe(22) + reihe(30) + MittelSt5
                                            << QStringList{"St1@33,23", "St3@33,31", "St5@24,10"} << 2;
        QTest::newRow("37 Reihe 1 und Mitte") << 37 << reihe(22) + MittelSt5
                                              << QStringList{"St1@33,23", "St5@24,10"} << 2;
        QTest::newRow("54 Reihen über dem H-Profil") << 54 << reihe(22) + reihe(30)
                                                     << QStringList{"St1@33,23", "St3@33,31"} << 2;
        QTest::newRow("225 Winkelkatzprofil H1/2, St1 bis St4")
            << 225 << WinkelSt1 + SchieneUeberStegSt2 + WinkelSt3 + SchieneUeberStegSt4
            << QStringList{"St1@33,25", "St2@21,24", "St3@33,32", "St4@21,34"} << 1;
        QTest::newRow("216 Winkelkatzprofil St1, St5") << 216 << WinkelSt1 + MittelSt5
                                                       << QStringList{"St1@33,25", "St5@24,10"} << 1;
        QTest::newRow("221 Winkelkatzprofil H1/2 ohne") << 221 << QList<QLineF>{} << QStringList{} << 0;
        QTest::newRow("315 zwei Zellen, St1 bis St4")
            << 315 << ZweizellSt1 + ZweizellSt2 + ZweizellSt3 + ZweizellSt4
            << QStringList{"St1@21,21", "St2@33,19", "St3@21,29", "St4@33,31"} << 1;
        QTest::newRow("316 zwei Zellen, St1 und St5")
            << 316 << ZweizellSt1 + ZweizellSt5 << QStringList{"St1@21,21", "St5@24,8"} << 1;
    }
    void steifen()
    {
        QFETCH(int, nummer);
        QFETCH(QList<QLineF>, striche);
        QFETCH(QStringList, namen);
        QFETCH(int, hb);
        const Skizze s(nummer);
        const QString unterschied = streckenUnterschied(s.a.linienMitBreite(3), striche);
        QVERIFY2(unterschied.isEmpty(), qPrintable(unterschied));
        namen.sort();
        QCOMPARE(s.a.textorte(QStringLiteral("St")), namen);
        QCOMPARE(s.anzahl(QStringLiteral("HB")), hb);
        // Outlines and dimensions go back to the nominal width 1 afterwards.
        QCOMPARE(s.a.flaeche.linienbreitePixel(), 1);
    }

    void hoeheDerSteifeEndetAmUntergurt_data()
    {
        QTest::addColumn<int>("nummer");
        QTest::addColumn<QList<QLineF>>("untereStuecke");
        QTest::newRow("2 am Bodenblech") << 2 << QList<QLineF>{{17.5, 50, 17.5, 38.5}, {42.5, 50, 42.5, 38.5}};
        QTest::newRow("52 am H-Profil") << 52 << QList<QLineF>{{17.5, 45, 17.5, 36}, {42.5, 45, 42.5, 36}};
        QTest::newRow("12 an der Schienenseite") << 12 << QList<QLineF>{{42.5, 50, 42.5, 38.5}};
        QTest::newRow("312 zwei Zellen") << 312 << QList<QLineF>{{17.5, 50, 17.5, 37}};
    }
    void hoeheDerSteifeEndetAmUntergurt()
    {
        QFETCH(int, nummer);
        QFETCH(QList<QLineF>, untereStuecke);
        const Skizze s(nummer);
        for (const QLineF& stueck : untereStuecke) {
            bool da = false;
            for (const QLineF& l : s.a.linien())
                da = da || gleicheStrecke(l, stueck);
            QVERIFY2(da, qPrintable(alsText(stueck)));
        }
    }

    void schieneUndStegneigung_data()
    {
        QTest::addColumn<int>("nummer");
        QTest::addColumn<QStringList>("kaesten");
        QTest::addColumn<QStringList>("boegen");
        QTest::addColumn<QStringList>("alpha");
        const QString schieneUeberSteg = QStringLiteral("44.5,4 5x3"), schieneMitte = QStringLiteral("27.5,4 5x3");
        QTest::newRow("12 Schiene über Steg, geneigter Steg")
            << 12
            << QStringList{"8,7 44x3", "46,10 2x40", "12,10 2x40", "5,50 50x4", schieneUeberSteg}
            << QStringList{} << QStringList{"α@51,36"};
        QTest::newRow("112 halbes H-Profil, kein Neigungszeichen")
            << 112 << QStringList{"8,7 32x3", "46,15 2x35", "12,10 2x40", "5,50 50x4", schieneUeberSteg}
            << QStringList{"44,12 r2", "50,12 r2"} << QStringList{};
        QTest::newRow("1 ohne Schiene") << 1 << QStringList{"8,7 44x3", "12,10 2x40", "46,10 2x40", "5,50 50x4"}
                                        << QStringList{} << QStringList{"α@51,36"};
        QTest::newRow("36 Schiene Mitte Obergurt")
            << 36 << QStringList{"8,7 44x3", "12,10 2x40", "46,10 2x40", "5,50 50x4", schieneMitte} << QStringList{}
            << QStringList{"α@51,36"};
        QTest::newRow("51 H-Profil als Untergurt")
            << 51 << QStringList{"8,7 44x3", "12,10 2x35", "46,10 2x35"} << QStringList{} << QStringList{"α@51,35"};
        QTest::newRow("211 Winkelkatzprofil")
            << 211 << QStringList{"8,7 44x3", "46,10 2x47", "12,10 2x40", "4,50 42x4", "48,49 3x6", schieneUeberSteg}
            << QStringList{} << QStringList{};
        QTest::newRow("221 Winkelkatzprofil H1/2")
            << 221 << QStringList{"8,7 32x3", "46,15 2x42", "12,10 2x40", "4,50 42x4", "48,49 3x6", schieneUeberSteg}
            << QStringList{"44,12 r2", "50,12 r2"} << QStringList{};
        QTest::newRow("311 zwei Zellen")
            << 311
            << QStringList{"8,5 44x3", "46,8 2x42", "12,8 2x42", "5,50 61x4", "48,35 19x2", "58,37 2x13",
                           "56.5,32 5x3"}
            << QStringList{} << QStringList{};
    }
    void schieneUndStegneigung()
    {
        QFETCH(int, nummer);
        QFETCH(QStringList, kaesten);
        QFETCH(QStringList, boegen);
        QFETCH(QStringList, alpha);
        const Skizze s(nummer);
        QStringList ist = s.kaesten();
        ist.sort();
        kaesten.sort();
        QCOMPARE(ist, kaesten);
        QStringList istBoegen = s.boegen();
        istBoegen.sort();
        QCOMPARE(istBoegen, boegen);
        QCOMPARE(s.a.textorte(QStringLiteral("α")), alpha);
    }

    void zweiZellenSetztLinkenRandZurueck_data()
    {
        QTest::addColumn<int>("nummer");
        for (int c = 311; c <= 319; ++c)
            QTest::addRow("%d", c) << c;
    }
    void zweiZellenSetztLinkenRandZurueck()
    {
        QFETCH(int, nummer);
        const Skizze s(nummer);
        QCOMPARE(s.a.flaeche.linkerRand(), 0.0);
        const auto raender = s.a.schritte(Zeichenschritt::Art::LinkerRand);
        QCOMPARE(raender.size(), size_t(2));
        QCOMPARE(raender.front().x1, 4.0);
        QCOMPARE(raender.back().x1, 0.0);
        // Everything in between was drawn 4 further left: the second cell's
        // right edge x = 67 lies inside the picture at 63 mm.
        const QImage bild = skizzenbild(nummer);
        const auto pixel = [](double mm) { return int(std::lround(mm * Skizzendpi / 25.4)); };
        bool dunkel = false;
        for (int dx = -1; dx <= 1; ++dx)
            dunkel = dunkel || qGray(bild.pixel(pixel(63) + dx, pixel(33))) < 128;
        QVERIFY(dunkel);
    }

    void walzprofil_data()
    {
        QTest::addColumn<int>("variante");
        QTest::addColumn<QStringList>("kaesten");
        QTest::addColumn<QStringList>("texte");
        QTest::newRow("0 ohne Zusatz") << 0 << QStringList{"8,7 44x3", "29,10 2x40", "8,50 44x3"}
                                       << QStringList{"B", "H", "R", "S", "T"};
        QTest::newRow("1 mit Flachschiene") << 1 << QStringList{"8,7 44x3", "29,10 2x40", "8,50 44x3", "27.5,4 5x3"}
                                            << QStringList{"B", "H", "R", "S", "T"};
        QTest::newRow("2 mit Profil unter dem Untergurt")
            << 2 << QStringList{"8,7 44x3", "29,10 2x40", "16,50 28x3"}
            << QStringList{"B", "BU", "H", "HU", "R", "RU", "S", "SU", "T", "TU"};
    }
    void walzprofil()
    {
        QFETCH(int, variante);
        QFETCH(QStringList, kaesten);
        QFETCH(QStringList, texte);
        const Skizze s(0, variante);
        QStringList ist = s.kaesten();
        ist.sort();
        kaesten.sort();
        QCOMPARE(ist, kaesten);
        QStringList geschrieben;
        for (const Zeichenschritt& t : s.a.texte())
            geschrieben.append(t.text);
        geschrieben.sort();
        QCOMPARE(geschrieben, texte);
        QStringList boegen = s.boegen();
        boegen.sort();
        QCOMPARE(boegen, (QStringList{"26,13 r3", "26,47 r3", "34,13 r3", "34,47 r3"}));
    }

    // Every sketch the program offers fits the picture box: no text is cut off.
    void allesImBild_data()
    {
        QTest::addColumn<int>("nummer");
        QTest::addColumn<int>("variante");
        const QDir daten(qEnvironmentVariable("TARVELLO_DATEN"));
        QList<int> nummern = formnummernAus(daten.filePath(QStringLiteral("Combo.D")));
        for (int c : formnummernAus(daten.filePath(QStringLiteral("Combo.E"))))
            if (!nummern.contains(c))
                nummern.append(c);
        QVERIFY(nummern.size() > 50);
        for (int c : nummern)
            QTest::addRow("%d", c) << c << -1;
        for (int v = 0; v <= 2; ++v)
            QTest::addRow("H-Prof. %d", v) << 0 << v;
    }
    void allesImBild()
    {
        QFETCH(int, nummer);
        QFETCH(int, variante);
        const Skizze s(nummer, variante);
        QVERIFY(s.a.zeichnetEtwas());
        const QStringList draussen = ausserhalb(s.a);
        QVERIFY2(draussen.isEmpty(), qPrintable(draussen.join(u' ')));
        // The sketch is drawn in the size-12 serif face the window asks for.
        const auto schriften = s.a.schritte(Zeichenschritt::Art::Schrift);
        QVERIFY(!schriften.empty());
        QCOMPARE(schriften.front().text, QStringLiteral("Times New Roman"));
        QCOMPARE(schriften.front().wert, 12.0);
    }

    void zielBleibtNichtAnDerFlaeche()
    {
        Aufzeichnung vorher;
        setzeZeichenziel(&vorher.flaeche, false);
        {
            const Skizze s(12);
        }
        QCOMPARE(zeichenziel().flaeche, &vorher.flaeche);
        QVERIFY(!zeichenziel().testansicht);
        setzeZeichenziel(nullptr, true);
    }

    void bildInGroesseDesBildfelds_data()
    {
        QTest::addColumn<int>("faktor");
        QTest::newRow("1") << 1;
        QTest::newRow("4") << 4;
    }
    void bildInGroesseDesBildfelds()
    {
        QFETCH(int, faktor);
        const QImage bild = skizzenbild(12, faktor);
        QCOMPARE(bild.size(), QSize(Skizzenpixel * faktor, Skizzenpixel * faktor));
        QVERIFY(bild != leeresBild(Skizzenpixel * faktor, Skizzendpi));
        QVERIFY(walzprofilbild(1, faktor) != walzprofilbild(0, faktor));
    }
};

QTEST_MAIN(TestSkizzen)
#include "tst_skizzen.moc"
