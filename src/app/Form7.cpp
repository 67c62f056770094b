#include "Form7.h"

#include "Twips.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>

QStringList form7Zeilen(const QString& fragetext)
{
    QString text = fragetext;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (text.endsWith(u'\n'))
        text.chop(1);
    QStringList zeilen = text.split(u'\n');
    // The dialog has four line labels; a longer question is cut to four lines.
    while (zeilen.size() > 4)
        zeilen.removeLast();
    return zeilen;
}

Form7Geometrie berechneForm7(const QStringList& zeilen, const std::function<int(const QString&)>& breiteInTwips,
                             bool mitAbbrechen)
{
    Form7Geometrie g;
    // Three buttons need the room of three.
    if (mitAbbrechen)
        g.breite = 5100;
    g.zeilen = int(zeilen.size());
    for (const QString& zeile : zeilen) {
        const int b = breiteInTwips(zeile);
        if (g.breite - 300 < b)
            g.breite = b + 500;
    }
    const int rechts = mitAbbrechen ? 1185 : 0;
    g.linksAbbrechen = mitAbbrechen ? g.breite - 1240 : 0;
    g.linksNein = g.breite - 1240 - rechts;
    g.linksJa = g.breite - 2800 - rechts;
    if (g.zeilen == 1)
        g.labelLinks[0] = g.breite / 2 - breiteInTwips(zeilen[0]) / 2 - 100;
    if (g.zeilen == 3 || g.zeilen == 4) {
        g.hoehe += 240;
        g.tastenOben += 240;
    }
    return g;
}

Form7::Form7(Dialogvariablen& rufendeform, QWidget* parent) : QDialog(parent), m_rufendeform(rufendeform)
{
    setObjectName(QStringLiteral("Form7"));
    setWindowTitle(programmtitel());
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setModal(true);

    for (int k = 0; k < 4; ++k) {
        m_labels[size_t(k)] = new QLabel(k < 2 ? QStringLiteral("TEXT") : QString(), this);
        m_labels[size_t(k)]->setObjectName(QStringLiteral("Label1_%1").arg(k + 1));
        m_labels[size_t(k)]->hide();
    }
    const bool mitAbbrechen = !m_rufendeform.abbrechentext.isEmpty();
    m_tasten[0] = new QPushButton(m_rufendeform.jatext, this);
    m_tasten[1] = new QPushButton(m_rufendeform.neintext, this);
    m_tasten[2] = new QPushButton(m_rufendeform.abbrechentext, this);
    const qint16 antworten[3] = {6, 7, 2};
    for (int i = 0; i < 3; ++i) {
        m_tasten[size_t(i)]->setObjectName(QStringLiteral("Commandtaste_%1").arg(i + 1));
        m_tasten[size_t(i)]->setAutoDefault(true);
        connect(m_tasten[size_t(i)], &QPushButton::clicked, this, [this, a = antworten[i]] { beantworte(a); });
    }
    m_tasten[2]->setVisible(mitAbbrechen);

    const int erste = m_rufendeform.focustaste == 2 ? 2 : 1;
    setTabOrder(Commandtaste(erste), Commandtaste(3 - erste));
    setTabOrder(Commandtaste(3 - erste), Commandtaste(3));
    Commandtaste(erste)->setDefault(true);

    const QStringList zeilen = form7Zeilen(m_rufendeform.fragetext);
    for (int k = 0; k < zeilen.size(); ++k) {
        m_labels[size_t(k)]->setText(zeilen[k]);
        m_labels[size_t(k)]->adjustSize();
    }
    const QFontMetrics fm(m_labels[0]->font());
    m_geometrie = berechneForm7(
        zeilen, [&fm](const QString& s) { return fm.horizontalAdvance(s) * twipsProPixel; }, mitAbbrechen);

    for (int k = 0; k < m_geometrie.zeilen; ++k) {
        QLabel* l = m_labels[size_t(k)];
        l->move(px(m_geometrie.labelLinks[size_t(k)]), px(480 + 300 * k));
        l->show();
    }
    Commandtaste(1)->setGeometry(px(m_geometrie.linksJa), px(m_geometrie.tastenOben), px(1095), px(495));
    Commandtaste(2)->setGeometry(px(m_geometrie.linksNein), px(m_geometrie.tastenOben), px(975), px(495));
    Commandtaste(3)->setGeometry(px(m_geometrie.linksAbbrechen), px(m_geometrie.tastenOben), px(1095), px(495));
    setFixedSize(px(m_geometrie.breite), px(m_geometrie.hoehe));
}

void Form7::showEvent(QShowEvent* ereignis)
{
    QDialog::showEvent(ereignis);
    Commandtaste(m_rufendeform.focustaste == 2 ? 2 : 1)->setFocus(Qt::OtherFocusReason);
}

void Form7::beantworte(qint16 antwort)
{
    m_rufendeform.iantwort = antwort;
    hide();
    done(antwort == 6 ? QDialog::Accepted : QDialog::Rejected);
}

void Form7::reject() { beantworte(m_rufendeform.abbrechentext.isEmpty() ? 7 : 2); }
