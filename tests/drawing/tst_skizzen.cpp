// The screen sketches on a recording surface: every offered form names each dimension its input shows and each
// stiffener row it offers, inside the picture box and in the window's font; a number offering none draws nothing.
#include "Aufzeichnung.h"
#include "Formnummern.h"
#include "drawing/Skizzen.h"
#include "kern/Formen.h"

#include <QPainterPath>
#include <QTest>

namespace {

// A sketch, the texts it writes (each once, sorted) and what it draws outside the picture box as shown (from its left edge).
struct Skizze : Aufzeichnung {
    QStringList geschrieben, draussen;
    explicit Skizze(int nummer, int variante = -1)
    {
        variante < 0 ? zeichneQuerschnittsskizze(flaeche, nummer, {QStringLiteral("H-Profil")}) : zeichneWalzprofilskizze(flaeche, variante);
        QRectF bild(0, 0, Skizzenpixel * 25.4 / Skizzendpi, Skizzenpixel * 25.4 / Skizzendpi);
        for (const Zeichenschritt& s : protokoll) {
            const double r = s.art == Zeichenschritt::Art::Bogen ? s.x2 : 0;
            const QRectF u = r > 0 ? QRectF(s.x1 - r, s.y1 - r, 2 * r, 2 * r) : QRectF(QPointF(s.x1, s.y1), QPointF(s.x2, s.y2));
            bild.moveLeft(s.art == Zeichenschritt::Art::LinkerRand ? s.x1 : bild.left());
            if (s.art <= Zeichenschritt::Art::Text && !(bild.contains(u.topLeft()) && bild.contains(u.bottomRight())))
                draussen << QStringLiteral("%1 (%2,%3)").arg(s.text).arg(s.x1).arg(s.y1);
            if (s.art == Zeichenschritt::Art::Text && !geschrieben.contains(s.text))
                geschrieben << s.text;
        }
        geschrieben.sort();
    }
};

} // namespace

class TestSkizzen : public QObject {
    Q_OBJECT

private slots:
    void jedeForm_data()
    {
        QTest::addColumn<int>("nummer");
        const QList<int> nummern = formnummernAus(qEnvironmentVariable("TARVELLO_DATEN") + "/Combo.D");
        QVERIFY(nummern.size() > 50);
        for (int c : nummern)
            QTest::addRow("%d", c) << c;
    }
    // The symbols the window's captions give the form's fields (both web thicknesses apart where there is a second,
    // the H profile under a box by the caller's word), the stiffeners' height above the bottom ("HB") once per web
    // carrying row 1; the surface keeps the nominal width and its left edge.
    void jedeForm()
    {
        QFETCH(int, nummer);
        const Skizze s(nummer);
        const Formlayout l = formlayout(nummer);
        QString erwartet = QStringLiteral("AS BO HS TO ") + (mitUntergurtH(nummer) ? "H-Profil " : "BU TU ") + (l.stegdicke2 ? "TS1 TS2 " : "TS ") +
                           (l.winkelfelder ? "HS2 " : "") + (l.stegwinkel ? "α " : "") + (l.zelle2 ? "AS3 BO3 HS3 TO3 TS3 " : "");
        for (int i = 0; i < 5; ++i)
            erwartet += l.steifen && l.steifenzeilen[size_t(i)] ? QStringLiteral("St%1 ").arg(i + 1) : "";
        QStringList symbole = erwartet.split(u' ', Qt::SkipEmptyParts), genannt;
        symbole.sort();
        // Besides the fields' symbols a sketch writes only the axes, the stiffeners' height and the rails' numbers:
        // never a name that has no field.
        QStringList fremd;
        for (const QString& t : s.geschrieben)
            if (QStringLiteral("AS BO BU HS HS2 TO TS TS1 TS2 TU α AS3 BO3 HS3 TO3 TS3 St1 St2 St3 St4 St5 H-Profil").split(u' ').contains(t))
                genannt << t;
            else if (!QStringLiteral("HB z y Z Y 1 2").split(u' ').contains(t))
                fremd << t;
        QCOMPARE(genannt, symbole);
        QVERIFY2(fremd.isEmpty(), qPrintable(fremd.join(u' ')));
        const auto texte = s.texte();
        QCOMPARE(std::count_if(texte.begin(), texte.end(), [](auto& t) { return t.text == "HB"; }),
                 l.steifenzeilen[0] ? (spiegeltSteifen(nummer) ? 2 : 1) : 0);
        QVERIFY2(s.draussen.isEmpty(), qPrintable(s.draussen.join("; ")));
        const Zeichenschritt schrift = s.schritte(Zeichenschritt::Art::Schrift).at(0);
        QVERIFY(schrift.text == "Times New Roman" && schrift.wert == 12 && s.flaeche.linienbreitePixel() == 1 && s.flaeche.linkerRand() == 0);
    }

    // Legible at the window's size: any two names at least a word space (0.9 mm) apart, no stiffener's heavy
    // stroke through or touching a name (a lip across "HB", a name jammed against its plate).
    void lesbar_data() { jedeForm_data(); }
    void lesbar()
    {
        QFETCH(int, nummer);
        const Skizze s(nummer);
        const auto t = s.tinte();
        QStringList eng;
        for (size_t i = 0; i < t.size(); ++i) {
            for (size_t j = i + 1; j < t.size(); ++j) {
                const QRectF &a = t[i].second, &b = t[j].second;
                const double dx = std::max({0.0, a.left() - b.right(), b.left() - a.right()});
                const double dy = std::max({0.0, a.top() - b.bottom(), b.top() - a.bottom()});
                if (std::hypot(dx, dy) < 0.9)
                    eng << t[i].first.text + " / " + t[j].first.text;
            }
            for (const QLineF& l : s.linien(true)) {
                QPainterPath strich(l.p1());
                strich.lineTo(l.p2());
                if (strich.intersects(t[i].second.adjusted(-0.5, -0.5, 0.5, 0.5)))
                    eng << t[i].first.text + " | stiffener";
            }
        }
        QVERIFY2(eng.isEmpty(), qPrintable(eng.join("; ")));
    }

    // The rolled profile plain, with its flat rail (a box of its own), on a profile under its bottom flange (named
    // by its own symbols); a number offering no section leaves the surface cleared and the picture blank.
    void walzprofilUndLeere()
    {
        for (int v : {0, 1, 2}) {
            const Skizze s(0, v);
            QCOMPARE(s.geschrieben.join(u' '), QString(v < 2 ? "B H R S T" : "B BU H HU R RU S SU T TU"));
            QVERIFY(s.schritte(Zeichenschritt::Art::Rechteck).size() == (v == 1 ? 4u : 3u) && s.draussen.isEmpty() &&
                    walzprofilbild(v, 2) != leeresBild(2 * Skizzenpixel, Skizzendpi));
        }
        for (int c : {-3, 50, 60, 100, 110, 120, 200, 300, 1000})
            QVERIFY(!Skizze(c).zeichnetEtwas() && Skizze(c).schritte(Zeichenschritt::Art::Loeschen).size() == 1 &&
                    skizzenbild(c) == leeresBild(Skizzenpixel, Skizzendpi));
    }
};

QTEST_MAIN(TestSkizzen)
#include "tst_skizzen.moc"
