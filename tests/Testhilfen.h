#pragma once
// What the tests share: a recorder in place of the message boxes, and a
// throw-away suite folder laid out as the installation lays it out.

#include "app/Meldungen.h"
#include "kern/Formen.h"
#include "kern/Querschnittsdaten.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <vector>

struct Gezeigte {
    QString text;
    Meldungssymbol symbol;
};

class Meldungsrekorder final : public Meldungsanzeige {
public:
    Meldungsrekorder() { setzeMeldungsanzeige(this); }
    ~Meldungsrekorder() override { setzeMeldungsanzeige(nullptr); }

    void zeige(const QString& text, Meldungssymbol symbol) override { gezeigt.push_back({text, symbol}); }
    void frage(QWidget*, Dialogvariablen& variablen) override
    {
        fragen.append(variablen.fragetext);
        fokus.append(variablen.focustaste);
        abbrechen.append(variablen.abbrechentext);
        variablen.iantwort = antwort;
    }

    QStringList texte() const
    {
        QStringList t;
        for (const auto& g : gezeigt)
            t.append(g.text);
        return t;
    }

    std::vector<Gezeigte> gezeigt;
    QStringList fragen;
    QList<int> fokus;
    QStringList abbrechen; // the Cancel button's text, empty where there was none
    qint16 antwort = 6;
};

// Writes bytes to a file, creating its folder.
inline void schreibeDatei(const QString& pfad, const QByteArray& inhalt)
{
    QDir().mkpath(QFileInfo(pfad).absolutePath());
    QFile datei(pfad);
    datei.open(QIODevice::WriteOnly | QIODevice::Truncate);
    datei.write(inhalt);
}

inline QByteArray leseDatei(const QString& pfad)
{
    QFile datei(pfad);
    return datei.open(QIODevice::ReadOnly) ? datei.readAll() : QByteArray();
}

// A real small file system of the test's own (a 64 kB tmpfs) mounted on a folder, where the system
// lets one be mounted (root on Linux); unmounted again at the end. `fuelle` fills what is left, so
// that the next write meets a full disk, not a stand-in for one.
class KleinesDateisystem {
public:
    explicit KleinesDateisystem(const QString& ordner) : m_ordner(ordner)
    {
        QDir().mkpath(ordner);
        m_bereit = QProcess::execute(QStringLiteral("mount"), {"-t", "tmpfs", "-o", "size=64k", "tmpfs", ordner}) == 0;
    }
    ~KleinesDateisystem()
    {
        if (m_bereit)
            QProcess::execute(QStringLiteral("umount"), {m_ordner});
    }
    KleinesDateisystem(const KleinesDateisystem&) = delete;
    KleinesDateisystem& operator=(const KleinesDateisystem&) = delete;

    bool bereit() const { return m_bereit; }
    void fuelle() const
    {
        QFile fuellung(m_ordner + QStringLiteral("/fuellung"));
        if (!fuellung.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            return;
        const QByteArray block(512, 'f');
        while (fuellung.write(block) == block.size()) {
        }
    }

private:
    QString m_ordner;
    bool m_bereit = false;
};

// The box the design check starts from: a rail over its web (form 15), BO 600, TO 30, TS 12;
// other families' forms get the same plates.
inline Querschnittsdaten kastenMitSchiene(int familie = kUeberSteg, int form = 15)
{
    Querschnittsdaten q;
    q.familie = familie;
    q.Querschnittsnummer = qint16(form);
    q.masse.stegdicke = "12";
    q.masse.obergurtdicke = "30";
    q.masse.obergurtbreite = "600";
    return q;
}

// A throw-away folder in which a test writes the files it reads.
struct Testordner {
    QTemporaryDir ordner;
    QString datei(const QString& name, const QByteArray& inhalt)
    {
        const QString pfad = ordner.filePath(name);
        schreibeDatei(pfad, inhalt);
        return pfad;
    }
    QString pfad(const QString& name) const { return ordner.filePath(name); }
};

// A suite folder with exefiles/ and Daten/TEXTE/ holding the repository's language files, or
// the programs and texts of the installed suite below the folder given.
struct Testsuite {
    QTemporaryDir wurzel;
    QString exefiles() const { return wurzel.path() + QStringLiteral("/exefiles"); }
    QString daten() const { return wurzel.path() + QStringLiteral("/Daten"); }
    QString texte() const { return daten() + QStringLiteral("/TEXTE"); }

