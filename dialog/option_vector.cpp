#include "dialog/option_vector.h"

#include <utility>

#include "engine/options.h"
#include "engine/search_engine.h"
#include "resources/resource_ids.h"

namespace zaltor {

namespace {

// The operator letter of the checked button of a date or time group.
const char* DateTimeOperator(int checked, int first) {
  switch (checked - first) {
    case 1:
      return "A";
    case 2:
      return "B";
    case 3:
      return "R";
    default:
      return "@";
  }
}

const char* SizeOperator(int checked) {
  switch (checked) {
    case res::kSizeGreater:
      return "G:";
    case res::kSizeLess:
      return "L:";
    case res::kSizeGreaterEqual:
      return "GE:";
    case res::kSizeLessEqual:
      return "LE:";
    case res::kSizeRange:
      return "R:";
    default:
      return "E:";
  }
}

std::string AttributeValue(const SearchFields& fields) {
  std::string value = fields.exactAttributes ? "M:" : "";
  const std::pair<bool, char> letters[] = {{fields.archive, 'A'},  {fields.hidden, 'H'}, {fields.normal, 'N'},
                                           {fields.readOnly, 'R'}, {fields.system, 'S'}, {fields.directory, 'D'}};
  for (const auto& [checked, letter] : letters) {
    if (checked) value += letter;
  }
  return value;
}

// Options and their values in the order they are added.
struct OptionList {
  void Add(Option option) { options.emplace_back(ShortestName(option)); }
  void Add(Option option, std::string value) {
    Add(option);
    options.push_back(std::move(value));
  }
  // The option with prefix and text for its value, when text is not empty.
  void AddIfGiven(Option option, const std::string& text, const std::string& prefix = "") {
    if (!text.empty()) Add(option, prefix + text);
  }
  std::vector<std::string> options;
};

// A field whose value goes out with a text in front of it.
struct PrefixedField {
  std::string prefix;
  const std::string& text;
  int fieldId;
  const char* fieldName;
};

}  // namespace

OptionVector BuildOptionVector(const SearchFields& fields) {
  const PrefixedField pattern = {fields.drive, fields.pattern, res::kPattern, "Name/Pattern"};
  const PrefixedField date = {DateTimeOperator(fields.dateButton, res::kDateOn), fields.date, res::kDate, "Date"};
  const PrefixedField time = {DateTimeOperator(fields.timeButton, res::kTimeAt), fields.time, res::kTime, "Time"};
  const PrefixedField size = {SizeOperator(fields.sizeButton), fields.size, res::kSize, "Size"};
  for (const PrefixedField* field : {&pattern, &date, &time, &size}) {
    if (field->prefix.size() + field->text.size() > static_cast<std::size_t>(kMaxPath - 1)) {
      return {{}, FieldRefusal{field->fieldId, field->fieldName, field->prefix}};
    }
  }
  OptionList list;
  list.Add(Option::kPattern, pattern.prefix + pattern.text);
  list.AddIfGiven(Option::kContent, fields.words);
  list.AddIfGiven(Option::kDate, date.text, date.prefix);
  list.AddIfGiven(Option::kTime, time.text, time.prefix);
  list.AddIfGiven(Option::kSize, size.text, size.prefix);
  if (fields.subdirectories) list.Add(Option::kRecurse);
  if (fields.verbose) list.Add(Option::kVerbose);
  if (fields.stepExecution) list.Add(Option::kStepExecution);
  list.AddIfGiven(Option::kFileCommand, fields.fileAction);
  list.AddIfGiven(Option::kDirCommand, fields.directoryAction);
  list.Add(Option::kOutFile, fields.results);
  list.AddIfGiven(Option::kBatchFile, fields.batch);
  list.AddIfGiven(Option::kEnvironment, fields.environment);
  list.Add(Option::kAttributes, AttributeValue(fields));
  return {std::move(list.options), std::nullopt};
}

}  // namespace zaltor
