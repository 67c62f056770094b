// The layout a form number asks for, the stiffener rows, navigation targets and field rules.
#include "section/Eingaberegeln.h"
#include "kern/Formen.h"

#include <QTest>

using Zeilen = std::array<bool, 5>;
Q_DECLARE_METATYPE(Zeilen)

class TestFormlayout : public QObject {
    Q_OBJECT

private slots:
    // One form of every row of the layout table.
    void layouttabelle_data()
    {
        QTest::addColumn<int>("c");
        QTest::addColumn<QString>("erwartet"); // angle, web 2, web profile, rail, cell 2, fields 13/15/16, stiffeners
        const struct { int c; const char* zeile; } faelle[] = {
            {1, "1000000"},   {2, "1000001"},   {9, "1000001"},   {10, "1000000"},  {11, "1101000"},
            {12, "1101001"},  {29, "1101001"},  {30, "1001000"},  {31, "1001000"},  {32, "1001001"},
            {39, "1001001"},  {41, "1101000"},  {51, "1010000"},  {52, "1010001"},  {58, "1010001"},
            {101, "0101000"}, {111, "0111000"}, {112, "0111001"}, {119, "0111001"}, {200, "1000000"},
            {201, "0101010"}, {212, "0101011"}, {220, "0101010"}, {221, "0111010"}, {222, "0111011"},
            {229, "0111011"}, {311, "0101100"}, {312, "0101101"}, {319, "0101101"},
        };
        for (const auto& f : faelle)
            QTest::addRow("%d", f.c) << f.c << QString::fromLatin1(f.zeile);
    }
    void layouttabelle()
    {
        QFETCH(int, c);
        QFETCH(QString, erwartet);
        const Formlayout l = formlayout(c);
        const QString ist = QString("%1%2%3%4%5%6%7")
                                .arg(int(l.stegwinkel)).arg(int(l.stegdicke2)).arg(int(l.stegprofil))
                                .arg(int(l.schienen)).arg(int(l.zelle2)).arg(int(l.winkelfelder)).arg(int(l.steifen));
        QCOMPARE(ist, erwartet);
        // The web angle is forced to 0 wherever the form hides it for good.
        QCOMPARE(l.stegwinkelNull, (c >= 101 && c <= 119) || (c >= 221 && c <= 299) || c >= 301);
    }

    void unterschriften()
    {
        for (int c : {11, 29, 41, 101, 119}) {
            QVERIFY(formlayout(c).stegLabel4);
            QVERIFY(formlayout(c).stegLabel5);
        }
        QVERIFY(formlayout(215).stegLabel4 && !formlayout(215).stegLabel5 && formlayout(215).winkelzeilen);
        QVERIFY(!formlayout(311).stegLabel4 && !formlayout(311).stegLabel5);
        QVERIFY(!formlayout(36).stegLabel4);
    }

    void steifenzeilen_data()
    {
        QTest::addColumn<int>("c");
        QTest::addColumn<Zeilen>("zeilen");
        QTest::addColumn<Zeilen>("texte");
        const Zeilen keine{}, alle{true, true, true, true, true};
        QTest::newRow("2") << 2 << Zeilen{true, false, false, false, false} << keine;
        QTest::newRow("3") << 3 << Zeilen{true, false, false, false, true} << Zeilen{false, false, false, false, true};
        QTest::newRow("35") << 35 << Zeilen{true, false, true, false, false} << keine;
        QTest::newRow("36") << 36 << Zeilen{false, false, false, false, true} << Zeilen{false, false, false, false, true};
        QTest::newRow("38") << 38 << alle << Zeilen{false, false, false, false, true};
        QTest::newRow("39") << 39 << Zeilen{true, false, true, false, true} << Zeilen{false, false, false, false, true};
        QTest::newRow("7") << 7 << alle << keine;
        QTest::newRow("58") << 58 << alle << keine;
        QTest::newRow("16") << 16 << Zeilen{true, false, false, false, true} << Zeilen{true, false, false, false, true};
        QTest::newRow("225") << 225 << Zeilen{true, true, true, true, false} << Zeilen{true, true, true, true, false};
        QTest::newRow("228") << 228 << Zeilen{true, true, true, false, true} << Zeilen{true, true, true, false, true};
        QTest::newRow("119") << 119 << alle << alle;
        QTest::newRow("315") << 315 << Zeilen{true, true, true, true, false} << keine;
        QTest::newRow("1") << 1 << keine << keine;
        QTest::newRow("111") << 111 << keine << keine;
        QTest::newRow("211") << 211 << keine << keine;
    }
    void steifenzeilen()
    {
        QFETCH(int, c);
        QFETCH(Zeilen, zeilen);
        QFETCH(Zeilen, texte);
        const Formlayout l = formlayout(c);
        QCOMPARE(l.steifenzeilen, zeilen);
        QCOMPARE(l.zeilentexte, texte);
        QCOMPARE(l.steifen, zeilen != Zeilen{});
    }

