#pragma once
// What the report pages share: the font, the value lines ending at one edge,
// the column heads of the stress tables.

#include "drawing/Zeichenflaeche.h"
#include "drawing/Zeichenprimitive.h"

#include <QString>
#include <QStringList>

namespace seite {

inline const QString kSchrift = QStringLiteral("Times New Roman");
// The numbers of the value lines end here; the stress columns' heads and numbers at 28·k + 2.
constexpr double kWerteRechts = 45;
inline double spaltenende(int k) { return 28.0 * k + 2; }

inline void leerzeile(Zeichenflaeche& f) { f.print(QString()); }

inline void wertzeile(Zeichenflaeche& f, const QString& beschriftung, double wert, const QString& einheit, int muster = 0)
{
    druckeZahlRechts(f, kWerteRechts, muster, wert, beschriftung, einheit);
}

inline void anfang(Zeichenflaeche& f)
{
    f.setzeSchrift(kSchrift, 20);
    f.setzeFett(false);
    f.setzeLinkenRand(-20);
}

// The first column's head at the margin, the six stress names right-aligned on their columns, at y.
inline void spaltenkoepfe(Zeichenflaeche& f, double y, const QString& erste, const QStringList& namen)
{
    schreibeBei(f.linkerRand(), y, erste);
    for (int k = 1; k <= 6 && k <= namen.size(); ++k)
        schreibeBei(spaltenende(k) - f.textWidth(namen[k - 1]), y, namen[k - 1]);
}

} // namespace seite
