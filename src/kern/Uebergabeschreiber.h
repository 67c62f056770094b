#pragma once
// The engine's input files, built from the cross-section record: which lines
// go into "Übergabe0.dat" (or "Übergabe2.dat" for rolled profiles), which
// required fields are empty, and which geometric checks fail. Only what the
// chosen form shows is read. Writing the file and showing the messages is
// left to the caller; the engine's reader (transfer_layout) reads exactly
// these lines back.

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
    QStringList zeilen;            // lines of the file, without line ends
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

// The section's dimensions as the engine reads them: the record written as
// the engine's input and read back with the engine's own reader, so that the
// drawings and the engine never differ. Nothing when a value is missing.
std::optional<tarvello::geometrie::TransferInput> querschnittsmasse(const Querschnittsdaten& q);

// The record's plates and points as the engine builds them; nullopt where the record makes no section.
std::optional<tarvello::geometrie::SectionGeometry> querschnittsgeometrie(const Querschnittsdaten& q);
