// A radio button whose tab stop is the template's for the whole life of the
// dialog: the toolkit would move its group's tab stop onto whichever button
// last had the focus.
#pragma once

#include <QRadioButton>

namespace zaltor::win {

class RadioButton : public QRadioButton {
 public:
  RadioButton(const QString& caption, bool tabStop, QWidget* parent);

 protected:
  void focusInEvent(QFocusEvent* event) override;

 private:
  void RestoreFocusPolicy();

  const bool tabStop;
};

}  // namespace zaltor::win
