#pragma once
// The program's main window. It owns the state every part of the program
// shares: the suite's directories and settings, the language texts, the
// report counters and the dialog variables. The input side, the result page
// and the preview are wired in here but live in their own subsystems.

#include "Meldungen.h"
#include "Sprachdateien.h"

#include <QImage>
#include <QWidget>
#include <array>

class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

class Hauptform : public QWidget {
    Q_OBJECT
public:
    explicit Hauptform(QWidget* parent = nullptr);

    // Start-up as far as showing the window: directories, hand-off, language
    // texts. Returns false when the program must end (no hand-off, no usable
    // editor folder); the user has then been told why.
    bool starte(const QString& arbeitsverzeichnis);

    // Widens the window and its groups on a wide screen (width in twips).
    void passeAnBildschirmAn(int bildschirmbreiteTwips);

    // The yes/no question in the program's own dialog; returns 6 (yes) or 7 (no).
    qint16 emsgbox(const QString& frage, qint16 tastencode);
    QString holeMessage(int n) const;
    void zeigeMessage(int n) const;
    void zeigeMessageMitText(int n, const QString& text) const;
    QString holePrinttext(int n) const { return m_Printtexte.holePrinttext(n); }

    // The return button: hand-off for the suite's main program, start it, end.
    void kehreZurueck();

    // Directories and settings.
    QString pathbasis, path0, pathtext, pathben, TMPPATH;
    QString Bearbeiter = QStringLiteral("BEARBEITER");
    QString Oberflächensprache = QStringLiteral("D");
    QString Printersprache;
    QString Messagedatei;
    QWidget* rufform = nullptr;
    qint16 testansicht = -1;
    qint16 Rückkehrmodus = -1;
    int Breitbild = 0;
    qint16 seitenzahl = 0;
    qint16 seitenzähler = 0;
    Dialogvariablen dialog;

    // Controls other parts of the program and the tests reach by name.
    QGroupBox* Querschnittsframe = nullptr;
    std::array<QRadioButton*, 8> Option1{};
    QButtonGroup* Familiengruppe = nullptr;
    QLabel* Label1 = nullptr;
    QComboBox* Querschnitt = nullptr;
    QGroupBox* Querschnittsdatenframe1 = nullptr;
    QGroupBox* Zell2_Frame = nullptr;
    QGroupBox* Stegframe = nullptr;
    QGroupBox* Schienenframe = nullptr;
    QGroupBox* Steifenframe = nullptr;
    QGroupBox* FrameHprofil = nullptr;
    QGroupBox* Frame_Hschiene = nullptr;
    QGroupBox* FrameUG = nullptr;
    QLabel* Picture1 = nullptr;
    std::array<QComboBox*, 5> Combo1{};
    QLabel* Abmessungslabel19 = nullptr;
    QPushButton* Trägerergebnis = nullptr;
    std::array<QPushButton*, 10> tastenreihe{};

protected:
    void closeEvent(QCloseEvent* ereignis) override;
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    void baueOberflaeche();
    void familieLoslassen(int familie);

    Printtexte m_Printtexte;
};
