// Stands in for the engine in tests, behaving as TARVELLO_ATTRAPPE says:
//   sofort / spaet   writes its arguments as the result, removes its input (at once / after 1.5 s)
//   nie              writes its arguments and ends, leaving its input behind
//   absturz          ends at once, writing nothing and leaving its input
//   haengt           writes nothing and sleeps for 20 s
//   leer             removes its input and writes nothing
//   fehler           writes the engine's failure answer and removes its input
//   ergebnis:<file>  copies that file as the result and removes the input
// A third argument (the stress mesh asked for by the design check's own run) makes it
// behave as TARVELLO_ATTRAPPE_PRUEF says, where that is set; it writes no mesh.
#include <QCoreApplication>
#include <QFile>
#include <QThread>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList argumente = QCoreApplication::arguments().mid(1);
    const bool pruefung = argumente.size() == 3 && qEnvironmentVariableIsSet("TARVELLO_ATTRAPPE_PRUEF");
    const QByteArray art = qgetenv(pruefung ? "TARVELLO_ATTRAPPE_PRUEF" : "TARVELLO_ATTRAPPE");
    if (argumente.size() < 2 || argumente.size() > 3 || art == "absturz")
        return argumente.size() < 2 || argumente.size() > 3 ? 2 : 3;
    const QString eingabe = QString(argumente[0]).replace(u'?', u' '), ergebnis = QString(argumente[1]).replace(u'?', u' ');
    if (art == "haengt")
        QThread::sleep(20);
    if (art == "haengt" || art == "leer")
        return art == "leer" && !QFile::remove(eingabe);
    QByteArray inhalt = (u'"' + argumente.join(u'|') + QStringLiteral("\"\r\n")).toUtf8();
    if (art == "fehler")
        inhalt = QByteArrayLiteral("\"Fehler: Platte zu dünn / Error: plate too thin\"\r\n");
    QFile quelle(QString::fromLocal8Bit(art.mid(9)));
    if (art.startsWith("ergebnis:") && quelle.open(QIODevice::ReadOnly))
        inhalt = quelle.readAll();
    QFile datei(ergebnis);
    if (datei.open(QIODevice::WriteOnly))
        datei.write(inhalt);
    datei.close();
    if (art == "spaet")
        QThread::msleep(1500);
    if (art != "nie")
        QFile::remove(eingabe);
    return 0;
}
