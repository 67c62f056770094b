// The drawing primitives on a recording surface: arrowheads, dimensions in
// every mode, value labels, the axis symbol, text placement and line widths.
#include "Aufzeichnung.h"
#include "app/Zahlen.h"
#include "drawing/Zeichenprimitive.h"

#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>
#include <QtMath>
#include <cmath>

namespace {

// The three lines of a closed arrowhead: tip to first barb, barb to barb,
// second barb back to the tip.
QList<QLineF> pfeil(double x, double y, int richtung)
{
    QPointF b1, b2;
    switch (richtung) {
    case 1: b1 = {x - 1.5, y + 1}, b2 = {x - 1.5, y - 1}; break;
    case 2: b1 = {x + 1.5, y + 1}, b2 = {x + 1.5, y - 1}; break;
    case 3: b1 = {x - 1, y + 1.5}, b2 = {x + 1, y + 1.5}; break;
    case 4: b1 = {x - 1, y - 1.5}, b2 = {x + 1, y - 1.5}; break;
    default: return {};
    }
    return {QLineF({x, y}, b1), QLineF(b1, b2), QLineF(b2, {x, y})};
}

// Open arrowhead at the tip, its strokes ending at the two given points.
QList<QLineF> offen(double x, double y, QPointF a, QPointF b) { return {QLineF({x, y}, a), QLineF({x, y}, b)}; }

// Text extents on a fresh surface in its starting font, as the tests draw.
struct Masse {
    double w, h;
};
Masse masseVon(const QString& text)
{
    Aufzeichnung a;
    return {a.flaeche.textWidth(text), a.flaeche.textHeight(text) / 2};
}

} // namespace

class TestZeichenprimitive : public QObject {
    Q_OBJECT

private slots:
    void cleanup()
    {
        setzeZeichenziel(nullptr, true);
        setzeDezimaltrennzeichen(u'.');
    }

    void pfeilspitze_data()
    {
        QTest::addColumn<int>("richtung");
        QTest::addColumn<QList<QLineF>>("linien");
        // Tip at (10, 20); the lines in drawing order.
        QTest::newRow("1 nach rechts") << 1 << QList<QLineF>{{10, 20, 8.5, 21}, {8.5, 21, 8.5, 19}, {8.5, 19, 10, 20}};
        QTest::newRow("2 nach links") << 2 << QList<QLineF>{{10, 20, 11.5, 21}, {11.5, 21, 11.5, 19}, {11.5, 19, 10, 20}};
        QTest::newRow("3 nach oben") << 3 << QList<QLineF>{{10, 20, 9, 21.5}, {9, 21.5, 11, 21.5}, {11, 21.5, 10, 20}};
        QTest::newRow("4 nach unten") << 4 << QList<QLineF>{{10, 20, 9, 18.5}, {9, 18.5, 11, 18.5}, {11, 18.5, 10, 20}};
        QTest::newRow("0 nichts") << 0 << QList<QLineF>{};
        QTest::newRow("5 nichts") << 5 << QList<QLineF>{};
    }
    void pfeilspitze()
    {
        QFETCH(int, richtung);
        QFETCH(QList<QLineF>, linien);
        Aufzeichnung a;
        setzeZeichenziel(&a.flaeche, true);
        zeichnePfeil(10, 20, richtung);
        QCOMPARE(a.linien(), linien);
        QCOMPARE(a.protokoll.size(), size_t(linien.size()));
    }

