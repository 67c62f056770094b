// The engine's input file written from the record: its lines, the list of
// empty fields, the geometric checks, and the round trip through the engine's
// own reader for every form the program offers.
#include "kern/Formen.h"
#include "kern/Uebergabeschreiber.h"
#include "kern/Zahlen.h"
#include "kern/section_geometry.h"

#include <QFile>
#include <QRegularExpression>
#include <QTest>
#include <cmath>

using namespace tarvello::geometrie;

namespace {

QString message(int n) { return QStringLiteral("M%1").arg(n); }
float fussbreite(const QString& schiene) { return schiene == u"A150" ? 220.f : schiene == u"A75" ? 200.f : 0.f; }

Beschriftungen beschriftungen()
{
    Beschriftungen b;
    b.masse = {"BO", "TO", "BU", "TU", "HS", "TS1", "TS2", "AS", "SH", "SB", "HS2", "W", "H2", "B2",
               {"BO3", "TO3", "HS3", "TS3", "AS3"}};
    b.stegprofil = {"H =", "B =", "S =", "T =", "R ="};
    b.stegprofilwahl = "H-Prof.";
    b.steifen = {"%HS", "L1:", "L2:", "t:"};
    b.steifenzeilen = {"St1: HB", "St2: HB", "St3: HB", "St4: HB", "St5:"};
    return b;
}

Übergabeinhalt baue(const Querschnittsdaten& q) { return baueÜbergabe(q, beschriftungen(), 1, fussbreite, message); }

// A rail-over-web box with four stiffeners that passes every check.
Querschnittsdaten kasten15()
{
    Querschnittsdaten q;
    q.familie = kUeberSteg;
    q.Querschnittsnummer = 15;
    q.masse = {"500", "20", "500", "20", "1000", "10", "", "400", "50", "60", "", "0", "", "", {}};
    const char* const lagen[4] = {"70", "60", "40", "30"};
    for (size_t i = 0; i < 4; ++i)
        q.steifen[i] = {lagen[i], "100", "0", "10"};
    return q;
}

// Every value distinct, so that a value landing in the wrong line shows.
Querschnittsdaten vollerQuerschnitt(int form)
{
    Querschnittsdaten q;
    q.familie = familieDerForm(form);
    q.Querschnittsnummer = form;
    q.masse = {"601", "21", "602", "22", "1203", "13", "14", "404", "65", "66", "907", "2", "31", "32",
               {"303", "15", "251", "11", "201"}};
    q.stegprofilreihe = "HEB";
    q.stegprofilgroesse = "300";
    q.stegprofil = {"300", "301", "12", "19", "27"};
    const char* const lagen[5] = {"71", "61", "41", "31", "50"};
    for (size_t i = 0; i < 5; ++i)
        q.steifen[i] = {lagen[i], QString::number(101 + int(i)), QString::number(i), QString::number(6 + int(i))};
    return q;
}

QList<int> angeboteneFormen()
{
    QFile datei(qEnvironmentVariable("TARVELLO_DATEN") + QStringLiteral("/Combo.D"));
    if (!datei.open(QIODevice::ReadOnly))
        return {};
    QList<int> formen;
    for (const QByteArray& zeile : datei.readAll().split('\n'))
        if (zeile.startsWith("1,"))
            formen.append(zeile.split(',').value(1).toInt());
    return formen;
}

} // namespace

class TestUebergabeschreiber : public QObject {
    Q_OBJECT

private slots:
    void jedeAngeboteneFormGehoertGenauEinerFamilie()
    {
        const QList<int> formen = angeboteneFormen();
        QVERIFY(formen.size() > 50);
        for (int form : formen) {
            int familien = 0;
            for (int f = 0; f < 8; ++f)
                familien += familieBietet(f, form) ? 1 : 0;
            QVERIFY2(familien == 1 && bauart(form) != Bauart::Keine, qPrintable(QString::number(form)));
        }
        QCOMPARE(familieDerForm(59), -1);
        QVERIFY(!familieBietet(kWalzprofil, 102));
    }

    // Only rows 1, 3 and 5 are offered where the rows stand on both webs.
    void spiegelregelAnDenRaendern_data()
    {
        QTest::addColumn<int>("form");
        QTest::addColumn<bool>("gespiegelt");
        for (int form : {2, 9, 32, 33, 39, 52, 58})
            QTest::addRow("%d", form) << form << true;
        for (int form : {11, 31, 41, 51, 12, 59})
            QTest::addRow("%d", form) << form << false;
    }
    void spiegelregelAnDenRaendern()
    {
        QFETCH(int, form);
        QFETCH(bool, gespiegelt);
        QCOMPARE(spiegeltSteifen(form), gespiegelt);
        const Formlayout l = formlayout(form);
        if (gespiegelt && angeboteneFormen().contains(form))
            QVERIFY(!l.steifenzeilen[1] && !l.steifenzeilen[3]);
    }
    void gespiegelteSteifeStehtAufBeidenStegen()
    {
        for (int form : {2, 12}) {
            const auto masse = querschnittsmasse(vollerQuerschnitt(form));
            QVERIFY(masse);
            const BuildResult r = buildWeldedSection(masse->welded);
            QVERIFY2(r.ok, r.reasonEn.c_str());
            QCOMPARE(r.geometry.stiffenerPresent[1], form == 2);
        }
    }

