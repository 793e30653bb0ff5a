// A radio button whose tab stop is the template's for the whole life of the
// dialog: the toolkit would move its group's tab stop onto whichever button
// last had the focus. The arrow keys move the focus within its group, round
// past either end, and check the button they reach, as in the platform's
// dialogs; the toolkit's own would skip the buttons that are no tab stop.
#pragma once

#include <QRadioButton>

namespace zaltor::win {

class RadioButton : public QRadioButton {
 public:
  RadioButton(const QString& caption, bool tabStop, QWidget* parent);

 protected:
  void focusInEvent(QFocusEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void RestoreFocusPolicy();

  const bool tabStop;
};

}  // namespace zaltor::win
