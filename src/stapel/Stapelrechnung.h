#pragma once
// Sections computed in a batch, without a window: each file read and checked
// as the window opens it, computed by the engine in a working folder of its
// own, its pages (result page, check pages, appendix) printed into one PDF,
// and a CSV line of its section values and the governing utilisation of each
// check. Files run side by side over the machine's cores; one that fails says
// why and the others still run.

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

struct Stapelauftrag {
    QStringList dateien;         // section files (.tqs)
    QString pdfOrdner;           // where each file's PDF goes, named after it
    QString csvDatei;            // one line per section; none when empty
    QString sprache = QStringLiteral("E"); // of the pages and the reasons, "D" or "E"
    int gleichzeitig = 0;        // files at once; 0: one per core
};

// Where the suite lies: its program folder's parent and its texts; and the batch's own texts
// (the launcher's language file: 34 to 37 a file refused, 38 no working folder, 39 a PDF not written).
struct Stapelumgebung {
    QString pathbasis;
    QString pathtext;
    std::function<QString(int)> text;
};

struct Stapelergebnis {
    QString datei;
    bool ok = false;
    QString grund;    // why not, as the window would tell it
    QString pdf;      // the PDF written
    QString csvZeile; // without line end
};

// Called as each file ends, in the order they end, one call at a time.
using Stapelfortschritt = std::function<void(const Stapelergebnis& e, int fertig, int gesamt)>;

// Every file of the order, in the order given; the CSV (header and a line per section computed)
// is written at the end. `csvFehler` tells why the CSV could not be written.
std::vector<Stapelergebnis> rechneStapel(const Stapelauftrag& auftrag, const Stapelumgebung& umgebung,
                                         const Stapelfortschritt& fortschritt, QString& csvFehler);

// The CSV's header: file, form, the section values, each check's governing η, the verdict.
QString csvKopf();