    explicit Testsuite(const QString& installiert = QString())
    {
        QDir().mkpath(exefiles());
        QDir().mkpath(texte());
        const auto kopiere = [](const QString& von, const QString& nach) {
            for (const QString& name : QDir(von).entryList(QDir::Files))
                QFile::copy(von + u'/' + name, nach + u'/' + name);
        };
        if (!installiert.isEmpty())
            kopiere(installiert + QStringLiteral("/exefiles"), exefiles());
        kopiere(installiert.isEmpty() ? qEnvironmentVariable("TARVELLO_DATEN") : installiert + QStringLiteral("/Daten/TEXTE"),
                texte());
    }
    void uebergabe(const QByteArray& inhalt) const { schreibeDatei(daten() + QStringLiteral("/inifile2"), inhalt); }
};

#if __has_include(<QTest>) // the window and table helpers, where the test library is at hand
#include "app/Dateiwahl.h"
#include "fenster/Hauptform.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

// What a user does: a family clicked on its round mark, an entry chosen from a list, a value
// typed into a field (the old text selected and deleted) and the field left with Tab.
inline void klickeFamilie(const Eingabeseite& e, int i) { QTest::mouseClick(e.Option1[size_t(i)], Qt::LeftButton, {}, QPoint(6, 8)); }
inline void waehleAus(QComboBox* liste, int index) { liste->setCurrentIndex(index); emit liste->activated(index); }
inline bool tippeEin(QLineEdit* feld, const QString& text)
{
    feld->setFocus();
    if (!QTest::qWaitFor([feld] { return feld->hasFocus(); }, 1000))
        return false;
    feld->selectAll();
    QTest::keyClick(feld, Qt::Key_Delete);
    QTest::keyClicks(feld, text);
    QTest::keyClick(feld, Qt::Key_Tab);
    QCoreApplication::processEvents(); // a refused value takes the focus back on the next turn
    return true;
}

// Every text, choice and tick a user sees; the rolled profile's group covers the welded groups.
inline QStringList ansicht(const QWidget& fenster, const Eingabeseite& e)
{
    const auto gezeigt = [&fenster](const QWidget* w) { return w->isVisibleTo(&fenster); };
    QStringList s;
    for (const QWidget* w : fenster.findChildren<QWidget*>())
        if (gezeigt(w) && (!gezeigt(e.FrameHprofil) || e.FrameHprofil->isAncestorOf(w)))
            s << w->objectName() + '=' + w->property(qobject_cast<const QComboBox*>(w) ? "currentText" : "text").toString() +
                     w->property("checked").toString();
    return s;
}

// The main window started on a suite folder after the hand-off, shown and active, its messages
// recorded; it closes without asking.
struct Testfenster {
    Meldungsrekorder rekorder;
    Hauptform form;
    Eingabeseite& e = *form.eingabe;
    bool bereit = false;
    QStringList gezeigteOrdner; // what the file manager was asked to show
    explicit Testfenster(const Testsuite& suite, const QByteArray& uebergabe = "\"Test\"\r\n\"D\"\r\n")
    {
        ordneranzeige() = [this](const QString& ordner) {
            gezeigteOrdner.append(ordner);
            return true;
        };
        suite.uebergabe(uebergabe);
        bereit = form.starte(suite.exefiles());
        form.show();
        bereit = bereit && QTest::qWaitForWindowActive(&form);
    }
    ~Testfenster() { form.Rueckkehrmodus = 9; }
};

// A table of cases as the test's rows, each named by its member "name"; fall() gives the row's case.
template <typename Fall, size_t N>
void zeilen(const Fall (&faelle)[N])
{
    QTest::addColumn<int>("fall");
    for (size_t i = 0; i < N; ++i)
        QTest::newRow(faelle[i].name) << int(i);
}
template <typename Fall, size_t N>
const Fall& fall(const Fall (&faelle)[N]) { return faelle[*static_cast<int*>(QTest::qData("fall", QMetaType::Int))]; }
#endif
