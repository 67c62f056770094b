// The layout a form number asks for, its stiffener rows and the field rules.
#include "section/Eingaberegeln.h"
#include "kern/Formen.h"

#include <QFile>
#include <QTest>
#include <map>
#include <set>
#include <vector>
#include <cmath>
#include <limits>

namespace {
QString bits(const std::array<bool, 5>& a)
{
    QString s;
    for (bool b : a)
        s += b ? '1' : '0';
    return s;
}
} // namespace

class TestFormlayout : public QObject {
    Q_OBJECT

private slots:
    // The forms the program offers are the forms the lists name, in both languages and in the
    // lists' order, family by family; and the engine builds every one of them. The lists are read
    // here on their own, not through the program's list reader, which keeps only offered forms.
    void formenWieDieListen()
    {
        for (const char* sprache : {"D", "E"}) {
            QFile datei(qEnvironmentVariable("TARVELLO_DATEN") + "/Combo." + sprache);
            QVERIFY(datei.open(QIODevice::ReadOnly));
            std::map<int, std::vector<int>> listen; // by family
            std::set<int> genannt;
            for (const QByteArray& zeile : datei.readAll().split('\n')) {
                const QList<QByteArray> felder = zeile.split(',');
                if (felder.size() < 3 || felder[0].trimmed() != "1")
                    continue;
                const int nummer = felder[1].trimmed().toInt();
                QVERIFY2(genannt.insert(nummer).second, qPrintable(QString("%1 twice").arg(nummer)));
                const int familie = familieDerForm(nummer);
                QVERIFY2(familie >= 0, qPrintable(QString("Combo.%1 names form %2, which no family offers").arg(sprache).arg(nummer)));
                listen[familie].push_back(nummer);
            }
            for (int familie = kOhneSchiene; familie <= kZweizeller; ++familie) {
                QCOMPARE(listen[familie], angeboteneFormen(familie));
                for (int nummer : angeboteneFormen(familie))
                    QVERIFY(bauart(nummer) != Bauart::Keine && bauart(nummer) != Bauart::Walzprofil);
            }
        }
        // Numbers beside the offered runs belong to no family.
        for (int nummer : {0, 7, 8, 9, 10, 20, 30, 32, 34, 38, 50, 57, 58, 110, 200, 202, 211, 220, 230, 310, 320})
            QCOMPARE(familieDerForm(nummer), -1);
    }

    // The forms at both edges of every row of the layout table.
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
        QString ist;
        for (bool b : {l.stegwinkel, l.stegdicke2, l.stegprofil, l.schienen, l.zelle2, l.winkelfelder, l.steifen})
            ist += b ? '1' : '0';
        QCOMPARE(ist, erwartet);
        // The web angle is forced to 0 wherever the form hides it for good.
        QCOMPARE(l.stegwinkelNull, (c >= 101 && c <= 119) || (c >= 221 && c <= 299) || c >= 301);
    }

    // Which stiffener rows a form shows, and which of them say on which web they stand.
    void steifenzeilen_data()
    {
        QTest::addColumn<int>("c");
        QTest::addColumn<QString>("zeilen");
        QTest::addColumn<QString>("texte");
        const struct { int c; const char *zeilen, *texte; } faelle[] = {
            {2, "10000", "00000"},   {3, "10001", "00001"},   {35, "10100", "00000"},  {36, "00001", "00001"},
            {55, "10101", "00001"},  {39, "10101", "00001"},  {56, "00001", "00001"},
            {16, "10001", "10001"},  {225, "11110", "11110"}, {228, "11101", "11101"}, {119, "11111", "11111"},
            {315, "11110", "00000"}, {1, "00000", "00000"},   {111, "00000", "00000"}, {201, "00000", "00000"},
        };
        for (const auto& f : faelle)
            QTest::addRow("%d", f.c) << f.c << QString::fromLatin1(f.zeilen) << QString::fromLatin1(f.texte);
    }
    void steifenzeilen()
    {
        QFETCH(int, c);
        QFETCH(QString, zeilen);
        QFETCH(QString, texte);
        const Formlayout l = formlayout(c);
        QCOMPARE(bits(l.steifenzeilen), zeilen);
        QCOMPARE(bits(l.zeilentexte), texte);
        QCOMPARE(l.steifen, zeilen != "00000");
    }

    // Every rule at its edges; beyond 100 m or not finite, any value is refused with message 50.
    void regeln_data()
    {
        QTest::addColumn<int>("regel");
        QTest::addColumn<float>("wert");
        QTest::addColumn<int>("meldung");
        const float inf = std::numeric_limits<float>::infinity(), nan = std::nanf("");
        const struct { Feldregel r; float v; int m; } faelle[] = {
            {Feldregel::Mass, 0.001f, 0},        {Feldregel::Mass, 0, 4},           {Feldregel::Mass, 100000, 0},
            {Feldregel::Mass, 100001, 50},       {Feldregel::Radius, -100001, 50},  {Feldregel::Nichtnegativ, inf, 50},
            {Feldregel::Stegwinkel, nan, 50},    {Feldregel::Stegwinkel, -30, 0},   {Feldregel::Stegwinkel, 30, 0},
            {Feldregel::Stegwinkel, 30.01f, 13}, {Feldregel::Stegwinkel, -30.5f, 13}, {Feldregel::Radius, 0, 0},
            {Feldregel::Radius, -1, 5},          {Feldregel::Steifenlage, 2, 14},   {Feldregel::Steifenlage, 2.5f, 0},
            {Feldregel::Steifenlage, 97.9f, 0},  {Feldregel::Steifenlage, 98, 14},  {Feldregel::Mindestens1, 1, 0},
            {Feldregel::Mindestens1, 0.5f, 74},   {Feldregel::Nichtnegativ, 0, 0},   {Feldregel::Nichtnegativ, -0.1f, 5},
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
