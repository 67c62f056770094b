// The drawing primitives on a recording surface: each dimension of the
// sketches spans exactly the points it measures, its one text between them
// (a short one points at them from outside), a mode it does not know draws
// nothing; value labels are rounded; the line-width rule, and a binding that
// lasts as long as its scope.
#include "Aufzeichnung.h"
#include "drawing/Zeichenprimitive.h"
#include "kern/Zahlen.h"

#include <QTest>

class TestZeichenprimitive : public QObject {
    Q_OBJECT

private slots:
    void masse()
    {
        for (bool klein : {false, true})
            for (int modus = -1; modus <= 13; ++modus) {
                const bool senkrecht = klein ? modus >= 3 && modus != 6 : modus == 1 || modus == 4;
                const QLineF p = senkrecht ? QLineF(40, 10, 40, klein ? 14 : 50) : QLineF(10, 20, klein ? 14 : 50, 20);
                Aufzeichnung a;
                const Zeichenzielbindung ziel(&a.flaeche, true);
                (klein ? zeichneKleinmass : zeichneMass)(p.x1(), p.y1(), p.x2(), p.y2(), QStringLiteral("TO"), modus);
                QRectF u;
                for (const QLineF& l : a.linien())
                    u |= QRectF(l.p1(), l.p2()).normalized();
                const auto t = a.texte();
                const double text = t.size() != 1 ? 0 : senkrecht ? (t[0].y1 + t[0].y2) / 2 : (t[0].x1 + t[0].x2) / 2;
                const double von = senkrecht ? u.top() : u.left(), bis = senkrecht ? u.bottom() : u.right();
                const double a1 = senkrecht ? p.y1() : p.x1(), a2 = senkrecht ? p.y2() : p.x2();
                const bool bekannt = klein ? modus >= 0 && modus <= 8 : QList<int>{0, 1, 2, 3, 4, 5, 12}.contains(modus);
                QVERIFY2(bekannt ? t.size() == 1 && (klein ? von < a1 && bis > a2 : von == a1 && bis == a2 && text > von && text < bis)
                                 : !a.zeichnetEtwas(),
                         qPrintable(QStringLiteral("%1 %2").arg(klein ? "Kleinmass" : "Mass").arg(modus)));
            }
    }

    // Whole numbers stay whole, anything else to one decimal with halves to
    // even, written with the system's separator.
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

    // On a screen the nominal width; on the printer 12 twips a unit, at most
    // ten pixels; twice the nominal width with no surface to ask. A binding
    // gives the one before it back when it ends.
    void linienbreiteUndBindung()
    {
        Aufzeichnung aussen;
        setzeZeichenziel(&aussen.flaeche, false);
        for (const auto& [schirm, dpi, nenn, pixel] : {std::tuple{true, 600, 2, 2}, {false, 600, 1, 5}, {false, 600, 2, 10}, {false, 300, 3, 7},
                                                       {false, 2400, 3, 30}}) {
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
