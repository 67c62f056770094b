// The result page's drawings of every offered form, computed by the real engine, on a recording surface at the printer's
// resolution: to the page's scale, every typed value and point named at its place, legible, else noted as failed.
#include "Aufzeichnung.h"
#include "Detailbeispiele.h"
#include "Formnummern.h"
#include "Rechenlauf.h"
#include "Testhilfen.h"
#include "drawing/Zeichnung.h"
#include "kern/transfer_layout.h"

#include <QFontMetricsF>
#include <QPainterPath>
#include <QTest>
#include <map>

using namespace tarvello::geometrie;

namespace {

const QString Daten = QStringLiteral(TARVELLO_DATEN_QUELLE);

QRectF feld(const Zeichenschritt& t) { return QRectF(QPointF(t.x1, t.y1), QPointF(t.x2, t.y2)).normalized(); }
bool bei(QPointF a, QPointF c, double toleranz = 1e-6) { return QLineF(a, c).length() < toleranz; }
bool trifft(const QLineF& l, const QRectF& r)
{
    QPainterPath strich(l.p1());
    strich.lineTo(l.p2());
    return strich.intersects(r);
}

// Every stroke (lines, open boxes' edges, arcs as short chords), or the plates' outlines (lines wider than a pixel, open boxes).
QList<QLineF> striche(const Aufzeichnung& a, bool nurPlatten = false)
{
    QList<QLineF> l = a.linien(nurPlatten);
    for (const Zeichenschritt& k : a.protokoll) {
        const double spanne = k.winkel2 - k.winkel1 + (k.winkel2 > k.winkel1 ? 0 : 2 * M_PI);
        const auto punkt = [&](int i) {
            const double w = k.winkel1 + spanne * i / 24;
            return k.art == Zeichenschritt::Art::Bogen ? QPointF(k.x1 + k.x2 * std::cos(w), k.y1 - k.x2 * std::sin(w)) : QPolygonF(feld(k)).at(i % 4);
        };
        for (int i = 0; i < (k.gefuellt ? 0 : k.art == Zeichenschritt::Art::Rechteck ? 4 : k.art == Zeichenschritt::Art::Bogen && !nurPlatten ? 24 : 0); ++i)
            l << QLineF(punkt(i), punkt(i + 1));
    }
    return l;
}

// A text's leader: from its point straight at the text's box, stopping 0.3 short of it.
bool istLeitung(const QLineF& l, const QRectF& f)
{
    const QLineF ganz(l.p1(), {std::clamp(l.x1(), f.left(), f.right()), std::clamp(l.y1(), f.top(), f.bottom())});
    return l.length() > 1.2 && std::abs(ganz.length() - l.length() - 0.3) < 0.02 &&
           bei(ganz.pointAt(l.length() / ganz.length()), l.p2(), 0.02);
}

// What makes a drawing hard to read: two texts whose letters (their ink in the font they were written in) come
// within 0.15 of each other, or a line that near a text's letters that touches them or is not its own leader
// (from its point straight at the text's box, stopping 0.3 short of it).
QStringList unleserliches(const Aufzeichnung& a)
{
    const std::vector<std::pair<Zeichenschritt, QRectF>> texte = a.tinte();
    QStringList fehler;
    for (auto t = texte.begin(); t != texte.end(); ++t) {
        const QRectF nah = t->second.adjusted(-0.15, -0.15, 0.15, 0.15), f = feld(t->first);
        for (auto u = t + 1; u != texte.end(); ++u)
            if (nah.intersects(u->second))
                fehler << t->first.text + " / " + u->first.text;
        for (const QLineF& l : striche(a)) {
            if (trifft(l, nah) && (trifft(l, t->second) || !istLeitung(l, f)))
                fehler << QStringLiteral("%1 | (%2,%3)").arg(t->first.text).arg(l.x1()).arg(l.y1());
        }
    }
    return fehler;
}

// Cases whose page scale is known (the largest extent that counts drawn 70 mm
// long, 65 for a rolled profile) with plates typed for them, width x thickness or height.
const std::map<QString, std::pair<double, QString>> massstaebe = {
    {"Form_5", {70 / 1000.0, "600x20 520x20 12x1000"}},                             // box: the web
    {"Form_19_geneigt", {70 / (1200 * std::cos(6 * M_PI / 180)), "840x25 600x20"}}, // sloped web: its height
    {"Form_55", {70 / 1300.0, "500x20 10x800 300x28"}},                             // box on H: H and web
    {"Form_115", {70 / 1500.0, "700x25 500x19 300x19"}},                            // half H: the web
    {"Form_215", {70 / 900.0, "500x20 420x15 12x900 10x600"}},                      // angle section: the web
    {"Form_315", {70 / 1400.0, "900x25 1400x20 500x20 10x700"}},                    // two cells: the bottom flange
    {"Walzprofil_102", {65 / 300.0, "300x19 11x262"}},                              // rolled: the flange width
    {"Walzprofil_103", {65 / 444.0, "300x23 12x444 60x40"}},                        // flat rail: the web
    {"Walzprofil_110", {65 / 562.0, "300x23 200x15 12x482 9x80"}},                  // on a profile: the web
};

const std::vector<Zeichnungsfall> faelle = alleZeichnungsfaelle(formnummernAus(Daten + "/Combo.D"));

// One case drawn as the result page draws it from the engine's run (a point the engine gives no thickness,
// when named), the section's place on the paper measured on the drawing: the engine's section spans the
// drawn plates' width and stands on their lowest edge.
struct Bild {
    const Zeichnungsfall& f;
    Rechenlauf lauf = *(f.modus ? rechneWalzprofil(f.q) : rechne(f.q, Daten + "/ASchiene"));
    const TransferInput e = parseTransfer(lauf.lage.uebergabetext.toStdString()).input;
    const SectionGeometry g = (f.modus ? buildRolledSection(e.rolledProfile) : buildWeldedSection(e.welded)).geometry;
    const std::array<double, 4> umfang = boundingBox(g);
    std::vector<StressPoint> punkte = lauf.lage.massgebend; // then those reported with a thickness
    Aufzeichnung a{300, 2600};
    QList<QLineF> platten;
    double naechstesY = 0, s = 0, xLinks = 1e9, yUnten = 0;

