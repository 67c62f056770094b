#include "Dateien.h"

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
