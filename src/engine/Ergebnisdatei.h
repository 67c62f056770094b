#pragma once
// The engine's result file: the section values, the stiffener flags and one
// row of unit stresses per stress point.

#include "kern/section_geometry.h"

#include "kern/Querschnittsdaten.h"

#include <QString>
#include <array>
#include <optional>
#include <vector>

struct Spannungspunkt {
    std::array<double, 6> spannung{}; // Sigma-X, Tau-Y, Tau-Z, Tau-X, Sigma-Y, Sigma-Z
    double dicke = 0;                 // plate thickness at the point; 0 where the section has no such point
    // A governing point (from P18): where it lies (the engine's axes) and the column (1..6) whose
    // peak it is; 0 for a fixed point or where the file names no place.
    double y = 0, z = 0;
    int spitzeVon = 0;
};

// The largest |value| of one stress column on one plate, and where it lies.
struct Plattenhoechstwert {
    QString nameDe, nameEn; // the plate, as the engine names it
    int spalte = 0;         // 1..6: Sigma-X ... Sigma-Z
    double wert = 0, y = 0, z = 0;
};

// Section values for member checks, each present only when the engine wrote it.
struct Bauteilwerte {
    std::optional<double> Iw;   // warping constant about the shear centre [mm⁶]
    std::optional<double> zj;   // monosymmetry of the section [mm], along the IZ axis
    std::optional<double> Wply; // plastic section modulus about the IY axis [mm³]
    std::optional<double> Wplz; // about the IZ axis [mm³]
};

struct Ergebnisse {
    QString kennung;  // the first field: the section number, or the engine's "Fehler" text
    double x = 0;     // the section number as a number
    double A = 0, AY = 0, AZ = 0, IT = 0, IY = 0, IZ = 0, YS = 0, ZS = 0, Winkel = 0;
    bool mitSchubmittelpunkt = false;
    double YM = 0, ZM = 0; // shear centre; the centroid where the file carries none
    std::vector<Spannungspunkt> punkte; // P1, P2, ... (at most kMaxPunkte)
    Bauteilwerte bauteil;
    std::vector<Plattenhoechstwert> hoechstwerte; // per plate and column
    // How far below the usual reference the file counted z ("Bezug": a centroid below the bottom
    // flange's mid-plane); ZS, ZM and every place are read back to the usual reference.
    double bezug = 0;
};

enum class Ergebnisfehler { Keiner, DateiFehlt, Rechenkernfehler, Unvollstaendig };

struct Ergebnislesung {
    Ergebnisfehler fehler = Ergebnisfehler::Keiner;
    Ergebnisse werte;
};

// Rows 1 to 17 are the fixed stress points of every family; the governing
// points (shear from Vz on the webs, torsion on the faces of rolled and H-profile
// flanges) follow from 18.
constexpr int kFesteSpannungspunkte = tarvello::geometrie::kFixedPointRows;
constexpr int kMaxPunkte = tarvello::geometrie::kMaxStressPoints;

Ergebnislesung leseErgebnisdatei(const QString& pfad);
Ergebnislesung leseErgebnistext(const QString& text);

// The section's area as the program builds its plates; nullopt when the record makes no section.
std::optional<double> querschnittsflaeche(const Querschnittsdaten& q);

// Whether a result's area A is that of the section (to a relative 1e-6): a stale or faulty
// engine's answer for another section of the same form is not taken as this one's.
bool gehoertZu(const Ergebnisse& r, const Querschnittsdaten& q);

// The engine's reason in a "Fehler" result ("Fehler: … / Error: …"), in the
// user's language: German for "D", English otherwise.
QString rechenkerngrund(const QString& kennung, const QString& sprache);

// A stress as the table writes it: times 1000, one digit before the decimal
// separator, six after it, the exponent always signed ("1.230000e+1").
QString spannungstext(double wert);
