#include "engine/options.h"

#include "engine/text_compare.h"

namespace zaltor {

namespace {

constexpr OptionDefinition kOptions[] = {
    {Option::kPattern, "/fpattern", "/fp", "PATTERN",
     "drive, directory and name pattern, e.g. C:\\src\\*.cpp;\n"
     "without a drive and directory every drive is searched"},
    {Option::kMatchName, "/matchfilename", "/mf", "NAME", "the exact file name"},
    {Option::kContent, "/sp", nullptr, "TEXT", "a phrase to find inside the files, or HEX=digit pairs"},
    {Option::kDate, "/filedate", "/fd", "DATE", "@, A, B or R and MM/DD/YYYY; range: RMM/DD/YYYY-MM/DD/YYYY"},
    {Option::kTime, "/filetime", "/ft", "TIME",
     "@, A, B or R and HH:MM with an optional a or p;\n"
     "range: RHH:MM-HH:MM"},
    {Option::kSize, "/filesize", "/fs", "SIZE", "bytes, or E:, G:, GE:, L:, LE: and bytes; range: R:MIN-MAX"},
    {Option::kAttributes, "/fattr", "/fa", "LETTERS", "any of A D H N R S; M: first for an exact match"},
    {Option::kRecurse, "/r", nullptr, nullptr, "search subdirectories too"},
    {Option::kVerbose, "/verbose", "/v", nullptr, "statistics and time stamps in the result file"},
    {Option::kStepExecution, "/se", nullptr, nullptr,
     "step execution: pause lines, or a question before each action"},
    {Option::kFileCommand, "/fcmd", nullptr, "TEMPLATE", "commands for each file, ';'-separated, %f the file name"},
    {Option::kDirCommand, "/dcmd", nullptr, "TEMPLATE", "commands for each directory, %f the directory"},
    {Option::kEnvironment, "/env", nullptr, "ASSIGNMENTS", "NAME=value+NAME=value lines for the batch file"},
    {Option::kOutFile, "/outfile", "/of", "FILE", "the result file (default: standard output)"},
    {Option::kBatchFile, "/batchfile", "/bf", "FILE", "the batch file"},
};

}  // namespace

std::span<const OptionDefinition> OptionDefinitions() { return kOptions; }

const OptionDefinition* FindOption(const char* element) {
  for (const OptionDefinition& definition : kOptions) {
    if (StrICmp(element, definition.longName) == 0 ||
        (definition.shortName != nullptr && StrICmp(element, definition.shortName) == 0)) {
      return &definition;
    }
  }
  return nullptr;
}

const char* ShortestName(Option option) {
  for (const OptionDefinition& definition : kOptions) {
    if (definition.option == option) {
      return definition.shortName != nullptr ? definition.shortName : definition.longName;
    }
  }
  return nullptr;
}

}  // namespace zaltor
