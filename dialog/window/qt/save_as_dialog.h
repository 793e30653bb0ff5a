// The Save As dialog on Qt: the toolkit's file dialog set up from a request.
#pragma once

#include <QFileDialog>
#include <memory>

#include "dialog/window/save_as.h"

namespace zaltor::win {

// The dialog for a request, not yet shown. This file dialog has no
// read-only check box and never changes the process's current directory,
// so kOfnHideReadOnly and kOfnNoChangeDir hold by themselves.
std::unique_ptr<QFileDialog> MakeSaveAsDialog(const SaveAsRequest& request);

}  // namespace zaltor::win
