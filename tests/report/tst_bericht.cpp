// Report pages: the footer's rules, printing to PDF, and the page preview's bitmaps.
#include "Testhilfen.h"
#include "drawing/Zeichenprimitive.h"
#include "report/Bericht.h"
#include "report/Form5.h"

#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

namespace {

std::vector<QString> texte(const std::vector<Zeichenschritt>& protokoll)
{
    std::vector<QString> t;
    for (const auto& s : protokoll)
        if (s.art == Zeichenschritt::Art::Text)
            t.push_back(s.text);
    return t;
}

const Zeichenschritt* textschritt(const std::vector<Zeichenschritt>& protokoll, const QString& text)
{
    for (const auto& s : protokoll)
        if (s.art == Zeichenschritt::Art::Text && s.text == text)
            return &s;
    return nullptr;
}

} // namespace

class TestBericht : public QObject {
    Q_OBJECT

private slots:
    void fusszeile()
    {
        Bericht b;
        Berichtszaehler z{"(Kasten)", 0, 0};
        b.beginneBericht(300, true);
        QCOMPARE(b.seitenlaenge(), 295.0);
        std::vector<Zeichenschritt> protokoll;
        b.flaeche().protokolliereIn(&protokoll);
        b.flaeche().CurrentY = 120;
        b.druckeFusszeile(z);
        QCOMPARE(z.seitenzahl, qint16(0)); // no page number, and none counted
        QCOMPARE(z.seitenzähler, qint16(1));
        QVERIFY(textschritt(protokoll, "(Kasten)"));
        const Zeichenschritt* version = textschritt(protokoll, "Tarvello 7.1.3");
        QVERIFY(version);
        QVERIFY(qAbs(version->x1 + b.flaeche().textWidth("Tarvello 7.1.3") - 173) < 1e-6);
        QCOMPARE(version->y1, 271.0);
        QCOMPARE(texte(protokoll).size(), size_t(2));

        protokoll.clear();
        z.seitenzahl = 1;
        b.druckeFusszeile(z);
        QVERIFY(textschritt(protokoll, "1"));
        QCOMPARE(z.seitenzahl, qint16(2));
        b.beendeBericht(z);
    }

    void langerProjektnameWirdGekuerzt()
    {
        Bericht b;
        b.beginneBericht(295, true);
        b.flaeche().setzeSchrift("Times New Roman", 8);
        QString name(200, u'W');
        kuerzeText(name, 80, b.flaeche());
        QVERIFY(b.flaeche().textWidth(name) <= 80);
        QVERIFY(b.flaeche().textWidth(name + u'W') > 80);
        Berichtszaehler z;
        b.beendeBericht(z);
    }

    void keineFusszeileInDenErstenZehnMillimetern()
    {
        Bericht b;
        Berichtszaehler z;
        b.beginneBericht(295, true);
        std::vector<Zeichenschritt> protokoll;
        b.flaeche().protokolliereIn(&protokoll);
        b.flaeche().print("kurz");
        const QImage seite = b.beendeBericht(z);
        QCOMPARE(z.seitenzähler, qint16(0));
        QVERIFY(!seite.isNull());
    }

    void druckInPdf()
    {
        QTemporaryDir ordner;
        const QString pfad = ordner.filePath("Bericht.pdf");
        {
            auto auftrag = pdfauftrag(pfad);
            for (int kopie = 1; kopie <= 2; ++kopie) {
                Bericht b;
                Berichtszaehler z{"(Zweizellenkasten)", 1, 0};
                b.beginneBericht(295, false, auftrag.get());
                b.flaeche().setzeSchrift("Times New Roman", 14);
                b.flaeche().CurrentY = 40;
                b.flaeche().print(QStringLiteral("Kopie %1").arg(kopie));
                QVERIFY(b.beendeBericht(z).isNull());
                QCOMPARE(z.seitenzahl, qint16(2));
            }
            QString grund;
            QVERIFY(auftrag->beende(grund));
        }
        QProcess text;
        text.start("pdftotext", {"-layout", pfad, "-"});
        QVERIFY(text.waitForFinished(20000));
        const QString inhalt = QString::fromUtf8(text.readAllStandardOutput());
        QVERIFY2(inhalt.contains("Kopie 1") && inhalt.contains("Kopie 2"), qPrintable(inhalt));
        QCOMPARE(inhalt.count("Tarvello 7.1.3"), 2);
        QCOMPARE(inhalt.count(u'\f'), 2); // two pages
    }

    void vorschauBitmaps()
    {
        QTemporaryDir ordner;
        Form5 vorschau;
        QString fehler;
        QVERIFY(vorschau.zeigeSeiten({neueVorschauseite()}, ordner.path(), fehler));
        QVERIFY(QFile::exists(ordner.filePath("1.bmp")));
        QCOMPARE(vorschau.VScroll1->maximum(), 8);
        QCOMPARE(vorschau.anzahl->text(), QStringLiteral("1"));
        vorschau.close();
        QVERIFY(!QFile::exists(ordner.filePath("1.bmp")));

        // Four pages: two groups, the second holding page 4 alone.
        std::vector<QImage> seiten(4, neueVorschauseite());
        QVERIFY(vorschau.zeigeSeiten(seiten, ordner.path(), fehler));
        QCOMPARE(vorschau.maxind, 2);
        QCOMPARE(QImage(ordner.filePath("2.bmp")).height(), seiten[3].height());
        QCOMPARE(vorschau.VScroll1->maximum(), 3 * 19 + 8);
        // The wheel moves the bar and stays inside its range.
        QWheelEvent rad(QPointF(10, 10), QPointF(10, 10), {}, QPoint(0, -120 * 100), Qt::NoButton, {}, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&vorschau, &rad);
        QCOMPARE(vorschau.VScroll1->value(), vorschau.VScroll1->maximum());
        vorschau.close();
        QVERIFY(QDir(ordner.path()).entryList({"*.bmp"}).isEmpty());
    }

    void druckknopf()
    {
        QTemporaryDir ordner;
        Form5 vorschau;
        QString fehler;
        QVERIFY(vorschau.zeigeSeiten({neueVorschauseite()}, ordner.path(), fehler));
        QSignalSpy drucken(&vorschau, &Form5::drucken);
        vorschau.anzahl->setText("2");
        QTest::mouseClick(vorschau.Command1, Qt::LeftButton);
        QCOMPARE(drucken.size(), 1);
        QCOMPARE(drucken[0][0].toInt(), 2);
        QVERIFY(!vorschau.isVisible());
        QVERIFY(!QFile::exists(ordner.filePath("1.bmp")));
    }
};

QTEST_MAIN(TestBericht)
#include "tst_bericht.moc"
