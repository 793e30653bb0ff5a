#include "dialog/window/win32/icon_handle.h"

namespace zaltor::win {

HICON IconHandle(const Icon& icon, int size) {
  if (icon.IsNull()) return nullptr;
  return static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(icon.ResourceId()), IMAGE_ICON,
                                       size, size, LR_SHARED));
}

}  // namespace zaltor::win
