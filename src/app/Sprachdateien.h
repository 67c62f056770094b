#pragma once
// The language text files applied to windows: captions, titles, grid headers
// and tooltips, and the section-form list. Reading them is in Sprachtexte.h.

#include "app/Sprachtexte.h"

class QWidget;
class QComboBox;

// Applies a window text file to a window and its controls (in the window's
// control order), reporting a missing file or a broken entry to the user.
void ladeFormtexte(QWidget* fenster, const QString& pfad);
void wendeFormtexteAn(QWidget* fenster, const std::vector<Formtexteintrag>& eintraege);

// Name of the dynamic property that holds a grid's format string (its key
// for section 4 of a window text file).
inline constexpr const char* kGitterformat = "formatString";

// Refills the section-form list for one family; the prompt is shown as the
// list's text, a missing file is reported and leaves the list empty.
void ladeQuerschnittsliste(QComboBox* Querschnitt, const QString& prompt, const QString& pfad, int familie);
