// The engine's input files as plain data: lines, missing fields and the geometric checks.
#include "engine/Uebergabe.h"

#include <QTest>

namespace {

QString message(int n) { return QStringLiteral("M%1").arg(n); }

// A rail-over-web box with four stiffeners that passes every check.
Querschnittseingabe kasten15()
{
    Querschnittseingabe e;
    e.familie = 1;
    e.Querschnittsnummer = 15;
    e.formGewaehlt = true;
    for (int i = 0; i < 25; ++i)
        e.Abmessungslabel[size_t(i)] = QStringLiteral("L%1").arg(i);
    for (int i = 0; i < 5; ++i)
        e.Hlabel[size_t(i)] = QStringLiteral("H%1").arg(i);
    e.steifenbeschriftung = {"%HS", "L1:", "L2:", "t:"};
    const std::pair<int, const char*> werte[] = {{0, "500"}, {1, "20"}, {2, "500"}, {3, "20"}, {4, "1000"},
                                                 {5, "10"},  {7, "400"}, {10, "50"}, {11, "60"}, {14, "0"}};
    for (const auto& [i, w] : werte)
        e.Abmessung[size_t(i)] = QString::fromLatin1(w);
    const char* const lagen[4] = {"70", "60", "40", "30"};
    for (int i = 0; i < 4; ++i) {
        e.steifeSichtbar[size_t(i)] = true;
        e.Stort[size_t(i)] = QString::fromLatin1(lagen[i]);
        e.StLang1[size_t(i)] = "100";
        e.StLang2[size_t(i)] = "0";
        e.StDick[size_t(i)] = "10";
    }
    e.steifenframeSichtbar = true;
    return e;
}

Übergabeinhalt baue(const Querschnittseingabe& e) { return baueÜbergabe(e, 1, QStringLiteral(TARVELLO_SCHIENEN), message); }

} // namespace

class TestUebergabe : public QObject {
    Q_OBJECT

private slots:
    void ohneSchieneNurNeunZeilenUndNull()
    {
        Querschnittseingabe e = kasten15();
        e.familie = 0;
        e.Querschnittsnummer = 1;
        e.steifeSichtbar = {};
        e.Abmessung[0] = "1500";
        e.Abmessung[1] = " 12";
        const Übergabeinhalt i = baue(e);
        QVERIFY2(i.ok, qPrintable(i.meldungen.join(';')));
        QCOMPARE(i.zeilen, (QStringList{"1", "0", "1500", " 12", "500", "20", "1000", "10", "400", "0"}));
    }

    void kommaWirdPunkt()
    {
        Querschnittseingabe e = kasten15();
        e.Abmessung[1] = "20,5";
        const Übergabeinhalt i = baue(e);
        QCOMPARE(i.zeilen[3], QStringLiteral("20.5"));
    }

    void schieneUeberStegMitVierSteifen()
    {
        const Übergabeinhalt i = baue(kasten15());
        QVERIFY2(i.ok, qPrintable(i.meldungen.join(';')));
        QCOMPARE(i.zeilen.mid(0, 16), (QStringList{"15", "0", "500", "20", "500", "20", "1000", "10", "400", "10", "1",
                                                 "60", "50", "1", "4", "1"}));
        QCOMPARE(i.zeilen.size(), 35);
        QCOMPARE(i.zeilen.mid(30), (QStringList{"4", "30", "100", "0", "10"}));
    }

    void steifenZeilenNullUndDrei()
    {
        Querschnittseingabe e = kasten15();
        e.steifeSichtbar = {true, false, false, true, false};
        const Übergabeinhalt i = baue(e);
        QCOMPARE(i.zeilen.mid(14), (QStringList{"2", "1", "70", "100", "0", "10", "4", "30", "100", "0", "10"}));
    }

    void schieneNichtMittragend()
    {
        Querschnittseingabe e = kasten15();
        e.schieneMittragend = false;
        const Übergabeinhalt i = baue(e);
        QCOMPARE(i.zeilen.mid(9, 3), (QStringList{"10", "0", "1"}));
    }

    void leereFelderInEinerListe()
    {
        Querschnittseingabe e = kasten15();
        e.Abmessung[0].clear();
        e.Abmessung[4].clear();
        const Übergabeinhalt i = baue(e);
        QVERIFY(!i.ok);
        QCOMPARE(i.Fehlliste, QStringLiteral("M2\nL0, L4"));
    }

    void mitteObergurtRechnetUnteSchottbreite()
    {
        Querschnittseingabe e = kasten15();
        e.familie = 2;
        e.Querschnittsnummer = 31;
        e.steifeSichtbar = {};
        e.Abmessung[7] = "300";
        e.Abmessung[4] = "500";
        e.Abmessung[14] = "10";
        const Übergabeinhalt i = baue(e);
        QCOMPARE(i.zeilen[8], QStringLiteral("126.3517"));
        QCOMPARE(i.Abmessung[7], QStringLiteral("126.3517"));
        QCOMPARE(i.schottbreiteEingegeben, QStringLiteral("300"));
        QCOMPARE(textMit7Stellen(1234567.8f), QStringLiteral("1234568"));
    }

