// The whole road with the real engine: typed section, result page in the
// preview, printing (to PDF on a machine without printer), broken results.
#include "Testhilfen.h"
#include "fenster/Hauptform.h"
#include "app/Start.h"
#include "engine/Berechnung.h"
#include "report/Bericht.h"
#include "report/Form5.h"
#include "section/Eingabeseite.h"

#include <QComboBox>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

class TestErgebnisweg : public QObject {
    Q_OBJECT

    Testsuite* m_suite = nullptr;
    Meldungsrekorder* m_rekorder = nullptr;
    Hauptform* m_form = nullptr;
    Eingabeseite* e = nullptr;

    void waehle(int familie, int c)
    {
        QTest::mouseClick(e->Option1[size_t(familie)], Qt::LeftButton, {}, QPoint(6, 8));
        if (familie == 3)
            return;
        const int index = e->Querschnitt->findData(c);
        e->Querschnitt->setCurrentIndex(index);
        emit e->Querschnitt->activated(index);
    }
    void setze(std::initializer_list<std::pair<int, const char*>> werte)
    {
        for (const auto& [i, w] : werte)
            e->Abmessung[size_t(i)]->setText(QString::fromUtf8(w));
    }
    static QString pdftext(const QString& pfad)
    {
        QProcess text;
        text.start("pdftotext", {"-layout", pfad, "-"});
        text.waitForFinished(20000);
        return QString::fromUtf8(text.readAllStandardOutput());
    }

private slots:
    void init()
    {
        m_suite = new Testsuite;
        QFile::copy(DELMARIX, m_suite->exefiles() + "/" + programmdatei("Delmarix"));
        m_suite->übergabe("\"Prüfer\"\r\n\"E\"\r\n");
        m_rekorder = new Meldungsrekorder;
        druckersuche() = [] { return std::unique_ptr<Druckauftrag>(); }; // always into a PDF
        m_form = new Hauptform;
        QVERIFY(m_form->starte(m_suite->exefiles()));
        e = m_form->eingabe;
        m_form->show();
        QLocale::setDefault(QLocale::c());
    }
    void cleanup()
    {
        m_form->Rückkehrmodus = 9;
        delete m_form;
        delete m_rekorder;
        delete m_suite;
    }

    void kastenBisZumDruck()
    {
        waehle(1, 15);
        setze({{0, "600"}, {1, "25"}, {2, "600"}, {3, "20"}, {4, "1200"}, {5, "12"}, {7, "500"}, {10, "75"}, {11, "65"}});
        for (int i = 0; i < 4; ++i) {
            e->Stort[size_t(i)]->setText(QString::number(80 - 20 * i));
            e->StLang1[size_t(i)]->setText("80");
            e->StLang2[size_t(i)]->setText("0");
            e->StDick[size_t(i)]->setText("10");
        }
        QTest::mouseClick(e->Trägerergebnis, Qt::LeftButton);
        QVERIFY2(m_rekorder->gezeigt.empty(), qPrintable(m_rekorder->texte().join('\n')));
        QVERIFY(m_form->form5 && m_form->form5->isVisible());
        QVERIFY(QFile::exists(m_form->TMPPATH + "/1.bmp"));
        QCOMPARE(m_form->drucktastenwert, qint16(1));
        QVERIFY(m_form->zs > 0);

        // Two copies from the preview: without a printer both go into one PDF.
        m_form->form5->anzahl->setText("2");
        QTest::mouseClick(m_form->form5->Command1, Qt::LeftButton);
        QVERIFY(!QFile::exists(m_form->TMPPATH + "/1.bmp"));
        QVERIFY(QFile::exists(m_form->letzteDruckdatei));
        // Named after the section in the user's language (English here), in the editor's folder.
        QVERIFY2(QFileInfo(m_form->letzteDruckdatei).fileName().startsWith("Section Box, rail over web"),
                 qPrintable(m_form->letzteDruckdatei));
        QVERIFY(m_form->letzteDruckdatei.startsWith(m_form->pathben));
        QCOMPARE(m_rekorder->texte().last(), m_form->holeMessage(43) + " " + QDir::toNativeSeparators(m_form->letzteDruckdatei));
        const QString text = pdftext(m_form->letzteDruckdatei);
        QCOMPARE(text.count("Tarvello 7.1.3"), 2);
        QVERIFY2(text.contains("IY") && text.contains("Sigma-X") && text.contains("P14"), qPrintable(text));
        QCOMPARE(m_form->drucktastenwert, qint16(0));
        QCOMPARE(m_form->testansicht, qint16(-1));
    }

    void walzprofil()
    {
        waehle(3, 0);
        e->Combo1[0]->setCurrentText("HEB");
        e->profillisteGeklickt(0);
        e->Combo1[1]->setCurrentText("300");
        e->profillisteGeklickt(1);
        QVERIFY(m_form->rechneHProfil());
        QVERIFY2(m_rekorder->gezeigt.empty(), qPrintable(m_rekorder->texte().join('\n')));
        QCOMPARE(m_form->drucktastenwert, qint16(2));
        QCOMPARE(e->Querschnittsnummer, qint16(102));
        // The engine's centroid of a symmetric profile lies at mid-height: T/2 + (H - 2T)/2 + T/2 above the mid-plane.
        QVERIFY(qAbs(m_form->zs - (300 - 19) / 2.0f) < 0.5f);
    }

    void hauptfensterSchliesstVorschau()
    {
        waehle(0, 1);
        setze({{0, "600"}, {1, "25"}, {2, "600"}, {3, "20"}, {4, "1200"}, {5, "12"}, {7, "500"}});
        QVERIFY(m_form->zeigeQuerschnittswerte());
        QVERIFY(m_form->form5->isVisible());
        QEvent aktiv(QEvent::WindowActivate);
        QApplication::sendEvent(m_form, &aktiv);
        QVERIFY(!m_form->form5->isVisible());
        QVERIFY(!QFile::exists(m_form->TMPPATH + "/1.bmp"));
    }

    void rechenkernMeldetFehler()
    {
        waehle(0, 1);
        // A web thinner than anything the engine accepts is refused by it, not guessed.
        setze({{0, "600"}, {1, "25"}, {2, "600"}, {3, "20"}, {4, "1200"}, {5, "-1"}, {7, "500"}});
        QVERIFY(!m_form->zeigeQuerschnittswerte());
        // The engine's own reason, in the user's language (English here).
        QCOMPARE(m_rekorder->texte().last(),
                 m_form->holeMessage(17) + "\nline 8 (web thickness): must be greater than 0, is -1");
        QVERIFY(!m_form->form5 || !m_form->form5->isVisible());
    }
};

QTEST_MAIN(TestErgebnisweg)
#include "tst_ergebnisweg.moc"
