// DialogWindow on Win32: the dialog's window is a DialogHost, its controls
// the platform's, and every control operation runs on the window's thread.
#include "dialog/window/dialog_window.h"

#include <vector>

#include "dialog/window/win32/dialog_host.h"
#include "dialog/window/win32/icon_handle.h"

namespace zaltor::win {

DialogWindow::DialogWindow(const DialogTemplate& dialogTemplate, DialogWindow* parent)
    : dialogTemplate(dialogTemplate), host(std::make_unique<DialogHost>(*this, dialogTemplate, parent)) {}

DialogWindow::~DialogWindow() = default;

void DialogWindow::BuildControls() { host->Build(); }

int DialogWindow::RunModal() { return host->RunModal(); }

void DialogWindow::EndDialog(int code) { host->End(code); }

void DialogWindow::ShowWindow() {
  ::ShowWindow(host->Handle(), SW_SHOW);
  SetForegroundWindow(host->Handle());
}

bool DialogWindow::IsWindowVisible() const { return ::IsWindowVisible(host->Handle()) != FALSE; }

int DialogWindow::EndCode() const { return host->EndCode(); }

ComboBox* DialogWindow::FindCombo(int id) const { return host->Combo(id); }

std::string DialogWindow::GetDlgItemText(int id) {
  return Invoke([this, id] {
    HWND item = host->Item(id);
    if (item == nullptr) return std::string();
    std::vector<char> text(static_cast<std::size_t>(GetWindowTextLengthA(item)) + 1);
    GetWindowTextA(item, text.data(), static_cast<int>(text.size()));
    return std::string(text.data());
  });
}

void DialogWindow::SetDlgItemText(int id, const char* text) {
  Invoke([this, id, text] { SetDlgItemTextA(host->Handle(), id, text != nullptr ? text : ""); });
}

void DialogWindow::CheckDlgButton(int id, int state) {
  Invoke([this, id, state] { ::CheckDlgButton(host->Handle(), id, state != kUnchecked ? BST_CHECKED : BST_UNCHECKED); });
}

int DialogWindow::IsDlgButtonChecked(int id) {
  return Invoke(
      [this, id] { return ::IsDlgButtonChecked(host->Handle(), id) == BST_CHECKED ? kChecked : kUnchecked; });
}

void DialogWindow::EnableDlgItem(int id, bool enable) {
  Invoke([this, id, enable] {
    if (HWND item = host->Item(id)) EnableWindow(item, enable ? TRUE : FALSE);
  });
}

bool DialogWindow::IsDlgItemEnabled(int id) {
  return Invoke([this, id] {
    HWND item = host->Item(id);
    return item != nullptr && IsWindowEnabled(item) != FALSE;
  });
}

void DialogWindow::FocusDlgItem(int id) {
  Invoke([this, id] {
    // The dialog manager's own way: it also moves the default button.
    if (HWND item = host->Item(id)) SendMessageA(host->Handle(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(item), TRUE);
  });
}

int DialogWindow::FocusedDlgItem() {
  return Invoke([this] {
    HWND focus = GetFocus();
    // An editable combo box's text field is the combo box's.
    while (focus != nullptr && GetParent(focus) != host->Handle()) focus = GetParent(focus);
    if (focus == nullptr) return kNoId;
    const int id = GetDlgCtrlID(focus);
    return id == 0xFFFF ? kNoId : id;
  });
}

void DialogWindow::ShowSystemMenuEntry(const MenuEntry& entry) {
  host->AppendMenuEntry(entry.command, entry.text.c_str());
}

void DialogWindow::SetIcons(const Icon& large, const Icon& small) {
  largeIcon = large;
  smallIcon = small;
  SendMessageA(host->Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(IconHandle(large, 32)));
  SendMessageA(host->Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(IconHandle(small, 16)));
}

DialogWindow::ClientSize DialogWindow::GetClientSize() const {
  RECT client = {};
  GetClientRect(host->Handle(), &client);
  return {client.right - client.left, client.bottom - client.top};
}

void DialogWindow::DrawIcon(int x, int y, const Icon& icon) {
  HDC context = host->PaintContext();
  if (context == nullptr) return;
  SendMessageA(host->Handle(), WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(context), 0);
  ::DrawIcon(context, x, y, IconHandle(icon, 32));
}

}  // namespace zaltor::win
