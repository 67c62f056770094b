#include "Berechnung.h"

#include "Rechenkern.h"
#include "app/Meldungen.h"
#include "app/Sprachdateien.h"
#include "app/Start.h"
#include "section/Eingabeseite.h"

#include <QComboBox>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

namespace {

QString text(const QLineEdit* feld) { return feld ? feld->text() : QString(); }
QString text(const QLabel* label) { return label ? label->text() : QString(); }

bool schreibeZeilen(const QString& pfad, const QStringList& zeilen)
{
    QFile datei(pfad);
    if (!datei.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    QByteArray inhalt;
    for (const QString& zeile : zeilen)
        inhalt += zeile.toUtf8() + "\r\n";
    const bool ok = datei.write(inhalt) == inhalt.size();
    datei.close();
    return ok;
}

void zeige(const QString& text) { meldungen().zeige(text, Meldungssymbol::Keins); }

bool starteImProgrammordner(const Berechnungsumgebung& u, int ergebnis)
{
    setzeVerzeichnis(verbinde(u.pathbasis, QStringLiteral("exefiles")), true);
    if (starteRechenkern(übergabedatei(u.pathben, 2), übergabedatei(u.pathben, ergebnis)))
        return true;
    zeige(holeMessage(u.Messagedatei, 42) + u' ' +
          QDir::toNativeSeparators(verbinde(QDir::currentPath(), programmdatei(QStringLiteral("Delmarix")))));
    QFile::remove(übergabedatei(u.pathben, 2));
    return false;
}

} // namespace

Querschnittseingabe liesEingabe(const Eingabeseite& e)
{
    Querschnittseingabe q;
    q.familie = e.familie;
    q.Querschnittsnummer = e.Querschnittsnummer;
    q.formGewaehlt = e.Querschnitt->currentIndex() >= 0;
    for (size_t i = 0; i < 25; ++i) {
        q.Abmessung[i] = text(e.Abmessung[i]);
        q.Abmessungslabel[i] = text(e.Abmessungslabel[i]);
    }
    for (size_t i = 0; i < 12; ++i)
        q.hwert[i] = text(e.hwert[i]);
    for (size_t i = 0; i < 5; ++i)
        q.Hlabel[i] = text(e.hwertlabel[i]);
    q.Combo1_2 = e.Combo1[2]->currentText();
    q.Combo1_3 = e.Combo1[3]->currentText();
    q.schieneMittragend = e.Schienemittragend->isChecked();
    q.ASchiene = e.ASchiene->currentText();
    q.steifenframeSichtbar = !e.Steifenframe->isHidden();
    q.stegwinkelSichtbar = !e.Abmessung[14]->isHidden();
    for (size_t i = 0; i < 5; ++i) {
        q.steifeSichtbar[i] = !e.Stort[i]->isHidden();
        q.Stort[i] = e.Stort[i]->text();
        q.StLang1[i] = e.StLang1[i]->text();
        q.StLang2[i] = e.StLang2[i]->text();
        q.StDick[i] = e.StDick[i]->text();
    }
    q.steifenbeschriftung = {e.Stegtext3[0]->text(), e.Stegtext4[0]->text(), e.Stegtext5[0]->text(),
                             e.Stegtext6[0]->text()};
    q.HschieneCheck = e.HschieneCheck->isChecked();
    q.HUGCheck = e.HUGCheck->isChecked();
    return q;
}

bool schreibeÜbergabe(Eingabeseite& e, const Berechnungsumgebung& u, int Laufwert)
{
    // No result of an earlier run may be read after this one.
    QFile::remove(übergabedatei(u.pathben, 1));
    QFile::remove(übergabedatei(u.pathben, 0));

    const Übergabeinhalt inhalt = baueÜbergabe(liesEingabe(e), Laufwert, verbinde(u.pathtext, QStringLiteral("ASchiene")),
                                               [&u](int n) { return holeMessage(u.Messagedatei, n); });
    for (int i : {2, 3, 7})
        if (e.Abmessung[size_t(i)])
            e.Abmessung[size_t(i)]->setText(inhalt.Abmessung[size_t(i)]);
    e.schottbreiteEingegeben = inhalt.schottbreiteEingegeben;
    for (const QString& meldung : inhalt.meldungen)
        zeige(meldung);
    if (!inhalt.ok) {
        if (!inhalt.Fehlliste.isEmpty())
            zeige(inhalt.Fehlliste);
        return false;
    }
    const QString datei0 = übergabedatei(u.pathben, 0);
    const QString datei2 = übergabedatei(u.pathben, 2);
    setzeVerzeichnis(u.pathben, true);
    QFile::remove(datei2);
    if (!schreibeZeilen(datei0, inhalt.zeilen) || !QFile::copy(datei0, datei2)) {
        zeige(holeMessage(u.Messagedatei, 42) + u' ' + QDir::toNativeSeparators(datei2));
        QFile::remove(datei0);
        return false;
    }
    const bool gestartet = starteImProgrammordner(u, 1);
    setzeVerzeichnis(u.pathben, true);
    return gestartet;
}

bool schreibeHProfilÜbergabe(Eingabeseite& e, const Berechnungsumgebung& u)
{
    const Übergabeinhalt inhalt =
        baueHProfilÜbergabe(liesEingabe(e), [&u](int n) { return holeMessage(u.Messagedatei, n); });
    for (const QString& meldung : inhalt.meldungen)
        zeige(meldung);
    if (!inhalt.ok)
        return false;
    if (!schreibeZeilen(übergabedatei(u.pathben, 2), inhalt.zeilen)) {
        zeige(holeMessage(u.Messagedatei, 42) + u' ' + QDir::toNativeSeparators(übergabedatei(u.pathben, 2)));
        return false;
    }
    return starteImProgrammordner(u, 3);
}

bool warteUndMelde(const Berechnungsumgebung& u)
{
    if (warteAufRechenkern(übergabedatei(u.pathben, 2)))
        return true;
    zeige(holeMessage(u.Messagedatei, 10));
    return false;
}
