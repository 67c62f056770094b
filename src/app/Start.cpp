#include "Start.h"

#include "Dateien.h"
#include "kern/Feldleser.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

QString verbinde(const QString& ordner, const QString& name)
{
    return ordner.endsWith(u'/') ? ordner + name : ordner + u'/' + name;
}

QString bestimmePathbasis(const QString& arbeitsverzeichnis)
{
    return QDir::cleanPath(QDir(arbeitsverzeichnis).absoluteFilePath(QStringLiteral("..")));
}

namespace {

// A folder named in the settings, as an absolute path without a trailing separator.
QString ordnerAusFeld(const QString& pathbasis, const QString& feld)
{
    return QDir::cleanPath(QDir(pathbasis).absoluteFilePath(QDir::fromNativeSeparators(feld.trimmed())));
}

} // namespace

Datenordner bestimmeDatenordner(const QString& pathbasis, const QString& benutzerdaten)
{
    Datenordner ordner;
    ordner.path0 = verbinde(pathbasis, QStringLiteral("Daten"));
    QString texte;
    if (const auto text = leseTextdatei(verbinde(verbinde(pathbasis, QStringLiteral("exefiles")), QStringLiteral("inifile")))) {
        Feldleser leser(*text);
        const QString daten = leser.naechstesFeld().value_or(QString()).trimmed();
        texte = leser.naechstesFeld().value_or(QString()).trimmed();
        if (daten == kBenutzerdaten) {
            ordner.path0 = benutzerdaten.isEmpty() ? QString() : QDir::cleanPath(benutzerdaten);
            ordner.benutzereigen = true;
        } else if (!daten.isEmpty()) {
            ordner.path0 = ordnerAusFeld(pathbasis, daten);
        }
    }
    ordner.pathtext = texte.isEmpty() ? verbinde(ordner.path0, QStringLiteral("TEXTE")) : ordnerAusFeld(pathbasis, texte);
    return ordner;
}

QString benutzerdatenordnerAus(const QString& xdgDataHome, const QString& home)
{
    // The XDG base directory rule: a relative $XDG_DATA_HOME is invalid and ignored. Without an
    // absolute home there is no such folder, and nothing may land in the root or the working
    // directory instead.
    QString ort;
    if (QDir::isAbsolutePath(xdgDataHome))
        ort = xdgDataHome;
    else if (QDir::isAbsolutePath(home) && QDir::cleanPath(home) != QStringLiteral("/"))
        ort = verbinde(home, QStringLiteral(".local/share"));
    return ort.isEmpty() ? QString() : verbinde(QDir::cleanPath(ort), QStringLiteral("tarvello"));
}

QString benutzerdatenordner()
{
    return benutzerdatenordnerAus(qEnvironmentVariable("XDG_DATA_HOME"), qEnvironmentVariable("HOME"));
}

QString bestimmePath0(const QString& pathbasis) { return bestimmeDatenordner(pathbasis, benutzerdatenordner()).path0; }

QString bestimmePathtext(const QString& pathbasis)
{
    return bestimmeDatenordner(pathbasis, benutzerdatenordner()).pathtext;
}

QString bestimmeAblageordner(const QString& pathbasis, const QString& pathben)
{
    if (!bestimmeDatenordner(pathbasis, benutzerdatenordner()).benutzereigen)
        return pathben;
    const QString dokumente = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return dokumente.isEmpty() ? pathben : verbinde(dokumente, QStringLiteral("Tarvello"));
}

QString inifile2Pfad(const QString& path0) { return verbinde(path0, QStringLiteral("inifile2")); }

namespace {

std::optional<Uebergabedaten> leseUebergabe(const QString& pfad)
{
    const auto text = leseTextdatei(pfad);
    if (!text)
        return std::nullopt;
    Uebergabedaten daten;
    Feldleser leser(*text);
    if (auto name = leser.naechstesFeld())
        daten.Bearbeiter = *name;
    if (auto sprache = leser.naechstesFeld())
        daten.Oberflaechensprache = *sprache;
    if (auto datei = leser.naechstesFeld())
        daten.Datei = *datei;
    return daten;
}

bool schreibeUebergabe(const QString& pfad, const Uebergabedaten& daten)
{
    QString text = u'"' + daten.Bearbeiter + QStringLiteral("\"\r\n\"") + daten.Oberflaechensprache + QStringLiteral("\"\r\n");
    if (!daten.Datei.isEmpty())
        text += u'"' + daten.Datei + QStringLiteral("\"\r\n");
    QString grund;
    return dateischreiber()(pfad, text.toUtf8(), grund);
}

} // namespace

