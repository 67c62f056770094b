// The input side's controls as the window shows them: every group, field,
// caption and list at its place in twips, with the design captions that the
// window text file may replace.
#include "Eingabeseite.h"

#include "app/Feldnavigation.h"
#include "app/Twips.h"
#include "app/Meldungen.h"
#include "app/Sprachdateien.h"
#include "app/Start.h"
#include "kern/Zahlen.h"
#include "catalogs/Kataloge.h"
#include "drawing/Skizzen.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <cmath>

namespace {

// Window geometry is designed in twips (15 twips to the pixel), relative to the enclosing group.
QRect twips(int links, int oben, int breite, int hoehe) { return {px(links), px(oben), px(breite), px(hoehe)}; }

QLabel* beschriftung(const QString& text, QWidget* eltern, QRect lage, const QString& name)
{
    auto* label = new QLabel(text, eltern);
    label->setObjectName(name);
    label->setGeometry(lage);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return label;
}

QLineEdit* eingabefeld(QWidget* eltern, QRect lage, const QString& name)
{
    auto* feld = new QLineEdit(eltern);
    feld->setObjectName(name);
    feld->setGeometry(lage);
    return feld;
}

QGroupBox* gruppe(const QString& titel, QWidget* eltern, QRect lage, const QString& name)
{
    auto* g = new QGroupBox(titel, eltern);
    g->setObjectName(name);
    g->setGeometry(lage);
    g->hide();
    return g;
}

QComboBox* liste(QWidget* eltern, QRect lage, const QString& name, const QStringList& eintraege)
{
    auto* l = new QComboBox(eltern);
    l->setObjectName(name);
    l->setGeometry(lage);
    l->addItems(eintraege);
    return l;
}

constexpr int kBildTwips = 3800;

const char* const kFamilien[8] = {"ohne Schiene",   "über Steg",      "Mitte Obergurt", "H-Prof.",
                                  "Winkelkatzprof", "ohne Schiene+H", "H1/2",           "2-Zell"};

// Design captions of the dimension labels, by index; empty where there is no label.
const char* const kAbmessungstexte[25] = {
    "Obergurtbreite", "Obergurtdicke", "Untergurtbreite", "Untergurtdicke", "Steghöhe",
    "Stegdicke",      "Stegdicke 2",   "Schottbreite unten", "Schottbreite oben", "",
    "Schhöhe",        "Schbreite",     "",               "Steghöhe2",      "Stegwinkel",
    "Höhe2",          "Breite2",       "Stegdicke 0",    "Stegdicke",      "H-Prof.",
    "BO3:",           "TO3:",          "HS3:",           "TS3:",           "AS3:"};

const char* const kHwerttexte[12] = {"H =", "B =", "S =", "T =", "R =", "Schienenhöhe", "Schienenbreite",
                                     "RU =", "HU =", "BU =", "SU =", "TU ="};

} // namespace

Eingabeseite::Eingabeseite(QWidget* fenster) : QObject(fenster), m_fenster(fenster)
{
    baueFamilien(fenster);
    baueAbmessungen(fenster);
    baueSchiene(fenster);
    baueSteifen(fenster);
    baueWalzprofil(fenster);

    Picture1 = new QLabel(fenster);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setGeometry(twips(9360, 120, kBildTwips, kBildTwips));
    Picture1->setFrameShape(QFrame::Box);
    Picture1->hide();

    Traegerergebnis = new QPushButton(QStringLiteral("Ansicht"), fenster);
    Traegerergebnis->setObjectName(QStringLiteral("Trägerergebnis"));
    Traegerergebnis->setGeometry(twips(9360, 4080, 1800, 450));
    Traegerergebnis->setToolTip(QStringLiteral("Querschnitt berechnen und Ergebnisseite zeigen"));
    Traegerergebnis->hide();
    connect(Traegerergebnis, &QPushButton::clicked, this, &Eingabeseite::ergebnisAngefordert);

    // Every field marks, navigates and checks itself the same way.
    for (auto* feld : m_fenster->findChildren<QLineEdit*>())
        if (feld->property("feldart").isValid())
            feld->installEventFilter(this);
}

