#include "Dateien.h"

#include <QFileDialog>
#include <QSaveFile>

bool taugtNichtImDateinamen(QChar c)
{
    static const QString verboten = QStringLiteral("/\\:\"?*<>|");
    return verboten.contains(c) || c.unicode() < 0x20 || c.unicode() == 0x7f;
}

bool schreibeGanzeDatei(const QString& pfad, const QByteArray& inhalt, QString& grund)
{
    // Written beside the file and renamed at the end: a failed write leaves no half file.
    QSaveFile datei(pfad);
    datei.setDirectWriteFallback(true);
    if (!datei.open(QIODevice::WriteOnly) || datei.write(inhalt) != inhalt.size() || !datei.commit()) {
        grund = datei.errorString();
        return false;
    }
    return true;
}

Dateischreiber& dateischreiber()
{
    static Dateischreiber schreiber = schreibeGanzeDatei;
    return schreiber;
}

Dateiwahl& dateiwahl()
{
    static Dateiwahl wahl = [](QWidget* eltern, Dateiwahlart art, const QString& titel, const QString& ordner,
                               const QString& filter) {
        return art == Dateiwahlart::Oeffnen ? QFileDialog::getOpenFileName(eltern, titel, ordner, filter)
                                            : QFileDialog::getSaveFileName(eltern, titel, ordner, filter);
    };
    return wahl;
}
