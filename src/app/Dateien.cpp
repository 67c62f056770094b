#include "Dateien.h"

#include <QFile>
#include <QSysInfo>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

bool taugtNichtImDateinamen(QChar c)
{
    static const QString verboten = QStringLiteral("/\\:\"?*<>|");
    return verboten.contains(c) || c.unicode() < 0x20 || c.unicode() == 0x7f;
}

bool schreibeGanzeDatei(const QString& pfad, const QByteArray& inhalt, QString& grund)
{
    // Written beside the file, synced and renamed over it at the end, so that a failed write
    // leaves the old file as it was and no half file. Every step is checked by its own result: a
    // full disk shows in write() or only in fsync(), and QSaveFile's commit reports success
    // there all the same (Qt 6.4: an empty file replaced the old one).
    const QByteArray ziel = QFile::encodeName(pfad);
    const QByteArray neu = ziel + ".schreiben-" + QByteArray::number(qint64(::getpid()));
    const auto fehler = [&](int nummer) {
        grund = QString::fromLocal8Bit(std::strerror(nummer));
        return false;
    };
    struct stat alt {};
    const bool vorhanden = ::stat(ziel.constData(), &alt) == 0;
    if (vorhanden && !S_ISREG(alt.st_mode))
        return fehler(EISDIR);
    const int fd = ::open(neu.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0)
        return fehler(errno);
    const auto abbrechen = [&](int nummer) {
        ::close(fd);
        ::unlink(neu.constData());
        return fehler(nummer);
    };
    if (vorhanden)
        ::fchmod(fd, alt.st_mode & 07777);
    for (qsizetype geschrieben = 0; geschrieben < inhalt.size();) {
        const ssize_t n = ::write(fd, inhalt.constData() + geschrieben, size_t(inhalt.size() - geschrieben));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return abbrechen(n < 0 ? errno : ENOSPC);
        geschrieben += n;
    }
    if (::fsync(fd) != 0)
        return abbrechen(errno);
    if (::close(fd) != 0) {
        const int nummer = errno;
        ::unlink(neu.constData());
        return fehler(nummer);
    }
    if (::rename(neu.constData(), ziel.constData()) != 0) {
        const int nummer = errno;
        ::unlink(neu.constData());
        return fehler(nummer);
    }
    return true;
}

Dateischreiber& dateischreiber()
{
    static Dateischreiber schreiber = schreibeGanzeDatei;
    return schreiber;
}


bool sperreIstVerwaist(qint64 pid, const QString& rechner)
{
    if (pid <= 0 || rechner != QSysInfo::machineHostName())
        return false;
    // No signal is sent: the call only asks whether the process exists (EPERM: it does, as another user's).
    return ::kill(pid_t(pid), 0) != 0 && errno == ESRCH;
}
