// Rail catalog and profile tables: lookups and malformed records.
#include "Testhilfen.h"
#include "catalogs/Kataloge.h"

#include <QTest>

class TestKataloge : public QObject {
    Q_OBJECT

    Testordner m_ordner;

private slots:
    void schienen()
    {
        const QString pfad = m_ordner.datei("ASchiene", "A65,\"75|34|30|65|38|175|20|10|\"\r\nA65,\"1|1|1|1|1|1|1|1|\"\r\n"
                                                        "A45,\"55||20|45|24|125|14.5|8|\"\r\nA75,\"85|39.5|35\"\r\n");
        Schienensatz satz;
        QVERIFY(leseASchiene(pfad, "A65", satz));
        QCOMPARE(satz, (Schienensatz{"75", "34", "30", "65", "38", "175", "20", "10"})); // the first record wins
        leseASchiene(pfad, "A45", satz);
        QCOMPARE(satz[1] + u'/' + satz[7], QStringLiteral("/8")); // an empty value between two "|"
        // A value without its closing "|" is left empty.
        leseASchiene(pfad, "A75", satz);
        QCOMPARE(satz, (Schienensatz{"85", "39.5", "", "", "", "", "", ""}));
        // Unknown name, wrong case or missing file: the record stays as it was.
        QVERIFY(!leseASchiene(pfad, "a75", satz) && !leseASchiene(m_ordner.pfad("fehlt"), "A65", satz));
        QCOMPARE(satz[0], QStringLiteral("85"));
        // A record that cannot be a rail gives no outline: a head as high as the rail, a head and foot
        // that leave no web (34 + 45 > 75), a foot thicker at its edge than at the web.
        QVERIFY(!schienenumriss({"75", "34", "30", "65", "38", "175", "20", "10"}).empty());
        QVERIFY(schienenumriss({"75", "34", "75", "65", "38", "175", "20", "10"}).empty());
        QVERIFY(schienenumriss({"75", "34", "30", "65", "38", "175", "45", "10"}).empty());
        QVERIFY(schienenumriss({"75", "34", "30", "65", "38", "175", "8", "10"}).empty());
        // A65 by DIN 536's definitions, by hand: foot 175 × 10, its slope to 20 at the web
        // (175 + 38)/2 · 10, the web 38 × (75 − 34 − 20), the head's underside (38 + 65)/2 · 4, the head 65 × 30.
        const auto m = tarvello::geometrie::areaMoments(schienenumriss({"75", "34", "30", "65", "38", "175", "20", "10"}));
        QCOMPARE(m.area, 1750 + 1065 + 798 + 206 + 1950.0);
        QCOMPARE(m.sz, 0.0); // symmetric about its web
    }

    void profile()
    {
        const QString pfad = m_ordner.datei("HEB", "280,\"280|280|10.5|18|24\"\r\n300,\"300|300|11|19|27\"\r\n300,\"9|9|9|9|9\"\r\n"
                                                   "kaputt,\"1|2\"\r\n320,\"320|300\"\r\n340,\"1|2|3|4|5|6\"\r\n");
        QCOMPARE(leseProfilwerte(pfad, 300), (Profilwerte{"300", "300", "11", "19", "27"}));
        QCOMPARE(leseProfilwerte(pfad, 320), (Profilwerte{"320", "300", "", "", ""}));
        QCOMPARE(leseProfilwerte(pfad, 340)->at(4), QStringLiteral("5|6"));
        QVERIFY(!leseProfilwerte(pfad, 360) && !leseProfilwerte(m_ordner.pfad("HEX"), 300));
    }

    // A rail or web profile the lists do not hold is named (it would open as no rail, no profile);
    // the lists' own names, an empty choice and a rolled profile's free designation are not.
    void fremdeListennamen()
    {
        Querschnittsdaten q;
        QCOMPARE(fremderListenname(q), QString()); // no catalog rail, no web profile
        q.ASchiene = "A120", q.stegprofilreihe = "HEB", q.stegprofilgroesse = "1000", q.Typ = "HEB 1100";
        QCOMPARE(fremderListenname(q), QString());
        for (auto [feld, name] : {std::pair{&q.ASchiene, "A999"}, {&q.ASchiene, "a120"}, {&q.stegprofilreihe, "IPE"},
                                  {&q.stegprofilgroesse, "1100"}}) {
            const QString vorher = *feld;
            *feld = QString::fromLatin1(name);
            QCOMPARE(fremderListenname(q), QString::fromLatin1(name));
            *feld = vorher;
        }
    }
};

QTEST_MAIN(TestKataloge)
#include "tst_kataloge.moc"
