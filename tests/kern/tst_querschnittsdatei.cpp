// The section file: a file as the program writes it, what a later program may
// add to it, and the files that give no section, each with its reason.
#include "kern/Querschnittsdatei.h"

#include <QTest>

namespace {

// A box without rail as written: what its form shows, the ticks, the catalog rail and the design values.
const QByteArray kKasten = QByteArray(R"("Tarvello-Querschnitt",1
"familie",0
"Querschnittsnummer",1
"schieneMittragend",1
"HschieneCheck",0
"HUGCheck",0
"obergurtbreite","500"
"obergurtdicke","20,5"
"untergurtbreite"," 480"
"untergurtdicke","15"
"steghoehe","1000"
"stegdicke","10"
"schottbreite","400"
"stegwinkel","0"
"ASchiene","A-Sch"
"bemessung.Vz","85"
"bemessung.stahlsorte","S235"
"bemessung.gammaM0","1.00"
"bemessung.radlast","250"
"bemessung.verschleiss","25"
"bemessung.befestigung","NichtStarr"
)").replace("\n", "\r\n");

QByteArray geaendert(const QByteArray& alt, const QByteArray& neu) { return QByteArray(kKasten).replace(alt, neu); }

} // namespace

class TestQuerschnittsdatei : public QObject {
    Q_OBJECT

private slots:
    // Names a later program adds are skipped, as is a value the form does not show; the rest reads back unchanged.
    void gelesenUndWiederGeschrieben()
    {
        const Querschnittsdatei d = leseQuerschnittsdatei(
            geaendert("\"stegwinkel\"", "\"bemessung.kranklasse\",\"S4\"\r\n\r\n\"stegdicke2\",\"12\"\r\n\"stegwinkel\""));
        QCOMPARE(d.ablehnung, Dateiablehnung::Keine);
        QVERIFY(d.querschnitt);
        const Querschnittsdaten& q = *d.querschnitt;
        QCOMPARE((QStringList{q.masse.obergurtdicke, q.masse.untergurtbreite, q.masse.stegdicke2, q.bemessung.Vz}),
                 (QStringList{"20,5", " 480", "", "85"}));
        QCOMPARE(q.bemessung.befestigung, Schienenbefestigung::NichtStarr);
        QCOMPARE(schreibeQuerschnittsdatei(q), kKasten);
    }

    void abgelehnt_data()
    {
        QTest::addColumn<QByteArray>("datei");
        QTest::addColumn<Dateiablehnung>("grund");
        const auto b = Dateiablehnung::Beschaedigt, n = Dateiablehnung::NichtAngeboten;
        QTest::newRow("leer") << QByteArray() << b;
        QTest::newRow("andere Datei") << QByteArray("\"Test\"\r\n\"D\"\r\n") << b;
        QTest::newRow("Anführung offen") << geaendert("\"500\"", "\"500") << b;
        QTest::newRow("Text nach Anführung") << geaendert("\"500\"", "\"500\"0") << b;
        QTest::newRow("drei Felder") << geaendert("\"500\"", "\"500\",\"1\"") << b;
        QTest::newRow("Familie keine Zahl") << geaendert("\"familie\",0", "\"familie\",\"null\"") << b;
        QTest::newRow("ohne Form") << geaendert("\"Querschnittsnummer\",1\r\n", "") << b;
        QTest::newRow("Haken 2") << geaendert("\"HUGCheck\",0", "\"HUGCheck\",2") << b;
        QTest::newRow("Befestigung unbekannt") << geaendert("NichtStarr", "Lose") << b;
        QTest::newRow("Fassung 0") << geaendert("Querschnitt\",1", "Querschnitt\",0") << b;
        QTest::newRow("Fassung 2") << geaendert("Querschnitt\",1", "Querschnitt\",2") << Dateiablehnung::NeuereFassung;
        QTest::newRow("Familie 0, Form 59") << geaendert("\"Querschnittsnummer\",1", "\"Querschnittsnummer\",59") << n;
        QTest::newRow("Familie 2, Form 15") << geaendert("\"familie\",0\r\n\"Querschnittsnummer\",1",
                                                         "\"familie\",2\r\n\"Querschnittsnummer\",15") << n;
        QTest::newRow("Form 150") << geaendert("\"Querschnittsnummer\",1", "\"Querschnittsnummer\",150") << n;
        QTest::newRow("Walzprofil mit Form") << geaendert("\"familie\",0", "\"familie\",3") << n;
        QTest::newRow("Familie 8") << geaendert("\"familie\",0\r\n\"Querschnittsnummer\",1",
                                                "\"familie\",8\r\n\"Querschnittsnummer\",0") << n;
    }
    void abgelehnt()
    {
        QFETCH(QByteArray, datei);
        QFETCH(Dateiablehnung, grund);
        const Querschnittsdatei d = leseQuerschnittsdatei(datei);
        QCOMPARE(d.ablehnung, grund);
        QVERIFY(!d.querschnitt);
    }
};

QTEST_MAIN(TestQuerschnittsdatei)
#include "tst_querschnittsdatei.moc"
