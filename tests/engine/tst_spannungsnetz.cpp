// The engine's stress mesh as the program reads it: what the engine writes comes back whole,
// and a file that is cut short, out of range or no stress mesh at all is refused with its reason.
#include "engine/Spannungsnetz.h"

#include "run.h"

#include "kern/section_geometry.h"
#include "kern/transfer_layout.h"

#include <QSet>
#include <QTest>

namespace {

std::string zeilen(const std::vector<std::string>& l)
{
    std::string s;
    for (const std::string& z : l)
        s += z + "\r\n";
    return s;
}

// Two-cell 315, the second cell 60 % of the main cell's height.
const std::vector<std::string> zweizeller{"315", "0", "900", "30", "1500", "30", "2000", "14", "800", "12", "1", "80", "60", "1",
                                          "500", "25", "1200", "10", "300", "1", "5", "50", "200", "100", "12"};

} // namespace

class TestSpannungsnetz : public QObject {
    Q_OBJECT

private slots:
    // Every node, element and value arrives; the elements tile the section (their areas add up to A);
    // at a fixed point, a mesh node, the field holds the stresses of the point's row.
    void wieDerRechenkernEsSchreibt()
    {
        const delmarix::RunOutput aus = delmarix::runWithMesh(zeilen(zweizeller));
        QVERIFY(!aus.stressMesh.empty());
        const Netzlesung l = leseSpannungsnetztext(QString::fromStdString(aus.stressMesh));
        QVERIFY2(l.netz, qPrintable(l.grund));
        const Spannungsnetz& n = *l.netz;
        QVERIFY(n.knoten.size() > 1000 && n.elemente.size() > 500 && n.werte.size() >= n.knoten.size() / 2);
        QCOMPARE(n.elementplatte.size(), n.elemente.size());
        // Every node of every plate has its row, also where plates meet (this section has no fillets).
        QSet<qint64> vorhanden;
        for (const Netzwert& w : n.werte)
            vorhanden.insert(qint64(w.platte) * qint64(n.knoten.size()) + w.knoten);
        for (size_t e = 0; e < n.elemente.size(); ++e)
            for (int k : n.elemente[e])
                QVERIFY2(vorhanden.contains(qint64(n.elementplatte[e]) * qint64(n.knoten.size()) + k),
                         qPrintable(QStringLiteral("plate %1, node %2").arg(n.elementplatte[e]).arg(k)));
        QCOMPARE(size_t(vorhanden.size()), n.werte.size());
        double flaeche = 0;
        for (const auto& e : n.elemente) {
            const auto &a = n.knoten[size_t(e[0])], &b = n.knoten[size_t(e[1])], &c = n.knoten[size_t(e[2])];
            flaeche += ((b[0] - a[0]) * (c[1] - a[1]) - (c[0] - a[0]) * (b[1] - a[1])) / 2;
        }
        const auto eingabe = tarvello::geometrie::parseTransfer(zeilen(zweizeller));
        const auto g = tarvello::geometrie::buildWeldedSection(eingabe.input.welded).geometry;
        QVERIFY(std::fabs(flaeche / tarvello::geometrie::sectionMoments(g).area - 1) < 1e-6);
        // P3: the middle web's mid-line at the top flange.
        const tarvello::geometrie::StressPoint* p3 = nullptr;
        for (const auto& p : g.points)
            if (p.number == 3)
                p3 = &p;
        QVERIFY(p3);
        const delmarix::Analysis a = delmarix::analyseSection(g);
        const delmarix::PointStress* zeile = nullptr;
        for (const auto& p : a.points)
            if (p.number == 3)
                zeile = &p;
        QVERIFY(zeile);
        int gefunden = 0;
        for (const Netzwert& w : n.werte) {
            const auto& k = n.knoten[size_t(w.knoten)];
            if (w.platte == p3->plate && std::hypot(k[0] - p3->at.y, k[1] - p3->at.z) < 1e-6) {
                ++gefunden;
                const double erwartet[] = {zeile->sigmaX, zeile->tauY, zeile->tauZ, zeile->tauX, zeile->sigmaY, zeile->sigmaZ};
                for (int s = 0; s < 6; ++s)
                    QVERIFY2(std::fabs(w.spannung[size_t(s)] - erwartet[s]) <= 1e-7 * std::fabs(erwartet[s]) + 1e-15,
                             qPrintable(QStringLiteral("column %1: %2 against %3").arg(s + 1).arg(w.spannung[size_t(s)]).arg(erwartet[s])));
            }
        }
        QCOMPARE(gefunden, 1);
        // A section the engine refuses leaves no mesh.
        QVERIFY(delmarix::runWithMesh("315\r\n").stressMesh.empty());
    }

    void abgewiesen_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("grund");
        QTest::newRow("leer") << "" << "not a stress mesh";
        QTest::newRow("anderer Name") << "\"Ergebnis\",1" << "not a stress mesh";
        QTest::newRow("spätere Fassung") << "\"Spannungsnetz\",2\r\n0,0,0" << "unknown layout";
        QTest::newRow("abgeschnitten") << "\"Spannungsnetz\",1\r\n3,1,0\r\n0,0\r\n1,0\r\n" << "cut short";
        QTest::newRow("Knoten außerhalb") << "\"Spannungsnetz\",1\r\n3,1,0\r\n0,0\r\n1,0\r\n0,1\r\n0,0,1,3,0,1,2" << "index out of range";
        QTest::newRow("negative Anzahl") << "\"Spannungsnetz\",1\r\n-3,0,0" << "index out of range";
        QTest::newRow("riesige Anzahl") << "\"Spannungsnetz\",1\r\n900000000,0,0" << "index out of range";
        QTest::newRow("mehr als gezählt") << "\"Spannungsnetz\",1\r\n0,0,0\r\n1,2" << "more than the counts say";
        QTest::newRow("Text statt Zahl") << "\"Spannungsnetz\",1\r\n1,0,0\r\nx,0" << "not a number: x";
        QTest::newRow("Platte ohne Element") << "\"Spannungsnetz\",1\r\n1,0,1\r\n0,0\r\n0,0,1,2,3,4,5,6" << "index out of range";
    }
    void abgewiesen()
    {
        QFETCH(QString, text);
        QFETCH(QString, grund);
        const Netzlesung l = leseSpannungsnetztext(text);
        QVERIFY(!l.netz);
        QCOMPARE(l.grund, grund);
        QCOMPARE(leseSpannungsnetz(QStringLiteral("/gibt/es/nicht.netz")).grund, QStringLiteral("missing"));
    }

    // The program looks for the mesh where the engine puts it.
    void dateiname()
    {
        for (const char* ergebnis : {"/a.b/Übergabe1.dat", "/x/Übergabe3.dat", "/x/ohne_endung", "/a.b/c"}) {
            const QString erwartet = QString::fromStdString(delmarix::stressMeshPath(ergebnis));
            QCOMPARE(netzdateiZu(QString::fromUtf8(ergebnis)), erwartet);
        }
        QCOMPARE(netzdateiZu(QStringLiteral("/x/Übergabe1.dat")), QStringLiteral("/x/Übergabe1.netz"));
    }
};

QTEST_MAIN(TestSpannungsnetz)
#include "tst_spannungsnetz.moc"
