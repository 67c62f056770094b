#include "Startfenster.h"

#include "kern/Feldleser.h"
#include "app/Meldungen.h"
#include "app/Sprachdateien.h"

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

    Uebergabedaten vorgabe;
    if (const auto letzte = leseInifile2(m_ordner.path0))
        vorgabe = *letzte;
    Bearbeiterfeld->setText(vorgabe.Bearbeiter);
    QStringList sprachen = verfuegbareSprachen(m_ordner.pathtext);
    if (sprachen.isEmpty())
        sprachen = {QStringLiteral("D"), QStringLiteral("E")};
    for (const QString& sprache : sprachen) {
        // Each language is offered under its own name, where its launcher file gives one.
        const QString name = holeMessage(verbinde(m_ordner.pathtext, QStringLiteral("TarvelloMain.") + sprache), 9);
        Sprachliste->addItem(name.contains(QStringLiteral("fehlt/")) ? sprache : sprache + QStringLiteral(" – ") + name,
                             sprache);
    }
    Sprachliste->setCurrentIndex(qMax(0, int(sprachen.indexOf(vorgabe.Oberflaechensprache))));

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

QString Startfenster::text(int n) const
{
    const QString datei = verbinde(m_ordner.pathtext, QStringLiteral("TarvelloMain.") + sprache());
    const QString t = holeMessage(datei, n);
    return t.contains(QStringLiteral("fehlt/")) ? ersatztext(n) : t;
}

void Startfenster::ladeTexte()
{
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
    if (!schreibeInifile2(m_ordner.path0, {name, sprache()})) {
        meldungen().zeige(text(8) + u' ' + QDir::toNativeSeparators(inifile2Pfad(m_ordner.path0)),
                          Meldungssymbol::Keins);
        return false;
    }
    const QString programm = verbinde(m_ordner.exefiles, programmdatei(QStringLiteral("TarvelloQuerschnitt")));
    if (!programmstarter()(programm, m_ordner.exefiles)) {
        meldungen().zeige(text(7) + u' ' + QDir::toNativeSeparators(programm), Meldungssymbol::Keins);
        return false;
    }
    return true;
}
