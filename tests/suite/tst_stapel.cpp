// The batch command as an engineer's script runs it: the real launcher and engine in a suite
// folder, typical sections of every family written as files the way the window saves them.
#include "Beispieleingabe.h"
#include "Testhilfen.h"
#include "app/Start.h"
#include "engine/Ergebnisdatei.h"
#include "kern/Querschnittsdatei.h"
#include "kern/Zahlen.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTest>

namespace {

// A CSV line's fields (RFC 4180: quoted fields may hold commas and doubled quotes).
QStringList csvFelder(const QString& zeile)
{
    QStringList felder{QString()};
    bool zitiert = false;
    for (int i = 0; i < zeile.size(); ++i) {
        const QChar c = zeile[i];
        if (c == u'"' && zitiert && i + 1 < zeile.size() && zeile[i + 1] == u'"')
            felder.last() += zeile[++i];
        else if (c == u'"')
            zitiert = !zitiert;
        else if (c == u',' && !zitiert)
            felder.append(QString());
        else
            felder.last() += c;
    }
    return felder;
}

struct Aufruf {
    int code = -1;
    QString aus, fehler;
};

} // namespace

class TestStapel : public QObject {
    Q_OBJECT

    std::unique_ptr<Testsuite> m_suite;
    QString m_programm;
    QStringList m_dateien; // every family's typical section, and the rolled profile in its three variants
    QByteArray m_kasten15;
    QTemporaryDir m_laufzeit;

    Aufruf rufe(const QStringList& argumente) const
    {
        QProcess p;
        QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
        umgebung.insert("LANG", "C");
        umgebung.insert("XDG_RUNTIME_DIR", m_laufzeit.path());
        p.setProcessEnvironment(umgebung);
        p.start(m_programm, argumente);
        if (!p.waitForFinished(300000))
            return {};
        return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
    }
    QString pdftext(const QString& pdf) const
    {
        QProcess p;
        p.start("pdftotext", {"-layout", pdf, "-"});
        return p.waitForFinished(30000) ? QString::fromUtf8(p.readAllStandardOutput()) : QString();
    }

private slots:
    void initTestCase()
    {
        m_suite = std::make_unique<Testsuite>();
        m_programm = m_suite->exefiles() + "/" + programmdatei("TarvelloMain");
        QVERIFY(QFile::copy(QStringLiteral(TARVELLOMAIN), m_programm));
        QVERIFY(QFile::copy(QStringLiteral(DELMARIX), m_suite->exefiles() + "/" + programmdatei("Delmarix")));
        Testfenster f(*m_suite);
        QVERIFY(f.bereit);
        const Bemessungswerte bemessung = beispielbemessung();
        for (const Beispiel& b : beispiele()) {
            fuelleBeispiel(f.e, b);
            f.e.setzeBemessung(b.form == 15 ? bemessung : Bemessungswerte());
            const QByteArray inhalt = schreibeQuerschnittsdatei(f.form.querschnitt());
            if (b.form == 15)
                m_kasten15 = inhalt;
            m_dateien.append(m_suite->wurzel.filePath(QString::fromLatin1(b.name) + ".tqs"));
            schreibeDatei(m_dateien.last(), inhalt);
        }
        for (int variante = 0; variante < 3; ++variante) {
            fuelleWalzprofil(f.e, variante);
            m_dateien.append(m_suite->wurzel.filePath(QStringLiteral("Walzprofil %1.tqs").arg(variante)));
            schreibeDatei(m_dateien.last(), schreibeQuerschnittsdatei(f.form.querschnitt()));
        }
        QVERIFY(f.rekorder.gezeigt.empty());
    }
    void cleanupTestCase() { m_suite.reset(); }

