#include "Hauptform.h"

#include "app/Dateiwahl.h"
#include "app/Sprachtexte.h"

#include "Bemessungsdialog.h"

#include "app/Dateien.h"
#include "app/Start.h"
#include "app/Twips.h"
#include "engine/Berechnung.h"
#include "kern/Feldleser.h"
#include "kern/Formen.h"
#include "kern/Zahlen.h"
#include "report/Ergebnisseite.h"
#include "report/Form5.h"
#include "report/Nachweisseite.h"

#include <QDateTime>
#include <QFileInfo>
#include <QLockFile>
#include <QFile>

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QShortcut>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <utility>

namespace {

// Window geometry is designed in twips, as the suite's other programs are.
QRect twips(int links, int oben, int breite, int hoehe) { return {px(links), px(oben), px(breite), px(hoehe)}; }

void verbreitere(QWidget* w, int twips_) { w->resize(w->width() + px(twips_), w->height()); }
void verschiebe(QWidget* w, int twips_) { w->move(w->x() + px(twips_), w->y()); }

constexpr int kBreite = 13560;
constexpr int kHoehe = 10320;

// Print texts of the file buttons.
enum { kSpeichern = 59, kOeffnen = 60 };

} // namespace

Hauptform::Hauptform(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Hauptform"));
    baueOberflaeche();
}

Hauptform::~Hauptform() = default;

void Hauptform::baueOberflaeche()
{
    setWindowTitle(QStringLiteral("Kranbahnträger-Querschnitt"));
    setFixedSize(px(kBreite), px(kHoehe));

    eingabe = new Eingabeseite(this);
    connect(eingabe, &Eingabeseite::ergebnisAngefordert, this, &Hauptform::traegerergebnis);

    tastenreihe[9] = new QPushButton(QStringLiteral("Save"), this);
    tastenreihe[9]->setObjectName(QStringLiteral("tastenreihe_9"));
    tastenreihe[9]->setGeometry(twips(kBreite - 1560, kHoehe - 600, 1440, 450));
    tastenreihe[9]->setToolTip(QStringLiteral("Zurück zum Tarvello-Hauptprogramm"));
    connect(tastenreihe[9], &QPushButton::clicked, this, &Hauptform::kehreZurueck);

    // The design values beside the result button, shown with it.
    nachweistaste = new QPushButton(QStringLiteral("Nachweis"), this);
    nachweistaste->setObjectName(QStringLiteral("Nachweistaste"));
    nachweistaste->setGeometry(twips(11280, 4080, 1800, 450));
    nachweistaste->hide();
    eingabe->Traegerergebnis->installEventFilter(this);
    connect(nachweistaste, &QPushButton::clicked, this, &Hauptform::oeffneBemessung);

    // The section's file, by button and by the usual keys.
    oeffnetaste = new QPushButton(QStringLiteral("Öffnen"), this);
    oeffnetaste->setObjectName(QStringLiteral("Oeffnetaste"));
    oeffnetaste->setGeometry(twips(9360, kHoehe - 600, 1200, 450));
    speichertaste = new QPushButton(QStringLiteral("Speichern"), this);
    speichertaste->setObjectName(QStringLiteral("Speichertaste"));
    speichertaste->setGeometry(twips(10680, kHoehe - 600, 1200, 450));
    const auto oeffne = [this] {
        if (dokument)
            dokument->oeffne();
    };
    const auto speichere = [this] {
        if (dokument)
            dokument->speichere();
    };
    connect(oeffnetaste, &QPushButton::clicked, this, oeffne);
    connect(speichertaste, &QPushButton::clicked, this, speichere);
    connect(new QShortcut(QKeySequence::Open, this), &QShortcut::activated, this, oeffne);
    connect(new QShortcut(QKeySequence::Save, this), &QShortcut::activated, this, speichere);
    eingabe->ordneTabfolge();
}

bool Hauptform::eventFilter(QObject* objekt, QEvent* ereignis)
{
    if (objekt == eingabe->Traegerergebnis && (ereignis->type() == QEvent::Show || ereignis->type() == QEvent::Hide))
        nachweistaste->setVisible(ereignis->type() == QEvent::Show);
    return QWidget::eventFilter(objekt, ereignis);
}

Querschnittsdaten Hauptform::querschnitt() const { return eingabe->querschnitt(); }

