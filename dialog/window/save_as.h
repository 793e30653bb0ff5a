// The Save As dialog, with the settings of the common file dialog.
#pragma once

#include <QFileDialog>
#include <QWidget>
#include <functional>
#include <memory>
#include <string>

namespace zaltor::win {

constexpr unsigned kOfnOverwritePrompt = 0x2;
constexpr unsigned kOfnHideReadOnly = 0x4;
constexpr unsigned kOfnNoChangeDir = 0x8;

struct SaveAsRequest {
  std::string title;
  std::string initialName;
  std::string defaultExtension;  // added to a name typed without one
  std::string filter;            // "Description|pattern|" pairs
  unsigned flags = 0;
  QWidget* owner = nullptr;
};

// The dialog for a request, not yet shown. This file dialog has no
// read-only check box and never changes the process's current directory,
// so kOfnHideReadOnly and kOfnNoChangeDir hold by themselves.
std::unique_ptr<QFileDialog> MakeSaveAsDialog(const SaveAsRequest& request);

// Shows the dialog; true with the chosen file's full host path on OK.
bool GetSaveFileName(const SaveAsRequest& request, std::string* chosen);

// Replaces the dialog by a function that answers it (tests); empty restores.
using SaveAsAnswerer = std::function<bool(const SaveAsRequest&, std::string*)>;
void SetSaveAsAnswerer(SaveAsAnswerer answerer);

}  // namespace zaltor::win
