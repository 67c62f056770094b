#include "Sprachdateien.h"
#include "kern/Formen.h"

#include "kern/Feldleser.h"
#include "Meldungen.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>

namespace {

QString anzeigename(const QString& pfad) { return QDir::toNativeSeparators(pfad); }

// Records of a number and a text (message and print text files); a record
// whose number is not a 16-bit integer is passed over. Returns false for a
// damaged file: such a record, or a number without its text at the end.
template <typename Besucher>
bool besucheNummerntexte(const QString& text, Besucher&& besuche)
{
    Feldleser leser(text);
    bool heil = true;
    while (auto nummer = leser.naechstesFeld()) {
        const auto feldtext = leser.naechstesFeld();
        if (!feldtext)
            return false;
        const auto n = alsGanzzahl16(*nummer);
        if (!n) {
            heil = false;
            continue;
        }
        QString t = *feldtext;
        t.replace(u';', u',');
        if (!besuche(int(*n), t))
            return heil;
    }
    return heil;
}

std::optional<QString> beschriftung(QWidget* w)
{
    if (auto* b = qobject_cast<QAbstractButton*>(w))
        return b->text();
    if (auto* l = qobject_cast<QLabel*>(w))
        return l->text();
    if (auto* g = qobject_cast<QGroupBox*>(w))
        return g->title();
    return std::nullopt;
}

void setzeBeschriftung(QWidget* w, const QString& wert)
{
    if (auto* b = qobject_cast<QAbstractButton*>(w))
        b->setText(wert);
    else if (auto* l = qobject_cast<QLabel*>(w))
        l->setText(wert);
    else if (auto* g = qobject_cast<QGroupBox*>(w))
        g->setTitle(wert);
}

void wendeEintragAn(QWidget* fenster, const QList<QWidget*>& steuerelemente, const Formtexteintrag& e)
{
    if (e.abschnitt == 1) {
        fenster->setWindowTitle(e.wert);
        return;
    }
    for (QWidget* w : steuerelemente) {
        switch (e.abschnitt) {
        case 2:
        case 3:
            if (beschriftung(w) == e.schluessel)
                setzeBeschriftung(w, e.wert);
            break;
        case 4:
            if (auto* gitter = qobject_cast<QTableWidget*>(w);
                gitter && gitter->property(kGitterformat).toString() == e.schluessel) {
                const QStringList teile = e.wert.split(u'|');
                if (gitter->columnCount() < teile.size())
                    gitter->setColumnCount(teile.size());
                for (int i = 0; i < teile.size(); ++i)
                    gitter->setHorizontalHeaderItem(i, new QTableWidgetItem(teile[i]));
            }
            break;
        case 5:
            if (auto* feld = qobject_cast<QLineEdit*>(w); feld && feld->text() == e.schluessel)
                feld->setText(e.wert);
            break;
        case 6:
            if (w->toolTip() == e.schluessel)
                w->setToolTip(e.wert);
            break;
        default:
            break;
        }
    }
}

} // namespace

QString textDateiFehlt(const QString& pfad)
{
    return QStringLiteral("File ") + anzeigename(pfad) + QStringLiteral(" fehlt/missing!");
}

QString textDateiBeschaedigt(const QString& pfad)
{
    return QStringLiteral("File ") + anzeigename(pfad) + QStringLiteral(" beschädigt oder unvollständig/damaged or incomplete!");
}

Formtexte leseFormtexte(const QString& pfad)
{
    Formtexte ergebnis;
    const auto text = leseTextdatei(pfad);
    if (!text) {
        ergebnis.dateiFehlt = true;
        return ergebnis;
    }
    Feldleser leser(*text);
    auto eintrag = leser.naechstesFeld();
    while (eintrag && eintrag->startsWith(u'#')) {
        bool ok = false;
        const int abschnitt = eintrag->mid(1).trimmed().toInt(&ok);
        if (!ok || abschnitt < 1 || abschnitt > 6)
            break;
        eintrag = leser.naechstesFeld();
        if (abschnitt == 1 && eintrag && eintrag->startsWith(u'#') && !eintrag->contains(u'$')) {
            ergebnis.eintragOhneDollar = *eintrag; // the title entry is missing
            return ergebnis;
        }
        int gelesen = 0;
        while (eintrag && !eintrag->startsWith(u'#')) {
            // Section 1 holds exactly one entry; what follows it must be a header.
            if (abschnitt == 1 && gelesen == 1)
                return ergebnis;
            const int dollar = eintrag->indexOf(u'$');
            if (dollar < 0) {
                ergebnis.eintragOhneDollar = *eintrag;
                return ergebnis;
            }
            ergebnis.eintraege.push_back({abschnitt, eintrag->left(dollar), eintrag->mid(dollar + 1)});
            ++gelesen;
            eintrag = leser.naechstesFeld();
        }
    }
    return ergebnis;
}

