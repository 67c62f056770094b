#include "Hauptform.h"

#include "Form7.h"
#include "Start.h"
#include "Zahlen.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>

namespace {

// Window geometry is designed in twips, as the suite's other programs are.
QRect twips(int links, int oben, int breite, int hoehe) { return {px(links), px(oben), px(breite), px(hoehe)}; }

void verbreitere(QWidget* w, int twips_) { w->resize(w->width() + px(twips_), w->height()); }
void verschiebe(QWidget* w, int twips_) { w->move(w->x() + px(twips_), w->y()); }

constexpr int kBreite = 13560;
constexpr int kHoehe = 9660;

const char* const kFamilien[8] = {"ohne Schiene",   "über Steg",      "Mitte Obergurt", "H-Prof.",
                                  "Winkelkatzprof", "ohne Schiene+H", "H1/2",           "2-Zell"};

// Edge length of the section picture box: 3800 twips.
constexpr int kBildTwips = 3800;

} // namespace

Hauptform::Hauptform(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Hauptform"));
    baueOberflaeche();
}

void Hauptform::baueOberflaeche()
{
    setWindowTitle(QStringLiteral("Kranbahnträger-Querschnitt"));
    setFixedSize(px(kBreite), px(kHoehe));

    Querschnittsframe = new QGroupBox(QStringLiteral("Querschnittsfamilie"), this);
    Querschnittsframe->setObjectName(QStringLiteral("Querschnittsframe"));
    Querschnittsframe->setGeometry(twips(120, 60, 8900, 1620));
    Familiengruppe = new QButtonGroup(this);
    for (int i = 0; i < 8; ++i) {
        auto* option = new QRadioButton(QString::fromUtf8(kFamilien[i]), Querschnittsframe);
        option->setObjectName(QStringLiteral("Option1_%1").arg(i));
        option->setGeometry(twips(240 + (i % 4) * 2160, 300 + (i / 4) * 360, 2100, 315));
        option->installEventFilter(this);
        Familiengruppe->addButton(option, i);
        Option1[size_t(i)] = option;
    }
    Label1 = new QLabel(QStringLiteral("Querschnittsform"), Querschnittsframe);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(twips(240, 1140, 1800, 315));
    // Only its caption is used: it is the prompt the form list shows.
    Label1->hide();
    Querschnitt = new QComboBox(Querschnittsframe);
    Querschnitt->setObjectName(QStringLiteral("Querschnitt"));
    Querschnitt->setEditable(true);
    Querschnitt->setInsertPolicy(QComboBox::NoInsert);
    Querschnitt->setGeometry(twips(240, 1080, 8400, 375));
    Querschnitt->hide();

    auto gruppe = [this](const char* name, const QString& titel, QRect lage, QWidget* eltern) {
        auto* g = new QGroupBox(titel, eltern ? eltern : this);
        g->setObjectName(QString::fromLatin1(name));
        g->setGeometry(lage);
        g->hide();
        return g;
    };
    Querschnittsdatenframe1 = gruppe("Querschnittsdatenframe1", QStringLiteral("Querschnittsdaten"),
                                     twips(120, 1740, 8900, 3720), nullptr);
    Zell2_Frame = gruppe("Zell2_Frame", QStringLiteral("2. Zelle"), twips(5600, 240, 3180, 2220), Querschnittsdatenframe1);
    Stegframe = gruppe("Stegframe", QStringLiteral("Steg"), twips(120, 5520, 8900, 780), nullptr);
    Schienenframe = gruppe("Schienenframe", QStringLiteral("Schiene"), twips(120, 6360, 8900, 1080), nullptr);
    Steifenframe = gruppe("Steifenframe", QStringLiteral("Beulsteifen"), twips(120, 7500, 8900, 1980), nullptr);
    FrameHprofil = gruppe("FrameHprofil", QStringLiteral("Walzprofil"), twips(120, 1740, 8900, 5700), nullptr);
    Frame_Hschiene = gruppe("Frame_Hschiene", QStringLiteral("HSchiene"), twips(120, 3000, 8660, 900), FrameHprofil);
    FrameUG = gruppe("FrameUG", QStringLiteral("SchUG"), twips(120, 4000, 8660, 1500), FrameHprofil);

    Abmessungslabel19 = new QLabel(QStringLiteral("H-Prof."), Stegframe);
    Abmessungslabel19->setObjectName(QStringLiteral("Abmessungslabel_19"));
    Abmessungslabel19->setGeometry(twips(4200, 330, 900, 315));
    for (int i = 0; i < 5; ++i) {
        Combo1[size_t(i)] = new QComboBox(i == 2 || i == 3 ? Stegframe : FrameHprofil);
        Combo1[size_t(i)]->setObjectName(QStringLiteral("Combo1_%1").arg(i));
    }
    Combo1[2]->setGeometry(twips(5160, 300, 1300, 375));
    Combo1[3]->setGeometry(twips(6600, 300, 1300, 375));
    Combo1[0]->setGeometry(twips(240, 360, 1300, 375));
    Combo1[1]->setGeometry(twips(1700, 360, 1300, 375));
    Combo1[4]->setGeometry(twips(1700, 840, 1300, 375));

    Picture1 = new QLabel(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setGeometry(twips(9360, 120, kBildTwips, kBildTwips));
    Picture1->setFrameShape(QFrame::Box);
    QImage leer(px(kBildTwips), px(kBildTwips), QImage::Format_RGB32);
    leer.fill(Qt::white);
    Picture1->setPixmap(QPixmap::fromImage(leer));
    Picture1->hide();

    Trägerergebnis = new QPushButton(QStringLiteral("Ansicht"), this);
    Trägerergebnis->setObjectName(QStringLiteral("Trägerergebnis"));
    Trägerergebnis->setGeometry(twips(9360, 4080, 1800, 450));
    Trägerergebnis->setToolTip(QStringLiteral("Querschnitt berechnen und Ergebnisseite zeigen"));
    Trägerergebnis->hide();

    tastenreihe[9] = new QPushButton(QStringLiteral("Save"), this);
    tastenreihe[9]->setObjectName(QStringLiteral("tastenreihe_9"));
    tastenreihe[9]->setGeometry(twips(kBreite - 1560, kHoehe - 600, 1440, 450));
    tastenreihe[9]->setToolTip(QStringLiteral("Zurück zum Tarvello-Hauptprogramm"));
    connect(tastenreihe[9], &QPushButton::clicked, this, &Hauptform::kehreZurueck);
}

void Hauptform::passeAnBildschirmAn(int bildschirmbreiteTwips)
{
    Breitbild = istBreitbild(bildschirmbreiteTwips);
    if (!Breitbild)
        return;
    setFixedSize(width() + px(kBreitbildZuschlag), height());
    verschiebe(tastenreihe[9], kBreitbildZuschlag);
    for (QWidget* rahmen : {Querschnittsframe, Querschnittsdatenframe1, FrameHprofil, Schienenframe, Frame_Hschiene,
                            Steifenframe, Stegframe, Zell2_Frame})
        verbreitere(rahmen, kBreitbildZuschlag);
    for (QWidget* w : {static_cast<QWidget*>(Picture1), static_cast<QWidget*>(Combo1[3]),
                       static_cast<QWidget*>(Combo1[2]), static_cast<QWidget*>(Abmessungslabel19)})
        verschiebe(w, kBreitbildZuschlag);
}

bool Hauptform::starte(const QString& arbeitsverzeichnis)
{
    rufform = this;
    Oberflächensprache = QStringLiteral("D");
    Bearbeiter = QStringLiteral("BEARBEITER");
    Rückkehrmodus = -1;
    testansicht = -1;

    Option1[7]->show();
    Familiengruppe->setExclusive(false);
    for (QRadioButton* option : Option1)
        option->setChecked(false);
    Familiengruppe->setExclusive(true);

    if (const QScreen* bildschirm = screen())
        passeAnBildschirmAn(bildschirm->geometry().width() * twipsProPixel);

    pathbasis = bestimmePathbasis(arbeitsverzeichnis);
    path0 = bestimmePath0(pathbasis);
    bestimmeDezimaltrennzeichen();
    pathtext = verbinde(path0, QStringLiteral("TEXTE"));

    const auto übergabe = übernehmeInifile2(path0);
    if (!übergabe) {
        meldungen().zeige(QStringLiteral("Start nur/only via Tarvello"), Meldungssymbol::Stopp);
        return false;
    }
    Bearbeiter = übergabe->Bearbeiter;
    Oberflächensprache = übergabe->Oberflächensprache;
    Messagedatei = verbinde(pathtext, objectName() + QStringLiteral("Messages.") + Oberflächensprache);

    // Nobody writes outside the data directory, whatever the hand-off names.
    if (!istErlaubterBearbeiter(Bearbeiter)) {
        zeigeMessageMitText(41, Bearbeiter);
        return false;
    }
    pathben = verbinde(path0, Bearbeiter);
    TMPPATH = pathben;
    if (!setzeVerzeichnis(pathben, true)) {
        zeigeMessageMitText(40, QDir::toNativeSeparators(pathben));
        return false;
    }
    TMPPATH = bestimmeTmppath(pathben, systemTempOrdner());
    Printersprache = Oberflächensprache;

    ladeFormtexte(this, verbinde(pathtext, objectName() + u'.' + Oberflächensprache));
    m_Printtexte.ladePrinttexte(verbinde(pathtext, objectName() + QStringLiteral("Printtxt.") + Oberflächensprache));

    Rückkehrmodus = -1;
    seitenzahl = 0;
    seitenzähler = 0;
    dialog.jatext = holeMessage(1001);
    dialog.neintext = holeMessage(1002);
    return true;
}

QString Hauptform::holeMessage(int n) const { return ::holeMessage(Messagedatei, n); }

void Hauptform::zeigeMessage(int n) const { meldungen().zeige(holeMessage(n), Meldungssymbol::Keins); }

void Hauptform::zeigeMessageMitText(int n, const QString& text) const
{
    meldungen().zeige(holeMessage(n) + u' ' + text, Meldungssymbol::Keins);
}

qint16 Hauptform::emsgbox(const QString& frage, qint16 tastencode)
{
    dialog.fragetext = frage;
    dialog.focustaste = tastencode;
    dialog.iantwort = 7;
    meldungen().frage(rufform ? rufform : this, dialog);
    return dialog.iantwort;
}

void Hauptform::kehreZurueck()
{
    schreibeInifile2(path0, {Bearbeiter, Oberflächensprache});
    const QString exefiles = verbinde(pathbasis, QStringLiteral("exefiles"));
    setzeVerzeichnis(exefiles, true);
    const QString programm = verbinde(QDir::currentPath(), programmdatei(QStringLiteral("TarvelloMain")));
    if (!programmstarter()(programm, QDir::currentPath()))
        zeigeMessageMitText(44, QDir::toNativeSeparators(programm));
    Rückkehrmodus = 9;
    close();
}

void Hauptform::closeEvent(QCloseEvent* ereignis)
{
    if (Rückkehrmodus != 9 && emsgbox(holeMessage(1000), 2) != 6) {
        ereignis->ignore();
        return;
    }
    ereignis->accept();
    // Unloading the main window ends the program: the windows it opened go first.
    const QList<QWidget*> fenster = QApplication::topLevelWidgets();
    for (auto it = fenster.crbegin(); it != fenster.crend(); ++it)
        if (*it != this && (*it)->isVisible())
            (*it)->close();
}

bool Hauptform::eventFilter(QObject* objekt, QEvent* ereignis)
{
    if (ereignis->type() == QEvent::MouseButtonRelease)
        for (int i = 0; i < 8; ++i)
            if (objekt == Option1[size_t(i)])
                familieLoslassen(i);
    return QWidget::eventFilter(objekt, ereignis);
}

void Hauptform::familieLoslassen(int familie)
{
    if (familie == 3)
        return;
    Querschnitt->show();
    ladeQuerschnittsliste(Querschnitt, Label1->text(),
                          verbinde(pathtext, QStringLiteral("Combo.") + Oberflächensprache), familie);
}
