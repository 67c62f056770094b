// The input side with real widgets, focus and keys: groups per form, checks on
// leaving a field, navigation, the lists, and what a choice keeps or drops.
#include "Testhilfen.h"
#include "fenster/Hauptform.h"
#include "kern/Formen.h"
#include "section/Eingabeseite.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QEnterEvent>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {
QStringList werte(const HProfilmasse& p) { return {p.H, p.B, p.S, p.T, p.R}; }
} // namespace

class TestEingabeseite : public QObject {
    Q_OBJECT

    Testsuite* m_suite = nullptr;
    Hauptform* m_form = nullptr;
    Meldungsrekorder* m_rekorder = nullptr;
    Eingabeseite* e = nullptr;

    // Clicks the option on its round mark, where a user aims.
    void waehleFamilie(int familie) { QTest::mouseClick(e->Option1[size_t(familie)], Qt::LeftButton, {}, QPoint(6, 8)); }
    void waehleListe(QComboBox* liste, int index)
    {
        QVERIFY(index >= 0);
        liste->setCurrentIndex(index);
        emit liste->activated(index);
    }
    void waehleListe(QComboBox* liste, const QString& text) { waehleListe(liste, liste->findText(text)); }
    void waehle(int c)
    {
        waehleFamilie(familieDerForm(c));
        waehleListe(e->Querschnitt, e->Querschnitt->findData(c));
    }
    void waehleProfil(const QString& reihe, const QString& groesse)
    {
        waehleFamilie(kWalzprofil);
        waehleListe(e->Combo1[0], reihe);
        waehleListe(reihe == "IPE" ? e->Combo1[4] : e->Combo1[1], groesse);
    }
    void fokus(QWidget* w)
    {
        w->setFocus();
        QTRY_VERIFY(w->hasFocus());
    }
    // Types into a field as a user does and leaves it with Tab.
    void tippeUndVerlasse(QLineEdit* feld, const QString& text)
    {
        fokus(feld);
        feld->selectAll();
        QTest::keyClick(feld, Qt::Key_Delete);
        QTest::keyClicks(feld, text);
        QTest::keyClick(feld, Qt::Key_Tab);
        QTest::qWait(20);
    }
    // A form, or (0) the rolled profile with its bottom profile; then the field of that name.
    QLineEdit* bereite(int c, const QString& name)
    {
        if (c == 0) {
            waehleFamilie(kWalzprofil);
            QTest::mouseClick(e->HUGCheck, Qt::LeftButton);
        } else {
            waehle(c);
        }
        return m_form->findChild<QLineEdit*>(name);
    }
    QStringList meldungen() const { return m_rekorder->texte(); }
    QString message(int n) const { return m_form->holeMessage(n); }
    // All a user sees chosen and typed.
    QStringList zustand() const
    {
        QStringList z{QString::number(e->Querschnittsnummer), QString::number(e->Trägerergebnis->isVisible())};
        for (const auto* f : m_form->findChildren<QLineEdit*>())
            z << f->objectName() + '=' + f->text();
        for (const auto* l : m_form->findChildren<QComboBox*>())
            z << l->objectName() + '=' + l->currentText();
        return z;
    }

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

    void formZeigtIhreGruppen_data()
    {
        QTest::addColumn<int>("c");
        QTest::addColumn<QString>("erwartet"); // angle, web 2, web profile, rail, cell 2, field 13, stiffeners, bottom flange
        const std::pair<int, const char*> faelle[] = {{1, "10000001"}, {15, "11010011"}, {36, "10010011"},
                                                      {225, "01110111"}, {51, "10100000"}, {112, "01110011"},
                                                      {311, "01011001"}};
        for (const auto& [c, z] : faelle)
            QTest::addRow("%d", c) << c << QString::fromLatin1(z);
    }
    void formZeigtIhreGruppen()
    {
        QFETCH(int, c);
        QFETCH(QString, erwartet);
        waehle(c);
        QString ist;
        for (const QWidget* w : QList<QWidget*>{e->Abmessung[14], e->Abmessung[6], e->Combo1[2], e->Schienenframe,
                                                e->Zell2_Frame, e->Abmessung[13], e->Steifenframe, e->Abmessung[2]})
            ist += w->isVisible() ? '1' : '0';
        QCOMPARE(ist, erwartet);
        QCOMPARE(e->Querschnittsnummer, qint16(c));
        QVERIFY(e->Abmessung[0]->hasFocus());
        QVERIFY(e->Trägerergebnis->isVisible());
    }