void wendeFormtexteAn(QWidget* fenster, const std::vector<Formtexteintrag>& eintraege)
{
    const QList<QWidget*> steuerelemente = fenster->findChildren<QWidget*>();
    for (const Formtexteintrag& e : eintraege)
        wendeEintragAn(fenster, steuerelemente, e);
}

void ladeFormtexte(QWidget* fenster, const QString& pfad)
{
    const Formtexte texte = leseFormtexte(pfad);
    if (texte.dateiFehlt) {
        meldungen().zeige(textDateiFehlt(pfad), Meldungssymbol::Stopp);
        return;
    }
    wendeFormtexteAn(fenster, texte.eintraege);
    if (texte.eintragOhneDollar)
        meldungen().zeige(QStringLiteral("Fehler/Error in ") + anzeigename(pfad) +
                              QStringLiteral("\nDas $-Zeichen fehlt bei \n") + *texte.eintragOhneDollar,
                          Meldungssymbol::Keins);
}

void Printtexte::ladePrinttexte(const QString& pfad)
{
    m_texte.fill(QString());
    const auto text = leseTextdatei(pfad);
    if (!text) {
        meldungen().zeige(QStringLiteral("Printtxt-File  fehlt/ missing"), Meldungssymbol::Keins);
        return;
    }
    bool heil = besucheNummerntexte(*text, [this](int n, const QString& t) {
        if (n >= 0 && n < kAnzahl)
            m_texte[size_t(n)] = t;
        return true;
    });
    // The result page uses texts 2 to 19, the design check and the file buttons 31 to 63; without one
    // of them a line of a page or a caption of the dialog would be blank.
    for (int n = 2; n <= 63; ++n)
        heil = heil && (n > 19 && n < 31 ? true : !m_texte[size_t(n)].isEmpty());
    if (!heil)
        meldungen().zeige(textDateiBeschaedigt(pfad), Meldungssymbol::Keins);
}

QString Printtexte::holePrinttext(int n) const
{
    return n >= 0 && n < kAnzahl ? m_texte[size_t(n)] : QString();
}

QString holeMessage(const QString& Messagedatei, int n)
{
    const auto text = leseTextdatei(Messagedatei);
    if (!text)
        return QStringLiteral("Message-File  fehlt/ missing");
    std::optional<QString> gefunden;
    besucheNummerntexte(*text, [&](int nummer, const QString& t) {
        if (nummer != n)
            return true;
        gefunden = t;
        return false;
    });
    return gefunden ? *gefunden : QStringLiteral("Message-Text fehlt/missing:") + QString::number(n);
}

std::optional<std::vector<Querschnittseintrag>> leseQuerschnittsliste(const QString& pfad, int familie, bool* heil)
{
    const auto text = leseTextdatei(pfad);
    if (!text)
        return std::nullopt;
    std::vector<Querschnittseintrag> liste;
    Feldleser leser(*text);
    bool vollstaendig = true;
    while (auto gruppe = leser.naechstesFeld()) {
        const auto nummer = leser.naechstesFeld();
        const auto name = leser.naechstesFeld();
        if (!nummer || !name) {
            vollstaendig = false;
            break;
        }
        const auto g = alsGanzzahl16(*gruppe);
        const auto c = alsGanzzahl16(*nummer);
        vollstaendig = vollstaendig && g && c;
        if (g && c && *g == 1 && familieBietet(familie, *c))
            liste.push_back({*name, *c});
    }
    if (heil)
        *heil = vollstaendig;
    return liste;
}

void ladeQuerschnittsliste(QComboBox* Querschnitt, const QString& prompt, const QString& pfad, int familie)
{
    Querschnitt->clear();
    Querschnitt->setEditText(prompt);
    bool heil = true;
    const auto liste = leseQuerschnittsliste(pfad, familie, &heil);
    if (!liste) {
        meldungen().zeige(textDateiFehlt(pfad), Meldungssymbol::Stopp);
        return;
    }
    if (!heil)
        meldungen().zeige(textDateiBeschaedigt(pfad), Meldungssymbol::Keins);
    for (const Querschnittseintrag& e : *liste)
        Querschnitt->addItem(e.text, e.nummer);
    // Adding items must not replace the prompt while nothing is chosen.
    Querschnitt->setCurrentIndex(-1);
    Querschnitt->setEditText(prompt);
}
