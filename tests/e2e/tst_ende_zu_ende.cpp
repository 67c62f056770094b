// End to end with the installed suite and the real engine: a section of every
// family and the three rolled variants typed as a user types them, the result
// page, its print, refused inputs, and the way from TarvelloMain and back.
#include "Beispiele.h"
#include "Startfenster.h"
#include "Testhilfen.h"
#include "fenster/Hauptform.h"
#include "app/Start.h"
#include "kern/Zahlen.h"
#include "engine/Ergebnisdatei.h"
#include "engine/Berechnung.h"
#include "report/Bericht.h"
#include "report/Form5.h"
#include "section/Eingabeseite.h"

#include <QCheckBox>
#include <QRegularExpression>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <memory>

namespace {

// A private copy of the installed suite, so every run starts clean.
struct Kopie {
    QTemporaryDir wurzel;
    QString exefiles() const { return wurzel.path() + "/exefiles"; }
    QString daten() const { return wurzel.path() + "/Daten"; }
    Kopie()
    {
        const QDir quelle(QStringLiteral(TARVELLO_SUITE));
        QDir().mkpath(exefiles());
        QDir().mkpath(daten() + "/TEXTE");
        for (const QString& name : QDir(quelle.filePath("exefiles")).entryList(QDir::Files))
            QFile::copy(quelle.filePath("exefiles/" + name), exefiles() + "/" + name);
        for (const QString& name : QDir(quelle.filePath("Daten/TEXTE")).entryList(QDir::Files))
            QFile::copy(quelle.filePath("Daten/TEXTE/" + name), daten() + "/TEXTE/" + name);
    }
};

QString pdftext(const QString& pfad)
{
    QProcess text;
    text.start("pdftotext", {"-layout", pfad, "-"});
    text.waitForFinished(30000);
    return QString::fromUtf8(text.readAllStandardOutput());
}

// What a user types: a decimal comma where the value has a point.
QString getippt(const char* wert) { return QString::fromUtf8(wert).replace(u'.', u','); }

} // namespace

class TestEndeZuEnde : public QObject {
    Q_OBJECT

    std::unique_ptr<Kopie> m_suite;
    std::unique_ptr<Meldungsrekorder> m_rekorder;
    std::unique_ptr<Hauptform> m_form;
    Eingabeseite* e = nullptr;

