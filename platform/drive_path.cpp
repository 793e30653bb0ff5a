#include "platform/drive_path.h"

#include <vector>

namespace zaltor {

int DriveNumber(char letter) {
  if (letter >= 'a' && letter <= 'z') return letter - 'a' + 1;
  if (letter >= 'A' && letter <= 'Z') return letter - 'A' + 1;
  return 0;
}

namespace {

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

// Adds the components of text to parts, applying "." and "..".
void AddComponents(std::string_view text, std::vector<std::string_view>* parts) {
  std::size_t pos = 0;
  while (pos < text.size()) {
    std::size_t end = pos;
    while (end < text.size() && !IsSeparator(text[end])) ++end;
    std::string_view part = text.substr(pos, end - pos);
    if (part == "..") {
      if (!parts->empty()) parts->pop_back();
    } else if (!part.empty() && part != ".") {
      parts->push_back(part);
    }
    pos = end + 1;
  }
}

}  // namespace

int ExplicitDrive(std::string_view path) {
  return path.size() >= 2 && path[1] == ':' ? DriveNumber(path[0]) : 0;
}

bool ResolveDrivePath(std::string_view path, int currentDrive, const DriveDirectories& currentDirs,
                      std::string* out) {
  if (path.empty()) return false;
  int drive = currentDrive;
  if (path.size() >= 2 && path[1] == ':') {
    drive = DriveNumber(path[0]);
    if (drive == 0) return false;
    path.remove_prefix(2);
  } else if (path.size() >= 2 && IsSeparator(path[0]) && IsSeparator(path[1])) {
    // "\\server\share" names a network share; after a drive ("C:\\x")
    // repeated separators are one, as Windows takes them.
    return false;
  }
  if (drive < 1 || drive > 26) return false;

  std::vector<std::string_view> parts;
  if (path.empty() || !IsSeparator(path[0])) {
    // Relative to the drive's current directory, stored as "X:\dir".
    const std::string& base = currentDirs[drive - 1];
    if (base.size() > 3) AddComponents(std::string_view(base).substr(3), &parts);
  }
  AddComponents(path, &parts);

  std::string result;
  result += static_cast<char>('A' + drive - 1);
  result += ":\\";
  for (std::size_t i = 0; i < parts.size(); ++i) {
    if (i > 0) result += '\\';
    result += parts[i];
  }
  *out = std::move(result);
  return true;
}

std::string HostPathOf(const DriveTable& table, std::string_view drivePath) {
  int drive = ExplicitDrive(drivePath);
  if (!table.IsMapped(drive)) return {};
  std::string result = table.HostDirectory(drive);
  std::string_view rest = drivePath.substr(2);
  std::size_t pos = 0;
  while (pos < rest.size()) {
    std::size_t end = pos;
    while (end < rest.size() && rest[end] != '\\') ++end;
    if (end > pos) {
      if (result.back() != '/') result += '/';
      result += rest.substr(pos, end - pos);
    }
    pos = end + 1;
  }
  return result;
}

std::string DrivePathOf(const DriveTable& table, std::string_view hostPath) {
  std::string normal = NormaliseHostPath(hostPath);
  if (normal.empty()) return {};
  int best = 0;
  std::size_t bestLength = 0;
  for (int drive = 1; drive <= 26; ++drive) {
    const std::string& dir = table.HostDirectory(drive);
    if (dir.empty()) continue;
    // The host root holds every path; any other directory holds itself and
    // what lies below it, never a mere name prefix ("/srv/c" holds not "/srv/cd").
    std::size_t length = dir == "/" ? 0 : dir.size();
    bool holds = length == 0 ||
                 (normal.compare(0, length, dir) == 0 && (normal.size() == length || normal[length] == '/'));
    if (holds && (best == 0 || length > bestLength)) {
      best = drive;
      bestLength = length;
    }
  }
  if (best == 0) return {};
  std::string result;
  result += static_cast<char>('A' + best - 1);
  result += ":\\";
  std::size_t pos = bestLength;
  if (pos < normal.size() && normal[pos] == '/') ++pos;
  for (; pos < normal.size(); ++pos) result += normal[pos] == '/' ? '\\' : normal[pos];
  return result;
}

}  // namespace zaltor
