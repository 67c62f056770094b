#pragma once
// The program's main window. It owns the state every part of the program
// shares: the suite's directories and settings, the language texts, the
// report counters and the dialog variables. The input side, the result page
// and the preview are wired in here but live in their own subsystems.

#include "Meldungen.h"
#include "Sprachdateien.h"
#include "section/Eingabeseite.h"

#include <QImage>
#include <QWidget>
#include <array>

class QPushButton;

class Hauptform : public QWidget {
    Q_OBJECT
public:
    explicit Hauptform(QWidget* parent = nullptr);

    // Start-up as far as showing the window: directories, hand-off, language
    // texts. Returns false when the program must end (no hand-off, no usable
    // editor folder); the user has then been told why.
    bool starte(const QString& arbeitsverzeichnis);

    // Widens the window and its groups on a wide screen (width in twips).
    void passeAnBildschirmAn(int bildschirmbreiteTwips);

    // The yes/no question in the program's own dialog; returns 6 (yes) or 7 (no).
    qint16 emsgbox(const QString& frage, qint16 tastencode);
    QString holeMessage(int n) const;
    void zeigeMessage(int n) const;
    void zeigeMessageMitText(int n, const QString& text) const;
    QString holePrinttext(int n) const { return m_Printtexte.holePrinttext(n); }

    // The return button: hand-off for the suite's main program, start it, end.
    void kehreZurueck();

    // The result button: transfer file, engine run and, when it finished, its results.
    // Returns the number of the result file read (1 or 3), 0 when the road ended early.
    int berechne();

    // Directories and settings.
    QString pathbasis, path0, pathtext, pathben, TMPPATH;
    QString Bearbeiter = QStringLiteral("BEARBEITER");
    QString Oberflächensprache = QStringLiteral("D");
    QString Printersprache;
    QString Messagedatei;
    QWidget* rufform = nullptr;
    qint16 testansicht = -1;
    qint16 Rückkehrmodus = -1;
    int Breitbild = 0;
    qint16 seitenzahl = 0;
    qint16 seitenzähler = 0;
    Dialogvariablen dialog;

    // The input side: family, form, dimensions, rail, stiffeners, sketch.
    Eingabeseite* eingabe = nullptr;
    std::array<QPushButton*, 10> tastenreihe{};

protected:
    void closeEvent(QCloseEvent* ereignis) override;

private:
    void baueOberflaeche();

    Printtexte m_Printtexte;
};
