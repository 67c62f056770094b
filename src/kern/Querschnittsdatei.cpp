#include "Querschnittsdatei.h"

#include "Feldleser.h"
#include "Feldregeln.h"
#include "Formen.h"

#include <QStringList>
#include <algorithm>
#include <functional>
#include <map>
#include <set>
#include <vector>

namespace {

const QString kEndeEintrag = QStringLiteral("Ende");

// One text of the record under its name in the file, with the rule its field
// applies to typing; the design and member values have the check's own rules.
struct Texteintrag {
    QString name;
    QString* wert;
    std::optional<Feldregel> regel = Feldregel::Mass;
};

void profileintraege(std::vector<Texteintrag>& e, const QString& teil, HProfilmasse& p)
{
    for (auto [name, wert] : {std::pair{"H", &p.H}, {"B", &p.B}, {"S", &p.S}, {"T", &p.T}})
        e.push_back({teil + u'.' + QLatin1String(name), wert});
    // A profile welded from plates has no root radius.
    e.push_back({teil + QStringLiteral(".R"), &p.R, Feldregel::Radius});
}

// Every text of the record, in the order of the file. Writer, reader and the
// captions all go through this list, so no value can be written under one
// name and read or named under another.
std::vector<Texteintrag> texteintraege(Querschnittsdaten& q)
{
    Plattenmasse& m = q.masse;
    Zellenmasse& z = m.zelle2;
    std::vector<Texteintrag> e{
        {"obergurtbreite", &m.obergurtbreite}, {"obergurtdicke", &m.obergurtdicke},
        {"untergurtbreite", &m.untergurtbreite}, {"untergurtdicke", &m.untergurtdicke},
        {"steghoehe", &m.steghoehe}, {"stegdicke", &m.stegdicke}, {"stegdicke2", &m.stegdicke2},
        {"schottbreite", &m.schottbreite}, {"schienenhoehe", &m.schienenhoehe},
        {"schienenbreite", &m.schienenbreite}, {"steghoehe2", &m.steghoehe2},
        {"stegwinkel", &m.stegwinkel, Feldregel::Stegwinkel}, {"hoehe2", &m.hoehe2}, {"breite2", &m.breite2},
        {"zelle2.BO3", &z.BO3}, {"zelle2.TO3", &z.TO3}, {"zelle2.HS3", &z.HS3}, {"zelle2.TS3", &z.TS3},
        {"zelle2.AS3", &z.AS3}, {"stegprofilreihe", &q.stegprofilreihe, std::nullopt},
        {"stegprofilgroesse", &q.stegprofilgroesse, std::nullopt},
    };
    profileintraege(e, "stegprofil", q.stegprofil);
    e.push_back({"ASchiene", &q.ASchiene, std::nullopt});
    for (size_t i = 0; i < q.steifen.size(); ++i) {
        Steifenmasse& s = q.steifen[i];
        const QString reihe = QStringLiteral("steifen%1.").arg(i + 1);
        e.push_back({reihe + QStringLiteral("lage"), &s.lage, Feldregel::Steifenlage});
        e.push_back({reihe + QStringLiteral("lang1"), &s.lang1, Feldregel::Mindestens1});
        e.push_back({reihe + QStringLiteral("lang2"), &s.lang2, Feldregel::Nichtnegativ});
        e.push_back({reihe + QStringLiteral("dicke"), &s.dicke, Feldregel::Mindestens1});
    }
    e.push_back({"Typ", &q.Typ, std::nullopt});
    profileintraege(e, "walzprofil", q.walzprofil);
    e.push_back({"flachschienenhoehe", &q.flachschienenhoehe});
    e.push_back({"flachschienenbreite", &q.flachschienenbreite});
    profileintraege(e, "untergurtprofil", q.untergurtprofil);
    Bemessungswerte& b = q.bemessung;
    for (auto [name, wert] : {std::pair{"N", &b.N}, {"Vy", &b.Vy}, {"Vz", &b.Vz}, {"Mx", &b.Mx}, {"My", &b.My},
                              {"Mz", &b.Mz}, {"stahlsorte", &b.stahlsorte}, {"gammaM0", &b.gammaM0},
                              {"gammaM1", &b.gammaM1}, {"radlast", &b.radlast}, {"verschleiss", &b.verschleiss},
                              {"steifenabstand", &b.steifenabstand}})
        e.push_back({QStringLiteral("bemessung.") + QLatin1String(name), wert, std::nullopt});
    Traegerwerte& t = q.traeger;
    for (auto [name, wert] : {std::pair{"spannweite", &t.spannweite}, {"halteabstand", &t.halteabstand}, {"psi", &t.psi},
                              {"klasse", &t.klasse}, {"lambda", &t.lambda}, {"dN", &t.dN}, {"dVy", &t.dVy},
                              {"dVz", &t.dVz}, {"dMx", &t.dMx}, {"dMy", &t.dMy}, {"dMz", &t.dMz},
                              {"dRadlast", &t.dRadlast}, {"gammaFf", &t.gammaFf}, {"gammaMf", &t.gammaMf}})
        e.push_back({QStringLiteral("traeger.") + QLatin1String(name), wert, std::nullopt});
    return e;
}

// The check boxes, by their names in the file.
std::vector<std::pair<QString, bool*>> haken(Querschnittsdaten& q)
{
    return {{"schieneMittragend", &q.schieneMittragend}, {"HschieneCheck", &q.HschieneCheck},
            {"HUGCheck", &q.HUGCheck}};
}

// The choices among named values, each written by the name of its value.
struct Auswahl {
    QString name;
    QStringList werte;
    std::function<int()> lies;
    std::function<void(int)> setze;
};

template <typename E>
Auswahl auswahl(const char* name, QStringList werte, E& ziel)
{
    return {QLatin1String(name), std::move(werte), [&ziel] { return int(ziel); }, [&ziel](int i) { ziel = E(i); }};
}

std::vector<Auswahl> auswahlen(Querschnittsdaten& q)
{
    return {auswahl("bemessung.befestigung", {"Starr", "NichtStarr", "AufLager"}, q.bemessung.befestigung),
            auswahl("traeger.lasthoehe", {"Schienenkopf", "Obergurt", "Schubmittelpunkt"}, q.traeger.lasthoehe),
            auswahl("traeger.momentenform", {"Gleichlast", "Einzellast", "Endmomente"}, q.traeger.momentenform),
            auswahl("traeger.quelle", {"Bemessungswerte", "Schwingbreiten"}, q.traeger.quelle),
            auswahl("traeger.naht", {"Durchgeschweisst", "TeilweiseDurchgeschweisst", "Kehlnaht"}, q.traeger.naht)};
}

QString inAnfuehrung(QString text)
{
    text.replace(u'"', u'\'').replace(u'\r', u' ').replace(u'\n', u' ');
    return u'"' + text + u'"';
}

// Name and value of every line that holds something, the first line included: each line two
// fields by the program's one field reader, well formed, nothing after them.
std::optional<std::vector<std::pair<QString, QString>>> zeilenpaare(const QByteArray& inhalt)
{
    const QString text = dekodiereText(inhalt);
    std::vector<std::pair<QString, QString>> paare;
    for (QStringView zeile : QStringView(text).split(u'\n')) {
        Feldleser leser(zeile.toString());
        if (leser.amEnde())
            continue;
        const auto name = leser.naechstesFeld();
        const auto wert = leser.naechstesFeld();
        if (!name || !wert || !leser.amEnde() || !leser.sauber())
            return std::nullopt;
        paare.emplace_back(*name, *wert);
    }
    return paare;
}

std::optional<int> ganzzahl(const QString& text)
{
    bool ok = false;
    const int wert = text.trimmed().toInt(&ok);
    return ok ? std::optional<int>(wert) : std::nullopt;
}

// Whether the program offers the family with that form; form 0 is a family chosen without a form yet.
bool angeboten(int familie, int form)
{
    if (familie < kOhneSchiene || familie > kZweizeller)
        return false;
    return form == 0 || (familie != kWalzprofil && familieBietet(familie, form));
}

Querschnittsdatei abgelehnt(Dateiablehnung grund) { return {std::nullopt, grund, {}, 0}; }

} // namespace