void Hauptform::oeffneBemessung()
{
    Bemessungsdialog dialog(
        eingabe->bemessung(), eingabe->traeger(), [this](int n) { return holePrinttext(n); },
        [this](int n) { return holeMessage(n); }, schieneWirktMit(querschnitt()), this);
    if (eingabe->familie == kWalzprofil)
        dialog.zeigeWalzprofil();
    if (dialog.exec() == QDialog::Accepted) {
        eingabe->setzeBemessung(dialog.werte());
        eingabe->setzeTraeger(dialog.traeger());
    }
}

void Hauptform::passeAnBildschirmAn(int bildschirmbreiteTwips)
{
    Breitbild = istBreitbild(bildschirmbreiteTwips);
    if (!Breitbild)
        return;
    setFixedSize(width() + px(kBreitbildZuschlag), height());
    for (QWidget* w : {tastenreihe[9], oeffnetaste, speichertaste})
        verschiebe(w, kBreitbildZuschlag);
    const Eingabeseite& e = *eingabe;
    for (QWidget* rahmen : {e.Querschnittsframe, e.Querschnittsdatenframe1, e.FrameHprofil, e.Schienenframe,
                            e.Frame_Hschiene, e.Steifenframe, e.Stegframe, e.Zell2_Frame})
        verbreitere(rahmen, kBreitbildZuschlag);
    // The result button stands under the sketch and moves with it.
    for (QWidget* w : {static_cast<QWidget*>(e.Picture1), static_cast<QWidget*>(e.Traegerergebnis), static_cast<QWidget*>(nachweistaste),
                       static_cast<QWidget*>(e.Combo1[3]), static_cast<QWidget*>(e.Combo1[2]),
                       static_cast<QWidget*>(e.Abmessungslabel[19])})
        verschiebe(w, kBreitbildZuschlag);
}

