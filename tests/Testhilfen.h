#pragma once
// What the tests share: a recorder in place of the message boxes, and a
// throw-away suite folder laid out as the installation lays it out.

#include "app/Meldungen.h"

#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <vector>

struct Gezeigte {
    QString text;
    Meldungssymbol symbol;
};

class Meldungsrekorder final : public Meldungsanzeige {
public:
    Meldungsrekorder() { setzeMeldungsanzeige(this); }
    ~Meldungsrekorder() override { setzeMeldungsanzeige(nullptr); }

    void zeige(const QString& text, Meldungssymbol symbol) override { gezeigt.push_back({text, symbol}); }
    void frage(QWidget*, Dialogvariablen& variablen) override
    {
        fragen.append(variablen.fragetext);
        fokus.append(variablen.focustaste);
        variablen.iantwort = antwort;
    }

    QStringList texte() const
    {
        QStringList t;
        for (const auto& g : gezeigt)
            t.append(g.text);
        return t;
    }

    std::vector<Gezeigte> gezeigt;
    QStringList fragen;
    QList<int> fokus;
    qint16 antwort = 6;
};

// Writes bytes to a file, creating its folder.
inline void schreibeDatei(const QString& pfad, const QByteArray& inhalt)
{
    QDir().mkpath(QFileInfo(pfad).absolutePath());
    QFile datei(pfad);
    datei.open(QIODevice::WriteOnly | QIODevice::Truncate);
    datei.write(inhalt);
}

inline QByteArray leseDatei(const QString& pfad)
{
    QFile datei(pfad);
    return datei.open(QIODevice::ReadOnly) ? datei.readAll() : QByteArray();
}

// A throw-away folder in which a test writes the files it reads.
struct Testordner {
    QTemporaryDir ordner;
    QString datei(const QString& name, const QByteArray& inhalt)
    {
        const QString pfad = ordner.filePath(name);
        schreibeDatei(pfad, inhalt);
        return pfad;
    }
    QString pfad(const QString& name) const { return ordner.filePath(name); }
};

// A suite folder with exefiles/ and Daten/TEXTE/ holding the repository's language files.
struct Testsuite {
    QTemporaryDir wurzel;
    QString exefiles() const { return wurzel.path() + QStringLiteral("/exefiles"); }
    QString daten() const { return wurzel.path() + QStringLiteral("/Daten"); }
    QString texte() const { return daten() + QStringLiteral("/TEXTE"); }

    Testsuite()
    {
        QDir().mkpath(exefiles());
        QDir().mkpath(texte());
        const QDir quelle(qEnvironmentVariable("TARVELLO_DATEN"));
        for (const QString& name : quelle.entryList(QDir::Files))
            QFile::copy(quelle.filePath(name), texte() + u'/' + name);
    }
    void übergabe(const QByteArray& inhalt) const { schreibeDatei(daten() + QStringLiteral("/inifile2"), inhalt); }
};
