// Developer command: writes a PNG of every section sketch into a folder, so
// anyone can look at them all at once.
//   tarvello_skizzen <output folder> [combo text file]
// For each section-form number of the combo file (by default the German one
// of the source tree) and for the three rolled-profile variants it writes the
// picture box as the window shows it and a four times magnified copy, and an
// overview sheets of all of them.
//   tarvello_skizzen --detail <output folder>
// draws the detailed drawings of the result page for every form of the
// German combo file, a sloped web of each family that offers one and the
// rolled variants, sample sections computed by the real engine, as the
// column of an A4 page at 300 dpi (another resolution, a screen's say, with
// the environment variable DPI).
#include "Detailzeichnung.h"
#include "Formnummern.h"
#include "drawing/Skizzen.h"

#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <array>
#include <cstdio>

namespace {

struct Bild {
    QString name;
    QImage bild;
};


// Pictures side by side, each framed as the picture box and captioned; four
// by four on a sheet, so that a sheet shows them at their own size.
constexpr int Spalten = 4, BilderJeBlatt = 16;

QImage uebersicht(const QList<Bild>& bilder)
{
    const int spalten = Spalten, rand = 6, beschriftung = 18;
    const int zelleB = Skizzenpixel + 2 * rand, zelleH = Skizzenpixel + 2 * rand + beschriftung;
    const int zeilen = (int(bilder.size()) + spalten - 1) / spalten;
    QImage blatt(spalten * zelleB, zeilen * zelleH, QImage::Format_RGB32);
    blatt.fill(QColor(220, 220, 220));
    QPainter p(&blatt);
    p.setFont(QFont(QStringLiteral("Liberation Sans"), 10));
    for (int i = 0; i < bilder.size(); ++i) {
        const int x = (i % spalten) * zelleB + rand, y = (i / spalten) * zelleH + rand;
        p.drawText(QRect(x, y, Skizzenpixel, beschriftung), Qt::AlignLeft | Qt::AlignVCenter, bilder[i].name);
        p.drawImage(x, y + beschriftung, bilder[i].bild);
        p.setPen(Qt::gray);
        p.drawRect(x - 1, y + beschriftung - 1, Skizzenpixel + 1, Skizzenpixel + 1);
        p.setPen(Qt::black);
    }
    return blatt;
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc == 3 && QString::fromLocal8Bit(argv[1]) == QStringLiteral("--detail"))
        return zeichneDetailbeispiele(QString::fromLocal8Bit(argv[2]));
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: tarvello_skizzen <output folder> [combo text file]\n"
                             "       tarvello_skizzen --detail <output folder>\n");
        return 2;
    }
    const QDir aus(QDir(QString::fromLocal8Bit(argv[1])).absolutePath());
    QDir().mkpath(aus.path());
    const QString combo =
        argc == 3 ? QString::fromLocal8Bit(argv[2]) : QStringLiteral(TARVELLO_QUELLDATEN "/Combo.D");
    const QList<int> nummern = formnummernAus(combo);
    if (nummern.isEmpty()) {
        std::fprintf(stderr, "no section forms in %s\n", qPrintable(combo));
        return 1;
    }

    QList<Bild> bilder;
    bool ok = true;
    for (const int nummer : nummern) {
        const QString name = QStringLiteral("Skizze_%1").arg(nummer);
        bilder.append({QString::number(nummer), skizzenbild(nummer)});
        ok = speichere(bilder.last().bild, aus, name) && ok;
        ok = speichere(skizzenbild(nummer, 4), aus, name + QStringLiteral("_x4")) && ok;
    }
    for (int variante = 0; variante <= 2; ++variante) {
        const QString name = QStringLiteral("Walzprofil_%1").arg(variante);
        bilder.append({QString::number(std::array{102, 103, 110}[size_t(variante)]), walzprofilbild(variante)});
        ok = speichere(bilder.last().bild, aus, name) && ok;
        ok = speichere(walzprofilbild(variante, 4), aus, name + QStringLiteral("_x4")) && ok;
    }
    for (int erstes = 0, blatt = 1; erstes < bilder.size(); erstes += BilderJeBlatt, ++blatt)
        ok = speichere(uebersicht(bilder.mid(erstes, BilderJeBlatt)), aus, QStringLiteral("Uebersicht_%1").arg(blatt)) &&
             ok;
    return ok ? 0 : 1;
}
