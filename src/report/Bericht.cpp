#include "Bericht.h"

#include "app/Dateien.h"
#include "drawing/Zeichenprimitive.h"

#include <QBuffer>
#include <algorithm>
#include <QPageLayout>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>

namespace {

constexpr double kMmProZoll = 25.4;
constexpr int kVorschauDpi = 96;
constexpr double kPapierrand = 6; // mm

class Druckerauftrag final : public Druckauftrag {
public:
    QPainter* beginneSeite() override
    {
        m_drucker = std::make_unique<QPrinter>(QPrinter::HighResolution);
        m_drucker->setPageSize(QPageSize(QPageSize::A4));
        m_drucker->setDocName(QStringLiteral("Tarvello"));
        m_painter = std::make_unique<QPainter>(m_drucker.get());
        return m_painter.get();
    }
    void beendeSeite() override
    {
        m_painter.reset(); // ending the painter sends the job
        m_drucker.reset();
    }

private:
    std::unique_ptr<QPrinter> m_drucker;
    std::unique_ptr<QPainter> m_painter;
};

// The pages collect in memory and go to their file in one write at the end,
// so that a full disk shows as a message, not as a damaged file.
class Pdfauftrag final : public Druckauftrag {
public:
    explicit Pdfauftrag(QString pfad) : m_pfad(std::move(pfad)) {}
    ~Pdfauftrag() override { m_painter.reset(); }
    QPainter* beginneSeite() override
    {
        if (m_painter) {
            m_writer->newPage();
            return m_painter.get();
        }
        m_puffer.open(QIODevice::WriteOnly);
        m_writer = std::make_unique<QPdfWriter>(&m_puffer);
        m_writer->setResolution(600);
        m_writer->setPageSize(QPageSize(QPageSize::A4));
        m_writer->setPageMargins(QMarginsF(0, 0, 0, 0));
        m_writer->setCreator(QStringLiteral("Tarvello ") + kProgrammversion);
        m_writer->setTitle(QStringLiteral("Tarvello"));
        m_painter = std::make_unique<QPainter>(m_writer.get());
        return m_painter.get();
    }
    void beendeSeite() override {}
    QString datei() const override { return m_pfad; }
    bool beende(QString& grund) override
    {
        m_painter.reset();
        m_writer.reset();
        if (m_puffer.data().isEmpty()) {
            grund = QStringLiteral("PDF");
            return false;
        }
        return dateischreiber()(m_pfad, m_puffer.data(), grund);
    }

private:
    QString m_pfad;
    QBuffer m_puffer;
    std::unique_ptr<QPdfWriter> m_writer;
    std::unique_ptr<QPainter> m_painter; // declared last: ends before the writer goes
};

} // namespace

QString pdfname(const QString& wort, const QString& name, const QDateTime& zeit)
{
    QString n = (wort + u' ' + name).simplified();
    for (QChar& c : n)
        if (taugtNichtImDateinamen(c))
            c = u'-';
    return n + zeit.toString(QStringLiteral(" yyyy-MM-dd HH-mm-ss")) + QStringLiteral(".pdf");
}

std::unique_ptr<Druckauftrag> druckerauftrag()
{
    if (QPrinterInfo::defaultPrinter().isNull())
        return nullptr;
    return std::make_unique<Druckerauftrag>();
}

Druckersuche& druckersuche()
{
    static Druckersuche suche = druckerauftrag;
    return suche;
}

std::unique_ptr<Druckauftrag> pdfauftrag(const QString& pfad) { return std::make_unique<Pdfauftrag>(pfad); }

QImage neueVorschauseite()
{
    const int breite = int(210 / kMmProZoll * kVorschauDpi + 0.5);
    const int hoehe = int(297 / kMmProZoll * kVorschauDpi + 0.5);
    QImage seite(breite, hoehe, QImage::Format_RGB32);
    const int proMeter = int(kVorschauDpi / kMmProZoll * 1000 + 0.5);
    seite.setDotsPerMeterX(proMeter);
    seite.setDotsPerMeterY(proMeter);
    seite.fill(Qt::white);
    return seite;
}

void Bericht::beginneBericht(double seitenlaenge, bool testansicht, Druckauftrag* auftrag)
{
    m_flaeche.reset();
    m_vorschaupainter.reset();
    m_testansicht = testansicht;
    m_seitenlaenge = std::min(seitenlaenge, kMaxSeitenlaenge);
    m_auftrag = testansicht ? nullptr : auftrag;
    if (m_auftrag) {
        m_painter = m_auftrag->beginneSeite();
    } else {
        m_seite = neueVorschauseite();
        m_vorschaupainter = std::make_unique<QPainter>(&m_seite);
        m_painter = m_vorschaupainter.get();
    }
    m_painter->resetTransform();
    // A printer's origin is the corner of its printable area; the preview and a PDF have
    // none, so they leave the margin an office printer would.
    if (!m_auftrag || !m_auftrag->datei().isEmpty())
        m_painter->translate(kPapierrand * m_painter->device()->logicalDpiX() / kMmProZoll,
                             kPapierrand * m_painter->device()->logicalDpiY() / kMmProZoll);
    m_flaeche = std::make_unique<Zeichenflaeche>(m_painter);
    m_flaeche->setzeFarbe(Qt::black);
    setzeZeichenziel(m_flaeche.get(), m_testansicht);
}

void kuerzeText(QString& text, double breite, const Zeichenflaeche& flaeche)
{
    while (!text.isEmpty() && flaeche.textWidth(text) > breite)
        text.chop(1);
}

void Bericht::druckeFusszeile(Berichtszaehler& z)
{
    Zeichenflaeche& f = *m_flaeche;
    // On paper the footer's origin lies 10 mm further down.
    if (!m_testansicht)
        m_painter->translate(0, 10 * f.pixelProMm());
    f.setzeSchrift(QStringLiteral("Times New Roman"), 8);
    f.setzeFett(false);
    f.setzeLinienbreite(linienbreite(1));
    // The footer starts at the page's left margin, as the body and the table do.
    const double links = std::min(0.0, f.linkerRand());
    double y = kFusszeileOben;
    f.rechteck(links, y, 175, y + 7);
    y += 1;
    QString s = z.projektname;
    kuerzeText(s, 80, f);
    schreibeBei(links + 2, y, s);
    if (z.seitenzahl > 0) {
        schreibeBei(160 - (170 - f.textWidth(s)) / 2, y, QString::number(z.seitenzahl));
        ++z.seitenzahl;
    }
    const QString version = QStringLiteral("Tarvello ") + kProgrammversion;
    schreibeBei(173 - f.textWidth(version), y, version);
    ++z.seitenzaehler;
}

QImage Bericht::beendeBericht(Berichtszaehler& z)
{
    if (m_flaeche->CurrentY > 10)
        druckeFusszeile(z);
    setzeZeichenziel(nullptr, m_testansicht);
    m_flaeche.reset();
    m_painter = nullptr;
    if (m_auftrag) {
        m_auftrag->beendeSeite();
        m_auftrag = nullptr;
        return QImage();
    }
    m_vorschaupainter.reset();
    return m_seite;
}
