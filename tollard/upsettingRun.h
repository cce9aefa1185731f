#pragma once
// The upsetting run: reads the sizing window's inputs, sizes the rod and writes the results
// and one report line back. No toolkit: the window implements SizingWindow, a test a fake.
#include <cstddef>
#include <string>

namespace tollard {

// Colour of the upsetting ratio box: Red is RGB 255,0,0, Green is RGB 0,128,0.
enum class RatioColour { Red, Green };

// What the run needs of the sizing window.
class SizingWindow {
 public:
  virtual ~SizingWindow() = default;
  virtual std::string volumeText() = 0;    // forgingVolumeTextBox
  virtual std::string additionText() = 0;  // materialAdditionTextBox
  virtual std::string ratioText() = 0;     // requestedRatioTextBox
  virtual int rodTypeIndex() = 0;          // -1 none, 0 "EN 10060", 1 "EN 10278"
  virtual std::string rodTypeText() = 0;   // the text the drop-down displays
  virtual void setRodDiameterText(const std::string&) = 0;
  virtual std::string rodDiameterText() = 0;
  virtual void setRodLengthText(const std::string&) = 0;
  virtual std::string rodLengthText() = 0;
  virtual void setUpsettingRatioText(const std::string&) = 0;
  virtual std::string upsettingRatioText() = 0;
  virtual void setRodVolumeText(const std::string&) = 0;
  virtual void setRatioColour(RatioColour) = 0;
  virtual std::size_t reportLineCount() = 0;
  virtual void setFirstReportLine(const std::string&) = 0;  // adds it when the report is empty
  virtual void appendReportLine(const std::string&) = 0;
  virtual void errorBox(const std::string& message) = 0;
  virtual std::string clockText() = 0;  // read once per run
  virtual char decimalSeparator() = 0;
};

// The work of the sizing button. Arithmetic failures (shell::FloatFailure) propagate to the
// caller's guard; only an input that is not a number is caught here.
void runUpsetting(SizingWindow& window);

}  // namespace tollard
