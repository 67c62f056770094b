#include "Feldleser.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

namespace {

// The bytes 0x80..0x9F of Windows-1252; the rest coincides with Latin-1.
// Undefined positions decode to the replacement character.
constexpr char16_t cp1252Oben[32] = {
    0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD,
    0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178,
};

QString ausWindows1252(const QByteArray& bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        text.append(b >= 0x80 && b <= 0x9F ? QChar(cp1252Oben[b - 0x80]) : QChar(b));
    }
    return text;
}

bool istZeilenende(QChar c) { return c == u'\r' || c == u'\n'; }
bool istLeer(QChar c) { return c == u' ' || c == u'\t'; }

} // namespace

QString dekodiereText(const QByteArray& bytes)
{
    QByteArray ohneBom = bytes;
    if (ohneBom.startsWith("\xEF\xBB\xBF"))
        ohneBom.remove(0, 3);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(ohneBom);
    if (!utf8.hasError())
        return text;
    return ausWindows1252(bytes);
}

std::optional<QByteArray> leseDateibytes(const QString& pfad, qint64 grenze)
{
    // The kind and size from the directory entry (a link's target), without opening it.
    const QFileInfo art(pfad);
    if (!art.isFile() || art.size() > grenze)
        return std::nullopt;
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly))
        return std::nullopt;
    // One byte more than allowed tells a file that grew since.
    QByteArray inhalt = datei.read(grenze + 1);
    if (inhalt.size() > grenze || datei.error() != QFileDevice::NoError)
        return std::nullopt;
    return inhalt;
}

std::optional<QString> leseTextdatei(const QString& pfad)
{
    const auto inhalt = leseDateibytes(pfad);
    if (!inhalt)
        return std::nullopt;
    return dekodiereText(*inhalt);
}

Feldleser::Feldleser(QString text) : m_text(std::move(text)) {}

void Feldleser::ueberspringeLeerraum()
{
    while (m_pos < m_text.size() && (istLeer(m_text[m_pos]) || istZeilenende(m_text[m_pos])))
        ++m_pos;
}

bool Feldleser::amEnde() const
{
    for (int i = m_pos; i < m_text.size(); ++i)
        if (!istLeer(m_text[i]) && !istZeilenende(m_text[i]) && m_text[i] != QChar(0x1A))
            return false;
    return true;
}

std::optional<QString> Feldleser::naechstesFeld()
{
    if (amEnde())
        return std::nullopt;
    // Blank lines separate nothing: a field starts at the next non-blank character.
    ueberspringeLeerraum();

    QString feld;
    const int n = m_text.size();
    if (m_text[m_pos] == u'"') {
        ++m_pos;
        while (m_pos < n && m_text[m_pos] != u'"' && !istZeilenende(m_text[m_pos]))
            feld.append(m_text[m_pos++]);
        if (m_pos < n && m_text[m_pos] == u'"')
            ++m_pos;
        else
            m_sauber = false;
        // Anything between the closing quote and the separator is dropped.
        for (; m_pos < n && m_text[m_pos] != u',' && !istZeilenende(m_text[m_pos]); ++m_pos)
            m_sauber = m_sauber && istLeer(m_text[m_pos]);
    } else {
        while (m_pos < n && m_text[m_pos] != u',' && !istZeilenende(m_text[m_pos]))
            feld.append(m_text[m_pos++]);
        while (!feld.isEmpty() && istLeer(feld.back()))
            feld.chop(1);
    }

    // The separator: a comma (with the line end right after it, if any) or one line end.
    if (m_pos < n && m_text[m_pos] == u',') {
        ++m_pos;
        int p = m_pos;
        while (p < n && istLeer(m_text[p]))
            ++p;
        if (p < n && istZeilenende(m_text[p])) {
            m_pos = p;
            if (m_text[m_pos] == u'\r' && m_pos + 1 < n && m_text[m_pos + 1] == u'\n')
                ++m_pos;
            ++m_pos;
        }
    } else if (m_pos < n) {
        if (m_text[m_pos] == u'\r' && m_pos + 1 < n && m_text[m_pos + 1] == u'\n')
            ++m_pos;
        ++m_pos;
    }
    return feld;
}

QStringList alleFelder(const QString& text)
{
    QStringList felder;
    Feldleser leser(text);
    while (auto feld = leser.naechstesFeld())
        felder.append(*feld);
    return felder;
}

std::optional<qint16> alsGanzzahl16(const QString& feld)
{
    bool ok = false;
    const int wert = feld.trimmed().toInt(&ok);
    if (!ok || wert < -32768 || wert > 32767)
        return std::nullopt;
    return static_cast<qint16>(wert);
}
