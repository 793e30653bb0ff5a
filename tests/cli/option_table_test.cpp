// Every option of the table, long name and short, in the usage text, the
// manual page and the README's table, in the table's order: an option added
// to the table and left out of one of them, or taken out of the table and
// left in one, fails here.
#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "cli/usage.h"
#include "engine/options.h"

namespace zaltor {
namespace {

std::vector<std::string> TableNames() {
  std::vector<std::string> names;
  for (const OptionDefinition& definition : OptionDefinitions()) {
    names.emplace_back(definition.longName);
    if (definition.shortName != nullptr) names.emplace_back(definition.shortName);
  }
  return names;
}

// The option names in text, in order.
void AddNames(const std::string& text, std::vector<std::string>& names) {
  static const std::regex name("/[a-z]+");
  for (std::sregex_iterator it(text.begin(), text.end(), name), end; it != end; ++it) names.push_back(it->str());
}

std::string SourceFile(const char* path) {
  std::ifstream in(std::string(ZALTOR_SOURCE_DIR) + "/" + path);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// Each line of lines that begins with start, up to column end.
std::vector<std::string> NamesInLines(const std::string& lines, const std::string& start, std::size_t end) {
  std::vector<std::string> names;
  std::istringstream in(lines);
  for (std::string line; std::getline(in, line);) {
    if (line.rfind(start, 0) == 0) AddNames(line.substr(0, end), names);
  }
  return names;
}

TEST(OptionTable, EveryOptionIsInTheUsageTextTheManualPageAndTheReadme) {
  // The usage text lists an option a line, its names before its value.
  EXPECT_EQ(NamesInLines(UsageText(), "  /", 29), TableNames());

  // The manual page's tag lines of its OPTIONS section.
  const std::string page = SourceFile("packaging/zaltor-cli.1.in");
  const std::size_t options = page.find(".SH OPTIONS\n");
  ASSERT_NE(options, std::string::npos);
  const std::string section = page.substr(options, page.find("\n.SH ", options + 1) - options);
  std::vector<std::string> tagged;
  static const std::regex tag("\n\\.TP\n(\\.B[IR]? /[^\n]*)");
  for (std::sregex_iterator it(section.begin(), section.end(), tag), end; it != end; ++it) {
    AddNames((*it)[1].str(), tagged);
  }
  EXPECT_EQ(tagged, TableNames());

  // The README's table: the long name and the short one in its first two
  // columns.
  const std::string readme = SourceFile("README.md");
  const std::size_t table = readme.find("| option | short | value |\n");
  ASSERT_NE(table, std::string::npos);
  const std::string rows = readme.substr(table, readme.find("\n\n", table) - table);
  std::vector<std::string> listed;
  std::istringstream in(rows);
  for (std::string row; std::getline(in, row);) {
    const std::size_t third = row.find('|', row.find('|', row.find('|') + 1) + 1);
    if (row.rfind("| `/", 0) == 0) AddNames(row.substr(0, third), listed);
  }
  EXPECT_EQ(listed, TableNames());
}

}  // namespace
}  // namespace zaltor
