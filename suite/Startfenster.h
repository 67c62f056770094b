#pragma once
// TarvelloMain: the suite's small launcher. The engineer types the editor's
// name and picks the language; Start leaves the hand-off file for the
// cross-section program and starts it from the suite's program folder.

#include "app/Start.h"

#include <QStringList>
#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

struct Suitenordner {
    QString exefiles; // the suite's program folder
    QString path0;    // the data directory
    QString pathtext; // language files and tables
    bool benutzereigen = false; // path0 is the user's own folder, made at the first start
};
Suitenordner bestimmeSuitenordner(const QString& exefiles);

// Every language for which the main window has a text file, as its letter.
QStringList verfuegbareSprachen(const QString& pathtext);
// Those, or German and English where the folder names none.
QStringList angeboteneSprachen(const QString& pathtext);
// The language a command line of the launcher speaks: the one asked for, else the last start's, else
// the user's locale's, of those installed; Qt's own texts follow it.
QString befehlssprache(const Suitenordner& ordner, const QString& gewuenscht);
// Text n of the launcher's language file (TarvelloMain.<L>); a bilingual stand-in where it is missing.
QString startertext(const QString& pathtext, const QString& sprache, int n);

class Startfenster : public QWidget {
    Q_OBJECT
public:
    explicit Startfenster(const Suitenordner& ordner, QWidget* parent = nullptr);

    QLineEdit* Bearbeiterfeld = nullptr;
    QComboBox* Sprachliste = nullptr;
    QPushButton* Starttaste = nullptr;
    QPushButton* Endetaste = nullptr;

    // A section file the cross-section program opens at its start; none when empty.
    QString datei;

    // Writes the hand-off, remembers editor and language for the next start and starts the
    // program; true when the launcher may end.
    bool starteQuerschnitt();
    QString text(int n) const;
    // The letter of the chosen language.
    QString sprache() const;

private:
    void ladeTexte();

    Suitenordner m_ordner;
    QLabel* m_bearbeiterLabel = nullptr;
    QLabel* m_spracheLabel = nullptr;
};
