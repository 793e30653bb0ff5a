// The application: runs the main dialog modally, handles the help command
// for the whole program and opens the About box from the dialog's menu.
#pragma once

#include <string>

#include "dialog/window/application.h"

namespace zaltor {

class SearchApp {
 public:
  SearchApp(int& argc, char** argv);
  ~SearchApp();

  // Runs the main dialog until it closes; always false, as there is no
  // message loop of the application's own to run afterwards.
  bool InitInstance();

  // The help command: the help file at the topic of context.
  void OnHelp(unsigned long context);

  // The program file's path with the extension ".HLP".
  const std::string& HelpFilePath() const { return helpFilePath; }

 private:
  win::Application application;
  std::string helpFilePath;
};

}  // namespace zaltor
