// WriteEnvironmentLines over an arbitrary /env value into a memory stream:
// accepted values give one SET line per assignment and an empty line.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "engine/output/output_files.h"
#include "fuzz/fuzz_support.h"
#include "platform/posix/posix_file_system.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace zaltor;
  static fuzz::AnsweringFrontEnd frontEnd;
  static PosixFileSystem fs("", "/");
  const char* input = reinterpret_cast<const char*>(data);
  std::string value(input, strnlen(input, size));
  SearchEngine engine(fs);

  char* buffer = nullptr;
  std::size_t bufferSize = 0;
  engine.request.batchFile = open_memstream(&buffer, &bufferSize);
  if (engine.request.batchFile == nullptr) return 0;
  bool written = WriteEnvironmentLines(engine, value.c_str());
  std::fclose(engine.request.batchFile);
  engine.request.batchFile = nullptr;
  std::string text(buffer, bufferSize);
  std::free(buffer);

  if (!written) return 0;
  // Each assignment is one SET line with one '='; an empty line ends them.
  // (A line end inside the value would start a line of its own; the value is
  // the user's own field text, so that is left to them.)
  if (text.size() < 2 || text.compare(text.size() - 2, 2, "\n\n") != 0) std::abort();
  if (engine.flags.envWritten != 1) std::abort();
  if (value.find_first_of("\r\n") == std::string::npos) {
    for (std::size_t line = 0; line + 1 < text.size(); line = text.find('\n', line) + 1) {
      std::size_t end = text.find('\n', line);
      std::string setLine = text.substr(line, end - line);
      if (setLine.rfind("SET ", 0) != 0 || std::count(setLine.begin(), setLine.end(), '=') != 1) {
        std::abort();
      }
    }
  }
  // The second call of a run writes nothing more.
  if (!WriteEnvironmentLines(engine, value.c_str())) std::abort();
  return 0;
}
