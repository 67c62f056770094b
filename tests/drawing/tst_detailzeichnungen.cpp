// The detailed drawings of the result page, for sections computed by the real
// engine and drawn on a recording surface, for every form the program offers:
// drawn to scale from the engine's own geometry, every value and point label
// written and at its place, the rail named at the rail, every text legible
// (none covers another, no line but its leader crosses it), and
// "Printererror" for a drawing that cannot be made.
#include "Aufzeichnung.h"
#include "Detailbeispiele.h"
#include "Formnummern.h"
#include "Lesbarkeit.h"
#include "Rechenlauf.h"
#include "Testhilfen.h"
#include "drawing/Detailzeichnungen.h"

#include "kern/Zahlen.h"
#include "kern/section_geometry.h"
#include "kern/transfer_layout.h"

#include <QPolygonF>
#include <QTest>
#include <cmath>
#include <map>

using namespace tarvello::geometrie;

namespace {

const QString Katalog = QStringLiteral(TARVELLO_DATEN_QUELLE "/ASchiene");

QRectF feld(const Zeichenschritt& t) { return QRectF(QPointF(t.x1, t.y1), QPointF(t.x2, t.y2)); }

double abstand(const QRectF& r, QPointF p)
{
    return std::hypot(std::max({r.left() - p.x(), 0.0, p.x() - r.right()}),
                      std::max({r.top() - p.y(), 0.0, p.y() - r.bottom()}));
}

const std::vector<Zeichnungsfall>& faelle()
{
    static const std::vector<Zeichnungsfall> f =
        alleZeichnungsfaelle(formnummernAus(QStringLiteral(TARVELLO_DATEN_QUELLE "/Combo.D")));
    return f;
}

// The engine runs once per case.
const Rechenlauf& lauf(const Zeichnungsfall& f)
{
    static std::map<QString, Rechenlauf> gerechnet;
    auto it = gerechnet.find(f.name);
    if (it == gerechnet.end())
        it = gerechnet.emplace(f.name, *(f.modus ? rechneWalzprofil(f.q) : rechne(f.q, Katalog))).first;
    return it->second;
}

// One case drawn as the result page draws it, from the engine's run, at the
// printer's resolution, with the section's place on the paper measured on
// the drawing itself: the engine's section spans the drawn plates' width and
// stands on their lowest edge.
struct Bild {
    Aufzeichnung a{300, 2600};
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
        for (const Zeichnungsfall& f : faelle())
            if (f.name == name)
                q = f.q, lauf = ::lauf(f), modus = f.modus, gewalzt = f.modus != 0;
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
    // The points the engine reported: the fixed ones and the governing ones.
    std::vector<StressPoint> punkte() const
    {
        std::vector<StressPoint> alle = g.points;
        for (const StressPoint& sp : governingPoints(g, double(lauf.lage.zs)))
            alle.push_back(sp);
        std::vector<StressPoint> gemeldet;
        for (const StressPoint& sp : alle)
            if (sp.number <= lauf.lage.punkte && lauf.lage.dicke[size_t(sp.number - 1)] != 0)
                gemeldet.push_back(sp);
        return gemeldet;
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

// The rail's name or size as the drawing writes it; empty without a rail.
QString schienentext(const Bild& b)
{
    const Querschnittsdaten q = nurGezeigtes(b.q);
    if (q.HschieneCheck)
        return q.flachschienenbreite + u'x' + q.flachschienenhoehe;
    if (!b.lauf.schiene.name.isEmpty())
        return b.lauf.schiene.name;
    return q.masse.schienenbreite.isEmpty() ? QString() : q.masse.schienenbreite + u'x' + q.masse.schienenhoehe;
}

// The values the drawing names, as they were typed: every plate dimension the
// form shows (the web angle aside), the rail, the stiffeners' legs and
// thicknesses (on three lines or one); of a rolled profile its own and the bottom profile's sizes
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
                      m.steghoehe2, z.BO3, z.TO3, z.HS3, z.TS3, z.AS3};
    // A trolley plate under 2 mm on paper is named by its size.
    if (!m.hoehe2.isEmpty() && zahl(m.hoehe2) * b.s < 2)
        werte << m.breite2 + u'x' + m.hoehe2;
    else
        werte << m.hoehe2 << m.breite2;
    werte << schienentext(b);
    for (const Steifenmasse& st : q.steifen)
        if (!st.dicke.isEmpty())
            werte << st.lang1 + u'x' + st.lang2 + u'x' + st.dicke;
    if (!q.stegprofilreihe.isEmpty())
        werte << q.stegprofilreihe + u' ' + q.stegprofilgroesse;
    werte.removeAll(QString());
    return werte;
}

// Every length dimension whose line is drawn must be as long as its value
// says: the two pieces of its line stop 3 (5 across) short of the label's
// middle, and their outer ends are the measured points.
QStringList falschLangeMasse(const Bild& b)
{
    QStringList fehler;
    const QList<QLineF> linien = b.a.linien();
    for (const Zeichenschritt& t : b.a.texte()) {
        bool zahl = false;
        const double wert = QString(t.text).replace(u',', u'.').toDouble(&zahl);
        if (!zahl || !(wert > 0))
            continue;
        const QPointF mitte((t.x1 + t.x2) / 2, t.y1 + 2);
        QList<QLineF> stuecke;
        for (const QLineF& l : linien)
            for (double luecke : {3.0, 5.0})
                if (std::abs(QLineF(l.p2(), mitte).length() - luecke) < 1e-6)
                    stuecke << l;
        for (int i = 0; i < stuecke.size(); ++i)
            for (int j = i + 1; j < stuecke.size(); ++j) {
                const QLineF &a = stuecke[i], &c = stuecke[j];
                const double laenge = QLineF(a.p1(), c.p1()).length();
                if (laenge < 1e-6)
                    continue;
                const QPointF r = (a.p1() - c.p1()) / laenge;
                const double luecke = std::abs(r.y()) < 1e-6 ? 5 : 3;
                if (QLineF(a.p2(), mitte + luecke * r).length() > 1e-6 ||
                    QLineF(c.p2(), mitte - luecke * r).length() > 1e-6)
                    continue;
                const double gemessen = laenge / b.s;
                if (std::abs(gemessen - wert) > 0.051 + 1e-4 * wert)
                    fehler << QStringLiteral("%1 measures %2").arg(t.text).arg(gemessen);
            }
    }
    return fehler;
}

} // namespace