    // Record → file → the engine's reader: each value arrives as the dimension it names.
    void rundreiseJederForm_data()
    {
        QTest::addColumn<int>("form");
        for (int form : angeboteneFormen())
            QTest::addRow("%d", form) << form;
    }
    void rundreiseJederForm()
    {
        QFETCH(int, form);
        const Querschnittsdaten q = vollerQuerschnitt(form);
        const Übergabeinhalt inhalt = baue(q);
        QVERIFY(inhalt.Fehlliste.isEmpty());
        const ParseOutcome gelesen = parseTransfer(übergabebytes(inhalt.zeilen).toStdString());
        QVERIFY2(gelesen.ok, gelesen.reasonEn.c_str());
        const WeldedDimensions& d = gelesen.input.welded;
        const Formlayout l = formlayout(form);
        const bool r = mitSchienenblock(form), hUnten = mitUntergurtH(form), winkel = istWinkelform(form);
        QCOMPARE(d.form, form);
        QCOMPARE(d.webAngle, l.stegwinkel ? 2.0 : 0.0);
        QCOMPARE(d.topWidth, 601.0);
        QCOMPARE(d.topThickness, 21.0);
        QCOMPARE(d.bottomWidth, hUnten ? 301.0 : 602.0);
        QCOMPARE(d.bottomThickness, hUnten ? 19.0 : 22.0);
        QCOMPARE(d.webHeight, 1203.0);
        QCOMPARE(d.webThickness, 13.0);
        const double schott = familieDerForm(form) == kMitteObergurt ? 404 - 2 * 1203 * std::sin(2 * 0.0174533) : 404;
        QVERIFY(std::fabs(d.clearWidth - schott) < 1e-3);
        QCOMPARE(d.webThickness2, r && (winkel || l.stegdicke2) ? 14.0 : 13.0);
        QCOMPARE(d.webHeight2, winkel ? 907.0 : 0.0);
        QCOMPARE(d.flatHeight, winkel ? 31.0 : 0.0);
        QCOMPARE(d.flatWidth, winkel ? 32.0 : 0.0);
        QCOMPARE(d.railActing, r);
        QCOMPARE(d.railHeight, r ? 65.0 : 0.0);
        QCOMPARE(d.railWidth, r ? 66.0 : 0.0);
        const bool profil = mitHalbemH(form) || hUnten;
        QCOMPARE(d.profile.height, profil ? 300.0 : 0.0);
        QCOMPARE(d.profile.flangeWidth, profil ? 301.0 : 0.0);
        QCOMPARE(d.profile.webThickness, profil ? 12.0 : 0.0);
        QCOMPARE(d.profile.rootRadius, profil ? 27.0 : 0.0);
        QCOMPARE(d.secondCell.webHeight, istZweizeller(form) ? 251.0 : 0.0);
        QCOMPARE(d.secondCell.webDistance, istZweizeller(form) ? 201.0 : 0.0);
        for (size_t i = 0; i < 5; ++i) {
            QCOMPARE(d.stiffeners[i].given, l.steifenzeilen[i]);
            if (l.steifenzeilen[i])
                QCOMPARE(d.stiffeners[i].thickness, 6.0 + double(i));
        }
        QCOMPARE(querschnittsmasse(q)->welded.clearWidth, d.clearWidth);
    }

    void wasDieFormNichtZeigtZaehltNicht()
    {
        // The second cell of an earlier two-cell form is no check of a one-cell form.
        Querschnittsdaten q = kasten15();
        q.masse.zelle2.HS3 = "900";
        // A rail chosen in another family, and a web angle of a form that shows one.
        q.familie = kOhneSchiene;
        q.Querschnittsnummer = 4;
        q.ASchiene = "A150";
        q.schieneMittragend = false;
        q.masse.stegwinkel = "1";
        q.masse.stegdicke2 = "99";
        Übergabeinhalt i = baue(q);
        QVERIFY2(i.ok, qPrintable(i.meldungen.join(';')));
        QCOMPARE(i.zeilen.mid(0, 3), (QStringList{"4", "1", "500"}));
        // The trolley-rail angle forms have no web angle, whatever the field holds.
        QCOMPARE(baue(vollerQuerschnitt(212)).zeilen[1], QStringLiteral("0"));
        q.familie = kUeberSteg;
        q.Querschnittsnummer = 15;
        q.schieneMittragend = true;
        i = baue(q);
        QVERIFY2(i.ok, qPrintable(i.meldungen.join(';')));
        // A form of another family than the one chosen is no form at all.
        q.familie = kZweizeller;
        QCOMPARE(baue(q).meldungen, QStringList{"M2"});
    }