    // Each field reaches the record as the dimension it names.
    void felderImDatensatz()
    {
        for (int i : {0, 1, 2, 3, 4, 5, 6, 7, 10, 11, 13, 15, 16})
            e->Abmessung[size_t(i)]->setText(QString::number(100 + i));
        const Plattenmasse m = e->querschnitt().masse;
        QCOMPARE((QStringList{m.obergurtbreite, m.obergurtdicke, m.untergurtbreite, m.untergurtdicke, m.steghoehe,
                              m.stegdicke, m.stegdicke2, m.schottbreite, m.schienenhoehe, m.schienenbreite,
                              m.steghoehe2, m.hoehe2, m.breite2}),
                 (QStringList{"100", "101", "102", "103", "104", "105", "106", "107", "110", "111", "113", "115", "116"}));
    }

    // A value is checked as its field is left; a refused one is told and the old value comes back.
    void pruefungBeimVerlassen_data()
    {
        QTest::addColumn<int>("c"); // 0: the rolled profile with its bottom profile
        QTest::addColumn<QString>("feld");
        QTest::addColumn<QString>("vorher");
        QTest::addColumn<QString>("getippt");
        QTest::addColumn<int>("meldung");
        QTest::addColumn<QString>("nachher");
        QTest::newRow("Komma") << 19 << "Abmessung_0" << "" << "12,5" << 0 << "12.5";
        QTest::newRow("Null") << 19 << "Abmessung_3" << "8" << "0" << 4 << "8";
        QTest::newRow("leer") << 19 << "Abmessung_5" << "12" << "" << 0 << "";
        QTest::newRow("keine Zahl") << 19 << "Abmessung_4" << "" << "1.2.3" << 1 << "";
        QTest::newRow("ueber 100 m") << 19 << "Abmessung_4" << "900" << "100001" << 50 << "900";
        QTest::newRow("Winkel 30,01") << 19 << "Abmessung_14" << "0" << "30,01" << 13 << "0";
        QTest::newRow("Lage 2") << 19 << "Stort_0" << "70" << "2" << 14 << "70";
        QTest::newRow("L2 negativ") << 19 << "StLang2_1" << "5" << "-1" << 5 << "5";
        QTest::newRow("t unter 1") << 19 << "StDick_1" << "10" << "0,5" << 4 << "10";
        QTest::newRow("R null") << 0 << "hwert_4" << "27" << "0" << 0 << "0";
        QTest::newRow("RU null") << 0 << "hwert_7" << "15" << "0" << 0 << "0";
        QTest::newRow("H null") << 0 << "hwert_0" << "300" << "0" << 4 << "300";
    }
    void pruefungBeimVerlassen()
    {
        QFETCH(int, c);
        QFETCH(QString, feld);
        QFETCH(QString, vorher);
        QFETCH(QString, getippt);
        QFETCH(int, meldung);
        QFETCH(QString, nachher);
        QLineEdit* f = bereite(c, feld);
        QVERIFY(f && f->isVisible());
        f->setText(vorher);
        tippeUndVerlasse(f, getippt);
        QCOMPARE(meldungen(), meldung ? QStringList{message(meldung)} : QStringList{});
        QCOMPARE(f->text(), nachher);
        if (meldung)
            QTRY_VERIFY(f->hasFocus());
    }

