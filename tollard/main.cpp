// tollard: the bar stock sizing program. One window; the program ends when it closes or when
// File, Exit ends the loop, and the window's destruction then removes the symbol font.
#include <QApplication>

#include "applicationTitle.h"
#include "mainUnit.h"
#include "systemLocale.h"
#include "windowFonts.h"

int main(int argc, char** argv) {
  shell::qt::prepareFontDpi();
  QApplication application(argc, argv);
  // Matches the launcher entry, so that the desktop pairs the window with its menu item and icon.
  QGuiApplication::setDesktopFileName(QStringLiteral("org.formingcalc.tollard"));
  shell::qt::installWindowFonts();
  shell::qt::setApplicationTitle(QStringLiteral("Tollard"));
  shell::qt::refreshSystemLocale();
  tollard::TForm1 form;
  form.show();
  return application.exec();
}
