// Developer command: writes pictures of the program's windows and of a result
// page for a typical section of every family (preview bitmap and printed PDF)
// into a folder, so they can all be looked at at once.
//   tarvello_bilder <installed suite folder (exefiles/, Daten/)> <output folder>
#include "Beispieleingabe.h"
#include "Startfenster.h"
#include "fenster/Bemessungsdialog.h"
#include "app/Dateiwahl.h"
#include "app/Form7.h"
#include "fenster/Hauptform.h"
#include "app/Meldungen.h"
#include "app/Start.h"
#include "report/Bericht.h"
#include "report/Form5.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <cstdio>

namespace {

class Stumm final : public Meldungsanzeige {
public:
    void zeige(const QString& text, Meldungssymbol) override { std::fprintf(stderr, "%s\n", qPrintable(text)); }
    void frage(QWidget*, Dialogvariablen& v) override { v.iantwort = 6; }
};

void speichere(QWidget& w, const QString& datei)
{
    w.show();
    QCoreApplication::processEvents();
    w.grab().save(datei);
    std::printf("%s\n", qPrintable(datei));
}

// The result page as the preview shows it, and as it is printed.
void ergebnis(Hauptform& form, bool ok, const QDir& aus, const QString& name)
{
    if (!ok || !form.form5) {
        std::fprintf(stderr, "no result page for %s\n", qPrintable(name));
        return;
    }
    // The preview stacks the pages of a report into one bitmap; each page is cut out of it.
    const QImage gruppe(form.form5->bitmap(1));
    const int hoehe = neueVorschauseite().height();
    for (int k = 1; k <= form.form5->Seiten; ++k) {
        const QString datei = aus.filePath(name + (k > 1 ? QStringLiteral("_Seite%1").arg(k) : QString()) + ".png");
        gruppe.copy(0, (k - 1) * (gruppe.height() - hoehe) / std::max(1, form.form5->Seiten - 1), gruppe.width(), hoehe)
            .save(datei);
        std::printf("%s\n", qPrintable(datei));
    }
    form.form5->close();
    form.anzahldrucke1 = 1;
    form.druckertaste();
    if (!form.letzteDruckdatei.isEmpty()) {
        QFile::remove(aus.filePath(name + QStringLiteral(".pdf")));
        QFile::rename(form.letzteDruckdatei, aus.filePath(name + QStringLiteral(".pdf")));
    }
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tarvello"));
    if (argc != 3) {
        std::fprintf(stderr, "usage: tarvello_bilder <suite folder> <output folder>\n");
        return 2;
    }
    const QString suite = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
    const QDir aus(QDir(QString::fromLocal8Bit(argv[2])).absolutePath());
    QDir().mkpath(aus.path());
    Stumm stumm;
    setzeMeldungsanzeige(&stumm);
    programmstarter() = [](const QString&, const QString&) { return true; };
    ordneranzeige() = [](const QString&) { return true; };
    const QString exefiles = suite + QStringLiteral("/exefiles");
    const QString path0 = bestimmePath0(suite);

    for (const char* kennung : {"D", "E"}) {
        const QString sprache = QString::fromLatin1(kennung);
        schreibeInifile2(path0, {QStringLiteral("Bilder"), sprache, QString()});
        Startfenster start(bestimmeSuitenordner(exefiles));
        speichere(start, aus.filePath(QStringLiteral("TarvelloMain_%1.png").arg(sprache)));

        QFile::remove(path0 + QStringLiteral("/Bilder/.zuletzt.tqs")); // every picture from a fresh window
        Hauptform form;
        if (!form.starte(exefiles))
            return 1;
        speichere(form, aus.filePath(QStringLiteral("Hauptform_%1.png").arg(sprache)));
        Eingabeseite& e = *form.eingabe;
        const Bemessungswerte bemessung = beispielbemessung();
        for (const Beispiel& b : beispiele()) {
            fuelleBeispiel(e, b);
            // The rail over the web carries a wheel load: its page shows the design check too.
            e.setzeBemessung(b.form == 15 ? bemessung : Bemessungswerte());
            speichere(form, aus.filePath(QStringLiteral("Hauptform_%1_%2.png").arg(sprache).arg(b.form)));
            form.bericht.projektname = QStringLiteral("(") + e.Querschnitt->currentText() + u')';
            ergebnis(form, form.zeigeBericht(), aus,
                     QStringLiteral("Ergebnis_%1_%2").arg(sprache, QString::fromLatin1(b.name)));
        }
        // The rolled profile in its three variants.
        for (int variante = 0; variante < 3; ++variante) {
            fuelleWalzprofil(e, variante);
            speichere(form, aus.filePath(QStringLiteral("Hauptform_%1_Walzprofil_%2.png").arg(sprache).arg(variante)));
            form.bericht.projektname = QStringLiteral("(") + e.Typ->text() + u')';
            ergebnis(form, form.zeigeBericht(), aus, QStringLiteral("Ergebnis_%1_Walzprofil_%2").arg(sprache).arg(variante));
        }

        Traegerwerte traeger;
        traeger.spannweite = QStringLiteral("8");
        Bemessungsdialog werte(bemessung, traeger, [&](int n) { return form.holePrinttext(n); },
                               [&](int n) { return form.holeMessage(n); }, false, &form);
        speichere(werte, aus.filePath(QStringLiteral("Bemessung_%1.png").arg(sprache)));
        werte.reiter->setCurrentIndex(1);
        speichere(werte, aus.filePath(QStringLiteral("Bauteil_%1.png").arg(sprache)));
        werte.hide();

        Dialogvariablen frage = form.dialog;
        frage.fragetext = form.holeMessage(1000);
        frage.focustaste = 2;
        Form7 dialog(frage, &form);
        speichere(dialog, aus.filePath(QStringLiteral("Form7_%1.png").arg(sprache)));
        dialog.hide();
        form.Rueckkehrmodus = 9;
        form.close();
    }
    QFile::remove(inifile2Pfad(path0));
    return 0;
}
