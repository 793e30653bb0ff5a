#include "platform/split_path.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/file_system.h"

namespace zaltor {
namespace {

struct Parts {
  char drive[kMaxPath];
  char dir[kMaxPath];
  char name[kMaxPath];
  char ext[kMaxPath];
};

Parts Split(const char* path) {
  Parts parts;
  SplitPath(path, parts.drive, parts.dir, parts.name, parts.ext);
  return parts;
}

TEST(SplitPath, FullPath) {
  Parts p = Split("C:\\docs\\sub\\report.txt");
  EXPECT_STREQ(p.drive, "C:");
  EXPECT_STREQ(p.dir, "\\docs\\sub\\");
  EXPECT_STREQ(p.name, "report");
  EXPECT_STREQ(p.ext, ".txt");
}

TEST(SplitPath, ExtensionStartsAtTheLastDotOfTheLastComponent) {
  Parts p = Split("C:\\v1.2\\archive.tar.gz");
  EXPECT_STREQ(p.dir, "\\v1.2\\");
  EXPECT_STREQ(p.name, "archive.tar");
  EXPECT_STREQ(p.ext, ".gz");
  p = Split("C:\\v1.2\\noext");
  EXPECT_STREQ(p.name, "noext");
  EXPECT_STREQ(p.ext, "");
  p = Split(".profile");
  EXPECT_STREQ(p.name, "");
  EXPECT_STREQ(p.ext, ".profile");
}

TEST(SplitPath, MissingParts) {
  Parts p = Split("*.*");
  EXPECT_STREQ(p.drive, "");
  EXPECT_STREQ(p.dir, "");
  EXPECT_STREQ(p.name, "*");
  EXPECT_STREQ(p.ext, ".*");
  p = Split("D:");
  EXPECT_STREQ(p.drive, "D:");
  EXPECT_STREQ(p.dir, "");
  EXPECT_STREQ(p.name, "");
  p = Split("C:\\docs\\");
  EXPECT_STREQ(p.dir, "\\docs\\");
  EXPECT_STREQ(p.name, "");
  p = Split("C:name.c");
  EXPECT_STREQ(p.dir, "");
  EXPECT_STREQ(p.name, "name");
  p = Split("a/b/c.d");
  EXPECT_STREQ(p.dir, "a/b/");
  EXPECT_STREQ(p.name, "c");
  p = Split("");
  EXPECT_STREQ(p.drive, "");
  EXPECT_STREQ(p.ext, "");
}

TEST(SplitPath, NullOutputsAreSkipped) {
  char name[kMaxPath];
  SplitPath("C:\\x\\y.z", nullptr, nullptr, name, nullptr);
  EXPECT_STREQ(name, "y");
}

TEST(SplitPath, LongPartsAreCutToTheBuffer) {
  std::string longName(400, 'n');
  std::string path = "C:\\" + std::string(300, 'd') + "\\" + longName + "." + std::string(300, 'e');
  Parts p = Split(path.c_str());
  EXPECT_EQ(std::string(p.dir), "\\" + std::string(258, 'd'));
  EXPECT_EQ(std::string(p.name), std::string(259, 'n'));
  EXPECT_EQ(std::string(p.ext), "." + std::string(258, 'e'));
}

}  // namespace
}  // namespace zaltor
