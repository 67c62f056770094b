// The drawing primitives on a recording surface: each dimension of the sketches spans exactly the points it
// measures (one beside a vertical line carried across to it), its one text between them (a short one points at
// them from outside), an unknown mode draws nothing; value labels rounded; line widths; a binding's scope.
#include "Aufzeichnung.h"
#include "drawing/Achsenskizze.h"
#include "drawing/Zeichenprimitive.h"
#include "kern/Zahlen.h"

#include <QImage>
#include <QPainter>
#include <QTest>

class TestZeichenprimitive : public QObject {
    Q_OBJECT

private slots:
    // The design dialog's sketch shows the section the forces act on: a box has two webs left and right
    // of the middle and none on it, a rolled I profile its one web on the middle.
    void achsenskizzeNachProfil()
    {
        for (const auto profil : {Skizzenprofil::Kasten, Skizzenprofil::Walzprofil}) {
            QImage bild(200, 200, QImage::Format_RGB32);
            bild.fill(Qt::white);
            QPainter p(&bild);
            zeichneAchsenskizze(p, QRectF(0, 0, 200, 200), profil);
            p.end();
            // Below the centre, where no arrow runs: beside the z axis, and a quarter of the width to the left.
            const auto grau = [&](int x) { return bild.pixelColor(x, 130) == QColor(235, 235, 235); };
            QCOMPARE(grau(102), profil == Skizzenprofil::Walzprofil);
            QCOMPARE(grau(78), profil == Skizzenprofil::Kasten);
        }
    }
    void masse()
    {
        for (bool klein : {false, true})
            for (int modus = -1; modus <= 13; ++modus) {
                const bool senkrecht = klein ? modus >= 3 && modus != 6 : modus == 1 || modus == 4;
                const QLineF p = senkrecht ? QLineF(klein ? 40 : 44, 10, 40, klein ? 14 : 50) : QLineF(10, 20, klein ? 14 : 50, 20);
                Aufzeichnung a;
                const Zeichenzielbindung ziel(&a.flaeche, true);
                (klein ? zeichneKleinmass : zeichneMass)(p.x1(), p.y1(), p.x2(), p.y2(), QStringLiteral("TO"), modus);
                const auto entlang = [senkrecht](QPointF q) { return senkrecht ? q.y() : q.x(); };
                double von = 1e9, bis = -1e9;
                bool hinueber = modus != 1 || klein;
                for (const QLineF& l : a.linien())
                    von = std::min({von, entlang(l.p1()), entlang(l.p2())}), bis = std::max({bis, entlang(l.p1()), entlang(l.p2())}),
                    hinueber = hinueber || (l.p1() == p.p1() && l.x2() < p.x2());
                const auto t = a.texte();
                const double text = t.size() == 1 ? entlang(QRectF(QPointF(t[0].x1, t[0].y1), QPointF(t[0].x2, t[0].y2)).center()) : 0;
                const double a1 = entlang(p.p1()), a2 = entlang(p.p2());
                const bool bekannt = klein ? modus >= 0 && modus <= 8 : QList<int>{0, 1, 2, 3, 4, 5, 12}.contains(modus);
                QVERIFY2(bekannt ? t.size() == 1 && hinueber && (klein ? von < a1 && bis > a2 : von == a1 && bis == a2 && text > von && text < bis)
                                 : !a.zeichnetEtwas(),
                         qPrintable(QStringLiteral("%1 %2").arg(klein ? "Kleinmass" : "Mass").arg(modus)));
            }
    }

    // An arrowhead's two strokes leave its tip on either side of the line, mirrored about it, back along it.
    void pfeilspitzen()
    {
        Aufzeichnung a;
        const Zeichenzielbindung ziel(&a.flaeche, true);
        const QPointF p1(10, 10), p2(40, 30);
        zeichneSchraegmass(p1.x(), p1.y(), p2.x(), p2.y(), 36);
        const QPointF r = (p2 - p1) / QLineF(p1, p2).length();
        const auto quer = [](QPointF u, QPointF v) { return u.x() * v.y() - u.y() * v.x(); };
        for (const auto& [spitze, innen] : {std::pair{p1, r}, std::pair{p2, -r}}) {
            QList<QPointF> schenkel;
            for (const QLineF& l : a.linien())
                if (l.p1() == spitze && l.length() < 2)
                    schenkel.append(l.p2() - spitze);
            QCOMPARE(schenkel.size(), 2);
            QVERIFY(QPointF::dotProduct(schenkel[0] + schenkel[1], innen) > 2);
            QVERIFY(std::fabs(quer(schenkel[0], innen)) > 0.4 && std::fabs(quer(schenkel[0], innen) + quer(schenkel[1], innen)) < 1e-9);
        }
    }

    // Whole numbers stay whole, anything else to one decimal with halves to even, with the system's separator.
    void beschriftung()
    {
        for (QChar trenner : {u'.', u','}) {
            setzeDezimaltrennzeichen(trenner);
            for (const auto& [wert, text] : {std::pair{12.34f, "12.3"}, {300.f, "300"}, {0.25f, "0.2"}, {0.75f, "0.8"},
                                             {-3.75f, "-3.8"}, {1234.56f, "1234.6"}}) {
                Aufzeichnung a;
                const Zeichenzielbindung ziel(&a.flaeche, true);
                zeichneWertmass(10, 20, wert, 100, 2);
                QCOMPARE(a.texte().at(0).text, QString::fromLatin1(text).replace(u'.', trenner));
            }
        }
        setzeDezimaltrennzeichen(u'.');
    }

    // On a screen the nominal width; on the printer 12 twips a unit, at most ten pixels; twice the nominal width
    // with no surface to ask. A binding gives the one before it back when it ends.
    void linienbreiteUndBindung()
    {
        Aufzeichnung aussen;
        setzeZeichenziel(&aussen.flaeche, false);
        for (const auto& [schirm, dpi, nenn, pixel] : {std::tuple{true, 600, 2, 2}, {false, 600, 2, 10}, {false, 300, 3, 7}, {false, 2400, 3, 30}}) {
            Aufzeichnung a(dpi, 10);
            const Zeichenzielbindung ziel(&a.flaeche, schirm);
            QCOMPARE(::linienbreite(nenn), pixel);
        }
        QVERIFY(zeichenziel().flaeche == &aussen.flaeche && !zeichenziel().testansicht);
        setzeZeichenziel(nullptr, false);
        QCOMPARE(::linienbreite(3), 6);
    }
};

QTEST_MAIN(TestZeichenprimitive)
#include "tst_zeichenprimitive.moc"