std::optional<Uebergabedaten> leseInifile2(const QString& path0) { return leseUebergabe(inifile2Pfad(path0)); }

std::optional<Uebergabedaten> uebernehmeInifile2(const QString& path0)
{
    auto daten = leseInifile2(path0);
    if (daten)
        QFile::remove(inifile2Pfad(path0));
    return daten;
}

bool schreibeInifile2(const QString& path0, const Uebergabedaten& daten)
{
    return schreibeUebergabe(inifile2Pfad(path0), daten);
}

std::optional<Uebergabedaten> leseLetztenStart(const QString& path0)
{
    return leseUebergabe(verbinde(path0, kLetzterStart));
}

bool merkeLetztenStart(const QString& path0, const Uebergabedaten& daten)
{
    Uebergabedaten ohneDatei = daten;
    ohneDatei.Datei.clear();
    return schreibeUebergabe(verbinde(path0, kLetzterStart), ohneDatei);
}

QString startsprache(const QString& gewuenscht, const QString& zuletzt, const QLocale& ort, const QStringList& verfuegbar)
{
    const QString eigene = ort.language() == QLocale::German ? QStringLiteral("D") : QStringLiteral("E");
    for (const QString& sprache : {gewuenscht, zuletzt, eigene})
        if (!sprache.isEmpty() && verfuegbar.contains(sprache))
            return sprache;
    return verfuegbar.value(0, eigene);
}

Namensfehler pruefeBearbeiter(const QString& Bearbeiter, const QString& path0)
{
    const QString name = Bearbeiter.trimmed();
    if (name.isEmpty())
        return Namensfehler::Leer;
    if (Bearbeiter.size() > kMaxNamenslaenge)
        return Namensfehler::ZuLang;
    for (const QChar c : Bearbeiter)
        if (taugtNichtImDateinamen(c))
            return Namensfehler::Zeichen;
    // Windows drops a final dot or blank, so "a." would name the folder "a"; a leading
    // blank makes a second folder for the same name.
    if (name == u"." || Bearbeiter.contains(QStringLiteral("..")) || Bearbeiter.endsWith(u'.') ||
        Bearbeiter.endsWith(u' ') || Bearbeiter.startsWith(u' '))
        return Namensfehler::Zeichen;
    static const QStringList reserviert{"TEXTE", "inifile", "inifile2", kLetzterStart, "CON", "PRN", "AUX", "NUL",
                                        "COM1", "COM2", "COM3", "COM4", "COM5", "COM6", "COM7", "COM8", "COM9",
                                        "LPT1", "LPT2", "LPT3", "LPT4", "LPT5", "LPT6", "LPT7", "LPT8", "LPT9"};
    const QString stamm = name.section(u'.', 0, 0);
    for (const QString& r : reserviert)
        if (name.compare(r, Qt::CaseInsensitive) == 0 || (r.size() <= 4 && stamm.compare(r, Qt::CaseInsensitive) == 0))
            return Namensfehler::Reserviert;
    const QFileInfo vorhanden(verbinde(path0, Bearbeiter));
    if (vorhanden.exists() && (!vorhanden.isDir() || vorhanden.isSymLink()))
        return Namensfehler::Belegt;
    return Namensfehler::Keiner;
}

bool legeOrdnerAn(const QString& pfad) { return QFileInfo(pfad).isDir() || QDir().mkpath(pfad); }

QString bestimmeTmppath(const QString& pathben, const QString& systemTemp)
{
    if (systemTemp.isEmpty())
        return pathben;
    const QDir ordner(systemTemp);
    if (ordner.exists() && !ordner.entryList(QDir::Files | QDir::Hidden | QDir::System).isEmpty())
        return systemTemp;
    return pathben;
}

QString systemTempOrdner()
{
#ifdef Q_OS_WIN
    return QStringLiteral("C:/Windows/Temp");
#else
    return QString();
#endif
}

bool starteProgrammLosgeloest(const QString& programm, const QString& arbeitsverzeichnis)
{
    return QProcess::startDetached(programm, {}, arbeitsverzeichnis);
}

Programmstarter& programmstarter()
{
    static Programmstarter starter = starteProgrammLosgeloest;
    return starter;
}

QString programmdatei(const QString& name)
{
#ifdef Q_OS_WIN
    return name + QStringLiteral(".exe");
#else
    return name;
#endif
}
