// The sequential field reader and the four kinds of language file.
#include "Testhilfen.h"
#include "app/Feldleser.h"
#include "app/Sprachdateien.h"
#include "kern/Formen.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

class TestSprachdateien : public QObject {
    Q_OBJECT

    Testordner m_ordner;
    QString datei(const QString& name, const QByteArray& inhalt) { return m_ordner.datei(name, inhalt); }

private slots:
    void feldleser_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("felder");
        QTest::newRow("komma und zeilenende") << "1,\"Text\"\r\n2,drei\r\n" << QStringList{"1", "Text", "2", "drei"};
        QTest::newRow("komma nur in anfuehrungszeichen") << "\"a, b\",c" << QStringList{"a, b", "c"};
        QTest::newRow("fuehrende blanks") << "   7,   \"x\"" << QStringList{"7", "x"};
        QTest::newRow("blanks am ende ohne anfuehrungszeichen") << "a  ,b \t\r\nc  " << QStringList{"a", "b", "c"};
        QTest::newRow("blanks in anfuehrungszeichen bleiben") << "\" a \",b" << QStringList{" a ", "b"};
        QTest::newRow("leeres feld zwischen kommas") << "a,,b" << QStringList{"a", "", "b"};
        QTest::newRow("komma am zeilenende trennt nur einmal") << "a,\r\nb" << QStringList{"a", "b"};
        QTest::newRow("leerzeilen zaehlen nicht") << "a\r\n\r\n\r\nb\n" << QStringList{"a", "b"};
        QTest::newRow("nur lf") << "x\ny" << QStringList{"x", "y"};
        QTest::newRow("offenes anfuehrungszeichen endet an der zeile") << "\"abc\nd" << QStringList{"abc", "d"};
        QTest::newRow("leer") << "" << QStringList{};
    }
    void feldleser()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, felder);
        QCOMPARE(alleFelder(text), felder);
    }

    void dekodierung()
    {
        // "Jörg" in UTF-8 and in Windows-1252 reads the same; the euro sign lives at 0x80 in 1252.
        QCOMPARE(dekodiereText("J\xC3\xB6rg"), QStringLiteral("Jörg"));
        QCOMPARE(dekodiereText("J\xF6rg \x80"), QStringLiteral("Jörg €"));
        QCOMPARE(dekodiereText("\xEF\xBB\xBFx"), QStringLiteral("x"));
        QVERIFY(!leseTextdatei(m_ordner.pfad("gibtsnicht")));
    }

    void formtexteWerdenAngewendet()
    {
        QWidget fenster;
        auto* a = new QPushButton("Save", &fenster);
        auto* b = new QPushButton("Save", &fenster);
        auto* gruppe = new QGroupBox("Steg", &fenster);
        auto* label = new QLabel("Steg", gruppe);
        auto* feld = new QLineEdit("0", &fenster);
        auto* gitter = new QTableWidget(1, 1, &fenster);
        gitter->setProperty(kGitterformat, "<St|<L1|<L2");
        auto* gitter2 = new QTableWidget(1, 1, &fenster);
        gitter2->setProperty(kGitterformat, "x");
        a->setToolTip("Tipp");
        const QString pfad = datei("Fenster.E", "#1\r\n\"egal$Window title\"\r\n#2\r\n\"Save$Back\"\r\n"
                                                "#3\r\n\"Steg$Web\"\r\n#4\r\n\"<St|<L1|<L2$Row|Leg 1|Leg 2\"\r\n"
                                                "\"x$Only\"\r\n#5\r\n\"0$zero\"\r\n#6\r\n\"Tipp$Hint\"\r\n"
                                                "#2\r\n\"Web$Web $ again\"\r\n");
        Meldungsrekorder rekorder;
        ladeFormtexte(&fenster, pfad);
        QVERIFY(rekorder.gezeigt.empty());
        QCOMPARE(fenster.windowTitle(), QStringLiteral("Window title"));
        QCOMPARE(a->text(), QStringLiteral("Back"));
        QCOMPARE(b->text(), QStringLiteral("Back"));
        QCOMPARE(gruppe->title(), QStringLiteral("Web $ again")); // sections repeat; the value may hold "$"
        QCOMPARE(label->text(), QStringLiteral("Web $ again"));
        QCOMPARE(feld->text(), QStringLiteral("zero"));
        QCOMPARE(a->toolTip(), QStringLiteral("Hint"));
        QCOMPARE(gitter->columnCount(), 3);
        QCOMPARE(gitter->horizontalHeaderItem(2)->text(), QStringLiteral("Leg 2"));
        QCOMPARE(gitter2->horizontalHeaderItem(0)->text(), QStringLiteral("Only"));
    }

    void formtexteFehlerhaft_data()
    {
        QTest::addColumn<QByteArray>("inhalt");
        QTest::addColumn<QString>("knopf");
        QTest::addColumn<QString>("meldung");
        QTest::newRow("erster eintrag kein kopf") << QByteArray("\"Save$Back\"\r\n") << "Save" << "";
        QTest::newRow("unbekannter abschnitt") << QByteArray("#2\r\n\"Save$Back\"\r\n#9\r\n\"Back$x\"\r\n") << "Back" << "";
        QTest::newRow("eintrag ohne dollar stoppt, vorheriges bleibt")
            << QByteArray("#2\r\n\"Save$Back\"\r\nKaputt\r\n\"Back$Zurueck\"\r\n") << "Back" << "Kaputt";
        QTest::newRow("abschnitt 1 hat genau einen eintrag")
            << QByteArray("#1\r\n\"t$Titel\"\r\n\"Save$Back\"\r\n") << "Save" << "";
        QTest::newRow("windows-1252") << QByteArray("#2\r\n\"Save$Zur\xFC""ck\"\r\n") << "Zurück" << "";
    }
    void formtexteFehlerhaft()
    {
        QFETCH(QByteArray, inhalt);
        QFETCH(QString, knopf);
        QFETCH(QString, meldung);
        QWidget fenster;
        auto* taste = new QPushButton("Save", &fenster);
        Meldungsrekorder rekorder;
        ladeFormtexte(&fenster, datei("F.D", inhalt));
        QCOMPARE(taste->text(), knopf);
        if (meldung.isEmpty()) {
            QVERIFY(rekorder.gezeigt.empty());
        } else {
            QCOMPARE(rekorder.gezeigt.size(), size_t(1));
            QVERIFY(rekorder.gezeigt[0].text.startsWith("Fehler/Error in "));
            QVERIFY(rekorder.gezeigt[0].text.endsWith("Das $-Zeichen fehlt bei \n" + meldung));
            QCOMPARE(rekorder.gezeigt[0].symbol, Meldungssymbol::Keins);
        }
    }

    void formtexteFehlendeDatei()
    {
        QWidget fenster;
        fenster.setWindowTitle("bleibt");
        Meldungsrekorder rekorder;
        const QString pfad = m_ordner.pfad("Hauptform.X");
        ladeFormtexte(&fenster, pfad);
        QCOMPARE(fenster.windowTitle(), QStringLiteral("bleibt"));
        QCOMPARE(rekorder.texte(), QStringList{"File " + QDir::toNativeSeparators(pfad) + " fehlt/missing!"});
        QCOMPARE(rekorder.gezeigt[0].symbol, Meldungssymbol::Stopp);
    }

    void meldungen()
    {
        const QString pfad = datei("Messages.D", "7,\"erste; mit Komma\"\r\n7,\"zweite\"\r\nx,\"kaputt\"\r\n"
                                                 "13,Text;Komma\r\n");
        QCOMPARE(holeMessage(pfad, 7), QStringLiteral("erste, mit Komma"));
        QCOMPARE(holeMessage(pfad, 13), QStringLiteral("Text,Komma"));
        QCOMPARE(holeMessage(pfad, 163), QStringLiteral("Message-Text fehlt/missing:163"));
        QCOMPARE(holeMessage(m_ordner.pfad("fehlt"), 7), QStringLiteral("Message-File  fehlt/ missing"));
        // The file is read anew for each message.
        schreibeDatei(pfad, "7,\"neu\"\r\n");
        QCOMPARE(holeMessage(pfad, 7), QStringLiteral("neu"));
    }

    void printtexte()
    {
        Printtexte texte;
        Meldungsrekorder rekorder;
        const QString pfad = datei("Printtxt.D", "2,\"A\"\r\n2,\"B; C\"\r\n500,\"letzter\"\r\n501,\"zu weit\"\r\n"
                                                 "-1,\"negativ\"\r\nkeine,\"zahl\"\r\n");
        texte.ladePrinttexte(pfad);
        // A record without a number, and the page's texts 3 to 14 missing: told, not silently blank.
        QCOMPARE(rekorder.texte(), QStringList{textDateiBeschaedigt(pfad)});
        QCOMPARE(texte.holePrinttext(2), QStringLiteral("B, C"));
        QCOMPARE(texte.holePrinttext(500), QStringLiteral("letzter"));
        QCOMPARE(texte.holePrinttext(501), QString());
        QCOMPARE(texte.holePrinttext(3), QString());

        texte.ladePrinttexte(m_ordner.pfad("fehlt"));
        QCOMPARE(rekorder.texte().last(), QStringLiteral("Printtxt-File  fehlt/ missing"));
        QCOMPARE(texte.holePrinttext(2), QString());
    }

    void familienbereiche_data()
    {
        QTest::addColumn<int>("familie");
        QTest::addColumn<int>("nummer");
        QTest::addColumn<bool>("angeboten");
        const struct { int f, n; bool ja; } faelle[] = {
            {0, 1, true},    {0, 9, true},    {0, 10, false},  {1, 10, true},   {1, 19, true},  {1, 20, false},
            {2, 29, false},  {2, 30, true},   {2, 39, true},   {3, 1, false},   {3, 102, false}, {4, 199, false},
            {4, 200, true},  {4, 229, true},  {4, 230, false}, {5, 50, false},  {5, 51, true},  {5, 58, true},
            {5, 59, false},  {6, 110, false}, {6, 111, true},  {6, 119, true},  {7, 311, true}, {7, 319, true},
            {7, 320, false},
        };
        for (const auto& f : faelle)
            QTest::addRow("familie %d nummer %d", f.f, f.n) << f.f << f.n << f.ja;
    }
    void familienbereiche()
    {
        QFETCH(int, familie);
        QFETCH(int, nummer);
        QFETCH(bool, angeboten);
        QCOMPARE(familieBietet(familie, nummer), angeboten);
    }

    void querschnittslisteInDateireihenfolge()
    {
        const QString pfad = datei("Combo.D", "1,12,\"Zwölf\"\r\n2,11,\"andere Gruppe\"\r\n1,11,\"Elf\"\r\n"
                                              "1,31,\"Mitte\"\r\n1,x,\"kaputt\"\r\n");
        QComboBox liste;
        liste.setEditable(true);
        Meldungsrekorder rekorder;
        ladeQuerschnittsliste(&liste, "Querschnittsform", pfad, 1);
        QCOMPARE(liste.count(), 2);
        QCOMPARE(liste.itemText(0), QStringLiteral("Zwölf"));
        QCOMPARE(liste.itemData(1).toInt(), 11);
        QCOMPARE(liste.currentText(), QStringLiteral("Querschnittsform"));

        QCOMPARE(rekorder.texte(), QStringList{textDateiBeschaedigt(pfad)}); // "1,x" is no record
        ladeQuerschnittsliste(&liste, "Querschnittsform", m_ordner.pfad("Combo.X"), 1);
        QCOMPARE(liste.count(), 0);
        QCOMPARE(rekorder.gezeigt.size(), size_t(2));
        QCOMPARE(rekorder.gezeigt[1].symbol, Meldungssymbol::Stopp);
    }

    // The shipped language files: every message the program uses exists in both languages.
    void mitgelieferteDateienVollstaendig()
    {
        const QDir daten(qEnvironmentVariable("TARVELLO_DATEN"));
        const int benutzt[] = {1,  2,  3,  4,  5,  10, 12, 13, 14,  17,   19,   20,   21, 25,
                               27, 28, 30, 31, 32, 33, 40, 41, 163, 1000, 1001, 1002, 42, 43, 44, 45};
        for (const char* sprache : {"D", "E"}) {
            const QString messages = daten.filePath(QStringLiteral("HauptformMessages.") + sprache);
            for (int n : benutzt)
                QVERIFY2(!holeMessage(messages, n).contains("fehlt/"), qPrintable(QString("%1 %2").arg(sprache).arg(n)));
            Printtexte texte;
            texte.ladePrinttexte(daten.filePath(QStringLiteral("HauptformPrinttxt.") + sprache));
            for (int n = 2; n <= 14; ++n)
                QVERIFY2(!texte.holePrinttext(n).isEmpty(), qPrintable(QString("%1 %2").arg(sprache).arg(n)));
            const Formtexte fenster = leseFormtexte(daten.filePath(QStringLiteral("Hauptform.") + sprache));
            QVERIFY(!fenster.dateiFehlt && !fenster.eintragOhneDollar && !fenster.eintraege.empty());
            int formen = 0;
            for (int familie = 0; familie < 8; ++familie)
                formen += int(leseQuerschnittsliste(daten.filePath(QStringLiteral("Combo.") + sprache), familie)->size());
            QCOMPARE(formen, 6 + 9 + 6 + 18 + 6 + 9 + 9);
        }
    }
};

QTEST_MAIN(TestSprachdateien)
#include "tst_sprachdateien.moc"