    void zeilenWieGetippt()
    {
        Querschnittsdaten q = kasten15();
        q.masse.obergurtdicke = "20,5";
        q.masse.obergurtbreite = " 500";
        const Übergabeinhalt i = baue(q);
        QVERIFY2(i.ok, qPrintable(i.meldungen.join(';')));
        QCOMPARE(i.zeilen.mid(0, 16), (QStringList{"15", "0", " 500", "20.5", "500", "20", "1000", "10", "400", "10",
                                                 "1", "60", "50", "1", "4", "1"}));
        QCOMPARE(i.zeilen.mid(30), (QStringList{"4", "30", "100", "0", "10"}));
        QCOMPARE(übergabebytes({"1", "2"}), QByteArray("1\r\n2\r\n"));
    }

    void leereFelderInEinerListe()
    {
        Querschnittsdaten q = kasten15();
        q.masse.obergurtbreite.clear();
        q.masse.steghoehe.clear();
        q.steifen[2].dicke.clear();
        q.steifen[1].lage.clear();
        const Übergabeinhalt i = baue(q);
        QVERIFY(!i.ok);
        QCOMPARE(i.Fehlliste, QStringLiteral("M2\nBO, HS, St2: HB, St3: t"));
        QVERIFY(!querschnittsmasse(q));
    }

    // The typed width stays in the record; only the file gets the width at the bottom, once.
    void mitteObergurtRechnetUntereSchottbreite()
    {
        Querschnittsdaten q = kasten15();
        q.familie = kMitteObergurt;
        q.Querschnittsnummer = 31;
        q.masse.schottbreite = "300";
        q.masse.steghoehe = "500";
        q.masse.stegwinkel = "10";
        const Übergabeinhalt i = baue(q);
        QCOMPARE(i.zeilen[8], QStringLiteral("126.3517"));
        QCOMPARE(baue(q).zeilen, i.zeilen);
        QCOMPARE(q.masse.schottbreite, QStringLiteral("300"));
        QCOMPARE(textMit7Stellen(1234567.8f), QStringLiteral("1234568"));
    }

    void ohneFormOderStegprofilKeineDatei()
    {
        QCOMPARE(baue(Querschnittsdaten()).meldungen, QStringList{"M2"});
        Querschnittsdaten q = vollerQuerschnitt(115);
        q.stegprofilgroesse.clear();
        const Übergabeinhalt i = baue(q);
        QCOMPARE(i.meldungen, QStringList{"M2\nH-Prof."});
        QVERIFY(!i.dateiGeschrieben);
        q = vollerQuerschnitt(51);
        q.stegprofilreihe.clear();
        QCOMPARE(baue(q).Fehlliste, QStringLiteral("M2\nH-Prof."));
    }