    void nachbarzeilen()
    {
        const Zeilen form16{true, false, false, false, true};
        QCOMPARE(naechsteSteife(0, form16).naechste, 4);
        QCOMPARE(naechsteSteife(4, form16).vorige, 0);
        QCOMPARE(naechsteSteife(4, form16).naechste, 4);
        QCOMPARE(naechsteSteife(0, form16).vorige, 0);
        using S = Steifenspalte;
        // Down from the position of row 0 would land on the fixed mid position: it stays.
        QCOMPARE(steifenziele({S::Stort, 0}, form16).runter, (Steifenfeld{S::Stort, 0}));
        QCOMPARE(steifenziele({S::StLang1, 0}, form16).runter, (Steifenfeld{S::StLang1, 4}));
        QCOMPARE(steifenziele({S::StLang1, 4}, form16).links, (Steifenfeld{S::StLang1, 4}));
        QCOMPARE(steifenziele({S::StDick, 2}, Zeilen{true, true, true, true, true}).enter, (Steifenfeld{S::StDick, 2}));
        QCOMPARE(steifenziele({S::StLang2, 1}, Zeilen{true, true, true, false, false}).runter, (Steifenfeld{S::StLang2, 2}));
    }

    void abmessungsnavigation()
    {
        QCOMPARE(abmessungsziele(5, false, false, false).enter, 14);
        QCOMPARE(abmessungsziele(5, true, false, false).enter, 6);
        QCOMPARE(abmessungsziele(5, true, true, false).enter, 13);
        QCOMPARE(abmessungsziele(6, true, true, false).links, 13);
        QCOMPARE(abmessungsziele(11, false, false, true).enter, 15);
        QCOMPARE(abmessungsziele(1, false, false, false).rechts, 1);
        QCOMPARE(hwertziele(11).enter, 7);
    }

    void regeln_data()
    {
        QTest::addColumn<int>("regel");
        QTest::addColumn<float>("wert");
        QTest::addColumn<int>("meldung");
        const struct { Feldregel r; float v; int m; } faelle[] = {
            {Feldregel::Mass, 0.001f, 0},         {Feldregel::Mass, 0, 4},          {Feldregel::Mass, -1, 4},
            {Feldregel::Stegwinkel, -30, 0},      {Feldregel::Stegwinkel, 30, 0},   {Feldregel::Stegwinkel, 30.01f, 13},
            {Feldregel::Stegwinkel, -30.5f, 13},  {Feldregel::Radius, 0, 0},        {Feldregel::Radius, -1, 5},
            {Feldregel::Steifenlage, 2, 14},      {Feldregel::Steifenlage, 2.5f, 0}, {Feldregel::Steifenlage, 97.9f, 0},
            {Feldregel::Steifenlage, 98, 14},     {Feldregel::Mindestens1, 1, 0},   {Feldregel::Mindestens1, 0.5f, 4},
            {Feldregel::Nichtnegativ, 0, 0},      {Feldregel::Nichtnegativ, -0.1f, 5},
        };
        for (const auto& f : faelle)
            QTest::addRow("regel %d wert %g", int(f.r), double(f.v)) << int(f.r) << f.v << f.m;
    }
    void regeln()
    {
        QFETCH(int, regel);
        QFETCH(float, wert);
        QFETCH(int, meldung);
        QCOMPARE(regelverletzung(Feldregel(regel), wert), meldung);
    }
};

QTEST_MAIN(TestFormlayout)
#include "tst_formlayout.moc"