    void mass_data()
    {
        QTest::addColumn<int>("modus");
        QTest::addColumn<QLineF>("punkte");
        QTest::addColumn<QList<QLineF>>("linien");
        QTest::addColumn<QPointF>("textecke");
        const auto [w, h] = masseVon(QStringLiteral("BO"));
        const QLineF waagerecht(10, 20, 50, 20), senkrecht(20, 10, 20, 50);

        QTest::newRow("0 ohne Hilfslinien, Stücke treffen sich in der Mitte")
            << 0 << waagerecht << (QList<QLineF>{{10, 20, 30, 20}, {50, 20, 30, 20}} + pfeil(10, 20, 2) + pfeil(50, 20, 1))
            << QPointF(30 - w / 2, 17.5);
        QTest::newRow("1 senkrecht, x1 = x2")
            << 1 << senkrecht
            << (QList<QLineF>{{20, 10, 20, 27.5}, {20, 50, 20, 32.5}} + pfeil(20, 10, 3) + pfeil(20, 50, 4))
            << QPointF(20 - w / 2, 30 - h);
        QTest::newRow("1 senkrecht, x1 = x2 + 10: Hilfslinie und ganze Maßlinie bei x2")
            << 1 << QLineF(30, 10, 20, 50)
            << (QList<QLineF>{{30, 10, 19, 10}, {20, 10, 20, 27.5}, {20, 50, 20, 32.5}} + pfeil(20, 10, 3) +
                pfeil(20, 50, 4))
            << QPointF(20 - w / 2, 30 - h);
        QTest::newRow("1 senkrecht, x1 < x2: oberes Stück bei x1")
            << 1 << QLineF(15, 10, 20, 50)
            << (QList<QLineF>{{15, 10, 15, 27.5}, {20, 50, 20, 32.5}} + pfeil(15, 10, 3) + pfeil(20, 50, 4))
            << QPointF(15 - w / 2, 30 - h);
        QTest::newRow("2 Hilfslinien nach unten")
            << 2 << waagerecht
            << (QList<QLineF>{{10, 20, 10, 25}, {50, 17, 50, 25}, {10, 24, 26, 24}, {50, 24, 34, 24}} +
                pfeil(10, 24, 2) + pfeil(50, 24, 1))
            << QPointF(30 - w / 2, 22);
        QTest::newRow("2 rechtes Ende auf y2 + 4")
            << 2 << QLineF(10, 20, 50, 22)
            << (QList<QLineF>{{10, 20, 10, 25}, {50, 19, 50, 27}, {10, 24, 26, 24}, {50, 26, 34, 26}} +
                pfeil(10, 24, 2) + pfeil(50, 26, 1))
            << QPointF(30 - w / 2, 22);
        QTest::newRow("12 Hilfslinien über die Punkte hinaus")
            << 12 << waagerecht
            << (QList<QLineF>{{10, 17, 10, 25}, {50, 17, 50, 25}, {10, 24, 26, 24}, {50, 24, 34, 24}} +
                pfeil(10, 24, 2) + pfeil(50, 24, 1))
            << QPointF(30 - w / 2, 22);
        QTest::newRow("3 Hilfslinien nach oben")
            << 3 << waagerecht
            << (QList<QLineF>{{10, 20, 10, 15}, {50, 20, 50, 15}, {10, 16, 26, 16}, {50, 16, 34, 16}} +
                pfeil(10, 16, 2) + pfeil(50, 16, 1))
            << QPointF(30 - w / 2, 16 - h);
        QTest::newRow("4 senkrecht ohne Hilfslinien")
            << 4 << senkrecht
            << (QList<QLineF>{{20, 10, 20, 27.5}, {20, 50, 20, 32.5}} + pfeil(20, 10, 3) + pfeil(20, 50, 4))
            << QPointF(20 - w / 2, 27.5);
        QTest::newRow("5 Lücke 7 links und 4 rechts der Mitte")
            << 5 << waagerecht
            << (QList<QLineF>{{10, 20, 10, 12}, {50, 20, 50, 12}, {10, 13, 23, 13}, {50, 13, 34, 13}} +
                pfeil(10, 13, 2) + pfeil(50, 13, 1))
            << QPointF(28, 10);
    }
    void mass()
    {
        QFETCH(int, modus);
        QFETCH(QLineF, punkte);
        QFETCH(QList<QLineF>, linien);
        QFETCH(QPointF, textecke);
        Aufzeichnung a;
        setzeZeichenziel(&a.flaeche, true);
        zeichneMass(punkte.x1(), punkte.y1(), punkte.x2(), punkte.y2(), QStringLiteral("BO"), modus);
        const QString unterschied = streckenUnterschied(a.linien(), linien);
        QVERIFY2(unterschied.isEmpty(), qPrintable(unterschied));
        const auto texte = a.texte();
        QCOMPARE(texte.size(), size_t(1));
        QCOMPARE(texte[0].text, QStringLiteral("BO"));
        QCOMPARE(QPointF(texte[0].x1, texte[0].y1), textecke);
    }

