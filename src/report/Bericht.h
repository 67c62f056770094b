#pragma once
// A report page on the preview or the printer: started, drawn on in
// millimetres, given its footer and ended. The same page code serves both
// targets, so what the engineer prints is what the preview showed.

#include "drawing/Zeichenflaeche.h"

#include <QImage>
#include <QPainter>
#include <QDateTime>
#include <functional>
#include <QString>
#include <memory>

// What the footer reads from the window that asks for the report.
struct Berichtszaehler {
    QString projektname;
    qint16 seitenzahl = 0;
    qint16 seitenzaehler = 0;
};

// Where printed pages go: the system's default printer, or a PDF file when
// the machine has none. One print command may put several pages into it.
class Druckauftrag {
public:
    virtual ~Druckauftrag() = default;
    // A painter on the next page: a new job on a printer, a new page in a PDF.
    virtual QPainter* beginneSeite() = 0;
    // The page is drawn; a printer prints it now.
    virtual void beendeSeite() = 0;
    // Where the pages went, for the user ("" for a printer).
    virtual QString datei() const { return QString(); }
    // Ends the job; false with the reason when its file could not be written.
    virtual bool beende(QString& grund)
    {
        Q_UNUSED(grund);
        return true;
    }
};

// The file name of a printed report: the word for a section in the user's
// language, the section's name and the time, without a character a file name
// cannot carry.
QString pdfname(const QString& wort, const QString& name, const QDateTime& zeit);

// The system's default printer, or nullptr when there is none.
std::unique_ptr<Druckauftrag> druckerauftrag();
// Where the print command finds its printer: druckerauftrag, or in tests a
// function of their own, so that no test depends on the machine's printers.
using Druckersuche = std::function<std::unique_ptr<Druckauftrag>()>;
Druckersuche& druckersuche();
// A PDF file that collects every page of one print command.
std::unique_ptr<Druckauftrag> pdfauftrag(const QString& pfad);

constexpr double kMaxSeitenlaenge = 295;
constexpr double kFusszeileOben = 270;
inline const QString kProgrammversion = QStringLiteral("7.1.3");

class Bericht {
public:
    // Starts a page: on the preview a cleared page image, on the printer the next page of the job.
    void beginneBericht(double seitenlaenge, bool testansicht, Druckauftrag* auftrag = nullptr);
    Zeichenflaeche& flaeche() { return *m_flaeche; }
    double seitenlaenge() const { return m_seitenlaenge; }

    void druckeFusszeile(Berichtszaehler& zaehler);
    // Ends the page (with its footer when anything was drawn below 10 mm); returns the
    // page as an image for the preview, a null image for the printer.
    QImage beendeBericht(Berichtszaehler& zaehler);

private:
    bool m_testansicht = true;
    double m_seitenlaenge = kMaxSeitenlaenge;
    QImage m_seite;
    Druckauftrag* m_auftrag = nullptr;
    std::unique_ptr<QPainter> m_vorschaupainter;
    QPainter* m_painter = nullptr;
    std::unique_ptr<Zeichenflaeche> m_flaeche;
};

// Shortens a text from its end until it is no wider than the width in the surface's current font.
void kuerzeText(QString& text, double breite, const Zeichenflaeche& flaeche);

// Page image size of the preview: A4 at screen resolution.
QImage neueVorschauseite();
