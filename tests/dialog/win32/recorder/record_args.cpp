// The recording editor of the Windows dialog tests: writes the time this
// process was created, then its arguments one a line, into record.N beside
// itself, N the first number free. The creation times order starts that
// record in the other order.
#include <windows.h>

#include <cstdio>
#include <string>

int main(int argc, char** argv) {
  char module[MAX_PATH] = {};
  std::string dir(module, GetModuleFileNameA(nullptr, module, sizeof module));
  dir.resize(dir.find_last_of('\\') + 1);
  FILETIME created;
  FILETIME unused;
  GetProcessTimes(GetCurrentProcess(), &created, &unused, &unused, &unused);
  const unsigned long long order = (static_cast<unsigned long long>(created.dwHighDateTime) << 32) | created.dwLowDateTime;
  int n = 1;
  // A start that comes after its test has ended finds no directory.
  while (!CreateDirectoryA((dir + "lock." + std::to_string(n)).c_str(), nullptr)) {
    if (GetLastError() != ERROR_ALREADY_EXISTS) return 0;
    ++n;
  }
  // The record appears whole, by a rename, so a reader never sees half of it.
  const std::string part = dir + "tmp." + std::to_string(n);
  std::FILE* out = std::fopen(part.c_str(), "wb");
  if (out == nullptr) return 0;
  std::fprintf(out, "%llu\n", order);
  for (int i = 1; i < argc; ++i) std::fprintf(out, "%s\n", argv[i]);
  std::fclose(out);
  MoveFileA(part.c_str(), (dir + "record." + std::to_string(n)).c_str());
  return 0;
}