    void unbekannteModiZeichnenNichts_data()
    {
        QTest::addColumn<int>("art");
        QTest::addColumn<int>("modus");
        for (int modus : {-1, 6, 7, 8, 11, 13})
            QTest::addRow("zeichneMass %d", modus) << 0 << modus;
        for (int modus : {-1, 9, 10, 12})
            QTest::addRow("zeichneKleinmass %d", modus) << 1 << modus;
        for (int modus : {-1, 0, 5})
            QTest::addRow("zeichneAbstandsmass %d", modus) << 2 << modus;
    }
    void unbekannteModiZeichnenNichts()
    {
        QFETCH(int, art);
        QFETCH(int, modus);
        Aufzeichnung a;
        setzeZeichenziel(&a.flaeche, true);
        if (art == 0)
            zeichneMass(10, 20, 50, 20, QStringLiteral("BO"), modus);
        else if (art == 1)
            zeichneKleinmass(10, 20, 50, 20, QStringLiteral("TO"), modus);
        else
            zeichneAbstandsmass(10, 20, 8, 1, modus);
        QVERIFY(!a.zeichnetEtwas());
    }

    void kleinmass_data()
    {
        QTest::addColumn<int>("modus");
        QTest::addColumn<QLineF>("punkte");
        QTest::addColumn<QList<QLineF>>("linien");
        QTest::addColumn<QPointF>("textecke");
        const auto [w, h] = masseVon(QStringLiteral("TO"));
        const QLineF waagerecht(20, 30, 24, 30), senkrecht(40, 10, 40, 14);
        const QList<QLineF> pfeileWaagerecht = pfeil(20, 30, 1) + pfeil(24, 30, 2);
        const QList<QLineF> rechts = QList<QLineF>{{42, 14, 42, 18}, {42, 10, 42, 6}} + pfeil(42, 14, 3) + pfeil(42, 10, 4);
        const QList<QLineF> links = QList<QLineF>{{40, 10, 37, 10}, {40, 14, 37, 14}, {38, 14, 38, 18}, {38, 10, 38, 6}} +
                                    pfeil(38, 14, 3) + pfeil(38, 10, 4);

        QTest::newRow("0 Text zwischen den Pfeilen")
            << 0 << waagerecht << (QList<QLineF>{{15, 30, 20, 30}, {24, 30, 29, 30}} + pfeileWaagerecht)
            << QPointF(22 - w / 2, 28);
        QTest::newRow("1 Text rechts")
            << 1 << waagerecht << (QList<QLineF>{{16, 30, 20, 30}, {24, 30, 27 + w, 30}} + pfeileWaagerecht)
            << QPointF(27, 26);
        QTest::newRow("2 Text links")
            << 2 << waagerecht << (QList<QLineF>{{17 - w, 30, 20, 30}, {24, 30, 28, 30}} + pfeileWaagerecht)
            << QPointF(17.5 - w, 26);
        QTest::newRow("6 Text über der Lücke")
            << 6 << waagerecht << (QList<QLineF>{{16, 30, 20, 30}, {24, 30, 27 + w, 30}} + pfeileWaagerecht)
            << QPointF(20.5, 26.8);
        QTest::newRow("7 rechts der Punkte")
            << 7 << senkrecht << (QList<QLineF>{{37, 10, 43, 10}, {37, 14, 43, 14}} + rechts) << QPointF(44, 10);
        QTest::newRow("3 rechts, oberer Strich ab dem Punkt")
            << 3 << senkrecht << (QList<QLineF>{{40, 10, 43, 10}, {37, 14, 43, 14}} + rechts) << QPointF(44, 10);
        QTest::newRow("4 links der Punkte") << 4 << senkrecht << links << QPointF(36 - w, 8);
        QTest::newRow("5 links, Text mittig auf der Linie") << 5 << senkrecht << links << QPointF(40 - w / 2, 12 - h);
        QTest::newRow("8 links, Text darüber") << 8 << senkrecht << links << QPointF(40 - w, 10 - 2 * h - 3.5);
    }
    void kleinmass()
    {
        QFETCH(int, modus);
        QFETCH(QLineF, punkte);
        QFETCH(QList<QLineF>, linien);
        QFETCH(QPointF, textecke);
        Aufzeichnung a;
        setzeZeichenziel(&a.flaeche, true);
        zeichneKleinmass(punkte.x1(), punkte.y1(), punkte.x2(), punkte.y2(), QStringLiteral("TO"), modus);
        const QString unterschied = streckenUnterschied(a.linien(), linien);
        QVERIFY2(unterschied.isEmpty(), qPrintable(unterschied));
        const auto texte = a.texte();
        QCOMPARE(texte.size(), size_t(1));
        QCOMPARE(QPointF(texte[0].x1, texte[0].y1), textecke);
    }

