// The main window's section files: saved and opened by the engineer, the last
// section of the editor kept over the end of the program.
#include "Hauptform.h"

#include "app/Dateien.h"
#include "kern/Feldleser.h"
#include "app/Meldungen.h"
#include "app/Sprachdateien.h"
#include "app/Start.h"
#include "kern/Formen.h"
#include "kern/Querschnittsdatei.h"
#include "nachweis/Bauteil.h"
#include "nachweis/Nachweis.h"
#include "Bemessungsdialog.h"
#include "report/Form5.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <algorithm>

namespace {

// Print texts of the file buttons and dialogs.
enum { kSpeichern = 59, kOeffnen = 60, kFiltername = 61, kSpeichertitel = 62, kOeffnetitel = 63 };

// A section file is a few kilobytes: a megabyte is far beyond any.
std::optional<QByteArray> leseBytes(const QString& pfad) { return leseDateibytes(pfad, 1 << 20); }

} // namespace

QString Hauptform::zuletztDatei() const { return verbinde(pathben, QStringLiteral(".zuletzt") + kQuerschnittsendung); }
QString Hauptform::zuletztPfad() const { return verbinde(pathben, QStringLiteral(".zuletzt")); }

void Hauptform::beschrifteDateitasten()
{
    speichertaste->setText(holePrinttext(kSpeichern));
    oeffnetaste->setText(holePrinttext(kOeffnen));
}

QString Hauptform::dateifilter() const
{
    return holePrinttext(kFiltername) + QStringLiteral(" (*") + kQuerschnittsendung + u')';
}

bool Hauptform::istGeaendert() const { return schreibeQuerschnittsdatei(querschnitt()) != m_gespeichert; }

bool Hauptform::speichereQuerschnitt()
{
    const QString vorschlag = querschnittsdatei.isEmpty() ? pathben : querschnittsdatei;
    QString pfad = dateiwahl()(this, Dateiwahlart::Speichern, holePrinttext(kSpeichertitel), vorschlag, dateifilter());
    if (pfad.isEmpty())
        return false;
    if (QFileInfo(pfad).suffix().isEmpty())
        pfad += kQuerschnittsendung;
    const QByteArray inhalt = schreibeQuerschnittsdatei(querschnitt());
    QString grund;
    if (!dateischreiber()(pfad, inhalt, grund)) {
        zeigeMessageMitText(69, QDir::toNativeSeparators(pfad) + QStringLiteral(" (") + grund + u')');
        return false;
    }
    querschnittsdatei = pfad;
    m_gespeichert = inhalt;
    return true;
}

void Hauptform::oeffneQuerschnitt()
{
    const QString ordner = querschnittsdatei.isEmpty() ? pathben : QFileInfo(querschnittsdatei).absolutePath();
    const QString pfad = dateiwahl()(this, Dateiwahlart::Oeffnen, holePrinttext(kOeffnetitel), ordner, dateifilter());
    if (pfad.isEmpty())
        return;
    // Unsaved changes are offered to be saved first, as on closing; a save not made opens nothing.
    if (istGeaendert() && emsgbox(holeMessage(66), 1) == 6 && !speichereQuerschnitt())
        return;
    oeffneQuerschnittsdatei(pfad);
}

bool Hauptform::stehtInDerListe(const Querschnittsdaten& q) const
{
    // A form the family's list does not name could not be chosen in the window either.
    if (q.familie == kWalzprofil || q.Querschnittsnummer == 0)
        return true;
    const auto liste =
        leseQuerschnittsliste(verbinde(pathtext, QStringLiteral("Combo.") + Oberflaechensprache), q.familie);
    return liste && std::any_of(liste->begin(), liste->end(),
                                [&](const Querschnittseintrag& e) { return e.nummer == q.Querschnittsnummer; });
}

