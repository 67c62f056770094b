// The drawing primitives on a recording surface: each dimension marks the
// ends it measures and writes its text once, value dimensions are drawn to
// their length and labelled with the rounded value, the axis symbol turns
// with its angle and leaves the font alone, and the line-width rule.
#include "Aufzeichnung.h"
#include "drawing/Zeichenprimitive.h"
#include "kern/Zahlen.h"

#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <functional>

namespace {

// Everything the lines cover.
QRectF umfang(const QList<QLineF>& linien)
{
    QRectF r;
    for (const QLineF& l : linien)
        r = r.isNull() ? QRectF(l.p1(), l.p2()).normalized() : r.united(QRectF(l.p1(), l.p2()).normalized());
    return r;
}

bool endetBei(const QList<QLineF>& linien, QPointF p)
{
    for (const QLineF& l : linien)
        if (QLineF(l.p1(), p).length() < 1e-9 || QLineF(l.p2(), p).length() < 1e-9)
            return true;
    return false;
}

QPointF mitte(const Zeichenschritt& t) { return QRectF(QPointF(t.x1, t.y1), QPointF(t.x2, t.y2)).center(); }

struct Auf : Aufzeichnung {
    Auf() { setzeZeichenziel(&flaeche, true); }
};

} // namespace

class TestZeichenprimitive : public QObject {
    Q_OBJECT

private slots:
    void cleanup()
    {
        setzeZeichenziel(nullptr, true);
        setzeDezimaltrennzeichen(u'.');
    }

    // A dimension reaches exactly from the one measured point to the other
    // along its direction, its text between them; a short one points at both
    // ends from outside.
    void massReichtVonEndeZuEnde_data()
    {
        QTest::addColumn<bool>("klein");
        QTest::addColumn<int>("modus");
        QTest::addColumn<QLineF>("punkte");
        for (int m : {0, 2, 12, 3, 5})
            QTest::addRow("Mass %d", m) << false << m << QLineF(10, 20, 50, 20);
        for (int m : {1, 4})
            QTest::addRow("Mass %d", m) << false << m << QLineF(20, 10, 20, 50);
        for (int m : {0, 1, 2, 6})
            QTest::addRow("Kleinmass %d", m) << true << m << QLineF(20, 30, 24, 30);
        for (int m : {7, 3, 4, 5, 8})
            QTest::addRow("Kleinmass %d", m) << true << m << QLineF(40, 10, 40, 14);
    }
    void massReichtVonEndeZuEnde()
    {
        QFETCH(bool, klein);
        QFETCH(int, modus);
        QFETCH(QLineF, punkte);
        Auf a;
        if (klein)
            zeichneKleinmass(punkte.x1(), punkte.y1(), punkte.x2(), punkte.y2(), QStringLiteral("TO"), modus);
        else
            zeichneMass(punkte.x1(), punkte.y1(), punkte.x2(), punkte.y2(), QStringLiteral("TO"), modus);
        QCOMPARE(a.texte().size(), size_t(1));
        const bool waagerecht = punkte.dy() == 0;
        const auto entlang = [waagerecht](QPointF p) { return waagerecht ? p.x() : p.y(); };
        const QRectF u = umfang(a.linien());
        const double anfang = waagerecht ? u.left() : u.top(), ende = waagerecht ? u.right() : u.bottom();
        if (klein) {
            QVERIFY(anfang < entlang(punkte.p1()) && ende > entlang(punkte.p2()));
        } else {
            QCOMPARE(QPointF(anfang, ende), QPointF(entlang(punkte.p1()), entlang(punkte.p2())));
            const double t = entlang(mitte(a.texte().front()));
            QVERIFY(t > anfang && t < ende);
        }
    }

    void unbekannteModiZeichnenNichts()
    {
        const auto nichts = [](const std::function<void()>& zeichne) {
            Auf a;
            zeichne();
            return !a.zeichnetEtwas();
        };
        for (int m : {-1, 6, 7, 8, 9, 10, 11, 13})
            QVERIFY(nichts([m] { zeichneMass(10, 20, 50, 20, QStringLiteral("BO"), m); }));
        for (int m : {-1, 9, 10, 11, 12, 13})
            QVERIFY(nichts([m] { zeichneKleinmass(10, 20, 50, 20, QStringLiteral("TO"), m); }));
        for (int m : {-1, 0, 7})
            QVERIFY(nichts([m] { zeichneAbstandsmass(10, 20, 8, 1, m); }));
        for (int r : {0, 5})
            QVERIFY(nichts([r] { zeichnePfeil(10, 20, r); }));
    }

    // Drawn wert·massstab long from its start (mode 1 to the right, else
    // downwards), the value in the middle.
    void wertmass()
    {
        const struct {
            int modus;
            float wert;
            double massstab;
        } faelle[] = {{1, 40, 1}, {1, 4, 2}, {2, 30, 0.5}};
        for (const auto& f : faelle) {
            Auf a;
            zeichneWertmass(10, 10, f.wert, f.massstab, f.modus);
            const QRectF u = umfang(a.linien());
            const double L = f.wert * f.massstab;
            QCOMPARE(f.modus == 1 ? QPointF(u.left(), u.right()) : QPointF(u.top(), u.bottom()), QPointF(10, 10 + L));
            QCOMPARE(a.texte().size(), size_t(1));
            const QPointF t = mitte(a.texte().front());
            QVERIFY(std::abs((f.modus == 1 ? t.x() : t.y()) - (10 + L / 2)) < 0.5);
        }
    }

