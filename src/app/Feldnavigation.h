#pragma once
// Enter and the arrow keys move the focus between input fields on key
// release; every input field's key handler calls this.

class QLineEdit;
class QWidget;

// Keys as the handler receives them (Qt key codes). The key is cleared after
// handling; `ausgabe` becomes true for any key that is not a navigation key.
// `caret` is where the caret stood when the key went down: by the time the key
// is released the field has already moved it, and the user decided on what they saw.
void feldNavigation(bool& ausgabe, int& taste, QLineEdit* feld, QWidget* enterZiel, QWidget* rechtsZiel,
                    QWidget* linksZiel, QWidget* hochZiel, QWidget* runterZiel, int caret);

// Whether a field can take the focus now: it and its group are visible and it is enabled.
bool kannFokusNehmen(const QWidget* feld);