bool Hauptform::starte(const QString& arbeitsverzeichnis)
{
    rufform = this;
    Oberflaechensprache = QStringLiteral("D");
    Bearbeiter = QStringLiteral("BEARBEITER");
    Rueckkehrmodus = -1;
    testansicht = -1;

    eingabe->Option1[7]->show();
    eingabe->Familiengruppe->setExclusive(false);
    eingabe->Option1[7]->setChecked(false);
    eingabe->Option1[2]->setChecked(false);
    eingabe->Familiengruppe->setExclusive(true);

    if (const QScreen* bildschirm = screen())
        passeAnBildschirmAn(bildschirm->geometry().width() * twipsProPixel);

    pathbasis = bestimmePathbasis(arbeitsverzeichnis);
    path0 = bestimmePath0(pathbasis);
    bestimmeDezimaltrennzeichen();
    pathtext = bestimmePathtext(pathbasis);
    // A data directory named in the settings is never made up: a typing error there
    // would otherwise scatter the editors' folders over a new, unnoticed place.
    if (!QFileInfo(path0).isDir()) {
        meldungen().zeige(QStringLiteral("Datenverzeichnis fehlt/Data directory missing: ") + QDir::toNativeSeparators(path0),
                          Meldungssymbol::Stopp);
        return false;
    }

    const auto uebergabe = uebernehmeInifile2(path0);
    if (!uebergabe) {
        meldungen().zeige(QStringLiteral("Start nur/only via Tarvello"), Meldungssymbol::Stopp);
        return false;
    }
    Bearbeiter = uebergabe->Bearbeiter;
    Oberflaechensprache = uebergabe->Oberflaechensprache;
    installiereQtUebersetzung(Oberflaechensprache);
    Messagedatei = verbinde(pathtext, objectName() + QStringLiteral("Messages.") + Oberflaechensprache);

    // Nobody writes outside the data directory, whatever the hand-off names.
    if (const Namensfehler fehler = pruefeBearbeiter(Bearbeiter, path0); fehler != Namensfehler::Keiner) {
        meldungen().zeige(holeMessage(41) + u'\n' + holeMessage(50 + int(fehler)), Meldungssymbol::Keins);
        return false;
    }
    pathben = verbinde(path0, Bearbeiter);
    ablage = bestimmeAblageordner(pathbasis, pathben);
    TMPPATH = pathben;
    if (!legeOrdnerAn(pathben)) {
        zeigeMessageMitText(40, QDir::toNativeSeparators(pathben));
        return false;
    }
    if (!sperreOrdner())
        return false;
    TMPPATH = bestimmeTmppath(pathben, systemTempOrdner());
    Printersprache = Oberflaechensprache;

    eingabe->Messagedatei = Messagedatei;
    eingabe->pathtext = pathtext;
    eingabe->Oberflaechensprache = Oberflaechensprache;
    ladeFormtexte(this, verbinde(pathtext, objectName() + u'.' + Oberflaechensprache));
    const QString printtexte = verbinde(pathtext, objectName() + QStringLiteral("Printtxt.") + Oberflaechensprache);
    if (const Textdateistand stand = m_Printtexte.ladePrinttexte(printtexte); stand != Textdateistand::Heil)
        meldungen().zeige(textPrinttexte(stand, printtexte), Meldungssymbol::Keins);
    nachweistaste->setText(holePrinttext(kTaste));
    speichertaste->setText(holePrinttext(kSpeichern));
    oeffnetaste->setText(holePrinttext(kOeffnen));

    Rueckkehrmodus = -1;
    bericht.seitenzahl = 0;
    bericht.seitenzaehler = 0;
    // Without the message file the two buttons still read as two different answers.
    const bool mitTexten = QFileInfo(Messagedatei).isReadable();
    dialog.jatext = mitTexten ? holeMessage(1001) : QStringLiteral("Ja/Yes");
    dialog.neintext = mitTexten ? holeMessage(1002) : QStringLiteral("Nein/No");
    Querschnittsdokument::Fenster fenster;
    fenster.querschnitt = [this] { return querschnitt(); };
    fenster.zeige = [this](const Querschnittsdaten& q) {
        if (form5)
            form5->close();
        eingabe->setzeQuerschnitt(q);
    };
    fenster.beschriftungen = [this] { return eingabe->beschriftungen(); };
    // A form the family's list does not name could not be chosen in the window either.
    fenster.inDerListe = [this](const Querschnittsdaten& q) {
        return q.familie == kWalzprofil || q.Querschnittsnummer == 0 ||
               listeNenntForm(verbinde(pathtext, QStringLiteral("Combo.") + Oberflaechensprache), q.familie,
                              q.Querschnittsnummer);
    };
    fenster.message = [this](int n) { return holeMessage(n); };
    fenster.printtext = [this](int n) { return holePrinttext(n); };
    fenster.frage = [this](const QString& frage, qint16 taste) { return emsgbox(frage, taste, true); };
    fenster.eltern = this;
    dokument = std::make_unique<Querschnittsdokument>(pathben, ablage, std::move(fenster));
    dokument->stelleZuletztWiederHer();
    // The kept section is written while the window is open too, so that a session that ends without
    // closing (a crash, a power cut) comes back at the next start as it was half a minute before.
    auto* zwischensicherung = new QTimer(this);
    zwischensicherung->setObjectName(QStringLiteral("Zwischensicherung"));
    connect(zwischensicherung, &QTimer::timeout, this, [this] {
        if (m_sperre && dokument)
            dokument->merkeZuletzt();
    });
    zwischensicherung->start(30000);
    // A file opened from the file manager comes after the kept section, which may first be saved.
    if (!uebergabe->Datei.isEmpty() && dokument->fragtVorDemErsetzen())
        dokument->oeffneDatei(uebergabe->Datei);
    return true;
}

bool Hauptform::sperreOrdner()
{
    // One window per editor folder: two would overwrite each other's transfer files.
    m_sperre = std::make_unique<QLockFile>(verbinde(pathben, QStringLiteral(".Querschnitt.lock")));
    m_sperre->setStaleLockTime(0); // only a lock whose program has ended is taken over
    if (m_sperre->tryLock(0))
        return true;
    const QString ordner = QDir::toNativeSeparators(pathben);
    qint64 pid = 0;
    QString rechner, programm;
    if (m_sperre->error() == QLockFile::LockFailedError && m_sperre->getLockInfo(&pid, &rechner, &programm) &&
        !sperreIstVerwaist(pid, rechner)) {
        zeigeMessageMitText(46, ordner + QStringLiteral(" (%1, %2 %3)").arg(rechner, programm).arg(pid));
    } else if (m_sperre->error() == QLockFile::LockFailedError) {
        // The session that held it has ended; what stops the takeover is a folder that takes no writing.
        zeigeMessageMitText(70, ordner + QStringLiteral(" (%1, %2 %3)").arg(rechner, programm).arg(pid));
    } else {
        QFile probe(verbinde(pathben, QStringLiteral(".Querschnitt.probe")));
        const QString grund = probe.open(QIODevice::WriteOnly) ? QString() : probe.errorString();
        probe.remove();
        zeigeMessageMitText(40, ordner + (grund.isEmpty() ? QString() : QStringLiteral(" (") + grund + u')'));
    }
    m_sperre.reset();
    return false;
}

