// The Win32 window behind a DialogWindow: a dialog box made by the platform's
// dialog manager from the template in memory, with its own modal loop, and
// the window messages passed to the dialog's hooks.
#pragma once

#include "dialog/window/win32/windows_api.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "dialog/window/dialog_template.h"
#include "dialog/window/dialog_window.h"
#include "dialog/window/win32/combo_box_control.h"

namespace zaltor::win {

// Messages that carry a call to the dialog's thread: sent (the sender waits)
// or posted (a std::function the receiver deletes).
constexpr UINT kSentCallMessage = WM_APP + 1;
constexpr UINT kPostedCallMessage = WM_APP + 2;

class DialogHost {
 public:
  DialogHost(DialogWindow& window, const DialogTemplate& dialogTemplate, DialogWindow* parent);
  ~DialogHost();
  DialogHost(const DialogHost&) = delete;
  DialogHost& operator=(const DialogHost&) = delete;

  DialogWindow& Window() const { return window; }
  HWND Handle() const { return handle; }
  HWND Item(int id) const { return handle != nullptr ? GetDlgItem(handle, id) : nullptr; }
  DWORD ThreadId() const { return threadId; }

  // Creates the window, hidden, with its controls and their tooltips.
  void Build();
  // Shows the window, disables its owner and serves messages until End.
  int RunModal();
  void End(int code);
  int EndCode() const { return endCode; }
  ComboBoxControl* Combo(int id);
  // The window menu's entry, after the platform's own.
  void AppendMenuEntry(int command, const char* text);
  // The device context of the WM_PAINT being served, else nullptr.
  HDC PaintContext() const { return paintContext; }

 private:
  static INT_PTR CALLBACK Procedure(HWND handle, UINT message, WPARAM wParam, LPARAM lParam);
  INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void AddToolTips();
  // Tab reaches the radio buttons the template makes tab stops, and only
  // those, whichever is checked.
  void KeepRadioTabStops();
  static LRESULT CALLBACK RadioProcedure(HWND radio, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                         DWORD_PTR tabStop);
  // Disabled controls get no mouse messages: the dialog gets them instead
  // and hands them on to the tooltip as the control's, and the tooltip is
  // told that the control is the window under the mouse.
  HWND DisabledToolAt(POINT screen) const;
  void RelayMouse(UINT message, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK ToolTipProcedure(HWND tip, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                           DWORD_PTR host);
  void DropPostedCalls();

  DialogWindow& window;
  const DialogTemplate& dialogTemplate;
  DialogWindow* parent;
  DWORD threadId;
  HWND handle = nullptr;
  HWND toolTips = nullptr;
  std::vector<HWND> tools;
  bool running = false;
  bool listOpen = false;
  int endCode = 0;
  HDC paintContext = nullptr;
  std::string toolTipText;
  std::map<int, std::unique_ptr<ComboBoxControl>> combos;
};

// The template as the dialog manager reads it: a DLGTEMPLATEEX and one
// DLGITEMTEMPLATEEX per control, in words.
std::vector<WORD> MemoryTemplate(const DialogTemplate& dialogTemplate);

}  // namespace zaltor::win
