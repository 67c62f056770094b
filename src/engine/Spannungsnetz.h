#pragma once
// The engine's stress mesh, written beside its result ("Übergabe1.netz" beside
// "Übergabe1.dat"): the mesh nodes, the six-node triangles with their plates,
// and the six unit stresses at every node of every plate, so that forces can be
// combined and drawn over the whole section, not only at the points.

#include <QString>
#include <array>
#include <optional>
#include <vector>

struct Netzwert {
    int platte = -1;
    int knoten = -1;
    std::array<double, 6> spannung{}; // Sigma-X, Tau-Y, Tau-Z, Tau-X, Sigma-Y, Sigma-Z, shear along the plate
};

struct Spannungsnetz {
    std::vector<std::array<double, 2>> knoten;  // y, z in the engine's axes (z as the result's, "Bezug" included)
    std::vector<std::array<int, 6>> elemente;   // corners counter-clockwise, then the mid-sides
    std::vector<int> elementplatte;             // the plate of each element
    std::vector<Netzwert> werte;
};

struct Netzlesung {
    std::optional<Spannungsnetz> netz;
    QString grund; // why the file is refused (missing, not a stress mesh, cut short, an index out of range)
};

Netzlesung leseSpannungsnetz(const QString& pfad);
Netzlesung leseSpannungsnetztext(const QString& text);

// The stress mesh that belongs to a result file: its name with the extension ".netz".
QString netzdateiZu(const QString& ergebnisdatei);