    void tippe(QLineEdit* feld, const QString& text)
    {
        feld->setFocus();
        QTRY_VERIFY(feld->hasFocus());
        feld->selectAll();
        if (text.isEmpty())
            QTest::keyClick(feld, Qt::Key_Delete);
        QTest::keyClicks(feld, text);
        QTest::keyClick(feld, Qt::Key_Tab);
    }
    void waehleFamilie(int familie) { QTest::mouseClick(e->Option1[size_t(familie)], Qt::LeftButton, {}, QPoint(6, 8)); }
    void waehleForm(int c)
    {
        const int index = e->Querschnitt->findData(c);
        QVERIFY(index >= 0);
        e->Querschnitt->setCurrentIndex(index);
        emit e->Querschnitt->activated(index);
    }
    void tippeBeispiel(const Beispiel& b)
    {
        waehleFamilie(b.familie);
        waehleForm(b.form);
        // The H profile of the web comes from its lists.
        if (b.stegreihe) {
            e->Combo1[2]->setCurrentText(QString::fromUtf8(b.stegreihe));
            e->Combo1[3]->setCurrentText(QString::fromUtf8(b.steggroesse));
            emit e->Combo1[3]->activated(e->Combo1[3]->currentIndex());
        }
        for (const auto& [i, wert] : b.abmessungen)
            tippe(e->Abmessung[size_t(i)], getippt(wert) + (i == 1 ? QStringLiteral(",5") : QString()));
        for (const Steifenangabe& s : b.steifen) {
            if (s.zeile < 4)
                tippe(e->Stort[size_t(s.zeile)], getippt(s.lage));
            tippe(e->StLang1[size_t(s.zeile)], getippt(s.l1));
            tippe(e->StLang2[size_t(s.zeile)], getippt(s.l2));
            tippe(e->StDick[size_t(s.zeile)], getippt(s.dicke));
        }
    }
    // The preview shows the page; its print (a PDF here) carries the engine's values.
    void pruefeSeiteUndDruck(int ergebnisdatei)
    {
        QVERIFY2(m_rekorder->gezeigt.empty(), qPrintable(m_rekorder->texte().join('\n')));
        QVERIFY(m_form->form5 && m_form->form5->isVisible());
        QVERIFY(QFile::exists(m_form->form5->bitmap(1)));
        // The engine removed its input after writing the result.
        QVERIFY(!QFile::exists(übergabedatei(m_form->pathben, 2)));
        const Ergebnislesung lesung = leseErgebnisdatei(übergabedatei(m_form->pathben, ergebnisdatei));
        QCOMPARE(lesung.fehler, Ergebnisfehler::Keiner);
        const Ergebnisse& r = lesung.werte;

        m_form->form5->anzahl->setText("1");
        QTest::mouseClick(m_form->form5->Command1, Qt::LeftButton);
        const QString text = pdftext(m_form->letzteDruckdatei);
        for (float wert : {r.A, r.IY, r.IZ, r.IT, r.AY, r.AZ})
            QVERIFY2(text.contains(formatiereZahl(wert, 0)), qPrintable(formatiereZahl(wert, 0) + "\n" + text));
        QVERIFY(text.contains(formatiereZahl(r.YS, 1)));
        QVERIFY(text.contains(spannungstext(r.punkte.at(0).spannung[0])));
        // A row for every point the section has, under the engine's number, and none for the others.
        for (size_t n = 0; n < r.punkte.size(); ++n)
            QVERIFY2(text.contains(QRegularExpression(QStringLiteral("\\bP%1\\b").arg(n + 1))) == (r.punkte[n].dicke > 0),
                     qPrintable(QStringLiteral("P%1").arg(n + 1)));
        QVERIFY(text.contains("Tarvello 7.1.3"));
        // The footer names the section, as the page's title does.
        const QString name = ergebnisdatei == 3 ? e->Typ->text() : e->Querschnittsname;
        QVERIFY2(text.count("(" + name + ")") == 1 && text.count(name) >= 2, qPrintable(name + "\n" + text));
        QVERIFY(!QFile::exists(m_form->form5->bitmap(1)));
    }

private slots:
    void init()
    {
        m_suite = std::make_unique<Kopie>();
        schreibeDatei(m_suite->daten() + "/inifile2", "\"Prüferin\"\r\n\"D\"\r\n");
        m_rekorder = std::make_unique<Meldungsrekorder>();
        programmstarter() = [](const QString&, const QString&) { return true; };
        druckersuche() = [] { return std::unique_ptr<Druckauftrag>(); }; // always into a PDF
        m_form = std::make_unique<Hauptform>();
        QVERIFY(m_form->starte(m_suite->exefiles()));
        e = m_form->eingabe;
        m_form->show();
        QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
    }
    void cleanup()
    {
        m_form->Rückkehrmodus = 9;
        m_form.reset();
        m_rekorder.reset();
        m_suite.reset();
    }

    void jedeFamilie_data()
    {
        QTest::addColumn<int>("nummer");
        for (size_t i = 0; i < beispiele().size(); ++i)
            QTest::newRow(beispiele()[i].name) << int(i);
    }
    void jedeFamilie()
    {
        QFETCH(int, nummer);
        const Beispiel& b = beispiele()[size_t(nummer)];
        tippeBeispiel(b);
        QCOMPARE(e->Abmessung[1]->text(), getippt(b.abmessungen[1].second).replace(u',', u'.') + ".5");
        QTest::mouseClick(e->Trägerergebnis, Qt::LeftButton);
        pruefeSeiteUndDruck(1);
    }

    void walzprofile_data()
    {
        QTest::addColumn<int>("variante");
        QTest::newRow("HEB 300") << 0;
        QTest::newRow("HEB 300 mit Flachschiene") << 1;
        QTest::newRow("HEB 300 mit Untergurtprofil") << 2;
    }
    void walzprofile()
    {
        QFETCH(int, variante);
        waehleFamilie(3);
        e->Combo1[0]->setCurrentText("HEB");
        emit e->Combo1[0]->activated(e->Combo1[0]->currentIndex());
        e->Combo1[1]->setCurrentText("300");
        emit e->Combo1[1]->activated(e->Combo1[1]->currentIndex());
        QCOMPARE(e->Typ->text(), QStringLiteral("HEB300"));
        if (variante == 1) {
            QTest::mouseClick(e->HschieneCheck, Qt::LeftButton);
            tippe(e->hwert[5], "40");
            tippe(e->hwert[6], "60");
        } else if (variante == 2) {
            QTest::mouseClick(e->HUGCheck, Qt::LeftButton);
            const std::pair<int, const char*> unten[] = {{8, "200"}, {9, "200"}, {10, "9"}, {11, "15"}, {7, "18"}};
            for (const auto& [i, w] : unten)
                tippe(e->hwert[size_t(i)], QString::fromLatin1(w));
        }
        QTest::mouseClick(e->Trägerergebnis, Qt::LeftButton);
        pruefeSeiteUndDruck(3);
        QCOMPARE(int(e->Querschnittsnummer), variante == 0 ? 102 : variante == 1 ? 103 : 110);
    }