void Eingabeseite::baueFamilien(QWidget* fenster)
{
    Querschnittsframe = new QGroupBox(QStringLiteral("Querschnittsfamilie"), fenster);
    Querschnittsframe->setObjectName(QStringLiteral("Querschnittsframe"));
    Querschnittsframe->setGeometry(twips(120, 60, 8900, 1620));
    Familiengruppe = new QButtonGroup(this);
    for (int i = 0; i < 8; ++i) {
        auto* option = new QRadioButton(QString::fromUtf8(kFamilien[i]), Querschnittsframe);
        option->setObjectName(QStringLiteral("Option1_%1").arg(i));
        option->setGeometry(twips(240 + (i % 4) * 2160, 300 + (i / 4) * 360, 2100, 315));
        Familiengruppe->addButton(option, i);
        Option1[size_t(i)] = option;
    }
    // A family chosen by mouse or by the arrow keys resets the layout and refills the
    // form list, once the choice has been made: a message about the list's file comes
    // after it and cannot swallow it. The rolled profiles need no list. A click on the
    // family already chosen changes nothing: what was typed stays.
    connect(Familiengruppe, &QButtonGroup::idToggled, this, [this](int id, bool an) {
        if (!an)
            return;
        familieGewaehlt(id);
        if (id != kWalzprofil)
            familieLosgelassen(id);
    });
    Label1 = new QLabel(QStringLiteral("Querschnittsform"), Querschnittsframe);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->hide(); // only its caption is used: the prompt of the form list
    Querschnitt = new QComboBox(Querschnittsframe);
    Querschnitt->setObjectName(QStringLiteral("Querschnitt"));
    Querschnitt->setEditable(true);
    Querschnitt->setInsertPolicy(QComboBox::NoInsert);
    // Editable only to show its prompt: nothing can be typed, the keys choose.
    Querschnitt->lineEdit()->setReadOnly(true);
    Querschnitt->setGeometry(twips(240, 1080, 8400, 375));
    Querschnitt->lineEdit()->installEventFilter(this);
    Querschnitt->hide();
    connect(Querschnitt, &QComboBox::activated, this, &Eingabeseite::formGewaehlt);
}