    explicit Bild(const Zeichnungsfall& fall, int ohneDicke = 0) : f(fall)
    {
        if (ohneDicke > 0)
            lauf.lage.dicke[size_t(ohneDicke - 1)] = 0;
        a.flaeche.setzeSchrift(QStringLiteral("Times New Roman"), 14);
        double y = 40, rechts = -1e9;
        naechstesY = f.modus ? zeichneWalzprofil(a.flaeche, y, f.q, f.modus, lauf.lage)
                             : zeichneSchweissquerschnitt(a.flaeche, y, f.q, lauf.schiene, lauf.lage);
        platten = striche(a, true);
        for (const QLineF& k : platten)
            xLinks = std::min({xLinks, k.x1(), k.x2()}), rechts = std::max({rechts, k.x1(), k.x2()}), yUnten = std::max({yUnten, k.y1(), k.y2()});
        s = (rechts - xLinks) / (umfang[2] - umfang[0]);
        punkte.insert(punkte.end(), g.points.begin(), g.points.end());
        punkte.erase(std::remove_if(punkte.begin(), punkte.end(), [this](auto& sp) { return lauf.lage.dicke[size_t(sp.number - 1)] == 0; }),
                     punkte.end());
    }
    QPointF p(Point q) const { return {xLinks + (q.y - umfang[0]) * s, yUnten - (q.z - umfang[1]) * s}; }
    QRectF platte(const std::string& name) const
    {
        QPolygonF umriss;
        for (const Plate& pl : g.plates)
            for (const Point& q : pl.outline)
                if (pl.nameDe == name)
                    umriss << p(q);
        return umriss.boundingRect();
    }
    // Where the text stands: as one label, or as stiffener data on two or three lines.
    std::vector<QRectF> texte(const QString& text) const
    {
        const auto t = a.texte();
        std::vector<QRectF> r;
        for (size_t k = 0; k < t.size(); ++k)
            if (t[k].text == text)
                r.push_back(feld(t[k]));
            else if (k + 1 < t.size() && t[k].text + t[k + 1].text == text)
                r.push_back(feld(t[k]).united(feld(t[k + 1])));
            else if (k + 2 < t.size() && t[k].text + t[k + 1].text + t[k + 2].text == text)
                r.push_back(feld(t[k]).united(feld(t[k + 1])).united(feld(t[k + 2])));
        return r;
    }
    // The text stands at the place: within `nah` of it, or on a leader from it.
    bool steht(const QString& text, QRectF ort, double nah = 1.2) const
    {
        bool da = false;
        ort.adjust(-1e-9, -1e-9, 1e-9, 1e-9);
        for (const QRectF& block : texte(text))
            for (const QLineF& l : a.linien())
                da = da || block.adjusted(-nah, -nah, nah, nah).intersects(ort) ||
                     (ort.adjusted(-0.6, -0.6, 0.6, 0.6).contains(l.p1()) && block.adjusted(-0.6, -0.6, 0.6, 0.6).contains(l.p2()));
        return da;
    }
};

} // namespace

