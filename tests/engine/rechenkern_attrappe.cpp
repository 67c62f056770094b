// Stands in for the engine in tests: writes its arguments as the result and
// removes its input at once, late, or never, as TARVELLO_ATTRAPPE says;
// "leer" removes its input and writes nothing at all.
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
    if (art == "leer")
        return QFile::remove(eingabe) ? 0 : 1;
    QFile datei(ergebnis);
    if (datei.open(QIODevice::WriteOnly)) {
        datei.write((u'"' + argumente.join(u'|') + QStringLiteral("\"\r\n")).toUtf8());
        datei.close();
    }
    if (art == "nie")
        return 0;
    if (art == "spaet")
        QThread::msleep(1500);
    QFile::remove(eingabe);
    return 0;
}
