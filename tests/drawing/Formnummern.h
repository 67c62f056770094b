#pragma once
// The section-form numbers a combo text file offers (group 1 of its group, number, text records), in the file's order.

#include "kern/Feldleser.h"

inline QList<int> formnummernAus(const QString& combodatei)
{
    QList<int> nummern;
    const QStringList felder = alleFelder(leseTextdatei(combodatei).value_or(QString()));
    for (int i = 0; i + 2 < felder.size(); i += 3) {
        const int nummer = alsGanzzahl16(felder[i + 1]).value_or(0);
        if (alsGanzzahl16(felder[i]) == 1 && nummer != 0 && !nummern.contains(nummer))
            nummern.append(nummer);
    }
    return nummern;
}