    // Each check failing alone at its boundary, from a section that passes them all.
    void pruefungen_data()
    {
        QTest::addColumn<int>("form");
        QTest::addColumn<QString>("aenderung");
        QTest::addColumn<QStringList>("meldungen");
        QTest::newRow("St3 nicht unter St1") << 15 << "St3=70" << QStringList{"M19"};
        QTest::newRow("St4 nicht unter St2") << 15 << "St4=60" << QStringList{"M19"};
        QTest::newRow("Schiene zu breit") << 15 << "ASchiene=A150" << QStringList{"M25"};
        QTest::newRow("Schottbreite zu gross") << 15 << "AS=481" << QStringList{"M20"};
        QTest::newRow("Untergurt zu schmal") << 15 << "BU=399" << QStringList{"M20"};
        QTest::newRow("negativer Winkel zu eng") << 15 << "W=-12" << QStringList{"M20"};
        QTest::newRow("Mitte OG: Schottbreite oben") << 31 << "AS=471" << QStringList{"M20"};
        QTest::newRow("Mitte OG: gerade noch") << 31 << "AS=470" << QStringList{};
        QTest::newRow("Winkel: Steghöhe2 gleich") << 212 << "HS2=1000" << QStringList{"M21"};
        QTest::newRow("Winkel: Steghöhe2 kleiner") << 212 << "HS2=999" << QStringList{};
        QTest::newRow("H1/2: St5 breiter") << 116 << "AS=299" << QStringList{"M28"};
        QTest::newRow("H1/2: St5 gleich") << 116 << "AS=300" << QStringList{};
    }
    void pruefungen()
    {
        QFETCH(int, form);
        QFETCH(QString, aenderung);
        QFETCH(QStringList, meldungen);
        Querschnittsdaten q = kasten15();
        q.familie = familieDerForm(form);
        q.Querschnittsnummer = form;
        q.schieneMittragend = !aenderung.startsWith("ASchiene");
        q.masse.stegdicke2 = "10";
        q.masse.steghoehe2 = "800";
        q.masse.hoehe2 = "30";
        q.masse.breite2 = "40";
        q.stegprofilreihe = "HEB";
        q.stegprofilgroesse = "300";
        q.stegprofil = {"300", "300", "11", "19", "27"};
        q.steifen[4] = {"50", "100", "0", "10"};
        if (form == 116)
            q.masse.obergurtbreite = "600";
        if (form == 31)
            q.masse.schottbreite = "300";
        const QString feld = aenderung.section('=', 0, 0), wert = aenderung.section('=', 1);
        if (feld == "ASchiene")
            q.ASchiene = wert;
        else if (feld.startsWith("St"))
            q.steifen[size_t(feld.mid(2).toInt() - 1)].lage = wert;
        else {
            Plattenmasse& m = q.masse;
            QString* ziel = feld == "AS" ? &m.schottbreite : feld == "BU" ? &m.untergurtbreite
                          : feld == "W"  ? &m.stegwinkel   : &m.steghoehe2;
            *ziel = wert;
        }
        const Übergabeinhalt i = baue(q);
        QCOMPARE(i.meldungen, meldungen);
        QCOMPARE(i.ok, meldungen.isEmpty());
    }

    void zweizeller()
    {
        Querschnittsdaten q = kasten15();
        q.familie = kZweizeller;
        q.Querschnittsnummer = 315;
        q.masse.untergurtbreite = "900";
        q.masse.stegdicke2 = "12";
        q.masse.zelle2 = {"300", "15", "250", "10", "200"};
        Übergabeinhalt i = baue(q);
        QVERIFY2(i.ok, qPrintable(i.meldungen.join(';')));
        QCOMPARE(i.zeilen.mid(9, 10), (QStringList{"12", "1", "60", "50", "1", "300", "15", "250", "10", "200"}));
        q.masse.zelle2.AS3 = "295";
        QCOMPARE(baue(q).meldungen, QStringList{"M30"});
        q.masse.zelle2.AS3 = "200";
        q.masse.zelle2.HS3 = "1000";
        QCOMPARE(baue(q).meldungen, (QStringList{"M31", "M32", "M32"}));
        q.masse.zelle2.HS3 = "250";
        q.masse.untergurtbreite = "620";
        QCOMPARE(baue(q).meldungen, QStringList{"M33"});
        // A catalog rail on the second cell's flange.
        q.masse.untergurtbreite = "900";
        q.schieneMittragend = false;
        q.ASchiene = "A75";
        q.masse.zelle2.AS3 = "195";
        QCOMPARE(baue(q).meldungen, QStringList{"M25"});
    }

    void walzprofil()
    {
        Querschnittsdaten q;
        q.familie = kWalzprofil;
        q.walzprofil = {"300", "300", "11", "19", "27"};
        q.HschieneCheck = true;
        q.flachschienenhoehe = "40";
        q.flachschienenbreite = "60";
        q.untergurtprofil = {"200", "200", "9", "14", "15"};
        Übergabeinhalt i = baueHProfilÜbergabe(q, message);
        QCOMPARE(i.zeilen, (QStringList{"103", "0", "300", "300", "11", "19", "27", "40", "60", "0"}));
        q.HschieneCheck = false;
        q.HUGCheck = true;
        i = baueHProfilÜbergabe(q, message);
        QCOMPARE(i.zeilen, (QStringList{"110", "0", "300", "300", "11", "19", "27", "15", "200", "200", "9", "14", "0"}));
        QCOMPARE(querschnittsmasse(q)->rolledProfile.bottom.height, 200.0);
        q.untergurtprofil.H = "296";
        i = baueHProfilÜbergabe(q, message);
        QCOMPARE(i.meldungen, QStringList{"M2 HU"});
        QVERIFY(!i.dateiGeschrieben);
        q.untergurtprofil.H = "295";
        QVERIFY(baueHProfilÜbergabe(q, message).ok);
        q.walzprofil.S.clear();
        QCOMPARE(baueHProfilÜbergabe(q, message).meldungen, QStringList{"M2"});
    }
};

QTEST_MAIN(TestUebergabeschreiber)
#include "tst_uebergabeschreiber.moc"
