#include "Startfenster.h"

#include "kern/Feldleser.h"
#include "app/Meldungen.h"
#include "app/Sprachdateien.h"
#include "app/Sprachtexte.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QVBoxLayout>

namespace {

// Used only where the launcher's own language file is missing.
QString ersatztext(int n)
{
    switch (n) {
    case 1: return QStringLiteral("Tarvello");
    case 2: return QStringLiteral("Bearbeiter/Editor:");
    case 3: return QStringLiteral("Sprache/Language:");
    case 4: return QStringLiteral("Start");
    case 5: return QStringLiteral("Beenden/Exit");
    case 6: return QStringLiteral("Bearbeitername nicht zulässig/Editor name not allowed:");
    case 7: return QStringLiteral("Programm nicht gestartet/Program not started:");
    case 8: return QStringLiteral("Übergabedatei nicht geschrieben/Hand-off file not written:");
    case 10: return QStringLiteral("Name leer/Name blank");
    case 11: return QStringLiteral("Name zu lang/Name too long");
    case 12: return QStringLiteral("Zeichen nicht zulässig/Character not allowed");
    case 13: return QStringLiteral("Name reserviert/Name reserved");
    case 14: return QStringLiteral("Name belegt/Name taken");
    case 15: return QStringLiteral("Datenverzeichnis fehlt/Data directory missing:");
    case 16: return QStringLiteral("Tarvello");
    case 17: return QStringLiteral("Bearbeiter/editor");
    case 18: return QStringLiteral("Sprache/language (D, E)");
    case 19: return QStringLiteral("gleich starten/start at once");
    case 20: return QStringLiteral("Querschnittsdatei/section file (.tqs)");
    case 21: return QStringLiteral("Datei/file");
    case 22: return QStringLiteral("Name/name");
    default: return QString();
    }
}

} // namespace

Suitenordner bestimmeSuitenordner(const QString& exefiles)
{
    Suitenordner ordner;
    ordner.exefiles = QDir::cleanPath(exefiles);
    const Datenordner daten = bestimmeDatenordner(bestimmePathbasis(ordner.exefiles + QStringLiteral("/.")),
                                                  benutzerdatenordner());
    ordner.path0 = daten.path0;
    ordner.pathtext = daten.pathtext;
    ordner.benutzereigen = daten.benutzereigen;
    return ordner;
}

QStringList verfuegbareSprachen(const QString& pathtext)
{
    QStringList sprachen;
    const QRegularExpression muster(QStringLiteral("^Hauptform\\.(.)$"));
    for (const QString& name : QDir(pathtext).entryList(QDir::Files, QDir::Name)) {
        const auto treffer = muster.match(name);
        if (treffer.hasMatch())
            sprachen.append(treffer.captured(1));
    }
    return sprachen;
}

Startfenster::Startfenster(const Suitenordner& ordner, QWidget* parent) : QWidget(parent), m_ordner(ordner)
{
    setObjectName(QStringLiteral("TarvelloMain"));
    m_bearbeiterLabel = new QLabel(this);
    m_spracheLabel = new QLabel(this);
    Bearbeiterfeld = new QLineEdit(this);
    Bearbeiterfeld->setObjectName(QStringLiteral("Bearbeiter"));
    Bearbeiterfeld->setMinimumWidth(240);
    Sprachliste = new QComboBox(this);
    Sprachliste->setObjectName(QStringLiteral("Sprache"));
    Starttaste = new QPushButton(this);
    Starttaste->setObjectName(QStringLiteral("Start"));
    Starttaste->setDefault(true);
    Endetaste = new QPushButton(this);
    Endetaste->setObjectName(QStringLiteral("Ende"));

    auto* formular = new QFormLayout;
    formular->addRow(m_bearbeiterLabel, Bearbeiterfeld);
    formular->addRow(m_spracheLabel, Sprachliste);
    auto* tasten = new QHBoxLayout;
    tasten->addStretch();
    tasten->addWidget(Starttaste);
    tasten->addWidget(Endetaste);
    auto* haupt = new QVBoxLayout(this);
    auto* titel = new QLabel(QStringLiteral("<b>Tarvello</b>"), this);
    titel->setObjectName(QStringLiteral("Titel"));
    haupt->addWidget(titel);
    haupt->addLayout(formular);
    haupt->addStretch();
    haupt->addLayout(tasten);

    // Back from the cross-section program its hand-off names who worked; else the last start does.
    const auto letzte = leseInifile2(m_ordner.path0);
    const auto vorgabe = letzte ? letzte : leseLetztenStart(m_ordner.path0);
    Bearbeiterfeld->setText(vorgabe ? vorgabe->Bearbeiter : QString());
    const QStringList sprachen = angeboteneSprachen(m_ordner.pathtext);
    for (const QString& sprache : sprachen) {
        // Each language is offered under its own name, where its launcher file gives one.
        const QString name = holeMessage(verbinde(m_ordner.pathtext, QStringLiteral("TarvelloMain.") + sprache), 9);
        Sprachliste->addItem(name.contains(QStringLiteral("fehlt/")) ? sprache : sprache + QStringLiteral(" – ") + name,
                             sprache);
    }
    Sprachliste->setCurrentIndex(int(sprachen.indexOf(
        startsprache(QString(), vorgabe ? vorgabe->Oberflaechensprache : QString(), QLocale(), sprachen))));

    ladeTexte();
    connect(Sprachliste, &QComboBox::currentIndexChanged, this, &Startfenster::ladeTexte);
    connect(Starttaste, &QPushButton::clicked, this, [this] {
        if (starteQuerschnitt())
            close();
    });
    connect(Endetaste, &QPushButton::clicked, this, &QWidget::close);
    // Return in the name field starts, as the engineer expects after typing the name.
    connect(Bearbeiterfeld, &QLineEdit::returnPressed, Starttaste, &QPushButton::click);
}

