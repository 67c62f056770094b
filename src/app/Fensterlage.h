#pragma once
// Where a window opens: on its screen's free area, centred, and where it is larger
// than that area with its title bar and left edge on it, so that no part the user
// needs first lies off the screen.

class QWidget;

void legeAufBildschirm(QWidget* fenster);
