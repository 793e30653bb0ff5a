// The Save As dialog, with the settings of the common file dialog.
#pragma once

#include <functional>
#include <string>

namespace zaltor::win {

class DialogWindow;

constexpr unsigned kOfnOverwritePrompt = 0x2;
constexpr unsigned kOfnHideReadOnly = 0x4;
constexpr unsigned kOfnNoChangeDir = 0x8;

struct SaveAsRequest {
  std::string title;
  std::string initialName;
  std::string defaultExtension;  // added to a name typed without one
  std::string filter;            // "Description|pattern|" pairs
  unsigned flags = 0;
  DialogWindow* owner = nullptr;
};

// Shows the dialog; true with the chosen file's full host path on OK.
bool GetSaveFileName(const SaveAsRequest& request, std::string* chosen);

// Replaces the dialog by a function that answers it (tests); empty restores.
using SaveAsAnswerer = std::function<bool(const SaveAsRequest&, std::string*)>;
void SetSaveAsAnswerer(SaveAsAnswerer answerer);

}  // namespace zaltor::win
