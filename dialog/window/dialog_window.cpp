// What a dialog does the same on every host; the toolkit's part is the
// host's DialogHost.
#include "dialog/window/dialog_window.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <utility>

#include "resources/resource_ids.h"
#include "resources/resources.h"

namespace zaltor::win {

namespace {

DialogWindow::HelpHandler& ProgramHelpHandler() {
  static DialogWindow::HelpHandler handler;
  return handler;
}

}  // namespace

int DialogWindow::TemplateId() const { return dialogTemplate.id; }

ComboBox& DialogWindow::Combo(int id) const {
  ComboBox* combo = FindCombo(id);
  if (combo == nullptr) {
    std::fprintf(stderr, "dialog %d has no combo box %d\n", TemplateId(), id);
    std::abort();
  }
  return *combo;
}

void DialogWindow::Create() {
  if (created) return;
  created = true;
  BuildControls();
  OnInitDialog();
}

int DialogWindow::DoModal() {
  Create();
  return RunModal();
}

int DialogWindow::GetDlgItemText(int id, char* buffer, int size) {
  if (buffer == nullptr || size <= 0) return 0;
  const std::string text = GetDlgItemText(id);
  std::size_t length = std::min(text.size(), static_cast<std::size_t>(size - 1));
  while (length > 0 && length < text.size() && (static_cast<unsigned char>(text[length]) & 0xc0) == 0x80) {
    --length;
  }
  std::memcpy(buffer, text.data(), length);
  buffer[length] = '\0';
  return static_cast<int>(length);
}

void DialogWindow::CheckRadioButton(int first, int last, int id) {
  Invoke([this, first, last, id] {
    for (int each = first; each <= last; ++each) {
      if (each != id) CheckDlgButton(each, kUnchecked);
    }
    CheckDlgButton(id, kChecked);
  });
}

int DialogWindow::GetCheckedRadioButton(int first, int last) {
  return Invoke([this, first, last] {
    for (int each = first; each <= last; ++each) {
      if (IsDlgButtonChecked(each) == kChecked) return each;
    }
    return 0;
  });
}

std::string DialogWindow::ToolTipText(int id) const {
  const char* text = res::LoadResourceString(id & 0xffff);
  return text != nullptr ? text : "";
}

void DialogWindow::AppendSystemMenu(int command, const char* text) {
  systemMenu.push_back({command, text != nullptr ? text : ""});
  ShowSystemMenuEntry(systemMenu.back());
}

void DialogWindow::OnSysCommand(int command, long) {
  if ((command & 0xfff0) == kScClose) OnCancel();
}

void DialogWindow::SetHelpHandler(HelpHandler handler) { ProgramHelpHandler() = std::move(handler); }

bool DialogWindow::HasHelpHandler() { return static_cast<bool>(ProgramHelpHandler()); }

void DialogWindow::OnHelpCommand() {
  if (ProgramHelpHandler()) ProgramHelpHandler()(0x20000UL + static_cast<unsigned long>(dialogTemplate.id));
}

void DialogWindow::OnCommand(int id) {
  if (id == kIdCancelCode) {
    OnCancel();
  } else if (id == res::kCommandHelp) {
    OnHelpCommand();
  } else if (id == res::kIdOk) {
    EndDialog(res::kIdOk);
  }
}

}  // namespace zaltor::win
