#pragma once
// What the check tests share: a comparison within a tolerance, results whose every point has
// the same unit stresses, and the worked example's box.
#include "drawing/Detailbeispiele.h"
#include "engine/Ergebnisdatei.h"

#include <QTest>
#include <cmath>

// A value within a relative tolerance of the one worked out by hand, named when it is not.
inline bool nahe(double ist, double soll, double rel) { return std::fabs(ist - soll) <= rel * std::fabs(soll); }

#define PRUEFE_NAHE(ist, soll, rel)                                                                                \
    QVERIFY2(nahe((ist), (soll), (rel)), qPrintable(QStringLiteral(#ist " = ") + QString::number(double(ist), 'g', 8) + \
                                                    QStringLiteral(", erwartet ") + QString::number(double(soll), 'g', 8)))

// n points, each 12 mm thick with σx = 1e-5 kN/mm² for N = 1 kN and nothing else.
inline Ergebnisse gleicheErgebnisse(int n)
{
    Ergebnisse r;
    r.punkte.resize(size_t(n));
    for (Spannungspunkt& p : r.punkte)
        p = {{1e-5, 0, 0, 0, 0, 0}, 12};
    return r;
}

// The worked example's plates without its stiffeners (form 11): BO 720, TO 25, BU 600, TU 20,
// HS 1200, TS 14, TS2 10, AS 500, an acting flat rail 65 wide and 75 high over the right web.
inline Querschnittsdaten kastenBO720()
{
    Querschnittsdaten q = formbeispiel(11);
    q.masse.obergurtbreite = "720";
    return q;
}
