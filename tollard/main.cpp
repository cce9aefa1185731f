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
  shell::qt::installWindowFonts();
  shell::qt::setApplicationTitle(QStringLiteral("Tollard"));
  shell::qt::refreshSystemLocale();
  tollard::TForm1 form;
  form.show();
  return application.exec();
}
