// The sampling run of the crank press window: reads the rows of the window, samples the
// chosen quantity over each row's time span and saves one report file per row.
#pragma once

#include <string>

namespace vennick {

// Which column of the ram motion a run writes (values match the radio button order).
enum class Quantity { Displacement = 1, Velocity = 2, Acceleration = 3 };

// What the run needs of the press window; the window implements it, tests replace it with a fake.
class PressWindow {
 public:
  virtual ~PressWindow() = default;
  virtual std::string controlText(const std::string& name) = 0;   // by name; rows by built names
  virtual std::string outputFolder() = 0;                          // DirectoryListBox1's folder
  virtual Quantity checkedQuantity() = 0;
  virtual int precision() = 0;                                     // precisionScrollBar position
  virtual int operationCount() = 0;
  virtual char decimalSeparator() = 0;
  virtual void errorBox(const std::string& message) = 0;
  virtual void focusControl(const std::string& name) = 0;
  virtual void clearReportLines() = 0;
  virtual void addReportLine(std::string line) = 0;                // hot path: up to 10^6 lines
  virtual void saveReportLines(const std::string& path) = 0;       // lines + CR LF each, whole or not at all
};

// Button1Click's work.
void runSampling(PressWindow& window);

// Name of row k's control with the given prefix: rowControlName("deltaH", 2) == "deltaH2TextBox".
std::string rowControlName(const char* prefix, int row);

}  // namespace vennick