    void wertmass_data()
    {
        QTest::addColumn<int>("modus");
        QTest::addColumn<float>("wert");
        QTest::addColumn<double>("massstab");
        QTest::addColumn<QString>("beschriftung");
        QTest::addColumn<QList<QLineF>>("linien");
        QTest::addColumn<QPointF>("textecke");
        // Drawn from (10, 20).
        const double w40 = masseVon("40").w, w10 = masseVon("10").w, w4 = masseVon("4").w, w30 = masseVon("30").w;
        const QList<QLineF> spitzeLinks = offen(10, 20, {11.5, 20.5}, {11.5, 19.5});

        QTest::newRow("1 waagerecht, Lücke von 10")
            << 1 << 40.0f << 1.0 << "40"
            << (QList<QLineF>{{10, 20, 25, 20}, {50, 20, 35, 20}} + spitzeLinks + offen(50, 20, {48.5, 20.5}, {48.5, 19.5}))
            << QPointF(10 + (40 - w40) / 2, 18);
        QTest::newRow("1 waagerecht, L = 10: nur Spitzen und Text")
            << 1 << 10.0f << 1.0 << "10" << (spitzeLinks + offen(20, 20, {18.5, 20.5}, {18.5, 19.5}))
            << QPointF(10 + (10 - w10) / 2, 18);
        QTest::newRow("1 waagerecht, L = 8 aus 4 mal 2")
            << 1 << 4.0f << 2.0 << "4" << (spitzeLinks + offen(18, 20, {16.5, 20.5}, {16.5, 19.5}))
            << QPointF(10 + (8 - w4) / 2, 18);
        QTest::newRow("2 senkrecht, Lücke von 6")
            << 2 << 30.0f << 0.5 << "30"
            << (QList<QLineF>{{10, 20, 10, 24.5}, {10, 35, 10, 30.5}} + offen(10, 20, {10.5, 21.5}, {9.5, 21.5}) +
                offen(10, 35, {10.5, 33.5}, {9.5, 33.5}))
            << QPointF(10 - w30 / 2, 25.5);
    }
    void wertmass()
    {
        QFETCH(int, modus);
        QFETCH(float, wert);
        QFETCH(double, massstab);
        QFETCH(QString, beschriftung);
        QFETCH(QList<QLineF>, linien);
        QFETCH(QPointF, textecke);
        Aufzeichnung a;
        setzeZeichenziel(&a.flaeche, true);
        zeichneWertmass(10, 20, wert, massstab, modus);
        const QString unterschied = streckenUnterschied(a.linien(), linien);
        QVERIFY2(unterschied.isEmpty(), qPrintable(unterschied));
        const auto texte = a.texte();
        QCOMPARE(texte.size(), size_t(1));
        QCOMPARE(texte[0].text, beschriftung);
        QCOMPARE(QPointF(texte[0].x1, texte[0].y1), textecke);
    }

