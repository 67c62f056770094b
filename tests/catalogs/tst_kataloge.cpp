// Rail catalog and profile tables: lookups, malformed records, the shipped data.
#include "Testhilfen.h"
#include "catalogs/Kataloge.h"

#include <QTest>

class TestKataloge : public QObject {
    Q_OBJECT

    Testordner m_ordner;
    QString datei(const QString& name, const QByteArray& inhalt) { return m_ordner.datei(name, inhalt); }

private slots:
    void schienen()
    {
        const QString pfad = datei("ASchiene", "A65,\"75|34|30|65|38|175|20|10|\"\r\n"
                                               "A65,\"1|1|1|1|1|1|1|1|\"\r\n"
                                               "A45,\"55||20|45|24|125|14.5|8|\"\r\n"
                                               "A75,\"85|39.5|35\"\r\n");
        Schienensatz satz;
        leseASchiene(pfad, "A65", satz);
        QCOMPARE(satz, (Schienensatz{"75", "34", "30", "65", "38", "175", "20", "10"})); // the first record wins
        leseASchiene(pfad, "A45", satz);
        QCOMPARE(satz[1], QString()); // an empty value between two "|"
        QCOMPARE(satz[7], QStringLiteral("8"));
        // A record cut short fills what it has closed and leaves the rest empty.
        leseASchiene(pfad, "A75", satz);
        QCOMPARE(satz, (Schienensatz{"85", "39.5", "", "", "", "", "", ""}));
        // Unknown name, wrong case or missing file: the record stays as it was.
        leseASchiene(pfad, "a75", satz);
        leseASchiene(pfad, "A150", satz);
        leseASchiene(m_ordner.pfad("fehlt"), "A65", satz);
        QCOMPARE(satz[0], QStringLiteral("85"));
    }

    void profile()
    {
        const QString pfad = datei("HEB", "280,\"280|280|10.5|18|24\"\r\n300,\"300|300|11|19|27\"\r\n"
                                          "300,\"9|9|9|9|9\"\r\nkaputt,\"1|2\"\r\n320,\"320|300\"\r\n"
                                          "340,\"1|2|3|4|5|6\"\r\n");
        QCOMPARE(leseProfilwerte(pfad, 300), (Profilwerte{"300", "300", "11", "19", "27"}));
        QCOMPARE(leseProfilwerte(pfad, 320), (Profilwerte{"320", "300", "", "", ""}));
        QCOMPARE(leseProfilwerte(pfad, 340)->at(4), QStringLiteral("5|6"));
        QVERIFY(!leseProfilwerte(pfad, 360));
        QVERIFY(!leseProfilwerte(m_ordner.pfad("HEX"), 300));
    }

    // Every size the lists offer is in its shipped table, and the values are those of the reference data.
    void mitgelieferteTabellen()
    {
        const QDir daten(qEnvironmentVariable("TARVELLO_DATEN"));
        for (const QString& reihe : walzprofilreihen()) {
            const QStringList& groessen = reihe == "IPE" ? ipeGroessen() : heGroessen();
            for (const QString& g : groessen)
                QVERIFY2(leseProfilwerte(daten.filePath(reihe), g.toInt()), qPrintable(reihe + g));
        }
        QCOMPARE(leseProfilwerte(daten.filePath("HEB"), 300), (Profilwerte{"300", "300", "11", "19", "27"}));
        QCOMPARE(leseProfilwerte(daten.filePath("IPE"), 240), (Profilwerte{"240", "120", "6.2", "9.8", "15"}));
        for (const QString& name : schienenliste().mid(1)) {
            Schienensatz satz;
            leseASchiene(daten.filePath("ASchiene"), name, satz);
            QVERIFY2(satz[3] == name.mid(1), qPrintable(name)); // the head width is the number in the name
            QVERIFY(satz[5].toDouble() > satz[3].toDouble());   // the foot is wider than the head
        }
    }
};

QTEST_MAIN(TestKataloge)
#include "tst_kataloge.moc"
