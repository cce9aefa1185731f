#pragma once
// The press window of the sampling run without a toolkit, as both sampling benchmarks use it:
// the LZK 2500 press (n = 70, L = 1070, z = 320), velocity at 8 places, one operation with
// Δh = 20, the given number of load divisions and no unload time; the Report lines are held in
// one buffer and saved into the given folder.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>

#include "reportLines.h"
#include "samplingRun.h"

namespace bench {

class LzkPressWindow : public vennick::PressWindow {
 public:
  LzkPressWindow(std::string folder, std::string loadDivisions)
      : folder_(std::move(folder)), loadDivisions_(std::move(loadDivisions)) {}

  std::string controlText(const std::string& name) override {
    if (name == "crankPressTypeComboBox") return "LZK 2500";
    if (name == "revolveRateTextBox") return "70";
    if (name == "connectingRodLengthTextBox") return "1070";
    if (name == "crankshaftStrokeTextBox") return "320";
    if (name == "deltaH1TextBox") return "20";
    if (name == "nbrOfDivisionLoad1TextBox") return loadDivisions_;
    return "";  // no unload time
  }
  std::string outputFolder() override { return folder_; }
  vennick::Quantity checkedQuantity() override { return vennick::Quantity::Velocity; }
  int precision() override { return 8; }
  int operationCount() override { return 1; }
  char decimalSeparator() override { return '.'; }
  // A benchmark that shows a box measures nothing: it stops at once.
  void errorBox(const std::string& message) override {
    std::fprintf(stderr, "unexpected error box: %s\n", message.c_str());
    std::abort();
  }
  void focusControl(const std::string&) override {}
  void clearReportLines() override { lines.clear(); }
  void addReportLine(std::string line) override { lines.add(line); }
  void saveReportLines(const std::string& path) override { lines.save(path); }

  vennick::ReportLines lines;

 private:
  std::string folder_;
  std::string loadDivisions_;
};

}  // namespace bench
