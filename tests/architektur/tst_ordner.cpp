// The folders follow the dependencies: no folder includes one that includes it
// back, the section core knows no widgets, and no source file outgrows a reader.
#include <QDirIterator>
#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

namespace {

const QString kWurzel = QStringLiteral(TARVELLO_QUELLE);

struct Quelldatei {
    QString ordner; // relative to the repository, e.g. "src/kern"
    QString pfad;
    QStringList includes;
    int zeilen = 0;
};

QList<Quelldatei> quelldateien()
{
    QList<Quelldatei> dateien;
    const QRegularExpression include(QStringLiteral("^\\s*#include\\s*[\"<]([^\">]+)[\">]"),
                                     QRegularExpression::MultilineOption);
    for (const QString& teil : {QStringLiteral("src"), QStringLiteral("suite"), QStringLiteral("rechenkern/src")}) {
        QDirIterator it(kWurzel + u'/' + teil, {"*.h", "*.cpp"}, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            QFile datei(it.next());
            if (!datei.open(QIODevice::ReadOnly))
                continue;
            const QString text = QString::fromUtf8(datei.readAll());
            Quelldatei q;
            q.pfad = QDir(kWurzel).relativeFilePath(datei.fileName());
            q.ordner = q.pfad.section(u'/', 0, -2);
            q.zeilen = int(text.count(u'\n'));
            for (auto m = include.globalMatch(text); m.hasNext();)
                q.includes.append(m.next().captured(1));
            dateien.append(q);
        }
    }
    return dateien;
}

// The folder an include names: "kern/Formen.h" lies in src/kern; a bare name in the including folder.
QString zielordner(const Quelldatei& q, const QString& include)
{
    if (!include.contains(u'/'))
        return q.ordner;
    const QString ordner = include.section(u'/', 0, -2);
    return QDir(kWurzel + QStringLiteral("/src/") + ordner).exists() ? QStringLiteral("src/") + ordner : ordner;
}

} // namespace

class TestOrdner : public QObject {
    Q_OBJECT

private slots:
    void keinOrdnerImKreis()
    {
        QMap<QString, QSet<QString>> kanten;
        for (const Quelldatei& q : quelldateien())
            for (const QString& include : q.includes)
                if (include.endsWith(QStringLiteral(".h")) && zielordner(q, include) != q.ordner)
                    kanten[q.ordner].insert(zielordner(q, include));
        QVERIFY(kanten.contains(QStringLiteral("src/fenster")));
        // Depth-first search; a folder met again on the current path closes a circle.
        QStringList pfad;
        QSet<QString> fertig;
        std::function<void(const QString&)> besuche = [&](const QString& ordner) {
            if (fertig.contains(ordner))
                return;
            if (pfad.contains(ordner))
                QFAIL(qPrintable(QStringLiteral("Kreis: ") + pfad.mid(pfad.indexOf(ordner)).join(" -> ") + " -> " + ordner));
            pfad.append(ordner);
            for (const QString& ziel : kanten.value(ordner))
                besuche(ziel);
            pfad.removeLast();
            fertig.insert(ordner);
        };
        for (const QString& ordner : kanten.keys())
            besuche(ordner);
    }

    void kernOhneWidgets()
    {
        const QRegularExpression oberflaeche(QStringLiteral("^Q(Widget|LineEdit|Label|ComboBox|CheckBox|PushButton|"
                                                            "GroupBox|Painter|Image|Pixmap|Font|Color|Application)"));
        for (const Quelldatei& q : quelldateien())
            if (q.ordner == QStringLiteral("src/kern"))
                for (const QString& include : q.includes)
                    QVERIFY2(!oberflaeche.match(include).hasMatch(), qPrintable(q.pfad + ": " + include));
    }

    // Below the windows nothing shows a message: the core, the catalogs, the engine road, the check,
    // the drawings and the pages hand back what there is to tell, and the window shows it.
    void meldungenNurAusDenFenstern()
    {
        const QStringList unten{"src/kern", "src/catalogs", "src/engine", "src/nachweis", "src/drawing", "src/report", "src/stapel"};
        int gesehen = 0;
        for (const Quelldatei& q : quelldateien()) {
            if (!unten.contains(q.ordner))
                continue;
            ++gesehen;
            QFile datei(kWurzel + u'/' + q.pfad);
            QVERIFY(datei.open(QIODevice::ReadOnly));
            const QString text = QString::fromUtf8(datei.readAll());
            QVERIFY2(!text.contains(QStringLiteral("meldungen()")) && !text.contains(QStringLiteral("QMessageBox")),
                     qPrintable(q.pfad));
            QVERIFY2(!q.includes.contains(QStringLiteral("app/Meldungen.h")), qPrintable(q.pfad));
        }
        QVERIFY(gesehen > 40);
    }

    void keineDateiUeberSechshundertZeilen()
    {
        for (const Quelldatei& q : quelldateien())
            QVERIFY2(q.zeilen <= 650, qPrintable(q.pfad + QStringLiteral(": %1 Zeilen").arg(q.zeilen)));
    }
};

QTEST_MAIN(TestOrdner)
#include "tst_ordner.moc"
