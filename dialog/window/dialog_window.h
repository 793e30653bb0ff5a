// A dialog built from a template, its controls reached by id. Every control
// operation may be called from any thread; it runs on the dialog's thread.
#pragma once

#include <QDialog>
#include <QIcon>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "dialog/window/combo_box.h"
#include "dialog/window/dialog_template.h"
#include "dialog/window/dialog_units.h"
#include "dialog/window/thread_call.h"

class QButtonGroup;

namespace zaltor::win {

// Commands of the window menu that the platform handles itself.
constexpr int kScClose = 0xF060;

// Check states.
constexpr int kUnchecked = 0;
constexpr int kChecked = 1;

class DialogWindow : public QDialog {
 public:
  // The window's controls do not exist until Create or DoModal.
  explicit DialogWindow(const DialogTemplate& dialogTemplate, QWidget* parent = nullptr);
  ~DialogWindow() override;

  // Builds the controls from the template and runs OnInitDialog; once.
  void Create();
  // Creates the window, shows it centred and runs it modally; the end code.
  int DoModal();
  void EndDialog(int code) { done(code); }

  int TemplateId() const { return dialogTemplate.id; }
  const BaseUnits& Units() const { return units; }

  template <class Call>
  auto Invoke(Call&& call) -> decltype(call()) {
    return CallOnThreadOf(this, std::forward<Call>(call));
  }

  // The control, or nullptr; on the dialog's thread.
  QWidget* Control(int id) const;
  ComboBox* Combo(int id) const;
  // The id of a control widget, kNoId when it is none of the dialog's.
  int ControlId(const QWidget* widget) const;

  // GetDlgItemText: at most size - 1 bytes and a NUL; the length copied.
  // A multi-byte character is never cut in two.
  int GetDlgItemText(int id, char* buffer, int size);
  std::string GetDlgItemText(int id);
  void SetDlgItemText(int id, const char* text);
  void CheckDlgButton(int id, int state);
  int IsDlgButtonChecked(int id);
  // Checks id and clears the other buttons from first to last.
  void CheckRadioButton(int first, int last, int id);
  // The first checked button from first to last, or 0.
  int GetCheckedRadioButton(int first, int last);
  void EnableDlgItem(int id, bool enable);
  bool IsDlgItemEnabled(int id);
  void FocusDlgItem(int id);

  // The window menu: entries appended here are offered in the dialog's
  // context menu after its Close entry; command 0 appends a separator.
  void AppendSystemMenu(int command, const char* text);
  struct MenuEntry {
    int command;  // 0 for a separator
    std::string text;
  };
  const std::vector<MenuEntry>& SystemMenu() const { return systemMenu; }
  // What choosing an entry does.
  virtual void OnSysCommand(int command, long param);

  // The help command of the whole program, 0x20000 plus the dialog's id for
  // its topic. A dialog shows its Help button only when a handler is set.
  using HelpHandler = std::function<void(unsigned long context)>;
  static void SetHelpHandler(HelpHandler handler);
  void OnHelpCommand();

  // The tooltip of a control: its string table entry, empty when it has
  // none (labels, frames, the status line).
  virtual std::string ToolTipText(int id) const;

  // The large and the small window icon.
  void SetIcons(const QIcon& large, const QIcon& small);
  QIcon LargeIcon() const { return largeIcon; }
  QIcon SmallIcon() const { return smallIcon; }

 protected:
  // After the controls exist, before the window is shown.
  virtual void OnInitDialog() {}
  // Exit, Esc and the close box all come here.
  virtual void OnCancel() { EndDialog(kIdCancelCode); }
  // Clicks of push buttons, by id; Cancel (2) reaches OnCancel first.
  virtual void OnCommand(int id);
  // Paints the window when it is minimised; nothing otherwise.
  virtual void OnPaint() {}

  void reject() override { OnCancel(); }
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

  static constexpr int kIdCancelCode = 2;

 private:
  QWidget* Build(const ControlTemplate& control, QButtonGroup** radioGroup);

  const DialogTemplate& dialogTemplate;
  BaseUnits units;
  bool created = false;
  std::map<int, QWidget*> controls;
  std::map<const QWidget*, int> ids;
  std::vector<QButtonGroup*> radioGroups;
  std::vector<MenuEntry> systemMenu;
  QIcon largeIcon;
  QIcon smallIcon;
};

}  // namespace zaltor::win
