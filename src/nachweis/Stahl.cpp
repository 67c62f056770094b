#include "Stahl.h"

#include <array>
#include <cmath>
#include <vector>

namespace {

struct Tabelle {
    std::vector<double> bis; // upper limit of each thickness step, mm
    std::vector<double> fy;  // ReH in that step
};

const Tabelle& tabelle(Stahlsorte sorte)
{
    static const std::vector<double> en10025_2{16, 40, 63, 80, 100, 150, 200, 250};
    static const std::array<Tabelle, 5> tabellen{{
        {en10025_2, {235, 225, 215, 215, 215, 195, 185, 175}},
        {en10025_2, {275, 265, 255, 245, 235, 225, 215, 205}},
        {en10025_2, {355, 345, 335, 325, 315, 295, 285, 275}},
        // Normalised S460 is made up to 200 mm, thermomechanically rolled up to 120 mm.
        {{16, 40, 63, 80, 100, 150, 200}, {460, 440, 430, 410, 400, 380, 370}},
        {{16, 40, 63, 80, 100, 120}, {460, 440, 430, 410, 400, 385}},
    }};
    return tabellen[size_t(sorte)];
}

} // namespace

const QStringList& stahlsorten()
{
    static const QStringList namen{QStringLiteral("S235"), QStringLiteral("S275"), QStringLiteral("S355"),
                                   QStringLiteral("S460N"), QStringLiteral("S460M")};
    return namen;
}

std::optional<Stahlsorte> stahlsorte(const QString& name)
{
    const QString n = name.trimmed().toUpper();
    if (n == QStringLiteral("S460"))
        return Stahlsorte::S460N;
    const int i = int(stahlsorten().indexOf(n));
    if (i < 0)
        return std::nullopt;
    return Stahlsorte(i);
}

double streckgrenze(Stahlsorte sorte, double t)
{
    if (!(t > 0))
        return 0;
    const Tabelle& tab = tabelle(sorte);
    for (size_t i = 0; i < tab.bis.size(); ++i)
        if (t <= tab.bis[i])
            return tab.fy[i];
    return 0;
}

QString stahlnorm(Stahlsorte sorte)
{
    switch (sorte) {
    case Stahlsorte::S460N:
        return QStringLiteral("EN 10025-3, Tab. 4");
    case Stahlsorte::S460M:
        return QStringLiteral("EN 10025-4");
    default:
        return QStringLiteral("EN 10025-2, Tab. 7");
    }
}

double epsilon(double fy) { return fy > 0 ? std::sqrt(235.0 / fy) : 0.0; }
