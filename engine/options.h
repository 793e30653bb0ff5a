// The options of the engine's vector, each defined once: the parser finds
// them here, the command line's usage text is made from them, the dialog
// sends their names, and a test holds the manual page and the README to
// them.
#pragma once

#include <span>

namespace zaltor {

enum class Option {
  kPattern, kMatchName, kContent, kDate, kTime, kSize, kAttributes, kRecurse, kVerbose,
  kStepExecution, kFileCommand, kDirCommand, kEnvironment, kOutFile, kBatchFile,
};

struct OptionDefinition {
  Option option;
  const char* longName;
  const char* shortName;  // nullptr when there is none
  // The value's name in the usage text; nullptr for an option without one.
  const char* valueName;
  // The usage text's description, '\n' between its lines.
  const char* help;
};

// Every option, in the order of the usage text, the manual page and the
// README.
std::span<const OptionDefinition> OptionDefinitions();

// The option an element of the vector names, without regard to case;
// nullptr when it names none.
const OptionDefinition* FindOption(const char* element);

// The name the dialog sends: the short one where there is one.
const char* ShortestName(Option option);

}  // namespace zaltor
