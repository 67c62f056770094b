// Start-up from the hand-off, the close question, the return button and the yes/no dialog.
#include "Testhilfen.h"
#include "app/Form7.h"
#include "fenster/Hauptform.h"
#include "app/Start.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QComboBox>
#include <QGroupBox>
#include <QTest>
#include <memory>
#include <QTimer>

class TestStart : public QObject {
    Q_OBJECT

    struct Gestartet {
        QString programm, verzeichnis;
    };
    QList<Gestartet> m_gestartet;

private slots:
    void init()
    {
        m_gestartet.clear();
        programmstarter() = [this](const QString& p, const QString& v) {
            m_gestartet.append({p, v});
            return true;
        };
    }

    void startMitUmlautnameUndEnglisch()
    {
        Testsuite suite;
        suite.übergabe("\"Jörg Müller\"\r\n\"E\"\r\n");
        Meldungsrekorder rekorder;
        Hauptform form;
        QVERIFY(form.starte(suite.exefiles()));
        QVERIFY(rekorder.gezeigt.empty());
        QCOMPARE(form.Bearbeiter, QStringLiteral("Jörg Müller"));
        QCOMPARE(form.Oberflächensprache, QStringLiteral("E"));
        QCOMPARE(form.Printersprache, QStringLiteral("E"));
        QCOMPARE(form.pathbasis, QDir::cleanPath(suite.wurzel.path()));
        QCOMPARE(form.path0, suite.daten());
        QCOMPARE(form.pathtext, suite.texte());
        QCOMPARE(form.pathben, suite.daten() + "/Jörg Müller");
        QCOMPARE(form.TMPPATH, form.pathben);
        QVERIFY(QDir(form.pathben).exists());
        QCOMPARE(QDir::currentPath(), form.pathben);
        QVERIFY(!QFile::exists(suite.daten() + "/inifile2"));
        QVERIFY(form.Messagedatei.endsWith("/TEXTE/HauptformMessages.E"));
        // The window speaks English and the dialog buttons come from the message file.
        QCOMPARE(form.tastenreihe[9]->text(), QStringLiteral("Back"));
        QCOMPARE(form.eingabe->Option1[7]->text(), QStringLiteral("Two-cell box"));
        QVERIFY(!form.windowTitle().contains(QStringLiteral("Querschnitt")));
        QCOMPARE(form.dialog.jatext, QStringLiteral("Yes"));
        QCOMPARE(form.dialog.neintext, QStringLiteral("No"));
        QVERIFY(!form.holePrinttext(5).isEmpty());
        // No family is chosen and nothing but the families is shown.
        for (QRadioButton* option : form.eingabe->Option1)
            QVERIFY(!option->isChecked());
        QCOMPARE(form.Rückkehrmodus, qint16(-1));
        QCOMPARE(form.bericht.seitenzahl, qint16(0));
    }

    void ohneUebergabeKeinStart()
    {
        Testsuite suite;
        Meldungsrekorder rekorder;
        Hauptform form;
        QVERIFY(!form.starte(suite.exefiles()));
        QCOMPARE(rekorder.texte(), QStringList{"Start nur/only via Tarvello"});
        QCOMPARE(rekorder.gezeigt[0].symbol, Meldungssymbol::Stopp);
        QVERIFY(!form.isVisible());
    }

    void inifileNenntDatenverzeichnis()
    {
        Testsuite suite;
        QTemporaryDir anderswo;
        QDir().mkpath(anderswo.path() + "/TEXTE");
        schreibeDatei(suite.exefiles() + "/inifile", ('"' + anderswo.path() + "\"\r\n").toUtf8());
        schreibeDatei(anderswo.path() + "/inifile2", "\"BEARBEITER\",\"D\"\r\n");
        QCOMPARE(bestimmePath0(suite.wurzel.path()), anderswo.path());
        Meldungsrekorder rekorder;
        Hauptform form;
        QVERIFY(form.starte(suite.exefiles()));
        QCOMPARE(form.pathben, anderswo.path() + "/BEARBEITER");
        // The text files are missing there: reported, and start-up goes on with two distinct answers.
        QVERIFY(rekorder.texte().contains("Printtxt-File  fehlt/ missing"));
        QCOMPARE(form.dialog.jatext, QStringLiteral("Ja/Yes"));
        QCOMPARE(form.dialog.neintext, QStringLiteral("Nein/No"));
    }

