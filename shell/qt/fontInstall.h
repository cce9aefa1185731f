#pragma once
// The GreekC symbol font: written out to AppResources/GreekCNew.ttf under the current
// directory (never overwritten), added to the application's fonts, and given to the window's
// symbol labels. Removed again when the window is destroyed.
#include <QList>

class QLabel;

namespace shell::qt {

inline constexpr const char* kFontFolder = "AppResources";
inline constexpr const char* kFontPath = "./AppResources/GreekCNew.ttf";
inline constexpr const char* kSymbolFamily = "GreekC";

class FontInstall {
 public:
  // The six steps in order. A write that fails raises shell::FileWriteFailure before the font is
  // added or any label changed, so the caller's guard reports it and skips the later steps.
  void install(const QList<QLabel*>& symbolLabels);
  // Removes the font added by install() (nothing when none was added); never fails.
  void remove();
  ~FontInstall() { remove(); }

 private:
  int fontId_ = -1;
};

}  // namespace shell::qt
