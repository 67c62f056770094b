#pragma once
// Every file the program writes for the user or the engine (transfer files,
// preview pages, PDF reports) goes through one writer, which says why a write
// failed. Tests replace it to play a full disk or a read-only folder, which a
// test run as root could not otherwise see.

#include <QByteArray>
#include <QChar>
#include <QString>
#include <functional>

using Dateischreiber = std::function<bool(const QString& pfad, const QByteArray& inhalt, QString& grund)>;
Dateischreiber& dateischreiber();

// A character no file or folder name can carry on Linux or Windows.
bool taugtNichtImDateinamen(QChar c);

// Writes the whole file anew; false with the system's reason when it was not written completely.
bool schreibeGanzeDatei(const QString& pfad, const QByteArray& inhalt, QString& grund);

// Whether a lock file's holder, by its process number and host, has ended: only a
// lock of this host can be told so; one of another host counts as held.
bool sperreIstVerwaist(qint64 pid, const QString& rechner);
