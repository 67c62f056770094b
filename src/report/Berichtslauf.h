#pragma once
// One section computed and its report laid out, without a window: the engine's
// run for the section as typed, the result page, the design check with its own
// run (the rail worn), the appendix. What a window would tell comes back as
// texts in their order; the window shows them and previews the pages, the batch
// command writes them to stderr and prints the pages.

#include "engine/Berechnung.h"
#include "report/Bericht.h"
#include "nachweis/Nachweis.h"
#include "report/Ergebnisseite.h"

#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

using Berichtsseite = std::function<void(Zeichenflaeche&)>;

struct Berichtstexte {
    Printtext printtext;   // the print texts of the pages' language
    QString sprache;       // the pages' language, "D" or "E"
    std::function<QStringList(int form)> formnamenZu; // the form list's entries naming a form
};

struct Berichtslauf {
    bool gerechnet = false; // the section's values are there and its result page with them
    QStringList meldungen;  // what the user is told, in order; a run that stops says why last
    Ergebnisse werte;       // of the section as typed
    int modus = 0;          // the engine's form of a rolled profile (102, 103, 110); 0 welded
    std::optional<Nachweisdaten> nachweis; // where design values or member data are given and the check could be made
    std::vector<Berichtsseite> seiten;
    QString druckname; // the form's or profile's name: the footer's and the printed file's
};

Berichtslauf rechneBericht(const Querschnittsdaten& q, const Beschriftungen& b, const Berechnungsumgebung& u,
                           const Berichtstexte& t);

// The pages laid out in order, on the preview (`auftrag` nullptr: an image each, into `bilder`) or
// into a print job; the footer numbers them when there are several. A page whose drawing failed
// stands without it; a fault while a page is laid out (a printer that fails, say) ends the report.
enum class Seitenstand { Heil, OhneZeichnung, Abgebrochen };
Seitenstand legeSeitenAn(const std::vector<Berichtsseite>& seiten, Berichtszaehler& zaehler, bool testansicht,
                         Druckauftrag* auftrag, std::vector<QImage>& bilder);
