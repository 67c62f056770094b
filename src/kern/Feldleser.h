#pragma once
// Reader of the suite's sequential field format: fields separated by commas
// or line ends, a field optionally in double quotes (only then may it hold a
// comma), leading blanks skipped. Every text file the program reads goes
// through here, so all of them share one notion of a field.

#include <QString>
#include <QStringList>
#include <optional>

// Every file the program reads is a regular file of at most this many bytes
// (the largest, an engine's stress mesh, stays well below it).
constexpr qint64 kGroessteDatei = 64 << 20;

// The bytes of a regular file of at most `grenze` bytes; nullopt for anything
// else. A FIFO, a device or a folder is refused before it is opened, so that
// reading never blocks or runs without end.
std::optional<QByteArray> leseDateibytes(const QString& pfad, qint64 grenze = kGroessteDatei);

// Reads a whole file as text: UTF-8 when it is valid UTF-8, otherwise
// Windows-1252, so files written on the older platform still read correctly.
// Returns nullopt when the file cannot be read (leseDateibytes).
std::optional<QString> leseTextdatei(const QString& pfad);

// Decodes bytes the same way as leseTextdatei.
QString dekodiereText(const QByteArray& bytes);

class Feldleser {
public:
    explicit Feldleser(QString text);

    // Whether another field follows (blank lines and trailing blanks do not count).
    bool amEnde() const;
    // The next field, or nullopt at the end of the text.
    std::optional<QString> naechstesFeld();
    // Whether every field so far was well formed: a quote closed on its line and
    // nothing but blanks between it and the separator. The lenient reading goes on
    // either way; a strict reader refuses what is not.
    bool sauber() const { return m_sauber; }

private:
    void ueberspringeLeerraum();

    QString m_text;
    int m_pos = 0;
    bool m_sauber = true;
};

// All fields of a text, in order.
QStringList alleFelder(const QString& text);

// Reads a 16-bit integer field the way the program's records expect it;
// nullopt when the field is not a whole number in range.
std::optional<qint16> alsGanzzahl16(const QString& feld);
