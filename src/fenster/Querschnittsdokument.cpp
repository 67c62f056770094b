#include "Querschnittsdokument.h"

#include "Bemessungsdialog.h"
#include "app/Dateien.h"
#include "app/Dateiwahl.h"
#include "app/Meldungen.h"
#include "app/Start.h"
#include "catalogs/Kataloge.h"
#include "kern/Feldleser.h"
#include "kern/Querschnittsdatei.h"
#include "nachweis/Bauteil.h"
#include "nachweis/Nachweis.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

// Print texts of the file dialogs.
enum { kFiltername = 61, kSpeichertitel = 62, kOeffnetitel = 63 };

std::optional<QByteArray> leseBytes(const QString& pfad) { return leseDateibytes(pfad, kGroessteQuerschnittsdatei); }

} // namespace

Querschnittsdokument::Querschnittsdokument(QString ordner, QString ablage, Fenster fenster)
    : m_ordner(std::move(ordner)), m_ablage(std::move(ablage)), m_fenster(std::move(fenster))
{
    m_gespeichert = schreibeQuerschnittsdatei(m_fenster.querschnitt()); // a fresh window has nothing to lose
}

void Querschnittsdokument::zeige(const QString& text) const { meldungen().zeige(text, Meldungssymbol::Keins); }

QString Querschnittsdokument::zuletztDatei() const
{
    return verbinde(m_ordner, QStringLiteral(".zuletzt") + kQuerschnittsendung);
}
QString Querschnittsdokument::zuletztPfad() const { return verbinde(m_ordner, QStringLiteral(".zuletzt")); }

QString Querschnittsdokument::dialogordner() const
{
    if (!m_datei.isEmpty())
        return QFileInfo(m_datei).absolutePath();
    return legeOrdnerAn(m_ablage) ? m_ablage : m_ordner;
}

QString Querschnittsdokument::dateifilter() const
{
    return m_fenster.printtext(kFiltername) + QStringLiteral(" (*") + kQuerschnittsendung + u')';
}

bool Querschnittsdokument::istGeaendert() const
{
    return schreibeQuerschnittsdatei(m_fenster.querschnitt()) != m_gespeichert;
}

bool Querschnittsdokument::speichere()
{
    const QString vorschlag = m_datei.isEmpty() ? dialogordner() : m_datei;
    QString pfad = dateiwahl()(m_fenster.eltern, Dateiwahlart::Speichern, m_fenster.printtext(kSpeichertitel), vorschlag,
                               dateifilter());
    if (pfad.isEmpty())
        return false;
    if (QFileInfo(pfad).suffix().isEmpty())
        pfad += kQuerschnittsendung;
    const QByteArray inhalt = schreibeQuerschnittsdatei(m_fenster.querschnitt());
    QString grund;
    if (!dateischreiber()(pfad, inhalt, grund)) {
        zeige(m_fenster.message(69) + u' ' + QDir::toNativeSeparators(pfad) + QStringLiteral(" (") + grund + u')');
        return false;
    }
    m_datei = pfad;
    m_gespeichert = inhalt;
    return true;
}

void Querschnittsdokument::oeffne()
{
    const QString pfad =
        dateiwahl()(m_fenster.eltern, Dateiwahlart::Oeffnen, m_fenster.printtext(kOeffnetitel), dialogordner(), dateifilter());
    if (pfad.isEmpty())
        return;
    if (fragtVorDemErsetzen())
        oeffneDatei(pfad);
}

bool Querschnittsdokument::fragtVorDemErsetzen()
{
    // Unsaved changes are offered to be saved first, as on closing; a save not made or a
    // Cancel replaces nothing.
    if (!istGeaendert())
        return true;
    const qint16 antwort = m_fenster.frage(m_fenster.message(66), 1);
    return antwort == 7 || (antwort == 6 && speichere());
}

