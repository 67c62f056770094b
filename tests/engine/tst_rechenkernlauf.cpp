// The engine run with stand-in engines, and the whole road from the result button.
#include "Testhilfen.h"
#include "fenster/Hauptform.h"
#include "app/Start.h"
#include "engine/Rechenkern.h"
#include "engine/Berechnung.h"
#include "section/Eingabeseite.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

class TestRechenkernlauf : public QObject {
    Q_OBJECT

    // A suite whose engine is the stand-in, and an editor folder with a blank in its name.
    struct Lauf {
        Testsuite suite;
        QString pathben;
        Lauf()
        {
            const QString ziel = suite.exefiles() + "/" + programmdatei("Delmarix");
            QFile::copy(RECHENKERN_ATTRAPPE, ziel);
            pathben = suite.daten() + "/Anna Berg";
            QDir().mkpath(pathben);
        }
        bool starte()
        {
            schreibeDatei(übergabedatei(pathben, 2), "1\r\n");
            setzeVerzeichnis(suite.exefiles(), true);
            return starteRechenkern(übergabedatei(pathben, 2), übergabedatei(pathben, 1));
        }
    };

private slots:
    void befehlszeileMitFragezeichen()
    {
        const QString befehl = rechenkernBefehl("/d/Anna Berg/Übergabe2.dat", "/d/Anna Berg/Übergabe1.dat");
        QCOMPARE(befehl.split(u' ').size(), 3);
        QCOMPARE(befehl, programmdatei("Delmarix") + QDir::toNativeSeparators(" /d/Anna?Berg/Übergabe2.dat /d/Anna?Berg/Übergabe1.dat"));
    }

    void sofortFertig()
    {
        qputenv("TARVELLO_ATTRAPPE", "sofort");
        Lauf lauf;
        QVERIFY(lauf.starte());
        QVERIFY(warteAufRechenkern(übergabedatei(lauf.pathben, 2)));
        // The engine got exactly two arguments, each with "?" for the blank.
        QTRY_VERIFY(QFile::exists(übergabedatei(lauf.pathben, 1)));
        const QString ergebnis = QString::fromUtf8(leseDatei(übergabedatei(lauf.pathben, 1)));
        QVERIFY(ergebnis.contains("Anna?Berg"));
        QCOMPARE(ergebnis.count(u'|'), 1);
    }

    void spaetAberInDerZeit()
    {
        qputenv("TARVELLO_ATTRAPPE", "spaet");
        Lauf lauf;
        QVERIFY(lauf.starte());
        QVERIFY(warteAufRechenkern(übergabedatei(lauf.pathben, 2)));
    }

    void nieFertig()
    {
        qputenv("TARVELLO_ATTRAPPE", "nie");
        Lauf lauf;
        QVERIFY(lauf.starte());
        QElapsedTimer uhr;
        uhr.start();
        QVERIFY(!warteAufRechenkern(übergabedatei(lauf.pathben, 2)));
        QVERIFY(uhr.elapsed() > 3000); // more than three whole seconds on the clock
        QVERIFY(!QFile::exists(übergabedatei(lauf.pathben, 2)));
    }

    void ganzerWegVomKnopf()
    {
        qputenv("TARVELLO_ATTRAPPE", "sofort");
        Lauf lauf;
        lauf.suite.übergabe("\"Anna Berg\"\r\n\"D\"\r\n");
        Meldungsrekorder rekorder;
        Hauptform form;
        QVERIFY(form.starte(lauf.suite.exefiles()));
        form.show();
        Eingabeseite& e = *form.eingabe;
        QTest::mouseClick(e.Option1[0], Qt::LeftButton, {}, QPoint(6, 8));
        const int index = e.Querschnitt->findData(1);
        e.Querschnitt->setCurrentIndex(index);
        emit e.Querschnitt->activated(index);
        const std::pair<int, const char*> werte[] = {{0, "500"}, {1, "20"}, {2, "500"}, {3, "20"},
                                                     {4, "1000"}, {5, "10"}, {7, "400"}};
        // A refused run (an empty field) leaves no input file behind.
        QVERIFY(!form.zeigeQuerschnittswerte(0));
        QCOMPARE(rekorder.gezeigt.size(), size_t(1));
        QVERIFY(!QFile::exists(übergabedatei(lauf.pathben, 0)));
        QVERIFY(!QFile::exists(übergabedatei(lauf.pathben, 2)));
        for (const auto& [i, w] : werte)
            e.Abmessung[size_t(i)]->setText(QString::fromLatin1(w));
        // The stand-in writes no real result: the run ends with the message for a broken result file.
        QVERIFY(!form.zeigeQuerschnittswerte(0));
        QCOMPARE(rekorder.texte().last(), form.holeMessage(45));
        QVERIFY(QFile::exists(übergabedatei(lauf.pathben, 0)));
        QVERIFY(QFile::exists(übergabedatei(lauf.pathben, 1)));
        QCOMPARE(QDir::currentPath(), QDir::cleanPath(lauf.pathben));
        // Without an engine the user is told, and nothing is left waiting.
        QFile::remove(lauf.suite.exefiles() + "/" + programmdatei("Delmarix"));
        QVERIFY(!form.zeigeQuerschnittswerte(0));
        QVERIFY(rekorder.gezeigt.back().text.startsWith(form.holeMessage(42)));
        QVERIFY(!QFile::exists(übergabedatei(lauf.pathben, 2)));
        form.Rückkehrmodus = 9;
    }
};

QTEST_MAIN(TestRechenkernlauf)
#include "tst_rechenkernlauf.moc"
