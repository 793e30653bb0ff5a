#include <cstdio>

#include "engine/output/output_files.h"

namespace zaltor {

namespace {

std::string NowText(SearchEngine& engine) {
  std::tm local{};
  if (!engine.fs.LocalTime(engine.fs.Now(), &local)) return "\n";
  return CTimeText(local);
}

}  // namespace

void WriteResultHeader(SearchEngine& engine) {
  std::FILE* out = engine.request.resultFile;
  std::fprintf(out, "Generated output file created by ZALTOR %s.  Do NOT edit!\n", kVersionText);
  std::fputs("This file contains all the files ZALTOR found based on\n", out);
  std::fputs("the given search criteria and other statistics information if enabled.\n", out);
  std::fprintf(out, "Created on %s\n", NowText(engine).c_str());
}

void WriteBatchHeader(SearchEngine& engine) {
  std::FILE* out = engine.request.batchFile;
  std::fputs("@echo off\n", out);
  std::fprintf(out, "REM Generated batch file created by ZALTOR %s.  Do NOT edit!\n", kVersionText);
  std::fputs("REM Running this batch file is the sole responsibility/accountability\n", out);
  std::fputs("REM of the user.  By running this batch file, you\n", out);
  std::fputs("REM have agreed to the terms specified in the\n", out);
  std::fputs("REM software license.\n", out);
  std::fputs("REM This file contains all the files ZALTOR found based on\n", out);
  std::fputs("REM the user's given search criteria.\n", out);
  std::fprintf(out, "REM Created on %s\n\n", NowText(engine).c_str());
  std::fputs("REM Setting any environment variable(s) specified.\n", out);
}

}  // namespace zaltor
