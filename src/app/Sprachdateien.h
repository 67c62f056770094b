#pragma once
// The language text files: window texts, messages, print texts and the
// section-form names. Nothing user-visible is built in except the few
// bilingual fallbacks used when these files themselves are missing.

#include <QString>
#include <array>
#include <optional>
#include <vector>

class QWidget;
class QComboBox;

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

// Applies a window text file to a window and its controls (in the window's
// control order), reporting a missing file or a broken entry to the user.
void ladeFormtexte(QWidget* fenster, const QString& pfad);
void wendeFormtexteAn(QWidget* fenster, const std::vector<Formtexteintrag>& eintraege);

// Name of the dynamic property that holds a grid's format string (its key
// for section 4 of a window text file).
inline constexpr const char* kGitterformat = "formatString";

class Printtexte {
public:
    static constexpr int kAnzahl = 501;
    // Reads the print text file; a missing file is reported and leaves all texts empty.
    void ladePrinttexte(const QString& pfad);
    QString holePrinttext(int n) const;

private:
    std::array<QString, kAnzahl> m_texte;
};

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

// Refills the section-form list for one family; the prompt is shown as the
// list's text, a missing file is reported and leaves the list empty.
void ladeQuerschnittsliste(QComboBox* Querschnitt, const QString& prompt, const QString& pfad, int familie);

// The fixed bilingual text for a missing file.
QString textDateiFehlt(const QString& pfad);
// The fixed bilingual text for a file that cannot be read whole.
QString textDateiBeschaedigt(const QString& pfad);
