#include "Stapelrechnung.h"

#include "app/Dateien.h"
#include "app/Start.h"
#include "app/Sprachtexte.h"
#include "catalogs/Kataloge.h"
#include "kern/Querschnittsdatei.h"
#include "kern/Zahlen.h"
#include "report/Berichtslauf.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <atomic>
#include <cmath>
#include <mutex>
#include <thread>

namespace {

constexpr Pruefung kPruefungen[] = {Pruefung::Spannungen, Pruefung::Stegbiegung, Pruefung::Lasteinleitung,
                                    Pruefung::Schubbeulen, Pruefung::Interaktion, Pruefung::Klasse,
                                    Pruefung::Kippen, Pruefung::Ermuedung};

QString zahl(double wert) { return QString::number(wert, 'g', 8); }

// A field as RFC 4180 has it: quoted where it holds a comma, a quote or a line end.
QString csvFeld(const QString& text)
{
    if (!text.contains(u',') && !text.contains(u'"') && !text.contains(u'\n') && !text.contains(u'\r'))
        return text;
    return u'"' + QString(text).replace(QStringLiteral("\""), QStringLiteral("\"\"")) + u'"';
}

QString urteilswort(Urteil u)
{
    switch (u) {
    case Urteil::Erfuellt: return QStringLiteral("satisfied");
    case Urteil::NichtErfuellt: return QStringLiteral("not satisfied");
    case Urteil::Klasse4: return QStringLiteral("class 4");
    case Urteil::Unvollstaendig: return QStringLiteral("incomplete");
    }
    return {};
}

QString csvZeile(const QString& datei, const Berichtslauf& lauf)
{
    const Ergebnisse& r = lauf.werte;
    QStringList f{csvFeld(datei), csvFeld(lauf.druckname)};
    for (double w : {r.A, r.AY, r.AZ, r.IT, r.IY, r.IZ, r.YS, r.ZS, r.Winkel, r.YM, r.ZM})
        f.append(zahl(w));
    for (Pruefung p : kPruefungen) {
        double eta = -1;
        if (lauf.nachweis)
            for (const Teilnachweis& t : lauf.nachweis->nachweis.teile)
                if (t.pruefung == p && t.moeglich)
                    eta = std::max(eta, t.eta);
        f.append(eta < 0 ? QString() : zahl(eta));
    }
    f.append(lauf.nachweis ? urteilswort(lauf.nachweis->nachweis.urteil) : QString());
    return f.join(u',');
}

// What stays the same for every file of the batch.
struct Gemeinsam {
    const Stapelauftrag& auftrag;
    const Stapelumgebung& umgebung;
    QString Messagedatei;
    Printtexte printtexte;
    std::mutex drucken; // one PDF laid out at a time: the fonts and the PDF engine are shared
    QStringList pdfNamen;
};

QString meldung(const Gemeinsam& g, int n) { return holeMessage(g.Messagedatei, n); }

// The file read as the window opens it; the reason where it gives no section.
std::optional<Querschnittsdaten> leseDatei(const Gemeinsam& g, const QString& pfad, QString& grund)
{
    const QString combo = verbinde(g.umgebung.pathtext, QStringLiteral("Combo.") + g.auftrag.sprache);
    const Querschnittsdatei datei = oeffneQuerschnittsdatei(pfad, [&combo](const Querschnittsdaten& q) {
        return q.familie == kWalzprofil || listeNenntForm(combo, q.familie, q.Querschnittsnummer);
    });
    const Dateiablehnung ablehnung = datei.ablehnung;
    const QString fremd = datei.querschnitt ? fremderListenname(*datei.querschnitt) : QString();
    if (ablehnung == Dateiablehnung::Keine && fremd.isEmpty())
        return datei.querschnitt;
    grund = meldung(g, fremd.isEmpty() ? ablehnungsmeldung(ablehnung) : 77) + u' ' + QDir::toNativeSeparators(pfad);
    if (ablehnung == Dateiablehnung::UnzulaessigerWert)
        grund += u'\n' + datei.eintrag + QStringLiteral(": ") + meldung(g, datei.meldung);
    else if (!fremd.isEmpty())
        grund += u'\n' + fremd;
    return std::nullopt;
}

// The PDF's name: the section file's, once in the batch.
QString pdfPfad(Gemeinsam& g, const QString& datei)
{
    const QString stamm = QFileInfo(datei).completeBaseName();
    QString name = stamm + QStringLiteral(".pdf");
    for (int n = 2; g.pdfNamen.contains(name); ++n)
        name = stamm + QStringLiteral(" (%1).pdf").arg(n);
    g.pdfNamen.append(name);
    return verbinde(g.auftrag.pdfOrdner, name);
}

Stapelergebnis rechneDatei(Gemeinsam& g, const QString& datei)
{
    Stapelergebnis e;
    e.datei = datei;
    const auto q = leseDatei(g, datei, e.grund);
    if (!q)
        return e;
    // Each file computes in a folder of its own: the engine's transfer files carry fixed names.
    QTemporaryDir arbeit;
    if (!arbeit.isValid()) {
        e.grund = g.umgebung.text(38) + u' ' + arbeit.errorString();
        return e;
    }
    const Berechnungsumgebung u{g.umgebung.pathbasis, arbeit.path(), g.umgebung.pathtext, g.Messagedatei};
    Berichtstexte texte;
    texte.printtext = [&g](int n) { return g.printtexte.holePrinttext(n); };
    texte.sprache = g.auftrag.sprache;
    texte.formnamenZu = [&g, familie = q->familie](int form) {
        QStringList namen;
        const QString combo = verbinde(g.umgebung.pathtext, QStringLiteral("Combo.") + g.auftrag.sprache);
        for (const Querschnittseintrag& eintrag : leseQuerschnittsliste(combo, familie).value_or(std::vector<Querschnittseintrag>{}))
            if (eintrag.nummer == form)
                namen.append(eintrag.text);
        return namen;
    };
    const Berichtslauf lauf = rechneBericht(*q, Beschriftungen(), u, texte);
    if (!lauf.gerechnet) {
        e.grund = lauf.meldungen.isEmpty() ? meldung(g, 2) : lauf.meldungen.join(u'\n');
        return e;
    }
    // What the run had to say besides (a check not made, say) goes with the file's line.
    e.grund = lauf.meldungen.join(u'\n');
    std::lock_guard<std::mutex> sperre(g.drucken);
    e.pdf = pdfPfad(g, datei);
    auto auftrag = pdfauftrag(e.pdf);
    Berichtszaehler zaehler;
    zaehler.projektname = QFileInfo(datei).completeBaseName() + QStringLiteral(" (") + lauf.druckname + u')';
    std::vector<QImage> bilder;
    QString fehler;
    if (legeSeitenAn(lauf.seiten, zaehler, false, auftrag.get(), bilder) == Seitenstand::Abgebrochen ||
        !auftrag->beende(fehler)) {
        e.grund = g.umgebung.text(39) + u' ' + QDir::toNativeSeparators(e.pdf) + (fehler.isEmpty() ? QString() : QStringLiteral(" (") + fehler + u')');
        e.pdf.clear();
        return e;
    }
    e.csvZeile = csvZeile(QFileInfo(datei).fileName(), lauf);
    e.ok = true;
    return e;
}

} // namespace

