#pragma once
// The design values of the section: internal forces, steel grade, γM0, γM1,
// the spacing of the web's transverse stiffeners and the wheel load with the
// rail's fixing and wear. A thin window over the record's
// `Bemessungswerte`; what is admissible is decided by `leseBemessung`.

#include "kern/Querschnittsdaten.h"
#include "nachweis/Nachweis.h"

#include <QDialog>
#include <array>
#include <functional>

class QComboBox;
class QLineEdit;
class QTabWidget;

class Bemessungsdialog : public QDialog {
    Q_OBJECT
public:
    using Texte = std::function<QString(int)>;
    // `text` gives the print texts, `meldung` message n of the message file.
    // `schieneWirktMit`: the section counts its rail, which must then be rigidly fixed.
    Bemessungsdialog(const Bemessungswerte& werte, const Traegerwerte& traeger, const Texte& text, const Texte& meldung,
                     bool schieneWirktMit = false, QWidget* parent = nullptr);

    Bemessungswerte werte() const;
    // The sketch shows a rolled I profile instead of the welded box.
    void zeigeWalzprofil();

    // The name of the design value a reading refused, as the dialog's caption gives it.
    static QString wertname(const Bemessungslesung& l, const Texte& text);
    Traegerwerte traeger() const;

    std::array<QLineEdit*, 6> kraefte{}; // N, Vy, Vz, Mx, My, Mz
    QComboBox* sorte = nullptr;
    QLineEdit* gammaM0 = nullptr;
    QLineEdit* gammaM1 = nullptr;
    QLineEdit* steifenabstand = nullptr;
    QLineEdit* radlast = nullptr;
    QComboBox* befestigung = nullptr;
    QLineEdit* verschleiss = nullptr;

    // The member's tab.
    QTabWidget* reiter = nullptr;
    QLineEdit* spannweite = nullptr;
    QLineEdit* halteabstand = nullptr;
    QComboBox* lasthoehe = nullptr;
    QComboBox* momentenform = nullptr;
    QLineEdit* psi = nullptr;
    QComboBox* klasse = nullptr;
    QLineEdit* lambda = nullptr;
    QComboBox* quelle = nullptr;
    std::array<QLineEdit*, 7> schwingbreiten{}; // ΔN, ΔVy, ΔVz, ΔMx, ΔMy, ΔMz, ΔFz
    QComboBox* naht = nullptr;
    QLineEdit* gammaFf = nullptr;
    QLineEdit* gammaMf = nullptr;

public slots:
    // Closes with the values when they are admissible; otherwise tells which and stays.
    void accept() override;

private:
    QWidget* baueBauteilreiter(const Traegerwerte& t);

    Texte m_text;
    Texte m_meldung;
    QWidget* m_skizze = nullptr;
    bool m_schieneWirktMit = false;
};
