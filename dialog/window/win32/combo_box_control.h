// The combo box on Win32: each operation is the control's message.
#pragma once

#include "dialog/window/win32/windows_api.h"

#include <string>

#include "dialog/window/combo_box.h"

namespace zaltor::win {

class ComboBoxControl : public ComboBox {
 public:
  explicit ComboBoxControl(HWND handle) : handle(handle) {}

  int AddString(const char* text) override { return Send(CB_ADDSTRING, 0, Text(text)); }
  int InsertString(int index, const char* text) override { return Send(CB_INSERTSTRING, index, Text(text)); }
  int DeleteString(int index) override { return Send(CB_DELETESTRING, index, 0); }
  int FindString(int start, const char* text) const override { return Send(CB_FINDSTRING, start, Text(text)); }
  int FindStringExact(int start, const char* text) const override {
    return Send(CB_FINDSTRINGEXACT, start, Text(text));
  }
  int SetCurSel(int index) override { return Send(CB_SETCURSEL, index, 0); }
  int GetCurSel() const override { return Send(CB_GETCURSEL, 0, 0); }
  std::string GetLBText(int index) const override;
  int GetCount() const override { return Send(CB_GETCOUNT, 0, 0); }
  void LimitText(int characters) override { Send(CB_LIMITTEXT, characters, 0); }
  void SetDroppedItems(int items) override;
  std::string WindowText() const override;
  void SetWindowText(const char* text) override { SetWindowTextA(handle, text != nullptr ? text : ""); }

 private:
  int Send(UINT message, WPARAM wParam, LPARAM lParam) const {
    return static_cast<int>(SendMessageA(handle, message, wParam, lParam));
  }
  static LPARAM Text(const char* text) { return reinterpret_cast<LPARAM>(text != nullptr ? text : ""); }

  HWND handle;
};

}  // namespace zaltor::win