void Eingabeseite::baueAbmessungen(QWidget* fenster)
{
    Querschnittsdatenframe1 = gruppe(QStringLiteral("Querschnittsdaten"), fenster, twips(120, 1740, 8900, 3760),
                                     QStringLiteral("Querschnittsdatenframe1"));
    Zell2_Frame = gruppe(QStringLiteral("2. Zelle"), Querschnittsdatenframe1, twips(6900, 180, 1800, 2340),
                         QStringLiteral("Zell2_Frame"));
    Stegframe = gruppe(QStringLiteral("Steg"), fenster, twips(120, 5560, 8900, 780), QStringLiteral("Stegframe"));
    Schienenframe =
        gruppe(QStringLiteral("Schiene"), fenster, twips(120, 6400, 8900, 1020), QStringLiteral("Schienenframe"));

    Laengenlabel = beschriftung(QStringLiteral("Längen (mm)"), Querschnittsdatenframe1, twips(240, 300, 2400, 315),
                                QStringLiteral("Laengenlabel"));
    struct Lage {
        int index;
        QWidget* eltern;
        int labelLinks, feldLinks, oben, labelBreite;
    };
    const Lage lagen[] = {
        {0, Querschnittsdatenframe1, 240, 2480, 1080, 2200},  {1, Querschnittsdatenframe1, 3540, 5880, 1080, 2300},
        {2, Querschnittsdatenframe1, 240, 2480, 1920, 2200},  {3, Querschnittsdatenframe1, 3540, 5880, 1920, 2300},
        {4, Querschnittsdatenframe1, 240, 1860, 2760, 1580},  {5, Querschnittsdatenframe1, 3300, 5160, 2760, 1820},
        {6, Querschnittsdatenframe1, 6200, 7700, 2760, 1460}, {13, Querschnittsdatenframe1, 3300, 5160, 3045, 1820},
        {14, Querschnittsdatenframe1, 240, 1860, 3280, 1580}, {7, Stegframe, 240, 2580, 330, 2300},
        {10, Schienenframe, 240, 1780, 600, 1500},            {11, Schienenframe, 2700, 4240, 600, 1500},
        {15, Schienenframe, 5160, 6200, 600, 1000},           {16, Schienenframe, 7100, 8100, 600, 960},
        {20, Zell2_Frame, 120, 720, 300, 560},                {21, Zell2_Frame, 120, 720, 700, 560},
        {22, Zell2_Frame, 120, 720, 1100, 560},               {23, Zell2_Frame, 120, 720, 1500, 560},
        {24, Zell2_Frame, 120, 720, 1900, 560},
    };
    for (const Lage& l : lagen) {
        Abmessungslabel[size_t(l.index)] =
            beschriftung(QString::fromUtf8(kAbmessungstexte[l.index]), l.eltern,
                         twips(l.labelLinks, l.oben, l.labelBreite, 315), QStringLiteral("Abmessungslabel_%1").arg(l.index));
        auto* feld = eingabefeld(l.eltern, twips(l.feldLinks, l.oben, l.eltern == Schienenframe ? 720 : 900, 315),
                                 QStringLiteral("Abmessung_%1").arg(l.index));
        feld->setProperty("feldart", 0);
        feld->setProperty("index", l.index);
        Abmessung[size_t(l.index)] = feld;
    }
    Abmessung[14]->setText(QStringLiteral("0"));
    // Label 8 takes label 7's place for the rail at mid top flange; 17 and 18 are caption holders.
    Abmessungslabel[8] = beschriftung(QString::fromUtf8(kAbmessungstexte[8]), Stegframe, twips(2760, 0, 2400, 315),
                                      QStringLiteral("Abmessungslabel_8"));
    Abmessungslabel[8]->hide();
    for (int i : {17, 18}) {
        Abmessungslabel[size_t(i)] = beschriftung(QString::fromUtf8(kAbmessungstexte[i]), Querschnittsdatenframe1,
                                                  QRect(), QStringLiteral("Abmessungslabel_%1").arg(i));
        Abmessungslabel[size_t(i)]->hide();
    }
    Abmessungslabel[19] = beschriftung(QString::fromUtf8(kAbmessungstexte[19]), Stegframe, twips(4200, 330, 900, 315),
                                       QStringLiteral("Abmessungslabel_19"));
    Combo1[2] = liste(Stegframe, twips(5160, 300, 1300, 375), QStringLiteral("Combo1_2"), QStringList{QString()} + stegprofilreihen());
    Combo1[3] = liste(Stegframe, twips(6600, 300, 1300, 375), QStringLiteral("Combo1_3"), QStringList{QString()} + heGroessen());

    Werkstofflabel4 = beschriftung(QStringLiteral("(grd)"), Querschnittsdatenframe1, twips(2820, 3280, 700, 315),
                                   QStringLiteral("Werkstofflabel_4"));
    InfoCommand2 = new QPushButton(QStringLiteral("?"), Querschnittsdatenframe1);
    InfoCommand2->setObjectName(QStringLiteral("InfoCommand2"));
    InfoCommand2->setGeometry(twips(3480, 3240, 420, 390));
    InfoCommand2->setFocusPolicy(Qt::NoFocus);
    connect(InfoCommand2, &QPushButton::clicked, this,
            [this] { meldungen().zeige(holeMessage(Messagedatei, 12), Meldungssymbol::Keins); });
    StegLabel4 = beschriftung(QStringLiteral("Steg unter Schiene"), Querschnittsdatenframe1, twips(5160, 3160, 2460, 315),
                              QStringLiteral("StegLabel4"));
    StegLabel5 = beschriftung(QStringLiteral("Abweichend"), Querschnittsdatenframe1, twips(7700, 3160, 1150, 315),
                              QStringLiteral("StegLabel5"));
}

void Eingabeseite::baueSchiene(QWidget*)
{
    ASchiene = liste(Schienenframe, twips(240, 240, 1200, 375), QStringLiteral("ASchiene"), schienenliste());
    ASchiene->installEventFilter(this);
    ASchiene->hide();
    Schienemittragend = new QCheckBox(Schienenframe);
    Schienemittragend->setObjectName(QStringLiteral("Schienemittragend"));
    Schienemittragend->setGeometry(twips(1620, 270, 300, 315));
    Schienemittragend->setChecked(true);
    connect(Schienemittragend, &QCheckBox::toggled, this, &Eingabeseite::schienenmittragendGeklickt);
    Schienemittragendlabel = beschriftung(QStringLiteral("Schiene mittragend"), Schienenframe, twips(1920, 270, 3000, 315),
                                          QStringLiteral("Schienemittragendlabel"));
}