QString Startfenster::sprache() const { return Sprachliste->currentData().toString(); }

QString startertext(const QString& pathtext, const QString& sprache, int n)
{
    const QString t = holeMessage(verbinde(pathtext, QStringLiteral("TarvelloMain.") + sprache), n);
    return t.contains(QStringLiteral("fehlt/")) ? ersatztext(n) : t;
}

QStringList angeboteneSprachen(const QString& pathtext)
{
    const QStringList sprachen = verfuegbareSprachen(pathtext);
    return sprachen.isEmpty() ? QStringList{QStringLiteral("D"), QStringLiteral("E")} : sprachen;
}

QString befehlssprache(const Suitenordner& ordner, const QString& gewuenscht)
{
    const auto zuletzt = leseLetztenStart(ordner.path0);
    const QString sprache = startsprache(gewuenscht, zuletzt ? zuletzt->Oberflaechensprache : QString(), QLocale(),
                                         angeboteneSprachen(ordner.pathtext));
    installiereQtUebersetzung(sprache);
    return sprache;
}

QString Startfenster::text(int n) const { return startertext(m_ordner.pathtext, sprache(), n); }

void Startfenster::ladeTexte()
{
    installiereQtUebersetzung(sprache());
    setWindowTitle(text(1));
    m_bearbeiterLabel->setText(text(2));
    m_spracheLabel->setText(text(3));
    Starttaste->setText(text(4));
    Endetaste->setText(text(5));
}

bool Startfenster::starteQuerschnitt()
{
    const QString name = Bearbeiterfeld->text().trimmed();
    // Each refusal names its reason; a long name is not echoed back.
    if (const Namensfehler fehler = pruefeBearbeiter(name, m_ordner.path0); fehler != Namensfehler::Keiner) {
        meldungen().zeige(text(6) + u'\n' + text(9 + int(fehler)), Meldungssymbol::Keins);
        return false;
    }
    // A data directory named in the settings is never made up here; the user's own one is.
    if (m_ordner.benutzereigen && !m_ordner.path0.isEmpty())
        QDir().mkpath(m_ordner.path0);
    if (!QFileInfo(m_ordner.path0).isDir()) {
        meldungen().zeige(text(15) + u' ' + QDir::toNativeSeparators(m_ordner.path0), Meldungssymbol::Keins);
        return false;
    }
    if (!schreibeInifile2(m_ordner.path0, {name, sprache(), datei})) {
        meldungen().zeige(text(8) + u' ' + QDir::toNativeSeparators(inifile2Pfad(m_ordner.path0)),
                          Meldungssymbol::Keins);
        return false;
    }
    // Only a convenience for the next start: where it cannot be kept, nothing else suffers.
    merkeLetztenStart(m_ordner.path0, {name, sprache(), QString()});
    const QString programm = verbinde(m_ordner.exefiles, programmdatei(QStringLiteral("TarvelloQuerschnitt")));
    if (!programmstarter()(programm, m_ordner.exefiles)) {
        meldungen().zeige(text(7) + u' ' + QDir::toNativeSeparators(programm), Meldungssymbol::Keins);
        return false;
    }
    return true;
}
