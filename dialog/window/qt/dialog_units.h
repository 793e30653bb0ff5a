// Dialog units: a horizontal unit is a quarter of the font's average
// character width, a vertical one an eighth of its height.
#pragma once

#include <QFont>
#include <QRect>

namespace zaltor::win {

struct BaseUnits {
  int x = 0;  // average character width in pixels
  int y = 0;  // character height in pixels
};

BaseUnits BaseUnitsOf(const QFont& font);

// A rectangle in dialog units, in pixels.
QRect DialogUnitsToPixels(const BaseUnits& units, int x, int y, int width, int height);

// The font a template names, at its point size: the system's sans-serif face
// stands in for the bitmap faces of the templates.
QFont DialogFont(const char* templateFontName, int pointSize);

}  // namespace zaltor::win
