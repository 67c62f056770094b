#include "Ergebnisdatei.h"

#include "kern/Feldleser.h"
#include "kern/Uebergabeschreiber.h"
#include "kern/section_geometry.h"

#include <QRegularExpression>

#include <QLocale>
#include <cmath>
#include <cstdlib>

namespace {

// Numbers of the result file always use "."; anything else makes the file unreadable.
std::optional<double> alsZahl(const QString& feld)
{
    const QByteArray bytes = feld.trimmed().toLatin1();
    if (bytes.isEmpty())
        return std::nullopt;
    char* ende = nullptr;
    const double wert = std::strtod(bytes.constData(), &ende);
    if (ende != bytes.constData() + bytes.size() || !std::isfinite(wert))
        return std::nullopt;
    return wert;
}

std::optional<double> zahlfeld(Feldleser& leser)
{
    const auto feld = leser.naechstesFeld();
    return feld ? alsZahl(*feld) : std::nullopt;
}

// The named lines after the stress rows, from the name `name` on, up to the end line
// "Ende". True only when the end line came and its counts match what was read; a name
// this program does not know, or a line cut short, makes the result incomplete.
bool leseBenannteZeilen(Feldleser& leser, std::optional<QString> name, Ergebnisse& r)
{
    int zeilen = 0;
    const std::pair<const char*, std::optional<double> Bauteilwerte::*> einzelwerte[] = {
        {"Iw", &Bauteilwerte::Iw}, {"zj", &Bauteilwerte::zj}, {"Wply", &Bauteilwerte::Wply}, {"Wplz", &Bauteilwerte::Wplz}};
    for (; name; name = leser.naechstesFeld(), ++zeilen) {
        if (*name == u"Ende") {
            const auto reihen = zahlfeld(leser), benannt = zahlfeld(leser);
            return reihen && benannt && std::lround(*reihen) == long(r.punkte.size()) && std::lround(*benannt) == zeilen;
        }
        if (*name == u"Ort") {
            const auto n = zahlfeld(leser), y = zahlfeld(leser), z = zahlfeld(leser), k = zahlfeld(leser);
            if (!n || !y || !z || !k)
                return false;
            const long zeile = std::lround(*n);
            if (zeile > kFesteSpannungspunkte && zeile <= long(r.punkte.size())) {
                Spannungspunkt& p = r.punkte[size_t(zeile - 1)];
                p.y = *y;
                p.z = *z;
                p.spitzeVon = *k >= 0.5 && *k < 6.5 ? int(std::lround(*k)) : 0;
            }
            continue;
        }
        if (*name == u"Bezug") {
            const auto dz = zahlfeld(leser);
            if (!dz)
                return false;
            r.bezug = *dz;
            continue;
        }
        if (*name == u"Maximum") {
            const auto de = leser.naechstesFeld(), en = leser.naechstesFeld();
            const auto k = zahlfeld(leser), wert = zahlfeld(leser), y = zahlfeld(leser), z = zahlfeld(leser);
            if (!de || !en || !k || !wert || !y || !z)
                return false;
            if (*k >= 0.5 && *k < 6.5)
                r.hoechstwerte.push_back({de->trimmed(), en->trimmed(), int(std::lround(*k)), *wert, *y, *z});
            continue;
        }
        bool bekannt = false;
        for (const auto& [n, feld] : einzelwerte)
            if (*name == QLatin1String(n)) {
                const auto wert = zahlfeld(leser);
                if (!wert)
                    return false;
                r.bauteil.*feld = *wert;
                bekannt = true;
            }
        if (!bekannt)
            return false;
    }
    return false;
}

} // namespace

Ergebnislesung leseErgebnisdatei(const QString& pfad)
{
    const auto text = leseTextdatei(pfad);
    if (!text)
        return {Ergebnisfehler::DateiFehlt, {}};
    return leseErgebnistext(*text);
}

