// The engine's input file written from the record: its lines, the list of
// empty fields, the geometric checks, and the round trip through the engine's
// own reader for every form the program offers.
#include "kern/Formen.h"
#include "kern/Uebergabeschreiber.h"
#include "kern/section_geometry.h"

#include <QFile>
#include <QTest>
#include <cmath>

using namespace tarvello::geometrie;

namespace {

QString message(int n) { return QStringLiteral("M%1").arg(n); }
float fussbreite(const QString& schiene) { return schiene == u"A150" ? 220.f : schiene == u"A75" ? 200.f : 0.f; }

const Beschriftungen kBeschriftungen{
    {"BO", "TO", "BU", "TU", "HS", "TS1", "TS2", "AS", "SH", "SB", "HS2", "W", "H2", "B2", {"BO3", "TO3", "HS3", "TS3", "AS3"}},
    {"H =", "B =", "S =", "T =", "R ="}, "H-Prof.", {"%HS", "L1:", "L2:", "t:"}, {"St1: HB", "St2: HB", "St3: HB", "St4: HB", "St5:"},
    {"HU =", "BU =", "SU =", "TU =", "RU ="}, "Schienenhöhe", "Schienenbreite"};
Uebergabeinhalt baue(const Querschnittsdaten& q) { return baueUebergabe(q, kBeschriftungen, 1, fussbreite, message); }

// A rail-over-web box with four stiffeners that passes every check, with the values the other
// forms need for the same; or (voll) every value distinct, so that a value in the wrong line shows.
Querschnittsdaten querschnitt(int form, bool voll = false)
{
    Querschnittsdaten q;
    q.familie = familieDerForm(form);
    q.Querschnittsnummer = form;
    q.masse = voll ? Plattenmasse{"601", "21", "602", "22", "1203", "13", "14", "404", "65", "66", "907", "2", "31", "32",
                                  {"303", "15", "251", "11", "201"}}
                   : Plattenmasse{"500", "20", "500", "20", "1000", "10", "10", "400", "50", "60", "800", "0", "30", "40",
                                  {"300", "15", "250", "10", "200"}};
    q.stegprofilreihe = "HEB";
    q.stegprofilgroesse = "300";
    q.stegprofil = {"300", voll ? "301" : "300", voll ? "12" : "11", "19", "27"};
    const char* const lagen[5] = {voll ? "71" : "70", voll ? "61" : "60", voll ? "41" : "40", voll ? "31" : "30", voll ? "45" : "50"};
    for (size_t i = 0; i < 5; ++i)
        q.steifen[i] = {lagen[i], voll ? QString::number(101 + int(i)) : "100", voll ? QString::number(i) : "0",
                        voll ? QString::number(6 + int(i)) : "10"};
    return q;
}

QList<int> angeboteneFormen()
{
    QFile datei(qEnvironmentVariable("TARVELLO_DATEN") + QStringLiteral("/Combo.D"));
    QList<int> formen;
    if (datei.open(QIODevice::ReadOnly))
        for (const QByteArray& zeile : datei.readAll().split('\n'))
            if (zeile.startsWith("1,"))
                formen.append(zeile.split(',').value(1).toInt());
    return formen;
}

// Each check failing alone at its boundary, from the box of its form that passes them all.
struct Pruefung { const char* name; int form; const char* aenderung; QStringList meldungen; };
const Pruefung kPruefungen[] = {
    {"St3 nicht unter St1", 15, "St3=70", {"M19"}},           {"St4 nicht unter St2", 15, "St4=60", {"M19"}},
    {"beide Paare falsch, einmal gesagt", 15, "St3=70;St4=60", {"M19"}},
    {"Schiene zu breit", 15, "ASchiene=A150", {"M25"}},       {"Schienenfuss am Steg", 15, "ASchiene=A150;AS=260", {"M25"}},
    {"Schienenfuss gerade neben dem Steg", 15, "ASchiene=A150;AS=259", {}}, {"Schottbreite zu gross", 15, "AS=481", {"M20"}},
    {"Schottbreite gerade noch", 15, "AS=480;SB=10", {}},           {"Untergurt zu schmal", 15, "BU=399", {"M20"}},
    {"negativer Winkel zu eng", 15, "W=-12", {"M20"}},
    {"senkrechte Stege: enge Schottbreite", 15, "AS=9", {}},        {"Mitte OG: Schottbreite oben", 31, "AS=471", {"M20"}},
    {"Mitte OG: gerade noch", 31, "AS=470", {}},              {"Winkel: Steghöhe2 gleich", 212, "HS2=1000", {"M21"}},
    {"Winkel: Steghöhe2 kleiner", 212, "HS2=999", {}},
    {"Winkel H1/2: Obergurt zu schmal", 225, "AS=631;BU=700", {"M20"}},
    {"Winkel H1/2: Obergurt gerade noch", 225, "AS=630;BU=700", {}},        {"H1/2: St5 breiter", 116, "BO=600;AS=299", {"M28"}},
    {"H1/2: St5 gleich", 116, "BO=600;AS=300", {}},           {"2 Zellen: AS3 zu weit", 315, "AS3=291", {"M30"}},
    {"2 Zellen: AS3 gerade noch", 315, "AS3=290;SB=10", {}},        {"2 Zellen: HS3 = HS", 315, "HS3=1000", {"M31", "M32"}},
    {"2 Zellen: HS3 unter HS", 315, "HS3=999", {"M32"}}, {"2 Zellen: HS3 an St4", 315, "HS3=300", {"M32"}},
    {"2 Zellen: HS3 unter St4", 315, "HS3=299", {}},          {"2 Zellen: Untergurt zu schmal", 315, "BU=629", {"M33"}},
    {"2 Zellen: Untergurt gerade noch", 315, "BU=630", {}},
    {"H unten: Stege über den Flansch hinaus", 51, "AS=281", {"M20"}}, {"H unten: Stege am Flanschrand", 51, "AS=280", {}},
    {"2 Zellen: Untergurt trägt TS2", 315, "TS2=20;BU=639", {"M33"}}, {"2 Zellen: mit TS2 gerade noch", 315, "TS2=20;BU=640", {}},
    // An empty TS2 is computed as TS1, so the bottom flange must carry TS1 twice.
    {"2 Zellen: TS2 leer wie TS1", 315, "TS2=;BU=629", {"M33"}},   {"2 Zellen: Katalogschiene", 315, "ASchiene=A75;AS3=195", {"M25"}},
    {"2 Zellen: Katalogschiene passt", 315, "ASchiene=A75;AS3=194", {}},
    // An acting rail centred on the web stands on the flange as far as the flange reaches.
    {"mittragende Schiene ragt über", 15, "AS=480;SB=11", {"M25"}}, {"mittragende Schiene am Rand", 15, "AS=470;SB=20", {}},
    {"2 Zellen: mittragende Schiene ragt über", 315, "AS3=290;SB=11", {"M25"}},
};

} // namespace

