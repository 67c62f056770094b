#include "Ergebnisdatei.h"

#include <QRegularExpression>

#include "app/Feldleser.h"

#include <QLocale>
#include <cmath>
#include <cstdlib>

namespace {

// Numbers of the result file always use "."; anything else makes the file unreadable.
std::optional<float> zahlfeld(Feldleser& leser)
{
    const auto feld = leser.naechstesFeld();
    if (!feld)
        return std::nullopt;
    const QByteArray bytes = feld->trimmed().toLatin1();
    if (bytes.isEmpty())
        return std::nullopt;
    char* ende = nullptr;
    const float wert = std::strtof(bytes.constData(), &ende);
    if (ende != bytes.constData() + bytes.size() || !std::isfinite(wert))
        return std::nullopt;
    return wert;
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
    r.x = kennung->trimmed().toFloat(&ok);
    if (!ok || !leser.naechstesFeld()) {
        l.fehler = Ergebnisfehler::Unvollstaendig;
        return l;
    }
    std::array<float*, 9> werte{&r.A, &r.AY, &r.AZ, &r.IT, &r.IY, &r.IZ, &r.YS, &r.ZS, &r.Winkel};
    for (float* w : werte) {
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
    for (int i = 0; i < 5; ++i) {
        const auto k = zahlfeld(leser);
        if (!k) {
            l.fehler = Ergebnisfehler::Unvollstaendig;
            return l;
        }
        // Only the numbers 1 to 5 name a stiffener; anything else, however large, names none.
        if (*k >= 0.5f && *k < 5.5f)
            r.steifen[size_t(std::lround(*k) - 1)] = true;
    }
    // Rows until the end; an incomplete last row and rows beyond the last point are left out.
    while (int(r.punkte.size()) < kMaxPunkte && !leser.amEnde()) {
        Spannungspunkt p;
        bool vollstaendig = true;
        for (int k = 0; k < 7 && vollstaendig; ++k) {
            const auto z = zahlfeld(leser);
            if (!z)
                vollstaendig = false;
            else if (k < 6)
                p.spannung[size_t(k)] = *z;
            else
                p.dicke = *z;
        }
        if (!vollstaendig)
            break;
        r.punkte.push_back(p);
    }
    return l;
}

QString spannungstext(float wert)
{
    double v = double(wert) * 1000.0;
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
