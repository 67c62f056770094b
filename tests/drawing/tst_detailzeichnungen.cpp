// The detailed drawings of the result page, for sections computed by the real
// engine and drawn on a recording surface: drawn to scale from the engine's own
// geometry, every value and point label written and at its place, the rail
// named at the rail, no label covering another, and "Printererror" for a
// drawing that cannot be made.
#include "Aufzeichnung.h"
#include "Detailbeispiele.h"
#include "Rechenlauf.h"
#include "Testhilfen.h"
#include "drawing/Detailzeichnungen.h"

#include "kern/section_geometry.h"
#include "kern/transfer_layout.h"

#include <QPolygonF>
#include <QTest>
#include <cmath>

using namespace tarvello::geometrie;

namespace {

const QString Katalog = QStringLiteral(TARVELLO_DATEN_QUELLE "/ASchiene");

QRectF feld(const Zeichenschritt& t) { return QRectF(QPointF(t.x1, t.y1), QPointF(t.x2, t.y2)); }

double abstand(const QRectF& r, QPointF p)
{
    return std::hypot(std::max({r.left() - p.x(), 0.0, p.x() - r.right()}),
                      std::max({r.top() - p.y(), 0.0, p.y() - r.bottom()}));
}

// One example drawn as the result page draws it, from the engine's run, with
// the section's place on the paper measured on the drawing itself: the
// engine's section spans the drawn plates' width and stands on their lowest edge.
struct Bild {
    Aufzeichnung a{96, 1200};
    Querschnittsdaten q;
    Rechenlauf lauf;
    SectionGeometry g;
    bool gewalzt = false;
    double naechstesY = 0, s = 0, xLinks = 1e9, yUnten = 0;
    std::array<double, 4> umfang{};

    explicit Bild(const QString& name, const Ergebnislage* lage = nullptr)
    {
        a.flaeche.setzeSchrift(QStringLiteral("Times New Roman"), 14);
        int modus = 0;
        for (const Detailbeispiel& b : schweissbeispiele())
            if (name == QLatin1String(b.name))
                q = b.q, lauf = *rechne(q, Katalog);
        for (const Walzbeispiel& b : walzbeispiele())
            if (name == QLatin1String(b.name))
                q = b.q, lauf = *rechneWalzprofil(q), modus = b.modus, gewalzt = true;
        const TransferInput e = parseTransfer(lauf.lage.übergabetext.toStdString()).input;
        g = (gewalzt ? buildRolledSection(e.rolledProfile) : buildWeldedSection(e.welded)).geometry;
        const Ergebnislage& l = lage ? *lage : lauf.lage;
        double y = 40;
        naechstesY = gewalzt ? zeichneWalzprofil(a.flaeche, y, q, modus, l)
                             : zeichneSchweissquerschnitt(a.flaeche, y, q, lauf.schiene, l);
        umfang = boundingBox(g);
        double rechts = -1e9;
        for (const QLineF& k : platten()) {
            xLinks = std::min({xLinks, k.x1(), k.x2()});
            rechts = std::max({rechts, k.x1(), k.x2()});
            yUnten = std::max({yUnten, k.y1(), k.y2()});
        }
        s = (rechts - xLinks) / (umfang[2] - umfang[0]);
    }

