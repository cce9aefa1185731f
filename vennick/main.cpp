// vennick: the crank press ram motion tables. One window; no command line of its own, no
// application title (the failure report then carries the program file's name).
#include <QApplication>

#include "folderBrowser/volumes.h"
#include "qtMessageBoxes.h"
#include "systemLocale.h"
#include "vennickMain.h"
#include "windowFonts.h"

int main(int argc, char** argv) {
  shell::qt::prepareFontDpi();
  QApplication application(argc, argv);
  // Matches the launcher entry, so that the desktop pairs the window with its menu item and icon.
  QGuiApplication::setDesktopFileName(QStringLiteral("org.formingcalc.vennick"));
  shell::qt::installWindowFonts();
  shell::qt::refreshSystemLocale();

  shell::qt::QtMessageBoxes boxes;
  vennick::MountedVolumes volumes;
  TForm1 window({&boxes, &boxes, &volumes, [] { return shell::qt::decimalSeparator(); }});
  window.show();
  return application.exec();
}
