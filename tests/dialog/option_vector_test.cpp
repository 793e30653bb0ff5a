// The option vector as a function of the fields alone.
#include <gtest/gtest.h>

#include <string>

#include "dialog/option_vector.h"
#include "dialog/run_fixture.h"
#include "resources/resource_ids.h"

namespace zaltor {
namespace {

using testing::ValueOf;

SearchFields Defaults(const std::string& pattern) {
  SearchFields fields;
  fields.drive = "C:\\";
  fields.pattern = pattern;
  fields.archive = fields.hidden = fields.normal = fields.readOnly = fields.system = fields.directory = true;
  fields.results = "C:\\TEMP\\zltoutputs.txt";
  return fields;
}

TEST(OptionVector, OperatorPrefixesAndAttributeValues) {
  struct Case {
    int sizeButton;
    const char* size;
    const char* value;
  };
  SearchFields fields = Defaults("a");
  const Case sizes[] = {{res::kSizeEqual, "0", "E:0"},      {res::kSizeGreater, "5", "G:5"},
                        {res::kSizeLess, "5", "L:5"},       {res::kSizeGreaterEqual, "5", "GE:5"},
                        {res::kSizeLessEqual, "5", "LE:5"}, {res::kSizeRange, "1-2", "R:1-2"}};
  for (const Case& each : sizes) {
    fields.size = each.size;
    fields.sizeButton = each.sizeButton;
    EXPECT_EQ(ValueOf(BuildOptionVector(fields).options, "/fs"), each.value);
  }
  const char* const dateLetters[] = {"@", "A", "B", "R"};
  for (int button = res::kDateOn; button <= res::kDateRange; ++button) {
    fields.date = "1/2/2003";
    fields.dateButton = button;
    fields.time = "1:00";
    fields.timeButton = button - res::kDateOn + res::kTimeAt;
    const std::vector<std::string> options = BuildOptionVector(fields).options;
    EXPECT_EQ(ValueOf(options, "/fd"), std::string(dateLetters[button - res::kDateOn]) + "1/2/2003");
    EXPECT_EQ(ValueOf(options, "/ft"), std::string(dateLetters[button - res::kDateOn]) + "1:00");
  }
  // OR with no box checked: an empty value; AND with none: "M:".
  fields.archive = fields.hidden = fields.normal = fields.readOnly = fields.system = fields.directory = false;
  EXPECT_EQ(ValueOf(BuildOptionVector(fields).options, "/fa"), "");
  EXPECT_EQ(BuildOptionVector(fields).options.back(), "");
  fields.exactAttributes = true;
  EXPECT_EQ(ValueOf(BuildOptionVector(fields).options, "/fa"), "M:");
}

TEST(OptionVector, AValueOf259CharactersGoesAndOneOf260IsRefusedWithItsPrefix) {
  SearchFields fields = Defaults(std::string(256, 'p'));
  EXPECT_EQ(ValueOf(BuildOptionVector(fields).options, "/fp"), "C:\\" + std::string(256, 'p'));
  fields.pattern += 'p';
  OptionVector refused = BuildOptionVector(fields);
  EXPECT_TRUE(refused.options.empty());
  ASSERT_TRUE(refused.refused);
  EXPECT_EQ(refused.refused->fieldId, res::kPattern);
  EXPECT_EQ(refused.refused->prefix, "C:\\");

  fields = Defaults("a");
  fields.time = std::string(258, '1');
  EXPECT_EQ(ValueOf(BuildOptionVector(fields).options, "/ft"), "@" + std::string(258, '1'));
  fields.size = std::string(258, '1');
  fields.sizeButton = res::kSizeGreaterEqual;
  refused = BuildOptionVector(fields);
  ASSERT_TRUE(refused.refused);
  EXPECT_EQ(refused.refused->fieldId, res::kSize);
  EXPECT_EQ(refused.refused->prefix, "GE:");
}

}  // namespace
}  // namespace zaltor
