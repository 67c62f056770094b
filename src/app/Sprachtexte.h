#pragma once
// The language text files as text: window texts, messages, print texts and the
// section-form names, read without a window. Nothing user-visible is built in
// except the few bilingual fallbacks used when these files themselves are
// missing. What a window does with them is in Sprachdateien.h.

#include <QString>
#include <array>
#include <optional>
#include <vector>

// One entry of a window text file: section 1 sets the title, 2 and 3
// captions, 4 grid headers, 5 texts, 6 tooltips.
struct Formtexteintrag {
    int abschnitt = 0;
    QString schluessel;
    QString wert;
};

struct Formtexte {
    bool dateiFehlt = false;
    std::vector<Formtexteintrag> eintraege; // in file order, up to where reading stopped
    std::optional<QString> eintragOhneDollar; // the entry that stopped reading, if any
};

// Parses a window text file; reading stops at the first entry it cannot use,
// and what came before it still counts.
Formtexte leseFormtexte(const QString& pfad);

// How a text file was found: whole, missing, or damaged (what could be read still counts).
enum class Textdateistand { Heil, Fehlt, Beschaedigt };

class Printtexte {
public:
    static constexpr int kAnzahl = 501;
    // Reads the print text file; a missing file leaves all texts empty.
    Textdateistand ladePrinttexte(const QString& pfad);
    QString holePrinttext(int n) const;

private:
    std::array<QString, kAnzahl> m_texte;
};

// What the user is told about a print text file that is not whole.
QString textPrinttexte(Textdateistand stand, const QString& pfad);

// Looks message n up in the message file, reading the file anew each time.
QString holeMessage(const QString& Messagedatei, int n);

// The section forms of a family in file order, as (name, section-form number);
// nullopt when the combo text file is missing.
struct Querschnittseintrag {
    QString text;
    int nummer = 0;
};
// `heil` (when given) tells whether every record of the file was whole.
std::optional<std::vector<Querschnittseintrag>> leseQuerschnittsliste(const QString& pfad, int familie,
                                                                      bool* heil = nullptr);

// Whether the family's form list in that file names the form.
bool listeNenntForm(const QString& pfad, int familie, int nummer);

// The fixed bilingual text for a missing file.
QString textDateiFehlt(const QString& pfad);
// The fixed bilingual text for a file that cannot be read whole.
QString textDateiBeschaedigt(const QString& pfad);
// A window text file's entry without its "$", as the user is told.
QString textEintragOhneDollar(const QString& pfad, const QString& eintrag);

// Qt's own texts (standard buttons, file dialogs, the command line's help) in the program's
// language: Qt's German translation for "D", Qt's English otherwise or where it is not installed.
void installiereQtUebersetzung(const QString& sprache);
