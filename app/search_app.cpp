#include "app/search_app.h"

#include "app/about_dialog.h"
#include "dialog/search_dialog.h"
#include "dialog/window/help.h"
#include "dialog/window/message_box.h"

namespace zaltor {

SearchApp::SearchApp(int& argc, char** argv) : application(argc, argv) {
  helpFilePath = win::ProgramHelpFilePath();
  win::DialogWindow::SetHelpHandler([this](unsigned long context) { OnHelp(context); });
}

SearchApp::~SearchApp() { win::DialogWindow::SetHelpHandler({}); }

bool SearchApp::InitInstance() {
  SearchDialog dialog;
  dialog.aboutCommand = [&dialog] {
    AboutDialog about(&dialog);
    about.DoModal();
  };
  dialog.DoModal();
  return false;
}

void SearchApp::OnHelp(unsigned long context) {
  if (!win::WinHelp(helpFilePath, win::kHelpContext, context)) {
    win::AppMessageBox("Failed to launch help.", kMbOk);
  }
}

}  // namespace zaltor
