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
            "0,0,0,0,0,0,0\r\n"
            "\"Ende\",3,0\r\n");
        QCOMPARE(l.fehler, Ergebnisfehler::Keiner);
        const Ergebnisse& r = l.werte;
        // Each value in its place; a negative ZS announces the shear centre.
        QCOMPARE((QList<double>{r.x, r.A, r.AY, r.AZ, r.IT, r.IY, r.IZ, r.YS, r.ZS, r.Winkel, r.YM, r.ZM}),
                 (QList<double>{15, 12000.5, 5000, 6000, 3.2e6, 1.5e9, 9e8, 1.25, 120.5, 0.00005, 2.5, 80}));
        QVERIFY(r.mitSchubmittelpunkt);
        QCOMPARE(int(r.punkte.size()), 3);
        QCOMPARE(r.punkte[0].spannung[0], 0.0123);
        QCOMPARE(r.punkte[1].dicke, 10.0);
        QVERIFY(r.hoechstwerte.empty() && !r.bauteil.Iw);
    }

    // A centroid below the bottom flange's mid-plane: the file counts z from 500 lower ("Bezug"),
    // and the reading puts ZS, ZM and every place back on the usual reference.
    void bezugUnterDemUntergurt()
    {
        QString text = "201,x,1,2,3,4,5,6,7,-200,0,8,450,0,0,0,0,0\r\n";
        for (int i = 0; i < 18; ++i)
            text += "1,2,3,4,5,6,10\r\n";
        text += "\"Bezug\",500\r\n\"Ort\",18,10,120,3\r\n\"Maximum\",\"Steg\",\"web\",3,1e-5,10,100\r\n\"Ende\",18,3\r\n";
        const Ergebnislesung l = leseErgebnistext(text);
        QCOMPARE(l.fehler, Ergebnisfehler::Keiner);
        QCOMPARE(l.werte.ZS, -300.0);
        QCOMPARE(l.werte.ZM, -50.0);
        QCOMPARE(l.werte.punkte[17].z, -380.0);
        QCOMPARE(l.werte.hoechstwerte.at(0).z, -400.0);
    }

    // Every digit the engine writes arrives: a second moment of 15,783,970,110 mm⁴ stays that,
    // not the 15,783,969,792 of single precision.
    void doppelteGenauigkeit()
    {
        const Ergebnislesung l = leseErgebnistext("1,x,153300.25,1,2,3,15783970110,5,6,-7,0,8,9,0,0,0,0,0\r\n"
                                                  "6.52315720808872e-06,0,0,0,0,0,30\r\n\"Ende\",1,0\r\n");
        QCOMPARE(l.fehler, Ergebnisfehler::Keiner);
        QCOMPARE(l.werte.IY, 15783970110.0);
        QCOMPARE(l.werte.punkte[0].spannung[0], 6.52315720808872e-06);
    }

    // After the rows: where each governing point lies and whose peak it is, each plate's largest
    // stresses, the values for member checks, the end line counting them; a name not known, a count
    // that does not match, or a file cut after any of its lines is incomplete.
    void benannteZeilen()
    {
        QString text = "1,x,1,2,3,4,5,6,7,-8,0,1,2,0,0,0,0,0\r\n";
        for (int i = 0; i < 21; ++i)
            text += QStringLiteral("%1,2,3,4,5,6,10\r\n").arg(i + 1);
        text += "\"Ort\",18,224.3125,-15,3\r\n\"Ort\",19,-414,850.9375,4\r\n\"Ort\",7,1,1,3\r\n\"Ort\",31,1,1,3\r\n"
                "\"Ort\",20,1,1,6\r\n\"Ort\",21,1,1,7\r\n"
                "\"Iw\",1.688e12\r\n\"zj\",-12.5\r\n"
                "\"Maximum\",\"Steg rechts\",\"right web\",3,3.7e-05,200,615\r\n"
                "\"Wply\",1869000\r\n\"Wplz\",870100\r\n";
        const QString ende = "\"Ende\",21,11\r\n";
        const Ergebnislesung l = leseErgebnistext(text + ende);
        QCOMPARE(l.fehler, Ergebnisfehler::Keiner);
        const Ergebnisse& r = l.werte;
        QCOMPARE(int(r.punkte.size()), 21);
        QCOMPARE(r.punkte[17].y, 224.3125);
        QCOMPARE(r.punkte[17].z, -15.0);
        QCOMPARE(r.punkte[17].spitzeVon, 3);
        QCOMPARE(r.punkte[18].spitzeVon, 4);
        QCOMPARE(r.punkte[6].spitzeVon, 0); // a fixed point keeps its place in the drawing
        QCOMPARE(r.punkte[19].spitzeVon, 6); // Sigma-Z, the last column
        QCOMPARE(r.punkte[20].spitzeVon, 0); // no column of that number
        QCOMPARE(r.bauteil.Iw.value_or(0), 1.688e12);
        QCOMPARE(r.bauteil.zj.value_or(0), -12.5);
        QCOMPARE(r.bauteil.Wply.value_or(0), 1869000.0);
        QCOMPARE(r.bauteil.Wplz.value_or(0), 870100.0);
        QCOMPARE(r.hoechstwerte.size(), size_t(1));
        QCOMPARE(r.hoechstwerte[0].nameEn, QStringLiteral("right web"));
        QCOMPARE(r.hoechstwerte[0].spalte, 3);
        QCOMPARE(r.hoechstwerte[0].wert, 3.7e-05);
        QCOMPARE(r.hoechstwerte[0].z, 615.0);
        const QStringList zeilen = (text + ende).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
        for (int n = 1; n < zeilen.size(); ++n)
            QCOMPARE(leseErgebnistext(zeilen.mid(0, n).join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).fehler,
                     Ergebnisfehler::Unvollstaendig);
        QCOMPARE(leseErgebnistext(text + "\"Künftig\",1\r\n\"Ende\",21,12\r\n").fehler, Ergebnisfehler::Unvollstaendig);
        QCOMPARE(leseErgebnistext(text + "\"Ende\",21,10\r\n").fehler, Ergebnisfehler::Unvollstaendig);
        QCOMPARE(leseErgebnistext(text + "\"Ende\",20,11\r\n").fehler, Ergebnisfehler::Unvollstaendig);
    }

    // At most 30 point rows, as the engine writes them; a row cut short is an incomplete file.
    // Without a negative ZS, no shear centre.
    void punktzeilen()
    {
        QString text = "5,x,1,2,3,4,5,6,7,-8,0,1,2,0,0,0,0,0\r\n";
        for (int i = 0; i < 30; ++i)
            text += "1,2,3,4,5,6,7\r\n";
        QCOMPARE(int(leseErgebnistext(text + "\"Ende\",30,0\r\n").werte.punkte.size()), kMaxPunkte);
        QCOMPARE(leseErgebnistext(text + "1,2,3,4,5,6,7\r\n\"Ende\",31,0\r\n").fehler, Ergebnisfehler::Unvollstaendig);
        QCOMPARE(leseErgebnistext(text + "1,2,3").fehler, Ergebnisfehler::Unvollstaendig);
        QCOMPARE(leseErgebnistext("102,x,1,2,3,4,5,6,7,8,0,0,0,0,0,0\r\n1,2,3,4,5,6,7\r\n1,2").fehler,
                 Ergebnisfehler::Unvollstaendig);
        const Ergebnislesung l = leseErgebnistext("102,x,1,2,3,4,5,6,7,8,0,0,0,0,0,0\r\n1,2,3,4,5,6,7\r\n\"Ende\",1,0\r\n");
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
        const std::pair<double, const char*> faelle[] = {
            {0.0123, "1.230000e+1"}, {-2.5e-7, "-2.500000e-4"}, {0.00999999999, "1.000000e+1"}, {0.005, "5.000000e+0"}};
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
