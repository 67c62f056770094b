#pragma once
// What a typed value of the section may be. The window applies these rules as
// a field is left, the section-file reader to every value it opens: a value
// the keyboard could not leave in a field cannot come in through a file.

// What a field accepts; every rule lets an empty field pass.
enum class Feldregel {
    Mass,        // greater than 0 (message 4)
    Stegwinkel,  // at most 30 degrees either way (message 13)
    Radius,      // 0 or more (message 5)
    Steifenlage, // more than 2 and less than 98 percent (message 14)
    Mindestens1, // 1 or more (message 74)
    Nichtnegativ // 0 or more (message 5)
};

// The number of the message a value breaks its rule with, 0 when it is accepted;
// message 50 for a value that is not finite or beyond 100 m.
int regelverletzung(Feldregel regel, float wert);

class QString;
// The same for a value as typed: 0 for an empty text, message 1 for a text that is no number.
int textverletzung(Feldregel regel, const QString& text);
