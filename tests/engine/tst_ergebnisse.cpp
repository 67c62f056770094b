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
        // Each value in its place; a negative ZS announces the shear centre.
        QCOMPARE((QList<float>{r.x, r.A, r.AY, r.AZ, r.IT, r.IY, r.IZ, r.YS, r.ZS, r.Winkel, r.YM, r.ZM}),
                 (QList<float>{15, 12000.5f, 5000, 6000, 3.2e6f, 1.5e9f, 9e8f, 1.25f, 120.5f, 0.00005f, 2.5f, 80}));
        QVERIFY(r.mitSchubmittelpunkt);
        QCOMPARE(r.steifen, (std::array<bool, 5>{true, false, true, false, false}));
        QCOMPARE(int(r.punkte.size()), 3);
        QCOMPARE(r.punkte[0].spannung[0], 0.0123f);
        QCOMPARE(r.punkte[1].dicke, 10.0f);
    }

    // At most 30 point rows; an incomplete last row is left out. Without a negative ZS, no shear centre.
    void punktzeilen()
    {
        QString text = "5,x,1,2,3,4,5,6,7,-8,0,1,2,0,0,0,0,0\r\n";
        for (int i = 0; i < 33; ++i)
            text += "1,2,3,4,5,6,7\r\n";
        QCOMPARE(int(leseErgebnistext(text + "1,2,3").werte.punkte.size()), kMaxPunkte);
        const Ergebnislesung l = leseErgebnistext("102,x,1,2,3,4,5,6,7,8,0,0,0,0,0,0\r\n1,2,3,4,5,6,7\r\n1,2");
        QCOMPARE(l.fehler, Ergebnisfehler::Keiner);
        QCOMPARE(int(l.werte.punkte.size()), 1);
        QVERIFY(!l.werte.mitSchubmittelpunkt && l.werte.YM == l.werte.YS && l.werte.ZM == l.werte.ZS);
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
        QTest::newRow("Binaerdaten") << QString::fromLatin1("\x01\x02\xff,\x03") << int(Ergebnisfehler::Unvollstaendig);
    }
    void fehlerhafteDateien()
    {
        QFETCH(QString, text);
        QFETCH(int, fehler);
        QCOMPARE(int(leseErgebnistext(text).fehler), fehler);
        QCOMPARE(leseErgebnisdatei("/gibt/es/nicht").fehler, Ergebnisfehler::DateiFehlt);
    }

    // The engine's reason in the user's language.
    void rechenkerngrundJeSprache()
    {
        const QString kennung = QStringLiteral("Fehler: Zeile 4 / Error: line 4");
        QCOMPARE(rechenkerngrund(kennung, "D"), QStringLiteral("Zeile 4"));
        QCOMPARE(rechenkerngrund(kennung, "E"), QStringLiteral("line 4"));
    }

    // ×1000 (N/mm² for unit forces), six decimals; a mantissa rounding to 10 takes the next exponent.
    void spannungsformat()
    {
        const std::pair<float, const char*> faelle[] = {
            {0.0123f, "1.230000e+1"}, {-2.5e-7f, "-2.500000e-4"}, {0.00999999999f, "1.000000e+1"}, {0.005f, "5.000000e+0"}};
        for (const auto& [wert, text] : faelle) {
            QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
            QCOMPARE(spannungstext(wert), QString::fromLatin1(text));
            QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
            QCOMPARE(spannungstext(wert), QString::fromLatin1(text).replace(u'.', u','));
        }
        QLocale::setDefault(QLocale::c());
    }
};

QTEST_MAIN(TestErgebnisse)
#include "tst_ergebnisse.moc"