Hauptform::Geoeffnet Hauptform::leseGeprueft(const QString& pfad) const
{
    const auto inhalt = leseBytes(pfad);
    Querschnittsdatei datei = inhalt ? leseQuerschnittsdatei(*inhalt) : Querschnittsdatei{};
    if (datei.querschnitt && !stehtInDerListe(*datei.querschnitt))
        datei = {std::nullopt, Dateiablehnung::NichtAngeboten, {}, 0};
    const QString name = QDir::toNativeSeparators(pfad);
    const auto abgelehnt = [&](int meldung, const QString& grund = {}) {
        return Geoeffnet{std::nullopt, holeMessage(meldung) + u' ' + name + (grund.isEmpty() ? QString() : u'\n' + grund)};
    };
    switch (inhalt ? datei.ablehnung : Dateiablehnung::Beschaedigt) {
    case Dateiablehnung::Keine: break;
    case Dateiablehnung::NeuereFassung: return abgelehnt(59);
    case Dateiablehnung::NichtAngeboten: return abgelehnt(60);
    case Dateiablehnung::UnzulaessigerWert:
        return abgelehnt(67, eintragsbeschriftung(eingabe->beschriftungen(), datei.eintrag) + QStringLiteral(": ") +
                                 holeMessage(datei.meldung));
    case Dateiablehnung::Beschaedigt: return abgelehnt(58);
    }
    // The design and member values pass the rules of their dialog; the rail's fixing is
    // checked with the calculation, as it is for typed values.
    const Querschnittsdaten& q = *datei.querschnitt;
    const Bemessungslesung bemessung = leseBemessung(q.bemessung);
    if (bemessung.fehler != Bemessungsfehler::Keiner)
        return abgelehnt(67, holeMessage(56) + u' ' +
                                 Bemessungsdialog::wertname(bemessung, [this](int n) { return holePrinttext(n); }));
    if (hatTraeger(q.traeger) && leseTraeger(q.traeger).fehler != Traegerfehler::Keiner)
        return abgelehnt(67, holeMessage(64));
    return {q, {}};
}

bool Hauptform::oeffneQuerschnittsdatei(const QString& pfad)
{
    const Geoeffnet datei = leseGeprueft(pfad);
    if (!datei.querschnitt) {
        // The window stays as it was: nothing of a refused file reaches it.
        meldungen().zeige(datei.ablehnung, Meldungssymbol::Keins);
        return false;
    }
    if (form5)
        form5->close();
    eingabe->setzeQuerschnitt(*datei.querschnitt);
    querschnittsdatei = pfad;
    m_gespeichert = schreibeQuerschnittsdatei(querschnitt());
    return true;
}

void Hauptform::merkeZuletzt()
{
    // A kept section that could not be set aside is not overwritten.
    if (m_zuletztUnberuehrt)
        return;
    // Best effort: a folder that takes nothing more loses only the restoring.
    QString grund;
    dateischreiber()(zuletztDatei(), schreibeQuerschnittsdatei(querschnitt()), grund);
    dateischreiber()(zuletztPfad(), (u'"' + querschnittsdatei + QStringLiteral("\"\r\n")).toUtf8(), grund);
}

void Hauptform::legeZuletztBeiseite(const QString& grund)
{
    // The first free name: an earlier file set aside is not overwritten either.
    const QString datei = zuletztDatei();
    for (int n = 1; n <= 100; ++n) {
        const QString ziel = datei + QStringLiteral(".beschädigt") + (n > 1 ? QStringLiteral(".%1").arg(n) : QString());
        const QFileInfo belegt(ziel);
        if (belegt.exists() || belegt.isSymLink())
            continue;
        if (QFile::rename(datei, ziel)) {
            meldungen().zeige(holeMessage(68) + u' ' + QDir::toNativeSeparators(ziel) + u'\n' + grund,
                              Meldungssymbol::Keins);
            return;
        }
        break;
    }
    m_zuletztUnberuehrt = true;
    meldungen().zeige(holeMessage(71) + u' ' + QDir::toNativeSeparators(datei) + u'\n' + grund, Meldungssymbol::Keins);
}

void Hauptform::stelleZuletztWiederHer()
{
    m_gespeichert = schreibeQuerschnittsdatei(querschnitt()); // a fresh window has nothing to lose
    const QFileInfo art(zuletztDatei());
    if (!art.exists() && !art.isSymLink())
        return; // nothing kept: the editor's first session
    const Geoeffnet datei = leseGeprueft(zuletztDatei());
    if (!datei.querschnitt) {
        // What it holds is not lost by the next close: it is set aside and named.
        legeZuletztBeiseite(datei.ablehnung);
        return;
    }
    eingabe->setzeQuerschnitt(*datei.querschnitt);
    const auto pfadtext = leseTextdatei(zuletztPfad());
    const auto pfad = pfadtext ? Feldleser(*pfadtext).naechstesFeld() : std::nullopt;
    // Unsaved is what differs from the file it was last saved to, or everything when there is none.
    if (pfad && !pfad->isEmpty()) {
        if (const auto gespeichert = leseBytes(*pfad)) {
            querschnittsdatei = *pfad;
            const Querschnittsdatei alt = leseQuerschnittsdatei(*gespeichert);
            if (alt.querschnitt)
                m_gespeichert = schreibeQuerschnittsdatei(*alt.querschnitt);
        }
    }
}
