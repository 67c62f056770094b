#pragma once
// The structural steels a crane runway girder is made of and their minimum
// yield strengths by nominal thickness, each from its product standard:
//   S235, S275, S355: EN 10025-2:2004, Table 7 (non-alloy steels)
//   S460N/NL:        EN 10025-3:2004, Table 4 (normalised fine-grain steels)
//   S460M/ML:        EN 10025-4:2004 (thermomechanically rolled)
// and ε = √(235/fy) of EN 1993-1-1 Table 5.2.

#include <QString>
#include <QStringList>
#include <optional>

enum class Stahlsorte { S235, S275, S355, S460N, S460M };

// The grades by name, in the order a list offers them.
const QStringList& stahlsorten();

// The grade of a name as the list gives it; "S460" of files written before the
// two S460 steels were told apart reads as S460N, whose table it was.
std::optional<Stahlsorte> stahlsorte(const QString& name);

// The minimum yield strength ReH in N/mm² for a plate of nominal thickness t in
// mm; 0 where the table gives none (t not above 0, or thicker than the grade is made).
double streckgrenze(Stahlsorte sorte, double t);

// The product standard and table the yield strengths come from, as the page cites it.
QString stahlnorm(Stahlsorte sorte);

// ε = √(235/fy), fy in N/mm².
double epsilon(double fy);
