#include "cli/usage.h"

#include "engine/options.h"

namespace zaltor {

namespace {

constexpr char kFlags[] =
    "usage: zaltor-cli [--status] [--] OPTION...\n"
    "\n"
    "  --status   write every status text to standard error as 'status: TEXT'\n"
    "  --version  the program's version\n"
    "  --help     this text\n"
    "  --         end of zaltor-cli's own flags; the rest goes to the search\n"
    "\n"
    "Search options (names are not case-sensitive):\n";

constexpr char kClosing[] =
    "\n"
    "Drives: ZALTOR_DRIVES='C=/srv/c;D=/mnt/d' maps drive letters to host directories;\n"
    "unset, C: is /.\n"
    "\n"
    "Questions are answered on standard input: y or yes, n or no; anything else, or\n"
    "the end of input, lets the search go on.\n"
    "\n"
    "Exit status: 0 completed, 6 completed past a directory that could not be entered,\n"
    "2 failed or stopped.\n";

// The column the descriptions start in.
constexpr std::size_t kHelpColumn = 29;

// "  /filetime, /ft TIME" and the description, its later lines under its
// first.
std::string OptionLines(const OptionDefinition& definition) {
  std::string lines = std::string("  ") + definition.longName;
  if (definition.shortName != nullptr) (lines += ", ") += definition.shortName;
  if (definition.valueName != nullptr) (lines += ' ') += definition.valueName;
  lines.append(lines.size() < kHelpColumn ? kHelpColumn - lines.size() : 1, ' ');
  for (const char* help = definition.help; *help != '\0'; ++help) {
    lines += *help;
    if (*help == '\n') lines.append(kHelpColumn, ' ');
  }
  return lines + '\n';
}

}  // namespace

std::string UsageText() {
  std::string text = kFlags;
  for (const OptionDefinition& definition : OptionDefinitions()) text += OptionLines(definition);
  return text + kClosing;
}

}  // namespace zaltor
