#include "windowFonts.h"

#include <QApplication>

namespace shell::qt {

void prepareFontDpi() {
  if (qEnvironmentVariableIsEmpty("QT_FONT_DPI")) qputenv("QT_FONT_DPI", "96");
}

void installWindowFonts() {
  QFont::insertSubstitutions(kWindowFamily, {"Liberation Sans", "Arimo", "DejaVu Sans"});
  QApplication::setFont(windowFont(8));
}

QFont windowFont(int points) {
  QFont font(kWindowFamily);
  font.setPointSize(points);
  return font;
}

}  // namespace shell::qt
