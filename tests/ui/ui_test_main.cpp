// GUI tests run the real windows offscreen, under the program's own application object.
#include <gtest/gtest.h>

#include <cstdlib>

#include "ui/application.h"

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  chanforge::ui::Application app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
