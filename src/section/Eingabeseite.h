#pragma once
// The input side of the main window: family and form choice, the dimension,
// profile, rail and stiffener fields, the sketch and the result button. It
// builds its controls into the window it is given and wires their events to
// the plain rules of Formlayout and Eingaberegeln.

#include "Eingaberegeln.h"
#include "catalogs/Kataloge.h"
#include "kern/Formen.h"
#include "kern/Querschnittsdaten.h"

#include <QObject>
#include <QString>
#include <array>
#include <optional>
#include <vector>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

class Eingabeseite : public QObject {
    Q_OBJECT
public:
    explicit Eingabeseite(QWidget* fenster);

    // What the input side needs to know of the window's settings.
    QString Messagedatei;
    QString pathtext;
    QString Oberflaechensprache = QStringLiteral("D");

    // The record's state.
    int familie = -1;
    qint16 Querschnittsnummer = 0;
    QString Querschnittsname;
    QString alterWert;

    // Family and form.
    QGroupBox* Querschnittsframe = nullptr;
    std::array<QRadioButton*, 8> Option1{};
    QButtonGroup* Familiengruppe = nullptr;
    QLabel* Label1 = nullptr;
    QComboBox* Querschnitt = nullptr;

    // Dimensions: indices 8, 9, 12, 17, 18 and 19 have no field; labels 17 and
    // 18 hold the two captions of label 5, label 19 heads the web's H profile.
    QGroupBox* Querschnittsdatenframe1 = nullptr;
    QGroupBox* Zell2_Frame = nullptr;
    QGroupBox* Stegframe = nullptr;
    std::array<QLineEdit*, 25> Abmessung{};
    std::array<QLabel*, 25> Abmessungslabel{};
    QLabel* Werkstofflabel4 = nullptr;
    QLabel* Laengenlabel = nullptr;
    QLabel* StegLabel4 = nullptr;
    QLabel* StegLabel5 = nullptr;
    QPushButton* InfoCommand2 = nullptr;

    // Rolled profile and the H profile of a web.
    QGroupBox* FrameHprofil = nullptr;
    QGroupBox* Frame_Hschiene = nullptr;
    QGroupBox* FrameUG = nullptr;
    std::array<QComboBox*, 5> Combo1{};
    QLineEdit* Typ = nullptr;
    QLabel* Typlabel = nullptr;
    std::array<QLineEdit*, 12> hwert{};
    std::array<QLabel*, 12> hwertlabel{};
    QCheckBox* HschieneCheck = nullptr;
    QCheckBox* HUGCheck = nullptr;

    // Rail.
    QGroupBox* Schienenframe = nullptr;
    QComboBox* ASchiene = nullptr;
    QCheckBox* Schienemittragend = nullptr;
    QLabel* Schienemittragendlabel = nullptr;

    // Stiffeners: positions, legs, thickness and the row texts.
    QGroupBox* Steifenframe = nullptr;
    QPushButton* InfoCommand3 = nullptr;
    std::array<QLineEdit*, 5> Stort{}, StLang1{}, StLang2{}, StDick{};
    std::array<QLabel*, 5> Stegtext1{}, Stegtext2{}, Stegtext3{}, Stegtext4{}, Stegtext5{}, Stegtext6{};
    QLabel* StegtextMitteOG = nullptr;     // hidden: the captions row 5 takes by form
    QLabel* StegtextMitteKasten = nullptr;

    QLabel* Picture1 = nullptr;
    QPushButton* Traegerergebnis = nullptr;

    // The layout steps of a family click (A, B) and a form choice (C).
    void familieGewaehlt(int i);
    void familieLosgelassen(int i);
    void formGewaehlt(int index);
    // Draws a sketch into the picture box; the form's and the rolled profile's variants.
    void zeichneSkizze(int c);
    void zeichneWalzprofilskizze(int variante);
    // The rolled-profile and web-profile lists.
    void profillisteGeklickt(int i);
    void ladeProfilwerte(const QString& groesse);

    QLineEdit* steifenfeld(Steifenfeld feld) const;
    // The fields the form shows, in reading order: where Return and the arrow keys go.
    std::vector<QWidget*> eingabekette() const;
    // Tab through the window in reading order; again whenever a choice moves or shows fields.
    void ordneTabfolge();

    // The section as the fields hold it, and the captions the fields show.
    Querschnittsdaten querschnitt() const;
    Beschriftungen beschriftungen() const;
    // Brings the window into the state of a record, as the form shows it: the
    // family and form chosen as a user chooses them, then every field, list and
    // check box the form shows set to the record's text. Nothing is checked or
    // told meanwhile; a value being typed is dropped.
    void setzeQuerschnitt(const Querschnittsdaten& q);
    // The design values: no field of this page shows them, yet they belong to its section.
    const Bemessungswerte& bemessung() const { return m_bemessung; }
    void setzeBemessung(const Bemessungswerte& b) { m_bemessung = b; }
    const Traegerwerte& traeger() const { return m_traeger; }
    void setzeTraeger(const Traegerwerte& t) { m_traeger = t; }

signals:
    void ergebnisAngefordert();

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    void baueFamilien(QWidget* fenster);
    void baueAbmessungen(QWidget* fenster);
    void baueWalzprofil(QWidget* fenster);
    void baueSchiene(QWidget* fenster);
    void baueSteifen(QWidget* fenster);
    void wendeLayoutAn(const Formlayout& layout);
    void setzeWebzeilen(bool winkelform);

    void feldErhaeltFokus(QLineEdit* feld, bool betreten);
    void feldVerliertFokus(QLineEdit* feld);
    void feldTasteLosgelassen(QLineEdit* feld, int taste);
    void schienenmittragendGeklickt(bool an);
    void hschieneGeklickt(bool an);
    void hugGeklickt(bool an);
    void setzeSchweissform(Querschnittsdaten r);
    void setzeWalzprofil(Querschnittsdaten r);

    QWidget* m_fenster;
    void vergissProfilwahl();
    void setzeProfillistenZurueck();
    // The values of a profile size; a table that cannot give them is reported.
    std::optional<Profilwerte> meldeFehlendeProfilwerte(const QString& reihe, const QString& groesse);

    struct Taste {
        QObject* feld = nullptr;
        int taste = 0;
    };
    Taste m_gedrueckt;              // the key that went down last, and where
    QString m_schieneBeimEintritt;  // the rail when its list was entered
    Bemessungswerte m_bemessung;
    Traegerwerte m_traeger;
};
