#pragma once
// The sizing window as the upsetting run sees it: texts carried between the controls and the
// run, nothing computed here.
#include "upsettingRun.h"

class QComboBox;
class QLineEdit;
class QPlainTextEdit;

namespace shell {
class MessageBoxes;
}

namespace tollard {

struct SizingControls {
  QLineEdit* volume;
  QLineEdit* addition;
  QLineEdit* ratio;
  QComboBox* rodType;
  QLineEdit* rodDiameter;
  QLineEdit* rodLength;
  QLineEdit* upsettingRatio;
  QLineEdit* rodVolume;
  QPlainTextEdit* report;
};

class FormSizingWindow : public SizingWindow {
 public:
  FormSizingWindow(const SizingControls& controls, shell::MessageBoxes& boxes)
      : c_(controls), boxes_(boxes) {}

  std::string volumeText() override;
  std::string additionText() override;
  std::string ratioText() override;
  int rodTypeIndex() override;
  std::string rodTypeText() override;
  void setRodDiameterText(const std::string& text) override;
  std::string rodDiameterText() override;
  void setRodLengthText(const std::string& text) override;
  std::string rodLengthText() override;
  void setUpsettingRatioText(const std::string& text) override;
  std::string upsettingRatioText() override;
  void setRodVolumeText(const std::string& text) override;
  void setRatioColour(RatioColour colour) override;
  std::size_t reportLineCount() override;
  void setFirstReportLine(const std::string& line) override;
  void appendReportLine(const std::string& line) override;
  void errorBox(const std::string& message) override;
  std::string clockText() override;
  char decimalSeparator() override;

 private:
  SizingControls c_;
  shell::MessageBoxes& boxes_;
};

// The item whose text the drop-down shows (exactly), or -1 when the text names no item. Taken
// from the text, so that the bar standard computed with always is the one the report names,
// however the user got the text there (chosen, typed, or chosen and then typed over).
int shownItemIndex(const QComboBox& comboBox);

}  // namespace tollard
