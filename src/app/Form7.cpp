#include "Form7.h"

#include "Twips.h"

#include <QCloseEvent>
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

Form7Geometrie berechneForm7(const QStringList& zeilen, const std::function<int(const QString&)>& breiteInTwips)
{
    Form7Geometrie g;
    g.zeilen = int(zeilen.size());
    for (const QString& zeile : zeilen) {
        const int b = breiteInTwips(zeile);
        if (g.breite - 300 < b)
            g.breite = b + 500;
    }
    g.linksNein = g.breite - 1240;
    g.linksJa = g.breite - 2800;
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
    m_tasten[0] = new QPushButton(m_rufendeform.jatext, this);
    m_tasten[1] = new QPushButton(m_rufendeform.neintext, this);
    for (int i = 0; i < 2; ++i) {
        m_tasten[size_t(i)]->setObjectName(QStringLiteral("Commandtaste_%1").arg(i + 1));
        m_tasten[size_t(i)]->setAutoDefault(true);
        connect(m_tasten[size_t(i)], &QPushButton::clicked, this, [this, i] { tasteGeklickt(i + 1); });
    }

    const int erste = m_rufendeform.focustaste == 2 ? 2 : 1;
    setTabOrder(Commandtaste(erste), Commandtaste(3 - erste));
    Commandtaste(erste)->setDefault(true);

    const QStringList zeilen = form7Zeilen(m_rufendeform.fragetext);
    for (int k = 0; k < zeilen.size(); ++k) {
        m_labels[size_t(k)]->setText(zeilen[k]);
        m_labels[size_t(k)]->adjustSize();
    }
    const QFontMetrics fm(m_labels[0]->font());
    m_geometrie = berechneForm7(zeilen, [&fm](const QString& s) { return fm.horizontalAdvance(s) * twipsProPixel; });

    for (int k = 0; k < m_geometrie.zeilen; ++k) {
        QLabel* l = m_labels[size_t(k)];
        l->move(px(m_geometrie.labelLinks[size_t(k)]), px(480 + 300 * k));
        l->show();
    }
    Commandtaste(1)->setGeometry(px(m_geometrie.linksJa), px(m_geometrie.tastenOben), px(1095), px(495));
    Commandtaste(2)->setGeometry(px(m_geometrie.linksNein), px(m_geometrie.tastenOben), px(975), px(495));
    setFixedSize(px(m_geometrie.breite), px(m_geometrie.hoehe));
}

void Form7::showEvent(QShowEvent* ereignis)
{
    QDialog::showEvent(ereignis);
    Commandtaste(m_rufendeform.focustaste == 2 ? 2 : 1)->setFocus(Qt::OtherFocusReason);
}

void Form7::tasteGeklickt(int i)
{
    m_rufendeform.iantwort = i == 1 ? 6 : 7;
    m_Schliesssperre = false;
    hide();
    done(i == 1 ? QDialog::Accepted : QDialog::Rejected);
}

void Form7::reject()
{
    // Escape must not leave the dialog without an answer.
    if (!m_Schliesssperre)
        QDialog::reject();
}

void Form7::closeEvent(QCloseEvent* ereignis)
{
    if (m_Schliesssperre)
        ereignis->ignore();
    else
        QDialog::closeEvent(ereignis);
}