void Eingabeseite::baueSteifen(QWidget* fenster)
{
    Steifenframe = gruppe(QStringLiteral("Beulsteifen"), fenster, twips(120, 7480, 8900, 2200), QStringLiteral("Steifenframe"));
    InfoCommand3 = new QPushButton(QStringLiteral("?"), Steifenframe);
    InfoCommand3->setObjectName(QStringLiteral("InfoCommand3"));
    InfoCommand3->setGeometry(twips(8340, 300, 420, 390));
    InfoCommand3->setFocusPolicy(Qt::NoFocus);
    connect(InfoCommand3, &QPushButton::clicked, this,
            [this] { meldungen().zeige(holeMessage(Messagedatei, 163), Meldungssymbol::Keins); });
    const char* const namen[5] = {"St1: HB", "St2: HB", "St3: HB", "St4: HB", "St5:"};
    const char* const texte[5] = {"Steg unter Schiene", "Steg gegenüber", "Steg unter Schiene", "Steg gegenüber",
                                  "Mitte OG"};
    for (int i = 0; i < 5; ++i) {
        const int oben = 330 + 360 * i;
        auto zeilenfeld = [&](int links, const char* name, Steifenspalte spalte) {
            auto* feld = eingabefeld(Steifenframe, twips(links, oben, 700, 315), QStringLiteral("%1_%2").arg(name).arg(i));
            feld->setProperty("feldart", 2);
            feld->setProperty("index", i);
            feld->setProperty("spalte", int(spalte));
            return feld;
        };
        Stegtext2[size_t(i)] = beschriftung(QString::fromUtf8(namen[i]), Steifenframe, twips(240, oben, 900, 315),
                                            QStringLiteral("Stegtext2_%1").arg(i));
        Stort[size_t(i)] = zeilenfeld(1160, "Stort", Steifenspalte::Stort);
        Stegtext3[size_t(i)] = beschriftung(i < 4 ? QStringLiteral("%HS") : QStringLiteral("%BO"), Steifenframe,
                                            twips(1900, oben, 620, 315), QStringLiteral("Stegtext3_%1").arg(i));
        Stegtext4[size_t(i)] = beschriftung(QStringLiteral("L1:"), Steifenframe, twips(2560, oben, 420, 315),
                                            QStringLiteral("Stegtext4_%1").arg(i));
        StLang1[size_t(i)] = zeilenfeld(2980, "StLang1", Steifenspalte::StLang1);
        Stegtext5[size_t(i)] = beschriftung(QStringLiteral("L2:"), Steifenframe, twips(3760, oben, 420, 315),
                                            QStringLiteral("Stegtext5_%1").arg(i));
        StLang2[size_t(i)] = zeilenfeld(4180, "StLang2", Steifenspalte::StLang2);
        Stegtext6[size_t(i)] = beschriftung(QStringLiteral("t:"), Steifenframe, twips(4960, oben, 320, 315),
                                            QStringLiteral("Stegtext6_%1").arg(i));
        StDick[size_t(i)] = zeilenfeld(5280, "StDick", Steifenspalte::StDick);
        Stegtext1[size_t(i)] = beschriftung(QString::fromUtf8(texte[i]), Steifenframe, twips(6100, oben, 2200, 315),
                                            QStringLiteral("Stegtext1_%1").arg(i));
    }
    // The two captions of the mid stiffener's row, in the user's language: under the middle of the
    // top flange, or of the box beside a half H profile.
    StegtextMitteOG = beschriftung(QStringLiteral("Mitte OG"), Steifenframe, QRect(), QStringLiteral("StegtextMitteOG"));
    StegtextMitteKasten = beschriftung(QStringLiteral("Mitte Kasten"), Steifenframe, QRect(), QStringLiteral("StegtextMitteKasten"));
    StegtextMitteOG->hide();
    StegtextMitteKasten->hide();
    // The mid stiffener always sits at the middle.
    Stort[4]->setText(QStringLiteral("50"));
    Stort[4]->setEnabled(false);
}

