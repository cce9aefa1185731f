// One QApplication for the window tests, with the window fonts, as the program has.
#include <gtest/gtest.h>

#include <QApplication>

#include "windowFonts.h"

int main(int argc, char** argv) {
  // ctest sets the offscreen platform; the test listing at build time runs without it.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  shell::qt::prepareFontDpi();
  QApplication application(argc, argv);
  shell::qt::installWindowFonts();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