    // A refused value after a switch to another window brings back the value from before.
    void fensterwechselBehaeltAltenWert()
    {
        waehle(2);
        tippeUndVerlasse(e->Abmessung[0], "480");
        fokus(e->Abmessung[0]);
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

    // Enter and the arrows go to the next field shown; the caret is read after the key.
    void navigation_data()
    {
        QTest::addColumn<int>("c");
        QTest::addColumn<QString>("von");
        QTest::addColumn<int>("taste");
        QTest::addColumn<int>("caret");
        QTest::addColumn<QString>("nach");
        QTest::newRow("links an der 1") << 2 << "Abmessung_1" << int(Qt::Key_Left) << 1 << "Abmessung_0";
        QTest::newRow("links an der 2") << 2 << "Abmessung_1" << int(Qt::Key_Left) << 2 << "Abmessung_1";
        QTest::newRow("rechts vor dem Ende") << 2 << "Abmessung_0" << int(Qt::Key_Right) << 1 << "Abmessung_1";
        QTest::newRow("rechts aus TO nie") << 2 << "Abmessung_1" << int(Qt::Key_Right) << 2 << "Abmessung_1";
        QTest::newRow("runter zum Winkel") << 2 << "Abmessung_4" << int(Qt::Key_Down) << 0 << "Abmessung_14";
        QTest::newRow("Enter vom Winkel") << 2 << "Abmessung_14" << int(Qt::Key_Return) << 0 << "Abmessung_7";
        QTest::newRow("Enter aus TS1") << 2 << "Abmessung_5" << int(Qt::Key_Return) << 0 << "Abmessung_14";
        QTest::newRow("Enter zu TS2") << 15 << "Abmessung_5" << int(Qt::Key_Return) << 0 << "Abmessung_6";
        QTest::newRow("Enter zu HS2") << 225 << "Abmessung_5" << int(Qt::Key_Return) << 0 << "Abmessung_13";
        QTest::newRow("Enter aus TU") << 0 << "hwert_11" << int(Qt::Key_Return) << 0 << "hwert_7";
        QTest::newRow("Schiene verborgen") << 2 << "Abmessung_7" << int(Qt::Key_Return) << 0 << "Abmessung_7";
        QTest::newRow("Winkel verborgen") << 311 << "Abmessung_4" << int(Qt::Key_Down) << 0 << "Abmessung_4";
        QTest::newRow("Enter ohne Winkel") << 311 << "Abmessung_4" << int(Qt::Key_Return) << 0 << "Abmessung_5";
        QTest::newRow("Lage der Mitte nie") << 16 << "Stort_0" << int(Qt::Key_Down) << 0 << "Stort_0";
        QTest::newRow("ueber Zeilen weg") << 16 << "StLang1_0" << int(Qt::Key_Down) << 0 << "StLang1_4";
        QTest::newRow("links ohne Lage") << 16 << "StLang1_4" << int(Qt::Key_Left) << 0 << "StLang1_4";
        QTest::newRow("runter in Zeile 3") << 14 << "StLang2_1" << int(Qt::Key_Down) << 0 << "StLang2_2";
    }
    void navigation()
    {
        QFETCH(int, c);
        QFETCH(QString, von);
        QFETCH(int, taste);
        QFETCH(int, caret);
        QFETCH(QString, nach);
        QLineEdit* f = bereite(c, von);
        f->setText("12");
        fokus(f);
        f->setCursorPosition(caret);
        QTest::keyClick(f, Qt::Key(taste));
        QCOMPARE(QApplication::focusWidget()->objectName(), nach);
        QCOMPARE(f->text(), QStringLiteral("12")); // no key typed a character
    }

    // A form chosen with the keys leaves the focus in BO: a release arriving there without
    // its press moves nothing. Keys in the form list never alter its text.
    void formMitTastenGewaehlt()
    {
        waehle(2);
        const QString name = e->Querschnittsname;
        tippeUndVerlasse(e->Abmessung[0], "500");
        fokus(e->Querschnitt);
        for (Qt::Key taste : {Qt::Key_Escape, Qt::Key_X, Qt::Key_Backspace}) {
            QTest::keyPress(e->Querschnitt, taste);
            QTest::keyRelease(e->Querschnitt, taste);
        }
        fokus(e->Abmessung[0]);
        QTest::keyPress(e->Abmessung[0], Qt::Key_Backtab, Qt::ShiftModifier);
        QTest::keyRelease(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(e->Querschnitt->currentText(), name);
        QCOMPARE(e->Querschnittsname, name);
        QCOMPARE(e->Abmessung[0]->text(), QStringLiteral("500"));
        fokus(e->Querschnitt);
        QTest::keyPress(e->Querschnitt, Qt::Key_Down);
        QCOMPARE(e->Querschnittsnummer, qint16(3));
        QTest::keyRelease(QApplication::focusWidget(), Qt::Key_Down);
        QVERIFY(e->Abmessung[0]->hasFocus());
        fokus(e->Querschnitt);
        QTest::keyClick(e->Querschnitt, Qt::Key_F4);
        QTRY_VERIFY(e->Querschnitt->view()->isVisible());
        QTest::keyClick(e->Querschnitt->view(), Qt::Key_Down);
        QTest::keyPress(e->Querschnitt->view(), Qt::Key_Return);
        QTRY_COMPARE(e->Querschnittsnummer, qint16(4));
        QTest::keyRelease(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(e->Abmessung[0]->hasFocus());
        // Pressed in HS, released in BO after a click there: the key moves nothing.
        fokus(e->Abmessung[4]);
        QTest::keyPress(e->Abmessung[4], Qt::Key_Down);
        fokus(e->Abmessung[0]);
        QTest::keyRelease(e->Abmessung[0], Qt::Key_Down);
        QVERIFY(e->Abmessung[0]->hasFocus());
    }

    // The rail list is chosen from with the keys; a typed letter changes nothing.
    void listenMitDerTastatur()
    {
        waehle(12);
        QTest::mouseClick(e->Schienemittragend, Qt::LeftButton);
        fokus(e->ASchiene);
        QTest::keyClick(e->ASchiene, Qt::Key_Down);
        QCOMPARE(e->ASchiene->currentText(), QStringLiteral("A45"));
        QTest::keyClick(e->ASchiene, Qt::Key_A);
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

    // The web profile comes from its own series' table, whatever the rolled-profile lists hold.
    void stegprofil()
    {
        waehleProfil("IPE", "300");
        QVERIFY(e->Combo1[4]->isVisible() && !e->Combo1[1]->isVisible());
        QCOMPARE(e->Typ->text() + ' ' + e->hwert[1]->text(), QStringLiteral("IPE300 150"));
        waehle(51);
        waehleListe(e->Combo1[2], "HEB");
        QCOMPARE(werte(e->querschnitt().stegprofil), QStringList(5));
        waehleListe(e->Combo1[3], "240");
        QCOMPARE(werte(e->querschnitt().stegprofil), (QStringList{"240", "240", "10", "17", "21"}));
    }

    // The lists give the designation and the table's values. A click on the family already
    // chosen and pointing at the designation change nothing; typing a designation drops the choice.
    void walzprofilwahl()
    {
        waehleProfil("HEB", "300");
        QCOMPARE(e->Typ->text(), QStringLiteral("HEB300"));
        QCOMPARE(werte(e->querschnitt().walzprofil), (QStringList{"300", "300", "11", "19", "27"}));
        const QStringList vorher = zustand();
        waehleFamilie(kWalzprofil);
        QCOMPARE(zustand(), vorher);
        QTest::mouseMove(e->Typ);
        QEnterEvent hinein(QPointF(5, 5), e->Typ->mapToGlobal(QPointF(5, 5)), e->Typ->mapToGlobal(QPointF(5, 5)));
        QApplication::sendEvent(e->Typ, &hinein);
        QCOMPARE(zustand(), vorher);
        fokus(e->Typ);
        QTest::keyClicks(e->Typ, "X");
        QCOMPARE(e->Combo1[0]->currentText() + e->Combo1[1]->currentText(), QString());
        QCOMPARE(werte(e->querschnitt().walzprofil), QStringList(5));
    }

    // A click on the welded family already chosen keeps the form and what was typed.
    void gleicheFamilieNochmals()
    {
        waehle(215);
        for (int i : {0, 6, 13})
            tippeUndVerlasse(e->Abmessung[size_t(i)], "500");
        const QStringList vorher = zustand();
        waehleFamilie(kWinkelkatzprofil);
        QCOMPARE(zustand(), vorher);
    }
};

QTEST_MAIN(TestEingabeseite)
#include "tst_eingabeseite.moc"
