#include "Form5.h"

#include "app/Twips.h"
#include "app/Dateien.h"
#include "app/Fensterlage.h"
#include "app/Start.h"
#include "kern/Zahlen.h"

#include <QBuffer>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <cmath>

namespace {

constexpr int kSeitenProGruppe = 3;
constexpr int kLuecke = 10; // pixels between pages

// The print button shows a printer, drawn here so it needs no icon theme.
QIcon druckersymbol()
{
    QPixmap bild(32, 32);
    bild.fill(Qt::transparent);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1.5));
    p.setBrush(Qt::white);
    p.drawRect(9, 3, 14, 10);
    p.setBrush(QColor(120, 120, 120));
    p.drawRoundedRect(3, 12, 26, 11, 2, 2);
    p.setBrush(Qt::white);
    p.drawRect(9, 19, 14, 10);
    p.drawLine(12, 23, 20, 23);
    p.drawLine(12, 26, 18, 26);
    return QIcon(bild);
}

} // namespace

std::vector<QImage> seitengruppen(const std::vector<QImage>& seiten)
{
    std::vector<QImage> gruppen;
    for (size_t erste = 0; erste < seiten.size(); erste += kSeitenProGruppe) {
        const size_t letzte = std::min(seiten.size(), erste + kSeitenProGruppe);
        int breite = 0, hoehe = 0;
        for (size_t i = erste; i < letzte; ++i) {
            breite = std::max(breite, seiten[i].width());
            hoehe += seiten[i].height() + (i > erste ? kLuecke : 0);
        }
        QImage gruppe(breite, hoehe, QImage::Format_RGB32);
        gruppe.fill(QColor(128, 128, 128));
        QPainter p(&gruppe);
        int y = 0;
        for (size_t i = erste; i < letzte; ++i) {
            p.drawImage(0, y, seiten[i]);
            y += seiten[i].height() + kLuecke;
        }
        gruppen.push_back(gruppe);
    }
    return gruppen;
}

Form5::Form5(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("form5"));
    setWindowTitle(QStringLiteral("Testansicht"));
    resize(px(13000), px(11000));
    // A keyboard user leaves the pages as any window of the suite: with Escape.
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, &QWidget::close);

    m_ansicht = new QWidget(this);
    m_ansicht->setObjectName(QStringLiteral("Ansicht"));
    m_ansicht->setAutoFillBackground(true);
    QPalette grau = m_ansicht->palette();
    grau.setColor(QPalette::Window, QColor(128, 128, 128));
    m_ansicht->setPalette(grau);
    for (int i = 0; i < 3; ++i) {
        Picture[size_t(i)] = new QLabel(m_ansicht);
        Picture[size_t(i)]->setObjectName(QStringLiteral("Picture%1").arg(i + 1));
        Picture[size_t(i)]->hide();
    }
    VScroll1 = new QScrollBar(Qt::Vertical, this);
    VScroll1->setObjectName(QStringLiteral("VScroll1"));
    connect(VScroll1, &QScrollBar::valueChanged, this, &Form5::bildlauf);

    anzahl = new QLineEdit(QStringLiteral("1"), this);
    anzahl->setObjectName(QStringLiteral("anzahl"));
    anzahl->setMaximumWidth(60);
    anzahl->setToolTip(QStringLiteral("Anzahl der Ausdrucke"));
    Command1 = new QPushButton(this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setIcon(druckersymbol());
    Command1->setIconSize(QSize(28, 28));
    Command1->setToolTip(QStringLiteral("Drucken"));
    connect(Command1, &QPushButton::clicked, this, [this] {
        const int kopien = std::max(0, int(std::lround(zahl(anzahl->text()))));
        close();
        emit drucken(kopien);
    });

    auto* leiste = new QVBoxLayout;
    leiste->addWidget(Command1);
    leiste->addWidget(anzahl);
    leiste->addStretch();
    auto* haupt = new QHBoxLayout(this);
    haupt->addLayout(leiste);
    haupt->addWidget(m_ansicht, 1);
    haupt->addWidget(VScroll1);
}

void Form5::passeAnBildschirmAn(int bildschirmbreiteTwips)
{
    if (istBreitbild(bildschirmbreiteTwips))
        resize(width() + px(kBreitbildZuschlag), height());
}

QString Form5::bitmap(int k) const { return verbinde(m_ordner, QStringLiteral("%1.bmp").arg(k)); }

