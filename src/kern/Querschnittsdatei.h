#pragma once
// A section saved as a file of its own, to be opened again later: the record
// as the chosen form shows it, with the design values.
//
// The file is text in the program's field format (UTF-8, every line ended
// with CR LF, a field in double quotes may hold a comma). Its first line names
// the kind of file and the version of its layout; every further line is one
// entry, a name and a value:
//
//   "Tarvello-Querschnitt",2
//   "familie",1
//   "Querschnittsnummer",12
//   "schieneMittragend",0
//   "HschieneCheck",0
//   "HUGCheck",0
//   "obergurtbreite","500"
//   ...
//   "ASchiene","A55"
//   "steifen1.lage","70"
//   ...
//   "bemessung.stahlsorte","S355"
//   ...
//   "bemessung.befestigung","Starr"
//   ...
//   "Ende",54
//
// The names are the record's own, a nested value named through its part
// ("zelle2.BO3", "stegprofil.H", "bemessung.radlast"), the stiffener rows
// counted 1 to 5 as St1 to St5 are. Texts are written as typed, in quotes;
// family and form number as whole numbers, check boxes as 0 or 1, the rail
// fixing by its name (Starr, NichtStarr, AufLager).
//
// The last line counts the entries before it, so that a file cut at a line's
// end is told from a whole one; layout 1 had no such line and still reads.
// A name given twice is refused. Every value of a field passes the rule the
// field applies to typing, or the file is refused and names the value.
//
// A text left empty is left out where a fresh record has it empty too; a
// missing entry reads as a fresh record holds it. A reader skips names it does
// not know, so a later program may add entries without a new version; the
// version goes up only when an entry changes its meaning, and a file of a
// higher version is refused rather than misread.

#include "Querschnittsdaten.h"

#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>

inline const QString kQuerschnittsendung = QStringLiteral(".tqs");
inline const QString kQuerschnittskennung = QStringLiteral("Tarvello-Querschnitt");
constexpr int kQuerschnittsfassung = 2; // the layout this program writes and the newest it reads

// Why a file gives no section.
enum class Dateiablehnung {
    Keine,
    Beschaedigt,   // no section file, a line that is no entry, a name twice, no end line or
                   // no family or form number
    NeuereFassung, // written by a later program in a layout this one does not know
    NichtAngeboten,   // a family and form the program does not offer
    UnzulaessigerWert // a value its field would not take when typed
};

// The message that tells a refusal (none for Keine).
int ablehnungsmeldung(Dateiablehnung ablehnung);

struct Querschnittsdatei {
    std::optional<Querschnittsdaten> querschnitt; // only when the file was read
    Dateiablehnung ablehnung = Dateiablehnung::Keine;
    QString eintrag; // UnzulaessigerWert: the entry's name in the file
    int meldung = 0; // and the message its field would have given
};

// The file of a section: the record as its form shows it (nurGezeigtes), and
// its design values. A double quote or line break a text cannot carry in the
// field format becomes a single quote or a blank.
QByteArray schreibeQuerschnittsdatei(const Querschnittsdaten& q);

// The section of a file, as its form shows it; or why there is none.
Querschnittsdatei leseQuerschnittsdatei(const QByteArray& inhalt);

// A section file is a few kilobytes: a megabyte is far beyond any.
constexpr qint64 kGroessteQuerschnittsdatei = 1 << 20;
// The section file at `pfad` as the program opens it: read within that bound (a file that cannot
// be read counts as damaged), checked like typed input, and refused as not offered where
// `angeboten` does not take its form.
Querschnittsdatei oeffneQuerschnittsdatei(const QString& pfad,
                                          const std::function<bool(const Querschnittsdaten&)>& angeboten);

// The caption of the field that holds an entry of the file, the entry's name where no field does.
QString eintragsbeschriftung(const Beschriftungen& b, const QString& eintrag);
