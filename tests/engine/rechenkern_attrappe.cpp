// Stands in for the engine in tests, behaving as TARVELLO_ATTRAPPE says:
//   sofort / spaet   writes its arguments as the result, removes its input (at once / after 1.5 s)
//   nie              writes its arguments and ends, leaving its input behind
//   absturz          ends at once, writing nothing and leaving its input
//   haengt           writes nothing and sleeps for 20 s
//   leer             removes its input and writes nothing
//   fehler           writes the engine's failure answer and removes its input
//   ergebnis:<file>  copies that file as the result and removes the input
#include <QCoreApplication>
#include <QFile>
#include <QThread>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList argumente = QCoreApplication::arguments().mid(1);
    const QByteArray art = qgetenv("TARVELLO_ATTRAPPE");
    if (argumente.size() != 2 || art == "absturz")
        return argumente.size() != 2 ? 2 : 3;
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
