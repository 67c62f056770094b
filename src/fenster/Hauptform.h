#pragma once
// The program's main window. It owns the state every part of the program
// shares: the suite's directories and settings, the language texts, the
// report counters and the dialog variables. The input side, the result page
// and the preview are wired in here but live in their own subsystems.

#include "app/Meldungen.h"
#include "app/Sprachdateien.h"
#include "engine/Berechnung.h"
#include "engine/Ergebnisdatei.h"
#include "report/Bericht.h"
#include "report/Berichtslauf.h"
#include "Querschnittsdokument.h"
#include "section/Eingabeseite.h"

#include <QImage>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>

class Form5;
struct Berechnungsumgebung;
class QLockFile;
class QPushButton;

class Hauptform : public QWidget {
    Q_OBJECT
public:
    explicit Hauptform(QWidget* parent = nullptr);
    ~Hauptform() override;

    // Start-up as far as showing the window: directories, hand-off, language
    // texts. Returns false when the program must end (no hand-off, no usable
    // editor folder); the user has then been told why.
    bool starte(const QString& arbeitsverzeichnis);

    // Widens the window and its groups on a wide screen (width in twips).
    void passeAnBildschirmAn(int bildschirmbreiteTwips);

    // The yes/no question in the program's own dialog; returns 6 (yes) or 7 (no).
    // The yes/no question (6 yes, 7 no), with Cancel (2) where asked for.
    qint16 emsgbox(const QString& frage, qint16 tastencode, bool mitAbbrechen = false);
    QString holeMessage(int n) const;
    void zeigeMessage(int n) const;
    // Shows a run's messages in their order; whether its result may be read.
    bool zeigeAusgang(const Rechenausgang& a) const;
    void zeigeMessageMitText(int n, const QString& text) const;
    QString holePrinttext(int n) const { return m_Printtexte.holePrinttext(n); }

    // The return button: hand-off for the suite's main program, start it, end.
    void kehreZurueck();

    // The section as the window shows it, with its design values.
    Querschnittsdaten querschnitt() const;
    // The section's file, from the start on (the editor's folder is known then).
    std::unique_ptr<Querschnittsdokument> dokument;
    QPushButton* speichertaste = nullptr;
    QPushButton* oeffnetaste = nullptr;

    // The design button: the design values in their dialog.
    void oeffneBemessung();
    QPushButton* nachweistaste = nullptr;

    // The result button: the calculation road of the welded families or of the rolled profiles.
    void traegerergebnis();
    // Computes the section in the window, lays out its pages and shows them (told why not).
    bool zeigeBericht();
    // The preview's print command: the last result page on the printer, once per copy.
    void druckertaste();
    // Where the last print went when the machine had no printer ("" otherwise).
    QString letzteDruckdatei;

    Form5* form5 = nullptr;
    Berichtszaehler bericht;
    qint16 anzahldrucke1 = 0;
    qint16 drucktastenwert = 0;
    // The last results: centroid, shear centre and principal angle.
    double ys = 0, zs = 0, ysmp = 0, zsmp = 0, apsi = 0;

    // Directories and settings.
    QString pathbasis, path0, pathtext, pathben, TMPPATH;
    QString ablage; // where sections and PDFs go by default
    QString Bearbeiter = QStringLiteral("BEARBEITER");
    QString Oberflaechensprache = QStringLiteral("D");
    QString Printersprache;
    QString Messagedatei;
    QWidget* rufform = nullptr;
    qint16 testansicht = -1;
    qint16 Rueckkehrmodus = -1;
    int Breitbild = 0;
    Dialogvariablen dialog;

    // The input side: family, form, dimensions, rail, stiffeners, sketch.
    Eingabeseite* eingabe = nullptr;
    std::array<QPushButton*, 10> tastenreihe{};

protected:
    void closeEvent(QCloseEvent* ereignis) override;
    bool event(QEvent* ereignis) override;
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    void baueOberflaeche();
    // Lays out the report's pages on the preview or the printer and shows them;
    // false after a page that could not be laid out (message 73) or when the preview
    // cannot store them; a drawing left out is told once (message 72).
    bool zeigeSeiten();

    Berechnungsumgebung umgebung() const;

    // Takes the editor folder for this window; false (after telling the user) when
    // another window has it or it cannot be written.
    bool sperreOrdner();

    Druckauftrag* m_druckauftrag = nullptr;
    std::unique_ptr<QLockFile> m_sperre;
    // The pages last shown, as they are laid out again for the printer, and the section's name.
    std::vector<Berichtsseite> m_letzteSeiten;
    QString m_druckname;


    Printtexte m_Printtexte;
};