QString Hauptform::holeMessage(int n) const { return ::holeMessage(Messagedatei, n); }

bool Hauptform::zeigeAusgang(const Rechenausgang& a) const
{
    for (const QString& meldung : a.meldungen)
        meldungen().zeige(meldung, Meldungssymbol::Keins);
    return a.gerechnet;
}

void Hauptform::zeigeMessage(int n) const { meldungen().zeige(holeMessage(n), Meldungssymbol::Keins); }

void Hauptform::zeigeMessageMitText(int n, const QString& text) const
{
    meldungen().zeige(holeMessage(n) + u' ' + text, Meldungssymbol::Keins);
}

qint16 Hauptform::emsgbox(const QString& frage, qint16 tastencode, bool mitAbbrechen)
{
    dialog.fragetext = frage;
    dialog.focustaste = tastencode;
    dialog.abbrechentext = mitAbbrechen ? holeMessage(1003) : QString();
    dialog.iantwort = 7;
    meldungen().frage(rufform ? rufform : this, dialog);
    return dialog.iantwort;
}

void Hauptform::kehreZurueck()
{
    // Without the hand-off the main program would not know who comes back; it starts anyway.
    if (!schreibeInifile2(path0, {Bearbeiter, Oberflaechensprache, QString()}))
        zeigeMessageMitText(47, QDir::toNativeSeparators(inifile2Pfad(path0)));
    const QString exefiles = verbinde(pathbasis, QStringLiteral("exefiles"));
    const QString programm = verbinde(exefiles, programmdatei(QStringLiteral("TarvelloMain")));
    if (!programmstarter()(programm, exefiles))
        zeigeMessageMitText(44, QDir::toNativeSeparators(programm));
    Rueckkehrmodus = 9;
    close();
}

void Hauptform::closeEvent(QCloseEvent* ereignis)
{
    if (Rueckkehrmodus != 9) {
        // Unsaved changes: the question offers to save them to a file first (saved, the window
        // closes), to close without (the section comes back at the next start all the same) or to stay.
        const bool geaendert = dokument && dokument->istGeaendert();
        const qint16 antwort = geaendert ? emsgbox(holeMessage(61), 1, true) : emsgbox(holeMessage(1000), 2);
        if ((geaendert && antwort == 2) || (!geaendert && antwort != 6) ||
            (geaendert && antwort == 6 && !dokument->speichere())) {
            ereignis->ignore();
            return;
        }
    }
    if (m_sperre && dokument)
        dokument->merkeZuletzt();
    ereignis->accept();
    // Unloading the main window ends the program: the windows it opened go first.
    const QList<QWidget*> fenster = QApplication::topLevelWidgets();
    for (auto it = fenster.crbegin(); it != fenster.crend(); ++it)
        if (*it != this && (*it)->isVisible())
            (*it)->close();
}

bool Hauptform::event(QEvent* ereignis)
{
    // Back in the main window, the preview of an earlier result has had its turn. A message closed while the
    // pages were laid out hands the focus back here before the preview ever had it: the preview takes it.
    if (ereignis->type() == QEvent::WindowActivate && form5 && form5->isVisible()) {
        if (form5->warAktiv())
            form5->close();
        else
            form5->activateWindow();
    }
    return QWidget::event(ereignis);
}

void Hauptform::traegerergebnis()
{
    // The page of an earlier section never stands beside a new run's outcome.
    if (form5)
        form5->close();
    // The footer names the section printed (the profile for a rolled one), after the file it is saved in;
    // a section changed since then is not what that file holds, and the page must not say it is.
    const bool gewalzt = eingabe->familie == kWalzprofil;
    const QString name = QStringLiteral("(") + (gewalzt ? eingabe->Typ->text() : eingabe->Querschnittsname) + u')';
    const bool gespeichert = dokument && !dokument->datei().isEmpty() && !dokument->istGeaendert();
    bericht.projektname = gespeichert ? QFileInfo(dokument->datei()).completeBaseName() + u' ' + name : name;
    anzahldrucke1 = 0;
    zeigeBericht();
}

Berechnungsumgebung Hauptform::umgebung() const { return {pathbasis, pathben, pathtext, Messagedatei}; }