    void verweigerteEingabenHinterlassenNichts()
    {
        const Beispiel& b = beispiele()[1];
        tippeBeispiel(b);
        tippe(e->Abmessung[4], ""); // an empty required field
        QTest::mouseClick(e->Trägerergebnis, Qt::LeftButton);
        // The list of empty fields comes last, after what the checks found.
        QVERIFY(m_rekorder->texte().last().startsWith(m_form->holeMessage(2)));
        QVERIFY(m_rekorder->texte().last().endsWith(e->Abmessungslabel[4]->text()));
        for (int n : {0, 1, 2})
            QVERIFY(!QFile::exists(übergabedatei(m_form->pathben, n)));

        tippe(e->Abmessung[4], "1200");
        tippe(e->Abmessung[7], "590"); // the webs no longer fit on the top flange
        QTest::mouseClick(e->Trägerergebnis, Qt::LeftButton);
        QCOMPARE(m_rekorder->texte().last(), m_form->holeMessage(20));
        for (int n : {0, 1, 2})
            QVERIFY(!QFile::exists(übergabedatei(m_form->pathben, n)));
        QVERIFY(!m_form->form5 || !m_form->form5->isVisible());
    }
};

// From TarvelloMain through the hand-off into the program and back by its return button.
class TestSuitenweg : public QObject {
    Q_OBJECT

private slots:
    void hinUndZurueck()
    {
        Kopie suite;
        Meldungsrekorder rekorder;
        std::unique_ptr<Hauptform> programm;
        std::unique_ptr<Startfenster> zurueck;
        // Starting a program of the suite means: that program starts here, in this process.
        programmstarter() = [&](const QString& pfad, const QString& verzeichnis) {
            if (QFileInfo(pfad).baseName() == "TarvelloQuerschnitt") {
                programm = std::make_unique<Hauptform>();
                if (!programm->starte(verzeichnis))
                    return false;
                programm->show();
            } else {
                zurueck = std::make_unique<Startfenster>(bestimmeSuitenordner(verzeichnis));
                zurueck->show();
            }
            return true;
        };
        Startfenster start(bestimmeSuitenordner(suite.exefiles()));
        start.show();
        start.Bearbeiterfeld->setText("Anna Berg");
        start.Sprachliste->setCurrentIndex(start.Sprachliste->findData("E"));
        QTest::mouseClick(start.Starttaste, Qt::LeftButton);
        QVERIFY(programm);
        QVERIFY(!start.isVisible());
        QVERIFY(!QFile::exists(suite.daten() + "/inifile2"));
        QCOMPARE(programm->Bearbeiter, QStringLiteral("Anna Berg"));
        QCOMPARE(programm->tastenreihe[9]->text(), QStringLiteral("Back"));
        QVERIFY(QDir(suite.daten() + "/Anna Berg").exists());

        QTest::mouseClick(programm->tastenreihe[9], Qt::LeftButton);
        QVERIFY(!programm->isVisible());
        QVERIFY(zurueck);
        QCOMPARE(zurueck->Bearbeiterfeld->text(), QStringLiteral("Anna Berg"));
        QCOMPARE(zurueck->sprache(), QStringLiteral("E"));
        QVERIFY(rekorder.gezeigt.empty() && rekorder.fragen.isEmpty());
    }
};

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tarvello"));
    int fehler = 0;
    TestEndeZuEnde ende;
    fehler |= QTest::qExec(&ende, argc, argv);
    TestSuitenweg weg;
    fehler |= QTest::qExec(&weg, argc, argv);
    return fehler;
}

#include "tst_ende_zu_ende.moc"
