#pragma once
// The windows are laid out in pixels for "MS Sans Serif" at 96 dots per inch. Here that face is
// substituted by a metric-close sans (Liberation Sans, installed by the set-up), and the font DPI
// is fixed at 96 so that point sizes give the pixel heights the layout was made for.
#include <QFont>

namespace shell::qt {

inline constexpr const char* kWindowFamily = "MS Sans Serif";

// Call before the QApplication is created (sets QT_FONT_DPI=96 unless the user set it).
void prepareFontDpi();
// Call after the QApplication exists: registers the substitution and sets the application font
// to MS Sans Serif 8 points.
void installWindowFonts();
// MS Sans Serif at the given size in points (8 for the window font, 10 for most captions).
QFont windowFont(int points);

}  // namespace shell::qt
