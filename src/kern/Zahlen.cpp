#include "Zahlen.h"

#include <cmath>

#include <QLocale>
#include <QRegularExpression>
#include <cstdlib>

namespace {

QChar g_trennzeichen = u'.';

// Sign, digits with at most one separator, optional exponent, surrounding blanks.
bool istZahlMitTrenner(const QString& text, const QString& trenner)
{
    const QString t = QRegularExpression::escape(trenner);
    const QRegularExpression muster(QStringLiteral("^\\s*[+-]?(\\d+(%1\\d*)?|%1\\d+)([eE][+-]?\\d+)?\\s*$").arg(t));
    return muster.match(text).hasMatch();
}

} // namespace

QChar bestimmeDezimaltrennzeichen()
{
    g_trennzeichen = QLocale().toString(100.0, 'f', 1).contains(u'.') ? QChar(u'.') : QChar(u',');
    return g_trennzeichen;
}

QChar Dezimaltrennzeichen() { return g_trennzeichen; }
void setzeDezimaltrennzeichen(QChar zeichen) { g_trennzeichen = zeichen; }

bool istZahl(const QString& text)
{
    if (text.isEmpty())
        return true;
    if (text == u"+" || text == u"-")
        return true;
    if (text.endsWith(u'+') || text.endsWith(u'-'))
        return false;
    QString t = text;
    if (g_trennzeichen == u',')
        t.replace(u'.', u',');
    return istZahlMitTrenner(t, QString(g_trennzeichen));
}

bool istFeldzahl(QString& text)
{
    text.replace(u',', u'.');
    return text.count(u'.') < 2 && istZahl(text);
}

bool ohneWert(const QString& text)
{
    const QString t = text.trimmed();
    return t.isEmpty() || t == u"+" || t == u"-";
}

float zahl(const QString& text)
{
    QString t = text;
    if (!istZahlMitTrenner(t, QStringLiteral(".")) && !istZahlMitTrenner(t, QString(g_trennzeichen)))
        t = QStringLiteral("0");
    t.remove(u' ');
    t = t.trimmed();
    t.replace(u',', u'.');
    const QByteArray bytes = t.toLatin1();
    return std::strtof(bytes.constData(), nullptr);
}

QString punkttext(const QString& text)
{
    if (text.isEmpty())
        return QStringLiteral("0");
    QString t = text;
    return t.replace(u',', u'.');
}

QString formatiereZahl(double wert, int muster)
{
    struct Muster {
        bool gruppiert;
        int nachkommastellen;
    };
    static constexpr Muster muster_[5] = {{true, 1}, {true, 3}, {false, 3}, {true, 1}, {false, 2}};
    if (muster < 0 || muster > 4)
        return QString();
    QLocale ort;
    ort.setNumberOptions(muster_[muster].gruppiert ? QLocale::NumberOptions() : QLocale::OmitGroupSeparator);
    QString text = ort.toString(wert, 'f', muster_[muster].nachkommastellen);
    // A value that rounds to zero is shown without a sign.
    if (text.startsWith(ort.negativeSign()) && ort.toDouble(text) == 0.0)
        text.remove(0, ort.negativeSign().size());
    return text;
}

QString textMit7Stellen(float wert)
{
    QString text = QString::number(double(wert), 'g', 7);
    return text.replace(u',', u'.');
}

std::optional<double> wertOderNull(const QString& text)
{
    QString t = text.trimmed();
    if (t.isEmpty())
        return 0.0;
    if (ohneWert(t) || !istFeldzahl(t))
        return std::nullopt;
    const double v = zahl(t);
    return std::isfinite(v) ? std::optional<double>(v) : std::nullopt;
}
