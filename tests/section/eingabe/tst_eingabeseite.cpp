// The input side with real widgets, focus and keys: groups per form, checks on
// leaving a field, navigation, the lists, and what a choice keeps or drops.
#include "Testhilfen.h"
#include "kern/Uebergabeschreiber.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QEnterEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <memory>

namespace {

QStringList werte(const HProfilmasse& p) { return {p.H, p.B, p.S, p.T, p.R}; }
QStringList namen(const QList<QLineEdit*>& felder)
{
    QStringList n;
    for (const QLineEdit* f : felder)
        n.append(f->objectName());
    return n;
}

// A value typed into a field of form c (0: the rolled profile with its bottom profile) and the
// field left, maybe after a switch to another window; a refused one is told, the value from
// before comes back and the field keeps the focus.
struct Eingabe { const char* name; int c; const char *feld, *vorher, *getippt; int meldung; const char* nachher; bool wechsel; };
const Eingabe kEingaben[] = {
    {"Komma", 19, "Abmessung_0", "", "12,5", 0, "12.5", false},   {"Null", 19, "Abmessung_3", "8", "0", 4, "8", false},
    {"leer", 19, "Abmessung_5", "12", "", 0, "", false},           {"keine Zahl", 19, "Abmessung_4", "", "1.2.3", 1, "", false},
    {"ueber 100 m", 19, "Abmessung_4", "900", "100001", 50, "900", false},
    {"Winkel 30,01", 19, "Abmessung_14", "0", "30,01", 13, "0", false},
    {"Lage 2", 19, "Stort_0", "70", "2", 14, "70", false},         {"L2 negativ", 19, "StLang2_1", "5", "-1", 5, "5", false},
    {"t unter 1", 19, "StDick_1", "10", "0,5", 74, "10", false},
    {"TU null", 0, "hwert_11", "19", "0", 4, "19", false},    {"R null", 0, "hwert_4", "27", "0", 0, "0", false},
    {"RU null", 0, "hwert_7", "15", "0", 0, "0", false},           {"H null", 0, "hwert_0", "300", "0", 4, "300", false},
    {"Fensterwechsel", 2, "Abmessung_1", "480", "0", 4, "480", true},
};

// The arrows go to the next field shown, in reading order (Return: every form's whole section, below);
// the caret is read after the key.
struct Taste { const char* name; int c; const char* von; Qt::Key taste; int caret; const char* nach; };
const Taste kTasten[] = {
    {"links an der 1", 2, "Abmessung_1", Qt::Key_Left, 1, "Abmessung_0"},
    {"links an der 2", 2, "Abmessung_1", Qt::Key_Left, 2, "Abmessung_1"},
    {"rechts vor dem Ende", 2, "Abmessung_0", Qt::Key_Right, 1, "Abmessung_1"},
    {"runter zum Winkel", 2, "Abmessung_4", Qt::Key_Down, 0, "Abmessung_14"},
    {"runter vom Winkel", 2, "Abmessung_14", Qt::Key_Down, 0, "Abmessung_7"},
    {"Winkel verborgen: zur Schottbreite", 311, "Abmessung_4", Qt::Key_Down, 0, "Abmessung_7"},
    {"runter bleibt in der Spalte, nicht zur 2. Zelle", 311, "Abmessung_0", Qt::Key_Down, 0, "Abmessung_2"},
    {"Lage der Mitte nie: runter zu L1", 16, "Stort_0", Qt::Key_Down, 0, "StLang1_4"},
    {"ueber Zeilen weg", 16, "StLang1_0", Qt::Key_Down, 0, "StLang1_4"},
    {"links ohne Lage: ans Ende der Zeile davor", 16, "StLang1_4", Qt::Key_Left, 0, "StDick_0"},
};

} // namespace

class TestEingabeseite : public QObject {
    Q_OBJECT

    std::unique_ptr<Testsuite> m_suite;
    std::unique_ptr<Testfenster> m_fenster;
    Eingabeseite* e = nullptr;

