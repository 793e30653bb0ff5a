#include "dialog/window/qt/dialog_units.h"

#include <QFontMetrics>

namespace zaltor::win {

namespace {

// Rounds value * numerator / denominator to the nearest integer.
int MulDiv(int value, int numerator, int denominator) {
  long long product = static_cast<long long>(value) * numerator;
  return static_cast<int>((product + denominator / 2) / denominator);
}

}  // namespace

BaseUnits BaseUnitsOf(const QFont& font) {
  QFontMetrics metrics(font);
  // The average width over both alphabets, rounded, as dialog managers
  // measure it.
  const int alphabets = metrics.horizontalAdvance(
      QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
  BaseUnits units;
  units.x = (alphabets / 26 + 1) / 2;
  units.y = metrics.height();
  return units;
}

QRect DialogUnitsToPixels(const BaseUnits& units, int x, int y, int width, int height) {
  return QRect(MulDiv(x, units.x, 4), MulDiv(y, units.y, 8), MulDiv(width, units.x, 4),
               MulDiv(height, units.y, 8));
}

QFont DialogFont(const char*, int pointSize) {
  QFont font(QStringLiteral("Sans Serif"));
  font.setStyleHint(QFont::SansSerif);
  font.setPointSize(pointSize);
  return font;
}

}  // namespace zaltor::win