class TestDetailzeichnungen : public QObject {
    Q_OBJECT

private slots:
    void jedeZeichnung_data()
    {
        QTest::addColumn<int>("fall");
        QVERIFY(faelle.size() > 60);
        for (size_t i = 0; i < faelle.size(); ++i)
            QTest::newRow(qPrintable(faelle[i].name)) << int(i);
    }
    // The engine's section under one scale (its plate corners drawn), the page's where known; each reported
    // point labelled once at its point, the governing ones ringed; the axis symbol's arms (3 to 5) from its
    // centroid at its angle. Every value the form shows written (the rail's name too), each stiffener's data
    // within 2.5 of it or on a leader; every length dimension as long as its value (its line's pieces stop 3,
    // or 5 across, short of the label's middle), both ends held. All in the page column, legible.
    void jedeZeichnung()
    {
        QFETCH(int, fall);
        const Bild b(faelle[size_t(fall)]);
        QStringList fehler = unleserliches(b.a);
        // Thin plates filled, thick ones open, by their width on paper alone (not by side or place): every filled
        // plate thinner than every open one, one under half a millimetre filled, one over one and a half open.
        double dicksteGefuellte = 0, duennsteOffene = 1e9;
        QList<QPolygonF> volle;
        const auto gefuellt = b.a.schritte(Zeichenschritt::Art::Rechteck);
        for (const Plate& pl : b.g.plates) {
            if (pl.nameDe == "Ausrundung")
                continue;
            QPolygonF umriss;
            for (const Point& q : pl.outline)
                umriss << b.p(q);
            double breite = 1e9; // the narrowest width of the convex outline
            for (qsizetype i = 0; i < umriss.size(); ++i) {
                const QLineF kante(umriss[i], umriss[(i + 1) % umriss.size()]);
                double weitester = 0;
                for (const QPointF& q : umriss)
                    weitester = std::max(weitester, QLineF(kante.p1(), q).length() * std::abs(std::sin(qDegreesToRadians(kante.angleTo(QLineF(kante.p1(), q))))));
                breite = std::min(breite, kante.length() > 1e-9 ? weitester : 1e9);
            }
            const QRectF r = umriss.boundingRect();
            const bool voll = std::any_of(gefuellt.begin(), gefuellt.end(), [&](auto& k) { return k.gefuellt && bei(feld(k).topLeft(), r.topLeft()) && bei(feld(k).bottomRight(), r.bottomRight()); });
            (voll ? dicksteGefuellte : duennsteOffene) = voll ? std::max(dicksteGefuellte, breite) : std::min(duennsteOffene, breite);
            if (voll)
                volle << umriss;
            if ((breite < 0.5 && !voll) || (breite > 1.5 && voll))
                fehler << QStringLiteral("%1, %2 on paper, drawn %3").arg(pl.nameDe.c_str()).arg(breite).arg(voll ? "filled" : "open");
        }
        if (dicksteGefuellte >= duennsteOffene)
            fehler << QStringLiteral("a filled plate %1 wide, an open one %2").arg(dicksteGefuellte).arg(duennsteOffene);
        for (const Plate& pl : b.g.plates)
            for (const Point& q : pl.outline)
                if (pl.nameDe != "Ausrundung" &&
                    std::none_of(b.platten.begin(), b.platten.end(), [&](auto& l) { return bei(l.p1(), b.p(q)) || bei(l.p2(), b.p(q)); }))
                    fehler << QStringLiteral("corner of %1 not drawn").arg(pl.nameDe.c_str());
        const auto boegen = b.a.schritte(Zeichenschritt::Art::Bogen);
        for (const StressPoint& sp : b.punkte) {
            const QString marke = QStringLiteral("P%1").arg(sp.number);
            const QPointF ort = b.p(sp.at);
            const bool ring = std::any_of(boegen.begin(), boegen.end(), [&](auto& k) { return bei({k.x1, k.y1}, ort) && k.winkel2 - k.winkel1 > 6; });
            if (b.texte(marke).size() != 1 || !b.steht(marke, QRectF(ort, ort)) || ring != sp.governing)
                fehler << marke + " not once at its point, or ringed wrongly";
            // A ring on a filled plate shows whole: white inside, not the plate's ink (which would darken half of
            // it and more; a line of another point's leader or ring may cross it).
            const bool aufVoller = std::any_of(volle.begin(), volle.end(), [&](const QPolygonF& v) {
                bool nah = v.containsPoint(ort, Qt::OddEvenFill);
                for (qsizetype i = 0; i < v.size(); ++i) {
                    const QLineF kante(v[i], v[(i + 1) % v.size()]);
                    const double t = std::clamp(QPointF::dotProduct(ort - kante.p1(), kante.p2() - kante.p1()) /
                                                    std::max(1e-12, kante.length() * kante.length()), 0.0, 1.0);
                    nah = nah || QLineF(ort, kante.pointAt(t)).length() < detailzeichnung::kRing;
                }
                return nah;
            });
            int dunkel = 0;
            for (int k = 0; k < 8 && sp.governing && aufVoller; ++k) {
                const QPointF q = ort + 0.3 * QPointF(std::cos(k * M_PI / 4), std::sin(k * M_PI / 4));
                dunkel += qGray(b.a.bild.pixel(((q - QPointF(b.a.flaeche.linkerRand(), 0)) * b.a.flaeche.pixelProMm()).toPoint())) < 128;
            }
            if (dunkel > 2)
                fehler << marke + "'s ring filled with its plate's ink";
            // On an open plate the ring leaves the plate's edge through its point in sight.
            const QPoint mitte = ((ort - QPointF(b.a.flaeche.linkerRand(), 0)) * b.a.flaeche.pixelProMm()).toPoint();
            const bool aufKante = std::any_of(b.platten.begin(), b.platten.end(), [&](const QLineF& k) {
                const double t = std::clamp(QPointF::dotProduct(ort - k.p1(), k.p2() - k.p1()) / std::max(1e-12, k.length() * k.length()), 0.0, 1.0);
                return QLineF(ort, k.pointAt(t)).length() < 0.05;
            });
            if (sp.governing && !aufVoller && aufKante && qGray(b.a.bild.pixel(mitte)) >= 128)
                fehler << marke + "'s ring hides its plate's edge";
        }
        const Ergebnislage& r = b.lauf.lage; // its z counts from the bottom flange's mid-plane
        if (b.f.name.contains("Schwerpunkt_unten")) QVERIFY2(r.zs < 0, "the centroid below the bottom flange's mid-plane");
        const QPointF m(b.p({r.ys, 0}).x(), (b.platte("H-Profil Untergurt") | b.platte("Untergurt")).center().y() - r.zs * b.s);
        const QList<QLineF> linien = b.a.linien();
        QList<QLineF> arme;
        std::copy_if(linien.begin(), linien.end(), std::back_inserter(arme), [&](const QLineF& l) {
            const QPointF arm = (l.p2() - l.p1()) / l.length();
            return bei(l.p1(), m, 1e-3) && l.length() > 3 - 1e-9 && l.length() < 5 + 1e-9 &&
                   (bei(arm, {std::cos(r.apsi), -std::sin(r.apsi)}) || bei(arm, {-std::sin(r.apsi), -std::cos(r.apsi)}));
        });
        if (arme.size() != 2)
            fehler << "axis symbol not at the centroid";
        // No label's leader crosses an arm (it would seem to point at the centroid); one from a point at the
        // centroid leaves between them. In the crowded cells named here every other place within reach would
        // cross a plate.
        const QStringList gedraengt{"Form_54", "Form_319", "Form_55_geneigt"};
        for (const Zeichenschritt& t : gedraengt.contains(b.f.name) ? std::vector<Zeichenschritt>{} : b.a.texte())
            for (const QLineF& l : linien)
                for (const QLineF& arm : arme)
                    if (QPointF x; istLeitung(l, feld(t)) && l.intersects(arm, &x) == QLineF::BoundedIntersection &&
                                   !bei(x, l.p1(), 0.3))
                        fehler << QStringLiteral("leader of %1 across the axis symbol").arg(t.text);

        const Querschnittsdaten q = nurGezeigtes(b.f.q);
        const Plattenmasse& d = q.masse;
        const HProfilmasse &w = q.walzprofil, &u = q.untergurtprofil;
        const bool flach = zahl(d.hoehe2) * b.s < 2; // a trolley plate under 2 mm on paper is named by its size
        const QString schiene = q.HschieneCheck ? q.flachschienenbreite + u'x' + q.flachschienenhoehe
                                : !b.lauf.schiene.name.isEmpty() || d.schienenbreite.isEmpty() ? b.lauf.schiene.name : d.schienenbreite + u'x' + d.schienenhoehe;
        for (const QString& wert : {w.H, w.B, w.S, w.T, w.R, u.B, u.S, u.T, u.R, d.obergurtbreite, d.obergurtdicke,
                                    d.untergurtbreite, d.untergurtdicke, d.steghoehe, d.stegdicke, d.stegdicke2, d.schottbreite,
                                    d.steghoehe2, d.zelle2.BO3, d.zelle2.TO3, d.zelle2.HS3, d.zelle2.TS3, d.zelle2.AS3,
                                    flach ? "" : d.hoehe2, flach ? d.breite2 + u'x' + d.hoehe2 : d.breite2,
                                    q.stegprofilreihe + u' ' + q.stegprofilgroesse, schiene})
            if (wert.trimmed().size() > 1 && b.texte(wert).empty() && b.texte("1/2 " + wert).empty())
                fehler << wert + " not written";
        for (int i = 1; i <= 5; ++i) {
            const Steifenmasse& st = q.steifen[size_t(spiegeltSteifen(q.Querschnittsnummer) && i % 2 == 0 ? i - 2 : i - 1)];
            const QRectF steife = b.platte(tarvello::geometrie::stiffenerName(q.Querschnittsnummer, i - 1, true));
            const QString daten = st.lang1 + u'x' + (zahl(st.lang2) > 0 ? st.lang2 + u'x' : QString()) + st.dicke;
            if (!steife.isNull() && !st.dicke.isEmpty() && !b.steht(daten, steife, 2.51))
                fehler << QStringLiteral("data of stiffener %1 away").arg(i);
        }

        // A measured end is held: it lies on a stroke that does not start there (its extension line, or the material).
        const auto lose = [&, alle = striche(b.a)](QPointF e) {
            return std::none_of(alle.begin(), alle.end(), [&](auto& k) { return !bei(k.p1(), e) && QLineF(k.p1(), e).length() + QLineF(e, k.p2()).length() < k.length() + 1e-3; });
        };
        for (const Zeichenschritt& t : b.a.texte()) {
            bool zahl = false;
            const double wert = QString(t.text).replace(u',', u'.').toDouble(&zahl);
            const QPointF mitte((t.x1 + t.x2) / 2, t.y1 + 2);
            QList<QLineF> stuecke; // ending 3 or 5 from the label's middle
            for (const QLineF& l : linien)
                if (zahl && std::abs(std::abs(QLineF(l.p2(), mitte).length() - 4) - 1) < 1e-6)
                    stuecke << l;
            for (const QLineF& a : stuecke)
                for (const QLineF& c : stuecke) {
                    const double laenge = QLineF(a.p1(), c.p1()).length(), luecke = std::abs(a.y1() - c.y1()) < 1e-6 ? 5 : 3;
                    const QPointF r = (a.p1() - c.p1()) / std::max(laenge, 1e-9);
                    if (laenge > 1e-6 && bei(a.p2(), mitte + luecke * r) && bei(c.p2(), mitte - luecke * r) &&
                        (std::abs(laenge / b.s - wert) > 0.051 + 1e-4 * wert || lose(a.p1()) || lose(c.p1())))
                        fehler << QStringLiteral("%1 measures %2%3").arg(t.text).arg(laenge / b.s).arg(lose(a.p1()) || lose(c.p1()) ? ", an end loose" : "");
                }
        }
        // Right of the value lines, below the drawing's top (a rolled profile's top dimensions above it), above the page's next line.
        for (const Zeichenschritt& s : b.a.protokoll)
            if ((s.art == Zeichenschritt::Art::Linie || s.art == Zeichenschritt::Art::Text) &&
                (std::min(s.x1, s.x2) < 60 || std::max(s.x1, s.x2) > 188 || std::max(s.y1, s.y2) > b.naechstesY + 0.01 ||
                 (!b.f.modus && std::min(s.y1, s.y2) < 40 - 3)))
                fehler << QStringLiteral("outside: %1 (%2,%3)").arg(s.text).arg(s.x1).arg(s.y1);
        // The drawn plates (their corners drawn, as checked above), width and height over the page's scale.
        const auto [massstab, platten] = massstaebe.count(b.f.name) ? massstaebe.at(b.f.name) : std::pair{1.0, QString()};
        for (const QString& platte : platten.split(u' ', Qt::SkipEmptyParts))
            if (std::none_of(b.g.plates.begin(), b.g.plates.end(), [&, massstab = massstab](const Plate& pl) {
                    const QSizeF g = b.platte(pl.nameDe).size() / massstab;
                    return bei({g.width(), g.height()}, {platte.section(u'x', 0, 0).toDouble(), platte.section(u'x', 1, 1).toDouble()}, 0.01);
                }))
                fehler << platte + " not to the page's scale";
        QVERIFY2(!b.punkte.empty() && fehler.isEmpty(), qPrintable(fehler.join("; ")));
    }

