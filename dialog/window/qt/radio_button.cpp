#include "dialog/window/qt/radio_button.h"

#include <QButtonGroup>
#include <QKeyEvent>

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

void RadioButton::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();
  const bool back = key == Qt::Key_Up || key == Qt::Key_Left;
  const bool forward = key == Qt::Key_Down || key == Qt::Key_Right;
  if ((!back && !forward) || group() == nullptr || (event->modifiers() & ~Qt::KeypadModifier) != 0) {
    QRadioButton::keyPressEvent(event);
    return;
  }
  const QList<QAbstractButton*> buttons = group()->buttons();
  const qsizetype count = buttons.size();
  const qsizetype at = buttons.indexOf(this);
  for (qsizetype step = 1; step < count; ++step) {
    QAbstractButton* next = buttons[(at + (forward ? step : count - step)) % count];
    if (!next->isEnabled() || next->isHidden()) continue;
    next->setFocus(Qt::OtherFocusReason);
    if (!next->isChecked()) next->click();
    break;
  }
  event->accept();
}

// Clicked, a button takes the focus; Tab reaches only the template's stops.
void RadioButton::RestoreFocusPolicy() { setFocusPolicy(tabStop ? Qt::StrongFocus : Qt::ClickFocus); }

}  // namespace zaltor::win
