#include "dialog/window/qt/dialog_host.h"

#include <QAbstractItemView>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <algorithm>
#include <cstring>
#include <utility>

#include "dialog/window/qt/group_box.h"
#include "dialog/window/qt/icon_image.h"
#include "dialog/window/qt/radio_button.h"
#include "resources/resource_ids.h"
#include "resources/resources.h"

namespace zaltor::win {

namespace {

QString FromText(const char* text) { return QString::fromLocal8Bit(text != nullptr ? text : ""); }

// The tallest a combo box's text field is, in dialog units: the rest of a
// template's height is its dropped list.
constexpr int kComboFieldHeight = 13;

}  // namespace

DialogHost::DialogHost(DialogWindow& window, const DialogTemplate& dialogTemplate, QWidget* parent)
    : QDialog(parent), window(window), dialogTemplate(dialogTemplate) {
  // A dialog without an owner is a window of its own, shown in the task bar
  // and the window manager's lists, not one kept over another.
  Qt::WindowFlags flags = (parent != nullptr ? Qt::Dialog : Qt::Window) | Qt::CustomizeWindowHint;
  if (dialogTemplate.style & kDialogCaption) flags |= Qt::WindowTitleHint;
  if (dialogTemplate.style & kDialogSystemMenu) flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
  setWindowFlags(flags);
}

void DialogHost::Build() {
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
    const std::string tip = window.ToolTipText(id);
    if (tip.empty()) continue;
    widget->setToolTip(FromText(tip.c_str()));
    widget->installEventFilter(this);
  }
  if (QWidget* help = Control(res::kCommandHelp)) help->setVisible(DialogWindow::HasHelpHandler());
}

QWidget* DialogHost::Build(const ControlTemplate& row, QButtonGroup** radioGroup) {
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
      connect(button, &QPushButton::clicked, this, [this, id] { window.OnCommand(id); });
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
      // Tab stops on it where the template says so, as on the platform.
      label->setFocusPolicy(Qt::TabFocus);
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
      auto* combo = new ComboBoxWidget(this, row.kind == ControlKind::kComboDropDown, row.style & kSorted);
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

QWidget* DialogHost::Control(int id) const {
  auto found = controls.find(id);
  return found != controls.end() ? found->second : nullptr;
}

ComboBoxWidget* DialogHost::Combo(int id) const { return dynamic_cast<ComboBoxWidget*>(Control(id)); }

int DialogHost::ControlId(const QWidget* widget) const {
  auto found = ids.find(widget);
  return found != ids.end() ? found->second : kNoId;
}

bool DialogHost::ListOpen() const {
  for (const auto& [id, widget] : controls) {
    const auto* combo = dynamic_cast<const ComboBoxWidget*>(widget);
    if (combo != nullptr && combo->view()->isVisible()) return true;
  }
  return false;
}

bool DialogHost::eventFilter(QObject* watched, QEvent* event) {
  // A tooltip whose wait began before a list dropped would cover the list.
  if (event->type() == QEvent::ToolTip && ListOpen()) return true;
  return QDialog::eventFilter(watched, event);
}

void DialogHost::closeEvent(QCloseEvent* event) {
  // The dialog decides in OnCancel whether and when it ends.
  event->ignore();
  window.OnCancel();
}

void DialogHost::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_F1 && event->modifiers() == Qt::NoModifier) {
    window.OnHelpCommand();
    return;
  }
  QDialog::keyPressEvent(event);
}

void DialogHost::contextMenuEvent(QContextMenuEvent* event) {
  QMenu menu(this);
  connect(menu.addAction(tr("&Close")), &QAction::triggered, this, [this] { window.OnSysCommand(kScClose, 0); });
  for (const DialogWindow::MenuEntry& entry : window.SystemMenu()) {
    if (entry.command == 0) {
      menu.addSeparator();
    } else {
      const int command = entry.command;
      connect(menu.addAction(FromText(entry.text.c_str())), &QAction::triggered, this,
              [this, command] { window.OnSysCommand(command, 0); });
    }
  }
  menu.exec(event->globalPos());
}

void DialogHost::paintEvent(QPaintEvent* event) {
  if (isMinimized()) {
    window.OnPaint();
  } else {
    QDialog::paintEvent(event);
  }
}

}  // namespace zaltor::win
