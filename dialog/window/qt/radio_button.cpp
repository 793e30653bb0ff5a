#include "dialog/window/qt/radio_button.h"

#include <QButtonGroup>

namespace zaltor::win {

RadioButton::RadioButton(const QString& caption, bool tabStop, QWidget* parent)
    : QRadioButton(caption, parent), tabStop(tabStop) {
  RestoreFocusPolicy();
}

void RadioButton::focusInEvent(QFocusEvent* event) {
  QRadioButton::focusInEvent(event);
  if (group() == nullptr) {
    RestoreFocusPolicy();
    return;
  }
  for (QAbstractButton* button : group()->buttons()) {
    if (auto* radio = dynamic_cast<RadioButton*>(button)) radio->RestoreFocusPolicy();
  }
}

// Clicked, a button takes the focus; Tab reaches only the template's stops.
void RadioButton::RestoreFocusPolicy() { setFocusPolicy(tabStop ? Qt::StrongFocus : Qt::ClickFocus); }

}  // namespace zaltor::win