QString csvKopf()
{
    return QStringLiteral("file,form,A [mm2],AY [mm2],AZ [mm2],IT [mm4],IY [mm4],IZ [mm4],YS [mm],ZS [mm],alpha [deg],"
                          "YM [mm],ZM [mm],eta stresses,eta web bending,eta patch loading,eta shear buckling,"
                          "eta interaction,eta class,eta lateral-torsional buckling,eta fatigue,verdict");
}

std::vector<Stapelergebnis> rechneStapel(const Stapelauftrag& auftrag, const Stapelumgebung& umgebung,
                                         const Stapelfortschritt& fortschritt, QString& csvFehler)
{
    Gemeinsam g{auftrag, umgebung, verbinde(umgebung.pathtext, QStringLiteral("HauptformMessages.") + auftrag.sprache), {}, {}, {}};
    g.printtexte.ladePrinttexte(verbinde(umgebung.pathtext, QStringLiteral("HauptformPrinttxt.") + auftrag.sprache));
    bestimmeDezimaltrennzeichen();
    const int n = int(auftrag.dateien.size());
    std::vector<Stapelergebnis> ergebnisse(static_cast<size_t>(n));
    std::atomic<int> naechste{0};
    int fertig = 0;
    std::mutex melden;
    const auto arbeite = [&] {
        for (int i; (i = naechste++) < n;) {
            ergebnisse[size_t(i)] = rechneDatei(g, auftrag.dateien[i]);
            std::lock_guard<std::mutex> sperre(melden);
            if (fortschritt)
                fortschritt(ergebnisse[size_t(i)], ++fertig, n);
        }
    };
    const int kerne = auftrag.gleichzeitig > 0 ? auftrag.gleichzeitig : int(std::max(1u, std::thread::hardware_concurrency()));
    std::vector<std::thread> arbeiter;
    for (int k = 1; k < std::min(kerne, n); ++k)
        arbeiter.emplace_back(arbeite);
    arbeite();
    for (std::thread& t : arbeiter)
        t.join();

    if (!auftrag.csvDatei.isEmpty()) {
        QString text = csvKopf() + QStringLiteral("\r\n");
        for (const Stapelergebnis& e : ergebnisse)
            if (e.ok)
                text += e.csvZeile + QStringLiteral("\r\n");
        if (!dateischreiber()(auftrag.csvDatei, text.toUtf8(), csvFehler) && csvFehler.isEmpty())
            csvFehler = QStringLiteral("?");
    }
    return ergebnisse;
}
