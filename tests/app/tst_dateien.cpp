// Writing a whole file: what was there stays unless the new file was written completely, also on
// a real full file system (a small tmpfs of the test's own, where the system lets it be mounted).
// Reading one: a regular file of bounded size, anything else refused at once.
#include "Testhilfen.h"
#include "app/Dateien.h"
#include "kern/Feldleser.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray inhaltVon(const QString& pfad)
{
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TestDateien : public QObject {
    Q_OBJECT

private slots:
    // A new file and one written over: the whole content, nothing left beside it.
    void ganzGeschrieben()
    {
        QTemporaryDir ordner;
        const QString pfad = ordner.filePath(QStringLiteral("Kranbahn.tqs"));
        QString grund;
        QVERIFY(schreibeGanzeDatei(pfad, "erste", grund));
        QVERIFY(schreibeGanzeDatei(pfad, QByteArray(5000, 'x'), grund));
        QCOMPARE(inhaltVon(pfad), QByteArray(5000, 'x'));
        QCOMPARE(QDir(ordner.path()).entryList(QDir::Files), QStringList{QStringLiteral("Kranbahn.tqs")});
        // A folder of that name or a missing folder: refused with the system's reason.
        QDir(ordner.path()).mkdir(QStringLiteral("Ordner.tqs"));
        QVERIFY(!schreibeGanzeDatei(ordner.filePath(QStringLiteral("Ordner.tqs")), "x", grund) && !grund.isEmpty());
        QVERIFY(!schreibeGanzeDatei(ordner.filePath(QStringLiteral("fehlt/x.tqs")), "x", grund) && !grund.isEmpty());
    }

    // On a full file system the old file keeps every byte, a new one is not left empty, and the
    // reason is the system's.
    void vollesDateisystem()
    {
        QTemporaryDir ordner;
        const QString voll = ordner.filePath(QStringLiteral("voll"));
        const KleinesDateisystem platz(voll);
        if (!platz.bereit())
            QSKIP("no tmpfs of the test's own can be mounted here");
        const QString alt = voll + QStringLiteral("/Kranbahn.tqs");
        const QByteArray gut(866, 'g');
        QString grund;
        QVERIFY(schreibeGanzeDatei(alt, gut, grund));
        platz.fuelle();
        QVERIFY(!schreibeGanzeDatei(alt, QByteArray(900, 'n'), grund));
        QVERIFY2(!grund.isEmpty(), "no reason given");
        QCOMPARE(inhaltVon(alt), gut);
        const QString neu = voll + QStringLiteral("/Neu.tqs");
        QVERIFY(!schreibeGanzeDatei(neu, QByteArray(900, 'n'), grund));
        QVERIFY(!QFile::exists(neu));
        QStringList dateien = QDir(voll).entryList(QDir::Files);
        dateien.sort();
        QCOMPARE(dateien, (QStringList{QStringLiteral("Kranbahn.tqs"), QStringLiteral("fuellung")})); // no half file beside
    }

    // A FIFO (it would block the start in open()), a link to an endless device, a folder and a file
    // over the limit are refused without reading; a regular file reads whole, through a link too.
    void nurGewoehnlicheDateien()
    {
        QTemporaryDir ordner;
        const QString fifo = ordner.filePath(QStringLiteral(".zuletzt.tqs"));
        QCOMPARE(QProcess::execute(QStringLiteral("mkfifo"), {fifo}), 0);
        QVERIFY(!leseDateibytes(fifo));
        QVERIFY(!leseTextdatei(fifo));
        const QString null = ordner.filePath(QStringLiteral("null.tqs"));
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), null));
        QVERIFY(!leseDateibytes(null));
        QVERIFY(!leseDateibytes(ordner.path()));
        const QString gross = ordner.filePath(QStringLiteral("gross.dat"));
        QString grund;
        QVERIFY(schreibeGanzeDatei(gross, QByteArray(2000, 'x'), grund));
        QVERIFY(!leseDateibytes(gross, 1999));
        QCOMPARE(leseDateibytes(gross, 2000).value_or(QByteArray()).size(), 2000);
        const QString verweis = ordner.filePath(QStringLiteral("verweis.dat"));
        QVERIFY(QFile::link(gross, verweis));
        QCOMPARE(leseTextdatei(verweis).value_or(QString()).size(), 2000);
    }

    // A lock is stale only when its holder on this host has ended: this process holds, a
    // process that has exited does not, and one of another host cannot be told.
    void verwaisteSperre()
    {
        const QString hier = QSysInfo::machineHostName();
        QVERIFY(!sperreIstVerwaist(QCoreApplication::applicationPid(), hier));
        QProcess beendet;
        beendet.start(QStringLiteral("true"));
        QVERIFY(beendet.waitForStarted());
        const qint64 pid = beendet.processId();
        QVERIFY(beendet.waitForFinished());
        QVERIFY(sperreIstVerwaist(pid, hier));
        QVERIFY(!sperreIstVerwaist(pid, hier + QStringLiteral(".anderswo")));
        QVERIFY(!sperreIstVerwaist(0, hier));
    }
};

QTEST_MAIN(TestDateien)
#include "tst_dateien.moc"
