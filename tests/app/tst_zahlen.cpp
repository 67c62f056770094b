// Number rules, output patterns and the fields' trailing blanks in key navigation.
#include "Testhilfen.h"
#include "kern/Zahlen.h"
#include "section/Eingaberegeln.h"

#include <QLocale>
#include <QTest>

static void setzeSprache(QLocale::Language sprache)
{
    QLocale::setDefault(QLocale(sprache, sprache == QLocale::German ? QLocale::Germany : QLocale::UnitedStates));
    bestimmeDezimaltrennzeichen();
}

class TestZahlen : public QObject {
    Q_OBJECT

    Testordner m_ordner;

private slots:
    void init() { setzeSprache(QLocale::English); }

    // Under both system separators: what the input check accepts, how it leaves the text, its value.
    void pruefeZahl_data()
    {
        QTest::addColumn<QString>("eingabe");
        QTest::addColumn<bool>("gueltig");
        QTest::addColumn<QString>("danach");
        QTest::addColumn<float>("wert");
        QTest::newRow("dezimalkomma") << "12,5" << true << "12.5" << 12.5f;
        QTest::newRow("negativ") << "-0,25" << true << "-0.25" << -0.25f;
        QTest::newRow("zwei punkte") << "1.2.3" << false << "1.2.3" << 0.0f;
        QTest::newRow("komma und punkt") << "1,2.3" << false << "1.2.3" << 0.0f;
        QTest::newRow("minus hinten") << "12-" << false << "12-" << 0.0f;
        QTest::newRow("minus allein") << "-" << true << "-" << 0.0f;
        QTest::newRow("leer") << "" << true << "" << 0.0f;
        QTest::newRow("buchstabe") << "12a" << false << "12a" << 0.0f;
        QTest::newRow("blank innen") << "1 2" << false << "1 2" << 0.0f;
        QTest::newRow("exponent, blanks aussen") << " 2.5E2 " << true << " 2.5E2 " << 250.0f;
    }
    void pruefeZahl()
    {
        QFETCH(QString, eingabe);
        QFETCH(bool, gueltig);
        QFETCH(QString, danach);
        QFETCH(float, wert);
        const QString messages = m_ordner.datei("Messages.D", "1,\"keine Zahl\"\r\n");
        for (const auto sprache : {QLocale::German, QLocale::English}) {
            setzeSprache(sprache);
            Meldungsrekorder rekorder;
            QString text = eingabe;
            QCOMPARE(::pruefeZahl(text, messages), gueltig);
            QCOMPARE(text, danach);
            QCOMPARE(rekorder.texte(), gueltig ? QStringList{} : QStringList{"keine Zahl"});
            QCOMPARE(::zahl(text), wert);
        }
    }

    // A comma is read as the separator only where the system writes one.
    void kommaNurImKommasystem()
    {
        QCOMPARE(::zahl("12,5"), 0.0f);
        setzeSprache(QLocale::German);
        QCOMPARE(::zahl("12,5"), 12.5f);
    }

    void muster_data()
    {
        QTest::addColumn<int>("muster");
        QTest::addColumn<float>("wert");
        QTest::addColumn<QString>("deutsch");
        QTest::addColumn<QString>("englisch");
        QTest::newRow("0 gruppiert") << 0 << 1234567.0f << "1.234.567,0" << "1,234,567.0";
        QTest::newRow("1 gruppiert drei stellen") << 1 << 12345.678f << "12.345,678" << "12,345.678";
        QTest::newRow("2 ungruppiert") << 2 << 12345.678f << "12345,678" << "12345.678";
        QTest::newRow("3 eine stelle") << 3 << 0.04f << "0,0" << "0.0";
        QTest::newRow("4 zwei stellen") << 4 << -2.5f << "-2,50" << "-2.50";
        QTest::newRow("4 ungruppiert") << 4 << 12345.678f << "12345,68" << "12345.68";
        QTest::newRow("keine negative null") << 0 << -0.01f << "0,0" << "0.0";
        QTest::newRow("unbekannt") << 7 << 1.0f << "" << "";
    }
    void muster()
    {
        QFETCH(int, muster);
        QFETCH(float, wert);
        QFETCH(QString, deutsch);
        QFETCH(QString, englisch);
        setzeSprache(QLocale::German);
        QCOMPARE(formatiereZahl(wert, muster), deutsch);
        setzeSprache(QLocale::English);
        QCOMPARE(formatiereZahl(wert, muster), englisch);
    }
};

QTEST_MAIN(TestZahlen)
#include "tst_zahlen.moc"