bool Form5::zeigeSeiten(const std::vector<QImage>& seiten, const QString& TMPPATH, QString& fehler)
{
    m_ordner = TMPPATH;
    Seiten = int(seiten.size());
    const std::vector<QImage> gruppen = seitengruppen(seiten);
    maxind = int(gruppen.size());
    m_gruppenhoehe.clear();
    for (int k = 1; k <= maxind; ++k) {
        QByteArray bmp;
        QBuffer puffer(&bmp);
        puffer.open(QIODevice::WriteOnly);
        gruppen[size_t(k - 1)].save(&puffer, "BMP");
        QString grund;
        if (!dateischreiber()(bitmap(k), bmp, grund)) {
            // Never a black or half page: the preview stays closed.
            fehler = QDir::toNativeSeparators(bitmap(k)) + QStringLiteral(" (") + grund + u')';
            hide();
            return false;
        }
        m_gruppenhoehe.push_back(gruppen[size_t(k - 1)].height());
    }
    m_slots = {};
    for (QLabel* bild : Picture) {
        bild->clear();
        bild->hide();
    }
    anzahl->setText(QStringLiteral("1"));
    anzahl->show();
    VScroll1->setRange(0, bildlaufMaximum(std::max(1, Seiten)));
    VScroll1->setValue(0);
    bildlauf(0);
    m_warAktiv = false;
    if (!isVisible())
        legeAufBildschirm(this);
    show();
    raise();
    activateWindow();
    VScroll1->setFocus();
    return true;
}

void Form5::ladeGruppe(int slot, int k)
{
    QLabel* bild = Picture[size_t(slot)];
    m_slots[size_t(slot)] = k;
    if (k < 1 || k > maxind) {
        bild->clear();
        bild->hide();
        return;
    }
    // A missing bitmap leaves its box empty.
    const QPixmap pixmap(bitmap(k));
    bild->setPixmap(pixmap);
    bild->resize(pixmap.isNull() ? QSize(0, m_gruppenhoehe[size_t(k - 1)]) : pixmap.size());
    bild->show();
}

void Form5::bildlauf(int wert)
{
    if (m_beschaeftigt || maxind == 0)
        return;
    m_beschaeftigt = true;
    int gesamt = 0;
    for (int h : m_gruppenhoehe)
        gesamt += h + kLuecke;
    // The scroll range spans the whole report, however tall the view is.
    const int spielraum = std::max(0, gesamt - m_ansicht->height());
    const int oben = VScroll1->maximum() > 0 ? int(std::lround(double(wert) * spielraum / VScroll1->maximum())) : 0;
    int erste = 1, vorher = 0;
    while (erste < maxind && vorher + m_gruppenhoehe[size_t(erste - 1)] + kLuecke <= oben) {
        vorher += m_gruppenhoehe[size_t(erste - 1)] + kLuecke;
        ++erste;
    }
    if (maxind <= kSeitenProGruppe)
        erste = 1, vorher = 0; // every bitmap fits the three boxes: only their places change
    for (int slot = 0; slot < 3; ++slot)
        if (m_slots[size_t(slot)] != erste + slot)
            ladeGruppe(slot, erste + slot);
    int y = vorher - oben;
    const int links = std::max(0, (m_ansicht->width() - Picture[0]->width()) / 2);
    for (QLabel* bild : Picture) {
        bild->move(links, y);
        y += bild->height() + kLuecke;
    }
    m_beschaeftigt = false;
}

void Form5::resizeEvent(QResizeEvent* ereignis)
{
    QWidget::resizeEvent(ereignis);
    bildlauf(VScroll1->value());
}

void Form5::wheelEvent(QWheelEvent* ereignis)
{
    const int rasten = ereignis->angleDelta().y() / 120;
    VScroll1->setValue(std::clamp(VScroll1->value() - rasten * 2, VScroll1->minimum(), VScroll1->maximum()));
    ereignis->accept();
}

bool Form5::event(QEvent* ereignis)
{
    if (ereignis->type() == QEvent::WindowActivate)
        m_warAktiv = true;
    return QWidget::event(ereignis);
}

void Form5::closeEvent(QCloseEvent* ereignis)
{
    for (int k = 1; k <= maxind; ++k)
        QFile::remove(bitmap(k));
    for (QLabel* bild : Picture) {
        bild->clear();
        bild->hide();
    }
    m_slots = {};
    maxind = 0;
    Seiten = 0;
    QWidget::closeEvent(ereignis);
}
