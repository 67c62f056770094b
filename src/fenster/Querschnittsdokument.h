#pragma once
// The section as a document of its own: the file it belongs to, what that file
// holds (so that a change is known), and the ways in and out: saved under a
// name the engineer picks, opened from a file, and the editor's last section
// kept over the end of the program and brought back at the next start. The
// main window owns one and lends it what only the window has.

#include "kern/Querschnittsdaten.h"

#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>

class QWidget;

class Querschnittsdokument {
public:
    // What the document asks of the window.
    struct Fenster {
        std::function<Querschnittsdaten()> querschnitt;          // the section as the window shows it
        std::function<void(const Querschnittsdaten&)> zeige;     // puts a section into the window
        std::function<Beschriftungen()> beschriftungen;          // the fields' captions, for messages
        std::function<bool(const Querschnittsdaten&)> inDerListe; // the form stands in the window's list
        std::function<QString(int)> message, printtext;
        std::function<qint16(const QString&, qint16)> frage;     // yes/no/cancel: 6 yes, 7 no, 2 cancel
        QWidget* eltern = nullptr;                               // of the file dialogs
    };

    // `ordner`: the editor's folder, where the last section is kept; `ablage`: where the dialogs
    // start before a file is chosen (made when first needed; the editor's folder where it cannot be).
    Querschnittsdokument(QString ordner, QString ablage, Fenster fenster);

    // Saved under a name the user picks; false when cancelled or not written (told why).
    bool speichere();
    // Asks for a file and opens it, offering to save unsaved changes first.
    void oeffne();
    // Opens that file; false, after telling why, when it gives no section (the window stays).
    bool oeffneDatei(const QString& pfad);
    // Whether the window's section may be replaced: unchanged, or the user saved it or let it go.
    bool fragtVorDemErsetzen();
    // Whether the window's section differs from the file it was last saved to or opened from.
    bool istGeaendert() const;
    // That file, "" before the first save.
    const QString& datei() const { return m_datei; }
    // The filter of the file dialogs.
    QString dateifilter() const;

    // The editor's last section and the file it belongs to, kept when the window closes and
    // brought back at the start; a kept section that cannot be read is set aside and named.
    void merkeZuletzt();
    void stelleZuletztWiederHer();

private:
    // A section file as the window takes it, or the message that tells why not.
    struct Geoeffnet {
        std::optional<Querschnittsdaten> querschnitt;
        QString ablehnung;
    };
    Geoeffnet leseGeprueft(const QString& pfad) const;
    void legeZuletztBeiseite(const QString& grund);
    QString zuletztDatei() const;
    QString zuletztPfad() const;
    void zeige(const QString& text) const;

    QString dialogordner() const;

    QString m_ordner;
    QString m_ablage;
    Fenster m_fenster;
    QString m_datei;
    QByteArray m_gespeichert;           // the section as last saved or opened, as its file holds it
    bool m_zuletztUnberuehrt = false;   // the kept section could neither be read nor set aside
    QByteArray m_zuletztGeschrieben;    // the kept section and its file's path as last written
};