    // The plates' outlines: the heavy lines of a welded drawing, the boxes of a rolled one.
    QList<QLineF> platten() const
    {
        if (!gewalzt)
            return a.linienMitBreite(2);
        QList<QLineF> l;
        for (const Zeichenschritt& k : a.schritte(Zeichenschritt::Art::Rechteck))
            l << QLineF(k.x1, k.y1, k.x2, k.y1) << QLineF(k.x2, k.y1, k.x2, k.y2) << QLineF(k.x2, k.y2, k.x1, k.y2)
              << QLineF(k.x1, k.y2, k.x1, k.y1);
        return l;
    }
    QPointF p(Point q) const { return {xLinks + (q.y - umfang[0]) * s, yUnten - (q.z - umfang[1]) * s}; }
    QRectF platte(const char* name) const
    {
        QPolygonF umriss;
        for (const Plate& pl : g.plates)
            if (pl.nameDe == name)
                for (const Point& q : pl.outline)
                    umriss << p(q);
        return umriss.boundingRect();
    }
    QRectF untergurt() const
    {
        const QRectF profil = platte("H-Profil Untergurt");
        return profil.isNull() ? platte("Untergurt") : profil;
    }
    std::vector<Zeichenschritt> texte(const QString& text) const
    {
        std::vector<Zeichenschritt> t;
        for (const Zeichenschritt& k : a.texte())
            if (k.text == text)
                t.push_back(k);
        return t;
    }
    // The label stands at the place: touching it, or a leader runs from the place to it.
    bool steht(const QRectF& text, const QRectF& ort) const
    {
        if (abstand(text, ort.center()) <= 1.2 + std::hypot(ort.width(), ort.height()) / 2)
            return true;
        for (const QLineF& l : a.linien())
            if (abstand(ort, l.p1()) < 0.6 && abstand(text, l.p2()) < 0.6)
                return true;
        return false;
    }
};

// The values the drawing names, as they were typed: every plate dimension the
// form shows (the web angle aside), the rail, the stiffeners' legs and
// thicknesses; of a rolled profile its own and the bottom profile's sizes
// (the bottom profile's height enters the chain beside the web).
QStringList erwarteteWerte(const Bild& b)
{
    const Querschnittsdaten q = nurGezeigtes(b.q);
    const Plattenmasse& m = q.masse;
    const Zellenmasse& z = m.zelle2;
    const HProfilmasse& w = q.walzprofil;
    const HProfilmasse& u = q.untergurtprofil;
    QStringList werte{w.H, w.B, w.S, w.T, w.R, u.B, u.S, u.T, u.R, m.obergurtbreite, m.obergurtdicke,
                      m.untergurtbreite, m.untergurtdicke, m.steghoehe, m.stegdicke, m.stegdicke2, m.schottbreite,
                      m.steghoehe2, m.hoehe2, m.breite2, z.BO3, z.TO3, z.HS3, z.TS3, z.AS3};
    if (q.HschieneCheck)
        werte << q.flachschienenbreite + u'x' + q.flachschienenhoehe;
    if (!b.lauf.schiene.name.isEmpty())
        werte << b.lauf.schiene.name;
    else if (!m.schienenbreite.isEmpty())
        werte << m.schienenbreite + u'x' + m.schienenhoehe;
    for (const Steifenmasse& st : q.steifen)
        if (!st.dicke.isEmpty())
            werte << st.lang1 + u'x' << st.lang2 + u'x' << st.dicke;
    if (!q.stegprofilreihe.isEmpty())
        werte << q.stegprofilreihe + u' ' + q.stegprofilgroesse;
    werte.removeAll(QString());
    return werte;
}

} // namespace

class TestDetailzeichnungen : public QObject {
    Q_OBJECT

private slots:
    void alle_data()
    {
        QTest::addColumn<QString>("name");
        for (const Detailbeispiel& b : schweissbeispiele())
            QTest::newRow(b.name) << QString::fromLatin1(b.name);
        for (const Walzbeispiel& b : walzbeispiele())
            QTest::newRow(b.name) << QString::fromLatin1(b.name);
    }

    // The drawing is the engine's section: every plate corner the engine
    // computed is a corner of the drawn plates, under one scale for both
    // directions; every point the engine reported is labelled once, at its
    // point (touching it, or with a leader from it).
    void geometrieUndPunkte_data() { alle_data(); }
    void geometrieUndPunkte()
    {
        QFETCH(QString, name);
        const Bild b(name);
        const QList<QLineF> platten = b.platten();
        for (const Plate& pl : b.g.plates)
            for (const Point& q : pl.outline) {
                bool ecke = pl.nameDe == "Ausrundung";
                for (const QLineF& l : platten)
                    ecke = ecke || QLineF(l.p1(), b.p(q)).length() < 1e-6 || QLineF(l.p2(), b.p(q)).length() < 1e-6;
                QVERIFY2(ecke, pl.nameDe.c_str());
            }
        QVERIFY(!b.g.points.empty());
        for (const StressPoint& sp : b.g.points) {
            const QString marke = QStringLiteral("P%1").arg(sp.number);
            const auto texte = b.texte(marke);
            QVERIFY2(texte.size() == 1, qPrintable(marke));
            const QRectF f = feld(texte.front());
            const QPointF ort = b.p(sp.at);
            // A rolled profile's labels stand a few millimetres off, as the page has always put them.
            QVERIFY2(b.gewalzt ? abstand(f, ort) < 10 : b.steht(f, QRectF(ort, QSizeF(0, 0))), qPrintable(marke));
        }
    }