    // Whole numbers stay whole, anything else to one decimal with halves to
    // even, written with the system's separator.
    void wertmassBeschriftung()
    {
        const std::pair<float, const char*> werte[] = {
            {12.34f, "12.3"}, {300, "300"}, {0.25f, "0.2"}, {0.75f, "0.8"}, {-3.75f, "-3.8"}, {1234.56f, "1234.6"}};
        for (QChar trenner : {u'.', u','}) {
            setzeDezimaltrennzeichen(trenner);
            for (const auto& [wert, text] : werte) {
                Auf a;
                zeichneWertmass(10, 20, wert, 1, 2);
                QCOMPARE(a.texte().at(0).text, QString::fromLatin1(text).replace(u'.', trenner));
            }
        }
    }

    // From the point to the far end wert·massstab away in the mode's direction;
    // the vertical ones labelled right of the line, modes 5 and 6 left of it.
    void abstandsmass()
    {
        const QPointF ende[] = {{22, 30}, {30, 22}, {38, 30}, {30, 38}, {30, 22}, {30, 38}};
        for (int modus = 1; modus <= 6; ++modus) {
            Auf a;
            zeichneAbstandsmass(30, 30, 4, 2, modus);
            QVERIFY(endetBei(a.linien(), {30, 30}));
            QVERIFY(endetBei(a.linien(), ende[modus - 1]));
            QCOMPARE(a.texte().size(), size_t(1));
            QCOMPARE(a.texte().front().text, QStringLiteral("4"));
            if (modus % 2 == 0)
                QCOMPARE(mitte(a.texte().front()).x() > 30, modus < 5);
        }
    }

    // Arms 5 long, the y arm turned counter-clockwise by the angle and the z
    // arm a quarter turn further, each lettered at its tip in size 6; the font
    // is left as it was.
    void achsenkreuz()
    {
        for (double winkel : {0.0, 0.3, M_PI / 2}) {
            Auf a;
            a.flaeche.setzeSchrift(QStringLiteral("Times New Roman"), 12);
            a.protokoll.clear();
            zeichneAchsenkreuz(30, 28, winkel);
            const QPointF yTip(30 + 5 * std::cos(winkel), 28 - 5 * std::sin(winkel));
            const QPointF zTip(30 - 5 * std::sin(winkel), 28 - 5 * std::cos(winkel));
            int arme = 0;
            for (const QLineF& l : a.linien())
                arme += QLineF(l.p1(), {30, 28}).length() < 1e-9 &&
                        (QLineF(l.p2(), yTip).length() < 1e-9 || QLineF(l.p2(), zTip).length() < 1e-9);
            QCOMPARE(arme, 2);
            double groesse = 12;
            for (const Zeichenschritt& s : a.protokoll) {
                if (s.art == Zeichenschritt::Art::Schrift)
                    groesse = s.wert;
                if (s.art == Zeichenschritt::Art::Text) {
                    QCOMPARE(groesse, 6.0);
                    QVERIFY(QLineF(mitte(s), s.text == QLatin1String("Y") ? yTip : zTip).length() < 3);
                }
            }
            QCOMPARE(a.texte().size(), size_t(2));
            QCOMPARE(a.flaeche.schriftgroesse(), 12.0);
        }
    }

    void schreibeBeiSetztObenLinks()
    {
        Auf a;
        schreibeBei(12.5, 7, QStringLiteral("St1"));
        QCOMPARE(QPointF(a.texte().at(0).x1, a.texte().at(0).y1), QPointF(12.5, 7));
        // No line break: the position stays on the line, after the text.
        QCOMPARE(QPointF(a.flaeche.CurrentX, a.flaeche.CurrentY),
                 QPointF(12.5 + a.flaeche.textWidth(QStringLiteral("St1")), 7));
    }

    // On a screen the nominal width; on the printer 12 twips a unit, at most
    // ten pixels; twice the nominal width off the screen with no printer to ask.
    void linienbreite()
    {
        const struct {
            bool testansicht;
            int dpi, nenn, pixel;
        } faelle[] = {{true, 600, 2, 2}, {false, 600, 2, 10}, {false, 300, 3, 7}, {false, 2400, 3, 30}};
        for (const auto& f : faelle) {
            Aufzeichnung a(f.dpi, 10);
            setzeZeichenziel(&a.flaeche, f.testansicht);
            QCOMPARE(::linienbreite(f.nenn), f.pixel);
        }
        QTemporaryDir ordner;
        QPrinter drucker(QPrinter::HighResolution);
        drucker.setOutputFormat(QPrinter::PdfFormat);
        drucker.setOutputFileName(ordner.filePath(QStringLiteral("seite.pdf")));
        drucker.setResolution(600);
        QPainter painter(&drucker);
        Zeichenflaeche flaeche(&painter);
        setzeZeichenziel(&flaeche, false);
        QCOMPARE(::linienbreite(1), 5);
        setzeZeichenziel(nullptr, false);
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
        }
        QCOMPARE(zeichenziel().flaeche, &aussen.flaeche);
        QVERIFY(!zeichenziel().testansicht);
        QCOMPARE(innen.linien().size(), 3);
        QVERIFY(!aussen.zeichnetEtwas());
    }
};

QTEST_MAIN(TestZeichenprimitive)
#include "tst_zeichenprimitive.moc"
