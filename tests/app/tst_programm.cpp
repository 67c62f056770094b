// The installed program as a process: started from exefiles with a hand-off it
// takes the hand-off over, creates the editor's folder and stays open.
#include "Testhilfen.h"

#include <QProcess>
#include <QTest>

class TestProgramm : public QObject {
    Q_OBJECT

private slots:
    void startAusExefiles()
    {
        Testsuite suite;
        const QString programm = suite.exefiles() + "/" + QFileInfo(TARVELLO_PROGRAMM).fileName();
        QVERIFY(QFile::copy(TARVELLO_PROGRAMM, programm));
        suite.übergabe("\"Jörg Müller\"\r\n\"E\"\r\n");

        QProcess prozess;
        prozess.setWorkingDirectory(suite.exefiles());
        prozess.start(programm, {});
        QVERIFY(prozess.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(QDir(suite.daten() + "/Jörg Müller").exists(), 10000);
        QVERIFY(!QFile::exists(suite.daten() + "/inifile2"));
        // It keeps running until the user closes it.
        QVERIFY(!prozess.waitForFinished(1000));
        QCOMPARE(prozess.state(), QProcess::Running);
        prozess.kill();
        prozess.waitForFinished();
    }
};

QTEST_MAIN(TestProgramm)
#include "tst_programm.moc"