    // Every section gets its PDF with the engine's values and a CSV line; the rail over the web, its check.
    // A damaged file and a missing one say why on stderr and make the exit non-zero; the others still run.
    void jedeDateiIhrPdfUndIhreZeile()
    {
        const QString kaputt = m_suite->wurzel.filePath("kaputt.tqs"), fremd = m_suite->wurzel.filePath("fremd.tqs");
        schreibeDatei(kaputt, "\"Tarvello-Querschnitt\",2\r\n\"familie\",1\r\n");
        Querschnittsdaten q = *leseQuerschnittsdatei(m_kasten15).querschnitt;
        q.schieneMittragend = false, q.ASchiene = "A999"; // a rail the catalog does not hold
        schreibeDatei(fremd, schreibeQuerschnittsdatei(q));
        const QString pdf = m_suite->wurzel.filePath("pdf"), csv = m_suite->wurzel.filePath("werte.csv");
        const Aufruf a = rufe(QStringList{"compute"} + m_dateien + QStringList{kaputt, m_suite->wurzel.filePath("fehlt.tqs"), fremd,
                                                                             "--pdf", pdf, "--csv", csv, "--language", "E"});
        QCOMPARE(a.code, 1);
        QVERIFY2(a.fehler.contains("kaputt.tqs: not computed\n  The file cannot be read or is no complete section file:") && a.fehler.contains("fehlt.tqs: not computed") &&
                     a.fehler.contains("fremd.tqs: not computed\n  The file names a rail or a profile that is not in the choice list") &&
                     a.fehler.contains(QStringLiteral("%1 of %2 sections computed.").arg(m_dateien.size()).arg(m_dateien.size() + 3)),
                 qPrintable(a.fehler));
        const QStringList zeilen = QString::fromUtf8(leseDatei(csv)).split("\r\n", Qt::SkipEmptyParts);
        QCOMPARE(zeilen.size(), m_dateien.size() + 1);
        QVERIFY(zeilen[0].startsWith("file,form,A [mm2]"));
        const int spalten = int(csvFelder(zeilen[0]).size());
        for (const QString& datei : m_dateien) {
            const QString name = QFileInfo(datei).fileName();
            const QString text = pdftext(pdf + "/" + QFileInfo(datei).completeBaseName() + ".pdf");
            const auto zeile = std::find_if(zeilen.begin(), zeilen.end(), [&](const QString& z) { return z.startsWith(name + ','); });
            QVERIFY2(zeile != zeilen.end(), qPrintable(name));
            const QStringList felder = csvFelder(*zeile);
            QCOMPARE(int(felder.size()), spalten);
            // The area of the CSV is the one the page prints, and the one the program builds from the file.
            const double A = felder[2].toDouble();
            QVERIFY2(text.contains(formatiereZahl(A, 0)), qPrintable(name + ": " + felder[2]));
            const auto gelesen = leseQuerschnittsdatei(leseDatei(datei));
            QVERIFY(gelesen.querschnitt);
            QVERIFY2(std::fabs(A - querschnittsflaeche(*gelesen.querschnitt).value_or(0)) < 1e-6 * A, qPrintable(name));
            // The rail over the web has design values: its check's pages follow, its utilisations fill the line.
            if (name.startsWith("Schiene_ueber_Steg")) {
                QVERIFY2(!felder[13].isEmpty() && !felder.last().isEmpty(), qPrintable(*zeile));
                QVERIFY(text.contains("EN 1993-6"));
                // The verdict is the page's: class 4 where the page says the elastic check does not apply.
                QCOMPARE(felder.last() == "class 4", text.contains("Class 4: the elastic check does not apply"));
                QVERIFY(QStringList({"satisfied", "not satisfied", "class 4", "incomplete"}).contains(felder.last()));
                // Each check's column holds the η its line on the check page prints; one not made stays empty.
                for (const auto& [spalte, zeilenanfang] : {std::pair{13, "Stresses at the points"}, {14, "Local bending of the web"},
                                                          {15, "Web under the wheel load"}, {16, "Shear buckling of the webs"},
                                                          {17, "Interaction of wheel load"}}) {
                    const QRegularExpressionMatch m =
                        QRegularExpression(QStringLiteral("\\n%1[^\\n]*η = ([0-9.]+)").arg(zeilenanfang)).match(text);
                    QCOMPARE(felder[spalte].isEmpty() ? QString("-") : QString::number(felder[spalte].toDouble(), 'f', 3),
                             m.hasMatch() ? m.captured(1) : QString("-"));
                }
            } else {
                QVERIFY2(felder[13].isEmpty() && felder.last().isEmpty(), qPrintable(*zeile));
            }
        }
    }

    // The language of the pages and the reasons; the German command name; usage faults exit 2.
    void spracheUndAufruffehler()
    {
        const QString pdf = m_suite->wurzel.filePath("pdf_de");
        const QString datei = m_suite->wurzel.filePath("Kasten.tqs");
        schreibeDatei(datei, m_kasten15);
        // A second file of the same name from another folder gets a PDF of its own.
        const QString zweite = m_suite->wurzel.filePath("andere/Kasten.tqs");
        schreibeDatei(zweite, m_kasten15);
        Aufruf a = rufe({"rechnen", datei, zweite, "--pdf", pdf, "--sprache", "D"});
        QCOMPARE(a.code, 0);
        QVERIFY2(a.fehler.isEmpty(), qPrintable(a.fehler)); // not on a terminal: nothing to tell when all went well
        QVERIFY(pdftext(pdf + "/Kasten.pdf").contains("Querschnitt:"));
        QVERIFY(pdftext(pdf + "/Kasten (2).pdf").contains("Querschnitt:"));
        a = rufe({"compute", datei});
        QCOMPARE(a.code, 2);
        QVERIFY2(a.fehler.contains("--pdf"), qPrintable(a.fehler));
        a = rufe({"compute", "--pdf", pdf});
        QCOMPARE(a.code, 2);
        a = rufe({"compute", "--help"});
        QVERIFY2(a.code == 0 && a.aus.contains("--csv") && a.aus.contains("--jobs"), qPrintable(a.aus));
    }
};

QTEST_MAIN(TestStapel)
#include "tst_stapel.moc"
