// One QApplication for every test of shell_qt.
#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char** argv) {
  // Offscreen also when run by hand or listed by the test discovery, which sets no environment.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
