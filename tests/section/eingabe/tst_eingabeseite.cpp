// The input side with real widgets, focus and keys: layout per form, checks on
// leaving a field, navigation, profile lists and the rail and profile options.
#include "Testhilfen.h"
#include "fenster/Hauptform.h"
#include "section/Eingabeseite.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QFile>
#include <QTest>

class TestEingabeseite : public QObject {
    Q_OBJECT

    Testsuite* m_suite = nullptr;
    Hauptform* m_form = nullptr;
    Meldungsrekorder* m_rekorder = nullptr;
    Eingabeseite* e = nullptr;

    // Clicks the option on its round mark, where a user aims.
    void waehleFamilie(int familie)
    {
        QRadioButton* option = e->Option1[size_t(familie)];
        QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(6, option->height() / 2));
    }
    void waehleForm(int c)
    {
        const int index = e->Querschnitt->findData(c);
        QVERIFY2(index >= 0, qPrintable(QString::number(c)));
        e->Querschnitt->setCurrentIndex(index);
        emit e->Querschnitt->activated(index);
    }
    void waehle(int familie, int c)
    {
        waehleFamilie(familie);
        waehleForm(c);
    }
    // Types into a field as a user does and leaves it with Tab.
    void tippeUndVerlasse(QLineEdit* feld, const QString& text)
    {
        feld->setFocus();
        QTRY_VERIFY(feld->hasFocus());
        feld->selectAll();
        QTest::keyClicks(feld, text);
        QTest::keyClick(feld, Qt::Key_Tab);
        QTest::qWait(20);
    }
    QStringList meldungen() const { return m_rekorder->texte(); }
    QString message(int n) const { return m_form->holeMessage(n); }