    // The largest extent that counts is drawn 70 mm long (65 mm for a rolled profile).
    void massstab_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<double>("massgebend");
        QTest::addColumn<double>("mm");
        QTest::newRow("box: the web") << "Kasten_5" << 1000.0 << 70.0;
        QTest::newRow("sloped web: its height") << "Schiene_ueber_Steg_geneigt_19" << 1100 * std::cos(6 * M_PI / 180)
                                                << 70.0;
        QTest::newRow("two cells: the bottom flange") << "Zweizeller_315" << 1400.0 << 70.0;
        QTest::newRow("rolled: the flange width") << "Walzprofil_102" << 300.0 << 65.0;
        QTest::newRow("rolled: the web between the flanges") << "Walzprofil_110" << 600.0 - 23 - 15 << 65.0;
    }
    void massstab()
    {
        QFETCH(QString, name);
        QFETCH(double, massgebend);
        QFETCH(double, mm);
        QVERIFY(std::abs(massgebend * Bild(name).s - mm) < 1e-6);
    }

    // Every value typed for the section is written, and the bottom width's
    // value stands under the middle of the bottom flange it measures.
    void werte_data() { alle_data(); }
    void werte()
    {
        QFETCH(QString, name);
        const Bild b(name);
        QStringList geschrieben;
        for (const Zeichenschritt& t : b.a.texte())
            geschrieben << t.text;
        for (const QString& w : erwarteteWerte(b))
            QVERIFY2(geschrieben.contains(w) || geschrieben.contains(QStringLiteral("1/2 ") + w), qPrintable(w));
        const QString breite = b.gewalzt ? (b.q.HUGCheck ? b.q.untergurtprofil.B : b.q.walzprofil.B)
                               : mitUntergurtH(b.q.Querschnittsnummer) ? b.q.stegprofil.B
                                                                        : b.q.masse.untergurtbreite;
        const QRectF ug = b.untergurt();
        bool mittig = false;
        for (const Zeichenschritt& t : b.texte(breite))
            mittig = mittig || (std::abs(feld(t).center().x() - ug.center().x()) < 0.3 && t.y1 > ug.bottom());
        QVERIFY2(mittig, qPrintable(breite));
    }

    // Everything stays in the page column right of the value lines, below the
    // drawing's top and above the page's next line, and no label covers another.
    void keineUeberdeckung_data() { alle_data(); }
    void keineUeberdeckung()
    {
        QFETCH(QString, name);
        const Bild b(name);
        QStringList fehler;
        for (const Zeichenschritt& s : b.a.protokoll)
            // The rolled profile's top thickness and width stand above its top, in the page's room.
            if ((s.art == Zeichenschritt::Art::Linie || s.art == Zeichenschritt::Art::Text) &&
                (std::min(s.x1, s.x2) < 60 || std::max(s.x1, s.x2) > 188 ||
                 std::max(s.y1, s.y2) > b.naechstesY + 0.01 || (!b.gewalzt && std::min(s.y1, s.y2) < 40 - 3)))
                fehler << QStringLiteral("outside: %1 (%2,%3)").arg(s.text).arg(s.x1).arg(s.y1);
        const auto texte = b.a.texte();
        // The font's line height overlaps a little.
        const auto kern = [](const Zeichenschritt& t) { return feld(t).adjusted(0.1, 0.3, -0.1, -0.3); };
        for (size_t i = 0; i < texte.size(); ++i)
            for (size_t j = i + 1; j < texte.size(); ++j)
                if (kern(texte[i]).intersects(kern(texte[j])))
                    fehler << texte[i].text + QStringLiteral(" / ") + texte[j].text;
        QVERIFY2(fehler.isEmpty(), qPrintable(fehler.join(QStringLiteral("; "))));
    }

    // The rail's name or size stands at the rail: the acting rail is a plate of
    // the section, a riding one and the flat rail are drawn on the top flange.
    void schieneBenannt_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::newRow("acting rail") << "Schiene_ueber_Steg_15" << "65x75";
        QTest::newRow("rail at mid top flange") << "Mitte_Obergurt_37" << "100x80";
        QTest::newRow("catalog rail riding on it") << "H_halb_115" << "A75";
        QTest::newRow("flat rail on a rolled profile") << "Walzprofil_103" << "60x40";
    }
    void schieneBenannt()
    {
        QFETCH(QString, name);
        QFETCH(QString, text);
        const Bild b(name);
        // The rail is what is drawn above the top face of the section's top flange.
        double oben = 1e9;
        for (const Plate& pl : b.g.plates)
            if (pl.nameDe != "Schiene" && pl.nameDe != "Flachschiene")
                for (const Point& q : pl.outline)
                    oben = std::min(oben, b.p(q).y());
        QRectF schiene;
        for (const QLineF& l : b.platten())
            if (std::min(l.y1(), l.y2()) < oben - 0.1)
                schiene = schiene.united(QRectF(l.p1(), l.p2()).normalized());
        QVERIFY(schiene.height() > 2);
        const auto texte = b.texte(text);
        QCOMPARE(texte.size(), size_t(1));
        const QRectF f = feld(texte.front());
        QVERIFY(b.steht(f, schiene) || abstand(f, schiene.center()) < schiene.width());
    }

    // A row with thickness 0 (a point this section does not have) gets no
    // label, nor does a row the file does not hold.
    void keineMarkeFuerFehlendePunkte()
    {
        Ergebnislage r = Bild(QStringLiteral("Kasten_5")).lauf.lage;
        r.dicke[3] = 0; // P4
        r.punkte = 12;  // P13 not in the file
        const Bild b(QStringLiteral("Kasten_5"), &r);
        QCOMPARE(b.texte(QStringLiteral("P4")).size() + b.texte(QStringLiteral("P13")).size(), size_t(0));
        QCOMPARE(b.texte(QStringLiteral("P3")).size() + b.texte(QStringLiteral("P12")).size(), size_t(2));
    }

    // The axis symbol's arms start at the engine's centroid, turned by its angle.
    void achsenkreuzImSchwerpunkt_data() { alle_data(); }
    void achsenkreuzImSchwerpunkt()
    {
        QFETCH(QString, name);
        Ergebnislage r = Bild(name).lauf.lage;
        r.apsi = 0.3f;
        const Bild b(name, &r);
        // z of the engine's centroid counts from the bottom flange's mid-plane.
        const QPointF m(b.p({r.ys, 0}).x(), b.untergurt().center().y() - r.zs * b.s);
        const QPointF y = m + 5 * QPointF(std::cos(0.3), -std::sin(0.3));
        const QPointF z = m + 5 * QPointF(-std::sin(0.3), -std::cos(0.3));
        int arme = 0;
        for (const QLineF& l : b.a.linien())
            arme += QLineF(l.p1(), m).length() < 1e-3 &&
                    (QLineF(l.p2(), y).length() < 1e-3 || QLineF(l.p2(), z).length() < 1e-3);
        QCOMPARE(arme, 2);
    }

    // A drawing that cannot be made shows "Printererror" and leaves y as it was.
    void druckfehler_data()
    {
        QTest::addColumn<int>("form");
        QTest::newRow("rolled, B and H 0") << 102;
        QTest::newRow("box, bottom flange 0") << 5;
        QTest::newRow("no family offers the form") << 301;
        QTest::newRow("form 50 offers no section") << 50;
    }
    void druckfehler()
    {
        QFETCH(int, form);
        Meldungsrekorder rekorder;
        Aufzeichnung a(96, 1200);
        Querschnittsdaten e = schweissbeispiele().front().q;
        e.Querschnittsnummer = form;
        if (form == 5)
            e.masse.untergurtbreite = QStringLiteral("0");
        Ergebnislage r;
        r.punkte = 14;
        r.dicke.fill(10);
        double y = 40;
        const double naechstesY =
            form == 102 ? zeichneWalzprofil(a.flaeche, y, walzquerschnitt("", {"0", "0", "0", "0", "0"}), form, r)
                        : zeichneSchweissquerschnitt(a.flaeche, y, e, Schienenbild(), r);
        QCOMPARE(rekorder.texte(), QStringList{QStringLiteral("Printererror")});
        QCOMPARE(y, 40.0);
        QCOMPARE(naechstesY, 40.0);
    }
};

QTEST_MAIN(TestDetailzeichnungen)
#include "tst_detailzeichnungen.moc"
