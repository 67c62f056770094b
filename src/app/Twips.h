#pragma once
// Window geometry is designed in twips, as in the suite's other programs: 15
// twips to the screen pixel.

constexpr int twipsProPixel = 15;
constexpr int px(int twips) { return twips / twipsProPixel; }
