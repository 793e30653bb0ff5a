// The dialog tests need the application object for the whole run.
#include <gtest/gtest.h>

#include "dialog/window/application.h"

int main(int argc, char** argv) {
  zaltor::win::Application application(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