    void waehle(int c) { bereite(c, QString()); }
    void waehleListe(QComboBox* liste, const QString& text) { waehleAus(liste, liste->findText(text)); }
    void waehleProfil(const QString& reihe, const QString& groesse)
    {
        klickeFamilie(*e, kWalzprofil);
        waehleListe(e->Combo1[0], reihe);
        waehleListe(reihe == "IPE" ? e->Combo1[4] : e->Combo1[1], groesse);
    }
    void fokus(QWidget* w) { w->setFocus(); QTRY_VERIFY(w->hasFocus()); }
    // A form, or (0) the rolled profile with its bottom profile; then the field of that name.
    QLineEdit* bereite(int c, const QString& name)
    {
        klickeFamilie(*e, c ? familieDerForm(c) : kWalzprofil);
        if (c)
            waehleAus(e->Querschnitt, e->Querschnitt->findData(c));
        else
            QTest::mouseClick(e->HUGCheck, Qt::LeftButton);
        return m_fenster->form.findChild<QLineEdit*>(name);
    }
    QStringList meldungen() const { return m_fenster->rekorder.texte(); }
    QString message(int n) const { return m_fenster->form.holeMessage(n); }
    QStringList zustand() const { return ansicht(m_fenster->form, *e); }

private slots:
    void init()
    {
        m_suite = std::make_unique<Testsuite>();
        m_fenster = std::make_unique<Testfenster>(*m_suite);
        QVERIFY(m_fenster->bereit);
        e = &m_fenster->e;
    }
    void cleanup() { m_fenster.reset(); m_suite.reset(); }

    // Each form shows its groups (angle, web 2, web profile, rail, cell 2, field 13, stiffeners,
    // bottom flange), whatever form came before; it takes the focus to BO and offers the result.
    void formZeigtIhreGruppen()
    {
        for (const auto& [c, erwartet] : {std::pair{1, "10000001"}, {15, "11010011"}, {36, "10010011"}, {225, "01110111"},
                                          {51, "10100000"}, {112, "01110011"}, {311, "01011001"}}) {
            waehle(c);
            QString ist = QString::number(c) + ':';
            for (const QWidget* w : QList<QWidget*>{e->Abmessung[14], e->Abmessung[6], e->Combo1[2], e->Schienenframe,
                                                    e->Zell2_Frame, e->Abmessung[13], e->Steifenframe, e->Abmessung[2]})
                ist += w->isVisible() ? '1' : '0';
            QCOMPARE(ist, QString::number(c) + ':' + erwartet);
            QVERIFY(e->Querschnittsnummer == c && e->Abmessung[0]->hasFocus() && e->Traegerergebnis->isVisible());
        }
    }

