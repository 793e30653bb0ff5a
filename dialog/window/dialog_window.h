// A dialog built from a template, its controls reached by id. Every control
// operation may be called from any thread; it runs on the dialog's thread.
// The toolkit's window behind it is the DialogHost of the window layer's
// implementation for this host.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "dialog/window/combo_box.h"
#include "dialog/window/dialog_template.h"
#include "dialog/window/icon_resource.h"
#include "dialog/window/thread_call.h"

namespace zaltor::win {

class DialogHost;

// Commands of the window menu that the platform handles itself.
constexpr int kScClose = 0xF060;

// Check states.
constexpr int kUnchecked = 0;
constexpr int kChecked = 1;

class DialogWindow {
 public:
  // The window's controls do not exist until Create or DoModal. A dialog
  // with a parent is owned by it and centred over it.
  explicit DialogWindow(const DialogTemplate& dialogTemplate, DialogWindow* parent = nullptr);
  virtual ~DialogWindow();
  DialogWindow(const DialogWindow&) = delete;
  DialogWindow& operator=(const DialogWindow&) = delete;

  // Builds the controls from the template and runs OnInitDialog; once.
  void Create();
  // Creates the window, shows it centred and runs it modally; the end code.
  int DoModal();
  void EndDialog(int code);
  // Shows the created window and makes it the active one, without a modal
  // run of its own.
  void ShowWindow();
  bool IsWindowVisible() const;
  // The code EndDialog ended the dialog with.
  int EndCode() const;

  int TemplateId() const;

  template <class Call>
  auto Invoke(Call&& call) -> decltype(call()) {
    return CallOnThreadOf(*this, std::forward<Call>(call));
  }

  // The combo box of that id; used on the dialog's thread. The templates
  // are the program's own, so asking for a combo box the template lacks is
  // a fault of the program, which ends it.
  ComboBox& Combo(int id) const;

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
  // The id of the control that has the focus, kNoId when none of the
  // dialog's has it.
  int FocusedDlgItem();

  // The window menu: entries appended here come after the platform's own;
  // command 0 appends a separator.
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
  static bool HasHelpHandler();
  void OnHelpCommand();

  // The tooltip of a control: its string table entry, empty when it has
  // none (labels, frames, the status line).
  virtual std::string ToolTipText(int id) const;

  // The large and the small window icon.
  void SetIcons(const Icon& large, const Icon& small);
  Icon LargeIcon() const { return largeIcon; }
  Icon SmallIcon() const { return smallIcon; }

  // The toolkit's window; only the window layer and its own tests use it.
  DialogHost& Host() const { return *host; }

 protected:
  // After the controls exist, before the window is shown.
  virtual void OnInitDialog() {}
  // Exit, Esc and the close box all come here.
  virtual void OnCancel() { EndDialog(kIdCancelCode); }
  // Clicks of push buttons, by id; Cancel (2) reaches OnCancel first.
  virtual void OnCommand(int id);
  // Paints the window when it is minimised; nothing otherwise.
  virtual void OnPaint() {}

  // The client area's size in pixels.
  struct ClientSize {
    int width;
    int height;
  };
  ClientSize GetClientSize() const;
  // In OnPaint: the window's background, then the icon at 32 by 32 pixels
  // with its top left corner at x, y.
  void DrawIcon(int x, int y, const Icon& icon);

  static constexpr int kIdCancelCode = 2;

 private:
  friend class DialogHost;

  // The host's part of Create and DoModal: the controls of the template,
  // their tooltips and the Help button's visibility; the modal run.
  void BuildControls();
  int RunModal();
  // The host's combo box of that id, or nullptr.
  ComboBox* FindCombo(int id) const;
  // The host's window menu gets the entry just appended.
  void ShowSystemMenuEntry(const MenuEntry& entry);

  const DialogTemplate& dialogTemplate;
  std::unique_ptr<DialogHost> host;
  bool created = false;
  std::vector<MenuEntry> systemMenu;
  Icon largeIcon;
  Icon smallIcon;
};

}  // namespace zaltor::win
