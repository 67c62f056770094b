#pragma once
// The suite's catalogs: crane rails of form A and the rolled-profile tables
// HEA, HEB, HEM and IPE. Both live as small text files in the language text
// folder and are read whenever a value is needed, so an edited table counts
// at once.

#include "kern/Querschnittsdaten.h"
#include "kern/polygon.h"

#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <vector>

// A rail record: ten values as texts, DIN 536-1's names: h1, h2, h3, k, b3, b1,
// f1, f3 in mm, then the published area in cm² and second moment Iy in cm⁴
// (empty where the record has none). Element 0 is the rail height, 3 the head
// width, 5 the foot width (what the flange must carry).
using Schienensatz = std::array<QString, 10>;

// The rail's published values, mm² and mm⁴ (I 0 where the record has none).
struct Schienenkennwerte {
    double A = 0, Iy = 0;
};
std::optional<Schienenkennwerte> schienenkennwerte(const Schienensatz& satz);

// The rail choice list; "A-Sch" means no catalog rail.
const QStringList& schienenliste();
inline const QString kKeineKatalogschiene = QStringLiteral("A-Sch");

// The rail's outline as the catalog describes it: foot on z = 0, centred on
// y = 0, counter-clockwise. Empty for a record whose values do not make a rail.
std::vector<tarvello::geometrie::Point> schienenumriss(const Schienensatz& satz);

// Looks the rail up by its exact name; a missing file or name leaves the record
// as it was and returns false.
bool leseASchiene(const QString& katalogdatei, const QString& name, Schienensatz& satz);

// H, B, S, T, R of one profile size, as texts.
using Profilwerte = std::array<QString, 5>;

// The profile table's record of that nominal size; nullopt when the file or the size is missing.
std::optional<Profilwerte> leseProfilwerte(const QString& tabellendatei, int groesse);

// The first name of a catalog rail or of the web's H profile that its choice list does not hold
// (the record as its form shows it), empty when there is none: such a name would show as the
// list's first entry, no rail or no profile, and the section would silently be another.
QString fremderListenname(const Querschnittsdaten& gezeigt);

// Entries of the series and size lists after their blank first entry.
const QStringList& walzprofilreihen(); // HEA, HEB, HEM, IPE
const QStringList& stegprofilreihen(); // HEA, HEB, HEM
const QStringList& heGroessen();
const QStringList& ipeGroessen();