    void wertmassBeschriftung_data()
    {
        QTest::addColumn<float>("wert");
        QTest::addColumn<QString>("punkt");
        QTest::addColumn<QString>("komma");
        QTest::newRow("12.34 auf eine Stelle") << 12.34f << "12.3" << "12,3";
        QTest::newRow("300 ganz") << 300.0f << "300" << "300";
        QTest::newRow("0.25 Hälfte zur geraden") << 0.25f << "0.2" << "0,2";
        QTest::newRow("12.25 Hälfte zur geraden") << 12.25f << "12.2" << "12,2";
        QTest::newRow("0.75 Hälfte zur geraden") << 0.75f << "0.8" << "0,8";
        QTest::newRow("2.5 bleibt") << 2.5f << "2.5" << "2,5";
        QTest::newRow("negativ") << -3.75f << "-3.8" << "-3,8";
        QTest::newRow("1234.56") << 1234.56f << "1234.6" << "1234,6";
        QTest::newRow("ganz negativ") << -20.0f << "-20" << "-20";
    }
    void wertmassBeschriftung()
    {
        QFETCH(float, wert);
        QFETCH(QString, punkt);
        QFETCH(QString, komma);
        for (const auto& [trenner, erwartet] : {std::pair{u'.', punkt}, std::pair{u',', komma}}) {
            setzeDezimaltrennzeichen(trenner);
            Aufzeichnung a;
            setzeZeichenziel(&a.flaeche, true);
            zeichneWertmass(10, 20, wert, 1, 2);
            QCOMPARE(a.texte().at(0).text, erwartet);
        }
    }

    void abstandsmass_data()
    {
        QTest::addColumn<int>("modus");
        QTest::addColumn<QList<QLineF>>("linien");
        QTest::addColumn<QPointF>("textecke");
        // From the point (30, 30), length 8.
        const double w = masseVon("8").w;
        QTest::newRow("1 nach links")
            << 1
            << (QList<QLineF>{{30, 30, 36, 30}, {22, 30, 18, 30}} + offen(30, 30, {31.5, 30.5}, {31.5, 29.5}) +
                offen(22, 30, {20.5, 30.5}, {20.5, 29.5}))
            << QPointF(34 - w / 2, 26);
        QTest::newRow("2 nach oben")
            << 2
            << (QList<QLineF>{{30, 30, 30, 36}, {30, 22, 30, 18}} + offen(30, 30, {30.5, 31.5}, {29.5, 31.5}) +
                offen(30, 22, {30.5, 20.5}, {29.5, 20.5}))
            << QPointF(31, 31);
        QTest::newRow("3 nach rechts")
            << 3
            << (QList<QLineF>{{24, 30, 30, 30}, {38, 30, 42, 30}} + offen(30, 30, {28.5, 30.5}, {28.5, 29.5}) +
                offen(38, 30, {39.5, 30.5}, {39.5, 29.5}))
            << QPointF(26 - w / 2, 26);
        QTest::newRow("4 nach unten")
            << 4
            << (QList<QLineF>{{30, 30, 30, 25}, {30, 38, 30, 42}} + offen(30, 30, {30.5, 28.5}, {29.5, 28.5}) +
                offen(30, 38, {30.5, 39.5}, {29.5, 39.5}))
            << QPointF(31, 25);
    }
    void abstandsmass()
    {
        QFETCH(int, modus);
        QFETCH(QList<QLineF>, linien);
        QFETCH(QPointF, textecke);
        Aufzeichnung a;
        setzeZeichenziel(&a.flaeche, true);
        zeichneAbstandsmass(30, 30, 8, 1, modus);
        const QString unterschied = streckenUnterschied(a.linien(), linien);
        QVERIFY2(unterschied.isEmpty(), qPrintable(unterschied));
        const auto texte = a.texte();
        QCOMPARE(texte.size(), size_t(1));
        QCOMPARE(texte[0].text, QStringLiteral("8"));
        QCOMPARE(QPointF(texte[0].x1, texte[0].y1), textecke);
    }