bool Hauptform::zeigeSeiten()
{
    std::vector<QImage> bilder;
    switch (legeSeitenAn(m_letzteSeiten, bericht, testansicht != 0, m_druckauftrag, bilder)) {
    case Seitenstand::Abgebrochen: zeigeMessage(73); return false;
    case Seitenstand::OhneZeichnung: zeigeMessage(72); break; // told once for the report
    case Seitenstand::Heil: break;
    }
    if (bilder.empty())
        return true; // printed, not previewed
    if (!form5) {
        form5 = new Form5(this);
        if (const QScreen* bildschirm = screen())
            form5->passeAnBildschirmAn(bildschirm->geometry().width() * twipsProPixel);
        ladeFormtexte(form5, verbinde(pathtext, QStringLiteral("form5.") + Oberflaechensprache));
        connect(form5, &Form5::drucken, this, [this](int kopien) {
            anzahldrucke1 = qint16(kopien);
            druckertaste();
        });
    }
    QString fehler;
    if (form5->zeigeSeiten(bilder, TMPPATH, fehler))
        return true;
    zeigeMessageMitText(47, fehler);
    return false;
}

bool Hauptform::zeigeBericht()
{
    if (form5)
        form5->close();
    bericht.seitenzahl = 0;
    bericht.seitenzaehler = 0;
    // One record for the whole run: the file, the check of the answer and the pages.
    const Querschnittsdaten q = querschnitt();
    Berichtstexte texte;
    texte.printtext = [this](int n) { return holePrinttext(n); };
    texte.sprache = Printersprache;
    texte.formnamenZu = [this](int form) {
        QStringList namen;
        for (int i = 0; i < eingabe->Querschnitt->count(); ++i)
            if (eingabe->Querschnitt->itemData(i).toInt() == form)
                namen.append(eingabe->Querschnitt->itemText(i));
        return namen;
    };
    const Berichtslauf lauf = rechneBericht(q, eingabe->beschriftungen(), umgebung(), texte);
    for (const QString& text : lauf.meldungen)
        meldungen().zeige(text, Meldungssymbol::Keins);
    if (!lauf.gerechnet)
        return false;
    anzahldrucke1 = 0;
    drucktastenwert = lauf.modus ? 2 : 1;
    ys = lauf.werte.YS;
    zs = lauf.werte.ZS;
    apsi = lauf.werte.Winkel;
    if (lauf.werte.mitSchubmittelpunkt) {
        ysmp = lauf.werte.YM;
        zsmp = lauf.werte.ZM;
    }
    if (lauf.modus)
        eingabe->Querschnittsnummer = qint16(lauf.modus);
    m_letzteSeiten = lauf.seiten;
    m_druckname = lauf.druckname;
    return zeigeSeiten();
}

void Hauptform::druckertaste()
{
    if (anzahldrucke1 == 0)
        return;
    std::unique_ptr<Druckauftrag> auftrag = druckersuche()();
    if (!auftrag) {
        // No printer here: the engineer still gets the report, as a PDF where their sections go, named
        // after the section's file when the window holds what was saved there, else after the form in
        // the user's language.
        const QString ordner = legeOrdnerAn(ablage) ? ablage : pathben;
        const QString datei = dokument && !dokument->istGeaendert() ? dokument->datei() : QString();
        const QDateTime jetzt = QDateTime::currentDateTime();
        letzteDruckdatei = verbinde(ordner, datei.isEmpty() ? pdfname(holePrinttext(18), m_druckname, jetzt)
                                                            : pdfname(QFileInfo(datei).completeBaseName(), {}, jetzt));
        auftrag = pdfauftrag(letzteDruckdatei);
    } else {
        letzteDruckdatei.clear();
    }
    m_druckauftrag = auftrag.get();
    const qint16 vorher = testansicht;
    testansicht = 0;
    const int kopien = anzahldrucke1;
    // The pages shown, once per copy; the engine does not run again.
    for (int n = 0; n < kopien && !m_letzteSeiten.empty(); ++n)
        zeigeSeiten();
    drucktastenwert = 0;
    testansicht = vorher;
    m_druckauftrag = nullptr;
    QString grund;
    const bool beendet = auftrag->beende(grund);
    auftrag.reset();
    if (!beendet) {
        zeigeMessageMitText(47, QDir::toNativeSeparators(letzteDruckdatei) + QStringLiteral(" (") + grund + u')');
        letzteDruckdatei.clear();
    } else if (!letzteDruckdatei.isEmpty() &&
               emsgbox(holeMessage(43) + u' ' + QDir::toNativeSeparators(letzteDruckdatei) + u'\n' + holeMessage(75), 2) == 6) {
        ordneranzeige()(QFileInfo(letzteDruckdatei).absolutePath());
    }
}
