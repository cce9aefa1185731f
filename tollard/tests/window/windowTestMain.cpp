// One QApplication for the window tests, set up as the program sets itself up.
#include <QApplication>
#include <gtest/gtest.h>

#include "applicationTitle.h"
#include "windowFonts.h"

int main(int argc, char** argv) {
  // Offscreen also when run by hand or listed by the test discovery, which sets no environment.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  shell::qt::prepareFontDpi();
  QApplication application(argc, argv);
  shell::qt::installWindowFonts();
  shell::qt::setApplicationTitle(QStringLiteral("Tollard"));
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
