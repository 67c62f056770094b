// The screen sketches of the section forms on a recording surface: which
// sketch each number draws, the stiffeners each form names, the numbers that
// draw nothing, the rolled-profile variants, and that every sketch stays
// inside the picture box.
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
    // Each number draws its family's sketch, told apart by the few texts that
    // set them apart, with the stiffeners its form has, each named beside its
    // heavy stroke, and their height above the bottom ("HB") named once per
    // web that carries them.
    void skizzeNachNummer_data()
    {
        QTest::addColumn<int>("nummer");
        QTest::addColumn<QString>("kennzeichen");
        QTest::addColumn<int>("hb");
        QTest::newRow("1 box without stiffeners") << 1 << "TS α" << 0;
        QTest::newRow("5 box, rows on both webs and the middle") << 5 << "St1 St3 St5 TS α" << 2;
        QTest::newRow("12 rail over a web") << 12 << "St1 TS2 α" << 1;
        QTest::newRow("19 rail over a web, all five") << 19 << "St1 St2 St3 St4 St5 TS2 α" << 1;
        QTest::newRow("36 rail at mid top flange") << 36 << "St5 TS α" << 0;
        QTest::newRow("54 on an H profile") << 54 << "HE St1 St3 TS α" << 2;
        QTest::newRow("117 half H profile") << 117 << "St1 St2 St5 TS2" << 1;
        QTest::newRow("221 angle section without") << 221 << "TS2 UU" << 0;
        QTest::newRow("225 angle section") << 225 << "St1 St2 St3 St4 TS2 UU" << 1;
        QTest::newRow("316 two cells") << 316 << "St1 St5 TO3 TS2" << 1;
    }
    void skizzeNachNummer()
    {
        QFETCH(int, nummer);
        QFETCH(QString, kennzeichen);
        QFETCH(int, hb);
        const Skizze s(nummer);
        const QList<QLineF> striche = s.a.linienMitBreite(3);
        QStringList gefunden;
        for (const Zeichenschritt& t : s.a.texte()) {
            if (QStringList{"HE", "TO3", "TS", "TS2", "UU", "α"}.contains(t.text) && !gefunden.contains(t.text))
                gefunden << t.text;
            if (!t.text.startsWith(QLatin1String("St")))
                continue;
            gefunden << t.text;
            const QRectF bei = QRectF(QPointF(t.x1, t.y1), QPointF(t.x2, t.y2)).adjusted(-2, -2, 2, 2);
            bool daneben = false;
            for (const QLineF& l : striche)
                daneben = daneben || bei.contains(l.p1()) || bei.contains(l.p2());
            QVERIFY2(daneben, qPrintable(t.text));
        }
        gefunden.sort();
        QCOMPARE(gefunden.join(u' '), kennzeichen);
        QCOMPARE(s.anzahl(QStringLiteral("HB")), hb);
        // Outlines and dimensions go back to the nominal width 1, and the
        // two-cell sketch, drawn shifted, gives the surface its left edge back.
        QCOMPARE(s.a.flaeche.linienbreitePixel(), 1);
        QCOMPARE(s.a.flaeche.linkerRand(), 0.0);
    }

    // The one word a sketch writes comes from the caller's language files;
    // without it the sketch names the H profile by its designation "HE".
    void wortVomAufrufer()
    {
        Aufzeichnung a;
        zeichneQuerschnittsskizze(a.flaeche, 54, {QStringLiteral("H profile")});
        QStringList texte;
        for (const Zeichenschritt& t : a.texte())
            texte << t.text;
        QVERIFY(texte.contains(QStringLiteral("H profile")) && !texte.contains(QStringLiteral("HE")));
    }

    void nummernOhneSkizze_data()
    {
        QTest::addColumn<int>("nummer");
        for (int c : {-3, 50, 60, 100, 110, 120, 200, 300, 1000})
            QTest::addRow("%d", c) << c;
    }
    void nummernOhneSkizze()
    {
        QFETCH(int, nummer);
        const Skizze s(nummer);
        QVERIFY(!s.a.zeichnetEtwas());
        QCOMPARE(s.a.schritte(Zeichenschritt::Art::Loeschen).size(), size_t(1));
        // And the picture the window shows is blank.
        QVERIFY(skizzenbild(nummer) == leeresBild(Skizzenpixel, Skizzendpi));
    }

    void walzprofil_data()
    {
        QTest::addColumn<int>("variante");
        QTest::addColumn<QStringList>("texte");
        QTest::newRow("0 plain") << 0 << QStringList{"B", "H", "R", "S", "T"};
        QTest::newRow("1 with the flat rail") << 1 << QStringList{"B", "H", "R", "S", "T"};
        QTest::newRow("2 on a bottom profile")
            << 2 << QStringList{"B", "BU", "H", "HU", "R", "RU", "S", "SU", "T", "TU"};
    }
    void walzprofil()
    {
        QFETCH(int, variante);
        QFETCH(QStringList, texte);
        const Skizze s(0, variante);
        QStringList geschrieben;
        for (const Zeichenschritt& t : s.a.texte())
            geschrieben.append(t.text);
        geschrieben.sort();
        QCOMPARE(geschrieben, texte);
        QCOMPARE(s.a.schritte(Zeichenschritt::Art::Bogen).size(), size_t(4));
        // The flat rail is a box of its own.
        QCOMPARE(s.a.schritte(Zeichenschritt::Art::Rechteck).size(), size_t(variante == 1 ? 4 : 3));
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

    void bildInGroesseDesBildfelds()
    {
        for (int faktor : {1, 4}) {
            const QImage bild = skizzenbild(12, faktor);
            QCOMPARE(bild.size(), QSize(Skizzenpixel * faktor, Skizzenpixel * faktor));
            QVERIFY(bild != leeresBild(Skizzenpixel * faktor, Skizzendpi));
            QVERIFY(walzprofilbild(1, faktor) != walzprofilbild(0, faktor));
        }
    }
};

QTEST_MAIN(TestSkizzen)
#include "tst_skizzen.moc"
