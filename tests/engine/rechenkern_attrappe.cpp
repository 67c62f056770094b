// Stands in for the engine in tests, behaving as TARVELLO_ATTRAPPE says:
//   sofort   writes its arguments as the result and removes its input at once
//   spaet    the same after 1.5 s
//   nie      writes its arguments and ends, leaving its input behind
//   absturz  ends at once, writing nothing and leaving its input
//   haengt   writes nothing and sleeps for 20 s
//   leer     removes its input and writes nothing
//   fehler   writes the engine's failure answer and removes its input
// "ergebnis:<file>" copies that file as the result and removes the input.
#include <QCoreApplication>
#include <QFile>
#include <QThread>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList argumente = QCoreApplication::arguments().mid(1);
    const QByteArray art = qgetenv("TARVELLO_ATTRAPPE");
    if (argumente.size() != 2)
        return 2;
    QString eingabe = argumente[0], ergebnis = argumente[1];
    eingabe.replace(u'?', u' ');
    ergebnis.replace(u'?', u' ');
    if (art == "absturz")
        return 3;
    if (art == "haengt") {
        QThread::sleep(20);
        return 0;
    }
    if (art == "leer")
        return QFile::remove(eingabe) ? 0 : 1;
    QByteArray inhalt = (u'"' + argumente.join(u'|') + QStringLiteral("\"\r\n")).toUtf8();
    if (art == "fehler")
        inhalt = QByteArrayLiteral("\"Fehler: Platte zu dünn / Error: plate too thin\"\r\n");
    if (art.startsWith("ergebnis:")) {
        QFile quelle(QString::fromLocal8Bit(art.mid(9)));
        quelle.open(QIODevice::ReadOnly);
        inhalt = quelle.readAll();
    }
    QFile datei(ergebnis);
    if (datei.open(QIODevice::WriteOnly)) {
        datei.write(inhalt);
        datei.close();
    }
    if (art == "nie")
        return 0;
    if (art == "spaet")
        QThread::msleep(1500);
    QFile::remove(eingabe);
    return 0;
}