    // A label takes no place inside a plate, across its edge or beyond the page's column.
    void platzFuerBeschriftung()
    {
        detailzeichnung::Belegung b;
        b.platte({{80, 10}, {120, 10}, {120, 50}, {80, 50}});
        QVERIFY(b.frei(QRectF(130, 20, 10, 4)));
        QVERIFY(!b.frei(QRectF(95, 25, 10, 4)));
        QVERIFY(!b.frei(QRectF(115, 25, 10, 4)));
        QVERIFY(!b.frei(QRectF(180, 25, 10, 4)));
    }

    // A point the engine gives no plate thickness (one this section does not have) gets no label.
    void keineMarkeOhneDicke()
    {
        const Bild b(*std::find_if(faelle.begin(), faelle.end(), [](auto& f) { return f.name == "Form_5"; }), 4);
        QVERIFY(b.texte("P4").empty() && b.texte("P3").size() == 1);
    }

    // A drawing that cannot be made (a rolled profile without B and H, a box with bottom flange 0, a number
    // no family offers, form 50 offering no section) is noted on the surface, shows nothing itself and leaves
    // y as it was.
    void druckfehler()
    {
        for (int form : {102, 5, 301, 50}) {
            Meldungsrekorder rekorder;
            Aufzeichnung a(96, 1200);
            Querschnittsdaten e = formbeispiel(5);
            e.Querschnittsnummer = form, e.familie = form == 102 ? int(kWalzprofil) : e.familie, e.masse.untergurtbreite = "0";
            double y = 40;
            QVERIFY(!a.flaeche.hatteZeichenfehler());
            const double naechstesY =
                form == 102 ? zeichneWalzprofil(a.flaeche, y, e, form, {}) : zeichneSchweissquerschnitt(a.flaeche, y, e, {}, {});
            QVERIFY(a.flaeche.hatteZeichenfehler() && rekorder.gezeigt.empty() && y == 40 && naechstesY == 40);
        }
    }
};

QTEST_MAIN(TestDetailzeichnungen)
#include "tst_detailzeichnungen.moc"
