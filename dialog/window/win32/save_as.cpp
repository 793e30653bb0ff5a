#include "dialog/window/save_as.h"

#include "dialog/window/win32/windows_api.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "dialog/window/dialog_window.h"
#include "dialog/window/win32/dialog_host.h"
#include "platform/file_system.h"

namespace zaltor::win {

namespace {

SaveAsAnswerer& Answerer() {
  static SaveAsAnswerer answerer;
  return answerer;
}

}  // namespace

bool GetSaveFileName(const SaveAsRequest& request, std::string* chosen) {
  if (Answerer()) return Answerer()(request, chosen);
  // "Text Files (*.txt)|*.txt|" with NULs for the bars and one more at the end.
  std::string filter = request.filter + '\0';
  std::replace(filter.begin(), filter.end(), '|', '\0');
  char file[kMaxPath] = {};
  std::strncpy(file, request.initialName.c_str(), sizeof file - 1);
  OPENFILENAMEA dialog = {};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = request.owner != nullptr ? request.owner->Host().Handle() : nullptr;
  dialog.lpstrFilter = filter.c_str();
  dialog.lpstrFile = file;
  dialog.nMaxFile = sizeof file;
  dialog.lpstrTitle = request.title.c_str();
  dialog.lpstrDefExt = request.defaultExtension.c_str();
  dialog.Flags = request.flags;
  if (!GetSaveFileNameA(&dialog)) return false;
  *chosen = file;
  return true;
}

void SetSaveAsAnswerer(SaveAsAnswerer answerer) { Answerer() = std::move(answerer); }

}  // namespace zaltor::win
