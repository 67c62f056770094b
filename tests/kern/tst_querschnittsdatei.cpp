// The section file: a file read and written back as it was, what a later
// program may add to it, and the files that give no section, each with its reason.
#include "kern/Querschnittsdatei.h"

#include <QTest>

namespace {

// A box without rail as written, two of its dimensions typed: the ticks, the catalog rail and the
// design values stand in every file.
const QByteArray kKasten = QByteArray(R"("Tarvello-Querschnitt",1
"familie",0
"Querschnittsnummer",1
"schieneMittragend",1
"HschieneCheck",0
"HUGCheck",0
"obergurtdicke","20,5"
"untergurtbreite"," 480"
"ASchiene","A-Sch"
"bemessung.Vz","85"
"bemessung.stahlsorte","S235"
"bemessung.gammaM0","1.00"
"bemessung.gammaM1","1.00"
"bemessung.verschleiss","25"
"traeger.psi","1"
"traeger.klasse","S3"
"traeger.gammaFf","1.00"
"traeger.gammaMf","1.15"
"bemessung.befestigung","NichtStarr"
"traeger.lasthoehe","Schienenkopf"
"traeger.momentenform","Gleichlast"
"traeger.quelle","Bemessungswerte"
"traeger.naht","Kehlnaht"
)").replace("\n", "\r\n");

QByteArray geaendert(const QByteArray& alt, const QByteArray& neu) { return QByteArray(kKasten).replace(alt, neu); }

} // namespace

class TestQuerschnittsdatei : public QObject {
    Q_OBJECT

private slots:
    void gelesen_data()
    {
        QTest::addColumn<QByteArray>("datei");
        QTest::addColumn<Dateiablehnung>("grund");
        const auto b = Dateiablehnung::Beschaedigt, n = Dateiablehnung::NichtAngeboten;
        QTest::newRow("wie geschrieben") << kKasten << Dateiablehnung::Keine;
        // Names a later program adds are skipped, as is a value the form does not show.
        QTest::newRow("spätere Namen") << geaendert("\"ASchiene\"", "\"bemessung.kranklasse\",\"S4\"\r\n\r\n"
                                                                       "\"stegdicke2\",\"12\"\r\n\"ASchiene\"")
                                       << Dateiablehnung::Keine;
        QTest::newRow("Strg-Z am Ende") << kKasten + "\x1A" << Dateiablehnung::Keine;
        QTest::newRow("leer") << QByteArray() << b;
        QTest::newRow("andere Datei") << QByteArray("\"Test\"\r\n\"D\"\r\n") << b;
        QTest::newRow("Anführung offen") << geaendert("\"20,5\"", "\"20,5") << b;
        QTest::newRow("Text nach Anführung") << geaendert("\"20,5\"", "\"20,5\"0") << b;
        QTest::newRow("Familie keine Zahl") << geaendert("\"familie\",0", "\"familie\",\"null\"") << b;
        QTest::newRow("ohne Form") << geaendert("\"Querschnittsnummer\",1\r\n", "") << b;
        QTest::newRow("Haken 2") << geaendert("\"HUGCheck\",0", "\"HUGCheck\",2") << b;
        QTest::newRow("Fassung 2") << geaendert("Querschnitt\",1", "Querschnitt\",2") << Dateiablehnung::NeuereFassung;
        QTest::newRow("Familie 0, Form 59") << geaendert("\"Querschnittsnummer\",1", "\"Querschnittsnummer\",59") << n;
        QTest::newRow("Familie 2, Form 15") << geaendert("\"familie\",0\r\n\"Querschnittsnummer\",1",
                                                         "\"familie\",2\r\n\"Querschnittsnummer\",15") << n;
        QTest::newRow("Form 150") << geaendert("\"Querschnittsnummer\",1", "\"Querschnittsnummer\",150") << n;
        QTest::newRow("Walzprofil mit Form") << geaendert("\"familie\",0", "\"familie\",3") << n;
    }
    void gelesen()
    {
        QFETCH(QByteArray, datei);
        QFETCH(Dateiablehnung, grund);
        const Querschnittsdatei d = leseQuerschnittsdatei(datei);
        QCOMPARE(d.ablehnung, grund);
        QCOMPARE(bool(d.querschnitt), grund == Dateiablehnung::Keine);
        if (d.querschnitt) // every value as typed, the leading blank and the decimal comma too
            QCOMPARE(schreibeQuerschnittsdatei(*d.querschnitt), kKasten);
    }

    // Each choice is stored by the name of its value, which a saved file keeps meaning: every
    // name reads as its own value; a name the choice does not know is a damaged file.
    void auswahlNachNamen()
    {
        const auto lies = [](const char* alt, const char* neu) {
            return leseQuerschnittsdatei(geaendert(alt, neu)).querschnitt;
        };
        const char* naht = "\"traeger.naht\",\"Kehlnaht\"";
        QCOMPARE(lies(naht, "\"traeger.naht\",\"Durchgeschweisst\"")->traeger.naht, Nahtart::Durchgeschweisst);
        QCOMPARE(lies(naht, "\"traeger.naht\",\"TeilweiseDurchgeschweisst\"")->traeger.naht,
                 Nahtart::TeilweiseDurchgeschweisst);
        const char* hoehe = "\"traeger.lasthoehe\",\"Schienenkopf\"";
        QCOMPARE(lies(hoehe, "\"traeger.lasthoehe\",\"Obergurt\"")->traeger.lasthoehe, Lasthoehe::Obergurt);
        QCOMPARE(lies(hoehe, "\"traeger.lasthoehe\",\"Schubmittelpunkt\"")->traeger.lasthoehe, Lasthoehe::Schubmittelpunkt);
        const char* form = "\"traeger.momentenform\",\"Gleichlast\"";
        QCOMPARE(lies(form, "\"traeger.momentenform\",\"Einzellast\"")->traeger.momentenform, Momentenform::Einzellast);
        QCOMPARE(lies(form, "\"traeger.momentenform\",\"Endmomente\"")->traeger.momentenform, Momentenform::Endmomente);
        QCOMPARE(lies("\"traeger.quelle\",\"Bemessungswerte\"", "\"traeger.quelle\",\"Schwingbreiten\"")->traeger.quelle,
                 Schwingquelle::Schwingbreiten);
        QCOMPARE(lies("\"NichtStarr\"", "\"AufLager\"")->bemessung.befestigung, Schienenbefestigung::AufLager);
        QCOMPARE(lies("\"NichtStarr\"", "\"Starr\"")->bemessung.befestigung, Schienenbefestigung::Starr);
        QVERIFY(!lies(naht, "\"traeger.naht\",\"Stumpfnaht\""));
        // The member data typed come back from the file as typed.
        Querschnittsdaten q = *leseQuerschnittsdatei(kKasten).querschnitt;
        q.traeger.spannweite = "12,5";
        q.traeger.dMy = "640";
        q.traeger.naht = Nahtart::Durchgeschweisst;
        const auto wieder = leseQuerschnittsdatei(schreibeQuerschnittsdatei(q)).querschnitt;
        QVERIFY(wieder);
        QVERIFY(wieder->traeger.spannweite == "12,5" && wieder->traeger.dMy == "640" &&
                wieder->traeger.naht == Nahtart::Durchgeschweisst);
    }
};

QTEST_MAIN(TestQuerschnittsdatei)
#include "tst_querschnittsdatei.moc"
