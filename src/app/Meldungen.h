#pragma once
// The one seam through which the program shows message boxes and asks its
// yes/no questions. Tests install their own Meldungsanzeige and record what
// the user would have seen.

#include <QString>

class QWidget;

enum class Meldungssymbol { Keins, Stopp };

// What the yes/no dialog reads from the window that asks, and where it writes
// the answer back.
struct Dialogvariablen {
    QString fragetext;
    qint16 focustaste = 1; // 1 yes button, 2 no button
    QString jatext = QStringLiteral("Ja");
    QString neintext = QStringLiteral("Nein");
    QString abbrechentext;  // a third button that leaves everything as it was; none when empty
    qint16 iantwort = 0; // 6 yes, 7 no, 2 cancel
};

class Meldungsanzeige {
public:
    virtual ~Meldungsanzeige() = default;
    // A message box with only an OK button; returns when the user confirms.
    virtual void zeige(const QString& text, Meldungssymbol symbol) = 0;
    // The yes/no question; the answer is left in variablen.iantwort.
    virtual void frage(QWidget* rufform, Dialogvariablen& variablen) = 0;
};

Meldungsanzeige& meldungen();
// nullptr restores the real dialogs.
void setzeMeldungsanzeige(Meldungsanzeige* anzeige);

// Title of every message box: the application's title.
QString programmtitel();
