#include "platform/drive_table.h"

#include <vector>

namespace zaltor {

std::string NormaliseHostPath(std::string_view path) {
  if (path.empty() || path[0] != '/') return {};
  std::vector<std::string_view> parts;
  std::size_t pos = 0;
  while (pos <= path.size()) {
    std::size_t slash = path.find('/', pos);
    if (slash == std::string_view::npos) slash = path.size();
    std::string_view part = path.substr(pos, slash - pos);
    if (part == "..") {
      if (!parts.empty()) parts.pop_back();
    } else if (!part.empty() && part != ".") {
      parts.push_back(part);
    }
    pos = slash + 1;
  }
  if (parts.empty()) return "/";
  std::string result;
  for (std::string_view part : parts) {
    result += '/';
    result += part;
  }
  return result;
}

DriveTable DriveTable::Parse(std::string_view text) {
  DriveTable table;
  if (text.empty()) {
    table.directories[2] = "/";
    return table;
  }
  std::size_t pos = 0;
  while (pos <= text.size()) {
    std::size_t end = text.find(';', pos);
    if (end == std::string_view::npos) end = text.size();
    std::string_view entry = text.substr(pos, end - pos);
    pos = end + 1;
    if (entry.size() < 3 || entry[1] != '=') continue;
    char letter = entry[0];
    if (letter >= 'a' && letter <= 'z') letter = static_cast<char>(letter - 'a' + 'A');
    if (letter < 'A' || letter > 'Z') continue;
    std::string directory = NormaliseHostPath(entry.substr(2));
    if (directory.empty()) continue;
    table.directories[letter - 'A'] = directory;
  }
  return table;
}

bool DriveTable::IsMapped(int drive) const {
  return drive >= 1 && drive <= 26 && !directories[drive - 1].empty();
}

const std::string& DriveTable::HostDirectory(int drive) const {
  static const std::string kNone;
  return IsMapped(drive) ? directories[drive - 1] : kNone;
}

int DriveTable::LowestMapped() const {
  for (int drive = 1; drive <= 26; ++drive) {
    if (IsMapped(drive)) return drive;
  }
  return 0;
}

}  // namespace zaltor
