#pragma once
// Where the suite lives and who works with it: the installation and data
// directories, the settings file "inifile", the hand-off file "inifile2"
// that the suite's main program leaves for each start, and the editor's
// own folder. Shared by the program and by TarvelloMain.

#include <QLocale>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

struct Uebergabedaten {
    QString Bearbeiter = QStringLiteral("BEARBEITER");
    QString Oberflaechensprache = QStringLiteral("D");
    QString Datei; // a section file to open at the start (an absolute path); none when empty
};

// Joins a folder and a name with the platform's separator handling of Qt.
QString verbinde(const QString& ordner, const QString& name);

// The installation directory: the absolute form of ".." seen from the given working directory.
QString bestimmePathbasis(const QString& arbeitsverzeichnis);

// The folders the suite works in, as the settings file exefiles/inifile names them.
// Its first field is the data directory (editor folders and the hand-off file):
// empty or missing means pathbasis/Daten, kBenutzerdaten the user's own data
// directory. Its second field is the folder of the language files and tables,
// which are only ever read: empty or missing means TEXTE in the data directory.
// A relative path counts from pathbasis, so an installation can be moved whole.
struct Datenordner {
    QString path0;
    QString pathtext;
    // path0 is the user's own folder: made when first needed, unlike one the settings name.
    bool benutzereigen = false;
};
inline const QString kBenutzerdaten = QStringLiteral("<Benutzerdaten>");
Datenordner bestimmeDatenordner(const QString& pathbasis, const QString& benutzerdaten);
// The user's own data directory of the suite: "tarvello" in $XDG_DATA_HOME or ~/.local/share;
// empty where neither is an absolute path (a relative $XDG_DATA_HOME does not count).
QString benutzerdatenordner();
QString benutzerdatenordnerAus(const QString& xdgDataHome, const QString& home);
// The data directory and the texts folder of bestimmeDatenordner for this user.
QString bestimmePath0(const QString& pathbasis);
QString bestimmePathtext(const QString& pathbasis);

QString inifile2Pfad(const QString& path0);
// Reads the hand-off file without deleting it; nullopt when there is none.
std::optional<Uebergabedaten> leseInifile2(const QString& path0);
// Reads the hand-off file and deletes it, so each start needs a new hand-off.
std::optional<Uebergabedaten> uebernehmeInifile2(const QString& path0);
// Writes the hand-off file: two lines, each field in double quotes, CR LF; a third for a file to open.
bool schreibeInifile2(const QString& path0, const Uebergabedaten& daten);

// The launcher's memory of the last start, editor and language, in the data directory beside the
// hand-off (which the cross-section program takes away); the same format without a file.
inline const QString kLetzterStart = QStringLiteral("TarvelloMain.zuletzt");
std::optional<Uebergabedaten> leseLetztenStart(const QString& path0);
bool merkeLetztenStart(const QString& path0, const Uebergabedaten& daten);

// The language the launcher starts in, of those installed: the one asked for, else the last one,
// else the user's (German for a German locale, English for any other), else the first installed.
QString startsprache(const QString& gewuenscht, const QString& zuletzt, const QLocale& ort,
                     const QStringList& verfuegbar);

// Why an editor name cannot be used. The name becomes one folder below the data
// directory, on Linux and Windows alike, and is handed to the engine on its
// command line, where "?" stands for a blank.
enum class Namensfehler {
    Keiner,
    Leer,       // blank
    ZuLang,     // over kMaxNamenslaenge characters
    Zeichen,    // a character a file name or the engine's command line cannot carry, or "." / ".."
    Reserviert, // a name of the data directory's own files, or a device name of Windows
    Belegt,     // something other than an editor folder already has that name
};
constexpr int kMaxNamenslaenge = 64;
Namensfehler pruefeBearbeiter(const QString& Bearbeiter, const QString& path0);

// Where sections and printed pages go by default. Installed for every user (the data directory is
// the user's own, hidden from the file manager) that is "Tarvello" in the user's documents folder
// ($XDG_DOCUMENTS_DIR, else ~/Documents); a suite in a folder of its own keeps them in the editor's
// folder `pathben`, beside the working files. Made when first used, not here.
QString bestimmeAblageordner(const QString& pathbasis, const QString& pathben);

// Whether the folder is there, created (with its parents) where it was not.
bool legeOrdnerAn(const QString& pfad);

// The folder for temporary page bitmaps: the system's shared temporary
// folder where it exists and holds a file, else the editor's folder.
QString bestimmeTmppath(const QString& pathben, const QString& systemTemp);
// The shared temporary folder of the platform the program was built for ("" where there is none).
QString systemTempOrdner();

// Starts another program of the suite, in the given working directory,
// without waiting for it. Tests replace it.
using Programmstarter = std::function<bool(const QString& programm, const QString& arbeitsverzeichnis)>;
Programmstarter& programmstarter();
bool starteProgrammLosgeloest(const QString& programm, const QString& arbeitsverzeichnis);

// File name of a program of the suite with the platform's suffix.
QString programmdatei(const QString& name);

// A window at least this many twips wide counts as a wide screen.
constexpr int kBreitbildTwips = 15360;
constexpr int kBreitbildZuschlag = 1600;
inline int istBreitbild(int bildschirmbreiteTwips) { return bildschirmbreiteTwips >= kBreitbildTwips ? 1 : 0; }
