#include "dialog/window/dialog_window.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <algorithm>
#include <cstring>
#include <utility>

#include "dialog/window/group_box.h"
#include "dialog/window/icon_resource.h"
#include "dialog/window/radio_button.h"
#include "resources/resource_ids.h"
#include "resources/resources.h"

namespace zaltor::win {

namespace {

DialogWindow::HelpHandler& ProgramHelpHandler() {
  static DialogWindow::HelpHandler handler;
  return handler;
}

QString FromText(const char* text) { return QString::fromLocal8Bit(text != nullptr ? text : ""); }

// The tallest a combo box's text field is, in dialog units: the rest of a
// template's height is its dropped list.
constexpr int kComboFieldHeight = 13;

}  // namespace

DialogWindow::DialogWindow(const DialogTemplate& dialogTemplate, QWidget* parent)
    : QDialog(parent), dialogTemplate(dialogTemplate) {
  Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint;
  if (dialogTemplate.style & kDialogCaption) flags |= Qt::WindowTitleHint;
  if (dialogTemplate.style & kDialogSystemMenu) flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
  setWindowFlags(flags);
}

DialogWindow::~DialogWindow() = default;

void DialogWindow::Create() {
  if (created) return;
  created = true;
  setWindowTitle(FromText(dialogTemplate.title));
  setFont(DialogFont(dialogTemplate.fontName, dialogTemplate.pointSize));
  units = BaseUnitsOf(font());
  const QRect client = DialogUnitsToPixels(units, 0, 0, dialogTemplate.width, dialogTemplate.height);
  setFixedSize(client.size());

  QButtonGroup* radioGroup = nullptr;
  QWidget* previousStop = nullptr;
  for (int i = 0; i < dialogTemplate.controlCount; ++i) {
    const ControlTemplate& row = dialogTemplate.controls[i];
    QWidget* widget = Build(row, &radioGroup);
    widget->setObjectName(QStringLiteral("control%1").arg(row.id));
    if (row.id != kNoId) {
      controls[row.id] = widget;
      ids[widget] = row.id;
    }
    if (row.style & kTabStop && widget->focusPolicy() != Qt::NoFocus) {
      widget->setFocusPolicy(Qt::StrongFocus);
      if (previousStop != nullptr) QWidget::setTabOrder(previousStop, widget);
      previousStop = widget;
    } else if (widget->focusPolicy() != Qt::NoFocus) {
      widget->setFocusPolicy(Qt::ClickFocus);
    }
  }
  for (auto& [id, widget] : controls) {
    const std::string tip = ToolTipText(id);
    if (!tip.empty()) widget->setToolTip(FromText(tip.c_str()));
  }
  if (QWidget* help = Control(res::kCommandHelp)) help->setVisible(static_cast<bool>(ProgramHelpHandler()));
  OnInitDialog();
}

QWidget* DialogWindow::Build(const ControlTemplate& row, QButtonGroup** radioGroup) {
  const QString caption = FromText(row.caption);
  QRect place = DialogUnitsToPixels(units, row.x, row.y, row.width, row.height);
  // A radio button outside the current run of its group starts a new one.
  if (row.kind != ControlKind::kRadioButton || row.style & kGroup) *radioGroup = nullptr;
  QWidget* widget = nullptr;
  switch (row.kind) {
    case ControlKind::kPushButton:
    case ControlKind::kDefaultPushButton: {
      auto* button = new QPushButton(caption, this);
      button->setDefault(row.kind == ControlKind::kDefaultPushButton);
      const int id = row.id;
      connect(button, &QPushButton::clicked, this, [this, id] { OnCommand(id); });
      widget = button;
      break;
    }
    case ControlKind::kGroupBox: {
      widget = new GroupBox(caption, this);
      break;
    }
    case ControlKind::kLabel: {
      auto* label = new QLabel(caption, this);
      label->setTextFormat(Qt::PlainText);
      label->setFocusPolicy(Qt::NoFocus);
      widget = label;
      break;
    }
    case ControlKind::kStatusText: {
      auto* label = new QLabel(caption, this);
      label->setTextFormat(Qt::PlainText);
      label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
      label->setWordWrap(true);
      label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
      label->setFocusPolicy(Qt::NoFocus);
      widget = label;
      break;
    }
    case ControlKind::kIcon: {
      auto* label = new QLabel(this);
      label->setPixmap(IconPixmap(res::kProgramIcon, 32));
      label->setFocusPolicy(Qt::NoFocus);
      // An icon control takes the icon's size, whatever the template says.
      place.setSize(QSize(32, 32));
      widget = label;
      break;
    }
    case ControlKind::kEdit:
      widget = new QLineEdit(caption, this);
      break;
    case ControlKind::kComboDropDown:
    case ControlKind::kComboDropList: {
      auto* combo = new ComboBox(this, row.kind == ControlKind::kComboDropDown, row.style & kSorted);
      const int field = DialogUnitsToPixels(units, 0, 0, 0, kComboFieldHeight).height();
      place.setHeight(std::min(place.height(), std::max(field, combo->minimumSizeHint().height())));
      widget = combo;
      break;
    }
    case ControlKind::kRadioButton: {
      auto* radio = new RadioButton(caption, (row.style & kTabStop) != 0, this);
      if (*radioGroup == nullptr) {
        *radioGroup = new QButtonGroup(this);
        radioGroups.push_back(*radioGroup);
      }
      (*radioGroup)->addButton(radio);
      widget = radio;
      break;
    }
    case ControlKind::kCheckBox:
      widget = new QCheckBox(caption, this);
      break;
  }
  widget->setGeometry(place);
  return widget;
}

int DialogWindow::DoModal() {
  Create();
  return exec();
}

QWidget* DialogWindow::Control(int id) const {
  auto found = controls.find(id);
  return found != controls.end() ? found->second : nullptr;
}

ComboBox* DialogWindow::Combo(int id) const { return dynamic_cast<ComboBox*>(Control(id)); }

int DialogWindow::ControlId(const QWidget* widget) const {
  auto found = ids.find(widget);
  return found != ids.end() ? found->second : kNoId;
}

std::string DialogWindow::GetDlgItemText(int id) {
  return Invoke([this, id] {
    QWidget* widget = Control(id);
    QString text;
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
      text = edit->text();
    } else if (auto* combo = dynamic_cast<ComboBox*>(widget)) {
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

int DialogWindow::GetDlgItemText(int id, char* buffer, int size) {
  if (buffer == nullptr || size <= 0) return 0;
  const std::string text = GetDlgItemText(id);
  std::size_t length = std::min(text.size(), static_cast<std::size_t>(size - 1));
  while (length > 0 && length < text.size() && (static_cast<unsigned char>(text[length]) & 0xc0) == 0x80) {
    --length;
  }
  std::memcpy(buffer, text.data(), length);
  buffer[length] = '\0';
  return static_cast<int>(length);
}

void DialogWindow::SetDlgItemText(int id, const char* text) {
  const QString value = FromText(text);
  Invoke([this, id, &value, text] {
    QWidget* widget = Control(id);
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
      edit->setText(value);
    } else if (auto* combo = dynamic_cast<ComboBox*>(widget)) {
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
    auto* button = qobject_cast<QAbstractButton*>(Control(id));
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
    auto* button = qobject_cast<QAbstractButton*>(Control(id));
    return button != nullptr && button->isChecked() ? kChecked : kUnchecked;
  });
}

void DialogWindow::CheckRadioButton(int first, int last, int id) {
  Invoke([this, first, last, id] {
    for (int each = first; each <= last; ++each) {
      if (each != id) CheckDlgButton(each, kUnchecked);
    }
    CheckDlgButton(id, kChecked);
  });
}

int DialogWindow::GetCheckedRadioButton(int first, int last) {
  return Invoke([this, first, last] {
    for (int each = first; each <= last; ++each) {
      if (IsDlgButtonChecked(each) == kChecked) return each;
    }
    return 0;
  });
}

void DialogWindow::EnableDlgItem(int id, bool enable) {
  Invoke([this, id, enable] {
    if (QWidget* widget = Control(id)) widget->setEnabled(enable);
  });
}

bool DialogWindow::IsDlgItemEnabled(int id) {
  return Invoke([this, id] {
    QWidget* widget = Control(id);
    return widget != nullptr && widget->isEnabled();
  });
}

void DialogWindow::FocusDlgItem(int id) {
  Invoke([this, id] {
    if (QWidget* widget = Control(id)) widget->setFocus(Qt::OtherFocusReason);
  });
}

std::string DialogWindow::ToolTipText(int id) const {
  const char* text = res::LoadResourceString(id & 0xffff);
  return text != nullptr ? text : "";
}

void DialogWindow::AppendSystemMenu(int command, const char* text) {
  systemMenu.push_back({command, text != nullptr ? text : ""});
}

void DialogWindow::OnSysCommand(int command, long) {
  if ((command & 0xfff0) == kScClose) close();
}

void DialogWindow::SetHelpHandler(HelpHandler handler) { ProgramHelpHandler() = std::move(handler); }

void DialogWindow::OnHelpCommand() {
  if (ProgramHelpHandler()) ProgramHelpHandler()(0x20000UL + static_cast<unsigned long>(dialogTemplate.id));
}

void DialogWindow::SetIcons(const QIcon& large, const QIcon& small) {
  largeIcon = large;
  smallIcon = small;
  // Qt keeps one icon per window, with every size in it.
  QIcon both = large;
  for (const QSize& size : small.availableSizes()) both.addPixmap(small.pixmap(size));
  setWindowIcon(both);
}

void DialogWindow::OnCommand(int id) {
  if (id == kIdCancelCode) {
    OnCancel();
  } else if (id == res::kCommandHelp) {
    OnHelpCommand();
  } else if (id == res::kIdOk) {
    EndDialog(res::kIdOk);
  }
}

void DialogWindow::closeEvent(QCloseEvent* event) {
  // The dialog decides in OnCancel whether and when it ends.
  event->ignore();
  OnCancel();
}

void DialogWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_F1 && event->modifiers() == Qt::NoModifier) {
    OnHelpCommand();
    return;
  }
  QDialog::keyPressEvent(event);
}

void DialogWindow::contextMenuEvent(QContextMenuEvent* event) {
  QMenu menu(this);
  connect(menu.addAction(tr("&Close")), &QAction::triggered, this, [this] { OnSysCommand(kScClose, 0); });
  for (const MenuEntry& entry : systemMenu) {
    if (entry.command == 0) {
      menu.addSeparator();
    } else {
      const int command = entry.command;
      connect(menu.addAction(FromText(entry.text.c_str())), &QAction::triggered, this,
              [this, command] { OnSysCommand(command, 0); });
    }
  }
  menu.exec(event->globalPos());
}

void DialogWindow::paintEvent(QPaintEvent* event) {
  if (isMinimized()) {
    OnPaint();
  } else {
    QDialog::paintEvent(event);
  }
}

}  // namespace zaltor::win
