// Developer command: writes PNG pictures of the program's windows (and later
// of every sketch) into a folder, so they can all be looked at at once.
//   tarvello_bilder <suite folder (with exefiles/ and Daten/)> <output folder>
#include "Startfenster.h"
#include "app/Form7.h"
#include "app/Hauptform.h"
#include "app/Meldungen.h"
#include "app/Start.h"

#include <QApplication>
#include <QDir>
#include <QCheckBox>
#include <QComboBox>
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
    const QString exefiles = suite + QStringLiteral("/exefiles");
    const QString path0 = bestimmePath0(suite);

    for (const char* kennung : {"D", "E"}) {
        const QString sprache = QString::fromLatin1(kennung);
        schreibeInifile2(path0, {QStringLiteral("Bilder"), sprache});
        Startfenster start(bestimmeSuitenordner(exefiles));
        speichere(start, aus.filePath(QStringLiteral("TarvelloMain_%1.png").arg(sprache)));

        Hauptform form;
        if (!form.starte(exefiles))
            return 1;
        speichere(form, aus.filePath(QStringLiteral("Hauptform_%1.png").arg(sprache)));
        Eingabeseite& e = *form.eingabe;
        const struct {
            int familie, form;
        } beispiele[] = {{1, 15}, {2, 36}, {4, 225}, {5, 53}, {6, 119}, {7, 315}, {0, 5}};
        for (const auto& b : beispiele) {
            QTest::mouseClick(e.Option1[size_t(b.familie)], Qt::LeftButton, {}, QPoint(6, 8));
            const int index = e.Querschnitt->findData(b.form);
            e.Querschnitt->setCurrentIndex(index);
            e.formGewaehlt(index);
            speichere(form, aus.filePath(QStringLiteral("Hauptform_%1_%2.png").arg(sprache).arg(b.form)));
        }
        QTest::mouseClick(e.Option1[3], Qt::LeftButton, {}, QPoint(6, 8));
        e.Combo1[0]->setCurrentText(QStringLiteral("HEB"));
        e.profillisteGeklickt(0);
        e.Combo1[1]->setCurrentText(QStringLiteral("300"));
        e.profillisteGeklickt(1);
        e.HUGCheck->setChecked(true);
        speichere(form, aus.filePath(QStringLiteral("Hauptform_%1_Walzprofil.png").arg(sprache)));

        Dialogvariablen frage = form.dialog;
        frage.fragetext = form.holeMessage(1000);
        frage.focustaste = 2;
        Form7 dialog(frage, &form);
        speichere(dialog, aus.filePath(QStringLiteral("Form7_%1.png").arg(sprache)));
        dialog.hide();
        form.Rückkehrmodus = 9;
        form.close();
    }
    QFile::remove(inifile2Pfad(path0));
    return 0;
}
