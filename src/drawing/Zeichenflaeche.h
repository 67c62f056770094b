#pragma once
// The drawing target every picture of the program is drawn on: the section
// picture box, a preview page and the printer alike. Coordinates are
// millimetres with the origin at the top left and y growing downwards; the
// current position (CurrentX, CurrentY) moves as text is written, so pages
// are laid out line by line.
//
// Every primitive can also be logged, in millimetres, so tests can check
// what was drawn where without looking at pixels.

#include <QColor>
#include <QFont>
#include <QPointF>
#include <QString>
#include <vector>

class QPainter;

struct Zeichenschritt {
    enum class Art { Linie, Rechteck, Bogen, Text, Linienbreite, Schrift, Loeschen, LinkerRand };
    Art art;
    // Line ends, box corners, arc centre and radius (x2), text top-left and
    // bottom-right corner of its extent, new left edge (x1).
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    double winkel1 = 0, winkel2 = 0;        // arc start and end in radians, counter-clockwise
    QString text;                           // written text, font name
    double wert = 0;                        // line width in pixels, font size in points
    bool gefuellt = false;
};

class Zeichenflaeche {
public:
    // Draws with the painter on its device; the device's resolution fixes the millimetre scale.
    explicit Zeichenflaeche(QPainter* painter);

    QPainter* painter() const { return m_painter; }
    double pixelProMm() const { return m_pxProMm; }
    // Horizontal resolution of the device in dots per inch.
    int dpi() const;

    double CurrentX = 0;
    double CurrentY = 0;

    // Writes text with its top at the current position. With a line end the
    // position moves to the left edge of the next line, otherwise to the end
    // of the text on the same line.
    void print(const QString& text, bool zeilenende = true);
    double textWidth(const QString& text) const;
    double textHeight(const QString& text = QStringLiteral("X")) const;

    void linie(double x1, double y1, double x2, double y2);
    void linie(QPointF a, QPointF b) { linie(a.x(), a.y(), b.x(), b.y()); }
    void rechteck(double x1, double y1, double x2, double y2, bool gefuellt = false);
    // Arc around (cx, cy) from winkel1 to winkel2 (radians, counter-clockwise
    // as on paper, i.e. measured with y pointing up); a full circle for 0..2π.
    void bogen(double cx, double cy, double radius, double winkel1, double winkel2);
    void kreis(double cx, double cy, double radius, bool gefuellt = false);
    // A filled polygon in the current colour, corners in millimetres, without outline.
    void flaeche(const QPolygonF& ecken);

    // Line width in device pixels.
    void setzeLinienbreite(int pixel);
    int linienbreitePixel() const { return m_linienbreite; }
    void setzeFarbe(const QColor& farbe);
    void setzeSchrift(const QString& name, double punkte);
    void setzeSchriftgroesse(double punkte);
    void setzeFett(bool fett);

    // A drawing that failed and was left out of the page, for the window to tell.
    void vermerkeZeichenfehler() { m_zeichenfehler = true; }
    bool hatteZeichenfehler() const { return m_zeichenfehler; }
    QString schriftname() const { return m_schrift.family(); }
    double schriftgroesse() const { return m_schrift.pointSizeF(); }

    // The x coordinate shown at the surface's left edge (0 unless a drawing
    // shifts its origin): a point at x appears linkerRand() millimetres
    // further left. Everything logged keeps the drawing's own coordinates.
    void setzeLinkenRand(double x);
    double linkerRand() const { return m_linkerRand; }

    // Clears the whole device to the colour and puts the position to the origin.
    void loesche(const QColor& hintergrund = Qt::white);

    void protokolliereIn(std::vector<Zeichenschritt>* protokoll) { m_protokoll = protokoll; }

private:
    QPointF px(double x, double y) const { return {(x - m_linkerRand) * m_pxProMm, y * m_pxProMm}; }
    void aktualisiereStift();
    void protokolliere(const Zeichenschritt& schritt);

    QPainter* m_painter;
    double m_pxProMm;
    int m_linienbreite = 1;
    double m_linkerRand = 0;
    bool m_zeichenfehler = false;
    QColor m_farbe = Qt::black;
    QFont m_schrift;
    std::vector<Zeichenschritt>* m_protokoll = nullptr;
};

// Writes a label at the current position and the value formatted with one of
// the five number patterns so that it ends exactly at x, followed by the unit.
void druckeZahlRechts(Zeichenflaeche& flaeche, double x, int muster, double wert, const QString& beschriftung,
                      const QString& einheit);