    void keineFormKeinStegprofil()
    {
        Querschnittseingabe e;
        Übergabeinhalt i = baue(e);
        QCOMPARE(i.meldungen, QStringList{"M2"});
        QVERIFY(!i.dateiGeschrieben);
        e = kasten15();
        e.familie = 6;
        e.Querschnittsnummer = 115;
        e.Abmessungslabel[19] = "H-Prof.";
        e.Combo1_2 = "HEB";
        i = baue(e);
        QCOMPARE(i.meldungen, QStringList{"M2\nH-Prof."});
        QVERIFY(!i.dateiGeschrieben);
    }

    void hProfilAlsUntergurt()
    {
        Querschnittseingabe e = kasten15();
        e.familie = 5;
        e.Querschnittsnummer = 51;
        e.steifeSichtbar = {};
        e.Combo1_2 = "HEB";
        e.Combo1_3 = "300";
        e.hwert = {"300", "300", "11", "19", "27"};
        e.Abmessung[7] = "250";
        const Übergabeinhalt i = baue(e);
        QVERIFY2(i.ok, qPrintable(i.meldungen.join(';')));
        QCOMPARE(i.Abmessung[2], QStringLiteral("300"));
        QCOMPARE(i.Abmessung[3], QStringLiteral("19"));
        QCOMPARE(i.zeilen.mid(9), (QStringList{"0", "300", "11", "27"}));
    }

    // Each check failing alone, from a section that passes them all.
    void pruefungen_data()
    {
        QTest::addColumn<QString>("aenderung");
        QTest::addColumn<QStringList>("meldungen");
        QTest::newRow("St3 nicht unter St1") << "Stort2=80" << QStringList{"M19"};
        QTest::newRow("St4 nicht unter St2") << "Stort3=65" << QStringList{"M19"};
        QTest::newRow("Schiene zu breit") << "ASchiene=A150" << QStringList{"M25"};
        QTest::newRow("Schottbreite zu gross") << "A7=490" << QStringList{"M20"};
        QTest::newRow("Untergurt zu schmal") << "A2=390" << QStringList{"M20"};
        QTest::newRow("negativer Winkel zu eng") << "A14=-12" << QStringList{"M20"};
    }
    void pruefungen()
    {
        QFETCH(QString, aenderung);
        QFETCH(QStringList, meldungen);
        Querschnittseingabe e = kasten15();
        const auto [feld, wert] = std::pair(aenderung.section('=', 0, 0), aenderung.section('=', 1));
        if (feld.startsWith("Stort"))
            e.Stort[size_t(feld.mid(5).toInt())] = wert;
        else if (feld == "ASchiene")
            e.ASchiene = wert;
        else
            e.Abmessung[size_t(feld.mid(1).toInt())] = wert;
        const Übergabeinhalt i = baue(e);
        QCOMPARE(i.meldungen, meldungen);
        QVERIFY(!i.ok);
    }

    void zweizeller()
    {
        Querschnittseingabe e = kasten15();
        e.familie = 7;
        e.Querschnittsnummer = 315;
        e.Abmessung[2] = "900";
        e.Abmessung[6] = "12";
        e.Abmessung[14] = "0";
        const char* const zelle[5] = {"300", "15", "250", "10", "200"};
        for (int i = 0; i < 5; ++i)
            e.Abmessung[size_t(20 + i)] = QString::fromLatin1(zelle[i]);
        Übergabeinhalt i = baue(e);
        QVERIFY2(i.ok, qPrintable(i.meldungen.join(';')));
        QCOMPARE(i.zeilen.mid(9, 10), (QStringList{"12", "1", "60", "50", "1", "300", "15", "250", "10", "200"}));
        // The second cell's checks, each alone.
        e.Abmessung[24] = "295";
        QCOMPARE(baue(e).meldungen, QStringList{"M30"});
        e.Abmessung[24] = "200";
        e.Abmessung[22] = "1000";
        QCOMPARE(baue(e).meldungen, (QStringList{"M31", "M32", "M32"}));
        e.Abmessung[22] = "250";
        e.Abmessung[2] = "620";
        QCOMPARE(baue(e).meldungen, QStringList{"M33"});
    }

    void walzprofil()
    {
        Querschnittseingabe e;
        e.hwert = {"300", "300", "11", "19", "27", "40", "60", "", "", "", "", ""};
        e.HschieneCheck = true;
        Übergabeinhalt i = baueHProfilÜbergabe(e, message);
        QCOMPARE(i.zeilen, (QStringList{"103", "0", "300", "300", "11", "19", "27", "40", "60", "0"}));
        e.HschieneCheck = false;
        e.HUGCheck = true;
        e.hwert[7] = "15";
        e.hwert[8] = "296";
        e.hwert[9] = "200";
        e.hwert[10] = "9";
        e.hwert[11] = "14";
        i = baueHProfilÜbergabe(e, message);
        QCOMPARE(i.meldungen, QStringList{"M2 HU"});
        QVERIFY(!i.dateiGeschrieben);
        e.hwert[8] = "200";
        i = baueHProfilÜbergabe(e, message);
        QCOMPARE(i.zeilen, (QStringList{"110", "0", "300", "300", "11", "19", "27", "15", "200", "200", "9", "14", "0"}));
        e.hwert[2].clear();
        QCOMPARE(baueHProfilÜbergabe(e, message).meldungen, QStringList{"M2"});
    }
};

QTEST_MAIN(TestUebergabe)
#include "tst_uebergabe.moc"
