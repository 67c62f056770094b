// Report pages: the footer, printing to PDF, and the page preview's bitmaps.
#include "Testhilfen.h"
#include "report/Bericht.h"
#include "report/Berichtslauf.h"
#include "report/Form5.h"
#include "app/Dateien.h"

#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

class TestBericht : public QObject {
    Q_OBJECT

private slots:
    // The footer names the section and the version, right-aligned at 173 mm; a long name is shortened.
    void fusszeile()
    {
        Bericht b;
        b.beginneBericht(295, true);
        std::vector<Zeichenschritt> t;
        b.flaeche().protokolliereIn(&t);
        Berichtszaehler z{"(Kasten)", 0, 0}, lang{QString(200, u'W'), 1, 0};
        b.druckeFusszeile(z);
        b.druckeFusszeile(lang);
        t.erase(std::remove_if(t.begin(), t.end(), [](const auto& s) { return s.art != Zeichenschritt::Art::Text; }), t.end());
        QCOMPARE(t.size(), size_t(5));
        QCOMPARE(t[0].text + u'|' + t[1].text + u'|' + t[3].text + u'|' + t[4].text, "(Kasten)|Tarvello 7.1.3|1|Tarvello 7.1.3");
        QVERIFY(qAbs(t[1].x2 - 173) < 1e-6 && qAbs(t[4].x2 - 173) < 1e-6);
        QVERIFY(t[2].x2 - t[2].x1 <= 80 && b.flaeche().textWidth(t[2].text + u'W') > 80);
        QCOMPARE(z.seitenzahl, qint16(0)); // without a page number none is counted
        QCOMPARE(lang.seitenzahl, qint16(2));
        b.beendeBericht(z);
    }

    // A printer's origin is the corner of its printable area; a PDF has none and gets the
    // margin an office printer leaves (6 mm). The report's name is one any file system takes.
    void druckzielUndName()
    {
        struct Bildauftrag final : Druckauftrag {
            QString pfad;
            QImage bild = neueVorschauseite();
            std::unique_ptr<QPainter> painter;
            QPainter* beginneSeite() override { painter = std::make_unique<QPainter>(&bild); return painter.get(); }
            void beendeSeite() override { painter.reset(); }
            QString datei() const override { return pfad; }
        };
        const auto linkeKante = [](const QString& pfad) {
            Bildauftrag auftrag;
            auftrag.pfad = pfad;
            Bericht b;
            Berichtszaehler z;
            b.beginneBericht(295, false, &auftrag);
            b.flaeche().linie(10, 20, 10, 60);
            b.beendeBericht(z);
            for (int x = 0; x < auftrag.bild.width(); ++x)
                if (qGray(auftrag.bild.pixel(x, 150)) < 200)
                    return x;
            return -1;
        };
        const int drucker = linkeKante(QString()), pdf = linkeKante("Bericht.pdf");
        QVERIFY(drucker >= 0);
        QVERIFY2(qAbs(pdf - drucker - 6 / 25.4 * 96) <= 1, qPrintable(QStringLiteral("%1 %2").arg(drucker).arg(pdf)));

        const QString name = pdfname("Querschnitt", "Kasten: A/B", QDateTime(QDate(2024, 5, 17), QTime(9, 5, 3)));
        QVERIFY2(std::none_of(name.begin(), name.end(), taugtNichtImDateinamen), qPrintable(name));
        QVERIFY(name.endsWith(".pdf") && name.contains("2024"));
    }

    // Two copies of a two-page report into one PDF, as the print button lays them out again per copy:
    // four pages, each copy's numbered from 1.
    void druckInPdfMitZweiKopien()
    {
        QTemporaryDir ordner;
        const QString pfad = ordner.filePath("Bericht.pdf");
        const auto auftrag = pdfauftrag(pfad);
        std::vector<Berichtsseite> seiten;
        for (const char* name : {"Seite A", "Seite B"})
            seiten.push_back([name](Zeichenflaeche& f) {
                f.CurrentY = 40;
                f.print(QString::fromLatin1(name));
            });
        Berichtszaehler z{"(Zweizellenkasten)", 0, 0};
        std::vector<QImage> bilder;
        for (int kopie = 1; kopie <= 2; ++kopie)
            QCOMPARE(legeSeitenAn(seiten, z, false, auftrag.get(), bilder), Seitenstand::Heil);
        QVERIFY(bilder.empty()); // printed, not previewed
        QString grund;
        QVERIFY(auftrag->beende(grund));
        QProcess text;
        text.start("pdftotext", {"-layout", pfad, "-"});
        QVERIFY(text.waitForFinished(20000));
        const QString inhalt = QString::fromUtf8(text.readAllStandardOutput());
        QCOMPARE(inhalt.count("Seite A"), 2);
        QCOMPARE(inhalt.count(u'\f'), 4);
        QStringList nummern;
        for (const QString& zeile : inhalt.split(u'\n'))
            if (zeile.contains("Tarvello 7.1.3"))
                nummern.append(zeile.simplified().section(u' ', -3, -3));
        QCOMPARE(nummern, (QStringList{"1", "2", "1", "2"}));
    }

    // Pages go three to a bitmap; the print button asks for the copies and the bitmaps go.
    void vorschauUndDruckknopf()
    {
        QTemporaryDir ordner;
        Form5 vorschau;
        QString fehler;
        const std::vector<QImage> seiten(4, neueVorschauseite());
        QVERIFY(vorschau.zeigeSeiten(seiten, ordner.path(), fehler));
        QCOMPARE(vorschau.maxind, 2);
        QCOMPARE(QImage(ordner.filePath("2.bmp")).height(), seiten[3].height());
        QSignalSpy drucken(&vorschau, &Form5::drucken);
        vorschau.anzahl->setText("2");
        QTest::mouseClick(vorschau.Command1, Qt::LeftButton);
        QCOMPARE(drucken.size(), 1);
        QCOMPARE(drucken[0][0].toInt(), 2);
        QVERIFY(!vorschau.isVisible());
        QVERIFY(QDir(ordner.path()).entryList({"*.bmp"}).isEmpty());
        // A negative count prints nothing.
        QVERIFY(vorschau.zeigeSeiten(seiten, ordner.path(), fehler));
        vorschau.anzahl->setText("-2");
        QTest::mouseClick(vorschau.Command1, Qt::LeftButton);
        QCOMPARE(drucken.last()[0].toInt(), 0);
    }
};

QTEST_MAIN(TestBericht)
#include "tst_bericht.moc"
