// The sequential field reader and the four kinds of language file.
#include "Testhilfen.h"
#include "kern/Feldleser.h"
#include "app/Sprachdateien.h"

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

private slots:
    // Fields from bytes: UTF-8 where they are valid UTF-8, else Windows-1252.
    void feldleser_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QStringList>("felder");
        QTest::newRow("komma und crlf") << QByteArray("1,\"Text\"\r\n2,drei\r\n") << QStringList{"1", "Text", "2", "drei"};
        QTest::newRow("komma in anfuehrungszeichen") << QByteArray("  \"a, b\",  c") << QStringList{"a, b", "c"};
        QTest::newRow("endblanks ohne anfuehrungszeichen") << QByteArray("a  ,b \t\r\nc  ") << QStringList{"a", "b", "c"};
        QTest::newRow("blanks in anfuehrungszeichen") << QByteArray("\" a \",b") << QStringList{" a ", "b"};
        QTest::newRow("leeres feld, komma am zeilenende") << QByteArray("a,,b,\r\nc") << QStringList{"a", "", "b", "c"};
        QTest::newRow("leerzeilen, nur lf") << QByteArray("a\r\n\r\n\n \nb\nc") << QStringList{"a", "b", "c"};
        QTest::newRow("offenes anfuehrungszeichen") << QByteArray("\"abc\nd") << QStringList{"abc", "d"};
        QTest::newRow("utf-8 mit bom") << QByteArray("\xEF\xBB\xBFJ\xC3\xB6rg") << QStringList{"Jörg"};
        QTest::newRow("windows-1252") << QByteArray("J\xF6rg \x80\x9F") << QStringList{"Jörg €Ÿ"};
        QTest::newRow("strg-z am ende") << QByteArray("a,b\r\n\x1A") << QStringList{"a", "b"};
    }
    void feldleser()
    {
        QFETCH(QByteArray, text);
        QFETCH(QStringList, felder);
        QCOMPARE(alleFelder(dekodiereText(text)), felder);
    }

    void formtexteWerdenAngewendet()
    {
        QWidget fenster;
        auto* a = new QPushButton("Save", &fenster);
        auto* b = new QPushButton("Save", &fenster);
        auto* label = new QLabel("Steg", new QGroupBox("Steg", &fenster));
        auto* feld = new QLineEdit("0", &fenster);
        auto* gitter = new QTableWidget(1, 1, &fenster);
        gitter->setProperty(kGitterformat, "<St|<L1");
        a->setToolTip("Tipp");
        Meldungsrekorder rekorder;
        ladeFormtexte(&fenster, m_ordner.datei("F.E", "#1\r\n\"egal$Title\"\r\n#2\r\n\"Save$Zur\xFC""ck\"\r\n#3\r\n\"Steg$Web\"\r\n"
                                                      "#4\r\n\"<St|<L1$Row|Leg 1\"\r\n#5\r\n\"0$zero\"\r\n#6\r\n\"Tipp$Hint\"\r\n"
                                                      "#2\r\n\"Web$Web $ again\"\r\n"));
        QVERIFY(rekorder.gezeigt.empty());
        QCOMPARE(fenster.windowTitle(), QStringLiteral("Title"));
        QCOMPARE(a->text() + b->text(), QStringLiteral("ZurückZurück")); // the file is in Windows-1252
        QCOMPARE(label->text(), QStringLiteral("Web $ again")); // sections repeat; a value may hold "$"
        QCOMPARE(qobject_cast<QGroupBox*>(label->parent())->title(), QStringLiteral("Web $ again"));
        QCOMPARE(feld->text(), QStringLiteral("zero"));
        QCOMPARE(a->toolTip(), QStringLiteral("Hint"));
        QCOMPARE(gitter->horizontalHeaderItem(1)->text(), QStringLiteral("Leg 1"));
    }

    // A broken entry stops the reading, what came before it stays; a missing file changes nothing. Both are told.
    void formtexteFehlerhaft()
    {
        QWidget fenster;
        auto* taste = new QPushButton("Save", &fenster);
        Meldungsrekorder rekorder;
        const QString kaputt = m_ordner.datei("F.D", "#2\r\n\"Save$Back\"\r\nKaputt\r\n\"Back$Zurueck\"\r\n");
        ladeFormtexte(&fenster, kaputt);
        ladeFormtexte(&fenster, m_ordner.pfad("fehlt.D"));
        QCOMPARE(taste->text(), QStringLiteral("Back"));
        QCOMPARE(rekorder.texte(), (QStringList{"Fehler/Error in " + QDir::toNativeSeparators(kaputt) + "\nDas $-Zeichen fehlt bei \nKaputt",
                                                "File " + QDir::toNativeSeparators(m_ordner.pfad("fehlt.D")) + " fehlt/missing!"}));
    }

    void meldungen()
    {
        const QString pfad = m_ordner.datei("Messages.D", "7,\"erste; mit Komma\"\r\n7,\"zweite\"\r\nx,\"kaputt\"\r\n13,T;K\r\n"
                                                          "-32768,\"kleinste\"\r\n");
        QCOMPARE(holeMessage(pfad, 7), QStringLiteral("erste, mit Komma"));
        QCOMPARE(holeMessage(pfad, 13), QStringLiteral("T,K"));
        QCOMPARE(holeMessage(pfad, -32768), QStringLiteral("kleinste"));
        QCOMPARE(holeMessage(pfad, 163), QStringLiteral("Message-Text fehlt/missing:163"));
        QCOMPARE(holeMessage(m_ordner.pfad("fehlt"), 7), QStringLiteral("Message-File  fehlt/ missing"));
        schreibeDatei(pfad, "7,\"neu\"\r\n"); // read anew for each message
        QCOMPARE(holeMessage(pfad, 7), QStringLiteral("neu"));
    }

    // The result page needs texts 2 to 19, the design check and the file buttons 31 to 63: a gap, a
    // record without a number or a missing file is told.
    void printtexte()
    {
        QByteArray ganz = "500,\"letzter\"\r\n501,\"zu weit\"\r\n";
        for (int n = 2; n <= 63; n += n == 19 ? 12 : 1)
            ganz += QByteArray::number(n) + ",\"T; " + QByteArray::number(n) + "\"\r\n";
        for (const QByteArray& inhalt : {ganz, QByteArray(ganz).replace("7,\"T; 7\"\r\n", ""),
                                         QByteArray(ganz).replace("\n58,", "\n"), QByteArray(ganz).replace("\n31,\"T; 31\"\r\n", "\n"),
                                         ganz + "x,\"y\"", QByteArray()}) {
            Printtexte texte;
            const QString pfad = inhalt.isNull() ? m_ordner.pfad("fehlt") : m_ordner.datei("Printtxt.D", inhalt);
            const Textdateistand stand = texte.ladePrinttexte(pfad);
            QCOMPARE(stand, inhalt.isNull() ? Textdateistand::Fehlt
                            : inhalt == ganz ? Textdateistand::Heil
                                             : Textdateistand::Beschaedigt);
            const QString meldung = inhalt.isNull() ? "Printtxt-File  fehlt/ missing" : textDateiBeschaedigt(pfad);
            QCOMPARE(textPrinttexte(stand, pfad), inhalt == ganz ? QString() : meldung);
            QCOMPARE(texte.holePrinttext(2) + texte.holePrinttext(500) + texte.holePrinttext(501),
                     inhalt.isNull() ? "" : "T, 2letzter");
        }
    }

    void querschnittslisteInDateireihenfolge()
    {
        const QString pfad = m_ordner.datei("Combo.D", "1,12,\"Zwölf\"\r\n2,11,\"andere Gruppe\"\r\n1,11,\"Elf\"\r\n"
                                                       "1,31,\"andere Familie\"\r\n1,x,\"kaputt\"\r\n");
        QComboBox liste;
        liste.setEditable(true);
        Meldungsrekorder rekorder;
        ladeQuerschnittsliste(&liste, "Querschnittsform", pfad, 1);
        QCOMPARE(liste.count(), 2);
        QCOMPARE(liste.itemText(0) + liste.itemText(1) + liste.itemData(1).toString(), QStringLiteral("ZwölfElf11"));
        QCOMPARE(liste.currentText(), QStringLiteral("Querschnittsform"));
        QCOMPARE(rekorder.texte(), QStringList{textDateiBeschaedigt(pfad)}); // "1,x" is no record
        ladeQuerschnittsliste(&liste, "Querschnittsform", m_ordner.pfad("Combo.X"), 1);
        QCOMPARE(liste.count(), 0);
        QCOMPARE(rekorder.texte().last(), textDateiFehlt(m_ordner.pfad("Combo.X")));
    }

    // A form opened from a file stands in the window's list only where the list file names it.
    void listeNenntForm()
    {
        const QString pfad = m_ordner.datei("Combo.D", "1,12,\"Zwölf\"\r\n2,13,\"andere Gruppe\"\r\n");
        QVERIFY(::listeNenntForm(pfad, 1, 12));
        QVERIFY(!::listeNenntForm(pfad, 1, 13));
        QVERIFY(!::listeNenntForm(pfad, 2, 12));
        QVERIFY(!::listeNenntForm(m_ordner.pfad("Combo.X"), 1, 12));
    }

    // Every text the program asks for is there, in both languages.
    void mitgelieferteDateienVollstaendig()
    {
        const QDir daten(qEnvironmentVariable("TARVELLO_DATEN"));
        QList<int> benutzt{1, 2, 3, 4, 5, 10, 12, 13, 14, 17, 19, 20, 21, 25, 27, 28, 30, 31, 32, 33, 163, 1000, 1001, 1002, 1003};
        for (int n = 40; n <= 77; ++n)
            benutzt.append(n);
        for (const char* sprache : {"D", "E"}) {
            const QString messages = daten.filePath(QStringLiteral("HauptformMessages.") + sprache);
            for (int n : benutzt)
                QVERIFY2(!holeMessage(messages, n).contains("fehlt/"), qPrintable(QString("%1 %2").arg(sprache).arg(n)));
            Printtexte texte;
            QVERIFY2(texte.ladePrinttexte(daten.filePath(QStringLiteral("HauptformPrinttxt.") + sprache)) ==
                         Textdateistand::Heil,
                     sprache);
            const QString launcher = daten.filePath(QStringLiteral("TarvelloMain.") + sprache);
            for (int n = 1; n <= 40; ++n)
                if (n < 34 || n > 37) // a batch file's refusal is the window's message
                    QVERIFY2(!holeMessage(launcher, n).contains("fehlt/"), qPrintable(QString("%1 %2").arg(sprache).arg(n)));
            bool heil = false;
            int formen = 0;
            for (int familie = 0; familie < 8; ++familie)
                formen += int(leseQuerschnittsliste(daten.filePath(QStringLiteral("Combo.") + sprache), familie, &heil)->size());
            QVERIFY(heil);
            QCOMPARE(formen, 6 + 9 + 6 + 18 + 6 + 9 + 9);
        }
    }
};

QTEST_MAIN(TestSprachdateien)
#include "tst_sprachdateien.moc"
