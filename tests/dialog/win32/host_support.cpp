// The Windows host's part of the dialog tests' fixture: the C runtime's
// environment, the system's own drives, and a small program as the
// recording editor.
#include <windows.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "dialog/dialog_fixture.h"
#include "support/proxy_file_system.h"

namespace zaltor::testing {

void SetVariable(const char* name, const char* value) {
  // An empty value removes the variable.
  _putenv_s(name, value != nullptr ? value : "");
}

std::unique_ptr<FileSystem> HostDrivesOnto(const std::string&) {
  return std::make_unique<ProxyFileSystem>(HostFileSystem());
}

RecordingProgram::RecordingProgram() {
  // The recorder is built beside this program; each test gets a copy in its
  // own directory, where the copy writes its records.
  char module[MAX_PATH] = {};
  const DWORD length = GetModuleFileNameA(nullptr, module, sizeof module);
  const std::filesystem::path recorder =
      std::filesystem::path(std::string(module, length < sizeof module ? length : 0)).parent_path() /
      "zaltor_record_args.exe";
  std::filesystem::copy_file(recorder, dir.Path("record-args.exe"));
  // Forward slashes: EDITOR keeps only what follows its last backslash.
  path = std::filesystem::path(dir.Path("record-args.exe")).generic_string();
}

}  // namespace zaltor::testing