void Eingabeseite::baueWalzprofil(QWidget* fenster)
{
    // The rolled profile's group lies over the welded groups and hides whatever a welded form left shown.
    FrameHprofil = gruppe(QStringLiteral("Walzprofil"), fenster, twips(120, 1740, 8900, 7940), QStringLiteral("FrameHprofil"));
    FrameHprofil->setAutoFillBackground(true);
    Combo1[0] = liste(FrameHprofil, twips(240, 360, 1300, 375), QStringLiteral("Combo1_0"), QStringList{QString()} + walzprofilreihen());
    Combo1[1] = liste(FrameHprofil, twips(1700, 360, 1300, 375), QStringLiteral("Combo1_1"), QStringList{QString()} + heGroessen());
    Combo1[4] = liste(FrameHprofil, twips(1700, 840, 1300, 375), QStringLiteral("Combo1_4"),
                      QStringList{QStringLiteral(" ")} + ipeGroessen());
    Combo1[4]->hide();
    for (int i = 0; i < 5; ++i) {
        Combo1[size_t(i)]->installEventFilter(this);
        connect(Combo1[size_t(i)], &QComboBox::activated, this, [this, i] { profillisteGeklickt(i); });
    }
    Typlabel = beschriftung(QStringLiteral("Bezeichnung"), FrameHprofil, twips(3200, 390, 1300, 315), QStringLiteral("Typlabel"));
    Typ = eingabefeld(FrameHprofil, twips(4560, 390, 1500, 315), QStringLiteral("Typ"));
    Typ->installEventFilter(this);
    // Typing a designation of one's own means the list choice no longer holds.
    connect(Typ, &QLineEdit::textEdited, this, [this] {
        if (Combo1[0]->currentText().trimmed().isEmpty() && Combo1[1]->currentText().trimmed().isEmpty() &&
            Combo1[4]->currentText().trimmed().isEmpty())
            return;
        vergissProfilwahl();
        HschieneCheck->setChecked(false);
    });

    Frame_Hschiene = gruppe(QStringLiteral("HSchiene"), FrameHprofil, twips(120, 2300, 8660, 900), QStringLiteral("Frame_Hschiene"));
    FrameUG = gruppe(QStringLiteral("SchUG"), FrameHprofil, twips(120, 3300, 8660, 1400), QStringLiteral("FrameUG"));
    struct Lage {
        int index;
        QWidget* eltern;
        int links, oben, labelBreite;
    };
    const Lage lagen[] = {
        {0, FrameHprofil, 240, 1200, 500},    {1, FrameHprofil, 1940, 1200, 500},   {2, FrameHprofil, 3640, 1200, 500},
        {3, FrameHprofil, 5340, 1200, 500},   {4, FrameHprofil, 7040, 1200, 500},   {5, Frame_Hschiene, 240, 360, 1700},
        {6, Frame_Hschiene, 3000, 360, 1700}, {8, FrameUG, 240, 480, 500},          {9, FrameUG, 1940, 480, 500},
        {10, FrameUG, 3640, 480, 500},        {11, FrameUG, 5340, 480, 500},        {7, FrameUG, 7040, 480, 500},
    };
    for (const Lage& l : lagen) {
        hwertlabel[size_t(l.index)] = beschriftung(QString::fromUtf8(kHwerttexte[l.index]), l.eltern,
                                                   twips(l.links, l.oben, l.labelBreite, 315),
                                                   QStringLiteral("hwertlabel_%1").arg(l.index));
        auto* feld = eingabefeld(l.eltern, twips(l.links + l.labelBreite + 40, l.oben, 900, 315),
                                 QStringLiteral("hwert_%1").arg(l.index));
        feld->setProperty("feldart", 1);
        feld->setProperty("index", l.index);
        hwert[size_t(l.index)] = feld;
    }
    HschieneCheck = new QCheckBox(QStringLiteral("HSchiene"), FrameHprofil);
    HschieneCheck->setObjectName(QStringLiteral("HschieneCheck"));
    HschieneCheck->setGeometry(twips(240, 1800, 2600, 315));
    HUGCheck = new QCheckBox(QStringLiteral("SchUG"), FrameHprofil);
    HUGCheck->setObjectName(QStringLiteral("HUGCheck"));
    HUGCheck->setGeometry(twips(3000, 1800, 2600, 315));
    connect(HschieneCheck, &QCheckBox::toggled, this, &Eingabeseite::hschieneGeklickt);
    connect(HUGCheck, &QCheckBox::toggled, this, &Eingabeseite::hugGeklickt);
}