    void inifileNenntFehlendesVerzeichnis()
    {
        Testsuite suite;
        const QString fehlt = suite.wurzel.path() + "/gibt es nicht";
        schreibeDatei(suite.exefiles() + "/inifile", ('"' + fehlt + "\"\r\n").toUtf8());
        Meldungsrekorder rekorder;
        Hauptform form;
        QVERIFY(!form.starte(suite.exefiles()));
        QCOMPARE(rekorder.texte(), QStringList{"Datenverzeichnis fehlt/Data directory missing: " + QDir::toNativeSeparators(fehlt)});
        QVERIFY(!QFile::exists(fehlt));
    }

    // Each name the folder or the engine's command line cannot carry, with its reason.
    void unzulaessigerBearbeiter_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("grund");
        QTest::newRow("leer") << "  " << 51;
        QTest::newRow("65 Zeichen") << QString(65, u'x') << 52;
        QTest::newRow("64 Zeichen") << QString(64, u'x') << 0;
        QTest::newRow("eltern") << ".." << 53;
        QTest::newRow("pfad hinaus") << "../../etc" << 53;
        QTest::newRow("schraegstrich") << "a/b" << 53;
        QTest::newRow("rueckstrich") << "a\\b" << 53;
        QTest::newRow("fragezeichen") << "a?b" << 53;
        QTest::newRow("stern") << "a*" << 53;
        QTest::newRow("senkrechter strich") << "a|b" << 53;
        QTest::newRow("punkt am ende") << "Anna." << 53;
        QTest::newRow("TEXTE") << "texte" << 54;
        QTest::newRow("inifile2") << "inifile2" << 54;
        QTest::newRow("geraet") << "NUL.txt" << 54;
        QTest::newRow("datei") << "Anna" << 55;
        QTest::newRow("Leerzeichen innen") << "Anna Berg" << 0;
    }
    void unzulaessigerBearbeiter()
    {
        QFETCH(QString, name);
        QFETCH(int, grund);
        Testsuite suite;
        schreibeDatei(suite.daten() + "/Anna", "eine Datei, kein Ordner");
        suite.übergabe(('"' + name + "\",\"D\"\r\n").toUtf8());
        Meldungsrekorder rekorder;
        Hauptform form;
        QCOMPARE(form.starte(suite.exefiles()), grund == 0);
        if (grund == 0)
            return;
        QCOMPARE(rekorder.texte(), QStringList{form.holeMessage(41) + u'\n' + form.holeMessage(grund)});
        QCOMPARE(QDir(suite.daten()).entryList(QDir::Dirs | QDir::NoDotAndDotDot), QStringList{"TEXTE"});
    }

    void zweiFensterEinOrdner()
    {
        Testsuite suite;
        suite.übergabe("\"Anna\"\r\n\"D\"\r\n");
        Meldungsrekorder rekorder;
        auto erstes = std::make_unique<Hauptform>();
        QVERIFY(erstes->starte(suite.exefiles()));
        suite.übergabe("\"Anna\"\r\n\"D\"\r\n");
        {
            Hauptform zweites;
            QVERIFY(!zweites.starte(suite.exefiles()));
            QCOMPARE(rekorder.gezeigt.size(), size_t(1));
            QVERIFY(rekorder.gezeigt[0].text.startsWith(zweites.holeMessage(46) + u' ' +
                                                        QDir::toNativeSeparators(suite.daten() + "/Anna")));
            zweites.Rückkehrmodus = 9;
        }
        // The folder is free again once the first window has gone.
        erstes->Rückkehrmodus = 9;
        erstes.reset();
        suite.übergabe("\"Anna\"\r\n\"D\"\r\n");
        Hauptform drittes;
        QVERIFY(drittes.starte(suite.exefiles()));
        drittes.Rückkehrmodus = 9;
    }

    void breitbild()
    {
        Hauptform schmal;
        const QSize vorher = schmal.size();
        const int bild = schmal.eingabe->Picture1->x();
        schmal.passeAnBildschirmAn(15345);
        QCOMPARE(schmal.Breitbild, 0);
        QCOMPARE(schmal.size(), vorher);

        Hauptform breit;
        const int frame = breit.eingabe->Steifenframe->width();
        const int taste = breit.tastenreihe[9]->x();
        const int ergebnis = breit.eingabe->Trägerergebnis->x();
        breit.passeAnBildschirmAn(15360);
        QCOMPARE(breit.eingabe->Trägerergebnis->x(), ergebnis + 1600 / 15);
        QCOMPARE(breit.Breitbild, 1);
        QCOMPARE(breit.width(), vorher.width() + 1600 / 15);
        QCOMPARE(breit.eingabe->Picture1->x(), bild + 1600 / 15);
        QCOMPARE(breit.eingabe->Steifenframe->width(), frame + 1600 / 15);
        QCOMPARE(breit.tastenreihe[9]->x(), taste + 1600 / 15);
        // The window fits on a screen 1024 pixels wide.
        QVERIFY(breit.width() <= 1024);
    }

    void schliessenFragt()
    {
        Testsuite suite;
        suite.übergabe("\"Anna\"\r\n\"D\"\r\n");
        Meldungsrekorder rekorder;
        Hauptform form;
        QVERIFY(form.starte(suite.exefiles()));
        form.show();
        rekorder.antwort = 7;
        QVERIFY(!form.close());
        QVERIFY(form.isVisible());
        QCOMPARE(rekorder.fragen, QStringList{form.holeMessage(1000)});
        QCOMPARE(rekorder.fokus, QList<int>{2});
        rekorder.antwort = 6;
        QVERIFY(form.close());
        QVERIFY(!form.isVisible());
    }

    void rueckkehrHinterlaesstUebergabe()
    {
        Testsuite suite;
        suite.übergabe("\"Jörg Müller\",\"E\"\r\n");
        Meldungsrekorder rekorder;
        Hauptform form;
        QVERIFY(form.starte(suite.exefiles()));
        form.show();
        QTest::mouseClick(form.tastenreihe[9], Qt::LeftButton);
        QVERIFY(rekorder.fragen.isEmpty());
        QVERIFY(!form.isVisible());
        QCOMPARE(form.Rückkehrmodus, qint16(9));
        QCOMPARE(leseDatei(suite.daten() + "/inifile2"), QByteArray("\"J\xC3\xB6rg M\xC3\xBCller\"\r\n\"E\"\r\n"));
        QCOMPARE(m_gestartet.size(), 1);
        QCOMPARE(m_gestartet[0].programm, QDir::cleanPath(suite.exefiles()) + "/" + programmdatei("TarvelloMain"));
        QCOMPARE(m_gestartet[0].verzeichnis, QDir::cleanPath(suite.exefiles()));
    }

    void familieFuelltFormenliste()
    {
        Testsuite suite;
        suite.übergabe("\"Anna\"\r\n\"D\"\r\n");
        Meldungsrekorder rekorder;
        Hauptform form;
        QVERIFY(form.starte(suite.exefiles()));
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QTest::mouseClick(form.eingabe->Option1[7], Qt::LeftButton, {}, QPoint(6, 8));
        QCOMPARE(form.eingabe->Querschnitt->count(), 9);
        QCOMPARE(form.eingabe->Querschnitt->itemData(0).toInt(), 311);
        QCOMPARE(form.eingabe->Querschnitt->currentText(), form.eingabe->Label1->text());
        rekorder.antwort = 6;
        form.close();
    }

    void dialogGeometrie_data()
    {
        QTest::addColumn<QString>("frage");
        QTest::addColumn<int>("zeilen");
        QTest::newRow("eine zeile") << "Beenden?" << 1;
        QTest::newRow("zwei zeilen") << "Erste\r\nZweite" << 2;
        QTest::newRow("crlf am ende") << "Beenden?\r\n" << 1;
        QTest::newRow("drei zeilen") << "a\r\nb\r\nc" << 3;
        QTest::newRow("vier zeilen") << "a\r\nb\r\nc\r\nd" << 4;
        QTest::newRow("fuenf zeilen gekuerzt") << "a\r\nb\r\nc\r\nd\r\ne" << 4;
        QTest::newRow("leer") << "" << 1;
    }
    void dialogGeometrie()
    {
        QFETCH(QString, frage);
        QFETCH(int, zeilen);
        const auto breite = [](const QString& s) { return int(s.size()) * 100; };
        const Form7Geometrie g = berechneForm7(form7Zeilen(frage), breite);
        QCOMPARE(g.zeilen, zeilen);
        QCOMPARE(g.hoehe, zeilen >= 3 ? 2025 + 240 : 2025);
        QCOMPARE(g.tastenOben, zeilen >= 3 ? 1560 : 1320);
        QCOMPARE(g.linksNein, g.breite - 1240);
        QCOMPARE(g.linksJa, g.breite - 2800);
        if (zeilen == 1)
            QCOMPARE(g.labelLinks[0], 3915 / 2 - breite(form7Zeilen(frage)[0]) / 2 - 100);
        else
            QCOMPARE(g.labelLinks[0], 240);
    }

    void langeZeileVerbreitert()
    {
        const Form7Geometrie g = berechneForm7({"kurz", QString(80, u'x')}, [](const QString& s) { return int(s.size()) * 100; });
        QCOMPARE(g.breite, 8000 + 500);
        QCOMPARE(g.linksNein, 8500 - 1240);
        const Form7Geometrie knapp = berechneForm7({QString(36, u'x')}, [](const QString& s) { return int(s.size()) * 100; });
        QCOMPARE(knapp.breite, 3915); // 3600 is not more than 3915 - 300
    }

    void dialogFokusUndAntwort()
    {
        Dialogvariablen v;
        v.fragetext = "Programm beenden?";
        v.focustaste = 2;
        v.jatext = "Yes";
        v.neintext = "No";
        Form7 dialog(v);
        QCOMPARE(dialog.Commandtaste(1)->text(), QStringLiteral("Yes"));
        QCOMPARE(dialog.Label1(1)->text(), QStringLiteral("Programm beenden?"));
        QVERIFY(!dialog.Label1(2)->isVisibleTo(&dialog));
        bool offenNachEscape = false, neinHatFokus = false;
        QTimer::singleShot(0, &dialog, [&] {
            // Neither Escape nor the close box leaves the dialog.
            QTest::keyClick(&dialog, Qt::Key_Escape);
            dialog.close();
            offenNachEscape = dialog.isVisible();
            neinHatFokus = dialog.focusWidget() == dialog.Commandtaste(2);
            QTest::keyClick(dialog.focusWidget(), Qt::Key_Return);
        });
        dialog.exec();
        QVERIFY(offenNachEscape);
        QVERIFY(neinHatFokus);
        QCOMPARE(v.iantwort, qint16(7));

        v.focustaste = 1;
        Form7 ja(v);
        QTimer::singleShot(0, &ja, [&] { QTest::keyClick(ja.focusWidget(), Qt::Key_Return); });
        ja.exec();
        QCOMPARE(v.iantwort, qint16(6));
    }
};

QTEST_MAIN(TestStart)
#include "tst_start.moc"