    void achsenkreuz_data()
    {
        QTest::addColumn<double>("winkel");
        QTest::addColumn<QList<QLineF>>("linien");
        QTest::addColumn<QPointF>("z");
        QTest::addColumn<QPointF>("y");
        // At (30, 28); a stroke of the arrowheads is 2 long at 15° to its axis.
        const double s = 2 * std::sin(M_PI / 12), c = 2 * std::cos(M_PI / 12);
        QTest::newRow("0: y nach rechts, z nach oben")
            << 0.0
            << QList<QLineF>{{30, 28, 35, 28},         {30, 28, 30, 23},         {30, 23, 30 - s, 23 + c},
                             {30, 23, 30 + s, 23 + c}, {35, 28, 35 - c, 28 + s}, {35, 28, 35 - c, 28 - s}}
            << QPointF(31, 23) << QPointF(33.5, 29);
        QTest::newRow("π/2: y nach oben, z nach links")
            << M_PI / 2
            << QList<QLineF>{{30, 28, 30, 23},         {30, 28, 25, 28},         {25, 28, 25 + c, 28 + s},
                             {25, 28, 25 + c, 28 - s}, {30, 23, 30 + s, 23 + c}, {30, 23, 30 - s, 23 + c}}
            << QPointF(26, 28) << QPointF(28.5, 24);
    }
    void achsenkreuz()
    {
        QFETCH(double, winkel);
        QFETCH(QList<QLineF>, linien);
        QFETCH(QPointF, z);
        QFETCH(QPointF, y);
        Aufzeichnung a;
        setzeZeichenziel(&a.flaeche, true);
        QList<QLineF> gerundet;
        zeichneAchsenkreuz(30, 28, winkel);
        // Sines and cosines of exact angles are not exact: compare to 1e-9.
        for (QLineF l : a.linien())
            gerundet.append(QLineF(std::round(l.x1() * 1e10) / 1e10, std::round(l.y1() * 1e10) / 1e10,
                                   std::round(l.x2() * 1e10) / 1e10, std::round(l.y2() * 1e10) / 1e10));
        QList<QLineF> soll;
        for (QLineF l : linien)
            soll.append(QLineF(std::round(l.x1() * 1e10) / 1e10, std::round(l.y1() * 1e10) / 1e10,
                               std::round(l.x2() * 1e10) / 1e10, std::round(l.y2() * 1e10) / 1e10));
        const QString unterschied = streckenUnterschied(gerundet, soll);
        QVERIFY2(unterschied.isEmpty(), qPrintable(unterschied));
        QCOMPARE(a.textorte(), (QStringList{QStringLiteral("Y@%1,%2").arg(y.x()).arg(y.y()),
                                            QStringLiteral("Z@%1,%2").arg(z.x()).arg(z.y())}));
    }

    void achsenkreuzLaesstSchriftgroesse_data()
    {
        QTest::addColumn<double>("groesse");
        QTest::newRow("12") << 12.0;
        QTest::newRow("8") << 8.0;
        QTest::newRow("6") << 6.0;
    }
    void achsenkreuzLaesstSchriftgroesse()
    {
        QFETCH(double, groesse);
        Aufzeichnung a;
        a.flaeche.setzeSchrift(QStringLiteral("Times New Roman"), groesse);
        const double breiteVorher = a.flaeche.textWidth(QStringLiteral("HS"));
        setzeZeichenziel(&a.flaeche, true);
        a.protokoll.clear();
        zeichneAchsenkreuz(30, 28, 0.3);
        QCOMPARE(a.flaeche.schriftgroesse(), groesse);
        QCOMPARE(a.flaeche.textWidth(QStringLiteral("HS")), breiteVorher);
        // The letters themselves are written in size 6.
        double aktuell = groesse;
        for (const Zeichenschritt& s : a.protokoll) {
            if (s.art == Zeichenschritt::Art::Schrift)
                aktuell = s.wert;
            if (s.art == Zeichenschritt::Art::Text)
                QCOMPARE(aktuell, 6.0);
        }
    }