class TestDetailzeichnungen : public QObject {
    Q_OBJECT

private slots:
    void alle_data()
    {
        QTest::addColumn<QString>("name");
        QVERIFY(faelle().size() > 60);
        for (const Zeichnungsfall& f : faelle())
            QTest::newRow(qPrintable(f.name)) << f.name;
    }

    // The drawing is the engine's section: every plate corner the engine
    // computed is a corner of the drawn plates, under one scale for both
    // directions; every point the engine reported is labelled once with its
    // number, at its point (touching it, or with a leader from it), and the
    // governing ones, and only they, are marked with a small circle.
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
        for (const StressPoint& sp : b.punkte()) {
            const QString marke = QStringLiteral("P%1").arg(sp.number);
            const auto texte = b.texte(marke);
            QVERIFY2(texte.size() == 1, qPrintable(marke));
            const QPointF ort = b.p(sp.at);
            QVERIFY2(b.steht(feld(texte.front()), QRectF(ort, QSizeF(0, 0))), qPrintable(marke));
            bool ring = false;
            for (const Zeichenschritt& k : b.a.schritte(Zeichenschritt::Art::Bogen))
                ring = ring || (QLineF(QPointF(k.x1, k.y1), ort).length() < 1e-6 && k.winkel2 - k.winkel1 > 6);
            QVERIFY2(ring == sp.governing, qPrintable(marke));
        }
    }

    // The largest extent that counts is drawn 70 mm long (65 mm for a rolled profile).
    void massstab_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<double>("massgebend");
        QTest::addColumn<double>("mm");
        QTest::newRow("box: the web") << "Form_5" << 1000.0 << 70.0;
        QTest::newRow("sloped web: its height") << "Form_19_geneigt" << 1200 * std::cos(6 * M_PI / 180)
                                                << 70.0;
        QTest::newRow("two cells: the bottom flange") << "Form_315" << 1400.0 << 70.0;
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
        const auto texte = b.a.texte();
        for (size_t i = 0; i < texte.size(); ++i)
            geschrieben << texte[i].text
                        << (i + 2 < texte.size() ? texte[i].text + texte[i + 1].text + texte[i + 2].text : QString());
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
    // drawing's top and above the page's next line, and every text can be
    // read: none covers another, no line but its own leader crosses it.
    void lesbar_data() { alle_data(); }
    void lesbar()
    {
        QFETCH(QString, name);
        const Bild b(name);
        std::vector<std::pair<QPointF, double>> tiefen;
        for (const StressPoint& sp : b.punkte())
            tiefen.push_back({b.p(sp.at), sp.thickness * b.s / 2});
        QStringList fehler = unleserliches(b.a, tiefen);
        for (const Zeichenschritt& s : b.a.protokoll)
            // The rolled profile's top thickness and width stand above its top, in the page's room.
            if ((s.art == Zeichenschritt::Art::Linie || s.art == Zeichenschritt::Art::Text) &&
                (std::min(s.x1, s.x2) < 60 || std::max(s.x1, s.x2) > 188 ||
                 std::max(s.y1, s.y2) > b.naechstesY + 0.01 || (!b.gewalzt && std::min(s.y1, s.y2) < 40 - 3)))
                fehler << QStringLiteral("outside: %1 (%2,%3)").arg(s.text).arg(s.x1).arg(s.y1);
        QVERIFY2(fehler.isEmpty(), qPrintable(fehler.join(QStringLiteral("; "))));
    }

    // What a label says it stands at: a stiffener's point on the outer side
    // of its web (away from the stiffener), the stiffener's data at it (within
    // 2.5 or on a leader from it), the rail's name at the rail (touching it or
    // on a leader); every length dimension is as long as its
    // value (to the drawing's scale, along a sloped web too); a sloped box
    // with the rail at mid top flange shows its typed top width at the top.
    void anIhremOrt_data() { alle_data(); }
    void anIhremOrt()
    {
        QFETCH(QString, name);
        const Bild b(name);
        const Querschnittsdaten q = nurGezeigtes(b.q);
        QStringList fehler;
        const auto steife = [&](int i) { return b.platte(("Steife " + std::to_string(i)).c_str()); };
        for (const StressPoint& sp : b.punkte())
            if (sp.number >= 9 && sp.number <= 12) {
                const QRectF f = feld(b.texte(QStringLiteral("P%1").arg(sp.number)).front());
                const double x = b.p(sp.at).x();
                if (steife(sp.number - 8).center().x() < x ? f.left() < x : f.right() > x)
                    fehler << QStringLiteral("P%1 inside").arg(sp.number);
            }
        for (int i = 1; i <= 5; ++i) {
            const QRectF st = steife(i);
            const Steifenmasse& m = q.steifen[size_t(spiegeltSteifen(q.Querschnittsnummer) && i % 2 == 0 ? i - 2 : i - 1)];
            if (st.isNull() || m.dicke.isEmpty())
                continue;
            // The data on three lines or on one.
            bool dabei = false;
            const auto texte = b.a.texte();
            for (size_t k = 0; k < texte.size(); ++k) {
                QRectF block = feld(texte[k]);
                if (k + 2 < texte.size() && texte[k].text + texte[k + 1].text + texte[k + 2].text ==
                                                m.lang1 + u'x' + m.lang2 + u'x' + m.dicke)
                    block = block.united(feld(texte[k + 1])).united(feld(texte[k + 2]));
                else if (texte[k].text != m.lang1 + u'x' + m.lang2 + u'x' + m.dicke)
                    continue;
                const QRectF nah = st.adjusted(-2.51, -2.51, 2.51, 2.51);
                dabei = dabei || nah.intersects(block) || b.steht(block, st);
            }
            if (!dabei)
                fehler << QStringLiteral("data of stiffener %1 away").arg(i);
        }
        // The rail: the acting one a plate, a riding one what stands above the top face.
        QRectF schiene = b.platte("Schiene").united(b.platte("Flachschiene"));
        double oben = 1e9;
        for (const Plate& pl : b.g.plates)
            for (const Point& p : pl.outline)
                oben = std::min(oben, b.p(p).y());
        const bool reitet = schiene.isNull();
        for (const QLineF& l : b.platten())
            if (reitet && std::min(l.y1(), l.y2()) < oben - 0.1)
                schiene = schiene.united(QRectF(l.p1(), l.p2()).normalized());
        const auto schienenname = b.texte(schienentext(b));
        if (!schienentext(b).isEmpty() &&
            (schienenname.size() != 1 || !b.steht(feld(schienenname.front()), schiene)))
            fehler << QStringLiteral("rail not named at it");
        fehler << falschLangeMasse(b);
        if (schieneMitteObergurt(q.Querschnittsnummer) && zahl(q.masse.stegwinkel) != 0) {
            bool oben = false;
            for (const Zeichenschritt& k : b.texte(q.masse.schottbreite))
                oben = oben || k.y2 < b.platte("Steg rechts").center().y();
            if (!oben)
                fehler << QStringLiteral("top width not at the top");
        }
        QVERIFY2(fehler.isEmpty(), qPrintable(fehler.join(QStringLiteral("; "))));
    }

    // A row with thickness 0 (a point this section does not have) gets no
    // label, nor does a row the file does not hold.
    void keineMarkeFuerFehlendePunkte()
    {
        Ergebnislage r = Bild(QStringLiteral("Form_5")).lauf.lage;
        r.dicke[3] = 0; // P4
        r.punkte = 12;  // P13 not in the file
        const Bild b(QStringLiteral("Form_5"), &r);
        QCOMPARE(b.texte(QStringLiteral("P4")).size() + b.texte(QStringLiteral("P13")).size(), size_t(0));
        QCOMPARE(b.texte(QStringLiteral("P3")).size() + b.texte(QStringLiteral("P12")).size(), size_t(2));
    }

    // The axis symbol's arms start at the engine's centroid, turned by its
    // angle, 5 long or shortened to no less than 3 where a plate is near.
    void achsenkreuzImSchwerpunkt_data() { alle_data(); }
    void achsenkreuzImSchwerpunkt()
    {
        QFETCH(QString, name);
        Ergebnislage r = Bild(name).lauf.lage;
        r.apsi = 0.3f;
        const Bild b(name, &r);
        // z of the engine's centroid counts from the bottom flange's mid-plane.
        const QPointF m(b.p({r.ys, 0}).x(), b.untergurt().center().y() - r.zs * b.s);
        const QPointF y(std::cos(0.3), -std::sin(0.3)), z(-std::sin(0.3), -std::cos(0.3));
        int arme = 0;
        for (const QLineF& l : b.a.linien()) {
            const QPointF arm = l.p2() - l.p1();
            const double laenge = l.length();
            arme += QLineF(l.p1(), m).length() < 1e-3 && laenge >= 3 - 1e-9 && laenge <= 5 + 1e-9 &&
                    (QLineF(arm, laenge * y).length() < 1e-6 || QLineF(arm, laenge * z).length() < 1e-6);
        }
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
        Querschnittsdaten e = formbeispiel(5);
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
