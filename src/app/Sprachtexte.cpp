#include "Sprachtexte.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "kern/Feldleser.h"
#include "kern/Formen.h"

#include <QDir>
#include <algorithm>

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

} // namespace

QString textDateiFehlt(const QString& pfad)
{
    return QStringLiteral("File ") + anzeigename(pfad) + QStringLiteral(" fehlt/missing!");
}

QString textDateiBeschaedigt(const QString& pfad)
{
    return QStringLiteral("File ") + anzeigename(pfad) + QStringLiteral(" beschädigt oder unvollständig/damaged or incomplete!");
}

QString textEintragOhneDollar(const QString& pfad, const QString& eintrag)
{
    return QStringLiteral("Fehler/Error in ") + anzeigename(pfad) + QStringLiteral("\nDas $-Zeichen fehlt bei \n") + eintrag;
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

Textdateistand Printtexte::ladePrinttexte(const QString& pfad)
{
    m_texte.fill(QString());
    const auto text = leseTextdatei(pfad);
    if (!text)
        return Textdateistand::Fehlt;
    bool heil = besucheNummerntexte(*text, [this](int n, const QString& t) {
        if (n >= 0 && n < kAnzahl)
            m_texte[size_t(n)] = t;
        return true;
    });
    // The result page uses texts 2 to 19, the design check and the file buttons 31 to 63; without one
    // of them a line of a page or a caption of the dialog would be blank.
    for (int n = 2; n <= 63; ++n)
        heil = heil && (n > 19 && n < 31 ? true : !m_texte[size_t(n)].isEmpty());
    return heil ? Textdateistand::Heil : Textdateistand::Beschaedigt;
}

QString Printtexte::holePrinttext(int n) const
{
    return n >= 0 && n < kAnzahl ? m_texte[size_t(n)] : QString();
}

QString textPrinttexte(Textdateistand stand, const QString& pfad)
{
    switch (stand) {
    case Textdateistand::Fehlt: return QStringLiteral("Printtxt-File  fehlt/ missing");
    case Textdateistand::Beschaedigt: return textDateiBeschaedigt(pfad);
    case Textdateistand::Heil: break;
    }
    return {};
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

bool listeNenntForm(const QString& pfad, int familie, int nummer)
{
    const auto liste = leseQuerschnittsliste(pfad, familie);
    return liste && std::any_of(liste->begin(), liste->end(), [nummer](const Querschnittseintrag& e) { return e.nummer == nummer; });
}

void installiereQtUebersetzung(const QString& sprache)
{
    static QTranslator uebersetzer;
    QCoreApplication::removeTranslator(&uebersetzer);
    if (sprache == u"D" && uebersetzer.load(QLocale(QLocale::German), QStringLiteral("qtbase"), QStringLiteral("_"),
                                            QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&uebersetzer);
}
