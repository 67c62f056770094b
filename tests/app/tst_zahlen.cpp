// Number rules, output patterns, right-aligned numbers and key navigation.
#include "Testhilfen.h"
#include "app/Feldnavigation.h"
#include "kern/Zahlen.h"
#include "section/Eingaberegeln.h"
#include "drawing/Zeichenflaeche.h"

#include <QGroupBox>
#include <QImage>
#include <QLineEdit>
#include <QLocale>
#include <QPainter>
#include <QTest>

class TestZahlen : public QObject {
    Q_OBJECT

    QTemporaryDir m_ordner;
    QString m_messages;

    // Runs the check under both system decimal separators.
    void unterBeidenTrennern(const std::function<void()>& pruefe)
    {
        for (const auto sprache : {QLocale::German, QLocale::English}) {
            QLocale::setDefault(QLocale(sprache, sprache == QLocale::German ? QLocale::Germany : QLocale::UnitedStates));
            bestimmeDezimaltrennzeichen();
            pruefe();
        }
        QLocale::setDefault(QLocale::c());
    }

private slots:
    void initTestCase()
    {
        m_messages = m_ordner.filePath("HauptformMessages.D");
        schreibeDatei(m_messages, "1,\"keine Zahl\"\r\n");
    }

    void dezimaltrennzeichen()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        QCOMPARE(bestimmeDezimaltrennzeichen(), QChar(u','));
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
        QCOMPARE(bestimmeDezimaltrennzeichen(), QChar(u'.'));
        QLocale::setDefault(QLocale::c());
    }

    void pruefeZahl_data()
    {
        QTest::addColumn<QString>("eingabe");
        QTest::addColumn<bool>("gueltig");
        QTest::addColumn<QString>("danach");
        QTest::newRow("dezimalkomma") << "12,5" << true << "12.5";
        QTest::newRow("dezimalpunkt") << "12.5" << true << "12.5";
        QTest::newRow("zwei punkte") << "1.2.3" << false << "1.2.3";
        QTest::newRow("komma und punkt") << "1,2.3" << false << "1.2.3";
        QTest::newRow("leer") << "" << true << "";
        QTest::newRow("minus allein") << "-" << true << "-";
        QTest::newRow("plus allein") << "+" << true << "+";
        QTest::newRow("minus hinten") << "12-" << false << "12-";
        QTest::newRow("negativ") << "-3,5" << true << "-3.5";
        QTest::newRow("buchstabe") << "12a" << false << "12a";
        QTest::newRow("exponent") << "1e3" << true << "1e3";
        QTest::newRow("punkt allein") << "." << false << ".";
        QTest::newRow("blanks aussen") << " 12 " << true << " 12 ";
        QTest::newRow("blank innen") << "1 2" << false << "1 2";
    }
    void pruefeZahl()
    {
        QFETCH(QString, eingabe);
        QFETCH(bool, gueltig);
        QFETCH(QString, danach);
        unterBeidenTrennern([&] {
            Meldungsrekorder rekorder;
            QString text = eingabe;
            QCOMPARE(::pruefeZahl(text, m_messages), gueltig);
            QCOMPARE(text, danach);
            QCOMPARE(rekorder.texte(), gueltig ? QStringList{} : QStringList{"keine Zahl"});
        });
    }

    void zahl_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<float>("wert");
        QTest::newRow("punkt") << "12.5" << 12.5f;
        QTest::newRow("blanks aussen") << " 12 " << 12.0f;
        QTest::newRow("blank innen") << "1 2" << 0.0f;
        QTest::newRow("leer") << "" << 0.0f;
        QTest::newRow("text") << "abc" << 0.0f;
        QTest::newRow("negativ") << "-0.25" << -0.25f;
        QTest::newRow("exponent") << "2.5E2" << 250.0f;
        QTest::newRow("zwei punkte") << "1.2.3" << 0.0f;
        QTest::newRow("einfache genauigkeit") << "0.1" << 0.1f;
    }
    void zahl()
    {
        QFETCH(QString, text);
        QFETCH(float, wert);
        unterBeidenTrennern([&] { QCOMPARE(::zahl(text), wert); });
    }

    void zahlMitKommaNurBeiKommaSystem()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        bestimmeDezimaltrennzeichen();
        QCOMPARE(::zahl("12,5"), 12.5f);
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        bestimmeDezimaltrennzeichen();
        QCOMPARE(::zahl("12,5"), 0.0f);
        QLocale::setDefault(QLocale::c());
    }

    void punkttext()
    {
        QCOMPARE(::punkttext(""), QStringLiteral("0"));
        QCOMPARE(::punkttext("1,5"), QStringLiteral("1.5"));
        QCOMPARE(::punkttext(" 7"), QStringLiteral(" 7"));
    }

    void muster_data()
    {
        QTest::addColumn<int>("muster");
        QTest::addColumn<float>("wert");
        QTest::addColumn<QString>("deutsch");
        QTest::addColumn<QString>("englisch");
        QTest::newRow("0 gruppiert") << 0 << 1234567.0f << "1.234.567,0" << "1,234,567.0";
        QTest::newRow("1 gruppiert drei stellen") << 1 << 12345.678f << "12.345,678" << "12,345.678";
        QTest::newRow("2 ungruppiert") << 2 << 12345.678f << "12345,678" << "12345.678";
        QTest::newRow("3 eine stelle") << 3 << 0.04f << "0,0" << "0.0";
        QTest::newRow("4 zwei stellen") << 4 << -2.5f << "-2,50" << "-2.50";
        QTest::newRow("keine negative null") << 0 << -0.01f << "0,0" << "0.0";
        QTest::newRow("unbekannt") << 7 << 1.0f << "" << "";
    }
    void muster()
    {
        QFETCH(int, muster);
        QFETCH(float, wert);
        QFETCH(QString, deutsch);
        QFETCH(QString, englisch);
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        QCOMPARE(formatiereZahl(wert, muster), deutsch);
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        QCOMPARE(formatiereZahl(wert, muster), englisch);
        QLocale::setDefault(QLocale::c());
    }

    void zahlEndetRechtsBuendig()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        QImage bild(800, 400, QImage::Format_RGB32);
        bild.setDotsPerMeterX(3780); // 96 dpi
        bild.setDotsPerMeterY(3780);
        QPainter painter(&bild);
        Zeichenflaeche flaeche(&painter);
        std::vector<Zeichenschritt> protokoll;
        flaeche.protokolliereIn(&protokoll);
        flaeche.CurrentX = 10;
        flaeche.CurrentY = 20;
        for (float wert : {1234567.0f, 3.0f}) {
            protokoll.clear();
            const double y = flaeche.CurrentY;
            flaeche.CurrentX = 10;
            druckeZahlRechts(flaeche, 150, 0, wert, "A =", " cm2");
            QCOMPARE(protokoll.size(), size_t(2));
            QCOMPARE(protokoll[0].text, QStringLiteral("A ="));
            QCOMPARE(protokoll[0].x1, 10.0);
            const QString zahltext = formatiereZahl(wert, 0);
            QCOMPARE(protokoll[1].text, zahltext + " cm2");
            QCOMPARE(protokoll[1].y1, y);
            QVERIFY(qAbs(protokoll[1].x1 + flaeche.textWidth(zahltext) - 150) < 1e-9);
            QCOMPARE(flaeche.CurrentX, 0.0);
            QVERIFY(flaeche.CurrentY > y);
        }
        // An unknown pattern writes the label only.
        protokoll.clear();
        druckeZahlRechts(flaeche, 150, 7, 1.0f, "nur", "mm");
        QCOMPARE(protokoll.size(), size_t(1));
        QLocale::setDefault(QLocale::c());
    }

    void navigation()
    {
        QWidget fenster;
        auto* gruppe = new QGroupBox(&fenster);
        gruppe->setGeometry(0, 0, 400, 200);
        auto* feld = new QLineEdit("12", gruppe);
        auto* rechts = new QLineEdit("34  ", gruppe);
        auto* links = new QLineEdit("56  ", gruppe);
        auto* versteckt = new QLineEdit(gruppe);
        auto* gesperrt = new QLineEdit(gruppe);
        gesperrt->setEnabled(false);
        feld->move(0, 0);
        rechts->move(0, 40);
        links->move(0, 80);
        versteckt->hide();
        // Every field of this little form navigates like the program's fields do.
        struct Filter : QObject {
            QLineEdit *feld, *rechts, *links, *versteckt, *gesperrt;
            int caret = 0;
            bool eventFilter(QObject* o, QEvent* e) override
            {
                if (o == feld && e->type() == QEvent::KeyPress)
                    caret = feld->cursorPosition();
                if (o == feld && e->type() == QEvent::KeyRelease) {
                    bool ausgabe = false;
                    int taste = static_cast<QKeyEvent*>(e)->key();
                    feldNavigation(ausgabe, taste, feld, rechts, rechts, links, versteckt, gesperrt, caret);
                }
                return false;
            }
        } filter;
        filter.feld = feld;
        filter.rechts = rechts;
        filter.links = links;
        filter.versteckt = versteckt;
        filter.gesperrt = gesperrt;
        feld->installEventFilter(&filter);
        fenster.show();
        QVERIFY(QTest::qWaitForWindowExposed(&fenster));

        auto neuImFeld = [&](int caret) {
            feld->setFocus();
            QTRY_VERIFY(feld->hasFocus());
            feld->setCursorPosition(caret);
        };
        // Right with the caret between the digits stays (the caret moves inside); at the end it moves on.
        neuImFeld(1);
        QTest::keyClick(feld, Qt::Key_Right);
        QVERIFY(feld->hasFocus());
        QCOMPARE(feld->cursorPosition(), 2);
        QTest::keyClick(feld, Qt::Key_Right);
        QVERIFY(rechts->hasFocus());
        // Left from position 1 first reaches position 0 inside the field.
        neuImFeld(1);
        QTest::keyClick(feld, Qt::Key_Left);
        QVERIFY(feld->hasFocus());
        // Left at position 0 moves, with the caret after the last non-blank character.
        neuImFeld(0);
        QTest::keyClick(feld, Qt::Key_Left);
        QVERIFY(links->hasFocus());
        QCOMPARE(links->cursorPosition(), 2);
        // Enter moves; hidden and disabled targets keep the focus where it is.
        neuImFeld(0);
        QTest::keyClick(feld, Qt::Key_Return);
        QVERIFY(rechts->hasFocus());
        neuImFeld(0);
        QTest::keyClick(feld, Qt::Key_Up);
        QVERIFY(feld->hasFocus());
        QTest::keyClick(feld, Qt::Key_Down);
        QVERIFY(feld->hasFocus());
        // A hidden group hides its fields too.
        gruppe->hide();
        QVERIFY(!kannFokusNehmen(rechts));
    }

    void andereTasteSetztAusgabe()
    {
        QLineEdit feld;
        bool ausgabe = false;
        int taste = Qt::Key_A;
        feldNavigation(ausgabe, taste, &feld, nullptr, nullptr, nullptr, nullptr, nullptr, 0);
        QVERIFY(ausgabe);
        QCOMPARE(taste, 0);
    }
};

QTEST_MAIN(TestZahlen)
#include "tst_zahlen.moc"
