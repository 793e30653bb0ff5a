// Where the program finds its help file: beside it, or installed in the
// prefix's data directory, which only the Linux package has.
#include <gtest/gtest.h>

#include "dialog/window/help.h"
#include "support/temp_tree.h"

namespace zaltor {
namespace {

TEST(HelpFilePathFor, BesideTheProgramFirstThenInTheInstalledDataDirectory) {
  testing::TempTree prefix;
  prefix.File("bin/zaltor");
  const std::string program = prefix.Path("bin/zaltor");
  EXPECT_EQ(win::HelpFilePathFor(program), prefix.Path("bin/zaltor.HLP"));
  prefix.File("share/zaltor/zaltor.HLP");
  EXPECT_EQ(win::HelpFilePathFor(program), prefix.Path("share/zaltor/zaltor.HLP"));
  prefix.File("bin/zaltor.HLP");
  EXPECT_EQ(win::HelpFilePathFor(program), prefix.Path("bin/zaltor.HLP"));
}

}  // namespace
}  // namespace zaltor
