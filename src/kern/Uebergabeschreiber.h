#pragma once
// The engine's input files, built from the cross-section record: the record
// read once into the section's dimensions as numbers (what the drawings take
// as well), which required fields are empty, which geometric checks fail, and
// the lines of "Übergabe0.dat" (or "Übergabe2.dat" for rolled profiles) that
// the engine's own writer makes of those dimensions. Only what the chosen form
// shows is read. Writing the file and showing the messages is left to the caller.

#include "Masspruefung.h"
#include "Querschnittsdaten.h"
#include "kern/section_geometry.h"
#include "kern/transfer_layout.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

struct Uebergabeinhalt {
    bool ok = true;
    bool dateiGeschrieben = false; // false when the run was refused before any file was opened
    bool vollstaendig = true;      // every value the form shows is a number
    tarvello::geometrie::TransferInput masse; // as far as given; whole where `vollstaendig`
    QStringList zeilen;            // lines of the file, without line ends; none unless `vollstaendig`
    QStringList meldungen;         // texts to show at once, in order
    QString Fehlliste;             // shown at the end when not empty
};

using Meldungstext = std::function<QString(int)>;

// The welded families: lines of "Übergabe0.dat", with every check.
Uebergabeinhalt baueUebergabe(const Querschnittsdaten& q, const Beschriftungen& b, int Laufwert,
                            const Schienenfussbreite& fussbreite, const Meldungstext& holeMessage);
// The rolled profiles: lines of "Übergabe2.dat". A value missing is told with the captions of
// every empty field the window shows (from `b`; none given, the message alone).
Uebergabeinhalt baueHProfilUebergabe(const Querschnittsdaten& q, const Meldungstext& holeMessage,
                                     const Beschriftungen& b = Beschriftungen());

// The file's text: every line ended with CR LF.
QByteArray uebergabebytes(const QStringList& zeilen);

// The section's dimensions exactly as the engine is handed them, so that the
// drawings and the engine never differ. Nothing when a value is missing.
std::optional<tarvello::geometrie::TransferInput> querschnittsmasse(const Querschnittsdaten& q);

// The record's plates and points as the engine builds them; nullopt where the record makes no section.
std::optional<tarvello::geometrie::SectionGeometry> querschnittsgeometrie(const Querschnittsdaten& q);
