// The headers of the result file and the batch file as every test expects
// them, with the version as the files must say it. created is the text
// after "Created on", its line end included.
#pragma once

#include <string>

namespace zaltor::testing {

inline std::string ExpectedResultHeader(const std::string& created) {
  return "Generated output file created by ZALTOR V3.2.1.  Do NOT edit!\n"
         "This file contains all the files ZALTOR found based on\n"
         "the given search criteria and other statistics information if enabled.\n"
         "Created on " +
         created + "\n";
}

inline std::string ExpectedBatchHeader(const std::string& created) {
  return "@echo off\n"
         "REM Generated batch file created by ZALTOR V3.2.1.  Do NOT edit!\n"
         "REM Running this batch file is the sole responsibility/accountability\n"
         "REM of the user.  By running this batch file, you\n"
         "REM have agreed to the terms specified in the\n"
         "REM software license.\n"
         "REM This file contains all the files ZALTOR found based on\n"
         "REM the user's given search criteria.\n"
         "REM Created on " +
         created + "\n\nREM Setting any environment variable(s) specified.\n";
}

}  // namespace zaltor::testing