Querschnittsdokument::Geoeffnet Querschnittsdokument::leseGeprueft(const QString& pfad) const
{
    const Querschnittsdatei datei = oeffneQuerschnittsdatei(pfad, m_fenster.inDerListe);
    const QString name = QDir::toNativeSeparators(pfad);
    const auto abgelehnt = [&](int meldung, const QString& grund = {}) {
        return Geoeffnet{std::nullopt, m_fenster.message(meldung) + u' ' + name + (grund.isEmpty() ? QString() : u'\n' + grund)};
    };
    const Dateiablehnung ablehnung = datei.ablehnung;
    if (ablehnung == Dateiablehnung::UnzulaessigerWert)
        return abgelehnt(67, eintragsbeschriftung(m_fenster.beschriftungen(), datei.eintrag) + QStringLiteral(": ") +
                                 m_fenster.message(datei.meldung));
    if (ablehnung != Dateiablehnung::Keine)
        return abgelehnt(ablehnungsmeldung(ablehnung));
    // The design and member values pass the rules of their dialog; the rail's fixing is
    // checked with the calculation, as it is for typed values.
    const Querschnittsdaten& q = *datei.querschnitt;
    const Bemessungslesung bemessung = leseBemessung(q.bemessung);
    if (bemessung.fehler != Bemessungsfehler::Keiner)
        return abgelehnt(67, m_fenster.message(56) + u' ' +
                                 Bemessungsdialog::wertname(bemessung, m_fenster.printtext));
    if (hatTraeger(q.traeger) && leseTraeger(q.traeger).fehler != Traegerfehler::Keiner)
        return abgelehnt(67, m_fenster.message(64));
    if (const QString fremd = fremderListenname(q); !fremd.isEmpty())
        return abgelehnt(77, fremd);
    return {q, {}};
}

bool Querschnittsdokument::oeffneDatei(const QString& pfad)
{
    const Geoeffnet datei = leseGeprueft(pfad);
    if (!datei.querschnitt) {
        // The window stays as it was: nothing of a refused file reaches it, and the message says so.
        zeige(datei.ablehnung + u'\n' + m_fenster.message(76));
        return false;
    }
    m_fenster.zeige(*datei.querschnitt);
    m_datei = pfad;
    m_gespeichert = schreibeQuerschnittsdatei(m_fenster.querschnitt());
    return true;
}

void Querschnittsdokument::merkeZuletzt()
{
    // A kept section that could not be set aside is not overwritten.
    if (m_zuletztUnberuehrt)
        return;
    // Best effort: a folder that takes nothing more loses only the restoring. What is there already is
    // not written again (the window writes it every half minute).
    const QByteArray querschnitt = schreibeQuerschnittsdatei(m_fenster.querschnitt());
    const QByteArray pfad = (u'"' + m_datei + QStringLiteral("\"\r\n")).toUtf8();
    if (querschnitt + pfad == m_zuletztGeschrieben)
        return;
    QString grund;
    const bool geschrieben = dateischreiber()(zuletztDatei(), querschnitt, grund) &&
                             dateischreiber()(zuletztPfad(), pfad, grund);
    m_zuletztGeschrieben = geschrieben ? querschnitt + pfad : QByteArray();
}

void Querschnittsdokument::legeZuletztBeiseite(const QString& grund)
{
    // The first free name: an earlier file set aside is not overwritten either.
    const QString datei = zuletztDatei();
    for (int n = 1; n <= 100; ++n) {
        const QString ziel = datei + QStringLiteral(".beschädigt") + (n > 1 ? QStringLiteral(".%1").arg(n) : QString());
        const QFileInfo belegt(ziel);
        if (belegt.exists() || belegt.isSymLink())
            continue;
        if (QFile::rename(datei, ziel)) {
            zeige(m_fenster.message(68) + u' ' + QDir::toNativeSeparators(ziel) + u'\n' + grund);
            return;
        }
        break;
    }
    m_zuletztUnberuehrt = true;
    zeige(m_fenster.message(71) + u' ' + QDir::toNativeSeparators(datei) + u'\n' + grund);
}

void Querschnittsdokument::stelleZuletztWiederHer()
{
    const QFileInfo art(zuletztDatei());
    if (!art.exists() && !art.isSymLink())
        return; // nothing kept: the editor's first session
    const Geoeffnet datei = leseGeprueft(zuletztDatei());
    if (!datei.querschnitt) {
        // What it holds is not lost by the next close: it is set aside and named.
        legeZuletztBeiseite(datei.ablehnung);
        return;
    }
    m_fenster.zeige(*datei.querschnitt);
    const auto pfadtext = leseTextdatei(zuletztPfad());
    const auto pfad = pfadtext ? Feldleser(*pfadtext).naechstesFeld() : std::nullopt;
    // Unsaved is what differs from the file it was last saved to, or everything when there is none.
    if (pfad && !pfad->isEmpty()) {
        if (const auto gespeichert = leseBytes(*pfad)) {
            m_datei = *pfad;
            const Querschnittsdatei alt = leseQuerschnittsdatei(*gespeichert);
            if (alt.querschnitt)
                m_gespeichert = schreibeQuerschnittsdatei(*alt.querschnitt);
        }
    }
}