private slots:
    void init()
    {
        m_suite = new Testsuite;
        m_suite->übergabe("\"Test\"\r\n\"D\"\r\n");
        m_rekorder = new Meldungsrekorder;
        m_form = new Hauptform;
        QVERIFY(m_form->starte(m_suite->exefiles()));
        e = m_form->eingabe;
        m_form->show();
        QVERIFY(QTest::qWaitForWindowActive(m_form));
    }
    void cleanup()
    {
        m_form->Rückkehrmodus = 9;
        delete m_form;
        delete m_rekorder;
        delete m_suite;
    }

    void ohneFamilieNurDieOptionen()
    {
        QVERIFY(!e->Querschnitt->isVisible());
        QVERIFY(!e->Querschnittsdatenframe1->isVisible());
        QVERIFY(!e->Picture1->isVisible());
        QVERIFY(!e->Trägerergebnis->isVisible());
    }

    void formZeigtIhreGruppen_data()
    {
        QTest::addColumn<int>("familie");
        QTest::addColumn<int>("c");
        QTest::addColumn<QString>("erwartet"); // angle, web 2, web profile, rail, cell 2, field 13, stiffeners, bottom flange
        QTest::newRow("1") << 0 << 1 << "10000001";
        QTest::newRow("5") << 0 << 5 << "10000011";
        QTest::newRow("15") << 1 << 15 << "11010011";
        QTest::newRow("36") << 2 << 36 << "10010011";
        QTest::newRow("201") << 4 << 201 << "01010101";
        QTest::newRow("225") << 4 << 225 << "01110111";
        QTest::newRow("51") << 5 << 51 << "10100000";
        QTest::newRow("53") << 5 << 53 << "10100010";
        QTest::newRow("112") << 6 << 112 << "01110011";
        QTest::newRow("311") << 7 << 311 << "01011001";
    }
    void formZeigtIhreGruppen()
    {
        QFETCH(int, familie);
        QFETCH(int, c);
        QFETCH(QString, erwartet);
        // Choosing the form twice gives the same layout.
        for (int mal = 0; mal < 2; ++mal) {
            waehle(familie, c);
            const QString ist = QString("%1%2%3%4%5%6%7%8")
                                    .arg(int(e->Abmessung[14]->isVisible()))
                                    .arg(int(e->Abmessung[6]->isVisible()))
                                    .arg(int(e->Combo1[2]->isVisible()))
                                    .arg(int(e->Schienenframe->isVisible()))
                                    .arg(int(e->Zell2_Frame->isVisible()))
                                    .arg(int(e->Abmessung[13]->isVisible()))
                                    .arg(int(e->Steifenframe->isVisible()))
                                    .arg(int(e->Abmessung[2]->isVisible()));
            QCOMPARE(ist, erwartet);
            QCOMPARE(e->Querschnittsnummer, qint16(c));
            QCOMPARE(e->Stort[4]->text(), QStringLiteral("50"));
            QVERIFY(e->Abmessung[0]->hasFocus());
            QVERIFY(e->Picture1->isVisible());
            QVERIFY(e->Trägerergebnis->isVisible());
        }
    }

    void familie2UndForm36()
    {
        e->ASchiene->setCurrentText("A65");
        waehle(2, 36);
        QVERIFY(e->Abmessungslabel[8]->isVisible());
        QVERIFY(!e->Abmessungslabel[7]->isVisible());
        QCOMPARE(e->ASchiene->currentText(), QStringLiteral("A-Sch"));
        QVERIFY(e->Stort[4]->isVisible() && !e->Stort[4]->isEnabled());
        QVERIFY(!e->Stort[0]->isVisible());
        QVERIFY(e->Stegtext1[4]->isVisible());
    }

    void winkelNachFamilie1()
    {
        waehle(1, 15);
        e->Abmessung[14]->setText("5");
        waehle(4, 215);
        QVERIFY(!e->Abmessung[14]->isVisible());
        QCOMPARE(e->Abmessung[14]->text(), QStringLiteral("0"));
        // The web rows make room for the second web height.
        QVERIFY(e->Abmessung[6]->y() > e->Abmessung[5]->y());
        waehle(1, 15);
        QCOMPARE(e->Abmessung[6]->y(), e->Abmessung[5]->y());
    }

    void zweizellerUndFamilienwechsel()
    {
        waehle(7, 311);
        QVERIFY(!e->StegLabel4->isVisible() && !e->StegLabel5->isVisible());
        QCOMPARE(e->Abmessung[14]->text(), QStringLiteral("0"));
        // A new family goes back to the list: the groups of the form disappear.
        waehleFamilie(0);
        QVERIFY(!e->Querschnittsdatenframe1->isVisible());
        QVERIFY(!e->Trägerergebnis->isVisible());
        QCOMPARE(e->Querschnitt->count(), 6);
    }

    // Key presses and releases one by one, in the orders Qt delivers them.
    void formlisteBehaeltIhrenText()
    {
        waehle(0, 2);
        const QString name = e->Querschnittsname;
        tippeUndVerlasse(e->Abmessung[0], "500");
        // Escape and a typed letter in the list, and Shift+Tab from BO into it.
        e->Querschnitt->setFocus();
        QTRY_VERIFY(e->Querschnitt->hasFocus());
        for (Qt::Key taste : {Qt::Key_Escape, Qt::Key_X, Qt::Key_Backspace}) {
            QTest::keyPress(e->Querschnitt, taste);
            QTest::keyRelease(e->Querschnitt, taste);
        }
        e->Abmessung[0]->setFocus();
        QTest::keyPress(e->Abmessung[0], Qt::Key_Backtab, Qt::ShiftModifier);
        QTest::keyRelease(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(e->Querschnitt->currentText(), name);
        QCOMPARE(e->Querschnittsname, name);
        QCOMPARE(e->Abmessung[0]->text(), QStringLiteral("500"));
    }

    // The release of the key that chose a form arrives in BO without its press.
    void formMitTastenGewaehlt()
    {
        waehle(0, 2);
        e->Querschnitt->setFocus();
        QTRY_VERIFY(e->Querschnitt->hasFocus());
        QTest::keyPress(e->Querschnitt, Qt::Key_Down);
        QCOMPARE(e->Querschnittsnummer, qint16(3));
        QTest::keyRelease(QApplication::focusWidget(), Qt::Key_Down);
        QVERIFY(e->Abmessung[0]->hasFocus());
        e->Querschnitt->setFocus();
        QTest::keyClick(e->Querschnitt, Qt::Key_F4);
        QTRY_VERIFY(e->Querschnitt->view()->isVisible());
        QTest::keyClick(e->Querschnitt->view(), Qt::Key_Down);
        QTest::keyPress(e->Querschnitt->view(), Qt::Key_Return);
        QTRY_COMPARE(e->Querschnittsnummer, qint16(4));
        QTest::keyRelease(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(e->Abmessung[0]->hasFocus());
    }

    // Left from one place after the start and Right from one place before the end leave at once.
    void pfeiltastenNachDemSchritt()
    {
        waehle(0, 2);
        e->Abmessung[1]->setText("12");
        e->Abmessung[1]->setFocus();
        QTRY_VERIFY(e->Abmessung[1]->hasFocus());
        e->Abmessung[1]->setCursorPosition(1);
        QTest::keyClick(e->Abmessung[1], Qt::Key_Left);
        QVERIFY(e->Abmessung[0]->hasFocus());
        e->Abmessung[0]->setText("34");
        e->Abmessung[0]->setCursorPosition(1);
        QTest::keyClick(e->Abmessung[0], Qt::Key_Right);
        QVERIFY(e->Abmessung[1]->hasFocus());
        e->Abmessung[1]->setCursorPosition(2);
        QTest::keyClick(e->Abmessung[1], Qt::Key_Left);
        QVERIFY(e->Abmessung[1]->hasFocus());
    }

    // A refused value after a switch to another window brings back the value from before.
    void fensterwechselBehaeltAltenWert()
    {
        waehle(0, 2);
        tippeUndVerlasse(e->Abmessung[0], "480");
        e->Abmessung[0]->setFocus();
        QTRY_VERIFY(e->Abmessung[0]->hasFocus());
        e->Abmessung[0]->selectAll();
        QTest::keyClicks(e->Abmessung[0], "0");
        QFocusEvent weg(QEvent::FocusOut, Qt::ActiveWindowFocusReason), zurueck(QEvent::FocusIn, Qt::ActiveWindowFocusReason);
        QApplication::sendEvent(e->Abmessung[0], &weg);
        QApplication::sendEvent(e->Abmessung[0], &zurueck);
        QVERIFY(meldungen().isEmpty());
        QTest::keyClick(e->Abmessung[0], Qt::Key_Tab);
        QCOMPARE(meldungen(), QStringList{message(4)});
        QCOMPARE(e->Abmessung[0]->text(), QStringLiteral("480"));
    }

    void schieneMitDerTastatur()
    {
        waehle(1, 12);
        QTest::mouseClick(e->Schienemittragend, Qt::LeftButton);
        e->ASchiene->setFocus();
        QTRY_VERIFY(e->ASchiene->hasFocus());
        QTest::keyClick(e->ASchiene, Qt::Key_Down);
        QCOMPARE(e->ASchiene->currentText(), QStringLiteral("A45"));
        QTest::keyClick(e->ASchiene, Qt::Key_A); // no free typing
        QCOMPARE(e->ASchiene->currentText(), QStringLiteral("A45"));
        QTest::keyClick(e->ASchiene, Qt::Key_Down, Qt::AltModifier);
        QTRY_VERIFY(e->ASchiene->view()->isVisible());
        QTest::keyClick(e->ASchiene->view(), Qt::Key_Down);
        QTest::keyClick(e->ASchiene->view(), Qt::Key_Return);
        QTRY_COMPARE(e->ASchiene->currentText(), QStringLiteral("A55"));
    }

    // Without the form list's file the family is still chosen, and "H-Prof." needs no list.
    void ohneFormlistenDatei()
    {
        QFile::remove(m_suite->texte() + "/Combo.D");
        waehleFamilie(1);
        QVERIFY(e->Option1[1]->isChecked());
        QCOMPARE(meldungen().size(), 1);
        waehleFamilie(3);
        QVERIFY(e->Option1[3]->isChecked() && e->FrameHprofil->isVisible());
        QCOMPARE(meldungen().size(), 1);
    }

    void pruefungBeimVerlassen()
    {
        waehle(1, 15);
        tippeUndVerlasse(e->Abmessung[0], "12,5");
        QCOMPARE(e->Abmessung[0]->text(), QStringLiteral("12.5"));
        QVERIFY(meldungen().isEmpty());

        e->Abmessung[3]->setText("8");
        tippeUndVerlasse(e->Abmessung[3], "0");
        QCOMPARE(meldungen(), QStringList{message(4)});
        QCOMPARE(e->Abmessung[3]->text(), QStringLiteral("8"));
        QTRY_VERIFY(e->Abmessung[3]->hasFocus());

        tippeUndVerlasse(e->Abmessung[14], "30,01");
        QCOMPARE(meldungen().last(), message(13));
        QCOMPARE(e->Abmessung[14]->text(), QStringLiteral("0"));
        tippeUndVerlasse(e->Abmessung[14], "-30");
        QCOMPARE(e->Abmessung[14]->text(), QStringLiteral("-30"));

        tippeUndVerlasse(e->Abmessung[4], "1.2.3");
        QCOMPARE(meldungen().last(), message(1));
        QCOMPARE(e->Abmessung[4]->text(), QString());

        const int anzahl = int(meldungen().size());
        e->Abmessung[5]->setText("12");
        tippeUndVerlasse(e->Abmessung[5], "");
        QCOMPARE(meldungen().size(), anzahl); // empty is accepted, reported only at calculation
    }

    void steifenpruefung()
    {
        waehle(1, 19);
        tippeUndVerlasse(e->Stort[0], "2");
        QCOMPARE(meldungen(), QStringList{message(14)});
        tippeUndVerlasse(e->Stort[0], "2,5");
        QCOMPARE(e->Stort[0]->text(), QStringLiteral("2.5"));
        tippeUndVerlasse(e->StLang2[1], "0");
        tippeUndVerlasse(e->StLang1[1], "0.5");
        tippeUndVerlasse(e->StDick[1], "0.5");
        QCOMPARE(meldungen(), (QStringList{message(14), message(4), message(4)}));
        QCOMPARE(e->StLang2[1]->text(), QStringLiteral("0"));
    }

    void markierung()
    {
        waehle(0, 2);
        QTRY_VERIFY(e->Abmessung[0]->hasFocus());
        QCOMPARE(e->Abmessung[0]->palette().color(QPalette::Base), QColor(255, 255, 128));
        QTest::keyClick(e->Abmessung[0], Qt::Key_Tab);
        QCOMPARE(e->Abmessung[0]->palette().color(QPalette::Base), QColor(255, 255, 255));
    }

    void navigation()
    {
        waehle(0, 2);
        e->Abmessung[4]->setFocus();
        QTRY_VERIFY(e->Abmessung[4]->hasFocus());
        QTest::keyClick(e->Abmessung[4], Qt::Key_Down);
        QVERIFY(e->Abmessung[14]->hasFocus());
        QTest::keyClick(e->Abmessung[14], Qt::Key_Return);
        QVERIFY(e->Abmessung[7]->hasFocus());
        QCOMPARE(e->Abmessung[14]->text(), QStringLiteral("0")); // Enter typed no character
        // The rail group is hidden for family 0: Enter in field 7 stays.
        e->Abmessung[7]->setFocus();
        QTest::keyClick(e->Abmessung[7], Qt::Key_Return);
        QVERIFY(e->Abmessung[7]->hasFocus());
        // Right in field 1 never leaves it.
        e->Abmessung[1]->setFocus();
        e->Abmessung[1]->setText("12");
        e->Abmessung[1]->setCursorPosition(2);
        QTest::keyClick(e->Abmessung[1], Qt::Key_Right);
        QVERIFY(e->Abmessung[1]->hasFocus());

        waehle(7, 311);
        e->Abmessung[4]->setFocus();
        QTest::keyClick(e->Abmessung[4], Qt::Key_Down);
        QVERIFY(e->Abmessung[4]->hasFocus()); // the web angle is hidden for two cells
        QTest::keyClick(e->Abmessung[4], Qt::Key_Return);
        QVERIFY(e->Abmessung[5]->hasFocus());
    }

    void steifennavigation()
    {
        waehle(1, 16);
        e->Stort[0]->setFocus();
        QTRY_VERIFY(e->Stort[0]->hasFocus());
        QTest::keyClick(e->Stort[0], Qt::Key_Down);
        QVERIFY(e->Stort[0]->hasFocus());
        e->StLang1[0]->setFocus();
        QTest::keyClick(e->StLang1[0], Qt::Key_Down);
        QVERIFY(e->StLang1[4]->hasFocus());
        QTest::keyClick(e->StLang1[4], Qt::Key_Down);
        QVERIFY(e->StLang1[4]->hasFocus());
    }

    void walzprofil()
    {
        waehleFamilie(3);
        QVERIFY(e->FrameHprofil->isVisible());
        QVERIFY(!e->Querschnitt->isVisible());
        e->Combo1[0]->setCurrentText("HEB");
        e->profillisteGeklickt(0);
        QVERIFY(e->Typ->text().isEmpty());
        QVERIFY(!e->Trägerergebnis->isVisible());
        e->Combo1[1]->setCurrentText("300");
        e->profillisteGeklickt(1);
        QCOMPARE(e->Typ->text(), QStringLiteral("HEB300"));
        QStringList werte;
        for (int i = 0; i < 5; ++i)
            werte << e->hwert[size_t(i)]->text();
        QCOMPARE(werte, (QStringList{"300", "300", "11", "19", "27"}));
        QVERIFY(e->Trägerergebnis->isVisible());
        // The blank size empties the designation and leaves the values.
        e->Combo1[1]->setCurrentIndex(0);
        e->profillisteGeklickt(1);
        QVERIFY(e->Typ->text().isEmpty());
        QCOMPARE(e->hwert[0]->text(), QStringLiteral("300"));
        // IPE switches to its own size list.
        e->Combo1[0]->setCurrentText("IPE");
        e->profillisteGeklickt(0);
        QVERIFY(e->Combo1[4]->isVisible() && !e->Combo1[1]->isVisible());
        QVERIFY(e->Typ->text().isEmpty());
        e->Combo1[4]->setCurrentText("240");
        e->profillisteGeklickt(4);
        QCOMPARE(e->Typ->text(), QStringLiteral("IPE240"));
        QCOMPARE(e->hwert[1]->text(), QStringLiteral("120"));
        // A rolled-profile value is checked as it is left.
        tippeUndVerlasse(e->hwert[4], "0");
        QVERIFY(meldungen().isEmpty());
        tippeUndVerlasse(e->hwert[4], "-1");
        tippeUndVerlasse(e->hwert[0], "0");
        QCOMPARE(meldungen(), (QStringList{message(5), message(4)}));
    }

    void stegprofil()
    {
        waehle(5, 51);
        // The web profile is the chosen series' size, whatever the rolled-profile lists hold.
        e->Combo1[4]->setCurrentText("200");
        e->Combo1[4]->show();
        e->Combo1[2]->setCurrentText("HEA");
        QVERIFY(e->querschnitt().stegprofil.H.isEmpty());
        e->Combo1[3]->setCurrentText("220");
        QCOMPARE(e->querschnitt().stegprofil.H, QStringLiteral("210"));
        QVERIFY(e->hwert[0]->text().isEmpty());
    }

    void schieneMittragend()
    {
        waehle(1, 12);
        e->Abmessung[10]->setText("75");
        e->Abmessung[11]->setText("65");
        QTest::mouseClick(e->Schienemittragend, Qt::LeftButton);
        QVERIFY(e->ASchiene->isVisible());
        e->ASchiene->setFocus();
        QTRY_VERIFY(e->ASchiene->hasFocus());
        e->ASchiene->setCurrentText("A65");
        QTest::keyClick(e->ASchiene, Qt::Key_X); // typing never changes it
        QCOMPARE(e->ASchiene->currentText(), QStringLiteral("A65"));
        e->Abmessung[0]->setFocus();
        QTRY_VERIFY(e->Abmessung[0]->hasFocus());
        QVERIFY(e->Abmessung[10]->text().isEmpty() && e->Abmessung[11]->text().isEmpty());
        e->Abmessung[10]->setText("80");
        QTest::mouseClick(e->Schienemittragend, Qt::LeftButton);
        QVERIFY(!e->ASchiene->isVisible());
        QCOMPARE(e->ASchiene->currentText(), QStringLiteral("A-Sch"));
        QCOMPARE(e->Abmessung[10]->text(), QStringLiteral("80"));

        waehle(2, 33);
        QTest::mouseClick(e->Schienemittragend, Qt::LeftButton);
        QVERIFY(!e->Schienemittragend->isChecked());
        QVERIFY(!e->ASchiene->isVisible());
    }

    void flachschieneUndUntergurt()
    {
        waehleFamilie(3);
        QTest::mouseClick(e->HschieneCheck, Qt::LeftButton);
        QVERIFY(e->Frame_Hschiene->isVisible());
        e->hwert[5]->setText("40");
        e->Combo1[0]->setCurrentText("HEB");
        QTest::mouseClick(e->HUGCheck, Qt::LeftButton);
        QVERIFY(!e->HschieneCheck->isChecked());
        QVERIFY(!e->Frame_Hschiene->isVisible());
        QVERIFY(e->FrameUG->isVisible());
        QVERIFY(e->Combo1[0]->currentText().isEmpty());
        // A bottom profile welded from plates has no root radius.
        tippeUndVerlasse(e->hwert[7], "0");
        QCOMPARE(e->hwert[7]->text(), QStringLiteral("0"));
        QVERIFY(meldungen().isEmpty());
        e->hwert[8]->setText("200");
        QTest::mouseClick(e->HUGCheck, Qt::LeftButton);
        QVERIFY(e->hwert[8]->text().isEmpty());
        QTest::mouseClick(e->HschieneCheck, Qt::LeftButton);
        QCOMPARE(e->hwert[5]->text(), QStringLiteral("40")); // kept while hidden
    }

    void hilfetexte()
    {
        waehle(1, 15);
        QTest::mouseClick(e->InfoCommand2, Qt::LeftButton);
        QTest::mouseClick(e->InfoCommand3, Qt::LeftButton);
        QCOMPARE(meldungen(), (QStringList{message(12), message(163)}));
    }
};

QTEST_MAIN(TestEingabeseite)
#include "tst_eingabeseite.moc"
