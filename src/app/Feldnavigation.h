#pragma once
// The order in which a user reads a window's input fields, and the keys that
// move along it: Return and the arrow keys go to the next and previous field
// the window shows, Tab follows the same order.

#include <vector>

class QLineEdit;
class QWidget;

// Whether a field can take the focus now: it and its group are visible and it is enabled.
bool kannFokusNehmen(const QWidget* feld);

// The widgets in reading order: group by group (the nearest group box around them, groups from
// top to bottom, then left to right, a group inside another after the other's own widgets; the
// widgets in no group, such as a window's own buttons, last), and in a group row by row, each row
// from left to right. Widgets side by side whose middles are less
// than half a field's height apart stand in one row.
std::vector<QWidget*> lesefolge(std::vector<QWidget*> widgets);

// Tab goes through `folge` in its order; what cannot take the focus now Qt passes over.
void setzeTabfolge(const std::vector<QWidget*>& folge);

// One key released in `feld`, which stands in `kette` (the fields that can take the focus, in
// reading order). Return goes to the next field (after the last back to the first); Right at
// the end of the text to the next, Left with the caret at the start to the previous; Up and
// Down to the field in the nearest row above or below, the one nearest across. `caret` is where
// the caret stood when the key went down: by the time the key is released the field has already
// moved it, and the user decided on what they saw. Returns whether the key was a navigation key.
bool feldNavigation(int taste, QLineEdit* feld, const std::vector<QWidget*>& kette, int caret);