    // Stiffener 5's row says where it hangs: under the top flange's middle, or the box's beside a half
    // H profile, where the top flange ends at the profile; whatever form came before.
    void mittlereSteifeBenannt()
    {
        for (const auto& [c, text] : {std::pair{116, "Mitte Kasten%AS"}, {16, "Mitte OG%BO"}, {226, "Mitte Kasten%AS"},
                                      {36, "Mitte OG%BO"}}) {
            waehle(c);
            QVERIFY(e->Stegtext1[4]->isVisible());
            QCOMPARE(e->Stegtext1[4]->text() + e->Stegtext3[4]->text(), QString::fromUtf8(text));
        }
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

    void pruefungBeimVerlassen_data() { zeilen(kEingaben); }
    void pruefungBeimVerlassen()
    {
        const Eingabe& f = fall(kEingaben);
        QLineEdit* feld = bereite(f.c, f.feld);
        QVERIFY(feld && feld->isVisible());
        feld->setText(f.vorher);
        fokus(feld);
        feld->selectAll();
        QTest::keyClick(feld, Qt::Key_Delete);
        QTest::keyClicks(feld, f.getippt);
        if (f.wechsel) { // back from the other window, the user is still typing
            QFocusEvent weg(QEvent::FocusOut, Qt::ActiveWindowFocusReason), zurueck(QEvent::FocusIn, Qt::ActiveWindowFocusReason);
            QApplication::sendEvent(feld, &weg);
            QApplication::sendEvent(feld, &zurueck);
            QVERIFY(meldungen().isEmpty());
        }
        QTest::keyClick(feld, Qt::Key_Tab);
        QCOMPARE(meldungen(), f.meldung ? QStringList{message(f.meldung)} : QStringList{});
        QCOMPARE(feld->text(), QString(f.nachher));
        if (f.meldung)
            QTRY_VERIFY(feld->hasFocus());
    }

    void navigation_data() { zeilen(kTasten); }
    void navigation()
    {
        const Taste& t = fall(kTasten);
        QLineEdit* f = bereite(t.c, t.von);
        f->setText("12");
        fokus(f);
        f->setCursorPosition(t.caret);
        QTest::keyClick(f, t.taste);
        QCOMPARE(QApplication::focusWidget()->objectName(), QString(t.nach));
        QCOMPARE(f->text(), QStringLiteral("12")); // no key typed a character
    }

    // A whole section typed with Return alone, in every form offered and in the rolled profile with
    // each of its additions: each shown field is reached once, in reading order, and holds its value.
    void ganzerQuerschnittMitReturn_data()
    {
        QTest::addColumn<int>("form");
        QTest::addColumn<int>("walzzusatz"); // rolled profile: 0 plain, 1 flat rail, 2 bottom profile
        for (int familie = kOhneSchiene; familie <= kZweizeller; ++familie)
            for (int c : angeboteneFormen(familie))
                QTest::addRow("%d", c) << c << 0;
        for (int z : {0, 1, 2})
            QTest::addRow("Walzprofil %d", z) << 0 << z;
    }
    void ganzerQuerschnittMitReturn()
    {
        QFETCH(int, form);
        QFETCH(int, walzzusatz);
        if (form) {
            waehle(form);
        } else {
            klickeFamilie(*e, kWalzprofil);
            if (walzzusatz == 1)
                QTest::mouseClick(e->HschieneCheck, Qt::LeftButton);
            if (walzzusatz == 2)
                QTest::mouseClick(e->HUGCheck, Qt::LeftButton);
            fokus(e->hwert[0]);
        }
        // Every field a user can type into now, found apart from the navigation.
        QList<QLineEdit*> gezeigt;
        for (QLineEdit* f : m_fenster->form.findChildren<QLineEdit*>())
            if (f->property("feldart").isValid() && f->isVisible() && f->isEnabled())
                gezeigt.append(f);
        QList<QLineEdit*> besucht;
        for (int k = 0; k < gezeigt.size(); ++k) {
            auto* feld = qobject_cast<QLineEdit*>(QApplication::focusWidget());
            QVERIFY2(feld && gezeigt.contains(feld), qPrintable(QString::number(k)));
            QVERIFY2(!besucht.contains(feld), qPrintable(feld->objectName() + " zweimal"));
            besucht.append(feld);
            feld->selectAll();
            // A value every field accepts (the web angle up to 30°, a position up to 98 %), distinct per field.
            QTest::keyClicks(feld, QString::number(2 + k));
            QTest::keyClick(feld, Qt::Key_Return);
        }
        QCOMPARE(besucht.size(), gezeigt.size());
        QCOMPARE(QApplication::focusWidget(), besucht.first()); // after the last, back to the first
        for (int k = 0; k < besucht.size(); ++k)
            QCOMPARE(besucht[k]->objectName() + '=' + besucht[k]->text(),
                     besucht[k]->objectName() + '=' + QString::number(2 + k));
        QVERIFY(meldungen().isEmpty());
        // Reading order: down the groups, and in a row from left to right.
        for (int k = 1; k < besucht.size(); ++k) {
            const QRect a(besucht[k - 1]->mapTo(&m_fenster->form, QPoint()), besucht[k - 1]->size());
            const QRect b(besucht[k]->mapTo(&m_fenster->form, QPoint()), besucht[k]->size());
            QVERIFY2(b.center().y() > a.center().y() - a.height() / 2 || b.left() > a.right() + 100 ||
                         besucht[k]->parentWidget() != besucht[k - 1]->parentWidget(),
                     qPrintable(besucht[k - 1]->objectName() + " vor " + besucht[k]->objectName()));
        }
        if (form == 15)
            QCOMPARE(namen(besucht).mid(0, 13), (QStringList{"Abmessung_0", "Abmessung_1", "Abmessung_2", "Abmessung_3",
                                                             "Abmessung_4", "Abmessung_5", "Abmessung_6", "Abmessung_14",
                                                             "Abmessung_7", "Abmessung_10", "Abmessung_11", "Stort_0", "StLang1_0"}));
        if (form == 311)
            QCOMPARE(namen(besucht).mid(7, 6), (QStringList{"Abmessung_20", "Abmessung_21", "Abmessung_22", "Abmessung_23",
                                                            "Abmessung_24", "Abmessung_7"}));
    }

    // Tab goes the same way through the window, then to its buttons.
    void tabInLesefolge()
    {
        waehle(15);
        QStringList reihe;
        for (int i = 0; i < 11; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            reihe.append(QApplication::focusWidget()->objectName());
        }
        QCOMPARE(reihe, (QStringList{"Abmessung_1", "Abmessung_2", "Abmessung_3", "Abmessung_4", "Abmessung_5",
                                     "Abmessung_6", "Abmessung_14", "Abmessung_7", "Schienemittragend",
                                     "Abmessung_10", "Abmessung_11"}));
    }

    // A form chosen with the keys leaves the focus in BO: a release arriving there without
    // its press moves nothing. Keys in the form list never alter its text.
    void formMitTastenGewaehlt()
    {
        waehle(2);
        const QString name = e->Querschnittsname;
        QVERIFY(tippeEin(e->Abmessung[0], "500"));
        fokus(e->Querschnitt);
        for (Qt::Key taste : {Qt::Key_Escape, Qt::Key_X, Qt::Key_Backspace})
            QTest::keyClick(e->Querschnitt, taste);
        fokus(e->Abmessung[0]);
        QTest::keyPress(e->Abmessung[0], Qt::Key_Backtab, Qt::ShiftModifier);
        QTest::keyRelease(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(e->Querschnitt->currentText() + '|' + e->Querschnittsname + '|' + e->Abmessung[0]->text(), name + '|' + name + "|500");
        fokus(e->Querschnitt);
        QTest::keyPress(e->Querschnitt, Qt::Key_Down);
        QCOMPARE(e->Querschnittsnummer, qint16(3));
        QTest::keyRelease(QApplication::focusWidget(), Qt::Key_Down);
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
        e->Abmessung[10]->setText("75");
        e->Abmessung[11]->setText("65");
        fokus(e->ASchiene);
        QTest::keyClick(e->ASchiene, Qt::Key_Down);
        QCOMPARE(e->ASchiene->currentText(), QStringLiteral("A45"));
        QTest::keyClick(e->ASchiene, Qt::Key_A);
        QCOMPARE(e->ASchiene->currentText(), QStringLiteral("A45"));
        // Left with another rail: the rail's dimensions come from the catalog now.
        fokus(e->Abmessung[0]);
        QCOMPARE(e->Abmessung[10]->text() + e->Abmessung[11]->text(), QString());
    }

    // A missing field is named by the caption the user sees: at mid top flange, the width at the top.
    void fehlendesFeldMitSeinerBeschriftung()
    {
        waehle(31);
        QVERIFY(e->Abmessungslabel[8]->isVisible() && !e->Abmessungslabel[7]->isVisible());
        const Uebergabeinhalt u = baueUebergabe(e->querschnitt(), e->beschriftungen(), 1,
                                              [](const QString&) { return 0.f; }, [](int) { return QString(); });
        QVERIFY2(u.Fehlliste.contains(e->Abmessungslabel[8]->text()) && !u.Fehlliste.contains(e->Abmessungslabel[7]->text()),
                 qPrintable(u.Fehlliste));
    }

    // The bottom profile unticked and ticked again starts with empty fields.
    void untergurtprofilNeu()
    {
        klickeFamilie(*e, kWalzprofil);
        QTest::mouseClick(e->HUGCheck, Qt::LeftButton);
        for (size_t i = 7; i <= 11; ++i)
            e->hwert[i]->setText("15");
        QTest::mouseClick(e->HUGCheck, Qt::LeftButton);
        QTest::mouseClick(e->HUGCheck, Qt::LeftButton);
        for (size_t i = 7; i <= 11; ++i)
            QVERIFY2(e->hwert[i]->text().isEmpty(), qPrintable(e->hwert[i]->objectName()));
    }

    // Without the form list's file the family is still chosen, told once; "H-Prof." needs no list.
    void ohneFormlistenDatei()
    {
        QFile::remove(m_suite->texte() + "/Combo.D");
        klickeFamilie(*e, 1);
        QVERIFY(e->Option1[1]->isChecked());
        klickeFamilie(*e, kWalzprofil);
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
    // chosen (rolled or welded) and pointing at the designation change nothing; typing a
    // designation drops the choice.
    // Every typed value stays over a change of family, the second web thickness too: left empty it
    // would mean "as TS1" and the next run would compute another section without a word.
    void stegdicke2BleibtUeberFamilienwechsel()
    {
        waehle(15);
        QVERIFY(tippeEin(e->Abmessung[5], "12"));
        QVERIFY(tippeEin(e->Abmessung[6], "16"));
        for (int c : {31, 201, 111, 315, 0, 15}) {
            waehle(c);
            QCOMPARE(e->Abmessung[6]->text(), QStringLiteral("16"));
        }
        QCOMPARE(e->querschnitt().masse.stegdicke2, QStringLiteral("16"));
        QCOMPARE(e->querschnitt().masse.stegdicke, QStringLiteral("12"));
    }

    void gleicheFamilieNochmals()
    {
        waehle(215);
        for (int i : {0, 6, 13})
            QVERIFY(tippeEin(e->Abmessung[size_t(i)], "500"));
        QStringList vorher = zustand();
        klickeFamilie(*e, kWinkelkatzprofil);
        QCOMPARE(zustand(), vorher);
        waehleProfil("HEB", "300");
        QCOMPARE(e->Typ->text(), QStringLiteral("HEB300"));
        QCOMPARE(werte(e->querschnitt().walzprofil), (QStringList{"300", "300", "11", "19", "27"}));
        vorher = zustand();
        klickeFamilie(*e, kWalzprofil);
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
};

QTEST_MAIN(TestEingabeseite)
#include "tst_eingabeseite.moc"
