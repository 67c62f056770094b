#include "Dateiwahl.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QUrl>

Dateiwahl& dateiwahl()
{
    static Dateiwahl wahl = [](QWidget* eltern, Dateiwahlart art, const QString& titel, const QString& ordner,
                               const QString& filter) {
        return art == Dateiwahlart::Oeffnen ? QFileDialog::getOpenFileName(eltern, titel, ordner, filter)
                                            : QFileDialog::getSaveFileName(eltern, titel, ordner, filter);
    };
    return wahl;
}

Ordneranzeige& ordneranzeige()
{
    static Ordneranzeige anzeige = [](const QString& ordner) {
        return QDesktopServices::openUrl(QUrl::fromLocalFile(ordner));
    };
    return anzeige;
}
