// Reading order and the keys that move along it, on a window of real group boxes
// and fields: rows side by side, a group inside another, a hidden field, the
// window's own buttons (Tab through the real window: tst_eingabeseite).
#include "app/Feldnavigation.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

// Two groups one above the other; the upper one has two rows of two fields (the second field of
// the first row a few pixels lower, as labels of different height leave it), a field hidden
// between them and a group at its right holding two fields of its own.
struct Fenster {
    QWidget w;
    QGroupBox* oben = new QGroupBox(&w);
    QGroupBox* rechts = new QGroupBox(oben);
    QGroupBox* unten = new QGroupBox(&w);
    QLineEdit *a = feld(oben, 10, 20, "12  "), *b = feld(oben, 120, 26, "56"), *verborgen = feld(oben, 10, 50, "");
    QLineEdit *c = feld(oben, 10, 80, ""), *d = feld(oben, 120, 80, "");
    QLineEdit *r1 = feld(rechts, 10, 20, ""), *r2 = feld(rechts, 10, 50, "");
    QLineEdit *u1 = feld(unten, 120, 20, ""), *u2 = feld(unten, 10, 20, "");
    QPushButton* taste = new QPushButton(&w);

    Fenster()
    {
        w.resize(500, 400);
        oben->setGeometry(10, 10, 400, 120);
        rechts->setGeometry(250, 10, 140, 100);
        unten->setGeometry(10, 200, 400, 60);
        taste->setGeometry(400, 350, 80, 25);
        w.show();
        verborgen->hide();
    }
    static QLineEdit* feld(QWidget* in, int x, int y, const char* text)
    {
        auto* f = new QLineEdit(QString::fromLatin1(text), in);
        f->setGeometry(x, y, 60, 22);
        return f;
    }
    std::vector<QWidget*> kette()
    {
        std::vector<QWidget*> felder;
        for (QLineEdit* f : {u2, d, r2, a, u1, c, verborgen, b, r1})
            if (kannFokusNehmen(f))
                felder.push_back(f);
        return lesefolge(felder);
    }
};

} // namespace

class TestFeldnavigation : public QObject {
    Q_OBJECT

private slots:
    void lesefolgeNachGruppenUndZeilen()
    {
        Fenster f;
        QVERIFY(QTest::qWaitForWindowExposed(&f.w));
        QCOMPARE(f.kette(), (std::vector<QWidget*>{f.a, f.b, f.c, f.d, f.r1, f.r2, f.u2, f.u1}));
        // The window's own button after every group, whatever its place.
        f.taste->move(0, 0);
        QCOMPARE(lesefolge({f.taste, f.u2, f.a}), (std::vector<QWidget*>{f.a, f.u2, f.taste}));
    }

    // Each key from a field, with the caret where it stood at the key's press.
    void tasten_data()
    {
        QTest::addColumn<QString>("von");
        QTest::addColumn<int>("taste");
        QTest::addColumn<int>("caret");
        QTest::addColumn<QString>("nach");
        QTest::newRow("Return weiter") << "a" << int(Qt::Key_Return) << 0 << "b";
        QTest::newRow("Return in die innere Gruppe") << "d" << int(Qt::Key_Enter) << 0 << "r1";
        QTest::newRow("Return vom letzten zum ersten") << "u1" << int(Qt::Key_Return) << 0 << "a";
        QTest::newRow("rechts: Endblanks zaehlen als Ende") << "a" << int(Qt::Key_Right) << 2 << "b";
        QTest::newRow("rechts am letzten bleibt") << "u1" << int(Qt::Key_Right) << 0 << "u1";
        QTest::newRow("links am Anfang") << "b" << int(Qt::Key_Left) << 0 << "a";
        QTest::newRow("links am ersten bleibt") << "a" << int(Qt::Key_Left) << 0 << "a";
        QTest::newRow("runter ueber den verborgenen") << "a" << int(Qt::Key_Down) << 0 << "c";
        QTest::newRow("runter aus leicht tieferem Feld") << "b" << int(Qt::Key_Down) << 0 << "d";
        QTest::newRow("runter in die naechste Gruppe") << "d" << int(Qt::Key_Down) << 0 << "u1";
        QTest::newRow("hoch zum naechsten quer") << "u2" << int(Qt::Key_Up) << 0 << "c";
        QTest::newRow("hoch oben bleibt") << "r1" << int(Qt::Key_Up) << 0 << "r1";
        QTest::newRow("andere Taste") << "a" << int(Qt::Key_5) << 0 << "a";
    }
    void tasten()
    {
        QFETCH(QString, von);
        QFETCH(int, taste);
        QFETCH(int, caret);
        QFETCH(QString, nach);
        Fenster f;
        QVERIFY(QTest::qWaitForWindowExposed(&f.w));
        const std::map<QString, QLineEdit*> name{{"a", f.a}, {"b", f.b}, {"c", f.c}, {"d", f.d}, {"r1", f.r1},
                                                {"u1", f.u1}, {"u2", f.u2}};
        QLineEdit* start = name.at(von);
        start->setFocus();
        QTRY_VERIFY(start->hasFocus());
        QCOMPARE(feldNavigation(taste, start, f.kette(), caret), taste != Qt::Key_5);
        QTRY_VERIFY2(name.at(nach)->hasFocus(), qPrintable(QApplication::focusWidget()->objectName()));
        // Entered from the right, the caret stands behind the text, before its trailing blanks.
        if (taste == Qt::Key_Left && nach == "a" && von != "a")
            QCOMPARE(f.a->cursorPosition(), 2);
    }
};

QTEST_MAIN(TestFeldnavigation)
#include "tst_feldnavigation.moc"
