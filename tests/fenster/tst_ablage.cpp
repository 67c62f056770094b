// The section's file from the window: saved by key, refused files leave the
// window as it was, the close question offers to save, and the editor's last
// section comes back at the next start.
#include "Testhilfen.h"
#include "app/Dateien.h"
#include "app/Dateiwahl.h"
#include "fenster/Bemessungsdialog.h"
#include "fenster/Hauptform.h"
#include "kern/Querschnittsdatei.h"
#include "section/Eingabeseite.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QProcess>
#include <QTemporaryDir>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <cerrno>
#include <cstring>
#include <memory>

namespace {

// Started as the launcher starts it, maybe with a section file to open (from the file manager).
std::unique_ptr<Hauptform> starte(Testsuite& suite, const QString& datei = QString())
{
    suite.uebergabe(("\"Test\"\r\n\"D\"\r\n" + (datei.isEmpty() ? QString() : '"' + datei + "\"\r\n")).toUtf8());
    auto form = std::make_unique<Hauptform>();
    if (!form->starte(suite.exefiles()))
        return nullptr;
    form->show();
    return QTest::qWaitForWindowActive(form.get()) ? std::move(form) : nullptr;
}

void tippe(QLineEdit* feld, const QString& text)
{
    feld->setFocus();
    feld->selectAll();
    QTest::keyClicks(feld, text);
    QTest::keyClick(feld, Qt::Key_Tab);
}

// Form 15 with its plates typed in and a wheel load.
void gibEin(Hauptform& f)
{
    Eingabeseite* e = f.eingabe;
    QTest::mouseClick(e->Option1[1], Qt::LeftButton, {}, QPoint(6, 8));
    e->Querschnitt->setCurrentIndex(e->Querschnitt->findData(15));
    emit e->Querschnitt->activated(e->Querschnitt->currentIndex());
    const std::pair<int, const char*> werte[] = {{0, "720"}, {1, "25"}, {2, "600"}, {3, "20"}, {4, "1200"},
                                                {5, "14"},  {7, "500"}, {10, "75"}, {11, "65"}};
    for (const auto& [i, w] : werte)
        tippe(e->Abmessung[size_t(i)], w);
    Bemessungswerte b;
    b.My = "1500";
    b.radlast = "250";
    e->setzeBemessung(b);
}

// The window's section with every value it shows and its design values.
QByteArray uebergabe(const Hauptform& f) { return schreibeQuerschnittsdatei(f.querschnitt()); }

} // namespace

class TstAblage : public QObject {
    Q_OBJECT
    std::unique_ptr<Testsuite> m_suite;
    std::unique_ptr<Meldungsrekorder> m_rekorder;
    QString m_gewaehlt; // what the file dialog answers
    QList<Dateiwahlart> m_wahlen;

private slots:
    void init()
    {
        m_suite = std::make_unique<Testsuite>();
        m_rekorder = std::make_unique<Meldungsrekorder>();
        m_wahlen.clear();
        dateiwahl() = [this](QWidget*, Dateiwahlart art, const QString&, const QString&, const QString&) {
            m_wahlen.append(art);
            return m_gewaehlt;
        };
    }
    void cleanup()
    {
        m_rekorder.reset();
        m_suite.reset();
    }

