#include "dialog/window/win32/combo_box_control.h"

#include <vector>

namespace zaltor::win {

std::string ComboBoxControl::GetLBText(int index) const {
  const int length = Send(CB_GETLBTEXTLEN, index, 0);
  if (length < 0) return std::string();
  std::vector<char> text(static_cast<std::size_t>(length) + 1);
  Send(CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text.data()));
  return std::string(text.data());
}

void ComboBoxControl::SetDroppedItems(int items) {
  // The common controls 6 size the list by its visible items alone; older
  // ones make it as tall as the control's window below its field.
  Send(CB_SETMINVISIBLE, items, 0);
  RECT place;
  GetWindowRect(handle, &place);
  MapWindowPoints(HWND_DESKTOP, GetParent(handle), reinterpret_cast<POINT*>(&place), 2);
  const int field = Send(CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0);
  const int item = Send(CB_GETITEMHEIGHT, 0, 0);
  MoveWindow(handle, place.left, place.top, place.right - place.left, field + 8 + items * item, FALSE);
}

std::string ComboBoxControl::WindowText() const {
  const int length = GetWindowTextLengthA(handle);
  std::vector<char> text(static_cast<std::size_t>(length) + 1);
  GetWindowTextA(handle, text.data(), length + 1);
  return std::string(text.data());
}

}  // namespace zaltor::win