class TestUebergabeschreiber : public QObject {
    Q_OBJECT

private slots:
    // Record → file → the engine's reader: each value arrives as the dimension it names.
    void rundreiseJederForm_data()
    {
        QTest::addColumn<int>("form");
        const QList<int> formen = angeboteneFormen();
        QVERIFY(formen.size() > 50);
        for (int form : formen)
            QTest::addRow("%d", form) << form;
    }
    void rundreiseJederForm()
    {
        QFETCH(int, form);
        QCOMPARE(familieDerForm(form) >= 0 && bauart(form) != Bauart::Keine, true);
        const Querschnittsdaten q = querschnitt(form, true);
        const Uebergabeinhalt inhalt = baue(q);
        QVERIFY(inhalt.Fehlliste.isEmpty());
        const ParseOutcome gelesen = parseTransfer(uebergabebytes(inhalt.zeilen).toStdString());
        QVERIFY2(gelesen.ok, gelesen.reasonEn.c_str());
        const WeldedDimensions& d = gelesen.input.welded;
        const Formlayout l = formlayout(form);
        // What the form has, from the number ranges of the families (the layout has its own test).
        const bool hUnten = form >= 51 && form <= 58, winkel = form >= 201 && form <= 229, zelle2 = form >= 311;
        const bool r = (form >= 11 && form <= 39) || form >= 101;
        const bool profil = hUnten || (form >= 111 && form <= 119) || (form >= 221 && form <= 229);
        // The rail at mid top flange: the file has the diaphragm's width at the bottom.
        const double schott = familieDerForm(form) == kMitteObergurt ? 404 - 2 * 1203 * std::sin(2 * 0.0174533) : 404;
        QCOMPARE(d.form, form);
        QCOMPARE((QList<double>{d.webAngle, d.topWidth, d.topThickness, d.bottomWidth, d.bottomThickness, d.webHeight,
                                d.webThickness, d.webThickness2, d.webHeight2, d.flatHeight, d.flatWidth, d.railHeight,
                                d.railWidth, d.profile.height, d.profile.flangeWidth, d.profile.webThickness,
                                d.profile.rootRadius, d.secondCell.webHeight, d.secondCell.webDistance}),
                 (QList<double>{l.stegwinkel ? 2.0 : 0.0, 601, 21, hUnten ? 301.0 : 602.0, hUnten ? 19.0 : 22.0, 1203,
                                13, r && (winkel || l.stegdicke2) ? 14.0 : 13.0, winkel ? 907.0 : 0.0,
                                winkel ? 31.0 : 0.0, winkel ? 32.0 : 0.0, r ? 65.0 : 0.0, r ? 66.0 : 0.0,
                                profil ? 300.0 : 0.0, profil ? 301.0 : 0.0, profil ? 12.0 : 0.0, profil ? 27.0 : 0.0,
                                zelle2 ? 251.0 : 0.0, zelle2 ? 201.0 : 0.0}));
        QVERIFY(std::fabs(d.clearWidth - schott) < 1e-3);
        QCOMPARE(d.railActing, r);
        for (size_t i = 0; i < 5; ++i) {
            QCOMPARE(d.stiffeners[i].given, l.steifenzeilen[i]);
            if (l.steifenzeilen[i])
                QCOMPARE(d.stiffeners[i].thickness, 6.0 + double(i));
        }
        // The mid stiffener always sits at the middle of the top flange, whatever its field held.
        if (l.steifenzeilen[4])
            QCOMPARE(d.stiffeners[4].position, 50.0);
        QCOMPARE(querschnittsmasse(q)->welded.clearWidth, d.clearWidth);
    }

