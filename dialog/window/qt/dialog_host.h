// The Qt window behind a DialogWindow: the template's controls as widgets,
// Esc, the close box, F1 and the window menu passed to the dialog's hooks.
#pragma once

#include <QDialog>
#include <map>
#include <vector>

#include "dialog/window/dialog_template.h"
#include "dialog/window/dialog_window.h"
#include "dialog/window/qt/combo_box_widget.h"
#include "dialog/window/qt/dialog_units.h"

class QButtonGroup;

namespace zaltor::win {

class DialogHost : public QDialog {
 public:
  DialogHost(DialogWindow& window, const DialogTemplate& dialogTemplate, QWidget* parent);

  // The dialog this window shows.
  DialogWindow& Window() const { return window; }
  // Builds the controls from the template.
  void Build();

  // The control, or nullptr; on the dialog's thread.
  QWidget* Control(int id) const;
  ComboBoxWidget* Combo(int id) const;
  // The id of a control widget, kNoId when it is none of the dialog's.
  int ControlId(const QWidget* widget) const;
  const BaseUnits& Units() const { return units; }

 protected:
  void reject() override { window.OnCancel(); }
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* Build(const ControlTemplate& control, QButtonGroup** radioGroup);
  // Whether the list of one of the combo boxes is dropped.
  bool ListOpen() const;

  DialogWindow& window;
  const DialogTemplate& dialogTemplate;
  BaseUnits units;
  std::map<int, QWidget*> controls;
  std::map<const QWidget*, int> ids;
  std::vector<QButtonGroup*> radioGroups;
};

}  // namespace zaltor::win
