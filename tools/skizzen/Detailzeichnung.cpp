#include "Detailzeichnung.h"

#include "Detailbeispiele.h"
#include "Formnummern.h"
#include "Rechenlauf.h"
#include "drawing/Detailzeichnungen.h"
#include "drawing/Zeichenflaeche.h"
#include "drawing/Zeichenprimitive.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <cstdio>
#include <functional>

namespace {

const int kDpi = qEnvironmentVariableIntValue("DPI") > 0 ? qEnvironmentVariableIntValue("DPI") : 300;

// The upper part of an A4 result page (the page's left edge at -20): the
// drawing's column, the value lines' right edge and the footer's width marked
// in grey, the drawing's top 9 below the line that names the form.
QImage seite(const std::function<void(Zeichenflaeche&, double&)>& zeichne)
{
    const double pxProMm = kDpi / 25.4;
    QImage bild(int(210 * pxProMm), int(160 * pxProMm), QImage::Format_RGB32);
    bild.setDotsPerMeterX(qRound(kDpi / 0.0254));
    bild.setDotsPerMeterY(qRound(kDpi / 0.0254));
    bild.fill(Qt::white);
    QPainter painter(&bild);
    Zeichenflaeche f(&painter);
    f.setzeLinkenRand(-20);
    const Zeichenzielbindung bindung(&f, true);
    f.setzeFarbe(QColor(200, 200, 200));
    f.linie(0, 0, 0, 160);
    f.linie(175, 0, 175, 160);
    f.linie(62, 0, 62, 160);
    f.setzeFarbe(Qt::black);
    f.setzeSchrift(QStringLiteral("Times New Roman"), 14);
    f.CurrentX = 0;
    f.CurrentY = 12;
    f.print(QStringLiteral("Querschnitt: ..."));
    double y = 12 + 9;
    zeichne(f, y);
    return bild;
}

} // namespace

int zeichneDetailbeispiele(const QString& ordnerName)
{
    const QDir ordner(QDir(ordnerName).absolutePath());
    QDir().mkpath(ordner.path());
    const QString katalog = QStringLiteral(TARVELLO_QUELLDATEN "/ASchiene");
    bool ok = true;
    for (const Zeichnungsfall& b : alleZeichnungsfaelle(formnummernAus(QStringLiteral(TARVELLO_QUELLDATEN "/Combo.D")))) {
        const std::optional<Rechenlauf> lauf = b.modus ? rechneWalzprofil(b.q) : rechne(b.q, katalog);
        if (!lauf) {
            std::fprintf(stderr, "%s: the engine computed nothing\n", qPrintable(b.name));
            ok = false;
            continue;
        }
        const QImage bild = seite([&](Zeichenflaeche& f, double& y) {
            const double unten = b.modus ? zeichneWalzprofil(f, y, b.q, b.modus, lauf->lage)
                                         : zeichneSchweissquerschnitt(f, y, b.q, lauf->schiene, lauf->lage);
            f.setzeFarbe(Qt::red);
            f.linie(0, unten, 175, unten);
            f.setzeFarbe(Qt::black);
        });
        ok = speichere(bild, ordner, b.name) && ok;
    }
    return ok ? 0 : 1;
}
