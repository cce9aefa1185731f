// One QApplication for every test of shell_qt (offscreen: QT_QPA_PLATFORM is set by ctest).
#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
