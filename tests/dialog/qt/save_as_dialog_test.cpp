// The Save As dialog on Qt: the toolkit's file dialog made from the
// requests of the two Browse buttons.
#include <QFileDialog>
#include <gtest/gtest.h>

#include "dialog/window/qt/save_as_dialog.h"

namespace zaltor {
namespace {

TEST(SaveAsDialogTest, TheFileDialogAddsTheFiltersExtensionInLowerCaseAndAsksBeforeOverwriting) {
  win::SaveAsRequest batch;
  batch.title = "Output Batch File";
  batch.initialName = "zltbatch";
  batch.defaultExtension = "BAT";
  batch.filter = "Batch Files (*.bat)|*.bat|";
  batch.flags = win::kOfnOverwritePrompt | win::kOfnHideReadOnly | win::kOfnNoChangeDir;
  // Names are case-sensitive here, so the extension added is the filter's,
  // in lower case, and an existing file is asked for.
  const auto dialog = win::MakeSaveAsDialog(batch);
  EXPECT_EQ(dialog->windowTitle(), "Output Batch File");
  EXPECT_EQ(dialog->defaultSuffix(), "bat");
  EXPECT_EQ(dialog->nameFilters(), QStringList{"Batch Files (*.bat)"});
  EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptSave);
  EXPECT_FALSE(dialog->testOption(QFileDialog::DontConfirmOverwrite));
}

}  // namespace
}  // namespace zaltor
