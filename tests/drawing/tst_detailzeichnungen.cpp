// The detailed drawings of the result page on a recording surface: the rolled
// profile's scale, fillets and flat rail; the welded drawings' scale; the
// section drawn from the geometry the engine computed, every point label
// beside the point the engine reported and none for the rows it marks absent;
// the axis symbol at the centroid; the page column and labels that do not
// cover each other; "Printererror" for a drawing that cannot be made; and the
// record read as the transfer file carries it.
#include "Aufzeichnung.h"
#include "Detailbeispiele.h"
#include "Rechenlauf.h"
#include "Testhilfen.h"
#include "drawing/Detailzeichnungen.h"
#include "drawing/Zeichenprimitive.h"

#include "geometrie/section_geometry.h"
#include "geometrie/transfer_layout.h"

#include <QTest>
#include <cmath>

using namespace tarvello::geometrie;

namespace {

const QString Katalog = QStringLiteral(TARVELLO_DATEN_QUELLE "/ASchiene");

// A4 at 96 dpi is enough to record; the surface is 300 mm square.
struct Seite {
    Aufzeichnung a{96, 1200};
    Seite() { a.flaeche.setzeSchrift(QStringLiteral("Times New Roman"), 14); }
};

std::vector<Zeichenschritt> rechtecke(const Aufzeichnung& a) { return a.schritte(Zeichenschritt::Art::Rechteck); }

Querschnittseingabe walzprofil(const char* H, const char* B, const char* S, const char* T, const char* R)
{
    Querschnittseingabe e;
    e.familie = 3;
    e.hwert = {QString::fromLatin1(H), QString::fromLatin1(B), QString::fromLatin1(S), QString::fromLatin1(T),
               QString::fromLatin1(R)};
    return e;
}

Ergebnislage walzlage(int punkte)
{
    Ergebnislage r;
    r.punkte = punkte;
    for (int i = 0; i < punkte; ++i)
        r.dicke[size_t(i)] = 10;
    return r;
}

// How often exactly this text was written.
int anzahl(const Aufzeichnung& a, const QString& text)
{
    int n = 0;
    for (const Zeichenschritt& t : a.texte())
        n += t.text == text ? 1 : 0;
    return n;
}

QString textBei(const Zeichenschritt& t) { return QStringLiteral("%1@%2,%3").arg(t.text).arg(t.x1).arg(t.y1); }

// Distance from a point to a text's box.
double abstand(const Zeichenschritt& t, QPointF p)
{
    const double dx = std::max({t.x1 - p.x(), 0.0, p.x() - t.x2});
    const double dy = std::max({t.y1 - p.y(), 0.0, p.y() - t.y2});
    return std::hypot(dx, dy);
}

// The section as the engine computed it: its transfer lines read back and built.
SectionGeometry engineGeometrie(const QStringList& zeilen)
{
    const ParseOutcome gelesen = parseTransfer((zeilen.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toStdString());
    if (!gelesen.ok)
        return {};
    return buildWeldedSection(gelesen.input.welded).geometry;
}

// Where the welded drawings put a section point on paper: scale by the largest
// named extent, the section's centre line on the column's centre (the
// unsymmetric angle section by its extent, the two-cell box by its overall
// width w2), the top face of the top flange at the drawing's top.
struct Papierlage {
    double s, x0, yOben, zOben;
    QPointF p(Point q) const { return {x0 + q.y * s, yOben + (zOben - q.z) * s}; }
};

Papierlage papierlage(const WeldedDimensions& d, const SectionGeometry& g, double yOben)
{
    const double cosA = std::cos(d.webAngle * 0.0174533);
    const int x = d.form;
    double s = 0, x0 = 135;
    double ymin = 1e9, ymax = -1e9, zmax = -1e9;
    for (const Plate& p : g.plates)
        for (const Point& q : p.outline) {
            ymin = std::min(ymin, q.y);
            ymax = std::max(ymax, q.y);
            if (p.nameDe != "Schiene")
                zmax = std::max(zmax, q.z);
        }
    if (x > 300) {
        const SecondCell& z = d.secondCell;
        const double a = (d.bottomWidth - d.clearWidth - z.webDistance - d.webThickness - d.webThickness2 -
                          z.webThickness) / 2;
        const double w2 = a + d.clearWidth + d.webThickness + d.webThickness2 + z.topWidth;
        const double W = z.webDistance + z.webThickness + a < z.topWidth ? w2 : d.bottomWidth;
        s = 70 / std::max(W, d.webHeight);
        x0 = 133 - w2 * s / 2 + (d.clearWidth / 2 + d.webThickness + a) * s;
    } else if (x > 200) {
        s = 70 / std::max({d.bottomWidth, x > 220 ? d.profile.flangeWidth + d.topWidth : d.topWidth, d.webHeight});
        x0 = 135 - (ymin + ymax) / 2 * s;
    } else if (x > 50 && x < 60) {
        s = 70 / std::max({d.bottomWidth, d.topWidth, d.profile.height + d.webHeight * cosA});
    } else {
        s = 70 / std::max({d.bottomWidth, x > 110 && x < 120 ? d.profile.flangeWidth + d.topWidth : d.topWidth,
                           d.webHeight * cosA});
    }
    return {s, x0, yOben, zmax};
}

} // namespace

class TestDetailzeichnungen : public QObject {
    Q_OBJECT

private slots:
    void walzprofilNachBreite();
    void walzprofilNachSteghoehe();
    void walzprofilAusrundungen_data();
    void walzprofilAusrundungen();
    void walzprofilMitFlachschiene();
    void walzprofilSchwerpunkt();
    void kastenNachSteghoehe();
    void punkteAnDenPunktenDesRechenkerns_data();
    void punkteAnDenPunktenDesRechenkerns();
    void keineMarkeFuerFehlendePunkte();
    void achsenkreuzImSchwerpunkt();
    void bleibtInDerSpalteOhneUeberdeckung_data();
    void bleibtInDerSpalteOhneUeberdeckung();
    void druckfehler_data();
    void druckfehler();
    void masseWieDieUebergabe_data();
    void masseWieDieUebergabe();
};

// B = 300 is larger than hw = 262: s = 65/300, the flanges 65 mm wide.
void TestDetailzeichnungen::walzprofilNachBreite()
{
    Seite seite;
    double y = 40;
    const double naechstesY =
        zeichneWalzprofil(seite.a.flaeche, y, walzprofil("300", "300", "11", "19", "27"), 102, walzlage(6));
    const double s = 65.0 / 300;
    const auto k = rechtecke(seite.a);
    QVERIFY(k.size() >= 3);
    QVERIFY(gleich(k[0].x1, 135 - 32.5) && gleich(k[0].x2, 135 + 32.5));
    QVERIFY(std::abs(k[0].y2 - k[0].y1 - 19 * s) < 1e-9);
    const auto& untergurt = k.back();
    QVERIFY(std::abs(untergurt.x2 - untergurt.x1 - 65) < 1e-9);
    QCOMPARE(y, 40.0);
    QVERIFY(std::abs(naechstesY - (40 + (19 + 300 + 19) * s + 5)) < 1e-9);
}

// A web higher than the flanges are wide is scaled by hw: the web is 65 mm high.
void TestDetailzeichnungen::walzprofilNachSteghoehe()
{
    Seite seite;
    double y = 40;
    zeichneWalzprofil(seite.a.flaeche, y, walzprofil("600", "200", "12", "20", "18"), 102, walzlage(6));
    const auto k = rechtecke(seite.a);
    QVERIFY(k.size() >= 3);
    QVERIFY(std::abs(k[1].y2 - k[1].y1 - 65) < 1e-9);
    QVERIFY(std::abs(k[0].x2 - k[0].x1 - 200 * 65.0 / 560) < 1e-9);
}

void TestDetailzeichnungen::walzprofilAusrundungen_data()
{
    QTest::addColumn<QString>("R");
    QTest::addColumn<int>("boegen");
    // s = 65/300: R·s = 1.5 exactly at R = 6.923...; 6 gives 1.3, 27 gives 5.85.
    QTest::newRow("R 6: no arcs") << "6" << 0;
    QTest::newRow("R 27: four arcs") << "27" << 4;
}

void TestDetailzeichnungen::walzprofilAusrundungen()
{
    QFETCH(QString, R);
    QFETCH(int, boegen);
    Seite seite;
    double y = 40;
    zeichneWalzprofil(seite.a.flaeche, y, walzprofil("300", "300", "11", "19", R.toLatin1().constData()), 102,
                      walzlage(6));
    QCOMPARE(int(seite.a.schritte(Zeichenschritt::Art::Bogen).size()), boegen);
    // The radius label only with the arcs.
    QCOMPARE(anzahl(seite.a, R), boegen > 0 ? 2 : 0);
}

// With the flat rail the whole drawing starts hr·s lower and the rail stands on the top flange.
void TestDetailzeichnungen::walzprofilMitFlachschiene()
{
    Seite seite;
    Querschnittseingabe e = walzprofil("300", "300", "11", "19", "27");
    e.hwert[5] = QStringLiteral("40");
    e.hwert[6] = QStringLiteral("60");
    double y = 40;
    zeichneWalzprofil(seite.a.flaeche, y, e, 103, walzlage(6));
    const double s = 65.0 / 300;
    QVERIFY(std::abs(y - (40 + 40 * s)) < 1e-9);
    const auto k = rechtecke(seite.a);
    QVERIFY(std::abs(k[0].y1 - y) < 1e-9);
    const auto& schiene = k.back();
    QVERIFY(std::abs(schiene.y1 - y) < 1e-9 && std::abs(schiene.y2 - (y - 40 * s)) < 1e-9);
    QVERIFY(std::abs(schiene.x2 - schiene.x1 - 60 * s) < 1e-9);
    QCOMPARE(anzahl(seite.a, QStringLiteral("60x40")), 1);
}

// The axis symbol at the centroid the engine reports, z from the bottom flange's mid-plane.
void TestDetailzeichnungen::walzprofilSchwerpunkt()
{
    Seite seite;
    Ergebnislage r = walzlage(6);
    r.zs = 140.5;
    double y = 40;
    zeichneWalzprofil(seite.a.flaeche, y, walzprofil("300", "300", "11", "19", "27"), 102, r);
    const double s = 65.0 / 300;
    const QLineF yAchse(135, 40 + (300 - 9.5 - 140.5) * s, 135 + 5, 40 + (300 - 9.5 - 140.5) * s);
    bool gefunden = false;
    for (const QLineF& l : seite.a.linien())
        gefunden = gefunden || gleicheStrecke(l, yAchse);
    QVERIFY(gefunden);
}

// A box with a web of 1200 and flanges of 600 is scaled by the web: s = 70/1200.
void TestDetailzeichnungen::kastenNachSteghoehe()
{
    Detailbeispiel b{"Kasten_1", 0, 1, {{0, "600"}, {1, "20"}, {2, "600"}, {3, "20"}, {4, "1200"}, {5, "12"}, {7, "500"}},
                     {}, {}};
    const Querschnittseingabe e = eingabeAus(b);
    const std::optional<Rechenlauf> lauf = rechne(e, Katalog);
    QVERIFY(lauf);
    Seite seite;
    double y = 40;
    zeichneSchweissquerschnitt(seite.a.flaeche, y, e, Katalog, lauf->lage);
    // The webs' faces: vertical plate lines 70 mm long at c ± 250·s and c ± 262·s.
    const double s = 70.0 / 1200;
    int stegkanten = 0;
    for (const QLineF& l : seite.a.linienMitBreite(2))
        if (gleich(l.x1(), l.x2()) && std::abs(std::abs(l.dy()) - 70) < 1e-9)
            for (double x : {135 - 262 * s, 135 - 250 * s, 135 + 250 * s, 135 + 262 * s})
                stegkanten += std::abs(l.x1() - x) < 1e-9 ? 1 : 0;
    QCOMPARE(stegkanten, 4);
    // The bottom flange 600·s wide, 6 below it its width dimensioned.
    QCOMPARE(anzahl(seite.a, QStringLiteral("600")), 2);
}

void TestDetailzeichnungen::punkteAnDenPunktenDesRechenkerns_data()
{
    QTest::addColumn<int>("nummer");
    for (size_t i = 0; i < schweissbeispiele().size(); ++i)
        QTest::newRow(schweissbeispiele()[i].name) << int(i);
}

// Every label "Pn" stands beside the point the engine computed row n at: its
// box touches the point, or a leader runs from the point to the box.
void TestDetailzeichnungen::punkteAnDenPunktenDesRechenkerns()
{
    QFETCH(int, nummer);
    const Detailbeispiel& b = schweissbeispiele()[size_t(nummer)];
    const Querschnittseingabe e = eingabeAus(b);
    const std::optional<Rechenlauf> lauf = rechne(e, Katalog);
    QVERIFY(lauf);
    const SectionGeometry g = engineGeometrie(lauf->zeilen);
    QVERIFY(!g.points.empty());
    const ParseOutcome gelesen = parseTransfer(lauf->lage.übergabetext.toStdString());
    QVERIFY(gelesen.ok);

    // Once from the engine's lines, once from the record alone: the same places.
    for (const bool ausZeilen : {true, false}) {
        Seite seite;
        Ergebnislage r = lauf->lage;
        if (!ausZeilen)
            r.übergabetext.clear();
        double y = 40;
        zeichneSchweissquerschnitt(seite.a.flaeche, y, e, Katalog, r);
        const Papierlage lage = papierlage(gelesen.input.welded, g, y);
        QStringList fehler;
        int marken = 0;
        for (const StressPoint& p : g.points) {
            const QString name = QStringLiteral("P%1").arg(p.number);
            const QPointF ort = lage.p(p.at);
            std::vector<Zeichenschritt> texte;
            for (const Zeichenschritt& t : seite.a.texte())
                if (t.text == name)
                    texte.push_back(t);
            if (texte.size() != 1) {
                fehler.append(QStringLiteral("%1 written %2 times").arg(name).arg(texte.size()));
                continue;
            }
            ++marken;
            const Zeichenschritt& t = texte.front();
            bool beiIhm = abstand(t, ort) <= 1.2;
            for (const QLineF& l : seite.a.linien())
                if (std::hypot(l.x1() - ort.x(), l.y1() - ort.y()) < 1e-6 && abstand(t, l.p2()) < 0.5)
                    beiIhm = true;
            if (!beiIhm)
                fehler.append(QStringLiteral("%1 at (%2, %3), point at (%4, %5)")
                                  .arg(textBei(t))
                                  .arg(t.x1)
                                  .arg(t.y1)
                                  .arg(ort.x())
                                  .arg(ort.y()));
        }
        QVERIFY2(fehler.isEmpty(), qPrintable(fehler.join(QStringLiteral("; "))));
        QCOMPARE(marken, int(g.points.size()));
        // And the plates are the engine's: every plate corner is an end of a heavy line.
        const QList<QLineF> platten = seite.a.linienMitBreite(2);
        for (const Plate& pl : g.plates) {
            if (pl.nameDe == "Ausrundung")
                continue;
            for (const Point& q : pl.outline) {
                const QPointF ecke = lage.p(q);
                bool da = false;
                for (const QLineF& l : platten)
                    da = da || std::hypot(l.x1() - ecke.x(), l.y1() - ecke.y()) < 1e-6 ||
                         std::hypot(l.x2() - ecke.x(), l.y2() - ecke.y()) < 1e-6;
                QVERIFY2(da, qPrintable(QString::fromStdString(pl.nameDe)));
            }
        }
    }
}

// A row with thickness 0 (a point this section does not have) gets no label,
// nor does a row the file does not hold.
void TestDetailzeichnungen::keineMarkeFuerFehlendePunkte()
{
    const Detailbeispiel& b = schweissbeispiele().front();
    const Querschnittseingabe e = eingabeAus(b);
    const std::optional<Rechenlauf> lauf = rechne(e, Katalog);
    QVERIFY(lauf);
    Ergebnislage r = lauf->lage;
    r.dicke[3] = 0; // P4
    r.punkte = 12;  // P13, P14 not in the file
    Seite seite;
    double y = 40;
    zeichneSchweissquerschnitt(seite.a.flaeche, y, e, Katalog, r);
    QCOMPARE(anzahl(seite.a, QStringLiteral("P4")), 0);
    QCOMPARE(anzahl(seite.a, QStringLiteral("P13")), 0);
    QCOMPARE(anzahl(seite.a, QStringLiteral("P3")), 1);
    QCOMPARE(anzahl(seite.a, QStringLiteral("P12")), 1);
}

// The axis symbol's arms start at the engine's centroid, turned by its angle.
void TestDetailzeichnungen::achsenkreuzImSchwerpunkt()
{
    const Detailbeispiel& b = schweissbeispiele()[1];
    const Querschnittseingabe e = eingabeAus(b);
    const std::optional<Rechenlauf> lauf = rechne(e, Katalog);
    QVERIFY(lauf);
    Ergebnislage r = lauf->lage;
    r.ys = 40;
    r.zs = 610;
    r.apsi = 0.3f;
    Seite seite;
    double y = 40;
    zeichneSchweissquerschnitt(seite.a.flaeche, y, e, Katalog, r);
    const SectionGeometry g = engineGeometrie(lauf->zeilen);
    const Papierlage lage = papierlage(parseTransfer(r.übergabetext.toStdString()).input.welded, g, y);
    const QPointF m = lage.p({40, 610});
    const QLineF yAchse(m, m + QPointF(5 * std::cos(0.3f), -5 * std::sin(0.3f)));
    const QLineF zAchse(m, m + QPointF(-5 * std::sin(0.3f), -5 * std::cos(0.3f)));
    int arme = 0;
    for (const QLineF& l : seite.a.linien())
        arme += (std::hypot(l.x1() - yAchse.x1(), l.y1() - yAchse.y1()) < 1e-6 &&
                 (std::hypot(l.x2() - yAchse.x2(), l.y2() - yAchse.y2()) < 1e-6 ||
                  std::hypot(l.x2() - zAchse.x2(), l.y2() - zAchse.y2()) < 1e-6))
                    ? 1
                    : 0;
    QCOMPARE(arme, 2);
}

void TestDetailzeichnungen::bleibtInDerSpalteOhneUeberdeckung_data()
{
    punkteAnDenPunktenDesRechenkerns_data();
}

// Everything stays in the page column right of the value lines, and no text
// covers another.
void TestDetailzeichnungen::bleibtInDerSpalteOhneUeberdeckung()
{
    QFETCH(int, nummer);
    const Detailbeispiel& b = schweissbeispiele()[size_t(nummer)];
    const Querschnittseingabe e = eingabeAus(b);
    const std::optional<Rechenlauf> lauf = rechne(e, Katalog);
    QVERIFY(lauf);
    Seite seite;
    double y = 40;
    const double naechstesY = zeichneSchweissquerschnitt(seite.a.flaeche, y, e, Katalog, lauf->lage);
    QStringList fehler;
    for (const Zeichenschritt& s : seite.a.protokoll) {
        if (s.art != Zeichenschritt::Art::Linie && s.art != Zeichenschritt::Art::Text)
            continue;
        if (std::min(s.x1, s.x2) < 60 || std::max(s.x1, s.x2) > 188 || std::min(s.y1, s.y2) < 40 - 3)
            fehler.append(QStringLiteral("outside: %1 (%2,%3)-(%4,%5)").arg(s.text).arg(s.x1).arg(s.y1).arg(s.x2).arg(s.y2));
        if (std::max(s.y1, s.y2) > naechstesY + 0.01)
            fehler.append(QStringLiteral("below next-y: %1 %2").arg(s.text).arg(std::max(s.y1, s.y2)));
    }
    const auto texte = seite.a.texte();
    for (size_t i = 0; i < texte.size(); ++i)
        for (size_t j = i + 1; j < texte.size(); ++j) {
            const QRectF a(QPointF(texte[i].x1, texte[i].y1), QPointF(texte[i].x2, texte[i].y2));
            const QRectF c(QPointF(texte[j].x1, texte[j].y1), QPointF(texte[j].x2, texte[j].y2));
            // The axis symbol's letters belong to it; the font's line height overlaps a little.
            if (a.adjusted(0.1, 0.3, -0.1, -0.3).intersects(c.adjusted(0.1, 0.3, -0.1, -0.3)))
                fehler.append(QStringLiteral("overlap: %1 / %2").arg(textBei(texte[i]), textBei(texte[j])));
        }
    QVERIFY2(fehler.isEmpty(), qPrintable(fehler.join(QStringLiteral("; "))));
}

void TestDetailzeichnungen::druckfehler_data()
{
    QTest::addColumn<bool>("gewalzt");
    QTest::addColumn<int>("form");
    QTest::newRow("rolled, B and H 0") << true << 102;
    QTest::newRow("box, bottom flange 0") << false << 5;
    QTest::newRow("box, web higher than possible") << false << 301;
    QTest::newRow("form 50 offers no section") << false << 50;
}

// A drawing that cannot be made shows "Printererror" and leaves y as it was.
void TestDetailzeichnungen::druckfehler()
{
    QFETCH(bool, gewalzt);
    QFETCH(int, form);
    Meldungsrekorder rekorder;
    Seite seite;
    double y = 40;
    double naechstesY = 0;
    if (gewalzt) {
        naechstesY = zeichneWalzprofil(seite.a.flaeche, y, walzprofil("0", "0", "0", "0", "0"), form, walzlage(6));
    } else {
        Querschnittseingabe e = eingabeAus(schweissbeispiele().front());
        e.Querschnittsnummer = form;
        if (form == 5)
            e.Abmessung[2] = QStringLiteral("0");
        naechstesY = zeichneSchweissquerschnitt(seite.a.flaeche, y, e, Katalog, walzlage(14));
    }
    QCOMPARE(rekorder.texte(), QStringList{QStringLiteral("Printererror")});
    QCOMPARE(y, 40.0);
    QCOMPARE(naechstesY, 40.0);
}

void TestDetailzeichnungen::masseWieDieUebergabe_data()
{
    punkteAnDenPunktenDesRechenkerns_data();
}

// The record read as the transfer file carries it to the engine (with the
// fields as writing the file leaves them): the same dimensions, line by line.
void TestDetailzeichnungen::masseWieDieUebergabe()
{
    QFETCH(int, nummer);
    Querschnittseingabe e = eingabeAus(schweissbeispiele()[size_t(nummer)]);
    const Übergabeinhalt inhalt = baueÜbergabe(e, 1, Katalog, [](int n) { return QString::number(n); });
    QVERIFY(inhalt.ok);
    e.Abmessung = inhalt.Abmessung;
    const ParseOutcome gelesen =
        parseTransfer((inhalt.zeilen.join(QStringLiteral("\n")) + QStringLiteral("\n")).toStdString());
    QVERIFY(gelesen.ok);
    const WeldedDimensions a = gelesen.input.welded, b = schweissmasse(e);
    const auto nah = [](double u, double v) { return std::abs(u - v) <= 1e-5 * std::max(1.0, std::abs(u)); };
    QCOMPARE(a.form, b.form);
    QVERIFY(nah(a.webAngle, b.webAngle));
    const double ma[] = {a.topWidth, a.topThickness, a.bottomWidth, a.bottomThickness, a.webHeight, a.webThickness,
                         a.webThickness2, a.clearWidth, a.webHeight2, a.railWidth, a.railHeight, a.flatWidth,
                         a.flatHeight, a.profile.height, a.profile.flangeWidth, a.profile.webThickness,
                         a.profile.flangeThickness, a.profile.rootRadius, a.secondCell.topWidth,
                         a.secondCell.topThickness, a.secondCell.webHeight, a.secondCell.webThickness,
                         a.secondCell.webDistance};
    const double mb[] = {b.topWidth, b.topThickness, b.bottomWidth, b.bottomThickness, b.webHeight, b.webThickness,
                         b.webThickness2, b.clearWidth, b.webHeight2, b.railWidth, b.railHeight, b.flatWidth,
                         b.flatHeight, b.profile.height, b.profile.flangeWidth, b.profile.webThickness,
                         b.profile.flangeThickness, b.profile.rootRadius, b.secondCell.topWidth,
                         b.secondCell.topThickness, b.secondCell.webHeight, b.secondCell.webThickness,
                         b.secondCell.webDistance};
    for (size_t i = 0; i < std::size(ma); ++i)
        QVERIFY2(nah(ma[i], mb[i]), qPrintable(QStringLiteral("value %1: %2 / %3").arg(i).arg(ma[i]).arg(mb[i])));
    QCOMPARE(a.railActing, b.railActing);
    for (size_t i = 0; i < 5; ++i) {
        QCOMPARE(a.stiffeners[i].given, b.stiffeners[i].given);
        QVERIFY(nah(a.stiffeners[i].position, b.stiffeners[i].position));
        QVERIFY(nah(a.stiffeners[i].leg1, b.stiffeners[i].leg1));
        QVERIFY(nah(a.stiffeners[i].leg2, b.stiffeners[i].leg2));
        QVERIFY(nah(a.stiffeners[i].thickness, b.stiffeners[i].thickness));
    }
}

QTEST_MAIN(TestDetailzeichnungen)
#include "tst_detailzeichnungen.moc"
