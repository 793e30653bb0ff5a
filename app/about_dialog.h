// The About box: the program icon, its name and version, and OK.
#pragma once

#include "dialog/window/dialog_window.h"

namespace zaltor {

class AboutDialog : public win::DialogWindow {
 public:
  explicit AboutDialog(win::DialogWindow* parent);
};

}  // namespace zaltor
