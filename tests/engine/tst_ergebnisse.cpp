// The engine's result file as the program reads it, and the stress format of the table.
#include "engine/Ergebnisdatei.h"

#include <QLocale>
#include <QTest>

class TestErgebnisse : public QObject {
    Q_OBJECT

private slots:
    void vollstaendigeDatei()
    {
        const Ergebnislesung l = leseErgebnistext(
            "15,\"Delmarix 1.0\"\r\n"
            "12000.5,5000,6000,3.2e6,1.5e9,9e8,1.25,-120.5,0.00005,2.5,80\r\n"
            "1,0,3,0,0\r\n"
            "0.0123,0,0,0,0.5,-0.25,20\r\n"
            "1e-3,2e-3,3e-3,4e-3,5e-3,6e-3,10\r\n"
            "0,0,0,0,0,0,0\r\n");
        QCOMPARE(l.fehler, Ergebnisfehler::Keiner);
        const Ergebnisse& r = l.werte;
        QCOMPARE(r.x, 15.0f);
        QCOMPARE(r.A, 12000.5f);
        QCOMPARE(r.IT, 3.2e6f);
        // A negative ZS announces the shear centre.
        QCOMPARE(r.ZS, 120.5f);
        QVERIFY(r.mitSchubmittelpunkt);
        QCOMPARE(r.YM, 2.5f);
        QCOMPARE(r.ZM, 80.0f);
        QCOMPARE(r.steifen, (std::array<bool, 5>{true, false, true, false, false}));
        QCOMPARE(int(r.punkte.size()), 3);
        QCOMPARE(r.punkte[0].spannung[0], 0.0123f);
        QCOMPARE(r.punkte[1].dicke, 10.0f);
        QCOMPARE(r.punkte[2].dicke, 0.0f);
    }

    void ohneSchubmittelpunkt()
    {
        const Ergebnislesung l = leseErgebnistext("102,x,1,2,3,4,5,6,7,8,0,0,0,0,0,0\r\n");
        QCOMPARE(l.fehler, Ergebnisfehler::Keiner);
        QVERIFY(!l.werte.mitSchubmittelpunkt);
        QCOMPARE(l.werte.YM, l.werte.YS);
        QCOMPARE(l.werte.ZM, l.werte.ZS);
        QVERIFY(l.werte.punkte.empty());
    }

    void hoechstensDreissigZeilen()
    {
        QString text = "5,x,1,2,3,4,5,6,7,-8,0,1,2,0,0,0,0,0\r\n";
        for (int i = 0; i < 33; ++i)
            text += "1,2,3,4,5,6,7\r\n";
        text += "1,2,3"; // an incomplete last row is left out
        QCOMPARE(int(leseErgebnistext(text).werte.punkte.size()), kMaxPunkte);
        QCOMPARE(int(leseErgebnistext("5,x,1,2,3,4,5,6,7,8,0,0,0,0,0,0\r\n1,2,3,4,5,6,7\r\n1,2").werte.punkte.size()), 1);
    }

    void fehlerhafteDateien_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("fehler");
        QTest::newRow("Fehler des Rechenkerns") << "\"Fehler: Zeile 4 / Error: line 4\"" << int(Ergebnisfehler::Rechenkernfehler);
        QTest::newRow("leer") << "" << int(Ergebnisfehler::Unvollstaendig);
        QTest::newRow("abgebrochen") << "15,x,1,2,3" << int(Ergebnisfehler::Unvollstaendig);
        QTest::newRow("ohne Schubmittelpunkt nach negativem ZS") << "15,x,1,2,3,4,5,6,7,-8,0" << int(Ergebnisfehler::Unvollstaendig);
        QTest::newRow("Text statt Zahl") << "15,x,1,2,3,vier,5,6,7,8,0,0,0,0,0,0" << int(Ergebnisfehler::Unvollstaendig);
        QTest::newRow("Kennung keine Zahl") << "abc,x,1,2,3,4,5,6,7,8,0,0,0,0,0,0" << int(Ergebnisfehler::Unvollstaendig);
        QTest::newRow("Binaerdaten") << QString::fromLatin1("\x01\x02\xff,\x03") << int(Ergebnisfehler::Unvollstaendig);
    }
    void fehlerhafteDateien()
    {
        QFETCH(QString, text);
        QFETCH(int, fehler);
        QCOMPARE(int(leseErgebnistext(text).fehler), fehler);
        QCOMPARE(leseErgebnisdatei("/gibt/es/nicht").fehler, Ergebnisfehler::DateiFehlt);
    }

    void spannungsformat_data()
    {
        QTest::addColumn<float>("wert");
        QTest::addColumn<QString>("punkt");
        QTest::addColumn<QString>("komma");
        QTest::newRow("0.0123") << 0.0123f << "1.230000e+1" << "1,230000e+1";
        QTest::newRow("null") << 0.0f << "0.000000e+0" << "0,000000e+0";
        QTest::newRow("negativ klein") << -2.5e-7f << "-2.500000e-4" << "-2,500000e-4";
        QTest::newRow("rundet auf zehn") << 0.00999999999f << "1.000000e+1" << "1,000000e+1";
        QTest::newRow("gross") << 123.456f << "1.234560e+5" << "1,234560e+5";
    }
    void spannungsformat()
    {
        QFETCH(float, wert);
        QFETCH(QString, punkt);
        QFETCH(QString, komma);
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        QCOMPARE(spannungstext(wert), punkt);
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        QCOMPARE(spannungstext(wert), komma);
        QLocale::setDefault(QLocale::c());
    }
};

QTEST_MAIN(TestErgebnisse)
#include "tst_ergebnisse.moc"
