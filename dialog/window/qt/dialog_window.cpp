// DialogWindow on Qt: the dialog's window is a DialogHost, its controls
// widgets, and every control operation runs on the window's thread.
#include "dialog/window/dialog_window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QEventLoop>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QWidget>

#include "dialog/window/qt/dialog_host.h"
#include "dialog/window/qt/icon_image.h"

namespace zaltor::win {

namespace {

QString FromText(const char* text) { return QString::fromLocal8Bit(text != nullptr ? text : ""); }

QWidget* HostOf(DialogWindow* parent) { return parent != nullptr ? &parent->Host() : nullptr; }

}  // namespace

DialogWindow::DialogWindow(const DialogTemplate& dialogTemplate, DialogWindow* parent)
    : dialogTemplate(dialogTemplate), host(std::make_unique<DialogHost>(*this, dialogTemplate, HostOf(parent))) {}

DialogWindow::~DialogWindow() = default;

void DialogWindow::BuildControls() { host->Build(); }

int DialogWindow::RunModal() {
  if (host->parentWidget() != nullptr) return host->exec();
  // A dialog without an owner blocks no other window: a modal one would be
  // kept out of the task bar by many window managers.
  QEventLoop loop;
  QObject::connect(host.get(), &QDialog::finished, &loop, &QEventLoop::quit);
  host->show();
  loop.exec();
  return host->result();
}

void DialogWindow::EndDialog(int code) { host->done(code); }

void DialogWindow::ShowWindow() {
  host->show();
  QApplication::setActiveWindow(host.get());
  QApplication::processEvents();
}

bool DialogWindow::IsWindowVisible() const { return host->isVisible(); }

int DialogWindow::EndCode() const { return host->result(); }

ComboBox* DialogWindow::FindCombo(int id) const { return host->Combo(id); }

std::string DialogWindow::GetDlgItemText(int id) {
  return Invoke([this, id] {
    QWidget* widget = host->Control(id);
    QString text;
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
      text = edit->text();
    } else if (auto* combo = dynamic_cast<ComboBoxWidget*>(widget)) {
      return combo->WindowText();
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
      text = button->text();
    } else if (auto* label = qobject_cast<QLabel*>(widget)) {
      text = label->text();
    } else if (auto* frame = qobject_cast<QGroupBox*>(widget)) {
      text = frame->title();
    }
    return text.toLocal8Bit().toStdString();
  });
}

void DialogWindow::SetDlgItemText(int id, const char* text) {
  const QString value = FromText(text);
  Invoke([this, id, &value, text] {
    QWidget* widget = host->Control(id);
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
      edit->setText(value);
    } else if (auto* combo = dynamic_cast<ComboBoxWidget*>(widget)) {
      combo->SetWindowText(text);
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
      button->setText(value);
    } else if (auto* label = qobject_cast<QLabel*>(widget)) {
      label->setText(value);
    } else if (auto* frame = qobject_cast<QGroupBox*>(widget)) {
      frame->setTitle(value);
    }
  });
}

void DialogWindow::CheckDlgButton(int id, int state) {
  Invoke([this, id, state] {
    auto* button = qobject_cast<QAbstractButton*>(host->Control(id));
    if (button == nullptr) return;
    QButtonGroup* group = button->group();
    // An exclusive group does not let its last checked button be cleared.
    const bool exclusive = group != nullptr && group->exclusive();
    if (exclusive) group->setExclusive(false);
    button->setChecked(state != kUnchecked);
    if (exclusive) group->setExclusive(true);
  });
}

int DialogWindow::IsDlgButtonChecked(int id) {
  return Invoke([this, id] {
    auto* button = qobject_cast<QAbstractButton*>(host->Control(id));
    return button != nullptr && button->isChecked() ? kChecked : kUnchecked;
  });
}

void DialogWindow::EnableDlgItem(int id, bool enable) {
  Invoke([this, id, enable] {
    if (QWidget* widget = host->Control(id)) widget->setEnabled(enable);
  });
}

bool DialogWindow::IsDlgItemEnabled(int id) {
  return Invoke([this, id] {
    QWidget* widget = host->Control(id);
    return widget != nullptr && widget->isEnabled();
  });
}

void DialogWindow::FocusDlgItem(int id) {
  Invoke([this, id] {
    if (QWidget* widget = host->Control(id)) widget->setFocus(Qt::OtherFocusReason);
  });
}

// The context menu is made from SystemMenu() each time it opens.
void DialogWindow::ShowSystemMenuEntry(const MenuEntry&) {}

void DialogWindow::SetIcons(const Icon& large, const Icon& small) {
  largeIcon = large;
  smallIcon = small;
  // Qt keeps one icon per window, with every size in it.
  QIcon both = QtIcon(large);
  const QIcon smallImages = QtIcon(small);
  for (const QSize& size : smallImages.availableSizes()) both.addPixmap(smallImages.pixmap(size));
  host->setWindowIcon(both);
}

int DialogWindow::FocusedDlgItem() {
  return Invoke([this] {
    QWidget* focus = QApplication::focusWidget();
    // An editable combo box's text field is the combo box's.
    int id = host->ControlId(focus);
    if (id == kNoId && focus != nullptr) id = host->ControlId(focus->parentWidget());
    return id;
  });
}

DialogWindow::ClientSize DialogWindow::GetClientSize() const { return {host->width(), host->height()}; }

void DialogWindow::DrawIcon(int x, int y, const Icon& icon) {
  QPainter painter(host.get());
  painter.eraseRect(host->rect());
  painter.drawPixmap(x, y, IconPixmap(icon.ResourceId(), 32));
}

}  // namespace zaltor::win