QByteArray schreibeQuerschnittsdatei(const Querschnittsdaten& q)
{
    Querschnittsdaten r = nurGezeigtes(q);
    Querschnittsdaten frisch;
    const std::vector<Texteintrag> texte = texteintraege(r), leer = texteintraege(frisch);
    QStringList zeilen{inAnfuehrung(kQuerschnittskennung) + u',' + QString::number(kQuerschnittsfassung),
                       QStringLiteral("\"familie\",%1").arg(r.familie),
                       QStringLiteral("\"Querschnittsnummer\",%1").arg(r.Querschnittsnummer)};
    for (const auto& [name, an] : haken(r))
        zeilen.append(inAnfuehrung(name) + (*an ? QStringLiteral(",1") : QStringLiteral(",0")));
    // An empty text is left out where a fresh record, which a reader starts from, has it empty too.
    for (size_t i = 0; i < texte.size(); ++i)
        if (!texte[i].wert->isEmpty() || !leer[i].wert->isEmpty())
            zeilen.append(inAnfuehrung(texte[i].name) + u',' + inAnfuehrung(*texte[i].wert));
    for (const Auswahl& a : auswahlen(r))
        zeilen.append(inAnfuehrung(a.name) + u',' + inAnfuehrung(a.werte.value(a.lies())));
    zeilen.append(inAnfuehrung(kEndeEintrag) + u',' + QString::number(zeilen.size() - 1));
    return (zeilen.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8();
}

Querschnittsdatei leseQuerschnittsdatei(const QByteArray& inhalt)
{
    auto paare = zeilenpaare(inhalt);
    if (!paare || paare->empty() || paare->front().first != kQuerschnittskennung)
        return abgelehnt(Dateiablehnung::Beschaedigt);
    const auto fassung = ganzzahl(paare->front().second);
    if (!fassung || *fassung < 1)
        return abgelehnt(Dateiablehnung::Beschaedigt);
    if (*fassung > kQuerschnittsfassung)
        return abgelehnt(Dateiablehnung::NeuereFassung);
    // From the second layout on, a file ends with the count of its entries: a file cut at a
    // line's end would otherwise read as a smaller section.
    if (*fassung >= 2) {
        const auto& [name, anzahl] = paare->back();
        if (name != kEndeEintrag || ganzzahl(anzahl) != std::optional<int>(int(paare->size()) - 2))
            return abgelehnt(Dateiablehnung::Beschaedigt);
        paare->pop_back();
    }

    Querschnittsdaten q;
    std::map<QString, QString*> texte;
    for (const Texteintrag& e : texteintraege(q))
        texte[e.name] = e.wert;
    std::map<QString, bool*> schalter;
    for (const auto& [name, an] : haken(q))
        schalter[name] = an;
    const std::vector<Auswahl> wahl = auswahlen(q);
    std::optional<int> familie, form;
    std::set<QString> gelesen;
    for (auto p = paare->begin() + 1; p != paare->end(); ++p) {
        const auto& [name, wert] = *p;
        // A name given twice leaves no telling which value was meant.
        if (!gelesen.insert(name).second)
            return abgelehnt(Dateiablehnung::Beschaedigt);
        if (name == u"familie" || name == u"Querschnittsnummer") {
            const auto zahl = ganzzahl(wert);
            if (!zahl)
                return abgelehnt(Dateiablehnung::Beschaedigt);
            (name == u"familie" ? familie : form) = zahl;
        } else if (const auto t = texte.find(name); t != texte.end()) {
            *t->second = wert;
        } else if (const auto h = schalter.find(name); h != schalter.end()) {
            if (wert != u"0" && wert != u"1")
                return abgelehnt(Dateiablehnung::Beschaedigt);
            *h->second = wert == u"1";
        } else if (const auto a = std::find_if(wahl.begin(), wahl.end(),
                                               [&eintrag = p->first](const Auswahl& x) { return x.name == eintrag; });
                   a != wahl.end()) {
            const int i = int(a->werte.indexOf(wert));
            if (i < 0)
                return abgelehnt(Dateiablehnung::Beschaedigt);
            a->setze(i);
        } // a name this program does not know belongs to a later one: skipped
    }
    if (!familie || !form)
        return abgelehnt(Dateiablehnung::Beschaedigt);
    if (!angeboten(*familie, *form))
        return abgelehnt(Dateiablehnung::NichtAngeboten);
    q.familie = *familie;
    q.Querschnittsnummer = *form;
    Querschnittsdaten gezeigt = nurGezeigtes(q);
    // What the form shows passes the rules its fields apply to typing.
    for (const Texteintrag& e : texteintraege(gezeigt))
        if (const int meldung = e.regel ? textverletzung(*e.regel, *e.wert) : 0) {
            Querschnittsdatei d = abgelehnt(Dateiablehnung::UnzulaessigerWert);
            d.eintrag = e.name;
            d.meldung = meldung;
            return d;
        }
    return {gezeigt, Dateiablehnung::Keine, {}, 0};
}

QString eintragsbeschriftung(const Beschriftungen& b, const QString& eintrag)
{
    // The captions laid into a record of their own, so that the one list of entries finds them.
    Querschnittsdaten namen;
    namen.masse = b.masse;
    namen.stegprofil = b.stegprofil;
    namen.walzprofil = b.stegprofil;
    namen.untergurtprofil = b.untergurtprofil;
    namen.flachschienenhoehe = b.flachschienenhoehe;
    namen.flachschienenbreite = b.flachschienenbreite;
    for (size_t i = 0; i < namen.steifen.size(); ++i)
        namen.steifen[i] = {steifenfeldname(b, int(i), 0), steifenfeldname(b, int(i), 1),
                            steifenfeldname(b, int(i), 2), steifenfeldname(b, int(i), 3)};
    for (const Texteintrag& e : texteintraege(namen))
        if (e.name == eintrag && !feldname(*e.wert).isEmpty())
            return feldname(*e.wert);
    return eintrag;
}

int ablehnungsmeldung(Dateiablehnung ablehnung)
{
    switch (ablehnung) {
    case Dateiablehnung::Keine: return 0;
    case Dateiablehnung::Beschaedigt: return 58;
    case Dateiablehnung::NeuereFassung: return 59;
    case Dateiablehnung::NichtAngeboten: return 60;
    case Dateiablehnung::UnzulaessigerWert: return 67;
    }
    return 58;
}

Querschnittsdatei oeffneQuerschnittsdatei(const QString& pfad,
                                          const std::function<bool(const Querschnittsdaten&)>& angeboten)
{
    const auto inhalt = leseDateibytes(pfad, kGroessteQuerschnittsdatei);
    if (!inhalt)
        return {std::nullopt, Dateiablehnung::Beschaedigt, {}, 0};
    Querschnittsdatei datei = leseQuerschnittsdatei(*inhalt);
    if (datei.querschnitt && !angeboten(*datei.querschnitt))
        return {std::nullopt, Dateiablehnung::NichtAngeboten, {}, 0};
    return datei;
}