    void schreibeBeiSetztObenLinks()
    {
        Aufzeichnung a;
        setzeZeichenziel(&a.flaeche, true);
        schreibeBei(12.5, 7, QStringLiteral("St1"));
        const auto texte = a.texte();
        QCOMPARE(texte.size(), size_t(1));
        QCOMPARE(QPointF(texte[0].x1, texte[0].y1), QPointF(12.5, 7));
        // No line break: the position stays on the line, after the text.
        QCOMPARE(a.flaeche.CurrentY, 7.0);
        QCOMPARE(a.flaeche.CurrentX, 12.5 + a.flaeche.textWidth(QStringLiteral("St1")));
    }

    void linienbreite_data()
    {
        QTest::addColumn<bool>("testansicht");
        QTest::addColumn<int>("dpi");
        QTest::addColumn<int>("nenn");
        QTest::addColumn<int>("pixel");
        QTest::newRow("Bildschirm 1") << true << 96 << 1 << 1;
        QTest::newRow("Bildschirm 3") << true << 96 << 3 << 3;
        QTest::newRow("Bildschirm auch bei 600 dpi") << true << 600 << 2 << 2;
        QTest::newRow("Drucker 600 dpi") << false << 600 << 1 << 5;
        QTest::newRow("Drucker 600 dpi, 2") << false << 600 << 2 << 10;
        QTest::newRow("Drucker 300 dpi, abgerundet") << false << 300 << 3 << 7;
        QTest::newRow("Drucker 1200 dpi") << false << 1200 << 1 << 10;
        QTest::newRow("Drucker 2400 dpi, höchstens 10 je Einheit") << false << 2400 << 1 << 10;
        QTest::newRow("Drucker 2400 dpi, 3") << false << 2400 << 3 << 30;
    }
    void linienbreite()
    {
        QFETCH(bool, testansicht);
        QFETCH(int, dpi);
        QFETCH(int, nenn);
        QFETCH(int, pixel);
        Aufzeichnung a(dpi, 10);
        setzeZeichenziel(&a.flaeche, testansicht);
        QCOMPARE(::linienbreite(nenn), pixel);
    }

    void linienbreiteVomDrucker_data()
    {
        QTest::addColumn<int>("dpi");
        QTest::addColumn<int>("pixel");
        QTest::newRow("600") << 600 << 5;
        QTest::newRow("2400") << 2400 << 10;
    }
    void linienbreiteVomDrucker()
    {
        QFETCH(int, dpi);
        QFETCH(int, pixel);
        QTemporaryDir ordner;
        QPrinter drucker(QPrinter::HighResolution);
        drucker.setOutputFormat(QPrinter::PdfFormat);
        drucker.setOutputFileName(ordner.filePath(QStringLiteral("seite.pdf")));
        drucker.setResolution(dpi);
        QPainter painter(&drucker);
        Zeichenflaeche flaeche(&painter);
        setzeZeichenziel(&flaeche, false);
        QCOMPARE(::linienbreite(1), pixel);
        setzeZeichenziel(nullptr, true);
    }

    void linienbreiteOhneDrucker()
    {
        // Off the screen with no printer to ask: twice the nominal width.
        setzeZeichenziel(nullptr, false);
        QCOMPARE(::linienbreite(1), 2);
        QCOMPARE(::linienbreite(3), 6);
    }

    void bindungGiltBisZurNaechsten()
    {
        Aufzeichnung aussen, innen;
        setzeZeichenziel(&aussen.flaeche, false);
        {
            const Zeichenzielbindung bindung(&innen.flaeche, true);
            zeichnePfeil(10, 10, 1);
            QCOMPARE(zeichenziel().flaeche, &innen.flaeche);
            QVERIFY(zeichenziel().testansicht);
        }
        QCOMPARE(zeichenziel().flaeche, &aussen.flaeche);
        QVERIFY(!zeichenziel().testansicht);
        QCOMPARE(innen.linien().size(), 3);
        QVERIFY(!aussen.zeichnetEtwas());
    }
};

QTEST_MAIN(TestZeichenprimitive)
#include "tst_zeichenprimitive.moc"
