// The option vector Go sends the engine, made from what the dialog's fields
// hold and nothing else.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace zaltor {

// The fields as Go reads them, the pattern and the words after their
// histories have had them.
struct SearchFields {
  // What goes in front of the pattern: the root of the drive item chosen,
  // empty for "All" or a pattern that names its drive.
  std::string drive;
  std::string pattern;
  std::string words;
  std::string date;
  std::string time;
  std::string size;
  // The checked button of each group, 0 when none is.
  int dateButton = 0;
  int timeButton = 0;
  int sizeButton = 0;
  bool subdirectories = false;
  bool verbose = false;
  bool stepExecution = false;
  std::string fileAction;
  std::string directoryAction;
  std::string results;
  std::string batch;
  std::string environment;
  // And: exactly the checked attributes; Or: any of them.
  bool exactAttributes = false;
  bool archive = false;
  bool hidden = false;
  bool normal = false;
  bool readOnly = false;
  bool system = false;
  bool directory = false;
};

// A field whose value, with the text put in front of it, would exceed 259
// characters.
struct FieldRefusal {
  int fieldId;
  const char* fieldName;
  std::string prefix;
};

struct OptionVector {
  std::vector<std::string> options;  // empty when refused
  std::optional<FieldRefusal> refused;
};

// The options of the fields in the order the engine has always been sent
// them; an empty field leaves its option out, but for the result file's.
OptionVector BuildOptionVector(const SearchFields& fields);

}  // namespace zaltor
