#include "dialog/window/save_as.h"

#include <QStringList>
#include <utility>

#include "dialog/window/dialog_window.h"
#include "dialog/window/qt/dialog_host.h"
#include "dialog/window/qt/save_as_dialog.h"

namespace zaltor::win {

namespace {

SaveAsAnswerer& Answerer() {
  static SaveAsAnswerer answerer;
  return answerer;
}

// "Text Files (*.txt)|*.txt|" to the name filters of the file dialog.
QStringList NameFilters(const std::string& filter) {
  const QStringList parts = QString::fromLocal8Bit(filter.c_str()).split(QLatin1Char('|'));
  QStringList filters;
  for (int i = 0; i + 1 < parts.size(); i += 2) {
    const QString& description = parts[i];
    const QString pattern = QString(parts[i + 1]).replace(QLatin1Char(';'), QLatin1Char(' '));
    if (description.isEmpty() && pattern.isEmpty()) continue;
    filters << (description.contains(QLatin1Char('(')) ? description : description + " (" + pattern + ")");
  }
  return filters;
}

}  // namespace

std::unique_ptr<QFileDialog> MakeSaveAsDialog(const SaveAsRequest& request) {
  auto dialog = std::make_unique<QFileDialog>(request.owner != nullptr ? &request.owner->Host() : nullptr, QString::fromLocal8Bit(request.title.c_str()));
  dialog->setAcceptMode(QFileDialog::AcceptSave);
  dialog->setFileMode(QFileDialog::AnyFile);
  dialog->setNameFilters(NameFilters(request.filter));
  // Names are case-sensitive here and the filters' patterns are in lower
  // case: "TXT" is added as ".txt", so the file is the one the filter shows.
  dialog->setDefaultSuffix(QString::fromLocal8Bit(request.defaultExtension.c_str()).toLower());
  dialog->selectFile(QString::fromLocal8Bit(request.initialName.c_str()));
  dialog->setOption(QFileDialog::DontConfirmOverwrite, !(request.flags & kOfnOverwritePrompt));
  return dialog;
}

bool GetSaveFileName(const SaveAsRequest& request, std::string* chosen) {
  if (Answerer()) return Answerer()(request, chosen);
  std::unique_ptr<QFileDialog> dialog = MakeSaveAsDialog(request);
  if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty()) return false;
  *chosen = dialog->selectedFiles().front().toLocal8Bit().toStdString();
  return true;
}

void SetSaveAsAnswerer(SaveAsAnswerer answerer) { Answerer() = std::move(answerer); }

}  // namespace zaltor::win