    void speichernUndWiederherstellen()
    {
        auto f = starte(*m_suite);
        QVERIFY(f);
        QVERIFY(!f->dokument->istGeaendert());
        gibEin(*f);
        QVERIFY(f->dokument->istGeaendert());
        m_gewaehlt = m_suite->wurzel.filePath("Träger 1"); // the extension is added
        QTest::keyClick(f.get(), Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(m_wahlen, QList<Dateiwahlart>{Dateiwahlart::Speichern});
        QCOMPARE(f->dokument->datei(), m_gewaehlt + kQuerschnittsendung);
        QVERIFY(!f->dokument->istGeaendert());
        const QByteArray datei = uebergabe(*f);
        f->traegerergebnis(); // no engine here: only the footer's name counts
        QCOMPARE(f->bericht.projektname, "Träger 1 (" + f->eingabe->Querschnittsname + ")");
        m_rekorder->gezeigt.clear();

        // A change after saving: the page no longer names the file; closing asks to save it, with a
        // Cancel that keeps the window; "no" closes it without a second question.
        tippe(f->eingabe->Abmessung[5], "16");
        QVERIFY(f->dokument->istGeaendert());
        f->traegerergebnis();
        QCOMPARE(f->bericht.projektname, "(" + f->eingabe->Querschnittsname + ")");
        m_rekorder->gezeigt.clear();
        m_rekorder->antwort = 2;
        QVERIFY(!f->close());
        QCOMPARE(m_rekorder->fragen, QStringList{f->holeMessage(61)});
        QCOMPARE(m_rekorder->fokus.first(), 1); // saving is what Return answers
        QCOMPARE(m_rekorder->abbrechen.first(), f->holeMessage(1003));
        const QByteArray geaendert = uebergabe(*f);
        m_rekorder->antwort = 7;
        QVERIFY(f->close());
        QCOMPARE(m_rekorder->fragen.size(), 2);
        QCOMPARE(leseDatei(m_gewaehlt + kQuerschnittsendung), datei);
        f.reset();

        // The next start brings the last section back, still unsaved against its file.
        f = starte(*m_suite);
        QVERIFY(f);
        QCOMPARE(uebergabe(*f), geaendert);
        QCOMPARE(f->querschnitt().bemessung.radlast, QStringLiteral("250"));
        QCOMPARE(f->dokument->datei(), m_gewaehlt + kQuerschnittsendung);
        QVERIFY(f->dokument->istGeaendert());
        tippe(f->eingabe->Abmessung[5], "14"); // back to what the file holds
        QVERIFY(!f->dokument->istGeaendert());

        // Opening the saved file gives the saved section.
        m_gewaehlt += kQuerschnittsendung;
        QTest::keyClick(f.get(), Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(uebergabe(*f), datei);
        QVERIFY(!f->dokument->istGeaendert());

        // Opening over unsaved changes asks first, as closing does: "yes" and a save refused in the file
        // dialog open nothing; "no" discards the change and opens.
        tippe(f->eingabe->Abmessung[5], "18");
        const QByteArray ungesichert = uebergabe(*f);
        m_rekorder->fragen.clear();
        m_rekorder->antwort = 6;
        dateiwahl() = [this](QWidget*, Dateiwahlart art, const QString&, const QString&, const QString&) {
            return art == Dateiwahlart::Oeffnen ? m_gewaehlt : QString();
        };
        QTest::keyClick(f.get(), Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(m_rekorder->fragen, QStringList{f->holeMessage(66)});
        QCOMPARE(uebergabe(*f), ungesichert);
        m_rekorder->antwort = 2; // Cancel: nothing saved, nothing opened
        QTest::keyClick(f.get(), Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(uebergabe(*f), ungesichert);
        m_rekorder->antwort = 7;
        QTest::keyClick(f.get(), Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(uebergabe(*f), datei);
        QVERIFY(!f->dokument->istGeaendert());
        dateiwahl() = [this](QWidget*, Dateiwahlart, const QString&, const QString&, const QString&) { return m_gewaehlt; };

        // "Yes" to the question saves before the window closes.
        tippe(f->eingabe->Abmessung[1], "30");
        m_rekorder->antwort = 6;
        QVERIFY(f->close());
        QCOMPARE(leseDatei(m_gewaehlt), uebergabe(*f));
        QVERIFY2(m_rekorder->gezeigt.empty(), qPrintable(m_rekorder->texte().join('\n')));
    }

    // The dialog gives back the design values it was opened with; a force that is no number
    // keeps it open and is named.
    void bemessungsdialog()
    {
        const Bemessungswerte w{"1", "2", "3", "4", "5", "6", "S235", "1.1", "1.05", "250", Schienenbefestigung::AufLager, "30", "2000"};
        const auto text = [](int n) { return QStringLiteral("T%1").arg(n); };
        Bemessungsdialog d(w, Traegerwerte(), text, text);
        const Bemessungswerte z = d.werte();
        QCOMPARE((QStringList{z.N, z.Vy, z.Vz, z.Mx, z.My, z.Mz, z.stahlsorte, z.gammaM0, z.gammaM1, z.radlast,
                              z.verschleiss, z.steifenabstand}),
                 (QStringList{"1", "2", "3", "4", "5", "6", "S235", "1.1", "1.05", "250", "30", "2000"}));
        QCOMPARE(z.befestigung, Schienenbefestigung::AufLager);
        d.kraefte[4]->setText("x");
        d.accept();
        QCOMPARE(m_rekorder->texte(), QStringList{"T56 My [kNm]"});
        QCOMPARE(d.result(), int(QDialog::Rejected));
    }

    // Typed as a user types: γM1 below 1.0 and a spacing of 50 mm are named and keep their field's
    // focus; a rail counted in the section on a pad is refused with the message naming both fields,
    // the fixing focused; rigidly fixed, the values are taken. An old "S460" opens as S460N.
    void bemessungsdialogPrueftEingaben()
    {
        Bemessungswerte w;
        w.stahlsorte = "S460";
        w.befestigung = Schienenbefestigung::AufLager;
        const auto text = [](int n) { return QStringLiteral("T%1").arg(n); };
        Bemessungsdialog d(w, Traegerwerte(), text, text, true);
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        QCOMPARE(d.sorte->currentText(), QStringLiteral("S460N"));
        const auto tippeIn = [&d](QLineEdit* feld, const QString& neu, bool bestaetigen = true) {
            feld->setFocus();
            feld->selectAll();
            QTest::keyClicks(feld, neu);
            if (bestaetigen)
                QTest::keyClick(&d, Qt::Key_Return);
        };
        tippeIn(d.gammaM1, "0.9");
        QCOMPARE(m_rekorder->texte().value(0), QStringLiteral("T56 γM1"));
        QCOMPARE(QApplication::focusWidget(), d.gammaM1);
        tippeIn(d.gammaM1, "1,1", false);
        tippeIn(d.steifenabstand, "50");
        QCOMPARE(m_rekorder->texte().value(1), QStringLiteral("T56 T89"));
        QCOMPARE(QApplication::focusWidget(), d.steifenabstand);
        tippeIn(d.steifenabstand, "1500");
        QCOMPARE(m_rekorder->texte().value(2), QStringLiteral("T62"));
        QCOMPARE(QApplication::focusWidget(), d.befestigung);
        QVERIFY(d.isVisible());
        d.befestigung->setCurrentIndex(int(Schienenbefestigung::Starr));
        QTest::keyClick(&d, Qt::Key_Return);
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QCOMPARE(d.werte().gammaM1, QStringLiteral("1,1"));
        QCOMPARE(d.werte().steifenabstand, QStringLiteral("1500"));
        QCOMPARE(m_rekorder->texte().size(), 3);
    }

    // The member's tab: a span too short is named by its caption, the tab comes to the front with
    // the field focused; the member values come back as typed.
    void bemessungsdialogBauteil()
    {
        const auto text = [](int n) { return QStringLiteral("T%1").arg(n); };
        Traegerwerte t;
        t.naht = Nahtart::Durchgeschweisst;
        Bemessungsdialog d(Bemessungswerte(), t, text, text);
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        QCOMPARE(d.reiter->currentIndex(), 0);
        d.reiter->setCurrentIndex(1);
        // Ranges typed only when chosen so, ψ only for end moments.
        QVERIFY(!d.schwingbreiten[4]->isEnabled() && !d.psi->isEnabled());
        d.quelle->setCurrentIndex(int(Schwingquelle::Schwingbreiten));
        d.momentenform->setCurrentIndex(int(Momentenform::Endmomente));
        QVERIFY(d.schwingbreiten[4]->isEnabled() && d.psi->isEnabled());
        d.spannweite->setFocus();
        QTest::keyClicks(d.spannweite, "0,5");
        d.reiter->setCurrentIndex(0);
        QTest::keyClick(&d, Qt::Key_Return);
        QCOMPARE(m_rekorder->texte().value(0), QStringLiteral("T64 T98"));
        QCOMPARE(d.reiter->currentIndex(), 1);
        QCOMPARE(QApplication::focusWidget(), d.spannweite);
        d.spannweite->selectAll();
        QTest::keyClicks(d.spannweite, "12");
        d.klasse->setCurrentText("S6");
        QTest::keyClick(&d, Qt::Key_Return);
        QCOMPARE(d.result(), int(QDialog::Accepted));
        const Traegerwerte z = d.traeger();
        QVERIFY(z.spannweite == "12" && z.klasse == "S6" && z.naht == Nahtart::Durchgeschweisst);
    }

    void abgelehnteDateien_data()
    {
        QTest::addColumn<QByteArray>("inhalt");
        QTest::addColumn<int>("meldung");
        QTest::newRow("keine Querschnittsdatei") << QByteArray("\"Bearbeiter\"\r\n") << 58;
        QTest::newRow("neuere Fassung") << QByteArray("\"Tarvello-Querschnitt\",3\r\n\"familie\",1\r\n") << 59;
        QTest::newRow("nicht angeboten") << QByteArray("\"Tarvello-Querschnitt\",1\r\n\"familie\",0\r\n"
                                                       "\"Querschnittsnummer\",59\r\n")
                                         << 60;
        QTest::newRow("fehlt") << QByteArray() << 58;
    }
    void abgelehnteDateien()
    {
        QFETCH(QByteArray, inhalt);
        QFETCH(int, meldung);
        auto f = starte(*m_suite);
        QVERIFY(f);
        gibEin(*f);
        const QByteArray vorher = uebergabe(*f);
        const QString pfad = m_suite->wurzel.filePath("x.tqs");
        if (!inhalt.isNull())
            schreibeDatei(pfad, inhalt);
        QVERIFY(!f->dokument->oeffneDatei(pfad));
        QCOMPARE(m_rekorder->texte(), QStringList{f->holeMessage(meldung) + u' ' + QDir::toNativeSeparators(pfad) + u'\n' +
                                                  f->holeMessage(76)});
        QCOMPARE(uebergabe(*f), vorher);
        QVERIFY(f->dokument->datei().isEmpty());
        f->Rueckkehrmodus = 9;
    }

    // A value the window would not take when typed is not taken from a file either: the file is
    // refused naming the field as the window captions it, or the design value, with the reason;
    // the window keeps its section.
    void unzulaessigeWerte_data()
    {
        QTest::addColumn<QString>("eintrag");
        QTest::addColumn<QString>("wert");
        QTest::addColumn<int>("grund");
        QTest::newRow("BO nan") << "obergurtbreite" << "nan" << 1;
        QTest::newRow("BO -600") << "obergurtbreite" << "-600" << 4;
        QTest::newRow("TS 1e400") << "stegdicke" << "1e400" << 50;
        QTest::newRow("St1 bei 150 %") << "steifen1.lage" << "150" << 14;
        QTest::newRow("St2 L2 -3") << "steifen2.lang2" << "-3" << 5;
        QTest::newRow("My 1e30") << "bemessung.My" << "1e30" << 56;
        QTest::newRow("Sorte S999") << "bemessung.stahlsorte" << "S999" << 56;
        QTest::newRow("Spannweite 0,5 m") << "traeger.spannweite" << "0,5" << 64;
    }
    void unzulaessigeWerte()
    {
        QFETCH(QString, eintrag);
        QFETCH(QString, wert);
        QFETCH(int, grund);
        auto f = starte(*m_suite);
        QVERIFY(f);
        gibEin(*f);
        Querschnittsdaten q = f->querschnitt();
        q.traeger.spannweite = "12"; // so that the member values count
        q.steifen[0] = {"80", "120", "0", "12"};
        q.steifen[1] = {"60", "120", "0", "12"};
        const QByteArray gut = schreibeQuerschnittsdatei(q);
        const QString pfad = m_suite->wurzel.filePath("x.tqs");
        // The file as written, with the one entry's value replaced.
        QList<QByteArray> zeilen = gut.split('\n');
        bool ersetzt = false;
        for (QByteArray& z : zeilen)
            if (z.startsWith('"' + eintrag.toUtf8() + "\",")) {
                z = '"' + eintrag.toUtf8() + "\",\"" + wert.toUtf8() + "\"\r";
                ersetzt = true;
            }
        QVERIFY2(ersetzt, qPrintable(eintrag));
        schreibeDatei(pfad, zeilen.join('\n'));
        QVERIFY(leseQuerschnittsdatei(gut).querschnitt); // the file unchanged would open
        const QByteArray vorher = uebergabe(*f);

        QVERIFY(!f->dokument->oeffneDatei(pfad));
        QCOMPARE(m_rekorder->gezeigt.size(), size_t(1));
        const QString text = m_rekorder->texte().first();
        QVERIFY2(text.startsWith(f->holeMessage(67) + u' ' + QDir::toNativeSeparators(pfad) + u'\n'), qPrintable(text));
        QVERIFY2(text.contains(f->holeMessage(grund)) && text.endsWith(u'\n' + f->holeMessage(76)), qPrintable(text));
        // The field is named as the window captions it.
        const Eingabeseite* e = f->eingabe;
        const QString feld = eintrag == "obergurtbreite" ? e->Abmessungslabel[0]->text()
                             : eintrag == "stegdicke"    ? e->Abmessungslabel[5]->text()
                             : eintrag == "steifen1.lage" ? e->Stegtext2[0]->text()
                             : eintrag == "steifen2.lang2" ? e->Stegtext5[0]->text()
                             : eintrag == "bemessung.My" ? QStringLiteral("My [kNm]")
                             : QString();
        QString name = feld.trimmed();
        if (name.endsWith(u':'))
            name.chop(1);
        QVERIFY2(name.isEmpty() || text.contains(name), qPrintable(text + " / " + name));
        QCOMPARE(uebergabe(*f), vorher);
        QVERIFY(f->dokument->datei().isEmpty());
        // Leaving fields afterwards raises nothing: no refused value reached the window.
        m_rekorder->gezeigt.clear();
        tippe(e->Abmessung[0], "730");
        tippe(e->Abmessung[1], "25");
        QVERIFY2(m_rekorder->gezeigt.empty(), qPrintable(m_rekorder->texte().join('\n')));
        f->Rueckkehrmodus = 9;
    }

    // A catalog rail the list does not hold (a file from a later catalog, or edited) is refused by its name:
    // the window would show no rail in its place and compute another section. One of the list opens.
    void fremdeSchiene()
    {
        auto f = starte(*m_suite);
        QVERIFY(f);
        gibEin(*f);
        const QString pfad = m_suite->wurzel.filePath("schiene.tqs");
        for (const char* schiene : {"A999", "A100"}) {
            Querschnittsdaten q = f->querschnitt();
            q.schieneMittragend = false, q.ASchiene = QString::fromLatin1(schiene);
            schreibeDatei(pfad, schreibeQuerschnittsdatei(q));
            m_rekorder->gezeigt.clear();
            const bool geoeffnet = f->dokument->oeffneDatei(pfad);
            QCOMPARE(geoeffnet, q.ASchiene == "A100");
            if (geoeffnet)
                QVERIFY(m_rekorder->gezeigt.empty() && f->querschnitt().ASchiene == "A100");
            else
                QCOMPARE(m_rekorder->texte(), QStringList{f->holeMessage(77) + u' ' + QDir::toNativeSeparators(pfad) +
                                                          QStringLiteral("\nA999\n") + f->holeMessage(76)});
        }
        f->Rueckkehrmodus = 9;
    }

    // While the window is open the kept section is written every half minute: a session that ends without
    // closing (a crash) comes back at the next start as it was typed.
    void zwischensicherung()
    {
        auto f = starte(*m_suite);
        QVERIFY(f);
        auto* uhr = f->findChild<QTimer*>(QStringLiteral("Zwischensicherung"));
        QVERIFY(uhr && uhr->isActive() && uhr->interval() <= 30000);
        uhr->setInterval(1);
        const QString zuletzt = QDir(f->pathben).filePath(".zuletzt.tqs");
        gibEin(*f);
        QTRY_COMPARE(leseDatei(zuletzt), uebergabe(*f));
        tippe(f->eingabe->Abmessung[0], "730");
        QTRY_COMPARE(leseDatei(zuletzt), uebergabe(*f));
        // A write the disk refused is tried again at the next turn, once the disk takes it.
        const Dateischreiber echt = dateischreiber();
        int versuche = 0;
        dateischreiber() = [&](const QString&, const QByteArray&, QString& grund) {
            ++versuche;
            grund = QStringLiteral("No space left on device");
            return false;
        };
        tippe(f->eingabe->Abmessung[0], "740");
        QTRY_VERIFY(versuche > 0);
        dateischreiber() = echt;
        QTRY_COMPARE(leseDatei(zuletzt), uebergabe(*f));
        f->Rueckkehrmodus = 9;
    }

    // The kept section that cannot be restored (damaged, of a later program, a FIFO that would block
    // the start, a link to an endless device) is set aside under a name of its own and named; the
    // close that follows writes the new one without touching it. A name already set aside is kept too.
    void zuletztBeiseite_data()
    {
        QTest::addColumn<QString>("art");
        QTest::newRow("beschädigt") << "beschädigt";
        QTest::newRow("abgeschnitten") << "abgeschnitten";
        QTest::newRow("neuere Fassung") << "neuer";
        QTest::newRow("unzulässiger Wert") << "wert";
        QTest::newRow("FIFO") << "fifo";
        QTest::newRow("Verweis auf /dev/zero") << "null";
        QTest::newRow("Ordner") << "ordner";
    }
    void zuletztBeiseite()
    {
        QFETCH(QString, art);
        auto f = starte(*m_suite);
        QVERIFY(f);
        gibEin(*f);
        const QString ordner = f->pathben;
        f->Rueckkehrmodus = 9;
        QVERIFY(f->close());
        f.reset();
        const QString zuletzt = QDir(ordner).filePath(".zuletzt.tqs");
        const QByteArray geschrieben = leseDatei(zuletzt);
        QVERIFY(leseQuerschnittsdatei(geschrieben).querschnitt);
        QFile::remove(zuletzt);
        QByteArray inhalt;
        if (art == "beschädigt")
            inhalt = "\"Tarvello-Querschnitt\",2\r\n\"familie\",\"x\"\r\n";
        else if (art == "abgeschnitten")
            inhalt = geschrieben.left(geschrieben.lastIndexOf("\"Ende\""));
        else if (art == "neuer")
            inhalt = QByteArray(geschrieben).replace("Querschnitt\",2", "Querschnitt\",3");
        else if (art == "wert")
            inhalt = QByteArray(geschrieben).replace("\"obergurtbreite\",\"720\"", "\"obergurtbreite\",\"nan\"");
        else if (art == "fifo")
            QCOMPARE(QProcess::execute("mkfifo", {zuletzt}), 0);
        else if (art == "null")
            QVERIFY(QFile::link("/dev/zero", zuletzt));
        else
            QVERIFY(QDir().mkpath(zuletzt));
        if (!inhalt.isEmpty())
            schreibeDatei(zuletzt, inhalt);
        schreibeDatei(zuletzt + ".beschädigt", "früher beiseitegelegt");

        f = starte(*m_suite);
        QVERIFY(f);
        const QString beiseite = zuletzt + ".beschädigt.2";
        QCOMPARE(m_rekorder->gezeigt.size(), size_t(1));
        // It speaks of restoring: nothing is said of a section in the window staying as it was.
        QVERIFY2(m_rekorder->texte().first().startsWith(f->holeMessage(68) + u' ' + QDir::toNativeSeparators(beiseite)) &&
                     !m_rekorder->texte().first().contains(f->holeMessage(76)),
                 qPrintable(m_rekorder->texte().first()));
        QCOMPARE(leseDatei(zuletzt + ".beschädigt"), QByteArray("früher beiseitegelegt"));
        const QFileInfo gesichert(beiseite);
        if (!inhalt.isEmpty())
            QCOMPARE(leseDatei(beiseite), inhalt);
        else if (art == "null")
            QCOMPARE(gesichert.symLinkTarget(), QStringLiteral("/dev/zero"));
        else
            QVERIFY(gesichert.exists() && !gesichert.isFile());
        // The window starts fresh, and its close keeps what is typed now beside what was set aside.
        QCOMPARE(uebergabe(*f), schreibeQuerschnittsdatei(Querschnittsdaten()));
        gibEin(*f);
        f->Rueckkehrmodus = 9;
        QVERIFY(f->close());
        QCOMPARE(leseDatei(zuletzt), uebergabe(*f));
        if (!inhalt.isEmpty())
            QCOMPARE(leseDatei(beiseite), inhalt);
    }

    // Where no name is left to set it aside under, the kept section stays where it is, is named as
    // left untouched, and the close that follows does not overwrite it.
    void zuletztUnberuehrt()
    {
        auto f = starte(*m_suite);
        QVERIFY(f);
        const QString zuletzt = QDir(f->pathben).filePath(".zuletzt.tqs");
        f->Rueckkehrmodus = 9;
        QVERIFY(f->close());
        f.reset();
        const QByteArray kaputt = "\"Tarvello-Querschnitt\",2\r\n\"familie\",\"x\"\r\n";
        schreibeDatei(zuletzt, kaputt);
        schreibeDatei(zuletzt + ".beschädigt", "1");
        for (int n = 2; n <= 100; ++n)
            schreibeDatei(zuletzt + QStringLiteral(".beschädigt.%1").arg(n), "n");

        f = starte(*m_suite);
        QVERIFY(f);
        QCOMPARE(m_rekorder->gezeigt.size(), size_t(1));
        QVERIFY2(m_rekorder->texte().first().startsWith(f->holeMessage(71) + u' ' + QDir::toNativeSeparators(zuletzt)),
                 qPrintable(m_rekorder->texte().first()));
        gibEin(*f);
        f->Rueckkehrmodus = 9;
        QVERIFY(f->close());
        QCOMPARE(leseDatei(zuletzt), kaputt);
        QCOMPARE(leseDatei(zuletzt + ".beschädigt"), QByteArray("1"));
    }

    // Saving where the file system is full keeps the old file byte for byte and says so with the
    // system's reason, in the save's own words; the window still counts as unsaved.
    // A file handed over at the start opens after the kept section; an unsaved kept section is offered
    // to be saved first, and Cancel keeps it; a file that gives no section is told and leaves the window.
    void dateiBeimStart()
    {
        auto f = starte(*m_suite);
        QVERIFY(f);
        gibEin(*f);
        m_gewaehlt = m_suite->wurzel.filePath("Kranbahn.tqs");
        QVERIFY(f->dokument->speichere());
        const QByteArray gespeichert = leseDatei(m_gewaehlt);
        tippe(f->eingabe->Abmessung[5], "16"); // kept at the close, unsaved
        m_rekorder->antwort = 7;
        QVERIFY(f->close());
        const QByteArray behalten = uebergabe(*f);
        f.reset();

        m_rekorder->fragen.clear();
        m_rekorder->antwort = 2;
        f = starte(*m_suite, m_gewaehlt);
        QVERIFY(f);
        QCOMPARE(m_rekorder->fragen, QStringList{f->holeMessage(66)});
        QCOMPARE(uebergabe(*f), behalten);
        f->Rueckkehrmodus = 9;
        QVERIFY(f->close());
        f.reset();

        m_rekorder->antwort = 7;
        f = starte(*m_suite, m_gewaehlt);
        QVERIFY(f);
        QCOMPARE(schreibeQuerschnittsdatei(f->querschnitt()), gespeichert);
        QCOMPARE(f->dokument->datei(), m_gewaehlt);
        QVERIFY(!f->dokument->istGeaendert());
        f->Rueckkehrmodus = 9;
        QVERIFY(f->close());
        f.reset();

        m_rekorder->gezeigt.clear();
        f = starte(*m_suite, m_suite->wurzel.filePath("fehlt.tqs"));
        QVERIFY(f);
        QCOMPARE(m_rekorder->gezeigt.size(), size_t(1));
        QCOMPARE(schreibeQuerschnittsdatei(f->querschnitt()), gespeichert);
        f->Rueckkehrmodus = 9;
    }

    void speichernAufVollemDatentraeger()
    {
        QTemporaryDir ordner;
        const QString voll = ordner.filePath(QStringLiteral("voll"));
        const KleinesDateisystem platz(voll);
        if (!platz.bereit())
            QSKIP("no tmpfs of the test's own can be mounted here");
        auto f = starte(*m_suite);
        QVERIFY(f);
        gibEin(*f);
        m_gewaehlt = voll + QStringLiteral("/Kranbahn.tqs");
        QVERIFY(f->dokument->speichere());
        const QByteArray alt = leseDatei(m_gewaehlt);
        platz.fuelle();
        tippe(f->eingabe->Abmessung[5], "16");
        m_rekorder->gezeigt.clear();
        QVERIFY(!f->dokument->speichere());
        QCOMPARE(leseDatei(m_gewaehlt), alt);
        QCOMPARE(m_rekorder->gezeigt.size(), size_t(1));
        const QString text = m_rekorder->texte().first();
        QVERIFY2(text.startsWith(f->holeMessage(69) + u' ' + QDir::toNativeSeparators(m_gewaehlt)), qPrintable(text));
        QVERIFY2(text.contains(QString::fromLocal8Bit(std::strerror(ENOSPC))), qPrintable(text));
        QVERIFY(f->dokument->istGeaendert());
        f->Rueckkehrmodus = 9;
    }
};

QTEST_MAIN(TstAblage)
#include "tst_ablage.moc"
