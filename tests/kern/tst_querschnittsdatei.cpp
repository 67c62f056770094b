// The section file: a file read and written back as it was, what a later
// program may add to it, and the files that give no section, each with its reason.
#include "kern/Feldleser.h"
#include "kern/Querschnittsdatei.h"

#include <QTest>

namespace {

// A box without rail as written (the end line counts the 22 entries), two of its dimensions typed: the ticks, the catalog rail and the
// design values stand in every file.
const QByteArray kKasten = QByteArray(R"("Tarvello-Querschnitt",2
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
"Ende",22
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
                                                  .replace("\"Ende\",22", "\"Ende\",24")
                                       << Dateiablehnung::Keine;
        QTest::newRow("Strg-Z am Ende") << kKasten + "\x1A" << Dateiablehnung::Keine;
        QTest::newRow("leer") << QByteArray() << b;
        QTest::newRow("andere Datei") << QByteArray("\"Test\"\r\n\"D\"\r\n") << b;
        QTest::newRow("Anführung offen") << geaendert("\"20,5\"", "\"20,5") << b;
        QTest::newRow("Text nach Anführung") << geaendert("\"20,5\"", "\"20,5\"0") << b;
        // Blanks around a field, as an editor by hand may leave them, change nothing.
        QTest::newRow("Leerzeichen um die Felder") << geaendert("\"obergurtdicke\",\"20,5\"", " \"obergurtdicke\" , \"20,5\"\t")
                                                   << Dateiablehnung::Keine;
        QTest::newRow("Familie keine Zahl") << geaendert("\"familie\",0", "\"familie\",\"null\"") << b;
        QTest::newRow("ohne Form") << geaendert("\"Querschnittsnummer\",1\r\n", "") << b;
        QTest::newRow("Haken 2") << geaendert("\"HUGCheck\",0", "\"HUGCheck\",2") << b;
        QTest::newRow("Fassung 3") << geaendert("Querschnitt\",2", "Querschnitt\",3") << Dateiablehnung::NeuereFassung;
        // The first layout had no end line; its files still open.
        QTest::newRow("Fassung 1 ohne Ende") << geaendert("Querschnitt\",2", "Querschnitt\",1").replace("\"Ende\",22\r\n", "")
                                             << Dateiablehnung::Keine;
        QTest::newRow("Ende fehlt") << geaendert("\"Ende\",22\r\n", "") << b;
        QTest::newRow("Ende zählt eins zu viel") << geaendert("\"Ende\",22", "\"Ende\",23") << b;
        QTest::newRow("Ende ohne Zahl") << geaendert("\"Ende\",22", "\"Ende\",\"\"") << b;
        QTest::newRow("nach dem Ende") << kKasten + "\"obergurtbreite\",\"600\"\r\n" << b;
        QTest::newRow("Name doppelt") << geaendert("\"untergurtbreite\",\" 480\"", "\"obergurtdicke\",\"25\"") << b;
        QTest::newRow("Familie doppelt") << geaendert("\"schieneMittragend\",1", "\"familie\",0") << b;
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

    // A file cut after any line, or within one, is refused: the end line's count tells.
    void abgeschnitten()
    {
        const QList<QByteArray> zeilen = kKasten.split('\n');
        QByteArray anfang;
        for (int i = 0; i + 2 < zeilen.size(); ++i) {
            anfang += zeilen[i] + '\n';
            QVERIFY2(!leseQuerschnittsdatei(anfang).querschnitt, anfang.constData());
            QVERIFY(!leseQuerschnittsdatei(anfang + zeilen[i + 1].left(5)).querschnitt);
        }
        QVERIFY(!leseQuerschnittsdatei(kKasten.chopped(3)).querschnitt); // "Ende",2
    }

    // A value opened passes the rule its field applies to typing: the file is refused and names
    // the entry and the message typing it would have given.
    void werteWieGetippt_data()
    {
        QTest::addColumn<QByteArray>("form");   // family and form lines, ticks
        QTest::addColumn<QByteArray>("eintrag");
        QTest::addColumn<QByteArray>("wert");
        QTest::addColumn<int>("meldung");       // 0: taken
        const QByteArray kasten = "\"familie\",0\r\n\"Querschnittsnummer\",1\r\n";
        const QByteArray schraeg = "\"familie\",2\r\n\"Querschnittsnummer\",31\r\n";
        const QByteArray steifen = "\"familie\",1\r\n\"Querschnittsnummer\",15\r\n";
        const QByteArray zweizeller = "\"familie\",7\r\n\"Querschnittsnummer\",315\r\n";
        const QByteArray walz = "\"familie\",3\r\n\"Querschnittsnummer\",0\r\n\"HUGCheck\",1\r\n";
        const QByteArray flach = "\"familie\",3\r\n\"Querschnittsnummer\",0\r\n\"HschieneCheck\",1\r\n";
        QTest::newRow("BO nan") << kasten << QByteArray("obergurtbreite") << QByteArray("nan") << 1;
        QTest::newRow("BO 1e400") << kasten << QByteArray("obergurtbreite") << QByteArray("1e400") << 50;
        QTest::newRow("BO -600") << kasten << QByteArray("obergurtbreite") << QByteArray("-600") << 4;
        QTest::newRow("TO 0") << kasten << QByteArray("obergurtdicke") << QByteArray("0") << 4;
        QTest::newRow("HS über 100 m") << kasten << QByteArray("steghoehe") << QByteArray("100001") << 50;
        QTest::newRow("BO Komma") << kasten << QByteArray("obergurtbreite") << QByteArray("600,5") << 0;
        QTest::newRow("BO leer") << kasten << QByteArray("obergurtbreite") << QByteArray("") << 0;
        QTest::newRow("verborgen nan") << kasten << QByteArray("zelle2.BO3") << QByteArray("nan") << 0;
        QTest::newRow("Winkel 45°") << schraeg << QByteArray("stegwinkel") << QByteArray("45") << 13;
        QTest::newRow("Winkel -30,5°") << schraeg << QByteArray("stegwinkel") << QByteArray("-30,5") << 13;
        QTest::newRow("Winkel ohne schräge Stege") << zweizeller << QByteArray("stegwinkel") << QByteArray("45") << 0;
        QTest::newRow("St1 bei 150 %") << steifen << QByteArray("steifen1.lage") << QByteArray("150") << 14;
        QTest::newRow("St1 L1 0,5") << steifen << QByteArray("steifen1.lang1") << QByteArray("0,5") << 74;
        QTest::newRow("St1 L2 0") << steifen << QByteArray("steifen1.lang2") << QByteArray("0") << 0;
        QTest::newRow("St1 L2 -1") << steifen << QByteArray("steifen1.lang2") << QByteArray("-1") << 5;
        QTest::newRow("St4 L1 leer") << steifen << QByteArray("steifen4.lang1") << QByteArray("") << 0;
        QTest::newRow("St2 t 0") << steifen << QByteArray("steifen2.dicke") << QByteArray("0") << 74;
        QTest::newRow("R -1") << walz << QByteArray("walzprofil.R") << QByteArray("-1") << 5;
        QTest::newRow("R 0") << walz << QByteArray("walzprofil.R") << QByteArray("0") << 0;
        QTest::newRow("H 0") << walz << QByteArray("walzprofil.H") << QByteArray("0") << 4;
        QTest::newRow("Flachschiene nan") << flach << QByteArray("flachschienenhoehe") << QByteArray("nan") << 1;
        QTest::newRow("RU -2") << walz << QByteArray("untergurtprofil.R") << QByteArray("-2") << 5;
        QTest::newRow("TU -0,1") << walz << QByteArray("untergurtprofil.T") << QByteArray("-0,1") << 4;
    }
    void werteWieGetippt()
    {
        QFETCH(QByteArray, form);
        QFETCH(QByteArray, eintrag);
        QFETCH(QByteArray, wert);
        QFETCH(int, meldung);
        const QByteArray datei = "\"Tarvello-Querschnitt\",2\r\n" + form + '"' + eintrag + "\",\"" + wert + "\"\r\n\"Ende\"," +
                                 QByteArray::number(form.count('\n') + 1) + "\r\n";
        const Querschnittsdatei d = leseQuerschnittsdatei(datei);
        if (meldung == 0) {
            QVERIFY2(d.querschnitt, datei.constData());
            return;
        }
        QVERIFY(!d.querschnitt);
        QCOMPARE(d.ablehnung, Dateiablehnung::UnzulaessigerWert);
        QCOMPARE(d.eintrag, QString::fromLatin1(eintrag));
        QCOMPARE(d.meldung, meldung);
    }

    // A file saved by an editor in the older single-byte encoding reads by the same rule as every
    // other text file of the program: Windows-1252, so 0x80 is the euro sign, not a control character.
    void eineKodierung()
    {
        const QByteArray datei = "\"Tarvello-Querschnitt\",2\r\n\"familie\",3\r\n\"Querschnittsnummer\",0\r\n"
                                 "\"Typ\",\"Tr\xe4ger \x80\"\r\n\"Ende\",3\r\n";
        const auto q = leseQuerschnittsdatei(datei).querschnitt;
        QVERIFY(q);
        QCOMPARE(q->Typ, QStringLiteral("Träger €"));
        QCOMPARE(q->Typ, dekodiereText("Tr\xe4ger \x80"));
    }

    // The field named by its caption as the window shows it, for any entry that has a field.
    void beschriftungen()
    {
        Beschriftungen b;
        b.masse.obergurtbreite = "BO";
        b.masse.stegwinkel = "Winkel";
        b.stegprofil = {"H =", "B =", "S =", "T =", "R ="};
        b.untergurtprofil = {"HU =", "BU =", "SU =", "TU =", "RU ="};
        b.flachschienenhoehe = "Schienenhöhe";
        b.steifen = {"%HS", "L1:", "L2:", "t:"};
        b.steifenzeilen = {"St1: HB", "St2: HB", "St3: HB", "St4: HB", "St5:"};
        QCOMPARE(eintragsbeschriftung(b, "obergurtbreite"), QStringLiteral("BO"));
        QCOMPARE(eintragsbeschriftung(b, "stegwinkel"), QStringLiteral("Winkel"));
        QCOMPARE(eintragsbeschriftung(b, "walzprofil.R"), QStringLiteral("R"));
        QCOMPARE(eintragsbeschriftung(b, "untergurtprofil.T"), QStringLiteral("TU"));
        QCOMPARE(eintragsbeschriftung(b, "flachschienenhoehe"), QStringLiteral("Schienenhöhe"));
        QCOMPARE(eintragsbeschriftung(b, "steifen2.lage"), QStringLiteral("St2: HB"));
        QCOMPARE(eintragsbeschriftung(b, "steifen3.lang1"), QStringLiteral("St3: L1"));
        QCOMPARE(eintragsbeschriftung(b, "zelle2.BO3"), QStringLiteral("zelle2.BO3")); // no caption given
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
