#pragma once
// The press window as the sampling run sees it: texts of controls found by name, the output
// folder, the quantity, the precision, the row count, the Error box, the focus and the lines of
// Memo1. Lines added by the run are shown when the run ends or a box opens.
#include "samplingRun.h"

class TForm1;

namespace vennick {

class PressWindowAdapter : public PressWindow {
 public:
  explicit PressWindowAdapter(TForm1& window) : window_(window) {}

  std::string controlText(const std::string& name) override;
  std::string outputFolder() override;
  Quantity checkedQuantity() override;
  int precision() override;
  int operationCount() override;
  char decimalSeparator() override;
  void errorBox(const std::string& message) override;
  void focusControl(const std::string& name) override;
  void clearReportLines() override;
  void addReportLine(std::string line) override;
  void saveReportLines(const std::string& path) override;

 private:
  TForm1& window_;
};

}  // namespace vennick
