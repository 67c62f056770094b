#pragma once
// The section-form numbers a combo text file offers (group 1 of its records
// of group, number, text), in the file's order.

#include "app/Feldleser.h"

#include <QList>
#include <QString>

inline QList<int> formnummernAus(const QString& combodatei)
{
    QList<int> nummern;
    const std::optional<QString> text = leseTextdatei(combodatei);
    if (!text)
        return nummern;
    const QStringList felder = alleFelder(*text);
    for (int i = 0; i + 2 < felder.size(); i += 3) {
        const std::optional<qint16> gruppe = alsGanzzahl16(felder[i]);
        const std::optional<qint16> nummer = alsGanzzahl16(felder[i + 1]);
        if (gruppe == 1 && nummer && !nummern.contains(*nummer))
            nummern.append(*nummer);
    }
    return nummern;
}