Ergebnislesung leseErgebnistext(const QString& text)
{
    Ergebnislesung l;
    Ergebnisse& r = l.werte;
    Feldleser leser(text);
    const auto kennung = leser.naechstesFeld();
    if (!kennung) {
        l.fehler = Ergebnisfehler::Unvollstaendig;
        return l;
    }
    r.kennung = *kennung;
    if (kennung->contains(QStringLiteral("Fehler"))) {
        l.fehler = Ergebnisfehler::Rechenkernfehler;
        return l;
    }
    bool ok = false;
    r.x = kennung->trimmed().toDouble(&ok);
    if (!ok || !leser.naechstesFeld()) {
        l.fehler = Ergebnisfehler::Unvollstaendig;
        return l;
    }
    std::array<double*, 9> werte{&r.A, &r.AY, &r.AZ, &r.IT, &r.IY, &r.IZ, &r.YS, &r.ZS, &r.Winkel};
    for (double* w : werte) {
        const auto z = zahlfeld(leser);
        if (!z) {
            l.fehler = Ergebnisfehler::Unvollstaendig;
            return l;
        }
        *w = *z;
    }
    r.YM = r.YS;
    r.ZM = r.ZS;
    if (r.ZS < 0) {
        // A negative ZS announces the shear centre after it.
        r.ZS = -r.ZS;
        const auto ym = zahlfeld(leser);
        const auto zm = zahlfeld(leser);
        if (!ym || !zm) {
            l.fehler = Ergebnisfehler::Unvollstaendig;
            return l;
        }
        r.mitSchubmittelpunkt = true;
        r.YM = *ym;
        r.ZM = *zm;
    }
    // Five fields name the stiffeners the engine built; the record says the same, so they are
    // only required, not kept.
    for (int i = 0; i < 5; ++i)
        if (!zahlfeld(leser)) {
            l.fehler = Ergebnisfehler::Unvollstaendig;
            return l;
        }
    // Rows until the first name; an incomplete last row and rows beyond the last point are left out.
    std::optional<QString> feld = leser.naechstesFeld();
    for (; feld; feld = leser.naechstesFeld()) {
        const auto erste = alsZahl(*feld);
        if (!erste)
            break;
        Spannungspunkt p;
        p.spannung[0] = *erste;
        bool vollstaendig = true;
        for (int k = 1; k < 7 && vollstaendig; ++k) {
            const auto z = zahlfeld(leser);
            if (!z)
                vollstaendig = false;
            else if (k < 6)
                p.spannung[size_t(k)] = *z;
            else
                p.dicke = *z;
        }
        if (!vollstaendig) {
            l.fehler = Ergebnisfehler::Unvollstaendig;
            return l;
        }
        if (int(r.punkte.size()) < kMaxPunkte)
            r.punkte.push_back(p);
    }
    // Without its end line, a file was cut: rows or named lines may be missing.
    if (!leseBenannteZeilen(leser, feld, r)) {
        l.fehler = Ergebnisfehler::Unvollstaendig;
        return l;
    }
    if (r.bezug != 0) {
        r.ZS -= r.bezug;
        r.ZM -= r.bezug;
        for (Spannungspunkt& p : r.punkte)
            if (p.spitzeVon > 0)
                p.z -= r.bezug;
        for (Plattenhoechstwert& h : r.hoechstwerte)
            h.z -= r.bezug;
    }
    return l;
}

std::optional<double> querschnittsflaeche(const Querschnittsdaten& q)
{
    const auto g = querschnittsgeometrie(q);
    if (!g)
        return std::nullopt;
    return tarvello::geometrie::sectionMoments(*g).area;
}

bool gehoertZu(const Ergebnisse& r, const Querschnittsdaten& q)
{
    const auto A = querschnittsflaeche(q);
    // A record the program cannot build itself has nothing to compare with: the engine's word counts.
    return !A || std::fabs(r.A - *A) <= 1e-6 * std::fabs(*A);
}

QString spannungstext(double wert)
{
    double v = wert * 1000.0;
    int exponent = 0;
    if (v != 0.0 && std::isfinite(v)) {
        exponent = int(std::floor(std::log10(std::fabs(v))));
        v /= std::pow(10.0, exponent);
        if (std::fabs(std::round(v * 1e6) / 1e6) >= 10.0) {
            v /= 10.0;
            ++exponent;
        }
    }
    QLocale ort;
    ort.setNumberOptions(QLocale::OmitGroupSeparator);
    QString mantisse = ort.toString(v, 'f', 6);
    if (mantisse.startsWith(ort.negativeSign()) && std::round(v * 1e6) == 0.0)
        mantisse.remove(0, ort.negativeSign().size());
    return mantisse + QStringLiteral("e") + (exponent < 0 ? u'-' : u'+') + QString::number(std::abs(exponent));
}

QString rechenkerngrund(const QString& kennung, const QString& sprache)
{
    const QString englisch = QStringLiteral(" / Error: ");
    const int teilung = kennung.indexOf(englisch);
    if (teilung < 0)
        return kennung.trimmed();
    if (sprache == u"D")
        return kennung.left(teilung).remove(QRegularExpression(QStringLiteral("^\\s*Fehler:\\s*"))).trimmed();
    return kennung.mid(teilung + englisch.size()).trimmed();
}