    void wasDieFormNichtZeigtZaehltNicht()
    {
        // The second cell of an earlier two-cell form is no check of a one-cell form; nor are a
        // rail chosen in another family and a web angle of a form that shows one.
        Querschnittsdaten q = querschnitt(4);
        q.masse.zelle2.HS3 = "900";
        q.ASchiene = "A150";
        q.schieneMittragend = false;
        q.masse.stegwinkel = "1";
        q.masse.stegdicke2 = "99";
        Uebergabeinhalt i = baue(q);
        QVERIFY2(i.ok, qPrintable(i.meldungen.join(';')));
        QCOMPARE(i.zeilen.mid(0, 3), (QStringList{"4", "1", "500"}));
        QVERIFY(nurGezeigtes(q).masse.zelle2.HS3.isEmpty() && nurGezeigtes(q).masse.stegdicke2.isEmpty());
        // The trolley-rail angle forms have no web angle, whatever the field holds.
        QCOMPARE(baue(querschnitt(212, true)).zeilen[1], QStringLiteral("0"));
        q.familie = kUeberSteg;
        q.Querschnittsnummer = 15;
        q.schieneMittragend = true;
        q.masse.stegwinkel = "0"; // leaning out, the web would carry the acting rail beyond the flange
        i = baue(q);
        QVERIFY2(i.ok, qPrintable(i.meldungen.join(';')));
        // A form of another family than the one chosen is no form at all.
        q.familie = kZweizeller;
        QCOMPARE(baue(q).meldungen, QStringList{"M2"});
    }

    // Values as numbers that read back to the very value typed, "," as "."; empty fields and
    // fields without a number named in one list; no form or web profile, no file.
    void zeilenUndLeereFelder()
    {
        Querschnittsdaten q = querschnitt(15);
        q.masse.obergurtdicke = "20,5";
        q.masse.obergurtbreite = " 500";
        q.masse.steghoehe = "1203.1234567891";
        q.masse.stegdicke = "1e1";
        Uebergabeinhalt i = baue(q);
        QCOMPARE(i.zeilen.mid(2, 2), (QStringList{"500", "20.5"}));
        QCOMPARE(i.zeilen.mid(6, 2), (QStringList{"1203.1234567891", "10"}));
        QCOMPARE(parseTransfer(uebergabebytes(i.zeilen).toStdString()).input.welded.webHeight, 1203.1234567891);
        QCOMPARE(querschnittsmasse(q)->welded.topThickness, 20.5);
        q.masse.untergurtdicke = "zwanzig";
        QCOMPARE(baue(q).Fehlliste, QStringLiteral("M2\nTU"));
        QVERIFY(baue(q).zeilen.isEmpty());
        q.masse.untergurtdicke = "20";
        q.masse.obergurtbreite.clear();
        q.masse.steghoehe = "-"; // a sign alone is no value either
        q.steifen[2].dicke.clear();
        q.steifen[1].lage.clear();
        QCOMPARE(baue(q).Fehlliste, QStringLiteral("M2\nBO, HS, St2: HB, St3: t"));
        QVERIFY(!baue(q).ok && !querschnittsmasse(q));
        QCOMPARE(baue(Querschnittsdaten()).meldungen, QStringList{"M2"});
        q = querschnitt(115, true);
        q.stegprofilgroesse.clear();
        QCOMPARE(baue(q).meldungen, QStringList{"M2\nH-Prof."});
        QVERIFY(!baue(q).dateiGeschrieben);
        q = querschnitt(51, true);
        q.stegprofilreihe.clear();
        QCOMPARE(baue(q).Fehlliste, QStringLiteral("M2\nH-Prof."));
    }

