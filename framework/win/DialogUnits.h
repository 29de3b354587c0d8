// Dialog units to pixels: a horizontal unit is a quarter of the dialog font's
// average character width, a vertical unit an eighth of its height.
#pragma once

#include <QFont>
#include <QRect>

#include <string>

struct DialogBaseUnits {
    int cxChar;  // average width of the letters A-Z and a-z, rounded to a pixel
    int cyChar;  // character height

    int toPixelsX(int x) const;
    int toPixelsY(int y) const;
    QRect toPixels(int x, int y, int cx, int cy) const;
};

// The template's font at `pointSize`; where the family is missing the system's
// nearest match (a sans-serif face) stands in.
QFont dialogFont(const std::string& family, int pointSize);

DialogBaseUnits dialogBaseUnits(const QFont& font);