    void pruefungen_data()
    {
        QTest::addColumn<int>("fall");
        for (int i = 0; i < int(std::size(kPruefungen)); ++i)
            QTest::newRow(kPruefungen[i].name) << i;
    }
    void pruefungen()
    {
        QFETCH(int, fall);
        const Pruefung& p = kPruefungen[fall];
        Querschnittsdaten q = querschnitt(15);
        Plattenmasse& m = q.masse;
        q.familie = familieDerForm(p.form);
        q.Querschnittsnummer = p.form;
        q.schieneMittragend = !QByteArray(p.aenderung).startsWith("ASchiene");
        m.untergurtbreite = p.form == 315 ? "900" : m.untergurtbreite; // room for the second cell
        const QMap<QString, QString*> felder{{"ASchiene", &q.ASchiene}, {"St3", &q.steifen[2].lage}, {"St4", &q.steifen[3].lage},
                                             {"BO", &m.obergurtbreite}, {"AS", &m.schottbreite}, {"BU", &m.untergurtbreite},
                                             {"W", &m.stegwinkel}, {"HS2", &m.steghoehe2}, {"AS3", &m.zelle2.AS3}, {"HS3", &m.zelle2.HS3},
                                             {"SB", &m.schienenbreite}, {"TS2", &m.stegdicke2}};
        for (const QString& a : QString::fromUtf8(p.aenderung).split(';'))
            *felder.value(a.section('=', 0, 0)) = a.section('=', 1);
        const Uebergabeinhalt i = baue(q);
        QCOMPARE(i.meldungen, p.meldungen);
        QCOMPARE(i.ok, p.meldungen.isEmpty());
    }

    // The rolled profile's lines: plain, with a flat rail, with a bottom profile of at most H - 5.
    void walzprofil()
    {
        Querschnittsdaten q;
        q.familie = kWalzprofil;
        q.walzprofil = {"300", "300", "11", "19", "27"};
        q.HschieneCheck = true;
        q.flachschienenhoehe = "40";
        q.flachschienenbreite = "60";
        q.untergurtprofil = {"200", "200", "9", "14", "15"};
        QCOMPARE(baueHProfilUebergabe(q, message).zeilen, (QStringList{"103", "0", "300", "300", "11", "19", "27", "40", "60", "0"}));
        // A flat rail as wide as the flange stands on it; a wider one would overhang it.
        q.flachschienenbreite = "300";
        QVERIFY(baueHProfilUebergabe(q, message).ok);
        q.flachschienenbreite = "320";
        QCOMPARE(baueHProfilUebergabe(q, message).meldungen, QStringList{"M25"});
        q.flachschienenbreite = "60";
        q.HUGCheck = true; // the flat rail hidden behind the bottom profile counts for nothing
        const QStringList mitUntergurt{"110", "0", "300", "300", "11", "19", "27", "15", "200", "200", "9", "14", "0"};
        QCOMPARE(baueHProfilUebergabe(q, message).zeilen, mitUntergurt);
        QCOMPARE(querschnittsmasse(q)->rolledProfile.bottom.height, 200.0);
        q.untergurtprofil.H = "296";
        const Uebergabeinhalt i = baueHProfilUebergabe(q, message);
        QCOMPARE(i.meldungen, QStringList{"M2 HU"});
        QVERIFY(!i.dateiGeschrieben);
        q.untergurtprofil.H = "295";
        QVERIFY(baueHProfilUebergabe(q, message).ok);
        q.walzprofil.S.clear();
        QCOMPARE(baueHProfilUebergabe(q, message).meldungen, QStringList{"M2"});
        // With the window's captions every empty field is named, the bottom profile's too.
        q.untergurtprofil.R.clear();
        QCOMPARE(baueHProfilUebergabe(q, message, kBeschriftungen).meldungen, QStringList{"M2\nS, RU"});
    }
};

QTEST_MAIN(TestUebergabeschreiber)
#include "tst_uebergabeschreiber.moc"
